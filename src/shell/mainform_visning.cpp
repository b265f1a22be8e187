// Help while writing: completion as you type, the matching tag and the check's findings
// in the text.

#include "shell/mainform.h"

#include "analysis/kontrolfund.h"
#include "codewriting/fuldfoerer.h"
#include "codewriting/partnertag.h"
#include "codewriting/taginfo.h"
#include "shell/editfontform.h"
#include "shell/winform.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {
// Set on an edit control once the helpers hear it.
constexpr char kTilknyttet[] = "tavlevirkeVisning";
}

void Tmainform::startVisning()
{
    m_fuldfoerer = new TFuldfoerer(this, programdir, this);
    m_fuldfoerer->setAktiv(editfontform()->fuldfoerelse);
    m_partnerTag = new TPartnerTag(taginf->Nosluttagliste(), this);

    AmatchTag = lavAction("AmatchTag", QStringLiteral("Gå til modsvarende kode"),
                          QStringLiteral("Gå mellem start- og slutkoden ved markøren: Ctrl+Alt+M"),
                          QKeySequence(QStringLiteral("Ctrl+Alt+M")));
    connect(AmatchTag, &QAction::triggered, this, &Tmainform::AmatchTagExecute);
    dokumentKommando(AmatchTag);
    if (auto *soeg = menuBar()->findChild<QMenu *>(QStringLiteral("mSoeg"))) {
        soeg->addSeparator();
        soeg->addAction(AmatchTag);
    }
}

void Tmainform::visningTilknyt(TEditor *edit)
{
    if (!edit || edit->property(kTilknyttet).toBool())
        return;
    edit->setProperty(kTilknyttet, true);
    m_fuldfoerer->tilknyt(edit);
    m_partnerTag->tilknyt(edit);
}

void Tmainform::setFuldfoerelse(bool on)
{
    m_fuldfoerer->setAktiv(on);
}

void Tmainform::AmatchTagExecute()
{
    TEditor *edit = aktivEditor();
    if (!edit)
        return;
    if (!m_partnerTag->gaaTilPartner(edit))
        visInfo(QStringLiteral("Ingen modsvarende kode ved markøren."));
}

void Tmainform::visKontrolFund()
{
    for (Twinform *w : dokumenter()) {
        if (w->docNo == strukturNo) {
            kontrol::markerFund(w->Edit, kontrol::fund(*taginf->TreeModel()));
            return;
        }
    }
}

void Tmainform::fjernKontrolFund()
{
    for (Twinform *w : dokumenter())
        w->Edit->fjernMarkeringer(TEditor::Markering::Fund);
}
