#include "generators/layoutvindue.h"

#include "codewriting/dokumentvaert.h"
#include "codewriting/taginfo.h"
#include "core/optionfile.h"
#include "core/textfile.h"
#include "generators/sidehjaelp.h"
#include "platform/infobox.h"
#include "platform/vinduesplads.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QSpacerItem>

using namespace generators;

TLayoutVindue::TLayoutVindue(TDokumentVaert *mainform, const char *name, const QString &caption, const QString &optfil)
    : QWidget(mainform->vaertsvindue(), Qt::Tool | Qt::WindowStaysOnTopHint), optFilnavn(optfil), m(mainform)
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(caption);
    generators::lukMedEscape(this);
}

void TLayoutVindue::start()
{
    // A window sized by its fields is at least as wide as its caption, which the window
    // manager would otherwise cut ("Udskriv kolonnekontainer"); room too for the frame's
    // icon and buttons.
    if (QLayout *l = layout(); l && l->sizeConstraint() == QLayout::SetFixedSize) {
        QFont titel = font();
        titel.setBold(true);
        const int bredde = QFontMetrics(titel).horizontalAdvance(windowTitle()) + 120;
        if (l->sizeHint().width() < bredde)
            l->addItem(new QSpacerItem(bredde, 0, QSizePolicy::Minimum, QSizePolicy::Fixed));
    }
    // Without a file, or one whose place cannot be read, the window starts in the middle.
    if (QFileInfo(optFilnavn).isFile() && hentOpt(optFilnavn))
        return;
    adjustSize();
    if (QScreen *s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

bool TLayoutVindue::gemOpt(const QString &fil)
{
    core::OptionWriter w;
    for (const QString &l : optLinier())
        w.add(l);
    QDir().mkpath(QFileInfo(fil).path());   // a design kind's folder the user removed
    QString error;
    if (w.write(fil, &error))
        return true;
    platform::errorBox(beskedEjer(), QStringLiteral("Indstillingerne kunne ikke gemmes i %1.\r%2").arg(fil, error));
    return false;
}

bool TLayoutVindue::hentOpt(const QString &fil)
{
    Placering p;
    const QString besked = laesOpt(fil, p);
    if (p.har)
        platform::flytVindue(this, p.left, p.top);
    if (!besked.isEmpty())
        platform::infoBox(beskedEjer(), besked);
    return p.har;
}

QWidget *TLayoutVindue::beskedEjer()
{
    return isVisible() ? this : m->vaertsvindue();
}

void TLayoutVindue::skriv(const Layoutkode &kode)
{
    if (!kode.fejl.isEmpty()) {
        platform::infoBox(beskedEjer(), kode.fejl);
        return;
    }
    Tinfotag *taginf = m->tagKomponent();
    if (!taginf->Editor())
        return;
    generators::skrivLayout(*taginf, kode);
    // The tool window stays open; the keyboard goes back to the page.
    m->vaertsvindue()->activateWindow();
    taginf->Editor()->setFocus();
}

void TLayoutVindue::closeEvent(QCloseEvent *event)
{
    gemOpt(optFilnavn);
    event->accept();
}
