#include "filemanager/spmvinduer.h"

#include "codewriting/dokumentvaert.h"
#include "core/stoerrelse.h"
#include "platform/infobox.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
QLabel *navngivet(QLabel *l, const char *name)
{
    l->setObjectName(QString::fromLatin1(name));
    return l;
}
}

// ---------------------------------------------------------------- "Hvad skal der gøres"

TfileExistsForm::TfileExistsForm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TfileExistsForm"));
    setWindowTitle(QStringLiteral("Hvad skal der gøres"));
    filinfoLabel = navngivet(new QLabel, "filinfoLabel");
    fileBox = new QListWidget;
    fileBox->setObjectName(QStringLiteral("fileBox"));
    auto *gruppe = new QGroupBox(QStringLiteral("Handling"));
    gruppe->setObjectName(QStringLiteral("resultBox"));
    auto *gl = new QVBoxLayout(gruppe);
    resultBox = new QButtonGroup(this);
    const char *const valg[] = {"Overskriv ingen", "Overskriv alle", "Spørg hver gang", "Opret kopier"};
    for (int i = 0; i < 4; ++i) {
        auto *r = new QRadioButton(QString::fromUtf8(valg[i]));
        resultBox->addButton(r, i);
        gl->addWidget(r);
    }
    resultBox->button(0)->setChecked(true);
    auto *forsaet = new QPushButton(QStringLiteral("Forsæt"));
    forsaet->setObjectName(QStringLiteral("forsaetKnap"));
    forsaet->setDefault(true);
    connect(forsaet, &QPushButton::clicked, this, &QDialog::accept);
    auto *l = new QVBoxLayout(this);
    l->addWidget(filinfoLabel);
    l->addWidget(fileBox);
    l->addWidget(gruppe);
    l->addWidget(forsaet, 0, Qt::AlignRight);
}

int TfileExistsForm::vis(const QStringList &names)
{
    fileBox->clear();
    fileBox->addItems(names);
    const qsizetype n = names.size();
    filinfoLabel->setText(QStringLiteral("Der eksisterer ") + QString::number(n)
                          + (n == 1 ? QStringLiteral(" fil med samme navn.") : QStringLiteral(" filer med samme navn.")));
    // The choice stays from one use to the next.
    return exec() == QDialog::Accepted ? resultBox->checkedId() : -1;
}

// ---------------------------------------------------------------- confirmation

Tkopieringsform::Tkopieringsform(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Tkopieringsform"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    Editsource = new QLineEdit;
    Editsource->setObjectName(QStringLiteral("Editsource"));
    Editsource->setReadOnly(true);
    EditDest = new QLineEdit;
    EditDest->setObjectName(QStringLiteral("EditDest"));
    EditDest->setReadOnly(true);
    filBox = new QListWidget;
    filBox->setObjectName(QStringLiteral("filBox"));
    mappeBox = new QListWidget;
    mappeBox->setObjectName(QStringLiteral("mappeBox"));
    Image1 = navngivet(new QLabel, "Image1");
    LabelSpm = navngivet(new QLabel, "LabelSpm");
    auto *nej = nejKnap = new QPushButton(QStringLiteral("Nej"));
    nej->setObjectName(QStringLiteral("nejKnap"));
    auto *ja = jaKnap = new QPushButton(QStringLiteral("Ja"));
    ja->setObjectName(QStringLiteral("jaKnap"));
    connect(nej, &QPushButton::clicked, this, &QDialog::reject);
    connect(ja, &QPushButton::clicked, this, &QDialog::accept);
    auto *g = new QGridLayout(this);
    g->addWidget(new QLabel(QStringLiteral("Kildemappe:")), 0, 0, 1, 2);
    g->addWidget(Editsource, 1, 0, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Filer:")), 2, 0);
    g->addWidget(new QLabel(QStringLiteral("Mapper:")), 2, 1);
    g->addWidget(filBox, 3, 0);
    g->addWidget(mappeBox, 3, 1);
    g->addWidget(new QLabel(QStringLiteral("Destignationsmappe:")), 4, 0, 1, 2);
    g->addWidget(EditDest, 5, 0, 1, 2);
    auto *bund = new QHBoxLayout;
    bund->addWidget(Image1);
    bund->addWidget(LabelSpm, 1);
    bund->addWidget(nej);
    bund->addWidget(ja);
    g->addLayout(bund, 6, 0, 1, 2);
    resize(460, 380);
}

bool Tkopieringsform::vis(const filemanager::TFilDialoger::Bekraeftelse &b)
{
    using B = filemanager::TFilDialoger::Bekraeftelse;
    setWindowTitle(b.caption);
    LabelSpm->setText(b.spoergsmaal);
    const char *ikon = b.billede == B::Slet ? "edit-delete" : b.billede == B::Flyt ? "edit-cut" : "edit-copy";
    Image1->setPixmap(QIcon::fromTheme(QString::fromLatin1(ikon)).pixmap(32, 32));
    filBox->clear();
    filBox->addItems(b.filer);
    mappeBox->clear();
    mappeBox->addItems(b.mapper);
    Editsource->setText(b.kilde);
    EditDest->setText(b.destination);
    // Enter answers "Ja" to a copy or a move; a deletion takes a deliberate "Ja".
    QPushButton *forvalgt = b.billede == B::Slet ? nejKnap : jaKnap;
    for (QPushButton *k : {jaKnap, nejKnap})
        k->setDefault(k == forvalgt);
    forvalgt->setFocus(Qt::OtherFocusReason);
    return exec() == QDialog::Accepted;
}

// ---------------------------------------------------------------- progress

QString fremskridtInfo(bool kopi, int antalFiler, int antalMapper, qint64 totalSize)
{
    const QLocale l;
    if (kopi)
        return QStringLiteral("Der kopieres ") + l.toString(antalFiler)
               + (antalFiler == 1 ? QStringLiteral(" fil fra ") : QStringLiteral(" filer fra ")) + l.toString(antalMapper)
               + (antalMapper == 1 ? QStringLiteral(" mappe: ") : QStringLiteral(" mapper: "))
               + core::stoerrelsesTekst(totalSize);
    return QStringLiteral("Der slettes ") + l.toString(antalFiler)
           + (antalFiler == 1 ? QStringLiteral(" element: ") : QStringLiteral(" elementer: "))
           + core::stoerrelsesTekst(totalSize);
}

Tprogressform::Tprogressform(QWidget *parent)
    : QDialog(parent), m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("Tprogressform"));
    setWindowTitle(QStringLiteral("Kopierer"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(false);
    LabelInfo = navngivet(new QLabel, "LabelInfo");
    LabelProcent = navngivet(new QLabel(QStringLiteral("0%")), "LabelProcent");
    LabelTekst = navngivet(new QLabel(QStringLiteral(" Resterende elementer: ")), "LabelTekst");
    LabelResterende = navngivet(new QLabel, "LabelResterende");
    LabelSletInfo = navngivet(new QLabel, "LabelSletInfo");
    mapperLabel = navngivet(new QLabel, "infoBar");
    auto bar = [](const char *name) {
        auto *b = new QProgressBar;
        b->setObjectName(QString::fromLatin1(name));
        b->setRange(0, 100);
        return b;
    };
    pBar = bar("pBar");
    pBarAll = bar("pBarAll");
    pBarAktiv = bar("pBarAktiv");
    pBarAktiv->setMaximumHeight(12);
    pBarAktiv->setTextVisible(false);
    stopKnap = new QPushButton(QStringLiteral("Stop"));
    stopKnap->setObjectName(QStringLiteral("stopKnap"));
    stopKnap->setToolTip(QStringLiteral("Stop efter den fil, der kopieres nu"));
    connect(stopKnap, &QPushButton::clicked, this, [this] {
        if (m_status)
            m_status->annuller = true;
    });
    auto *l = new QVBoxLayout(this);
    l->addWidget(LabelInfo);
    l->addWidget(pBar);
    auto *row = new QHBoxLayout;
    row->addWidget(LabelProcent);
    row->addWidget(LabelTekst);
    row->addWidget(LabelResterende, 1);
    l->addLayout(row);
    l->addWidget(pBarAll);
    auto *bund = new QHBoxLayout;
    bund->addWidget(pBarAktiv, 1);
    bund->addWidget(mapperLabel);
    bund->addWidget(LabelSletInfo);
    bund->addWidget(stopKnap);
    l->addLayout(bund);
    resize(420, 170);
    m_timer->setInterval(60);
    connect(m_timer, &QTimer::timeout, this, &Tprogressform::opdater);
}

void Tprogressform::start(bool kopi, filemanager::JobStatus *status)
{
    m_status = status;
    m_kopi = kopi;
    m_totalVist = false;
    pBar->setValue(0);
    pBarAll->setValue(0);
    pBarAktiv->setValue(0);
    LabelInfo->setText(kopi ? QStringLiteral("Kopiering forberedes") : QStringLiteral("Sletning forberedes"));
    LabelProcent->setText(QStringLiteral("0%"));
    LabelResterende->clear();
    LabelSletInfo->clear();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (parentWidget())
        move(parentWidget()->window()->geometry().center() - rect().center());
    show();
    m_timer->start();
}

void Tprogressform::opdater()
{
    if (!m_status)
        return;
    const filemanager::JobStatus &s = *m_status;
    const QLocale l;
    mapperLabel->setText(QStringLiteral("Indlæste mapper ") + l.toString(s.antalMapper.load()));
    if (!s.taelt) {
        pBarAktiv->setValue(int(s.antalMapper % 101));
        return;
    }
    pBarAktiv->setValue(100);
    if (!m_totalVist) {
        m_totalVist = true;
        LabelInfo->setText(fremskridtInfo(m_kopi, s.antalFiler, s.antalMapper, s.totalSize));
    }
    const qint64 total = s.totalSize;
    const int pct = total > 0 ? int(qMin<qint64>(100, s.posSize * 100 / total)) : 100;
    pBar->setValue(s.filProcent);
    pBarAll->setValue(pct);
    LabelProcent->setText(QString::number(pct) + u'%');
    LabelResterende->setText(l.toString(qMax(0, s.antalFiler.load())));
    LabelSletInfo->setText(s.sletter ? QStringLiteral("Sletter mapper/filer...") : QString());
}

void Tprogressform::luk()
{
    m_timer->stop();
    m_status = nullptr;
    pBar->setValue(0);
    pBarAll->setValue(0);
    QApplication::restoreOverrideCursor();
    hide();
}

// ---------------------------------------------------------------- the operations' windows

TFilDialogerVinduer::TFilDialogerVinduer(QWidget *owner, TDokumentVaert *vaert)
    : m_owner(owner), m_vaert(vaert)
{
}

void TFilDialogerVinduer::info(const QString &text) { platform::infoBox(m_owner, text); }
void TFilDialogerVinduer::fejl(const QString &text) { platform::errorBox(m_owner, text); }

bool TFilDialogerVinduer::spoergJa(const QString &question)
{
    return m_vaert && m_vaert->spoergJa(question, m_owner);
}

bool TFilDialogerVinduer::spoergJaNejForvalgt(const QString &question)
{
    return m_vaert && m_vaert->spoergJaNejForvalgt(question, m_owner);
}

bool TFilDialogerVinduer::bekraeft(const Bekraeftelse &b)
{
    if (!m_kopi)
        m_kopi = new Tkopieringsform(m_owner);
    return m_kopi->vis(b);
}

int TFilDialogerVinduer::filerFindes(const QStringList &names)
{
    if (!m_exists)
        m_exists = new TfileExistsForm(m_owner);
    return m_exists->vis(names);
}

void TFilDialogerVinduer::visFremskridt(bool kopi, filemanager::JobStatus *status)
{
    if (!m_progress)
        m_progress = new Tprogressform(m_vaert ? m_vaert->vaertsvindue() : m_owner);
    m_progress->start(kopi, status);
}

void TFilDialogerVinduer::lukFremskridt()
{
    if (m_progress)
        m_progress->luk();
}
