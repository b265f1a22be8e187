#include "analysis/scantext.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

ScanText::ScanText(const QTextDocument *doc, qsizetype maxChunkChars)
    : m_doc(doc), m_size(doc ? doc->characterCount() - 1 : 0), m_maxChunkChars(maxChunkChars)
{
}

void ScanText::loadChunkAt(qsizetype pos) const
{
    if (m_chunkStart >= 0 && pos >= m_chunkStart && pos < m_chunkStart + m_chunk.size())
        return;
    // Scans run backwards from the caret, so the chunk is the line holding pos and the
    // lines before it.
    const QTextBlock last = m_doc->findBlock(int(pos));
    const qsizetype end = std::min<qsizetype>(last.position() + last.length(), m_size);
    m_chunkStart = m_doc->findBlock(int(std::max<qsizetype>(0, last.position() - m_chunkChars))).position();
    m_chunkChars = std::min(m_chunkChars * 4, m_maxChunkChars);
    QTextCursor range(const_cast<QTextDocument *>(m_doc));
    range.setPosition(int(m_chunkStart));
    range.setPosition(int(end), QTextCursor::KeepAnchor);
    m_chunk = range.selectedText();
    std::replace(m_chunk.begin(), m_chunk.end(), QChar(QChar::ParagraphSeparator), QChar(u'\n'));
}

QChar ScanText::at(qsizetype pos) const
{
    if (!m_doc)
        return m_view[pos];
    loadChunkAt(pos);
    return m_chunk[pos - m_chunkStart];
}

ScanText::Chunk ScanText::chunk(qsizetype pos) const
{
    if (!m_doc)
        return {m_view, 0};
    loadChunkAt(pos);
    return {m_chunk, m_chunkStart};
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
