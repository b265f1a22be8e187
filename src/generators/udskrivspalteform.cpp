#include "generators/udskrivspalteform.h"

#include "core/programfolder.h"
#include "generators/sidehjaelp.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

using namespace generators;

TudskrivSpalteForm::TudskrivSpalteForm(TDokumentVaert *m, QAction *AudskrivDesignSpalte)
    : TLayoutVindue(m, "TudskrivSpalteForm", QStringLiteral("Uskriv spalter"),
                    core::ProgramFolder::optDir() + QStringLiteral("udskrivspalte.txt"))
{
    const SpalteValg d;
    designNavnHtmlEdit = navngiv(new QLineEdit(d.navn), "designNavnHtmlEdit");
    designNavnHtmlEdit->setToolTip(QStringLiteral("Selector der anvendes i attribut class=\""));
    spalteRowEdit = talFelt("spalteRowEdit", d.bredde, 60);
    filtrerTal(spalteRowEdit);
    marginBreddeEdit = talFelt("marginBreddeEdit", egentligBredde(d.bredde, d.margin), 60);
    marginBreddeEdit->setReadOnly(true);
    antalSpalterEdit = talFelt("antalSpalterEdit", d.spalter);
    filtrerTal(antalSpalterEdit);
    antalRowEdit = talFelt("antalRowEdit", d.raekker);
    filtrerTal(antalRowEdit);
    udskrivSpalterKnap = actionKnap("udskrivSpalterKnap", AudskrivDesignSpalte);
    connect(spalteRowEdit, &QLineEdit::textChanged, this, &TudskrivSpalteForm::opdaterBredde);

    auto *raekke = new QGroupBox(QStringLiteral("Spalterække"));
    auto *rl = new QVBoxLayout(raekke);
    rl->addWidget(feltRaekke(QStringLiteral("Bredde"), spalteRowEdit, QStringLiteral("pixels")));
    rl->addWidget(feltRaekke(QStringLiteral("Egentlig bredde"), marginBreddeEdit, QStringLiteral("pixels")));
    auto *antal = new QGroupBox(QStringLiteral("Spalter og rækker"));
    auto *al = new QVBoxLayout(antal);
    al->addWidget(feltRaekke(QStringLiteral("Antal spalter"), antalSpalterEdit));
    al->addWidget(feltRaekke(QStringLiteral("Antal rækker"), antalRowEdit));
    auto *l = new QVBoxLayout(this);
    l->setSizeConstraint(QLayout::SetFixedSize);
    l->addWidget(feltRaekke(QStringLiteral("Navn"), designNavnHtmlEdit));
    l->addWidget(raekke);
    l->addWidget(antal);
    l->addWidget(udskrivSpalterKnap, 0, Qt::AlignRight);
    start();
}

void TudskrivSpalteForm::setMarginFelt(QLineEdit *margin)
{
    m_margin = margin;
    connect(margin, &QLineEdit::textChanged, this, &TudskrivSpalteForm::opdaterBredde);
    opdaterBredde();
}

void TudskrivSpalteForm::opdaterBredde()
{
    if (m_margin)
        marginBreddeEdit->setText(egentligBredde(spalteRowEdit->text(), m_margin->text()));
}

void TudskrivSpalteForm::AudskrivDesignSpalteExecute()
{
    // No columns or rows means one, and the field says so.
    for (QLineEdit *e : {antalSpalterEdit, antalRowEdit})
        if (e->text().isEmpty() || e->text() == u"0")
            e->setText(QStringLiteral("1"));
    SpalteValg v;
    v.navn = designNavnHtmlEdit->text();
    if (m_margin)
        v.margin = m_margin->text();
    v.bredde = spalteRowEdit->text();
    v.spalter = antalSpalterEdit->text();
    v.raekker = antalRowEdit->text();
    skriv(spalter(v));
}

QStringList TudskrivSpalteForm::optLinier() const
{
    return {QString::number(y()), QString::number(x()), QString::number(height()), QString::number(width()),
            spalteRowEdit->text(), marginBreddeEdit->text()};
}

QString TudskrivSpalteForm::laesOpt(const QString &fil, Placering &p)
{
    DesignLaeser r(fil, 6);
    r.placering(p);
    int hoejde = 0, bredde = 0;
    r.heltal(3, hoejde);   // the window keeps the size its fields need
    r.heltal(4, bredde);
    QString raekke = SpalteValg().bredde, egentlig = marginBreddeEdit->text();
    r.tal(5, raekke);
    r.tal(6, egentlig);
    spalteRowEdit->setText(raekke);
    marginBreddeEdit->setText(egentlig);
    opdaterBredde();
    return r.besked();
}
