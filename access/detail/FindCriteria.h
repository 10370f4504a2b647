#pragma once
// The criteria of Recordset::Find: "Column op value", matched against values read from a row.

#include <QRegularExpression>
#include <QString>
#include <QVariant>

namespace tolmo::detail {

class FindCriteria {
public:
    /// "Cognome = 'D''Angelo'", "Importo >= 10.5", "Nome LIKE 'Ma*'", "Data < #2024-01-31#",
    /// "Attivo = TRUE". Throws DbError when the text is not of that shape.
    explicit FindCriteria(const QString& criteria);

    const QString& field() const { return m_field; }
    /// Whether a value as Recordset::value() gives it satisfies the criteria; null never does.
    bool matches(const QVariant& value) const;

private:
    enum class Op { Equal, NotEqual, Less, Greater, LessOrEqual, GreaterOrEqual, Like };
    bool holds(int comparison) const;

    QString m_field;
    Op m_op = Op::Equal;
    QVariant m_operand;  ///< double, QString, QDate or bool
    QRegularExpression m_pattern;
};

}  // namespace tolmo::detail
