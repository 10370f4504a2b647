// The anti-money-laundering archive of a generated firm: every fifth case registered by one of
// the professionals with a VAT number, a third of them split services joining the professional's
// latest group; the client identified by that professional and stored as the service's subject.

#include "FirmRows.h"

namespace tolmo::bench {

namespace aml {

const QStringList& serviceColumns() {
    static const QStringList list = {"id_prest",        "R_IdPra",     "ProgressivoAR", "IsFrazionata",
                                     "Codice",          "CodicePU",    "R_IdUte",       "DataRegPrest",
                                     "IsVerificata",    "DivisaPrest", "ImportoPrest",  "R_TipoPrest",
                                     "IsarchiviatoXML", "StatoRegP",   "IsDaSegnalare"};
    return list;
}

const QStringList& identificationColumns() {
    static const QStringList list = {"id_ar",         "R_Id_Anag",       "codiceprof",  "AzeroDue",
                                     "TipoDocumento", "NumeroDocumento", "RilasciatoDa"};
    return list;
}

const QStringList& subjectColumns() {
    static const QStringList list = {"ID_SAR", "R_IdPraSAR", "R_IdAnaSAR", "IsDaTrasferire", "R_IdAr"};
    return list;
}

bool registered(int ordinal) { return ordinal % 5 == 0; }

QList<Professional> professionals(Connection& conn) {
    QList<Professional> out;
    QSqlQuery q =
        conn.query(QStringLiteral("SELECT Id_Utente, Piva FROM Utenti WHERE Piva <> '' ORDER BY Id_Utente"));
    while (q.next()) out.append({q.value(0).toInt(), q.value(1).toString(), 0});
    return out;
}

Rows rows(FirmDraft& d, const CaseDraft& c, QList<Professional>& professionals, Keys& keys) {
    Prng& rng = d.rng;
    Professional& who = professionals[rng.below(static_cast<int>(professionals.size()))];
    const bool split = who.lastGroup > 0 && rng.percent(33);
    if (!split && rng.percent(50)) who.lastGroup = c.id;  // the first service of a new group
    const bool firstOfGroup = who.lastGroup == c.id;
    Rows out;
    out.service = {keys.service++,
                   c.id,
                   split ? who.lastGroup : c.id,
                   split || firstOfGroup,
                   who.piva,
                   QString(),
                   who.id,
                   c.opened.addDays(rng.below(60)),
                   true,
                   QStringLiteral("EUR"),
                   static_cast<double>(rng.between(2000, 400000)),
                   rng.between(1, 6),
                   rng.percent(70),
                   0,
                   true};
    const int identification = keys.identification++;
    out.identification = {identification,
                          c.client,
                          who.piva,
                          QVariant(QMetaType::fromType<QString>()),
                          QStringLiteral("Passaporto"),
                          QStringLiteral("YA%1").arg(c.id, 7, 10, QLatin1Char('0')),
                          QStringLiteral("Questura")};
    out.subject = {keys.subject++, c.id, c.client, true, identification};
    return out;
}

}  // namespace aml

}  // namespace tolmo::bench
