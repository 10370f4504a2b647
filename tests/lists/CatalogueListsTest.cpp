// The subject, subject-code and state lists, and the injunction sum the code decides.

#include "core/lists/CatalogueLists.h"
#include "parties/FirmFixture.h"

namespace tolmo::test {
namespace {

class CatalogueListsTest : public FirmTest {
protected:
    core::CatalogueLists lists{services, form};
};

TEST_P(CatalogueListsTest, CivilSubjectsByTheirStartInRegisterOrder) {
    form.cmbClassificatore.setText(QStringLiteral("CIVILE"));
    EXPECT_EQ(open(form.cmbOggetto, QStringLiteral("Opposizione")),
              (QStringList{"510001", "510002", "530002"}));  // ruolo 5: materia 1, then 3
    EXPECT_EQ(column(form.cmbOggetto, 3), (QStringList{"Opposizione a sanzione amministrativa",
                                                       "Opposizione a verbale del Codice della strada",
                                                       "Opposizione a decreto ingiuntivo"}));
    EXPECT_EQ(form.cmbOggetto.cell(0, 1), QStringLiteral("CONTENZIOSO CIVILE"));
    EXPECT_EQ(form.cmbOggetto.cell(0, 2), QStringLiteral("Sanzioni amministrative"));
    EXPECT_EQ(form.cmbOggetto.text(), QStringLiteral("Opposizione"));
    EXPECT_EQ(form.cmbOggetto.selectedRow(), -1);
    EXPECT_EQ(open(form.cmbOggetto, QString()).size(), 27);
}

TEST_P(CatalogueListsTest, CriminalClassifierListsOnlyTheCriminalSubjects) {
    form.cmbClassificatore.setText(QStringLiteral(" PENALE "));
    const QStringList all = statementsOf([&] { open(form.cmbOggetto, QString()); });
    EXPECT_EQ(column(form.cmbOggetto, 3),
              (QStringList{"Appropriazione indebita", "Bancarotta fraudolenta", "Diffamazione a mezzo stampa",
                           "Furto aggravato", "Guida in stato di ebbrezza", "Lesioni personali stradali",
                           "Truffa"}));
    const QString sql = firstStartingWith(all, QStringLiteral("SELECT * FROM OggettoPratica"));
    EXPECT_TRUE(
        sql.startsWith(QStringLiteral("SELECT * FROM OggettoPratica WHERE idruolo=0 AND idmateria=0 AND "
                                      "idoggetto=0  ORDER BY IdRuolo, IdMateria, IdOggetto, Oggetto")))
        << sql.toStdString();
    EXPECT_EQ(column(form.cmbOggetto, 3).size(), 7);

    EXPECT_EQ(open(form.cmbOggetto, QStringLiteral("Inadempimento")), QStringList{});
    form.cmbClassificatore.setText(QStringLiteral("LAVORO"));
    EXPECT_EQ(open(form.cmbOggetto, QStringLiteral("Inadempimento")), QStringList{"530001"});
}

TEST_P(CatalogueListsTest, CodeListNeverListsASubjectWithoutCode) {
    EXPECT_EQ(open(form.cmbCodOggetto, QStringLiteral("01")),
              (QStringList{"010001", "010002", "010101", "010102", "010201", "010202"}));
    EXPECT_EQ(form.cmbCodOggetto.cell(0, 1), QStringLiteral("Decreto ingiuntivo"));
    const QStringList all = open(form.cmbCodOggetto, QString());
    EXPECT_EQ(all.size(), 20);
    EXPECT_FALSE(all.contains(QString()));
    EXPECT_EQ(
        core::CatalogueLists::sqlCodiceOggetto(QStringLiteral("0'1")),
        QStringLiteral("SELECT * FROM OggettoPratica WHERE Codice LIKE '0''1%' ESCAPE '\\' AND Codice <> '' "
                       "ORDER BY IdRuolo, IdMateria, IdOggetto, Oggetto"));
}

TEST_P(CatalogueListsTest, ApostropheInASubjectIsDoubled) {
    EXPECT_EQ(open(form.cmbOggetto, QStringLiteral("Provvedimento d'")), QStringList{"010202"});
    EXPECT_EQ(open(form.cmbOggetto, QStringLiteral("PROVVEDIMENTO D'")), QStringList{"010202"});  // any case
    EXPECT_TRUE(core::CatalogueLists::sqlOggetto(QStringLiteral("D'urgenza"), false)
                    .contains(QStringLiteral("WHERE OggettoRicerca LIKE 'd''urgenza%' ESCAPE '\\'")));
    EXPECT_TRUE(services.failures.empty());
}

TEST_P(CatalogueListsTest, ChoosingASubjectFillsCodeAndDescription) {
    open(form.cmbOggetto, QStringLiteral("Divorzio"));
    choose(form.cmbOggetto, 0);
    EXPECT_EQ(form.cmbCodOggetto.text(), QStringLiteral("550002"));
    EXPECT_EQ(form.cmbOggetto.text(), QStringLiteral("Divorzio contenzioso"));

    open(form.cmbCodOggetto, QStringLiteral("010001"));
    choose(form.cmbCodOggetto, 0);
    EXPECT_EQ(form.cmbOggetto.text(), QStringLiteral("Decreto ingiuntivo"));
    EXPECT_TRUE(form.TedDenaroSommaIng.visible());
    EXPECT_TRUE(form.lblSommaIng.visible());
    EXPECT_EQ(form.TEDDenaroValore.width(), 1575);

    open(form.cmbCodOggetto, QStringLiteral("0100"));
    choose(form.cmbCodOggetto, 1);
    EXPECT_EQ(form.cmbCodOggetto.text(), QStringLiteral("010002"));
    EXPECT_FALSE(form.TedDenaroSommaIng.visible());
    EXPECT_FALSE(form.lblSommaIng.visible());
    EXPECT_EQ(form.TEDDenaroValore.width(), 2415);
}

TEST_P(CatalogueListsTest, InjunctionSumIgnoresBlanksInTheCode) {
    lists.regolaSommaIngiunta(QStringLiteral(" 01 00 01 "));
    EXPECT_TRUE(form.TedDenaroSommaIng.visible());
    EXPECT_EQ(form.TEDDenaroValore.width(), 1575);
    lists.regolaSommaIngiunta(QStringLiteral("0100011"));
    EXPECT_FALSE(form.TedDenaroSommaIng.visible());
    EXPECT_EQ(form.TEDDenaroValore.width(), 2415);
}

TEST_P(CatalogueListsTest, StatesInAlphabeticalOrder) {
    form.fpStatoPra.fire(form::EventKind::DropDown);
    EXPECT_EQ(column(form.fpStatoPra, 0),
              (QStringList{"Archiviata", "Chiusa", "In corso", "Sospesa", "Transatta"}));
    form.fpStatoPra.fire(form::EventKind::DropDown);
    EXPECT_EQ(form.fpStatoPra.rowCount(), 5);
}

TEST_P(CatalogueListsTest, HostileTextNeverBreaksTheListsAndErrorsAreReported) {
    for (const QString& s : naughtyStrings(isSqlite())) {
        open(form.cmbOggetto, s);
        open(form.cmbCodOggetto, s);
    }
    EXPECT_TRUE(services.failures.empty()) << services.failures.front().toStdString();

    conn->Execute(QStringLiteral("ALTER TABLE OggettoPratica RENAME TO OggettoPraticaVecchio"));
    open(form.cmbCodOggetto, QStringLiteral("01"));
    conn->Execute(QStringLiteral("ALTER TABLE OggettoPraticaVecchio RENAME TO OggettoPratica"));
    ASSERT_EQ(services.failures.size(), 1u);
    EXPECT_TRUE(services.failures.front().startsWith(QStringLiteral("Caricamento Codici Pratica: ")));
    EXPECT_EQ(form.cmbCodOggetto.rowCount(), 0);
    ASSERT_EQ(services.interaction.messages().size(), 1u);
    EXPECT_TRUE(services.interaction.messages().front().text.startsWith(
        QStringLiteral("Azione : Caricamento Codici Pratica")));
}

INSTANTIATE_TEST_SUITE_P(Engines, CatalogueListsTest, ::testing::ValuesIn(enginesUnderTest()),
                         engineParamName);

}  // namespace
}  // namespace tolmo::test
