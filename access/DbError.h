#pragma once
// The one error type the data-access layer throws.

#include <QString>
#include <stdexcept>

namespace tolmo {

class DbError : public std::runtime_error {
public:
    DbError(QString description, QString source, long number)
        : std::runtime_error(description.toStdString()),
          m_description(std::move(description)),
          m_source(std::move(source)),
          m_number(number) {}

    const QString& description() const { return m_description; }
    /// Where it happened: the driver and the statement or operation ("QSQLITE: UPDATE Pratica ...").
    const QString& source() const { return m_source; }
    long number() const { return m_number; }

private:
    QString m_description;
    QString m_source;
    long m_number;
};

}  // namespace tolmo
