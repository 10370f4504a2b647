#include "ui/binder/TabBinding.h"

#include <QTabBar>
#include <QTabWidget>
#include <algorithm>

namespace tolmo::ui {

using form::Prop;

TabBinding::TabBinding(form::TabStrip& control, QWidget* widget, EchoGuard& echo)
    : Binding(control, widget, echo), m_tabs(control), m_tabWidget(qobject_cast<QTabWidget*>(widget)) {
    m_bar = m_tabWidget ? m_tabWidget->tabBar() : qobject_cast<QTabBar*>(widget);
}

// The tabs both sides know; a .ui with more or fewer tabs binds the common ones.
int TabBinding::tabCount() const { return std::min(m_tabs.count(), m_bar->count()); }

void TabBinding::adopt() {
    Binding::adopt();
    for (int t = 0; t < tabCount(); ++t)
        if (m_tabs.tabCaption(t).isEmpty()) m_tabs.setTabCaption(t, m_bar->tabText(t));
}

void TabBinding::show(Prop prop) {
    if (prop == Prop::Tabs) {
        for (int t = 0; t < tabCount(); ++t) {
            const bool visible = m_tabs.tabVisible(t);
            if (m_bar->isTabVisible(t) != visible) {
                if (m_tabWidget)
                    m_tabWidget->setTabVisible(t, visible);
                else
                    m_bar->setTabVisible(t, visible);
            }
            if (m_bar->tabText(t) != m_tabs.tabCaption(t)) m_bar->setTabText(t, m_tabs.tabCaption(t));
        }
    } else if (prop == Prop::Index && m_tabs.current() < tabCount() &&
               m_bar->currentIndex() != m_tabs.current()) {
        if (m_tabWidget)
            m_tabWidget->setCurrentIndex(m_tabs.current());
        else
            m_bar->setCurrentIndex(m_tabs.current());
    }
}

QList<QWidget*> TabBinding::inputWidgets() const { return {m_bar}; }

void TabBinding::listen() {
    connect(m_bar, &QTabBar::currentChanged, this, [this](int tab) {
        if (!echoing() && tab >= 0) m_tabs.setCurrent(tab);
    });
}

}  // namespace tolmo::ui
