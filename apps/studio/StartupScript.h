#pragma once
// What the studio does by itself once its window shows, for documentation screenshots:
// show a case, modify it, select a tab, type into a list and open it, grab the screen.

#include <QString>

class QCommandLineParser;

namespace tolmo::ui {
class QtInteraction;
}

namespace tolmo::studio {

class MainWindow;

struct StartupScript {
    int pratica = 0;        ///< --pratica ID: the case shown
    bool modifica = false;  ///< --modifica: then Modifica
    int tab = -1;           ///< --tab N: the tab selected
    QString apriLista;      ///< --apri-lista CONTROL: the type-ahead list opened
    QString testo;          ///< --testo TEXT: typed into that list first
    QString opzione;        ///< --opzione CONTROL=N: option N of a group chosen
    QString premi;          ///< --premi CONTROL: the button pressed last (a dialog may open)
    QString nelDialogo;     ///< --nel-dialogo JSON: driver lines run in the dialog it opens
    QString screenshot;     ///< --screenshot FILE: the whole screen saved, then the studio quits

    static void addOptions(QCommandLineParser& parser);
    static StartupScript fromParser(const QCommandLineParser& parser);
    bool isEmpty() const {
        return pratica == 0 && !modifica && tab < 0 && apriLista.isEmpty() && opzione.isEmpty() &&
               premi.isEmpty() && screenshot.isEmpty();
    }
};

/// Runs `script` on `window`, which must be shown; nothing happens for an empty script. The
/// lines of --nel-dialogo go to the first modal dialog `interaction` shows.
void runStartupScript(MainWindow& window, const StartupScript& script, ui::QtInteraction& interaction);

}  // namespace tolmo::studio
