// The court fee of a case through the host: the amount proposed from the object code and the
// value, the calculator's brackets and halving, the fee type and the payments it throws away,
// the injunction sum, and the tariff.

#include "CaseFixture.h"
#include "schema/DemoFirm.h"

namespace tolmo::test {
namespace {

using namespace schema::demo;

class CourtFee : public CaseTest {
protected:
    void modifica(int id) { ASSERT_TRUE(call("Modifica", {id}).value("result").toBool()); }
    /// The forms the scripts of the last command dumped, in order.
    QList<QJsonObject> dumps() const {
        QList<QJsonObject> out;
        for (const QJsonObject& h : happened)
            if (h.contains("form")) out << h.value("form").toObject();
        return out;
    }
    /// Clicks "Calcola" with `code` and `value` typed; the calculator is dumped as it opens, runs
    /// `steps`, and is closed with `close`. Gives the calculator as it opened.
    QJsonObject calcola(const QString& code, const QString& value, const QJsonArray& steps = {},
                        const QString& close = "cmdRiportaVal") {
        type("cmbCodOggetto", code);
        type("TEDDenaroValore", value);
        QJsonArray script{QJsonObject{{"dump", "form"}}};
        for (const QJsonValue& s : steps) script.append(s);
        script.append(QJsonObject{{"fire", close}, {"event", "Click"}});
        send({{"onshow", "frmCalcolaCU"}, {"script", script}});
        fire("cmdCalcola", "Click");
        return dumps().value(0);
    }
    static QString shown(const QJsonObject& form, const char* control) {
        return form.value(control).toObject().value("text").toString();
    }
    int pagamenti(int caso) {
        return scalar(
                   QStringLiteral("SELECT COUNT(*) FROM EstremiPagamento WHERE R_Id_Pratica = %1").arg(caso))
            .toVariant()
            .toInt();
    }
};

TEST_P(CourtFee, ProposalsFromTheObjectCodeAndTheValue) {
    modifica(kPraEsposito);
    // An order for payment: 37 below 2 500, 121 from 2 500 on.
    for (const auto& [value, fee] :
         {std::pair{"500,00", "37,00"}, {"2.500,00", "121,00"}, {"10.000,00", "121,00"}}) {
        const QJsonObject c = calcola("510001", value);
        EXPECT_EQ(shown(c, "mskImportoContributo"), fee) << value;
        EXPECT_EQ(text("mskImportoContributo"), fee) << value;
    }
    EXPECT_EQ(shown(calcola("", ""), "mskImportoContributo"), "37,00");  // no value is a value of zero

    const QJsonObject indeterminabile = calcola("", "-999.999,00");
    EXPECT_TRUE(indeterminabile.value("lblIndeterminabile").toObject().value("visible").toBool());
    EXPECT_EQ(shown(indeterminabile, "mskValore"), "0,00");
    EXPECT_EQ(text("mskImportoContributo"), "450,00");
    EXPECT_FALSE(calcola("", "3.000,00").value("lblIndeterminabile").toObject().value("visible").toBool());

    // 610001 is decided by the case form: with no bracket left to look in it still gives 242.
    sql("DELETE FROM ScaglioniContributo");
    EXPECT_EQ(shown(calcola("610 001", "3.000,00"), "mskImportoContributo"), "242,00");
    EXPECT_TRUE(boxes().isEmpty());
    // A value no bracket holds hands back no fee rather than the case value.
    calcola("", "3.000,00");
    EXPECT_EQ(text("mskImportoContributo"), "0,00");
}

TEST_P(CourtFee, InjunctionHalvesTheBracketAndCancellingStillCopies) {
    modifica(kPraEsposito);
    const QJsonArray untick{QJsonObject{{"set", "chkDimezza"}, {"checked", false}},
                            QJsonObject{{"dump", "form"}}};
    const QJsonObject opened = calcola("010001", "3.000,00", untick, "cmdAnnulla");
    EXPECT_TRUE(opened.value("chkDimezza").toObject().value("checked").toBool());
    EXPECT_EQ(shown(opened, "mskImportoContributo"), "49,00");
    EXPECT_EQ(shown(dumps().value(1), "mskImportoContributo"), "98,00");
    EXPECT_EQ(text("mskImportoContributo"), "98,00");  // "Annulla" hands the amount back too
    // Every showing starts unticked: the box of the last use does not halve the next one.
    EXPECT_FALSE(calcola("", "3.000,00").value("chkDimezza").toObject().value("checked").toBool());
    EXPECT_EQ(text("mskImportoContributo"), "98,00");
}

TEST_P(CourtFee, TheDocumentIsAskedOfTheShell) {
    settings.setValue("startup", "PathEXE", "/opt/tolmo");
    modifica(kPraEsposito);
    calcola("", "", {QJsonObject{{"fire", "cmdConsulta"}, {"event", "Click"}}});
    QStringList opened;
    for (const QJsonObject& h : happened)
        if (h.contains("open")) opened << h.value("open").toString();
    EXPECT_EQ(opened, QStringList{"/opt/tolmo/PdfInput/CONTRIBUTO UNIFICATO.pdf"});
}

// Leaving "Versato" asks once; No keeps both payments and "Versato", Yes deletes both at once,
// for good: cancelling the edit does not bring them back.
TEST_P(CourtFee, LeavingPaidAsksOnceAndDeletesOnlyOnYes) {
    modifica(kPraEsposito);
    ASSERT_EQ(pagamenti(kPraEsposito), 2);
    answer({"No"});
    send({{"set", "optContributo"}, {"index", 0}});
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes().at(0).value("text").toString(),
              "Cambiando il tipo di contributo verranno eliminati i pagamenti registrati.\n\nContinuare ?");
    EXPECT_EQ(boxes().at(0).value("title").toString(), "Estremi Pagamento");
    EXPECT_EQ(field("optContributo").value("index").toInt(), 2);
    EXPECT_TRUE(field("cmdEstremi").value("enabled").toBool());
    EXPECT_EQ(pagamenti(kPraEsposito), 2);

    answer({"Yes"});
    send({{"set", "optContributo"}, {"index", 0}});
    EXPECT_EQ(boxes().size(), 1);
    EXPECT_EQ(pagamenti(kPraEsposito), 0);
    EXPECT_EQ(text("mskImportoContributo"), "0,00");
    const QJsonObject importo = field("mskImportoContributo");
    EXPECT_FALSE(importo.value("enabled").toBool());
    EXPECT_EQ(importo.value("backColor").toInteger(), 0xE0E0E0);
    call("Annulla");
    EXPECT_EQ(pagamenti(kPraEsposito), 0);
}

TEST_P(CourtFee, NoQuestionWithoutPaymentsNorWhileLoading) {
    // An exempt case with payments on file loads without a word.
    sql(QStringLiteral(
            "INSERT INTO EstremiPagamento (R_Id_Pratica, TipoPagamento, Importo) VALUES (%1, 2, 10)")
            .arg(kPraBianco));
    modifica(kPraBianco);
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(field("optContributo").value("index").toInt(), 0);
    EXPECT_FALSE(field("cmdCalcola").value("enabled").toBool());

    sql(QStringLiteral("DELETE FROM EstremiPagamento WHERE R_Id_Pratica = %1").arg(kPraEsposito));
    modifica(kPraEsposito);
    const QString amount = text("mskImportoContributo");
    send({{"set", "optContributo"}, {"index", 1}});
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(text("mskImportoContributo"), amount);
    EXPECT_TRUE(field("chkDebito").value("enabled").toBool());
    EXPECT_FALSE(field("cmdEstremi").value("enabled").toBool());
}

// The injunction's sum shows with its code; typing into the code hides it and resets it, and
// the code takes digits only.
TEST_P(CourtFee, InjunctionSumGoesWithTypingTheCode) {
    modifica(kPraEdilnord);
    ASSERT_TRUE(field("TedDenaroSommaIng").value("visible").toBool());
    const auto key = [&](const char* k) {
        send({{"fire", "cmbCodOggetto"}, {"event", "KeyPress"}, {"key", k}});
    };
    key("A");
    EXPECT_TRUE(field("TedDenaroSommaIng").value("visible").toBool());
    key("5");
    EXPECT_FALSE(field("TedDenaroSommaIng").value("visible").toBool());
    EXPECT_EQ(text("TedDenaroSommaIng"), "0,00");
}

// The property of the brackets: for every bound of the demo table, a value on it, a cent under
// and a cent over give the fee of this hand-written table, halved for an injunction (a value of
// zero and one that cannot be determined are fixed fees, never halved).
TEST_P(CourtFee, EveryBracketBoundary) {
    struct Row {
        const char *value, *fee, *halved;
    };
    const Row table[] = {
        {"0,00", "37,00", "37,00"},           {"0,01", "43,00", "21,50"},
        {"1.099,99", "43,00", "21,50"},       {"1.100,00", "43,00", "21,50"},
        {"1.100,01", "98,00", "49,00"},       {"5.199,99", "98,00", "49,00"},
        {"5.200,00", "98,00", "49,00"},       {"5.200,01", "237,00", "118,50"},
        {"25.999,99", "237,00", "118,50"},    {"26.000,00", "237,00", "118,50"},
        {"26.000,01", "518,00", "259,00"},    {"51.999,99", "518,00", "259,00"},
        {"52.000,00", "518,00", "259,00"},    {"52.000,01", "759,00", "379,50"},
        {"259.999,99", "759,00", "379,50"},   {"260.000,00", "759,00", "379,50"},
        {"260.000,01", "1.214,00", "607,00"}, {"519.999,99", "1.214,00", "607,00"},
        {"520.000,00", "1.214,00", "607,00"}, {"520.000,01", "1.686,00", "843,00"},
        {"-999.999,00", "450,00", "450,00"},
    };
    modifica(kPraEsposito);
    for (const Row& r : table) {
        calcola("", r.value);
        EXPECT_EQ(text("mskImportoContributo"), r.fee) << r.value;
        calcola("010001", r.value);
        EXPECT_EQ(text("mskImportoContributo"), r.halved) << r.value;
    }
}

class Tariff : public CourtFee {
protected:
    /// Opens dlgTariffa, chooses `option`, types `number` in its field, and confirms.
    void scegli(const char* option, const char* field = nullptr, const char* number = nullptr) {
        QJsonArray script{QJsonObject{{"set", option}, {"checked", true}}};
        if (field) script.append(QJsonObject{{"set", field}, {"text", number}});
        script.append(QJsonObject{{"dump", "form"}});
        script.append(QJsonObject{{"fire", "cmdOk"}, {"event", "Click"}});
        send({{"onshow", "dlgTariffa"}, {"script", script}});
        fire("cmdTariffa", "Click");
    }
    QStringList etichette() { return {caption("lblTariffaImpostata"), caption("lblTarDati")}; }
    QString caption(const QString& c) { return field(c).value("caption").toString(); }
    QJsonArray stored(int caso) {
        return rows(QStringLiteral("SELECT TipoTariffa, Flat, Maggiorazione FROM Pratica WHERE ID_Pra = %1")
                        .arg(caso))
            .at(0)
            .toArray();
    }
};

TEST_P(Tariff, SecondTariffWithADiscountIsShownAndSavedAndTheHostTold) {
    modifica(kPraEsposito);
    scegli("optTariffa2", "TEDNumMaggiorazione", "-10");
    const QJsonObject d = dumps().value(0);
    EXPECT_TRUE(d.value("TEDNumMaggiorazione").toObject().value("visible").toBool());
    EXPECT_FALSE(d.value("TEDDenaroFlat").toObject().value("visible").toBool());
    EXPECT_FALSE(d.value("optDefault").toObject().value("checked").toBool());
    EXPECT_EQ(etichette(), (QStringList{"Tariffa 2", "Magg. -10%"}));
    ASSERT_TRUE(call("Conferma").value("result").toBool());
    const QJsonArray args = eventArgs("RicalcoloParcellaOraria");
    ASSERT_EQ(args.size(), 4);
    EXPECT_EQ(args.at(1).toVariant().toInt(), 2);
    EXPECT_EQ(stored(kPraEsposito), (QJsonArray{2, 0, -10}));
}

TEST_P(Tariff, FromFlatBackToTheDefaultOrToAnEmptySurcharge) {
    modifica(kPraBianco);
    ASSERT_EQ(etichette().at(0), "Flat");
    scegli("optDefault");
    EXPECT_EQ(etichette(), (QStringList{"", ""}));
    ASSERT_TRUE(call("Conferma").value("result").toBool());
    const QJsonArray t = stored(kPraBianco);
    EXPECT_EQ(t.at(0).toInt(), 0);
    EXPECT_EQ(t.at(1).toDouble(), 0);
    EXPECT_EQ(t.at(2).toDouble(), 0);

    sql(QStringLiteral("UPDATE Pratica SET TipoTariffa = 3, Flat = 350 WHERE ID_Pra = %1").arg(kPraBianco));
    modifica(kPraBianco);
    EXPECT_EQ(etichette(), (QStringList{"Flat", "€. 350"}));
    scegli("optTariffa1", "TEDNumMaggiorazione", "");
    EXPECT_EQ(etichette(), (QStringList{"Tariffa 1", ""}));  // a surcharge of 0 is not shown
    ASSERT_TRUE(call("Conferma").value("result").toBool());
    EXPECT_EQ(stored(kPraBianco).at(0).toInt(), 1);
    EXPECT_EQ(stored(kPraBianco).at(2).toDouble(), 0);
}

INSTANTIATE_TEST_SUITE_P(Engines, CourtFee, ::testing::ValuesIn(enginesUnderTest()),
                         [](const auto& info) { return engineName(info.param).toStdString(); });
INSTANTIATE_TEST_SUITE_P(Engines, Tariff, ::testing::ValuesIn(enginesUnderTest()),
                         [](const auto& info) { return engineName(info.param).toStdString(); });

}  // namespace
}  // namespace tolmo::test
