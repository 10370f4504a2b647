#pragma once
// The studio's main window: the case form, a toolbar for the component's public
// methods, and a pane listing the events the component raises.

#include "core/TolmoPratica.h"

#include <QMainWindow>

class QListWidget;
class QLabel;

namespace tolmo::ui {
class PraticaView;
}

namespace tolmo::studio {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(TolmoPratica& component, int userId, QWidget* parent = nullptr);
    ~MainWindow() override;
    /// Starts the component for the user: lists, accounting owners, exchange rate.
    void start();

private:
    void buildActions();
    void logEvent(const QString& name, const QVariantList& args);
    void refreshStatus();

    TolmoPratica& m_component;
    int m_userId;
    ui::PraticaView* m_view = nullptr;
    QListWidget* m_events = nullptr;
    QLabel* m_state = nullptr;
};

}  // namespace tolmo::studio
