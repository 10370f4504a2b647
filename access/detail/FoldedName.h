#pragma once
// A name as a hash key that matches in any case, looked up without building a lower-case copy.

#include <QHash>
#include <QString>

namespace tolmo::detail {

/// Equal when the names compare equal case-insensitively (Qt's case folding).
struct FoldedName {
    QString name;
};

bool operator==(const FoldedName& a, const FoldedName& b);
size_t qHash(const FoldedName& key, size_t seed = 0);

/// Positions of names, found in any case.
using NameIndex = QHash<FoldedName, int>;

}  // namespace tolmo::detail
