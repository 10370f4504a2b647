#pragma once
// The component's persisted properties: a bag of keys in which a value equal to its
// default is not stored.

#include <QString>
#include <QVariantMap>

namespace tolmo::core {

class PropertyBag {
public:
    PropertyBag() = default;
    explicit PropertyBag(QVariantMap values) : m_values(std::move(values)) {}

    QVariant read(const QString& key, const QVariant& fallback) const {
        return m_values.value(key, fallback);
    }
    /// Stores `value`, or removes the key when the value equals its default.
    void write(const QString& key, const QVariant& value, const QVariant& fallback);
    const QVariantMap& values() const { return m_values; }

private:
    QVariantMap m_values;
};

}  // namespace tolmo::core
