// The classifier's free fields: captions, kinds and layout, and what may be typed in them.

#include "extras/FreeFields.h"
#include "parties/FirmFixture.h"

namespace tolmo::test {
namespace {

using extras::valoreValido;

class FreeFieldsTest : public FirmTest {
protected:
    form::Control& lbl(int n) { return *freeFields.fields.lblCampo[n - 1]; }
    form::Control& txt(int n) { return *freeFields.fields.txtCampo[n - 1]; }
    bool shown(int n) { return lbl(n).visible() && txt(n).visible(); }
    bool hidden(int n) { return !lbl(n).visible() && !txt(n).visible(); }
    bool tab6() { return form.SSTabPratica.tabVisible(core::TabCampiLiberi2); }
    /// A classifier with the given captions (field number -> caption, kind).
    int classifier(const std::map<int, std::pair<QString, QString>>& captions) {
        QString cols = QStringLiteral("Descrizione"), marks = QStringLiteral("?");
        QVariantList values = {QStringLiteral("PROVA")};
        for (const auto& [n, field] : captions) {
            cols += QStringLiteral(", Campo%1, TipoCampo%1").arg(n);
            marks += QStringLiteral(", ?, ?");
            values << field.first << field.second;
        }
        conn->Execute(QStringLiteral("DELETE FROM Classificatore WHERE Descrizione = 'PROVA'"));
        conn->Execute(QStringLiteral("INSERT INTO Classificatore (%1) VALUES (%2)").arg(cols, marks), values);
        QSqlQuery q =
            conn->query(QStringLiteral("SELECT ID_Cla FROM Classificatore WHERE Descrizione = 'PROVA'"));
        return q.next() ? q.value(0).toInt() : 0;
    }
    /// Leaves field n showing `text`; true when the focus may go.
    bool leave(int n, const QString& text) {
        txt(n).setText(text);
        form::ControlEvent e;
        e.kind = form::EventKind::LostFocus;
        txt(n).fire(e);
        return !e.cancel;
    }
    /// The key as the field lets it through (0: dropped).
    int key(int n, int code) {
        form::ControlEvent e;
        e.kind = form::EventKind::KeyPress;
        e.key = code;
        txt(n).fire(e);
        return e.key;
    }

    extras::FreeFields freeFields{services, form};
};

TEST_P(FreeFieldsTest, CaptionsKindsAndFormatsFollowTheClassifier) {
    freeFields.SelezionaClassificatore(demo::kClaFamiglia);
    EXPECT_EQ(lbl(1).caption(), QStringLiteral("1. Data matrimonio"));
    EXPECT_EQ(lbl(12).caption(), QStringLiteral("12. Regime patrimoniale"));
    EXPECT_EQ(freeFields.kind(0), QStringLiteral("1"));
    EXPECT_EQ(txt(1).format(), QStringLiteral("ddddd"));
    EXPECT_EQ(txt(1).mask(), QStringLiteral("##/##/####"));
    EXPECT_EQ(txt(2).format(), QStringLiteral("0"));
    EXPECT_EQ(txt(3).format(), QStringLiteral("€ #,##0.00;(€ #,##0.00)"));
    EXPECT_EQ(txt(3).mask(), QString());
    EXPECT_EQ(txt(11).format(), QString());
    for (int n : {1, 2, 3, 11, 12}) EXPECT_TRUE(shown(n)) << n;
    for (int n : {4, 10, 13, 20}) EXPECT_TRUE(hidden(n)) << n;
    EXPECT_TRUE(tab6());

    freeFields.SelezionaClassificatore(demo::kClaCivile);
    EXPECT_FALSE(tab6());
    EXPECT_TRUE(shown(6));
    EXPECT_TRUE(hidden(12));
    EXPECT_EQ(freeFields.kind(3), QStringLiteral("3"));

    freeFields.SelezionaClassificatore(0);  // nothing happens
    EXPECT_EQ(lbl(1).caption(), QStringLiteral("1. Data notifica citazione"));
}

TEST_P(FreeFieldsTest, NoCaptionAmongTheFirstTenRestoresTheDefaults) {
    freeFields.SelezionaClassificatore(demo::kClaAmministrativo);  // fields 11-14 only
    for (int n = 1; n <= 20; ++n) {
        EXPECT_TRUE(shown(n)) << n;
        EXPECT_EQ(lbl(n).caption(), QStringLiteral("CAMPO %1").arg(n));
    }
    EXPECT_TRUE(tab6());
    // Restoring the captions keeps the kinds just set: the date and the amount stay checked.
    EXPECT_EQ(freeFields.kind(11), QStringLiteral("1"));
    EXPECT_EQ(txt(12).format(), QStringLiteral("ddddd"));
    EXPECT_EQ(freeFields.kind(13), QStringLiteral("2"));
    EXPECT_EQ(freeFields.kind(0), QString());
    EXPECT_FALSE(leave(12, QStringLiteral("domani")));
    EXPECT_FALSE(leave(14, QStringLiteral("molti euro")));
    EXPECT_TRUE(leave(12, QStringLiteral("01/02/2020")));
    freeFields.clear();  // a cleared form has text fields only
    EXPECT_EQ(freeFields.kind(11), QString());
    EXPECT_EQ(txt(12).format(), QString());

    form.SSTabPratica.setTabVisible(core::TabCampiLiberi2, false);
    freeFields.SelezionaClassificatore(demo::kClaStragiudiziale);  // no field at all
    EXPECT_TRUE(tab6());
    EXPECT_EQ(lbl(10).caption(), QStringLiteral("CAMPO 10"));
}

// With only Campo12 the first ten fields are unused, so they all get their default caption
// (none is left without one) and tab 6 shows field 12.
TEST_P(FreeFieldsTest, OnlyFieldTwelveShowsTabSixWithIt) {
    freeFields.SelezionaClassificatore(
        classifier({{12, {QStringLiteral("Data provvedimento"), QStringLiteral("1")}}}));
    EXPECT_TRUE(tab6());
    EXPECT_TRUE(shown(12));
    for (int n = 1; n <= 10; ++n) EXPECT_EQ(lbl(n).caption(), QStringLiteral("CAMPO %1").arg(n));
}

TEST_P(FreeFieldsTest, ABlankCaptionHidesItsField) {
    freeFields.SelezionaClassificatore(classifier(
        {{1, {QStringLiteral("Ufficio"), QString()}}, {2, {QStringLiteral("   "), QStringLiteral("2")}}}));
    EXPECT_TRUE(shown(1));
    EXPECT_TRUE(hidden(2));
    EXPECT_FALSE(tab6());
    freeFields.RipristinaCampiLiberi();
    EXPECT_TRUE(shown(2));
    EXPECT_EQ(lbl(2).caption(), QStringLiteral("CAMPO 2"));
}

TEST_P(FreeFieldsTest, KeysAreFilteredByKind) {
    freeFields.SelezionaClassificatore(demo::kClaCivile);  // 1 date, 3 money, 4 number, 5 text
    EXPECT_EQ(key(3, 'a'), 0);
    EXPECT_EQ(key(3, ','), ',');
    EXPECT_EQ(key(3, '.'), '.');
    EXPECT_EQ(key(3, '7'), '7');
    EXPECT_EQ(key(4, ','), 0);
    EXPECT_EQ(key(4, 8), 8);
    EXPECT_EQ(key(1, '/'), '/');
    EXPECT_EQ(key(1, '-'), 0);
    EXPECT_EQ(key(5, 'a'), 'a');
}

TEST_P(FreeFieldsTest, LeavingAFieldValidatesItsText) {
    freeFields.SelezionaClassificatore(demo::kClaCivile);
    EXPECT_TRUE(leave(1, QStringLiteral("__/__/____")));
    EXPECT_TRUE(leave(1, QStringLiteral(" 15/03/2011 ")));
    EXPECT_EQ(txt(1).text(), QStringLiteral("15/03/2011"));
    for (const QString& corta : {QStringLiteral("1/2/2020"), QStringLiteral("1_/2_/2020")}) {
        EXPECT_TRUE(leave(1, corta));  // typed short, with or without the mask: written in full
        EXPECT_EQ(txt(1).text(), QStringLiteral("01/02/2020"));
    }
    EXPECT_TRUE(services.interaction.messages().empty());

    EXPECT_FALSE(leave(1, QStringLiteral("31/02/2011")));
    ASSERT_EQ(services.interaction.messages().size(), 1u);
    const form::MessageRecord& m = services.interaction.messages().front();
    EXPECT_EQ(m.text, QStringLiteral("Valore non valido per il campo."));
    EXPECT_EQ(m.title, QStringLiteral("Tolmo Studio"));
    EXPECT_EQ(m.icon, form::MsgIcon::Information);
    EXPECT_EQ(txt(1).text(), QStringLiteral("31/02/2011"));

    EXPECT_TRUE(leave(3, QStringLiteral("1.234,50 ")));
    EXPECT_EQ(txt(3).text(), QStringLiteral("1.234,50"));
    EXPECT_FALSE(leave(4, QStringLiteral("tre")));
    EXPECT_TRUE(leave(5, QStringLiteral("  qualunque cosa ")));
    EXPECT_EQ(txt(5).text(), QStringLiteral("qualunque cosa"));
}

TEST(FreeFieldValues, EachKindAcceptsItsOwnForms) {
    EXPECT_TRUE(valoreValido(QStringLiteral("1"), QString()));
    EXPECT_TRUE(valoreValido(QStringLiteral("1"), QStringLiteral("29/02/2024")));
    EXPECT_FALSE(valoreValido(QStringLiteral("1"), QStringLiteral("29/02/2023")));
    EXPECT_FALSE(valoreValido(QStringLiteral("1"), QStringLiteral("12/__/____")));
    EXPECT_TRUE(valoreValido(QStringLiteral("2"), QStringLiteral("12.5")));
    EXPECT_TRUE(valoreValido(QStringLiteral("2"), QStringLiteral("€ 1.234,56")));
    EXPECT_FALSE(valoreValido(QStringLiteral("2"), QStringLiteral("12,5,3")));
    EXPECT_TRUE(valoreValido(QStringLiteral("3"), QStringLiteral("-4")));
    EXPECT_FALSE(valoreValido(QStringLiteral("3"), QStringLiteral("4a")));
    EXPECT_TRUE(valoreValido(QStringLiteral("X"), QStringLiteral("4a")));
}

TEST_P(FreeFieldsTest, ClassifierDescriptionByIdTrimmed) {
    EXPECT_EQ(freeFields.GetClassificatore(demo::kClaPenale), QStringLiteral("PENALE"));
    EXPECT_EQ(freeFields.GetClassificatore(9999), QString());
}

INSTANTIATE_TEST_SUITE_P(Engines, FreeFieldsTest, ::testing::ValuesIn(enginesUnderTest()), engineParamName);

}  // namespace
}  // namespace tolmo::test
