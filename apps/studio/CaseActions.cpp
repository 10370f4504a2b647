#include "CaseActions.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QToolBar>

namespace tolmo::studio {

namespace {

QAction* makeAction(QMenu* menu, QToolBar* bar, const QString& text, const QString& tip,
                    const QList<QKeySequence>& keys, const std::function<void()>& run) {
    auto* a = new QAction(text, menu);
    a->setShortcuts(keys);
    QStringList shown;
    for (const QKeySequence& k : keys) shown << k.toString(QKeySequence::NativeText);
    a->setToolTip(tip + QStringLiteral(" (") + shown.join(QStringLiteral(", ")) + QLatin1Char(')'));
    a->setStatusTip(tip);
    QObject::connect(a, &QAction::triggered, menu, [run] { run(); });
    menu->addAction(a);
    if (bar) bar->addAction(a);
    return a;
}

}  // namespace

CaseActions::CaseActions(QMenu* menu, QToolBar* bar, Handlers h, QObject* parent) : QObject(parent) {
    apri = makeAction(menu, bar, QStringLiteral("Apri pratica…"),
                      QStringLiteral("Apre la pratica di una posizione"),
                      {QKeySequence(Qt::CTRL | Qt::Key_O)}, h.apri);
    menu->addSeparator();
    bar->addSeparator();
    nuova = makeAction(menu, bar, QStringLiteral("Nuova"), QStringLiteral("Inserisce una nuova pratica"),
                       {QKeySequence(Qt::CTRL | Qt::Key_N)}, h.nuova);
    modifica =
        makeAction(menu, bar, QStringLiteral("Modifica"), QStringLiteral("Modifica la pratica visualizzata"),
                   {QKeySequence(Qt::Key_F2), QKeySequence(Qt::CTRL | Qt::Key_M)}, h.modifica);
    conferma =
        makeAction(menu, bar, QStringLiteral("Conferma"), QStringLiteral("Controlla e salva la pratica"),
                   {QKeySequence(Qt::CTRL | Qt::Key_S), QKeySequence(Qt::Key_F10)}, h.conferma);
    // F9 first: Ctrl+Z stays the undo of the field being edited.
    annulla = makeAction(menu, bar, QStringLiteral("Annulla"), QStringLiteral("Abbandona le modifiche"),
                         {QKeySequence(Qt::Key_F9), QKeySequence(Qt::CTRL | Qt::Key_Z)}, h.annulla);
    elimina =
        makeAction(menu, bar, QStringLiteral("Elimina"), QStringLiteral("Elimina la pratica visualizzata"),
                   {QKeySequence(Qt::CTRL | Qt::Key_Delete)}, h.elimina);
}

void CaseActions::update(const hostkit::CommandStates& s) {
    apri->setEnabled(s.apri);
    nuova->setEnabled(s.nuova);
    modifica->setEnabled(s.modifica);
    conferma->setEnabled(s.conferma);
    annulla->setEnabled(s.annulla);
    elimina->setEnabled(s.elimina);
}

}  // namespace tolmo::studio
