#pragma once
// Typed text going into SQL: quoting, the type-ahead pattern and the reserved-visibility
// condition. Header-only.

#include <QString>
#include <QStringList>

namespace tolmo {

/// The text as an SQL string literal: wrapped in apostrophes, inner apostrophes doubled.
inline QString ApiciSQL(const QString& text) {
    QString quoted;
    quoted.reserve(text.size() + 2);
    quoted += QLatin1Char('\'');
    for (const QChar c : text) {
        if (c == QLatin1Char('\'')) quoted += QLatin1Char('\'');
        quoted += c;
    }
    quoted += QLatin1Char('\'');
    return quoted;
}

/// The escape character of every LIKE pattern we build. SQLite has no default escape and
/// PostgreSQL uses the backslash: naming it makes a typed "\", "%" or "_" match itself on both.
inline const QString kLikeEscape = QStringLiteral(" ESCAPE '\\'");

/// `text` as the literal part of a LIKE pattern (not quoted): wildcards and the escape character
/// escaped, a NUL (which no text column can hold) left out. The statement names kLikeEscape.
inline QString likeLiteral(const QString& text) {
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (c.isNull()) continue;
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return escaped;
}

/// `text` followed by "%" as a quoted LIKE pattern with its ESCAPE clause: "'D''A%' ESCAPE '\'".
/// Wildcards and the escape character typed in `text` are escaped (likeLiteral).
inline QString likePattern(const QString& text) {
    return ApiciSQL(likeLiteral(text) + QLatin1Char('%')) + kLikeEscape;
}

/// The pattern a type-ahead search uses: the trimmed text followed by "%", quoted, with the
/// ESCAPE clause of likePattern. It stands right after "LIKE ".
inline QString searchPattern(const QString& typed) { return likePattern(typed.trimmed()); }

/// The user who sees every party and every case.
inline constexpr int kUtenteSenzaFiltro = 2;

/// The groups of `groups` that restrict visibility: all but "TUTTI" (any letter case), quoted.
inline QStringList gruppiRiservati(const QStringList& groups) {
    QStringList quoted;
    for (const QString& g : groups)
        if (g.toUpper() != QStringLiteral("TUTTI")) quoted.append(ApiciSQL(g));
    return quoted;
}

/// The reserved-visibility condition on Anagrafica for a user and the groups it belongs to
/// (empty for the user who sees everything).
inline QString FiltroRiservate(int userId, const QStringList& groups) {
    if (userId == kUtenteSenzaFiltro) return {};
    const QStringList quoted = gruppiRiservati(groups);
    const QString id = QString::number(userId);
    if (quoted.isEmpty())
        return QStringLiteral(" AND ((IdRiservata IN (0,") + id +
               QStringLiteral(") AND (fkGruppo IS NULL))) ");
    return QStringLiteral(" AND (IdRiservata IN (0,") + id + QStringLiteral(") OR (fkGruppo IN (") +
           quoted.join(QLatin1Char(',')) + QStringLiteral(")))");
}

}  // namespace tolmo
