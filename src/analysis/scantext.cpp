#include "analysis/scantext.h"

#include "editor/editor.h"

#include <algorithm>

ScanText::ScanText(const TEditor *editor, qsizetype maxChunkChars)
    : m_editor(editor), m_size(editor ? editor->length() : 0), m_maxChunkChars(maxChunkChars)
{
}

void ScanText::loadChunkAt(qsizetype pos) const
{
    if (m_chunkStart >= 0 && pos >= m_chunkStart && pos < m_chunkStart + m_chunk.size())
        return;
    // Scans run backwards from the caret, so the chunk is the line holding pos and the
    // lines before it.
    const int last = m_editor->lineOf(pos);
    const int first = m_editor->lineOf(std::max<qsizetype>(0, m_editor->lineStart(last) - m_chunkChars));
    m_chunkChars = std::min(m_chunkChars * 4, m_maxChunkChars);
    const qsizetype endByte = last + 1 < m_editor->lineCount() ? m_editor->lineStartByte(last + 1) : m_editor->byteLength();
    m_chunkStart = m_editor->lineStart(first);
    m_chunk = QString::fromUtf8(m_editor->utf8Range(m_editor->lineStartByte(first), endByte));
}

QChar ScanText::at(qsizetype pos) const
{
    if (!m_editor)
        return m_view[pos];
    loadChunkAt(pos);
    return m_chunk[pos - m_chunkStart];
}

ScanText::Chunk ScanText::chunk(qsizetype pos) const
{
    if (!m_editor)
        return {m_view, 0};
    loadChunkAt(pos);
    return {m_chunk, m_chunkStart};
}

qsizetype ScanText::lineBreaksBefore(qsizetype pos) const
{
    if (!m_editor)
        return std::count(m_view.begin(), m_view.begin() + std::clamp<qsizetype>(pos, 0, m_size), u'\n');
    return m_editor->lineOf(std::clamp<qsizetype>(pos, 0, m_size));
}

qsizetype documentOffset(const TEditor *editor, qsizetype editPos)
{
    return editPos + editor->lineOf(editPos);
}

qsizetype editPosition(const TEditor *editor, qsizetype offset)
{
    // The last line whose first character's offset is not past `offset`.
    int lo = 0, hi = editor->lineCount() - 1;
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (editor->lineStart(mid) + mid <= offset)
            lo = mid;
        else
            hi = mid - 1;
    }
    const qsizetype start = editor->lineStart(lo);
    const qsizetype inLine = std::clamp<qsizetype>(offset - start - lo, 0, editor->lineEnd(lo) - start);
    return start + inLine;
}
