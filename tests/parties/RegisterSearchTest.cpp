// The general party search with the reserved-visibility filter, and names by id.

#include "parties/FirmFixture.h"
#include "parties/InvolvedSubjects.h"
#include "parties/PartyLookups.h"

namespace tolmo::test {
namespace {

class RegisterSearch : public FirmTest {
protected:
    /// Ids the general search lists for `typed`, as user `user` sees them.
    QStringList idsFor(int user, const QString& typed = {}) {
        setUser(user);
        subjects.fields.cmbSoggetto.setText(typed);
        parties::CercaAnagrafica(services, subjects.fields.cmbSoggetto);
        return column(subjects.fields.cmbSoggetto, 2);
    }
    static QString id(int v) { return QString::number(v); }
    parties::PartyLookups lookups{services, form};
    parties::InvolvedSubjects subjects{services, form};
};

TEST_P(RegisterSearch, UserTwoSeesEveryPartyButThePlaceholder) {
    const QStringList all = idsFor(demo::kUtenteRossi);
    for (int reserved :
         {demo::kAnaDellOrtoChiara, demo::kAnaContiElena, demo::kAnaCattaneoMarta, demo::kAnaVillaGiorgio})
        EXPECT_TRUE(all.contains(id(reserved))) << reserved;
    EXPECT_FALSE(all.contains(id(demo::kAnaNullo)));
    EXPECT_EQ(all.size(), demo::kAnagrafiche - 1);
}

TEST_P(RegisterSearch, ReservedPartiesAreHiddenFromOtherUsers) {
    // Only in the group TUTTI: nothing reserved to a user or a group.
    const QStringList admin = idsFor(demo::kUtenteAmministratore);
    for (int reserved :
         {demo::kAnaDellOrtoChiara, demo::kAnaContiElena, demo::kAnaCattaneoMarta, demo::kAnaVillaGiorgio})
        EXPECT_FALSE(admin.contains(id(reserved))) << reserved;
    EXPECT_TRUE(admin.contains(id(demo::kAnaEspositoGiuseppe)));

    const QStringList ferrari = idsFor(demo::kUtenteFerrari);
    EXPECT_FALSE(ferrari.contains(id(demo::kAnaDellOrtoChiara)));  // reserved to user 3
    EXPECT_TRUE(ferrari.contains(id(demo::kAnaVillaGiorgio)));     // reserved to user 4 himself
    EXPECT_TRUE(ferrari.contains(id(demo::kAnaContiElena)));       // group PENALE

    EXPECT_EQ(idsFor(demo::kUtenteBianchi, QStringLiteral("Dell'")),
              (QStringList{id(demo::kAnaDellAcquaPietro), id(demo::kAnaDellOrtoChiara)}));
    EXPECT_EQ(idsFor(demo::kUtenteFerrari, QStringLiteral("  Dell' ")),
              QStringList{id(demo::kAnaDellAcquaPietro)});
    EXPECT_TRUE(services.failures.empty());
    EXPECT_EQ(services.interaction.pointer(), form::PointerDefault);
}

TEST_P(RegisterSearch, SearchClearsTheSelectionAndSurvivesHostileText) {
    idsFor(demo::kUtenteRossi, QStringLiteral("Esp"));
    subjects.fields.cmbSoggetto.setSelectedRow(0);
    EXPECT_EQ(idsFor(demo::kUtenteRossi, QStringLiteral("Esposito")).size(), 2);
    EXPECT_EQ(subjects.fields.cmbSoggetto.selectedRow(), -1);

    setUser(demo::kUtenteGatti);
    for (const QString& s : naughtyStrings(isSqlite())) {
        subjects.fields.cmbSoggetto.setText(s);
        parties::CercaAnagrafica(services, subjects.fields.cmbSoggetto);
    }
    EXPECT_TRUE(services.failures.empty()) << services.failures.front().toStdString();
}

TEST_P(RegisterSearch, NamesByIdAreTrimmedAndJoinedByAComma) {
    EXPECT_EQ(lookups.NomeAnagrafica(demo::kAnaDAngeloMaria), QStringLiteral("D'Angelo,Maria"));
    EXPECT_EQ(lookups.NomeAnagrafica(9999), QString());
    QString cognome, nome;
    EXPECT_TRUE(lookups.nomiAnagrafica(demo::kAnaEdilnord, &cognome, &nome));
    EXPECT_EQ(cognome, QStringLiteral("Edilnord Costruzioni S.r.l."));
    EXPECT_EQ(nome, QString());
}

TEST_P(RegisterSearch, AFailedSearchIsReportedAndLeavesTheListEmpty) {
    conn->Execute(QStringLiteral("ALTER TABLE Anagrafica RENAME TO AnagraficaVecchia"));
    subjects.fields.cmbSoggetto.setRows({QStringLiteral("vecchia\triga\t1")});
    parties::CercaAnagrafica(services, subjects.fields.cmbSoggetto);
    conn->Execute(QStringLiteral("ALTER TABLE AnagraficaVecchia RENAME TO Anagrafica"));
    ASSERT_EQ(services.failures.size(), 1u);
    EXPECT_TRUE(services.failures.front().startsWith(QStringLiteral("Ricerca Anagrafica: ")));
    EXPECT_EQ(subjects.fields.cmbSoggetto.rowCount(), 0);
    EXPECT_EQ(services.interaction.pointer(), form::PointerDefault);
}

INSTANTIATE_TEST_SUITE_P(Engines, RegisterSearch, ::testing::ValuesIn(enginesUnderTest()), engineParamName);

}  // namespace
}  // namespace tolmo::test
