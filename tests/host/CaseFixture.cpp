#include "CaseFixture.h"

#include "schema/DemoFirm.h"
#include "support/SessionDriver.h"

namespace tolmo::test {

namespace {
Send senderOf(CaseTest* test) {
    return [test](const QJsonObject& command) { return test->sendCommand(command); };
}
}  // namespace

void CaseTest::SetUp() {
    HostTest::SetUp();
    ASSERT_TRUE(startLikeAHost(senderOf(this)));
}

void CaseTest::type(const QString& control, const QString& text) {
    ASSERT_TRUE(typeInto(senderOf(this), control, text)) << control.toStdString();
}

void CaseTest::choose(const QString& control, int column, const QString& value) {
    ASSERT_TRUE(chooseIn(senderOf(this), control, column, value))
        << control.toStdString() << ": no row with " << value.toStdString();
}

void CaseTest::check(const QString& control, bool on) {
    ASSERT_TRUE(send({{"set", control}, {"checked", on}}).value("ok").toBool()) << control.toStdString();
}

void CaseTest::fire(const QString& control, const QString& event) {
    ASSERT_TRUE(send({{"fire", control}, {"event", event}}).value("ok").toBool()) << control.toStdString();
}

QJsonObject CaseTest::field(const QString& control) { return fieldOf(senderOf(this), control); }

QList<QJsonObject> CaseTest::inDialog(const QString& form, const QJsonArray& script, const QString& trigger) {
    send({{"onshow", form}, {"script", script}});
    fire(trigger, "Click");
    QList<QJsonObject> out;
    for (const QJsonObject& h : happened)
        if (h.contains("form")) out << h.value("form").toObject();
    return out;
}

void CaseTest::answer(const QStringList& answers) { send({{"answer", QJsonArray::fromStringList(answers)}}); }

void CaseTest::whenAsked(const QString& button, bool nonRichiedere) {
    const QJsonArray script = {QJsonObject{{"set", "chkNonRic"}, {"checked", nonRichiedere}},
                               QJsonObject{{"fire", button}, {"event", "Click"}}};
    send({{"onshow", "dlgRichiedi"}, {"script", script}});
}

QJsonArray CaseTest::rows(const QString& sql) {
    const QJsonObject reply = send({{"sql", sql}});
    EXPECT_FALSE(reply.contains("error")) << reply.value("error").toString().toStdString();
    return reply.value("rows").toArray();
}

void CaseTest::sql(const QString& text) {
    const QJsonObject reply = send({{"sql", text}});
    EXPECT_FALSE(reply.contains("error"))
        << text.toStdString() << ": " << reply.value("error").toString().toStdString();
}

QJsonValue CaseTest::scalar(const QString& sql) { return rows(sql).at(0).toArray().at(0); }

QJsonObject CaseTest::pratica(int id) {
    const QJsonObject reply = send({{"sql", "SELECT * FROM Pratica WHERE ID_Pra = " + QString::number(id)}});
    const QJsonArray columns = reply.value("columns").toArray();
    const QJsonArray values = reply.value("rows").toArray().at(0).toArray();
    QJsonObject row;
    if (values.isEmpty()) return row;
    for (int i = 0; i < columns.size(); ++i) row.insert(columns.at(i).toString().toLower(), values.at(i));
    return row;
}

QList<QJsonObject> CaseTest::boxes() const {
    QList<QJsonObject> out;
    for (const QJsonObject& h : happened)
        if (h.contains("msgbox")) out << h.value("msgbox").toObject();
    return out;
}

QJsonArray CaseTest::eventArgs(const QString& name) const {
    for (const QJsonObject& h : happened)
        if (h.value("event").toString() == name) return h.value("args").toArray();
    return {};
}

void CaseTest::nuovaPratica(int cliente, const QString& posizione) {
    call("Inserimento");
    type("ctlTestata1.txtPosizione", posizione);
    choose("ctlTestata1.txtCognomeCliente", 2, cliente);
    type("ctlTestata1.txtCognomeControparte", "Verdi");
    type("ctlTestata1.txtNomeControparte", "Mario");
}

INSTANTIATE_TEST_SUITE_P(Engines, CaseTest, ::testing::ValuesIn(enginesUnderTest()),
                         [](const auto& info) { return engineName(info.param).toStdString(); });

}  // namespace tolmo::test
