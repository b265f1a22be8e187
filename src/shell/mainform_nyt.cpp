// New documents: skeletons, "Nyt dokument", templates, opening, and the file type list.

#include "shell/mainform.h"

#include "codewriting/taginfo.h"
#include "core/textfile.h"
#include "generators/designside.h"
#include "generators/layoutkode.h"
#include "platform/infobox.h"
#include "shell/dokumentnavne.h"
#include "shell/filvalg.h"
#include "filemanager/openfilform.h"
#include "shell/newform.h"
#include "shell/openform.h"
#include "shell/skeletter.h"
#include "shell/typeform.h"
#include "shell/winform.h"

#include <QDir>
#include <QFileInfo>
#include "editor/editor.h"

void Tmainform::skrivLinier(const QStringList &lines, int caretLine)
{
    for (int i = 0; i < lines.size(); ++i)
        taginf->InsertLine(lines[i], true, i == caretLine, i == lines.size() - 1);
}

namespace {
void skrivSkelet(Tmainform *m, const QString &ext, const shell::Skelet &s)
{
    m->openwin(QString(), ext);
    m->skrivLinier(s.lines, s.caretLine);
    m->winInfo();
}
}

void Tmainform::nytHtml() { skrivSkelet(this, QStringLiteral(".html"), shell::htmlSkelet()); }
void Tmainform::nytAsp() { skrivSkelet(this, QStringLiteral(".asp"), shell::aspSkelet()); }
void Tmainform::nytWsf() { skrivSkelet(this, QStringLiteral(".wsf"), shell::wsfSkelet()); }
void Tmainform::nytAsa() { skrivSkelet(this, QStringLiteral(".asa"), shell::asaSkelet()); }

Tnewform *Tmainform::newform()
{
    if (!m_newform) {
        m_newform = new Tnewform(this);
        connect(m_newform, &Tnewform::information, this, &Tmainform::HelpInfo);
    }
    return m_newform;
}

void Tmainform::AnewDokumentExecute()
{
    Tnewform *f = newform();
    if (f->exec() != QDialog::Accepted)
        return;
    // The chosen layouts' CSS as their windows on the code book's design page hold it.
    auto designCss = [this, f] {
        return findChild<TDesignSide *>()->nyDesignCss(f->designCss(1), f->designCss(2), f->designCss(3), f->designCss(4));
    };
    switch (f->type()) {
    case Tnewform::Stylesheet: {
        openwin(QString(), QStringLiteral(".css"));
        const QStringList css = designCss();
        if (!css.isEmpty()) {
            generators::Layoutkode kode;
            kode.linier = css;
            generators::skrivLayout(*taginf, kode);
            winInfo();
        }
        break;
    }
    case Tnewform::JavaScript:
        openwin(QString(), QStringLiteral(".js"));
        break;
    default: {
        const bool asp = f->type() == Tnewform::Asp;
        const QStringList css = f->css() == 1 ? designCss() : QStringList();
        skrivSkelet(this, asp ? QStringLiteral(".asp") : QStringLiteral(".html"),
                    shell::nytDokumentSkelet(asp, f->script(), f->css(), css));
        break;
    }
    }
}

Topenform *Tmainform::openform()
{
    if (!m_openform) {
        m_openform = new Topenform(this);
        LoadFilliste();
    }
    return m_openform;
}

void Tmainform::mKlicheDokumentClick()
{
    Topenform *f = openform();
    if (f->exec() != QDialog::Accepted)
        return;
    if (!f->harValg())
        return;
    const QString e = f->valgtType();
    const QString T = klichedir + QStringLiteral("kliche") + e;

    Twinform *w = openwin(QString(), e);
    if (QFileInfo(T).isFile()) {
        if (f->valgtAfkrydset()) {
            QString text;
            const core::ReadResult r = core::readTextFile(T, text);
            if (!r.ok) {
                platform::errorBox(this, QStringLiteral("Klicheen %1 kan ikke læses.\r%2").arg(T, r.error));
                return;
            }
            w->Edit->setText(text);
            w->setModified(false);
            w->XYinfo();
        }
        return;
    }
    // No template for the type yet: make an empty one and open it for writing.
    QDir().mkpath(klichedir);
    const core::ReadResult r = core::writeFileAtomic(T, QByteArray());
    if (!r.ok) {
        platform::errorBox(this, QStringLiteral("Klicheen %1 kan ikke oprettes.\r%2").arg(T, r.error));
        return;
    }
    openwin(T, QStringLiteral(".txt"));
    platform::infoBox(this, QStringLiteral("Der fandtes ikke nogen kliche til filtypen.\rDen er nu oprettet.\r"
                                           "Skriv klicheen og gem filen."));
}

void Tmainform::FileOpenExecute()
{
    if (shell::harFilvalgHandler()) {
        const QString navn = shell::vaelgFil(this, shell::FilvalgMode::Aaben, QDir::currentPath());
        if (!navn.isEmpty())
            openwin(navn, shell::extensionOf(navn));
        return;
    }
    // The program's own browser, modeless beside the documents.
    Topenfilform *f = openfilform();
    f->makeDrevTekstMenu();
    f->aabenMode();
    f->show();
    f->raise();
    f->activateWindow();
}

// ---------------------------------------------------------------- file types

void Tmainform::byggFilter(bool medVaelger)
{
    if (filliste.isEmpty())
        return;
    const QList<shell::Filtype> typer = shell::filtyperFraListe(filliste);
    if (medVaelger && m_openform)
        m_openform->fyldRaekker(shell::vaelgerRaekker(typer));
    filterListe = shell::filterEntries(typer);
    emit filterAendret(filterListe);
}

void Tmainform::LoadFilliste()
{
    if (m_openform && !filliste.isEmpty())
        m_openform->fyldRaekker(shell::vaelgerRaekker(shell::filtyperFraListe(filliste)));
}

Ttypeform *Tmainform::typeform()
{
    if (!m_typeform) {
        m_typeform = new Ttypeform(this);
        m_typeform->LoadTypeliste(shell::filtyperFraListe(filliste));
        connect(m_typeform, &Ttypeform::gemTypeliste, this, &Tmainform::GemTypeliste);
        connect(m_typeform, &Ttypeform::information, this, &Tmainform::HelpInfo);
    }
    return m_typeform;
}

void Tmainform::visFiltyper()
{
    typeform()->show();
    typeform()->raise();
}

void Tmainform::GemTypeliste(const QList<shell::Filtype> &typer)
{
    filliste = shell::listeFraFiltyper(typer);
    const core::ReadResult r = core::writeLines(typelisteNavn, filliste);
    if (!r.ok)
        platform::errorBox(this, QStringLiteral("Filtyperne kunne ikke gemmes i %1.\r%2").arg(typelisteNavn, r.error));
    if (filliste.isEmpty()) {
        // Every type deleted: the panel falls back to its filter for all files.
        filterListe.clear();
        emit filterAendret(filterListe);
        return;
    }
    byggFilter(true);
}
