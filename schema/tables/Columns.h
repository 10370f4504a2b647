#pragma once
// Small builders that keep the table definitions one line per column.

#include "access/RowVersion.h"
#include "access/SearchKey.h"
#include "schema/Schema.h"

namespace tolmo::schema::def {

/// A column under construction: `integer("NumPos").required().initially(0)`.
struct Column : ColumnInfo {
    Column(const QString& name, ColumnType type, int length = 0) {
        this->name = name;
        this->type = type;
        this->length = length;
        notNull = type == ColumnType::Id;
    }
    Column required() const {
        Column c = *this;
        c.notNull = true;
        return c;
    }
    Column initially(const QVariant& value) const {
        Column c = *this;
        c.defaultValue = value;
        return c;
    }
    Column bytewise() const {
        Column c = *this;
        c.ColumnInfo::bytewise = true;
        return c;
    }
};

inline Column id(const QString& n) { return {n, ColumnType::Id}; }
inline Column integer(const QString& n) { return {n, ColumnType::Int}; }
inline Column smallint(const QString& n) { return {n, ColumnType::SmallInt}; }
inline Column boolean(const QString& n) { return Column(n, ColumnType::Bool).initially(false); }
inline Column amount(const QString& n) { return {n, ColumnType::Amount}; }
inline Column real(const QString& n) { return {n, ColumnType::Real}; }
inline Column date(const QString& n) { return {n, ColumnType::Date}; }
inline Column timestamp(const QString& n) { return {n, ColumnType::DateTime}; }
inline Column text(const QString& n, int length) { return {n, ColumnType::Text, length}; }
inline Column memo(const QString& n) { return {n, ColumnType::Memo}; }

/// An integer reference to another row that reads 0 when none is set.
inline Column ref(const QString& n) { return integer(n).required().initially(0); }
/// A text that reads "" rather than NULL when nothing was written.
inline Column blank(const QString& n, int length) { return text(n, length).initially(QStringLiteral("")); }

/// The row version the access layer checks and moves on at each write (access/RowVersion.h).
inline Column rowVersion() { return integer(kVersioneRiga).required().initially(0); }

/// The search key of the text column `source`, which the access layer writes with it.
inline Column searchKey(const QString& source) {
    Column c = blank(colonnaChiave(source), kLunghezzaChiave).required();
    c.ColumnInfo::searchKey = true;
    return c;
}

/// `prefix` + n for n in [first, last], each made by `make`: Campo1 … Campo20.
template <typename Make>
QList<ColumnInfo> numbered(const QString& prefix, int first, int last, Make make) {
    QList<ColumnInfo> cols;
    for (int n = first; n <= last; ++n) cols << make(prefix + QString::number(n));
    return cols;
}

inline IndexInfo indexOn(const QStringList& columns, const QStringList& carried = {}) {
    return {columns, false, carried};
}
inline IndexInfo uniqueOn(const QStringList& columns) { return {columns, true}; }

}  // namespace tolmo::schema::def
