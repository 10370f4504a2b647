#include "ServiceSubjects.h"

#include <QSqlQuery>
#include <QVariant>

namespace tolmo::aml {

namespace {

Soggetto conIdentificazione(Connection& c, int pratica, int anagrafica, const Professionista& chi) {
    const Identificazione trovata = cercaIdentificazione(c, anagrafica, &chi);
    Soggetto s;
    s.id = anagrafica;
    s.nome = trovata.nome;
    s.codice = trovata.codiceFiscale;
    if (trovata.idAr > 0) {
        s.coinvolto = true;
        s.idAr = trovata.idAr;
        s.identificazione = trovata.professionista;
    } else {
        s.identificazione = kMancante;
    }
    const auto [perConto, nome] = cercaPerContoDi(c, pratica, anagrafica);
    if (!nome.isEmpty()) {
        s.perConto = nome;
        s.idPerConto = perConto;
    }
    return s;
}

QList<int> interi(Connection& c, const QString& sql, const QVariantList& params) {
    QList<int> out;
    QSqlQuery q = c.query(sql, params);
    while (q.next()) out.append(q.value(0).toInt());
    return out;
}

// The further parties of the case, the placeholder left out; those already subjects too when asked.
QList<int> altrePartiDellaPratica(Connection& c, int pratica, bool soloNuove) {
    return interi(c,
                  QStringLiteral("SELECT Id_Ana FROM MultiIntesta WHERE ID_Pra = ? AND Id_Ana <> 1") +
                      (soloNuove ? QStringLiteral(" AND Id_Ana NOT IN (SELECT R_IdAnaSAR FROM "
                                                  "SoggettiAntiRiciclaggio WHERE R_IdPraSAR = ?)")
                                 : QString()) +
                      QStringLiteral(" ORDER BY ID_Multi"),
                  soloNuove ? QVariantList{pratica, pratica} : QVariantList{pratica});
}

}  // namespace

QList<Soggetto> soggettiDellaPratica(Connection& c, int pratica, const Professionista& chi) {
    QList<int> parti;
    {
        QSqlQuery q = c.query(
            QStringLiteral("SELECT Id_Cliente, ID_Controparte FROM Pratica WHERE ID_Pra = ?"), {pratica});
        if (q.next()) {
            parti.append(q.value(0).toInt());
            if (q.value(1).toInt() > 1) parti.append(q.value(1).toInt());
        }
    }
    parti += altrePartiDellaPratica(c, pratica, false);
    QList<Soggetto> out;
    for (int id : parti) out.append(conIdentificazione(c, pratica, id, chi));
    return out;
}

QList<Soggetto> soggettiRegistrati(Connection& c, int pratica, const Professionista& chi) {
    struct Memorizzato {
        Soggetto s;
        int perConto = 0;
    };
    QList<Memorizzato> letti;
    {
        QSqlQuery q = c.query(
            QStringLiteral("SELECT a.ID_Ana, a.Cognome, a.Nome, a.CodiceFiscale, s.IsDaTrasferire, s.R_IdAr, "
                           "s.R_IdPercontoDi FROM Anagrafica a INNER JOIN SoggettiAntiRiciclaggio s ON "
                           "a.ID_Ana = s.R_IdAnaSAR WHERE s.R_IdPraSAR = ? ORDER BY s.ID_SAR"),
            {pratica});
        while (q.next()) {
            Soggetto s;
            s.id = q.value(0).toInt();
            s.nome = nomeCompleto(q.value(1).toString(), q.value(2).toString());
            s.codice = q.value(3).toString().trimmed();
            s.coinvolto = q.value(4).toBool();
            s.idAr = q.value(5).toInt();
            letti.append({s, q.value(6).toInt()});
        }
    }
    QList<Soggetto> out;
    for (Memorizzato& m : letti) {
        Soggetto& s = m.s;
        if (s.idAr == 0) {
            // An identification made after the registration is taken up now.
            const Identificazione trovata = cercaIdentificazione(c, s.id, &chi);
            if (trovata.idAr > 0) {
                s.idAr = trovata.idAr;
                s.identificazione = trovata.professionista;
            } else {
                s.coinvolto = false;
                s.identificazione = kMancante;
            }
        } else {
            // The identification stored; a professional no longer in the firm leaves no name.
            QSqlQuery q =
                c.query(QStringLiteral("SELECT u.NomeUtente FROM AnagraficaAR a INNER JOIN Utenti u ON ") +
                            kIdentificatoreDi + QStringLiteral(" WHERE a.id_ar = ? ORDER BY u.Id_Utente"),
                        {s.idAr});
            s.identificazione = q.next() ? q.value(0).toString() : QString();
        }
        if (m.perConto > 0) {
            s.perConto = cercaIdentificazione(c, m.perConto, nullptr).nome;
            s.idPerConto = m.perConto;
        }
        out.append(s);
    }
    for (int id : altrePartiDellaPratica(c, pratica, true))
        out.append(conIdentificazione(c, pratica, id, chi));
    return out;
}

QList<Coinvolto> professionisti(Connection& c, int pratica, int professionista) {
    const QList<int> coinvolti = interi(
        c, QStringLiteral("SELECT R_IdProf FROM R_ProfessionistiCoinvolti WHERE R_IDPratica = ?"), {pratica});
    QList<Coinvolto> out;
    QSqlQuery q =
        c.query(QStringLiteral("SELECT Id_Utente, NomeUtente, CodUteAR FROM Utenti WHERE CodUteAR <> '' "
                               "AND Id_Utente <> ? ORDER BY NomeUtente"),
                {professionista});
    while (q.next()) {
        const int id = q.value(0).toInt();
        out.append({id, coinvolti.contains(id), q.value(1).toString(), q.value(2).toString()});
    }
    return out;
}

void salvaSoggetti(Connection& c, int pratica, int idPrest, bool nuova, const QList<Soggetto>& soggetti,
                   const QList<Coinvolto>& coinvolti) {
    for (const Soggetto& s : soggetti) {
        const QVariant perConto =
            s.perConto.isEmpty() ? QVariant(QMetaType::fromType<int>()) : QVariant(s.idPerConto);
        // A new registration adds its subjects, beside any a deleted registration left.
        const QList<int> esistenti =
            nuova
                ? QList<int>{}
                : interi(c,
                         QStringLiteral("SELECT ID_SAR FROM SoggettiAntiRiciclaggio WHERE R_IdAnaSAR = ? AND "
                                        "R_IdPraSAR = ? ORDER BY ID_SAR"),
                         {s.id, pratica});
        if (esistenti.isEmpty())
            c.Execute(
                QStringLiteral("INSERT INTO SoggettiAntiRiciclaggio (R_IdPraSAR, R_IdAnaSAR, IsDaTrasferire, "
                               "R_IdAr, R_IdPercontoDi) VALUES (?, ?, ?, ?, ?)"),
                {pratica, s.id, s.coinvolto, s.idAr, perConto});
        else
            c.Execute(QStringLiteral("UPDATE SoggettiAntiRiciclaggio SET IsDaTrasferire = ?, R_IdAr = ?, "
                                     "R_IdPercontoDi = ? WHERE ID_SAR = ?"),
                      {s.coinvolto, s.idAr, perConto, esistenti.first()});
    }
    c.Execute(QStringLiteral("DELETE FROM R_ProfessionistiCoinvolti WHERE R_IDPratica = ?"), {pratica});
    for (const Coinvolto& p : coinvolti)
        if (p.coinvolto)
            c.Execute(
                QStringLiteral("INSERT INTO R_ProfessionistiCoinvolti (R_IDPratica, R_IdProf, R_IdPresAr) "
                               "VALUES (?, ?, ?)"),
                {pratica, p.id, idPrest});
}

}  // namespace tolmo::aml
