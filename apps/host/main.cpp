// tolmo-host: drives the case-file component with JSON lines on stdin and stdout.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonDocument>
#include <cstdio>
#include <iostream>
#include <string>

#include "HostSession.h"
#include "apps/common/HostKit.h"
#include "apps/common/RecentArchives.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tolmo-host"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOLMO_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Pilota la pratica con righe JSON su stdin/stdout."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({QStringLiteral("db"),
                      QStringLiteral("Database: sqlite:PERCORSO o postgresql://UTENTE@HOST:PORTA/DB."),
                      QStringLiteral("url")});
    parser.addOption({QStringLiteral("settings"), QStringLiteral("File INI delle impostazioni utente."),
                      QStringLiteral("file")});
    parser.addOption(
        {QStringLiteral("user"), QStringLiteral("Utente corrente (Id_Utente)."), QStringLiteral("id")});
    parser.process(app);

    std::unique_ptr<tolmo::platform::Settings> settings;
    if (parser.isSet(QStringLiteral("settings")))
        settings = std::make_unique<tolmo::platform::QtSettings>(parser.value(QStringLiteral("settings")));
    else
        settings = std::make_unique<tolmo::platform::MemorySettings>();
    if (parser.isSet(QStringLiteral("user")))
        settings->setValue(QStringLiteral("Shared"), QStringLiteral("Id_Utente"),
                           parser.value(QStringLiteral("user")));

    tolmo::host::HostSession session(*settings);
    const QString url = tolmo::hostkit::archivioIniziale(*settings, parser.value(QStringLiteral("db")));
    try {
        session.connect(url);
    } catch (const tolmo::DbError& e) {
        std::cerr << e.description().toStdString() << std::endl;
        return 2;
    }

    std::string line;
    while (std::getline(std::cin, line)) {
        if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
        for (const QJsonObject& out : session.handleLine(QByteArray::fromStdString(line)))
            std::cout << QJsonDocument(out).toJson(QJsonDocument::Compact).toStdString() << '\n';
        std::cout.flush();
    }
    return 0;
}
