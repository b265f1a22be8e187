#include "generators/udskrivcssform.h"

#include "generators/boksfelter.h"
#include "generators/sidehjaelp.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/programfolder.h"

using namespace generators;

TudskrivCSSform::TudskrivCSSform(TDokumentVaert *m, QAction *AudskrivDesignCss)
    : TLayoutVindue(m, "TudskrivCSSform", QStringLiteral("Udskriv spalte CSS"),
                    core::ProgramFolder::optDir() + QStringLiteral("udskrivcss.txt"))
{
    const SpalteCssValg d;
    felter = new TBoksFelter(this, d, true);
    justifyCheck = afkrydsning("justifyCheck", QStringLiteral("Tilpas tekst til spaltebredde"), d.justify);
    destibuteCheck = afkrydsning("destibuteCheck", QStringLiteral("Fordel mellemrum også mellem bogstaver"), d.distribute);
    gemKnap = navngiv(new QToolButton, "gemKnap");
    gemKnap->setText(QStringLiteral("Gem"));
    gemKnap->setToolTip(QStringLiteral("Gem/Hent"));
    hentKnap = navngiv(new QToolButton, "hentKnap");
    hentKnap->setText(QStringLiteral("Hent"));
    hentKnap->setToolTip(QStringLiteral("Gem/Hent"));
    Button1 = actionKnap("Button1", AudskrivDesignCss);
    connect(gemKnap, &QToolButton::clicked, this, [this] { emit gemHent(Spaltedesign, true, felter->designNavnEdit->text()); });
    connect(hentKnap, &QToolButton::clicked, this, [this] { emit gemHent(Spaltedesign, false, felter->designNavnEdit->text()); });

    auto *venstre = new QVBoxLayout;
    venstre->addWidget(feltRaekke(QStringLiteral("Navn"), felter->designNavnEdit));
    venstre->addWidget(felter->afstandRaekker());
    venstre->addWidget(felter->farveRaekker());
    venstre->addWidget(felter->desigStyleCheck);
    venstre->addWidget(justifyCheck);
    venstre->addWidget(destibuteCheck);
    venstre->addStretch(1);
    auto *hoejre = new QVBoxLayout;
    hoejre->addWidget(felter->rammeGruppe());
    hoejre->addWidget(felter->skyggeGruppe());
    auto *knapper = new QHBoxLayout;
    knapper->addWidget(gemKnap);
    knapper->addWidget(hentKnap);
    knapper->addStretch(1);
    knapper->addWidget(Button1);
    auto *sider = new QHBoxLayout;
    sider->addLayout(venstre);
    sider->addLayout(hoejre);
    auto *l = new QVBoxLayout(this);
    l->setSizeConstraint(QLayout::SetFixedSize);
    l->addLayout(sider);
    l->addLayout(knapper);
    start();
}

SpalteCssValg TudskrivCSSform::valg() const
{
    SpalteCssValg v;
    felter->hent(v);
    v.justify = justifyCheck->isChecked();
    v.distribute = destibuteCheck->isChecked();
    return v;
}

void TudskrivCSSform::saetValg(const SpalteCssValg &v)
{
    felter->saet(v);
    justifyCheck->setChecked(v.justify);
    destibuteCheck->setChecked(v.distribute);
}

void TudskrivCSSform::AudskrivDesignCssExecute()
{
    skriv(spalteCss(valg()));
}

QStringList TudskrivCSSform::optLinier() const
{
    return designLinier(valg(), y(), x());
}

QString TudskrivCSSform::laesOpt(const QString &fil, Placering &p)
{
    SpalteCssValg v;
    const QString besked = laesDesign(fil, v, p);
    saetValg(v);
    return besked;
}
