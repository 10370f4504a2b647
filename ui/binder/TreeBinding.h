#pragma once
// A tree shown in a QTreeWidget: its nodes in the order added, each node's image as an icon,
// its open state and the selection. The person's click -> clickNode, a move with the keyboard
// -> moveToNode, opening and closing -> setExpanded.

#include <QHash>

#include "form/TreeView.h"
#include "ui/binder/Binding.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace tolmo::ui {

class TreeBinding : public Binding {
public:
    TreeBinding(form::TreeView& control, QTreeWidget* view, EchoGuard& echo);

protected:
    void show(form::Prop prop) override;
    void listen() override;

private:
    void showNodes();
    void showNode(const QString& key);
    QString keyOf(const QTreeWidgetItem* item) const;

    form::TreeView& m_tree;
    QTreeWidget* m_view;
    QHash<QString, QTreeWidgetItem*> m_items;
    int m_shown = 0;  ///< the nodes already in the view
};

}  // namespace tolmo::ui
