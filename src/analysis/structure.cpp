#include "analysis/structure.h"

#include "analysis/taglaeser.h"
#include "analysis/tagscanner.h"
#include "codewriting/taglist.h"


#include <algorithm>
#include <cmath>
#include <iterator>
#include <set>
#include <unordered_map>

void StructureTree::reserve(qsizetype nodes)
{
    m_nodes.reserve(size_t(nodes));
    m_lastChild.reserve(size_t(nodes));
    m_childCount.reserve(size_t(nodes));
}

int StructureTree::add(int parent, const QString &text, TData data)
{
    const int id = count();
    int row = 0;
    if (parent >= 0) {
        row = m_childCount[size_t(parent)]++;
        m_lastChild[size_t(parent)] = id;
    }
    m_nodes.push_back({text, std::move(data), parent, row, {}});
    m_lastChild.push_back(-1);
    m_childCount.push_back(0);
    return id;
}

void StructureTree::clear()
{
    m_nodes.clear();
    m_lastChild.clear();
    m_childCount.clear();
    m_children.clear();
}

void StructureTree::finish()
{
    // Where each node's children start: the counts added up.
    std::vector<int> start(m_nodes.size() + 1, 0);
    for (size_t id = 0; id < m_nodes.size(); ++id)
        start[id + 1] = start[id] + m_childCount[id];
    m_children.assign(size_t(start.back()), 0);
    for (size_t id = 1; id < m_nodes.size(); ++id) {
        const StructureNode &n = m_nodes[id];
        m_children[size_t(start[size_t(n.parent)] + n.row)] = int(id);
    }
    for (size_t id = 0; id < m_nodes.size(); ++id)
        m_nodes[id].children = std::span<const int>(m_children.data() + start[id], size_t(m_childCount[id]));
}

std::vector<int> StructureTree::depthFirst() const
{
    std::vector<int> order;
    if (isEmpty())
        return order;
    order.reserve(m_nodes.size());
    std::vector<int> stack(m_nodes[0].children.rbegin(), m_nodes[0].children.rend());
    while (!stack.empty()) {
        const int id = stack.back();
        stack.pop_back();
        order.push_back(id);
        const std::span<const int> ch = m_nodes[size_t(id)].children;
        stack.insert(stack.end(), ch.rbegin(), ch.rend());
    }
    return order;
}

namespace {

bool isScriptOrStyle(const QString &name)
{
    return name.compare(u"script", Qt::CaseInsensitive) == 0
        || name.compare(u"style", Qt::CaseInsensitive) == 0;
}

bool isAttributeSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// Attribute names of the tag whose name ends just before `from`: up to its ">", or to the
// next "<" when the tag is never closed, so an unterminated tag cannot swallow the page.
// A value, in double quotes, in single quotes or unquoted, is skipped whatever it holds: a
// URL's "/" or a media query's "<" and ">" belong to the value, not to the tag. Outside a
// value "/" separates names like a space, so "<meta ... />" adds nothing.
QString attributeNames(QStringView text, qsizetype from)
{
    QString names;
    bool inName = false;       // the next name character is collected
    bool valueNext = false;    // after "=": spaces, then the value
    bool unquoted = false;     // inside an unquoted value
    bool afterValue = false;   // a quoted value just closed: a name may follow directly
    QChar quote;               // the quote of the quoted value being skipped
    for (qsizetype k = from; k < text.size(); ++k) {
        const QChar c = text[k];
        if (!quote.isNull()) {
            if (c == quote) {
                quote = QChar();
                afterValue = true;
            }
            continue;
        }
        if (unquoted) {
            if (!isAttributeSpace(c) && c != u'>')
                continue;
            unquoted = false;
        }
        if (c == u'>') {
            if (!names.isEmpty())
                names += u' ';
            break;
        }
        if (c == u'<')
            break;
        if (valueNext) {
            if (isAttributeSpace(c))
                continue;
            valueNext = false;
            if (c == u'"' || c == u'\'')
                quote = c;
            else
                unquoted = true;
            continue;
        }
        if (c == u'"' || c == u'\'') {
            quote = c;   // a stray quote still quotes: its content is no name
            continue;
        }
        if (isAttributeSpace(c) || c == u'/') {
            if (inName)
                names += u' ';
            inName = true;
        } else if (c == u'=') {
            inName = false;
            valueNext = true;
            names += u' ';
        } else if (inName || afterValue) {
            inName = true;
            names += c;
        }
        afterValue = false;
    }
    return names;
}

// The depth-first order of the nodes, kept while nodes are added anywhere in the tree,
// so that "which comes first" is one comparison of labels. The nodes form a linked list
// in depth-first order with increasing labels. A node added at the end (the usual case:
// a page is read from top to bottom) takes a label a fixed step further; one added in
// between takes the middle label, and when neighbours leave no room the smallest sparse
// enough range of labels around them is spread out again (the order-maintenance scheme
// of Bender et al., O(log n) per insertion on average).
class DepthFirstOrder {
public:
    void addRoot(int node)
    {
        grow(node);
        m_recs[size_t(node)] = {0, -1, -1};
    }

    void insertAfter(int x, int y)
    {
        grow(x);
        if (labelAfter(y) - m_recs[y].label < 2)
            spread(y);
        const quint64 lo = m_recs[y].label, hi = labelAfter(y);
        const quint64 step = hi == kEnd ? std::min(kAppendStep, (hi - lo) / 2) : (hi - lo) / 2;
        m_recs[x] = {lo + step, y, m_recs[y].next};
        if (m_recs[y].next >= 0)
            m_recs[m_recs[y].next].prev = x;
        m_recs[y].next = x;
    }

    bool before(int a, int b) const { return m_recs[a].label < m_recs[b].label; }
    void reserve(qsizetype nodes) { m_recs.reserve(size_t(nodes)); }

private:
    static constexpr quint64 kEnd = quint64(1) << 62;
    static constexpr quint64 kAppendStep = quint64(1) << 32;
    struct Rec {
        quint64 label = 0;
        int prev = -1, next = -1;
    };

    void grow(int node)
    {
        if (m_recs.size() <= size_t(node))
            m_recs.resize(size_t(node) + 1);
    }

    quint64 labelAfter(int r) const { return m_recs[r].next >= 0 ? m_recs[m_recs[r].next].label : kEnd; }

    // Relabels the smallest aligned range around y whose density allows one more record.
    void spread(int y)
    {
        int first = y, last = y;
        qsizetype count = 1;
        double limit = 1;  // (4/3)^bits: the density allowed shrinks as ranges grow
        for (int bits = 1; bits <= 62; ++bits) {
            limit *= 4.0 / 3.0;
            const quint64 size = quint64(1) << bits;
            const quint64 base = m_recs[y].label & ~(size - 1);
            while (m_recs[first].prev >= 0 && m_recs[m_recs[first].prev].label >= base) {
                first = m_recs[first].prev;
                ++count;
            }
            while (m_recs[last].next >= 0 && m_recs[m_recs[last].next].label < base + size) {
                last = m_recs[last].next;
                ++count;
            }
            if (double(count + 1) < limit) {
                const quint64 gap = size / quint64(count + 1);
                quint64 label = base;
                for (int r = first;; r = m_recs[r].next) {
                    m_recs[r].label = label;
                    label += gap;
                    if (r == last)
                        break;
                }
                return;
            }
        }
        qFatal("structure order: label space exhausted");
    }

    std::vector<Rec> m_recs;
};

// Builds the tree while the text is read. The current parent is `current`. An end tag
// closes the nearest open node of its name at or before the current parent in
// depth-first order; afterwards the nearest open node before the current parent becomes
// the parent. Open nodes are kept in sets ordered depth-first, so both searches are a
// lookup instead of a walk back over the tree.
class StructureBuilder {
    struct ByOrder {
        const DepthFirstOrder *order;
        bool operator()(int a, int b) const { return order->before(a, b); }
    };
    using OpenSet = std::set<int, ByOrder>;

public:
    StructureBuilder(QStringView text, const StructureLists &lists, StructureTree recycled)
        : m_text(text), m_lists(lists), m_tree(std::move(recycled)), m_open(ByOrder{&m_order})
    {
        m_tree.clear();
        // At most one node per "<": growing a vector of two million nodes step by step
        // would move them all again and again.
        const qsizetype tags = std::count(text.begin(), text.end(), u'<') + 1;
        m_tree.reserve(tags);
        m_order.reserve(tags);
        m_order.addRoot(m_tree.add(-1, kStructureRootText, {0, 1, {}}));
    }

    // A tag name has been read: decide by the lists what it adds to the tree.
    void tagComplete(QStringView nameView, qsizetype tagOffset, qsizetype nameEnd, bool isEnd)
    {
        Name &name = lookUp(nameView);
        if (name.excluded)
            return;
        if (name.noEnd) {
            addStart(name, tagOffset, nameEnd, false);
            return;
        }
        // Inside script and style only names in no list (a comparison "a<b") are ignored.
        if (!name.withEnd && m_skip)
            return;
        if (isEnd)
            addEnd(name, tagOffset);
        else
            addStart(name, tagOffset, nameEnd, true);
        if (name.withEnd && name.scriptOrStyle)
            m_skip = !isEnd;
    }

    StructureTree take()
    {
        m_tree.finish();
        return std::move(m_tree);
    }

private:
    // What the reader knows about one tag name as written. A long page repeats a few dozen
    // names, so each is looked up in the lists once and its texts are shared by its nodes.
    struct Name {
        QString text, endText;
        bool excluded, noEnd, withEnd, scriptOrStyle;
        OpenSet open;  // open nodes of this name
    };

    Name &lookUp(QStringView text)
    {
        auto it = m_names.find(toView(text));
        if (it == m_names.end()) {
            const QString s = text.toString();
            Name n{s, u'/' + s, m_lists.exclude.contains(s), m_lists.nosluttag.contains(s),
                   m_lists.tag.contains(s), isScriptOrStyle(s), OpenSet(ByOrder{&m_order})};
            it = m_names.emplace(std::u16string(toView(text)), std::move(n)).first;
        }
        return it->second;
    }

    // Adds a last child; in depth-first order it follows the last node of parent's subtree.
    int add(int parent, const QString &text, TData data)
    {
        int last = parent;
        while (m_tree.lastChild(last) >= 0)
            last = m_tree.lastChild(last);
        const int id = m_tree.add(parent, text, std::move(data));
        m_order.insertAfter(id, last);
        return id;
    }

    // The last node of set at or before n (before n when strictly), -1 when none.
    static int lastUpTo(const OpenSet &set, int n, bool strictly)
    {
        auto it = strictly ? set.lower_bound(n) : set.upper_bound(n);
        return it == set.begin() ? -1 : *std::prev(it);
    }

    void addStart(Name &name, qsizetype offset, qsizetype nameEnd, bool opens)
    {
        const int id = add(m_current, name.text, {offset, quint8(opens ? 0 : 1), attributeNames(m_text, nameEnd)});
        if (!opens)
            return;
        m_open.insert(id);
        name.open.insert(id);
        m_current = id;
    }

    void addEnd(Name &name, qsizetype offset)
    {
        const int found = lastUpTo(name.open, m_current, false);
        if (found < 0) {
            add(m_current, name.endText, {offset, 3, {}});
            return;
        }
        m_tree.node(found).data.TagEnd = 1;
        name.open.erase(found);
        m_open.erase(found);
        const int parent = m_tree.node(m_current).parent;
        add(parent >= 0 ? parent : m_current, name.endText, {offset, 1, {}});
        const int open = lastUpTo(m_open, m_current, true);
        if (open >= 0)
            m_current = open;
    }

    QStringView m_text;
    const StructureLists &m_lists;
    StructureTree m_tree;
    DepthFirstOrder m_order;
    OpenSet m_open;
    std::unordered_map<std::u16string, Name, NameHash, std::equal_to<>> m_names;
    int m_current = 0;
    bool m_skip = false;
};

} // namespace

StructureTree readStructure(QStringView text, const StructureLists &lists,
                            const std::function<void(int)> &progress, StructureTree recycled)
{
    StructureBuilder builder(text, lists, std::move(recycled));
    const qsizetype n = text.size();
    const qsizetype lines = std::count(text.begin(), text.end(), u'\n') + 1;
    qsizetype lineBreaks = 0;
    int reported = 0;

    // Line breaks are counted as the reading passes them: a tag's offset counts CR LF as two.
    qsizetype counted = 0;
    auto countTo = [&](qsizetype pos) {
        for (; counted < pos; ++counted) {
            if (text[counted] != u'\n')
                continue;
            if (progress) {
                const int percent = int(std::lround(double(lineBreaks) * 100.0 / double(lines)));
                if (percent != reported)
                    progress(reported = percent);
            }
            ++lineBreaks;
        }
    };
    TagLaeser laeser(text);
    while (const std::optional<TagLaeser::Tag> tag = laeser.naeste()) {
        countTo(tag->start);
        builder.tagComplete(text.mid(tag->navnStart, tag->navnSlut - tag->navnStart), tag->start + lineBreaks,
                            tag->navnSlut, tag->slutkode);
    }
    countTo(n);
    return builder.take();
}
