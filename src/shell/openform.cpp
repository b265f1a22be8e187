#include "shell/openform.h"

#include "core/optionfile.h"
#include "core/programfolder.h"
#include "platform/vinduesplads.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
// The rows when the file type list is empty.
const char *const kIndbyggede[][2] = {
    {"Hjemmeside", ".html"}, {"XML", ".xml"}, {"Javascript", ".js"}, {"Stylesheet", ".css"},
    {"ASP", ".asp"}, {"Includefile", ".inc"}, {"Tekstfil", ".txt"}, {"Rich Text", ".rtf"},
    {"Windows script fil", ".wsf"}, {"Batch fil", ".bat"}, {"Andet", ""}};
}

Topenform::Topenform(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Topenform"));
    setWindowTitle(QStringLiteral("Vælg filtype"));
    optfil = core::ProgramFolder::optDir() + QStringLiteral("openfiltyper.txt");

    filliste = new QTreeWidget;
    filliste->setObjectName(QStringLiteral("filliste"));
    filliste->setHeaderLabels({QStringLiteral("Dokument type"), QStringLiteral("Type")});
    filliste->setRootIsDecorated(false);
    filliste->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    connect(filliste, &QTreeWidget::itemDoubleClicked, this, [this] { accept(); });

    okKnap = new QPushButton(QStringLiteral("OK"));
    okKnap->setObjectName(QStringLiteral("okKnap"));
    okKnap->setDefault(true);
    annullerKnap = new QPushButton(QStringLiteral("Annuller"));
    annullerKnap->setObjectName(QStringLiteral("annullerKnap"));
    connect(okKnap, &QPushButton::clicked, this, &QDialog::accept);
    connect(annullerKnap, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okKnap);
    buttons->addWidget(annullerKnap);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(filliste);
    layout->addLayout(buttons);
    resize(360, 340);

    QList<shell::Filtype> rows;
    for (const auto &r : kIndbyggede)
        rows.append({QString::fromUtf8(r[0]), QString::fromUtf8(r[1]), false});
    fyldRaekker(rows);
}

void Topenform::fyldRaekker(const QList<shell::Filtype> &rows)
{
    filliste->clear();
    for (const shell::Filtype &t : rows) {
        auto *item = new QTreeWidgetItem(filliste, {t.tekst, t.maske});
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, Qt::Unchecked);
    }
}

int Topenform::rowCount() const { return filliste->topLevelItemCount(); }

bool Topenform::harValg() const { return filliste->currentItem() != nullptr; }

QString Topenform::valgtType() const
{
    const QTreeWidgetItem *item = filliste->currentItem();
    if (!item)
        return {};
    QString t = item->text(1);
    if (t.startsWith(u'*'))
        t.remove(0, 1);
    return t;
}

bool Topenform::valgtAfkrydset() const
{
    const QTreeWidgetItem *item = filliste->currentItem();
    return item && item->checkState(0) == Qt::Checked;
}

void Topenform::hentTicks()
{
    // Top and left, then one tick per row; a damaged file changes nothing.
    core::OptionReader r(optfil, 2);
    if (!r.exists())
        return;
    const int top = r.integer(0);
    const int left = r.integer(1);
    QList<bool> ticks;
    for (int i = 0; i < rowCount() && 2 + i < r.lineCount(); ++i)
        ticks << r.boolean(2 + i);
    if (!r.ok())
        return;
    m_pos = QPoint(left, top);
    m_harPos = true;
    for (int i = 0; i < ticks.size(); ++i)
        filliste->topLevelItem(i)->setCheckState(0, ticks[i] ? Qt::Checked : Qt::Unchecked);
}

void Topenform::showEvent(QShowEvent *event)
{
    if (!m_vist) {
        m_vist = true;
        hentTicks();
    }
    // Shown again, the window manager may place it one frame lower; it shows where it was left.
    if (m_harPos)
        platform::flytVindue(this, m_pos.x(), m_pos.y());
    QDialog::showEvent(event);
}

void Topenform::hideEvent(QHideEvent *event)
{
    m_pos = pos();
    m_harPos = true;
    core::OptionWriter w;
    w.add(m_pos.y()).add(m_pos.x());
    for (int i = 0; i < rowCount(); ++i)
        w.add(filliste->topLevelItem(i)->checkState(0) == Qt::Checked);
    w.write(optfil);
    QDialog::hideEvent(event);
}
