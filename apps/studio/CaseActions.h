#pragma once
// The studio's case commands: open a case, new, modify, confirm, cancel, delete, each a
// menu and toolbar action with its keyboard shortcuts, enabled as the edit state allows.

#include <QObject>
#include <functional>

#include "apps/common/CaseCommands.h"

class QAction;
class QMenu;
class QToolBar;

namespace tolmo::studio {

class CaseActions : public QObject {
    Q_OBJECT
public:
    /// What each command runs; the window refreshes its state after each.
    struct Handlers {
        std::function<void()> apri, nuova, modifica, conferma, annulla, elimina;
    };
    CaseActions(QMenu* menu, QToolBar* bar, Handlers handlers, QObject* parent = nullptr);

    /// Enables the commands that make sense now.
    void update(const hostkit::CommandStates& states);

    QAction* apri = nullptr;
    QAction* nuova = nullptr;
    QAction* modifica = nullptr;
    QAction* conferma = nullptr;
    QAction* annulla = nullptr;
    QAction* elimina = nullptr;
};

}  // namespace tolmo::studio
