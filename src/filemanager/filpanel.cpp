#include "filemanager/filpanel.h"

#include "codewriting/dokumentvaert.h"
#include "codewriting/taginfo.h"
#include "core/filkopi.h"
#include "core/optionfile.h"
#include "core/programfolder.h"
#include "filemanager/filinfo.h"
#include "filemanager/filnavne.h"
#include "filemanager/mappeliste.h"
#include "platform/drev.h"
#include "platform/infobox.h"
#include "platform/papirkurv.h"
#include "platform/shellopen.h"
#include "platform/vinduesplads.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace filemanager;

namespace filemanager {

QStringList filFakta(const QString &path)
{
    const QFileInfo info(path);
    return {QStringLiteral("Filnavn:"), info.fileName(), QStringLiteral("Mappe:"), info.absolutePath() + u'/',
            QStringLiteral("Sidst modificeret: ") + QLocale().toString(info.lastModified().date(), QLocale::ShortFormat),
            QStringLiteral("Dokumenttype: ") + dokumentType(extensionMedPunktum(info.fileName())),
            QStringLiteral("Filstørelse: ") + QString::number(info.size()) + QStringLiteral(" bytes")};
}

bool passerMaske(const QString &name, const QString &mask)
{
    for (const QString &m : mask.split(u';', Qt::SkipEmptyParts)) {
        const QString t = m.trimmed();
        if (t == QStringLiteral("*.*") || t == QStringLiteral("*"))
            return true;
        const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(t),
                                    QRegularExpression::CaseInsensitiveOption);
        if (re.match(name).hasMatch())
            return true;
    }
    return false;
}

}

namespace {
// Top and left of a small dialog, read at its first showing and written at each closing.
void hentPos(QWidget *w, const QString &fil)
{
    platform::hentPlads(w, fil);
}
void gemPos(QWidget *w, const QString &fil)
{
    QString error;
    if (!platform::gemPlads(w, fil, &error))
        platform::errorBox(w, QStringLiteral("Indstillingerne kunne ikke gemmes i %1.\r%2").arg(fil, error));
}

// A drive chooser: the ready drives the menu names, the one holding folder chosen.
void fyldDrev(QComboBox *boks, const QString &folder)
{
    boks->clear();
    for (const platform::Drev &d : platform::drevListe()) {
        const QString t = platform::drevMenuTekst(d);
        if (!t.isEmpty() && d.klar)
            boks->addItem(QIcon::fromTheme(QStringLiteral("drive-harddisk")), t, d.rod);
    }
    boks->setCurrentIndex(boks->findData(platform::drevFor(folder.isEmpty() ? QDir::homePath() : folder).rod));
}

// A folder list: folder with its parents, indented, then its subfolders; each item holds its
// path. The folder itself is the current row.
void fyldMapper(QListWidget *liste, const QString &folder)
{
    liste->clear();
    const QStringList dele = stiDele(folder);
    for (int i = 0; i < dele.size(); ++i) {
        auto *it = new QListWidgetItem(QIcon::fromTheme(QStringLiteral("folder-open")),
                                       QString(i * 2, u' ') + dele[i], liste);
        it->setData(Qt::UserRole, stiTilIndex(dele, i));
    }
    liste->setCurrentRow(liste->count() - 1);
    const QString indryk(dele.size() * 2, u' ');
    for (const QString &d : QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        auto *it = new QListWidgetItem(QIcon::fromTheme(QStringLiteral("folder")), indryk + d, liste);
        it->setData(Qt::UserRole, tilfoej(folder, d));
    }
}
QLineEdit *edit(const char *name)
{
    auto *e = new QLineEdit;
    e->setObjectName(QString::fromLatin1(name));
    return e;
}
QHBoxLayout *knapper(QDialog *d, const QString &ok)
{
    auto *annuller = new QPushButton(QStringLiteral("Annuller"));
    annuller->setObjectName(QStringLiteral("annullerKnap"));
    auto *okKnap = new QPushButton(ok);
    okKnap->setObjectName(QStringLiteral("okKnap"));
    okKnap->setDefault(true);
    QObject::connect(annuller, &QPushButton::clicked, d, &QDialog::reject);
    QObject::connect(okKnap, &QPushButton::clicked, d, &QDialog::accept);
    auto *l = new QHBoxLayout;
    l->addStretch();
    l->addWidget(annuller);
    l->addWidget(okKnap);
    return l;
}
}

Tkopiform::Tkopiform(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Tkopiform"));
    setWindowTitle(QStringLiteral("Kopier fil"));
    optfil = core::ProgramFolder::optDir() + QStringLiteral("kopier.txt");
    auto *f = new QFormLayout(this);
    f->addRow(QStringLiteral("Destignations mappe"), mappeEdit = edit("mappeEdit"));
    f->addRow(QStringLiteral("Filnavn"), filnavnEdit = edit("filnavnEdit"));
    f->addRow(QStringLiteral("Efternavn"), extEdit = edit("extEdit"));
    sletBox = new QCheckBox(QStringLiteral("Slet den oprindelige fil"));
    sletBox->setObjectName(QStringLiteral("sletBox"));
    f->addRow(sletBox);
    Memo = new QPlainTextEdit;
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setReadOnly(true);
    f->addRow(Memo);
    DriveBox = new QComboBox;
    DriveBox->setObjectName(QStringLiteral("DriveBox"));
    f->addRow(QStringLiteral("Drev"), DriveBox);
    Dirbox = new QListWidget;
    Dirbox->setObjectName(QStringLiteral("Dirbox"));
    f->addRow(Dirbox);
    f->addRow(knapper(this, QStringLiteral("Kopier")));
    // Choosing a folder (or a drive) shows it and makes it the destination.
    auto vaelg = [this](const QString &folder) {
        if (!QFileInfo(folder).isDir())
            return;
        visMappe(folder);
        mappeEdit->setText(folder.endsWith(u'/') ? folder : folder + u'/');
    };
    connect(Dirbox, &QListWidget::itemActivated, this, [vaelg](QListWidgetItem *it) { vaelg(it->data(Qt::UserRole).toString()); });
    connect(DriveBox, &QComboBox::activated, this, [this, vaelg](int i) { vaelg(DriveBox->itemData(i).toString()); });
}

void Tkopiform::visMappe(const QString &folder)
{
    const QString mappe = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    fyldDrev(DriveBox, mappe);
    fyldMapper(Dirbox, mappe);
}

void Tkopiform::showEvent(QShowEvent *e)
{
    if (!m_vist) {
        m_vist = true;
        hentPos(this, optfil);
    }
    QDialog::showEvent(e);
    findChild<QPushButton *>(QStringLiteral("okKnap"))->setFocus();
}

void Tkopiform::done(int r)
{
    gemPos(this, optfil);
    QDialog::done(r);
}

Trenameform::Trenameform(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Trenameform"));
    setWindowTitle(QStringLiteral("Omdøb fil"));
    optfil = core::ProgramFolder::optDir() + QStringLiteral("rename.txt");
    auto *f = new QFormLayout(this);
    f->addRow(QStringLiteral("Filnavn"), filnavnEdit = edit("filnavnEdit"));
    f->addRow(QStringLiteral("Efternavn"), extEdit = edit("extEdit"));
    f->addRow(knapper(this, QStringLiteral("Omdøb")));
}

void Trenameform::showEvent(QShowEvent *e)
{
    if (!m_vist) {
        m_vist = true;
        hentPos(this, optfil);
    }
    QDialog::showEvent(e);
}

void Trenameform::done(int r)
{
    gemPos(this, optfil);
    QDialog::done(r);
}

// ---------------------------------------------------------------- the panel

TFilPanel::TFilPanel(TDokumentVaert *vaert, QWidget *parent)
    : QWidget(parent), m_vaert(vaert)
{
    setObjectName(QStringLiteral("filPanel"));
    auto act = [this](const char *name, const QString &caption, const QString &hint = {}) {
        auto *a = new QAction(caption, this);
        a->setObjectName(QString::fromLatin1(name));
        if (!hint.isEmpty()) {
            a->setToolTip(hint);
            a->setStatusTip(hint);
        }
        return a;
    };
    AinsertFilename = act("AinsertFilename", QStringLiteral("Indsæt filnavn"), QStringLiteral("Udskriv valgte filnavn"));
    ACopy = act("ACopy", QStringLiteral("Kopier/Flyt valgte fil..."));
    ARename = act("ARename", QStringLiteral("Omdøb valgte fil..."));
    AsletFil = act("AsletFil", QStringLiteral("Slet valgte fil..."), QStringLiteral("Slet valgte fil til papirkurven"));
    Agogo = act("Agogo", QStringLiteral("Aktiver dokumentet"), QStringLiteral("Åben/Kør filen"));
    Agogo->setIcon(QIcon::fromTheme(QStringLiteral("system-run")));
    AinsertSenesteM = act("AinsertSenesteM", QStringLiteral("Indsæt i Seneste mapper"), QStringLiteral("Indsæt mappelistens mappe i Seneste mapper"));
    aabenMappe = act("aabenMappe", QStringLiteral("Åben aktuelle mappe..."), QStringLiteral("Åben mappen i stifinder"));
    nyMappe = act("nyMappe", QStringLiteral("Opret ny mappe i aktuelle mappe..."), QStringLiteral("Ny mappe"));

    drevBoks = new QComboBox;
    drevBoks->setObjectName(QStringLiteral("drevBoks"));
    auto *ButtonDrev = new QToolButton;
    ButtonDrev->setObjectName(QStringLiteral("ButtonDrev"));
    ButtonDrev->setIcon(QIcon::fromTheme(QStringLiteral("view-refresh")));
    ButtonDrev->setToolTip(QStringLiteral("Opdater drevliste"));
    dirBoks = new QListWidget;
    dirBoks->setObjectName(QStringLiteral("dirBoks"));
    filBoks = new QListWidget;
    filBoks->setObjectName(QStringLiteral("filBoks"));
    filBoks->setUniformItemSizes(true);
    filterBoks = new QComboBox;
    filterBoks->setObjectName(QStringLiteral("filterBoks"));

    filBar = new QToolBar;
    filBar->setObjectName(QStringLiteral("filBar"));
    filBar->setIconSize(QSize(16, 16));
    auto *infFilpanelet = new QToolButton;
    infFilpanelet->setObjectName(QStringLiteral("infFilpanelet"));
    infFilpanelet->setIcon(QIcon::fromTheme(QStringLiteral("help-about")));
    infFilpanelet->setToolTip(QStringLiteral("Information om filpanelet"));
    connect(infFilpanelet, &QToolButton::clicked, this, [this] {
        if (m_vaert)
            m_vaert->HelpInfo(QStringLiteral("Programmet"), QStringLiteral("Filpanelet"));
    });
    opdateKnap = new QToolButton;
    opdateKnap->setObjectName(QStringLiteral("opdateKnap"));
    opdateKnap->setText(QStringLiteral("Opdater"));
    opdateKnap->setIcon(QIcon::fromTheme(QStringLiteral("view-refresh")));
    opdateKnap->setToolTip(QStringLiteral("Opdater mappe og fil liste"));
    opdateKnap->setPopupMode(QToolButton::MenuButtonPopup);
    filBar->addWidget(infFilpanelet);
    filBar->addWidget(opdateKnap);
    filBar->addAction(Agogo);

    auto seneste = [this](QMenu *parent) {
        QMenu *m = parent->addMenu(QStringLiteral("Seneste mapper"));
        m->setObjectName(QStringLiteral("senesteMapper%1").arg(senesteMapper.size()));
        connect(m, &QMenu::aboutToShow, this, [this, m] { emit senesteMapperVises(m); });
        senesteMapper << m;
        return m;
    };
    PUfilboksen = new QMenu(this);
    PUfilboksen->setObjectName(QStringLiteral("PUfilboksen"));
    PUfilboksen->addAction(AinsertFilename);
    PUfilboksen->addSeparator();
    PUfilboksen->addActions({ACopy, ARename, AsletFil});
    PUfilboksen->addSeparator();
    PUfilboksen->addActions({aabenMappe, nyMappe});
    PUfilboksen->addSeparator();
    seneste(PUfilboksen);
    PUfilboksen->addAction(AinsertSenesteM);
    PUfilboksen->addSeparator();
    opdateKnap->setMenu(PUfilboksen);
    PUfilBoks = new QMenu(this);
    PUfilBoks->setObjectName(QStringLiteral("PUfilBoks"));
    PUfilBoks->addAction(AinsertFilename);
    PUfilBoks->addSeparator();
    PUfilBoks->addActions({ACopy, ARename, AsletFil});
    PUfilBoks->addSeparator();
    seneste(PUfilBoks);
    PUdirBoks = new QMenu(this);
    PUdirBoks->setObjectName(QStringLiteral("PUdirBoks"));
    PUdirBoks->addActions({aabenMappe, nyMappe});
    PUdirBoks->addSeparator();
    seneste(PUdirBoks);
    PUdirBoks->addAction(AinsertSenesteM);
    filBoks->setContextMenuPolicy(Qt::CustomContextMenu);
    dirBoks->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(filBoks, &QWidget::customContextMenuRequested, this, [this](const QPoint &p) {
        opdaterActions();
        PUfilBoks->popup(filBoks->viewport()->mapToGlobal(p));
    });
    connect(dirBoks, &QWidget::customContextMenuRequested, this, [this](const QPoint &p) {
        PUdirBoks->popup(dirBoks->viewport()->mapToGlobal(p));
    });

    auto *top = new QHBoxLayout;
    top->addWidget(drevBoks, 1);
    top->addWidget(ButtonDrev);
    auto *split = new QSplitter(Qt::Vertical);
    split->setObjectName(QStringLiteral("dirSplitter"));
    split->addWidget(dirBoks);
    split->addWidget(filBoks);
    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(2);
    l->addWidget(filBar);
    l->addLayout(top);
    l->addWidget(split, 1);
    l->addWidget(filterBoks);

    connect(ButtonDrev, &QToolButton::clicked, this, &TFilPanel::opdaterDrev);
    connect(opdateKnap, &QToolButton::clicked, this, &TFilPanel::opdater);
    connect(drevBoks, &QComboBox::activated, this, [this](int i) { setMappe(drevBoks->itemData(i).toString()); });
    connect(dirBoks, &QListWidget::itemActivated, this, [this](QListWidgetItem *it) { setMappe(it->data(Qt::UserRole).toString()); });
    connect(filterBoks, &QComboBox::activated, this, [this] { laesFiler(); });
    connect(filBoks, &QListWidget::itemActivated, this, [this](QListWidgetItem *) { emit aabnFil(valgtFil()); });
    // A mouse press makes the item current before it selects it: the selection is what counts.
    connect(filBoks, &QListWidget::itemSelectionChanged, this, [this] {
        opdaterActions();
        emit filValgt(valgtFil());
    });
    connect(AinsertFilename, &QAction::triggered, this, [this] {
        if (m_vaert && m_vaert->aktivEditor() && !valgtFil().isEmpty()) {
            m_vaert->tagKomponent()->UdskrivKoden(QFileInfo(valgtFil()).fileName());
            m_vaert->winInfo();
        }
    });
    connect(Agogo, &QAction::triggered, this, [this] { platform::shellOpen(valgtFil()); });
    connect(AsletFil, &QAction::triggered, this, &TFilPanel::slet);
    connect(ACopy, &QAction::triggered, this, &TFilPanel::kopier);
    connect(ARename, &QAction::triggered, this, &TFilPanel::omdoeb);
    connect(aabenMappe, &QAction::triggered, this, [this] { platform::shellOpen(m_mappe); });
    connect(nyMappe, &QAction::triggered, this, &TFilPanel::nyMappeDialog);
    connect(AinsertSenesteM, &QAction::triggered, this, [this] { emit indsaetSenesteMappe(m_mappe); });

    setFiltre({});
    opdaterDrev();
    opdaterActions();
}

void TFilPanel::tilfoejMenuPunkter(const QList<QAction *> &actions)
{
    PUfilboksen->addActions(actions);
}

QString TFilPanel::valgtFil() const
{
    const QListWidgetItem *it = filBoks->currentItem();
    return it && it->isSelected() ? tilfoej(m_mappe, it->text()) : QString();
}

void TFilPanel::opdaterActions()
{
    const bool fil = !valgtFil().isEmpty();
    for (QAction *a : {ACopy, ARename, AsletFil, Agogo})
        a->setEnabled(fil);
    AinsertFilename->setEnabled(fil && m_vaert && m_vaert->aktivEditor());
}

void TFilPanel::opdaterDrev()
{
    fyldDrev(drevBoks, m_mappe);
}

void TFilPanel::setFiltre(const QList<Filter> &filtre)
{
    m_filtre = filtre;
    if (m_filtre.isEmpty())
        m_filtre << Filter{QStringLiteral("Alle (*.*)"), QStringLiteral("*.*")};
    filterBoks->clear();
    for (const Filter &f : std::as_const(m_filtre))
        filterBoks->addItem(f.tekst, f.maske);
    filterBoks->setCurrentIndex(0);
    laesFiler();
}

void TFilPanel::setMappe(const QString &folder)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return;
    m_mappe = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    const int i = drevBoks->findData(platform::drevFor(m_mappe).rod);
    if (i >= 0)
        drevBoks->setCurrentIndex(i);
    laesMapper();
    laesFiler();
    emit mappeSkiftet(m_mappe);
}

void TFilPanel::opdater()
{
    laesMapper();
    laesFiler();
}

void TFilPanel::laesMapper()
{
    fyldMapper(dirBoks, m_mappe);
}

void TFilPanel::laesFiler()
{
    const QString maske = filterBoks->currentData().toString();
    filBoks->clear();
    if (m_mappe.isEmpty())
        return;
    QString fejl;
    const QList<StrukturRec> indhold = laesMappe(m_mappe, &fejl);
    if (!fejl.isEmpty()) {
        // An empty list would say the folder is empty; the line says why it shows nothing.
        auto *it = new QListWidgetItem(platform::displayText(ulaeseligMappeTekst(fejl)).replace(u'\n', u' '), filBoks);
        it->setFlags(Qt::NoItemFlags);
    }
    QStringList navne;
    for (const StrukturRec &r : indhold)
        if (!r.erMappe() && (maske.isEmpty() || passerMaske(r.navn, maske)))
            navne << r.navn;
    filBoks->addItems(navne);
    opdaterActions();
}

void TFilPanel::slet()
{
    const QString fil = valgtFil();
    if (fil.isEmpty() || !m_vaert)
        return;
    if (!m_vaert->spoergJaNejForvalgt(QStringLiteral("Skal filen:\r") + QFileInfo(fil).fileName() + QStringLiteral("\r") + QStringLiteral("slettes til papirkurven?")))
        return;
    QString grund;
    if (!platform::tilPapirkurv(fil, &grund))
        platform::errorBox(this, QStringLiteral("Filen %1 kunne ikke slettes.\r%2").arg(fil, grund));
    laesFiler();
}

void TFilPanel::kopier()
{
    const QString fil = valgtFil();
    if (fil.isEmpty())
        return;
    if (!m_kopiform)
        m_kopiform = new Tkopiform(this);
    Tkopiform &k = *m_kopiform;
    const QFileInfo info(fil);
    k.Memo->setPlainText(filFakta(fil).join(u'\n'));
    k.mappeEdit->setText(info.absolutePath() + u'/');
    const QString ext = extensionMedPunktum(info.fileName());
    k.filnavnEdit->setText(info.fileName().left(info.fileName().size() - ext.size()));
    k.extEdit->setText(ext);
    k.visMappe(m_mappe);
    if (k.exec() != QDialog::Accepted)
        return;
    const QString navn = k.filnavnEdit->text() + k.extEdit->text();
    if (!gyldigtNavn(navn)) {
        platform::infoBox(this, QStringLiteral("Navnet \"%1\" kan ikke bruges.").arg(navn));
        return;
    }
    QString mappe = k.mappeEdit->text();
    if (!QFileInfo(mappe).isDir()) {
        platform::infoBox(this, QStringLiteral("Mappen %1 findes ikke.").arg(mappe));
        return;
    }
    const QString target = kopiNavn(tilfoej(QDir::cleanPath(mappe), navn));
    const core::ReadResult r = core::kopierFilAtomisk(fil, target, false);
    if (!r.ok) {
        // The original is never deleted when its copy failed.
        platform::errorBox(this, QStringLiteral("Filen %1 kunne ikke kopieres.\r%2").arg(fil, r.error));
    } else if (k.sletBox->isChecked()) {
        QString grund;
        if (!platform::tilPapirkurv(fil, &grund))
            platform::errorBox(this, QStringLiteral("Filen %1 kunne ikke slettes.\r%2").arg(fil, grund));
    }
    laesFiler();
}

void TFilPanel::omdoeb()
{
    const QString fil = valgtFil();
    if (fil.isEmpty())
        return;
    if (!m_renameform)
        m_renameform = new Trenameform(this);
    const QFileInfo info(fil);
    const QString ext = extensionMedPunktum(info.fileName());
    m_renameform->filnavnEdit->setText(info.fileName().left(info.fileName().size() - ext.size()));
    m_renameform->extEdit->setText(ext);
    if (m_renameform->exec() != QDialog::Accepted)
        return;
    const QString navn = m_renameform->filnavnEdit->text() + m_renameform->extEdit->text();
    if (!gyldigtNavn(navn)) {
        platform::infoBox(this, QStringLiteral("Navnet \"%1\" kan ikke bruges.").arg(navn));
        return;
    }
    const QString ny = tilfoej(info.absolutePath(), navn);
    // An existing file of that name (also in other letter case) is never replaced.
    const QStringList findes = QDir(info.absolutePath()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    for (const QString &f : findes)
        if (f.compare(navn, Qt::CaseInsensitive) == 0)
            return;
    if (!QFile::rename(fil, ny))
        platform::errorBox(this, QStringLiteral("Filen %1 kunne ikke omdøbes.").arg(fil));
    laesFiler();
}

void TFilPanel::nyMappeDialog()
{
    bool ok = false;
    const QString navn = QInputDialog::getText(this, QStringLiteral("Opret ny mappe"), QStringLiteral("Mappenavn:"),
                                               QLineEdit::Normal, QString(), &ok);
    const QString path = tilfoej(m_mappe, navn);
    if (!ok || navn.isEmpty() || QFileInfo::exists(path)) {
        platform::infoBox(this, QStringLiteral("Der mangler et mappenavn,\reller mapppen eksisterer allerede."));
        return;
    }
    if (!gyldigtNavn(navn) || !QDir().mkdir(path)) {
        platform::errorBox(this, QStringLiteral("Mappen %1 kunne ikke oprettes.").arg(navn));
        return;
    }
    laesMapper();
}
