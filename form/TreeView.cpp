#include "form/TreeView.h"

namespace tolmo::form {

TreeView::TreeView(Form* form, QString name) : Control(form, std::move(name), ControlKind::TreeView) {}

void TreeView::clear() {
    const bool hadSelection = !m_selected.isEmpty();
    m_nodes.clear();
    m_index.clear();
    m_roots.clear();
    m_selected.clear();
    notify(Prop::Nodes);
    if (hadSelection) notify(Prop::Selection);
}

bool TreeView::addNode(const QString& parentKey, const QString& key, const QString& text,
                       const QString& image, const QString& tag) {
    if (key.isEmpty() || m_index.contains(key)) return false;
    int parent = -1;
    if (!parentKey.isEmpty()) {
        const auto it = m_index.constFind(parentKey);
        if (it == m_index.constEnd()) return false;
        parent = *it;
    }
    const int index = static_cast<int>(m_nodes.size());
    m_nodes.append(TreeNode{key, text, image, tag, parent, {}, false});
    m_index.insert(key, index);
    (parent < 0 ? m_roots : m_nodes[parent].children).append(index);
    notify(Prop::Nodes);
    return true;
}

const TreeNode* TreeView::node(const QString& key) const {
    const auto it = m_index.constFind(key);
    return it == m_index.constEnd() ? nullptr : &m_nodes.at(*it);
}

QString TreeView::parentKey(const QString& key) const {
    const TreeNode* n = node(key);
    return n && n->parent >= 0 ? m_nodes.at(n->parent).key : QString();
}

QStringList TreeView::childKeys(const QString& key) const {
    const QVector<int>* children = &m_roots;
    if (!key.isEmpty()) {
        const TreeNode* n = node(key);
        if (!n) return {};
        children = &n->children;
    }
    QStringList keys;
    keys.reserve(children->size());
    for (int i : *children) keys.append(m_nodes.at(i).key);
    return keys;
}

void TreeView::setImage(const QString& key, const QString& image) {
    const auto it = m_index.constFind(key);
    if (it == m_index.constEnd() || m_nodes[*it].image == image) return;
    m_nodes[*it].image = image;
    changed(key);
}

void TreeView::setExpanded(const QString& key, bool open) {
    const auto it = m_index.constFind(key);
    // A leaf has nothing to open.
    if (it == m_index.constEnd() || m_nodes[*it].expanded == open || m_nodes[*it].children.isEmpty()) return;
    m_nodes[*it].expanded = open;
    changed(key);
    fireOn(open ? EventKind::Expand : EventKind::Collapse, key);
}

void TreeView::setSelectedKey(const QString& key) {
    const QString k = m_index.contains(key) ? key : QString();
    if (k == m_selected) return;
    m_selected = k;
    notify(Prop::Selection);
}

void TreeView::clickNode(const QString& key) {
    if (!m_index.contains(key)) return;
    setSelectedKey(key);
    fireOn(EventKind::Click, key);
}

void TreeView::moveToNode(const QString& key) {
    if (!m_index.contains(key)) return;
    setSelectedKey(key);
    fireOn(EventKind::Choose, key);
}

void TreeView::fireOn(EventKind kind, const QString& key) {
    ControlEvent e;
    e.kind = kind;
    e.node = key;
    fire(e);
}

void TreeView::changed(const QString& key) {
    m_changed = key;
    notify(Prop::NodeState);
}

}  // namespace tolmo::form
