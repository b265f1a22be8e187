#include "codewriting/kodeliste.h"

#include <QHeaderView>
#include <QKeyEvent>

TKodeListe::TKodeListe(const QString &objectName, kodepanel::Soegning soegning, const QString &start,
                       QWidget *parent)
    : QTreeWidget(parent), m_soegning(soegning), m_start(start)
{
    setObjectName(objectName);
    setColumnCount(1);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setStretchLastSection(true);
    // Styling the items (for the grid lines) makes the style draw a selected row from the
    // style sheet alone, so the selection's colours are named here too.
    setStyleSheet(QStringLiteral("QTreeView::item { border-bottom: 1px solid palette(midlight); }"
                                 "QTreeView::item:selected { background: palette(highlight);"
                                 " color: palette(highlighted-text); }"));
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) { emit klik(item->text(0)); });
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) { emit skriv(item->text(0)); });
}

void TKodeListe::fyld(const kodepanel::Indhold &indhold)
{
    clear();
    QList<QTreeWidgetItem *> rows;
    rows.reserve(indhold.items.size());
    for (const QString &item : indhold.items)
        rows << new QTreeWidgetItem(QStringList{item});
    addTopLevelItems(rows);
    if (!indhold.header.isEmpty())
        setOverskrift(indhold.header);
}

void TKodeListe::toem() { clear(); }

void TKodeListe::setOverskrift(const QString &text) { setHeaderLabel(text); }

QString TKodeListe::overskrift() const { return headerItem()->text(0); }

QStringList TKodeListe::items() const
{
    QStringList list;
    for (int i = 0; i < topLevelItemCount(); ++i)
        list << topLevelItem(i)->text(0);
    return list;
}

QString TKodeListe::valgt() const
{
    const QTreeWidgetItem *item = currentItem();
    return item && item->isSelected() ? item->text(0) : QString();
}

bool TKodeListe::vaelg(const QString &text)
{
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = topLevelItem(i);
        if (item->text(0).compare(text, Qt::CaseInsensitive) == 0) {
            setCurrentItem(item);
            scrollToItem(item);
            return true;
        }
    }
    return false;
}

void TKodeListe::focusInEvent(QFocusEvent *event)
{
    kodeBuffer = m_start;
    QTreeWidget::focusInEvent(event);
}

void TKodeListe::keyPressEvent(QKeyEvent *event)
{
    const QString t = event->text();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        kodeBuffer = m_start;
        const QString item = valgt();
        if (!item.isEmpty()) {
            emit klik(item);
            emit skriv(item);
        }
        return;
    }
    if (t.size() == 1 && t[0] >= u'a' && t[0] <= u'z' && event->modifiers() == Qt::NoModifier) {
        kodeBuffer += t;
        for (int i = 0; i < topLevelItemCount(); ++i) {
            QTreeWidgetItem *item = topLevelItem(i);
            if (kodepanel::matcher(item->text(0), kodeBuffer, m_soegning)) {
                setCurrentItem(item);
                scrollToItem(item);
                return;
            }
        }
        kodeBuffer = m_start;   // no match: the letter is dropped
        return;
    }
    kodeBuffer = m_start;
    QTreeWidget::keyPressEvent(event);
}
