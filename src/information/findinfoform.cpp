#include "information/findinfoform.h"

#include "codewriting/dokumentvaert.h"
#include "core/optionfile.h"
#include "information/infosoeg.h"
#include "information/informationform.h"
#include "platform/vinduesplads.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr const char *kMapper[] = {"Information", "CSS", "JavaScript", "VBS", "Programmet"};

QPushButton *knapFor(QAction *a, QWidget *parent)
{
    auto *b = new QPushButton(a->text(), parent);
    b->setObjectName(a->objectName() + QStringLiteral("Knap"));
    b->setToolTip(a->toolTip());
    b->setStatusTip(a->statusTip());
    QObject::connect(b, &QPushButton::clicked, a, &QAction::trigger);
    QObject::connect(a, &QAction::enabledChanged, b, &QPushButton::setEnabled);
    b->setEnabled(a->isEnabled());
    return b;
}

QAction *handling(QObject *parent, const char *navn, const QString &caption, const QString &hint)
{
    auto *a = new QAction(caption, parent);
    a->setObjectName(QString::fromLatin1(navn));
    a->setToolTip(hint);
    a->setStatusTip(hint);
    return a;
}

} // namespace

Tfindinfoform::Tfindinfoform(Tinfoform *info, TDokumentVaert *vaert, const QString &optdir, QWidget *parent)
    : QWidget(parent, Qt::Tool), m_info(info), m_vaert(vaert), m_optfil(optdir + QStringLiteral("findinfooptions.txt"))
{
    setObjectName(QStringLiteral("Tfindinfoform"));
    setWindowTitle(QStringLiteral("Søg i information"));
    setMinimumSize(631, 500);
    auto *lay = new QVBoxLayout(this);

    AfindBib = handling(this, "AfindBib", QStringLiteral("Find i information"), QStringLiteral("Find i aktuelle information"));
    AvisValgte = handling(this, "AvisValgte", QStringLiteral("Vis valgte"), QStringLiteral("Vis den i listen valgte fil"));
    Afjern = handling(this, "Afjern", QStringLiteral("Fjern valgte"), QStringLiteral("Fjern det i listen valgte element"));
    AsletAlt = handling(this, "AsletAlt", QStringLiteral("Ryd listen"), QStringLiteral("Fjern alle fundne elementer"));
    connect(AfindBib, &QAction::triggered, this, &Tfindinfoform::AfindBibExecute);
    connect(AvisValgte, &QAction::triggered, this, &Tfindinfoform::AvisValgteExecute);
    connect(Afjern, &QAction::triggered, this, &Tfindinfoform::AfjernExecute);
    connect(AsletAlt, &QAction::triggered, this, &Tfindinfoform::AsletAltExecute);

    auto *soeg = new QHBoxLayout;
    soeg->addWidget(new QLabel(QStringLiteral("Søg efter"), this));
    EditFind = new QComboBox(this);
    EditFind->setObjectName(QStringLiteral("EditFind"));
    EditFind->setEditable(true);
    EditFind->setInsertPolicy(QComboBox::NoInsert);
    connect(EditFind->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        if (AfindBib->isEnabled()) AfindBib->trigger();
    });
    connect(EditFind, &QComboBox::editTextChanged, this, &Tfindinfoform::opdaterHandlinger);
    soeg->addWidget(EditFind, 1);
    auto *ryd = new QPushButton(QStringLiteral("#"), this);
    ryd->setObjectName(QStringLiteral("rydKnap"));
    ryd->setToolTip(QStringLiteral("Ryd find- listen"));
    connect(ryd, &QPushButton::clicked, this, [this] {
        const QString t = EditFind->currentText();
        EditFind->clear();
        EditFind->setEditText(t);
    });
    soeg->addWidget(ryd);
    soeg->addWidget(knapFor(AfindBib, this));
    lay->addLayout(soeg);

    auto *gruppe = new QGroupBox(QStringLiteral("Søg i"), this);
    gruppe->setObjectName(QStringLiteral("searchBoxGroup"));
    auto *gl = new QHBoxLayout(gruppe);
    searchBox = new QButtonGroup(this);
    searchBox->setObjectName(QStringLiteral("searchBox"));
    const char *punkter[] = {"Html", "Css", "JavaScript", "Vbs", "Program"};
    for (int i = 0; i < 5; ++i) {
        auto *r = new QRadioButton(QString::fromLatin1(punkter[i]), gruppe);
        searchBox->addButton(r, i);
        gl->addWidget(r);
    }
    searchBox->button(0)->setChecked(true);
    lay->addWidget(gruppe);

    auto *egenskaber = new QGroupBox(QStringLiteral("Søgeegenskaber"), this);
    auto *el = new QHBoxLayout(egenskaber);
    heleOrd = new QCheckBox(QStringLiteral("Kun hele ord"), egenskaber);
    heleOrd->setObjectName(QStringLiteral("heleOrd"));
    storSmaa = new QCheckBox(QStringLiteral("Forskel på store og små bogstaver"), egenskaber);
    storSmaa->setObjectName(QStringLiteral("storSmaa"));
    el->addWidget(heleOrd);
    el->addWidget(storSmaa);
    el->addStretch(1);
    lay->addWidget(egenskaber);

    findis = new QTreeWidget(this);
    findis->setObjectName(QStringLiteral("findis"));
    findis->setHeaderLabels({QStringLiteral("Dokument"), QStringLiteral("Tekst")});
    findis->setRootIsDecorated(false);
    findis->setUniformRowHeights(true);
    findis->header()->resizeSection(0, 160);
    connect(findis, &QTreeWidget::itemDoubleClicked, this, &Tfindinfoform::AvisValgteExecute);
    connect(findis, &QTreeWidget::currentItemChanged, this, &Tfindinfoform::opdaterHandlinger);
    lay->addWidget(findis, 1);

    auto *bund = new QHBoxLayout;
    bund->addWidget(new QLabel(QStringLiteral("Fundne:"), this));
    countdis = new QLabel(QStringLiteral("0"), this);
    countdis->setObjectName(QStringLiteral("countdis"));
    bund->addWidget(countdis);
    auto *hjaelp = new QPushButton(QStringLiteral("?"), this);
    hjaelp->setObjectName(QStringLiteral("hjaelpKnap"));
    hjaelp->setToolTip(QStringLiteral("Information om Find-specialboksen"));
    connect(hjaelp, &QPushButton::clicked, this, [this] {
        if (m_vaert) m_vaert->HelpInfo(QStringLiteral("Programmet.txt"), QStringLiteral("Søg"));
    });
    bund->addWidget(hjaelp);
    bund->addWidget(knapFor(AvisValgte, this));
    bund->addWidget(knapFor(Afjern, this));
    bund->addStretch(1);
    auto *luk = new QPushButton(QStringLiteral("Luk"), this);
    luk->setObjectName(QStringLiteral("lukKnap"));
    connect(luk, &QPushButton::clicked, this, &QWidget::close);
    bund->addWidget(luk);
    bund->addWidget(knapFor(AsletAlt, this));
    lay->addLayout(bund);
    resize(680, 540);
    opdaterHandlinger();
}

void Tfindinfoform::opdaterHandlinger()
{
    AfindBib->setEnabled(!EditFind->currentText().isEmpty());
    AvisValgte->setEnabled(findis->currentItem() != nullptr);
    Afjern->setEnabled(findis->currentItem() != nullptr);
    AsletAlt->setEnabled(findis->topLevelItemCount() > 0);
}

void Tfindinfoform::vaelgStruktur(int index)
{
    if (QAbstractButton *b = searchBox->button(index))
        b->setChecked(true);
}

int Tfindinfoform::valgtStruktur() const
{
    return qMax(0, searchBox->checkedId());
}

void Tfindinfoform::setSoegetekst(const QString &tekst)
{
    EditFind->setEditText(tekst);
}

void Tfindinfoform::AfindBibExecute()
{
    const QString tekst = EditFind->currentText();
    if (tekst.size() < 3)
        heleOrd->setChecked(true);
    Mappe = m_info->strukturdir + QString::fromLatin1(kMapper[valgtStruktur()]) + QStringLiteral("/tekstfiler/");
    if (!QFileInfo(Mappe).isDir())
        return;
    findis->clear();
    countdis->setText(QStringLiteral("0"));
    repaint();
    FTekst = tekst;
    if (FTekst.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (EditFind->findText(FTekst, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
        EditFind->addItem(FTekst);
    EditFind->setEditText(FTekst);
    QList<QTreeWidgetItem *> punkter;
    for (const information::Fund &f : information::soegMappe(Mappe, FTekst, heleOrd->isChecked(), storSmaa->isChecked()))
        punkter << new QTreeWidgetItem(QStringList{f.side, f.tekst});
    findis->addTopLevelItems(punkter);
    countdis->setText(QString::number(punkter.size()));
    QApplication::restoreOverrideCursor();
    opdaterHandlinger();
}

void Tfindinfoform::AvisValgteExecute()
{
    QTreeWidgetItem *it = findis->currentItem();
    if (!it)
        return;
    static const char *strukturer[] = {"Information.txt", "CSS.txt", "JavaScript.txt", "VBS.txt", "Programmet.txt"};
    m_info->findisSearch = true;
    const QString s = QString::fromLatin1(strukturer[valgtStruktur()]);
    if (m_vaert)
        m_vaert->HelpInfo(s, it->text(0));
    else
        m_info->HelpInfo(s, it->text(0));
}

void Tfindinfoform::AfjernExecute()
{
    delete findis->currentItem();
    countdis->setText(QString::number(findis->topLevelItemCount()));
    opdaterHandlinger();
}

void Tfindinfoform::AsletAltExecute()
{
    findis->clear();
    EditFind->setEditText(QString());
    countdis->setText(QStringLiteral("0"));
    opdaterHandlinger();
}

void Tfindinfoform::showEvent(QShowEvent *event)
{
    if (!m_vist) {
        m_vist = true;
        // A damaged file keeps the defaults for what it lacks.
        core::OptionReader r(m_optfil, 0);
        if (r.exists()) {
            const int top = r.hasInteger(0) ? r.integer(0) : pos().y();
            const int left = r.hasInteger(1) ? r.integer(1) : pos().x();
            const int w = r.hasInteger(2) ? qMax(631, r.integer(2)) : width();
            const int h = r.hasInteger(3) ? qMax(500, r.integer(3)) : height();
            platform::placerVindue(this, left, top, w, h);
        }
    }
    QWidget::showEvent(event);
}

void Tfindinfoform::closeEvent(QCloseEvent *event)
{
    core::OptionWriter().add(pos().y()).add(pos().x()).add(width()).add(height()).write(m_optfil);
    QWidget::closeEvent(event);
}
