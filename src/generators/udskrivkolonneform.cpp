#include "generators/udskrivkolonneform.h"

#include "core/programfolder.h"
#include "generators/sidehjaelp.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

using namespace generators;

TudskrivKolonneForm::TudskrivKolonneForm(TDokumentVaert *m, QAction *AudskrivKolonner)
    : TLayoutVindue(m, "TudskrivKolonneForm", QStringLiteral("Udskriv kolonnekontainer"),
                    core::ProgramFolder::optDir() + QStringLiteral("udskrivKolonne.txt"))
{
    const KolonneValg d;
    const QString selector = QStringLiteral("Selector der også anvendes i attribut class=\"");
    kolonneNavnEdit = navngiv(new QLineEdit(d.navn), "kolonneNavnEdit");
    kolonneNavnEdit->setToolTip(selector);
    kolonneOverskriftCheck = afkrydsning("kolonneOverskriftCheck", QStringLiteral("Medtag overskrift kolonne"), d.overskrift);
    overskriftNavnEdit = navngiv(new QLineEdit(d.overskriftNavn), "overskriftNavnEdit");
    overskriftNavnEdit->setToolTip(selector);
    kolonneUdskrivKnap = actionKnap("kolonneUdskrivKnap", AudskrivKolonner);
    auto *l = new QVBoxLayout(this);
    l->setSizeConstraint(QLayout::SetFixedSize);
    l->addWidget(feltRaekke(QStringLiteral("Navn"), kolonneNavnEdit));
    l->addWidget(kolonneOverskriftCheck);
    l->addWidget(feltRaekke(QStringLiteral("Navn"), overskriftNavnEdit));
    l->addWidget(kolonneUdskrivKnap, 0, Qt::AlignRight);
    start();
}

void TudskrivKolonneForm::AudskrivKolonnerExecute()
{
    skriv(kolonner(KolonneValg{kolonneNavnEdit->text(), kolonneOverskriftCheck->isChecked(), overskriftNavnEdit->text()}));
}

QStringList TudskrivKolonneForm::optLinier() const
{
    return {QString::number(y()), QString::number(x()), kolonneNavnEdit->text(), overskriftNavnEdit->text(),
            bit(kolonneOverskriftCheck->isChecked())};
}

QString TudskrivKolonneForm::laesOpt(const QString &fil, Placering &p)
{
    DesignLaeser r(fil, 5);
    KolonneValg v;
    r.placering(p);
    r.tekst(3, v.navn);
    r.tekst(4, v.overskriftNavn);
    r.flag(5, v.overskrift);
    kolonneNavnEdit->setText(v.navn);
    overskriftNavnEdit->setText(v.overskriftNavn);
    kolonneOverskriftCheck->setChecked(v.overskrift);
    return r.besked();
}
