// Help while writing: completion as you type, the matching tag, the check's findings in
// the text, and the live preview.

#include "shell/mainform.h"

#include "analysis/kontrolfund.h"
#include "codewriting/fuldfoerer.h"
#include "codewriting/partnertag.h"
#include "codewriting/taginfo.h"
#include "shell/editfontform.h"
#include "shell/winform.h"
#include "visning/visningsrude.h"

#include <QAction>
#include <QMenu>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QSplitter>
#include <QTimer>
#include <QToolBar>

namespace {

// Set on an edit control once the helpers hear it.
constexpr char kTilknyttet[] = "tavlevirkeVisning";

// The file shown by edit, empty when it has none.
QString filAf(const TDokumentVaert &vaert, const TEditor *edit)
{
    for (const TDokumentVaert::Dokument &d : vaert.aabneDokumenter())
        if (d.edit == edit)
            return d.filnavn;
    return {};
}

} // namespace

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

    Aforhaandsvisning = lavAction("Aforhaandsvisning", QStringLiteral("Forhåndsvisning"),
                                  QStringLiteral("Forhåndsvisning|Vis/Skjul siden som browseren viser den: Ctrl+Alt+P"),
                                  QKeySequence(QStringLiteral("Ctrl+Alt+P")), "document-preview");
    Aforhaandsvisning->setCheckable(true);
    connect(Aforhaandsvisning, &QAction::toggled, this, &Tmainform::AforhaandsvisningExecute);
    if (auto *vis = menuBar()->findChild<QMenu *>(QStringLiteral("mVis")))
        vis->addAction(Aforhaandsvisning);
    if (toolbar)
        toolbar->addAction(Aforhaandsvisning);
}

void Tmainform::visningTilknyt(TEditor *edit)
{
    // The preview follows the active document.
    if (m_visningsrude && m_visningsrude->isVisible() && edit)
        m_visningsrude->folg(edit, filAf(*this, edit));
    if (!edit || edit->property(kTilknyttet).toBool())
        return;
    edit->setProperty(kTilknyttet, true);
    m_fuldfoerer->tilknyt(edit);
    m_partnerTag->tilknyt(edit);
}

void Tmainform::AforhaandsvisningExecute(bool on)
{
    if (!m_visningsrude) {
        if (!on)
            return;
        m_visningsrude = new TVisningsrude;
        m_visningsrude->setMinimumWidth(200);
        m_visningsrude->hide();
        arbejdsflade->addWidget(m_visningsrude);
    }
    if (on) {
        TEditor *edit = aktivEditor();
        m_visningsrude->folg(edit, filAf(*this, edit));
    }
    m_visningsrude->setVisible(on);
    if (on)   // the area takes its new width once the splitter has laid out
        QTimer::singleShot(0, this, &Tmainform::tilpasVinduer);
}

void Tmainform::tilpasVinduer()
{
    const QRect flade = mdi->viewport()->rect();
    for (QMdiSubWindow *w : mdi->subWindowList()) {
        if (w->isMaximized() || w->isMinimized())
            continue;
        QRect g = w->geometry();
        if (g.right() <= flade.right())
            continue;
        g.setWidth(qMin(g.width(), flade.width()));
        g.moveLeft(qMax(0, flade.right() + 1 - g.width()));
        w->setGeometry(g);
    }
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
