#include "generators/flexcssform.h"

#include "core/programfolder.h"
#include "generators/sidehjaelp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

using namespace generators;

namespace {
QString nummereret(const char *stamme, int i)
{
    return QString::fromLatin1(stamme) + QString::number(i);
}

QLineEdit *vaerdi(const QString &name, const QString &text)
{
    auto *e = new QLineEdit(text);
    e->setObjectName(name);
    e->setFixedWidth(130);
    return e;
}
}

TflexCSSform::TflexCSSform(TDokumentVaert *m, QAction *AudskrivFlexCSS)
    : TLayoutVindue(m, "TflexCSSform", QStringLiteral("Udskriv flex CSS"),
                    core::ProgramFolder::optDir() + QStringLiteral("udskrivFlexcss.txt"))
{
    const FlexValg d;
    boksnavnEdit = navngiv(new QLineEdit(d.navn), "boksnavnEdit");
    for (int i = 0; i < 5; ++i)
        fkEdit[i] = vaerdi(nummereret("fkEdit", i + 1), d.fk[i]);
    fkEdit[5] = vaerdi(QStringLiteral("fkEdit6"), QStringLiteral("flex;"));
    fkEdit[5]->setEnabled(false);
    for (int i = 0; i < 4; ++i) {
        fkBox[i] = new QComboBox;
        fkBox[i]->setObjectName(nummereret("fkBox", i + 1));
        fkBox[i]->addItems(flexListe(i));
        fkBox[i]->setCurrentIndex(d.fkBox[i]);
    }
    for (int i = 0; i < 6; ++i)
        eEdit[i] = vaerdi(nummereret("eEdit", i + 1), d.e[i]);
    eEdit[6] = vaerdi(QStringLiteral("eEdit7"), QStringLiteral("0;"));
    eEdit[7] = vaerdi(QStringLiteral("eEdit8"), QStringLiteral("0;"));
    eEdit[8] = vaerdi(QStringLiteral("eEdit9"), d.basis);
    eEdit[9] = vaerdi(QStringLiteral("eEdit10"), QStringLiteral("number"));
    for (int i : {6, 7, 9})
        eEdit[i]->setEnabled(false);
    for (int i = 0; i < 19; ++i) {
        cb[i] = new QCheckBox;
        cb[i]->setObjectName(nummereret("cb", i + 1));
        cb[i]->setChecked(d.cb[i]);
    }
    antalEdit = talFelt("antalEdit", d.antal);
    desigStyleCheck = afkrydsning("desigStyleCheck", QStringLiteral("Medtag style-kode"), d.styleKode,
                                  QStringLiteral("Anbringes i head-afdelingen: <style>EGENSKABER</style>"));
    gemKnap = navngiv(new QToolButton, "gemKnap");
    gemKnap->setText(QStringLiteral("Gem"));
    gemKnap->setToolTip(QStringLiteral("Gem/Hent"));
    hentKnap = navngiv(new QToolButton, "hentKnap");
    hentKnap->setText(QStringLiteral("Hent"));
    hentKnap->setToolTip(QStringLiteral("Gem/Hent"));
    Button1 = actionKnap("Button1", AudskrivFlexCSS);
    connect(gemKnap, &QToolButton::clicked, this, [this] { emit gemHent(FlexLayout, true, boksnavnEdit->text()); });
    connect(hentKnap, &QToolButton::clicked, this, [this] { emit gemHent(FlexLayout, false, boksnavnEdit->text()); });

    // One row per declaration: label, information button, value, include box.
    int infNr = 0;
    auto raekke = [&](QGridLayout *g, const QString &property, QWidget *value, QCheckBox *box) {
        const int r = g->rowCount();
        g->addWidget(new QLabel(property + u':'), r, 0);
        QToolButton *inf = infoKnap(this->m, qPrintable(nummereret("infFlex", ++infNr)), QStringLiteral("Sæt antal til nul"),
                                    QStringLiteral("CSS.txt"), property);
        g->addWidget(inf, r, 1);
        g->addWidget(value, r, 2);
        if (box)
            g->addWidget(box, r, 3);
    };
    auto *kontainer = new QGroupBox(QStringLiteral("Flex kontainer"));
    auto *kg = new QGridLayout(kontainer);
    kg->setVerticalSpacing(1);
    kg->addWidget(new QLabel(QStringLiteral("Boksnavn")), 0, 0, 1, 2);
    kg->addWidget(boksnavnEdit, 0, 2);
    const char *const fkNavne[] = {"margin", "background-color", "box-shadow", "border", "border-radius"};
    for (int i = 0; i < 5; ++i)
        raekke(kg, QString::fromLatin1(fkNavne[i]), fkEdit[i], cb[i]);
    raekke(kg, QStringLiteral("display"), fkEdit[5], nullptr);
    const char *const boxNavne[] = {"align-items", "justify-content", "flex-direction", "flex-wrap"};
    for (int i = 0; i < 4; ++i)
        raekke(kg, QString::fromLatin1(boxNavne[i]), fkBox[i], cb[5 + i]);

    auto *faelles = new QGroupBox(QStringLiteral("Elementernes fælles egenskaber"));
    auto *fg = new QGridLayout(faelles);
    fg->setVerticalSpacing(1);
    const char *const eNavne[] = {"margin", "padding", "background-color", "box-shadow", "border", "border-radius"};
    for (int i = 0; i < 6; ++i)
        raekke(fg, QString::fromLatin1(eNavne[i]), eEdit[i], cb[9 + i]);
    auto *specifik = new QGroupBox(QStringLiteral("Elementernes specifikke egenskaber"));
    auto *sg = new QGridLayout(specifik);
    sg->setVerticalSpacing(1);
    const char *const sNavne[] = {"flex-grow", "flex-shrink", "flex-basis", "order"};
    for (int i = 0; i < 4; ++i)
        raekke(sg, QString::fromLatin1(sNavne[i]), eEdit[6 + i], cb[15 + i]);
    sg->addWidget(new QLabel(QStringLiteral("Antal elementer")), sg->rowCount(), 0, 1, 2);
    sg->addWidget(antalEdit, sg->rowCount() - 1, 2);

    auto *hoejre = new QVBoxLayout;
    hoejre->addWidget(faelles);
    hoejre->addWidget(specifik);
    auto *sider = new QHBoxLayout;
    sider->addWidget(kontainer, 0, Qt::AlignTop);
    sider->addLayout(hoejre);
    auto *knapper = new QHBoxLayout;
    knapper->addWidget(desigStyleCheck);
    knapper->addStretch(1);
    knapper->addWidget(gemKnap);
    knapper->addWidget(hentKnap);
    knapper->addWidget(Button1);
    auto *l = new QVBoxLayout(this);
    l->setSizeConstraint(QLayout::SetFixedSize);
    l->addLayout(sider);
    l->addLayout(knapper);
    start();
}

FlexValg TflexCSSform::valg() const
{
    FlexValg v;
    v.navn = boksnavnEdit->text();
    for (int i = 0; i < 5; ++i)
        v.fk[i] = fkEdit[i]->text();
    for (int i = 0; i < 4; ++i)
        v.fkBox[i] = fkBox[i]->currentIndex();
    for (int i = 0; i < 6; ++i)
        v.e[i] = eEdit[i]->text();
    v.basis = eEdit[8]->text();
    v.antal = antalEdit->text();
    v.styleKode = desigStyleCheck->isChecked();
    for (int i = 0; i < 19; ++i)
        v.cb[i] = cb[i]->isChecked();
    return v;
}

void TflexCSSform::saetValg(const FlexValg &v)
{
    boksnavnEdit->setText(v.navn);
    for (int i = 0; i < 5; ++i)
        fkEdit[i]->setText(v.fk[i]);
    for (int i = 0; i < 4; ++i)
        fkBox[i]->setCurrentIndex(v.fkBox[i]);
    for (int i = 0; i < 6; ++i)
        eEdit[i]->setText(v.e[i]);
    eEdit[8]->setText(v.basis);
    antalEdit->setText(v.antal);
    desigStyleCheck->setChecked(v.styleKode);
    for (int i = 0; i < 19; ++i)
        cb[i]->setChecked(v.cb[i]);
}

void TflexCSSform::AudskrivFlexCSSExecute()
{
    if (antalEdit->text().isEmpty())
        antalEdit->setText(QStringLiteral("0"));
    skriv(flexCss(valg()));
}

void TflexCSSform::AudskrivFlexExecute()
{
    if (antalEdit->text().isEmpty())
        antalEdit->setText(QStringLiteral("1"));
    skriv(flex(boksnavnEdit->text(), antalEdit->text()));
}

QStringList TflexCSSform::optLinier() const
{
    return designLinier(valg(), y(), x());
}

QString TflexCSSform::laesOpt(const QString &fil, Placering &p)
{
    FlexValg v;
    const QString besked = laesDesign(fil, v, p);
    saetValg(v);
    return besked;
}
