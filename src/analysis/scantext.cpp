#include "analysis/scantext.h"

#include <QTextDocument>

#include <algorithm>

ScanText::ScanText(const QTextDocument *doc)
    : m_doc(doc), m_size(doc ? doc->characterCount() - 1 : 0)
{
}

void ScanText::loadBlockAt(qsizetype pos) const
{
    if (m_lineStart >= 0 && pos >= m_lineStart && pos < m_lineStart + m_line.size())
        return;
    // Walking backwards is the common case: step to the previous line without a lookup.
    QTextBlock prev = m_lineStart >= 0 ? m_block.previous() : QTextBlock();
    if (prev.isValid() && pos < m_lineStart && pos >= prev.position())
        m_block = prev;
    else
        m_block = m_doc->findBlock(int(pos));
    m_lineStart = m_block.position();
    m_line = m_block.text();
    if (m_block.next().isValid())
        m_line += u'\n';
}

QChar ScanText::at(qsizetype pos) const
{
    if (!m_doc)
        return m_view[pos];
    loadBlockAt(pos);
    return m_line[pos - m_lineStart];
}

ScanText::Chunk ScanText::chunk(qsizetype pos) const
{
    if (!m_doc)
        return {m_view, 0};
    loadBlockAt(pos);
    return {m_line, m_lineStart};
}

qsizetype ScanText::lineBreaksBefore(qsizetype pos) const
{
    if (!m_doc)
        return std::count(m_view.begin(), m_view.begin() + std::clamp<qsizetype>(pos, 0, m_size), u'\n');
    return m_doc->findBlock(int(std::clamp<qsizetype>(pos, 0, m_size))).blockNumber();
}

qsizetype documentOffset(const QTextDocument *doc, qsizetype editPos)
{
    return editPos + doc->findBlock(int(editPos)).blockNumber();
}

qsizetype editPosition(const QTextDocument *doc, qsizetype offset)
{
    // The last line whose first character's offset is not past `offset`.
    int lo = 0, hi = doc->blockCount() - 1;
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        const QTextBlock b = doc->findBlockByNumber(mid);
        if (b.position() + mid <= offset)
            lo = mid;
        else
            hi = mid - 1;
    }
    const QTextBlock b = doc->findBlockByNumber(lo);
    const qsizetype inLine = std::clamp<qsizetype>(offset - b.position() - lo, 0, b.length() - 1);
    return b.position() + inLine;
}
