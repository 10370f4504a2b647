#include "detail/FindCriteria.h"

#include <QDate>
#include <QHash>
#include <optional>

#include "DbError.h"
#include "detail/FieldValue.h"

namespace tolmo::detail {

namespace {

[[noreturn]] void refuse(const QString& criteria) {
    throw DbError(
        QStringLiteral("Criterio di ricerca non valido: «%1». Usare ad esempio Campo = 'testo' oppure "
                       "Campo >= 10.")
            .arg(criteria),
        QStringLiteral("Recordset: Find"), -1);
}

/// 'text' with doubled quotes, #date#, a number, TRUE or FALSE.
std::optional<QVariant> parseOperand(const QString& text) {
    if (text.size() >= 2 && text.startsWith(u'\'') && text.endsWith(u'\'')) {
        const QString body = text.mid(1, text.size() - 2);
        if (body.count(u'\'') % 2 != 0) return std::nullopt;
        return QVariant(QString(body).replace(QStringLiteral("''"), QStringLiteral("'")));
    }
    if (text.size() >= 2 && text.startsWith(u'#') && text.endsWith(u'#')) {
        const QDate date = toDate(text.mid(1, text.size() - 2));
        return date.isValid() ? std::optional<QVariant>(date) : std::nullopt;
    }
    if (text.compare(u"TRUE", Qt::CaseInsensitive) == 0) return QVariant(true);
    if (text.compare(u"FALSE", Qt::CaseInsensitive) == 0) return QVariant(false);
    bool ok = false;
    const double number = text.toDouble(&ok);
    return ok ? std::optional<QVariant>(number) : std::nullopt;
}

template <typename T>
int threeWay(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

}  // namespace

FindCriteria::FindCriteria(const QString& criteria) {
    static const QRegularExpression kShape(
        QStringLiteral("^\\s*\\[?([A-Za-z_][A-Za-z0-9_]*)\\]?\\s*(<=|>=|<>|=|<|>|\\bLIKE\\b)\\s*(.+?)\\s*$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = kShape.match(criteria);
    if (!match.hasMatch()) refuse(criteria);
    const auto operand = parseOperand(match.captured(3));
    if (!operand) refuse(criteria);
    m_field = match.captured(1);
    m_operand = *operand;

    const QString op = match.captured(2).toUpper();
    static const QHash<QString, Op> kOps{
        {"=", Op::Equal},        {"<>", Op::NotEqual},       {"<", Op::Less},   {">", Op::Greater},
        {"<=", Op::LessOrEqual}, {">=", Op::GreaterOrEqual}, {"LIKE", Op::Like}};
    m_op = kOps.value(op);
    if (m_op == Op::Like) {
        if (m_operand.typeId() != QMetaType::QString) refuse(criteria);
        QString pattern = QRegularExpression::escape(m_operand.toString());
        pattern.replace(QStringLiteral("\\*"), QStringLiteral(".*"))
            .replace(QStringLiteral("\\%"), QStringLiteral(".*"));
        m_pattern = QRegularExpression(
            QRegularExpression::anchoredPattern(pattern),
            QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    }
}

bool FindCriteria::holds(int comparison) const {
    switch (m_op) {
        case Op::Equal:
            return comparison == 0;
        case Op::NotEqual:
            return comparison != 0;
        case Op::Less:
            return comparison < 0;
        case Op::Greater:
            return comparison > 0;
        case Op::LessOrEqual:
            return comparison <= 0;
        case Op::GreaterOrEqual:
            return comparison >= 0;
        case Op::Like:
            break;
    }
    return false;
}

bool FindCriteria::matches(const QVariant& value) const {
    if (value.isNull() || !value.isValid()) return false;
    if (m_op == Op::Like) return m_pattern.match(value.toString()).hasMatch();
    switch (m_operand.typeId()) {
        case QMetaType::Double: {
            bool ok = false;
            const double number = value.toDouble(&ok);
            return ok && holds(threeWay(number, m_operand.toDouble()));
        }
        case QMetaType::Bool:
            return holds(threeWay(value.toBool(), m_operand.toBool()));
        case QMetaType::QDate: {
            const QDate date = toDate(value);
            return date.isValid() && holds(threeWay(date, m_operand.toDate()));
        }
        default:
            break;
    }
    if (value.typeId() == QMetaType::QDate) {
        const QDate date = toDate(m_operand);
        return date.isValid() && holds(threeWay(value.toDate(), date));
    }
    return holds(QString::compare(value.toString(), m_operand.toString(), Qt::CaseInsensitive));
}

}  // namespace tolmo::detail
