#pragma once
// The plain letters of a name, as tax codes and e-mail addresses spell it.

#include <QString>

namespace tolmo::bench {

/// The letters of `text` in upper case, accents dropped and apostrophes, spaces and the like
/// left out: "D'Angelo" gives "DANGELO", "Niccolò" gives "NICCOLO".
inline QString asciiLetters(const QString& text) {
    QString out;
    for (const QChar c : text.normalized(QString::NormalizationForm_D))
        if (c.isLetter() && c.unicode() < 128) out += c.toUpper();
    return out;
}

}  // namespace tolmo::bench
