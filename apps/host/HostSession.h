#pragma once
// The JSON-lines driver of the component: one command object in, the things that
// happened (message boxes, events, forms shown) and one reply out.

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QStringList>
#include <functional>

#include "core/TolmoPratica.h"
#include "form/ScriptedInteraction.h"
#include "platform/Settings.h"

namespace tolmo::host {

class HostSession {
public:
    /// `settings` holds the startup keys and the component's property bag.
    explicit HostSession(platform::Settings& settings);
    ~HostSession();

    /// Opens the database (creating the demo firm on a new one) and connects the component.
    void connect(const QString& url);
    TolmoPratica& component() { return *m_component; }
    form::ScriptedInteraction& interaction() { return m_ui; }

    /// Handles one command; returns the output lines (happenings first, the reply last). A
    /// command's "seq", when it has one, comes back in its reply.
    QList<QJsonObject> handle(const QJsonObject& command);
    /// Parses one input line; a line that is not a JSON object gives an error reply.
    QList<QJsonObject> handleLine(const QByteArray& line);

private:
    QJsonObject dispatch(const QJsonObject& command);
    QJsonObject call(const QString& name, const QJsonArray& args);
    QJsonObject dump(const QString& what);
    QJsonObject sql(const QString& text);
    /// {"archivio":"apri"}: shows "Apri archivio"; the archive opened there replaces the one the
    /// component works on, with a new component, as a host starting on it would make.
    QJsonObject apriArchivio();
    void newComponent();
    /// The form a control name refers to: "FORM.CONTROL", or the form being scripted,
    /// or the case form. Sets `*control` to the bare control name.
    form::Form* resolveForm(const QString& name, QString* control);
    form::Form* formNamed(const QString& name);
    void watchSignals();
    void happened(const QJsonObject& line) { m_pending.append(line); }

    platform::Settings& m_settings;
    form::ScriptedInteraction m_ui;
    std::unique_ptr<TolmoPratica> m_component;
    QList<QJsonObject> m_pending;
    QList<form::Form*> m_scripted;  // forms whose onshow script is running, innermost last
};

}  // namespace tolmo::host
