// Validation of the codice fiscale and of the partita IVA: well-known codes pass and decode, and
// every single-character mistake, impossible date or unknown birthplace is refused with its reason.

#include <gtest/gtest.h>

#include <QSet>
#include <QStringList>

#include "taxcodes/TaxCodes.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QDate& d, std::ostream* os) { *os << d.toString(Qt::ISODate).toStdString(); }

namespace tolmo::taxcodes {
namespace {

const QDate kOggi(2026, 12, 7);
const QString kCaratteri = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");

/// A registry of municipalities that knows only Rome, Milan and San Giuliano Terme.
bool pochiComuni(const QString& codiceCatastale) {
    return QStringList{"H501", "F205", "A562"}.contains(codiceCatastale);
}

/// The first 15 characters with their check character, for the checks that come before it.
QString conControllo(const QString& primi15) { return primi15 + carattereControllo(primi15); }

EsitoCodiceFiscale verifica(const QString& codice, QDate oggi = kOggi) {
    return verificaCodiceFiscale(codice, pochiComuni, oggi);
}

TEST(CodiceFiscale, WellKnownCodesPassAndDecode) {
    struct Caso {
        const char* codice;
        QDate nascita;
        bool femmina;
        const char* luogo;
    };
    const Caso casi[] = {
        {"RSSMRA85T10A562S", QDate(1985, 12, 10), false, "A562"},
        {" rssmra85t10a562s\t", QDate(1985, 12, 10), false, "A562"},  // as typed
        {"MRTMTT25D09F205Z", QDate(2025, 4, 9), false, "F205"},       // 1925 reads as 2025 by now
        {"BNCFNC90D42H501Y", QDate(1990, 4, 2), true, "H501"},
        {"MLLSNT82P65Z404U", QDate(1982, 9, 25), true, "Z404"},  // born in the United States
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.codice);
        const EsitoCodiceFiscale esito = verifica(QString::fromLatin1(caso.codice));
        EXPECT_TRUE(esito.valido) << esito.motivo.toStdString();
        EXPECT_EQ(esito.motivo, QString());
        EXPECT_EQ(esito.nascita, caso.nascita);
        EXPECT_EQ(esito.femmina, caso.femmina);
        EXPECT_EQ(esito.codiceCatastale, QString::fromLatin1(caso.luogo));
    }
}

TEST(CodiceFiscale, EverySingleCharacterMistakeIsRefused) {
    const QString giusto = QStringLiteral("RSSMRA85T10A562S");
    ASSERT_TRUE(verificaCodiceFiscale(giusto, {}, kOggi).valido);
    int provati = 0, rifiutati = 0;
    for (int i = 0; i < giusto.size(); ++i) {
        for (QChar c : kCaratteri) {
            if (c == giusto[i]) continue;
            QString sbagliato = giusto;
            sbagliato[i] = c;
            ++provati;
            // No registry of municipalities: only the code's own rules can catch the mistake.
            const EsitoCodiceFiscale esito = verificaCodiceFiscale(sbagliato, {}, kOggi);
            if (!esito.valido && !esito.motivo.isEmpty())
                ++rifiutati;
            else
                ADD_FAILURE() << sbagliato.toStdString() << " accepted";
        }
    }
    EXPECT_EQ(provati, 16 * 35);
    EXPECT_EQ(rifiutati, provati);
    EXPECT_EQ(verifica(QStringLiteral("RSSMRA85T10A562T")).motivo,
              QStringLiteral("Il carattere di controllo del codice fiscale non corrisponde."));
}

TEST(CodiceFiscale, OmocodiaFormsPassAndDecodeAlike) {
    // Digits are replaced from the 15th character leftwards, the check character recomputed.
    EXPECT_EQ(omocodia(QStringLiteral("RSSMRA85T10A562S"), 1), QStringLiteral("RSSMRA85T10A56NH"));
    EXPECT_EQ(omocodia(QStringLiteral("RSSMRA85T10A562S"), 3), QStringLiteral("RSSMRA85T10ARSNO"));
    EXPECT_EQ(omocodia(QStringLiteral("RSSMRA85T10A562S"), 7), QStringLiteral("RSSMRAURTMLARSNL"));
    EXPECT_EQ(omocodia(QStringLiteral("RSSMRA85"), 3), QStringLiteral("RSSMRA85"));

    for (const QString& codice : {QStringLiteral("RSSMRA85T10A562S"), QStringLiteral("BNCFNC90D42H501Y")}) {
        const EsitoCodiceFiscale originale = verifica(codice);
        ASSERT_TRUE(originale.valido);
        QSet<QString> forme{codice};
        for (int n = 1; n <= 7; ++n) {
            const QString forma = omocodia(codice, n);
            SCOPED_TRACE(forma.toStdString());
            forme.insert(forma);
            // The birthplace is decoded before the registry is asked: H5LM must read as H501.
            const EsitoCodiceFiscale esito = verifica(forma);
            EXPECT_TRUE(esito.valido) << esito.motivo.toStdString();
            EXPECT_EQ(esito.nascita, originale.nascita);
            EXPECT_EQ(esito.femmina, originale.femmina);
            EXPECT_EQ(esito.codiceCatastale, originale.codiceCatastale);
        }
        EXPECT_EQ(forme.size(), 8);
    }
}

TEST(CodiceFiscale, MalformedCodesSayWhy) {
    const QString lunghezza = QStringLiteral("Il codice fiscale deve avere 16 caratteri.");
    EXPECT_EQ(verifica(QString()).motivo, lunghezza);
    EXPECT_EQ(verifica(QStringLiteral("RSSMRA85T10A562")).motivo, lunghezza);
    EXPECT_EQ(verifica(QStringLiteral("RSSMRA85T10A562SS")).motivo, lunghezza);
    EXPECT_EQ(verifica(QStringLiteral("RSSMR485T10A562S")).motivo,
              QStringLiteral("Il carattere 6 del codice fiscale deve essere una lettera."));
    EXPECT_EQ(verifica(QStringLiteral("RSSMRA8AT10A562S")).motivo,
              QStringLiteral("Il carattere 8 del codice fiscale deve essere una cifra."));
    EXPECT_EQ(verifica(conControllo("RSSMRA85F10H501")).motivo,
              QStringLiteral("Il mese di nascita del codice fiscale non esiste."));
    for (const char* giorno : {"00", "32", "40", "72", "99"}) {
        SCOPED_TRACE(giorno);
        EXPECT_EQ(verifica(conControllo(QStringLiteral("RSSMRA85T%1H501").arg(QLatin1String(giorno)))).motivo,
                  QStringLiteral("Il giorno di nascita del codice fiscale non è valido."));
    }
    // Check characters are computed only over A-Z and 0-9.
    EXPECT_TRUE(carattereControllo(QStringLiteral("rssmra85t10a562")).isNull());
    EXPECT_TRUE(carattereControllo(QStringLiteral("RSSMRA85T10A56")).isNull());
}

TEST(CodiceFiscale, ImpossibleDatesUnknownPlacesAndTheCentury) {
    const QString inesistente = QStringLiteral("La data di nascita del codice fiscale non esiste.");
    // 30 February, 31 April for a man and for a woman, 29 February of a common year.
    for (const char* primi15 : {"RSSMRA85B30H501", "RSSMRA85D31H501", "RSSMRA85D71H501", "RSSMRA85B29H501"}) {
        SCOPED_TRACE(primi15);
        const EsitoCodiceFiscale esito = verifica(conControllo(primi15));
        EXPECT_FALSE(esito.valido);
        EXPECT_EQ(esito.motivo, inesistente);
    }
    // 29 February 00 is 2000, a leap year; before it came, 00 meant 1900, which was not.
    EXPECT_EQ(verifica(QStringLiteral("VRDGPP00B29H501Y")).nascita, QDate(2000, 2, 29));
    EXPECT_EQ(verifica(QStringLiteral("VRDGPP00B29H501Y"), QDate(1999, 12, 31)).motivo, inesistente);

    // The century that keeps the birth from being after today.
    EXPECT_EQ(verifica(QStringLiteral("RSSMRA30A01H501I")).nascita, QDate(1930, 1, 1));
    EXPECT_EQ(verifica(QStringLiteral("RSSMRA26T07H501Q")).nascita, QDate(2026, 12, 7));
    EXPECT_EQ(verifica(QStringLiteral("RSSMRA26T08H501S")).nascita, QDate(1926, 12, 8));

    // Turin is unknown to the registry; without one, the same code passes.
    const EsitoCodiceFiscale torino = verifica(QStringLiteral("RSSMRA85T10L219G"));
    EXPECT_FALSE(torino.valido);
    EXPECT_EQ(torino.motivo, QStringLiteral("Il comune di nascita del codice fiscale non è noto."));
    EXPECT_TRUE(verificaCodiceFiscale(QStringLiteral("RSSMRA85T10L219G"), {}, kOggi).valido);
}

TEST(PartitaIva, ValidNumbersPassAndEverySingleDigitMistakeIsRefused) {
    EXPECT_EQ(cifraControlloPartitaIva(QStringLiteral("0000042058")), QChar(u'8'));
    EXPECT_EQ(cifraControlloPartitaIva(QStringLiteral("0143252021")), QChar(u'9'));
    const QStringList validi{
        QStringLiteral("12345678903"), QStringLiteral("00488410010"),
        QStringLiteral("0000042058") + cifraControlloPartitaIva(QStringLiteral("0000042058")),
        QStringLiteral("9876543210") + cifraControlloPartitaIva(QStringLiteral("9876543210"))};
    int provati = 0, rifiutati = 0;
    for (const QString& numero : validi) {
        SCOPED_TRACE(numero.toStdString());
        const EsitoPartitaIva esito = verificaPartitaIva(numero);
        EXPECT_TRUE(esito.valido) << esito.motivo.toStdString();
        EXPECT_EQ(esito.motivo, QString());
        for (int i = 0; i < numero.size(); ++i) {
            for (char d = '0'; d <= '9'; ++d) {
                if (numero[i] == QLatin1Char(d)) continue;
                QString sbagliato = numero;
                sbagliato[i] = QLatin1Char(d);
                ++provati;
                if (!verificaPartitaIva(sbagliato).valido)
                    ++rifiutati;
                else
                    ADD_FAILURE() << sbagliato.toStdString() << " accepted";
            }
        }
    }
    EXPECT_EQ(provati, 4 * 11 * 9);
    EXPECT_EQ(rifiutati, provati);
    EXPECT_EQ(verificaPartitaIva(QStringLiteral("12345678904")).motivo,
              QStringLiteral("La cifra di controllo della partita IVA non corrisponde."));
    EXPECT_TRUE(verificaPartitaIva(QStringLiteral(" 12345678903 ")).valido);
}

TEST(PartitaIva, LettersWrongLengthsAndZerosAreRefused) {
    const QString cifre = QStringLiteral("La partita IVA deve avere 11 cifre.");
    for (const QString& numero :
         {QString(), QStringLiteral("1234567890"), QStringLiteral("123456789031"),
          QStringLiteral("1234567890A"), QStringLiteral("I2345678903"), QStringLiteral("12345 78903"),
          QStringLiteral("IT12345678903"), QStringLiteral("１２３４５６７８９０３")}) {
        SCOPED_TRACE(numero.toStdString());
        const EsitoPartitaIva esito = verificaPartitaIva(numero);
        EXPECT_FALSE(esito.valido);
        EXPECT_EQ(esito.motivo, cifre);
    }
    // All zeros would pass the check digit.
    EXPECT_FALSE(verificaPartitaIva(QStringLiteral("00000000000")).valido);
    EXPECT_EQ(verificaPartitaIva(QStringLiteral("00000000000")).motivo,
              QStringLiteral("La partita IVA non può essere composta di soli zeri."));
    EXPECT_TRUE(cifraControlloPartitaIva(QStringLiteral("123456789A")).isNull());
    EXPECT_TRUE(cifraControlloPartitaIva(QStringLiteral("123456789")).isNull());
}

}  // namespace
}  // namespace tolmo::taxcodes
