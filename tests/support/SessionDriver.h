#pragma once
// A tolmo-host session driven the way a secretary would: typing into fields, choosing rows,
// reading the form back. Shared by the host suites and the fault-injection harness.

#include <QJsonArray>
#include <QJsonObject>
#include <functional>
#include <memory>

#include "apps/host/HostSession.h"
#include "platform/Settings.h"

namespace tolmo::test {

/// Sends one command to a session and gives its reply.
using Send = std::function<QJsonObject(const QJsonObject&)>;

/// Types `text` into CONTROL or "FORM.CONTROL"; false when the driver refused.
bool typeInto(const Send& send, const QString& control, const QString& text);
/// Opens a list (DropDown) and chooses the row whose column `column` is `value`; false when no
/// row has it.
bool chooseIn(const Send& send, const QString& control, int column, const QString& value);
/// The state of a control of the case form or of "FORM.CONTROL".
QJsonObject fieldOf(const Send& send, const QString& control);
/// What a host does first: Start, the firm's lire-per-euro rate, the senior partner as
/// accounting owner (SettaContabilita's result).
bool startLikeAHost(const Send& send);

class SessionDriver {
public:
    /// A session on the database at `url` (created with the demo firm when new).
    SessionDriver(platform::Settings& settings, const QString& url);

    host::HostSession& session() { return m_session; }
    TolmoPratica& component() { return m_session.component(); }
    Send sender() {
        return [this](const QJsonObject& c) { return send(c); };
    }

    /// Handles one command; what happened before the reply is kept in `happened`.
    QJsonObject send(const QJsonObject& command);
    QJsonObject call(const QString& name, const QJsonArray& args = {});
    bool type(const QString& control, const QString& text) { return typeInto(sender(), control, text); }
    bool choose(const QString& control, int column, const QString& value) {
        return chooseIn(sender(), control, column, value);
    }
    /// "form", "ctlTestata1" (the controls) or "state".
    QJsonObject dump(const QString& what);

    QList<QJsonObject> happened;  ///< during the last command

private:
    host::HostSession m_session;
};

}  // namespace tolmo::test
