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
    // The preview follows the active document; once the last one is closed it shows nothing
    // (checked after the closing is done, as another document may become the active one).
    if (m_visningsrude && m_visningsrude->isVisible()) {
        if (edit) {
            m_visningsrude->folg(edit, filAf(*this, edit));
        } else {
            QTimer::singleShot(0, this, [this] {
                if (m_visningsrude && !aktivEditor()) {
                    m_visningsrude->folg(nullptr, {});
                    m_visningsrude->opdaterNu();
                }
            });
        }
    }
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
    const bool foersteGang = on && !m_visningsrude->property("harBredde").toBool();
    m_visningsrude->setVisible(on);
    if (foersteGang) {
        // The first time the pane takes a useful share of the window from the documents' area;
        // after that it keeps the width the user gives it.
        m_visningsrude->setProperty("harBredde", true);
        QList<int> sizes = arbejdsflade->sizes();
        const int rude = arbejdsflade->indexOf(m_visningsrude), doks = arbejdsflade->indexOf(mdi);
        const int bredde = qMax(m_visningsrude->minimumWidth(), width() * 2 / 5);
        const int tag = qMin(bredde, qMax(0, sizes[doks] - 300));
        if (tag > sizes[rude]) {
            sizes[doks] -= tag - sizes[rude];
            sizes[rude] = tag;
            arbejdsflade->setSizes(sizes);
        }
    }
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
