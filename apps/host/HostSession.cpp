#include "HostSession.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QJsonDocument>
#include <QMetaMethod>
#include <QThread>

#include "JsonValues.h"
#include "apps/common/ArchiveForm.h"
#include "apps/common/HostKit.h"
#include "apps/common/RecentArchives.h"
#include "form/FormJson.h"

namespace tolmo::host {

namespace {
QJsonObject error(const QString& text) { return QJsonObject{{QStringLiteral("error"), text}}; }
QJsonObject ok() { return QJsonObject{{QStringLiteral("ok"), true}}; }
}  // namespace

HostSession::HostSession(platform::Settings& settings) : m_settings(settings) {
    newComponent();
    m_ui.listener = [this](const form::ScriptedInteraction::Happening& h) {
        if (h.kind == form::ScriptedInteraction::Happening::Message) {
            const form::MessageRecord& m = h.message;
            happened({{QStringLiteral("msgbox"),
                       QJsonObject{{QStringLiteral("text"), m.text},
                                   {QStringLiteral("title"), m.title},
                                   {QStringLiteral("icon"), form::msgIconName(m.icon)},
                                   {QStringLiteral("buttons"), form::msgButtonsName(m.buttons)},
                                   {QStringLiteral("answer"), form::msgAnswerName(m.answer)}}}});
        } else if (h.kind == form::ScriptedInteraction::Happening::Shown) {
            happened({{QStringLiteral("shown"), h.form}});
        } else if (h.kind == form::ScriptedInteraction::Happening::ShellOpen) {
            happened({{QStringLiteral("open"), h.form}});
        }
    };
}

HostSession::~HostSession() = default;

void HostSession::newComponent() {
    m_component = std::make_unique<TolmoPratica>(m_ui, m_settings);
    hostkit::restoreProperties(*m_component, m_settings);
    watchSignals();
}

QJsonObject HostSession::apriArchivio() {
    if (const QString negato = hostkit::cambioArchivioNegato(m_component->editState()); !negato.isEmpty())
        return error(negato);
    const QString url = hostkit::scegliArchivio(m_settings, m_ui);
    if (url.isEmpty()) return {{QStringLiteral("archivio"), QJsonValue::Null}};
    newComponent();
    connect(url);
    return {{QStringLiteral("archivio"), hostkit::descriviArchivio(url)}};
}

// A driver cannot be asked: the upgrade is said on the error stream.
void HostSession::connect(const QString& url) {
    hostkit::connect(*m_component, url, [](int from, int to) {
        qInfo("%s", qPrintable(hostkit::testoAggiornamento(from, to)));
    });
}

void HostSession::watchSignals() {
    hostkit::watchEvents(*m_component, [this](const QString& name, const QVariantList& args) {
        QJsonArray values;
        for (const QVariant& v : args) values.append(toJson(v));
        happened({{QStringLiteral("event"), name}, {QStringLiteral("args"), values}});
    });
}

QList<QJsonObject> HostSession::handleLine(const QByteArray& line) {
    QJsonParseError parseError{};
    const QJsonDocument doc = QJsonDocument::fromJson(line, &parseError);
    if (!doc.isObject()) return {error(QStringLiteral("riga non valida: ") + parseError.errorString())};
    return handle(doc.object());
}

QList<QJsonObject> HostSession::handle(const QJsonObject& command) {
    m_pending.clear();
    QJsonObject reply;
    try {
        reply = dispatch(command);
    } catch (const DbError& e) {
        reply = error(e.description());
    } catch (const std::exception& e) {
        reply = error(QString::fromUtf8(e.what()));
    }
    // A driver reading a pipe knows its reply, among the lines of what happened, by its "seq".
    if (command.contains(QStringLiteral("seq")))
        reply.insert(QStringLiteral("seq"), command.value(QStringLiteral("seq")));
    QList<QJsonObject> out = m_pending;
    m_pending.clear();
    out.append(reply);
    return out;
}

QJsonObject HostSession::dispatch(const QJsonObject& command) {
    if (command.contains(QStringLiteral("call")))
        return call(command.value(QStringLiteral("call")).toString(),
                    command.value(QStringLiteral("args")).toArray());
    if (command.contains(QStringLiteral("set")) || command.contains(QStringLiteral("fire"))) {
        const bool isSet = command.contains(QStringLiteral("set"));
        const QString key = isSet ? QStringLiteral("set") : QStringLiteral("fire");
        QString control;
        form::Form* f = resolveForm(command.value(key).toString(), &control);
        if (!f) return error(QStringLiteral("maschera sconosciuta: ") + command.value(key).toString());
        QJsonObject local = command;
        local.insert(key, control);
        const QString problem = isSet ? form::applySet(*f, local) : form::applyFire(*f, local);
        return problem.isEmpty() ? ok() : error(problem);
    }
    if (command.contains(QStringLiteral("answer"))) {
        for (const QJsonValue& v : command.value(QStringLiteral("answer")).toArray()) {
            form::MsgAnswer a;
            if (!form::msgAnswerFromName(v.toString(), &a))
                return error(QStringLiteral("risposta sconosciuta: ") + v.toString());
            m_ui.queueAnswer(a);
        }
        return ok();
    }
    // {"segnala": FILE} makes the file; {"attendi": FILE} waits for it, a minute at most: a script
    // of one workstation keeps step with another's, wherever each stands in its dialogs.
    if (command.contains(QStringLiteral("segnala"))) {
        QFile segnale(command.value(QStringLiteral("segnala")).toString());
        return segnale.open(QIODevice::WriteOnly) ? ok() : error(segnale.errorString());
    }
    if (command.contains(QStringLiteral("attendi"))) {
        const QString file = command.value(QStringLiteral("attendi")).toString();
        QDeadlineTimer limite(60000);
        while (!QFile::exists(file) && !limite.hasExpired()) QThread::msleep(20);
        return QFile::exists(file) ? ok() : error(QStringLiteral("segnale mai arrivato: ") + file);
    }
    if (command.contains(QStringLiteral("onshow"))) {
        const QString name = command.value(QStringLiteral("onshow")).toString();
        const QJsonArray script = command.value(QStringLiteral("script")).toArray();
        m_ui.onShow(name, [this, script](form::Form& shown) {
            m_scripted.append(&shown);
            for (const QJsonValue& line : script) {
                const QJsonObject reply = dispatch(line.toObject());
                if (reply.contains(QStringLiteral("form")) || reply.contains(QStringLiteral("error")))
                    happened(reply);
            }
            m_scripted.removeLast();
        });
        return ok();
    }
    // {"shell":"fails"}: the desktop can no longer open documents or mail links; "works" again.
    if (command.contains(QStringLiteral("shell"))) {
        m_ui.setShellFails(command.value(QStringLiteral("shell")).toString() == QStringLiteral("fails"));
        return ok();
    }
    if (command.value(QStringLiteral("archivio")) == QStringLiteral("apri")) return apriArchivio();
    if (command.contains(QStringLiteral("dump")))
        return dump(command.value(QStringLiteral("dump")).toString());
    if (command.contains(QStringLiteral("sql"))) return sql(command.value(QStringLiteral("sql")).toString());
    return error(QStringLiteral("comando sconosciuto"));
}

QJsonObject HostSession::call(const QString& name, const QJsonArray& args) {
    TolmoPratica& c = *m_component;
    if (name == QStringLiteral("WriteProperties")) {
        core::PropertyBag bag;
        c.WriteProperties(bag);
        hostkit::saveBag(m_settings, bag);
        return {{QStringLiteral("result"), QJsonObject::fromVariantMap(bag.values())}};
    }
    if (name == QStringLiteral("ReadProperties")) {
        c.ReadProperties(args.isEmpty() ? hostkit::loadBag(m_settings)
                                        : core::PropertyBag(args.at(0).toObject().toVariantMap()));
        return {{QStringLiteral("result"), QJsonValue::Null}};
    }
    const QMetaObject* meta = c.metaObject();
    const int prop = meta->indexOfProperty(name.toLatin1().constData());
    if (prop >= 0) {
        QMetaProperty p = meta->property(prop);
        if (!args.isEmpty()) {
            QVariant v;
            if (!fromJson(args.at(0), p.metaType(), &v))
                return error(QStringLiteral("valore non valido per ") + name);
            p.write(&c, v);
        }
        return {{QStringLiteral("result"), toJson(p.read(&c))}};
    }
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        QMetaMethod m = meta->method(i);
        if (m.methodType() != QMetaMethod::Method || QString::fromLatin1(m.name()) != name) continue;
        if (m.parameterCount() != args.size()) continue;
        QVariantList values;
        for (int a = 0; a < args.size(); ++a) {
            QVariant v;
            if (!fromJson(args.at(a), m.parameterMetaType(a), &v))
                return error(QStringLiteral("argomento %1 non valido per %2").arg(a + 1).arg(name));
            values.append(v);
        }
        QVariant result =
            m.returnMetaType().id() == QMetaType::Void ? QVariant() : QVariant(m.returnMetaType());
        if (!invoke(c, m, values, &result)) return error(QStringLiteral("chiamata non riuscita: ") + name);
        return {{QStringLiteral("result"), toJson(result)}};
    }
    return error(QStringLiteral("metodo sconosciuto: ") + name);
}

form::Form* HostSession::formNamed(const QString& name) {
    if (name == m_component->form().name()) return &m_component->form();
    if (name == m_component->header().controls().name()) return &m_component->header().controls();
    for (form::Form* f : m_scripted)
        if (f->name() == name) return f;
    return nullptr;
}

form::Form* HostSession::resolveForm(const QString& name, QString* control) {
    const int dot = name.indexOf(QLatin1Char('.'));
    if (dot > 0) {
        *control = name.mid(dot + 1);
        return formNamed(name.left(dot));
    }
    *control = name;
    return m_scripted.isEmpty() ? &m_component->form() : m_scripted.last();
}

QJsonObject HostSession::dump(const QString& what) {
    if (what == QStringLiteral("state")) {
        return {
            {QStringLiteral("state"), QJsonObject{{QStringLiteral("editState"), m_component->editState()},
                                                  {QStringLiteral("currentId"), m_component->currentId()},
                                                  {QStringLiteral("title"), m_component->messageTitle()}}}};
    }
    form::Form* f = what == QStringLiteral("form")
                        ? (m_scripted.isEmpty() ? &m_component->form() : m_scripted.last())
                        : formNamed(what);
    if (!f) return error(QStringLiteral("maschera sconosciuta: ") + what);
    QJsonObject controls = form::dumpForm(*f);
    if (f == &m_component->form()) addCaseFormExtras(*m_component, &controls);
    return {{QStringLiteral("form"), controls}};
}

QJsonObject HostSession::sql(const QString& text) {
    ConnectionPtr conn = m_component->ConnReadWrite();
    if (!conn) return error(QStringLiteral("nessun database aperto"));
    QJsonArray columns, rows;
    const QString verb = text.trimmed().section(QLatin1Char(' '), 0, 0).toUpper();
    if (verb != QStringLiteral("SELECT") && verb != QStringLiteral("WITH")) {
        conn->Execute(text);
        return {{QStringLiteral("columns"), columns}, {QStringLiteral("rows"), rows}};
    }
    Recordset rs(conn, text, adLockReadOnly);
    const QStringList names = rs.fieldNames();
    for (const QString& n : names) columns.append(n);
    for (; !rs.Eof(); rs.MoveNext()) {
        QJsonArray row;
        for (int c = 0; c < names.size(); ++c) row.append(toJson(rs.value(c)));
        rows.append(row);
    }
    return {{QStringLiteral("columns"), columns}, {QStringLiteral("rows"), rows}};
}

}  // namespace tolmo::host
