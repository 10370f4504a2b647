#pragma once
// The studio's main window: the case form, the case commands and the component's other
// public methods as menu and toolbar actions, a pane listing the events the component
// raises, and a status bar with the edit state and the case on screen.

#include <QMainWindow>

#include "core/TolmoPratica.h"

class QListWidget;
class QLabel;

namespace tolmo::ui {
class PraticaView;
}

namespace tolmo::studio {

class CaseActions;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(TolmoPratica& component, int userId, QWidget* parent = nullptr);
    ~MainWindow() override;
    /// Starts the component for the user: lists, accounting owners, exchange rate.
    void start();
    /// Shows case `id` in consultation, as a host does when the header picks a case.
    void mostraPratica(int id);

    /// The archive the window works on: its title says which, and "Apri archivio" offers the
    /// recent ones kept in `settings`.
    void setArchivio(const QString& url, platform::Settings& settings);
    /// The archive the person opened with "Apri archivio" (the window then closes), "" otherwise.
    const QString& altroArchivio() const { return m_altroArchivio; }

    ui::PraticaView& view() { return *m_view; }
    CaseActions& actions() { return *m_actions; }
    TolmoPratica& component() { return m_component; }

private:
    void buildArchiveActions();
    void apriArchivio();
    void buildCaseActions();
    void buildToolActions();
    /// Runs a command of the component, then shows the state it left.
    void run(const std::function<void()>& command);
    void apriPratica();
    void impostaSospensione();
    void inserisciCliente(const QString& cognome, const QString& nome);
    void logEvent(const QString& name, const QVariantList& args);
    /// Status bar and enabled commands after every action and every event.
    void refreshStatus();

    TolmoPratica& m_component;
    int m_userId;
    ui::PraticaView* m_view = nullptr;
    QListWidget* m_events = nullptr;
    QLabel* m_state = nullptr;
    CaseActions* m_actions = nullptr;
    bool m_confermaConsentita = true;  // the last EnableConferma, until the edit state changes
    short m_lastState = -1;
    platform::Settings* m_settings = nullptr;
    QString m_altroArchivio;
};

}  // namespace tolmo::studio
