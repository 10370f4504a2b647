// The case header strip: client and counterparty looked up in the register, and the case picker.

#include "core/model/CaseHeader.h"
#include "parties/FirmFixture.h"

namespace tolmo::test {
namespace {

class CaseHeaderTest : public FirmTest {
protected:
    void SetUp() override { header.setServices(&services); }
    core::CaseHeader::Controls& ui() { return header.controls(); }
    /// Ids of the cases the picker lists for `typed`, as user `user` sees them.
    QStringList cases(int user, const QString& typed) {
        setUser(user);
        open(ui().cmbPratica, typed);
        return column(ui().cmbPratica, 2);
    }
    static QString id(int v) { return QString::number(v); }

    core::CaseHeader header;
};

TEST_P(CaseHeaderTest, ClientChosenFromTheRegisterUntilTheSurnameIsTyped) {
    EXPECT_EQ(open(ui().txtCognomeCliente, QStringLiteral("D'")), QStringList{QStringLiteral("D'Angelo")});
    choose(ui().txtCognomeCliente, 0);
    EXPECT_EQ(header.idCliente(), demo::kAnaDAngeloMaria);
    EXPECT_EQ(header.cognomeCliente(), QStringLiteral("D'Angelo"));
    EXPECT_EQ(header.nomeCliente(), QStringLiteral("Maria"));
    ui().txtCognomeCliente.setText(QStringLiteral("D'Angeli"));
    EXPECT_EQ(header.idCliente(), 0);

    EXPECT_EQ(open(ui().txtCognomeControparte, QStringLiteral("D'")), QStringList{QStringLiteral("D'Amico")});
    choose(ui().txtCognomeControparte, 0);
    EXPECT_EQ(header.idControparte(), demo::kAnaDAmicoSalvatore);
    EXPECT_EQ(header.nomeControparte(), QStringLiteral("Salvatore"));
    ui().txtCognomeControparte.setText(QStringLiteral("Rossi Mario"));
    EXPECT_EQ(header.idControparte(), 1);  // typed by hand
}

TEST_P(CaseHeaderTest, LoadsAndSettersKeepTheIds) {
    header.setConnection(conn, demo::kUtenteRossi);
    header.caricaPratica(demo::kPraEsposito);
    EXPECT_EQ(header.idCliente(), demo::kAnaEspositoGiuseppe);
    EXPECT_EQ(header.cognomeCliente(), QStringLiteral("Esposito"));
    header.setCognomeCliente(QStringLiteral("ESPOSITO"));
    EXPECT_EQ(header.idCliente(), demo::kAnaEspositoGiuseppe);

    services.isFilling = true;
    ui().txtCognomeControparte.setText(QStringLiteral("altro"));
    EXPECT_EQ(header.idControparte(), demo::kAnaAssicuratriceAdriatica);

    header.clear();
    EXPECT_EQ(header.cognomeCliente(), QString());
    EXPECT_EQ(ui().txtCognomeCliente.rowCount(), 0);
}

TEST_P(CaseHeaderTest, ModeLocksTheSurnamesAndThePicker) {
    header.setMode(core::CaseHeader::Modification);
    EXPECT_FALSE(ui().txtCognomeCliente.locked());
    EXPECT_TRUE(ui().cmbPratica.locked());
    header.setMode(core::CaseHeader::Consultation);
    EXPECT_TRUE(ui().txtCognomeControparte.locked());
    EXPECT_TRUE(ui().txtPosizione.locked());
    EXPECT_FALSE(ui().cmbPratica.locked());
}

TEST_P(CaseHeaderTest, ReservedClientsFollowTheUser) {
    setUser(demo::kUtenteAmministratore);
    EXPECT_EQ(open(ui().txtCognomeCliente, QStringLiteral("Dell")), QStringList{});
    setUser(demo::kUtenteBianchi);
    EXPECT_EQ(open(ui().txtCognomeCliente, QStringLiteral("Dell")), QStringList{QStringLiteral("Dell'Orto")});
    EXPECT_FALSE(open(ui().txtCognomeCliente, QString()).contains(QStringLiteral("NULLO")));
    EXPECT_EQ(services.interaction.pointer(), form::PointerDefault);
}

TEST_P(CaseHeaderTest, PickerFindsByPositionOrSurnameAndRaisesTheChoice) {
    EXPECT_EQ(cases(demo::kUtenteRossi, QStringLiteral("108")), QStringList{id(demo::kPraDellOrto)});
    EXPECT_EQ(ui().cmbPratica.cell(0, 0), QStringLiteral("108/A"));
    EXPECT_EQ(ui().cmbPratica.cell(0, 1), QStringLiteral("Dell'Orto"));
    EXPECT_EQ(cases(demo::kUtenteRossi, QStringLiteral("Edil")),
              (QStringList{id(demo::kPraEdilnord), id(demo::kPraDAmico)}));

    int picked = 0;
    QObject::connect(&header, &core::CaseHeader::praticaScelta, [&picked](int id) { picked = id; });
    choose(ui().cmbPratica, 1);
    EXPECT_EQ(picked, demo::kPraDAmico);

    const QStringList all = cases(demo::kUtenteRossi, QString());
    EXPECT_EQ(all.size(), demo::kPratiche - 1);
    EXPECT_FALSE(all.contains(id(demo::kPraRiservata)));
}

TEST_P(CaseHeaderTest, PickerHidesReservedCases) {
    const QStringList admin = cases(demo::kUtenteAmministratore, QString());
    for (int reserved : {demo::kPraConti, demo::kPraDAngelo, demo::kPraCattaneo})
        EXPECT_FALSE(admin.contains(id(reserved))) << reserved;
    EXPECT_TRUE(admin.contains(id(demo::kPraEsposito)));
    const QStringList ferrari = cases(demo::kUtenteFerrari, QString());
    EXPECT_TRUE(ferrari.contains(id(demo::kPraConti)));
    EXPECT_FALSE(ferrari.contains(id(demo::kPraDAngelo)));
    EXPECT_TRUE(cases(demo::kUtenteBianchi, QStringLiteral("106")).contains(id(demo::kPraDAngelo)));
}

TEST_P(CaseHeaderTest, HostileTextNeverBreaksTheHeaderLists) {
    setUser(demo::kUtenteGatti);
    for (const QString& s : naughtyStrings(isSqlite()))
        for (form::ListControl* list :
             {&ui().txtCognomeCliente, &ui().txtCognomeControparte, &ui().cmbPratica})
            open(*list, s);
    EXPECT_TRUE(services.failures.empty()) << services.failures.front().toStdString();
}

TEST_P(CaseHeaderTest, WithoutServicesTheConnectionAndUserGivenAreUsed) {
    core::CaseHeader alone;
    alone.setConnection(conn, demo::kUtenteAmministratore);
    EXPECT_EQ(open(alone.controls().txtCognomeCliente, QStringLiteral("Dell")), QStringList{});
    EXPECT_EQ(open(alone.controls().cmbPratica, QStringLiteral("106")), QStringList{});
    EXPECT_EQ(open(alone.controls().cmbPratica, QStringLiteral("105")), QStringList{QStringLiteral("105")});
}

INSTANTIATE_TEST_SUITE_P(Engines, CaseHeaderTest, ::testing::ValuesIn(enginesUnderTest()), engineParamName);

}  // namespace
}  // namespace tolmo::test
