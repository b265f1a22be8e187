#include "editor/tilgaengelighed.h"

#include "editor/editor.h"

#include <Qsci/qsciscintilla.h>

#include <QAccessible>
#include <QAccessibleWidget>

#include <algorithm>

namespace editor {

namespace {

class TTilgaengeligEditor : public QAccessibleWidget,
                            public QAccessibleTextInterface,
                            public QAccessibleEditableTextInterface {
public:
    TTilgaengeligEditor(QsciScintilla *sci, TEditor *editor)
        : QAccessibleWidget(sci, QAccessible::EditableText), m_sci(sci), m_editor(editor)
    {
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (t == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = true;
        s.multiLine = true;
        s.selectableText = true;
        s.readOnly = m_sci->isReadOnly();
        return s;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return m_editor->text();
        return QAccessibleWidget::text(t);
    }

    // --- the text
    QString text(int startOffset, int endOffset) const override { return m_editor->textRange(startOffset, endOffset); }
    int characterCount() const override { return int(m_editor->length()); }

    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int *start, int *end) const override
    {
        if (type != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textAtOffset(offset, type, start, end);
        return linje(m_editor->lineOf(offset), start, end);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int *start, int *end) const override
    {
        if (type != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textBeforeOffset(offset, type, start, end);
        return linje(m_editor->lineOf(offset) - 1, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int *start, int *end) const override
    {
        if (type != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textAfterOffset(offset, type, start, end);
        return linje(m_editor->lineOf(offset) + 1, start, end);
    }

    // --- caret and selection
    int cursorPosition() const override { return int(m_editor->caretPos()); }
    void setCursorPosition(int position) override { m_editor->setCaretPos(position); }
    int selectionCount() const override { return m_editor->hasSelection() ? 1 : 0; }
    void selection(int index, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (index == 0 && m_editor->hasSelection()) {
            *startOffset = int(m_editor->SelStart());
            *endOffset = int(m_editor->SelStart() + m_editor->SelLength());
        }
    }
    void addSelection(int startOffset, int endOffset) override { m_editor->setSelection(startOffset, endOffset); }
    void setSelection(int, int startOffset, int endOffset) override { m_editor->setSelection(startOffset, endOffset); }
    void removeSelection(int) override { m_editor->setCaretPos(m_editor->caretPos()); }

    // --- where the text is on screen
    QRect characterRect(int offset) const override
    {
        const long pos = long(m_editor->bytePos(offset));
        const int x = int(m_sci->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0, pos));
        const int y = int(m_sci->SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0, pos));
        const long naeste = m_sci->SendScintilla(QsciScintillaBase::SCI_POSITIONAFTER, pos);
        const int x2 = int(m_sci->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0, naeste));
        const int hoejde = int(m_sci->SendScintilla(QsciScintillaBase::SCI_TEXTHEIGHT, m_editor->lineOf(offset)));
        const QPoint hjoerne = m_sci->viewport()->mapToGlobal(QPoint(x, y));
        return QRect(hjoerne, QSize(std::max(1, x2 - x), hoejde));
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        const QPoint p = m_sci->viewport()->mapFromGlobal(point);
        const long pos = m_sci->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMPOINTCLOSE, p.x(), long(p.y()));
        return pos < 0 ? -1 : int(m_editor->charPos(pos));
    }
    void scrollToSubstring(int startIndex, int endIndex) override
    {
        m_sci->SendScintilla(QsciScintillaBase::SCI_SCROLLRANGE, m_editor->bytePos(endIndex),
                             long(m_editor->bytePos(startIndex)));
    }
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

    // --- editing
    void deleteText(int startOffset, int endOffset) override { m_editor->replaceRange(startOffset, endOffset, {}); }
    void insertText(int offset, const QString &text) override { m_editor->replaceRange(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        m_editor->replaceRange(startOffset, endOffset, text);
    }

private:
    QString linje(int line, int *start, int *end) const
    {
        if (line < 0 || line >= m_editor->lineCount()) {
            *start = *end = -1;
            return {};
        }
        *start = int(m_editor->lineStart(line));
        // The line with its line break, as assistive tools read lines.
        *end = line + 1 < m_editor->lineCount() ? int(m_editor->lineStart(line + 1)) : int(m_editor->length());
        return m_editor->textRange(*start, *end);
    }

    QsciScintilla *m_sci;
    TEditor *m_editor;
};

QAccessibleInterface *fabrik(const QString &, QObject *object)
{
    auto *sci = qobject_cast<QsciScintilla *>(object);
    if (!sci)
        return nullptr;
    auto *editor = qobject_cast<TEditor *>(sci->parent());
    return editor ? new TTilgaengeligEditor(sci, editor) : nullptr;
}

} // namespace

void gorTilgaengelig(TEditor *editor, QsciScintilla *sci)
{
    // Installed after the control's own description: the newest one is asked first.
    static const bool installeret = (QAccessible::installFactory(&fabrik), true);
    Q_UNUSED(installeret);

    QObject::connect(editor, &TEditor::caretMoved, sci, [editor, sci] {
        if (!QAccessible::isActive())
            return;
        QAccessibleTextCursorEvent ev(sci, int(editor->caretPos()));
        QAccessible::updateAccessibility(&ev);
    });
    QObject::connect(sci, &QsciScintillaBase::SCN_MODIFIED, editor,
                     [editor, sci](int position, int type, const char *text, int length) {
                         if (!QAccessible::isActive() || !text)
                             return;
                         const int offset = int(editor->charPos(position));
                         const QString tekst = QString::fromUtf8(text, length);
                         if (type & QsciScintillaBase::SC_MOD_INSERTTEXT) {
                             QAccessibleTextInsertEvent ev(sci, offset, tekst);
                             QAccessible::updateAccessibility(&ev);
                         } else if (type & QsciScintillaBase::SC_MOD_DELETETEXT) {
                             QAccessibleTextRemoveEvent ev(sci, offset, tekst);
                             QAccessible::updateAccessibility(&ev);
                         }
                     });
}

}
