#include "HostProcess.h"

#include <gtest/gtest.h>

#include <QJsonDocument>

namespace tolmo::test {

HostProcess::HostProcess(const QString& url) {
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral(TOLMO_HOST_BINARY), {QStringLiteral("--db"), url});
    EXPECT_TRUE(m_process.waitForStarted()) << m_process.errorString().toStdString();
}

HostProcess::~HostProcess() {
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(30000)) m_process.kill();
}

void HostProcess::post(QJsonObject command) {
    command.insert(QStringLiteral("seq"), ++m_posted);
    m_process.write(QJsonDocument(command).toJson(QJsonDocument::Compact) + '\n');
    m_process.waitForBytesWritten(30000);  // on its way now, not when this side next reads
}

QJsonObject HostProcess::reply() {
    happened.clear();
    const int wanted = ++m_answered;
    for (;;) {
        const qsizetype end = m_buffer.indexOf('\n');
        if (end < 0) {
            if (!m_process.waitForReadyRead(120000)) {
                ADD_FAILURE() << "tolmo-host did not answer command " << wanted;
                return {};
            }
            m_buffer += m_process.readAllStandardOutput();
            continue;
        }
        const QJsonObject line = QJsonDocument::fromJson(m_buffer.left(end)).object();
        m_buffer.remove(0, end + 1);
        if (line.value(QStringLiteral("seq")).toInt() == wanted) return line;
        happened << line;
    }
}

QStringList HostProcess::messages() const {
    QStringList texts;
    for (const QJsonObject& h : happened)
        if (h.contains(QStringLiteral("msgbox")))
            texts << h.value(QStringLiteral("msgbox")).toObject().value(QStringLiteral("text")).toString();
    return texts;
}

}  // namespace tolmo::test
