// A subsystem joins the case cycle as a section, with no edit of the component: here one a test
// adds, whose field is the register the case was entered in.

#include <gtest/gtest.h>

#include <QSqlQuery>

#include "core/TolmoPratica.h"
#include "core/model/CaseValues.h"
#include "schema/DemoFirm.h"
#include "schema/Schema.h"
#include "support/DocumentsRoot.h"
#include "support/FaultHarness.h"
#include "support/TestDb.h"

namespace tolmo::test {
namespace {

namespace demo = schema::demo;

class RegisterSection : public core::CaseSection {
public:
    RegisterSection(core::ComponentServices&, core::PraticaForm& form)
        : txtRegistro(&form, "txtRegistro", form::ControlKind::TextBox) {}

    form::Control txtRegistro;
    /// A faulty section: it commits the save's work halfway and opens a new transaction.
    bool commitsEarly = false;

    void clear() override { txtRegistro.setText(QString()); }
    void show(core::ShowContext& ctx) override {
        txtRegistro.setText(ctx.row.text(QStringLiteral("Registro")));
    }
    void writeRow(core::SaveContext& ctx) override {
        core::scriviTesto(ctx.row, QStringLiteral("Registro"), txtRegistro.text());
    }
    void save(core::SaveContext& ctx) override {
        if (!commitsEarly) return;
        ctx.conn->CommitTrans();
        ctx.conn->BeginTrans();
        ctx.conn->Execute(QStringLiteral("UPDATE Pratica SET Registro = ? WHERE ID_Pra = ?"),
                          {txtRegistro.text() + QStringLiteral(" (rivisto)"), ctx.caseId});
    }
};

class SectionSeam : public ::testing::TestWithParam<Engine> {
protected:
    static void start(SessionDriver& d) { ASSERT_TRUE(startLikeAHost(d.sender())); }
    static void newCase(SessionDriver& d) {
        start(d);
        d.call("Inserimento");
        d.type("ctlTestata1.txtPosizione", "950");
        d.choose("ctlTestata1.txtCognomeCliente", 2, QString::number(demo::kAnaBiancoAlessandro));
        d.type("txtRegistro", "Ruolo generale 2026");
    }
    QString registro(const QString& posizione) {
        QSqlQuery q =
            conn->query(QStringLiteral("SELECT Registro FROM Pratica WHERE Posizione = ?"), {posizione});
        return q.next() ? q.value(0).toString() : QStringLiteral("<nessuna>");
    }

    ScratchDatabase db{GetParam()};
    ConnectionPtr conn = schema::openDatabase(db.url());
    platform::MemorySettings settings;
    DocumentsRoot documents{settings};
};

TEST_P(SectionSeam, AddedSectionShowsClearsAndSavesItsField) {
    conn->Execute(QStringLiteral("UPDATE Pratica SET Registro = 'Ruolo 12/2024' WHERE ID_Pra = ?"),
                  {demo::kPraEsposito});
    SessionDriver d(settings, db.url());
    auto& section = d.component().addSection<RegisterSection>();
    start(d);
    d.call("VisualizzaPratica", {demo::kPraEsposito});
    EXPECT_EQ(fieldOf(d.sender(), "txtRegistro").value("text").toString(), "Ruolo 12/2024");

    d.call("Inserimento");
    EXPECT_EQ(section.txtRegistro.text(), QString());
    d.type("ctlTestata1.txtPosizione", "950");
    d.choose("ctlTestata1.txtCognomeCliente", 2, QString::number(demo::kAnaBiancoAlessandro));
    d.type("txtRegistro", "Ruolo generale 2026");
    ASSERT_TRUE(d.call("Conferma").value("result").toBool());
    EXPECT_EQ(registro("950"), "Ruolo generale 2026");
}

TEST_P(SectionSeam, ItsWritesShareTheSavesTransaction) {
    FaultScenario s;
    s.url = db.url();
    s.extend = [](TolmoPratica& c) { c.addSection<RegisterSection>(); };
    s.prepare = newCase;
    s.write = {{"call", "Conferma"}};
    s.action = QStringLiteral("Registrazione Pratica");
    const FaultReport report = runWithFaults(s, settings);
    EXPECT_TRUE(report.faults.isEmpty()) << report.faults.join(u'\n').toStdString();
    EXPECT_TRUE(report.commitFailed);
    EXPECT_EQ(registro("950"), "Ruolo generale 2026");
}

// The harness is what keeps a section honest: one that commits halfway is caught.
TEST_P(SectionSeam, HarnessReportsASaveThatCommitsEarly) {
    FaultScenario s;
    s.url = db.url();
    s.extend = [](TolmoPratica& c) { c.addSection<RegisterSection>().commitsEarly = true; };
    s.prepare = newCase;
    s.write = {{"call", "Conferma"}};
    s.action = QStringLiteral("Registrazione Pratica");
    const FaultReport report = runWithFaults(s, settings);
    ASSERT_FALSE(report.faults.isEmpty());
    EXPECT_TRUE(report.faults.join(u'\n').contains(QStringLiteral("table Pratica changed")))
        << report.faults.join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Engines, SectionSeam, ::testing::ValuesIn(enginesUnderTest()),
                         [](const auto& info) { return engineName(info.param).toStdString(); });

}  // namespace
}  // namespace tolmo::test
