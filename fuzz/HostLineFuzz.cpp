// One tolmo-host JSON line, on a session started on the demo firm: whatever the line, the driver
// answers with a reply (an error for a bad line) and goes on; nothing crashes.

#include <QCoreApplication>
#include <QTemporaryDir>

#include "FuzzText.h"
#include "apps/host/HostSession.h"
#include "platform/Settings.h"

namespace {

struct Sessione {
    QTemporaryDir dir;
    tolmo::platform::MemorySettings settings;
    std::unique_ptr<tolmo::host::HostSession> session;
};

Sessione* sessione = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    sessione = new Sessione;
    sessione->settings.setValue(QStringLiteral("startup"), QStringLiteral("PathRicerche"),
                                sessione->dir.path());
    sessione->session = std::make_unique<tolmo::host::HostSession>(sessione->settings);
    sessione->session->connect(QStringLiteral("sqlite:") +
                               sessione->dir.filePath(QStringLiteral("studio.sqlite")));
    sessione->session->handleLine(R"({"call":"Start","args":[]})");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray line(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // A modal form a line opens is never left waiting: the scripted interaction returns at once.
    const QList<QJsonObject> out = sessione->session->handleLine(line);
    tolmo::fuzz::promessa(!out.isEmpty(), "every line has its reply", QString::fromUtf8(line));
    return 0;
}
