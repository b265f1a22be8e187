// The main window's file handling: the file browser, the file panel, and the recent files
// and folders.

#include "shell/mainform.h"

#include "filemanager/filnavne.h"
#include "filemanager/filpanel.h"
#include "filemanager/openfilform.h"
#include "platform/infobox.h"
#include "shell/dokumentnavne.h"
#include "shell/reopenfiler.h"
#include "shell/winform.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

QWidget *Tmainform::lavFilPanel()
{
    m_filPanel = new TFilPanel(this);
    // "Klichemappe": the panel shows the folder of the templates new documents start from.
    QAction *mKlichemappe = lavAction("mKlichemappe", QStringLiteral("Klichemappe"),
                                      QStringLiteral("Vis klichémappen i filpanelet"));
    connect(mKlichemappe, &QAction::triggered, this, [this] {
        QDir().mkpath(klichedir);
        m_filPanel->setMappe(klichedir);
    });
    m_filPanel->tilfoejMenuPunkter({mFiltyper, mKlichemappe});
    connect(m_filPanel, &TFilPanel::aabnFil, this, [this](const QString &p) { openwin(p, shell::extensionOf(p)); });
    connect(m_filPanel, &TFilPanel::senesteMapperVises, this, &Tmainform::visSenesteMapper);
    connect(m_filPanel, &TFilPanel::indsaetSenesteMappe, this, [this](const QString &folder) {
        ReopenDir->InsertItem(folder, GetBibliotek(folder));
    });
    connect(m_filPanel, &TFilPanel::mappeSkiftet, this, [this](const QString &folder) { QDir::setCurrent(folder); });
    connect(this, &Tmainform::filterAendret, m_filPanel, [this](const QList<shell::FilterEntry> &entries) {
        QList<TFilPanel::Filter> f;
        for (const shell::FilterEntry &e : entries)
            f.append({e.tekst, e.maske});
        m_filPanel->setFiltre(f);
    });
    connect(this, &Tmainform::dokumentGemt, m_filPanel, &TFilPanel::opdater);

    // Its two FTP buttons: the settings, and the chosen file sent to the server.
    auto *ftpProp = new QToolButton;
    ftpProp->setObjectName(QStringLiteral("ftpPropKnap"));
    ftpProp->setIcon(QIcon::fromTheme(QStringLiteral("network-server")));
    ftpProp->setToolTip(QStringLiteral("Sæt ftp egenskaber"));
    ftpProp->setAutoRaise(true);
    connect(ftpProp, &QToolButton::clicked, this, [this] { visFtpEgenskaber(); });
    m_filPanel->filBar->addWidget(ftpProp);
    m_filPanel->filBar->addAction(AuploadFile);
    m_filPanel->filBar->widgetForAction(AuploadFile)->setObjectName(QStringLiteral("ftpKnap"));
    connect(m_filPanel, &TFilPanel::filValgt, this, [this] { AuploadFile->setEnabled(!filPanelFil().isEmpty()); });
    connect(m_filPanel, &TFilPanel::mappeSkiftet, this, [this] { AuploadFile->setEnabled(!filPanelFil().isEmpty()); });

    if (m_filPanel->mappe().isEmpty())
        m_filPanel->setMappe(QDir::currentPath());
    return m_filPanel;
}

void Tmainform::lavSenesteMenuer(QMenu *fil)
{
    ReopenFiler = new TReopenFiler(this);
    ReopenFiler->setObjectName(QStringLiteral("ReopenFiler"));
    ReopenDir = new TReopenFiler(this);
    ReopenDir->setObjectName(QStringLiteral("ReopenDir"));
    for (TReopenFiler *r : {ReopenFiler, ReopenDir}) {
        r->MenuStartNr = 2;
        r->DeleteItemCap = QStringLiteral("Slet listen");
        r->DeleteItemHint = QStringLiteral("Start en ny liste");
        r->MedMenuStreg = true;
    }
    ReopenDir->Itemtype = TItemtype::itBibliotek;
    connect(ReopenFiler, &TReopenFiler::OnKlik, this, [this](QAction *, const QString &f) { ReopenFilerKlik(f); });
    connect(ReopenDir, &TReopenFiler::OnKlik, this, [this](QAction *, const QString &f) { ReopenDirKlik(f); });

    MReopen = fil->addMenu(QIcon::fromTheme(QStringLiteral("document-open-recent")), QStringLiteral("Seneste filer"));
    MReopen->setObjectName(QStringLiteral("MReopen"));
    QAction *titel = MReopen->addAction(QStringLiteral("Filer"));
    titel->setObjectName(QStringLiteral("MReopenTitel"));
    titel->setStatusTip(QStringLiteral("Åben en nyligt åbnet fil"));
    titel->setEnabled(false);
    MReopen->addSeparator();
    ReopenFiler->MainItem = MReopen;
    connect(MReopen, &QMenu::aboutToShow, this, [this, titel] {
        if (ReopenFiler->Antal() == 0) {
            titel->setText(QStringLiteral("Ingen dokumenter"));
            ReopenFiler->DeleteAllItems();
            ReopenFiler->MakeMenu();
        } else {
            titel->setText(QStringLiteral("Filliste"));
            ReopenFiler->MakeMenu();
        }
    });

    MReopenDir = fil->addMenu(QIcon::fromTheme(QStringLiteral("folder-open-recent")), QStringLiteral("Seneste mapper"));
    MReopenDir->setObjectName(QStringLiteral("MReopenDir"));
    connect(MReopenDir, &QMenu::aboutToShow, this, [this] { visSenesteMapper(MReopenDir); });

    AInsertInSenesteFiler = lavAction("AInsertInSenesteFiler", QStringLiteral("Indsæt i Seneste filer"),
                                      QStringLiteral("Indsæt filen i Fil-menuen Seneste filer"));
    connect(AInsertInSenesteFiler, &QAction::triggered, this, [this] {
        if (Twinform *w = aktivWin(); w && !w->Filnavn.isEmpty())
            ReopenFiler->InsertItem(w->Filnavn, filCaption(w->capNavn));
    });
    AInsertInSenesteMapper = lavAction("AInsertInSenesteMapper", QStringLiteral("Indsæt i Seneste mapper"),
                                       QStringLiteral("Indsæt i filmenuen Seneste mapper"));
    connect(AInsertInSenesteMapper, &QAction::triggered, this, [this] {
        if (Twinform *w = aktivWin(); w && !w->Filnavn.isEmpty()) {
            const QString folder = QFileInfo(w->Filnavn).absolutePath() + u'/';
            ReopenDir->InsertItem(folder, GetBibliotek(folder));
        }
    });
    fil->addAction(AInsertInSenesteFiler);
    fil->addAction(AInsertInSenesteMapper);
}

void Tmainform::visSenesteMapper(QMenu *menu)
{
    // One list serves every "Seneste mapper" submenu: the one being opened shows it.
    if (ReopenDir->MainItem && ReopenDir->MainItem != menu) {
        const QList<QAction *> old = ReopenDir->MainItem->actions();
        for (qsizetype i = ReopenDir->MenuStartNr; i < old.size(); ++i)
            ReopenDir->MainItem->removeAction(old[i]);
    }
    if (menu->actions().isEmpty()) {
        QAction *t = menu->addAction(QStringLiteral("Mapper"));
        t->setStatusTip(QStringLiteral("Aktiver mappe"));
        t->setEnabled(false);
        menu->addSeparator();
    }
    ReopenDir->MainItem = menu;
    QAction *titel = menu->actions().constFirst();
    titel->setText(ReopenDir->Antal() == 0 ? QStringLiteral("Ingen mapper") : QStringLiteral("Mapper"));
    ReopenDir->MakeMenu();
}

void Tmainform::startFilhaandtering()
{
    ReopenFiler->Itemfile = optdir + QStringLiteral("reopen.txt");
    ReopenDir->Itemfile = optdir + QStringLiteral("reopendir.txt");
    ReopenFiler->HentReopenFiler();
    ReopenDir->HentReopenFiler();
    const QList<shell::FilterEntry> &entries = filterListe;
    QList<TFilPanel::Filter> f;
    for (const shell::FilterEntry &e : entries)
        f.append({e.tekst, e.maske});
    m_filPanel->setFiltre(f);
}

void Tmainform::gemFilhaandtering()
{
    QString error;
    for (TReopenFiler *r : {ReopenFiler, ReopenDir})
        if (!r->GemReopenFiler(&error))
            platform::errorBox(this, QStringLiteral("Listen kunne ikke gemmes i %1.\r%2").arg(r->Itemfile, error));
    if (m_openfilform)
        m_openfilform->gemOpt();
}

void Tmainform::senesteVedLuk(Twinform *win)
{
    if (autoSenesteFM && !win->Filnavn.isEmpty()) {
        ReopenFiler->InsertItem(win->Filnavn, filCaption(win->capNavn));
        const QString folder = QFileInfo(win->Filnavn).absolutePath() + u'/';
        ReopenDir->InsertItem(folder, GetBibliotek(folder));
    }
    // The last document closes: the browser goes back to opening.
    if (m_openfilform && dokumenter().size() <= 1)
        m_openfilform->aabenMode();
}

void Tmainform::ReopenFilerKlik(const QString &Filnavn)
{
    openwin(Filnavn, shell::extensionOf(Filnavn));
}

void Tmainform::ReopenDirKlik(const QString &Filnavn)
{
    if (Filnavn.isEmpty())
        return;
    QDir::setCurrent(Filnavn);
    m_filPanel->setMappe(Filnavn);
}

void Tmainform::opdaterFilActions()
{
    const Twinform *w = aktivWin();
    const bool navngivet = w && !w->Filnavn.isEmpty();
    if (AInsertInSenesteFiler) {
        AInsertInSenesteFiler->setEnabled(navngivet);
        AInsertInSenesteMapper->setEnabled(navngivet);
    }
    aGemFunk->setEnabled(m_openfilform && m_openfilform->isVisible() && m_openfilform->boxType == 0 && w);
    if (m_filPanel)
        m_filPanel->opdaterActions();
}

Topenfilform *Tmainform::openfilform()
{
    if (!m_openfilform) {
        m_openfilform = new Topenfilform(this, this);
        m_openfilform->setGemFunk(aGemFunk);
        connect(this, &Tmainform::dokumentGemt, m_openfilform, &Topenfilform::updateStrukturer);
        connect(m_openfilform, &Topenfilform::modeSkiftet, this, &Tmainform::opdaterFilActions);
    }
    return m_openfilform;
}

void Tmainform::aGemFunkExecute()
{
    Twinform *w = aktivWin();
    if (!w || !m_openfilform)
        return;
    m_openfilform->gemMode(w->Filnavn.isEmpty() ? QStringLiteral("IkkeNavngivet") : QFileInfo(w->Filnavn).fileName());
    opdaterFilActions();
}

void Tmainform::visFilMappe(const QString &folder)
{
    if (m_openfilform && m_openfilform->isVisible())
        m_openfilform->visMappe(folder);
    else if (filPanel->isVisible() && QDir(m_filPanel->mappe()) != QDir(folder))
        m_filPanel->setMappe(folder);
}

bool Tmainform::gemAktivSom(const QString &path)
{
    return GemSom(aktivWin(), path);
}

bool Tmainform::erTekstType(const QString &ext) const
{
    return shell::erTekstfil(shell::filtyperFraListe(filliste), ext);
}

QString Tmainform::filPanelMappe() const
{
    QString d = m_filPanel ? m_filPanel->mappe() : QString();
    if (!d.isEmpty() && !d.endsWith(u'/'))
        d += u'/';
    return d;
}

TDokumentVaert::Filter Tmainform::filPanelFilter() const
{
    Filter f;
    if (!m_filPanel)
        return f;
    const QComboBox *boks = m_filPanel->filterBoks;
    for (int i = 0; i < boks->count(); ++i)
        f.punkter.append({boks->itemText(i), boks->itemData(i).toString()});
    f.valgt = f.punkter.isEmpty() ? -1 : qBound(0, boks->currentIndex(), int(f.punkter.size()) - 1);
    return f;
}

QString Tmainform::filPanelFil() const
{
    return m_filPanel ? m_filPanel->valgtFil() : QString();
}
