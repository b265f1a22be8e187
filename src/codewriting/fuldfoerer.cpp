#include "codewriting/fuldfoerer.h"

#include "codewriting/dokumentvaert.h"
#include "codewriting/taginfo.h"
#include "editor/editor.h"

using fuldfoerelse::Kontekst;
using fuldfoerelse::Slags;

namespace {

bool erOrdTegn(QChar c)
{
    return c.isLetterOrNumber() || c == u'-' || c == u'_';
}

} // namespace

TFuldfoerer::TFuldfoerer(TDokumentVaert *vaert, const QString &programDir, QObject *parent)
    : QObject(parent), m_vaert(vaert), m_kilder(programDir)
{
}

void TFuldfoerer::tilknyt(TEditor *edit)
{
    connect(edit, &TEditor::tegnSkrevet, this, [this, edit](QChar c) { tegnSkrevet(edit, c); });
    connect(edit, &TEditor::listeValgt, this, [this, edit](const QString &item) { valgt(edit, item); });
}

void TFuldfoerer::setAktiv(bool on)
{
    m_aktiv = on;
    if (!on)
        if (TEditor *edit = m_vaert->aktivEditor())
            edit->lukListe();
}

bool TFuldfoerer::kanFuldfoere(TEditor *edit) const
{
    // Only the active HTML document: the tag component writes into it.
    return m_aktiv && edit && edit == m_vaert->tagKomponent()->Editor() && edit->sprog() == u"HTML";
}

bool TFuldfoerer::tegnSkrevet(TEditor *edit, QChar typed)
{
    if (!kanFuldfoere(edit))
        return false;
    if (edit->listeVises()) {
        if (erOrdTegn(typed))
            return true;   // the list picks its entry by the letters typed
        edit->lukListe();
    }
    // Letters inside a word open nothing: no work for them.
    const qsizetype caret = edit->caretPos();
    if (erOrdTegn(typed) && caret >= 2 && erOrdTegn(edit->charAt(caret - 2)))
        return false;
    Tinfotag *taginf = m_vaert->tagKomponent();
    const Kontekst k = fuldfoerelse::findKontekst(ScanText(edit), caret, taginf->Nosluttagliste());
    if (!fuldfoerelse::aabnerListe(k, typed))
        return false;
    return vis(edit, k);
}

bool TFuldfoerer::visForslag(TEditor *edit)
{
    if (!kanFuldfoere(edit))
        return false;
    const Kontekst k = fuldfoerelse::findKontekst(ScanText(edit), edit->caretPos(),
                                                  m_vaert->tagKomponent()->Nosluttagliste());
    return vis(edit, k);
}

bool TFuldfoerer::vis(TEditor *edit, const Kontekst &k)
{
    if (k.slags == Slags::Ingen)
        return false;
    const Tinfotag *taginf = m_vaert->tagKomponent();
    const QStringList items = m_kilder.forslag(k, taginf->Nosluttagliste(), taginf->Tagliste(), taginf->UAttributliste());
    const bool match = std::any_of(items.begin(), items.end(), [&k](const QString &item) {
        return item.startsWith(k.skrevet, Qt::CaseInsensitive);
    });
    if (!match)
        return false;
    edit->visListe(items, int(k.skrevet.size()));
    return edit->listeVises();
}

void TFuldfoerer::valgt(TEditor *edit, const QString &item)
{
    if (!kanFuldfoere(edit))
        return;
    const Slags skrevet = fuldfoerelse::skriv(*m_vaert->tagKomponent(), item);
    if (skrevet == Slags::Ingen)
        return;
    m_vaert->winInfo();
    // A property is followed by its values.
    if (skrevet == Slags::CssEgenskab)
        visForslag(edit);
}
