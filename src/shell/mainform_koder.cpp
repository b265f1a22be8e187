// The first page of the code book, "Koder": the tag menus.

#include "shell/mainform.h"

#include <QHBoxLayout>
#include <QToolBar>

QWidget *Tmainform::lavForside()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("bogside_Koder"));
    auto *layout = new QHBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    ForsideBar = new QToolBar;
    ForsideBar->setObjectName(QStringLiteral("ForsideBar"));
    layout->addWidget(ForsideBar);
    layout->addStretch(1);
    return page;
}
