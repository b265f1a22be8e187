#include "generators/generatorvinduer.h"

#include "generators/cssform.h"
#include "generators/fontform.h"
#include "generators/sidehjaelp.h"
#include "platform/infobox.h"
#include "shell/mainform.h"

#include <QAction>

using namespace generators;

TGeneratorVinduer::TGeneratorVinduer(Tmainform *mainform) : QObject(mainform), m(mainform)
{
    Atekstboks = new QAction(QStringLiteral("Tekstboks..."), m);
    Atekstboks->setObjectName(QStringLiteral("Atekstboks"));
    Atekstboks->setShortcut(QKeySequence(QStringLiteral("Ctrl+T")));
    Atekstboks->setToolTip(QStringLiteral("Udskriv tekst med valgte egenskaber: Ctrl+T"));
    Atekstboks->setStatusTip(Atekstboks->toolTip());
    m->addAction(Atekstboks);
    connect(Atekstboks, &QAction::triggered, this, &TGeneratorVinduer::visTekstboks);
    AudskrivTekst = dokumentAction(m, "AudskrivTekst", QStringLiteral("Udskriv"), QStringLiteral("Udskriv valgte kode"));
    connect(AudskrivTekst, &QAction::triggered, this, [this] { fontform()->AudskrivTekstExecute(); });

    m->AcssBoks->setEnabled(true);
    m->AcssBoks->setToolTip(QStringLiteral("Vis CSS egenskaber og værdier"));
    m->AcssBoks->setStatusTip(m->AcssBoks->toolTip());
    connect(m->AcssBoks, &QAction::triggered, this, &TGeneratorVinduer::visCssBoks);
}

Tfontform *TGeneratorVinduer::fontform()
{
    if (!m_fontform)
        m_fontform = new Tfontform(m, AudskrivTekst);
    return m_fontform;
}

TcssForm *TGeneratorVinduer::cssForm()
{
    if (!m_cssForm)
        m_cssForm = new TcssForm(m);
    return m_cssForm;
}

void TGeneratorVinduer::visTekstboks()
{
    fontform()->show();
    fontform()->raise();
}

void TGeneratorVinduer::visCssBoks()
{
    cssForm()->show();
    cssForm()->raise();
}

QString TGeneratorVinduer::findCss(const QString &word)
{
    visCssBoks();
    if (word.size() < 2) {
        platform::infoBox(m, QStringLiteral("Der er ikke nogen aktuel css-egenskab."));
        return word;
    }
    if (!cssForm()->findEgenskab(word, m->findCssFilename))
        platform::infoBox(m, word + QStringLiteral(" blev ikke fundet."));
    return word;
}
