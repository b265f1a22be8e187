// The main window's commands: actions, menus and the main tool bar.

#include "shell/mainform.h"

#include "platform/infobox.h"
#include "platform/shellopen.h"
#include "shell/winform.h"

#include <QAction>
#include <QKeyEvent>
#include <QApplication>
#include <QClipboard>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include "editor/editor.h"
#include <QToolBar>
#include <QToolButton>

QAction *Tmainform::lavAction(const char *name, const QString &caption, const QString &hint,
                              const QKeySequence &shortcut, const char *icon)
{
    auto *a = new QAction(caption, this);
    a->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty())
        a->setShortcut(shortcut);
    // A hint is "short|long": the short part is the tool tip, the long one the status text.
    const qsizetype bar = hint.indexOf(u'|');
    a->setToolTip(bar < 0 ? hint : hint.left(bar));
    a->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
    if (icon)
        a->setIcon(QIcon::fromTheme(QString::fromLatin1(icon)));
    return a;
}

void Tmainform::lavActions()
{
    // File
    FileNew = lavAction("FileNew", QStringLiteral("Nyt dokument"), QStringLiteral("Åben et nyt ukendt dokument: Ctrl+N"),
                        QKeySequence(QStringLiteral("Ctrl+N")), "document-new");
    connect(FileNew, &QAction::triggered, this, [this] { openwin({}, {}); });
    AnewHtml = lavAction("AnewHtml", QStringLiteral("Nyt html dokument"), QStringLiteral("Nyt dokument med grundkode: Ctrl+H"),
                         QKeySequence(QStringLiteral("Ctrl+H")), "text-html");
    connect(AnewHtml, &QAction::triggered, this, &Tmainform::nytHtml);
    AnewDokument = lavAction("AnewDokument", QStringLiteral("Nyt dokument..."), QStringLiteral("Vælg nyt dokument: Ctrl+D"),
                             QKeySequence(QStringLiteral("Ctrl+D")), "document-new-from-template");
    connect(AnewDokument, &QAction::triggered, this, &Tmainform::AnewDokumentExecute);
    mFraKliche = lavAction("mFraKliche", QStringLiteral("Fra kliche..."), QStringLiteral("Nyt dokument ud fra filtype med/uden klichee"),
                           {}, "text-x-generic-template");
    connect(mFraKliche, &QAction::triggered, this, &Tmainform::mKlicheDokumentClick);
    FileOpen = lavAction("FileOpen", QStringLiteral("Åben dokument..."), QStringLiteral("Åben et eksisterende dokument: Ctrl+O"),
                         QKeySequence(QStringLiteral("Ctrl+O")), "document-open");
    connect(FileOpen, &QAction::triggered, this, &Tmainform::FileOpenExecute);
    mFiltyper = lavAction("mFiltyper", QStringLiteral("Bestem filtyper..."), QStringLiteral("Bestem filtyper til filtypebokse"));
    connect(mFiltyper, &QAction::triggered, this, &Tmainform::visFiltyper);
    // Switches the visible file browser to saving.
    aGemFunk = lavAction("aGemFunk", QStringLiteral("Gem funktion"), QStringLiteral("Aktiver gemfunktion"), {}, "document-save");
    aGemFunk->setEnabled(false);
    connect(aGemFunk, &QAction::triggered, this, &Tmainform::aGemFunkExecute);
    FileSave = lavAction("FileSave", QStringLiteral("Gem"), QStringLiteral("Gem aktuelle dokument: Ctrl+S"),
                         QKeySequence(QStringLiteral("Ctrl+S")), "document-save");
    connect(FileSave, &QAction::triggered, this, [this] {
        Twinform *w = aktivWin();
        if (w && Gem(w))
            infoSideGemt(w);
    });
    FileSaveAs = lavAction("FileSaveAs", QStringLiteral("Gem som..."), QStringLiteral("Gem aktuelle dokument med et nyt navn: Ctrl+Alt+S"),
                           QKeySequence(QStringLiteral("Ctrl+Alt+S")), "document-save-as");
    connect(FileSaveAs, &QAction::triggered, this, [this] { if (auto *w = aktivWin()) GemSomDokument(w); });
    FileExit = lavAction("FileExit", QStringLiteral("Luk program"), QStringLiteral("Luk program: Ctrl+Q"),
                         QKeySequence(QStringLiteral("Ctrl+Q")), "application-exit");
    connect(FileExit, &QAction::triggered, this, &QWidget::close);

    // Edit: act on the focused edit control
    EditUndo = lavAction("EditUndo", QStringLiteral("Annuller"), QStringLiteral("Annuller|Annuller seneste ændring: Ctrl+Z"),
                         QKeySequence(QStringLiteral("Ctrl+Z")), "edit-undo");
    EditRedo = lavAction("EditRedo", QStringLiteral("Fortryd igen"),
                         QStringLiteral("Fortryd igen|Gør den seneste annullering om: Ctrl+Y"),
                         QKeySequence(QStringLiteral("Ctrl+Y")), "edit-redo");
    EditCut = lavAction("EditCut", QStringLiteral("Klip"), QStringLiteral("Klip|Klip valgte tekst: Ctrl+X"),
                        QKeySequence(QStringLiteral("Ctrl+X")), "edit-cut");
    EditCopy = lavAction("EditCopy", QStringLiteral("Kopier"), QStringLiteral("Kopier|Kopier valgte tekst: Ctrl+C"),
                         QKeySequence(QStringLiteral("Ctrl+C")), "edit-copy");
    EditPaste = lavAction("EditPaste", QStringLiteral("Sæt ind"), QStringLiteral("Sæt ind|Sæt tekst ind fra udklipsholderen: Ctrl+V"),
                          QKeySequence(QStringLiteral("Ctrl+V")), "edit-paste");
    EditSelectAll = lavAction("EditSelectAll", QStringLiteral("Vælg alt"), QStringLiteral("Vælg alt|Vælg hele teksten: Ctrl+A"),
                              QKeySequence(QStringLiteral("Ctrl+A")), "edit-select-all");
    EditDelete = lavAction("EditDelete", QStringLiteral("Slet"), QStringLiteral("Slet|Slet valgte tekst: Del"),
                           QKeySequence(QStringLiteral("Del")), "edit-delete");
    // The edit control handles these keys itself; the shortcuts only label the menu.
    for (QAction *a : {EditUndo, EditRedo, EditCut, EditCopy, EditPaste, EditSelectAll, EditDelete})
        a->setShortcutContext(Qt::WidgetShortcut);
    connect(EditUndo, &QAction::triggered, this, [this] { if (auto *e = fokusEdit()) e->undo(); });
    connect(EditRedo, &QAction::triggered, this, [this] { if (auto *e = fokusEdit()) e->redo(); });
    connect(EditCut, &QAction::triggered, this, [this] { if (auto *e = fokusEdit()) e->cut(); });
    connect(EditCopy, &QAction::triggered, this, [this] { if (auto *e = fokusEdit()) e->copy(); });
    connect(EditPaste, &QAction::triggered, this, [this] { if (auto *e = fokusEdit()) e->paste(); });
    connect(EditSelectAll, &QAction::triggered, this, [this] { if (auto *e = fokusEdit()) e->selectAll(); });
    connect(EditDelete, &QAction::triggered, this, [this] { if (auto *e = fokusEdit()) e->deleteForward(); });
    // Text copied from an information page arrives as plain text at the caret.
    pasteFromInfo = lavAction("pasteFromInfo", QStringLiteral("Indsæt fra information"),
                              QStringLiteral("Indsætter tekst, der er kopieret i en informationsfil"),
                              QKeySequence(QStringLiteral("Ctrl+W")), "insert-text");
    connect(pasteFromInfo, &QAction::triggered, this, [this] {
        if (auto *e = aktivEditor()) {
            e->replaceSelection(QApplication::clipboard()->text());
            e->setFocus();
            winInfo();
        }
    });

    // View
    Akodepanel = lavAction("Akodepanel", QStringLiteral("Kodepanel"), QStringLiteral("Vis/Skjul kodepanelet"), {}, "view-list-details");
    Aattributpanel = lavAction("Aattributpanel", QStringLiteral("Attributpanel"), QStringLiteral("Vis/Skjul attributpanelet"), {}, "view-list-text");
    Akodebog = lavAction("Akodebog", QStringLiteral("Kodebogen"), QStringLiteral("Vis/Skjul kodebogen"), {}, "bookmarks");
    AcssBoks = lavAction("AcssBoks", QStringLiteral("CSS boksen..."), QStringLiteral("Vis CSS boksen"), {}, "text-css");
    AcssBoks->setEnabled(false);
    Afilpanel = lavAction("Afilpanel", QStringLiteral("Filpanel"), QStringLiteral("Vis/Skjul filpanelet"), {}, "folder");
    for (QAction *a : {Akodepanel, Aattributpanel, Akodebog, Afilpanel})
        a->setCheckable(true);
    connect(Akodepanel, &QAction::triggered, this, &Tmainform::AkodepanelExecute);
    connect(Aattributpanel, &QAction::triggered, this, &Tmainform::AattributpanelExecute);
    connect(Akodebog, &QAction::triggered, this, &Tmainform::AkodebogExecute);
    connect(Afilpanel, &QAction::triggered, this, &Tmainform::AfilpanelExecute);
    AlinjeNumre = lavAction("AlinjeNumre", QStringLiteral("Linjenumre"), QStringLiteral("Vis/Skjul linjenumre i dokumenterne"));
    AlinjeNumre->setCheckable(true);
    AlinjeNumre->setChecked(true);
    connect(AlinjeNumre, &QAction::triggered, this, &Tmainform::setLinjenumre);

    // Window
    WindowCascade = lavAction("WindowCascade", QStringLiteral("Kaskade"), QStringLiteral("Kaskade|Læg vinduerne over hinanden"), {}, "window-duplicate");
    WindowTileHorizontal = lavAction("WindowTileHorizontal", QStringLiteral("Arranger horizontalt"),
                                     QStringLiteral("Arranger horizontalt|Vinduerne under hinanden"), {}, "view-split-top-bottom");
    WindowTileVertical = lavAction("WindowTileVertical", QStringLiteral("Arranger vertikalt"),
                                   QStringLiteral("Arranger vertikalt|Vinduerne ved siden af hinanden"), {}, "view-split-left-right");
    WindowMinimizeAll = lavAction("WindowMinimizeAll", QStringLiteral("Minimer alle"), QStringLiteral("Minimer alle vinduer"), {}, "window-minimize");
    WindowArrange = lavAction("WindowArrange", QStringLiteral("Arranger alle"), QStringLiteral("Arranger de minimerede vinduer"), {}, "view-grid");
    connect(WindowCascade, &QAction::triggered, mdi, &QMdiArea::cascadeSubWindows);
    connect(WindowTileHorizontal, &QAction::triggered, this, &Tmainform::tileHorizontally);
    connect(WindowTileVertical, &QAction::triggered, this, &Tmainform::tileVertically);
    connect(WindowMinimizeAll, &QAction::triggered, this, [this] {
        for (Twinform *w : dokumenter()) w->showMinimized();
    });
    connect(WindowArrange, &QAction::triggered, this, &Tmainform::arrangeIcons);
    FileClose = lavAction("FileClose", QStringLiteral("Luk dokument"), QStringLiteral("Luk aktuelle dokument: Ctrl+L"),
                          QKeySequence(QStringLiteral("Ctrl+L")), "document-close");
    connect(FileClose, &QAction::triggered, this, [this] {
        if (auto *w = aktivWin()) {
            LukProgram = true;
            w->close();
        }
    });
    ALukAlleDoc = lavAction("ALukAlleDoc", QStringLiteral("Luk alle dokumenter"), QStringLiteral("Lukker alle åbne dokumenter"), {}, "window-close");
    connect(ALukAlleDoc, &QAction::triggered, this, &Tmainform::lukAlleDokumenter);

    // Information
    Aprograminfo = lavAction("Aprograminfo", QStringLiteral("Program information..."), QStringLiteral("Program information: F1"),
                             QKeySequence(QStringLiteral("F1")), "help-contents");
    AversionsInfo = lavAction("AversionsInfo", QStringLiteral("Versions information..."), QStringLiteral("Versions information"), {}, "help-about");
    connect(AversionsInfo, &QAction::triggered, this, &Tmainform::visVersionsInfo);

    // Document commands carried by the document windows' tool bars
    Ago = lavAction("Ago", QStringLiteral("Aktiver scriptet"), QStringLiteral("Aktiver scriptet: F9"),
                    QKeySequence(QStringLiteral("F9")), "system-run");
    connect(Ago, &QAction::triggered, this, [this] {
        Twinform *w = aktivWin();
        if (!w) return;
        if (w->Filnavn.isEmpty())
            GemSomDokument(w);
        else if (w->isModified())
            Gem(w);
        if (!w->Filnavn.isEmpty())
            platform::shellOpen(w->Filnavn);
        else
            platform::infoBox(this, QStringLiteral("Scriptet kan ikke køres.\rDer mangler et filnavn!"));
    });
    Aslutkode = lavAction("Aslutkode", QStringLiteral("Indsæt slutkode"), QStringLiteral("Indsæt slutkode til aktuelle kode: Ctrl+K"),
                          QKeySequence(QStringLiteral("Ctrl+K")), "format-text-code");
    connect(Aslutkode, &QAction::triggered, this, &Tmainform::AslutkodeExecute);
    Akontrol = lavAction("Akontrol", QStringLiteral("Kontroller html-siden"),
                         QStringLiteral("Kontroller siden for koder og attributter: Ctrl+Alt+K"),
                         QKeySequence(QStringLiteral("Ctrl+Alt+K")), "tools-check-spelling");
    connect(Akontrol, &QAction::triggered, this, &Tmainform::AkontrolExecute);
    AfindHtml = lavAction("AfindHtml", QStringLiteral("Vis html-kode"), QStringLiteral("Vis aktuelle html-kode i kodepanelet: Ctrl+Ins"),
                          QKeySequence(QStringLiteral("Ctrl+Ins")), "code-context");
    connect(AfindHtml, &QAction::triggered, this, &Tmainform::AfindHtmlExecute);
    AfindCss = lavAction("AfindCss", QStringLiteral("Vis CSS-egenskab"), QStringLiteral("Vis aktuelle css-egenskab i css-boksen: Alt+Ins"),
                         QKeySequence(QStringLiteral("Alt+Ins")), "code-class");
    connect(AfindCss, &QAction::triggered, this, &Tmainform::AfindCssExecute);
    // Quick attributes into the start tag at the caret.
    const std::tuple<QAction **, const char *, const char *, const char *, const char *, const char *> hurtige[] = {
        {&AclassAttribut, "AclassAttribut", "Indsæt class-attribut", "Ctrl+Alt+A", "class", "code-class"},
        {&AidAttribut, "AidAttribut", "Indsæt id-attribut", "Ctrl+Alt+B", "id", "code-variable"},
        {&AstyleAttribut, "AstyleAttribut", "Indsæt style-attribut", "Ctrl+Alt+C", "style", "format-stroke-color"},
        {&AonclickEvent, "AonclickEvent", "Indsæt onclick-event", "Ctrl+Alt+D", "onclick", "input-mouse"}};
    for (const auto &[action, name, caption, key, attribut, ikon] : hurtige) {
        const QString tekst = QString::fromUtf8(caption);
        *action = lavAction(name, tekst, tekst + QStringLiteral(" i aktuelle kode: ") + QString::fromLatin1(key),
                            QKeySequence(QString::fromLatin1(key)), ikon);
        const QString a = QString::fromLatin1(attribut);
        connect(*action, &QAction::triggered, this, [this, a] { hurtigAttribut(a); });
    }
    addActions({Ago, Aslutkode, Akontrol, AfindHtml, AfindCss, AclassAttribut, AidAttribut, AstyleAttribut, AonclickEvent});

    lavInfoActions();

    m_documentActions = {FileSave, FileSaveAs, EditUndo, EditRedo, EditCut, EditCopy, EditPaste, pasteFromInfo, EditSelectAll,
                         EditDelete, WindowCascade, WindowTileHorizontal, WindowTileVertical,
                         WindowMinimizeAll, WindowArrange, FileClose, Ago, AfindHtml, AfindCss, Akontrol};
}

void Tmainform::lavMenuer()
{
    QMenuBar *bar = menuBar();

    QMenu *fil = bar->addMenu(QStringLiteral("&Fil"));
    fil->setObjectName(QStringLiteral("mFil"));
    QMenu *nyt = fil->addMenu(QIcon::fromTheme(QStringLiteral("document-new")), QStringLiteral("Nyt dokument"));
    nyt->setObjectName(QStringLiteral("mNytDokument"));
    nyt->addAction(AnewHtml);
    const std::pair<const char *, std::pair<const char *, const char *>> typer[] = {
        {"Mcss", {"Stylesheet", ".css"}}, {"Mjs", {"Javascript", ".js"}}, {"Masp", {"Asp", ".asp"}},
        {"Minc", {"Includefile", ".inc"}}, {"Mtxt", {"Tekstdokument", ".txt"}}};
    for (const auto &[name, t] : typer) {
        QAction *a = nyt->addAction(QString::fromUtf8(t.first));
        a->setObjectName(QString::fromLatin1(name));
        const QString ext = QString::fromLatin1(t.second);
        connect(a, &QAction::triggered, this, [this, ext] { openwin({}, ext); });
    }
    nyt->addAction(FileNew);
    fil->addAction(mFraKliche);
    fil->addAction(AnewDokument);
    fil->addAction(FileOpen);
    fil->addSeparator();
    lavSenesteMenuer(fil);
    fil->addSeparator();
    fil->addAction(FileSave);
    fil->addAction(FileSaveAs);
    fil->addSeparator();
    lavFilMenuEkstra(fil);
    fil->addAction(mFiltyper);
    fil->addSeparator();
    fil->addAction(FileExit);

    QMenu *rediger = bar->addMenu(QStringLiteral("&Rediger"));
    rediger->setObjectName(QStringLiteral("mRediger"));
    rediger->addActions({EditUndo, EditRedo, EditCut, EditCopy, EditPaste, pasteFromInfo, EditSelectAll, EditDelete});

    QMenu *soeg = bar->addMenu(QStringLiteral("&Søg"));
    soeg->setObjectName(QStringLiteral("mSoeg"));
    lavSoegMenu(soeg);

    QMenu *vis = bar->addMenu(QStringLiteral("&Vis"));
    vis->setObjectName(QStringLiteral("mVis"));
    vis->addActions({Akodepanel, Aattributpanel, Akodebog});
    // The menu's own item for the CSS box, beside the tool bar's button.
    auto *CSSboksen1 = vis->addAction(AcssBoks->icon(), AcssBoks->text());
    CSSboksen1->setObjectName(QStringLiteral("CSSboksen1"));
    CSSboksen1->setStatusTip(QStringLiteral("Vis CSS egenskaber og værdier"));
    CSSboksen1->setToolTip(CSSboksen1->statusTip());
    connect(CSSboksen1, &QAction::triggered, AcssBoks, &QAction::trigger);
    connect(AcssBoks, &QAction::enabledChanged, CSSboksen1, &QAction::setEnabled);
    CSSboksen1->setEnabled(AcssBoks->isEnabled());
    vis->addAction(Afilpanel);
    vis->addSeparator();
    vis->addAction(AlinjeNumre);

    QMenu *vindue = bar->addMenu(QStringLiteral("Vi&ndue"));
    vindue->setObjectName(QStringLiteral("mVindue"));
    vindue->addActions({WindowCascade, WindowTileHorizontal, WindowTileVertical, WindowMinimizeAll, WindowArrange});
    vindue->addSeparator();
    vindue->addActions({FileClose, ALukAlleDoc});

    QMenu *struktur = bar->addMenu(QStringLiteral("S&truktur"));
    struktur->setObjectName(QStringLiteral("mStruktur"));

    QMenu *info = bar->addMenu(QStringLiteral("&Information"));
    info->setObjectName(QStringLiteral("mInformation"));
    info->addAction(Aprograminfo);
    QMenu *infoSub = info->addMenu(QStringLiteral("Information"));
    infoSub->setObjectName(QStringLiteral("mInformationSub"));
    QMenu *komp = new QMenu(QStringLiteral("Komponenter"), info);
    komp->setObjectName(QStringLiteral("mKomponenter"));
    lavInfoMenuer(soeg, struktur, info, infoSub, komp);
    info->addSeparator();
    info->addAction(AversionsInfo);
}

void Tmainform::lavToolbar()
{
    toolbar = addToolBar(QStringLiteral("Værktøjslinie"));
    toolbar->setObjectName(QStringLiteral("toolbar"));
    toolbar->setMovable(false);
    toolbar->setIconSize(QSize(20, 20));

    auto *infoKnap = new QToolButton;
    infoKnap->setObjectName(QStringLiteral("infoKnap"));
    infoKnap->setDefaultAction(AversionsInfo);
    toolbar->addWidget(infoKnap);
    QAction *infRedskabslinien = toolbar->addAction(QIcon::fromTheme(QStringLiteral("help-contents")), QStringLiteral("Information"));
    infRedskabslinien->setObjectName(QStringLiteral("infRedskabslinien"));
    infRedskabslinien->setToolTip(QStringLiteral("Information om redskabslinien"));
    connect(infRedskabslinien, &QAction::triggered, this, [this] { HelpInfo(QStringLiteral("Programmet.txt"), QStringLiteral("Redskabslinien")); });
    toolbar->addSeparator();

    // FileNew with the text types, AnewHtml with the HTML types.
    fileNewKnap = new QToolButton;
    fileNewKnap->setObjectName(QStringLiteral("fileNewKnap"));
    fileNewKnap->setDefaultAction(FileNew);
    fileNewKnap->setPopupMode(QToolButton::MenuButtonPopup);
    auto *fileNewMenu = new QMenu(fileNewKnap);
    const std::pair<const char *, std::pair<const char *, const char *>> tekstTyper[] = {
        {"MpuTxt", {"Tekstfil", ".txt"}}, {"MpuBat", {"Batch fil", ".bat"}},
        {"MpuPs1", {"Power Shell fil", ".ps1"}}, {"MpuVbs", {"VB script fil", ".vbs"}}};
    for (const auto &[name, t] : tekstTyper) {
        QAction *a = fileNewMenu->addAction(QString::fromUtf8(t.first));
        a->setObjectName(QString::fromLatin1(name));
        const QString ext = QString::fromLatin1(t.second);
        connect(a, &QAction::triggered, this, [this, ext] { openwin({}, ext); });
    }
    MpuWsf = fileNewMenu->addAction(QStringLiteral("Window script fil"));
    MpuWsf->setObjectName(QStringLiteral("MpuWsf"));
    connect(MpuWsf, &QAction::triggered, this, &Tmainform::nytWsf);
    fileNewKnap->setMenu(fileNewMenu);
    toolbar->addWidget(fileNewKnap);

    newHtmlKnap = new QToolButton;
    newHtmlKnap->setObjectName(QStringLiteral("newHtmlKnap"));
    newHtmlKnap->setDefaultAction(AnewHtml);
    newHtmlKnap->setPopupMode(QToolButton::MenuButtonPopup);
    auto *htmlMenu = new QMenu(newHtmlKnap);
    const std::pair<const char *, std::pair<const char *, const char *>> htmlTyper[] = {
        {"MpuHtml", {"Html dokument", ".html"}}, {"MpuCss", {"Stylesheet", ".css"}},
        {"MpuJs", {"Javascript", ".js"}}, {"MpuInc", {"Includefile", ".inc"}}};
    for (const auto &[name, t] : htmlTyper) {
        QAction *a = htmlMenu->addAction(QString::fromUtf8(t.first));
        a->setObjectName(QString::fromLatin1(name));
        const QString ext = QString::fromLatin1(t.second);
        connect(a, &QAction::triggered, this, [this, ext] { openwin({}, ext); });
    }
    MpuAsp = htmlMenu->addAction(QStringLiteral("Asp"));
    MpuAsp->setObjectName(QStringLiteral("MpuAsp"));
    connect(MpuAsp, &QAction::triggered, this, &Tmainform::nytAsp);
    MpuAsa = htmlMenu->addAction(QStringLiteral("Global asa fil"));
    MpuAsa->setObjectName(QStringLiteral("MpuAsa"));
    connect(MpuAsa, &QAction::triggered, this, &Tmainform::nytAsa);
    newHtmlKnap->setMenu(htmlMenu);
    toolbar->addWidget(newHtmlKnap);

    fraKlicheKnap = new QToolButton;
    fraKlicheKnap->setObjectName(QStringLiteral("fraKlicheKnap"));
    fraKlicheKnap->setDefaultAction(mFraKliche);
    toolbar->addWidget(fraKlicheKnap);
    toolbar->addActions({AnewDokument, FileOpen, FileSave, FileSaveAs});
    toolbar->addSeparator();
    toolbar->addActions({EditUndo, EditCut, EditCopy, EditPaste, pasteFromInfo});
    toolbar->addSeparator();
    toolbar->addActions({Akodepanel, Aattributpanel, Akodebog});
    auto *cssBoksKnappen = new QToolButton;
    cssBoksKnappen->setObjectName(QStringLiteral("cssBoksKnappen"));
    cssBoksKnappen->setDefaultAction(AcssBoks);
    toolbar->addWidget(cssBoksKnappen);
    toolbar->addAction(Afilpanel);
    toolbar->addSeparator();
    toolbar->addActions({WindowCascade, WindowTileHorizontal, WindowTileVertical, FileClose, ALukAlleDoc});
    toolbar->addSeparator();
    toolbar->addAction(Aprograminfo);
}

bool Tmainform::erProgramGenvej(const QKeyEvent *event) const
{
    if (event->modifiers() == Qt::NoModifier && event->key() < Qt::Key_Escape)
        return false;   // plain typing
    const QKeySequence key(event->keyCombination());
    // Every command of the program's own, but the edit commands the control carries out itself.
    const QList<QAction *> actions = findChildren<QAction *>();
    return std::any_of(actions.begin(), actions.end(), [&key](const QAction *a) {
        return a->isEnabled() && a->shortcutContext() != Qt::WidgetShortcut && a->shortcuts().contains(key);
    });
}

void Tmainform::visEditMenu(const QPoint &globalPos)
{
    QMenu menu(this);
    menu.addActions({EditUndo, EditRedo, EditCut, EditCopy, EditPaste, EditSelectAll, EditDelete});
    menu.addSeparator();
    menu.addAction(pasteFromInfo);
    menu.addSeparator();
    menu.addActions({FileClose, ALukAlleDoc});
    menu.exec(globalPos);
}

void Tmainform::visVersionsInfo()
{
    QMessageBox box(this);
    box.setObjectName(QStringLiteral("Information"));
    box.setWindowTitle(QStringLiteral("Information"));
    box.setIconPixmap(windowIcon().pixmap(64, 64));
    box.setText(QStringLiteral("<b>Tavlevirke %1</b>").arg(QStringLiteral(TAVLEVIRKE_VERSION)));
    box.setInformativeText(QStringLiteral(
        "Versionshistorie:\n"
        "0.1: Hovedvindue, dokumentvinduer med faneblade, indlæsning og gemning i filens egen "
        "tegnkodning, spørgevindue og programmappe."));
    box.exec();
}
