#pragma once
// Search keys: a text as the look-ups compare it, held in a column beside the text itself so
// that "ros" finds "Rossi" and "àlvaro" finds "Àlvaro" alike on every engine, through an index.

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>

namespace tolmo {

/// The most characters a key holds: typed text past it narrows nothing further, and the index
/// that carries the key stays small whatever a name holds.
inline constexpr int kLunghezzaChiave = 100;

/// The column that holds the key of `column`: "CognomeRicerca" for "Cognome". Whoever writes
/// `column` through the access layer writes its key too.
QString colonnaChiave(const QString& column);

/// `text` as the look-ups compare it: composed (NFC), case-folded the Unicode way, cut to
/// kLunghezzaChiave characters (never half a pair). Never null: an absent text has key "".
QString chiaveRicerca(const QString& text);

/// The type-ahead pattern on a key column: the key of the trimmed typed text followed by "%",
/// quoted, with its ESCAPE clause. It stands right after "LIKE ".
QString keyPattern(const QString& typed);

/// The columns of an INSERT with the key columns its table holds for them appended, and each
/// row's values with the keys computed.
class KeyedColumns {
public:
    /// `has` tells whether the table holds a column of that name.
    KeyedColumns(const QStringList& columns, const std::function<bool(const QString&)>& has);
    const QStringList& columns() const { return m_columns; }
    /// `values` (one per column given to the constructor) followed by the keys.
    QVariantList values(const QVariantList& values) const;

private:
    QStringList m_columns;
    QList<int> m_sources;  ///< for each key appended, the position of the column it keys
};

}  // namespace tolmo
