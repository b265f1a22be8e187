#pragma once
// Tinfotag: the program's knowledge of HTML tags, and everything that writes code into a
// document or reads code at its caret. The main window owns one instance, `taginf`.
//
// How the windows use it:
//  - Start-up: load the five lists (LoadNosluttagliste, LoadTagliste, LoadAlletagliste,
//    LoadUAttributliste, LoadExcludeliste, in that order); a failed load returns the
//    system's reason to show. Connect OnProgress to the check window's progress display.
//  - SetEditor(edit) on every activation of a document window, SetEditor(nullptr) when one
//    closes. Every operation does nothing while no editor is attached.
//  - Writers (panels, menus, generators) call the Udskriv*/Ins*/udskriv* primitives, then
//    the main window's winInfo. The primitives place the caret, set the modified flag and
//    focus the editor themselves.
//  - Automatic mode: on a tick of autokodeCheck call AutoKodeRefusal(); when it returns a
//    text, show it in an information box and clear the box, else SetautoKode(true). A
//    cleared box sets SetautoKode(false).
//  - Ctrl+K (Aslutkode): Slutkode(Koden); NoCurrentTag puts TekstIngenAktuelKode in the
//    status bar, NotFound shows TekstKodenIkkeFundet in an information box. SlutkodeEnabled
//    answers the update handler.
//  - Ctrl+Ins (AfindHtml): GetTag(); an empty tag shows TekstIngenAktuelHtmlKode.
//  - The check window calls SetTreeView(tree) once; ReadStructure fills the model, GotoTag
//    selects the tag of the tree's current node, VisAttributter relabels.
//  - The word readers FindOrd, FindOrdAttribut, FindOrdCSS, FindOrdJs return the word at
//    the caret.

#include "analysis/structuremodel.h"
#include "analysis/tagscanner.h"
#include "codewriting/taglist.h"

#include "editor/editor.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTreeView>

class QColor;
class QFont;

enum class WordKind;

inline const QString TekstIngenAktuelKode = QStringLiteral("Der er ingen aktuel kode.");
inline const QString TekstKodenIkkeFundet = QStringLiteral("Koden blev ikke fundet");
inline const QString TekstIkkeHtmlDokument = QStringLiteral("Dokumentet er ikke et html dokument.");
inline const QString TekstIngenAabneDokumenter = QStringLiteral("Der er ingen åbne dokumenter.");
inline const QString TekstIngenAktuelHtmlKode = QStringLiteral("Der er ikke nogen aktuel html-kode.");

class Tinfotag : public QObject {
    Q_OBJECT
public:
    explicit Tinfotag(QObject *parent = nullptr);

    // --- the five lists ---
    core::ReadResult LoadNosluttagliste(const QString &fname) { return FNosluttagliste.load(fname); }
    core::ReadResult LoadTagliste(const QString &fname) { return FTagliste.load(fname); }
    core::ReadResult LoadAlletagliste(const QString &fname) { return FAlleTagliste.load(fname); }
    core::ReadResult LoadExcludeliste(const QString &fname) { return FExcludeliste.load(fname); }
    core::ReadResult LoadUAttributliste(const QString &fname) { return FUAttributliste.load(fname); }
    const TagList &Nosluttagliste() const { return FNosluttagliste; }
    const TagList &Tagliste() const { return FTagliste; }
    const TagList &AlleTagliste() const { return FAlleTagliste; }
    const TagList &Excludeliste() const { return FExcludeliste; }
    const TagList &UAttributliste() const { return FUAttributliste; }

    // --- attachments and state ---
    TEditor *Editor() const { return FEditor; }
    void SetEditor(TEditor *editor) { FEditor = editor; }
    QTreeView *TreeView() const { return FTreeView; }
    void SetTreeView(QTreeView *view);
    StructureModel *TreeModel() { return &FStructure; }
    int KontrolMode() const { return FKontrolMode; }
    void SetKontrolMode(int mode) { FKontrolMode = mode; }
    QString KontrolInfo() const { return FKontrolInfo; }
    void SetKontrolInfo(const QString &info) { FKontrolInfo = info; }
    bool autoKode() const { return FautoKode; }
    void SetautoKode(bool on) { FautoKode = on; }
    const TPosData &PosData() const { return FPosData; }

    // Why automatic mode cannot be switched on now (the message to show), or empty when it
    // can: it needs a document whose text starts with "<".
    QString AutoKodeRefusal() const;

    // --- writing code at the caret ---
    void UdskrivKoden(const QString &S);
    void UdskrivKode(const QString &S1, const QString &S2);
    void UdskrivKoder(const QString &S, QChar CurGoto, int antal);
    void UdskrivTekst(const QString &S1, QString S2, bool getCurpos, bool setCurpos, bool newLine);
    void InsertLine(QString S, bool newLine, bool defCursPos, bool setCursPos);
    void InsKode(const QStringList &aTekst, const QString &aKode);
    void InsFont(const QFont &AFont, const QColor &fontColor, const QStringList &aTekst, const QString &aKode,
                 bool aName, bool aSize, bool aColor);
    static QString GetStyle(const QFont &font);
    static QString GetColor(quint32 Col);  // red in the lowest byte, then green, then blue
    static QString GetColor(const QColor &color);
    void udskrivAttribut(const QString &aAttribut);
    void udskrivAttValue(const QString &aAttribut, QString aValue);
    // semikolon: the value ends with ";" (completion leaves it out where the value may go on).
    void udskrivCssValue(const QString &aProp, const QString &aValue, bool semikolon = true);

    // --- end tags ---
    bool UdskrivSlutkode();
    enum class SlutkodeResult { Written, NoCurrentTag, NotFound, Nothing };
    // The whole Ctrl+K command. koden: the main window's current tag, used in automatic mode.
    SlutkodeResult Slutkode(const QString &koden);
    bool SlutkodeEnabled(bool documentOpen) const;

    // --- reading the code ---
    QString GetTag();
    void ReadStructure();
    void GotoTag();
    void GotoTag(const QModelIndex &node);
    static QString GetNodeTag(const QString &S);
    int VisAttributter();
    // The checks of the structure as last read; each returns its number of findings, or -1
    // without an editor, a tree view or a structure.
    int EndtagsKontrol();
    int ForMangeEndtag();
    int KodeKontrol();
    int AttributeKontrol(const QString &AttributeDir);

    QString FindOrd() const;
    QString FindOrdAttribut() const;
    QString FindOrdCSS() const;
    QString FindOrdJs() const;

signals:
    void OnProgress(int aPos);

private:
    bool kanKontrollere() const;
    void insertElement(const QString &startTag, const QStringList &aTekst, const QString &aKode);
    // Ends a writer's undo step: the caret at caret, the document marked modified.
    void finish(qsizetype caret, bool setModified);
    QString findWord(WordKind kind) const;
    qsizetype findTagPos(qsizetype index, const QString &name) const;

    TPosData FPosData;
    QPointer<TEditor> FEditor;
    QPointer<QTreeView> FTreeView;
    StructureModel FStructure;
    TagList FNosluttagliste, FTagliste, FUAttributliste, FExcludeliste, FAlleTagliste;
    int FKontrolMode = 0;
    QString FKontrolInfo;
    bool FautoKode = false;
    qsizetype cursPos = 0;
};
