#include "generators/kontainercssform.h"

#include "core/programfolder.h"
#include "generators/boksfelter.h"
#include "generators/sidehjaelp.h"
#include "platform/infobox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

using namespace generators;

TudskrivKontainerCSSform::TudskrivKontainerCSSform(TDokumentVaert *m, QAction *AudskrivKontainerCSS)
    : TLayoutVindue(m, "TudskrivKontainerCSSform", QStringLiteral("Udskriv kontainer CSS"),
                    core::ProgramFolder::optDir() + QStringLiteral("udskrivcssKontainer.txt"))
{
    const KontainerValg d;
    felter = new TBoksFelter(this, d, false);
    displayBox = liste("displayBox", displayTyper(), d.display);
    infDisplay = infoKnap(m, "infDisplay", QStringLiteral("CSS information: display"), QStringLiteral("CSS.txt"),
                          QStringLiteral("display"));
    tilpasningBox = afkrydsning("tilpasningBox", QStringLiteral("Medtag tekst tilpasning"), d.tilpasning);
    alignBox = liste("alignBox", tekstJusteringer(), d.align);
    alignBox->setToolTip(QStringLiteral("CSS egenskab: text-align"));
    infTextAlign = infoKnap(m, "infTextAlign", QStringLiteral("CSS information: text-align"), QStringLiteral("CSS.txt"),
                            QStringLiteral("text-align"));
    setTextAlign = nulKnap("setTextAlign", QStringLiteral("Tilpas tekst til spaltebredde"));
    justifyBox = liste("justifyBox", tekstFordelinger(), d.textJustify);
    justifyBox->setToolTip(QStringLiteral("CSS egenskab: text-justify"));
    infTextJustify = infoKnap(m, "infTextJustify", QStringLiteral("CSS information: text-justify"),
                              QStringLiteral("CSS.txt"), QStringLiteral("text-justify"));
    setTextJustify = nulKnap("setTextJustify", QStringLiteral("Fordel mellemrum også mellem bogstaver"));
    connect(setTextAlign, &QToolButton::clicked, this, [this] { alignBox->setCurrentIndex(3); });
    connect(setTextJustify, &QToolButton::clicked, this, &TudskrivKontainerCSSform::setTextJustifyClick);
    gemKnap = navngiv(new QToolButton, "gemKnap");
    gemKnap->setText(QStringLiteral("Gem"));
    gemKnap->setToolTip(QStringLiteral("Gem/Hent"));
    hentKnap = navngiv(new QToolButton, "hentKnap");
    hentKnap->setText(QStringLiteral("Hent"));
    hentKnap->setToolTip(QStringLiteral("Gem/Hent"));
    Button4 = actionKnap("Button4", AudskrivKontainerCSS);
    connect(gemKnap, &QToolButton::clicked, this, [this] { emit gemHent(KontainerDesign, true, felter->designNavnEdit->text()); });
    connect(hentKnap, &QToolButton::clicked, this, [this] { emit gemHent(KontainerDesign, false, felter->designNavnEdit->text()); });

    auto *type = new QGroupBox(QStringLiteral("Kontainer type"));
    auto *tl = new QVBoxLayout(type);
    tl->addWidget(feltRaekke(QStringLiteral("Display"), displayBox, QString(), infDisplay));
    auto *tekst = new QGroupBox(QStringLiteral("Tekst tilpasning"));
    auto *xl = new QVBoxLayout(tekst);
    auto *alignRaekke = feltRaekke(QStringLiteral("Horisontalt"), alignBox, QString(), infTextAlign);
    // The "<" buttons go before the row's closing stretch.
    static_cast<QHBoxLayout *>(alignRaekke->layout())->insertWidget(alignRaekke->layout()->count() - 1, setTextAlign);
    auto *justifyRaekke = feltRaekke(QStringLiteral("Metode"), justifyBox, QString(), infTextJustify);
    static_cast<QHBoxLayout *>(justifyRaekke->layout())->insertWidget(justifyRaekke->layout()->count() - 1, setTextJustify);
    xl->addWidget(alignRaekke);
    xl->addWidget(justifyRaekke);

    auto *venstre = new QVBoxLayout;
    venstre->addWidget(feltRaekke(QStringLiteral("Navn"), felter->designNavnEdit));
    venstre->addWidget(type);
    venstre->addWidget(felter->afstandRaekker());
    venstre->addWidget(felter->farveRaekker());
    venstre->addWidget(felter->desigStyleCheck);
    venstre->addStretch(1);
    auto *hoejre = new QVBoxLayout;
    hoejre->addWidget(felter->rammeGruppe());
    hoejre->addWidget(felter->skyggeGruppe());
    hoejre->addWidget(tilpasningBox);
    hoejre->addWidget(tekst);
    auto *sider = new QHBoxLayout;
    sider->addLayout(venstre);
    sider->addLayout(hoejre);
    auto *knapper = new QHBoxLayout;
    knapper->addWidget(gemKnap);
    knapper->addWidget(hentKnap);
    knapper->addStretch(1);
    knapper->addWidget(Button4);
    auto *l = new QVBoxLayout(this);
    l->setSizeConstraint(QLayout::SetFixedSize);
    l->addLayout(sider);
    l->addLayout(knapper);
    start();
}

void TudskrivKontainerCSSform::setTextJustifyClick()
{
    if (alignBox->currentIndex() != 3)
        platform::infoBox(this, QStringLiteral("Egenskaben 'text-justify' virker kun,\rnår 'text-align' er sat til 'justify'."));
    justifyBox->setCurrentIndex(4);
}

KontainerValg TudskrivKontainerCSSform::valg() const
{
    KontainerValg v;
    felter->hent(v);
    v.display = displayBox->currentIndex();
    v.tilpasning = tilpasningBox->isChecked();
    v.align = alignBox->currentIndex();
    v.textJustify = justifyBox->currentIndex();
    return v;
}

void TudskrivKontainerCSSform::saetValg(const KontainerValg &v)
{
    felter->saet(v);
    displayBox->setCurrentIndex(v.display);
    tilpasningBox->setChecked(v.tilpasning);
    alignBox->setCurrentIndex(v.align);
    justifyBox->setCurrentIndex(v.textJustify);
}

void TudskrivKontainerCSSform::AudskrivKontainerCSSExecute()
{
    skriv(kontainerCss(valg()));
}

void TudskrivKontainerCSSform::AudskrivKontainerExecute()
{
    skriv(kontainer(felter->designNavnEdit->text()));
}

QStringList TudskrivKontainerCSSform::optLinier() const
{
    return designLinier(valg(), y(), x());
}

QString TudskrivKontainerCSSform::laesOpt(const QString &fil, Placering &p)
{
    KontainerValg v;
    const QString besked = laesDesign(fil, v, p);
    saetValg(v);
    return besked;
}
