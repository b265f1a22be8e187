// The first page of the code book, "Koder": drop-down buttons that write HTML elements.

#include "shell/mainform.h"

#include "codewriting/taginfo.h"
#include "codewriting/tagmenuer.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include <string_view>

void Tmainform::skrivTagmenu(const QString &caption)
{
    const tagmenu::StartSlut s = tagmenu::startSlut(caption);
    taginf->UdskrivKode(s.start, s.slut);
    winInfo();
}

QWidget *Tmainform::lavForside()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("side0"));
    auto *layout = new QHBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    ForsideBar = new QToolBar;
    ForsideBar->setObjectName(QStringLiteral("ForsideBar"));
    ForsideBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    layout->addWidget(ForsideBar);
    layout->addStretch(1);

    auto entry = [this](QMenu *menu, const QString &caption) {
        if (caption.isEmpty()) {
            menu->addSeparator();
            return;
        }
        QAction *a = menu->addAction(caption);
        connect(a, &QAction::triggered, this, [this, caption] { skrivTagmenu(caption); });
    };
    for (const tagmenu::Menu &m : tagmenu::menuer()) {
        if (m.knap == std::string_view("fFormknap")) {
            // The text box between "Tekst" and "Form"; its action comes with the text box.
            ToolButton51 = new QToolButton;
            ToolButton51->setObjectName(QStringLiteral("ToolButton51"));
            ForsideBar->addWidget(ToolButton51);
        }
        auto *knap = new QToolButton;
        knap->setObjectName(QString::fromLatin1(m.knap));
        knap->setText(m.caption);
        knap->setToolTip(m.hint);
        knap->setStatusTip(m.hint);
        knap->setPopupMode(QToolButton::MenuButtonPopup);
        auto *menu = new QMenu(knap);
        menu->setObjectName(QString::fromLatin1(m.navn));
        for (const tagmenu::Undermenu &u : m.undermenuer) {
            QMenu *sub = menu->addMenu(u.titel);
            for (const QString &e : u.entries)
                entry(sub, e);
        }
        for (const QString &e : m.hovedniveau)
            entry(menu, e);
        knap->setMenu(menu);
        const QString klik = m.klik;
        connect(knap, &QToolButton::clicked, this, [this, klik] { skrivTagmenu(klik); });
        ForsideBar->addWidget(knap);
    }
    // Special characters: the menu comes with the page "Specialtegn".
    ToolButton52 = new QToolButton;
    ToolButton52->setObjectName(QStringLiteral("ToolButton52"));
    ToolButton52->setText(QStringLiteral("Specialtegn"));
    ToolButton52->setToolTip(QStringLiteral("Specialtegn: Mellemrum"));
    ToolButton52->setStatusTip(QStringLiteral("Specialtegn: Mellemrum"));
    ToolButton52->setPopupMode(QToolButton::MenuButtonPopup);
    ForsideBar->addWidget(ToolButton52);
    ForsideBar->addSeparator();
    QAction *inf = ForsideBar->addAction(QIcon::fromTheme(QStringLiteral("help-about")), QStringLiteral("Information"));
    inf->setObjectName(QStringLiteral("infKoder"));
    connect(inf, &QAction::triggered, this, [this] { HelpInfo(QStringLiteral("Programmet.txt"), QStringLiteral("Koder")); });
    return page;
}
