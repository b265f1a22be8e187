// The main window's side of FTP: the upload commands, the settings window, the document
// windows' FTP tool bars and their upload logs.

#include "core/programfolder.h"
#include "filemanager/filpanel.h"
#include "ftp/ftpform.h"
#include "ftp/ftpupload.h"
#include "platform/infobox.h"
#include "shell/dokumentnavne.h"
#include "shell/filtyper.h"
#include "shell/mainform.h"
#include "shell/spmform.h"
#include "shell/winform.h"

#include <QAction>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>

TftpForm *Tmainform::ftpForm()
{
    if (!m_ftpForm) {
        m_ftpForm = new TftpForm(this);
        m_ftpForm->spoergJa = [this](const QString &q) { return Tspmform::ask(q, m_ftpForm) == Tspmform::Ja; };
    }
    return m_ftpForm;
}

TftpUpload *Tmainform::ftpUpload()
{
    if (!m_ftpUpload) {
        m_ftpUpload = new TftpUpload(this);
        connect(m_ftpUpload, &TftpUpload::status, this, &Tmainform::ftpUploadStatus);
        connect(m_ftpUpload, &TftpUpload::faerdig, this, [this](const QString &, bool ok, const QString &fejl) {
            if (!ok && !fejl.isEmpty())
                platform::errorBox(this, fejl);
        });
        // Trusting a server is never the default answer.
        m_ftpUpload->stolPaa = [this](const ftp::Tillid &t, ftp::Opgave &opgave) {
            Tspmform::Knapper knapper;
            knapper.standard = Tspmform::Nej;
            return Tspmform::ask(ftp::tillidSpoergsmaal(t), this, knapper) == Tspmform::Ja
                && ftpForm()->stolPaa(t, opgave);
        };
    }
    return m_ftpUpload;
}

bool Tmainform::visFtpEgenskaber()
{
    TftpForm *form = ftpForm();
    if (form->exec() != QDialog::Accepted)
        return false;
    form->GemOpt();
    return true;
}

void Tmainform::ftpUploadStatus(const QString &text)
{
    Twinform *w = aktivWin();
    if (w && w->uploadInfo->isVisible()) {
        w->uploadInfo->appendPlainText(text);
        w->uploadInfo->verticalScrollBar()->setValue(w->uploadInfo->verticalScrollBar()->maximum());
    }
}

void Tmainform::AuploadExecute()
{
    Twinform *w = aktivWin();
    if (!w)
        return;
    if (w->uploadInfo->isVisible())
        w->uploadInfo->clear();
    if (w->Filnavn.isEmpty()) {
        // A document without a file is saved first; the next press sends it.
        GemSomDokument(w);
        return;
    }
    if (QFileInfo(w->Filnavn).isFile())
        uploadFile(w->Filnavn);
}

void Tmainform::AuploadFileExecute()
{
    const QString fil = filPanelFil();
    if (!fil.isEmpty() && QFileInfo(fil).isFile())
        uploadFile(fil);
}

void Tmainform::uploadFile(const QString &filnavn)
{
    // What is sent is the file on disk: a document changed since it was saved is saved first
    // when the user wants the text on screen to go.
    if (Twinform *w = vinduePaaFil(filnavn); w && w->isModified()) {
        switch (spoerg(QStringLiteral("Dokumentet %1 er ændret og ikke gemt.\r"
                                      "Skal det gemmes, før det sendes?\r"
                                      "(Nej sender filen, som den er på disken.)").arg(QFileInfo(filnavn).fileName()))) {
        case Tspmform::Ja:
            if (!Gem(w))
                return;
            break;
        case Tspmform::Nej:
            break;
        case Tspmform::Annuller:
            return;
        }
    }
    TftpForm *form = ftpForm();
    if (ftp::mangler(form->forbindelse())) {
        if (!visFtpEgenskaber())
            return;
        if (ftp::mangler(form->forbindelse()))
            return;
    }
    ftp::Opgave opgave;
    opgave.f = form->forbindelse();
    opgave.fil = filnavn;
    // Text files go as text, so the server keeps its own line ends; anything else (a
    // picture, an archive) byte for byte.
    const QString ext = shell::extensionOf(filnavn);
    opgave.tekst = vinduePaaFil(filnavn) != nullptr || shell::erTekstfil(shell::filtyperFraListe(filliste), ext);
    ftpUpload()->upload(opgave);
}

void Tmainform::fyldFtpBar(Twinform *win)
{
    QToolBar *bar = win->toolbarFtp;
    bar->addAction(Aupload);
    bar->widgetForAction(Aupload)->setObjectName(QStringLiteral("ftpKnapHtml"));
    auto *prop = new QToolButton;
    prop->setObjectName(QStringLiteral("ftpPropKnapHtml"));
    prop->setText(QStringLiteral("Sæt ftp egenskaber"));
    prop->setToolTip(QStringLiteral("Sæt ftp egenskaber"));
    prop->setIcon(QIcon::fromTheme(QStringLiteral("configure")));
    connect(prop, &QToolButton::clicked, this, [this] { visFtpEgenskaber(); });
    bar->addWidget(prop);
    auto *info = new QToolButton;
    info->setObjectName(QStringLiteral("ftpInfoKnapHtml"));
    info->setToolTip(QStringLiteral("Vis/Skjul upload informationer"));
    info->setIcon(QIcon::fromTheme(QStringLiteral("dialog-information")));
    connect(info, &QToolButton::clicked, win, [win] { win->uploadInfo->setVisible(win->uploadInfo->isHidden()); });
    bar->addWidget(info);
    bar->setVisible(visFtpFunktioner);
}

void Tmainform::visFtpKnapper()
{
    for (Twinform *w : dokumenter())
        w->toolbarFtp->setVisible(visFtpFunktioner);
    // The file panel's two FTP buttons follow the same setting (a tool bar shows or hides
    // its widgets through their actions).
    QToolBar *bar = m_filPanel->filBar;
    for (QAction *a : bar->actions())
        if (QWidget *b = bar->widgetForAction(a);
            b && (b->objectName() == QLatin1String("ftpPropKnap") || b->objectName() == QLatin1String("ftpKnap")))
            a->setVisible(visFtpFunktioner);
}
