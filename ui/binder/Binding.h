#pragma once
// One control bound to one widget: the state and the events every kind shares.

#include <QColor>
#include <QList>
#include <QObject>
#include <QPalette>
#include <QPointer>
#include <QWidget>

#include "form/Control.h"

class QKeyEvent;
class QFocusEvent;
class QMouseEvent;

namespace tolmo::ui {

/// Counts the control-to-widget updates in progress: the widget signals they cause are
/// the binder's own echo, not the person's edits.
class EchoGuard {
public:
    bool active() const { return m_depth > 0; }

    class Scope {
    public:
        explicit Scope(EchoGuard& guard) : m_guard(guard) { ++m_guard.m_depth; }
        ~Scope() { --m_guard.m_depth; }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        EchoGuard& m_guard;
    };

private:
    int m_depth = 0;
};

class Binding : public QObject {
public:
    Binding(form::Control& control, QWidget* widget, EchoGuard& echo);
    ~Binding() override;

    /// Takes from the widget what the control lacks, shows the rest, starts listening both ways.
    void start();

    form::Control& control() const { return m_control; }
    QWidget* widget() const { return m_widget; }

protected:
    /// Bind time: fills what the control has not got from what the .ui put in the widget.
    virtual void adopt();
    /// Control -> widget for the properties of this kind.
    virtual void show(form::Prop prop);
    /// Widget -> control: connects the widget's signals.
    virtual void listen() {}
    /// The widgets the person types into and clicks (the event filter watches them).
    virtual QList<QWidget*> inputWidgets() const { return {m_widget.data()}; }
    /// Where setFocus puts the keyboard focus.
    virtual QWidget* focusTarget() const { return m_widget; }
    /// Shows the locked state; false when the widget has no read-only mode of its own,
    /// in which case the person's input is swallowed instead.
    virtual bool showLocked(bool locked);
    /// The keyboard focus came to the control (`in`) or left it; `entered` when the person moved
    /// into or out of the control, not back from a popup or another window.
    virtual void focusMoved(bool /*in*/, bool /*entered*/) {}
    bool eventFilter(QObject* watched, QEvent* event) override;

    /// True while the binder itself is updating widgets.
    bool echoing() const { return m_echo.active(); }
    /// True while start() shows the whole state for the first time.
    bool starting() const { return m_starting; }
    /// Fires an event on the control.
    void fire(form::ControlEvent& event) { m_control.fire(event); }
    void fire(form::EventKind kind) { m_control.fire(kind); }
    /// The control's length limit on the widget's line edit.
    void showMaxLength();

private:
    void noticed(form::Prop prop);
    bool showCommon(form::Prop prop);
    void showGeometry();
    void showBackColor();
    bool isInput(QObject* watched) const;
    bool isMouseTarget(QObject* watched) const;
    bool onKey(QObject* watched, QKeyEvent* event);
    void onFocusIn(QFocusEvent* event);
    void onFocusOut(QFocusEvent* event);
    bool onMouse(QObject* watched, QMouseEvent* event);

    form::Control& m_control;
    QPointer<QWidget> m_widget;
    EchoGuard& m_echo;
    int m_observer = 0;
    bool m_starting = false;
    bool m_swallowInput = false;
    bool m_hasFocus = false;
    bool m_replayingKey = false;
    QPalette m_ownPalette;
    bool m_ownAutoFill = false;
    QList<QPointer<QWidget>> m_watched;
};

/// A colour of the forms, 0xBBGGRR, as Qt draws it.
inline QColor coloreBgr(long colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

}  // namespace tolmo::ui
