#include "generators/cssform.h"

#include "codewriting/dokumentvaert.h"
#include "codewriting/taginfo.h"
#include "core/optionfile.h"
#include "core/programfolder.h"
#include "core/textfile.h"
#include "generators/sidehjaelp.h"
#include "platform/infobox.h"
#include "platform/vinduesplads.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScreen>
#include <QSplitter>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace generators;

namespace {
const char *const kGrupper[] = {
    "Animation", "Background and Border", "Basic Box", "Basic User Interface", "Color", "Filter Effects",
    "Flexible Box Layout", "Font", "Generated Content for Paged Media", "Image values and Replaced Content",
    "Lists and Counters", "Marquee", "Masking", "Multi-column Layout", "Paged Media", "Speech", "Table", "Text",
    "Text Decoration", "Transform", "Transitions", "Writing Modes"};

QTreeWidget *liste(const char *name, const QString &caption)
{
    auto *t = navngiv(new QTreeWidget, name);
    t->setColumnCount(1);
    t->setHeaderLabel(caption);
    t->setRootIsDecorated(false);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return t;
}

// Lines of a list file named after a group or property; nothing for an unsafe name.
QStringList laesListe(const QString &folder, const QString &name)
{
    QStringList lines;
    if (!core::ProgramFolder::isSafeName(name))
        return lines;
    const QString path = core::ProgramFolder::findFileNoCase(folder, name + QStringLiteral(".txt"));
    if (QFileInfo(path).isFile())
        core::readLines(path, lines);
    return lines;
}

void fyld(QTreeWidget *t, const QStringList &lines)
{
    QList<QTreeWidgetItem *> items;
    for (const QString &l : lines)
        items << new QTreeWidgetItem(QStringList{l});
    t->addTopLevelItems(items);
}

QTreeWidgetItem *findPunkt(QTreeWidget *t, const QString &text)
{
    for (int i = 0; i < t->topLevelItemCount(); ++i)
        if (t->topLevelItem(i)->text(0).compare(text, Qt::CaseInsensitive) == 0)
            return t->topLevelItem(i);
    return nullptr;
}
} // namespace

TcssForm::TcssForm(TDokumentVaert *mainform) : QWidget(mainform->vaertsvindue(), Qt::Tool | Qt::WindowStaysOnTopHint), m(mainform)
{
    setObjectName(QStringLiteral("TcssForm"));
    setWindowTitle(QStringLiteral("CSS"));
    generators::lukMedEscape(this);
    cssDir = core::ProgramFolder::programDir() + QStringLiteral("CSS/");
    propertyDir = cssDir + QStringLiteral("Properties/");
    optFilnavn = core::ProgramFolder::optDir() + QStringLiteral("css.txt");

    gruppeListe = liste("gruppeListe", QStringLiteral("Egenskabs grupper"));
    for (const char *g : kGrupper)
        gruppeListe->addTopLevelItem(new QTreeWidgetItem(QStringList{QString::fromLatin1(g)}));
    propertyListe = liste("propertyListe", QStringLiteral("Egenskaber"));
    valueListe = liste("valueListe", QStringLiteral("Værdier"));
    infoKnapProgram = generators::infoKnap(m, "infoKnapProgram", QStringLiteral("information om CSS boksen"),
                                           QStringLiteral("Programmet.txt"), QStringLiteral("CSS boksen"));
    infoKnap = generators::infoKnap(m, "infoKnap", QStringLiteral("Information: "), QStringLiteral("CSS.txt"), QString());
    cssSelectorInfoknap = generators::infoKnap(m, "cssSelectorInfoknap", QStringLiteral("CSS information: Selectors"),
                                               QStringLiteral("CSS.txt"), QStringLiteral("CSS Selectors"));

    auto *left = new QSplitter(Qt::Vertical);
    left->addWidget(gruppeListe);
    left->addWidget(propertyListe);
    splitter = new QSplitter;
    splitter->addWidget(left);
    splitter->addWidget(valueListe);
    auto *knapper = new QHBoxLayout;
    knapper->addWidget(infoKnapProgram);
    knapper->addWidget(infoKnap);
    knapper->addWidget(cssSelectorInfoknap);
    knapper->addStretch(1);
    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(4, 4, 4, 4);
    l->addLayout(knapper);
    l->addWidget(splitter, 1);

    connect(gruppeListe, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *it) { LoadPropertyListe(it->text(0)); });
    connect(propertyListe, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *it) { vaelgEgenskab(it->text(0)); });
    connect(propertyListe, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *it) { propertyDoubleClick(it->text(0)); });
    connect(valueListe, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *it) { valueDoubleClick(it->text(0)); });

    core::OptionReader r(optFilnavn, 5);
    const int top = r.integer(0), left0 = r.integer(1), height = r.integer(2, 50, 10000), width = r.integer(3, 50, 10000),
              panel = r.integer(4, 0, 10000);
    if (r.ok()) {
        platform::placerVindue(this, left0, top, width, height);
        splitter->setSizes({panel, qMax(0, width - panel)});
    } else {
        resize(520, 420);
        if (QScreen *s = QGuiApplication::primaryScreen())
            move(s->availableGeometry().center() - rect().center());
    }
    LoadPropertyListe(QStringLiteral("Animation"));
    LoadValueListe(QStringLiteral("@keyframes"));
}

void TcssForm::LoadPropertyListe(const QString &group)
{
    valueListe->clear();
    propertyListe->clear();
    setWindowTitle(group);
    valueDir = cssDir + QStringLiteral("Values/") + group + u'/';
    fyld(propertyListe, laesListe(propertyDir, group));
    valueListe->setHeaderLabel(QStringLiteral("Værdier"));
    propertyListe->setHeaderLabel(group);
}

void TcssForm::LoadValueListe(const QString &property)
{
    valueListe->clear();
    fyld(valueListe, laesListe(valueDir, property));
    valueListe->setHeaderLabel(property);
    aProperty = property;
    infoKnap->setToolTip(QStringLiteral("Information: ") + property);
    infoKnap->setProperty("infoTitel", property);
}

bool TcssForm::vaelgEgenskab(const QString &property)
{
    QTreeWidgetItem *it = findPunkt(propertyListe, property);
    if (!it)
        return false;
    propertyListe->setCurrentItem(it);
    propertyListe->scrollToItem(it);
    LoadValueListe(it->text(0));
    infoCSS = it->text(0);
    return true;
}

void TcssForm::propertyDoubleClick(const QString &property)
{
    if (property.startsWith(u'@'))
        m->HelpInfo(QStringLiteral("CSS.txt"), property);
    else
        m->tagKomponent()->UdskrivKoder(property + QStringLiteral(": "), u' ', 1);
}

TcssForm::Vaerdi TcssForm::vaerdiHandling(const QString &value)
{
    if (value == u"LENGTH" || value == u"PROCENT")
        return Vaerdi::Enheder;
    if (value == u"COLOR")
        return Vaerdi::Farver;
    if (!value.isEmpty() && ((value[0] >= u'A' && value[0] <= u'Z') || value[0] == u':'))
        return Vaerdi::Ingenting;
    if (value.size() >= 2 && value[1] == u'.')
        return Vaerdi::Egenskab;
    return Vaerdi::Skriv;
}

void TcssForm::valueDoubleClick(const QString &value)
{
    switch (vaerdiHandling(value)) {
    case Vaerdi::Enheder:
        m->HelpInfo(QStringLiteral("CSS.txt"), QStringLiteral("CSS Units"));
        break;
    case Vaerdi::Farver:
        m->HelpInfo(QStringLiteral("CSS.txt"), QStringLiteral("CSS Colors"));
        break;
    case Vaerdi::Ingenting:
        break;
    case Vaerdi::Egenskab:
        vaelgEgenskab(value.mid(3));
        break;
    case Vaerdi::Skriv:
        m->tagKomponent()->udskrivCssValue(aProperty, value);
        break;
    }
}

bool TcssForm::findEgenskab(const QString &word, const QString &indexFile)
{
    QStringList index;
    if (!core::readLines(indexFile, index).ok)
        return false;
    for (qsizetype i = 0; i + 1 < index.size(); i += 2) {
        if (index[i].compare(word, Qt::CaseInsensitive) != 0)
            continue;
        QTreeWidgetItem *group = findPunkt(gruppeListe, index[i + 1]);
        if (!group)
            return false;
        gruppeListe->setCurrentItem(group);
        LoadPropertyListe(group->text(0));
        return vaelgEgenskab(word);
    }
    return false;
}

void TcssForm::closeEvent(QCloseEvent *event)
{
    core::OptionWriter w;
    w.add(y()).add(x()).add(height()).add(width()).add(splitter->sizes().value(0));
    QString error;
    if (!w.write(optFilnavn, &error))
        platform::errorBox(this, QStringLiteral("CSS boksens indstillinger kunne ikke gemmes i %1.\r%2").arg(optFilnavn, error));
    event->accept();
}
