// What a save leaves behind when it is not a person's typing that changes the form: the
// header's provisional texts, and a case that cannot be read whole.

#include "CaseFixture.h"
#include "core/TolmoPratica.h"
#include "schema/DemoFirm.h"

namespace tolmo::test {
namespace {

using namespace schema::demo;

// A provisional header is written trimmed with single blanks and "__/__" as "/"; the header
// shows the same once the case is stored, and keeps its client.
TEST_P(CaseTest, ProvisionalHeaderIsWrittenConsolidatedAndKeepsItsClient) {
    nuovaPratica(kAnaBiancoAlessandro, "  12    bis ");
    type("ctlTestata1.txtNumeroRegGenerale", " 4521/2026   R.G. ");
    type("ctlTestata1.txtCognomeControparte", "Rossi__/__Bianchi  ");
    session->component().header().setProvvisorio(true);
    ASSERT_TRUE(call("Conferma").value("result").toBool());
    const int id = state().value("currentId").toInt();
    const QJsonObject row = pratica(id);
    EXPECT_EQ(row.value("posizione").toString(), "12 bis");
    EXPECT_EQ(row.value("numeroreggenerale").toString(), "4521/2026 R.G.");
    EXPECT_EQ(row.value("controcognome").toString(), "Rossi/Bianchi");
    EXPECT_EQ(row.value("id_cliente").toInt(), kAnaBiancoAlessandro);
    EXPECT_EQ(text("ctlTestata1.txtPosizione"), "12 bis");
    EXPECT_EQ(text("ctlTestata1.txtCognomeControparte"), "Rossi/Bianchi  ");
    EXPECT_EQ(session->component().header().idCliente(), kAnaBiancoAlessandro);

    ASSERT_TRUE(call("Modifica").value("result").toBool());
    type("txtNOTE", "Seconda conferma");
    EXPECT_TRUE(call("Conferma").value("result").toBool());  // no "Il Cliente non è presente"
    EXPECT_EQ(pratica(id).value("id_cliente").toInt(), kAnaBiancoAlessandro);
}

// A read that fails while the form is filled for a modification leaves the case unopened: the
// fields could still hold the case shown before, and a save would write them here.
TEST_P(CaseTest, CaseThatCannotBeReadWholeIsNotOpenedForModification) {
    call("VisualizzaPratica", {kPraDAngelo});
    const ConnectionPtr readOnly = session->component().ConnReadOnly();
    readOnly->setStatementObserver([](const QString& sql) {
        if (sql.startsWith(QStringLiteral("SELECT Descrizione FROM Classificatore")))
            throw DbError(QStringLiteral("lettura non riuscita"), QStringLiteral("prova"), -1);
    });
    EXPECT_FALSE(call("Modifica", {kPraEsposito}).value("result").toBool());
    readOnly->setStatementObserver({});
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_TRUE(boxes().first().value("text").toString().startsWith("Azione : Lettura Pratica"));
    EXPECT_EQ(state().value("editState").toInt(), 1);
    EXPECT_FALSE(field("FramePraticaGenerale").value("enabled").toBool());
    EXPECT_FALSE(call("Conferma").value("result").toBool());  // nothing is being edited
    EXPECT_TRUE(eventArgs("NewId").isEmpty());
}

}  // namespace
}  // namespace tolmo::test
