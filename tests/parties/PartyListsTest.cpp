// The type-ahead lists of the case form: what they list, what a choice remembers and what
// undoes it, driven as a person would.

#include <QRegularExpression>
#include <QSqlQuery>

#include "parties/FirmFixture.h"
#include "parties/PartyLookups.h"

namespace tolmo::test {
namespace {

class PartyLists : public FirmTest {
protected:
    /// The procurer list of the references tab, read as the component reads it once.
    void caricaProcacciatori() {
        procurers.setText(QString());
        parties::riempieDaRegistro(services, procurers, parties::PartyLookups::queryProcacciatori(),
                                   QStringLiteral("Caricamento Procacciatori"));
    }
    parties::PartyLookups lookups{services, form};
    parties::PartyFields& fields = lookups.fields;
    parties::PartyChoices& ids = lookups.choices();
    form::ListControl procurers{nullptr, QStringLiteral("cmbProcacciatore"), form::ControlKind::ComboBox, 3};
};

TEST_P(PartyLists, ApostropheIsDoubledAndFindsTheSurnames) {
    const QString base =
        QStringLiteral("SELECT Cognome, Nome, ID_Ana, CognomeRicerca, NomeRicerca, ID_Ana FROM Anagrafica");
    const QString sql =
        firstStartingWith(statementsOf([&] { open(fields.cmbFatturaACognome, QStringLiteral("D'")); }), base);
    EXPECT_EQ(column(fields.cmbFatturaACognome, 0), (QStringList{"D'Amico", "D'Angelo"}));
    EXPECT_TRUE(
        sql.startsWith(base + QStringLiteral(" WHERE ((CognomeRicerca LIKE 'd''%' ESCAPE '\\')) ORDER BY "
                                             "CognomeRicerca, NomeRicerca, ID_Ana")))
        << sql.toStdString();

    // A correspondent whose surname starts the same way.
    addParty(QStringLiteral("D'Alessio"), QStringLiteral("Marco"), QStringLiteral("Corrispondente"));
    EXPECT_EQ(open(fields.cmbCorrispondente, QStringLiteral("D'")), QStringList{QStringLiteral("D'Alessio")});
    conn->Execute(QStringLiteral("DELETE FROM Anagrafica WHERE Cognome = ?"), {QStringLiteral("D'Alessio")});
    EXPECT_TRUE(services.failures.empty());
}

TEST_P(PartyLists, OnlySpacesRunTheTypedQueryWithAPercentPattern) {
    const QString sql =
        firstStartingWith(statementsOf([&] { open(fields.cmbCorrispondente, QStringLiteral("   ")); }),
                          QStringLiteral("SELECT Cognome, Nome, ID_Ana"));
    EXPECT_TRUE(
        sql.contains(QStringLiteral(" WHERE ((CognomeRicerca LIKE '%' ESCAPE '\\') AND (Categoria = "
                                    "'Corrispondente' OR Categoria Is Null)) ORDER BY")))
        << sql.toStdString();
    const QStringList typed = column(fields.cmbCorrispondente, 0);
    EXPECT_TRUE(typed.contains(QStringLiteral("Caruso")));
    EXPECT_TRUE(typed.contains(QStringLiteral("Santoro")));  // no category: listed everywhere
    EXPECT_FALSE(typed.contains(QStringLiteral("Gallo")));
    EXPECT_EQ(fields.cmbCorrispondente.text(), QStringLiteral("   "));

    const QStringList empty = open(fields.cmbCorrispondente, QString());
    EXPECT_EQ(empty.size(), typed.size());
    EXPECT_EQ(fields.cmbCorrispondente.cell(0, 2).toInt(), demo::kAnaBarbieriSilvia);  // by surname
}

TEST_P(PartyLists, EachListKeepsToItsCategory) {
    const QStringList lawyers = open(fields.cmbCognomeLegaleCP, QString());
    EXPECT_TRUE(lawyers.contains(QStringLiteral("Dell'Acqua")));
    EXPECT_TRUE(lawyers.contains(QStringLiteral("De Luca")));
    EXPECT_FALSE(lawyers.contains(QStringLiteral("NULLO")));
    EXPECT_FALSE(lawyers.contains(QStringLiteral("Caruso")));

    EXPECT_EQ(open(form.txtIstruttore, QStringLiteral("Ma")), (QStringList{"Mancini", "Marchetti"}));

    caricaProcacciatori();
    EXPECT_EQ(procurers.rowCount(), 2);  // exactly that category: no party without one
    EXPECT_EQ(column(procurers, 2),
              (QStringList{QString::number(demo::kAnaIlPortico), QString::number(demo::kAnaFerriMassimo)}));
    EXPECT_EQ(services.interaction.pointerHistory().back(), form::PointerDefault);
}

TEST_P(PartyLists, LawyerChoiceLastsUntilAKeyOtherThanEnterCtrlAltCapsLockOrEsc) {
    open(fields.cmbCognomeLegaleCP, QStringLiteral("Fon"));
    ASSERT_EQ(fields.cmbCognomeLegaleCP.rowCount(), 1);
    choose(fields.cmbCognomeLegaleCP, 0);
    EXPECT_EQ(ids.idAcp, demo::kAnaFontanaLaura);
    EXPECT_EQ(ids.nomeAcp, QStringLiteral("Laura"));
    EXPECT_EQ(fields.txtNomeLegaleControparte.text(), QStringLiteral("Laura"));

    namespace k = form::keys;
    for (const int key : {k::Enter, k::Esc, k::Ctrl, k::Alt, k::CapsLock})
        press(fields.cmbCognomeLegaleCP, key, form::EventKind::KeyDown);
    fields.txtNomeLegaleControparte.setText(QStringLiteral("Laura"));
    EXPECT_EQ(ids.idAcp, demo::kAnaFontanaLaura);
    for (const int key : {k::Down, k::Home, k::F1 + 1, k::Shift}) {
        choose(fields.cmbCognomeLegaleCP, 0);
        press(fields.cmbCognomeLegaleCP, key, form::EventKind::KeyDown);
        EXPECT_EQ(ids.idAcp, 1) << key;
    }

    choose(fields.cmbCognomeLegaleCP, 0);
    fields.txtNomeLegaleControparte.setText(QStringLiteral("Lauretta"));
    EXPECT_EQ(ids.idAcp, 1);

    choose(fields.cmbCognomeLegaleCP, 0);
    fields.cmbCognomeLegaleCP.setText(QStringLiteral("Fontanella"));  // pasted, no key pressed
    EXPECT_EQ(ids.idAcp, 1);
}

TEST_P(PartyLists, CorrespondentAndInvoicePartyAreUndoneByEditing) {
    open(fields.cmbCorrispondente, QStringLiteral("Car"));
    choose(fields.cmbCorrispondente, 0);
    EXPECT_EQ(ids.idCorrispondente, demo::kAnaCarusoGiovanni);
    EXPECT_EQ(fields.cmbCorrispondente.text(), QStringLiteral("Caruso"));
    EXPECT_EQ(fields.txtNomeCorrispondente.text(), QStringLiteral("Giovanni"));
    fields.txtNomeCorrispondente.setText(QStringLiteral("Gianni"));
    EXPECT_EQ(ids.idCorrispondente, 0);
    choose(fields.cmbCorrispondente, 0);
    fields.cmbCorrispondente.setText(QStringLiteral("Carusi"));
    EXPECT_EQ(ids.idCorrispondente, 0);

    open(fields.cmbFatturaACognome, QStringLiteral("Edil"));
    choose(fields.cmbFatturaACognome, 0);
    EXPECT_EQ(ids.idFatturareA, demo::kAnaEdilnord);
    fields.cmbFatturaACognome.setText(QStringLiteral("Edilsud"));
    EXPECT_EQ(ids.idFatturareA, 0);

    open(form.txtIstruttore, QStringLiteral("Rin"));
    choose(form.txtIstruttore, 0);
    EXPECT_EQ(ids.idIstruttore, demo::kAnaRinaldiGiovanna);
    EXPECT_EQ(form.txtIstruttore.text(), QStringLiteral("Rinaldi"));
}

TEST_P(PartyLists, FillingACaseLeavesTheRememberedIdsAlone) {
    services.isFilling = true;
    ids.idCorrispondente = demo::kAnaBarbieriSilvia;
    ids.nomeCorrispondente = QStringLiteral("Silvia");
    ids.idAcp = demo::kAnaGalloStefano;
    ids.idFatturareA = demo::kAnaEdilnord;
    fields.cmbCorrispondente.setText(QStringLiteral("Barbieri"));
    fields.txtNomeCorrispondente.setText(QStringLiteral("Silvia B."));
    fields.txtNomeLegaleControparte.setText(QStringLiteral("Stefano"));
    press(fields.cmbCognomeLegaleCP, 'x');
    fields.cmbFatturaACognome.setText(QStringLiteral("Edilnord"));
    EXPECT_EQ(ids.idCorrispondente, demo::kAnaBarbieriSilvia);
    EXPECT_EQ(ids.idAcp, demo::kAnaGalloStefano);
    EXPECT_EQ(ids.idFatturareA, demo::kAnaEdilnord);
}

TEST_P(PartyLists, NaughtyStringsNeverBreakAQueryAndFindTheirParty) {
    const QStringList strings = naughtyStrings(isSqlite());
    ASSERT_GT(strings.size(), 400);
    for (const QString& s : strings)
        for (form::ListControl* list : {&fields.cmbCognomeLegaleCP, &fields.cmbCorrispondente,
                                        &fields.cmbFatturaACognome, &form.txtIstruttore})
            open(*list, s);
    EXPECT_TRUE(services.failures.empty()) << services.failures.front().toStdString();

    // Parties named by the strings are found by typing the start of their surname.
    QStringList surnames;
    for (const QString& s : strings)
        if (!s.trimmed().isEmpty() && !s.front().isSpace() && s.size() <= 150) surnames.append(s);
    {
        Transaction batch(*conn);
        for (const QString& s : surnames)
            addParty(s, QStringLiteral("Naughty"), QStringLiteral("Corrispondente"));
        batch.commit();
    }
    for (const QString& s : surnames) {
        const QList<uint> points = s.toUcs4();  // never half a surrogate pair
        const QString start =
            QString::fromUcs4(points.constData(), std::max<qsizetype>(1, points.size() / 2)).trimmed();
        open(fields.cmbCorrispondente, start);
        const int row = fields.cmbCorrispondente.findRow(0, QString(s).replace(u'\t', u' '));
        ASSERT_GE(row, 0) << s.toStdString();
        EXPECT_EQ(fields.cmbCorrispondente.cell(row, 1), QStringLiteral("Naughty"));
    }
    conn->Execute(QStringLiteral("DELETE FROM Anagrafica WHERE Nome = 'Naughty'"));
    EXPECT_TRUE(services.failures.empty());
}

// A register of a million parties answers a look-up by walking the search-key index in the
// list's order, filtering on what the index carries: a list that sorted every match, or read
// the table row of every matching surname, would take seconds there.
TEST_P(PartyLists, EveryLookUpWalksTheSearchKeyIndexInOrder) {
    if (!isSqlite()) GTEST_SKIP() << "PostgreSQL chooses its plan from the table's statistics";
    setUser(demo::kUtenteRomano);
    const QStringList statements = statementsOf([&] {
        for (form::ListControl* list : {&fields.cmbCognomeLegaleCP, &fields.cmbCorrispondente,
                                        &fields.cmbFatturaACognome, &form.txtIstruttore})
            for (const QString& typed : {QStringLiteral("Ro"), QString()}) open(*list, typed);
        caricaProcacciatori();
        for (const QString& typed : {QStringLiteral("Ro"), QString()}) {
            fields.cmbFatturaACognome.setText(typed);
            parties::CercaAnagrafica(services, fields.cmbFatturaACognome);
        }
    });
    const QRegularExpression page(QStringLiteral("\\s+LIMIT \\? OFFSET \\?$"));
    int planned = 0;
    for (QString sql : statements) {
        if (!sql.contains(QStringLiteral("FROM Anagrafica"))) continue;
        sql.remove(page);
        QSqlQuery plan = conn->query(QStringLiteral("EXPLAIN QUERY PLAN ") + sql);
        QStringList steps;
        while (plan.next()) steps << plan.value(3).toString();
        const QString walk = steps.join(u'\n');
        EXPECT_TRUE(walk.contains(QStringLiteral("INDEX IX_Anagrafica_CognomeRicerca")) &&
                    !walk.contains(QStringLiteral("TEMP B-TREE")))
            << sql.toStdString() << "\n"
            << walk.toStdString();
        ++planned;
    }
    EXPECT_EQ(planned, 11);  // four type-ahead lists twice, the procurers once, the general search twice
}

// Look-ups ignore letter case the Unicode way and list in the same order on both engines:
// whatever case is typed, the same parties come back, sorted by their folded surname.
TEST_P(PartyLists, LookUpsIgnoreLetterCaseAlikeOnBothEngines) {
    const QStringList added = {QStringLiteral("Ørsted"),  QStringLiteral("ØRNBERG"),
                               QStringLiteral("ørbæk"),   QStringLiteral("Rossetti"),
                               QStringLiteral("ROSSATO"), QStringLiteral("rossò")};
    for (const QString& cognome : added)
        addParty(cognome, QStringLiteral("Maiuscole"), QStringLiteral("Corrispondente"));
    const QStringList folded = {QStringLiteral("ørbæk"), QStringLiteral("ØRNBERG"), QStringLiteral("Ørsted")};
    for (const QString& typed : {QStringLiteral("ør"), QStringLiteral("ØR"), QStringLiteral("Ør")})
        EXPECT_EQ(open(fields.cmbCorrispondente, typed), folded) << typed.toStdString();
    const QStringList ros = open(fields.cmbFatturaACognome, QStringLiteral("ros"));
    EXPECT_EQ(open(fields.cmbFatturaACognome, QStringLiteral("ROS")), ros);
    EXPECT_EQ(open(fields.cmbFatturaACognome, QStringLiteral("Ros")), ros);
    EXPECT_LT(ros.indexOf(QStringLiteral("ROSSATO")), ros.indexOf(QStringLiteral("Rossetti")));
    EXPECT_LT(ros.indexOf(QStringLiteral("Rossetti")), ros.indexOf(QStringLiteral("rossò")));

    // A surname changed through the record set takes its key along.
    AccessoDati party;
    party.Apri(conn, QStringLiteral("SELECT * FROM Anagrafica WHERE Cognome = 'ørbæk'"), adLockOptimistic);
    party.recordset().setValue(QStringLiteral("Cognome"), QStringLiteral("Ærø"));
    party.recordset().Update();
    party.Chiudi();
    EXPECT_EQ(open(fields.cmbCorrispondente, QStringLiteral("æR")), QStringList{QStringLiteral("Ærø")});
    EXPECT_TRUE(open(fields.cmbCorrispondente, QStringLiteral("ørb")).isEmpty());

    conn->Execute(QStringLiteral("DELETE FROM Anagrafica WHERE Nome = 'Maiuscole'"));
    EXPECT_TRUE(services.failures.empty());
}

// A long list shows its first page at once and reads the rest page by page as the person
// scrolls, to the last match, each row once and in the list's order.
TEST_P(PartyLists, ALongListReadsPageByPageToItsLastMatch) {
    const int count = 2 * form::ListControl::kPagina + 37;
    {
        Transaction batch(*conn);
        for (int i = 0; i < count; ++i)  // letter case alternates: the order follows the key
            addParty((i % 2 ? QStringLiteral("PAGINATO%1") : QStringLiteral("paginato%1"))
                         .arg(i, 3, 10, QLatin1Char('0')),
                     QStringLiteral("Pagine"), QStringLiteral("Corrispondente"));
        batch.commit();
    }
    form::ListControl& list = fields.cmbCorrispondente;
    EXPECT_EQ(open(list, QStringLiteral("Paginato")).size(), form::ListControl::kPagina);
    EXPECT_TRUE(list.canFetchMore());
    while (list.canFetchMore()) list.fetchMore();
    QStringList expected;
    for (int i = 0; i < count; ++i) expected << column(list, 0).at(i).toLower();
    QStringList sorted = expected;
    sorted.sort();
    EXPECT_EQ(list.rowCount(), count);
    EXPECT_EQ(expected, sorted);
    EXPECT_EQ(QSet<QString>(expected.begin(), expected.end()).size(), count);

    // With nothing typed the whole register pages the same way.
    open(list, QString());
    EXPECT_EQ(list.rowCount(), form::ListControl::kPagina);
    while (list.canFetchMore()) list.fetchMore();
    QSqlQuery all = conn->query(QStringLiteral(
        "SELECT COUNT(*) FROM Anagrafica WHERE Categoria = 'Corrispondente' OR Categoria IS NULL"));
    ASSERT_TRUE(all.next());
    EXPECT_EQ(list.rowCount(), all.value(0).toInt());

    conn->Execute(QStringLiteral("DELETE FROM Anagrafica WHERE Nome = 'Pagine'"));
    EXPECT_TRUE(services.failures.empty());
}

INSTANTIATE_TEST_SUITE_P(Engines, PartyLists, ::testing::ValuesIn(enginesUnderTest()), engineParamName);

}  // namespace
}  // namespace tolmo::test
