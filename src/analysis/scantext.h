#pragma once
// The document as the scanners read it.
//
// Positions here are edit-control positions: a line break is one character, '\n'. The
// document string the rest of the program talks about has CR LF there, so its offsets are
// a position plus the number of line breaks before it; the functions below convert.
//
// A ScanText wraps either a plain string or an edit control's document. Over a document
// it reads one line at a time and keeps only that line, so looking near the caret of a
// 20 MB page costs what the neighbourhood costs, not a copy of the whole text.

#include <QString>
#include <QStringView>
#include <QTextBlock>

class QTextDocument;

class ScanText {
public:
    explicit ScanText(QStringView text) : m_view(text) {}
    explicit ScanText(const QTextDocument *doc);

    qsizetype size() const { return m_size; }
    QChar at(qsizetype pos) const;

    // The line holding pos, with its line break ('\n') unless it is the last line.
    // The view stays valid until the next call of chunk() or at().
    struct Chunk {
        QStringView text;
        qsizetype start = 0;
    };
    Chunk chunk(qsizetype pos) const;

    qsizetype lineBreaksBefore(qsizetype pos) const;

private:
    void loadBlockAt(qsizetype pos) const;

    QStringView m_view;
    const QTextDocument *m_doc = nullptr;
    qsizetype m_size = m_view.size();
    mutable QTextBlock m_block;
    mutable QString m_line;
    mutable qsizetype m_lineStart = -1;
};

// Document-string offset (CR LF counted as two) of an edit-control position, and back.
// An offset that falls between the CR and the LF maps to the end of that line.
qsizetype documentOffset(const QTextDocument *doc, qsizetype editPos);
qsizetype editPosition(const QTextDocument *doc, qsizetype offset);
