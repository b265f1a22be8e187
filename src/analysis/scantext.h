#pragma once
// The document as the scanners read it.
//
// Positions here are edit-control positions: a line break is one character, '\n'. The
// document string the rest of the program talks about has CR LF there, so its offsets are
// a position plus the number of line breaks before it; the functions below convert.
//
// A ScanText wraps either a plain string or a document's edit control. Over a control it
// reads a run of whole lines at a time from the control's buffer and keeps only that, so
// looking near the caret of a 20 MB page costs what the neighbourhood costs, not a copy of
// the whole text. Runs start at one line and grow fourfold as a scan goes further, up to
// maxChunkChars.

#include <QString>
#include <QStringView>

class TEditor;

class ScanText {
public:
    explicit ScanText(QStringView text) : m_view(text) {}
    explicit ScanText(const TEditor *editor, qsizetype maxChunkChars = 65536);

    qsizetype size() const { return m_size; }
    QChar at(qsizetype pos) const;

    // Whole lines ending with the line holding pos, each with its line break ('\n') but
    // the last line of the text. Tag names never span a line break, so never a chunk.
    // The view stays valid until the next call of chunk() or at().
    struct Chunk {
        QStringView text;
        qsizetype start = 0;
    };
    Chunk chunk(qsizetype pos) const;

    qsizetype lineBreaksBefore(qsizetype pos) const;

    // The edit control, when the text is one.
    const TEditor *editor() const { return m_editor; }
    // The string, when the text is one.
    QStringView string() const { return m_view; }

private:
    void loadChunkAt(qsizetype pos) const;

    QStringView m_view;
    const TEditor *m_editor = nullptr;
    qsizetype m_size = m_view.size();
    qsizetype m_maxChunkChars = 0;
    mutable qsizetype m_chunkChars = 1;
    mutable QString m_chunk;
    mutable qsizetype m_chunkStart = -1;
};

// Document-string offset (CR LF counted as two) of an edit-control position, and back.
// An offset that falls between the CR and the LF maps to the end of that line.
qsizetype documentOffset(const TEditor *editor, qsizetype editPos);
qsizetype editPosition(const TEditor *editor, qsizetype offset);
