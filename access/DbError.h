#pragma once
// The one error type the data-access layer throws.

#include <QString>
#include <stdexcept>

namespace tolmo {

class DbError : public std::runtime_error {
public:
    /// The number of the error a write raises when the row changed since it was read.
    static constexpr long kRigaCambiata = -409;

    DbError(QString description, QString source, long number, QString code = {})
        : std::runtime_error(description.toStdString()),
          m_description(std::move(description)),
          m_source(std::move(source)),
          m_number(number),
          m_code(std::move(code)) {}

    const QString& description() const { return m_description; }
    /// Where it happened: the driver and the statement or operation ("QSQLITE: UPDATE Pratica ...").
    const QString& source() const { return m_source; }
    long number() const { return m_number; }
    /// The engine's own code as text: SQLite's result code, PostgreSQL's SQLSTATE ("40P01").
    const QString& code() const { return m_code; }

    /// Another workstation changed (or removed) the row since this one read it.
    bool rigaCambiata() const { return m_number == kRigaCambiata; }
    /// A clash with another workstation's transaction that a second try may not meet: a
    /// PostgreSQL serialisation failure or deadlock, SQLite still busy after its wait.
    bool daRiprovare() const;

private:
    QString m_description;
    QString m_source;
    long m_number;
    QString m_code;
};

}  // namespace tolmo
