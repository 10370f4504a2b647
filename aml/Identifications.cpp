#include "Identifications.h"

#include <QSqlQuery>
#include <QVariant>

namespace tolmo::aml {

Identificazione cercaIdentificazione(Connection& c, int anagrafica, const Professionista* chi) try {
    Identificazione out;
    {
        QSqlQuery q =
            c.query(QStringLiteral("SELECT Cognome, Nome, CodiceFiscale, PartitaIva, IsFisicaGiuridica "
                                   "FROM Anagrafica WHERE ID_Ana = ?"),
                    {anagrafica});
        if (q.next()) {
            out.nome = nomeCompleto(q.value(0).toString(), q.value(1).toString());
            out.persona = q.value(4).toBool();
            out.codiceFiscale = (out.persona ? q.value(2) : q.value(3)).toString().trimmed();
        }
    }
    QString sql = QStringLiteral("SELECT id_ar, codiceprof, AzeroDue FROM AnagraficaAR WHERE R_Id_Anag = ?");
    QVariantList params{anagrafica};
    if (chi && !chi->codiceAR.isEmpty()) {
        sql += QStringLiteral(" AND AzeroDue = ? AND codiceprof = ?");
        params << testo(chi->codiceAR) << testo(chi->partitaIva);
    } else if (chi) {
        sql += QStringLiteral(" AND AzeroDue IS NULL AND codiceprof = ?");
        params << testo(chi->partitaIva);
    }
    sql += QStringLiteral(" ORDER BY id_ar");
    QString azeroDue;
    {
        QSqlQuery q = c.query(sql, params);
        if (!q.next()) return out;
        out.idAr = q.value(0).toInt();
        out.codiceProf = q.value(1).toString();
        azeroDue = q.value(2).toString();
    }
    out.professionista = cercaNomeProfessionista(c, out.codiceProf, azeroDue);
    return out;
} catch (const LookupFailed&) {
    throw;
} catch (const DbError& e) {
    throw LookupFailed(e);
}

QString cercaNomeProfessionista(Connection& c, const QString& codiceProf, const QString& azeroDue) {
    QSqlQuery q =
        azeroDue.isEmpty()
            ? c.query(QStringLiteral("SELECT NomeUtente FROM Utenti WHERE Piva = ? ORDER BY Id_Utente"),
                      {testo(codiceProf)})
            : c.query(QStringLiteral("SELECT NomeUtente FROM Utenti WHERE CodUteAR = ? ORDER BY Id_Utente"),
                      {testo(azeroDue)});
    return q.next() ? q.value(0).toString() : QString();
}

std::pair<int, QString> cercaPerContoDi(Connection& c, int pratica, int anagrafica) {
    int perConto = 0;
    {
        QSqlQuery q =
            c.query(QStringLiteral("SELECT R_IdPercontoDi FROM SoggettiAntiRiciclaggio WHERE R_IdPraSAR = ? "
                                   "AND R_IdAnaSAR = ? AND R_IdPercontoDi > 0 ORDER BY ID_SAR"),
                    {pratica, anagrafica});
        if (!q.next()) return {0, QString()};
        perConto = q.value(0).toInt();
    }
    return {perConto, cercaIdentificazione(c, perConto, nullptr).nome};
}

bool identificatoDa(Connection& c, int anagrafica, const QString& codiceAR) {
    QSqlQuery q =
        c.query(QStringLiteral("SELECT id_ar FROM AnagraficaAR WHERE R_Id_Anag = ? AND AzeroDue = ?"),
                {anagrafica, testo(codiceAR)});
    return q.next();
}

}  // namespace tolmo::aml
