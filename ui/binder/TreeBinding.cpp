#include "ui/binder/TreeBinding.h"

#include <QApplication>
#include <QStyle>
#include <QTreeWidget>

namespace tolmo::ui {

using form::Prop;

namespace {

// A closed branch, an open one and a leaf, drawn by the style.
QIcon iconOf(const QString& image) {
    QStyle* style = QApplication::style();
    if (image == QLatin1String("keyPlus")) return style->standardIcon(QStyle::SP_DirClosedIcon);
    if (image == QLatin1String("keyMinus")) return style->standardIcon(QStyle::SP_DirOpenIcon);
    if (image == QLatin1String("keyDot")) return style->standardIcon(QStyle::SP_FileIcon);
    return {};
}

}  // namespace

TreeBinding::TreeBinding(form::TreeView& control, QTreeWidget* view, EchoGuard& echo)
    : Binding(control, view, echo), m_tree(control), m_view(view) {
    // A click opens and closes a node; a double click answers, it must not toggle again.
    m_view->setExpandsOnDoubleClick(false);
    m_view->setHeaderHidden(true);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
}

void TreeBinding::show(Prop prop) {
    if (prop == Prop::Nodes) {
        showNodes();
    } else if (prop == Prop::NodeState) {
        showNode(m_tree.changedNode());
    } else if (prop == Prop::Selection) {
        QTreeWidgetItem* item = m_items.value(m_tree.selectedKey());
        if (m_view->currentItem() != item) m_view->setCurrentItem(item);
        if (!item) m_view->clearSelection();
    }
}

// Nodes come in the order they are added, parents first: only the new ones are added.
void TreeBinding::showNodes() {
    if (m_tree.nodeCount() < m_shown) {
        m_view->clear();
        m_items.clear();
        m_shown = 0;
    }
    for (; m_shown < m_tree.nodeCount(); ++m_shown) {
        const form::TreeNode& n = m_tree.nodeAt(m_shown);
        QTreeWidgetItem* parent = n.parent < 0 ? nullptr : m_items.value(m_tree.nodeAt(n.parent).key);
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_view);
        item->setText(0, n.text);
        item->setIcon(0, iconOf(n.image));
        item->setData(0, Qt::UserRole, n.key);
        m_items.insert(n.key, item);
        if (n.expanded) item->setExpanded(true);
    }
}

void TreeBinding::showNode(const QString& key) {
    const form::TreeNode* n = m_tree.node(key);
    QTreeWidgetItem* item = m_items.value(key);
    if (!n || !item) return;
    item->setIcon(0, iconOf(n->image));
    if (item->isExpanded() != n->expanded) item->setExpanded(n->expanded);
}

QString TreeBinding::keyOf(const QTreeWidgetItem* item) const {
    return item ? item->data(0, Qt::UserRole).toString() : QString();
}

void TreeBinding::listen() {
    // A mouse press makes the node current before its click: the click then does the rest.
    connect(m_view, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (echoing() || !current || QApplication::mouseButtons() != Qt::NoButton) return;
        m_tree.moveToNode(keyOf(current));
    });
    connect(m_view, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        if (echoing() || !item) return;
        m_tree.clickNode(keyOf(item));
    });
    connect(m_view, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        if (!echoing()) m_tree.setExpanded(keyOf(item), true);
    });
    connect(m_view, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
        if (!echoing()) m_tree.setExpanded(keyOf(item), false);
    });
}

}  // namespace tolmo::ui
