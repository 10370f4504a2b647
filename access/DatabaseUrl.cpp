#include "access/DatabaseUrl.h"

#include <QUrl>

namespace tolmo {

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

QString DatabaseUrl::toString(bool withPassword) const {
    if (dialect == Dialect::SQLite) return kSqlitePrefix + path;
    QUrl url;
    url.setScheme(QStringLiteral("postgresql"));
    url.setHost(host);
    url.setPort(port);
    url.setUserName(user, QUrl::DecodedMode);
    if (withPassword) url.setPassword(password, QUrl::DecodedMode);
    url.setPath(QLatin1Char('/') + database, QUrl::DecodedMode);
    return url.toString(QUrl::FullyEncoded);
}

QString urlForDisplay(const QString& url) {
    QUrl parsed(url);
    if (!parsed.isValid() || parsed.password().isEmpty()) return url;
    parsed.setPassword(QStringLiteral("***"));
    return parsed.toString();
}

}  // namespace tolmo
