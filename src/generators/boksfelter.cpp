#include "generators/boksfelter.h"

#include "generators/farvefelt.h"
#include "generators/layoutkode.h"
#include "generators/layoutvindue.h"
#include "generators/sidehjaelp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

using namespace generators;

namespace {
QToolButton *reset(const char *name, const QString &hint, QLineEdit *edit)
{
    QToolButton *b = nulKnap(name, hint);
    QObject::connect(b, &QToolButton::clicked, edit, [edit] { edit->setText(QStringLiteral("0")); });
    return b;
}

QLineEdit *tal(const char *name, const QString &text, const QString &hint)
{
    QLineEdit *e = talFelt(name, text);
    e->setToolTip(hint);
    return e;
}
}

TBoksFelter::TBoksFelter(QWidget *owner, const BoksValg &d, bool marginFiltreret) : QObject(owner)
{
    designNavnEdit = navngiv(new QLineEdit(d.navn), "designNavnEdit");
    designNavnEdit->setToolTip(QStringLiteral("Selector der også anvendes i attribut class=\""));
    marginEdit = tal("marginEdit", d.margin, QStringLiteral("Den ydre afstand til andre spalter"));
    paddingEdit = tal("paddingEdit", d.padding, QStringLiteral("Den indre margin i spalten"));
    if (marginFiltreret) {
        filtrerTal(marginEdit);
        filtrerTal(paddingEdit);
    }
    designRbreddeEdit = tal("designRbreddeEdit", d.rammeBredde,
                            QStringLiteral("Hvis bredden sættes til nul er spalten uden ramme"));
    designRrEdit = tal("designRrEdit", d.radius,
                       QStringLiteral("Hvis radius sættes til nul er spalten uden afrundede hjørner"));
    designSvandretEdit = tal("designSvandretEdit", d.vandret,
                             QStringLiteral("Hvis værdien sættes til nul er der ingen vandret skygge"));
    designSlodretedit = tal("designSlodretedit", d.lodret,
                            QStringLiteral("Hvis værdien sættes til nul er der ingen lodret skygge"));
    designReset0 = reset("designReset0", QStringLiteral("Uden ramme"), designRbreddeEdit);
    designReset1 = reset("designReset1", QStringLiteral("Uden afrundede hjørner"), designRrEdit);
    designReset2 = reset("designReset2", QStringLiteral("Uden lodret skygge"), designSlodretedit);
    designReset3 = reset("designReset3", QStringLiteral("Uden vandret skygge"), designSvandretEdit);
    stilBox = liste("stilBox", rammeStile(), d.stil);

    auto farve = [](const char *edit, const char *knap, const QString &text, const char *hint, const char *knapHint) {
        auto *f = new TFarvefelt(edit, knap, text);
        f->edit->setToolTip(QString::fromUtf8(hint));
        f->knap->setToolTip(QString::fromUtf8(knapHint));
        return f;
    };
    designRfarve = farve("designRfarveEdit", "designRcolor", d.rammeFarve,
                         "Rammefarven kan indføres manuelt eller vælges fra farveboksen.", "Rammefarve");
    designSfarve = farve("designSfarveEdit", "designScolor", d.skyggeFarve,
                         "Skyggefarven kan indføres manuelt eller vælges fra farveboksen.", "Skyggefarve");
    Bg = farve("BgEdit", "BgFarve", d.baggrund, "Baggrundsfarven kan indføres manuelt eller vælges fra farveboksen.",
               "Baggrundsfarve");
    Tekst = farve("TekstEdit", "TekstFarve", d.tekst, "Tekstfarven kan indføres manuelt eller vælges fra farveboksen.",
                  "Tekstfarve");
    desigStyleCheck = afkrydsning("desigStyleCheck", QStringLiteral("Medtag style-kode"), d.styleKode,
                                  QStringLiteral("Anbringes i head-afdelingen: <style>EGENSKABER</style>"));
}

QGroupBox *TBoksFelter::rammeGruppe()
{
    auto *g = new QGroupBox(QStringLiteral("Ramme"));
    auto *l = new QVBoxLayout(g);
    l->setSpacing(2);
    l->addWidget(feltRaekke(QStringLiteral("Bredde"), designRbreddeEdit, QStringLiteral("pixels"), designReset0));
    l->addWidget(feltRaekke(QStringLiteral("Hjørne radius"), designRrEdit, QStringLiteral("pixels"), designReset1));
    l->addWidget(feltRaekke(QStringLiteral("Stil"), stilBox));
    l->addWidget(feltRaekke(QStringLiteral("Farve"), designRfarve));
    return g;
}

QGroupBox *TBoksFelter::skyggeGruppe()
{
    auto *g = new QGroupBox(QStringLiteral("Skygge"));
    auto *l = new QVBoxLayout(g);
    l->setSpacing(2);
    l->addWidget(feltRaekke(QStringLiteral("Vandret"), designSvandretEdit, QStringLiteral("pixels"), designReset3));
    l->addWidget(feltRaekke(QStringLiteral("Lodret"), designSlodretedit, QStringLiteral("pixels"), designReset2));
    l->addWidget(feltRaekke(QStringLiteral("Farve"), designSfarve));
    return g;
}

QWidget *TBoksFelter::farveRaekker()
{
    auto *w = new QWidget;
    auto *l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(2);
    l->addWidget(feltRaekke(QStringLiteral("Farve"), Bg, QStringLiteral("Baggrund")));
    l->addWidget(feltRaekke(QStringLiteral("Farve"), Tekst, QStringLiteral("Tekst")));
    return w;
}

QWidget *TBoksFelter::afstandRaekker()
{
    auto *w = new QWidget;
    auto *l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(2);
    l->addWidget(feltRaekke(QStringLiteral("Margin"), marginEdit, QStringLiteral("pixels")));
    l->addWidget(feltRaekke(QStringLiteral("Padding"), paddingEdit, QStringLiteral("pixels")));
    return w;
}

void TBoksFelter::hent(BoksValg &v) const
{
    v.navn = designNavnEdit->text();
    v.margin = marginEdit->text();
    v.padding = paddingEdit->text();
    v.rammeBredde = designRbreddeEdit->text();
    v.radius = designRrEdit->text();
    v.stil = stilBox->currentIndex();
    v.rammeFarve = designRfarve->edit->text();
    v.vandret = designSvandretEdit->text();
    v.lodret = designSlodretedit->text();
    v.skyggeFarve = designSfarve->edit->text();
    v.baggrund = Bg->edit->text();
    v.tekst = Tekst->edit->text();
    v.styleKode = desigStyleCheck->isChecked();
}

void TBoksFelter::saet(const BoksValg &v)
{
    designNavnEdit->setText(v.navn);
    marginEdit->setText(v.margin);
    paddingEdit->setText(v.padding);
    designRbreddeEdit->setText(v.rammeBredde);
    designRrEdit->setText(v.radius);
    designRfarve->edit->setText(v.rammeFarve);
    designSvandretEdit->setText(v.vandret);
    designSlodretedit->setText(v.lodret);
    designSfarve->edit->setText(v.skyggeFarve);
    Bg->edit->setText(v.baggrund);
    Tekst->edit->setText(v.tekst);
    desigStyleCheck->setChecked(v.styleKode);
}
