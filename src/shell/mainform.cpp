#include "shell/mainform.h"


#include "core/fejltekst.h"
#include "core/optionfile.h"
#include "core/programfolder.h"
#include "core/textfile.h"
#include "platform/infobox.h"
#include "platform/saerfil.h"
#include "platform/shellopen.h"
#include "platform/username.h"
#include "platform/vinduesplads.h"
#include "shell/dokumentnavne.h"
#include "shell/editfontform.h"
#include "shell/filvalg.h"
#include "shell/visualstyles.h"
#include "analysis/kontrolform.h"
#include "filemanager/filpanel.h"
#include "codewriting/kodeliste.h"
#include "codewriting/taginfo.h"
#include "editor/editor.h"
#include "gendan/gendanlager.h"
#include "gendan/gendanvagt.h"
#include "generators/generatorvinduer.h"
#include "shell/winform.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QKeyEvent>
#include <QWindow>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QTimer>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include <cerrno>

namespace {
const int kMinWidth = 918;
const int kMinHeight = 600;

}

Tmainform::Tmainform(const QStringList &params, QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Tmainform"));
    // Names from the command line are relative to the folder the program was started in,
    // which the settings change before they are opened.
    for (const QString &p : params)
        m_params << QFileInfo(shell::fjernCitationstegn(p)).absoluteFilePath();
    FormCreate();
}

Tmainform::~Tmainform()
{
    // Document windows die with the area; nothing may react to that any more.
    disconnect(mdi, nullptr, this, nullptr);
    for (Twinform *w : dokumenter())
        w->disconnect(this);
    qApp->removeEventFilter(this);
    taginf->SetEditor(nullptr);
    delete mdi;
    mdi = nullptr;
}

void Tmainform::FormCreate()
{
    dir = QCoreApplication::applicationFilePath();
    ikondir = QCoreApplication::applicationDirPath() + QStringLiteral("/ikoner/");
    brugernavn = platform::userName();
    setWindowTitle(brugernavn.isEmpty() ? QStringLiteral("Tavlevirke") : brugernavn + QStringLiteral(": Tavlevirke"));
    setWindowIcon(QIcon::fromTheme(QStringLiteral("text-html")));
    opstart = true;
    newCount = 0;
    strukturNo = -1;

    programdir = core::ProgramFolder::programDir();
    optdir = core::ProgramFolder::optDir();
    optfil = optdir + QStringLiteral("mainopt.txt");
    findCssFilename = programdir + QStringLiteral("Dir/alleCssProp.txt");
    htmllistedir = programdir + QStringLiteral("Dir/Html/");
    attributedir = programdir + QStringLiteral("Dir/Attributes/");
    betweendir = programdir + QStringLiteral("Dir/Betweentags/");
    valuedir = programdir + QStringLiteral("Dir/Values/");
    klichedir = programdir + QStringLiteral("Klicheer/");
    strukturdir = programdir + QStringLiteral("Struktur/");
    m_gendan = new gendan::TGendanLager(programdir, this);
    connect(m_gendan, &gendan::TGendanLager::skrivFejl, this, &Tmainform::gendanSkrivFejl);
    lavFilVagt();

    setMinimumSize(kMinWidth, kMinHeight);
    mdi = new QMdiArea;   // the actions connect to it
    mdi->setObjectName(QStringLiteral("mdi"));
    // Closing a document brings back the one used before it.
    mdi->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    lavActions();
    lavMenuer();
    lavToolbar();
    lavArbejdsflade();

    hentMainOpt();
    {
        // Line numbers: on unless the user switched them off.
        core::OptionReader r(optdir + QStringLiteral("linjenumre.txt"), 1);
        const bool on = r.boolean(0);
        m_linjenumre = r.ok() ? on : true;
        AlinjeNumre->setChecked(m_linjenumre);
    }

    // The tag lists. A missing one leaves an empty list and the program usable; the user
    // hears of it once, when the window shows.
    taginf = new Tinfotag(this);
    taginf->setObjectName(QStringLiteral("taginf"));
    const std::pair<core::ReadResult (Tinfotag::*)(const QString &), QString> lister[] = {
        {&Tinfotag::LoadNosluttagliste, htmllistedir + QStringLiteral("UdenSlutkode.txt")},
        {&Tinfotag::LoadTagliste, htmllistedir + QStringLiteral("MedSlutkode.txt")},
        {&Tinfotag::LoadAlletagliste, htmllistedir + QStringLiteral("AlleKoder.txt")},
        {&Tinfotag::LoadUAttributliste, attributedir + QStringLiteral("_undtagelser.txt")},
        {&Tinfotag::LoadExcludeliste, htmllistedir + QStringLiteral("Ekskluderet.txt")}};
    for (const auto &[load, file] : lister)
        if (!(taginf->*load)(file).ok)
            manglendeFiler << file;

    // The panels start on the tag "a".
    startKodepaneler();

    // The file type list feeds the file panel's filter.
    typelisteNavn = optdir + QStringLiteral("typeliste.txt");
    if (QFileInfo(typelisteNavn).isFile())
        core::readLines(typelisteNavn, filliste);
    byggFilter(false);

    startFilhaandtering();
    startVisning();
    setAcceptDrops(true);
    opdaterActions();
}

void Tmainform::lavArbejdsflade()
{
    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    tc = new QTabBar;
    tc->setObjectName(QStringLiteral("tc"));
    tc->setExpanding(false);
    tc->setDocumentMode(true);
    tc->setElideMode(Qt::ElideNone);
    connect(tc, &QTabBar::tabBarClicked, this, &Tmainform::tcChange);
    layout->addWidget(tc);

    lavKodebog();
    layout->addWidget(bog);

    arbejdsflade = new QSplitter(Qt::Horizontal);
    arbejdsflade->setObjectName(QStringLiteral("arbejdsflade"));
    arbejdsflade->setChildrenCollapsible(false);

    lavKodepaneler();

    mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(mdi, &QMdiArea::subWindowActivated, this, &Tmainform::onSubWindowActivated);

    filPanel = lavFilPanel();
    filPanel->setMinimumWidth(150);

    arbejdsflade->addWidget(KodePanel);
    arbejdsflade->addWidget(AttributPanel);
    arbejdsflade->addWidget(mdi);
    arbejdsflade->addWidget(filPanel);
    arbejdsflade->handle(3)->setObjectName(QStringLiteral("filPanelSplitter"));
    for (int i = 0; i < 4; ++i)
        arbejdsflade->setStretchFactor(i, i == 2 ? 1 : 0);
    layout->addWidget(arbejdsflade, 1);
    setCentralWidget(central);

    auto *bar = new QStatusBar;
    bar->setObjectName(QStringLiteral("infobarStatus"));
    infobar = new QLabel;
    infobar->setObjectName(QStringLiteral("infobar"));
    bar->addWidget(infobar, 1);
    setStatusBar(bar);
}

// ---------------------------------------------------------------- settings

void Tmainform::hentMainOpt()
{
    anvendMainOpt(shell::MainOpt::hent(optfil));
}

void Tmainform::standardMainOpt()
{
    anvendMainOpt(shell::MainOpt::standard());
}

void Tmainform::anvendMainOpt(const shell::MainOpt &o)
{
    m_opt = o;
    designName = o.designName;
    shell::applyVisualStyle(designName);
    PanelPlacering = o.PanelPlacering;
    if (QFileInfo(o.dirBoksFolder).isDir()) {
        QDir::setCurrent(o.dirBoksFolder);
        m_filPanel->setMappe(o.dirBoksFolder);
    }
    filPanel->setVisible(o.filPanelVisible);
    bog->setVisible(o.bogVisible);
    visFtpFunktioner = o.visFtpFunktioner;
    visFtpKnapper();
    autoSenesteFM = o.autoSenesteFM;
    jsObjektName = o.jsObjektName;
    knapboks1 = o.knapboks[0];
    knapboks2 = o.knapboks[1];
    knapboks3 = o.knapboks[2];
    knapboks4 = o.knapboks[3];
    objStrukturBredde = o.objStrukturBredde;
    kodeSplitter->setSizes({300, o.betweenlisteHeight});
    attributSplitter->setSizes({300, o.valuelisteHeight});
    anvendPanelPlacering();
    // The minimum size wins over a smaller stored size.
    platform::placerIndre(this, QRect(o.left, o.top, qMax(o.width, kMinWidth), qMax(o.height, kMinHeight)));
    kodebogLille();
    Akodebog->setChecked(!bog->isHidden());
    Afilpanel->setChecked(!filPanel->isHidden());
    const int panel = 170;
    arbejdsflade->setSizes({panel, panel, qMax(width() - 2 * panel - o.filPanelWidth, 300), o.filPanelWidth});
}

void Tmainform::anvendPanelPlacering()
{
    KodePanel->setVisible(PanelPlacering == 1 || PanelPlacering >= 3);
    AttributPanel->setVisible(PanelPlacering == 2 || PanelPlacering >= 3);
    Akodepanel->setChecked(!KodePanel->isHidden());
    Aattributpanel->setChecked(!AttributPanel->isHidden());
}

void Tmainform::gemMainOpt()
{
    shell::MainOpt o = m_opt;
    if (!m_filPanel->mappe().isEmpty())
        o.dirBoksFolder = m_filPanel->mappe();
    o.designName = designName;
    const QRect g = normalGeometry();
    o.top = g.top();
    o.left = g.left();
    o.width = g.width();
    o.height = g.height();
    o.PanelPlacering = PanelPlacering;
    o.filPanelVisible = !filPanel->isHidden();
    o.filPanelSplitterVisible = o.filPanelVisible;
    o.bogVisible = !bog->isHidden();
    if (o.filPanelVisible)
        o.filPanelWidth = filPanel->width();
    o.visFtpFunktioner = visFtpFunktioner;
    o.autoSenesteFM = autoSenesteFM;
    o.jsObjektName = jsObjektName;
    o.knapboks[0] = knapboks1;
    o.knapboks[1] = knapboks2;
    o.knapboks[2] = knapboks3;
    o.knapboks[3] = knapboks4;
    o.objStrukturBredde = objStrukturBredde;
    if (betweenliste->height() > 0 && !KodePanel->isHidden())
        o.betweenlisteHeight = betweenliste->height();
    if (valueliste->height() > 0 && !AttributPanel->isHidden())
        o.valuelisteHeight = valueliste->height();
    QString error;
    if (!o.gem(optfil, &error))
        platform::errorBox(this, QStringLiteral("Indstillingerne kunne ikke gemmes i %1.\r%2").arg(optfil, error));
}

QFont Tmainform::editorFont() const
{
    // The font dialog keeps the editor font; it reads its file when first asked.
    return const_cast<Tmainform *>(this)->editfontform()->font();
}

// ---------------------------------------------------------------- panels

void Tmainform::AkodepanelExecute()
{
    const bool vis = KodePanel->isHidden();
    KodePanel->setVisible(vis);
    const bool attr = !AttributPanel->isHidden();
    PanelPlacering = vis ? (attr ? 3 : 1) : (attr ? 2 : 0);
    Akodepanel->setChecked(vis);
}

void Tmainform::AattributpanelExecute()
{
    const bool vis = AttributPanel->isHidden();
    AttributPanel->setVisible(vis);
    const bool kode = !KodePanel->isHidden();
    PanelPlacering = vis ? (kode ? 4 : 2) : (kode ? 1 : 0);
    Aattributpanel->setChecked(vis);
}

void Tmainform::AkodebogExecute()
{
    bog->setVisible(bog->isHidden());
    Akodebog->setChecked(!bog->isHidden());
}

void Tmainform::AfilpanelExecute()
{
    filPanel->setVisible(filPanel->isHidden());
    Afilpanel->setChecked(!filPanel->isHidden());
}

// ---------------------------------------------------------------- showing and closing

void Tmainform::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (opstart)
        FormShow();
}

void Tmainform::FormShow()
{
    opstart = false;
    // Lay the window out first, so new document windows are placed in the area they get.
    centralWidget()->layout()->activate();
    // The window shows at once; the pages follow as soon as it is on the screen.
    QTimer::singleShot(0, this, [this] {
        for (const QString &name : std::as_const(m_params))
            openwin(name, shell::extensionOf(name));
        tilbydGendannelse();
    });
    if (!m_params.isEmpty()) {
        const QString last = QFileInfo(m_params.last()).absolutePath();
        m_opt.dirBoksFolder = last;
        QDir::setCurrent(last);
        m_filPanel->setMappe(last);
    }
    // The file panel always starts with its first filter.
    m_opt.filterIndex = 0;
    qApp->installEventFilter(this);
    if (!manglendeFiler.isEmpty()) {
        platform::infoBox(this, QStringLiteral("Disse datafiler mangler, og deres lister er tomme:\r")
                                    + manglendeFiler.join(QChar(u'\r')));
    }
}

bool Tmainform::eventFilter(QObject *watched, QEvent *event)
{
    // Hints of every window of the program end up in the status bar.
    if (event->type() == QEvent::StatusTip) {
        Info(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    if (watched == this && event->type() == QEvent::WinIdChange)
        QTimer::singleShot(0, this, [this] {
            // The window system's window of the main window was made anew (the preview's
            // engine needs another kind of surface). The tool windows showing still name the
            // old one as their owner, so nothing keeps them above the main window any more;
            // the owner is only told to a window as it is shown.
            bool vistIgen = false;
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (w == this || !w->isVisible() || !w->windowHandle() || !w->parentWidget()
                    || w->parentWidget()->window() != this || w->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
                    continue;
                const QRect sted = w->geometry();
                w->windowHandle()->setTransientParent(windowHandle());
                w->hide();
                w->setGeometry(sted);
                w->show();
                vistIgen = true;
            }
            if (vistIgen)   // the keyboard stays with the text
                activateWindow();
        });
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape)
        if (auto *menu = qobject_cast<QMenu *>(watched); menu && menuBar()->actions().contains(menu->menuAction()))
            QTimer::singleShot(0, this, [this] {
                // Escape leaves the menu bar waiting for keys; the keys belong to the text.
                if (!menuBar()->hasFocus())
                    return;
                QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QCoreApplication::sendEvent(menuBar(), &esc);
                if (TEditor *e = aktivEditor(); e && (!QApplication::focusWidget() || QApplication::focusWidget() == menuBar()))
                    e->setFocus();
            });
    return QMainWindow::eventFilter(watched, event);
}

void Tmainform::Info(const QString &hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    visInfo(bar < 0 ? hint : hint.mid(bar + 1));
}

void Tmainform::visInfo(const QString &text)
{
    infobar->setText(text);
}

void Tmainform::closeEvent(QCloseEvent *event)
{
    LukProgram = true;
    const QList<Twinform *> wins = dokumenter();
    for (qsizetype i = wins.size() - 1; i >= 0; --i) {
        wins[i]->close();
        if (!LukProgram) {
            event->ignore();
            return;
        }
    }
    if (m_kontrolform)
        m_kontrolform->gemPosition();
    lukInfoVinduer();
    gemFilhaandtering();
    gemMainOpt();
    if (m_gendan)
        m_gendan->ryd();   // a normal exit leaves no recovery files
    event->accept();
}

void Tmainform::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void Tmainform::dropEvent(QDropEvent *event)
{
    aabnDroppedeFiler(event->mimeData()->urls());
    event->acceptProposedAction();
}

void Tmainform::aabnDroppedeFiler(const QList<QUrl> &urls)
{
    for (const QUrl &url : urls)
        if (url.isLocalFile())
            openwin(url.toLocalFile(), QString());
}

void Tmainform::aabnFraAndenStart(const QStringList &files)
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    for (const QString &f : files)
        openwin(f, shell::extensionOf(f));
}

// ---------------------------------------------------------------- documents

QList<Twinform *> Tmainform::dokumenter() const
{
    QList<Twinform *> list;
    for (QMdiSubWindow *s : mdi->subWindowList(QMdiArea::CreationOrder))
        if (auto *w = qobject_cast<Twinform *>(s))
            list << w;
    return list;
}

Twinform *Tmainform::aktivWin() const
{
    if (auto *w = qobject_cast<Twinform *>(mdi->activeSubWindow()))
        return w;
    // Without focus (another program active) the last active window still counts.
    if (auto *w = qobject_cast<Twinform *>(mdi->currentSubWindow()))
        return w;
    return nullptr;
}

Twinform *Tmainform::openwin(const QString &Name, const QString &aExt)
{
    newDocFilename = Name;
    if (Name.isEmpty()) {
        Twinform *w = nytVindue(aExt);
        w->setModified(false);
        return w;
    }

    switch (shell::routeFor(Name)) {
    case shell::OpenRoute::Shell:
        platform::shellOpen(Name);
        return nullptr;
    case shell::OpenRoute::Ignore:
        return nullptr;
    case shell::OpenRoute::Document:
        break;
    }
    // A name whose bytes are no text leads to no file: an empty document in its place would
    // be saved under another name.
    if (core::erUlaeseligtNavn(Name)) {
        platform::errorBox(this, QStringLiteral("Filen %1 kan ikke åbnes.\r%2").arg(Name, core::ulaeseligtNavnGrund()));
        return nullptr;
    }
    // A device, FIFO or kernel file could block the window for good when read.
    if (const QString grund = platform::saerfilGrund(Name); !grund.isEmpty()) {
        platform::errorBox(this, QStringLiteral("Filen %1 kan ikke åbnes.\r%2").arg(Name, grund));
        return nullptr;
    }
    for (Twinform *w : dokumenter()) {
        if (w->Filnavn == Name) {
            aktiverDokument(w);
            return w;
        }
    }

    // A file that cannot be read or is not text gets a message and no window.
    const QFileInfo info(Name);
    if (info.exists()) {
        QFile f(Name);
        errno = 0;
        if (!info.isFile() || !f.open(QIODevice::ReadOnly)) {
            platform::errorBox(this, QStringLiteral("Filen %1 kan ikke åbnes.\r%2")
                                        .arg(Name, info.isDir() ? QStringLiteral("Det er en mappe.")
                                                                : core::fejlGrund(errno, f.errorString())));
            return nullptr;
        }
        const QByteArray head = f.read(8192);
        const bool utf16 = head.startsWith("\xFF\xFE") || head.startsWith("\xFE\xFF");
        if (!utf16 && head.contains('\0')) {
            platform::infoBox(this, QStringLiteral("Filen %1 er ikke en tekstfil\rog kan ikke vises i editoren.").arg(Name));
            return nullptr;
        }
    }

    return nytVindue(QString());
}

Twinform *Tmainform::nytVindue(const QString &docExt)
{
    ++newCount;
    auto *w = new Twinform(this);
    w->docExt = docExt;
    mdi->addSubWindow(w);
    // A new window fits the free area, so its frame and caption can be seen.
    const QSize area = mdi->viewport()->size();
    if (area.width() > 200 && area.height() > 150)
        w->resize(qMin(w->width(), area.width() - 20), qMin(w->height(), area.height() - 20));
    w->show();
    if (w->x() < 0 || w->y() < 0)
        w->move(qMax(w->x(), 0), qMax(w->y(), 0));
    w->InfoCap();
    startGendanVagt(w);
    autokodeCheck->setChecked(false);
    autokodeCheckClick();
    // However it was made (a dialog may just have closed), the new document is the one the
    // user types into.
    aktiverDokument(w);
    if (QWidget *aktiv = QApplication::activeWindow(); !aktiv || !aktiv->isVisible())
        activateWindow();   // the dialog that asked for it is gone
    opdaterActions();
    return w;
}

void Tmainform::aktiverDokument(Twinform *w)
{
    if (w->isMinimized())
        w->showNormal();
    mdi->setActiveSubWindow(w);
    w->Edit->setFocus();   // an already active window hears of no activation
}

void Tmainform::lukAlleDokumenter()
{
    if (dokumenter().isEmpty())
        return;
    LukProgram = true;
    while (!dokumenter().isEmpty()) {
        Twinform *w = aktivWin();
        if (!w)
            w = dokumenter().last();
        const qsizetype before = dokumenter().size();
        w->close();
        QCoreApplication::processEvents();
        if (!LukProgram)
            break;
        if (dokumenter().size() >= before && dokumenter().contains(w))
            break;   // a window that neither closed nor cancelled: do not loop forever
    }
}

void Tmainform::dokumentLukker(Twinform *win)
{
    // Without the focus the closing page leaves the choice of the next active document to
    // the window history, not to whichever editor comes next in the focus chain.
    win->Edit->clearFocus();
    if (win->gendanVagt)
        win->gendanVagt->dokumentLukket();
    lukKontrol(win->docNo);
    senesteVedLuk(win);
    autokodeCheck->setChecked(false);
    autokodeCheckClick();
    if (taginf->Editor() == win->Edit)
        attachEditor(nullptr);
    CloseTab(win->capNavn);
    // The window leaves the list once it is gone; update the commands then.
    connect(win, &QObject::destroyed, this, &Tmainform::opdaterActions, Qt::QueuedConnection);
    connect(win, &QObject::destroyed, this, &Tmainform::opdaterOvervaagning, Qt::QueuedConnection);
}

Tspmform::Svar Tmainform::spoerg(const QString &question, const Tspmform::Knapper &knapper)
{
    return Tspmform::ask(question, nullptr, knapper);
}

// ---------------------------------------------------------------- tabs

void Tmainform::InsertTab(const QString &capNavn)
{
    const QSignalBlocker block(tc);
    tc->addTab(capNavn);
}

void Tmainform::RenameTab(const QString &oldCap, const QString &newCap)
{
    const int n = qMin(tc->count(), int(dokumenter().size()));
    for (int i = 0; i < n; ++i) {
        if (tc->tabText(i) == oldCap) {
            tc->setTabText(i, newCap);
            return;
        }
    }
}

void Tmainform::CloseTab(const QString &capNavn)
{
    for (int i = 0; i < tc->count(); ++i) {
        if (tc->tabText(i) == capNavn) {
            const QSignalBlocker block(tc);
            tc->removeTab(i);
            return;
        }
    }
}

void Tmainform::SetTCindex()
{
    Twinform *w = aktivWin();
    if (!w)
        return;
    const int n = qMin(tc->count(), int(dokumenter().size()));
    for (int i = 0; i < n; ++i) {
        if (tc->tabText(i) == w->capNavn) {
            const QSignalBlocker block(tc);
            tc->setCurrentIndex(i);
            return;
        }
    }
}

void Tmainform::tcChange(int index)
{
    if (index < 0 || index >= tc->count())
        return;
    autokodeCheck->setChecked(false);
    autokodeCheckClick();
    const QString cap = tc->tabText(index);
    for (Twinform *w : dokumenter()) {
        if (w->capNavn == cap) {
            aktiverDokument(w);
            return;
        }
    }
}

void Tmainform::onSubWindowActivated()
{
    if (Twinform *w = aktivWin())
        w->FormActivate();
    opdaterActions();
}

// ---------------------------------------------------------------- status and code

void Tmainform::winInfo()
{
    Twinform *w = aktivWin();
    if (!w) {
        platform::infoBox(this, QStringLiteral("Der er ingen åbne dokumenter,\rder kan udskrives i!"));
        return;
    }
    w->XYinfo();
    getKode();
}

void Tmainform::attachEditor(TEditor *edit)
{
    taginf->SetEditor(edit);
    visningTilknyt(edit);
}

void Tmainform::getKode()
{
    if (!taginf->autoKode() || !taginf->Editor())
        return;
    kodelisteSel(taginf->GetTag());
    opdaterKodeActions();
}

void Tmainform::autokodeCheckClick()
{
    if (!autokodeCheck->isChecked()) {
        taginf->SetautoKode(false);
        opdaterActions();
        return;
    }
    const QString refusal = taginf->AutoKodeRefusal();
    if (refusal.isEmpty()) {
        taginf->SetautoKode(true);
        getKode();
        return;
    }
    autokodeCheck->setChecked(false);
    taginf->SetautoKode(false);
    platform::infoBox(this, refusal);
}

void Tmainform::AslutkodeExecute()
{
    switch (taginf->Slutkode(Koden)) {
    case Tinfotag::SlutkodeResult::NoCurrentTag:
        visInfo(TekstIngenAktuelKode);
        break;
    case Tinfotag::SlutkodeResult::NotFound:
        platform::infoBox(this, TekstKodenIkkeFundet);
        break;
    case Tinfotag::SlutkodeResult::Written:
        winInfo();
        break;
    case Tinfotag::SlutkodeResult::Nothing:
        break;
    }
}

void Tmainform::AfindHtmlExecute()
{
    Twinform *w = aktivWin();
    if (!w)
        return;
    if (w->docExt == QLatin1String(".css")) {
        AfindCssExecute();
        return;
    }
    const QString tag = taginf->GetTag();
    if (tag.isEmpty())
        platform::infoBox(this, TekstIngenAktuelHtmlKode);
    else
        kodelisteSel(tag);
    w->setTekst(tag);
}

void Tmainform::AfindCssExecute()
{
    auto *vinduer = findChild<TGeneratorVinduer *>();
    vinduer->visCssBoks();
    Twinform *w = aktivWin();
    if (!w || !taginf->Editor())
        return;
    QString word = taginf->autoKode() ? taginf->PosData().cssKode : QString();
    if (word.isEmpty())
        word = taginf->FindOrdCSS();
    w->setTekst(vinduer->findCss(word));
    w->Edit->setFocus();
}

void Tmainform::opdaterActions()
{
    const qsizetype n = dokumenter().size();
    for (QAction *a : std::as_const(m_documentActions))
        a->setEnabled(n > 0);
    ALukAlleDoc->setEnabled(n > 1);
    const Twinform *w = aktivWin();
    FileSave->setEnabled(w && w->isModified());
    opdaterFilActions();
    opdaterKodeActions();
}

TEditor *Tmainform::fokusEdit() const
{
    for (QWidget *f = QApplication::focusWidget(); f; f = f->parentWidget())
        if (auto *e = qobject_cast<TEditor *>(f))
            return e;
    return aktivEditor();
}

TEditor *Tmainform::aktivEditor() const
{
    Twinform *w = aktivWin();
    return w ? w->Edit : nullptr;
}

TEditor *Tmainform::nytDokument(const QString &ext, const QString &text)
{
    Twinform *w = openwin(QString(), ext);
    if (!w)
        return nullptr;
    // One undo step, and the page counts as unsaved work.
    w->Edit->replaceSelection(text);
    w->Edit->setCaretPos(0);
    return w->Edit;
}

void Tmainform::dokumentKommando(QAction *action)
{
    addAction(action);
    m_documentActions << action;
    action->setEnabled(!dokumenter().isEmpty());
}

void Tmainform::setLinjenumre(bool on)
{
    m_linjenumre = on;
    AlinjeNumre->setChecked(on);
    for (Twinform *w : dokumenter())
        w->Edit->setLinjenumre(on);
    const QString path = optdir + QStringLiteral("linjenumre.txt");
    QString error;
    if (!core::OptionWriter().add(on).write(path, &error))
        platform::infoBox(this, QStringLiteral("Valget kunne ikke gemmes i %1.\r%2").arg(path, error));
}

// ---------------------------------------------------------------- window arrangement

void Tmainform::tileHorizontally()
{
    QList<Twinform *> wins;
    for (Twinform *w : dokumenter())
        if (!w->isMinimized()) wins << w;
    if (wins.isEmpty()) return;
    const QRect area = mdi->viewport()->rect();
    const int h = area.height() / int(wins.size());
    for (int i = 0; i < wins.size(); ++i) {
        wins[i]->showNormal();
        wins[i]->setGeometry(0, i * h, area.width(), h);
    }
}

void Tmainform::tileVertically()
{
    QList<Twinform *> wins;
    for (Twinform *w : dokumenter())
        if (!w->isMinimized()) wins << w;
    if (wins.isEmpty()) return;
    const QRect area = mdi->viewport()->rect();
    const int wdt = area.width() / int(wins.size());
    for (int i = 0; i < wins.size(); ++i) {
        wins[i]->showNormal();
        wins[i]->setGeometry(i * wdt, 0, wdt, area.height());
    }
}

void Tmainform::arrangeIcons()
{
    // Minimised windows in a row along the bottom edge.
    const QRect area = mdi->viewport()->rect();
    int x = 0;
    for (Twinform *w : dokumenter()) {
        if (!w->isMinimized()) continue;
        const QSize s = w->size();
        w->move(x, area.height() - s.height());
        x += s.width();
    }
}
