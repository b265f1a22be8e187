#include "shell/typeform.h"

#include "core/programfolder.h"
#include "platform/infobox.h"
#include "platform/vinduesplads.h"
#include "shell/spmform.h"

#include <QAction>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

Ttypeform::Ttypeform(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Ttypeform"));
    setWindowTitle(QStringLiteral("Filtyper"));
    setModal(false);
    optfil = core::ProgramFolder::optDir() + QStringLiteral("filtyperoptions.txt");

    typeliste = new QTreeWidget;
    typeliste->setObjectName(QStringLiteral("typeliste"));
    typeliste->setHeaderLabels({QStringLiteral("Tekst"), QStringLiteral("Type")});
    typeliste->setRootIsDecorated(false);
    typeliste->setSelectionMode(QAbstractItemView::SingleSelection);
    typeliste->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    typeliste->setContextMenuPolicy(Qt::ActionsContextMenu);

    Aop = new QAction(QStringLiteral("Flyt valgte op"), this);
    Aop->setObjectName(QStringLiteral("Aop"));
    Aop->setStatusTip(QStringLiteral("Flyt valgte filtype op i listen"));
    Aned = new QAction(QStringLiteral("Flyt valgte ned"), this);
    Aned->setObjectName(QStringLiteral("Aned"));
    Aned->setStatusTip(QStringLiteral("Flyt valgte filtype ned i listen"));
    typeliste->addAction(Aop);
    typeliste->addAction(Aned);
    connect(Aop, &QAction::triggered, this, &Ttypeform::AopExecute);
    connect(Aned, &QAction::triggered, this, &Ttypeform::AnedExecute);
    connect(typeliste, &QTreeWidget::currentItemChanged, this, &Ttypeform::opdaterFlyt);

    tekstedit = new QLineEdit;
    tekstedit->setObjectName(QStringLiteral("tekstedit"));
    typeedit = new QLineEdit;
    typeedit->setObjectName(QStringLiteral("typeedit"));
    connect(typeedit, &QLineEdit::returnPressed, this, &Ttypeform::insertClick);

    insertknap = new QPushButton(QStringLiteral("Indsæt"));
    insertknap->setObjectName(QStringLiteral("insertknap"));
    insertknap->setToolTip(QStringLiteral("Indfør i listen"));
    insertknap->setAutoDefault(false);
    deleteknap = new QPushButton(QStringLiteral("Slet"));
    deleteknap->setObjectName(QStringLiteral("deleteknap"));
    deleteknap->setToolTip(QStringLiteral("Slet valgte punkt fra listen"));
    deleteknap->setAutoDefault(false);
    saveknap = new QPushButton(QStringLiteral("Gem og luk"));
    saveknap->setObjectName(QStringLiteral("saveknap"));
    saveknap->setToolTip(QStringLiteral("Gem listen og luk"));
    saveknap->setAutoDefault(false);
    Button1 = new QToolButton;
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setText(QStringLiteral("?"));
    Button1->setToolTip(QStringLiteral("Information"));
    connect(insertknap, &QPushButton::clicked, this, &Ttypeform::insertClick);
    connect(deleteknap, &QPushButton::clicked, this, &Ttypeform::deleteClick);
    connect(saveknap, &QPushButton::clicked, this, [this] {
        emit gemTypeliste(rows());
        close();
    });
    connect(Button1, &QToolButton::clicked, this,
            [this] { emit information(QStringLiteral("Programmet.txt"), QStringLiteral("Bestem filtyper")); });

    auto *grid = new QGridLayout(this);
    grid->addWidget(typeliste, 0, 0, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("Tekst")), 1, 0);
    grid->addWidget(tekstedit, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Type")), 1, 2);
    grid->addWidget(typeedit, 1, 3);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(insertknap);
    buttons->addWidget(deleteknap);
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(saveknap);
    grid->addLayout(buttons, 2, 0, 1, 4);
    resize(380, 360);
    opdaterFlyt();
}

void Ttypeform::addRow(const shell::Filtype &t)
{
    auto *item = new QTreeWidgetItem(typeliste, {t.tekst, t.maske});
    item->setFlags((item->flags() | Qt::ItemIsUserCheckable) & ~Qt::ItemIsEditable);
    item->setCheckState(0, t.iBrug ? Qt::Checked : Qt::Unchecked);
}

void Ttypeform::LoadTypeliste(const QList<shell::Filtype> &typer)
{
    typeliste->clear();
    for (const shell::Filtype &t : typer)
        addRow(t);
}

QList<shell::Filtype> Ttypeform::rows() const
{
    QList<shell::Filtype> typer;
    for (int i = 0; i < typeliste->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = typeliste->topLevelItem(i);
        typer.append({item->text(0), item->text(1), item->checkState(0) == Qt::Checked});
    }
    return typer;
}

bool Ttypeform::isItTextfile(const QString &ext) const
{
    return shell::erTekstfil(rows(), ext);
}

void Ttypeform::insertClick()
{
    if (tekstedit->text().isEmpty() || typeedit->text().isEmpty())
        return;
    addRow({tekstedit->text(), shell::normaliserMaske(typeedit->text()), true});
    tekstedit->clear();
    typeedit->clear();
    tekstedit->setFocus();
}

void Ttypeform::deleteClick()
{
    QTreeWidgetItem *item = typeliste->currentItem();
    if (!item || !item->isSelected()) {
        platform::infoBox(this, QStringLiteral("Der er ikke valgt en filtype!"));
        return;
    }
    Tspmform::Knapper knapper;
    knapper.standard = Tspmform::Nej;
    if (Tspmform::ask(QStringLiteral("Skal filtypen:\r") + item->text(0) + QStringLiteral("\rslettes permanent?"), this, knapper)
        == Tspmform::Ja)
        delete item;
    opdaterFlyt();
}

void Ttypeform::flyt(int delta)
{
    QTreeWidgetItem *item = typeliste->currentItem();
    if (!item)
        return;
    const int from = typeliste->indexOfTopLevelItem(item);
    const int to = from + delta;
    if (to < 0 || to >= typeliste->topLevelItemCount())
        return;
    typeliste->takeTopLevelItem(from);
    typeliste->insertTopLevelItem(to, item);
    typeliste->setCurrentItem(item);
    opdaterFlyt();
}

void Ttypeform::AopExecute() { flyt(-1); }
void Ttypeform::AnedExecute() { flyt(+1); }

void Ttypeform::opdaterFlyt()
{
    QTreeWidgetItem *item = typeliste->currentItem();
    const int i = item ? typeliste->indexOfTopLevelItem(item) : -1;
    Aop->setEnabled(i > 0);
    Aned->setEnabled(i >= 0 && i < typeliste->topLevelItemCount() - 1);
}

void Ttypeform::showEvent(QShowEvent *event)
{
    if (!m_placeret) {
        m_placeret = true;
        platform::hentPlads(this, optfil);
    }
    QDialog::showEvent(event);
}

void Ttypeform::hideEvent(QHideEvent *event)
{
    platform::gemPlads(this, optfil);
    QDialog::hideEvent(event);
}
