// What other code relies on in the demo firm, on every engine under test.

#include <gtest/gtest.h>

#include <QSqlQuery>
#include <QSqlRecord>
#include <map>

#include "schema/DemoFirm.h"
#include "schema/Schema.h"
#include "support/TestDb.h"

namespace tolmo::test {
namespace {

namespace demo = schema::demo;

class DemoFirm : public ::testing::TestWithParam<Engine> {
protected:
    /// One demo firm per engine, shared by the suite: it is only read.
    static ConnectionPtr firm(Engine e) {
        auto& slot = s_firms[e];
        if (!slot.first) {
            slot.first = std::make_unique<ScratchDatabase>(e);
            slot.second = schema::openDatabase(slot.first->url());
        }
        return slot.second;
    }
    static void TearDownTestSuite() { s_firms.clear(); }

    ConnectionPtr c = firm(GetParam());

    QVariant scalar(const QString& sql, const QVariantList& params = {}) {
        QSqlQuery q = c->query(sql, params);
        return q.next() ? q.value(0) : QVariant();
    }
    int count(const QString& sql, const QVariantList& params = {}) { return scalar(sql, params).toInt(); }
    QStringList column(const QString& sql, const QVariantList& params = {}) {
        QStringList values;
        QSqlQuery q = c->query(sql, params);
        while (q.next()) values << q.value(0).toString();
        return values;
    }

private:
    static inline std::map<Engine, std::pair<std::unique_ptr<ScratchDatabase>, ConnectionPtr>> s_firms;
};

TEST_P(DemoFirm, ConfigurationReadsAsTheComponentExpects) {
    Recordset rs(c, QStringLiteral("SELECT * FROM ConfigGenerale"), adLockReadOnly);
    EXPECT_EQ(rs.RecordCount(), 1);
    EXPECT_TRUE(rs.value(QStringLiteral("NumAuto")).toBool());
    EXPECT_EQ(rs.text(QStringLiteral("ValutaDefault")), QStringLiteral("EURO"));
    EXPECT_EQ(rs.currency(QStringLiteral("CambioLiraEuro")), Currency::fromRaw(19362700));
    EXPECT_EQ(rs.value(QStringLiteral("CambioLiraEuro")).toDouble(), 1936.27);
    EXPECT_EQ(rs.text(QStringLiteral("StrutturaCartelle")), QStringLiteral("CLI_CO_POS"));
    EXPECT_FALSE(rs.value(QStringLiteral("GammaMod")).toBool());
}

TEST_P(DemoFirm, SubjectCatalogueHasTheCodesOfTheCourtFeeRules) {
    for (const char* code : {"010001", "510001", "510002", "610001"})
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM OggettoPratica WHERE Codice = ?"), {code}), 1)
            << code;
    EXPECT_GE(count(QStringLiteral("SELECT COUNT(*) FROM OggettoPratica WHERE Codice <> ''")), 16);
    // Criminal subjects: three zero ids and no code.
    EXPECT_GT(count(QStringLiteral(
                  "SELECT COUNT(*) FROM OggettoPratica WHERE idruolo=0 AND idmateria=0 AND idoggetto=0")),
              0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM OggettoPratica WHERE idruolo=0 AND idmateria=0 AND "
                                   "idoggetto=0 AND Codice <> ''")),
              0);
}

TEST_P(DemoFirm, CourtFeeBracketsGiveTheFeesInForce) {
    const auto fee = [&](const char* value) {
        return Currency::fromVariant(
            scalar(QStringLiteral("SELECT Valore FROM ScaglioniContributo WHERE MinoreUguale >=") + value +
                   QStringLiteral(" AND Maggiore <") + value));
    };
    EXPECT_EQ(fee("0.01"), Currency::fromUnits(43));
    EXPECT_EQ(fee("1100"), Currency::fromUnits(43));
    EXPECT_EQ(fee("1100.01"), Currency::fromUnits(98));
    EXPECT_EQ(fee("18500"), Currency::fromUnits(237));
    EXPECT_EQ(fee("52000"), Currency::fromUnits(518));
    EXPECT_EQ(fee("260000"), Currency::fromUnits(759));
    EXPECT_EQ(fee("520000"), Currency::fromUnits(1214));
    EXPECT_EQ(fee("600000"), Currency::fromUnits(1686));
}

/// The check digit of an eleven-digit partita IVA is right.
bool validPartitaIva(const QString& p) {
    if (p.size() != 11) return false;
    int sum = 0;
    for (int i = 0; i < 11; ++i) {
        int d = p[i].digitValue();
        if (i % 2 == 1) d = d * 2 > 9 ? d * 2 - 9 : d * 2;
        sum += d;
    }
    return sum % 10 == 0;
}

TEST_P(DemoFirm, PartiesOfEveryCategoryWithTheirCodes) {
    EXPECT_EQ(scalar(QStringLiteral("SELECT Cognome FROM Anagrafica WHERE ID_Ana = 1")).toString(),
              QStringLiteral("NULLO"));
    for (const char* category :
         {"Cliente", "Controparte", "AVV. C/P", "Corrispondente", "Istruttore", "PROCACCIATORE"})
        EXPECT_GE(count(QStringLiteral("SELECT COUNT(*) FROM Anagrafica WHERE Categoria = ? AND Id_Ana <> 1"),
                        {category}),
                  2)
            << category;
    EXPECT_GE(count(QStringLiteral("SELECT COUNT(*) FROM Anagrafica WHERE Categoria IS NULL")), 3);
    EXPECT_GE(count(QStringLiteral("SELECT COUNT(*) FROM Anagrafica WHERE Cognome LIKE ?"), {"D'%"}), 2);
    EXPECT_GE(count(QStringLiteral("SELECT COUNT(*) FROM Anagrafica WHERE Cognome LIKE ?"), {"%'%"}), 4);
    EXPECT_GE(count(QStringLiteral("SELECT COUNT(*) FROM Anagrafica WHERE IdRiservata > 0")), 2);
    EXPECT_GE(count(QStringLiteral("SELECT COUNT(*) FROM Anagrafica WHERE fkGruppo IS NOT NULL")), 2);
    EXPECT_GE(count(QStringLiteral("SELECT COUNT(*) FROM Anagrafica WHERE StatoPolis >= 2")), 2);

    QSqlQuery q =
        c->query(QStringLiteral("SELECT Cognome, IsFisicaGiuridica, CodiceFiscale, PartitaIva, ProvinciaRes "
                                "FROM Anagrafica WHERE ID_Ana <> 1"));
    int people = 0, companies = 0;
    while (q.next()) {
        const QString who = q.value(0).toString();
        if (q.value(4).toString() == QLatin1String("EE")) continue;  // seat abroad
        if (q.value(1).toBool()) {
            ++people;
            EXPECT_EQ(q.value(2).toString().size(), 16) << who.toStdString();
        } else {
            ++companies;
            EXPECT_TRUE(validPartitaIva(q.value(3).toString())) << who.toStdString();
        }
    }
    EXPECT_GT(people, 10);
    EXPECT_GT(companies, 3);
}

TEST_P(DemoFirm, CasesHangTogether) {
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM Pratica")), demo::kPratiche);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM Pratica WHERE ID_Pra = ?"), {demo::kPraRiservata}),
              1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT NumPos FROM Pratica ORDER BY NumPos DESC")).toInt(), 113);
    EXPECT_EQ(scalar(QStringLiteral("SELECT NumPos FROM Pratica WHERE Posizione = '108/A'")).toInt(), 108);
    // Every criminal case has its criminal row, and no other case has one.
    const int criminal =
        count(QStringLiteral("SELECT COUNT(*) FROM Pratica WHERE ID_Cla = ?"), {demo::kClaPenale});
    EXPECT_GE(criminal, 3);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM Pratica INNER JOIN PraPenale ON Pratica.ID_Pra = "
                                   "PraPenale.ID_Pra WHERE Pratica.ID_Cla = ?"),
                    {demo::kClaPenale}),
              criminal);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM PraPenale")), criminal);
    // Offices, parties and classifiers a case names exist.
    EXPECT_EQ(
        count(QStringLiteral("SELECT COUNT(*) FROM Pratica p LEFT JOIN UFFICIO u ON u.Codice = p.CodUfficio "
                             "WHERE p.CodUfficio <> '' AND u.Codice IS NULL")),
        0);
    EXPECT_GE(count(QStringLiteral("SELECT COUNT(*) FROM Pratica WHERE CodUfficio <> ''")), 10);
    EXPECT_EQ(count(QStringLiteral(
                  "SELECT COUNT(*) FROM Pratica p LEFT JOIN Anagrafica a ON a.ID_Ana = p.ID_Cliente "
                  "WHERE a.ID_Ana IS NULL")),
              0);
    EXPECT_EQ(count(QStringLiteral(
                  "SELECT COUNT(*) FROM Pratica p LEFT JOIN Classificatore k ON k.ID_Cla = p.ID_Cla "
                  "WHERE k.ID_Cla IS NULL")),
              0);
    // The lawyers' text lists the involved lawyers in the order of their rows.
    const QStringList ids = column(QStringLiteral("SELECT ID_Pra FROM Pratica ORDER BY ID_Pra"));
    const QStringList texts = column(QStringLiteral("SELECT AvvCoinvolti FROM Pratica ORDER BY ID_Pra"));
    ASSERT_EQ(ids.size(), texts.size());
    for (qsizetype i = 0; i < ids.size(); ++i) {
        const QStringList names =
            column(QStringLiteral("SELECT NomeAvv FROM R_PraUte WHERE id_PraSel = ? ORDER BY idpraute"),
                   {ids[i].toInt()});
        EXPECT_EQ(texts[i], names.join(u',')) << ids[i].toStdString();
    }
    // Linked cases share the key of the case the link was made from.
    EXPECT_EQ(column(QStringLiteral("SELECT ID_Pra FROM Pratica WHERE R_IdCollegamento = ? ORDER BY ID_Pra"),
                     {demo::kPraEdilnord}),
              QStringList({QString::number(demo::kPraEdilnord), QString::number(demo::kPraDAmico)}));
    EXPECT_EQ(
        count(QStringLiteral("SELECT COUNT(*) FROM PrestazioniAR WHERE R_IdPra = ?"), {demo::kPraSantoro}),
        1);
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM Scadenze WHERE Effettuato = ?"), {false}), 5);
}

TEST_P(DemoFirm, InvoicesInEuroLireAndForeignCurrenciesWithRates) {
    const QStringList currencies = column(QStringLiteral("SELECT DISTINCT Valuta FROM Fatture"));
    EXPECT_TRUE(currencies.contains(QStringLiteral("EURO")));
    EXPECT_TRUE(currencies.contains(QStringLiteral("LIRA")));
    QStringList foreign = currencies;
    foreign.removeAll(QStringLiteral("EURO"));
    foreign.removeAll(QStringLiteral("LIRA"));
    ASSERT_FALSE(foreign.isEmpty());
    for (const QString& symbol : foreign)
        EXPECT_GT(count(QStringLiteral(
                            "SELECT COUNT(*) FROM ValuteEstere INNER JOIN CambiValute ON ValuteEstere.Id = "
                            "CambiValute.IdValuta WHERE Simbolo = ?"),
                        {symbol}),
                  0)
            << symbol.toStdString();
    // A foreign invoice without its own rate, converted with the rates on file.
    EXPECT_GT(count(QStringLiteral(
                  "SELECT COUNT(*) FROM Fatture WHERE Valuta NOT IN ('EURO', 'LIRA') AND Cambio = 1")),
              0);
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM Fatture WHERE TipoFattura = 5")), 0);
}

TEST_P(DemoFirm, OfficesOfEveryRegion) {
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM REGIONE")), 20);
    EXPECT_EQ(count(QStringLiteral(
                  "SELECT COUNT(*) FROM REGIONE r WHERE NOT EXISTS (SELECT 1 FROM SITO s INNER JOIN "
                  "UFFICIO u ON s.CODICE = u.CODSITO WHERE s.CODREGIONE = r.Codice)")),
              0);
    EXPECT_EQ(count(QStringLiteral(
                  "SELECT COUNT(*) FROM REGIONE r WHERE NOT EXISTS (SELECT 1 FROM SITO s INNER JOIN "
                  "UfficiTributari u ON s.CODICE = u.CodSito WHERE s.CODREGIONE = r.Codice)")),
              0);
    // The picker's own query for Lazio lists Roma, which also seats the Court of Cassation.
    EXPECT_TRUE(
        column(QStringLiteral(
                   "SELECT DISTINCT SITO.* FROM SITO INNER JOIN UFFICIO ON SITO.CODICE = UFFICIO.CODSITO "
                   "WHERE SITO.CODREGIONE = 12 ORDER BY SITO.DESCRIZIONE Asc"))
            .contains(QStringLiteral("58091")));
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT SITO.DESCRIZIONE FROM SITO INNER JOIN UFFICIO ON SITO.CODICE = "
                              "UFFICIO.CODSITO WHERE UFFICIO.Descrizione = 'CORTE SUPREMA DI CASSAZIONE'"))
            .toString(),
        QStringLiteral("Roma"));
    EXPECT_GE(count(QStringLiteral("SELECT COUNT(*) FROM SITO")), 100);
}

/// Every row of every table, as text, table by table.
QStringList dump(Connection& c) {
    QStringList lines;
    for (const schema::TableInfo& t : schema::tables()) {
        QSqlQuery q = c.query(QStringLiteral("SELECT * FROM %1 ORDER BY %2").arg(t.name, t.primaryKey));
        while (q.next()) {
            QStringList values;
            for (int i = 0; i < q.record().count(); ++i) values << q.value(i).toString();
            lines << t.name + QLatin1Char(':') + values.join(u'|');
        }
    }
    return lines;
}

TEST_P(DemoFirm, IsTheSameEveryTime) {
    ScratchDatabase other(GetParam());
    ConnectionPtr second = schema::openDatabase(other.url());
    const QStringList a = dump(*c), b = dump(*second);
    EXPECT_GT(a.size(), 500);
    EXPECT_TRUE(a == b);
}

INSTANTIATE_TEST_SUITE_P(Engines, DemoFirm, ::testing::ValuesIn(enginesUnderTest()),
                         [](const auto& info) { return engineName(info.param).toStdString(); });

}  // namespace
}  // namespace tolmo::test
