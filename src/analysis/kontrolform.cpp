#include "analysis/kontrolform.h"

#include "core/optionfile.h"
#include "core/programfolder.h"
#include "platform/vinduesplads.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

Tkontrolform::Tkontrolform(QWidget *parent, QAbstractItemModel *model)
    : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("Tkontrolform"));
    setWindowTitle(QStringLiteral("Html kontrol"));
    setMinimumSize(285, 361);

    toolbar = new QToolBar;
    toolbar->setObjectName(QStringLiteral("toolbar"));
    toolbar->setIconSize(QSize(16, 16));
    toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    auto knap = [this](QAction **a, const char *name, const char *caption, const char *hint, const char *icon) {
        *a = toolbar->addAction(QIcon::fromTheme(QString::fromLatin1(icon)), QString::fromUtf8(caption));
        (*a)->setObjectName(QString::fromLatin1(name));
        (*a)->setToolTip(QString::fromUtf8(hint));
        (*a)->setStatusTip(QString::fromUtf8(hint));
    };
    knap(&infoKnap, "infoKnap", "Information", "Information om kodekontrol", "help-about");
    toolbar->addSeparator();
    knap(&readHtmlKnap, "readHtmlKnap", "Indlæs", "Indlæs aktuelle side: Genindlæs struktur efter forandringer", "view-refresh");
    toolbar->addSeparator();
    knap(&treeUdfoldKnap, "treeUdfoldKnap", "Udfold", "Udfold struktur", "expand-all");
    knap(&treeSammenfoldKnap, "treeSammenfoldKnap", "Sammenfold", "Sammenfold struktur", "collapse-all");
    toolbar->addSeparator();
    knap(&readAttributterKnap, "readAttributterKnap", "Attributter",
         "Vis kodernes attributter: Genindlæs struktur efter forandringer", "view-list-details");
    toolbar->addSeparator();
    knap(&msKnap, "msKnap", "For mange slutkoder?", "Kontroller manglende slutkoder: Genindlæs struktur efter forandringer",
         "format-indent-less");
    knap(&fmSlutkoderKnap, "fmSlutkoderKnap", "For mange slutkoder",
         "Kontroller for for mange slutkoder: Genindlæs struktur efter forandringer ", "format-indent-more");
    toolbar->addSeparator();
    knap(&ukendteKoderKnap, "ukendteKoderKnap", "ukendteKoderKnap",
         "Kontroller for ukendte koder: Genindlæs struktur efter forandringer", "dialog-question");
    knap(&ukendteAttributterKnap, "ukendteAttributterKnap", "ukendteAttributterKnap",
         "Kontroller for ukendte attributter: Genindlæs struktur efter forandringer", "dialog-warning");

    Tree = new StructureTreeView;
    Tree->setObjectName(QStringLiteral("Tree"));
    Tree->setHeaderHidden(true);
    Tree->setUniformRowHeights(true);
    Tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tree->setModel(model);
    Tree->installEventFilter(this);
    connect(Tree, &QTreeView::clicked, this, &Tkontrolform::gaaTilTag);
    connect(treeUdfoldKnap, &QAction::triggered, Tree, [this] { Tree->expandBounded(); });
    connect(Tree, &StructureTreeView::tooDeep, this, [this](int level) {
        setInfo(QStringLiteral("Træet er for dybt til at blive vist helt; det er foldet ud til niveau %1.").arg(level));
    });
    connect(treeSammenfoldKnap, &QAction::triggered, Tree, &QTreeView::collapseAll);

    pBar = new QProgressBar;
    pBar->setObjectName(QStringLiteral("pBar"));
    pBar->setRange(0, 100);
    pBar->setValue(0);
    pBar->setTextVisible(false);
    pBar->setMaximumHeight(10);
    kontrolinfo = new QStatusBar;
    kontrolinfo->setObjectName(QStringLiteral("kontrolinfo"));
    kontrolinfo->setSizeGripEnabled(false);
    kontrolinfoFelt = new QLabel;
    kontrolinfoFelt->setObjectName(QStringLiteral("kontrolinfoFelt"));
    kontrolinfo->addWidget(kontrolinfoFelt, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar);
    layout->addWidget(Tree, 1);
    layout->addWidget(pBar);
    layout->addWidget(kontrolinfo);

    optfil = core::ProgramFolder::optDir() + QStringLiteral("kontrol.txt");
    core::OptionReader r(optfil, 4);
    const int top = r.integer(0), left = r.integer(1), width = r.integer(2), height = r.integer(3);
    if (r.ok())
        platform::placerIndre(this, QRect(left, top, qMax(width, 285), qMax(height, 361)));
    else
        setGeometry(100, 100, 285, 370);   // the minimum size wins over the default width
}

void Tkontrolform::setInfo(const QString &text)
{
    kontrolinfoFelt->setText(text);
}

QString Tkontrolform::info() const
{
    return kontrolinfoFelt->text();
}

void Tkontrolform::kontrolProgress(int aPos)
{
    pBar->setValue(aPos);
    setInfo(QString::number(aPos) + u'%');
}

bool Tkontrolform::gemPosition() const
{
    const QRect g = geometry();
    core::OptionWriter w;
    w.add(g.top()).add(g.left()).add(g.width()).add(g.height());
    return w.write(optfil);
}

bool Tkontrolform::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Tree && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit gaaTilTag();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
