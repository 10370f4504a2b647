#include "BatchInsert.h"

#include <QSqlError>
#include <algorithm>

#include "schema/Schema.h"

namespace tolmo::schema::demo {

namespace {

/// Both engines accept far more, but larger statements stop paying off well before that.
constexpr int kMaxValuesPerStatement = 256;
constexpr int kMaxRowsPerStatement = 400;

[[noreturn]] void fail(const QSqlQuery& query, const QString& what) {
    throw DbError(query.lastError().text(), what, -1);
}

}  // namespace

BatchInsert::BatchInsert(Connection& conn, const QString& table, const QStringList& columns)
    : m_conn(conn),
      m_table(table),
      m_keyed(colonneConChiavi(table, columns)),
      m_columns(m_keyed.columns()),
      m_batchRows(
          std::clamp(kMaxValuesPerStatement / static_cast<int>(m_columns.size()), 1, kMaxRowsPerStatement)),
      m_full(conn.database()) {
    if (!m_full.prepare(statement(m_batchRows))) fail(m_full, QStringLiteral("prepare INSERT INTO ") + table);
    m_pending.reserve(m_batchRows * m_columns.size());
}

QString BatchInsert::statement(int rows) const {
    QString one = QStringLiteral("(?");
    for (qsizetype i = 1; i < m_columns.size(); ++i) one += QStringLiteral(",?");
    one += QLatin1Char(')');
    QStringList all(rows, one);
    return QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
        .arg(m_table, m_columns.join(QLatin1Char(',')), all.join(QLatin1Char(',')));
}

void BatchInsert::add(const QVariantList& row) {
    m_pending += m_keyed.values(row);
    if (m_pending.size() == m_batchRows * m_columns.size()) execute(m_full, m_batchRows);
}

void BatchInsert::flush() {
    const int rows = static_cast<int>(m_pending.size() / m_columns.size());
    if (rows == 0) return;
    QSqlQuery rest(m_conn.database());
    if (!rest.prepare(statement(rows))) fail(rest, QStringLiteral("prepare INSERT INTO ") + m_table);
    execute(rest, rows);
}

void BatchInsert::execute(QSqlQuery& query, int rows) {
    for (qsizetype i = 0; i < m_pending.size(); ++i) query.bindValue(static_cast<int>(i), m_pending[i]);
    if (!query.exec()) fail(query, QStringLiteral("INSERT INTO ") + m_table);
    m_written += rows;
    m_pending.clear();
}

}  // namespace tolmo::schema::demo
