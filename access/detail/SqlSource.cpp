#include "detail/SqlSource.h"

#include <QRegularExpression>

#include "DbError.h"
#include "detail/SqlWords.h"

namespace tolmo::detail {

using namespace Qt::StringLiterals;

namespace {

constexpr auto kOptions =
    QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption;

}  // namespace

SqlSource::SqlSource(const QString& source) {
    QString text = source.trimmed();
    while (text.endsWith(u';')) text = text.chopped(1).trimmed();

    if (isPlainIdentifier(text)) {
        m_isTable = true;
        m_baseTable = text;
        m_selectList = QStringLiteral("*");
        m_fromClause = text;
        m_select = QStringLiteral("SELECT * FROM ") + text;
        return;
    }
    const SqlWords words(text);
    if (!words.startsWithAny({"SELECT"_L1, "WITH"_L1}))
        throw DbError(
            QStringLiteral("Origine del record set non valida: «%1». Indicare una tabella o una SELECT.")
                .arg(source),
            QStringLiteral("Recordset: open"), -1);
    m_select = text;
    m_hasOrderBy = words.hasPair("ORDER"_L1, "BY"_L1);
    m_hasLimit = words.hasAny({"LIMIT"_L1, "OFFSET"_L1, "FETCH"_L1});
    if (words.hasPair("GROUP"_L1, "BY"_L1) ||
        words.hasAny({"JOIN"_L1, "HAVING"_L1, "UNION"_L1, "INTERSECT"_L1, "EXCEPT"_L1, "DISTINCT"_L1,
                      "WINDOW"_L1, "WITH"_L1}))
        return;
    static const QRegularExpression kSingleTable(
        QStringLiteral("^\\s*SELECT\\s+(.*?)\\s+FROM\\s+([A-Za-z_][A-Za-z0-9_]*)"
                       "(\\s+(?:AS\\s+)?(?!(?:WHERE|ORDER|LIMIT)\\b)[A-Za-z_][A-Za-z0-9_]*)?"
                       "\\s*(?:(?:WHERE|ORDER\\s+BY|LIMIT)\\b.*)?$"),
        kOptions);
    const QRegularExpressionMatch match = kSingleTable.match(words.topLevel());
    if (!match.hasMatch()) return;
    // An aggregate folds the rows into one that belongs to no row of the table.
    static const QRegularExpression kAggregate(
        QStringLiteral(
            "\\b(COUNT|SUM|AVG|MIN|MAX|TOTAL|GROUP_CONCAT|STRING_AGG|ARRAY_AGG|BOOL_AND|BOOL_OR|EVERY)"
            "\\s*\\("),
        kOptions);
    if (kAggregate.match(match.captured(1)).hasMatch()) return;
    m_baseTable = match.captured(2);
    m_selectList = text.mid(match.capturedStart(1), match.capturedLength(1));
    const qsizetype fromEnd = match.hasCaptured(3) ? match.capturedEnd(3) : match.capturedEnd(2);
    m_fromClause = text.mid(match.capturedStart(2), fromEnd - match.capturedStart(2));
}

QString SqlSource::orderedSql(const QStringList& keyColumns) const {
    if (m_hasLimit || m_baseTable.isEmpty() || keyColumns.isEmpty()) return m_select;
    QStringList keys;
    for (const QString& key : keyColumns) keys.append(quoteIdentifier(key));
    return m_select + (m_hasOrderBy ? QStringLiteral(", ") : QStringLiteral(" ORDER BY ")) + keys.join(u", ");
}

QString SqlSource::windowSql(const QStringList& keyColumns) const {
    if (m_hasLimit) return QStringLiteral("SELECT * FROM (%1) AS t LIMIT ? OFFSET ?").arg(m_select);
    return orderedSql(keyColumns) + QStringLiteral(" LIMIT ? OFFSET ?");
}

QString SqlSource::keysSql(const QStringList& keyColumns, const QString& resultColumn) const {
    return QStringLiteral("SELECT t.%1 FROM (%2) AS t")
        .arg(quoteIdentifier(resultColumn), orderedSql(keyColumns));
}

QString SqlSource::countSql() const { return QStringLiteral("SELECT COUNT(*) FROM (%1) AS t").arg(m_select); }

QString SqlSource::rowSql(const QStringList& keyColumns) const {
    return QStringLiteral("SELECT %1 FROM %2 WHERE %3")
        .arg(m_selectList, m_fromClause, keyCondition(keyColumns));
}

QString SqlSource::rowsByKeySql(const QString& keyColumn, int count) const {
    QStringList marks;
    for (int i = 0; i < count; ++i) marks.append(QStringLiteral("?"));
    return QStringLiteral("SELECT %1 FROM %2 WHERE %3 IN (%4)")
        .arg(m_selectList, m_fromClause, quoteIdentifier(keyColumn), marks.join(u", "));
}

QString quoteIdentifier(const QString& name) {
    QString quoted = name;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString keyCondition(const QStringList& keyColumns) {
    QStringList parts;
    for (const QString& key : keyColumns) parts.append(quoteIdentifier(key) + QStringLiteral(" = ?"));
    return parts.join(QStringLiteral(" AND "));
}

}  // namespace tolmo::detail
