#include "information/urlform.h"

#include "core/optionfile.h"
#include "information/informationform.h"
#include "platform/vinduesplads.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QVBoxLayout>

namespace {
QPushButton *knap(QAction *a, QWidget *parent)
{
    auto *b = new QPushButton(a->text(), parent);
    b->setObjectName(a->objectName() + QStringLiteral("Knap"));
    b->setStatusTip(a->statusTip());
    b->setToolTip(a->toolTip());
    QObject::connect(b, &QPushButton::clicked, a, &QAction::trigger);
    QObject::connect(a, &QAction::enabledChanged, b, &QPushButton::setEnabled);
    b->setEnabled(a->isEnabled());
    return b;
}
}

Turlform::Turlform(Tinfoform *info, const QString &optdir, QWidget *parent)
    : QWidget(parent, Qt::Window), m_info(info), m_optfil(optdir + QStringLiteral("urlboks.txt"))
{
    setObjectName(QStringLiteral("Turlform"));
    setWindowTitle(QStringLiteral("Urlboks"));
    setMinimumSize(300, 200);
    auto *lay = new QVBoxLayout(this);
    lay->addWidget(new QLabel(QStringLiteral("Besøgte sider"), this));
    urlListe = new QListWidget(this);
    urlListe->setObjectName(QStringLiteral("urlListe"));
    lay->addWidget(urlListe, 1);
    connect(urlListe, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *it) {
        m_info->visUrlIndex(urlListe->row(it));
    });

    AsletAlle = new QAction(QStringLiteral("Slet liste"), this);
    AsletAlle->setObjectName(QStringLiteral("AsletAlle"));
    AsletAlle->setStatusTip(QStringLiteral("Slet alle urls fra listen"));
    connect(AsletAlle, &QAction::triggered, m_info, &Tinfoform::sletListe);
    ArensDobbelt = new QAction(QStringLiteral("Rens liste"), this);
    ArensDobbelt->setObjectName(QStringLiteral("ArensDobbelt"));
    ArensDobbelt->setStatusTip(QStringLiteral("Rens listen for dobbeltgængere"));
    connect(ArensDobbelt, &QAction::triggered, m_info, &Tinfoform::rensListe);
    auto *luk = new QAction(QStringLiteral("Luk"), this);
    luk->setObjectName(QStringLiteral("Luk"));
    luk->setStatusTip(QStringLiteral("Luk urlboksen"));
    connect(luk, &QAction::triggered, this, &QWidget::close);
    // Esc closes the box, as it does every other small window of the program.
    luk->setShortcut(QKeySequence(Qt::Key_Escape));
    luk->setShortcutContext(Qt::WindowShortcut);
    addAction(luk);

    auto *knapper = new QHBoxLayout;
    knapper->addWidget(knap(AsletAlle, this));
    knapper->addWidget(knap(ArensDobbelt, this));
    knapper->addStretch(1);
    knapper->addWidget(knap(luk, this));
    lay->addLayout(knapper);
    infoBar = new QStatusBar(this);
    infoBar->setObjectName(QStringLiteral("infoBar"));
    infoBar->setSizeGripEnabled(false);
    lay->addWidget(infoBar);

    core::OptionReader r(m_optfil, 0);
    const QRect skaerm = QGuiApplication::primaryScreen()->availableGeometry();
    int top = r.hasInteger(0) ? r.integer(0) : -1, left = r.hasInteger(1) ? r.integer(1) : -1;
    const int w = r.hasInteger(2) ? qMax(300, r.integer(2)) : 360, h = r.hasInteger(3) ? qMax(200, r.integer(3)) : 320;
    if (top < 0 || left < 0) {   // centred when the file lacks a place
        left = skaerm.center().x() - w / 2;
        top = skaerm.center().y() - h / 2;
    }
    platform::placerVindue(this, left, top, w, h);
    opdater();
}

void Turlform::opdater()
{
    const information::TBesoegteSider &b = m_info->besoegte;
    urlListe->clear();
    urlListe->addItems(b.liste);
    if (b.urlIndex >= 0 && b.urlIndex < urlListe->count())
        urlListe->setCurrentRow(b.urlIndex);
    AsletAlle->setEnabled(!b.liste.isEmpty());
    ArensDobbelt->setEnabled(b.liste.size() > 1);
}

bool Turlform::event(QEvent *event)
{
    // The hints of the controls go into the window's own status bar.
    if (event->type() == QEvent::StatusTip) {
        infoBar->showMessage(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QWidget::event(event);
}

void Turlform::closeEvent(QCloseEvent *event)
{
    core::OptionWriter().add(pos().y()).add(pos().x()).add(width()).add(height()).write(m_optfil);
    QWidget::closeEvent(event);
}
