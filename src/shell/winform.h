#pragma once
// Twinform: one document window inside the main window.

#include "core/textfile.h"

#include <QMdiSubWindow>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSplitter;
class QStatusBar;
class TEditor;
class QToolBar;
class QToolButton;
class QWidget;
class Tmainform;
class TJsPanel;
class TObjektPanel;
namespace gendan {
class TGendanVagt;
}

class Twinform : public QMdiSubWindow {
    Q_OBJECT
public:
    // Takes its file name and number from the main window (newDocFilename, newCount).
    explicit Twinform(Tmainform *main);

    // Gives the window its content: caption, text (when the file exists), status, tool bar, tab.
    void InfoCap();
    // After saving under a new name.
    void skiftNavn();

    // Status fields: number of lines and caret column,line; file path in field 4.
    void XYinfo();
    void infoFilnavn(const QString &text);
    // The encoding and the line breaks in their status field; after reading or writing.
    void visKodning();

    // The window became the active one: status, tab, tag component, keyboard focus.
    void FormActivate();

    // Shows the tool bar of the document's type.
    void visRedskabslinie();

    // The search box of the first visible tool bar (Html, Css, Script, Asp, Js, Andet).
    QString getTekst() const;
    void setTekst(const QString &text);
    bool getFokus();
    void setFokus();

    // The object structure pane: shows or hides it (with the JavaScript button box in a
    // JavaScript document) and sets the structure buttons' images.
    void visObjektPanel(bool vis);
    void skiftObjektPanel() { visObjektPanel(!objektPanelVises()); }
    bool objektPanelVises() const;
    // Searches the pane for text (the tag at the caret when empty) and shows what it finds.
    void findIObjektStruktur(const QString &text, bool fraFelt = false);
    // "Find dokument aktuelle element i strukturen".
    void findIStrukturKnap();
    // The structures the user built, for the pane's "Strukturer" menu.
    void saetKonstruerede(const QStringList &navne);

    bool isModified() const;
    void setModified(bool modified);
    QString text() const;

    // Fields
    bool opstart = true;
    bool editFocus = false;
    int docNo = 0;
    QString capNavn;
    QString Filnavn;
    QString docExt;
    core::Encoding encoding = core::Encoding::Ansi;
    // The line breaks of the file as last read ("CR LF", "LF", "CR", "Blandede"), empty for a
    // new text; every save writes CR LF.
    QString linjeskift;
    // The file as this window last read or wrote it, to notice changes made by others.
    core::FilStempel stempel;
    // Another program's version the user chose to keep his own text over; not asked about
    // again until the file changes once more (saving still asks).
    core::FilStempel fremmedStempel;
    // Reads the file again, keeping the caret's line and the view; false (with a message)
    // when it cannot be read.
    bool genindlaes();

    // Controls
    TEditor *Edit = nullptr;
    QStatusBar *Info = nullptr;
    QLabel *infoFelt[5] = {};
    QLabel *kodningFelt = nullptr;
    QToolBar *toolbarHtml = nullptr;
    QToolBar *toolbarCss = nullptr;
    QToolBar *toolbarJs = nullptr;
    QToolBar *toolbarAsp = nullptr;
    QToolBar *AspObjToolbar = nullptr;
    QToolBar *toolbarScript = nullptr;
    QToolBar *toolbarAndet = nullptr;
    QToolBar *toolbarFtp = nullptr;
    QLineEdit *infoEditHtml = nullptr;
    QLineEdit *infoEditCss = nullptr;
    QLineEdit *findEdit = nullptr;
    QLineEdit *infoEditAsp = nullptr;
    QLineEdit *infoEditJs = nullptr;
    QLineEdit *findEditAndet = nullptr;
    QToolButton *defaultStrukButton = nullptr;   // on the pane's own tool bar
    TObjektPanel *strukturpanel = nullptr;
    TJsPanel *JsPanel = nullptr;
    QSplitter *strukturSplitter = nullptr;
    // The tool bars' own buttons
    QToolButton *strukturKnapHTML = nullptr, *strukturKnapCSS = nullptr, *strukturKnapJs = nullptr,
                *aspKnap = nullptr, *strukturKnap = nullptr, *strukturKnapAndet = nullptr;
    QToolButton *findKnapHtml = nullptr, *findKnap = nullptr, *findKnapJs = nullptr, *findKnapAsp = nullptr,
                *findOrdKnap = nullptr, *findOrdKnapAndet = nullptr;
    QToolButton *selectorInfoKnap = nullptr, *nySelectorKnap = nullptr, *htmlPuKnap = nullptr, *htmlPuKnap1 = nullptr,
                *incButton = nullptr, *tsVbAbc = nullptr, *vbsKnap = nullptr;
    QPlainTextEdit *uploadInfo = nullptr;
    gendan::TGendanVagt *gendanVagt = nullptr;   // keeps the recovery copy while modified

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QToolBar *lavToolbar(const QString &name, QLineEdit **search, const QString &searchName);
    // The buttons, fields and menus of the tool bars by type, and the pane beside the text.
    void fyldRedskaber();
    void lavObjektPanel();
    void indlaesObjektStruktur();
    void indlaesFil();
    void afterCaretMove();

    Tmainform *m_main;
};
