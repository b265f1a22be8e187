#include "analysis/tagscanner.h"

#include "codewriting/taglist.h"

#include "editor/editor.h"

#include <QVariant>

#include <algorithm>
#include <optional>
#include <vector>

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

// What the "<" at j of a line does to the walk between tags: an end tag adds one, a start
// tag of an element with an end tag takes one away; anything else leaves it.
int tagTrin(QStringView line, qsizetype j, const TagList &nosluttag)
{
    if (line[j] != u'<' || j + 1 >= line.size())
        return 0;  // not a "<", or a "<" ending the line or the text
    // A tag starts with "<" and a letter, an end tag with "</" and a letter; "a <= b" and
    // "1<2" are text, as a browser reads them.
    const auto bogstav = [](QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); };
    const QChar next = line[j + 1];
    if (next == u'/')
        return j + 2 < line.size() && bogstav(line[j + 2]) ? 1 : 0;
    if (!bogstav(next))
        return 0;
    return nosluttag.contains(readTagName(line, j + 1)) ? 0 : -1;
}

// One step of the walk back between tags: the name of the start tag at j when it brings
// depth to -1.
std::optional<QStringView> tagAt(QStringView line, qsizetype j, int &depth, const TagList &nosluttag)
{
    const int trin = tagTrin(line, j, nosluttag);
    depth += trin;
    if (trin < 0 && depth == -1)
        return readTagName(line, j + 1);
    return std::nullopt;
}

// Walks a line back from index `from`; true with the element's name (and the index of its
// "<" in found) when it is found.
bool walkLine(QStringView line, qsizetype from, int &depth, const TagList &nosluttag, TPosData &pos,
              qsizetype *found = nullptr)
{
    for (qsizetype j = from; j >= 0; --j) {
        if (const auto name = tagAt(line, j, depth, nosluttag)) {
            pos.CurPos = cpBetween;
            pos.Tag = name->toString();
            if (found)
                *found = j;
            return true;
        }
    }
    return false;
}

// What a run of whole lines does to the walk: its net change of depth and the lowest depth
// it reaches on the way (relative to where the walk enters it, from its end). A run whose
// lowest point stays above -1 can be passed over by adding its net change. The walk
// forwards, from a start tag to its end tag, enters at the run's start and looks for +1:
// highest is the top it reaches on that way.
struct Summary {
    int net = 0;
    int lowest = 0;
    int highest = 0;
};

Summary summarise(QStringView line, const TagList &nosluttag)
{
    Summary s;
    int forward = 0;
    for (qsizetype j = 0; j < line.size(); ++j) {
        const int trin = tagTrin(line, j, nosluttag);
        if (trin == 0)
            continue;
        forward += trin;
        s.highest = std::max(s.highest, forward);
        s.net = forward;
    }
    // The same tags backwards give the lowest point.
    int back = 0;
    for (qsizetype j = line.size() - 1; j >= 0; --j) {
        back += tagTrin(line, j, nosluttag);
        s.lowest = std::min(s.lowest, back);
    }
    return s;
}

// The summaries of an edit control's lines, and of blocks of kBlock lines, kept true as
// the text changes: an edit forgets the lines it touched and shifts the later ones. One
// per control, made on first use; it lives as long as the control.
class LineSummaries : public QObject {
public:
    static constexpr int kBlock = 256;

    static LineSummaries &of(const TEditor *editor, const TagList &nosluttag)
    {
        auto *e = const_cast<TEditor *>(editor);
        auto *s = static_cast<LineSummaries *>(e->property(kProperty).value<QObject *>());
        if (!s) {
            s = new LineSummaries(e);
            e->setProperty(kProperty, QVariant::fromValue(static_cast<QObject *>(s)));
        }
        e->meldAendringer();   // the summaries must know of every edit before they are read
        if (s->m_list != &nosluttag) {
            s->m_list = &nosluttag;
            s->forgetAll();
        }
        return *s;
    }

    Summary line(int n)
    {
        if (!m_lineValid[n]) {
            m_lines[n] = summarise(m_editor->lineText(n), *m_list);
            m_lineValid[n] = 1;
        }
        return m_lines[n];
    }

    Summary block(int b)
    {
        if (!m_blockValid[b]) {
            Summary s;
            const int first = b * kBlock;
            for (int n = std::min(first + kBlock, int(m_lines.size())) - 1; n >= first; --n) {
                const Summary l = line(n);
                s.lowest = std::min(s.lowest, s.net + l.lowest);
                s.net += l.net;
            }
            int forward = 0;
            for (int n = first; n < std::min(first + kBlock, int(m_lines.size())); ++n) {
                const Summary l = line(n);
                s.highest = std::max(s.highest, forward + l.highest);
                forward += l.net;
            }
            m_blocks[b] = s;
            m_blockValid[b] = 1;
        }
        return m_blocks[b];
    }

private:
    static constexpr char kProperty[] = "tavlevirkeLineSummaries";

    explicit LineSummaries(TEditor *editor) : QObject(editor), m_editor(editor)
    {
        connect(editor, &TEditor::linjerAendret, this, &LineSummaries::edited);
        forgetAll();
    }

    void forgetAll()
    {
        const size_t lines = size_t(m_editor->lineCount());
        m_lines.assign(lines, {});
        m_lineValid.assign(lines, 0);
        m_blocks.assign((lines + kBlock - 1) / kBlock, {});
        m_blockValid.assign(m_blocks.size(), 0);
    }

    void edited(int line, int added)
    {
        const size_t at = size_t(std::max(line, 0)) + 1;
        if (added > 0 && at <= m_lines.size()) {
            m_lines.insert(m_lines.begin() + qsizetype(at), size_t(added), Summary{});
            m_lineValid.insert(m_lineValid.begin() + qsizetype(at), size_t(added), 0);
        } else if (added < 0 && at + size_t(-added) <= m_lines.size()) {
            m_lines.erase(m_lines.begin() + qsizetype(at), m_lines.begin() + qsizetype(at) + (-added));
            m_lineValid.erase(m_lineValid.begin() + qsizetype(at), m_lineValid.begin() + qsizetype(at) + (-added));
        }
        if (m_lines.size() != size_t(m_editor->lineCount()) || line < 0) {
            forgetAll();
            return;
        }
        m_lineValid[size_t(line)] = 0;
        m_blocks.resize((m_lines.size() + kBlock - 1) / kBlock);
        m_blockValid.resize(m_blocks.size(), 0);
        // Later blocks hold other lines once lines come or go.
        const size_t firstBlock = size_t(line) / kBlock;
        std::fill(m_blockValid.begin() + qsizetype(firstBlock),
                  added == 0 ? m_blockValid.begin() + qsizetype(firstBlock) + 1 : m_blockValid.end(), 0);
    }

    const TEditor *m_editor;
    const TagList *m_list = nullptr;
    std::vector<Summary> m_lines;
    std::vector<char> m_lineValid;
    std::vector<Summary> m_blocks;
    std::vector<char> m_blockValid;
};

// Between tags: walk back over every "<", an end tag adding one and a start tag taking one
// away, until the start tag of the enclosing element brings the count to -1.
void scanBetween(const ScanText &text, qsizetype caret, const TagList &nosluttag, TPosData &pos,
                 qsizetype *found = nullptr)
{
    int depth = 0;
    qsizetype j = -1;
    if (const TEditor *editor = text.editor()) {
        // Line by line, passing over whole blocks and lines by their summaries: after the
        // first walk through a long page, later ones cost a step per block.
        LineSummaries &sums = LineSummaries::of(editor, nosluttag);
        int line = editor->lineOf(caret - 1);
        const QString first = editor->lineText(line);
        if (walkLine(first, std::min<qsizetype>(caret - 1 - editor->lineStart(line), first.size() - 1), depth,
                     nosluttag, pos, &j)) {
            if (found)
                *found = editor->lineStart(line) + j;
            return;
        }
        while (--line >= 0) {
            if ((line + 1) % LineSummaries::kBlock == 0) {
                const Summary b = sums.block(line / LineSummaries::kBlock);
                if (depth + b.lowest > -1) {
                    depth += b.net;
                    line -= LineSummaries::kBlock - 1;
                    continue;
                }
            }
            const Summary s = sums.line(line);
            if (depth + s.lowest > -1) {
                depth += s.net;
                continue;
            }
            const QString text = editor->lineText(line);
            if (walkLine(text, text.size() - 1, depth, nosluttag, pos, &j)) {
                if (found)
                    *found = editor->lineStart(line) + j;
                return;
            }
        }
        return;
    }
    for (qsizetype i = caret - 1; i >= 0;) {
        const ScanText::Chunk chunk = text.chunk(i);
        if (walkLine(chunk.text, i - chunk.start, depth, nosluttag, pos, &j)) {
            if (found)
                *found = chunk.start + j;
            return;
        }
        i = chunk.start - 1;
    }
}

// From position `from` forwards to the end tag that closes the element whose start tag
// ends just before it; its "<", or -1 when the text ends first.
qsizetype scanForward(const ScanText &text, qsizetype from, const TagList &nosluttag)
{
    int depth = 0;
    if (const TEditor *editor = text.editor()) {
        LineSummaries &sums = LineSummaries::of(editor, nosluttag);
        const int lines = editor->lineCount();
        int line = editor->lineOf(from);
        bool whole = false;   // the first line is walked from `from`, the rest whole
        while (line < lines) {
            if (whole && line % LineSummaries::kBlock == 0 && line + LineSummaries::kBlock <= lines) {
                const Summary b = sums.block(line / LineSummaries::kBlock);
                if (depth + b.highest < 1) {
                    depth += b.net;
                    line += LineSummaries::kBlock;
                    continue;
                }
            }
            if (whole) {
                const Summary s = sums.line(line);
                if (depth + s.highest < 1) {
                    depth += s.net;
                    ++line;
                    continue;
                }
            }
            const QString t = editor->lineText(line);
            const qsizetype start = editor->lineStart(line);
            for (qsizetype j = whole ? 0 : from - start; j < t.size(); ++j) {
                const int trin = tagTrin(t, j, nosluttag);
                depth += trin;
                if (trin > 0 && depth == 1)
                    return start + j;
            }
            whole = true;
            ++line;
        }
        return -1;
    }
    // A plain string: walk its lines.
    for (qsizetype i = from; i < text.size();) {
        qsizetype end = i;
        while (end < text.size() && text.at(end) != u'\n')
            ++end;
        QString t;
        for (qsizetype k = i; k < end; ++k)
            t += text.at(k);
        for (qsizetype j = 0; j < t.size(); ++j) {
            const int trin = tagTrin(t, j, nosluttag);
            depth += trin;
            if (trin > 0 && depth == 1)
                return i + j;
        }
        i = end + 1;
    }
    return -1;
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

    // A "<" followed by what starts no tag ("a <= b", "1<2") is text; one just typed is
    // a tag being written.
    if (lt >= 0 && lt + 1 < caret) {
        const QChar efter = text.at(lt + 1);
        const bool bogstav = (efter >= u'a' && efter <= u'z') || (efter >= u'A' && efter <= u'Z');
        if (!bogstav && efter != u'/' && efter != u'%' && efter != u'!' && efter != u'?')
            lt = -1;
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

std::optional<TagPar> matchendeTag(const ScanText &text, qsizetype caret, const TagList &nosluttag)
{
    const qsizetype size = text.size();
    if (size > 1 && text.at(0) != u'<')
        return std::nullopt;
    caret = std::clamp<qsizetype>(caret, 0, size);
    // The tag holding the caret: the nearest "<" before it unless a ">" comes first, or a
    // "<" right at the caret.
    qsizetype lt = -1;
    if (caret < size && text.at(caret) == u'<') {
        lt = caret;
    } else {
        for (qsizetype i = caret - 1; i >= 0 && caret - i <= kMaksTag; --i) {
            const QChar c = text.at(i);
            if (c == u'<') {
                lt = i;
                break;
            }
            if (c == u'>')
                break;
        }
    }
    if (lt < 0 || lt + 1 >= size)
        return std::nullopt;
    const bool slut = text.at(lt + 1) == u'/';
    const qsizetype navnStart = lt + (slut ? 2 : 1);
    if (!slut && isNoTagAfterLt(text.at(lt + 1)))
        return std::nullopt;
    QString navn;
    for (qsizetype i = navnStart; i < size && !isTagNameEnd(text.at(i)) && navn.size() < 64; ++i) {
        navn += text.at(i);
        if (navn.back() == u'%')
            break;
    }
    if (navn.isEmpty() || navn.contains(u'%'))
        return std::nullopt;

    TagPar par;
    par.start = lt;
    par.slut = navnStart + navn.size();
    bool lukket = false;   // "/>" ends the tag
    for (qsizetype i = par.slut; i < size && i - lt <= kMaksTag; ++i) {
        const QChar c = text.at(i);
        if (c == u'<')
            break;
        if (c == u'>') {
            lukket = i > lt && text.at(i - 1) == u'/';
            par.slut = i + 1;
            break;
        }
    }

    auto sammeNavn = [&](qsizetype at) {
        if (at < 0)
            return false;
        const qsizetype s = at + (text.at(at + 1) == u'/' ? 2 : 1);
        QString other;
        for (qsizetype i = s; i < size && !isTagNameEnd(text.at(i)) && other.size() <= navn.size(); ++i)
            other += text.at(i);
        return other.compare(navn, Qt::CaseInsensitive) == 0;
    };
    auto tagSlut = [&](qsizetype at) {
        for (qsizetype i = at + 1; i < size && i - at <= kMaksTag; ++i) {
            const QChar c = text.at(i);
            if (c == u'>')
                return i + 1;
            if (c == u'<')
                return i;
        }
        return std::min(size, at + 2 + navn.size());
    };

    qsizetype partner = -1;
    if (slut) {
        TPosData pos;
        scanBetween(text, lt, nosluttag, pos, &partner);
    } else if (!lukket && !nosluttag.contains(navn)) {
        partner = scanForward(text, par.slut, nosluttag);
    }
    // A partner by count that bears another name means the tags are misnested: no partner.
    if (sammeNavn(partner)) {
        par.partnerStart = partner;
        par.partnerSlut = tagSlut(partner);
    }
    return par;
}
