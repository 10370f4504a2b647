#include "SuspensionSetting.h"

#include <QSqlQuery>

#include "criminal/AppealDeadline.h"

namespace tolmo::hostkit {

QString leggiSospensione(Connection& conn) {
    QSqlQuery q = conn.query(QStringLiteral("SELECT SospensioneFeriale FROM ConfigGenerale ORDER BY ID"));
    const std::optional<criminal::Sospensione> span =
        q.next() ? criminal::Sospensione::dalTesto(q.value(0).toString()) : std::nullopt;
    return span.value_or(criminal::Sospensione{}).testo();
}

QString impostaSospensione(Connection& conn, const QString& text) {
    const std::optional<criminal::Sospensione> span = criminal::Sospensione::dalTesto(text);
    if (!span)
        throw SpanRefused(
            QStringLiteral("Indicare il periodo di sospensione come gg/mm-gg/mm nello stesso anno, "
                           "per esempio 01/08-31/08.")
                .toStdString());
    const QString canonical = span->testo();
    Transaction transaction(conn);
    if (conn.Execute(QStringLiteral("UPDATE ConfigGenerale SET SospensioneFeriale = ?"), {canonical}) == 0)
        conn.Execute(QStringLiteral("INSERT INTO ConfigGenerale (SospensioneFeriale) VALUES (?)"),
                     {canonical});
    transaction.commit();
    return canonical;
}

}  // namespace tolmo::hostkit
