// The HTML check: the check window, reading the page's structure and the four checks.

#include "shell/mainform.h"

#include "analysis/kontrol.h"
#include "analysis/kontrolform.h"
#include "codewriting/taginfo.h"
#include "shell/winform.h"

#include <QAction>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QTreeView>

Tkontrolform *Tmainform::kontrolform()
{
    if (!m_kontrolform) {
        m_kontrolform = new Tkontrolform(this, taginf->TreeModel());
        taginf->SetTreeView(m_kontrolform->Tree);
        connect(taginf, &Tinfotag::OnProgress, m_kontrolform, &Tkontrolform::kontrolProgress);
        connect(m_kontrolform->infoKnap, &QAction::triggered, this,
                [this] { HelpInfo(QStringLiteral("Programmet.txt"), QStringLiteral("Kodekontrol")); });
        connect(m_kontrolform->readHtmlKnap, &QAction::triggered, this, &Tmainform::ReadHtmlStruktur);
        connect(m_kontrolform->readAttributterKnap, &QAction::triggered, this, &Tmainform::visAttributter);
        connect(m_kontrolform->msKnap, &QAction::triggered, this, &Tmainform::kontrolMSlutkoder);
        connect(m_kontrolform->fmSlutkoderKnap, &QAction::triggered, this, &Tmainform::kontrolFmSlutkoder);
        connect(m_kontrolform->ukendteKoderKnap, &QAction::triggered, this, &Tmainform::kontrolKoder);
        connect(m_kontrolform->ukendteAttributterKnap, &QAction::triggered, this, &Tmainform::kontrolAttributter);
        connect(m_kontrolform, &Tkontrolform::gaaTilTag, this, &Tmainform::KontrolGotoTag);
    }
    return m_kontrolform;
}

void Tmainform::AkontrolExecute()
{
    kontrolform()->show();
    kontrolform()->raise();
    ReadHtmlStruktur();
}

void Tmainform::ReadHtmlStruktur()
{
    kontrolform()->setInfo(QString());
    Twinform *w = aktivWin();
    if (!w)
        return;
    strukturNo = w->docNo;
    fjernKontrolFund();
    taginf->SetKontrolMode(kontrol::Struktur);
    taginf->ReadStructure();
    // The root and its first level open, as after a read in any tree.
    kontrolform()->Tree->expandToDepth(0);
}

void Tmainform::KontrolGotoTag()
{
    const QList<Twinform *> wins = dokumenter();
    if (wins.size() > 1) {
        for (qsizetype i = wins.size() - 1; i >= 0; --i) {
            if (wins[i]->docNo == strukturNo) {
                mdi->setActiveSubWindow(wins[i]);
                break;
            }
        }
    }
    taginf->GotoTag();
    if (taginf->Editor())
        taginf->Editor()->setFocus();
    getKode();
}

void Tmainform::visAttributter()
{
    taginf->SetKontrolMode(kontrol::Struktur);
    fjernKontrolFund();
    kontrolform()->setInfo(kontrol::statusTekst(kontrol::Struktur, taginf->VisAttributter()));
}

void Tmainform::kontrolMSlutkoder()
{
    taginf->SetKontrolMode(kontrol::ManglendeSlutkoder);
    kontrolform()->setInfo(kontrol::statusTekst(kontrol::ManglendeSlutkoder, taginf->EndtagsKontrol()));
    visKontrolFund();
}

void Tmainform::kontrolFmSlutkoder()
{
    taginf->SetKontrolMode(kontrol::ForMangeSlutkoder);
    kontrolform()->setInfo(kontrol::statusTekst(kontrol::ForMangeSlutkoder, taginf->ForMangeEndtag()));
    visKontrolFund();
}

void Tmainform::kontrolKoder()
{
    taginf->SetKontrolMode(kontrol::UkendteKoder);
    kontrolform()->setInfo(kontrol::statusTekst(kontrol::UkendteKoder, taginf->KodeKontrol()));
    visKontrolFund();
}

void Tmainform::kontrolAttributter()
{
    taginf->SetKontrolMode(kontrol::UkendteAttributter);
    kontrolform()->setInfo(kontrol::statusTekst(kontrol::UkendteAttributter, taginf->AttributeKontrol(attributedir)));
    visKontrolFund();
}

void Tmainform::lukKontrol(int docNo)
{
    if (strukturNo != docNo)
        return;
    fjernKontrolFund();
    taginf->TreeModel()->clear();
    if (m_kontrolform)
        m_kontrolform->close();
    strukturNo = -1;
}
