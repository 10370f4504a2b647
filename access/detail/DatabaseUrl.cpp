#include "detail/DatabaseUrl.h"

#include <QUrl>

namespace tolmo::detail {

namespace {
const QString kSqlitePrefix = QStringLiteral("sqlite:");

bool isPostgresScheme(const QString& scheme) {
    return scheme == QLatin1String("postgresql") || scheme == QLatin1String("postgres");
}
}  // namespace

std::optional<DatabaseUrl> DatabaseUrl::parse(const QString& url) {
    if (url.startsWith(kSqlitePrefix, Qt::CaseInsensitive)) {
        DatabaseUrl result;
        result.path = url.mid(kSqlitePrefix.size());
        if (result.path.trimmed().isEmpty()) return std::nullopt;
        return result;
    }
    const QUrl parsed(url, QUrl::StrictMode);
    if (!parsed.isValid() || !isPostgresScheme(parsed.scheme().toLower())) return std::nullopt;
    DatabaseUrl result;
    result.dialect = Dialect::PostgreSQL;
    result.host = parsed.host();
    result.port = parsed.port(5432);
    result.user = parsed.userName();
    result.password = parsed.password();
    result.database = parsed.path().mid(1);
    if (result.host.isEmpty() || result.user.isEmpty() || result.database.isEmpty() ||
        result.database.contains(u'/'))
        return std::nullopt;
    return result;
}

QString urlForDisplay(const QString& url) {
    QUrl parsed(url);
    if (!parsed.isValid() || parsed.password().isEmpty()) return url;
    parsed.setPassword(QStringLiteral("***"));
    return parsed.toString();
}

}  // namespace tolmo::detail
