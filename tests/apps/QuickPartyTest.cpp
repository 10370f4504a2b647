// Registering a party on the spot: what is stored, what is refused, and the form around it.

#include "AppsFixture.h"
#include "access/Recordset.h"
#include "apps/common/QuickParty.h"
#include "apps/common/QuickPartyForm.h"
#include "form/ScriptedInteraction.h"
#include "schema/DemoFirm.h"

namespace tolmo::test {
namespace {

using hostkit::insertParty;
using hostkit::PartyRefused;

class QuickParty : public DemoFirmTest {
protected:
    long parties() {
        Recordset rs(rw, QStringLiteral("SELECT COUNT(*) AS n FROM Anagrafica"), adLockReadOnly);
        return rs.value(QStringLiteral("n")).toLongLong();
    }
    QString refusal(const QString& cognome, const QString& codiceFiscale = {}) {
        try {
            insertParty(rw, cognome, QStringLiteral("Anna"), QStringLiteral("Cliente"), codiceFiscale);
        } catch (const PartyRefused& e) {
            return e.message();
        }
        return {};
    }
};

TEST_P(QuickParty, StoresTheTypedPartyExactlyAndReturnsItsId) {
    const int id = insertParty(rw, QStringLiteral("  D'Alessandro "), QStringLiteral("Maria Grazia "),
                               QStringLiteral("Cliente"), QStringLiteral("dlsmgr80a41h501x"),
                               QStringLiteral("Città di Castello"));
    EXPECT_GT(id, schema::demo::kAnagrafiche);

    Recordset rs(rw, QStringLiteral("SELECT * FROM Anagrafica WHERE ID_Ana = ?"), adLockReadOnly, {id});
    ASSERT_FALSE(rs.Eof());
    EXPECT_EQ(rs.text(QStringLiteral("Cognome")), QStringLiteral("D'Alessandro"));
    EXPECT_EQ(rs.text(QStringLiteral("Nome")), QStringLiteral("Maria Grazia"));
    EXPECT_EQ(rs.text(QStringLiteral("Categoria")), QStringLiteral("Cliente"));
    EXPECT_EQ(rs.text(QStringLiteral("CodiceFiscale")), QStringLiteral("DLSMGR80A41H501X"));
    EXPECT_EQ(rs.text(QStringLiteral("CittaRes")), QStringLiteral("Città di Castello"));
    EXPECT_EQ(rs.value(QStringLiteral("IdRiservata")).toInt(), 0);  // everybody sees it

    const int next = insertParty(rw, QStringLiteral("D'Alessandro"), QString(), QStringLiteral("Cliente"));
    EXPECT_GT(next, id);  // a namesake is another party
}

TEST_P(QuickParty, NoCategoryIsStoredAsNone) {
    const int id = insertParty(rw, QStringLiteral("Bruno"), QStringLiteral("Sara"), QStringLiteral(" "));
    Recordset rs(rw, QStringLiteral("SELECT Categoria FROM Anagrafica WHERE ID_Ana = ?"), adLockReadOnly,
                 {id});
    EXPECT_TRUE(rs.isNull(QStringLiteral("Categoria")));
}

TEST_P(QuickParty, EmptySurnameIsRefusedAndNothingIsStored) {
    const long before = parties();
    EXPECT_EQ(refusal(QString()), QStringLiteral("Inserire il cognome o la ragione sociale."));
    EXPECT_EQ(refusal(QStringLiteral("   ")), QStringLiteral("Inserire il cognome o la ragione sociale."));
    EXPECT_EQ(parties(), before);
}

TEST_P(QuickParty, TextLongerThanItsColumnIsRefused) {
    const long before = parties();
    EXPECT_EQ(refusal(QStringLiteral("Rossi"), QStringLiteral("RSSMRA80A01H501UX")),
              QStringLiteral("Il campo Codice fiscale non può superare 16 caratteri."));
    const int limit = schema::table(QStringLiteral("Anagrafica"))->column(QStringLiteral("Cognome"))->length;
    EXPECT_EQ(refusal(QString(limit + 1, QLatin1Char('R'))),
              QStringLiteral("Il campo Cognome non può superare %1 caratteri.").arg(limit));
    EXPECT_EQ(parties(), before);
    EXPECT_TRUE(refusal(QString(limit, QLatin1Char('R'))).isEmpty());  // as long as the column: stored
}

TEST_P(QuickParty, FormSavesOrSaysWhyAndStaysOpen) {
    form::ScriptedInteraction ui;
    hostkit::QuickPartyForm form(rw, ui);
    form.prepara(QStringLiteral("  "), QStringLiteral("Luca"), QStringLiteral("Cliente"));
    EXPECT_EQ(form.caption(), QStringLiteral("Nuovo cliente"));
    EXPECT_EQ(form.txtCategoria.text(), QStringLiteral("Cliente"));
    EXPECT_TRUE(form.txtCategoria.locked());
    EXPECT_FALSE(form.txtCategoria.enabled());

    form.setShown(true);
    form.cmdSalva.fire(form::EventKind::Click);
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages().front().text, QStringLiteral("Inserire il cognome o la ragione sociale."));
    EXPECT_EQ(ui.messages().front().title, QStringLiteral("Tolmo Studio"));
    EXPECT_EQ(ui.messages().front().icon, form::MsgIcon::Information);
    EXPECT_TRUE(form.isShown());
    EXPECT_EQ(form.idAnagrafica(), 0);

    form.txtCognome.setText(QStringLiteral("Dell'Orto"));
    form.cmdSalva.fire(form::EventKind::Click);
    EXPECT_FALSE(form.isShown());
    EXPECT_GT(form.idAnagrafica(), schema::demo::kAnagrafiche);

    form.prepara(QStringLiteral("Verdi"), QString(), QStringLiteral("Cliente"));
    EXPECT_EQ(form.idAnagrafica(), 0);  // a new registration starts afresh
    form.setShown(true);
    form.cmdAnnulla.fire(form::EventKind::Click);
    EXPECT_FALSE(form.isShown());
    EXPECT_EQ(form.idAnagrafica(), 0);
}

INSTANTIATE_TEST_SUITE_P(Engines, QuickParty, ::testing::ValuesIn(enginesUnderTest()), engineParamName);

}  // namespace
}  // namespace tolmo::test
