#include "analysis/structuremodel.h"

void StructureModel::setTree(StructureTree tree)
{
    beginResetModel();
    m_tree = std::move(tree);
    endResetModel();
}

void StructureModel::clear()
{
    setTree({});
}

void StructureModel::relabel(const std::function<std::optional<QString>(int, const StructureNode &)> &label)
{
    for (int id = 1; id < m_tree.count(); ++id) {
        if (std::optional<QString> text = label(id, m_tree.node(id)))
            m_tree.node(id).text = std::move(*text);
    }
    // One notice per parent: views repaint without losing their expanded nodes.
    for (int id = 0; id < m_tree.count(); ++id) {
        const std::vector<int> &ch = m_tree.node(id).children;
        if (!ch.empty())
            emit dataChanged(indexOf(ch.front()), indexOf(ch.back()), {Qt::DisplayRole});
    }
}

int StructureModel::nodeId(const QModelIndex &index)
{
    return index.isValid() ? int(index.internalId()) : -1;
}

QModelIndex StructureModel::indexOf(int id) const
{
    if (id < 0 || id >= m_tree.count())
        return {};
    return createIndex(m_tree.node(id).row, 0, quintptr(id));
}

QModelIndex StructureModel::index(int row, int column, const QModelIndex &parent) const
{
    if (column != 0 || row < 0)
        return {};
    if (!parent.isValid())
        return row == 0 && !m_tree.isEmpty() ? createIndex(0, 0, quintptr(0)) : QModelIndex();
    const std::vector<int> &ch = m_tree.node(nodeId(parent)).children;
    return size_t(row) < ch.size() ? createIndex(row, 0, quintptr(ch[size_t(row)])) : QModelIndex();
}

QModelIndex StructureModel::parent(const QModelIndex &child) const
{
    if (!child.isValid())
        return {};
    return indexOf(m_tree.node(nodeId(child)).parent);
}

int StructureModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return m_tree.isEmpty() ? 0 : 1;
    if (parent.column() != 0)
        return 0;
    return int(m_tree.node(nodeId(parent)).children.size());
}

int StructureModel::columnCount(const QModelIndex &) const
{
    return 1;
}

QVariant StructureModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return m_tree.node(nodeId(index)).text;
}
