#include "form/Control.h"

#include <algorithm>
#include <array>

#include "form/Form.h"

namespace tolmo::form {

namespace {

struct EventName {
    EventKind kind;
    const char* name;
};

constexpr std::array<EventName, 11> kEventNames{{
    {EventKind::Click, "Click"},
    {EventKind::DblClick, "DblClick"},
    {EventKind::Change, "Change"},
    {EventKind::DropDown, "DropDown"},
    {EventKind::Choose, "Choose"},
    {EventKind::KeyPress, "KeyPress"},
    {EventKind::KeyDown, "KeyDown"},
    {EventKind::GotFocus, "GotFocus"},
    {EventKind::LostFocus, "LostFocus"},
    {EventKind::Expand, "Expand"},
    {EventKind::Collapse, "Collapse"},
}};

// Assigns `value` to `field`; true when the value changed.
template <class T>
bool assign(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    return true;
}

}  // namespace

QString eventKindName(EventKind kind) {
    for (const EventName& e : kEventNames)
        if (e.kind == kind) return QString::fromLatin1(e.name);
    return {};
}

bool eventKindFromName(const QString& name, EventKind* kind) {
    for (const EventName& e : kEventNames) {
        if (name.compare(QLatin1String(e.name), Qt::CaseInsensitive) == 0) {
            *kind = e.kind;
            return true;
        }
    }
    return false;
}

Control::Control(Form* form, QString name, ControlKind kind)
    : m_form(form), m_name(std::move(name)), m_kind(kind) {
    if (m_form) m_form->add(this);
}

Control::~Control() {
    if (m_form) m_form->remove(this);
}

namespace {
/// The first `characters` characters of `text`, never half a surrogate pair.
QString firstCharacters(const QString& text, int characters) {
    qsizetype end = 0;
    for (int n = 0; n < characters && end < text.size(); ++n)
        end += text.at(end).isHighSurrogate() && end + 1 < text.size() && text.at(end + 1).isLowSurrogate()
                   ? 2
                   : 1;
    return text.left(end);
}
}  // namespace

void Control::setText(const QString& text) {
    const bool tooLong = m_maxLength > 0 && text.size() > m_maxLength;
    if (!assign(m_text, tooLong ? firstCharacters(text, m_maxLength) : text)) return;
    notify(Prop::Text);
    fire(EventKind::Change);
}

void Control::setVisible(bool v) {
    if (assign(m_visible, v)) notify(Prop::Visible);
}

void Control::setEnabled(bool v) {
    if (assign(m_enabled, v)) notify(Prop::Enabled);
}

void Control::setLocked(bool v) {
    if (assign(m_locked, v)) notify(Prop::Locked);
}

void Control::setCaption(const QString& c) {
    if (assign(m_caption, c)) notify(Prop::Caption);
}

void Control::setTag(const QString& t) {
    if (assign(m_tag, t)) notify(Prop::Tag);
}

void Control::setToolTip(const QString& t) {
    if (assign(m_toolTip, t)) notify(Prop::ToolTip);
}

void Control::setLeft(int v) {
    if (assign(m_left, v)) notify(Prop::Geometry);
}

void Control::setTop(int v) {
    if (assign(m_top, v)) notify(Prop::Geometry);
}

void Control::setWidth(int v) {
    if (assign(m_width, v)) notify(Prop::Geometry);
}

void Control::setHeight(int v) {
    if (assign(m_height, v)) notify(Prop::Geometry);
}

void Control::setGeometry(int left, int top, int width, int height) {
    bool changed = assign(m_left, left);
    changed = assign(m_top, top) || changed;
    changed = assign(m_width, width) || changed;
    changed = assign(m_height, height) || changed;
    if (changed) notify(Prop::Geometry);
}

void Control::setForeColor(long colour) {
    if (assign(m_foreColor, colour)) notify(Prop::ForeColor);
}

void Control::setBackColor(long colour) {
    if (assign(m_backColor, colour)) notify(Prop::BackColor);
}

void Control::setMaxLength(int characters) {
    if (!assign(m_maxLength, std::max(characters, 0))) return;
    notify(Prop::MaxLength);
    setText(m_text);
}

void Control::setFormat(const QString& format, const QString& mask) {
    bool changed = assign(m_format, format);
    changed = assign(m_mask, mask) || changed;
    if (changed) notify(Prop::Format);
}

void Control::setFocus() {
    if (m_form) m_form->setFocusControl(this);
    notify(Prop::Focus);
}

void Control::on(EventKind kind, Handler handler) { m_handlers.emplace_back(kind, std::move(handler)); }

void Control::fire(ControlEvent& event) {
    // Handlers may add handlers while running: index the vector and call a copy.
    for (std::size_t i = 0, n = m_handlers.size(); i < n; ++i) {
        if (m_handlers[i].first != event.kind) continue;
        Handler handler = m_handlers[i].second;
        handler(event);
        // A dropped key reaches no further handler.
        if (event.kind == EventKind::KeyPress && event.key == 0) break;
    }
}

void Control::fire(EventKind kind) {
    ControlEvent event;
    event.kind = kind;
    fire(event);
}

int Control::observe(Observer observer) {
    const int id = m_nextObserver++;
    m_observers.emplace_back(id, std::move(observer));
    return id;
}

void Control::unobserve(int id) {
    std::erase_if(m_observers, [id](const auto& entry) { return entry.first == id; });
}

void Control::notify(Prop prop) {
    // Observers may come and go while being told: skip the ones gone meanwhile.
    std::vector<int> ids;
    ids.reserve(m_observers.size());
    for (const auto& entry : m_observers) ids.push_back(entry.first);
    for (int id : ids) {
        auto it = std::find_if(m_observers.begin(), m_observers.end(),
                               [id](const auto& entry) { return entry.first == id; });
        if (it == m_observers.end()) continue;
        Observer observer = it->second;
        observer(*this, prop);
    }
}

}  // namespace tolmo::form
