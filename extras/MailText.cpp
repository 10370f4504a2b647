#include "MailText.h"

#include "access/TolmoAccess.h"
#include "core/model/CaseHeader.h"
#include "core/model/MailText.h"

namespace tolmo::extras {

QString CreaTxtMail(core::ComponentServices& services, References& references) {
    const int id = services.currentId();
    if (id == 0) return {};
    const QString S = core::kFineRigaMail;
    AccessoDati dati;
    dati.Apri(services.connReadOnly(),
              QStringLiteral("SELECT Pratica.DataInizio, Pratica.Posizione, Pratica.ControCognome, "
                             "Pratica.ControNome, Pratica.ID_Controparte, Anagrafica.Cognome, "
                             "Pratica.Collocazione, Pratica.AvvCoinvolti, Pratica.Note "
                             "FROM Pratica INNER JOIN Anagrafica ON Anagrafica.ID_Ana = Pratica.ID_Cliente "
                             "WHERE ID_Pra = ") +
                  QString::number(id),
              adLockReadOnly);
    Recordset& rs = dati.recordset();
    if (rs.Eof()) return {};
    const auto t = [&rs](const char* colonna) { return rs.text(QString::fromLatin1(colonna)); };

    // A counterparty typed by hand (the placeholder party) is written from the case row.
    QString cognomeCp = t("ControCognome"), nomeCp = t("ControNome");
    const int controparte = rs.value(QStringLiteral("ID_Controparte")).toInt();
    if (controparte != 1) {
        AccessoDati cp;
        cp.Apri(services.connReadOnly(),
                QStringLiteral("SELECT id_Ana,cognome,nome FROM Anagrafica  WHERE ID_Ana = ") +
                    QString::number(controparte),
                adLockReadOnly);
        cognomeCp = cp.recordset().Eof() ? QString() : cp.recordset().text(QStringLiteral("cognome"));
        nomeCp = cp.recordset().Eof() ? QString() : cp.recordset().text(QStringLiteral("nome"));
        cp.Chiudi();
    }
    const bool penale = services.header().isPenale();
    const QDate inizio = rs.value(QStringLiteral("DataInizio")).toDate();
    const QString referente = references.fields.cmbReferente.selectedCell(0);

    QString testo = QStringLiteral("DATA : ") +
                    (inizio.isValid() ? inizio.toString(QStringLiteral("dd/MM/yyyy")) : QString()) + S;
    testo += (penale ? QStringLiteral("CODICE :  ") : QStringLiteral("POSIZIONE :  ")) + t("Posizione") + S;
    testo += QStringLiteral("OGGETTO : Comunicazione nuova pratica - ") +
             (penale ? QString() : t("Cognome") + QLatin1Char('\\') + cognomeCp) + S;
    testo += QStringLiteral("DA :  ") + referente + S;
    testo += QStringLiteral("CLIENTE :") + t("Cognome") + S;
    testo += penale ? QStringLiteral("QUESTIONE :  ") + t("ControCognome") + QStringLiteral("  %0D%0A%0D%0A")
                    : QStringLiteral("CONTROPARTE :  ") + cognomeCp + QLatin1Char(' ') + nomeCp + S;
    testo += QStringLiteral("COLLOCAZIONE : ") + t("Collocazione") + QStringLiteral(" %0D%0A%0D%0A");
    testo += QStringLiteral("RESPONSABILE :  ") + referente + S;
    testo += QStringLiteral("COLLABORATORI :  ") + t("AvvCoinvolti") + S;
    testo += QStringLiteral("NOTE :  ") + t("Note") + S;
    dati.Chiudi();
    return testo;
}

}  // namespace tolmo::extras
