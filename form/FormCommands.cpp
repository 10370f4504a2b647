// The "set" and "fire" commands of the JSON driver: a person's actions on a form.
#include <cmath>
#include <limits>

#include "form/FormJson.h"
#include "form/TreeView.h"

namespace tolmo::form {

namespace {

QString key(const char* name) { return QString::fromLatin1(name); }

bool toInt(const QJsonValue& v, int* out) {
    if (!v.isDouble()) return false;
    const double d = v.toDouble();
    if (d != std::floor(d) || d < std::numeric_limits<int>::min() || d > std::numeric_limits<int>::max())
        return false;
    *out = static_cast<int>(d);
    return true;
}

// Check boxes take true/false or 0/1.
bool toBool(const QJsonValue& v, bool* out) {
    int n = 0;
    if (v.isBool()) {
        *out = v.toBool();
    } else if (toInt(v, &n) && (n == 0 || n == 1)) {
        *out = n == 1;
    } else {
        return false;
    }
    return true;
}

// Texts come as strings; numbers are accepted and written the plain way.
bool toText(const QJsonValue& v, QString* out) {
    if (v.isString()) {
        *out = v.toString();
    } else if (v.isDouble()) {
        const double d = v.toDouble();
        *out = d == std::floor(d) && std::abs(d) < 1e15 ? QString::number(static_cast<qint64>(d))
                                                        : QString::number(d, 'g', 17);
    } else {
        return false;
    }
    return true;
}

// A key as a character code, or a string of exactly one character.
bool toKey(const QJsonValue& v, int* out) {
    if (toInt(v, out)) return true;
    if (!v.isString()) return false;
    const QList<uint> chars = v.toString().toUcs4();
    if (chars.size() != 1) return false;
    *out = static_cast<int>(chars.first());
    return true;
}

QString invalid(const Control& c, const QString& what) {
    return QStringLiteral("valore non valido per %1: %2").arg(c.name(), what);
}

// A grid's text is the person typing into its current cell.
QString setCellText(Grid& grid, const QJsonValue& v) {
    QString text;
    if (!toText(v, &text)) return invalid(grid, key("text"));
    if (grid.row() < 0 || grid.row() >= grid.rowCount())
        return QStringLiteral("%1: nessuna cella corrente").arg(grid.name());
    grid.editCell(grid.row(), grid.col() < 0 ? 0 : grid.col(), text);
    return {};
}

QString setText(Control& c, const QJsonValue& v) {
    if (auto* grid = dynamic_cast<Grid*>(&c)) return setCellText(*grid, v);
    QString text;
    if (!toText(v, &text)) return invalid(c, key("text"));
    c.setText(text);
    return {};
}

QString setChecked(Control& c, const QJsonValue& v) {
    auto* check = dynamic_cast<CheckBox*>(&c);
    bool on = false;
    if (!check || !toBool(v, &on)) return invalid(c, key("checked"));
    check->setChecked(on);
    return {};
}

QString setIndex(Control& c, const QJsonValue& v) {
    int i = 0;
    if (!toInt(v, &i)) return invalid(c, key("index"));
    if (auto* options = dynamic_cast<OptionGroup*>(&c)) {
        options->setIndex(i);
    } else if (auto* tabs = dynamic_cast<TabStrip*>(&c)) {
        tabs->setCurrent(i);
    } else {
        return invalid(c, key("index"));
    }
    return {};
}

// A list takes the row whose first column matches; a text that matches none clears the choice.
QString setListValue(ListControl& list, const QJsonValue& v) {
    QString text;
    if (!toText(v, &text)) return invalid(list, key("value"));
    const int row = list.findRow(0, text);
    list.setSelectedRow(row);
    if (row < 0) list.setText(text);
    return {};
}

QString setValue(Control& c, const QJsonValue& v) {
    if (dynamic_cast<CheckBox*>(&c)) return setChecked(c, v);
    if (dynamic_cast<OptionGroup*>(&c) || dynamic_cast<TabStrip*>(&c)) return setIndex(c, v);
    if (auto* list = dynamic_cast<ListControl*>(&c)) return setListValue(*list, v);
    return setText(c, v);
}

// Scrolling a long list to its end: the next `pages` pages ("end": every page left).
QString scroll(Control& c, const QJsonValue& v) {
    auto* list = dynamic_cast<ListControl*>(&c);
    int pages = 0;
    if (v.toString() == key("end"))
        pages = std::numeric_limits<int>::max();
    else if (!toInt(v, &pages) || pages < 0)
        return invalid(c, key("scroll"));
    if (!list) return invalid(c, key("scroll"));
    for (; pages > 0 && list->canFetchMore(); --pages) list->fetchMore();
    return {};
}

void fireChoose(ListControl& list, int row) {
    ControlEvent event;
    event.kind = EventKind::Choose;
    event.row = row;
    list.fire(event);
}

QString setRow(Control& c, const QJsonObject& command) {
    int row = 0;
    if (!toInt(command.value(key("row")), &row)) return invalid(c, key("row"));
    if (auto* list = dynamic_cast<ListControl*>(&c)) {
        if (row < 0 || row >= list->rowCount())
            return QStringLiteral("%1: riga %2 inesistente").arg(c.name()).arg(row);
        list->setSelectedRow(row);
        fireChoose(*list, row);
        return {};
    }
    if (auto* grid = dynamic_cast<Grid*>(&c)) {
        int col = grid->col() < 0 ? 0 : grid->col();
        if (command.contains(key("col")) && !toInt(command.value(key("col")), &col))
            return invalid(c, key("col"));
        grid->moveTo(row, col);
        return {};
    }
    return invalid(c, key("row"));
}

// A person's hand on a tree: a click on a node, a move onto it with the keyboard, opening or
// closing it.
QString setNode(Control& c, const QJsonObject& command, const char* field) {
    auto* tree = dynamic_cast<TreeView*>(&c);
    const QString nodeKey = command.value(key(field)).toString();
    if (!tree) return invalid(c, key(field));
    if (!tree->node(nodeKey)) return QStringLiteral("%1: nodo %2 inesistente").arg(c.name(), nodeKey);
    const QLatin1String what(field);
    if (what == QLatin1String("node"))
        tree->clickNode(nodeKey);
    else if (what == QLatin1String("move"))
        tree->moveToNode(nodeKey);
    else
        tree->setExpanded(nodeKey, what == QLatin1String("expand"));
    return {};
}

}  // namespace

// Locked and disabled controls are set all the same: the driver checks what the
// behaviour does with a value, the view is what keeps a person from typing it.
QString applySet(Form& form, const QJsonObject& command) {
    const QString name = command.value(key("set")).toString();
    Control* c = form.find(name);
    if (!c) return QStringLiteral("controllo sconosciuto: ") + name;

    // A grid's row and column come first: the text goes into that cell.
    auto* grid = dynamic_cast<Grid*>(c);
    if (grid && command.contains(key("row"))) {
        if (QString error = setRow(*c, command); !error.isEmpty()) return error;
        if (!command.contains(key("text")) && !command.contains(key("value"))) return {};
        return setCellText(*grid, command.value(key(command.contains(key("text")) ? "text" : "value")));
    }

    using Setter = QString (*)(Control&, const QJsonValue&);
    const std::pair<const char*, Setter> setters[] = {{"text", setText},
                                                      {"value", setValue},
                                                      {"checked", setChecked},
                                                      {"index", setIndex},
                                                      {"scroll", scroll}};
    bool any = false;
    for (const auto& [field, setter] : setters) {
        if (!command.contains(key(field))) continue;
        any = true;
        if (QString error = setter(*c, command.value(key(field))); !error.isEmpty()) return error;
    }
    if (command.contains(key("row"))) {
        any = true;
        if (QString error = setRow(*c, command); !error.isEmpty()) return error;
    }
    for (const char* field : {"node", "move", "expand", "collapse"}) {
        if (!command.contains(key(field))) continue;
        any = true;
        if (QString error = setNode(*c, command, field); !error.isEmpty()) return error;
    }
    return any ? QString() : QStringLiteral("nessun valore da impostare per ") + name;
}

QString applyFire(Form& form, const QJsonObject& command) {
    const QString name = command.value(key("fire")).toString();
    Control* c = form.find(name);
    if (!c) return QStringLiteral("controllo sconosciuto: ") + name;

    const QString eventName = command.value(key("event")).toString();
    ControlEvent event;
    if (!eventKindFromName(eventName, &event.kind)) return QStringLiteral("evento sconosciuto: ") + eventName;
    if (command.contains(key("index")) && !toInt(command.value(key("index")), &event.index))
        return invalid(*c, key("index"));
    if (command.contains(key("row")) && !toInt(command.value(key("row")), &event.row))
        return invalid(*c, key("row"));
    const bool keyEvent = event.kind == EventKind::KeyPress || event.kind == EventKind::KeyDown;
    if (keyEvent && !toKey(command.value(key("key")), &event.key))
        return QStringLiteral("%1: %2 senza un \"key\" valido").arg(name, eventName);
    // A character given for KeyDown is the key that types it.
    if (event.kind == EventKind::KeyDown && command.value(key("key")).isString())
        event.key = keys::ofCharacter(static_cast<char32_t>(event.key));

    if (auto* list = dynamic_cast<ListControl*>(c); list && event.kind == EventKind::Choose && event.row >= 0)
        list->setSelectedRow(event.row);
    if (event.kind == EventKind::GotFocus) form.setFocusControl(c);
    c->fire(event);
    return {};
}

}  // namespace tolmo::form
