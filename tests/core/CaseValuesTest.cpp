// The values a case travels with: positions, relevance, dates, court-fee codes, tariff labels
// and the rules that ask the host for a new fee note.

#include <gtest/gtest.h>

#include <stdexcept>

#include "core/FeeChanges.h"
#include "core/model/CaseValues.h"
#include "fees/ClsTariffa.h"
#include "fees/CourtFee.h"

namespace tolmo::test {
namespace {

using core::CambiParcella;
using core::DatiParcella;

TEST(CaseValues, PositionNumberIsItsLeadingWholeNumber) {
    EXPECT_EQ(core::numeroIniziale(QStringLiteral("12/A")), 12);
    EXPECT_EQ(core::numeroIniziale(QStringLiteral("  101 ")), 101);
    EXPECT_EQ(core::numeroIniziale(QStringLiteral("")), 0);
    EXPECT_EQ(core::numeroIniziale(QStringLiteral("A12")), 0);
    EXPECT_EQ(core::numeroIniziale(QStringLiteral("7'%\\_")), 7);
    EXPECT_EQ(core::numeroIniziale(QStringLiteral("2024.5")), 2024);
}

TEST(CaseValues, RelevanceIsRoundedHalfToEven) {
    EXPECT_EQ(core::rilevanzaArrotondata(QStringLiteral("150")), 150);
    EXPECT_EQ(core::rilevanzaArrotondata(QStringLiteral("150,5")), 150);
    EXPECT_EQ(core::rilevanzaArrotondata(QStringLiteral("151,5")), 152);
    EXPECT_EQ(core::rilevanzaArrotondata(QStringLiteral("149.5")), 150);
    EXPECT_EQ(core::rilevanzaArrotondata(QStringLiteral("150,51")), 151);
    EXPECT_EQ(core::rilevanzaArrotondata(QStringLiteral("-2,5")), -2);
    EXPECT_EQ(core::rilevanzaArrotondata(QStringLiteral("-3,5")), -4);
    EXPECT_EQ(core::rilevanzaArrotondata(QStringLiteral("cento")), 0);
    EXPECT_EQ(core::rilevanzaArrotondata(QStringLiteral("")), 0);
}

TEST(CaseValues, TypedDatesMustBeRealDays) {
    EXPECT_EQ(core::dataDigitata(QStringLiteral("29/02/2024"), QStringLiteral("TedDataInizio")),
              QDate(2024, 2, 29));
    EXPECT_THROW(core::dataDigitata(QStringLiteral("31/02/2011"), QStringLiteral("TedDataInizio")),
                 std::invalid_argument);
    EXPECT_THROW(core::dataDigitata(QStringLiteral("__/__/____"), QStringLiteral("TDataUdienza")),
                 std::invalid_argument);
    EXPECT_EQ(core::testoData(QVariant(QDate(2025, 10, 1))), QStringLiteral("01/10/2025"));
    EXPECT_EQ(core::testoData(QVariant()), QString());
}

TEST(CaseValues, CourtFeeTypesAndOptionsCorrespond) {
    for (int option = 0; option < 3; ++option)
        EXPECT_EQ(fees::opzioneContributo(fees::codiceContributo(option)), option);
    EXPECT_EQ(fees::codiceContributo(-1), QString());
    EXPECT_EQ(fees::opzioneContributo(QStringLiteral("XX")), -1);
    EXPECT_EQ(fees::opzioneContributo(QString()), -1);
}

TEST(TariffLabels, ShowTypeAndDetail) {
    clsTariffa t;
    EXPECT_EQ(etichettaTariffa(t), QString());
    EXPECT_EQ(dettaglioTariffa(t), QString());
    t.TipoTariffa = 2;
    t.Maggiorazione = -10;
    EXPECT_EQ(etichettaTariffa(t), QStringLiteral("Tariffa 2"));
    EXPECT_EQ(dettaglioTariffa(t), QStringLiteral("Magg. -10%"));
    t.TipoTariffa = 1;
    t.Maggiorazione = 12.5;
    EXPECT_EQ(dettaglioTariffa(t), QStringLiteral("Magg. 12,5%"));
    t.Maggiorazione = 0;
    EXPECT_EQ(dettaglioTariffa(t), QString());
    t.TipoTariffa = 3;
    t.ImportoFlat = Currency::fromUnits(1350);
    EXPECT_EQ(etichettaTariffa(t), QStringLiteral("Flat"));
    EXPECT_EQ(dettaglioTariffa(t), QStringLiteral("€. 1350"));
}

DatiParcella dati(double valore, const char* valuta, int rilevanza = 100) {
    DatiParcella d;
    d.valore = Currency::fromDouble(valore);
    d.valuta = QString::fromLatin1(valuta);
    d.rilevanza = rilevanza;
    return d;
}

const Currency kDuecento = Currency::fromUnits(200);

TEST(FeeChanges, RelevanceRaisedOnEuroCase) {
    const CambiParcella c = core::confrontaParcella(dati(5, "EURO", 100), dati(5, "EURO", 150), kDuecento);
    EXPECT_FALSE(c.estera);
    EXPECT_FALSE(c.valore);
    EXPECT_TRUE(c.rilevanza);
    EXPECT_FALSE(c.tariffa);
    EXPECT_EQ(core::valoreRicalcolo(dati(5, "EURO", 150), kDuecento), Currency::fromUnits(1000));
}

TEST(FeeChanges, ValuesAreComparedInTheNewCurrency) {
    EXPECT_FALSE(core::confrontaParcella(dati(600, "LIRA"), dati(3, "EURO"), kDuecento).valore);
    EXPECT_FALSE(core::confrontaParcella(dati(3, "EURO"), dati(600, "LIRA"), kDuecento).valore);
    EXPECT_TRUE(core::confrontaParcella(dati(600, "LIRA"), dati(3.5, "EURO"), kDuecento).valore);
    EXPECT_TRUE(core::confrontaParcella(dati(1000, "EURO"), dati(2000, "EURO"), kDuecento).valore);
    // Lire are not multiplied for the host; a zero rate converts nothing.
    EXPECT_EQ(core::valoreRicalcolo(dati(600, "LIRA"), kDuecento), Currency::fromUnits(600));
    EXPECT_TRUE(core::confrontaParcella(dati(600, "LIRA"), dati(3, "EURO"), Currency()).valore);
    EXPECT_EQ(core::valoreRicalcolo(dati(0, "EURO"), kDuecento), Currency());
}

TEST(FeeChanges, ForeignCurrencyIsFlagged) {
    EXPECT_TRUE(core::confrontaParcella(dati(5, "EURO"), dati(5, "CHF"), kDuecento).estera);
    EXPECT_TRUE(core::confrontaParcella(dati(5, "CHF"), dati(5, "USD"), kDuecento).estera);
    EXPECT_FALSE(core::confrontaParcella(dati(5, "CHF"), dati(5, "LIRA"), kDuecento).estera);
}

TEST(FeeChanges, AnyTariffAttributeIsAChange) {
    const DatiParcella prima = dati(5, "EURO");
    DatiParcella dopo = prima;
    EXPECT_FALSE(core::confrontaParcella(prima, dopo, kDuecento).tariffa);
    dopo.tipoTariffa = 1;
    EXPECT_TRUE(core::confrontaParcella(prima, dopo, kDuecento).tariffa);
    dopo = prima;
    dopo.maggiorazione = 0.5;
    EXPECT_TRUE(core::confrontaParcella(prima, dopo, kDuecento).tariffa);
    dopo = prima;
    dopo.flat = Currency::fromUnits(350);
    EXPECT_TRUE(core::confrontaParcella(prima, dopo, kDuecento).tariffa);
}

}  // namespace
}  // namespace tolmo::test
