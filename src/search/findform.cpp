#include "search/findform.h"

#include "codewriting/dokumentvaert.h"
#include "core/programfolder.h"
#include "editor/editor.h"
#include "platform/infobox.h"
#include "platform/vinduesplads.h"
#include "search/dokumentsoegning.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHash>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <atomic>

namespace {

QAction *lavAction(QObject *parent, const char *name, const QString &caption)
{
    auto *a = new QAction(caption, parent);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

QPushButton *knap(QAction *a, const QString &caption = {})
{
    auto *b = new QPushButton(caption.isEmpty() ? a->text() : caption);
    b->setObjectName(a->objectName() + QStringLiteral("Knap"));
    b->setAutoDefault(false);
    QObject::connect(b, &QPushButton::clicked, a, &QAction::trigger);
    QObject::connect(a, &QAction::enabledChanged, b, &QPushButton::setEnabled);
    b->setEnabled(a->isEnabled());
    return b;
}

// Empties the list and draws it before a long search starts.
void tegnNu()
{
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

class Timeglas {
public:
    Timeglas() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Timeglas() { QApplication::restoreOverrideCursor(); }
};

} // namespace

// A folder search under way. The worker reads only stop; form belongs to the window's thread
// and is null once the window has let go of the search, so late rows of a stopped search go
// nowhere.
struct Tfindform::Soegning {
    std::atomic<bool> stop{false};
    Tfindform *form = nullptr;
};

// "Åben alle dokumenter" under way, one document per turn of the event loop.
struct Tfindform::Aabning {
    QStringList dokumenter;                // each once, in list order
    QHash<QString, qsizetype> sidstePos;   // the position of each one's last row
    qsizetype naeste = 0;
    QPointer<TEditor> sidste;              // the last one opened, and its name
    QString sidsteNavn;
    QPointer<QProgressDialog> status;
};

Tfindform::Tfindform(TDokumentVaert *vaert, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_vaert(vaert)
{
    setObjectName(QStringLiteral("Tfindform"));
    setWindowTitle(QStringLiteral("Søg i dokumenter"));
    setModal(false);
    optfil = core::ProgramFolder::optDir() + QStringLiteral("findoptions.txt");

    auto historik = [](const char *name) {
        auto *c = new QComboBox;
        c->setObjectName(QString::fromLatin1(name));
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        c->setMinimumWidth(260);
        return c;
    };
    EditFind = historik("EditFind");
    EditErstat = historik("EditErstat");
    rydFindKnap = new QToolButton;
    rydFindKnap->setObjectName(QStringLiteral("rydFindKnap"));
    rydFindKnap->setText(QStringLiteral("#"));
    rydFindKnap->setToolTip(QStringLiteral("Ryd find- listen"));
    rydErstatKnap = new QToolButton;
    rydErstatKnap->setObjectName(QStringLiteral("rydErstatKnap"));
    rydErstatKnap->setText(QStringLiteral("#"));
    rydErstatKnap->setToolTip(QStringLiteral("Ryd erstat-listen"));
    // Clearing a history keeps the text being typed.
    connect(rydFindKnap, &QToolButton::clicked, this, [this] {
        const QString t = EditFind->currentText();
        EditFind->clear();
        EditFind->setEditText(t);
    });
    connect(rydErstatKnap, &QToolButton::clicked, this, [this] {
        const QString t = EditErstat->currentText();
        EditErstat->clear();
        EditErstat->setEditText(t);
    });
    connect(EditFind, &QComboBox::editTextChanged, this, &Tfindform::opdaterActions);

    Check1 = new QCheckBox(QStringLiteral("Kun hele ord"));
    Check1->setObjectName(QStringLiteral("Check1"));
    Check2 = new QCheckBox(QStringLiteral("Forskel på store og små bogstaver"));
    Check2->setObjectName(QStringLiteral("Check2"));
    fBox = new QComboBox;
    fBox->setObjectName(QStringLiteral("fBox"));
    setDirKnap = new QPushButton(QStringLiteral("Vælg mappe"));
    setDirKnap->setObjectName(QStringLiteral("setDirKnap"));
    setDirKnap->setAutoDefault(false);
    connect(setDirKnap, &QPushButton::clicked, this, &Tfindform::setDirKnapClick);
    dirEdit = new QLineEdit;
    dirEdit->setObjectName(QStringLiteral("dirEdit"));
    dirEdit->setReadOnly(true);

    findis = new QTreeWidget;
    findis->setObjectName(QStringLiteral("findis"));
    findis->setHeaderLabels({QStringLiteral("Dokument"), QStringLiteral("Position"), QStringLiteral("Tekst")});
    findis->setRootIsDecorated(false);
    findis->setUniformRowHeights(true);
    findis->setSelectionBehavior(QAbstractItemView::SelectRows);
    findis->setSelectionMode(QAbstractItemView::SingleSelection);
    findis->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Once the items have a style of their own, the selected one must be given its colours
    // too: left to the style sheet it is drawn without its background and its text unseen.
    findis->setStyleSheet(QStringLiteral(
        "QTreeView::item { border-right: 1px solid #d0d0d0; border-bottom: 1px solid #d0d0d0; }"
        "QTreeView::item:selected { background: palette(highlight); color: palette(highlighted-text); }"));
    findis->header()->resizeSection(0, 260);
    findis->header()->resizeSection(1, 70);
    findis->setMinimumSize(560, 220);
    connect(findis, &QTreeWidget::itemSelectionChanged, this, &Tfindform::opdaterActions);
    connect(findis, &QTreeWidget::itemDoubleClicked, this, [this] { AvisValgteExecute(); });
    countdis = new QLabel(QStringLiteral("0"));
    countdis->setObjectName(QStringLiteral("countdis"));

    Afind = lavAction(this, "Afind", QStringLiteral("Find i åbne dokumenter"));
    Aerstat = lavAction(this, "Aerstat", QStringLiteral("Erstat i åbne dokumenter"));
    AfindBib = lavAction(this, "AfindBib", QStringLiteral("Find i bibliotek"));
    AopenAll = lavAction(this, "AopenAll", QStringLiteral("Åben alle dokumenter"));
    AvisValgte = lavAction(this, "AvisValgte", QStringLiteral("Vis valgte"));
    Afjern = lavAction(this, "Afjern", QStringLiteral("Fjern valgte"));
    AsletAlt = lavAction(this, "AsletAlt", QStringLiteral("Slet alt"));
    connect(Afind, &QAction::triggered, this, &Tfindform::AfindExecute);
    connect(Aerstat, &QAction::triggered, this, &Tfindform::AerstatExecute);
    connect(AfindBib, &QAction::triggered, this, &Tfindform::AfindBibExecute);
    connect(AopenAll, &QAction::triggered, this, &Tfindform::AopenAllExecute);
    connect(AvisValgte, &QAction::triggered, this, &Tfindform::AvisValgteExecute);
    connect(Afjern, &QAction::triggered, this, &Tfindform::AfjernExecute);
    connect(AsletAlt, &QAction::triggered, this, &Tfindform::AsletAltExecute);

    infoKnap = new QToolButton;
    infoKnap->setObjectName(QStringLiteral("infoKnap"));
    infoKnap->setText(QStringLiteral("?"));
    infoKnap->setToolTip(QStringLiteral("Information om Find-specialboksen"));
    connect(infoKnap, &QToolButton::clicked, this,
            [this] { m_vaert->HelpInfo(QStringLiteral("Programmet"), QStringLiteral("Søg")); });
    lukKnap = new QPushButton(QStringLiteral("Luk"));
    lukKnap->setObjectName(QStringLiteral("lukKnap"));
    lukKnap->setAutoDefault(false);
    connect(lukKnap, &QPushButton::clicked, this, &QDialog::close);

    auto *tekster = new QGridLayout;
    tekster->addWidget(new QLabel(QStringLiteral("Søg efter")), 0, 0);
    tekster->addWidget(EditFind, 0, 1);
    tekster->addWidget(rydFindKnap, 0, 2);
    tekster->addWidget(new QLabel(QStringLiteral("Erstat med")), 1, 0);
    tekster->addWidget(EditErstat, 1, 1);
    tekster->addWidget(rydErstatKnap, 1, 2);
    auto *egenskaber = new QGroupBox(QStringLiteral("Søgeegenskaber"));
    auto *ev = new QVBoxLayout(egenskaber);
    ev->addWidget(Check1);
    ev->addWidget(Check2);
    tekster->addWidget(egenskaber, 0, 3, 2, 1);

    auto *mappe = new QGridLayout;
    mappe->addWidget(new QLabel(QStringLiteral("Filtype filter")), 0, 0);
    mappe->addWidget(fBox, 0, 1);
    mappe->addWidget(setDirKnap, 0, 2);
    mappe->addWidget(new QLabel(QStringLiteral("Søgemappe")), 1, 0);
    mappe->addWidget(dirEdit, 1, 1, 1, 2);

    auto *knapper = new QHBoxLayout;
    knapper->addWidget(knap(Afind));
    knapper->addWidget(knap(Aerstat));
    m_findBibKnap = knap(AfindBib, QStringLiteral("Find i mappe"));
    knapper->addWidget(m_findBibKnap);
    knapper->addStretch();

    auto *listeKnapper = new QHBoxLayout;
    listeKnapper->addWidget(knap(AvisValgte));
    listeKnapper->addWidget(knap(AopenAll));
    listeKnapper->addWidget(knap(Afjern));
    listeKnapper->addWidget(knap(AsletAlt));
    listeKnapper->addStretch();
    listeKnapper->addWidget(new QLabel(QStringLiteral("Fundne:")));
    listeKnapper->addWidget(countdis);

    auto *bund = new QHBoxLayout;
    bund->addWidget(infoKnap);
    bund->addStretch();
    bund->addWidget(lukKnap);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(tekster);
    layout->addLayout(mappe);
    layout->addLayout(knapper);
    layout->addWidget(findis, 1);
    layout->addLayout(listeKnapper);
    layout->addLayout(bund);
    opdaterActions();
}

Tfindform::~Tfindform()
{
    // The window goes when the program ends.
    gemOpt();
    // Only the flag: at program end the host is half gone, so the window asks it nothing.
    if (m_soegning) {
        m_soegning->stop = true;
        m_soegning->form = nullptr;
    }
    // A stopped search ends within one piece of a file; one that cannot (a file system that
    // hangs) is left to end with the program rather than hold up its close.
    for (QThread *t : findChildren<QThread *>(Qt::FindDirectChildrenOnly))
        if (!t->wait(QDeadlineTimer(2000)))
            t->setParent(nullptr);
}

void Tfindform::done(int result)
{
    stopSoegning();
    if (m_aabning) {
        delete m_aabning->status;
        m_aabning.reset();
    }
    QDialog::done(result);
}

void Tfindform::showEvent(QShowEvent *event)
{
    if (opstart) {
        opstart = false;
        platform::hentPlads(this, optfil);
        if (Mappe.isEmpty())
            setMappe(m_vaert->filPanelMappe());
    }
    opdaterActions();
    QDialog::showEvent(event);
}

bool Tfindform::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        opdaterActions();
    return QDialog::event(event);
}

void Tfindform::gemOpt() const
{
    if (opstart)
        return;
    platform::gemPlads(this, optfil);
}

void Tfindform::vis()
{
    const TDokumentVaert::Filter f = m_vaert->filPanelFilter();
    fBox->clear();
    for (const auto &[tekst, maske] : f.punkter)
        fBox->addItem(tekst, maske);
    if (f.valgt >= 0 && f.valgt < fBox->count())
        fBox->setCurrentIndex(f.valgt);
    // Without a filter of the file panel every file of the folder is searched.
    if (fBox->count() == 0)
        fBox->addItem(QStringLiteral("Alle filer (*.*)"), QStringLiteral("*.*"));
    show();
    raise();
    activateWindow();
}

void Tfindform::setMappe(const QString &folder)
{
    if (folder.isEmpty())
        return;
    Mappe = folder.endsWith(u'/') ? folder : folder + u'/';
    dirEdit->setText(Mappe);
}

search::SoegeValg Tfindform::valg() const
{
    return {Check1->isChecked(), Check2->isChecked()};
}

void Tfindform::opdaterActions()
{
    const bool harTekst = !EditFind->currentText().isEmpty();
    const bool harDok = !m_vaert->aabneDokumenter().isEmpty();
    const bool harRaekker = findis->topLevelItemCount() > 0;
    const bool valgt = harRaekker && !findis->selectedItems().isEmpty();
    // While a folder search fills the list nothing else may fill or empty it.
    const bool soeger = m_soegning != nullptr;
    Afind->setEnabled(!soeger && harDok && harTekst);
    Aerstat->setEnabled(!soeger && harDok && harTekst);
    AfindBib->setEnabled(soeger || harTekst);
    AopenAll->setEnabled(!soeger && !m_aabning && harRaekker);
    AvisValgte->setEnabled(valgt);
    Afjern->setEnabled(valgt);
    AsletAlt->setEnabled(!soeger && harRaekker);
}

void Tfindform::opdaterHistorik()
{
    // The newest text first, each text once.
    for (QComboBox *c : {EditFind, EditErstat}) {
        const QString t = c->currentText();
        if (t.isEmpty())
            continue;
        const int i = c->findText(t, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (i == 0)
            continue;
        if (i > 0)
            c->removeItem(i);
        c->insertItem(0, t);
        c->setCurrentIndex(0);
    }
}

void Tfindform::tilfoejRaekker(const QList<search::Traef> &rows)
{
    QList<QTreeWidgetItem *> items;
    items.reserve(rows.size());
    for (const search::Traef &t : rows)
        items.append(new QTreeWidgetItem({t.dokument, QString::number(t.position), t.linje}));
    findis->addTopLevelItems(items);
}

void Tfindform::visCount()
{
    countdis->setText(QString::number(findis->topLevelItemCount()));
    opdaterActions();
}

QList<search::Traef> Tfindform::traef() const
{
    QList<search::Traef> rows;
    for (int i = 0; i < findis->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *it = findis->topLevelItem(i);
        rows.append({it->text(0), it->text(1).toLongLong(), it->text(2)});
    }
    return rows;
}

void Tfindform::soegIAabne(bool erstat)
{
    if (m_soegning)
        return;
    opdaterHistorik();
    findis->clear();
    tegnNu();
    FTekst = EditFind->currentText();
    if (FTekst.isEmpty()) {
        visCount();
        return;
    }
    RTekst = EditErstat->currentText();
    {
        Timeglas t;
        const search::SoegeValg v = valg();
        for (const TDokumentVaert::Dokument &d : m_vaert->aabneDokumenter()) {
            const QString navn = d.filnavn.isEmpty() ? d.capNavn : d.filnavn;
            tilfoejRaekker(search::soegIDokument(d.edit, navn, FTekst, v, erstat ? &RTekst : nullptr));
        }
    }
    if (erstat) {
        FTekst = RTekst;
        m_vaert->winInfo();
    }
    visCount();
}

void Tfindform::AfindExecute() { soegIAabne(false); }
void Tfindform::AerstatExecute() { soegIAabne(true); }

void Tfindform::AfindBibExecute()
{
    // While a search runs, its button reads "Stop".
    if (m_soegning) {
        stopSoegning();
        return;
    }
    if (Mappe.isEmpty() || !QFileInfo(Mappe).isDir())
        return;
    findis->clear();
    FTekst = EditFind->currentText();
    if (FTekst.isEmpty()) {
        visCount();
        return;
    }
    RTekst = EditErstat->currentText();
    opdaterHistorik();
    if (const QString afvist = search::mappeAfvisning(Mappe); !afvist.isEmpty()) {
        visCount();
        platform::infoBox(this, afvist);
        return;
    }
    const QString maske = fBox->currentIndex() >= 0 ? fBox->currentData().toString() : QStringLiteral("*.*");
    auto s = std::make_shared<Soegning>();
    s->form = this;
    m_soegning = s;
    QThread *t = QThread::create(&Tfindform::soegIBaggrunden, s, Mappe, maske, FTekst, valg());
    t->setObjectName(QStringLiteral("soegeTraad"));
    t->setParent(this);
    connect(t, &QThread::finished, t, &QObject::deleteLater);
    t->start();
    visSoegning();
    visCount();
}

void Tfindform::soegIBaggrunden(const std::shared_ptr<Soegning> &s, const QString &mappe, const QString &maske,
                                const QString &tekst, search::SoegeValg valg)
{
    // Rows go to the window in batches: the first at once, then at most ten a second, so many
    // small hits do not flood the window's thread. The stop flag is asked between files and
    // between the pieces of a large file, which also sends rows found before a long file.
    QList<search::Traef> parti;
    QElapsedTimer sidenSendt;
    auto send = [&] {
        QMetaObject::invokeMethod(
            qApp, [s, rows = std::move(parti)] { if (s->form) s->form->modtagFundne(rows); }, Qt::QueuedConnection);
        parti.clear();
        sidenSendt.start();
    };
    auto sendHvisTid = [&] {
        if (!parti.isEmpty() && (!sidenSendt.isValid() || sidenSendt.elapsed() >= 100))
            send();
    };
    const QString afvist = search::soegIMappeLoebende(
        mappe, maske, tekst, valg,
        [&](QList<search::Traef> &&rows) {
            parti.append(std::move(rows));
            sendHvisTid();
        },
        [&] {
            sendHvisTid();
            return !s->stop.load(std::memory_order_relaxed);
        });
    QMetaObject::invokeMethod(
        qApp, [s, rows = std::move(parti), afvist] { if (s->form) s->form->soegningSlut(rows, afvist); },
        Qt::QueuedConnection);
}

void Tfindform::modtagFundne(const QList<search::Traef> &rows)
{
    tilfoejRaekker(rows);
    visCount();
}

void Tfindform::soegningSlut(const QList<search::Traef> &rows, const QString &afvist)
{
    tilfoejRaekker(rows);
    m_soegning->form = nullptr;
    m_soegning.reset();
    visSoegning();
    visCount();
    if (!afvist.isEmpty())
        platform::infoBox(this, afvist);
}

void Tfindform::stopSoegning()
{
    if (!m_soegning)
        return;
    // The window lets go at once; the worker ends within a piece of a file and its last rows
    // go nowhere.
    m_soegning->stop = true;
    m_soegning->form = nullptr;
    m_soegning.reset();
    visSoegning();
    visCount();
}

void Tfindform::visSoegning()
{
    if (m_soegning) {
        m_findBibKnap->setText(QStringLiteral("Stop"));
        findis->setCursor(Qt::BusyCursor);
    } else {
        m_findBibKnap->setText(QStringLiteral("Find i mappe"));
        findis->unsetCursor();
    }
    opdaterActions();
}

bool Tfindform::visRaekke(int row)
{
    QTreeWidgetItem *it = findis->topLevelItem(row);
    if (!it)
        return false;
    const QString navn = it->text(0);
    TEditor *edit = QFileInfo(navn).isFile() ? m_vaert->aabnFil(navn) : m_vaert->visDokument(navn);
    if (!edit) {
        delete it;
        visCount();
        return false;
    }
    return true;
}

void Tfindform::AvisValgteExecute()
{
    const QList<QTreeWidgetItem *> sel = findis->selectedItems();
    if (sel.isEmpty())
        return;
    const int row = findis->indexOfTopLevelItem(sel.first());
    const qsizetype pos = sel.first()->text(1).toLongLong();
    if (!visRaekke(row))
        return;
    if (TEditor *edit = m_vaert->aktivEditor()) {
        edit->setSelection(pos, pos + search::dokumentTekst(FTekst).size());
        edit->setFocus();
        m_vaert->winInfo();
    }
}

void Tfindform::AopenAllExecute()
{
    if (m_aabning || m_soegning)
        return;
    auto a = std::make_shared<Aabning>();
    for (int row = 0; row < findis->topLevelItemCount(); ++row) {
        const QTreeWidgetItem *it = findis->topLevelItem(row);
        if (!a->sidstePos.contains(it->text(0)))
            a->dokumenter.append(it->text(0));
        a->sidstePos.insert(it->text(0), it->text(1).toLongLong());
    }
    const qsizetype n = a->dokumenter.size();
    if (n == 0)
        return;
    // Many windows take a while and bury the screen: the user says yes first, and can stop
    // between documents.
    const bool mange = n > kAabnUdenAtSpoerge;
    if (mange && !m_vaert->spoergJa(QStringLiteral("Der åbnes %1 dokumenter.\rVil du fortsætte?").arg(n), this))
        return;
    m_aabning = a;
    opdaterActions();
    if (!mange) {
        while (aabnEt()) {
        }
        aabnAlleSlut();
        return;
    }
    a->status = new QProgressDialog(QStringLiteral("Åbner %1 dokumenter …").arg(n), QStringLiteral("Annuller"), 0, int(n), this);
    a->status->setObjectName(QStringLiteral("aabnerStatus"));
    a->status->setWindowTitle(QStringLiteral("Åben alle dokumenter"));
    a->status->setWindowModality(Qt::NonModal);
    a->status->setAutoClose(false);
    a->status->setAutoReset(false);
    a->status->setMinimumDuration(0);
    a->status->setValue(0);
    a->status->show();
    QTimer::singleShot(0, this, &Tfindform::aabnVidere);
}

bool Tfindform::aabnEt()
{
    const std::shared_ptr<Aabning> a = m_aabning;
    if (!a || a->naeste >= a->dokumenter.size() || (a->status && a->status->wasCanceled()))
        return false;
    const QString navn = a->dokumenter.at(a->naeste++);
    TEditor *edit = QFileInfo(navn).isFile() ? m_vaert->aabnFil(navn) : m_vaert->visDokument(navn);
    // Opening may have asked a question, during which the window could have closed.
    if (a != m_aabning)
        return false;
    if (edit) {
        a->sidste = edit;
        a->sidsteNavn = navn;
    } else {
        fjernRaekker(navn);   // its document is gone
    }
    if (a->status)
        a->status->setValue(int(a->naeste));
    return true;
}

void Tfindform::aabnVidere()
{
    if (aabnEt())
        QTimer::singleShot(0, this, &Tfindform::aabnVidere);
    else
        aabnAlleSlut();
}

void Tfindform::aabnAlleSlut()
{
    if (!m_aabning)
        return;
    const std::shared_ptr<Aabning> a = std::move(m_aabning);
    delete a->status;
    // The last document opened shows its last hit.
    if (a->sidste) {
        const qsizetype pos = a->sidstePos.value(a->sidsteNavn);
        a->sidste->setSelection(pos, pos + search::dokumentTekst(FTekst).size());
        a->sidste->setFocus();
        m_vaert->winInfo();
    }
    visCount();
}

void Tfindform::fjernRaekker(const QString &dokument)
{
    for (int row = findis->topLevelItemCount() - 1; row >= 0; --row)
        if (findis->topLevelItem(row)->text(0) == dokument)
            delete findis->topLevelItem(row);
    visCount();
}

void Tfindform::AfjernExecute()
{
    const QList<QTreeWidgetItem *> sel = findis->selectedItems();
    qDeleteAll(sel);
    visCount();
}

void Tfindform::AsletAltExecute()
{
    findis->clear();
    EditFind->setEditText({});
    EditErstat->setEditText({});
    countdis->setText(QStringLiteral("0"));
    opdaterActions();
}

void Tfindform::setDirKnapClick()
{
    const QString d = QFileDialog::getExistingDirectory(this, QStringLiteral("Vælg søgebibliotek"), Mappe);
    if (!d.isEmpty())
        setMappe(d);
}
