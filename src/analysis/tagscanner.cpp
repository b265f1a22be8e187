#include "analysis/tagscanner.h"

#include "codewriting/taglist.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <optional>

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool isQuote(QChar c)
{
    return c == u'"' || c == u'\'';
}

// Inside a start tag, walking back from the caret: the attribute whose quoted value holds
// the caret, and the word before the nearest colon (the CSS property being written).
void scanAttribute(const ScanText &text, qsizetype caret, qsizetype lt, TPosData &pos)
{
    enum { LookForColon, Collect, Done } css = LookForColon;
    bool inAttribute = false;
    QString cssReversed, attributeReversed;
    for (qsizetype k = caret - 1; k > lt; --k) {
        const QChar c = text.at(k);
        if (css == Collect) {
            if (isQuote(c) || c == u';' || isBlank(c))
                css = Done;
            else
                cssReversed += c;
        } else if (css == LookForColon && c == u':') {
            css = Collect;
        }
        if (inAttribute) {
            if (isBlank(c))
                break;
            attributeReversed += c;
        }
        if (isQuote(c)) {
            if (text.at(k - 1) != u'=')
                break;
            inAttribute = true;
            --k;  // past the "="
        }
    }
    std::reverse(cssReversed.begin(), cssReversed.end());
    std::reverse(attributeReversed.begin(), attributeReversed.end());
    pos.cssKode = cssReversed;
    pos.Attribut = attributeReversed;
}

// One step of the walk between tags: the "<" at j of a line, if any. An end tag adds one
// to depth, a start tag of an element with an end tag takes one away. Returns the name when
// depth reaches -1.
std::optional<QStringView> tagAt(QStringView line, qsizetype j, int &depth, const TagList &nosluttag)
{
    if (line[j] != u'<' || j + 1 >= line.size())
        return std::nullopt;  // not a "<", or a "<" ending the line or the text
    const QChar next = line[j + 1];
    if (next == u'/') {
        ++depth;
        return std::nullopt;
    }
    if (isNoTagAfterLt(next))
        return std::nullopt;
    const QStringView name = readTagName(line, j + 1);
    if (nosluttag.contains(name))
        return std::nullopt;
    if (--depth == -1)
        return name;
    return std::nullopt;
}

// Walks a line back from index `from`; true with the element's name when it is found.
bool walkLine(QStringView line, qsizetype from, int &depth, const TagList &nosluttag, TPosData &pos)
{
    for (qsizetype j = from; j >= 0; --j) {
        if (const auto name = tagAt(line, j, depth, nosluttag)) {
            pos.CurPos = cpBetween;
            pos.Tag = name->toString();
            return true;
        }
    }
    return false;
}

// What a whole line does to the walk: its net change of depth and the lowest depth it
// reaches on the way (relative to where the walk enters it, from its end). A line whose
// lowest point stays above -1 can be passed over by adding its net change.
struct LineSummary : QTextBlockUserData {
    const TagList *list = nullptr;
    int net = 0;
    int lowest = 0;
};

const LineSummary &summaryOf(QTextBlock block, const TagList &nosluttag)
{
    auto *s = static_cast<LineSummary *>(block.userData());
    if (s && s->list == &nosluttag)
        return *s;
    s = new LineSummary;
    s->list = &nosluttag;
    const QString line = block.text();
    for (qsizetype j = line.size() - 1; j >= 0; --j) {
        tagAt(line, j, s->net, nosluttag);
        s->lowest = std::min(s->lowest, s->net);
    }
    block.setUserData(s);   // the block owns it
    return *s;
}

// Forgets the summaries of the lines an edit touches. One per document, made on first use.
class LineSummaries : public QObject {
    static constexpr char kProperty[] = "tavlevirkeLineSummaries";

public:
    explicit LineSummaries(QTextDocument *doc) : QObject(doc)
    {
        connect(doc, &QTextDocument::contentsChange, this, [doc](int from, int, int added) {
            const QTextBlock last = doc->findBlock(from + added);
            for (QTextBlock b = doc->findBlock(from); b.isValid(); b = b.next()) {
                QTextBlock(b).setUserData(nullptr);
                if (b == last)
                    break;
            }
        });
    }
    // A document only reports where it changed once it has a layout (an edit control
    // gives it one); without one the summaries could not be kept true.
    static bool usable(const QTextDocument *doc)
    {
        return doc->findChild<QAbstractTextDocumentLayout *>(QString(), Qt::FindDirectChildrenOnly);
    }
    static void ensure(const QTextDocument *doc)
    {
        auto *d = const_cast<QTextDocument *>(doc);
        if (!d->property(kProperty).toBool()) {
            new LineSummaries(d);
            d->setProperty(kProperty, true);
        }
    }
};

// Between tags: walk back over every "<", an end tag adding one and a start tag taking one
// away, until the start tag of the enclosing element brings the count to -1.
void scanBetween(const ScanText &text, qsizetype caret, const TagList &nosluttag, TPosData &pos)
{
    int depth = 0;
    if (const QTextDocument *doc = text.document(); doc && LineSummaries::usable(doc)) {
        // Line by line, passing over whole lines by their summaries: after the first walk
        // through a long page, later ones cost a step per line instead of per character.
        LineSummaries::ensure(doc);
        QTextBlock block = doc->findBlock(int(caret - 1));
        const QString first = block.text();
        if (walkLine(first, std::min<qsizetype>(caret - 1 - block.position(), first.size() - 1), depth, nosluttag, pos))
            return;
        for (block = block.previous(); block.isValid(); block = block.previous()) {
            const LineSummary &s = summaryOf(block, nosluttag);
            if (depth + s.lowest > -1) {
                depth += s.net;
                continue;
            }
            const QString line = block.text();
            if (walkLine(line, line.size() - 1, depth, nosluttag, pos))
                return;
        }
        return;
    }
    for (qsizetype i = caret - 1; i >= 0;) {
        const ScanText::Chunk chunk = text.chunk(i);
        if (walkLine(chunk.text, i - chunk.start, depth, nosluttag, pos))
            return;
        i = chunk.start - 1;
    }
}

} // namespace

bool isTagNameEnd(QChar c)
{
    return isBlank(c) || c == u'>' || c == u'<' || c == u'/';
}

bool isNoTagAfterLt(QChar next)
{
    return isBlank(next) || next == u'!' || next == u'%' || next == u'-' || next == u'<'
        || next == u'>' || next == u'?';
}

QStringView readTagName(QStringView text, qsizetype from)
{
    qsizetype end = from;
    while (end < text.size() && !isTagNameEnd(text[end])) {
        if (text[end++] == u'%')
            break;
    }
    return text.mid(from, end - from);
}

std::optional<TPosData> scanCaret(const ScanText &text, qsizetype caret, const TagList &nosluttag)
{
    const qsizetype size = text.size();
    if (size > 1 && text.at(0) != u'<')
        return std::nullopt;

    TPosData pos;
    caret = std::clamp<qsizetype>(caret, 0, size);
    pos.PosIndex = caret + text.lineBreaksBefore(caret);
    if (caret < 1)
        return pos;
    pos.LastChar = text.at(caret - 1);

    // The nearest "<" before the caret, unless a ">" comes first.
    qsizetype lt = -1;
    for (qsizetype i = caret - 1; i >= 0 && lt < 0;) {
        const ScanText::Chunk chunk = text.chunk(i);
        qsizetype j = i - chunk.start;
        for (; j >= 0; --j) {
            const QChar c = chunk.text[j];
            if (c == u'<') {
                lt = chunk.start + j;
                break;
            }
            if (c == u'>')
                break;
        }
        if (j >= 0)
            break;
        i = chunk.start - 1;
    }

    if (lt < 0) {
        scanBetween(text, caret, nosluttag, pos);
        return pos;
    }
    if (lt == size - 1) {
        pos.CurPos = cpInside;
        return pos;
    }
    const ScanText::Chunk chunk = text.chunk(lt);
    const qsizetype local = lt - chunk.start;
    if (chunk.text[local + 1] == u'/') {
        pos.CurPos = cpInsideEnd;
        pos.Tag = readTagName(chunk.text, local + 2).toString();
    } else {
        pos.CurPos = cpInside;
        pos.Tag = readTagName(chunk.text, local + 1).toString();
        scanAttribute(text, caret, lt, pos);
    }
    return pos;
}
