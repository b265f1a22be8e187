#include "codewriting/taginfo.h"

#include "analysis/kontrol.h"

#include "analysis/scantext.h"
#include "analysis/wordreader.h"

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QTreeView>

#include <algorithm>
#include <cmath>

namespace {

// Shows the wait cursor for the lifetime of the object.
struct WaitCursor {
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

// Length of text in the editor, where CR LF becomes one line break.
qsizetype editLength(const QString &text)
{
    return kontrolTekst(text).size();
}

// The text line holding the end of the selection, and the caret's column in it.
struct CaretLine {
    QString text;
    int column = 0;
    QChar before(int n) const { return column - n >= 0 && column - n < text.size() ? text[column - n] : QChar(); }
    QChar after() const { return column < text.size() ? text[column] : QChar(); }
};

CaretLine caretLine(const TEditor *editor)
{
    return {editor->lineText(editor->caretLine()), editor->caretColumn()};
}

} // namespace

Tinfotag::Tinfotag(QObject *parent) : QObject(parent)
{
}

void Tinfotag::SetTreeView(QTreeView *view)
{
    FTreeView = view;
    if (view)
        view->setModel(&FStructure);
}

QString Tinfotag::AutoKodeRefusal() const
{
    if (!FEditor)
        return TekstIngenAabneDokumenter;
    if (FEditor->length() == 0 || FEditor->charAt(0) != u'<')
        return TekstIkkeHtmlDokument;
    return {};
}

// --- writing code ---

void Tinfotag::finish(qsizetype caret, bool setModified)
{
    FEditor->setCaretPos(caret);
    if (setModified)
        FEditor->setModified(true);
    FEditor->endUndoAction();
    FEditor->setFocus();
}

void Tinfotag::UdskrivKoden(const QString &S)
{
    if (!FEditor)
        return;
    FEditor->beginUndoAction();
    FEditor->replaceSelection(S);
    finish(FEditor->caretPos(), true);
}

void Tinfotag::UdskrivKode(const QString &S1, const QString &S2)
{
    if (!FEditor)
        return;
    FEditor->beginUndoAction();
    const qsizetype start = FEditor->SelStart();
    FEditor->replaceSelection(S1 + S2);
    finish(start + editLength(S1), true);
}

void Tinfotag::UdskrivKoder(const QString &S, QChar CurGoto, int antal)
{
    if (!FEditor)
        return;
    qsizetype k = 0;
    for (qsizetype i = 0, seen = 0; i < S.size(); ++i) {
        if (S[i] == CurGoto && ++seen == antal) {
            k = i + 1;
            break;
        }
    }
    FEditor->beginUndoAction();
    const qsizetype p = FEditor->SelStart();
    FEditor->replaceSelection(S);
    finish(p + editLength(S.left(k)), false);  // the document marks itself modified
}

void Tinfotag::UdskrivTekst(const QString &S1, QString S2, bool getCurpos, bool setCurpos, bool newLine)
{
    if (!FEditor)
        return;
    FEditor->beginUndoAction();
    FEditor->replaceSelection(S1);
    if (getCurpos)
        cursPos = FEditor->caretPos();
    if (newLine)
        S2 += u'\r';
    FEditor->replaceSelection(S2);
    finish(setCurpos ? std::min(cursPos, FEditor->length()) : FEditor->caretPos(), true);
}

void Tinfotag::InsertLine(QString S, bool newLine, bool defCursPos, bool setCursPos)
{
    if (!FEditor)
        return;
    if (newLine)
        S += u'\r';
    const int line = FEditor->caretLine();
    const qsizetype start = FEditor->lineStart(line);
    FEditor->beginUndoAction();
    FEditor->replaceRange(start, FEditor->lineEnd(line), S);
    const qsizetype after = start + editLength(S);
    if (defCursPos)
        cursPos = after;
    finish(setCursPos ? std::min(cursPos, FEditor->length()) : after, true);
}

void Tinfotag::insertElement(const QString &startTag, const QStringList &aTekst, const QString &aKode)
{
    const QString endTag = QStringLiteral("</") + aKode + u'>';
    if (aTekst.isEmpty()) {
        UdskrivKode(startTag, endTag);
        return;
    }
    QString t = startTag;
    for (qsizetype i = 0; i < aTekst.size(); ++i) {
        t += u'\r' + aTekst[i];
        if (i != aTekst.size() - 1 && aKode != u"pre")
            t += QStringLiteral("<br>");
    }
    UdskrivKoden(t + u'\r' + endTag);
}

void Tinfotag::InsKode(const QStringList &aTekst, const QString &aKode)
{
    insertElement(u'<' + aKode + u'>', aTekst, aKode);
}

void Tinfotag::InsFont(const QFont &AFont, const QColor &fontColor, const QStringList &aTekst,
                       const QString &aKode, bool aName, bool aSize, bool aColor)
{
    QStringList parts;
    if (aName)
        parts << QStringLiteral("font-family: ") + AFont.family() + u';';
    if (aSize)
        parts << QStringLiteral("font-size: %1pt;").arg(std::lround(AFont.pointSizeF()));
    if (aColor)
        parts << QStringLiteral("color: ") + GetColor(fontColor) + u';';
    const QString style = GetStyle(AFont);
    if (!style.isEmpty())
        parts << style;
    insertElement(u'<' + aKode + QStringLiteral(" style=\"") + parts.join(u' ') + QStringLiteral("\">"), aTekst,
                  aKode);
}

QString Tinfotag::GetStyle(const QFont &font)
{
    if (font.bold() && font.italic())
        return QStringLiteral("font-style: Italic; font-weight: bold;");
    if (font.bold())
        return QStringLiteral("font-weight: bold;");
    if (font.italic())
        return QStringLiteral("font-style: italic;");
    return {};
}

QString Tinfotag::GetColor(quint32 Col)
{
    return QStringLiteral("#%1%2%3")
        .arg(Col & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((Col >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((Col >> 16) & 0xFF, 2, 16, QLatin1Char('0'))
        .toUpper();
}

QString Tinfotag::GetColor(const QColor &color)
{
    return GetColor(quint32(color.red()) | quint32(color.green()) << 8 | quint32(color.blue()) << 16);
}

void Tinfotag::udskrivAttribut(const QString &aAttribut)
{
    if (!FEditor)
        return;
    const CaretLine line = caretLine(FEditor);
    if (line.text.size() <= 1 || line.column <= 1)
        return;
    const QString a = line.before(1) == u' ' ? aAttribut : u' ' + aAttribut;
    if (FUAttributliste.contains(aAttribut))
        UdskrivKoden(a);
    else
        UdskrivKoder(a + QStringLiteral("=\"\""), u'"', 1);
}

void Tinfotag::udskrivAttValue(const QString &aAttribut, QString aValue)
{
    if (!FEditor)
        return;
    const CaretLine line = caretLine(FEditor);
    const QChar before = line.before(1);
    QString text;
    bool inValue = false;
    if (line.text.size() > 1 && line.column > 2) {
        if (FUAttributliste.contains(aValue)) {
            // The value is itself a stand-alone attribute.
            text = before == u' ' ? aValue : u' ' + aValue;
            inValue = true;
        } else if (before == u'=' || (before == u'"' && line.before(2) == u'=')) {
            if (before == u'=')
                aValue.prepend(u'"');
            if (line.after() != u'"')
                aValue += u'"';
            text = aValue;
            inValue = true;
        }
    }
    const bool writePair = !inValue && line.text.size() > 1 && line.column > 1;
    if (writePair)
        text = (before == u' ' ? aAttribut : u' ' + aAttribut) + QStringLiteral("=\"") + aValue + u'"';
    FEditor->beginUndoAction();
    if (inValue || writePair)
        FEditor->replaceSelection(text);
    finish(FEditor->caretPos(), true);
}

void Tinfotag::udskrivCssValue(const QString &aProp, const QString &aValue, bool semikolon)
{
    if (!FEditor)
        return;
    const CaretLine line = caretLine(FEditor);
    const QChar before = line.before(1);
    const bool afterColon = line.text.size() > 1 && line.column > 1
        && (before == u':' || (before == u' ' && line.before(2) == u':'));
    QString text;
    const QString slut = semikolon ? QStringLiteral(";") : QString();
    if (afterColon && before == u' ')
        text = aValue + slut;
    else if (afterColon)
        text = u' ' + aValue + slut;
    else
        text = aProp + QStringLiteral(": ") + aValue + slut;
    FEditor->beginUndoAction();
    FEditor->replaceSelection(text);
    finish(FEditor->caretPos(), true);
}

// --- end tags ---

bool Tinfotag::UdskrivSlutkode()
{
    if (!FEditor || !FTagliste.contains(FPosData.Tag) || FPosData.CurPos != cpBetween)
        return false;
    const qsizetype start = FEditor->SelStart();
    FEditor->beginUndoAction();
    FEditor->replaceSelection(QStringLiteral("</") + FPosData.Tag + u'>');
    FEditor->setCaretPos(start);
    FEditor->endUndoAction();
    return true;
}

Tinfotag::SlutkodeResult Tinfotag::Slutkode(const QString &koden)
{
    const QString current = FautoKode ? koden : GetTag();
    if (current.isEmpty())
        return SlutkodeResult::NoCurrentTag;
    if (FPosData.Tag.isEmpty() || FPosData.CurPos != cpBetween)
        return SlutkodeResult::Nothing;
    return UdskrivSlutkode() ? SlutkodeResult::Written : SlutkodeResult::NotFound;
}

bool Tinfotag::SlutkodeEnabled(bool documentOpen) const
{
    if (FautoKode)
        return !FPosData.Tag.isEmpty() && FPosData.CurPos == cpBetween;
    return documentOpen;
}

// --- reading the code ---

QString Tinfotag::GetTag()
{
    if (!FEditor)
        return {};
    const ScanText text(FEditor.data());
    const std::optional<TPosData> pos = scanCaret(text, FEditor->SelStart(), FNosluttagliste);
    if (!pos)
        return {};
    FPosData = *pos;
    return FPosData.Tag;
}

void Tinfotag::ReadStructure()
{
    emit OnProgress(0);
    if (FEditor) {
        WaitCursor wait;
        const QString text = FEditor->text();
        // The new tree takes over the old one's storage.
        FStructure.setTree(readStructure(text, {FExcludeliste, FNosluttagliste, FTagliste},
                                         [this](int percent) { emit OnProgress(percent); }, FStructure.takeTree()));
    }
    emit OnProgress(100);
}

void Tinfotag::GotoTag()
{
    if (FTreeView)
        GotoTag(FTreeView->currentIndex());
}

qsizetype Tinfotag::findTagPos(qsizetype index, const QString &name) const
{
    const qsizetype found = FEditor->find(u'<' + name, editPosition(FEditor, index));
    return found < 0 ? 0 : found + 1;
}

void Tinfotag::GotoTag(const QModelIndex &node)
{
    const int id = StructureModel::nodeId(node);
    if (!FEditor || id < 0 || id >= FStructure.tree().count())
        return;
    if (id == 0) {
        FEditor->setCaretPos(0);
        return;
    }
    const StructureNode &n = FStructure.tree().node(id);
    const QString name = GetNodeTag(n.text);
    const qsizetype start = findTagPos(n.data.Index, name);
    const qsizetype length = FKontrolMode == 4 && n.data.TagEnd == 3 ? 2 : name.size();
    FEditor->setSelection(start, std::min(start + length, FEditor->length()));
}

QString Tinfotag::GetNodeTag(const QString &S)
{
    const qsizetype space = S.indexOf(u' ');
    return space < 0 ? S : S.left(space);
}

int Tinfotag::VisAttributter()
{
    if (!FEditor || FStructure.tree().isEmpty())
        return -1;
    WaitCursor wait;
    int count = 0;
    FStructure.relabel([&count](int, const StructureNode &n) -> std::optional<QString> {
        if (n.data.AttrListe.isEmpty())
            return std::nullopt;
        ++count;
        return GetNodeTag(n.text) + u' ' + n.data.AttrListe;
    });
    return count;
}

bool Tinfotag::kanKontrollere() const
{
    return FEditor && FTreeView && !FStructure.tree().isEmpty();
}

int Tinfotag::EndtagsKontrol()
{
    if (!kanKontrollere())
        return -1;
    WaitCursor wait;
    return kontrol::endtagsKontrol(FStructure, FTagliste);
}

int Tinfotag::ForMangeEndtag()
{
    if (!kanKontrollere())
        return -1;
    WaitCursor wait;
    return kontrol::forMangeEndtag(FStructure);
}

int Tinfotag::KodeKontrol()
{
    if (!kanKontrollere())
        return -1;
    WaitCursor wait;
    return kontrol::kodeKontrol(FStructure, FTagliste, FAlleTagliste);
}

int Tinfotag::AttributeKontrol(const QString &AttributeDir)
{
    if (!kanKontrollere())
        return -1;
    WaitCursor wait;
    return kontrol::attributeKontrol(FStructure, AttributeDir);
}

QString Tinfotag::findWord(WordKind kind) const
{
    if (!FEditor)
        return {};
    if (FEditor->hasSelection() && takesSelection(kind))
        return FEditor->SelText();
    const CaretLine line = caretLine(FEditor);
    return wordAt(line.text, line.column, kind);
}

QString Tinfotag::FindOrd() const { return findWord(WordKind::Ord); }
QString Tinfotag::FindOrdAttribut() const { return findWord(WordKind::Attribut); }
QString Tinfotag::FindOrdCSS() const { return findWord(WordKind::Css); }
QString Tinfotag::FindOrdJs() const { return findWord(WordKind::Js); }
