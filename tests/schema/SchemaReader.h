#pragma once
// What a real database says about its tables, in the terms of the table definition.

#include <QMap>
#include <optional>

#include "schema/Schema.h"

namespace tolmo::test {

struct ActualColumn {
    QString name;
    QString declared;                        ///< the engine's own spelling of the type
    std::optional<schema::ColumnType> type;  ///< empty when the type is none of ours
    int length = 0;
    bool notNull = false;
};

/// Every table of the database by lower-case name, with its columns in order.
QMap<QString, QList<ActualColumn>> introspect(Connection& c);

/// "VARCHAR(50)", "Id", ...: a readable name of a logical type.
QString describe(std::optional<schema::ColumnType> type, int length);

}  // namespace tolmo::test
