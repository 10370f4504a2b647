// tolmo-studio: the desktop host of the case-file component.

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

#include "ArchiveDialog.h"
#include "FeeTableDocument.h"
#include "MainWindow.h"
#include "StartupScript.h"
#include "UserChooser.h"
#include "apps/common/ArchiveForm.h"
#include "apps/common/HostKit.h"
#include "apps/common/RecentArchives.h"
#include "ui/binder/QtInteraction.h"
#include "ui/dialogs/DialogViews.h"

namespace {

const QString kTitolo = QStringLiteral("Tolmo Studio");

// Connects the component to `url`; false, with the reason in `*perche`, when it cannot.
bool collega(tolmo::TolmoPratica& component, const QString& url, QString* perche) {
    try {
        tolmo::hostkit::connect(component, url, [](int from, int to) {
            QMessageBox::information(nullptr, kTitolo, tolmo::hostkit::testoAggiornamento(from, to));
        });
        return true;
    } catch (const tolmo::DbError& e) {
        *perche = e.description();
        return false;
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(kTitolo);
    QApplication::setApplicationVersion(QStringLiteral(TOLMO_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Tolmo Studio: la pratica dello studio legale."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({QStringLiteral("db"),
                      QStringLiteral("Database: sqlite:PERCORSO o postgresql://UTENTE@HOST:PORTA/DB. Senza, "
                                     "l'ultimo archivio aperto, o l'archivio dimostrativo."),
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
    tolmo::studio::registraApriArchivio(interaction);

    // One round per archive: "Apri archivio" closes the window and the studio starts again on
    // the archive opened, with a component of its own and the user chosen among its users.
    QString url = tolmo::hostkit::archivioIniziale(settings, parser.value(QStringLiteral("db")));
    bool primo = true;
    int rc = 0;
    while (!url.isEmpty()) {
        tolmo::TolmoPratica component(interaction, settings);
        tolmo::hostkit::restoreProperties(component, settings);
        QString perche;
        if (!collega(component, url, &perche)) {
            // An archive that does not open is said in the dialog, which offers the others.
            if (!script.screenshot.isEmpty()) {
                qWarning("%s", qPrintable(perche));
                return 1;
            }
            url = tolmo::hostkit::scegliArchivio(
                settings, interaction, tolmo::hostkit::descriviArchivio(url) + QStringLiteral(": ") + perche);
            if (url.isEmpty()) return 1;
            continue;
        }
        tolmo::hostkit::RecentArchives(settings).ricorda(url);

        // The court-fee table is written from the brackets of the firm opened; a table that
        // cannot be written leaves the last one written, or none, for the shell to say so.
        try {
            tolmo::studio::preparaTabellaContributo(settings, *component.ConnReadOnly());
        } catch (const tolmo::DbError& e) {
            qWarning("%s", qPrintable(e.description()));
        }

        const QString shared = QStringLiteral("Shared"), idKey = QStringLiteral("Id_Utente");
        int userId = settings.value(shared, idKey, QStringLiteral("1")).toInt();
        if (primo && parser.isSet(QStringLiteral("user")))
            userId = parser.value(QStringLiteral("user")).toInt();
        else if (script.screenshot.isEmpty())
            userId = tolmo::studio::chooseUser(nullptr, component.ConnReadOnly(), userId);
        settings.setValue(shared, idKey, QString::number(userId));

        tolmo::studio::MainWindow window(component, userId);
        window.setArchivio(url, settings);
        interaction.setParentWidget(&window);
        window.start();
        window.resize(1366, 768);
        window.show();
        if (primo) tolmo::studio::runStartupScript(window, script, interaction);
        primo = false;

        rc = app.exec();
        interaction.setParentWidget(nullptr);
        tolmo::core::PropertyBag bag;
        component.WriteProperties(bag);
        tolmo::hostkit::saveBag(settings, bag);
        url = window.altroArchivio();
    }
    return rc;
}
