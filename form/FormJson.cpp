// The JSON dump of a form's state.
#include "form/FormJson.h"

#include <QJsonArray>

#include "form/TreeView.h"

namespace tolmo::form {

namespace {

void dumpList(const ListControl& list, QJsonObject& out) {
    out.insert(QStringLiteral("rows"), QJsonArray::fromStringList(list.rows()));
    out.insert(QStringLiteral("selectedRow"), list.selectedRow());
    if (list.canFetchMore()) out.insert(QStringLiteral("more"), true);
}

void dumpTabs(const TabStrip& tabs, QJsonObject& out) {
    QJsonArray all;
    for (int t = 0; t < tabs.count(); ++t)
        all.append(QJsonObject{{QStringLiteral("visible"), tabs.tabVisible(t)},
                               {QStringLiteral("caption"), tabs.tabCaption(t)}});
    out.insert(QStringLiteral("current"), tabs.current());
    out.insert(QStringLiteral("tabs"), all);
}

void dumpGrid(const Grid& grid, QJsonObject& out) {
    QJsonArray table;
    for (const auto& row : grid.table()) {
        QJsonArray cells;
        for (const QVariant& v : row)
            cells.append(v.isNull() ? QJsonValue(QJsonValue::Null) : QJsonValue::fromVariant(v));
        table.append(cells);
    }
    out.insert(QStringLiteral("table"), table);
    out.insert(QStringLiteral("row"), grid.row());
    out.insert(QStringLiteral("col"), grid.col());
    // The cells drawn in a colour of their own ([row, column, 0xBBGGRR]) and those locked ([row, column]).
    QJsonArray colours, locked;
    for (int r = 0; r < grid.rowCount(); ++r)
        for (int c = 0; c < grid.columnCount(); ++c) {
            if (grid.cellForeColor(r, c) >= 0)
                colours.append(QJsonArray{r, c, static_cast<qint64>(grid.cellForeColor(r, c))});
            if (grid.cellLocked(r, c)) locked.append(QJsonArray{r, c});
        }
    if (!colours.isEmpty()) out.insert(QStringLiteral("cellColours"), colours);
    if (!locked.isEmpty()) out.insert(QStringLiteral("lockedCells"), locked);
}

// Every node in the order added, with its parent's key.
void dumpTree(const TreeView& tree, QJsonObject& out) {
    QJsonArray nodes;
    for (int i = 0; i < tree.nodeCount(); ++i) {
        const TreeNode& n = tree.nodeAt(i);
        nodes.append(
            QJsonObject{{QStringLiteral("key"), n.key},
                        {QStringLiteral("text"), n.text},
                        {QStringLiteral("image"), n.image},
                        {QStringLiteral("tag"), n.tag},
                        {QStringLiteral("parent"), n.parent < 0 ? QString() : tree.nodeAt(n.parent).key},
                        {QStringLiteral("expanded"), n.expanded}});
    }
    out.insert(QStringLiteral("nodes"), nodes);
    out.insert(QStringLiteral("selectedNode"), tree.selectedKey());
}

}  // namespace

QJsonObject dumpControl(const Control& control) {
    QJsonObject out{
        {QStringLiteral("text"), control.text()},       {QStringLiteral("visible"), control.visible()},
        {QStringLiteral("enabled"), control.enabled()}, {QStringLiteral("locked"), control.locked()},
        {QStringLiteral("caption"), control.caption()}, {QStringLiteral("tag"), control.tag()},
        {QStringLiteral("toolTip"), control.toolTip()}, {QStringLiteral("left"), control.left()},
        {QStringLiteral("top"), control.top()},         {QStringLiteral("width"), control.width()},
        {QStringLiteral("height"), control.height()},
    };
    if (control.backColor() != -1)
        out.insert(QStringLiteral("backColor"), static_cast<qint64>(control.backColor()));
    if (control.foreColor() != -1)
        out.insert(QStringLiteral("foreColor"), static_cast<qint64>(control.foreColor()));
    if (!control.format().isEmpty()) out.insert(QStringLiteral("format"), control.format());
    if (!control.mask().isEmpty()) out.insert(QStringLiteral("mask"), control.mask());
    if (control.maxLength() > 0) out.insert(QStringLiteral("maxLength"), control.maxLength());
    if (control.selectOnEntry()) out.insert(QStringLiteral("selectOnEntry"), true);
    // The controls a person types into say so: a driver finds them without knowing the form.
    if (control.kind() == ControlKind::TextBox) out.insert(QStringLiteral("kind"), QStringLiteral("TextBox"));
    if (control.kind() == ControlKind::ComboBox) out.insert(QStringLiteral("kind"), QStringLiteral("ComboBox"));

    if (const auto* list = dynamic_cast<const ListControl*>(&control)) {
        dumpList(*list, out);
    } else if (const auto* check = dynamic_cast<const CheckBox*>(&control)) {
        out.insert(QStringLiteral("checked"), check->checked());
    } else if (const auto* options = dynamic_cast<const OptionGroup*>(&control)) {
        out.insert(QStringLiteral("index"), options->index());
    } else if (const auto* tabs = dynamic_cast<const TabStrip*>(&control)) {
        dumpTabs(*tabs, out);
    } else if (const auto* grid = dynamic_cast<const Grid*>(&control)) {
        dumpGrid(*grid, out);
    } else if (const auto* tree = dynamic_cast<const TreeView*>(&control)) {
        dumpTree(*tree, out);
    }
    return out;
}

QJsonObject dumpForm(const Form& form) {
    QJsonObject out;
    for (const Control* c : form.controls()) out.insert(c->name(), dumpControl(*c));
    return out;
}

}  // namespace tolmo::form
