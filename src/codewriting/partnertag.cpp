#include "codewriting/partnertag.h"

#include "editor/editor.h"

namespace {

bool erHtml(const TEditor *edit)
{
    return edit && edit->sprog() == u"HTML";
}

} // namespace

TPartnerTag::TPartnerTag(const TagList &nosluttag, QObject *parent) : QObject(parent), m_nosluttag(nosluttag)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (m_venter)
            opdater(m_venter);
    });
}

void TPartnerTag::tilknyt(TEditor *edit)
{
    connect(edit, &TEditor::caretMoved, this, [this, edit] {
        m_venter = edit;
        m_timer.start();
    });
}

void TPartnerTag::opdater(TEditor *edit)
{
    if (!edit)
        return;
    edit->fjernMarkeringer(TEditor::Markering::Partner);
    if (!erHtml(edit) || edit->hasSelection())
        return;
    const std::optional<TagPar> par = matchendeTag(ScanText(edit), edit->caretPos(), m_nosluttag);
    if (!par || par->partnerStart < 0)
        return;
    edit->marker(TEditor::Markering::Partner, par->start, par->slut);
    edit->marker(TEditor::Markering::Partner, par->partnerStart, par->partnerSlut);
}

bool TPartnerTag::gaaTilPartner(TEditor *edit)
{
    if (!erHtml(edit))
        return false;
    const std::optional<TagPar> par = matchendeTag(ScanText(edit), edit->caretPos(), m_nosluttag);
    if (!par || par->partnerStart < 0)
        return false;
    // Just after the "<": inside the tag, so the command leads back again.
    edit->setCaretPos(par->partnerStart + 1);
    edit->scrollToCaret();
    return true;
}
