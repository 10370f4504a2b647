#include "detail/SqlWords.h"

#include <algorithm>

namespace tolmo::detail {

namespace {

/// A character of a word as a regular expression's \w sees it.
bool isWordChar(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') || u == u'_';
}

QString topLevelOnly(const QString& sql) {
    QString out = sql;
    QChar quote;
    int depth = 0;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        if (!quote.isNull()) {
            if (c == quote) quote = QChar();
            out[i] = u' ';
        } else if (c == u'\'' || c == u'"') {
            quote = c;
            out[i] = u' ';
        } else if (c == u'(') {
            ++depth;
        } else if (c == u')') {
            --depth;
        } else if (depth > 0) {
            out[i] = u' ';
        }
    }
    return out;
}

/// Only blanks, as a regular expression's \s sees them.
bool isBlank(QStringView text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); });
}

}  // namespace

bool isPlainIdentifier(QStringView text) {
    return !text.isEmpty() && !text.front().isDigit() && std::all_of(text.begin(), text.end(), isWordChar);
}

SqlWords::SqlWords(const QString& sql) : m_topLevel(topLevelOnly(sql)) {
    const QStringView top(m_topLevel);
    for (qsizetype i = 0; i < top.size();) {
        if (!isWordChar(top[i])) {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < top.size() && isWordChar(top[end])) ++end;
        m_words.append(top.sliced(i, end - i));
        i = end;
    }
}

bool SqlWords::isOneOf(qsizetype word, std::initializer_list<QLatin1StringView> words) const {
    const QStringView text = m_words.at(word);
    return std::any_of(words.begin(), words.end(),
                       [text](QLatin1StringView w) { return text.compare(w, Qt::CaseInsensitive) == 0; });
}

bool SqlWords::startsWithAny(std::initializer_list<QLatin1StringView> words) const {
    if (m_words.isEmpty() || !isOneOf(0, words)) return false;
    return isBlank(QStringView(m_topLevel).first(m_words.first().data() - m_topLevel.constData()));
}

bool SqlWords::hasAny(std::initializer_list<QLatin1StringView> words) const {
    for (qsizetype i = 0; i < m_words.size(); ++i)
        if (isOneOf(i, words)) return true;
    return false;
}

bool SqlWords::hasPair(QLatin1StringView first, QLatin1StringView second) const {
    for (qsizetype i = 0; i + 1 < m_words.size(); ++i) {
        if (!isOneOf(i, {first}) || !isOneOf(i + 1, {second})) continue;
        const QChar* gapStart = m_words.at(i).data() + m_words.at(i).size();
        if (isBlank(QStringView(gapStart, m_words.at(i + 1).data()))) return true;
    }
    return false;
}

}  // namespace tolmo::detail
