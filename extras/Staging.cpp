#include "Staging.h"

#include <QDateTime>

#include "access/SqlText.h"
#include "access/TolmoAccess.h"
#include "core/model/ColumnLimits.h"
#include "core/model/DateField.h"

namespace tolmo::extras {

namespace {

/// The first value of `sql`, or `mancante` when it returns no row.
QVariant primo(const ConnectionPtr& conn, const QString& sql, const QVariant& mancante) {
    AccessoDati dati;
    dati.Apri(conn, sql, adLockReadOnly);
    const QVariant v = dati.recordset().Eof() ? mancante : dati.recordset().value(0);
    dati.Chiudi();
    return v.isNull() ? mancante : v;
}

QVariant valore(const DatiStaging& dati, const char* chiave) {
    for (const auto& [k, v] : dati)
        if (k == QLatin1String(chiave)) return v;
    return {};
}

}  // namespace

DatiStaging RetrieveDatiStaging(const ConnectionPtr& conn, const QString& szStato, int idCliente, int idCla,
                                int idReferente) {
    DatiStaging d;
    d.append({QStringLiteral("STATO"),
              primo(conn,
                    QStringLiteral("SELECT Racc_StatoGamma FROM StatiPratica  where Statoprat= ") +
                        ApiciSQL(szStato),
                    QString())
                  .toString()});
    d.append(
        {QStringLiteral("TOKEN"), primo(conn,
                                        QStringLiteral("SELECT R_id_token FROM Anagrafica  WHERE Id_ana= ") +
                                            QString::number(idCliente),
                                        QStringLiteral("0"))
                                      .toString()});
    d.append({QStringLiteral("AREAPRACTICE"),
              primo(conn,
                    QStringLiteral("SELECT Racc_AreaPracticeGamma FROM Classificatore  WHERE Id_cla= ") +
                        QString::number(idCla),
                    QString())
                  .toString()});
    AccessoDati utente;
    utente.Apri(
        conn,
        QStringLiteral("SELECT id_utente,nomeutente,cognometp,nometp FROM Utenti  WHERE id_utente= ") +
            QString::number(idReferente),
        adLockReadOnly);
    Recordset& u = utente.recordset();
    const bool trovato = !u.Eof();
    d.append({QStringLiteral("ID_UTENTE"),
              trovato ? u.value(QStringLiteral("id_utente")).toString() : QStringLiteral("0")});
    d.append({QStringLiteral("RESPONSABILE"), trovato ? u.text(QStringLiteral("nomeutente")) : QString()});
    d.append(
        {QStringLiteral("COGNOMERESPONSABILE"), trovato ? u.text(QStringLiteral("cognometp")) : QString()});
    d.append({QStringLiteral("NOMERESPONSABILE"), trovato ? u.text(QStringLiteral("nometp")) : QString()});
    utente.Chiudi();
    AccessoDati studio;
    studio.Apri(conn, QStringLiteral("SELECT indirizzo,citta,cap FROM ConfigGenerale "), adLockReadOnly);
    Recordset& s = studio.recordset();
    d.append({QStringLiteral("INDIRIZZO_RESP"), s.Eof()
                                                    ? QString()
                                                    : s.text(QStringLiteral("indirizzo")) + QLatin1Char(' ') +
                                                          s.text(QStringLiteral("citta")) + QLatin1Char(' ') +
                                                          s.text(QStringLiteral("cap"))});
    studio.Chiudi();
    return d;
}

bool VerificaStaging(const ConnectionPtr& conn) {
    return primo(conn, QStringLiteral("SELECT GammaMod FROM ConfigGenerale"), false).toBool();
}

Staging::Staging(core::ComponentServices& services, core::PraticaForm& form)
    : m_services(services), m_form(form) {}

DatiStaging Staging::datiDelCaso(const QString& szStato) {
    const ConnectionPtr conn = m_services.connReadOnly();
    AccessoDati pratica;
    pratica.Apri(conn,
                 QStringLiteral("SELECT ID_Cliente, ID_Cla, ID_Referente FROM Pratica WHERE ID_Pra = ") +
                     QString::number(m_services.currentId()),
                 adLockReadOnly);
    Recordset& rs = pratica.recordset();
    const bool c = !rs.Eof();
    const int cliente = c ? rs.value(QStringLiteral("ID_Cliente")).toInt() : 0;
    const int cla = c ? rs.value(QStringLiteral("ID_Cla")).toInt() : 0;
    const int referente = c ? rs.value(QStringLiteral("ID_Referente")).toInt() : 0;
    pratica.Chiudi();
    return RetrieveDatiStaging(conn, szStato, cliente, cla, referente);
}

// The values come from the case row as this save wrote it; empty dates leave a stored row's dates.
void Staging::EsportaStaging(core::SaveContext& ctx) {
    Recordset& caso = ctx.row;
    const DatiStaging dati = RetrieveDatiStaging(
        ctx.conn, m_form.fpStatoPra.text(), caso.value(QStringLiteral("ID_Cliente")).toInt(),
        caso.value(QStringLiteral("ID_Cla")).toInt(), caso.value(QStringLiteral("ID_Referente")).toInt());
    AccessoDati staging;
    staging.Apri(
        ctx.conn,
        QStringLiteral("SELECT * FROM ST_CommesseGamma WHERE codice_commessa=") + QString::number(ctx.caseId),
        adLockOptimistic);
    Recordset& rs = staging.recordset();
    if (rs.Eof()) rs.AddNew();
    rs.setValue(QStringLiteral("codice_commessa"), ctx.caseId);
    rs.setValue(QStringLiteral("descrizione"),
                core::entroColonna(QStringLiteral("ST_CommesseGamma"), QStringLiteral("descrizione"),
                                   m_form.cmbOggetto.text()));
    rs.setValue(QStringLiteral("area_practice"), valore(dati, "AREAPRACTICE"));
    const QDate inizio = core::dataDelCampo(m_form.TedDataInizio.text());
    const QDate chiusura = core::dataDelCampo(m_form.TolDataChiusura.text());
    if (inizio.isValid()) rs.setValue(QStringLiteral("Data_Inizio"), inizio);
    if (chiusura.isValid()) {
        rs.setValue(QStringLiteral("Data_chiusura"), chiusura);
        rs.setValue(QStringLiteral("data_fine"), chiusura);
    }
    rs.setValue(QStringLiteral("responsabile"), valore(dati, "ID_UTENTE").toInt());
    rs.setValue(QStringLiteral("stato"), valore(dati, "STATO"));
    rs.setValue(QStringLiteral("cognome_resp"), valore(dati, "COGNOMERESPONSABILE"));
    rs.setValue(QStringLiteral("nome_resp"), valore(dati, "NOMERESPONSABILE"));
    rs.setValue(QStringLiteral("indirizzo_resp"),
                core::entroColonna(QStringLiteral("ST_CommesseGamma"), QStringLiteral("indirizzo_resp"),
                                   valore(dati, "INDIRIZZO_RESP").toString()));
    rs.setValue(QStringLiteral("timestamp"), QDateTime::currentDateTime());
    rs.setValue(QStringLiteral("R_Id_Token"), valore(dati, "TOKEN"));
    rs.Update();
    staging.Chiudi();
}

void Staging::save(core::SaveContext& ctx) {
    if (VerificaStaging(ctx.conn)) EsportaStaging(ctx);
}

}  // namespace tolmo::extras
