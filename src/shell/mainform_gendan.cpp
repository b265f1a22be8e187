// Recovery of unsaved work: each modified document keeps a copy under Gendan/, and a run
// that did not end normally has its copies offered back at the next start.

#include "shell/mainform.h"

#include "editor/editor.h"
#include "gendan/gendanlager.h"
#include "gendan/gendanvagt.h"
#include "platform/infobox.h"
#include "shell/gendanform.h"
#include "shell/winform.h"

void Tmainform::startGendanVagt(Twinform *w)
{
    w->gendanVagt = new gendan::TGendanVagt(m_gendan, w->docNo, w->Edit, [w] {
        gendan::GendanPost post;
        post.filnavn = w->Filnavn;
        post.ext = w->docExt;
        post.kodning = w->encoding;
        return post;
    }, w);
}

void Tmainform::tilbydGendannelse()
{
    if (!m_gendan->aktiv())
        return;
    const gendan::TGendanLager::Fund fund = m_gendan->efterladte();
    if (!fund.beskadigede.isEmpty()) {
        platform::infoBox(this, QStringLiteral("Disse gendannelseskopier er beskadigede og springes over "
                                               "(de er omdøbt til *.beskadiget):\r")
                                    + fund.beskadigede.join(QChar(u'\r')));
    }
    if (fund.poster.isEmpty()) {
        m_gendan->frigiv();
        return;
    }
    Tgendanform form(fund.poster, this);
    form.exec();
    const QList<gendan::GendanPost> valgte = form.valgte();
    if (form.valg() == Tgendanform::Gendan) {
        for (const gendan::GendanPost &post : valgte)
            if (gendanDokument(post))
                m_gendan->slet(post);   // after the restored window's own copy is written
    } else if (form.valg() == Tgendanform::Slet) {
        for (const gendan::GendanPost &post : valgte)
            m_gendan->slet(post);
    }
    m_gendan->frigiv();
}

Twinform *Tmainform::gendanDokument(const gendan::GendanPost &post)
{
    const QString tekst = QString::fromUtf8(post.tekst);
    Twinform *w = post.filnavn.isEmpty() ? nullptr : vinduePaaFil(post.filnavn);
    if (w) {
        // The file is open already (named on the command line): its window takes the text,
        // and one undo brings the file's own text back.
        w->Edit->replaceRange(0, w->Edit->length(), tekst);
        w->Edit->setCaretPos(0);
        aktiverDokument(w);
    } else {
        newDocFilename = post.filnavn;
        m_gendannetTekst = &tekst;
        w = nytVindue(post.filnavn.isEmpty() ? post.ext : QString());
        m_gendannetTekst = nullptr;
    }
    w->encoding = post.kodning;
    w->visKodning();
    w->setModified(true);
    // The copy in this run's own folder is written before the old one goes.
    w->gendanVagt->skrivNu();
    return w;
}

void Tmainform::gendanSkrivFejl(const QString &besked)
{
    visInfo(besked);
    if (m_gendanFejlVist)
        return;
    // Once per run: without the copies a crash would lose what is typed, and the user should
    // know, but not be stopped every few seconds while typing.
    m_gendanFejlVist = true;
    platform::infoBox(this, besked);
}
