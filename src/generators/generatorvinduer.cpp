#include "generators/generatorvinduer.h"

#include "codewriting/dokumentvaert.h"
#include "codewriting/taginfo.h"
#include "generators/cssform.h"
#include "generators/fontform.h"
#include "generators/sidehjaelp.h"
#include "platform/infobox.h"

#include <QAction>

using namespace generators;

TGeneratorVinduer::TGeneratorVinduer(TDokumentVaert *mainform) : QObject(mainform->vaertsvindue()), m(mainform)
{
    Atekstboks = new QAction(QStringLiteral("Tekstboks..."), m->vaertsvindue());
    Atekstboks->setObjectName(QStringLiteral("Atekstboks"));
    Atekstboks->setShortcut(QKeySequence(QStringLiteral("Ctrl+T")));
    Atekstboks->setToolTip(QStringLiteral("Udskriv tekst med valgte egenskaber: Ctrl+T"));
    Atekstboks->setStatusTip(Atekstboks->toolTip());
    m->vaertsvindue()->addAction(Atekstboks);
    connect(Atekstboks, &QAction::triggered, this, &TGeneratorVinduer::visTekstboks);
    AudskrivTekst = dokumentAction(m, "AudskrivTekst", QStringLiteral("Udskriv"), QStringLiteral("Udskriv valgte kode"));
    connect(AudskrivTekst, &QAction::triggered, this, [this] { fontform()->AudskrivTekstExecute(); });
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
    // The text box is written in: it takes the keyboard. (The CSS box leaves it to the page.)
    fontform()->show();
    fontform()->raise();
    fontform()->activateWindow();
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
        platform::infoBox(cssForm(), QStringLiteral("Der er ikke nogen aktuel css-egenskab."));
        return word;
    }
    if (!cssForm()->findEgenskab(word, m->cssEgenskabsliste()))
        platform::infoBox(cssForm(), word + QStringLiteral(" blev ikke fundet."));
    return word;
}
