#include "Settings.h"

#include <QSettings>

namespace tolmo::platform {

namespace {
QString path(const QString& section, const QString& key) { return section + QLatin1Char('/') + key; }
}  // namespace

QtSettings::QtSettings(const QString& iniPath)
    : m_settings(iniPath.isEmpty() ? std::make_unique<QSettings>(QStringLiteral("Tolmo"), QStringLiteral("Tolmo32"))
                                   : std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

QtSettings::~QtSettings() = default;

QString QtSettings::value(const QString& section, const QString& key, const QString& fallback) const {
    return m_settings->value(path(section, key), fallback).toString();
}

void QtSettings::setValue(const QString& section, const QString& key, const QString& value) {
    m_settings->setValue(path(section, key), value);
}

void QtSettings::remove(const QString& section, const QString& key) { m_settings->remove(path(section, key)); }

QString MemorySettings::value(const QString& section, const QString& key, const QString& fallback) const {
    return m_values.value(path(section, key), fallback);
}

void MemorySettings::setValue(const QString& section, const QString& key, const QString& value) {
    m_values.insert(path(section, key), value);
}

void MemorySettings::remove(const QString& section, const QString& key) { m_values.remove(path(section, key)); }

}  // namespace tolmo::platform
