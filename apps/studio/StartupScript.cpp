#include "StartupScript.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>

#include "CaseActions.h"
#include "MainWindow.h"
#include "form/FormJson.h"
#include "ui/binder/QtInteraction.h"
#include "ui/case/PraticaView.h"

namespace tolmo::studio {

namespace {

constexpr int kPopupDelayMs = 300;
constexpr int kGrabDelayMs = 900;

// The control of the case form or of its header named `name`.
form::Control* findControl(TolmoPratica& component, const QString& name) {
    if (form::Control* c = component.form().find(name)) return c;
    return component.header().controls().find(name);
}

// Types `text` into `widget` key by key, as a person would.
void type(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &release);
    }
}

void openList(MainWindow& window, const StartupScript& script) {
    form::Control* control = findControl(window.component(), script.apriLista);
    auto* combo = qobject_cast<QComboBox*>(window.view().widgetFor(script.apriLista));
    if (!control || !combo) {
        qWarning("--apri-lista: no list named %s", qPrintable(script.apriLista));
        return;
    }
    combo->setFocus(Qt::OtherFocusReason);
    if (!script.testo.isEmpty() && combo->lineEdit()) combo->lineEdit()->selectAll();  // typing replaces it
    type(combo, script.testo);
    control->fire(form::EventKind::DropDown);
    combo->showPopup();
}

// The driver's "set" and "fire" lines, applied to a dialog's form as the person would act.
void runInDialog(form::Form& form, const QString& lines) {
    for (const QJsonValue& v : QJsonDocument::fromJson(lines.toUtf8()).array()) {
        const QJsonObject line = v.toObject();
        const QString error =
            line.contains(QStringLiteral("set")) ? form::applySet(form, line) : form::applyFire(form, line);
        if (!error.isEmpty()) qWarning("--nel-dialogo: %s", qPrintable(error));
    }
}

}  // namespace

void StartupScript::addOptions(QCommandLineParser& parser) {
    parser.addOption({QStringLiteral("pratica"), QStringLiteral("Mostra la pratica con questo ID_Pra."),
                      QStringLiteral("id")});
    parser.addOption({QStringLiteral("modifica"), QStringLiteral("Poi apre la pratica in modifica.")});
    parser.addOption({QStringLiteral("tab"),
                      QStringLiteral("Seleziona la linguetta N della pratica (0 Generale)."),
                      QStringLiteral("n")});
    parser.addOption({QStringLiteral("apri-lista"),
                      QStringLiteral("Apre l'elenco a discesa di questo controllo."),
                      QStringLiteral("controllo")});
    parser.addOption({QStringLiteral("testo"),
                      QStringLiteral("Testo scritto nel controllo prima di aprirne l'elenco."),
                      QStringLiteral("testo")});
    parser.addOption({QStringLiteral("opzione"),
                      QStringLiteral("Sceglie l'opzione N di un gruppo (optCU=0)."),
                      QStringLiteral("controllo=n")});
    parser.addOption(
        {QStringLiteral("premi"),
         QStringLiteral(
             "Infine preme questo pulsante della pratica, o il comando con questo nome (actApriArchivio)."),
         QStringLiteral("controllo")});
    parser.addOption({QStringLiteral("nel-dialogo"),
                      QStringLiteral("Righe del driver (un array JSON) eseguite nel dialogo che si apre."),
                      QStringLiteral("json")});
    parser.addOption({QStringLiteral("screenshot"),
                      QStringLiteral("Salva un'immagine dello schermo intero ed esce."),
                      QStringLiteral("png")});
}

StartupScript StartupScript::fromParser(const QCommandLineParser& parser) {
    StartupScript s;
    s.pratica = parser.value(QStringLiteral("pratica")).toInt();
    s.modifica = parser.isSet(QStringLiteral("modifica"));
    if (parser.isSet(QStringLiteral("tab"))) s.tab = parser.value(QStringLiteral("tab")).toInt();
    s.apriLista = parser.value(QStringLiteral("apri-lista"));
    s.testo = parser.value(QStringLiteral("testo"));
    s.opzione = parser.value(QStringLiteral("opzione"));
    s.premi = parser.value(QStringLiteral("premi"));
    s.nelDialogo = parser.value(QStringLiteral("nel-dialogo"));
    s.screenshot = parser.value(QStringLiteral("screenshot"));
    return s;
}

void runStartupScript(MainWindow& window, const StartupScript& script, ui::QtInteraction& interaction) {
    if (script.isEmpty()) return;
    if (!script.nelDialogo.isEmpty())
        interaction.onNextModalShown = [lines = script.nelDialogo](form::Form& f) { runInDialog(f, lines); };
    QTimer::singleShot(0, &window, [&window, script] {
        if (script.pratica > 0) window.mostraPratica(script.pratica);
        if (script.modifica) window.actions().modifica->trigger();
        if (script.tab >= 0) window.component().form().SSTabPratica.setCurrent(script.tab);
        if (auto* group = dynamic_cast<form::OptionGroup*>(
                findControl(window.component(), script.opzione.section(u'=', 0, 0))))
            group->setIndex(script.opzione.section(u'=', 1).toInt());
        if (!script.apriLista.isEmpty())
            QTimer::singleShot(kPopupDelayMs, &window, [&window, script] { openList(window, script); });
        if (!script.screenshot.isEmpty()) {
            QTimer::singleShot(kGrabDelayMs, &window, [script] {
                // The whole screen, so that an open list shows too.
                QGuiApplication::primaryScreen()->grabWindow(0).save(script.screenshot);
                QApplication::quit();
            });
        }
        // Pressed last: the modal dialog it may open is on screen when the screen is grabbed.
        if (!script.premi.isEmpty())
            QTimer::singleShot(0, &window, [&window, script] {
                if (form::Control* button = findControl(window.component(), script.premi))
                    button->fire(form::EventKind::Click);
                else if (auto* action = window.findChild<QAction*>(script.premi))
                    action->trigger();
            });
    });
}

}  // namespace tolmo::studio
