#pragma once
// The archives opened lately, the last one first, as the settings store keeps them: section
// "Archivi", keys "Recente1" to "Recente8". A password is never kept: libpq finds it again in
// PGPASSWORD, ~/.pgpass or the service file.

#include <QString>
#include <QStringList>

#include "platform/Settings.h"

namespace tolmo::hostkit {

class RecentArchives {
public:
    static constexpr int kQuanti = 8;

    explicit RecentArchives(platform::Settings& settings) : m_settings(settings) {}

    /// The URLs, the last opened first; never more than kQuanti, never twice the same.
    QStringList elenco() const;
    /// The archive opened last, "" when none was.
    QString ultimo() const;
    /// Puts `url`, without its password, at the head of the list.
    void ricorda(const QString& url);

private:
    void scrivi(const QStringList& urls);
    platform::Settings& m_settings;
};

/// `url` as it may be kept: without the password of a PostgreSQL address.
QString senzaPassword(const QString& url);
/// The archive a host opens at start: the one asked for (`richiesto`, a --db option), else the
/// last one opened, else the embedded demo archive.
QString archivioIniziale(platform::Settings& settings, const QString& richiesto);
/// How a person reads an archive's URL: "File /percorso" or "Server utente@host:porta, database db".
QString descriviArchivio(const QString& url);

}  // namespace tolmo::hostkit
