// tolmo-studio: the desktop host of the case-file component.

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

#include "FeeTableDocument.h"
#include "MainWindow.h"
#include "StartupScript.h"
#include "UserChooser.h"
#include "apps/common/HostKit.h"
#include "ui/binder/QtInteraction.h"
#include "ui/dialogs/DialogViews.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tolmo Studio"));
    QApplication::setApplicationVersion(QStringLiteral(TOLMO_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Tolmo Studio: la pratica dello studio legale."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({QStringLiteral("db"),
                      QStringLiteral("Database: sqlite:PERCORSO o postgresql://UTENTE@HOST:PORTA/DB."),
                      QStringLiteral("url")});
    parser.addOption({QStringLiteral("settings"), QStringLiteral("File INI delle impostazioni utente."),
                      QStringLiteral("file")});
    parser.addOption(
        {QStringLiteral("user"), QStringLiteral("Utente corrente, senza chiederlo."), QStringLiteral("id")});
    tolmo::studio::StartupScript::addOptions(parser);
    parser.process(app);
    const tolmo::studio::StartupScript script = tolmo::studio::StartupScript::fromParser(parser);

    tolmo::platform::QtSettings settings(parser.value(QStringLiteral("settings")));
    tolmo::ui::QtInteraction interaction;
    tolmo::ui::registerDialogViews(interaction);
    tolmo::TolmoPratica component(interaction, settings);
    tolmo::hostkit::restoreProperties(component, settings);

    const QString url = parser.isSet(QStringLiteral("db")) ? parser.value(QStringLiteral("db"))
                                                           : tolmo::hostkit::defaultDatabaseUrl();
    try {
        tolmo::hostkit::connect(component, url, [](int from, int to) {
            QMessageBox::information(nullptr, QStringLiteral("Tolmo Studio"),
                                     tolmo::hostkit::testoAggiornamento(from, to));
        });
    } catch (const tolmo::DbError& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Tolmo Studio"), e.description());
        return 1;
    }

    // The court-fee table is written from the brackets of the firm opened; a table that cannot
    // be written leaves the last one written, or none, for the shell to say so.
    try {
        tolmo::studio::preparaTabellaContributo(settings, *component.ConnReadOnly());
    } catch (const tolmo::DbError& e) {
        qWarning("%s", qPrintable(e.description()));
    }

    const QString shared = QStringLiteral("Shared"), idKey = QStringLiteral("Id_Utente");
    int userId = settings.value(shared, idKey, QStringLiteral("1")).toInt();
    if (parser.isSet(QStringLiteral("user")))
        userId = parser.value(QStringLiteral("user")).toInt();
    else if (script.screenshot.isEmpty())
        userId = tolmo::studio::chooseUser(nullptr, component.ConnReadOnly(), userId);
    settings.setValue(shared, idKey, QString::number(userId));

    tolmo::studio::MainWindow window(component, userId);
    interaction.setParentWidget(&window);
    window.start();
    window.resize(1366, 768);
    window.show();
    tolmo::studio::runStartupScript(window, script, interaction);

    const int rc = app.exec();
    tolmo::core::PropertyBag bag;
    component.WriteProperties(bag);
    tolmo::hostkit::saveBag(settings, bag);
    return rc;
}
