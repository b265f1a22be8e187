#include "analysis/structuremodel.h"

namespace {

// Qt hashes an index by its row plus its internal id. Node ids are dense, so as internal ids
// they would fill long runs of neighbouring buckets in a view's set of expanded nodes and in
// the model's persistent indexes, and every removal from such a run walks all of it:
// "Sammenfold" of a large expanded tree took minutes. An odd multiplier spreads the ids
// over the whole range; its inverse modulo 2^n gives them back.
constexpr quintptr kSpread = quintptr(0x9E3779B97F4A7C15ull);

constexpr quintptr inverse(quintptr a)
{
    quintptr x = a;   // right in the lowest 3 bits; each step doubles the right bits
    for (int i = 0; i < 6; ++i)
        x *= 2 - a * x;
    return x;
}
constexpr quintptr kGather = inverse(kSpread);
static_assert(kSpread * kGather == 1);

quintptr internalOf(int id) { return quintptr(id) * kSpread; }

} // namespace

void StructureModel::setTree(StructureTree tree)
{
    beginResetModel();
    m_tree = std::move(tree);
    endResetModel();
}

StructureTree StructureModel::takeTree()
{
    beginResetModel();
    StructureTree old = std::move(m_tree);
    m_tree = StructureTree();
    endResetModel();
    return old;
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
    // One notice for the whole tree, over the root's children: one notice per parent cost an
    // expanded view a search through its rows each, seconds on a large page, and a layout
    // change would lay the whole expanded tree out again. Views keep their expanded nodes.
    if (m_tree.isEmpty())
        return;
    const std::span<const int> top = m_tree.node(0).children;
    if (!top.empty())
        emit dataChanged(indexOf(top.front()), indexOf(top.back()), {Qt::DisplayRole});
}

int StructureModel::nodeId(const QModelIndex &index)
{
    return index.isValid() ? int(index.internalId() * kGather) : -1;
}

QModelIndex StructureModel::indexOf(int id) const
{
    if (id < 0 || id >= m_tree.count())
        return {};
    return createIndex(m_tree.node(id).row, 0, internalOf(id));
}

QModelIndex StructureModel::index(int row, int column, const QModelIndex &parent) const
{
    if (column != 0 || row < 0)
        return {};
    if (!parent.isValid())
        return row == 0 && !m_tree.isEmpty() ? createIndex(0, 0, internalOf(0)) : QModelIndex();
    const std::span<const int> ch = m_tree.node(nodeId(parent)).children;
    return size_t(row) < ch.size() ? createIndex(row, 0, internalOf(ch[size_t(row)])) : QModelIndex();
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
