#include "HostFixture.h"

namespace tolmo::test {

void HostTest::SetUp() {
    db = std::make_unique<ScratchDatabase>(GetParam());
    session = std::make_unique<host::HostSession>(settings);
    session->connect(db->url());
}

QJsonObject HostTest::send(const QJsonObject& command) {
    QList<QJsonObject> out = session->handle(command);
    const QJsonObject reply = out.takeLast();
    happened = out;
    allHappened += out;
    return reply;
}

QJsonObject HostTest::call(const QString& name, const QJsonArray& args) {
    return send({{QStringLiteral("call"), name}, {QStringLiteral("args"), args}});
}

QJsonObject HostTest::state() {
    return send({{QStringLiteral("dump"), QStringLiteral("state")}}).value("state").toObject();
}

QJsonObject HostTest::control(const QString& name) {
    return send({{QStringLiteral("dump"), QStringLiteral("form")}})
        .value("form")
        .toObject()
        .value(name)
        .toObject();
}

QStringList HostTest::events() const {
    QStringList names;
    for (const QJsonObject& h : happened)
        if (h.contains(QStringLiteral("event"))) names << h.value(QStringLiteral("event")).toString();
    return names;
}

}  // namespace tolmo::test
