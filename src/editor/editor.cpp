#include "editor/editor.h"

#include "editor/lexere.h"
#include "editor/tilgaengelighed.h"

#include "core/textfile.h"

#include <Qsci/qscilexer.h>
#include <Qsci/qsciprinter.h>
#include <Qsci/qsciscintilla.h>

#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

constexpr long kUtf16 = QsciScintillaBase::SC_LINECHARACTERINDEX_UTF16;
// The control's indicators used for the marks (numbers free for containers).
constexpr int kIndikatorPartner = 20;
constexpr int kIndikatorFund = 21;

int indikator(TEditor::Markering kind)
{
    return kind == TEditor::Markering::Partner ? kIndikatorPartner : kIndikatorFund;
}

// Pages up to this size (in bytes) wrap their long lines, unless one line is longer than
// kLaengsteOmbrudte: the control measures a line whole at each key, and wrapped twice over.
constexpr qsizetype kOmbrydGraense = 1 << 20;
constexpr qsizetype kLaengsteOmbrudte = 100000;

// Whether a line of utf8 is longer than limit bytes.
bool harLinjeOver(QByteArrayView utf8, qsizetype limit)
{
    const char *p = utf8.data();
    const char *const slut = p + utf8.size();
    while (slut - p > limit) {
        const void *lf = std::memchr(p, '\n', size_t(slut - p));
        if (!lf)
            return true;
        if (static_cast<const char *>(lf) - p > limit)
            return true;
        p = static_cast<const char *>(lf) + 1;
    }
    return false;
}

bool isContinuation(unsigned char b)
{
    return (b & 0xC0) == 0x80;
}

// UTF-16 code units of a UTF-8 character starting with lead byte b.
int unitsOf(unsigned char b)
{
    return b >= 0xF0 ? 2 : 1;
}

} // namespace

QString kontrolTekst(QString text)
{
    return core::medLfLinieskift(std::move(text));
}

TEditor::TEditor(QWidget *parent) : QFrame(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_sci = new QsciScintilla(this);
    m_sci->setObjectName(QStringLiteral("scintilla"));
    editor::gorTilgaengelig(this, m_sci);
    layout->addWidget(m_sci);
    setFocusProxy(m_sci);
    setFocusPolicy(Qt::StrongFocus);

    m_sci->setUtf8(true);
    send(QsciScintillaBase::SCI_SETEOLMODE, QsciScintillaBase::SC_EOL_LF);
    send(QsciScintillaBase::SCI_ALLOCATELINECHARACTERINDEX, kUtf16);
    m_sci->setWrapMode(QsciScintilla::WrapWord);
    m_sci->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_sci->setBraceMatching(QsciScintilla::SloppyBraceMatch);
    m_sci->setMatchedBraceBackgroundColor(QColor(0xc8, 0xe6, 0xc9));
    m_sci->setUnmatchedBraceForegroundColor(QColor(0xc6, 0x28, 0x28));
    m_sci->setCaretLineVisible(true);
    m_sci->setCaretLineBackgroundColor(QColor(0xf3, 0xf6, 0xfb));
    m_sci->setMarginType(0, QsciScintilla::NumberMargin);
    m_sci->setMarginsForegroundColor(QColor(0x80, 0x80, 0x80));
    m_sci->setMarginsBackgroundColor(QColor(0xf4, 0xf4, 0xf4));
    m_sci->setMarginWidth(1, 0);
    m_sci->setTabWidth(4);
    // The control shows notes under lines unless told not to, and then measures every line
    // edited for them, a long wrapped line from its start at each key. The editor shows none.
    m_sci->setAnnotationDisplay(QsciScintilla::AnnotationHidden);
    send(QsciScintillaBase::SCI_SETPOSITIONCACHE, 16384);
    // Only the parts of the page in view are coloured on opening; the rest when idle.
    send(QsciScintillaBase::SCI_SETIDLESTYLING, QsciScintillaBase::SC_IDLESTYLING_AFTERVISIBLE);
    m_sci->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_sci, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { emit kontekstmenu(m_sci->mapToGlobal(pos)); });

    m_sci->installEventFilter(this);
    m_sci->viewport()->installEventFilter(this);

    connect(m_sci, &QsciScintilla::cursorPositionChanged, this, &TEditor::caretMoved);
    connect(m_sci, &QsciScintilla::selectionChanged, this, &TEditor::caretMoved);
    connect(m_sci, &QsciScintilla::modificationChanged, this, [this](bool changed) {
        if (!changed && m_tvungetModificeret)
            return;   // still modified by the program
        emit modificationChanged(isModified());
    });
    // Edits are heard just before they are made. The notifications after an edit would
    // have the control count the characters from the start of the text to the edit for
    // its accessibility support: 0.1 s per key at the end of a 20 MB page.
    send(QsciScintillaBase::SCI_SETMODEVENTMASK,
         QsciScintillaBase::SC_MOD_BEFOREINSERT | QsciScintillaBase::SC_MOD_BEFOREDELETE);
    connect(m_sci, &QsciScintillaBase::SCN_MODIFIED, this, &TEditor::foerRedigering);
    connect(m_sci, &QsciScintillaBase::SCN_MODIFIED, this, &TEditor::foerIndsaettelse);

    // The completion list: picked without regard to case, hidden when nothing matches.
    send(QsciScintillaBase::SCI_AUTOCSETIGNORECASE, 1);
    send(QsciScintillaBase::SCI_AUTOCSETAUTOHIDE, 1);
    send(QsciScintillaBase::SCI_AUTOCSETORDER, QsciScintillaBase::SC_ORDER_PERFORMSORT);
    send(QsciScintillaBase::SCI_AUTOCSETMAXHEIGHT, 12);
    connect(m_sci, &QsciScintillaBase::SCN_CHARADDED, this, [this](int c) {
        if (c == '\n')
            beholdIndrykning();
        if (c > 0 && c < 0x10000)
            emit tegnSkrevet(QChar(c));
    });
    connect(m_sci, qOverload<const char *, int>(&QsciScintillaBase::SCN_AUTOCSELECTION), this,
            [this](const char *selection, int) {
                const QString item = QString::fromUtf8(selection);
                // The program writes the entry by its own rules; cancelling here keeps the
                // control from writing it too.
                send(QsciScintillaBase::SCI_AUTOCCANCEL);
                emit listeValgt(item);
            });

    send(QsciScintillaBase::SCI_INDICSETSTYLE, kIndikatorPartner, QsciScintillaBase::INDIC_ROUNDBOX);
    send(QsciScintillaBase::SCI_INDICSETFORE, kIndikatorPartner, 0x30a030);   // BGR
    send(QsciScintillaBase::SCI_INDICSETALPHA, kIndikatorPartner, 60);
    send(QsciScintillaBase::SCI_INDICSETUNDER, kIndikatorPartner, 1);
    send(QsciScintillaBase::SCI_INDICSETSTYLE, kIndikatorFund, QsciScintillaBase::INDIC_SQUIGGLE);
    send(QsciScintillaBase::SCI_INDICSETFORE, kIndikatorFund, 0x2020d0);
    send(QsciScintillaBase::SCI_SETMOUSEDWELLTIME, 400);
    connect(m_sci, &QsciScintillaBase::SCN_DWELLSTART, this, [this](int position, int x, int y) {
        if (position < 0 || m_tips.isEmpty())
            return;
        const QString tip = tipVed(charPos(position));
        if (!tip.isEmpty())
            QToolTip::showText(m_sci->viewport()->mapToGlobal(QPoint(x, y)), tip, m_sci);
    });
    connect(m_sci, &QsciScintillaBase::SCN_DWELLEND, this, [] { QToolTip::hideText(); });

    m_font = QFont(QStringLiteral("Courier New"), 10);
    anvendFont();
    setLinjenumre(true);
}

TEditor::~TEditor() = default;

void TEditor::foerRedigering(int position, int type)
{
    if (!(type & (QsciScintillaBase::SC_MOD_BEFOREINSERT | QsciScintillaBase::SC_MOD_BEFOREDELETE)))
        return;
    meldAendringer();   // the edit before this one is complete now
    emit tekstAendret();
    m_ventende = Ventende{lineOfByte(position), lineCount()};
    if (m_efterRedigeringVenter)
        return;
    m_efterRedigeringVenter = true;
    QMetaObject::invokeMethod(this, [this] {
        m_efterRedigeringVenter = false;
        meldAendringer();
        if (std::exchange(m_linjerAendret, false)) {
            opdaterMargen();
            emit linesChanged();
        }
    }, Qt::QueuedConnection);
}

// The page's custom elements are known to the colouring as they are written: once an
// insertion is made, the lines it touched are read for them (the whole page once, when it is
// loaded).
void TEditor::foerIndsaettelse(int position, int type, const char *, int length)
{
    if (!(type & QsciScintillaBase::SC_MOD_BEFOREINSERT) || !m_lexer)
        return;
    // The text is not told before it is inserted; once it is, it lies at position.
    m_egneBytes = m_egneBytes ? std::pair{std::min(m_egneBytes->first, qsizetype(position)),
                                          std::max(m_egneBytes->second, qsizetype(position) + length)}
                              : std::pair{qsizetype(position), qsizetype(position) + length};
    if (m_egneBytesVenter)
        return;
    m_egneBytesVenter = true;
    QMetaObject::invokeMethod(this, [this] {
        m_egneBytesVenter = false;
        const auto [fra, til] = *std::exchange(m_egneBytes, std::nullopt);
        if (!m_lexer)
            return;
        const long start = send(QsciScintillaBase::SCI_POSITIONFROMLINE, lineOfByte(std::min(fra, byteLength())));
        const long slut = send(QsciScintillaBase::SCI_GETLINEENDPOSITION, lineOfByte(std::min(til, byteLength())));
        if (slut <= start)
            return;
        const auto *tekst = reinterpret_cast<const char *>(
            m_sci->SendScintilla(QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), slut - start));
        if (tekst && tilfoejEgneElementer(m_lexer, tekst, slut - start))
            m_sci->SendScintilla(QsciScintillaBase::SCI_SETKEYWORDS, 0ul, m_lexer->keywords(1));
    }, Qt::QueuedConnection);
}

// Return keeps the indentation of the line it broke, blanks and tabs as they were.
void TEditor::beholdIndrykning()
{
    const int linje = lineOfByte(send(QsciScintillaBase::SCI_GETCURRENTPOS));
    if (linje < 1)
        return;
    const long start = send(QsciScintillaBase::SCI_POSITIONFROMLINE, linje - 1);
    const long slut = send(QsciScintillaBase::SCI_GETLINEENDPOSITION, linje - 1);
    QByteArray indrykning;
    for (long p = start; p < slut; ++p) {
        const char c = char(send(QsciScintillaBase::SCI_GETCHARAT, p));
        if (c != ' ' && c != '\t')
            break;
        indrykning += c;
    }
    if (!indrykning.isEmpty())
        m_sci->SendScintilla(QsciScintillaBase::SCI_ADDTEXT, uintptr_t(indrykning.size()), indrykning.constData());
}

void TEditor::meldAendringer()
{
    if (!m_ventende)
        return;
    const Ventende v = *std::exchange(m_ventende, std::nullopt);
    const int added = lineCount() - v.linjer;
    m_linjerAendret = m_linjerAendret || added != 0;
    emit linjerAendret(v.linje, added);
}

long TEditor::send(unsigned int msg, unsigned long wParam, long lParam) const
{
    return m_sci->SendScintilla(msg, wParam, lParam);
}

// ---------------------------------------------------------------- positions

qsizetype TEditor::byteLength() const
{
    return send(QsciScintillaBase::SCI_GETLENGTH);
}

qsizetype TEditor::length() const
{
    return send(QsciScintillaBase::SCI_INDEXPOSITIONFROMLINE, lineCount(), kUtf16);
}

int TEditor::lineCount() const
{
    return int(send(QsciScintillaBase::SCI_GETLINECOUNT));
}

int TEditor::lineOf(qsizetype pos) const
{
    pos = std::clamp<qsizetype>(pos, 0, length());
    return int(send(QsciScintillaBase::SCI_LINEFROMINDEXPOSITION, pos, kUtf16));
}

int TEditor::lineOfByte(qsizetype bytePos) const
{
    return int(send(QsciScintillaBase::SCI_LINEFROMPOSITION, bytePos));
}

qsizetype TEditor::lineStartByte(int line) const
{
    return send(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
}

qsizetype TEditor::lineStart(int line) const
{
    return send(QsciScintillaBase::SCI_INDEXPOSITIONFROMLINE, std::clamp(line, 0, lineCount()), kUtf16);
}

qsizetype TEditor::lineEnd(int line) const
{
    if (line >= lineCount() - 1)
        return length();
    return lineStart(line + 1) - 1;   // the LF
}

QByteArrayView TEditor::utf8Range(qsizetype from, qsizetype to) const
{
    from = std::clamp<qsizetype>(from, 0, byteLength());
    to = std::clamp<qsizetype>(to, from, byteLength());
    if (from == to)
        return {};
    const auto *p = reinterpret_cast<const char *>(send(QsciScintillaBase::SCI_GETRANGEPOINTER, from, to - from));
    return {p, to - from};
}

QByteArray TEditor::utf8Kopi() const
{
    QByteArray copy;
    utf8Kopi(copy);
    return copy;
}

void TEditor::utf8Kopi(QByteArray &copy) const
{
    // The buffer lies in two parts around its gap; a range on one side of the gap is read
    // in place, where asking for the whole text would first close the gap.
    const qsizetype len = byteLength();
    const qsizetype gap = std::clamp<qsizetype>(send(QsciScintillaBase::SCI_GETGAPPOSITION), 0, len);
    if (!copy.isDetached() || copy.capacity() < len)
        copy = QByteArray(len, Qt::Uninitialized);
    else
        copy.resize(len);   // the same memory again: no fresh pages to fault in
    const QByteArrayView first = utf8Range(0, gap);
    const QByteArrayView second = utf8Range(gap, len);
    if (!first.isEmpty())
        memcpy(copy.data(), first.data(), size_t(first.size()));
    if (!second.isEmpty())
        memcpy(copy.data() + first.size(), second.data(), size_t(second.size()));
}

qsizetype TEditor::bytePos(qsizetype pos) const
{
    pos = std::clamp<qsizetype>(pos, 0, length());
    const int line = int(send(QsciScintillaBase::SCI_LINEFROMINDEXPOSITION, pos, kUtf16));
    qsizetype units = pos - lineStart(line);
    const qsizetype start = lineStartByte(line);
    if (units == 0)
        return start;
    // Walk the line's bytes; Scintilla's own walk cannot stop inside a surrogate pair.
    const QByteArrayView bytes = utf8Range(start, send(QsciScintillaBase::SCI_GETLINEENDPOSITION, line));
    qsizetype i = 0;
    while (i < bytes.size() && units > 0) {
        const int n = unitsOf(uchar(bytes[i]));
        if (n > units)
            break;   // half a pair: stay before it
        units -= n;
        ++i;
        while (i < bytes.size() && isContinuation(uchar(bytes[i])))
            ++i;
    }
    return start + i;
}

qsizetype TEditor::charPos(qsizetype bytePos) const
{
    bytePos = std::clamp<qsizetype>(bytePos, 0, byteLength());
    const int line = lineOfByte(bytePos);
    const qsizetype start = lineStartByte(line);
    qsizetype units = lineStart(line);
    const QByteArrayView bytes = utf8Range(start, bytePos);
    for (const char c : bytes)
        if (!isContinuation(uchar(c)))
            units += unitsOf(uchar(c));
    return units;
}

// ---------------------------------------------------------------- text

QString TEditor::text() const
{
    const auto *p = static_cast<const char *>(m_sci->SendScintillaPtrResult(QsciScintillaBase::SCI_GETCHARACTERPOINTER));
    return QString::fromUtf8(p, byteLength());
}

void TEditor::setText(const QString &text)
{
    const QByteArray utf8 = kontrolTekst(text).toUtf8();
    send(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 0);
    // Lines wrapped while the text comes in cost seconds on a large page; wrapped
    // afterwards, the lines in view come first and the rest follow when idle.
    m_sci->setWrapMode(QsciScintilla::WrapNone);
    send(QsciScintillaBase::SCI_CLEARALL);
    m_sci->SendScintilla(QsciScintillaBase::SCI_APPENDTEXT, uintptr_t(utf8.size()), utf8.constData());
    // Wrapping lays out every line of the page: on a page of many megabytes that is a
    // minute of work and 200 MB. Such a page, and one with a line of megabyte size, shows
    // its long lines unwrapped.
    const bool ombryd = utf8.size() <= kOmbrydGraense && !harLinjeOver(utf8, kLaengsteOmbrudte);
    m_sci->setWrapMode(ombryd ? QsciScintilla::WrapWord : QsciScintilla::WrapNone);
    send(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 1);
    send(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
    send(QsciScintillaBase::SCI_GOTOPOS, 0);
    setModified(false);
    opdaterMargen();
}

QChar TEditor::charAt(qsizetype pos) const
{
    const QString s = textRange(pos, pos + 1);
    return s.isEmpty() ? QChar() : s[0];
}

QString TEditor::textRange(qsizetype from, qsizetype to) const
{
    if (to <= from)
        return {};
    return QString::fromUtf8(utf8Range(bytePos(from), bytePos(to)));
}

QString TEditor::lineText(int line) const
{
    if (line < 0 || line >= lineCount())
        return {};
    return QString::fromUtf8(utf8Range(lineStartByte(line), send(QsciScintillaBase::SCI_GETLINEENDPOSITION, line)));
}

// ---------------------------------------------------------------- selection

qsizetype TEditor::caretPos() const
{
    return charPos(send(QsciScintillaBase::SCI_GETCURRENTPOS));
}

qsizetype TEditor::anchorPos() const
{
    return charPos(send(QsciScintillaBase::SCI_GETANCHOR));
}

qsizetype TEditor::SelStart() const
{
    return charPos(send(QsciScintillaBase::SCI_GETSELECTIONSTART));
}

qsizetype TEditor::SelLength() const
{
    const long start = send(QsciScintillaBase::SCI_GETSELECTIONSTART);
    const long end = send(QsciScintillaBase::SCI_GETSELECTIONEND);
    return start == end ? 0 : charPos(end) - charPos(start);
}

QString TEditor::SelText() const
{
    return QString::fromUtf8(utf8Range(send(QsciScintillaBase::SCI_GETSELECTIONSTART),
                                       send(QsciScintillaBase::SCI_GETSELECTIONEND)));
}

void TEditor::setSelection(qsizetype anchor, qsizetype caret)
{
    send(QsciScintillaBase::SCI_SETSEL, bytePos(anchor), bytePos(caret));
}

void TEditor::scrollToCaret()
{
    send(QsciScintillaBase::SCI_SCROLLCARET);
}

int TEditor::caretLine() const
{
    return lineOfByte(send(QsciScintillaBase::SCI_GETSELECTIONEND));
}

int TEditor::caretColumn() const
{
    const long end = send(QsciScintillaBase::SCI_GETSELECTIONEND);
    return int(charPos(end) - lineStart(lineOfByte(end)));
}

// ---------------------------------------------------------------- editing

void TEditor::insertBytes(qsizetype from, qsizetype to, const QByteArray &utf8)
{
    send(QsciScintillaBase::SCI_SETTARGETRANGE, from, to);
    m_sci->SendScintilla(QsciScintillaBase::SCI_REPLACETARGET, uintptr_t(utf8.size()), utf8.constData());
}

void TEditor::replaceSelection(const QString &text)
{
    const long start = send(QsciScintillaBase::SCI_GETSELECTIONSTART);
    const QByteArray utf8 = kontrolTekst(text).toUtf8();
    beginUndoAction();
    insertBytes(start, send(QsciScintillaBase::SCI_GETSELECTIONEND), utf8);
    send(QsciScintillaBase::SCI_SETSEL, start + utf8.size(), start + utf8.size());
    endUndoAction();
}

void TEditor::replaceRange(qsizetype from, qsizetype to, const QString &text)
{
    beginUndoAction();
    insertBytes(bytePos(from), bytePos(std::max(from, to)), kontrolTekst(text).toUtf8());
    endUndoAction();
}

void TEditor::beginUndoAction() { send(QsciScintillaBase::SCI_BEGINUNDOACTION); }
void TEditor::endUndoAction() { send(QsciScintillaBase::SCI_ENDUNDOACTION); }
void TEditor::undo() { m_sci->undo(); }
void TEditor::redo() { m_sci->redo(); }
void TEditor::cut() { m_sci->cut(); }
void TEditor::copy() { m_sci->copy(); }
void TEditor::paste() { m_sci->paste(); }
void TEditor::selectAll() { m_sci->selectAll(true); }

void TEditor::deleteForward()
{
    if (send(QsciScintillaBase::SCI_GETSELECTIONEMPTY))
        send(QsciScintillaBase::SCI_CLEAR);
    else
        send(QsciScintillaBase::SCI_REPLACESEL, 0, reinterpret_cast<long>(""));
}

bool TEditor::isModified() const
{
    return m_tvungetModificeret || send(QsciScintillaBase::SCI_GETMODIFY);
}

void TEditor::setModified(bool modified)
{
    const bool before = isModified();
    if (modified) {
        m_tvungetModificeret = !send(QsciScintillaBase::SCI_GETMODIFY);
    } else {
        m_tvungetModificeret = false;
        send(QsciScintillaBase::SCI_SETSAVEPOINT);
    }
    if (isModified() != before)
        emit modificationChanged(isModified());
}

qsizetype TEditor::find(const QString &what, qsizetype from, bool matchCase, bool wholeWord, qsizetype to) const
{
    if (what.isEmpty())
        return -1;
    const qsizetype end = to < 0 ? length() : std::min(to, length());
    from = std::clamp<qsizetype>(from, 0, length());
    if (from >= end)
        return -1;
    const QString needle = kontrolTekst(what);
    if (!matchCase && !wholeWord) {
        // The control folds only ASCII letters; "Æ" must find "æ" too.
        bool ascii = true;
        for (const QChar c : needle)
            ascii = ascii && c.unicode() < 0x80;
        if (!ascii) {
            // Only the rest of the range: a search through a long page stays linear.
            const qsizetype hit = textRange(from, end).indexOf(needle, 0, Qt::CaseInsensitive);
            return hit < 0 ? -1 : from + hit;
        }
    }
    const QByteArray utf8 = needle.toUtf8();
    send(QsciScintillaBase::SCI_SETTARGETRANGE, bytePos(from), end == length() ? byteLength() : bytePos(end));
    send(QsciScintillaBase::SCI_SETSEARCHFLAGS, (matchCase ? QsciScintillaBase::SCFIND_MATCHCASE : 0)
                                                    | (wholeWord ? QsciScintillaBase::SCFIND_WHOLEWORD : 0));
    const long found = m_sci->SendScintilla(QsciScintillaBase::SCI_SEARCHINTARGET, uintptr_t(utf8.size()),
                                            utf8.constData());
    return found < 0 ? -1 : charPos(found);
}

// ---------------------------------------------------------------- look

void TEditor::setEditorFont(const QFont &font)
{
    m_font = font;
    anvendFont();
}

void TEditor::anvendFont()
{
    if (m_lexer) {
        m_lexer->setDefaultFont(m_font);
        m_lexer->setFont(m_font, -1);
        // One light page behind every language, embedded scripts included.
        m_lexer->setDefaultPaper(Qt::white);
        m_lexer->setPaper(Qt::white, -1);
        m_sci->setLexer(m_lexer);
        // Script in "<% %>" without a language named is VBScript, as the server reads it.
        m_sci->SendScintilla(QsciScintillaBase::SCI_SETPROPERTY, "asp.default.language", "2");
    } else {
        m_sci->setFont(m_font);
    }
    m_sci->setMarginsFont(m_font);
    m_margenCifre = 0;
    opdaterMargen();
}

void TEditor::setSprog(const QString &ext)
{
    if (m_harSprog && ext.compare(m_ext, Qt::CaseInsensitive) == 0)
        return;
    m_harSprog = true;
    m_ext = ext;
    QsciLexer *old = m_lexer;
    m_lexer = lavLexer(ext, this);
    if (!m_lexer) {
        m_sci->setLexer(nullptr);
        // Without a language the text is plain: Scintilla's null lexer marks it styled. Left
        // to the container lexer, styling never finishes and idle styling asks for it without
        // end, keeping a core busy.
        send(QsciScintillaBase::SCI_SETLEXER, QsciScintillaBase::SCLEX_NULL);
        send(QsciScintillaBase::SCI_STYLECLEARALL);
    }
    anvendFont();
    delete old;
}

QString TEditor::sprog() const
{
    return m_lexer ? QString::fromLatin1(m_lexer->language()) : QString();
}

void TEditor::setLinjenumre(bool on)
{
    m_linjenumre = on;
    m_margenCifre = 0;
    opdaterMargen();
}

void TEditor::opdaterMargen()
{
    if (!m_linjenumre) {
        m_sci->setMarginWidth(0, 0);
        return;
    }
    const int cifre = std::max(3, int(QString::number(lineCount()).size()));
    if (cifre == m_margenCifre)
        return;
    m_margenCifre = cifre;
    m_sci->setMarginWidth(0, QStringLiteral("_") + QString(cifre, u'9'));
}

bool TEditor::ombrydes() const
{
    return m_sci->wrapMode() != QsciScintilla::WrapNone;
}

int TEditor::linjenummerBredde() const
{
    return m_sci->marginWidth(0);
}

QString TEditor::stilVed(qsizetype pos) const
{
    if (!m_lexer)
        return {};
    const qsizetype b = bytePos(pos);
    // Words are classified once the lexer has read past their end.
    const int line = lineOfByte(b);
    const qsizetype end = line + 2 < lineCount() ? lineStartByte(line + 2) : byteLength();
    send(QsciScintillaBase::SCI_COLOURISE, 0, long(end));
    return m_lexer->description(int(send(QsciScintillaBase::SCI_GETSTYLEAT, b)));
}

// ---------------------------------------------------------------- completion list and marks

void TEditor::visListe(const QStringList &items, int prefixLength)
{
    if (items.isEmpty())
        return;
    send(QsciScintillaBase::SCI_AUTOCSETSEPARATOR, '\n');
    const QByteArray list = items.join(u'\n').toUtf8();
    // The control counts the typed part in bytes.
    const qsizetype caret = caretPos();
    const qsizetype bytes = bytePos(caret) - bytePos(caret - std::clamp<qsizetype>(prefixLength, 0, caret));
    m_sci->SendScintilla(QsciScintillaBase::SCI_AUTOCSHOW, uintptr_t(bytes), list.constData());
}

bool TEditor::listeVises() const
{
    return send(QsciScintillaBase::SCI_AUTOCACTIVE) != 0;
}

void TEditor::lukListe()
{
    send(QsciScintillaBase::SCI_AUTOCCANCEL);
}

void TEditor::marker(Markering kind, qsizetype from, qsizetype to, const QString &tip)
{
    const qsizetype a = bytePos(from);
    const qsizetype b = bytePos(std::max(from, to));
    if (b <= a)
        return;
    int value = 1;
    if (kind == Markering::Fund) {
        m_tips.append(tip);
        value = int(m_tips.size());
    }
    send(QsciScintillaBase::SCI_SETINDICATORCURRENT, indikator(kind));
    send(QsciScintillaBase::SCI_SETINDICATORVALUE, value);
    send(QsciScintillaBase::SCI_INDICATORFILLRANGE, a, b - a);
}

void TEditor::fjernMarkeringer(Markering kind)
{
    send(QsciScintillaBase::SCI_SETINDICATORCURRENT, indikator(kind));
    send(QsciScintillaBase::SCI_INDICATORCLEARRANGE, 0, byteLength());
    if (kind == Markering::Fund)
        m_tips.clear();
}

QList<TEditor::Omraade> TEditor::markeringer(Markering kind) const
{
    QList<Omraade> list;
    const int ind = indikator(kind);
    const qsizetype len = byteLength();
    for (qsizetype pos = 0; pos < len;) {
        const qsizetype end = send(QsciScintillaBase::SCI_INDICATOREND, ind, pos);
        const int value = int(send(QsciScintillaBase::SCI_INDICATORVALUEAT, ind, pos));
        if (value != 0 && end > pos)
            list.append({charPos(pos), charPos(end), kind == Markering::Fund ? m_tips.value(value - 1) : QString()});
        if (end <= pos)
            break;
        pos = end;
    }
    return list;
}

QString TEditor::tipVed(qsizetype pos) const
{
    const int value = int(send(QsciScintillaBase::SCI_INDICATORVALUEAT, kIndikatorFund, bytePos(pos)));
    return value > 0 ? m_tips.value(value - 1) : QString();
}

// ---------------------------------------------------------------- events

bool TEditor::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // The control binds keys of its own (Ctrl+L, Ctrl+T …); the program's commands win.
        if (m_programGenvej && m_programGenvej(static_cast<QKeyEvent *>(event)))
            return true;
        break;
    case QEvent::KeyRelease:
        emit tastSluppet();
        break;
    case QEvent::MouseButtonPress:
        emit museTrykket();
        break;
    case QEvent::MouseButtonRelease:
        emit museSluppet();
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *e = static_cast<QDropEvent *>(event);
        if (e->mimeData()->hasUrls()) {
            e->acceptProposedAction();
            return true;
        }
        break;
    }
    case QEvent::Drop: {
        // Files dropped on the text open as documents.
        auto *e = static_cast<QDropEvent *>(event);
        if (e->mimeData()->hasUrls()) {
            e->acceptProposedAction();
            emit filerSluppet(e->mimeData()->urls());
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QFrame::eventFilter(watched, event);
}

// ---------------------------------------------------------------- printing

namespace {

// Prints into the page rectangle the caller worked out rather than the whole printable area.
class TPrinter : public QsciPrinter {
public:
    QRect omraade;
    void formatPage(QPainter &, bool, QRect &area, int) override
    {
        if (omraade.isValid())
            area = omraade;
    }
};

} // namespace

std::unique_ptr<QPrinter> TEditor::lavPrinter()
{
    return std::make_unique<TPrinter>();
}

bool TEditor::print(QPrinter *printer, QPainter &painter, const QRect &area) const
{
    auto *p = dynamic_cast<TPrinter *>(printer);
    if (!p || !painter.isActive() || !area.isValid())
        return false;
    p->omraade = area;
    p->setWrapMode(QsciScintilla::WrapWord);
    // The page holds the text alone: Scintilla prints the line number margin whenever it has
    // a width, which would move the code to the right of its margin.
    QList<std::pair<int, int>> numre;
    for (int m = 0; m < m_sci->margins(); ++m)
        if (m_sci->marginType(m) == QsciScintilla::NumberMargin && m_sci->marginWidth(m) > 0) {
            numre.append({m, m_sci->marginWidth(m)});
            m_sci->setMarginWidth(m, 0);
        }
    const bool ok = p->printRange(m_sci, painter) != 0;
    for (const auto &[m, bredde] : numre)
        m_sci->setMarginWidth(m, bredde);
    return ok;
}
