#include "PropertyBag.h"

namespace tolmo::core {

void PropertyBag::write(const QString& key, const QVariant& value, const QVariant& fallback) {
    if (value.toString() == fallback.toString())
        m_values.remove(key);
    else
        m_values.insert(key, value);
}

}  // namespace tolmo::core
