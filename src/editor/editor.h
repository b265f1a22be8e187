#pragma once
// TEditor: the edit control of a document window, over Scintilla.
//
// Positions count characters (UTF-16 code units, as a QString does) from the start of the
// text, with a line break counted as one: the text holds LF line breaks, and text the
// program inserts may use CR for a line break. Scintilla counts UTF-8 bytes; the
// conversion happens here and nowhere else. A position inside a surrogate pair (half an
// emoji) cannot be a caret position and moves to the pair's start.
//
// The caret line and column are taken at the end of the selection. Lines are text lines
// (0-based here). Whole-document readers may read the UTF-8 buffer in place (utf8Range).

#include <QByteArrayView>
#include <QFrame>
#include <QList>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

class QKeyEvent;
class QPainter;
class QPrinter;
class QsciLexer;
class QsciScintilla;

class TEditor : public QFrame {
    Q_OBJECT
public:
    explicit TEditor(QWidget *parent = nullptr);
    ~TEditor() override;

    // --- the text
    QString text() const;                 // LF line breaks
    void setText(const QString &text);    // any line breaks; empties undo, clears modified
    qsizetype length() const;
    QChar charAt(qsizetype pos) const;
    QString textRange(qsizetype from, qsizetype to) const;

    // --- caret and selection
    qsizetype SelStart() const;
    qsizetype SelLength() const;
    QString SelText() const;              // LF line breaks
    qsizetype caretPos() const;
    qsizetype anchorPos() const;
    bool hasSelection() const { return SelLength() > 0; }
    void setSelection(qsizetype anchor, qsizetype caret);   // scrolls the caret into view
    void setCaretPos(qsizetype pos) { setSelection(pos, pos); }
    void scrollToCaret();

    // --- lines
    int lineCount() const;
    int lineOf(qsizetype pos) const;
    qsizetype lineStart(int line) const;
    qsizetype lineEnd(int line) const;    // before its line break
    QString lineText(int line) const;     // without its line break
    int caretLine() const;                // line of the selection's end
    int caretColumn() const;              // characters before the selection's end in its line

    // --- editing; each call is one undo step
    void replaceSelection(const QString &text);   // leaves the caret after the text
    void replaceRange(qsizetype from, qsizetype to, const QString &text);
    // Groups several edits into one undo step (nestable).
    void beginUndoAction();
    void endUndoAction();
    void undo();
    void redo();   // the step undo took back
    void cut();
    void copy();
    void paste();
    void selectAll();
    void deleteForward();                 // the selection, or the character after the caret

    bool isModified() const;
    void setModified(bool modified);

    // First position at or after `from` where `what` starts and ends at or before `to` (the
    // end of the text when negative); -1 when there is none.
    qsizetype find(const QString &what, qsizetype from, bool matchCase = false, bool wholeWord = false,
                   qsizetype to = -1) const;

    // --- look
    void setEditorFont(const QFont &font);
    // Colouring by the document's extension (".html", ".css", ".vbs" …; any case).
    void setSprog(const QString &ext);
    QString sprog() const;   // the language's name, empty for plain text
    void setLinjenumre(bool on);
    bool linjenumre() const { return m_linjenumre; }
    int linjenummerBredde() const;        // of the number margin, in pixels; 0 when hidden
    // Whether long lines wrap: they do but on a page of more than a megabyte, where laying
    // out every line would take the machine a minute.
    bool ombrydes() const;
    // The name of the colour class at pos ("Tag", "Keyword" …), after colouring the text
    // up to there; empty for plain text.
    QString stilVed(qsizetype pos) const;

    // --- printing
    // A printer the control prints on: the control's own printer class, which keeps the
    // colouring. It prints on the system's default printer unless told otherwise.
    static std::unique_ptr<QPrinter> lavPrinter();
    // Prints the whole text as the control shows it (font, colours; long lines wrapped) into
    // area, given in printer pixels from the printable area's corner, page after page, with
    // painter already active on printer (one made by lavPrinter). Returns false when it could not.
    bool print(QPrinter *printer, QPainter &painter, const QRect &area) const;

    // --- the buffer, for readers of the whole document and of the caret's neighbourhood
    qsizetype byteLength() const;
    qsizetype bytePos(qsizetype pos) const;
    qsizetype charPos(qsizetype bytePos) const;
    int lineOfByte(qsizetype bytePos) const;
    qsizetype lineStartByte(int line) const;
    // The bytes in [from, to); valid until the next edit. Reading before the caret leaves
    // the buffer where it is.
    QByteArrayView utf8Range(qsizetype from, qsizetype to) const;
    // A copy of the whole text as UTF-8 (LF line breaks), taken without moving the buffer's
    // gap: one memory copy, so a snapshot of a large page costs the window next to nothing.
    QByteArray utf8Kopi() const;
    // The same into `copy`, reusing its memory when nothing else holds it.
    void utf8Kopi(QByteArray &copy) const;

    // Reports the edits made so far by linjerAendret now rather than later.
    void meldAendringer();

    // --- the completion list
    // Shows items under the caret, the prefixLength characters before the caret being the
    // part of an entry typed so far; the control picks entries without regard to case. Enter
    // or Tab chooses an entry: listeValgt reports it and the control writes nothing itself.
    void visListe(const QStringList &items, int prefixLength);
    bool listeVises() const;
    void lukListe();

    // --- marks over ranges of text; they move with edits before them
    enum class Markering { Partner, Fund };
    // Marks [from, to); a finding's tip shows while the mouse rests on its range.
    void marker(Markering kind, qsizetype from, qsizetype to, const QString &tip = {});
    void fjernMarkeringer(Markering kind);
    struct Omraade {
        qsizetype fra = 0, til = 0;
        QString tip;
        bool operator==(const Omraade &) const = default;
    };
    QList<Omraade> markeringer(Markering kind) const;
    // The tip of a mark at pos, empty when none.
    QString tipVed(qsizetype pos) const;

    // Keys the program's commands take before the control sees them.
    void setProgramGenvej(std::function<bool(const QKeyEvent *)> test) { m_programGenvej = std::move(test); }

signals:
    void caretMoved();
    void modificationChanged(bool modified);
    void linesChanged();
    // An edit changed `line` and added (or, when negative, removed) lines right after it.
    // Sent once the edit is made: at the next edit, when control returns to the event
    // loop, or at meldAendringer().
    void linjerAendret(int line, int linesAdded);
    // The text is about to change (typing, a command, undo); sent before each edit.
    void tekstAendret();
    void tastSluppet();
    // A character typed by the user (not one written by the program).
    void tegnSkrevet(QChar c);
    // An entry chosen in the completion list.
    void listeValgt(const QString &item);
    void museTrykket();
    void museSluppet();
    void kontekstmenu(const QPoint &globalPos);
    void filerSluppet(const QList<QUrl> &urls);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    long send(unsigned int msg, unsigned long wParam = 0, long lParam = 0) const;
    void foerRedigering(int position, int type);
    void foerIndsaettelse(int position, int type, const char *text, int length);
    void beholdIndrykning();
    void insertBytes(qsizetype from, qsizetype to, const QByteArray &utf8);
    void opdaterMargen();
    void anvendFont();

    QsciScintilla *m_sci = nullptr;
    std::optional<std::pair<qsizetype, qsizetype>> m_egneBytes;   // inserted text, to read for custom elements
    bool m_egneBytesVenter = false;
    QsciLexer *m_lexer = nullptr;
    QString m_ext;            // the extension the colouring was chosen for
    bool m_harSprog = false;
    QFont m_font;
    bool m_linjenumre = true;
    bool m_tvungetModificeret = false;   // set by the program without a change of text
    int m_margenCifre = 0;
    bool m_efterRedigeringVenter = false;   // linesChanged may be on its way
    bool m_linjerAendret = false;
    struct Ventende {
        int linje;    // the line the edit starts on
        int linjer;   // the number of lines before it
    };
    std::optional<Ventende> m_ventende;   // an edit not yet reported by linjerAendret
    std::function<bool(const QKeyEvent *)> m_programGenvej;
    QStringList m_tips;   // the tips of the finding marks; a mark's value is its index + 1
};

// Text as the control holds it: CR LF and lone CR become LF.
QString kontrolTekst(QString text);
