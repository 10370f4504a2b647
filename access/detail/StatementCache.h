#pragma once
// Prepared statements kept between runs of the same text, the most recently used first to stay.

#include <QSqlQuery>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

namespace tolmo::detail {

class StatementCache {
public:
    /// The statement kept for `sql`, taken out of the cache (so a nested run prepares its own).
    std::optional<QSqlQuery> take(const QString& sql);
    /// Keeps `query` (already reset) for `sql`; the one kept longest unused goes when full.
    void keep(const QString& sql, QSqlQuery query);
    void clear() { m_entries.clear(); }

private:
    static constexpr std::size_t kCapacity = 32;
    std::vector<std::pair<QString, QSqlQuery>> m_entries;  ///< least recently kept first
};

}  // namespace tolmo::detail
