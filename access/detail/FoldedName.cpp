#include "detail/FoldedName.h"

namespace tolmo::detail {

bool operator==(const FoldedName& a, const FoldedName& b) {
    return a.name.compare(b.name, Qt::CaseInsensitive) == 0;
}

size_t qHash(const FoldedName& key, size_t seed) {
    // Qt compares folded UTF-16 units, a surrogate pair folding to a pair: names that compare
    // equal have equal folded units outside the pairs, at the same places, so those alone count.
    constexpr char16_t kAnySurrogate = 0xD800;
    constexpr size_t kPrime = sizeof(size_t) == 8 ? size_t(1099511628211ULL) : size_t(16777619U);
    size_t hash = seed ^ static_cast<size_t>(key.name.size());
    for (const QChar c : key.name) {
        char16_t unit = c.unicode();
        if (unit < 0x80) {
            if (unit >= u'A' && unit <= u'Z') unit = static_cast<char16_t>(unit - u'A' + u'a');
        } else {
            unit = c.isSurrogate() ? kAnySurrogate : c.toCaseFolded().unicode();
        }
        hash = (hash ^ unit) * kPrime;
    }
    return hash;
}

}  // namespace tolmo::detail
