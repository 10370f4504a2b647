#pragma once
// The per-connection cache of table layouts.

#include <map>

#include "Connection.h"

namespace tolmo {

struct Connection::Cache {
    /// Keyed by the lower-case table name; a node map, so references handed out stay valid.
    std::map<QString, QList<Connection::ColumnInfo>> tables;
};

}  // namespace tolmo
