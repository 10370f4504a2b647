#pragma once
// A tolmo-host process of its own, as another workstation runs it: JSON lines through a pipe.

#include <QJsonObject>
#include <QProcess>
#include <QStringList>

#include "support/SessionDriver.h"

namespace tolmo::test {

class HostProcess {
public:
    /// Starts tolmo-host on the archive at `url`; a start that fails fails the test.
    explicit HostProcess(const QString& url);
    ~HostProcess();
    HostProcess(const HostProcess&) = delete;
    HostProcess& operator=(const HostProcess&) = delete;

    /// Writes one command without waiting for its reply.
    void post(QJsonObject command);
    /// The reply of the oldest command posted and not yet answered; what happened before it is
    /// kept in `happened`. An empty object when the host does not answer within two minutes.
    QJsonObject reply();
    QJsonObject send(const QJsonObject& command) {
        post(command);
        return reply();
    }
    QJsonObject call(const QString& name, const QJsonArray& args = {}) {
        return send({{QStringLiteral("call"), name}, {QStringLiteral("args"), args}});
    }
    Send sender() {
        return [this](const QJsonObject& c) { return send(c); };
    }
    /// True when the host writes nothing for `ms` milliseconds (it answers a command whole).
    bool taceFinoA(int ms) { return m_buffer.isEmpty() && !m_process.waitForReadyRead(ms); }
    /// The texts of the message boxes among `happened`.
    QStringList messages() const;

    QList<QJsonObject> happened;

private:
    QProcess m_process;
    int m_posted = 0;
    int m_answered = 0;
    QByteArray m_buffer;
};

}  // namespace tolmo::test
