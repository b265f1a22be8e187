#pragma once
// Tmainform: the main window. It holds the document windows, their tabs, the code book,
// the side panels, the menus and tool bar, and the program-wide settings.

#include "codewriting/dokumentvaert.h"
#include "shell/filtyper.h"
#include "shell/mainopt.h"
#include "shell/spmform.h"

#include <QFont>
#include <QList>
#include <QMainWindow>
#include <QStringList>
#include <QUrl>

#include <functional>

class QAction;
class QFileSystemWatcher;
class QTimer;
class QCheckBox;
class QKeyEvent;
class QLabel;
class QMdiArea;
class QMenu;
class QSplitter;
class QTabBar;
class TKnapBar;
class TKodeListe;
class QTabWidget;
class QToolBar;
class QToolButton;
class TEditor;
class Tinfoform;
class Tinfotag;
class Tkontrolform;
class Tstrukturform;
class Tnewform;
class Topenform;
class Ttypeform;
class Twinform;
class TFilPanel;
class Topenfilform;
class TReopenFiler;
class Tfindform;
class TfindDialog;
class Tprintform;
class TftpForm;
class TftpUpload;
class Tegenskabsform;
class Teditfontform;
class TFuldfoerer;
class TPartnerTag;
class TVisningsrude;
namespace gendan {
class TGendanLager;
struct GendanPost;
}

class Tmainform : public QMainWindow, public TDokumentVaert {
    Q_OBJECT
public:
    // params: files from the command line, opened at the first showing.
    explicit Tmainform(const QStringList &params = {}, QWidget *parent = nullptr);
    ~Tmainform() override;

    // --- Documents
    // Opens a file (or a new document of type aExt when Name is empty); returns the window
    // that shows it, or nullptr when the file went to the desktop or was ignored.
    Twinform *openwin(const QString &Name, const QString &aExt);
    Twinform *aktivWin() const;
    QList<Twinform *> dokumenter() const;   // in creation order
    void aabnDroppedeFiler(const QList<QUrl> &urls);
    // Files a second start of the program handed over: the window comes forward and opens them.
    void aabnFraAndenStart(const QStringList &files);

    // Saving. Each returns true when the document was written.
    bool Gem(Twinform *win);
    bool GemSomDokument(Twinform *win);
    bool GemSom(Twinform *win, const QString &Filnavnet);

    // The first window other than `undtagen` on the file (compared without regard to case).
    Twinform *vinduePaaFil(const QString &filnavn, const Twinform *undtagen = nullptr) const;
    // A document's file changed on disk, or may have (a watcher's signal, the program coming
    // forward): an unmodified document reads it again, a modified one asks; a deleted file
    // is reported and the document stays, modified.
    void tjekFilUdefra(Twinform *win);
    // The watched files follow the open documents' names.
    void opdaterOvervaagning();
    // Asks one window to close; false when the user kept it open.
    bool lukDokument(Twinform *win);

    // Closing: closes every document, stopping at the first "Annuller".
    void lukAlleDokumenter();
    // Steps a closing document window runs once it is sure to close.
    void dokumentLukker(Twinform *win);

    // --- Recovery of unsaved work (kept under Gendan/ while a document is modified)
    gendan::TGendanLager *gendanLager() const { return m_gendan; }
    // At start-up: offers the texts an earlier run left behind.
    void tilbydGendannelse();
    // Opens a left-behind text as a modified document with its own name and encoding.
    Twinform *gendanDokument(const gendan::GendanPost &post);
    // The text a window being made shows instead of its file's (while restoring).
    const QString *gendannetTekst() const { return m_gendannetTekst; }

    // --- Tabs
    void InsertTab(const QString &capNavn);
    void RenameTab(const QString &oldCap, const QString &newCap);
    void CloseTab(const QString &capNavn);
    void SetTCindex();
    void tcChange(int index);

    // --- Status and code
    void winInfo() override;
    void getKode();
    void attachEditor(TEditor *edit);
    void visInfo(const QString &text) override;
    void Info(const QString &hint);   // the long part of a hint ("short|long") into the status bar
    void autokodeCheckClick();

    // --- New documents
    void nytHtml();                 // AnewHtml: the page skeleton
    void nytAsp();                  // MpuAsp
    void nytWsf();                  // MpuWsf
    void nytAsa();                  // MpuAsa
    void AnewDokumentExecute();     // "Nyt dokument..."
    void mKlicheDokumentClick();    // "Fra kliche..."
    void FileOpenExecute();
    // Writes lines with InsertLine into the active (new, empty) window; the line at caretLine
    // remembers the caret, the last line brings it back there.
    void skrivLinier(const QStringList &lines, int caretLine);

    // --- File types
    void LoadFilliste();
    void byggFilter(bool medVaelger);
    void GemTypeliste(const QList<shell::Filtype> &typer);
    void visFiltyper();
    Ttypeform *typeform();
    Topenform *openform();
    Tnewform *newform();

    // Enables the commands by the open documents and the active one's state.
    void opdaterActions();

    // --- Information (mainform_info.cpp)
    // Opens an entry of an information structure in the browser.
    void HelpInfo(const QString &structure, const QString &title) override;
    // Tests take the requests instead of opening the browser; an empty function restores it.
    void setHelpInfoHandler(std::function<void(const QString &, const QString &)> handler) { m_helpInfoHandler = std::move(handler); }
    Tinfoform *infoform();             // made on first use
    Tstrukturform *strukturform();     // made on first use
    bool harInfoform() const { return m_infoform != nullptr; }
    void AinformationExecute();
    void AcssInformationExecute();
    void AjsInformationExecute();
    void AvbsInformationExecute();
    // The browser's "Alle strukturer" menu from the folder of structures.
    void createStrukturPU();
    TEditor *aabnFil(const QString &path, const QString &ext = {}) override;
    // A saved document that is the information page being edited shows again in the browser.
    void infoSideGemt(const Twinform *w);
    void lukFil(const QString &path) override;
    int visuelStil() const override;

    // --- What the subsystems may ask of the main window
    QWidget *vaertsvindue() override { return this; }
    Tinfotag *tagKomponent() override { return taginf; }
    TEditor *aktivEditor() const override;
    TEditor *nytDokument(const QString &ext, const QString &text) override;
    void dokumentKommando(QAction *action) override;
    QString cssEgenskabsliste() const override { return findCssFilename; }
    bool spoergJa(const QString &question, QWidget *owner = nullptr) override;
    bool spoergJaNejForvalgt(const QString &question, QWidget *owner = nullptr) override;
    bool gemAktivSom(const QString &path) override;
    void visFilMappe(const QString &folder) override;
    bool erTekstType(const QString &ext) const override;
    QList<Dokument> aabneDokumenter() const override;
    TEditor *visDokument(const QString &capNavn) override;
    QString filPanelMappe() const override;
    QString filPanelFil() const override;
    Filter filPanelFilter() const override;

    // --- Files: the file browser, the file panel and the recent lists
    Topenfilform *openfilform();      // made on first use
    TFilPanel *filpanel() const { return m_filPanel; }
    TReopenFiler *ReopenFiler = nullptr;
    TReopenFiler *ReopenDir = nullptr;
    QMenu *MReopen = nullptr;
    QMenu *MReopenDir = nullptr;
    QAction *AInsertInSenesteFiler = nullptr, *AInsertInSenesteMapper = nullptr;
    void ReopenFilerKlik(const QString &Filnavn);
    void ReopenDirKlik(const QString &Filnavn);
    void aGemFunkExecute();

    // --- Search, printing, FTP and the settings dialog (each made on first use)
    Tfindform *findform();
    TfindDialog *findDialog(bool erstat);
    Tprintform *printform();
    TftpForm *ftpForm();
    TftpUpload *ftpUpload();
    Tegenskabsform *egenskabsform();
    Teditfontform *editfontform();
    void lavSoegMenu(QMenu *soeg);
    // Printing, the settings dialog and the upload commands in the "Fil" menu.
    void lavFilMenuEkstra(QMenu *fil);
    void AprintDokumentExecute();
    void AuploadExecute();
    void AuploadFileExecute();
    // Uploads one file with the settings in force; asks for missing settings first.
    void uploadFile(const QString &filnavn);
    // A status text of the FTP client: into the active document's upload log when it shows.
    void ftpUploadStatus(const QString &text);
    // Sets a document window's FTP tool bar up.
    void fyldFtpBar(Twinform *win);
    // The document tool bars' commands: the object structures the user built (sorted),
    // "Søg i information..." with a text, a snippet by its name, and the capitalisation of
    // VBScript words after the VBScript reference.
    QStringList konstrueredeObjektStrukturer() const;
    void soegIInformation(const QString &tekst);
    void skrivSnippet(const QString &navn);
    void retVbOrd(Twinform *win);
    // Shows the FTP settings window; writes its settings when closed with "Anvend".
    bool visFtpEgenskaber();
    void mEgenskaberClick();
    // Every open document takes the editor font.
    void skiftEditorFont();
    // The FTP buttons of the file panel and the document windows follow visFtpFunktioner.
    void visFtpKnapper();
    QAction *AprintDokument = nullptr, *Aupload = nullptr, *AuploadFile = nullptr, *mEgenskaber = nullptr;

    // --- Line numbers in every document (Vis menu), kept in Egenskaber/linjenumre.txt
    bool linjenumre() const { return m_linjenumre; }
    void setLinjenumre(bool on);

    // --- Code panels
    void fyldKodeliste(int k);
    void fyldAttributKategori(int k);
    void fyldAttributliste(const QString &t);
    void fyldBetweenliste(const QString &t);
    void fyldValueliste(const QString &t, const QString &a);
    void kodelisteSel(const QString &aKode);
    // Quick attributes: class, id, style, onclick into the start tag at the caret.
    void hurtigAttribut(const QString &attribut);

    // --- The HTML check
    Tkontrolform *kontrolform();   // made on first use
    void AkontrolExecute();
    void ReadHtmlStruktur();
    void KontrolGotoTag();
    void visAttributter();
    void kontrolMSlutkoder();
    void kontrolFmSlutkoder();
    void kontrolKoder();
    void kontrolAttributter();
    // The checked document closes: the tree empties and the window closes.
    void lukKontrol(int docNo);

    // --- Completion as you type, the matching tag, the findings in the text (mainform_visning.cpp)
    void startVisning();
    void visningTilknyt(TEditor *edit);   // each document's edit control, on activation
    void setFuldfoerelse(bool on);
    TFuldfoerer *fuldfoerer() const { return m_fuldfoerer; }
    void AmatchTagExecute();
    void visKontrolFund();     // after a check: its findings underlined in the checked document
    void fjernKontrolFund();
    QAction *AmatchTag = nullptr;
    // The live preview beside the documents (Vis menu, tool bar, Ctrl+Alt+P).
    void AforhaandsvisningExecute(bool on);
    // Moves and narrows the document windows that reach past the document area's right edge
    // (after the preview took part of it), so none hides behind the preview.
    void tilpasVinduer();
    TVisningsrude *visningsrude() const { return m_visningsrude; }
    QAction *Aforhaandsvisning = nullptr;

    // --- Settings
    void hentMainOpt();
    void standardMainOpt();
    void gemMainOpt();
    QFont editorFont() const;

    // Whether a key press is the shortcut of one of the document commands.
    bool erProgramGenvej(const QKeyEvent *event) const;

    // --- Shared
    Tspmform::Svar spoerg(const QString &question, const Tspmform::Knapper &knapper = {});
    void visEditMenu(const QPoint &globalPos);

    // Program folder fields (all paths end with "/")
    QString programdir, optdir, optfil;
    QString htmllistedir, attributedir, betweendir, valuedir;
    QString findCssFilename, typelisteNavn, klichedir, ikondir, dir;
    QString brugernavn;
    QString designName;
    int PanelPlacering = 3;
    bool visFtpFunktioner = false;
    bool autoSenesteFM = false;
    QString jsObjektName;
    bool knapboks1 = false, knapboks2 = false, knapboks3 = false, knapboks4 = false;
    int objStrukturBredde = 240;
    bool opstart = true;
    int newCount = 0;
    int strukturNo = -1;
    bool LukProgram = true;
    QString newDocFilename;
    QString infoS;   // pending word of the HTML information command
    QString infoCSS; // pending word of the CSS information command
    QString strukturdir;   // the information structures, with "/"
    QString Koden = QStringLiteral("a");   // the current tag of the code panels
    QString Attributten;                   // the current attribute of the value list
    Tinfotag *taginf = nullptr;
    QStringList filliste;                   // the file type list, three lines per type
    QList<shell::FilterEntry> filterListe;  // the file panel's filter entries
    QStringList manglendeFiler;   // data files missing at start-up, reported once

    // Controls
    QToolBar *toolbar = nullptr;
    QTabBar *tc = nullptr;
    QTabWidget *bog = nullptr;
    QToolBar *ForsideBar = nullptr;
    QToolButton *ToolButton51 = nullptr;   // the text box
    QToolButton *ToolButton52 = nullptr;   // special characters
    QMdiArea *mdi = nullptr;
    QSplitter *arbejdsflade = nullptr;
    QWidget *KodePanel = nullptr;
    QWidget *AttributPanel = nullptr;
    QWidget *filPanel = nullptr;
    QCheckBox *autokodeCheck = nullptr;
    TKnapBar *KodeBar = nullptr;
    TKnapBar *ToolBar1 = nullptr;
    TKodeListe *kodeliste = nullptr;
    TKodeListe *betweenliste = nullptr;
    TKodeListe *attributliste = nullptr;
    TKodeListe *valueliste = nullptr;
    QSplitter *kodeSplitter = nullptr;
    QSplitter *attributSplitter = nullptr;
    QLabel *infobar = nullptr;
    QToolButton *newHtmlKnap = nullptr;
    QToolButton *fileNewKnap = nullptr;
    QToolButton *fraKlicheKnap = nullptr;

    // Commands
    QAction *FileNew = nullptr, *AnewHtml = nullptr, *AnewDokument = nullptr, *FileOpen = nullptr;
    QAction *mFraKliche = nullptr;
    QAction *FileSave = nullptr, *FileSaveAs = nullptr, *FileExit = nullptr;
    QAction *EditUndo = nullptr, *EditRedo = nullptr, *EditCut = nullptr, *EditCopy = nullptr, *EditPaste = nullptr;
    QAction *EditSelectAll = nullptr, *EditDelete = nullptr, *pasteFromInfo = nullptr;
    QAction *Akodepanel = nullptr, *Aattributpanel = nullptr, *Akodebog = nullptr;
    QAction *AcssBoks = nullptr, *Afilpanel = nullptr, *AlinjeNumre = nullptr;
    QAction *WindowCascade = nullptr, *WindowTileHorizontal = nullptr, *WindowTileVertical = nullptr;
    QAction *WindowMinimizeAll = nullptr, *WindowArrange = nullptr;
    QAction *FileClose = nullptr, *ALukAlleDoc = nullptr;
    QAction *Aprograminfo = nullptr, *AversionsInfo = nullptr;
    QAction *Ainformation = nullptr, *AcssInformation = nullptr, *AjsInformation = nullptr, *AvbsInformation = nullptr;
    QAction *mStrukturKon = nullptr, *mFindIInformation = nullptr;
    QAction *Ago = nullptr, *Aslutkode = nullptr, *Akontrol = nullptr;
    QAction *AfindHtml = nullptr, *AfindCss = nullptr;
    QAction *mFiltyper = nullptr, *aGemFunk = nullptr;
    QAction *MpuAsp = nullptr, *MpuAsa = nullptr, *MpuWsf = nullptr;
    QAction *AclassAttribut = nullptr, *AidAttribut = nullptr, *AstyleAttribut = nullptr, *AonclickEvent = nullptr;

    void AslutkodeExecute();
    void AfindHtmlExecute();
    void AfindCssExecute();

    // Panel toggles
    void AkodepanelExecute();
    void AattributpanelExecute();
    void AkodebogExecute();
    void AfilpanelExecute();

signals:
    // The file panel's filter entries changed.
    void filterAendret(const QList<shell::FilterEntry> &entries);
    // A document was written under this name (the file panel and browser refresh on it).
    void dokumentGemt(const QString &filnavn);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The file handling's parts of creating, closing and the menus (mainform_filpanel.cpp).
    QWidget *lavFilPanel();
    void lavSenesteMenuer(QMenu *fil);
    void startFilhaandtering();
    void gemFilhaandtering();
    void senesteVedLuk(Twinform *win);
    void opdaterFilActions();
    void visSenesteMapper(QMenu *menu);
    TFilPanel *m_filPanel = nullptr;
    Topenfilform *m_openfilform = nullptr;
    // Writes the text in its encoding (asking before changing it); false when nothing was written.
    bool skrivDokument(Twinform *win, const QString &path);
    void FormCreate();
    void FormShow();
    void lavActions();
    void lavInfoActions();
    void lavInfoMenuer(QMenu *soeg, QMenu *struktur, QMenu *info, QMenu *infoSub, QMenu *komp);
    void lukInfoVinduer();
    void lavMenuer();
    void lavToolbar();
    void lavArbejdsflade();
    void lavKodepaneler();
    void startKodepaneler();
    void opdaterKodeActions();   // end tag and quick attributes follow the caret analysis
    void lavKodebog();
    QWidget *lavForside();     // the page "Koder"
public:
    // Writes a tag-menu entry: the text before the caret and the text after it.
    void skrivTagmenu(const QString &caption);
private:
    void kodebogLille();       // first page, low height
    // Creates, places and fills a document window (newDocFilename set by the caller).
    Twinform *nytVindue(const QString &docExt);
    // Brings a document window forward with the keyboard in its text.
    void aktiverDokument(Twinform *w);
    void anvendMainOpt(const shell::MainOpt &o);
    void anvendPanelPlacering();
    void onSubWindowActivated();
    void tileHorizontally();
    void tileVertically();
    void arrangeIcons();
    TEditor *fokusEdit() const;
    void visVersionsInfo();
    QAction *lavAction(const char *name, const QString &caption, const QString &hint,
                       const QKeySequence &shortcut = {}, const char *icon = nullptr);

    QStringList m_params;
    shell::MainOpt m_opt;              // values of panels that keep them until exit
    Ttypeform *m_typeform = nullptr;
    Topenform *m_openform = nullptr;
    Tnewform *m_newform = nullptr;
    Tkontrolform *m_kontrolform = nullptr;
    Tinfoform *m_infoform = nullptr;
    std::function<void(const QString &, const QString &)> m_helpInfoHandler;
    Tstrukturform *m_strukturform = nullptr;
    Tfindform *m_findform = nullptr;
    TfindDialog *m_findDialog = nullptr;
    TfindDialog *m_erstatDialog = nullptr;
    Tprintform *m_printform = nullptr;
    TftpForm *m_ftpForm = nullptr;
    TftpUpload *m_ftpUpload = nullptr;
    Tegenskabsform *m_egenskabsform = nullptr;
    Teditfontform *m_editfontform = nullptr;
    QList<QAction *> m_documentActions; // enabled only while a document is open
    bool m_linjenumre = true;
    gendan::TGendanLager *m_gendan = nullptr;
    const QString *m_gendannetTekst = nullptr;
    void startGendanVagt(Twinform *w);
    // A recovery copy could not be written: said in the status bar each time, and in a
    // message the first time in a run.
    void gendanSkrivFejl(const QString &besked);
    bool m_gendanFejlVist = false;
    TFuldfoerer *m_fuldfoerer = nullptr;
    TPartnerTag *m_partnerTag = nullptr;
    TVisningsrude *m_visningsrude = nullptr;
    // Files changed by other programs
    QFileSystemWatcher *m_filVagt = nullptr;
    QTimer *m_filVagtTimer = nullptr;      // gathers a burst of signals into one check
    QStringList m_aendredeFiler;
    bool m_tjekkerFil = false;
    // Asked just before a document is written: false when it must not be (the user chose
    // not to overwrite another program's version, or the text was read again).
    bool maaOverskrive(Twinform *win);
    // The question about a file another program changed while the document is modified.
    Tspmform::Svar spoergOmAendretFil(Twinform *win);
    void lavFilVagt();
    void filVagtSignal(const QString &path);
    void tjekAendredeFiler();
};
