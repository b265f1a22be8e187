#pragma once
// A slow, literal structure reader used to check the fast one: every search walks back
// node by node in depth-first order. Shared by the structure test and the fuzz target.

#include "analysis/structure.h"
#include "analysis/taglaeser.h"
#include "analysis/tagscanner.h"
#include "codewriting/taglist.h"

namespace naive {

// The tree as it grows, with each node's children at hand while it is built.
struct Growing {
    StructureTree t;
    std::vector<std::vector<int>> kids;
    int add(int parent, const QString &text, TData data)
    {
        const int id = t.add(parent, text, std::move(data));
        kids.emplace_back();
        if (parent >= 0)
            kids[size_t(parent)].push_back(id);
        return id;
    }
};

inline int predecessor(const Growing &g, int n)
{
    const StructureNode &node = g.t.node(n);
    if (node.parent < 0)
        return -1;
    if (node.row == 0)
        return node.parent;
    int s = g.kids[size_t(node.parent)][size_t(node.row - 1)];
    while (!g.kids[size_t(s)].empty())
        s = g.kids[size_t(s)].back();
    return s;
}

inline StructureTree readStructure(QStringView text, const StructureLists &lists)
{
    Growing g;
    StructureTree &t = g.t;
    g.add(-1, kStructureRootText, {0, 1, {}});
    int current = 0;
    bool skip = false;
    auto addEnd = [&](const QString &name, qsizetype offset) {
        int found = -1;
        for (int n = current; n >= 0 && found < 0; n = predecessor(g, n)) {
            if (t.node(n).text == name && t.node(n).data.TagEnd == 0)
                found = n;
        }
        if (found < 0) {
            g.add(current, u'/' + name, {offset, 3, {}});
            return;
        }
        t.node(found).data.TagEnd = 1;
        const int parent = t.node(current).parent;
        g.add(parent >= 0 ? parent : current, u'/' + name, {offset, 1, {}});
        for (int n = predecessor(g, current); n >= 0; n = predecessor(g, n)) {
            if (t.node(n).data.TagEnd == 0) {
                current = n;
                break;
            }
        }
    };
    auto addStart = [&](const QString &name, qsizetype offset, bool opens) {
        const int id = g.add(current, name, {offset, quint8(opens ? 0 : 1), {}});
        if (opens)
            current = id;
    };

    TagLaeser laeser(text);
    while (const std::optional<TagLaeser::Tag> tag = laeser.naeste()) {
        const qsizetype offset = tag->start + std::count(text.begin(), text.begin() + tag->start, u'\n');
        const QString name = text.mid(tag->navnStart, tag->navnSlut - tag->navnStart).toString();
        const bool isEnd = tag->slutkode;
        const bool scriptOrStyle = name.compare(u"script", Qt::CaseInsensitive) == 0
            || name.compare(u"style", Qt::CaseInsensitive) == 0;
        if (lists.exclude.contains(name)) {
        } else if (lists.nosluttag.contains(name)) {
            addStart(name, offset, false);
        } else if (lists.tag.contains(name)) {
            if (isEnd)
                addEnd(name, offset);
            else
                addStart(name, offset, true);
            if (scriptOrStyle)
                skip = !isEnd;
        } else if (!skip) {
            if (isEnd)
                addEnd(name, offset);
            else
                addStart(name, offset, true);
        }
    }
    t.finish();
    return std::move(t);
}

// Whether two trees have the same shape, texts, offsets and states (attributes aside).
inline bool sameTree(const StructureTree &a, const StructureTree &b, int na = 0, int nb = 0)
{
    const StructureNode &x = a.node(na), &y = b.node(nb);
    if (x.text != y.text || x.data.Index != y.data.Index || x.data.TagEnd != y.data.TagEnd
        || x.children.size() != y.children.size())
        return false;
    for (size_t i = 0; i < x.children.size(); ++i) {
        if (!sameTree(a, b, x.children[i], y.children[i]))
            return false;
    }
    return true;
}

} // namespace naive
