#include "platform/vaerktoejsknap.h"

#include <QIcon>
#include <QToolButton>

namespace platform {

QToolButton *vaerktoejsknap(const char *navn, const QString &hint, const char *ikon)
{
    auto *b = new QToolButton;
    b->setObjectName(QString::fromLatin1(navn));
    b->setToolTip(hint);
    b->setStatusTip(hint);
    if (*ikon)
        b->setIcon(QIcon::fromTheme(QString::fromLatin1(ikon)));
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

} // namespace platform
