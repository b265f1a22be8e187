// Files changed by other programs: every open document's file is watched, and checked again
// when the program comes forward and just before it is written, so another program's version
// is never overwritten unasked.

#include "shell/mainform.h"

#include "platform/infobox.h"
#include "shell/winform.h"

#include <QApplication>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QScopedValueRollback>
#include <QSet>
#include <QTimer>

void Tmainform::lavFilVagt()
{
    m_filVagt = new QFileSystemWatcher(this);
    m_filVagtTimer = new QTimer(this);
    m_filVagtTimer->setSingleShot(true);
    // A program writing a file sends several signals; the check waits for the last.
    m_filVagtTimer->setInterval(250);
    connect(m_filVagt, &QFileSystemWatcher::fileChanged, this, &Tmainform::filVagtSignal);
    connect(m_filVagtTimer, &QTimer::timeout, this, &Tmainform::tjekAendredeFiler);
    // The watcher misses some changes (a file system without notices, a folder replaced):
    // coming forward checks every document, as other editors do.
    connect(qApp, &QApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s != Qt::ApplicationActive)
            return;
        for (Twinform *w : dokumenter())
            if (!w->Filnavn.isEmpty())
                m_aendredeFiler << w->Filnavn;
        m_filVagtTimer->start();
    });
}

void Tmainform::opdaterOvervaagning()
{
    if (!m_filVagt)
        return;
    QSet<QString> skal;
    for (Twinform *w : dokumenter())
        if (!w->Filnavn.isEmpty() && QFileInfo(w->Filnavn).isFile())
            skal.insert(w->Filnavn);
    const QStringList har = m_filVagt->files();
    for (const QString &f : har)
        if (!skal.contains(f))
            m_filVagt->removePath(f);
    for (const QString &f : std::as_const(skal))
        if (!har.contains(f))
            m_filVagt->addPath(f);   // also again after a file was replaced under its name
}

void Tmainform::filVagtSignal(const QString &path)
{
    m_aendredeFiler << path;
    m_filVagtTimer->start();
}

void Tmainform::tjekAendredeFiler()
{
    if (m_tjekkerFil) {
        m_filVagtTimer->start();   // after the question on screen is answered
        return;
    }
    const QStringList filer = std::exchange(m_aendredeFiler, {});
    for (Twinform *w : dokumenter())
        if (!w->Filnavn.isEmpty() && filer.contains(w->Filnavn))
            tjekFilUdefra(w);
    opdaterOvervaagning();
}

Tspmform::Svar Tmainform::spoergOmAendretFil(Twinform *win)
{
    Tspmform::Knapper knapper;
    knapper.ja = QStringLiteral("Genindlæs");
    knapper.nej = QStringLiteral("Gem alligevel");
    knapper.standard = Tspmform::Annuller;
    return spoerg(QStringLiteral("%1\r\rFilen er ændret af et andet program siden den blev åbnet.").arg(win->Filnavn),
                  knapper);
}

void Tmainform::tjekFilUdefra(Twinform *win)
{
    if (m_tjekkerFil || win->Filnavn.isEmpty())
        return;
    QScopedValueRollback vagt(m_tjekkerFil, true);
    core::FilStempel fremmed;
    switch (core::filTilstand(win->Filnavn, win->stempel, &fremmed)) {
    case core::FilTilstand::Uaendret:
        return;
    case core::FilTilstand::Slettet: {
        // The text is all that is left of the file: it stays, modified, and a save writes it
        // again without asking.
        win->stempel = {};
        win->setModified(true);
        visInfo(QStringLiteral("Filen %1 er slettet af et andet program.").arg(win->Filnavn));
        platform::infoBox(this, QStringLiteral("Filen %1 er slettet af et andet program.\r"
                                               "Dokumentet er stadig åbent; gem det for at skrive filen igen.")
                                    .arg(win->Filnavn));
        return;
    }
    case core::FilTilstand::Aendret:
        break;
    }
    if (!win->isModified()) {
        if (win->genindlaes())
            visInfo(QStringLiteral("Filen %1 er læst igen; et andet program har ændret den.").arg(win->Filnavn));
        return;
    }
    if (fremmed.findes && fremmed == win->fremmedStempel)
        return;   // the user has already kept his own text over this version
    switch (spoergOmAendretFil(win)) {
    case Tspmform::Ja:
        win->genindlaes();
        break;
    case Tspmform::Nej:
        win->stempel = fremmed;
        skrivDokument(win, win->Filnavn);
        break;
    case Tspmform::Annuller:
        win->fremmedStempel = fremmed;
        break;
    }
}

bool Tmainform::maaOverskrive(Twinform *win)
{
    QScopedValueRollback vagt(m_tjekkerFil, true);
    core::FilStempel fremmed;
    switch (core::filTilstand(win->Filnavn, win->stempel, &fremmed)) {
    case core::FilTilstand::Uaendret:
        return true;
    case core::FilTilstand::Slettet:
        return spoerg(QStringLiteral("Filen %1 er slettet af et andet program, siden den blev åbnet.\r"
                                     "Skal den gemmes igen?").arg(win->Filnavn)) == Tspmform::Ja;
    case core::FilTilstand::Aendret:
        break;
    }
    switch (spoergOmAendretFil(win)) {
    case Tspmform::Ja:
        win->genindlaes();
        return false;
    case Tspmform::Nej:
        return true;
    case Tspmform::Annuller:
        win->fremmedStempel = fremmed;   // answered: the watcher's late signal asks nothing
        return false;
    }
    return false;
}
