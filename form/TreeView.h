#pragma once
// A tree of keyed nodes, each with a text, an image name and a tag, shown closed or open.

#include <QHash>

#include "form/Control.h"

namespace tolmo::form {

struct TreeNode {
    QString key, text, image, tag;
    int parent = -1;  ///< index of the parent node, -1 at the root
    QVector<int> children;
    bool expanded = false;
};

class TreeView : public Control {
public:
    TreeView(Form* form, QString name);

    /// Removes every node and the selection.
    void clear();
    /// Adds a node under `parentKey` (empty: at the root); false when the key is taken or the
    /// parent does not exist. Observers hear Prop::Nodes: the nodes are shown in the order added.
    bool addNode(const QString& parentKey, const QString& key, const QString& text, const QString& image,
                 const QString& tag);
    int nodeCount() const { return static_cast<int>(m_nodes.size()); }
    const TreeNode& nodeAt(int index) const { return m_nodes.at(index); }
    /// The node with `key`, nullptr when there is none.
    const TreeNode* node(const QString& key) const;
    /// The parent's key, empty at the root or for an unknown node.
    QString parentKey(const QString& key) const;
    /// The keys of the children of `key`, in order; empty `key` gives the roots.
    QStringList childKeys(const QString& key) const;

    void setImage(const QString& key, const QString& image);
    /// Opens or closes a node as a person does: fires Expand or Collapse with the key when its
    /// state changes. Unknown keys and leaves are ignored.
    void setExpanded(const QString& key, bool open);
    /// The node whose image or open state changed last (for Prop::NodeState).
    const QString& changedNode() const { return m_changed; }

    const QString& selectedKey() const { return m_selected; }
    /// Selects a node without any event (observers hear Prop::Selection); an unknown key clears.
    void setSelectedKey(const QString& key);
    /// A person's click on a node: selects it and fires Click with its key.
    void clickNode(const QString& key);
    /// A person's move onto a node with the keyboard: selects it and fires Choose with its key.
    void moveToNode(const QString& key);

private:
    void fireOn(EventKind kind, const QString& key);
    void changed(const QString& key);

    QVector<TreeNode> m_nodes;
    QHash<QString, int> m_index;
    QVector<int> m_roots;
    QString m_selected;
    QString m_changed;
};

}  // namespace tolmo::form
