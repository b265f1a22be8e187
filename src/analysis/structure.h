#pragma once
// The document structure: a tree with one node per tag under the root "Hjemmeside".
//
// Nodes live in one vector and point to each other by index, and the children of every
// node lie side by side in one more, so a page of two million tags is read without an
// allocation per node beyond its texts. Children are only ever appended, which the reader
// relies on; the lists of children are laid out once the tree is complete (finish).

#include <QString>
#include <QStringView>

#include <functional>
#include <span>
#include <vector>

class TagList;

struct TData {
    qsizetype Index = 0;   // offset of the tag's "<" in the document string (CR LF as two)
    quint8 TagEnd = 1;     // 0 open, 1 closed or needs no end tag, 3 surplus end tag
    QString AttrListe;     // attribute names, each followed by one or more spaces
};

struct StructureNode {
    QString text;          // tag name ("/" + name for an end tag), later relabelled
    TData data;
    int parent = -1;
    int row = 0;           // position among the parent's children
    std::span<const int> children;   // empty until the tree is finished
};

class StructureTree {
public:
    StructureTree() = default;
    // The children point into the tree's own storage: a tree moves, it is never copied.
    StructureTree(StructureTree &&) = default;
    StructureTree &operator=(StructureTree &&) = default;
    StructureTree(const StructureTree &) = delete;
    StructureTree &operator=(const StructureTree &) = delete;

    bool isEmpty() const { return m_nodes.empty(); }
    int count() const { return int(m_nodes.size()); }
    const StructureNode &node(int id) const { return m_nodes[size_t(id)]; }
    StructureNode &node(int id) { return m_nodes[size_t(id)]; }

    void reserve(qsizetype nodes);
    // Adds the root (parent -1) or a last child; returns its id.
    int add(int parent, const QString &text, TData data);
    // The last child added to a node, -1 when it has none; also while the tree is built.
    int lastChild(int id) const { return m_lastChild[size_t(id)]; }
    // Lays out the lists of children once every node is added.
    void finish();
    // Removes every node but keeps the storage, for the next read.
    void clear();
    // Node ids after the root in depth-first order.
    std::vector<int> depthFirst() const;

private:
    std::vector<StructureNode> m_nodes;
    std::vector<int> m_lastChild;
    std::vector<int> m_childCount;
    std::vector<int> m_children;   // every node's children, node after node
};

inline const QString kStructureRootText = QStringLiteral("Hjemmeside");

struct StructureLists {
    const TagList &exclude;    // names the reader skips
    const TagList &nosluttag;  // tags without end tag: leaves
    const TagList &tag;        // tags with end tag: open an element
};

// Reads text (line breaks as single '\n') into a tree. progress, when set, gets the
// share of lines read, 0 to 100, each time it changes.
// recycled: an old tree whose storage the new one takes over; a page read again then
// needs no fresh memory for its two million nodes.
StructureTree readStructure(QStringView text, const StructureLists &lists,
                            const std::function<void(int)> &progress = {}, StructureTree recycled = {});
