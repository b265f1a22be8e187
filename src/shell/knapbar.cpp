#include "shell/knapbar.h"

#include <QActionEvent>
#include <QToolButton>

namespace {
const int kMargin = 1;
const int kSpacing = 2;
}

TKnapBar::TKnapBar(const QString &objectName, QWidget *parent) : QWidget(parent)
{
    setObjectName(objectName);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void TKnapBar::setIconSize(const QSize &size)
{
    m_iconSize = size;
    for (QWidget *w : std::as_const(m_items))
        if (auto *b = qobject_cast<QToolButton *>(w))
            b->setIconSize(size);
    updateGeometry();
}

void TKnapBar::addWidget(QWidget *widget)
{
    widget->setParent(this);
    m_items << widget;
    widget->show();
    updateGeometry();
    anbring(width(), true);
}

QToolButton *TKnapBar::knap(const QAction *action) const
{
    for (QWidget *w : m_items)
        if (auto *b = qobject_cast<QToolButton *>(w); b && b->defaultAction() == action)
            return b;
    return nullptr;
}

void TKnapBar::actionEvent(QActionEvent *event)
{
    QAction *action = event->action();
    if (event->type() == QEvent::ActionAdded) {
        auto *b = new QToolButton(this);
        b->setAutoRaise(true);
        b->setIconSize(m_iconSize);
        b->setFocusPolicy(Qt::NoFocus);
        b->setDefaultAction(action);
        qsizetype at = m_items.size();
        if (QToolButton *before = knap(event->before()))
            at = m_items.indexOf(before);
        m_items.insert(at, b);
        b->show();
    } else if (event->type() == QEvent::ActionRemoved) {
        if (QToolButton *b = knap(action)) {
            m_items.removeOne(b);
            b->deleteLater();
        }
    } else {
        return;
    }
    updateGeometry();
    anbring(width(), true);
}

int TKnapBar::anbring(int width, bool place) const
{
    int x = kMargin, y = kMargin, rowHeight = 0;
    const int right = qMax(width - kMargin, kMargin + 1);
    for (QWidget *w : m_items) {
        if (w->isHidden())
            continue;
        const QSize s = w->sizeHint();
        if (x > kMargin && x + s.width() > right) {   // wrap into the next row
            x = kMargin;
            y += rowHeight + kSpacing;
            rowHeight = 0;
        }
        // A widget wider than the whole bar gets the row's width rather than hanging out of it.
        const int wide = qMin(s.width(), right - x);
        if (place)
            w->setGeometry(x, y, wide, s.height());
        x += wide + kSpacing;
        rowHeight = qMax(rowHeight, s.height());
    }
    return y + rowHeight + kMargin;
}

int TKnapBar::heightForWidth(int width) const { return anbring(width, false); }

QSize TKnapBar::sizeHint() const
{
    // One row when there is room; the layout asks heightForWidth for the real width.
    int w = kMargin;
    for (QWidget *item : m_items)
        w += item->sizeHint().width() + kSpacing;
    return {w + kMargin, anbring(w + kMargin, false)};
}

QSize TKnapBar::minimumSizeHint() const
{
    int w = 0;
    for (QWidget *item : m_items)
        w = qMax(w, item->sizeHint().width());
    return {w + 2 * kMargin, anbring(w + 2 * kMargin, false)};
}

void TKnapBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    anbring(width(), true);
    // The height follows the width; let the layout around know when the rows change.
    if (heightForWidth(width()) != height())
        updateGeometry();
}
