#pragma once
// What a connection keeps between statements: table layouts and prepared statements.

#include <QHash>
#include <memory>

#include "Connection.h"
#include "TableLayout.h"
#include "detail/FoldedName.h"
#include "detail/StatementCache.h"

namespace tolmo {

struct Connection::Cache {
    /// Keyed by table name in any case. Record sets may keep a layout past a schema change.
    QHash<detail::FoldedName, std::shared_ptr<const TableLayout>> tables;
    detail::StatementCache statements;
};

}  // namespace tolmo
