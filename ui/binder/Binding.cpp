#include "ui/binder/Binding.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>

#include "form/Form.h"

namespace tolmo::ui {

using form::ControlKind;
using form::EventKind;
using form::Prop;

namespace {

// Form coordinates are twips: 15 to a pixel at 96 dpi.
constexpr int kTwipsPerPixel = 15;

// The character code a key press gives the behaviour, 0 for keys that type nothing.
int keyCode(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return 0;
        default:
            break;
    }
    const QList<uint> chars = event.text().toUcs4();
    return chars.isEmpty() ? 0 : static_cast<int>(chars.first());
}

// The KeyDown code of a key: the named keys, or the character's code (keys::ofCharacter); 0 for
// a key the form has no code for. Tab and Backtab move the focus: no KeyDown, as no KeyPress.
int keyDownCode(const QKeyEvent& event) {
    namespace k = form::keys;
    switch (event.key()) {
        case Qt::Key_Backspace:
            return k::Backspace;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return 0;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return k::Enter;
        case Qt::Key_Shift:
            return k::Shift;
        case Qt::Key_Control:
            return k::Ctrl;
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
            return k::Alt;
        case Qt::Key_CapsLock:
            return k::CapsLock;
        case Qt::Key_Escape:
            return k::Esc;
        case Qt::Key_PageUp:
            return k::PageUp;
        case Qt::Key_PageDown:
            return k::PageDown;
        case Qt::Key_End:
            return k::End;
        case Qt::Key_Home:
            return k::Home;
        case Qt::Key_Left:
            return k::Left;
        case Qt::Key_Up:
            return k::Up;
        case Qt::Key_Right:
            return k::Right;
        case Qt::Key_Down:
            return k::Down;
        case Qt::Key_Insert:
            return k::Insert;
        case Qt::Key_Delete:
            return k::Delete;
        default:
            break;
    }
    if (event.key() >= Qt::Key_F1 && event.key() <= Qt::Key_F12) return k::F1 + (event.key() - Qt::Key_F1);
    const QList<uint> chars = event.text().toUcs4();
    if (!chars.isEmpty() && chars.first() >= 0x20) return k::ofCharacter(chars.first());
    return event.key() > 0 && event.key() < 0x7F ? k::ofCharacter(static_cast<char32_t>(event.key())) : 0;
}

// The Qt key that types `code`, for a handler that replaced the person's key.
int qtKeyFor(int code) {
    if (code == 8) return Qt::Key_Backspace;
    if (code == 13) return Qt::Key_Return;
    if (code == 27) return Qt::Key_Escape;
    if (code >= 0x20 && code < 0x7F) return QChar(code).toUpper().unicode();
    return Qt::Key_unknown;
}

QWidget* mouseTargetOf(QWidget* input) {
    auto* area = qobject_cast<QAbstractScrollArea*>(input);
    return area ? area->viewport() : input;
}

}  // namespace

Binding::Binding(form::Control& control, QWidget* widget, EchoGuard& echo)
    : m_control(control), m_widget(widget), m_echo(echo) {}

Binding::~Binding() {
    if (m_observer) m_control.unobserve(m_observer);
    for (const QPointer<QWidget>& w : m_watched)
        if (w) w->removeEventFilter(this);
}

// A label drawn as a sunken panel shows a value, never a place to type: it is painted on the
// window's colour, as a locked entry field is, rather than on the lighter page behind it.
static void paintValueLabel(QWidget* w) {
    auto* label = qobject_cast<QLabel*>(w);
    if (!label || label->frameShape() == QFrame::NoFrame || label->frameShadow() != QFrame::Sunken) return;
    label->setBackgroundRole(QPalette::Window);
    label->setAutoFillBackground(true);
}

void Binding::start() {
    if (!m_widget) return;
    paintValueLabel(m_widget);
    m_ownPalette = m_widget->testAttribute(Qt::WA_SetPalette) ? m_widget->palette() : QPalette();
    m_ownAutoFill = m_widget->autoFillBackground();
    adopt();
    {
        EchoGuard::Scope scope(m_echo);
        m_starting = true;
        for (Prop p :
             {Prop::Rows, Prop::Nodes, Prop::Selection, Prop::Table, Prop::CurrentCell, Prop::Tabs,
              Prop::Index, Prop::Checked, Prop::Format, Prop::Text, Prop::Caption, Prop::ToolTip,
              Prop::Visible, Prop::Enabled, Prop::Locked, Prop::BackColor, Prop::Geometry, Prop::MaxLength}) {
            if (!showCommon(p)) show(p);
        }
        m_starting = false;
    }
    listen();
    for (QWidget* input : inputWidgets()) {
        if (!input) continue;
        for (QWidget* w : {input, mouseTargetOf(input)}) {
            if (m_watched.contains(w)) continue;
            w->installEventFilter(this);
            m_watched.append(w);
        }
    }
    m_observer = m_control.observe([this](form::Control&, Prop p) { noticed(p); });
}

void Binding::adopt() {
    const QRect g = m_widget->geometry();
    if (m_control.width() == 0)
        m_control.setGeometry(g.x() * kTwipsPerPixel, g.y() * kTwipsPerPixel, g.width() * kTwipsPerPixel,
                              g.height() * kTwipsPerPixel);
    if (m_control.toolTip().isEmpty()) m_control.setToolTip(m_widget->toolTip());
}

void Binding::show(Prop) {}

bool Binding::showLocked(bool locked) {
    if (m_widget->metaObject()->indexOfProperty("readOnly") < 0) return false;
    m_widget->setProperty("readOnly", locked);
    return true;
}

void Binding::noticed(Prop prop) {
    if (!m_widget) return;
    EchoGuard::Scope scope(m_echo);
    if (!showCommon(prop)) show(prop);
}

bool Binding::showCommon(Prop prop) {
    QWidget* w = m_widget;
    switch (prop) {
        case Prop::Visible:
            if (w->isHidden() == m_control.visible()) w->setVisible(m_control.visible());
            return true;
        case Prop::Enabled:
            if (w->testAttribute(Qt::WA_ForceDisabled) == m_control.enabled())
                w->setEnabled(m_control.enabled());
            return true;
        case Prop::Locked: {
            const bool locked = m_control.locked();
            const bool ownMode = showLocked(locked);
            m_swallowInput = locked && !ownMode;
            showBackColor();
            return true;
        }
        case Prop::ToolTip:
            w->setToolTip(m_control.toolTip());
            return true;
        case Prop::Geometry:
            showGeometry();
            return true;
        case Prop::BackColor:
        case Prop::ForeColor:
            showBackColor();
            return true;
        case Prop::Focus:
            if (QWidget* target = focusTarget()) target->setFocus(Qt::OtherFocusReason);
            return true;
        case Prop::MaxLength:
            showMaxLength();
            return true;
        case Prop::Tag:
            return true;
        default:
            return false;
    }
}

// The entry accepts no more characters than its column holds (QLineEdit counts UTF-16 units,
// so a character outside the basic plane counts twice: never more than the column).
void Binding::showMaxLength() {
    QLineEdit* line = qobject_cast<QLineEdit*>(m_widget);
    if (auto* combo = qobject_cast<QComboBox*>(m_widget)) line = combo->lineEdit();
    if (!line) return;
    const int most = m_control.maxLength();
    line->setMaxLength(most > 0 ? most : 32767);
}

// Only where no layout places the widget: there the form's own coordinates rule.
void Binding::showGeometry() {
    if (m_control.width() <= 0) return;
    const QWidget* parent = m_widget->parentWidget();
    if (parent && parent->layout()) return;
    m_widget->setGeometry(m_control.left() / kTwipsPerPixel, m_control.top() / kTwipsPerPixel,
                          m_control.width() / kTwipsPerPixel, m_control.height() / kTwipsPerPixel);
}

// A locked entry field still takes focus and lets its text be copied, but is painted on the
// window's colour so that nobody takes it for a place to type.
static bool paintsLocked(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
           qobject_cast<const QTextEdit*>(w);
}

// 0xBBGGRR; -1 and the system colours (high bit set) leave the widget's own look. The text's
// colour is painted over whichever background.
void Binding::showBackColor() {
    const auto own = [](long colour) { return colour < 0 || colour > 0xFFFFFF; };
    const auto rgb = coloreBgr;
    const long back = m_control.backColor();
    QPalette p = m_ownPalette;
    if (own(back)) {
        if (m_control.locked() && paintsLocked(m_widget))
            p.setColor(QPalette::Base, p.color(QPalette::Window));
        m_widget->setAutoFillBackground(m_ownAutoFill);
    } else {
        p.setColor(QPalette::Base, rgb(back));
        p.setColor(QPalette::Window, rgb(back));
        m_widget->setAutoFillBackground(true);
    }
    if (const long fore = m_control.foreColor(); !own(fore)) {
        p.setColor(QPalette::Text, rgb(fore));
        p.setColor(QPalette::WindowText, rgb(fore));
    }
    m_widget->setPalette(p);
}

bool Binding::isInput(QObject* watched) const {
    const QList<QWidget*> inputs = inputWidgets();
    return std::any_of(inputs.begin(), inputs.end(), [watched](QWidget* w) { return w && w == watched; });
}

bool Binding::isMouseTarget(QObject* watched) const {
    const QList<QWidget*> inputs = inputWidgets();
    return std::any_of(inputs.begin(), inputs.end(),
                       [watched](QWidget* w) { return w && mouseTargetOf(w) == watched; });
}

bool Binding::eventFilter(QObject* watched, QEvent* event) {
    if (!m_widget) return false;
    switch (event->type()) {
        case QEvent::KeyPress:
            if (isInput(watched)) return onKey(watched, static_cast<QKeyEvent*>(event));
            break;
        case QEvent::FocusIn:
            if (isInput(watched)) onFocusIn(static_cast<QFocusEvent*>(event));
            break;
        case QEvent::FocusOut:
            if (isInput(watched)) onFocusOut(static_cast<QFocusEvent*>(event));
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            if (isMouseTarget(watched)) return onMouse(watched, static_cast<QMouseEvent*>(event));
            break;
        case QEvent::Wheel:
            return m_swallowInput && isMouseTarget(watched);
        default:
            break;
    }
    return false;
}

// KeyDown handlers hear every key; KeyPress handlers see the character of one that types,
// and may drop it (key 0) or type another.
bool Binding::onKey(QObject* watched, QKeyEvent* event) {
    if (m_replayingKey) return false;
    const bool moves = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (m_swallowInput && !moves) return true;
    if (const int down = keyDownCode(*event); down != 0) {
        form::ControlEvent e;
        e.kind = EventKind::KeyDown;
        e.key = down;
        fire(e);
    }
    const int code = keyCode(*event);
    if (code == 0) return false;
    form::ControlEvent e;
    e.kind = EventKind::KeyPress;
    e.key = code;
    fire(e);
    if (e.key == code) return false;
    if (e.key != 0) {
        const char32_t typed = static_cast<char32_t>(e.key);
        QKeyEvent replacement(QEvent::KeyPress, qtKeyFor(e.key), event->modifiers(),
                              QString::fromUcs4(&typed, 1));
        m_replayingKey = true;
        QCoreApplication::sendEvent(watched, &replacement);
        m_replayingKey = false;
    }
    return true;
}

void Binding::onFocusIn(QFocusEvent* event) {
    const bool entered = event->reason() != Qt::PopupFocusReason && !m_hasFocus;
    focusMoved(true, entered);  // also back from a popup or another window: the widget shows what is typed
    if (!entered) return;
    m_hasFocus = true;
    if (form::Form* f = m_control.form()) f->setFocusControl(&m_control);
    fire(EventKind::GotFocus);
}

// Moving among the widgets of one control, opening a popup or leaving the window is no
// LostFocus. A handler that cancels it gets the focus back.
void Binding::onFocusOut(QFocusEvent* event) {
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason) return;
    if (!m_hasFocus || isInput(QApplication::focusWidget())) return;
    m_hasFocus = false;
    form::ControlEvent e;
    e.kind = EventKind::LostFocus;
    fire(e);
    if (!e.cancel) focusMoved(false, true);
    if (e.cancel) {
        QTimer::singleShot(0, this, [this] {
            if (QWidget* target = m_widget ? focusTarget() : nullptr) target->setFocus(Qt::OtherFocusReason);
        });
    }
}

// Labels, frames and pictures click on a plain release, and keep it from their container;
// text boxes and grids click too but leave the release to the widget.
bool Binding::onMouse(QObject* watched, QMouseEvent* event) {
    if (m_swallowInput) return true;
    if (event->type() == QEvent::MouseButtonDblClick) {
        fire(EventKind::DblClick);
        return false;
    }
    if (event->type() != QEvent::MouseButtonRelease || event->button() != Qt::LeftButton) return false;
    auto* target = static_cast<QWidget*>(watched);
    if (!target->rect().contains(event->position().toPoint())) return false;
    switch (m_control.kind()) {
        case ControlKind::Label:
        case ControlKind::Frame:
        case ControlKind::Picture:
            fire(EventKind::Click);
            return true;
        case ControlKind::TextBox:
        case ControlKind::Grid:
            fire(EventKind::Click);
            return false;
        default:
            return false;
    }
}

}  // namespace tolmo::ui
