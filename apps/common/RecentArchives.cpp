#include "RecentArchives.h"

#include <QDir>

#include "HostKit.h"
#include "access/DatabaseUrl.h"

namespace tolmo::hostkit {

namespace {
const QString kSection = QStringLiteral("Archivi");
QString key(int i) { return QStringLiteral("Recente%1").arg(i + 1); }
}  // namespace

QString senzaPassword(const QString& url) {
    const auto parsed = DatabaseUrl::parse(url);
    return parsed ? parsed->toString() : url;
}

QStringList RecentArchives::elenco() const {
    QStringList urls;
    for (int i = 0; i < kQuanti; ++i) {
        const QString url = m_settings.value(kSection, key(i));
        if (!url.isEmpty() && !urls.contains(url)) urls.append(url);
    }
    return urls;
}

QString RecentArchives::ultimo() const {
    const QStringList urls = elenco();
    return urls.isEmpty() ? QString() : urls.first();
}

void RecentArchives::ricorda(const QString& url) {
    const QString kept = senzaPassword(url);
    QStringList urls = elenco();
    urls.removeAll(kept);
    urls.prepend(kept);
    scrivi(urls);
}

void RecentArchives::scrivi(const QStringList& urls) {
    for (int i = 0; i < kQuanti; ++i) {
        if (i < urls.size())
            m_settings.setValue(kSection, key(i), urls.at(i));
        else
            m_settings.remove(kSection, key(i));
    }
}

QString archivioIniziale(platform::Settings& settings, const QString& richiesto) {
    if (!richiesto.isEmpty()) return richiesto;
    const QString ultimo = RecentArchives(settings).ultimo();
    return ultimo.isEmpty() ? defaultDatabaseUrl() : ultimo;
}

QString descriviArchivio(const QString& url) {
    const auto parsed = DatabaseUrl::parse(url);
    if (!parsed) return url;
    if (parsed->dialect == Dialect::SQLite)
        return QStringLiteral("File ") + QDir::toNativeSeparators(parsed->path);
    return QStringLiteral("Server %1@%2:%3, database %4")
        .arg(parsed->user, parsed->host)
        .arg(parsed->port)
        .arg(parsed->database);
}

}  // namespace tolmo::hostkit
