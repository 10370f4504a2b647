// A host registering the client the component asked for (InserisciCliente).

#include "AppsFixture.h"
#include "access/Recordset.h"
#include "apps/common/ClientRegistration.h"
#include "apps/common/HostKit.h"
#include "apps/common/QuickPartyForm.h"
#include "core/TolmoPratica.h"
#include "form/ScriptedInteraction.h"
#include "support/DocumentsRoot.h"

namespace tolmo::test {
namespace {

class ClientRegistration : public DemoFirmTest {
protected:
    void SetUp() override {
        DemoFirmTest::SetUp();
        hostkit::connect(component, db->url());
        component.Start();
    }

    form::ScriptedInteraction ui;
    platform::MemorySettings settings;
    DocumentsRoot documents{settings};
    TolmoPratica component{ui, settings};
};

TEST_P(ClientRegistration, SavedClientGoesToTheHeaderAndTheComponent) {
    ui.onShow(QStringLiteral("frmNuovaAnagrafica"), [](form::Form& f) {
        auto& form = static_cast<hostkit::QuickPartyForm&>(f);
        EXPECT_EQ(form.txtCognome.text(), QStringLiteral("D'Amato"));
        EXPECT_EQ(form.txtNome.text(), QStringLiteral("Ugo"));
        form.txtNome.setText(QStringLiteral("Ugo Maria"));
        form.txtCitta.setText(QStringLiteral("Napoli"));
        form.cmdSalva.fire(form::EventKind::Click);
    });
    const int id = hostkit::registraCliente(component, QStringLiteral(" D'Amato "), QStringLiteral("Ugo"));
    ASSERT_GT(id, 0);
    EXPECT_EQ(component.header().idCliente(), id);
    EXPECT_EQ(component.header().cognomeCliente(), QStringLiteral("D'Amato"));
    EXPECT_EQ(component.header().nomeCliente(), QStringLiteral("Ugo Maria"));

    Recordset rs(rw, QStringLiteral("SELECT Nome, CittaRes, Categoria FROM Anagrafica WHERE ID_Ana = ?"),
                 adLockReadOnly, {id});
    ASSERT_FALSE(rs.Eof());
    EXPECT_EQ(rs.text(QStringLiteral("Nome")), QStringLiteral("Ugo Maria"));
    EXPECT_EQ(rs.text(QStringLiteral("CittaRes")), QStringLiteral("Napoli"));
    EXPECT_EQ(rs.text(QStringLiteral("Categoria")), QStringLiteral("Cliente"));
}

TEST_P(ClientRegistration, GivingUpLeavesTheHeaderAlone) {
    component.header().setIdCliente(0);
    component.header().setCognomeCliente(QStringLiteral("Esposti"));
    ui.onShow(QStringLiteral("frmNuovaAnagrafica"), [](form::Form& f) {
        static_cast<hostkit::QuickPartyForm&>(f).cmdAnnulla.fire(form::EventKind::Click);
    });
    EXPECT_EQ(hostkit::registraCliente(component, QStringLiteral("Esposti"), QString()), 0);
    EXPECT_EQ(component.header().idCliente(), 0);
    EXPECT_EQ(component.header().cognomeCliente(), QStringLiteral("Esposti"));
    ASSERT_EQ(ui.shownForms().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Engines, ClientRegistration, ::testing::ValuesIn(enginesUnderTest()),
                         engineParamName);

}  // namespace
}  // namespace tolmo::test
