// The main window's side of searching: the "Søg" menu, the find and replace dialogs, the
// window "Søg i dokumenter", and what they may ask of the main window.

#include "editor/editor.h"
#include "search/finddialog.h"
#include "search/findform.h"
#include "shell/dokumentnavne.h"
#include "shell/mainform.h"
#include "shell/winform.h"

#include <QAction>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenu>

QList<TDokumentVaert::Dokument> Tmainform::aabneDokumenter() const
{
    // The active window first, then the others from the most recently active.
    const QList<QMdiSubWindow *> historik = mdi->subWindowList(QMdiArea::ActivationHistoryOrder);
    QList<Dokument> list;
    Twinform *aktiv = aktivWin();
    if (aktiv)
        list.append({aktiv->Edit, aktiv->Filnavn, aktiv->capNavn});
    for (auto it = historik.crbegin(); it != historik.crend(); ++it)
        if (auto *w = qobject_cast<Twinform *>(*it); w && w != aktiv)
            list.append({w->Edit, w->Filnavn, w->capNavn});
    return list;
}

TEditor *Tmainform::visDokument(const QString &capNavn)
{
    for (Twinform *w : dokumenter())
        if (w->capNavn == capNavn) {
            aktiverDokument(w);
            return w->Edit;
        }
    return nullptr;
}

Tfindform *Tmainform::findform()
{
    if (!m_findform)
        m_findform = new Tfindform(this, this);
    return m_findform;
}

TfindDialog *Tmainform::findDialog(bool erstat)
{
    TfindDialog *&d = erstat ? m_erstatDialog : m_findDialog;
    if (!d)
        d = new TfindDialog(this, erstat, this);
    return d;
}

void Tmainform::lavSoegMenu(QMenu *soeg)
{
    auto *find = lavAction("mFindIDokument", QStringLiteral("Find i dokument..."),
                           QStringLiteral("Find tekst i aktuelle dokument"), QKeySequence(QStringLiteral("Ctrl+F")),
                           "edit-find");
    auto *erstat = lavAction("mErstatIDokument", QStringLiteral("Erstat i dokument..."),
                             QStringLiteral("Find og erstat tekst i aktuelle dokument"), {}, "edit-find-replace");
    auto *findAlle = lavAction("mFindIDokumenter", QStringLiteral("Find i dokumenter..."),
                               QStringLiteral("Søg i åbne dokumenter eller i en mappes filer: F10"),
                               QKeySequence(Qt::Key_F10), "system-search");
    connect(find, &QAction::triggered, this, [this] { findDialog(false)->vis(); });
    connect(erstat, &QAction::triggered, this, [this] { findDialog(true)->vis(); });
    connect(findAlle, &QAction::triggered, this, [this] { findform()->vis(); });
    dokumentKommando(find);
    dokumentKommando(erstat);
    addAction(findAlle);
    soeg->addActions({find, erstat, findAlle});
}
