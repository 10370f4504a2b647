#pragma once
// A tab strip: QTabWidget (or a bare QTabBar). Tab visibility, captions and the current
// tab flow to the widget; the person's tab change -> setCurrent (which fires Click).

#include "ui/binder/Binding.h"

class QTabBar;
class QTabWidget;

namespace tolmo::ui {

class TabBinding : public Binding {
public:
    TabBinding(form::TabStrip& control, QWidget* widget, EchoGuard& echo);

protected:
    void adopt() override;
    void show(form::Prop prop) override;
    void listen() override;
    QList<QWidget*> inputWidgets() const override;

private:
    int tabCount() const;
    form::TabStrip& m_tabs;
    QTabWidget* m_tabWidget;
    QTabBar* m_bar;
};

}  // namespace tolmo::ui
