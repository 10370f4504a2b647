#pragma once
// The top-level words of a statement: its own keywords, not those in literals, quoted names or
// parentheses.

#include <QLatin1StringView>
#include <QList>
#include <QString>
#include <QStringView>
#include <initializer_list>

namespace tolmo::detail {

/// True when `text` is a plain identifier: a letter or '_', then letters, digits or '_' (ASCII).
bool isPlainIdentifier(QStringView text);

class SqlWords {
public:
    explicit SqlWords(const QString& sql);

    /// The statement with literals, quoted names and parenthesised text blanked out (same length).
    const QString& topLevel() const { return m_topLevel; }
    /// True when the statement opens (after blanks) with one of `words`, in any case.
    bool startsWithAny(std::initializer_list<QLatin1StringView> words) const;
    /// True when one of `words` is a top-level word, in any case.
    bool hasAny(std::initializer_list<QLatin1StringView> words) const;
    /// True when `first` is followed by `second`, with nothing but blanks between them.
    bool hasPair(QLatin1StringView first, QLatin1StringView second) const;

private:
    bool isOneOf(qsizetype word, std::initializer_list<QLatin1StringView> words) const;

    QString m_topLevel;
    QList<QStringView> m_words;
};

}  // namespace tolmo::detail
