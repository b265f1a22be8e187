// The code panel and the attribute panel: HTML vocabulary from the data files, written
// into the document on a double click or Enter, following the caret in automatic mode.

#include "shell/mainform.h"

#include "codewriting/kodeliste.h"
#include "codewriting/kodepanelfiler.h"
#include "codewriting/taginfo.h"
#include "shell/knapbar.h"
#include "shell/winform.h"

#include <QAction>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

using kodepanel::Soegning;

namespace {
// The panels are narrow: their buttons wrap into rows instead of hiding behind an overflow.
TKnapBar *panelBar(const char *name)
{
    auto *bar = new TKnapBar(QString::fromLatin1(name));
    bar->setIconSize(QSize(16, 16));
    return bar;
}
}

void Tmainform::lavKodepaneler()
{
    // Code panel: the category bar, the code list and under it the between list.
    KodePanel = new QWidget;
    KodePanel->setObjectName(QStringLiteral("KodePanel"));
    KodePanel->setMinimumWidth(150);
    KodeBar = panelBar("KodeBar");
    for (const kodepanel::Kategori &k : kodepanel::kodekategorier()) {
        QAction *a = KodeBar->addAction(QIcon::fromTheme(QString::fromLatin1(k.ikon)), QString::fromUtf8(k.hint));
        a->setObjectName(QStringLiteral("kodeknap_%1").arg(k.nummer));
        a->setToolTip(QString::fromUtf8(k.hint));
        const int nummer = k.nummer;
        connect(a, &QAction::triggered, this, [this, nummer] { fyldKodeliste(nummer); });
    }
    kodeliste = new TKodeListe(QStringLiteral("kodeliste"), Soegning::StarterMed, QStringLiteral("<"));
    betweenliste = new TKodeListe(QStringLiteral("betweenliste"), Soegning::FraAndetTegn);
    kodeliste->setOverskrift(QStringLiteral("Alle koder"));
    betweenliste->setOverskrift(QStringLiteral("Mellemkoder"));
    kodeSplitter = new QSplitter(Qt::Vertical);
    kodeSplitter->setObjectName(QStringLiteral("kodeSplitter"));
    kodeSplitter->addWidget(kodeliste);
    kodeSplitter->addWidget(betweenliste);
    auto *kodeLayout = new QVBoxLayout(KodePanel);
    kodeLayout->setContentsMargins(2, 2, 2, 2);
    kodeLayout->setSpacing(2);
    kodeLayout->addWidget(KodeBar);
    kodeLayout->addWidget(kodeSplitter, 1);

    connect(kodeliste, &TKodeListe::klik, this, [this](const QString &item) {
        Koden = kodepanel::tagnavn(item);
        fyldAttributliste(Koden);
        fyldBetweenliste(Koden);
        infoS = Koden;
    });
    connect(betweenliste, &TKodeListe::klik, this, [this](const QString &item) {
        Koden = kodepanel::tagnavn(item);
        fyldAttributliste(Koden);
        infoS = Koden;
    });
    for (TKodeListe *liste : {kodeliste, betweenliste}) {
        connect(liste, &TKodeListe::skriv, this, [this](const QString &item) {
            taginf->UdskrivKoder(item, u'>', 1);
            winInfo();
        });
    }

    // Attribute panel: the category bar with the automatic mode, the attribute list and
    // under it the value list.
    AttributPanel = new QWidget;
    AttributPanel->setObjectName(QStringLiteral("AttributPanel"));
    AttributPanel->setMinimumWidth(150);
    ToolBar1 = panelBar("ToolBar1");
    const char *const ikoner[] = {"format-list-unordered", "media-playlist-shuffle", "document-edit", "media-playback-start"};
    int i = 0;
    for (const kodepanel::AttributKategori &k : kodepanel::attributkategorier()) {
        QAction *a = ToolBar1->addAction(QIcon::fromTheme(QString::fromLatin1(ikoner[i])), QString::fromUtf8(k.hint));
        a->setObjectName(QString::fromLatin1(k.navn));
        const int nummer = i++;
        connect(a, &QAction::triggered, this, [this, nummer] { fyldAttributKategori(nummer); });
    }
    QAction *inf = ToolBar1->addAction(QIcon::fromTheme(QStringLiteral("help-about")), QStringLiteral("Information om kodepanelerne"));
    inf->setObjectName(QStringLiteral("infKodepanelerne"));
    connect(inf, &QAction::triggered, this, [this] { HelpInfo(QStringLiteral("Programmet.txt"), QStringLiteral("Kodepanelerne")); });
    autokodeCheck = new QCheckBox(QStringLiteral("Autokode"));
    autokodeCheck->setObjectName(QStringLiteral("autokodeCheck"));
    autokodeCheck->setToolTip(QStringLiteral("Autokode: Kan anvendes til små html dokumenter"));
    connect(autokodeCheck, &QCheckBox::clicked, this, &Tmainform::autokodeCheckClick);
    ToolBar1->addWidget(autokodeCheck);

    attributliste = new TKodeListe(QStringLiteral("attributliste"), Soegning::StarterMed);
    valueliste = new TKodeListe(QStringLiteral("valueliste"), Soegning::StarterMed);
    attributliste->setOverskrift(QStringLiteral("Attributter"));
    valueliste->setOverskrift(QStringLiteral("Attribut værdier"));
    attributSplitter = new QSplitter(Qt::Vertical);
    attributSplitter->setObjectName(QStringLiteral("attributSplitter"));
    attributSplitter->addWidget(attributliste);
    attributSplitter->addWidget(valueliste);
    auto *attrLayout = new QVBoxLayout(AttributPanel);
    attrLayout->setContentsMargins(2, 2, 2, 2);
    attrLayout->setSpacing(2);
    attrLayout->addWidget(ToolBar1);
    attrLayout->addWidget(attributSplitter, 1);

    connect(attributliste, &TKodeListe::klik, this, [this](const QString &item) {
        valueliste->toem();
        if (!Koden.isEmpty() && !item.isEmpty()) {
            Attributten = item;
            fyldValueliste(Koden, Attributten);
        } else {
            Attributten.clear();
            valueliste->setOverskrift(QStringLiteral("Attribut værdier"));
        }
        infoS = Koden;
    });
    connect(attributliste, &TKodeListe::skriv, this, [this](const QString &item) {
        taginf->udskrivAttribut(item);
        winInfo();
    });
    connect(valueliste, &TKodeListe::skriv, this, [this](const QString &item) {
        if (kodepanel::erOverskrift(item)) {
            if (item == u"CSS" && AcssBoks->isEnabled())
                AcssBoks->trigger();
            else if (taginf->Editor())
                taginf->Editor()->setFocus();
            return;
        }
        taginf->udskrivAttValue(Attributten, item);
        winInfo();
    });
}

void Tmainform::startKodepaneler()
{
    Koden = QStringLiteral("a");
    infoS = Koden;
    fyldKodeliste(0);
    fyldBetweenliste(Koden);
    fyldAttributliste(Koden);
    fyldValueliste(Koden, QStringLiteral("download"));
}

void Tmainform::fyldKodeliste(int k)
{
    kodeliste->fyld(kodepanel::kodeliste(htmllistedir, k));
}

void Tmainform::fyldAttributKategori(int k)
{
    attributliste->fyld(kodepanel::attributKategori(attributedir, k));
}

void Tmainform::fyldAttributliste(const QString &t)
{
    attributliste->fyld(kodepanel::attributliste(attributedir, t));
}

void Tmainform::fyldBetweenliste(const QString &t)
{
    betweenliste->fyld(kodepanel::betweenliste(betweendir, t));
}

void Tmainform::fyldValueliste(const QString &t, const QString &a)
{
    valueliste->fyld(kodepanel::valueliste(valuedir, t, a, taginf->UAttributliste()));
}

void Tmainform::kodelisteSel(const QString &aKode)
{
    const TPosData &P = taginf->PosData();
    betweenliste->setOverskrift(QStringLiteral("Mellemkoder"));
    attributliste->setOverskrift(QStringLiteral("Attributter"));
    valueliste->setOverskrift(QStringLiteral("Attribut værdier"));

    const bool skiftet = aKode != Koden;
    if (skiftet) {
        Koden = aKode;
        kodeliste->setOverskrift(aKode);
        const QString item = taginf->Nosluttagliste().contains(aKode)
                                 ? QStringLiteral("<") + aKode + QStringLiteral(">")
                                 : QStringLiteral("<") + aKode + QStringLiteral("></") + aKode + QStringLiteral(">");
        kodeliste->vaelg(item);
    }

    switch (P.CurPos) {
    case cpInside: {
        betweenliste->toem();
        if (skiftet || attributliste->topLevelItemCount() == 0)
            fyldAttributliste(Koden);
        const QString attribut = P.Attribut.isEmpty() ? taginf->FindOrdAttribut() : P.Attribut;
        if (!attribut.isEmpty())
            fyldValueliste(Koden, attribut);
        else
            valueliste->toem();
        break;
    }
    case cpBetween:
        attributliste->toem();
        valueliste->toem();
        betweenliste->toem();
        fyldBetweenliste(Koden);
        break;
    case cpNone:
    case cpInsideEnd:
        attributliste->toem();
        valueliste->toem();
        betweenliste->toem();
        break;
    }
    infoS = Koden;
}

void Tmainform::hurtigAttribut(const QString &attribut)
{
    const QString current = taginf->autoKode() ? Koden : taginf->GetTag();
    if (current.isEmpty()) {
        visInfo(TekstIngenAktuelKode);
        return;
    }
    const TPosData &P = taginf->PosData();
    if (!P.Tag.isEmpty() && P.CurPos == cpInside) {
        taginf->udskrivAttribut(attribut);
        winInfo();
    }
}

void Tmainform::opdaterKodeActions()
{
    const bool open = !dokumenter().isEmpty();
    Aslutkode->setEnabled(taginf->SlutkodeEnabled(open));
    const TPosData &P = taginf->PosData();
    const bool inde = taginf->autoKode() ? (!P.Tag.isEmpty() && P.CurPos == cpInside) : open;
    for (QAction *a : {AclassAttribut, AidAttribut, AstyleAttribut, AonclickEvent})
        a->setEnabled(inde);
}
