#include "generators/gemhentform.h"

#include "codewriting/dokumentvaert.h"
#include "core/programfolder.h"
#include "generators/designfiler.h"
#include "generators/layoutvindue.h"
#include "generators/sidehjaelp.h"
#include "platform/infobox.h"
#include "platform/papirkurv.h"
#include "platform/vinduesplads.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>


using namespace generators;

TgemHentForm::TgemHentForm(TDokumentVaert *mainform) : QDialog(mainform->vaertsvindue()), m(mainform)
{
    setObjectName(QStringLiteral("TgemHentForm"));
    setWindowTitle(QStringLiteral("Gem design"));
    setModal(true);
    optfil = core::ProgramFolder::optDir() + QStringLiteral("gemhent.txt");

    filListe = navngiv(new QListWidget, "filListe");
    filnavnEdit = navngiv(new QLineEdit, "filnavnEdit");
    okKnap = navngiv(new QPushButton(QStringLiteral("Gem")), "okKnap");
    okKnap->setToolTip(QStringLiteral("Gem/Hent"));
    okKnap->setDefault(true);
    sletKnap = navngiv(new QPushButton(QStringLiteral("Slet")), "sletKnap");
    sletKnap->setToolTip(QStringLiteral("Slet valgte design"));
    sletKnap->setAutoDefault(false);
    infGemHent = infoKnap(m, "infGemHent", QStringLiteral("Information"), QStringLiteral("Programmet.txt"),
                          QStringLiteral("Gem og hent CSS"));
    connect(okKnap, &QPushButton::clicked, this, &TgemHentForm::okKnapClick);
    connect(sletKnap, &QPushButton::clicked, this, &TgemHentForm::sletKnapClick);
    connect(filListe, &QListWidget::itemClicked, this, [this](QListWidgetItem *it) { filnavnEdit->setText(it->text()); });
    connect(filListe, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *it) {
        filnavnEdit->setText(it->text());
        okKnapClick();
    });

    auto *knapper = new QHBoxLayout;
    knapper->addWidget(infGemHent);
    knapper->addStretch(1);
    knapper->addWidget(sletKnap);
    knapper->addWidget(okKnap);
    auto *l = new QVBoxLayout(this);
    l->addWidget(new QLabel(QStringLiteral("Eksisterende design")));
    l->addWidget(filListe);
    l->addWidget(new QLabel(QStringLiteral("Design navn")));
    l->addWidget(filnavnEdit);
    l->addLayout(knapper);
    resize(260, 320);
}

void TgemHentForm::forbered(int kind, bool save, const QString &name, TLayoutVindue *vindue)
{
    filnavnEdit->clear();
    designNummer = kind;
    gemBoks = save;
    m_vindue = vindue;
    optDir = designMappe(kind);
    setWindowTitle(designMappeNavn(kind));
    fyldListe();
    if (save)
        filnavnEdit->setText(name);
    okKnap->setText(save ? QStringLiteral("Gem") : QStringLiteral("Hent"));
}

void TgemHentForm::gemHent(int kind, bool save, const QString &name, TLayoutVindue *vindue)
{
    forbered(kind, save, name, vindue);
    exec();
}

void TgemHentForm::fyldListe()
{
    filListe->clear();
    filListe->addItems(designNavne(designNummer));
}

QString TgemHentForm::designFil()
{
    const QString navn = filnavnEdit->text();
    if (navn.isEmpty()) {
        platform::infoBox(this, QStringLiteral("Der mangler et design navn."));
        return {};
    }
    QString fejl;
    const QString fil = generators::designFil(designNummer, navn, &fejl);
    if (fil.isEmpty())
        platform::infoBox(this, fejl);
    return fil;
}

void TgemHentForm::okKnapClick()
{
    const QString fil = designFil();
    if (fil.isEmpty() || !m_vindue)
        return;
    const QString navn = filnavnEdit->text();
    if (gemBoks) {
        if (QFileInfo::exists(fil)
            && !m->spoergJaNejForvalgt(QStringLiteral("Design: ") + navn + QStringLiteral("\rFilen eksisterer allerede.\rSkal den overskrives?"), this))
            return;
        if (!m_vindue->gemOpt(fil))
            return;   // the reason is shown; another name may do
    } else if (QFileInfo(fil).isFile()) {
        m_vindue->hentOpt(fil);
    } else {
        platform::infoBox(this, QStringLiteral("Filen kunne ikke findes."));
    }
    accept();
}

void TgemHentForm::sletKnapClick()
{
    const QString fil = designFil();
    if (fil.isEmpty())
        return;
    const QString navn = filnavnEdit->text();
    if (!QFileInfo(fil).isFile()) {
        platform::infoBox(this, QStringLiteral("Filen blev ikke fundet."));
        return;
    }
    if (!m->spoergJaNejForvalgt(QStringLiteral("Skal designfilen: ") + navn + QStringLiteral("\rslettes til papirkurven?"), this))
        return;
    QString grund;
    if (!platform::tilPapirkurv(fil, &grund)) {
        platform::errorBox(this, QStringLiteral("Designfilen %1 kunne ikke flyttes til papirkurven.\r%2").arg(fil, grund));
        return;
    }
    filnavnEdit->clear();
    fyldListe();
}

void TgemHentForm::showEvent(QShowEvent *event)
{
    if (opstart) {
        opstart = false;
        platform::hentPlads(this, optfil);
    }
    QDialog::showEvent(event);
}

void TgemHentForm::done(int result)
{
    if (opstart) {   // never shown: no place to remember
        QDialog::done(result);
        return;
    }
    QString error;
    if (!platform::gemPlads(this, optfil, &error))
        platform::errorBox(this, QStringLiteral("Dialogens placering kunne ikke gemmes i %1.\r%2").arg(optfil, error));
    QDialog::done(result);
}
