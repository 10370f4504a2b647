#include "TaxCodes.h"

#include "taxcodes/TaxCodes.h"

namespace tolmo::schema::demo {

namespace {

/// Upper-case letters of a name without accents, apostrophes and blanks: "Niccolò" -> "NICCOLO".
QString letters(const QString& name) {
    QString out;
    for (QChar ch : name.normalized(QString::NormalizationForm_D))
        if (ch.isLetter() && ch.unicode() < 128) out += ch.toUpper();
    return out;
}

bool isVowel(QChar c) { return QStringLiteral("AEIOU").contains(c); }

QString consonants(const QString& s) {
    QString out;
    for (QChar c : s)
        if (!isVowel(c)) out += c;
    return out;
}

QString vowels(const QString& s) {
    QString out;
    for (QChar c : s)
        if (isVowel(c)) out += c;
    return out;
}

/// Three characters: consonants first, then vowels, padded with X.
QString threeOf(const QString& letters) {
    return (consonants(letters) + vowels(letters) + QStringLiteral("XXX")).left(3);
}

QString surnameCode(const QString& cognome) { return threeOf(letters(cognome)); }

/// A first name with four consonants or more gives its first, third and fourth.
QString nameCode(const QString& nome) {
    const QString l = letters(nome);
    const QString c = consonants(l);
    if (c.size() >= 4) return QString(c[0]) + c[2] + c[3];
    return threeOf(l);
}

}  // namespace

QString codiceFiscale(const QString& cognome, const QString& nome, QDate nascita, bool femmina,
                      const QString& codiceCatastale) {
    static const char months[] = "ABCDEHLMPRST";
    const QString code =
        surnameCode(cognome) + nameCode(nome) +
        QStringLiteral("%1").arg(nascita.year() % 100, 2, 10, QLatin1Char('0')) +
        QChar(months[nascita.month() - 1]) +
        QStringLiteral("%1").arg(nascita.day() + (femmina ? 40 : 0), 2, 10, QLatin1Char('0')) +
        codiceCatastale.toUpper();
    return code + taxcodes::carattereControllo(code);
}

QString partitaIva(int serial, const QString& codiceProvincia) {
    const QString first10 = QStringLiteral("%1").arg(serial, 7, 10, QLatin1Char('0')) + codiceProvincia;
    return first10 + taxcodes::cifraControlloPartitaIva(first10);
}

}  // namespace tolmo::schema::demo
