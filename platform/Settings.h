#pragma once
// The per-user settings store (application "Tolmo32"): sections and keys, missing keys read "".

#include <QMap>
#include <QString>
#include <memory>

class QSettings;

namespace tolmo::platform {

class Settings {
public:
    virtual ~Settings() = default;
    virtual QString value(const QString& section, const QString& key, const QString& fallback = {}) const = 0;
    virtual void setValue(const QString& section, const QString& key, const QString& value) = 0;
    virtual void remove(const QString& section, const QString& key) = 0;
};

/// QSettings under application "Tolmo32", or an INI file when a path is given.
class QtSettings : public Settings {
public:
    explicit QtSettings(const QString& iniPath = {});
    ~QtSettings() override;
    QString value(const QString& section, const QString& key, const QString& fallback = {}) const override;
    void setValue(const QString& section, const QString& key, const QString& value) override;
    void remove(const QString& section, const QString& key) override;
    QSettings& store() { return *m_settings; }

private:
    std::unique_ptr<QSettings> m_settings;
};

/// Settings kept in memory, for tests and scripted sessions.
class MemorySettings : public Settings {
public:
    QString value(const QString& section, const QString& key, const QString& fallback = {}) const override;
    void setValue(const QString& section, const QString& key, const QString& value) override;
    void remove(const QString& section, const QString& key) override;

private:
    QMap<QString, QString> m_values;
};

}  // namespace tolmo::platform
