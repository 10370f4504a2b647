#include "support/SessionDriver.h"

#include "schema/DemoFirm.h"

namespace tolmo::test {

namespace {
/// The form a "FORM.CONTROL" name belongs to, for the dump.
QString formOf(const QString& control) {
    const int dot = control.indexOf(u'.');
    return dot > 0 ? control.left(dot) : QStringLiteral("form");
}
QString bareName(const QString& control) { return control.mid(control.indexOf(u'.') + 1); }
}  // namespace

bool typeInto(const Send& send, const QString& control, const QString& text) {
    return send({{QStringLiteral("set"), control}, {QStringLiteral("text"), text}}).value("ok").toBool();
}

bool chooseIn(const Send& send, const QString& control, int column, const QString& value) {
    send({{QStringLiteral("fire"), control}, {QStringLiteral("event"), QStringLiteral("DropDown")}});
    const QJsonArray list = fieldOf(send, control).value("rows").toArray();
    for (int r = 0; r < list.size(); ++r) {
        if (list.at(r).toString().split(u'\t').value(column) != value) continue;
        return send({{QStringLiteral("set"), control}, {QStringLiteral("row"), r}}).value("ok").toBool();
    }
    return false;
}

QJsonObject fieldOf(const Send& send, const QString& control) {
    return send({{QStringLiteral("dump"), formOf(control)}})
        .value("form")
        .toObject()
        .value(bareName(control))
        .toObject();
}

bool startLikeAHost(const Send& send) {
    const auto call = [&](const char* name, const QJsonArray& args) {
        return send({{QStringLiteral("call"), QLatin1String(name)}, {QStringLiteral("args"), args}});
    };
    call("Start", {});
    call("SettaCambioValuta", {"1936,27", "EURO"});
    return call("SettaContabilita", {schema::demo::kUtenteRossi}).value("result").toBool();
}

SessionDriver::SessionDriver(platform::Settings& settings, const QString& url) : m_session(settings) {
    m_session.connect(url);
}

QJsonObject SessionDriver::send(const QJsonObject& command) {
    QList<QJsonObject> out = m_session.handle(command);
    const QJsonObject reply = out.takeLast();
    happened = out;
    return reply;
}

QJsonObject SessionDriver::call(const QString& name, const QJsonArray& args) {
    return send({{QStringLiteral("call"), name}, {QStringLiteral("args"), args}});
}

QJsonObject SessionDriver::dump(const QString& what) {
    const QJsonObject reply = send({{QStringLiteral("dump"), what}});
    return what == QStringLiteral("state") ? reply.value("state").toObject() : reply.value("form").toObject();
}

}  // namespace tolmo::test
