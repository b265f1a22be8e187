#include "information/strukturform.h"

#include "codewriting/dokumentvaert.h"
#include "core/optionfile.h"
#include "core/textfile.h"
#include "information/struktur.h"
#include "information/strukturfiler.h"
#include "information/strukturikoner.h"
#include "information/strukturlogik.h"
#include "information/navigation.h"
#include "platform/infobox.h"
#include "platform/vinduesplads.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QAction *handling(QWidget *w, const QString &navn, const QString &caption, const QString &hint, const QString &key = {})
{
    auto *a = new QAction(caption, w);
    a->setObjectName(navn);
    a->setToolTip(hint);
    a->setStatusTip(hint);
    if (!key.isEmpty()) {
        a->setShortcut(QKeySequence(key));
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    }
    w->addAction(a);
    return a;
}

QPushButton *knap(QAction *a, QWidget *parent)
{
    auto *b = new QPushButton(a->text(), parent);
    b->setObjectName(a->objectName() + QStringLiteral("Knap"));
    b->setToolTip(a->toolTip());
    QObject::connect(b, &QPushButton::clicked, a, &QAction::trigger);
    QObject::connect(a, &QAction::enabledChanged, b, &QPushButton::setEnabled);
    b->setEnabled(a->isEnabled());
    return b;
}

QPushButton *knap(const QString &tekst, const QString &hint, QWidget *parent)
{
    auto *b = new QPushButton(tekst, parent);
    b->setToolTip(hint);
    return b;
}

// Information icons in button order, with the index each sets.
constexpr int kInfoIkonRaekke[] = {4, 3, 0, 1, 8, 2, 7, 6, 5, 9};

} // namespace

Tstrukturform::Tstrukturform(TDokumentVaert *vaert, const QString &programdir_, const QString &optdir, QWidget *parent)
    : QWidget(parent, Qt::Window), programdir(programdir_), m_vaert(vaert)
{
    setObjectName(QStringLiteral("Tstrukturform"));
    setWindowTitle(QStringLiteral("Strukturkonstruktøren"));
    setMinimumSize(675, 545);
    strukturDir = programdir + QStringLiteral("Struktur/");
    objektStrukturDir = programdir + QStringLiteral("Script/");
    objektfile = objektStrukturDir + QStringLiteral("_strukturliste.txt");
    newObjektfile = objektStrukturDir + QStringLiteral("_newStrukturliste.txt");
    optFilnavn = optdir + QStringLiteral("strukturmaker.txt");

    auto *lay = new QVBoxLayout(this);
    strukturBog = new QTabWidget(this);
    strukturBog->setObjectName(QStringLiteral("strukturBog"));
    strukturBog->addTab(lavNySide(), QStringLiteral("Ny struktur | Rediger struktur"));
    strukturBog->addTab(lavEditSide(false), QStringLiteral("Informationsstruktur"));
    strukturBog->addTab(lavEditSide(true), QStringLiteral("Objektstruktur"));
    lay->addWidget(strukturBog);

    infostruktur->DataOn = true;
    objektstruktur->DataOn = true;
    laesLister();
    vaelgIkon(0);
    vaelgIkon1(0);

    core::OptionReader r(optFilnavn, 0);
    resize(700, 560);
    if (r.hasInteger(0) && r.hasInteger(1))
        platform::placerVindue(this, r.integer(1), r.integer(0), width(), height());
    opdaterHandlinger();
}

QWidget *Tstrukturform::lavNySide()
{
    auto *side = new QWidget;
    auto *hl = new QHBoxLayout(side);
    auto liste = [this, side](const QString &titel, QListWidget *&boks, const char *navn, bool objekt) {
        auto *g = new QGroupBox(titel, side);
        auto *vl = new QVBoxLayout(g);
        boks = new QListWidget(g);
        boks->setObjectName(QString::fromLatin1(navn));
        boks->installEventFilter(this);
        vl->addWidget(boks);
        auto *slet = knap(QStringLiteral("Slet Struktur"), QStringLiteral("Slet valgte struktur"), g);
        auto *red = knap(QStringLiteral("Rediger Struktur"), QStringLiteral("Rediger valgte struktur"), g);
        auto *kl = new QHBoxLayout;
        kl->addWidget(slet);
        kl->addWidget(red);
        vl->addLayout(kl);
        if (objekt) {
            connect(slet, &QPushButton::clicked, this, &Tstrukturform::sletObjektStruktur);
            connect(red, &QPushButton::clicked, this, &Tstrukturform::redigerObjektStruktur);
            connect(boks, &QListWidget::itemDoubleClicked, this, &Tstrukturform::redigerObjektStruktur);
        } else {
            connect(slet, &QPushButton::clicked, this, &Tstrukturform::sletInfoStruktur);
            connect(red, &QPushButton::clicked, this, &Tstrukturform::redigerInfoStruktur);
            connect(boks, &QListWidget::itemDoubleClicked, this, &Tstrukturform::redigerInfoStruktur);
        }
        return g;
    };
    hl->addWidget(liste(QStringLiteral("Informationsstrukturer"), strukturboks, "strukturboks", false));
    hl->addWidget(liste(QStringLiteral("Objektstrukturer"), objektboks, "objektboks", true));
    auto *ny = new QGroupBox(QStringLiteral("Ny struktur"), side);
    auto *nl = new QVBoxLayout(ny);
    nl->addWidget(new QLabel(QStringLiteral("Strukturnavn"), ny));
    navnEdit = new QLineEdit(ny);
    navnEdit->setObjectName(QStringLiteral("navnEdit"));
    connect(navnEdit, &QLineEdit::returnPressed, this, &Tstrukturform::opretStruktur);
    nl->addWidget(navnEdit);
    auto *type = new QGroupBox(QStringLiteral("Strukturtype"), ny);
    type->setToolTip(QStringLiteral("Vælg strukturtype"));
    auto *tl = new QVBoxLayout(type);
    typeInfo = new QRadioButton(QStringLiteral("Informationsstruktur"), type);
    typeObjekt = new QRadioButton(QStringLiteral("Objektstruktur"), type);
    typeInfo->setChecked(true);
    for (QRadioButton *r : {typeInfo, typeObjekt}) {
        tl->addWidget(r);
        connect(r, &QRadioButton::clicked, navnEdit, [this] { navnEdit->setFocus(); });
    }
    nl->addWidget(type);
    auto *opret = knap(QStringLiteral("Opret struktur"), QStringLiteral("Opret en ny struktur af valge strukturtype"), ny);
    opret->setObjectName(QStringLiteral("opretKnap"));
    connect(opret, &QPushButton::clicked, this, &Tstrukturform::opretStruktur);
    nl->addWidget(opret);
    auto *info = knap(QStringLiteral("Information"), QStringLiteral("Information: Strukturboksen"), ny);
    connect(info, &QPushButton::clicked, this, [this] {
        if (m_vaert) m_vaert->HelpInfo(QStringLiteral("Programmet"), QStringLiteral("Strukturkonstruktøren"));
    });
    nl->addWidget(info);
    nl->addStretch(1);
    hl->addWidget(ny);
    return side;
}

QWidget *Tstrukturform::lavEditSide(bool objekt)
{
    const QString s = objekt ? QStringLiteral("1") : QString();
    auto *side = new QWidget;
    auto *hl = new QHBoxLayout(side);
    auto *venstre = new QVBoxLayout;
    auto *bar = new QToolBar(side);
    TStruktur *t = new TStruktur(side);
    t->setObjectName(objekt ? QStringLiteral("objektstruktur") : QStringLiteral("infostruktur"));
    t->setIkoner(objekt ? information::objektIkoner() : information::strukturIkoner());
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->viewport()->installEventFilter(this);
    (objekt ? objektstruktur : infostruktur) = t;
    bar->addAction(QIcon::fromTheme(QStringLiteral("zoom-in")), QStringLiteral("Udfold strukturen"), t, &QTreeWidget::expandAll);
    bar->addAction(QIcon::fromTheme(QStringLiteral("zoom-out")), QStringLiteral("Sammenfold strukturen"), t, &QTreeWidget::collapseAll);
    bar->addAction(QIcon::fromTheme(QStringLiteral("view-sort-ascending")), QStringLiteral("Sorter strukturen alfabetisk"), this,
                   [this, objekt] { sorter(objekt); });
    QAction *&clear = objekt ? Aclear1 : Aclear, *&ins = objekt ? Ainsert1 : Ainsert, *&red = objekt ? Arediger1 : Arediger;
    QAction *&slet = objekt ? Aslet1 : Aslet, *&gem = objekt ? Agem1 : Agem, *&reload = objekt ? Areload1 : Areload;
    clear = handling(side, QStringLiteral("Aclear") + s, QStringLiteral("Klargør"), QStringLiteral("Klargør til nyt element: Ctrl+K"),
                     objekt ? QString() : QStringLiteral("Ctrl+K"));
    ins = handling(side, QStringLiteral("Ainsert") + s, QStringLiteral("Indsæt"), QStringLiteral("Indsæt som nyt element: Ctrl+I"),
                   objekt ? QString() : QStringLiteral("Ctrl+I"));
    red = handling(side, QStringLiteral("Arediger") + s, QStringLiteral("Rediger"), QStringLiteral("Rediger valgte element: Ctrl+R"),
                   objekt ? QString() : QStringLiteral("Ctrl+R"));
    slet = handling(side, QStringLiteral("Aslet") + s, QStringLiteral("Slet"), QStringLiteral("Slet valgte element"));
    gem = handling(side, QStringLiteral("Agem") + s, QStringLiteral("Gem"), QStringLiteral("Gem strukturen"));
    reload = handling(side, QStringLiteral("Areload") + s, QStringLiteral("Genindlæs"),
                      QStringLiteral("Genindlæs struktur ved fortrydelse af ændring der ikke er gemt"));
    bar->addActions({slet, gem, reload});
    // The column is as wide as its tool bar, so no command hides behind the bar's "»".
    t->setMinimumWidth(bar->sizeHint().width());
    venstre->addWidget(bar);
    venstre->addWidget(t, 1);
    QLineEdit *element = new QLineEdit(side);
    element->setReadOnly(true);
    element->setObjectName(QStringLiteral("elementEdit") + s);
    (objekt ? elementEdit1 : elementEdit) = element;
    venstre->addWidget(element);
    hl->addLayout(venstre, 1);

    auto *hoejre = new QVBoxLayout;
    QLabel *navn = new QLabel(QStringLiteral("Strukturnavn: "), side);
    (objekt ? navnLabel1 : navnLabel) = navn;
    hoejre->addWidget(navn);
    auto check = [side, hoejre](const QString &tekst, const QString &hint, const QString &objNavn) {
        auto *c = new QCheckBox(tekst, side);
        c->setToolTip(hint);
        c->setObjectName(objNavn);
        hoejre->addWidget(c);
        return c;
    };
    (objekt ? autoGem1 : autoGem) = check(QStringLiteral("Auto gem"), QStringLiteral("Gem automatisk strukturen ved Indsæt og Rediger"), QStringLiteral("autoGem") + s);
    (objekt ? sorterCheck1 : sorterCheck) = check(QStringLiteral("Sorter"), QStringLiteral("Sorter elementerne alfabetisk ved Indsæt og Rediger"), QStringLiteral("sorterCheck") + s);
    if (!objekt) {
        autoNavn = check(QStringLiteral("Auto navn"), QStringLiteral("Hvis 'Ens navn' ikke er valgt indføres der automatisk et filnavn"), QStringLiteral("autoNavn"));
        ensTekst = check(QStringLiteral("Ens tekst"), QStringLiteral("Filnavnet og strukturtekst er ens"), QStringLiteral("ensTekst"));
    }
    (objekt ? arranger1 : arranger) = check(QStringLiteral("Arranger elementer"),
                                            QStringLiteral("Afkryds boksen for at flytte rundt på elementerne, afkryds bagefter"),
                                            QStringLiteral("arranger") + s);
    auto *form = new QFormLayout;
    QLineEdit *tekst = new QLineEdit(side);
    tekst->setObjectName(QStringLiteral("tekstEdit") + s);
    tekst->installEventFilter(this);
    (objekt ? tekstEdit1 : tekstEdit) = tekst;
    form->addRow(QStringLiteral("Tekst"), tekst);
    if (objekt) {
        const QStringList navne = {QStringLiteral("dataEdit1"), QStringLiteral("dataEdit2"), QStringLiteral("dataEdit3"), QStringLiteral("dataEdit4")};
        QLineEdit **felter[] = {&dataEdit1, &dataEdit2, &dataEdit3, &dataEdit4};
        for (int i = 0; i < 4; ++i) {
            *felter[i] = new QLineEdit(side);
            (*felter[i])->setObjectName(navne[i]);
            (*felter[i])->installEventFilter(this);
            form->addRow(i == 0 ? QStringLiteral("Definition | Beskrivelse") : QStringLiteral("Syntax | Eksempel"), *felter[i]);
        }
        connect(tekst, &QLineEdit::textEdited, this, [this] { insertAktiv1 = true; opdaterHandlinger(); });
    } else {
        dataEdit = new QLineEdit(side);
        dataEdit->setObjectName(QStringLiteral("dataEdit"));
        dataEdit->installEventFilter(this);
        form->addRow(QStringLiteral("Elementets filnavn"), dataEdit);
        connect(tekst, &QLineEdit::textEdited, this, [this](const QString &t) {
            insertAktiv = true;
            if (ensTekst->isChecked())
                dataEdit->setText(t);
            opdaterHandlinger();
        });
    }
    // Definitions and syntax are long lines; their fields get room for a good part of one.
    for (QLineEdit *felt : side->findChildren<QLineEdit *>())
        if (form->indexOf(felt) >= 0)
            felt->setMinimumWidth(felt->fontMetrics().averageCharWidth() * 34);
    hoejre->addLayout(form);
    auto *kl = new QHBoxLayout;
    kl->addWidget(knap(clear, side));
    kl->addWidget(knap(ins, side));
    kl->addWidget(knap(red, side));
    if (!objekt) {
        auto *inf = knap(QStringLiteral("Inf"), QStringLiteral("Check om filnavnet eksisterer"), side);
        inf->setObjectName(QStringLiteral("checkKnap"));
        auto *fn = knap(QStringLiteral("Fn"), QStringLiteral("Indsæt konstrueret filnavn"), side);
        fn->setObjectName(QStringLiteral("fnKnap"));
        connect(inf, &QPushButton::clicked, this, &Tstrukturform::checkKnapClick);
        connect(fn, &QPushButton::clicked, this, &Tstrukturform::fnKnapClick);
        kl->addWidget(inf);
        kl->addWidget(fn);
    }
    hoejre->addLayout(kl);

    auto *ikonGruppe = new QGroupBox(side);
    ikonGruppe->setToolTip(QStringLiteral("Vælg ikon til elementer"));
    auto *il = new QGridLayout(ikonGruppe);
    QLabel *ikonLbl = new QLabel(ikonGruppe);
    (objekt ? ikonLabel1 : ikonLabel) = ikonLbl;
    il->addWidget(ikonLbl, 0, 0, 1, 5);
    auto *gruppe = new QButtonGroup(this);
    gruppe->setObjectName(QStringLiteral("ikonboks") + s);
    (objekt ? ikonboks1 : ikonboks) = gruppe;
    const QList<QIcon> ikoner = objekt ? information::objektIkoner() : information::strukturIkoner();
    const QStringList ikonNavne = objekt ? information::objektIkonNavne() : information::strukturIkonNavne();
    for (int pos = 0; pos < 10; ++pos) {
        const int index = objekt ? pos : kInfoIkonRaekke[pos];
        auto *b = new QToolButton(ikonGruppe);
        b->setIcon(ikoner[index]);
        b->setToolTip(ikonNavne[index]);
        b->setCheckable(true);
        gruppe->addButton(b, index);
        il->addWidget(b, 1 + pos / 5, pos % 5);
    }
    connect(gruppe, &QButtonGroup::idClicked, this, [this, objekt](int id) { objekt ? vaelgIkon1(id) : vaelgIkon(id); });
    hoejre->addWidget(ikonGruppe);

    auto *flyt = new QGroupBox(QStringLiteral("Indsæt og flyt metode"), side);
    flyt->setToolTip(QStringLiteral("Vælg indsæt og flyt metode"));
    auto *fl = new QVBoxLayout(flyt);
    auto *fg = new QButtonGroup(this);
    (objekt ? flytGruppe1 : flytGruppe) = fg;
    const std::pair<const char *, TNodeAttachMode> modes[] = {
        {"På linie som sidste", naAdd}, {"På linie som første", naAddFirst}, {"På linie før", naInsert},
        {"Som sidste underpunkt", naAddChild}, {"Som første underpunkt", naAddChildFirst}};
    for (const auto &[tekstM, mode] : modes) {
        auto *r = new QRadioButton(QString::fromUtf8(tekstM), flyt);
        fg->addButton(r, int(mode));
        fl->addWidget(r);
    }
    fg->button(int(naAdd))->setChecked(true);
    connect(fg, &QButtonGroup::idClicked, this, [t](int id) { t->Flytmode = TNodeAttachMode(id); });
    hoejre->addWidget(flyt);
    hoejre->addStretch(1);
    hl->addLayout(hoejre);

    connect(clear, &QAction::triggered, this, [this, objekt] {
        tomFelter(objekt);
        (objekt ? insertAktiv1 : insertAktiv) = true;
        opdaterHandlinger();
    });
    connect(ins, &QAction::triggered, this, objekt ? &Tstrukturform::Ainsert1Execute : &Tstrukturform::AinsertExecute);
    connect(red, &QAction::triggered, this, objekt ? &Tstrukturform::Arediger1Execute : &Tstrukturform::AredigerExecute);
    connect(slet, &QAction::triggered, this, [this, objekt] { AsletExecute(objekt); });
    connect(gem, &QAction::triggered, this, [this, t] {
        if (!t->GemStruktur() && !t->fejl().isEmpty())
            platform::errorBox(this, t->fejl());
        opdaterHandlinger();
    });
    connect(reload, &QAction::triggered, this, [this, t, objekt] {
        if (!t->HentStruktur() && !t->fejl().isEmpty())
            platform::errorBox(this, t->fejl());
        tomFelter(objekt);
        opdaterHandlinger();
    });
    connect(t, &QTreeWidget::itemClicked, this, [this, objekt] { elementKlik(objekt); });
    for (QLineEdit *e : side->findChildren<QLineEdit *>())
        connect(e, &QLineEdit::textChanged, this, &Tstrukturform::opdaterHandlinger);
    return side;
}

void Tstrukturform::vis(const QString &tekst)
{
    platform::infoBox(this, tekst);
}

void Tstrukturform::laesLister()
{
    strukturboks->clear();
    strukturboks->addItems(information::strukturNavne(strukturDir));
    newSL = information::laesNavneliste(newObjektfile);
    newSL.removeDuplicates();
    std::sort(newSL.begin(), newSL.end(), [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    objektboks->clear();
    objektboks->addItems(information::laesNavneliste(objektfile) + information::laesNavneliste(newObjektfile));
}

void Tstrukturform::gemNewSL()
{
    const core::ReadResult r = core::writeLines(newObjektfile, newSL);
    if (!r.ok)
        platform::errorBox(this, r.error);
}

// Questions go through the host; without one nothing is confirmed.
bool Tstrukturform::spoergJa(const QString &question, QWidget *owner)
{
    return m_vaert && m_vaert->spoergJa(question, owner);
}

bool Tstrukturform::spoergSlet(const QString &question, QWidget *owner)
{
    return m_vaert && m_vaert->spoergJaNejForvalgt(question, owner);
}

bool Tstrukturform::erAaben(bool objekt) const
{
    return !(objekt ? objektstruktur : infostruktur)->Strukturfile.isEmpty();
}

void Tstrukturform::tomFelter(bool objekt)
{
    if (objekt) {
        for (QLineEdit *e : {tekstEdit1, dataEdit1, dataEdit2, dataEdit3, dataEdit4})
            e->clear();
        tekstEdit1->setFocus();
    } else {
        tekstEdit->clear();
        dataEdit->clear();
        tekstEdit->setFocus();
    }
}

void Tstrukturform::opdaterHandlinger()
{
    const bool tekst = !tekstEdit->text().isEmpty(), data = !dataEdit->text().isEmpty();
    Aclear->setEnabled((tekst || data) && erAaben(false));
    Ainsert->setEnabled(insertAktiv && tekst && erAaben(false));
    Arediger->setEnabled(infostruktur->currentItem() && tekst);
    Aslet->setEnabled(infostruktur->currentItem() && tekst);
    Agem->setEnabled(infostruktur->Modified);
    Areload->setEnabled(infostruktur->Modified);
    const bool tekst1 = !tekstEdit1->text().isEmpty();
    bool data1 = false;
    for (QLineEdit *e : {dataEdit1, dataEdit2, dataEdit3, dataEdit4})
        data1 = data1 || !e->text().isEmpty();
    Aclear1->setEnabled((tekst1 || data1) && erAaben(true));
    Ainsert1->setEnabled(insertAktiv1 && tekst1 && erAaben(true));
    Arediger1->setEnabled(objektstruktur->currentItem() && tekst1);
    Aslet1->setEnabled(objektstruktur->currentItem() && tekst1);
    Agem1->setEnabled(objektstruktur->Modified);
    Areload1->setEnabled(objektstruktur->Modified);
}

void Tstrukturform::vaelgIkon(int index)
{
    ikonIndex = index;
    if (QAbstractButton *b = ikonboks->button(index))
        b->setChecked(true);
    // The icon "Information" has always been headed so.
    const QString navn = index == 3 ? QStringLiteral("Iformation") : information::strukturIkonNavne().value(index);
    ikonLabel->setText(QStringLiteral("Element ikon: ") + navn);
}

void Tstrukturform::vaelgIkon1(int index)
{
    ikonIndex1 = index;
    if (QAbstractButton *b = ikonboks1->button(index))
        b->setChecked(true);
    ikonLabel1->setText(QStringLiteral("Element ikon: ") + information::objektIkonNavne().value(index));
}

void Tstrukturform::opretStruktur()
{
    tomFelter(false);
    const QString navn = navnEdit->text().trimmed();
    if (navn.isEmpty()) {
        vis(QStringLiteral("Der mangler et strukturnavn!"));
        return;
    }
    if (!information::sikkerDatatekst(navn)) {
        vis(information::usikkerDatatekstBesked(navn));
        return;
    }
    QListWidget *liste = typeInfo->isChecked() ? strukturboks : objektboks;
    for (int i = 0; i < liste->count(); ++i)
        if (liste->item(i)->text().compare(navn, Qt::CaseInsensitive) == 0) {
            vis(QStringLiteral("Der eksisterer en struktur med samme navn.\rFind på et nyt navn."));
            return;
        }
    if (typeInfo->isChecked()) {
        const QString mappe = strukturDir + navn;
        if (QFileInfo::exists(mappe))
            return;
        QDir d;
        const QString design = mappe + QStringLiteral("/tekstfiler/Design og funktioner/");
        if (!d.mkpath(design) || !d.mkpath(mappe + QStringLiteral("/Billeder"))) {
            platform::errorBox(this, QStringLiteral("Mappen ") + mappe + QStringLiteral(" kunne ikke oprettes."));
            return;
        }
        for (const char *fil : {"design.css", "funktioner.js"}) {
            QFile kilde(programdir + QStringLiteral("HTML/") + QString::fromLatin1(fil));
            if (kilde.open(QIODevice::ReadOnly))
                core::writeFileAtomic(design + QString::fromLatin1(fil), kilde.readAll());
        }
        infostruktur->Strukturfile = mappe + QStringLiteral("/struktur.txt");
        infostruktur->Datafile = mappe + QStringLiteral("/data.txt");
        infostruktur->Infomappe = mappe + QStringLiteral("/tekstfiler/");
        infostruktur->Htmlmappe = design;
        infostruktur->Billedmappe = mappe + QStringLiteral("/Billeder/");
        laesLister();
        navnLabel->setText(QStringLiteral("Strukturnavn: ") + navn);
        infostruktur->HentStruktur();
        strukturBog->setCurrentIndex(1);
        emit strukturlisteAendret();
    } else {
        newSL << navn;
        std::sort(newSL.begin(), newSL.end(), [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
        gemNewSL();
        laesLister();
        objektstruktur->Strukturfile = objektStrukturDir + navn + QStringLiteral("Struktur.txt");
        objektstruktur->Datafile = objektStrukturDir + navn + QStringLiteral("Data.txt");
        objektstruktur->HentStruktur();
        navnLabel1->setText(QStringLiteral("Strukturnavn: ") + navn);
        strukturBog->setCurrentIndex(2);
        emit objektlisteAendret();
    }
    opdaterHandlinger();
}

void Tstrukturform::redigerInfoStruktur()
{
    QListWidgetItem *it = strukturboks->currentItem();
    if (!it)
        return;
    const QString n = it->text();
    const QString mappe = strukturDir + n;
    infostruktur->Strukturfile = mappe + QStringLiteral("/struktur.txt");
    infostruktur->Datafile = mappe + QStringLiteral("/data.txt");
    infostruktur->Infomappe = mappe + QStringLiteral("/tekstfiler/");
    infostruktur->Htmlmappe = mappe + QStringLiteral("/tekstfiler/Design og funktioner/");
    infostruktur->Billedmappe = mappe + QStringLiteral("/Billeder/");
    if (!infostruktur->HentStruktur() && !infostruktur->fejl().isEmpty())
        platform::errorBox(this, infostruktur->fejl());
    navnLabel->setText(QStringLiteral("Strukturnavn: ") + n);
    strukturBog->setCurrentIndex(1);
    elementKlik(false);
    tomFelter(false);
    opdaterHandlinger();
}

void Tstrukturform::redigerObjektStruktur()
{
    QListWidgetItem *it = objektboks->currentItem();
    if (!it)
        return;
    const QString n = it->text();
    objektstruktur->Strukturfile = objektStrukturDir + n + QStringLiteral("Struktur.txt");
    objektstruktur->Datafile = objektStrukturDir + n + QStringLiteral("Data.txt");
    if (!objektstruktur->HentStruktur() && !objektstruktur->fejl().isEmpty())
        platform::errorBox(this, objektstruktur->fejl());
    navnLabel1->setText(QStringLiteral("Strukturnavn: ") + n);
    strukturBog->setCurrentIndex(2);
    elementKlik(true);
    opdaterHandlinger();
}

void Tstrukturform::AinsertExecute()
{
    if (ensTekst->isChecked())
        dataEdit->setText(tekstEdit->text());
    const QString navn = dataEdit->text();
    if (navn.isEmpty()) {
        vis(QStringLiteral("Der mangler et filnavn!"));
        return;
    }
    if (!information::sikkerDatatekst(navn)) {
        vis(information::usikkerDatatekstBesked(navn));
        return;
    }
    const QString fil = infostruktur->Infomappe + navn + QStringLiteral(".html");
    if (QFileInfo::exists(fil)) {
        vis(QStringLiteral("Filnavnet:\r") + fil + QStringLiteral("\r") + QStringLiteral("eksisterer allerede!"));
        return;
    }
    QString fejl;
    if (!information::skrivSide(fil, tekstEdit->text(), &fejl)) {
        platform::errorBox(this, fejl);
        return;
    }
    infostruktur->NyNode(tekstEdit->text(), navn, ikonIndex, sorterCheck->isChecked(), autoGem->isChecked());
    tomFelter(false);
    opdaterHandlinger();
}

void Tstrukturform::Ainsert1Execute()
{
    if (tekstEdit1->text().isEmpty())
        return;
    objektstruktur->NyNode(tekstEdit1->text(),
                           information::objektData(dataEdit1->text(), dataEdit2->text(), dataEdit3->text(), dataEdit4->text()),
                           ikonIndex1, sorterCheck1->isChecked(), autoGem1->isChecked());
    tomFelter(true);
    opdaterHandlinger();
}

void Tstrukturform::AredigerExecute()
{
    QTreeWidgetItem *node = infostruktur->currentItem();
    if (!node)
        return;
    const QString ny = dataEdit->text();
    const QString gammel = TStruktur::datatekst(node);
    const bool nytNavn = ny.compare(gammel, Qt::CaseInsensitive) != 0;
    if (nytNavn) {
        if (ny.isEmpty() || !information::sikkerDatatekst(ny)) {
            vis(ny.isEmpty() ? QStringLiteral("Der mangler et filnavn!") : information::usikkerDatatekstBesked(ny));
            return;
        }
        if (QFileInfo::exists(infostruktur->Infomappe + ny + QStringLiteral(".html"))) {
            vis(QStringLiteral("Filnavnet:\r") + ny + QStringLiteral("\r") + QStringLiteral("eksisterer allerede!"));
            return;
        }
        if (!spoergSlet(QStringLiteral("Der er indført et nyt filnavn,\rder ikke er anvendt iforvejen.\rSkal det nye navn anvendes,\r"
                                         "og den gamle fil slettes?"), this))
            return;
    }
    const QString tekst = tekstEdit->text();
    infostruktur->RedigerNode(tekst, ny, ikonIndex, sorterCheck->isChecked(), autoGem->isChecked());
    infostruktur->setFocus();
    if (nytNavn) {
        QString fejl;
        if (!information::skrivSide(infostruktur->Infomappe + ny + QStringLiteral(".html"), tekst, &fejl))
            platform::errorBox(this, fejl);
        else if (!gammel.isEmpty() && information::sikkerDatatekst(gammel))
            QFile::remove(infostruktur->Infomappe + gammel + QStringLiteral(".html"));
    }
    tomFelter(false);
    opdaterHandlinger();
}

void Tstrukturform::Arediger1Execute()
{
    if (dataEdit1->text().isEmpty())
        return;
    objektstruktur->RedigerNode(tekstEdit1->text(),
                                information::objektData(dataEdit1->text(), dataEdit2->text(), dataEdit3->text(), dataEdit4->text()),
                                ikonIndex1, sorterCheck1->isChecked(), autoGem1->isChecked());
    objektstruktur->setFocus();
    tomFelter(true);
    opdaterHandlinger();
}

void Tstrukturform::AsletExecute(bool objekt)
{
    TStruktur *t = objekt ? objektstruktur : infostruktur;
    QTreeWidgetItem *node = t->currentItem();
    if (!node)
        return;
    const QString q = node == t->forsteNode() ? QStringLiteral("Skal hele strukturen slettes?")
                    : node->childCount() > 0 ? QStringLiteral("Skal elementet ") + node->text(0) + QStringLiteral(" med underelementer slettes?")
                                             : QStringLiteral("Skal elementet ") + node->text(0) + QStringLiteral(" slettes?");
    if (!spoergSlet(q, this))
        return;
    t->SletNode();
    tomFelter(objekt);
    opdaterHandlinger();
}

void Tstrukturform::fnKnapClick()
{
    dataEdit->setText(information::fnForslag(infostruktur->Infomappe, int(infostruktur->alleNoder().size())));
}

void Tstrukturform::checkKnapClick()
{
    const QString n = dataEdit->text();
    if (n.isEmpty()) {
        vis(QStringLiteral("Der er ikke noget aktuelt filnavn!"));
        return;
    }
    const bool findes = information::sikkerDatatekst(n) && QFileInfo::exists(infostruktur->Infomappe + n + QStringLiteral(".html"));
    vis(QStringLiteral("Filnavnet:\r") + n + QStringLiteral(".html") + QStringLiteral("\r")
        + (findes ? QStringLiteral("eksisterer allerede!") : QStringLiteral("eksisterer ikke!")));
}

void Tstrukturform::sorter(bool objekt)
{
    TStruktur *t = objekt ? objektstruktur : infostruktur;
    if (t->topLevelItemCount() == 0)
        return;
    if (!spoergJa(QStringLiteral("Skal elementerne i strukturen\rsorteres alfabetisk?"), this))
        return;
    t->sorterAlt();
    t->Modified = true;
    opdaterHandlinger();
}

void Tstrukturform::elementKlik(bool objekt)
{
    TStruktur *t = objekt ? objektstruktur : infostruktur;
    (objekt ? insertAktiv1 : insertAktiv) = false;
    QTreeWidgetItem *n = t->currentItem();
    if ((objekt ? arranger1 : arranger)->isChecked() || !n) {
        opdaterHandlinger();
        return;
    }
    (objekt ? elementEdit1 : elementEdit)->setText(n->text(0));
    const QString data = TStruktur::datatekst(n);
    if (objekt) {
        tekstEdit1->setText(n->text(0));
        const QStringList dele = data.split(u'|');
        QLineEdit *felter[] = {dataEdit1, dataEdit2, dataEdit3, dataEdit4};
        for (int i = 0; i < 4; ++i)
            felter[i]->setText(dele.value(i));
        vaelgIkon1(qMax(0, TStruktur::ikonIndex(n)));
    } else {
        tekstEdit->setText(n->text(0));
        dataEdit->setText(data);
        vaelgIkon(qMax(0, TStruktur::ikonIndex(n)));
    }
    opdaterHandlinger();
}

void Tstrukturform::sletInfoStruktur()
{
    QListWidgetItem *it = strukturboks->currentItem();
    if (!it) {
        vis(QStringLiteral("Der er ikke valgt nogen struktur."));
        return;
    }
    const QString navn = it->text();
    const QString mappe = strukturDir + navn;
    if (!QFileInfo(mappe).isDir()) {
        vis(mappe + QStringLiteral(" blev ikke fundet!"));
        return;
    }
    const QString afvist = information::indbyggetAfvisning(navn);
    if (!afvist.isEmpty()) {
        vis(afvist);
        return;
    }
    if (!information::sikkerDatatekst(navn)
        || !spoergSlet(QStringLiteral("Skal strukturen ") + navn + QStringLiteral(" slettes totalt?"), this))
        return;
    infostruktur->clear();
    infostruktur->Strukturfile.clear();
    infostruktur->Datafile.clear();
    infostruktur->Infomappe.clear();
    infostruktur->Htmlmappe.clear();
    infostruktur->Billedmappe.clear();
    infostruktur->Modified = false;
    navnLabel->setText(QStringLiteral("Strukturnavn: "));
    tomFelter(false);
    delete it;
    if (!QDir(mappe).removeRecursively())
        platform::errorBox(this, QStringLiteral("Mappen ") + mappe + QStringLiteral(" kunne ikke slettes helt."));
    emit strukturlisteAendret();
    opdaterHandlinger();
}

void Tstrukturform::sletObjektStruktur()
{
    QListWidgetItem *it = objektboks->currentItem();
    if (newSL.isEmpty()) {
        vis(QStringLiteral("Der er ingen strukturer, der må slettes."));
        return;
    }
    if (!it)
        return;
    const QString navn = it->text();
    const bool egen = std::any_of(newSL.begin(), newSL.end(), [&navn](const QString &s) {
        return s.compare(navn, Qt::CaseInsensitive) == 0;
    });
    if (!egen) {
        vis(QStringLiteral("Strukturen ") + navn + QStringLiteral(" benyttes af programmet.") + QStringLiteral("\r")
            + QStringLiteral("Den må ikke slettes."));
        return;
    }
    if (!spoergSlet(QStringLiteral("Skal strukturen ") + navn + QStringLiteral(" slettes totalt?"), this))
        return;
    objektstruktur->clear();
    objektstruktur->Strukturfile.clear();
    objektstruktur->Datafile.clear();
    objektstruktur->Modified = false;
    navnLabel1->setText(QStringLiteral("Strukturnavn: "));
    tomFelter(true);
    if (information::sikkerDatatekst(navn)) {
        QFile::remove(objektStrukturDir + navn + QStringLiteral("Data.txt"));
        QFile::remove(objektStrukturDir + navn + QStringLiteral("Struktur.txt"));
    }
    newSL.erase(std::remove_if(newSL.begin(), newSL.end(), [&navn](const QString &s) {
                    return s.compare(navn, Qt::CaseInsensitive) == 0;
                }), newSL.end());
    gemNewSL();
    laesLister();
    emit objektlisteAendret();
    opdaterHandlinger();
}

bool Tstrukturform::eventFilter(QObject *watched, QEvent *event)
{
    // Moving entries with the mouse: press on one, release on another.
    for (TStruktur *t : {infostruktur, objektstruktur}) {
        if (t && watched == t->viewport()) {
            if (event->type() == QEvent::MouseButtonPress) {
                const QPoint p = static_cast<QMouseEvent *>(event)->position().toPoint();
                t->MusDown(p.x(), p.y());
            } else if (event->type() == QEvent::MouseButtonRelease) {
                const QPoint p = static_cast<QMouseEvent *>(event)->position().toPoint();
                t->MusUp(p.x(), p.y(), false);
                opdaterHandlinger();
            }
        }
    }
    if (event->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(event)->key();
        const bool enter = k == Qt::Key_Return || k == Qt::Key_Enter;
        if (enter && (watched == strukturboks || watched == objektboks)) {
            watched == strukturboks ? redigerInfoStruktur() : redigerObjektStruktur();
            return true;
        }
        if (enter && watched == tekstEdit) {
            if (!autoNavn->isChecked() && !ensTekst->isChecked())
                dataEdit->setFocus();
            else if (insertAktiv) {
                if (!ensTekst->isChecked())
                    fnKnapClick();
                AinsertExecute();
            } else {
                AredigerExecute();
            }
            return true;
        }
        if (enter && watched == dataEdit && !autoNavn->isChecked() && !ensTekst->isChecked()) {
            if (dataEdit->text().isEmpty())
                vis(QStringLiteral("Der mangler et filnavn."));
            else if (insertAktiv)
                AinsertExecute();
            return true;
        }
        if (watched == tekstEdit1 && !enter)
            insertAktiv1 = true;
        if (enter && watched == tekstEdit1) { dataEdit1->setFocus(); return true; }
        if (enter && watched == dataEdit1) { dataEdit2->setFocus(); return true; }
        if (enter && (watched == dataEdit2 || watched == dataEdit3)) { dataEdit3->setFocus(); return true; }
        if (enter && watched == dataEdit4) {
            insertAktiv1 ? Ainsert1Execute() : Arediger1Execute();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Tstrukturform::closeEvent(QCloseEvent *event)
{
    core::OptionWriter().add(pos().y()).add(pos().x()).write(optFilnavn);
    QWidget::closeEvent(event);
}
