#include "MainWindow.h"

#include <QDockWidget>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollArea>
#include <QStatusBar>
#include <QTime>
#include <QToolBar>

#include "CaseActions.h"
#include "DeadlineExport.h"
#include "apps/common/ArchiveForm.h"
#include "apps/common/CaseCommands.h"
#include "apps/common/CaseFinder.h"
#include "apps/common/ClientRegistration.h"
#include "apps/common/HostKit.h"
#include "apps/common/RecentArchives.h"
#include "apps/common/SuspensionSetting.h"
#include "ui/case/PraticaView.h"

namespace tolmo::studio {

namespace {

const QString kTitolo = QStringLiteral("Tolmo Studio");

QString describe(const QVariant& v) {
    if (v.metaType() == QMetaType::fromType<Currency>()) return v.value<Currency>().toItalian(2);
    if (v.metaType().id() == QMetaType::QString) return QLatin1Char('"') + v.toString() + QLatin1Char('"');
    return v.toString();
}

}  // namespace

MainWindow::MainWindow(TolmoPratica& component, int userId, QWidget* parent)
    : QMainWindow(parent), m_component(component), m_userId(userId) {
    setWindowTitle(QStringLiteral("Tolmo Studio — Pratica"));
    m_view = new ui::PraticaView(component.form(), component.header().controls());
    auto* scroll = new QScrollArea;
    scroll->setWidget(m_view);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    setCentralWidget(scroll);

    m_events = new QListWidget;
    m_events->setObjectName(QStringLiteral("lstEventi"));
    auto* dock = new QDockWidget(QStringLiteral("Eventi della pratica"), this);
    dock->setObjectName(QStringLiteral("dockEventi"));
    dock->setWidget(m_events);
    addDockWidget(Qt::BottomDockWidgetArea, dock);
    resizeDocks({dock}, {56}, Qt::Vertical);

    m_state = new QLabel;
    m_state->setObjectName(QStringLiteral("lblStatoFinestra"));
    statusBar()->addPermanentWidget(m_state);

    // A host answers the component's requests once the call that raised them has returned.
    connect(&component, &TolmoPratica::SettaPratica, this, &MainWindow::mostraPratica, Qt::QueuedConnection);
    connect(&component, &TolmoPratica::InserisciCliente, this, &MainWindow::inserisciCliente,
            Qt::QueuedConnection);
    connect(&component, &TolmoPratica::EnableConferma, this, [this](bool on) { m_confermaConsentita = on; });
    hostkit::watchEvents(component,
                         [this](const QString& name, const QVariantList& args) { logEvent(name, args); });

    buildArchiveActions();
    buildCaseActions();
    buildToolActions();
    menuBar()->addMenu(QStringLiteral("&Visualizza"))->addAction(dock->toggleViewAction());
    refreshStatus();
}

MainWindow::~MainWindow() = default;

void MainWindow::start() {
    run([this] {
        m_component.Start();
        m_component.SettaContabilita(m_userId);
        m_component.SetCambioLiraEuro();
    });
}

void MainWindow::run(const std::function<void()>& command) {
    command();
    refreshStatus();
}

void MainWindow::mostraPratica(int id) {
    if (m_component.editState() != TolmoPratica::Consultazione) return;  // a host never drops an edit
    run([this, id] { m_component.VisualizzaPratica(id); });
}

void MainWindow::setArchivio(const QString& url, platform::Settings& settings) {
    m_settings = &settings;
    const QString archivio = hostkit::descriviArchivio(url);
    setWindowTitle(QStringLiteral("Tolmo Studio — Pratica — ") + archivio);
    auto* label = new QLabel(QStringLiteral("Archivio: ") + archivio);
    label->setObjectName(QStringLiteral("lblArchivio"));
    statusBar()->addWidget(label);
}

void MainWindow::buildArchiveActions() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Archivio"));
    QAction* apri = menu->addAction(QStringLiteral("&Apri archivio..."));
    apri->setObjectName(QStringLiteral("actApriArchivio"));
    apri->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    apri->setStatusTip(
        QStringLiteral("Apre un altro archivio: un file o un database del server dello studio"));
    connect(apri, &QAction::triggered, this, &MainWindow::apriArchivio);
    menu->addSeparator();
    QAction* esci = menu->addAction(QStringLiteral("&Esci"));
    esci->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(esci, &QAction::triggered, this, &QWidget::close);
}

// The window closes and the studio starts again on the archive opened.
void MainWindow::apriArchivio() {
    if (!m_settings) return;
    if (const QString negato = hostkit::cambioArchivioNegato(m_component.editState()); !negato.isEmpty()) {
        QMessageBox::information(this, kTitolo, negato);
        return;
    }
    const QString url = hostkit::scegliArchivio(*m_settings, m_component.interaction());
    if (url.isEmpty()) return;
    m_altroArchivio = url;
    close();
}

void MainWindow::buildCaseActions() {
    QToolBar* bar = addToolBar(QStringLiteral("Pratica"));
    bar->setObjectName(QStringLiteral("tbPratica"));
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Pratica"));
    CaseActions::Handlers h;
    h.apri = [this] { apriPratica(); };
    h.nuova = [this] { run([this] { m_component.Inserimento(); }); };
    h.modifica = [this] { run([this] { m_component.Modifica(); }); };
    h.conferma = [this] { run([this] { m_component.Conferma(); }); };
    h.annulla = [this] { run([this] { m_component.Annulla(); }); };
    h.elimina = [this] { run([this] { m_component.Elimina(); }); };
    m_actions = new CaseActions(menu, bar, h, this);
}

void MainWindow::buildToolActions() {
    QToolBar* bar = addToolBar(QStringLiteral("Strumenti"));
    bar->setObjectName(QStringLiteral("tbStrumenti"));
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Strumenti"));
    auto add = [&](const QString& text, const QString& tip, const QKeySequence& keys,
                   std::function<void()> command) {
        QAction* a = bar->addAction(text);
        a->setToolTip(tip);
        a->setStatusTip(tip);
        a->setShortcut(keys);
        menu->addAction(a);
        connect(a, &QAction::triggered, this, [this, command] { run(command); });
        return a;
    };
    add(QStringLiteral("Svuota"), QStringLiteral("Svuota tutti i campi della maschera"),
        QKeySequence(Qt::Key_F5), [this] { m_component.ClearAllForm(); });
    add(QStringLiteral("Cambio lira/euro"),
        QStringLiteral("Rilegge il cambio lira/euro dalla configurazione"), {}, [this] {
            m_component.SetCambioLiraEuro();
            statusBar()->showMessage(QStringLiteral("Cambio lira/euro: ") + m_component.CambioLiraEuro, 5000);
        });
    QAction* storico =
        add(QStringLiteral("Archivio storico"), QStringLiteral("Intestazione dell'archivio storico"),
            QKeySequence(Qt::CTRL | Qt::Key_H), [] {});
    storico->setCheckable(true);
    connect(storico, &QAction::toggled, this,
            [this](bool on) { run([this, on] { m_component.CambiaIntestazione(on); }); });
    add(QStringLiteral("Sblocca riferimenti"),
        QStringLiteral("Riabilita i riferimenti e il titolare di contabilità"), {},
        [this] { m_component.SbloccaRiferimentiStorico(); });
    add(QStringLiteral("Titolari contabilità"), QStringLiteral("Ricarica titolari, referenti e riservatezza"),
        {}, [this] { m_component.SettaContabilita(m_userId); });
    add(QStringLiteral("Valuta"), QStringLiteral("Imposta valuta e cambio dei campi importo"), {}, [this] {
        bool ok = false;
        const QString valuta =
            QInputDialog::getItem(this, QStringLiteral("Valuta"), QStringLiteral("Valuta della pratica:"),
                                  {QStringLiteral("EURO"), QStringLiteral("LIRA")}, 0, true, &ok);
        if (ok) m_component.SettaValuta(valuta, m_component.CAMBIO());
    });
    add(QStringLiteral("Sospensione feriale"),
        QStringLiteral("Periodo di sospensione feriale dei termini per le scadenze penali"), {},
        [this] { impostaSospensione(); });
    add(QStringLiteral("Esporta scadenze"),
        QStringLiteral("Scrive le scadenze aperte in un file di calendario (iCalendar)"),
        QKeySequence(Qt::CTRL | Qt::Key_E), [this] {
            const QString fatto = esportaScadenze(this, m_component);
            if (!fatto.isEmpty()) statusBar()->showMessage(fatto, 8000);
        });
    add(QStringLiteral("Recenti"), QStringLiteral("Voce per l'elenco delle pratiche recenti"), {},
        [this] { QMessageBox::information(this, kTitolo, m_component.CreaStringaRecenti()); });
    add(QStringLiteral("Schermo grande"), QStringLiteral("Sposta la maschera per uno schermo grande"), {},
        [this] { m_component.RedimensioningUserControl(false); });
}

// The firm's span, chosen among the two the courts have used or typed as "gg/mm-gg/mm".
void MainWindow::impostaSospensione() {
    const ConnectionPtr conn = m_component.ConnReadWrite();
    if (!conn) return;
    try {
        const QString attuale = hostkit::leggiSospensione(*conn);
        QStringList spans = {QStringLiteral("01/08-31/08"), QStringLiteral("01/08-15/09")};
        if (!spans.contains(attuale)) spans.prepend(attuale);
        bool ok = false;
        const QString scelta =
            QInputDialog::getItem(this, QStringLiteral("Sospensione feriale"),
                                  QStringLiteral("Periodo di sospensione feriale dei termini (gg/mm-gg/mm):"),
                                  spans, static_cast<int>(spans.indexOf(attuale)), true, &ok);
        if (!ok) return;
        statusBar()->showMessage(
            QStringLiteral("Sospensione feriale: ") + hostkit::impostaSospensione(*conn, scelta), 5000);
    } catch (const hostkit::SpanRefused& e) {
        QMessageBox::warning(this, kTitolo, QString::fromStdString(e.what()));
    } catch (const DbError& e) {
        QMessageBox::critical(this, kTitolo, e.description());
    }
}

void MainWindow::apriPratica() {
    bool ok = false;
    const QString posizione =
        QInputDialog::getText(this, QStringLiteral("Apri pratica"),
                              QStringLiteral("Posizione della pratica:"), QLineEdit::Normal, QString(), &ok)
            .trimmed();
    if (!ok || posizione.isEmpty()) return;
    int id = 0;
    try {
        id = hostkit::findCaseByPosition(m_component.ConnReadOnly(), posizione);
    } catch (const DbError& e) {
        QMessageBox::critical(this, kTitolo, e.description());
        return;
    }
    if (id == 0) {
        QMessageBox::information(this, kTitolo,
                                 QStringLiteral("Nessuna pratica con la posizione %1.").arg(posizione));
        return;
    }
    mostraPratica(id);
}

void MainWindow::inserisciCliente(const QString& cognome, const QString& nome) {
    const int id = hostkit::registraCliente(m_component, cognome, nome);
    if (id > 0)
        statusBar()->showMessage(
            QStringLiteral("Cliente registrato in anagrafica: confermare di nuovo la pratica."), 8000);
    refreshStatus();
}

void MainWindow::logEvent(const QString& name, const QVariantList& args) {
    QStringList parts;
    for (const QVariant& v : args) parts << describe(v);
    m_events->addItem(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")) + QStringLiteral("  ") +
                      name + QLatin1Char('(') + parts.join(QStringLiteral(", ")) + QLatin1Char(')'));
    m_events->scrollToBottom();
    refreshStatus();
}

void MainWindow::refreshStatus() {
    const short state = m_component.editState();
    if (state != m_lastState) m_confermaConsentita = true;  // a new edit starts with Conferma offered
    m_lastState = state;

    QString text = QStringLiteral("Stato: ") + hostkit::editStateName(state);
    const int id = m_component.currentId();
    if (id > 0) {
        text += QStringLiteral("   Pratica: ") + QString::number(id);
        const QString posizione = m_component.header().posizione().trimmed();
        if (!posizione.isEmpty()) text += QStringLiteral(" (posizione ") + posizione + QLatin1Char(')');
    } else {
        text += QStringLiteral("   Nessuna pratica");
    }
    if (!m_confermaConsentita) text += QStringLiteral("   Conferma non disponibile");
    m_state->setText(text);
    if (m_actions) m_actions->update(hostkit::commandStates(state, id, m_confermaConsentita));
}

}  // namespace tolmo::studio
