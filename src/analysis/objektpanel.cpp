#include "analysis/objektpanel.h"

#include "analysis/objektdata.h"
#include "core/programfolder.h"
#include "information/struktur.h"
#include "information/strukturikoner.h"
#include "platform/infobox.h"
#include "platform/vaerktoejsknap.h"

#include <QAction>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

TObjektPanel::TObjektPanel(const QString &scriptdir, QWidget *parent)
    : QWidget(parent), m_scriptdir(scriptdir)
{
    setObjectName(QStringLiteral("strukturpanel"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    auto *knapper = new QHBoxLayout;
    knapper->setContentsMargins(0, 0, 0, 0);
    knapper->setSpacing(0);
    udfoldButton = platform::vaerktoejsknap("udfoldButton", QStringLiteral("Udfold strukturen"), "expand-all");
    sammenfoldButton = platform::vaerktoejsknap("sammenfoldButton", QStringLiteral("Sammenfold strukturen"), "collapse-all");
    defaultStrukButton = platform::vaerktoejsknap("defaultStrukButton", QStringLiteral("Indbyggede strukturer"), "view-list-tree");
    defaultStrukButton->setText(QStringLiteral("Indbyggede strukturer"));
    defaultStrukButton->setPopupMode(QToolButton::InstantPopup);
    m_indbyggetMenu = new QMenu(defaultStrukButton);
    defaultStrukButton->setMenu(m_indbyggetMenu);
    defaultStrukButton->hide();

    AegneStrukturer = new QAction(QStringLiteral("Strukturer"), this);
    AegneStrukturer->setObjectName(QStringLiteral("AegneStrukturer"));
    AegneStrukturer->setToolTip(QStringLiteral("Konstruerede strukturer"));
    AegneStrukturer->setStatusTip(QStringLiteral("Konstruerede strukturer"));
    AegneStrukturer->setEnabled(false);
    m_egneMenu = new QMenu(this);
    AegneStrukturer->setMenu(m_egneMenu);
    strukturButton = platform::vaerktoejsknap("strukturButton", QStringLiteral("Konstruerede strukturer"), "");
    strukturButton->setDefaultAction(AegneStrukturer);
    strukturButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    strukturButton->setPopupMode(QToolButton::InstantPopup);
    knapper->addWidget(udfoldButton);
    knapper->addWidget(sammenfoldButton);
    knapper->addWidget(defaultStrukButton);
    knapper->addWidget(strukturButton);
    knapper->addStretch(1);
    layout->addLayout(knapper);

    objektstruktur = new TStruktur;
    objektstruktur->setObjectName(QStringLiteral("objektstruktur"));
    objektstruktur->DataOn = true;
    objektstruktur->setIkoner(information::objektIkoner());
    layout->addWidget(objektstruktur, 3);

    auto felt = [layout](const QString &overskrift, const char *navn, bool kunLaes) {
        layout->addWidget(new QLabel(overskrift));
        auto *m = new QPlainTextEdit;
        m->setObjectName(QString::fromLatin1(navn));
        m->setReadOnly(kunLaes);
        m->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        layout->addWidget(m, 1);
        return m;
    };
    defMemo = felt(QStringLiteral("Definition | Beskrivelse"), "defMemo", true);
    syntaxMemo = felt(QStringLiteral("Syntax | Eksempel"), "syntaxMemo", false);

    connect(udfoldButton, &QToolButton::clicked, this, &TObjektPanel::udfoldAlt);
    connect(sammenfoldButton, &QToolButton::clicked, this, &TObjektPanel::sammenfoldAlt);
    connect(objektstruktur, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *n) {
        visFelter(n);
        emit elementKlikket(n->text(0));
    });
    connect(objektstruktur, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *n) { emit elementValgt(n->text(0)); });
}

bool TObjektPanel::hentObjektStruktur(const QString &strukturfil, const QString &datafil)
{
    tomFelter();
    if (!QFileInfo(strukturfil).isFile() || !QFileInfo(datafil).isFile()) {
        platform::infoBox(this, QStringLiteral("Der mangler en fil."));
        return false;
    }
    const QString forrigeStruktur = objektstruktur->Strukturfile, forrigeData = objektstruktur->Datafile;
    objektstruktur->Strukturfile = strukturfil;
    objektstruktur->Datafile = datafil;
    m_fundet = nullptr;
    if (!objektstruktur->HentStruktur()) {
        // The tree kept what it showed, and so do its files.
        objektstruktur->Strukturfile = forrigeStruktur;
        objektstruktur->Datafile = forrigeData;
        platform::errorBox(this, objektstruktur->fejl().isEmpty() ? QStringLiteral("Der mangler en fil.")
                                                                  : objektstruktur->fejl());
        return false;
    }
    return true;
}

bool TObjektPanel::hentObjekt(const QString &navn, Udfold u)
{
    m_venterNavn.clear();
    if (!core::ProgramFolder::isSafeName(navn)) {
        platform::infoBox(this, QStringLiteral("Der mangler en fil."));
        return false;
    }
    const QString s = core::ProgramFolder::findFileNoCase(m_scriptdir, navn + QStringLiteral("Struktur.txt"));
    const QString d = core::ProgramFolder::findFileNoCase(m_scriptdir, navn + QStringLiteral("Data.txt"));
    if (!hentObjektStruktur(s, d))
        return false;
    udfold(u);
    return true;
}

void TObjektPanel::hentVedVisning(const QString &navn, Udfold u)
{
    if (isVisible()) {
        hentObjekt(navn, u);
        return;
    }
    m_venterNavn = navn;
    m_venterUdfold = u;
}

void TObjektPanel::hentVentende()
{
    if (!m_venterNavn.isEmpty())
        hentObjekt(QString(m_venterNavn), m_venterUdfold);   // a copy: loading forgets the name
}

void TObjektPanel::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    hentVentende();
}

void TObjektPanel::udfold(Udfold u)
{
    objektstruktur->collapseAll();
    if (u == Udfold::Alt)
        objektstruktur->expandAll();
    else if (u == Udfold::Top && objektstruktur->topLevelItemCount() > 0)
        objektstruktur->topLevelItem(0)->setExpanded(true);
}

bool TObjektPanel::findIObjektStruktur(const QString &text)
{
    const QList<QTreeWidgetItem *> noder = objektstruktur->alleNoder();
    if (noder.isEmpty())
        return false;
    QTreeWidgetItem *valgt = objektstruktur->currentItem();
    const int i = analysis::findObjekt(TStruktur::titler(noder), int(noder.indexOf(valgt)), text, valgt && valgt == m_fundet);
    if (i < 0) {
        m_fundet = nullptr;
        objektstruktur->setCurrentItem(noder.first());
        return false;
    }
    QTreeWidgetItem *n = noder[i];
    m_fundet = n;
    objektstruktur->collapseAll();
    for (QTreeWidgetItem *p = n->parent(); p; p = p->parent())
        p->setExpanded(true);
    n->setExpanded(true);
    objektstruktur->scrollToItem(n);
    objektstruktur->setCurrentItem(n);
    visFelter(n);
    objektstruktur->setFocus();
    return true;
}

void TObjektPanel::saetIndbyggede(const QStringList &navne)
{
    m_indbyggetMenu->clear();
    for (const QString &navn : navne) {
        // "Batch" is the caption of the structure "batch".
        const QString n = navn == QLatin1String("Batch") ? QStringLiteral("batch") : navn;
        QAction *a = m_indbyggetMenu->addAction(navn);
        a->setObjectName(QStringLiteral("indbygget") + n);
        connect(a, &QAction::triggered, this, [this, n] { hentObjekt(n, n == QLatin1String("WScript") ? Udfold::Intet : Udfold::Top); });
    }
    defaultStrukButton->setVisible(!navne.isEmpty());
}

void TObjektPanel::saetKonstruerede(const QStringList &navne)
{
    m_egneMenu->clear();
    for (const QString &navn : navne) {
        QAction *a = m_egneMenu->addAction(navn);
        a->setToolTip(QStringLiteral("Informationsstruktur"));
        a->setStatusTip(QStringLiteral("Informationsstruktur"));
        QString n = navn;
        if (n.startsWith(u'&'))
            n.remove(0, 1);
        connect(a, &QAction::triggered, this, [this, n] {
            if (isVisible())
                hentObjekt(n, Udfold::Top);
        });
    }
    AegneStrukturer->setEnabled(!navne.isEmpty());
}

void TObjektPanel::udfoldAlt()
{
    if (objektstruktur->topLevelItemCount() == 0)
        return;
    objektstruktur->expandAll();
    objektstruktur->scrollToItem(objektstruktur->topLevelItem(0));
}

void TObjektPanel::sammenfoldAlt() { objektstruktur->collapseAll(); }

void TObjektPanel::tomFelter()
{
    defMemo->clear();
    syntaxMemo->clear();
}

void TObjektPanel::visFelter(QTreeWidgetItem *node)
{
    tomFelter();
    if (TStruktur::dataStreng(node).isEmpty())
        return;
    const analysis::ObjektFelter f = analysis::objektFelter(TStruktur::datatekst(node));
    defMemo->setPlainText(f.definition);
    syntaxMemo->setPlainText(f.syntax.join(u'\n'));
}
