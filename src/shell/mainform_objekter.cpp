// The main window's part of the document tool bars: the object structures the user built,
// the information search window, snippets and the VBScript capitalisation.

#include "shell/mainform.h"

#include "analysis/vbabc.h"
#include "codewriting/snippets.h"
#include "codewriting/taginfo.h"
#include "information/findinfoform.h"
#include "information/informationform.h"
#include "information/struktur.h"
#include "information/strukturlogik.h"
#include "shell/winform.h"

#include <QTreeWidgetItem>

QStringList Tmainform::konstrueredeObjektStrukturer() const
{
    QStringList navne = information::laesNavneliste(programdir + QStringLiteral("Script/_newStrukturliste.txt"));
    navne.removeDuplicates();
    std::sort(navne.begin(), navne.end(), [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return navne;
}

void Tmainform::soegIInformation(const QString &tekst)
{
    Tfindinfoform *f = infoform()->findinfoform();
    f->setSoegetekst(tekst);
    f->show();
    f->raise();
    f->activateWindow();
}

void Tmainform::skrivSnippet(const QString &navn)
{
    if (const codewriting::Snippet *s = codewriting::findSnippet(navn); s && taginf->Editor()) {
        codewriting::skrivSnippet(*taginf, *s);
        winInfo();
    }
}

void Tmainform::retVbOrd(Twinform *win)
{
    if (!win)
        return;
    // The words are compared with the VBScript reference as the information browser shows it.
    Tinfoform *info = infoform();
    if (info->strukturnavn.compare(QLatin1String("VBS"), Qt::CaseInsensitive) != 0)
        info->LoadStruktur(QStringLiteral("VBS"));
    if (info->strukturnavn.compare(QLatin1String("VBS"), Qt::CaseInsensitive) != 0)
        return;
    analysis::retVbOrd(*win->Edit, analysis::VbOrdbog(TStruktur::titler(info->Struktur->alleNoder())));
    win->XYinfo();
}
