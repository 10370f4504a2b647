#include "PagedQuery.h"

#include <QSqlQuery>

#include "DbError.h"

namespace tolmo {

QString PagedQuery::sql(int rows, bool after) const {
    QStringList conditions;
    if (!where.isEmpty()) conditions << QLatin1Char('(') + where + QLatin1Char(')');
    if (after) {
        const QStringList marks(order.size(), QStringLiteral("?"));
        conditions
            << QStringLiteral("((%1) > (%2))").arg(order.join(QStringLiteral(", ")), marks.join(u", "));
    }
    QString text = QStringLiteral("SELECT ") + (shown + order).join(QStringLiteral(", ")) +
                   QStringLiteral(" FROM ") + from;
    if (!conditions.isEmpty()) text += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    return text + QStringLiteral(" ORDER BY ") + order.join(QStringLiteral(", ")) +
           QStringLiteral(" LIMIT ") + QString::number(rows);
}

PagedReader::PagedReader(ConnectionPtr conn, PagedQuery query)
    : m_conn(std::move(conn)), m_query(std::move(query)) {}

QList<QStringList> PagedReader::next(int rows) {
    QList<QStringList> page;
    if (m_atEnd || rows <= 0) return page;
    if (!m_conn)
        throw DbError(QStringLiteral("Nessuna connessione al database."), QStringLiteral("PagedReader"), -1);
    const int shown = static_cast<int>(m_query.shown.size());
    const int sorted = static_cast<int>(m_query.order.size());
    m_conn->withQuery(m_query.sql(rows, !m_last.isEmpty()), m_last, [&](QSqlQuery& q) {
        QVariantList last;
        while (q.next()) {
            QStringList row;
            row.reserve(shown);
            for (int c = 0; c < shown; ++c) row.append(q.value(c).toString());
            page.append(row);
            if (page.size() == rows) {
                last.clear();
                for (int c = 0; c < sorted; ++c) last.append(q.value(shown + c));
            }
        }
        if (!last.isEmpty()) m_last = last;
    });
    m_atEnd = page.size() < rows;
    return page;
}

}  // namespace tolmo
