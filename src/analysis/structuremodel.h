#pragma once
// The document structure as an item model for the check window's tree view. A read
// replaces the whole tree at once; relabelling changes texts in place so the view keeps
// its expanded nodes.

#include "analysis/structure.h"

#include <QAbstractItemModel>

#include <functional>
#include <optional>

class StructureModel : public QAbstractItemModel {
    Q_OBJECT
public:
    using QAbstractItemModel::QAbstractItemModel;

    void setTree(StructureTree tree);
    void clear();
    // Empties the model and hands over its tree (for its storage).
    StructureTree takeTree();
    const StructureTree &tree() const { return m_tree; }

    // Sets the text of every node after the root for which label returns a value. Views
    // hear of it as one dataChanged over the root's children, whatever the depth of the
    // nodes relabelled: a view of the tree repaints what it shows (StructureTreeView does).
    void relabel(const std::function<std::optional<QString>(int id, const StructureNode &)> &label);

    // The node id of an index (-1 for an invalid one) and the index of a node id.
    static int nodeId(const QModelIndex &index);
    QModelIndex indexOf(int id) const;

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    StructureTree m_tree;
};
