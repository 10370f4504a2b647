// The component's spine driven through the JSON driver, on every engine under test.

#include "HostFixture.h"

namespace tolmo::test {
namespace {

TEST_P(HostTest, StartMovesFromNotStartedToConsultation) {
    QJsonObject s = state();
    EXPECT_EQ(s.value("editState").toInt(), 0);
    EXPECT_EQ(s.value("title").toString(), "");

    EXPECT_TRUE(call("Start").contains("result"));
    s = state();
    EXPECT_EQ(s.value("editState").toInt(), 1);
    EXPECT_EQ(s.value("title").toString(), "Tolmo Studio");
    EXPECT_EQ(s.value("currentId").toInt(), 0);

    // Start leaves the catalogue lists filled but unselected, and the form read-only.
    const QJsonObject classificatore = control("cmbClassificatore");
    EXPECT_GT(classificatore.value("rows").toArray().size(), 1);
    EXPECT_EQ(classificatore.value("selectedRow").toInt(), -1);
    EXPECT_EQ(classificatore.value("text").toString(), "");
    EXPECT_FALSE(control("FramePraticaGenerale").value("enabled").toBool());
    EXPECT_TRUE(control("txtNOTE").value("locked").toBool());
    EXPECT_TRUE(control("cmdAR").value("enabled").toBool());
    EXPECT_FALSE(control("cmdPiuCli").value("enabled").toBool());
    EXPECT_EQ(control("SSTabPratica").value("current").toInt(), 0);
    EXPECT_EQ(control("fpStatoPra").value("text").toString(), "In corso");

    const QJsonArray fasi = control("cmbFase").value("rows").toArray();
    ASSERT_EQ(fasi.size(), 5);
    EXPECT_TRUE(fasi.at(0).toString().startsWith("1\tIndagini Preliminari\t"));
    for (const QJsonValue& row : control("cmbProcacciatore").value("rows").toArray())
        EXPECT_EQ(row.toString().split('\t').size(), 3);
    EXPECT_GT(control("cmbProcacciatore").value("rows").toArray().size(), 0);
}

TEST_P(HostTest, AuthorityListHoldsTheEmptyRowAndTheSevenAuthorities) {
    const QJsonArray rows = control("cmbAutorita").value("rows").toArray();
    const QStringList expected = {"",
                                  "Giudice di pace",
                                  "Tribunale in comp. monocratica",
                                  "Tribunale in comp. collegiale",
                                  "Corte d'Assise e d'Assise d'Appello",
                                  "Corte d'Appello",
                                  "Corte Costituzionale e Cassazione",
                                  "Gip e Gup"};
    ASSERT_EQ(rows.size(), expected.size());
    for (int i = 0; i < rows.size(); ++i) EXPECT_EQ(rows.at(i).toString(), expected.at(i));
    EXPECT_FALSE(control("SSTabPratica").value("tabs").toArray().at(4).toObject().value("visible").toBool());
}

TEST_P(HostTest, PropertyBagStoresOnlyWhatDiffersFromTheDefaults) {
    EXPECT_EQ(call("WriteProperties").value("result").toObject(), QJsonObject());
    call("ReadProperties", {QJsonObject()});
    EXPECT_EQ(call("VALUTA").value("result").toString(), "LIRA");
    EXPECT_EQ(call("CAMBIO").value("result").toDouble(), 0.0);
    EXPECT_EQ(call("AnagIns").value("result").toBool(), false);

    call("SettaCambioValuta", {"1936,27", "EURO"});
    const QJsonObject bag = call("WriteProperties").value("result").toObject();
    EXPECT_EQ(bag.value("Valuta").toString(), "EURO");
    EXPECT_EQ(bag.value("Cambio").toString(), "1936.2700");
    EXPECT_FALSE(bag.contains("AnagIns"));

    // What the host saved comes back on the next ReadProperties.
    call("ReadProperties", {QJsonObject()});
    call("ReadProperties");
    EXPECT_EQ(call("VALUTA").value("result").toString(), "EURO");
    EXPECT_DOUBLE_EQ(call("CAMBIO").value("result").toDouble(), 1936.27);
}

TEST_P(HostTest, LargeScreenLayoutShiftsAgainOnEveryCall) {
    call("Start");
    const QJsonObject header = control("ctlTestata1"), tabs = control("SSTabPratica");
    call("RedimensioningUserControl", {true});
    EXPECT_EQ(control("ctlTestata1").value("left").toInt(), header.value("left").toInt());

    EXPECT_TRUE(call("RedimensioningUserControl", {false}).value("result").isNull());
    call("RedimensioningUserControl", {false});
    EXPECT_EQ(control("ctlTestata1").value("left").toInt(), header.value("left").toInt() + 1500);
    EXPECT_EQ(control("ctlTestata1").value("top").toInt(), header.value("top").toInt() + 1000);
    EXPECT_EQ(control("SSTabPratica").value("left").toInt(), tabs.value("left").toInt() + 1500);
    EXPECT_EQ(control("SSTabPratica").value("top").toInt(), tabs.value("top").toInt() + 2000);
    EXPECT_EQ(control("HIStorico").value("left").toInt(), control("HITitolo").value("width").toInt());
}

TEST_P(HostTest, HistoricalHeaderSwitchesBackAndForth) {
    call("Start");
    call("CambiaIntestazione", {true});
    EXPECT_EQ(control("lblDataInizio").value("caption").toString(), "Data Arch.");
    EXPECT_TRUE(control("HIStorico").value("visible").toBool());
    EXPECT_TRUE(control("TolDataArch").value("visible").toBool());
    for (const char* name : {"cmdAR", "cmdPratCollegate", "TedDataInizio", "TolDataChiusura"})
        EXPECT_FALSE(control(name).value("visible").toBool()) << name;

    call("CambiaIntestazione", {false});
    EXPECT_EQ(control("lblDataInizio").value("caption").toString(), "Data Inizio");
    EXPECT_FALSE(control("HIStorico").value("visible").toBool());
    for (const char* name : {"cmdAR", "cmdPratCollegate", "TedDataInizio", "TolDataChiusura"})
        EXPECT_TRUE(control(name).value("visible").toBool()) << name;
}

TEST_P(HostTest, ExchangeRateAndMoneyFields) {
    call("Start");
    call("SetCambioLiraEuro");
    EXPECT_EQ(call("CambioLiraEuro").value("result").toString(), "1936,27");
    EXPECT_EQ(control("TEDDenaroValore").value("money").toObject().value("cambioLiraEuro").toString(),
              "1936,27");

    call("SettaValuta", {"LIRA", 1936.27});
    call("SettaDecimali", {false});
    for (const char* name : {"TEDDenaroValore", "TedDenaroSommaIng"}) {
        const QJsonObject money = control(name).value("money").toObject();
        EXPECT_EQ(money.value("valuta").toString(), "LIRA") << name;
        EXPECT_EQ(money.value("cambio").toString(), "1936.2700") << name;
        EXPECT_FALSE(money.value("decimali").toBool()) << name;
    }
    EXPECT_FALSE(call("IsExport", {999999}).value("result").toBool());
}

TEST_P(HostTest, EventsReachTheHostAndNoContabilitaNeverDoes) {
    call("Start");
    call("FuocoPosizione");
    EXPECT_EQ(events(), QStringList{"SetDummy"});
    call("SettaCliente", {42, "Rossi", "Mario"});
    EXPECT_EQ(control("ctlTestata1").value("header").toObject().value("idCliente").toInt(), 42);
    EXPECT_EQ(send({{"dump", "ctlTestata1"}})
                  .value("form")
                  .toObject()
                  .value("txtCognomeCliente")
                  .toObject()
                  .value("text")
                  .toString(),
              "");
    call("SettaContabilita", {1});
    call("SbloccaRiferimentiStorico");
    call("ClearAllForm");
    for (const QJsonObject& h : allHappened) EXPECT_NE(h.value("event").toString(), "NoContabilita");
}

TEST_P(HostTest, AccountingOwnersAndReservedVisibility) {
    call("Start");
    EXPECT_TRUE(call("SettaContabilita", {1}).value("result").toBool());
    const QJsonObject owners = control("cmbContabilita");
    const QJsonArray rows = owners.value("rows").toArray();
    ASSERT_GE(rows.size(), 2);
    EXPECT_EQ(rows.at(0).toString(), " \t0");
    const QJsonArray riservata = control("cmbRiservata").value("rows").toArray();
    bool sawUser = false, sawGroup = false;
    for (const QJsonValue& r : riservata) {
        const QStringList cols = r.toString().split('\t');
        EXPECT_NE(cols.value(0).toUpper(), "TUTTI");
        sawUser |= cols.value(2) == "UTENTE";
        sawGroup |= cols.value(2) == "GRUPPO";
    }
    EXPECT_TRUE(sawUser);
    EXPECT_TRUE(sawGroup);

    // The second fill, on the firm-wide connection, selects nobody.
    call("SbloccaRiferimentiStorico");
    EXPECT_EQ(control("cmbContabilita").value("selectedRow").toInt(), -1);
    EXPECT_EQ(control("SSTabPratica").value("current").toInt(), 2);
    EXPECT_TRUE(control("frameRiferimenti").value("enabled").toBool());
    EXPECT_EQ(call("GetUtenteContabStorico").value("result").toString(),
              control("cmbContabilita").value("text").toString());
}

TEST_P(HostTest, RecentCaseEntryAndRawSql) {
    call("Start");
    const QStringList parts = call("CreaStringaRecenti").value("result").toString().split('|');
    ASSERT_EQ(parts.size(), 6);
    EXPECT_EQ(parts.at(0), "0");
    EXPECT_EQ(parts.at(5), QDate::currentDate().toString("dd/MM/yyyy"));

    const QJsonObject reply = send({{"sql", "SELECT COUNT(*) AS n FROM PraPenaleFasi"}});
    EXPECT_EQ(reply.value("rows").toArray().at(0).toArray().at(0).toInt(), 5);
    EXPECT_TRUE(send({{"sql", "SELECT * FROM NoSuchTable"}}).contains("error"));
    EXPECT_TRUE(call("NoSuchMethod").contains("error"));
    EXPECT_TRUE(send({{"set", "noSuchControl"}, {"text", "x"}}).contains("error"));
}

INSTANTIATE_TEST_SUITE_P(Engines, HostTest, ::testing::ValuesIn(enginesUnderTest()),
                         [](const auto& info) { return engineName(info.param).toStdString(); });

}  // namespace
}  // namespace tolmo::test
