#include "generators/kolonnecssform.h"

#include "core/programfolder.h"
#include "generators/farvefelt.h"
#include "generators/sidehjaelp.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

using namespace generators;

namespace {
QLineEdit *tal(const char *name, const QString &text, const QString &hint = {})
{
    QLineEdit *e = talFelt(name, text);
    e->setToolTip(hint);
    return e;
}

QToolButton *reset(const char *name, const QString &hint, QLineEdit *edit)
{
    QToolButton *b = nulKnap(name, hint);
    QObject::connect(b, &QToolButton::clicked, edit, [edit] { edit->setText(QStringLiteral("0")); });
    return b;
}

QToolButton *knap(const char *name, const QString &caption)
{
    auto *b = navngiv(new QToolButton, name);
    b->setText(caption);
    b->setToolTip(QStringLiteral("Gem/Hent"));
    return b;
}
}

TkollonneCSSform::TkollonneCSSform(TDokumentVaert *m, QAction *AudskrivKolonneCSS)
    : TLayoutVindue(m, "TkollonneCSSform", QStringLiteral("Udskriv kolonne CSS"),
                    core::ProgramFolder::optDir() + QStringLiteral("udskrivKolonnecss.txt"))
{
    const KolonneCssValg d;
    const QString selector = QStringLiteral("Selector der også anvendes i attribut class=\"");
    kolonneNavnEdit = navngiv(new QLineEdit(d.navn), "kolonneNavnEdit");
    kolonneNavnEdit->setToolTip(selector);
    kolonneAntalEdit = tal("kolonneAntalEdit", d.antal);
    kolonneMellemrumEdit = tal("kolonneMellemrumEdit", d.mellemrum,
                               QStringLiteral("Hvis mellemrum sættes til nul sættes column-gap til normal"));
    kolonneResetMellemrum = reset("kolonneResetMellemrum", QStringLiteral("Nulstil: column-gap: normal"), kolonneMellemrumEdit);
    kolonneFillGroup = radioGruppe("kolonneFillGroup", QStringLiteral("Udfyldning"), kolonneUdfyldninger(), 1, fillKnapper);
    kolonneFillGroup->setToolTip(QStringLiteral("Balance: Browseren fordeler indholdet. Auto: Spalterne udfyldes "
                                                "flydende, når der er sat en kolonne højde"));
    fillKnapper->button(d.udfyldning)->setChecked(true);
    kolonneHojdeEdit = tal("kolonneHojdeEdit", d.hoejde, QStringLiteral("Skal sættes hvis udfyldning sættes til auto"));
    kolonneResetHojde = reset("kolonneResetHojde", QStringLiteral("Nulstil: uden specificeret højde"), kolonneHojdeEdit);
    kolonneRuleGroup = radioGruppe("kolonneRuleGroup", QStringLiteral("Type: column-rule-style"), kolonneLinieStile(), 2,
                                   ruleKnapper);
    kolonneRuleColor = new TFarvefelt("kolonneRuleColorEdit", "kolonneRuleColor", d.linieFarve);
    kolonneRuleColor->edit->setToolTip(QStringLiteral("Tekstfarven kan indføres manuelt eller vælges fra farveboksen."));
    kolonneRuleColor->knap->setToolTip(QStringLiteral("Tekstfarve"));
    kolonneRuleWidthEdit = tal("kolonneRuleWidthEdit", d.linieBredde, QStringLiteral("Hvis værdien sættes til nul får den værdien medium"));
    kolonneResetBredde = reset("kolonneResetBredde", QStringLiteral("Nulstil: værdien sættes til medium"), kolonneRuleWidthEdit);
    kolonneStyleCheck = afkrydsning("kolonneStyleCheck", QStringLiteral("Medtag style-kode"), d.styleKode,
                                    QStringLiteral("Anbringes i head-afdelingen: <style>EGENSKABER</style>"));
    kolonneOverskriftCheck = afkrydsning("kolonneOverskriftCheck", QStringLiteral("Medtag overskrift"), d.overskrift);
    overskriftNavnEdit = navngiv(new QLineEdit(d.overskriftNavn), "overskriftNavnEdit");
    overskriftNavnEdit->setToolTip(selector);
    gemKnap = knap("gemKnap", QStringLiteral("Gem"));
    hentKnap = knap("hentKnap", QStringLiteral("Hent"));
    Button1 = actionKnap("Button1", AudskrivKolonneCSS);
    connect(gemKnap, &QToolButton::clicked, this, [this] { emit gemHent(KolonneLayout, true, kolonneNavnEdit->text()); });
    connect(hentKnap, &QToolButton::clicked, this, [this] { emit gemHent(KolonneLayout, false, kolonneNavnEdit->text()); });

    auto *venstre = new QVBoxLayout;
    venstre->addWidget(feltRaekke(QStringLiteral("Navn"), kolonneNavnEdit));
    venstre->addWidget(feltRaekke(QStringLiteral("Antal"), kolonneAntalEdit, QStringLiteral("column-count")));
    venstre->addWidget(feltRaekke(QStringLiteral("Mellemrum"), kolonneMellemrumEdit, QStringLiteral("pixels column-gap"),
                                  kolonneResetMellemrum));
    venstre->addWidget(kolonneFillGroup);
    venstre->addWidget(new QLabel(QStringLiteral("column-fill")));
    venstre->addWidget(feltRaekke(QStringLiteral("Kolonnehøjde"), kolonneHojdeEdit, QStringLiteral("pixels height"),
                                  kolonneResetHojde));
    venstre->addWidget(kolonneStyleCheck);
    venstre->addStretch(1);
    auto *linier = new QGroupBox(QStringLiteral("Spaltelinier column-rule"));
    auto *ll = new QVBoxLayout(linier);
    ll->addWidget(kolonneRuleGroup);
    ll->addWidget(feltRaekke(QStringLiteral("Farve"), kolonneRuleColor, QStringLiteral("column-rule-color")));
    ll->addWidget(feltRaekke(QStringLiteral("Bredde"), kolonneRuleWidthEdit, QStringLiteral("pixels column-rule-width"),
                             kolonneResetBredde));
    auto *hoejre = new QVBoxLayout;
    hoejre->addWidget(linier);
    hoejre->addWidget(kolonneOverskriftCheck);
    hoejre->addWidget(feltRaekke(QStringLiteral("Navn"), overskriftNavnEdit));
    auto *sider = new QHBoxLayout;
    sider->addLayout(venstre);
    sider->addLayout(hoejre);
    auto *knapper = new QHBoxLayout;
    knapper->addWidget(gemKnap);
    knapper->addWidget(hentKnap);
    knapper->addStretch(1);
    knapper->addWidget(Button1);
    auto *l = new QVBoxLayout(this);
    l->setSizeConstraint(QLayout::SetFixedSize);
    l->addLayout(sider);
    l->addLayout(knapper);
    start();
}

KolonneCssValg TkollonneCSSform::valg() const
{
    KolonneCssValg v;
    v.navn = kolonneNavnEdit->text();
    v.antal = kolonneAntalEdit->text();
    v.mellemrum = kolonneMellemrumEdit->text();
    v.hoejde = kolonneHojdeEdit->text();
    v.udfyldning = fillKnapper->checkedId();
    v.linieStil = ruleKnapper->checkedId();
    v.linieFarve = kolonneRuleColor->edit->text();
    v.linieBredde = kolonneRuleWidthEdit->text();
    v.styleKode = kolonneStyleCheck->isChecked();
    v.overskrift = kolonneOverskriftCheck->isChecked();
    v.overskriftNavn = overskriftNavnEdit->text();
    return v;
}

void TkollonneCSSform::saetValg(const KolonneCssValg &v)
{
    kolonneNavnEdit->setText(v.navn);
    kolonneAntalEdit->setText(v.antal);
    kolonneMellemrumEdit->setText(v.mellemrum);
    kolonneHojdeEdit->setText(v.hoejde);
    fillKnapper->button(v.udfyldning)->setChecked(true);
    ruleKnapper->button(v.linieStil)->setChecked(true);
    kolonneRuleColor->edit->setText(v.linieFarve);
    kolonneRuleWidthEdit->setText(v.linieBredde);
    kolonneOverskriftCheck->setChecked(v.overskrift);
    overskriftNavnEdit->setText(v.overskriftNavn);
    // The style element choice is not part of the file.
}

void TkollonneCSSform::AudskrivKolonneCSSExecute()
{
    skriv(kolonneCss(valg()));
}

QStringList TkollonneCSSform::optLinier() const
{
    return designLinier(valg(), y(), x());
}

QString TkollonneCSSform::laesOpt(const QString &fil, Placering &p)
{
    KolonneCssValg v;
    const QString besked = laesDesign(fil, v, p);
    saetValg(v);
    return besked;
}
