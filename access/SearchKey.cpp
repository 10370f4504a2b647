#include "SearchKey.h"

#include "SqlText.h"

namespace tolmo {

QString colonnaChiave(const QString& column) { return column + QStringLiteral("Ricerca"); }

QString chiaveRicerca(const QString& text) {
    QString key = text.normalized(QString::NormalizationForm_C).toCaseFolded();
    if (key.size() > kLunghezzaChiave) {
        qsizetype cut = 0;
        for (int kept = 0; kept < kLunghezzaChiave && cut < key.size(); ++kept)
            cut += key.at(cut).isHighSurrogate() && cut + 1 < key.size() ? 2 : 1;
        key.truncate(cut);
    }
    return key.isNull() ? QStringLiteral("") : key;
}

QString keyPattern(const QString& typed) { return searchPattern(chiaveRicerca(typed)); }

KeyedColumns::KeyedColumns(const QStringList& columns, const std::function<bool(const QString&)>& has)
    : m_columns(columns) {
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const QString key = colonnaChiave(columns.at(i));
        if (!has(key) || columns.contains(key, Qt::CaseInsensitive)) continue;
        m_columns.append(key);
        m_sources.append(static_cast<int>(i));
    }
}

QVariantList KeyedColumns::values(const QVariantList& values) const {
    QVariantList all = values;
    for (int source : m_sources) all.append(chiaveRicerca(values.value(source).toString()));
    return all;
}

}  // namespace tolmo
