#include "analysis/structuretreeview.h"

#include <QKeyEvent>

#include <vector>

namespace {

int levelOf(QModelIndex index)
{
    int level = 0;
    for (index = index.parent(); index.isValid(); index = index.parent())
        ++level;
    return level;
}

} // namespace

int StructureTreeView::expandBounded(const QModelIndex &from)
{
    QAbstractItemModel *m = model();
    if (!m)
        return -1;
    struct Item {
        QModelIndex index;
        int level;
    };
    std::vector<Item> stack;
    if (from.isValid()) {
        stack.push_back({from, levelOf(from)});
    } else {
        for (int r = m->rowCount(rootIndex()) - 1; r >= 0; --r)
            stack.push_back({m->index(r, 0, rootIndex()), 0});
    }
    // With a layout pending, expand() only records the node; the view is laid out once
    // at the end instead of once per node.
    scheduleDelayedItemsLayout();
    bool cut = false;
    while (!stack.empty()) {
        const Item item = stack.back();
        stack.pop_back();
        const int rows = m->rowCount(item.index);
        if (rows == 0)
            continue;
        if (item.level >= kMaxLevel) {
            cut = true;
            continue;
        }
        expand(item.index);
        for (int r = rows - 1; r >= 0; --r)
            stack.push_back({m->index(r, 0, item.index), item.level + 1});
    }
    executeDelayedItemsLayout();
    if (!cut)
        return -1;
    emit tooDeep(kMaxLevel);
    return kMaxLevel;
}

void StructureTreeView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    QModelIndex shown = index;
    for (int level = levelOf(index); level > kMaxLevel; --level)
        shown = shown.parent();
    QTreeView::scrollTo(shown, hint);
}

void StructureTreeView::dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                                    const QList<int> &roles)
{
    QTreeView::dataChanged(topLeft, bottomRight, roles);
    viewport()->update();
}

void StructureTreeView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Asterisk && currentIndex().isValid()) {
        expandBounded(currentIndex());
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}
