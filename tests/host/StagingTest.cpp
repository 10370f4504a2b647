// The staging export: one row per saved case in ST_CommesseGamma, when the firm asks for it,
// with the case's codes translated for the outside practice system.

#include "CaseFixture.h"
#include "schema/DemoFirm.h"

namespace tolmo::test {
namespace {

using namespace schema::demo;

class Staging : public CaseTest {
protected:
    void esporta(bool on) {
        sql(QStringLiteral("UPDATE ConfigGenerale SET GammaMod = %1").arg(on ? "TRUE" : "FALSE"));
    }
    bool salva(int caso) {
        if (!call("Modifica", {caso}).value("result").toBool()) return false;
        return call("Conferma").value("result").toBool();
    }
    QJsonArray riga(int caso) {
        return rows(
            QStringLiteral("SELECT stato, area_practice, responsabile, R_Id_Token, descrizione, Data_Inizio, "
                           "Data_chiusura, data_fine, cognome_resp, indirizzo_resp FROM ST_CommesseGamma "
                           "WHERE codice_commessa = %1")
                .arg(caso));
    }
};

TEST_P(Staging, NothingIsWrittenUnlessTheFirmExports) {
    esporta(false);
    ASSERT_TRUE(salva(kPraEsposito));
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM ST_CommesseGamma").toInt(), 0);
    sql("DELETE FROM ConfigGenerale");
    ASSERT_TRUE(salva(kPraEsposito));
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM ST_CommesseGamma").toInt(), 0);
}

TEST_P(Staging, OneRowPerCaseWithItsTranslatedCodesRefreshedByEverySave) {
    esporta(true);
    sql("UPDATE StatiPratica SET Racc_StatoGamma = 'G-APERTA' WHERE StatoPrat = 'In corso'");
    sql(QStringLiteral("UPDATE Classificatore SET Racc_AreaPracticeGamma = 'CIV' WHERE ID_Cla = %1")
            .arg(kClaCivile));
    sql(QStringLiteral("UPDATE Anagrafica SET R_id_token = 'TK-2' WHERE ID_Ana = %1")
            .arg(kAnaEspositoGiuseppe));
    ASSERT_TRUE(salva(kPraEsposito));
    const QJsonArray prima = riga(kPraEsposito);
    ASSERT_EQ(prima.size(), 1);
    const QJsonArray r = prima.at(0).toArray();
    EXPECT_EQ(r.at(0).toString(), "G-APERTA");
    EXPECT_EQ(r.at(1).toString(), "CIV");
    EXPECT_EQ(r.at(2).toInt(), pratica(kPraEsposito).value("id_referente").toInt());
    EXPECT_EQ(r.at(3).toString(), "TK-2");
    EXPECT_EQ(r.at(4).toString(), pratica(kPraEsposito).value("oggetto").toString());
    EXPECT_FALSE(r.at(5).isNull());  // the start date
    EXPECT_TRUE(r.at(6).isNull());   // no closing date: nothing written
    EXPECT_FALSE(r.at(8).toString().isEmpty());
    const QString prima_ts =
        scalar(QStringLiteral("SELECT timestamp FROM ST_CommesseGamma WHERE codice_commessa = %1")
                   .arg(kPraEsposito))
            .toString();

    // Saved again: the one row is refreshed, and the dates the case does not hold stay.
    sql(QStringLiteral("UPDATE ST_CommesseGamma SET Data_chiusura = '2030-01-31' WHERE codice_commessa = %1")
            .arg(kPraEsposito));
    ASSERT_TRUE(salva(kPraEsposito));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM ST_CommesseGamma WHERE codice_commessa = %1")
                         .arg(kPraEsposito))
                  .toInt(),
              1);
    EXPECT_EQ(riga(kPraEsposito).at(0).toArray().at(6).toString(), "31/01/2030");
    EXPECT_GE(scalar(QStringLiteral("SELECT timestamp FROM ST_CommesseGamma WHERE codice_commessa = %1")
                         .arg(kPraEsposito))
                  .toString(),
              prima_ts);
}

TEST_P(Staging, MissingMappingsGiveTheirDefaults) {
    esporta(true);
    sql("UPDATE StatiPratica SET Racc_StatoGamma = ''");
    sql(QStringLiteral("DELETE FROM ST_CommesseGamma"));
    // A client without a token: "0".
    sql(QStringLiteral("UPDATE Anagrafica SET R_id_token = NULL"));
    ASSERT_TRUE(salva(kPraBianco));
    const QJsonArray r = riga(kPraBianco).at(0).toArray();
    EXPECT_EQ(r.at(0).toString(), "");
    EXPECT_EQ(r.at(3).toString(), "0");

    const QJsonObject dati = call("RetrieveDatiStaging", {"Stato che non esiste"}).value("result").toObject();
    EXPECT_EQ(dati.keys().size(), 8);
    EXPECT_EQ(dati.value("STATO").toString(), "");
    EXPECT_EQ(dati.value("TOKEN").toString(), "0");
}

INSTANTIATE_TEST_SUITE_P(Engines, Staging, ::testing::ValuesIn(enginesUnderTest()),
                         [](const auto& info) { return engineName(info.param).toStdString(); });

}  // namespace
}  // namespace tolmo::test
