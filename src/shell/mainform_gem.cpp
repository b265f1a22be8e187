// Saving documents: under their name, under a new name, and closing other windows on a file.

#include "shell/mainform.h"

#include "core/textfile.h"
#include "platform/infobox.h"
#include "platform/saerfil.h"
#include "shell/dokumentnavne.h"
#include "shell/filvalg.h"
#include "filemanager/openfilform.h"
#include "shell/winform.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

namespace {
// A device, FIFO or kernel file is never written as a document: writing could block for good
// or replace it with a plain file.
bool saerfilAfvist(QWidget *parent, const QString &path)
{
    const QString grund = platform::saerfilGrund(path);
    if (grund.isEmpty())
        return false;
    platform::errorBox(parent, QStringLiteral("Filen %1 kunne ikke gemmes.\r%2").arg(path, grund));
    return true;
}
}

bool Tmainform::skrivDokument(Twinform *win, const QString &path)
{
    if (saerfilAfvist(this, path))
        return false;
    // Another program's version of the file is never overwritten unasked.
    if (path == win->Filnavn && !maaOverskrive(win))
        return false;
    const QString text = win->text();
    core::Encoding enc = win->encoding;
    if (!core::canEncode(text, enc)) {
        // Never write "?" for a character the file's encoding cannot hold.
        const auto svar = spoerg(QStringLiteral("Dokumentet indeholder tegn, som ikke kan gemmes som %1.\r"
                                                "Skal det gemmes som UTF-8 med BOM i stedet?")
                                     .arg(core::encodingName(enc)));
        if (svar != Tspmform::Ja)
            return false;
        enc = core::Encoding::Utf8Bom;
    }
    core::FilStempel stempel;
    const core::ReadResult r = core::writeDocument(path, text, enc, &stempel);
    if (!r.ok) {
        platform::errorBox(this, QStringLiteral("Filen %1 kunne ikke gemmes.\r%2").arg(path, r.error));
        return false;
    }
    win->stempel = stempel;
    win->fremmedStempel = {};
    win->encoding = enc;
    win->linjeskift = QStringLiteral("CR LF");   // what every save writes
    win->visKodning();
    win->setModified(false);
    return true;
}

bool Tmainform::Gem(Twinform *win)
{
    if (!win)
        return false;
    if (win->Filnavn.isEmpty())
        return GemSomDokument(win);
    return skrivDokument(win, win->Filnavn);
}

bool Tmainform::GemSomDokument(Twinform *win)
{
    if (!win)
        return false;
    const QString Filnavnet = win->Filnavn.isEmpty() ? QStringLiteral("IkkeNavngivet")
                                                     : QFileInfo(win->Filnavn).fileName();
    if (shell::harFilvalgHandler()) {
        const QString folder = win->Filnavn.isEmpty() ? QDir::currentPath() : QFileInfo(win->Filnavn).absolutePath();
        const QString valgt = shell::vaelgFil(this, shell::FilvalgMode::Gem, QDir(folder).filePath(Filnavnet));
        if (valgt.isEmpty())
            return false;
        return GemSom(win, valgt);
    }
    // The browser shows in save mode beside the documents; its "Gem" calls GemSom. Nothing
    // is written yet.
    Topenfilform *f = openfilform();
    f->makeDrevTekstMenu();
    f->gemMode(Filnavnet);
    f->show();
    f->raise();
    f->activateWindow();
    f->EditFilnavn->setFocus();
    return false;
}

bool Tmainform::GemSom(Twinform *win, const QString &Filnavnet)
{
    if (!win || Filnavnet.isEmpty())
        return false;
    QString N = Filnavnet;
    if (shell::extensionOf(N).isEmpty())
        N += win->docExt;

    if (saerfilAfvist(this, N))
        return false;
    if (QFileInfo::exists(N)) {
        Tspmform::Knapper knapper;
        knapper.standard = Tspmform::Nej;
        const auto svar = spoerg(QStringLiteral("Filen ") + QFileInfo(N).fileName()
                                 + QStringLiteral(" eksisterer allerede!\rSkal den overskrives?"), knapper);
        if (svar != Tspmform::Ja)
            return false;
        // Other windows on that file close first (each asks about its own changes); one that
        // the user keeps open stops the saving, so two windows never hold diverging copies.
        while (Twinform *other = vinduePaaFil(N, win)) {
            if (!lukDokument(other))
                return false;
        }
    }

    if (!skrivDokument(win, N))
        return false;   // the window keeps its old name, caption, tab and modified text
    win->Filnavn = N;
    win->skiftNavn();
    emit dokumentGemt(N);
    return true;
}

Twinform *Tmainform::vinduePaaFil(const QString &filnavn, const Twinform *undtagen) const
{
    for (Twinform *w : dokumenter())
        if (w != undtagen && w->Filnavn.compare(filnavn, Qt::CaseInsensitive) == 0)
            return w;
    return nullptr;
}

bool Tmainform::lukDokument(Twinform *win)
{
    LukProgram = true;
    win->close();
    return LukProgram;
}
