#include "detail/StatementCache.h"

#include <algorithm>

namespace tolmo::detail {

namespace {

auto findEntry(std::vector<std::pair<QString, QSqlQuery>>& entries, const QString& sql) {
    return std::find_if(entries.begin(), entries.end(),
                        [&sql](const auto& entry) { return entry.first == sql; });
}

}  // namespace

std::optional<QSqlQuery> StatementCache::take(const QString& sql) {
    const auto found = findEntry(m_entries, sql);
    if (found == m_entries.end()) return std::nullopt;
    std::optional<QSqlQuery> query(std::move(found->second));
    m_entries.erase(found);
    return query;
}

void StatementCache::keep(const QString& sql, QSqlQuery query) {
    if (findEntry(m_entries, sql) != m_entries.end()) return;
    if (m_entries.size() >= kCapacity) m_entries.erase(m_entries.begin());
    m_entries.emplace_back(sql, std::move(query));
}

}  // namespace tolmo::detail
