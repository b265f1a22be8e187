#include "analysis/structure.h"

#include "analysis/tagscanner.h"
#include "codewriting/taglist.h"


#include <algorithm>
#include <cmath>
#include <unordered_map>

int StructureTree::add(int parent, const QString &text, const TData &data)
{
    const int id = count();
    StructureNode n;
    n.text = text;
    n.data = data;
    n.parent = parent;
    if (parent >= 0) {
        std::vector<int> &siblings = m_nodes[size_t(parent)].children;
        n.row = int(siblings.size());
        siblings.push_back(id);
    }
    m_nodes.push_back(std::move(n));
    return id;
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
        const std::vector<int> &ch = m_nodes[size_t(id)].children;
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

// Attribute names of the tag whose name ends just before `from`: up to its ">", or to the
// next "<" when the tag is never closed, so an unterminated tag cannot swallow the page.
QString attributeNames(QStringView text, qsizetype from)
{
    QString names;
    bool inQuote = false, inName = false;
    for (qsizetype k = from; k < text.size(); ++k) {
        const QChar c = text[k];
        if (c == u'>') {
            if (!names.isEmpty())
                names += u' ';
            break;
        }
        if (c == u'<')
            break;
        if (c == u'"') {
            inQuote = !inQuote;
            continue;
        }
        if (inQuote)
            continue;
        if (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'/') {
            if (inName)
                names += u' ';
            inName = true;
        } else if (c == u'=') {
            inName = false;
            names += u' ';
        } else if (inName) {
            names += c;
        }
    }
    return names;
}

// Builds the tree while the text is read. The current parent is `current`. An end tag
// closes the nearest open node of its name found walking back in depth-first order from
// the current parent; afterwards the nearest open node before the current parent becomes
// the parent.
//
// Walking back node by node would make a long page quadratic, so every node keeps the
// rows of those children whose subtree may still hold an open node ("hot" children). The
// walk then jumps over closed subtrees. Entries go stale when nodes close and are dropped
// when a walk meets them.
class StructureBuilder {
public:
    StructureBuilder(QStringView text, const StructureLists &lists) : m_text(text), m_lists(lists)
    {
        // At most one node per "<": growing a vector of two million nodes step by step
        // would move them all again and again.
        const qsizetype tags = std::count(text.begin(), text.end(), u'<') + 1;
        m_tree.reserve(tags);
        m_hot.reserve(size_t(tags));
        add(-1, kStructureRootText, {0, 1, {}});
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

    StructureTree take() { return std::move(m_tree); }

private:
    int add(int parent, const QString &text, const TData &data)
    {
        const int id = m_tree.add(parent, text, data);
        m_hot.emplace_back();
        return id;
    }

    // What the reader knows about one tag name as written. A long page repeats a few dozen
    // names, so each is looked up in the lists once and its texts are shared by its nodes.
    struct Name {
        QString text, endText;
        bool excluded, noEnd, withEnd, scriptOrStyle;
        int open = 0;  // open nodes of this name
    };

    Name &lookUp(QStringView text)
    {
        auto it = m_names.find(toView(text));
        if (it == m_names.end()) {
            const QString s = text.toString();
            Name n{s, u'/' + s, m_lists.exclude.contains(s), m_lists.nosluttag.contains(s),
                   m_lists.tag.contains(s), isScriptOrStyle(s)};
            it = m_names.emplace(std::u16string(toView(text)), std::move(n)).first;
        }
        return it->second;
    }

    bool isOpen(int id) const { return m_tree.node(id).data.TagEnd == 0; }

    void addStart(Name &name, qsizetype offset, qsizetype nameEnd, bool opens)
    {
        const int id = add(m_current, name.text, {offset, quint8(opens ? 0 : 1), attributeNames(m_text, nameEnd)});
        if (!opens)
            return;
        ++m_openCount;
        ++name.open;
        markHot(id);
        m_current = id;
    }

    void addEnd(Name &name, qsizetype offset)
    {
        const QString &text = name.endText;
        int found = -1;
        if (name.open > 0) {
            for (int n = isOpen(m_current) ? m_current : previousOpen(m_current); n >= 0; n = previousOpen(n)) {
                if (m_tree.node(n).text == name.text) {
                    found = n;
                    break;
                }
            }
        }
        if (found < 0) {
            add(m_current, text, {offset, 3, {}});
            return;
        }
        m_tree.node(found).data.TagEnd = 1;
        --m_openCount;
        --name.open;
        const int parent = m_tree.node(m_current).parent;
        add(parent >= 0 ? parent : m_current, text, {offset, 1, {}});
        if (m_openCount > 0) {
            const int open = previousOpen(m_current);
            if (open >= 0)
                m_current = open;
        }
    }

    // Records that id's subtree holds an open node, up to the first ancestor that knew.
    void markHot(int id)
    {
        for (int c = id;;) {
            const int p = m_tree.node(c).parent;
            if (p < 0)
                return;
            std::vector<int> &hot = m_hot[size_t(p)];
            const int row = m_tree.node(c).row;
            auto it = std::lower_bound(hot.begin(), hot.end(), row);
            if (it != hot.end() && *it == row)
                return;
            hot.insert(it, row);
            c = p;
        }
    }

    // The last open node of top's subtree in depth-first order (top included), or -1.
    int lastOpenIn(int top)
    {
        int s = top;
        for (;;) {
            const std::vector<int> &hot = m_hot[size_t(s)];
            if (!hot.empty()) {
                s = m_tree.node(s).children[size_t(hot.back())];
                continue;
            }
            if (isOpen(s))
                return s;
            if (s == top)
                return -1;
            s = m_tree.node(s).parent;  // nothing open below: drop the stale entry
            m_hot[size_t(s)].pop_back();
        }
    }

    // The nearest open node before n in depth-first order, or -1.
    int previousOpen(int n)
    {
        for (int c = n;;) {
            const int p = m_tree.node(c).parent;
            if (p < 0)
                return -1;
            std::vector<int> &hot = m_hot[size_t(p)];
            auto it = std::lower_bound(hot.begin(), hot.end(), m_tree.node(c).row);
            while (it != hot.begin()) {
                --it;
                const int found = lastOpenIn(m_tree.node(p).children[size_t(*it)]);
                if (found >= 0)
                    return found;
                it = hot.erase(it);
            }
            if (isOpen(p))
                return p;
            c = p;
        }
    }

    QStringView m_text;
    const StructureLists &m_lists;
    StructureTree m_tree;
    std::vector<std::vector<int>> m_hot;
    std::unordered_map<std::u16string, Name, NameHash, std::equal_to<>> m_names;
    int m_openCount = 0;
    int m_current = 0;
    bool m_skip = false;
};

} // namespace

StructureTree readStructure(QStringView text, const StructureLists &lists,
                            const std::function<void(int)> &progress)
{
    StructureBuilder builder(text, lists);
    const qsizetype n = text.size();
    const qsizetype lines = std::count(text.begin(), text.end(), u'\n') + 1;
    qsizetype lineBreaks = 0;
    int reported = 0;

    bool collecting = false, isEnd = false;
    qsizetype tagPos = 0, nameStart = 0;
    auto complete = [&](qsizetype nameEnd) {
        collecting = false;
        builder.tagComplete(text.mid(nameStart, nameEnd - nameStart), tagPos + lineBreaks, nameEnd, isEnd);
    };

    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'<') {
            if (i + 1 >= n) {
                collecting = false;  // a "<" ending the text names nothing
            } else if (text[i + 1] == u'/') {
                isEnd = true;
                tagPos = i;
                ++i;
                nameStart = i + 1;
                collecting = true;
            } else {
                isEnd = false;
                collecting = !isNoTagAfterLt(text[i + 1]);
                tagPos = i;
                nameStart = i + 1;
            }
            continue;
        }
        if (collecting && isTagNameEnd(c))
            complete(i);
        if (c == u'\n') {
            if (progress) {
                const int percent = int(std::lround(double(lineBreaks) * 100.0 / double(lines)));
                if (percent != reported)
                    progress(reported = percent);
            }
            ++lineBreaks;
        }
    }
    return builder.take();
}
