// The office picker (dlgUffici): the judicial tree over the national catalogue, the tax tree,
// the recent offices, the choice handed back to the case's office field.

#include "CaseFixture.h"
#include "schema/DemoFirm.h"

namespace tolmo::test {
namespace {

using namespace schema::demo;

const QJsonObject kElenco{{"set", "tsUffici"}, {"index", 0}};
const QJsonObject kTributari{{"set", "tsUffici"}, {"index", 1}};
const QJsonObject kDoppioClic{{"fire", "tvUffici"}, {"event", "DblClick"}};

QJsonObject nodo(const char* verb, const QString& key) { return {{"set", "tvUffici"}, {verb, key}}; }

class Offices : public CaseTest {
protected:
    /// Opens the picker from the case in modification and runs `script` in it.
    QList<QJsonObject> uffici(const QJsonArray& script) { return inDialog("dlgUffici", script, "cmdCerca"); }

    static QJsonArray nodi(const QJsonObject& dlg, const char* tree) {
        return dlg.value(tree).toObject().value("nodes").toArray();
    }
    static QJsonObject nodoDi(const QJsonObject& dlg, const char* tree, const QString& key) {
        for (const QJsonValue& n : nodi(dlg, tree))
            if (n.toObject().value("key").toString() == key) return n.toObject();
        return {};
    }
    static bool okAbilitato(const QJsonObject& dlg) {
        return dlg.value("cmdOk").toObject().value("enabled").toBool();
    }
    /// The ISTAT code of a municipality, as the catalogue keys its site.
    QString sito(const QString& nome) {
        return scalar(QStringLiteral("SELECT CODICE FROM SITO WHERE DESCRIZIONE = '%1'").arg(nome))
            .toVariant()
            .toString();
    }
    void modifica(int caso) {
        call("VisualizzaPratica", {caso});
        ASSERT_TRUE(call("Modifica").value("result").toBool());
    }
};

TEST_P(Offices, TheJudicialTreeShowsOnlySitesWithOfficesAndRegionsChooseNothing) {
    modifica(kPraEsposito);
    const QString roma = sito("Roma");
    const QString tribunale = QStringLiteral("UTRI0") + roma;  // the code keeps the six ISTAT digits
    const QString regione = QStringLiteral("R12");             // Lazio
    const auto d = uffici({kElenco, kDump, nodo("node", tribunale), kDump, nodo("node", regione), kDump,
                           nodo("node", regione), kDump, nodo("node", tribunale), click("cmdOk")});
    ASSERT_EQ(d.size(), 4);
    const QJsonArray tutti = nodi(d[0], "tvUffici");
    int regioni = 0, siti = 0, uffici = 0;
    for (const QJsonValue& v : tutti) {
        const QString key = v.toObject().value("key").toString();
        (key.startsWith('R') ? regioni : key.startsWith('C') ? siti : uffici)++;
        if (key.startsWith('U')) {
            EXPECT_EQ(v.toObject().value("image").toString(), "keyDot");
        }
    }
    EXPECT_EQ(regioni, 20);
    EXPECT_EQ(siti, scalar("SELECT COUNT(DISTINCT CODSITO) FROM UFFICIO").toInt());
    EXPECT_EQ(uffici, scalar("SELECT COUNT(*) FROM UFFICIO").toInt());
    // Every municipality is a site, but one without an office has no node.
    EXPECT_GT(scalar("SELECT COUNT(*) FROM SITO").toInt(), 7000);
    EXPECT_TRUE(nodoDi(d[0], "tvUffici", "C" + sito("Abano Terme")).isEmpty());
    EXPECT_EQ(nodoDi(d[0], "tvUffici", "C" + roma).value("parent").toString(), regione);
    EXPECT_FALSE(okAbilitato(d[0]));

    EXPECT_TRUE(okAbilitato(d[1]));  // an office chosen
    // A region clears the choice, and every click opens or closes the node.
    EXPECT_FALSE(okAbilitato(d[2]));
    EXPECT_TRUE(nodoDi(d[2], "tvUffici", regione).value("expanded").toBool());
    EXPECT_EQ(nodoDi(d[2], "tvUffici", regione).value("image").toString(), "keyMinus");
    EXPECT_FALSE(nodoDi(d[3], "tvUffici", regione).value("expanded").toBool());
    EXPECT_EQ(nodoDi(d[3], "tvUffici", regione).value("image").toString(), "keyPlus");

    EXPECT_EQ(text("txtUfficioIscrizione"), "TRIBUNALE DI ROMA");
    EXPECT_EQ(field("txtUfficioIscrizione").value("toolTip").toString(), "TRIBUNALE DI ROMA");
    EXPECT_EQ(field("txtUfficioIscrizione").value("tag").toString(), tribunale.mid(1));
    ASSERT_TRUE(call("Conferma").value("result").toBool());
    EXPECT_EQ(pratica(kPraEsposito).value("codufficio").toString(), tribunale.mid(1));
    EXPECT_EQ(pratica(kPraEsposito).value("ufficiogiudiziario").toString(), "TRIBUNALE DI ROMA");
}

TEST_P(Offices, ARegionalOfficeIsNamedAfterItsRegionAndTheKeyboardChoosesWithoutToggling) {
    modifica(kPraEsposito);
    const QString tar = QStringLiteral("UTAR0") + sito("Roma");
    // A move with the arrows selects without opening; a double click on an office answers.
    const auto d = uffici({kElenco, nodo("move", tar), kDump, kDoppioClic});
    ASSERT_EQ(d.size(), 1);
    EXPECT_TRUE(okAbilitato(d[0]));
    EXPECT_FALSE(nodoDi(d[0], "tvUffici", tar).value("expanded").toBool());
    EXPECT_EQ(text("txtUfficioIscrizione"), "TRIBUNALE AMMINISTRATIVO REGIONALE LAZIO (ROMA)");
    // A double click on a region answers nothing and leaves the dialog open; Annulla after an
    // office was chosen leaves the field as it was.
    const auto regione = uffici({kElenco, nodo("move", "R12"), kDoppioClic, kDump, click("cmdAnnulla")});
    ASSERT_EQ(regione.size(), 1);
    EXPECT_FALSE(okAbilitato(regione[0]));
    uffici({kElenco, nodo("node", QStringLiteral("UTRI0") + sito("Roma")), click("cmdAnnulla")});
    EXPECT_EQ(text("txtUfficioIscrizione"), "TRIBUNALE AMMINISTRATIVO REGIONALE LAZIO (ROMA)");
}

TEST_P(Offices, TheTaxTreeGroupsItsOfficesBySite) {
    modifica(kPraEsposito);
    const auto d = uffici({kTributari, kDump});
    ASSERT_EQ(d.size(), 1);
    QString sitoMilano;
    QStringList ufficiMilano;
    QSet<QString> chiavi;
    for (const QJsonValue& v : nodi(d[0], "tvUffTributari")) {
        const QJsonObject n = v.toObject();
        EXPECT_FALSE(chiavi.contains(n.value("key").toString()));
        chiavi.insert(n.value("key").toString());
        if (n.value("key").toString().startsWith('C') && n.value("text").toString() == "Milano")
            sitoMilano = n.value("key").toString();
        if (!sitoMilano.isEmpty() && n.value("parent").toString() == sitoMilano)
            ufficiMilano << n.value("text").toString();
    }
    ASSERT_FALSE(sitoMilano.isEmpty());
    EXPECT_EQ(ufficiMilano, (QStringList{"AGENZIA DELLE ENTRATE - DIREZIONE PROVINCIALE",
                                         "AGENZIA DELLE ENTRATE - DIREZIONE REGIONALE",
                                         "CORTE DI GIUSTIZIA TRIBUTARIA DI PRIMO GRADO",
                                         "CORTE DI GIUSTIZIA TRIBUTARIA DI SECONDO GRADO"}));
    EXPECT_EQ(chiavi.size(), scalar("SELECT COUNT(*) FROM UfficiTributari").toInt() + 20 +
                                 scalar("SELECT COUNT(DISTINCT CodSito) FROM UfficiTributari").toInt());
    const QString cg1 = QStringLiteral("UCG10") + sito("Milano");
    uffici({kTributari, QJsonObject{{"set", "tvUffTributari"}, {"node", cg1}}, click("cmdOk")});
    EXPECT_EQ(text("txtUfficioIscrizione"), "CORTE DI GIUSTIZIA TRIBUTARIA DI PRIMO GRADO DI MILANO");
    EXPECT_EQ(field("txtUfficioIscrizione").value("tag").toString(), cg1.mid(1));
}

TEST_P(Offices, TheRecentListHoldsTheFirstFifteenDistinctOfficesByStartDate) {
    sql("UPDATE Pratica SET CodUfficio = '', UfficioGiudiziario = ''");
    // 20 offices, each used by two cases, the later one a day after the earlier: the repeats fall
    // among the first rows read.
    for (int i = 0; i < 20; ++i) {
        for (int giorno : {28 - i, 29 - i}) {
            sql(QStringLiteral("INSERT INTO Pratica (Posizione, ID_Cliente, CodUfficio, UfficioGiudiziario, "
                               "DataInizio) VALUES ('R%1-%2', %3, 'X%1', 'UFFICIO %1', '2001-01-%4')")
                    .arg(i)
                    .arg(giorno)
                    .arg(kAnaBiancoAlessandro)
                    .arg(giorno, 2, 10, QChar('0')));
        }
    }
    modifica(kPraEsposito);
    const auto d = uffici({kDump, QJsonObject{{"set", "lvUfficiRecenti"}, {"row", 0}}, kDump,
                           QJsonObject{{"fire", "lvUfficiRecenti"}, {"event", "DblClick"}}});
    ASSERT_EQ(d.size(), 2);
    EXPECT_EQ(d[0].value("tsUffici").toObject().value("current").toInt(), 2);
    EXPECT_FALSE(d[0].value("lblAttendere").toObject().value("visible").toBool());
    QStringList attesi;
    for (int i = 19; i >= 5; --i)
        attesi << QStringLiteral("UFFICIO %1\t%2/01/2001\tX%1").arg(i).arg(28 - i, 2, 10, QChar('0'));
    QStringList righe;
    for (const QJsonValue& r : d[0].value("lvUfficiRecenti").toObject().value("rows").toArray())
        righe << r.toString();
    EXPECT_EQ(righe, attesi);
    EXPECT_FALSE(okAbilitato(d[0]));
    EXPECT_TRUE(okAbilitato(d[1]));
    EXPECT_EQ(text("txtUfficioIscrizione"), "UFFICIO 19");
    EXPECT_EQ(field("txtUfficioIscrizione").value("tag").toString(), "X19");
}

TEST_P(Offices, AFirmWithoutCaseOfficesOpensOnTheCatalogue) {
    sql("UPDATE Pratica SET CodUfficio = '', UfficioGiudiziario = ''");
    modifica(kPraEsposito);
    const auto d = uffici({kDump});
    ASSERT_EQ(d.size(), 1);
    EXPECT_EQ(d[0].value("tsUffici").toObject().value("current").toInt(), 0);
    EXPECT_TRUE(d[0].value("tsUffici").toObject().value("enabled").toBool());
    EXPECT_EQ(nodi(d[0], "tvUffici").size(),
              20 + scalar("SELECT COUNT(DISTINCT CODSITO) FROM UFFICIO").toInt() +
                  scalar("SELECT COUNT(*) FROM UFFICIO").toInt());
    EXPECT_TRUE(nodi(d[0], "tvUffTributari").isEmpty());  // filled when its tab is first shown
    EXPECT_TRUE(d[0].value("lvUfficiRecenti").toObject().value("rows").toArray().isEmpty());
}

TEST_P(Offices, ACaseOnlyViewedOpensNoPicker) {
    call("VisualizzaPratica", {kPraEsposito});
    EXPECT_FALSE(field("cmdCerca").value("enabled").toBool());
    const QString prima = text("txtUfficioIscrizione");
    EXPECT_TRUE(uffici({kDump}).isEmpty());
    EXPECT_EQ(text("txtUfficioIscrizione"), prima);
    ASSERT_TRUE(call("Modifica").value("result").toBool());
    EXPECT_TRUE(field("cmdCerca").value("enabled").toBool());
}

INSTANTIATE_TEST_SUITE_P(Engines, Offices, ::testing::ValuesIn(enginesUnderTest()),
                         [](const auto& info) { return engineName(info.param).toStdString(); });

}  // namespace
}  // namespace tolmo::test
