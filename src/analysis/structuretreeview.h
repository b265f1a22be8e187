#pragma once
// The check window's tree view. Qt's tree view lays out expanded nodes recursively and keeps
// their levels in 16 bits, so a page of tens of thousands of unclosed list items (each item
// nests in the one before) would overflow the stack when fully expanded. This view expands
// without recursion and never beyond kMaxLevel; the tree itself stays as it was read.

#include <QTreeView>

class StructureTreeView : public QTreeView {
    Q_OBJECT
public:
    // Deepest level shown (the root is level 0). Far more than any page written by hand
    // needs, and a layout this deep stays well within the stack.
    static constexpr int kMaxLevel = 2000;

    using QTreeView::QTreeView;

    // Expands `from` (every top-level node when invalid) and every node below it, down to
    // kMaxLevel. Returns kMaxLevel when deeper nodes stay folded (and emits tooDeep), else -1.
    int expandBounded(const QModelIndex &from = {});

    // A node deeper than kMaxLevel is shown by its ancestor at that level: showing the node
    // itself would expand all its ancestors.
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

    // The model tells of a relabelling by one notice for the whole tree: every row shown
    // is painted again, not only the rows named.
    void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                     const QList<int> &roles = QList<int>()) override;

signals:
    void tooDeep(int level);

protected:
    // "*" expands the current node's subtree within the same bound.
    void keyPressEvent(QKeyEvent *event) override;
};
