#include "analysis/tagscanner.h"

#include "codewriting/taglist.h"

#include <algorithm>

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

// Between tags: walk back over every "<", an end tag adding one and a start tag taking one
// away, until the start tag of the enclosing element brings the count to -1.
void scanBetween(const ScanText &text, qsizetype caret, const TagList &nosluttag, TPosData &pos)
{
    int depth = 0;
    for (qsizetype i = caret - 1; i >= 0;) {
        const ScanText::Chunk chunk = text.chunk(i);
        const QStringView line = chunk.text;
        for (qsizetype j = i - chunk.start; j >= 0; --j) {
            if (line[j] != u'<')
                continue;
            if (j + 1 >= line.size())
                continue;  // "<" ending the text
            const QChar next = line[j + 1];
            if (next == u'/') {
                ++depth;
                continue;
            }
            if (isNoTagAfterLt(next))
                continue;
            const QStringView name = readTagName(line, j + 1);
            if (nosluttag.contains(name))
                continue;
            if (--depth == -1) {
                pos.CurPos = cpBetween;
                pos.Tag = name.toString();
                return;
            }
        }
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
