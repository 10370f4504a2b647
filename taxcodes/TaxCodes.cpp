#include "TaxCodes.h"

#include <algorithm>
#include <string_view>

namespace tolmo::taxcodes {

namespace {

// Where a codice fiscale holds letters and where digits (0-based): surname, name, year, month,
// day, birthplace, check character.
constexpr int kPosizioniLettere[] = {0, 1, 2, 3, 4, 5, 8, 11, 15};
constexpr int kPosizioniCifre[] = {6, 7, 9, 10, 12, 13, 14};

/// The letters standing for 0-9 in the digit positions of a code shared by two people.
constexpr std::string_view kOmocodia = "LMNPQRSTUV";
constexpr std::string_view kMesi = "ABCDEHLMPRST";

bool lettera(QChar c) { return c.unicode() >= u'A' && c.unicode() <= u'Z'; }
bool cifra(QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }

/// The position of an upper-case letter in `lettere`, or -1.
int posizione(std::string_view lettere, QChar c) {
    if (!lettera(c)) return -1;
    const auto at = lettere.find(char(c.unicode()));
    return at == std::string_view::npos ? -1 : int(at);
}

/// The value of a digit position, written as a digit or as its omocodia letter; -1 otherwise.
int valoreCifra(QChar c) { return cifra(c) ? c.unicode() - u'0' : posizione(kOmocodia, c); }

EsitoCodiceFiscale rifiutato(const QString& motivo) {
    EsitoCodiceFiscale esito;
    esito.motivo = motivo;
    return esito;
}

}  // namespace

QChar carattereControllo(const QString& primi15) {
    // Values of a character in an odd position (1st, 3rd, ...): digits 0-9 as letters A-J.
    static const int odd[26] = {1,  0,  5, 7, 9, 13, 15, 17, 19, 21, 2,  4,  18,
                                20, 11, 3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23};
    if (primi15.size() != 15) return {};
    int sum = 0;
    for (int i = 0; i < 15; ++i) {
        const QChar ch = primi15[i];
        if (!lettera(ch) && !cifra(ch)) return {};
        const int v = cifra(ch) ? ch.unicode() - u'0' : ch.unicode() - u'A';
        sum += (i % 2 == 0) ? odd[v] : v;
    }
    return QChar(u'A' + sum % 26);
}

QChar cifraControlloPartitaIva(const QString& prime10) {
    if (prime10.size() != 10 || !std::all_of(prime10.begin(), prime10.end(), cifra)) return {};
    int sum = 0;
    for (int i = 0; i < 10; ++i) {
        int d = prime10[i].unicode() - u'0';
        if (i % 2 == 1) {
            d *= 2;
            if (d > 9) d -= 9;
        }
        sum += d;
    }
    return QChar(u'0' + (10 - sum % 10) % 10);
}

EsitoCodiceFiscale verificaCodiceFiscale(const QString& codice,
                                         const std::function<bool(const QString&)>& luogoNoto, QDate oggi) {
    const QString c = codice.trimmed().toUpper();
    if (c.size() != 16) return rifiutato(QStringLiteral("Il codice fiscale deve avere 16 caratteri."));
    for (int i : kPosizioniLettere)
        if (!lettera(c[i]))
            return rifiutato(
                QStringLiteral("Il carattere %1 del codice fiscale deve essere una lettera.").arg(i + 1));
    for (int i : kPosizioniCifre)
        if (valoreCifra(c[i]) < 0)
            return rifiutato(
                QStringLiteral("Il carattere %1 del codice fiscale deve essere una cifra.").arg(i + 1));

    const auto numero = [&c](int from, int count) {
        int n = 0;
        for (int i = from; i < from + count; ++i) n = n * 10 + valoreCifra(c[i]);
        return n;
    };
    const int mese = posizione(kMesi, c[8]) + 1;
    if (mese == 0) return rifiutato(QStringLiteral("Il mese di nascita del codice fiscale non esiste."));
    const bool femmina = numero(9, 2) > 40;
    const int giorno = numero(9, 2) - (femmina ? 40 : 0);
    if (giorno < 1 || giorno > 31)
        return rifiutato(QStringLiteral("Il giorno di nascita del codice fiscale non è valido."));
    const int anno = numero(6, 2);
    QDate nascita(2000 + anno, mese, giorno);
    if (!nascita.isValid() || nascita > oggi) nascita = QDate(1900 + anno, mese, giorno);
    if (!nascita.isValid())
        return rifiutato(QStringLiteral("La data di nascita del codice fiscale non esiste."));

    QString luogo(c[11]);
    for (int i = 12; i < 15; ++i) luogo += QChar(u'0' + valoreCifra(c[i]));
    if (luogo[0] != u'Z' && luogoNoto && !luogoNoto(luogo))
        return rifiutato(QStringLiteral("Il comune di nascita del codice fiscale non è noto."));

    if (carattereControllo(c.left(15)) != c[15])
        return rifiutato(QStringLiteral("Il carattere di controllo del codice fiscale non corrisponde."));

    EsitoCodiceFiscale esito;
    esito.valido = true;
    esito.nascita = nascita;
    esito.femmina = femmina;
    esito.codiceCatastale = luogo;
    return esito;
}

EsitoPartitaIva verificaPartitaIva(const QString& numero) {
    const QString n = numero.trimmed();
    if (n.size() != 11 || !std::all_of(n.begin(), n.end(), cifra))
        return {false, QStringLiteral("La partita IVA deve avere 11 cifre.")};
    if (n == QString(11, u'0'))
        return {false, QStringLiteral("La partita IVA non può essere composta di soli zeri.")};
    if (cifraControlloPartitaIva(n.left(10)) != n[10])
        return {false, QStringLiteral("La cifra di controllo della partita IVA non corrisponde.")};
    return {true, QString()};
}

QString omocodia(const QString& codice, int sostituzioni) {
    if (codice.size() != 16 || carattereControllo(codice.left(15)).isNull()) return codice;
    QString forma = codice.left(15);
    const int n = std::clamp(sostituzioni, 0, 7);
    for (int k = 0; k < n; ++k) {
        const int i = kPosizioniCifre[6 - k];
        if (cifra(forma[i])) forma[i] = QLatin1Char(kOmocodia[forma[i].unicode() - u'0']);
    }
    return forma + carattereControllo(forma);
}

}  // namespace tolmo::taxcodes
