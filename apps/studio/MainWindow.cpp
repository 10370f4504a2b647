#include "MainWindow.h"

#include "apps/common/HostKit.h"
#include "ui/case/PraticaView.h"

#include <QDockWidget>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollArea>
#include <QStatusBar>
#include <QTime>
#include <QToolBar>

namespace tolmo::studio {

namespace {
QString describe(const QVariant& v) {
    if (v.metaType() == QMetaType::fromType<Currency>()) return v.value<Currency>().toItalian(2);
    if (v.metaType().id() == QMetaType::QString) return QLatin1Char('"') + v.toString() + QLatin1Char('"');
    return v.toString();
}

const char* stateName(short state) {
    switch (state) {
        case 1: return "Consultazione";
        case 2: return "Modifica";
        case 3: return "Inserimento";
        default: return "Non avviato";
    }
}
}  // namespace

MainWindow::MainWindow(TolmoPratica& component, int userId, QWidget* parent)
    : QMainWindow(parent), m_component(component), m_userId(userId) {
    setWindowTitle(QStringLiteral("Tolmo Studio — Pratica"));
    m_view = new ui::PraticaView(component.form(), component.header().controls());
    auto* scroll = new QScrollArea;
    scroll->setWidget(m_view);
    scroll->setWidgetResizable(true);
    setCentralWidget(scroll);

    m_events = new QListWidget;
    m_events->setObjectName(QStringLiteral("lstEventi"));
    auto* dock = new QDockWidget(QStringLiteral("Eventi della pratica"), this);
    dock->setObjectName(QStringLiteral("dockEventi"));
    dock->setWidget(m_events);
    addDockWidget(Qt::BottomDockWidgetArea, dock);
    resizeDocks({dock}, {90}, Qt::Vertical);

    m_state = new QLabel;
    statusBar()->addPermanentWidget(m_state);
    hostkit::watchEvents(component, [this](const QString& name, const QVariantList& args) { logEvent(name, args); });
    buildActions();
    menuBar()->addMenu(QStringLiteral("&Visualizza"))->addAction(dock->toggleViewAction());
    refreshStatus();
}

MainWindow::~MainWindow() = default;

void MainWindow::start() {
    m_component.Start();
    m_component.SettaContabilita(m_userId);
    m_component.SetCambioLiraEuro();
    refreshStatus();
}

void MainWindow::buildActions() {
    QToolBar* bar = addToolBar(QStringLiteral("Pratica"));
    bar->setObjectName(QStringLiteral("tbPratica"));
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Pratica"));
    auto add = [&](const QString& text, const QString& tip, const QKeySequence& keys, std::function<void()> run) {
        QAction* a = bar->addAction(text);
        a->setToolTip(tip);
        a->setShortcut(keys);
        menu->addAction(a);
        connect(a, &QAction::triggered, this, [this, run] {
            run();
            refreshStatus();
        });
        return a;
    };
    add(QStringLiteral("Svuota"), QStringLiteral("Svuota tutti i campi della maschera"), QKeySequence(Qt::Key_F5),
        [this] { m_component.ClearAllForm(); });
    add(QStringLiteral("Cambio lira/euro"), QStringLiteral("Rilegge il cambio lira/euro dalla configurazione"), {},
        [this] {
            m_component.SetCambioLiraEuro();
            statusBar()->showMessage(QStringLiteral("Cambio lira/euro: ") + m_component.CambioLiraEuro, 5000);
        });
    QAction* storico = add(QStringLiteral("Archivio storico"), QStringLiteral("Intestazione dell'archivio storico"),
                           QKeySequence(Qt::CTRL | Qt::Key_H), [] {});
    storico->setCheckable(true);
    connect(storico, &QAction::toggled, this, [this](bool on) { m_component.CambiaIntestazione(on); });
    add(QStringLiteral("Sblocca riferimenti"), QStringLiteral("Riabilita i riferimenti e il titolare di contabilità"),
        {}, [this] { m_component.SbloccaRiferimentiStorico(); });
    add(QStringLiteral("Titolari contabilità"), QStringLiteral("Ricarica titolari, referenti e riservatezza"), {},
        [this] { m_component.SettaContabilita(m_userId); });
    add(QStringLiteral("Valuta"), QStringLiteral("Imposta valuta e cambio dei campi importo"), {}, [this] {
        bool ok = false;
        const QString valuta = QInputDialog::getItem(this, QStringLiteral("Valuta"), QStringLiteral("Valuta della pratica:"),
                                                     {QStringLiteral("EURO"), QStringLiteral("LIRA")}, 0, true, &ok);
        if (ok) m_component.SettaValuta(valuta, m_component.CAMBIO());
    });
    add(QStringLiteral("Recenti"), QStringLiteral("Voce per l'elenco delle pratiche recenti"), {}, [this] {
        QMessageBox::information(this, QStringLiteral("Tolmo Studio"), m_component.CreaStringaRecenti());
    });
    add(QStringLiteral("Schermo grande"), QStringLiteral("Sposta la maschera per uno schermo grande"), {},
        [this] { m_component.RedimensioningUserControl(false); });
}

void MainWindow::logEvent(const QString& name, const QVariantList& args) {
    QStringList parts;
    for (const QVariant& v : args) parts << describe(v);
    m_events->addItem(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")) + QStringLiteral("  ") + name +
                      QLatin1Char('(') + parts.join(QStringLiteral(", ")) + QLatin1Char(')'));
    m_events->scrollToBottom();
}

void MainWindow::refreshStatus() {
    m_state->setText(QStringLiteral("Stato: ") + QString::fromLatin1(stateName(m_component.editState())) +
                     QStringLiteral("   Pratica: ") + QString::number(m_component.currentId()));
}

}  // namespace tolmo::studio
