#include "filemanager/openfilform.h"

#include "codewriting/dokumentvaert.h"
#include "core/optionfile.h"
#include "core/programfolder.h"
#include "filemanager/filinfo.h"
#include "filemanager/filnavne.h"
#include "filemanager/spmvinduer.h"
#include "platform/drev.h"
#include "platform/infobox.h"
#include "platform/kendtemapper.h"
#include "platform/papirkurv.h"
#include "platform/shellopen.h"
#include "platform/vinduesplads.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QDrag>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace filemanager;

// ---------------------------------------------------------------- the list

void TFilListe::startDrag(Qt::DropActions supported)
{
    emit traekStarter();
    QListView::startDrag(supported);
}

void TFilListe::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls()) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }
}

void TFilListe::dragMoveEvent(QDragMoveEvent *event)
{
    if (event->mimeData()->hasUrls()) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }
}

void TFilListe::dropEvent(QDropEvent *event)
{
    if (!event->mimeData()->hasUrls())
        return;
    const QModelIndex at = indexAt(event->position().toPoint());
    const bool intern = event->source() == this;
    const QList<QUrl> urls = event->mimeData()->urls();
    // The files are handled here; the drag's source must not remove anything itself.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    emit droppet(at.isValid() ? at.row() : -1, intern, urls);
}

void TFilListe::keyPressEvent(QKeyEvent *event)
{
    // The view lets Enter travel on to the window after activating; here it ends.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState) {
        if (currentIndex().isValid())
            emit activated(currentIndex());
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

void TFilListe::setTomTekst(const QString &text)
{
    m_tomTekst = text;
    viewport()->update();
}

void TFilListe::paintEvent(QPaintEvent *event)
{
    QListView::paintEvent(event);
    if (m_tomTekst.isEmpty() || (model() && model()->rowCount() > 0))
        return;
    QPainter p(viewport());
    p.setPen(palette().color(QPalette::PlaceholderText));
    p.drawText(viewport()->rect().adjusted(8, 8, -8, -8), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
               platform::displayText(m_tomTekst));
}

// ---------------------------------------------------------------- the window

namespace {
QAction *lav(QObject *parent, const char *name, const QString &caption, const QKeySequence &key = {},
             const char *icon = nullptr, const QString &hint = {})
{
    auto *a = new QAction(caption, parent);
    a->setObjectName(QString::fromLatin1(name));
    if (!key.isEmpty())
        a->setShortcut(key);
    a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    if (icon)
        a->setIcon(QIcon::fromTheme(QString::fromLatin1(icon)));
    if (!hint.isEmpty()) {
        a->setToolTip(hint);
        a->setStatusTip(hint);
    }
    return a;
}

QPushButton *knap(const char *name, const QString &text)
{
    auto *b = new QPushButton(text);
    b->setObjectName(QString::fromLatin1(name));
    // Enter belongs to the list and the name fields; a dialog's default button would take it
    // after them and act a second time.
    b->setAutoDefault(false);
    return b;
}
}

Topenfilform::Topenfilform(TDokumentVaert *vaert, QWidget *parent)
    : QDialog(parent), m_vaert(vaert)
{
    setObjectName(QStringLiteral("Topenfilform"));
    setWindowTitle(QStringLiteral("Åben dokument"));
    setModal(false);
    setMinimumSize(400, 500);
    optFilnavn = core::ProgramFolder::optDir() + QStringLiteral("opentekstfil.txt");
    m_dlg = std::make_unique<TFilDialogerVinduer>(this, vaert);
    funk = new THandlinger(m_dlg.get(), this);
    funk->openDokument = [this](const QString &p) { openDokument(p); };
    connect(funk, &TMappeListe::mappenChange, this, &Topenfilform::mappenChange);
    connect(funk, &TMappeListe::besked, this, [this](const QString &t) { platform::infoBox(this, t); });

    // Actions
    aRedigerDokument = lav(this, "aRedigerDokument", QStringLiteral("Rediger"), QKeySequence(QStringLiteral("Ctrl+R")), "document-edit");
    aMarkerAlt = lav(this, "aMarkerAlt", QStringLiteral("Marker alt"), QKeySequence(QStringLiteral("Ctrl+A")));
    aMarkerIngen = lav(this, "aMarkerIngen", QStringLiteral("Marker ingen"), QKeySequence(QStringLiteral("Ctrl+I")));
    aMarkerInvers = lav(this, "aMarkerInvers", QStringLiteral("Inverter"));
    aOpenAktuelleMappe = lav(this, "aOpenAktuelleMappe", QStringLiteral("Opdater"), {}, "folder-open", QStringLiteral("Åben mappen i Windows Stifinder"));
    aNyMappe = lav(this, "aNyMappe", QStringLiteral("Ny mappe"), QKeySequence(QStringLiteral("Ctrl+M")), "folder-new");
    aRename = lav(this, "aRename", QStringLiteral("Omdøb"), QKeySequence(Qt::Key_F2), "edit-rename");
    aDelete = lav(this, "aDelete", QStringLiteral("Slet"), QKeySequence(QStringLiteral("Ctrl+D")), "edit-delete");
    aDelete->setShortcuts({QKeySequence(QStringLiteral("Ctrl+D")), QKeySequence(QKeySequence::Delete)});
    aDeletePermanent = lav(this, "aDeletePermanent", QStringLiteral("Slet permanent"), QKeySequence(QStringLiteral("Shift+Del")), "edit-delete-shred");
    aCopy = lav(this, "aCopy", QStringLiteral("Kopier"), QKeySequence(QStringLiteral("Ctrl+C")), "edit-copy");
    aKlip = lav(this, "aKlip", QStringLiteral("Klip"), QKeySequence(QStringLiteral("Ctrl+X")), "edit-cut");
    aPaste = lav(this, "aPaste", QStringLiteral("Sæt ind"), QKeySequence(QStringLiteral("Ctrl+V")), "edit-paste");
    aEmptyRB = lav(this, "aEmptyRB", QStringLiteral("Tøm papirkurv"), {}, "trash-empty");
    aEleEgenskaber = lav(this, "aEleEgenskaber", QStringLiteral("Vis egenskaber"), {}, "document-properties");
    aDrevinfo = lav(this, "aDrevinfo", QStringLiteral("Drevinformation"), {}, "drive-harddisk");
    Agofile = lav(this, "Agofile", QStringLiteral("Kør i program"), QKeySequence(QStringLiteral("Ctrl+P")), "system-run");
    aVisBillede = lav(this, "aVisBillede", QStringLiteral("Vis billede"), QKeySequence(QStringLiteral("Ctrl+B")), "image-x-generic");
    aOpenFunk = lav(this, "aOpenFunk", QStringLiteral("Åben funktion"), {}, "document-open");
    aMappeInfo = lav(this, "aMappeInfo", QStringLiteral("Mappeegenskaber"), {}, "folder");
    aFilinfo = lav(this, "aFilinfo", QStringLiteral("Filegenskaber"), {}, "document-properties");
    aNyTekstfil = lav(this, "aNyTekstfil", QStringLiteral("Ny tekstfil"), {}, "document-new");
    addActions({aRedigerDokument, aMarkerAlt, aMarkerIngen, aNyMappe, aRename, aDelete, aDeletePermanent, aCopy,
                aKlip, aPaste, Agofile, aVisBillede});

    // Tool bar and path tabs
    ToolBar2 = new QToolBar;
    ToolBar2->setObjectName(QStringLiteral("ToolBar2"));
    auto *infoKnap = new QToolButton;
    infoKnap->setObjectName(QStringLiteral("infoKnap"));
    infoKnap->setIcon(QIcon::fromTheme(QStringLiteral("help-about")));
    infoKnap->setToolTip(QStringLiteral("Information angående dialogboksen"));
    connect(infoKnap, &QToolButton::clicked, this, [this] {
        if (m_vaert)
            m_vaert->HelpInfo(QStringLiteral("Programmet"), boxType == 1 ? QStringLiteral("Gem som") : QStringLiteral("Åben dokument"));
    });
    ToolBar2->addWidget(infoKnap);
    ToolBar2->addAction(aOpenAktuelleMappe);
    auto *opdaterKnap = new QToolButton;
    opdaterKnap->setObjectName(QStringLiteral("opdaterKnap"));
    opdaterKnap->setIcon(QIcon::fromTheme(QStringLiteral("view-refresh")));
    opdaterKnap->setToolTip(QStringLiteral("Opdater strukturen til aktuelle struktur"));
    connect(opdaterKnap, &QToolButton::clicked, this, &Topenfilform::updateStrukturer);
    ToolBar2->addWidget(opdaterKnap);
    drevKnap = new QToolButton;
    drevKnap->setObjectName(QStringLiteral("drevKnap"));
    drevKnap->setIcon(QIcon::fromTheme(QStringLiteral("drive-harddisk")));
    drevKnap->setToolTip(QStringLiteral("Drev"));
    drevKnap->setPopupMode(QToolButton::InstantPopup);
    PUdrevene = new QMenu(drevKnap);
    PUdrevene->setObjectName(QStringLiteral("PUdrevene"));
    drevKnap->setMenu(PUdrevene);
    ToolBar2->addWidget(drevKnap);
    ToolBar2->addActions({aNyMappe, aRename, aDelete, aEleEgenskaber, aDrevinfo});
    stiboxen = new QTabBar;
    stiboxen->setObjectName(QStringLiteral("stiboxen"));
    stiboxen->setExpanding(false);
    stiboxen->setUsesScrollButtons(true);
    connect(stiboxen, &QTabBar::tabBarClicked, this, &Topenfilform::stiKlik);

    // Left panel
    leftPanel = new QWidget;
    leftPanel->setObjectName(QStringLiteral("leftPanel"));
    auto *lp = new QVBoxLayout(leftPanel);
    lp->setContentsMargins(0, 0, 0, 0);
    auto splitKnap = [&](QToolButton *&b, QMenu *&menu, const char *name, const char *menuName, const QString &text,
                         const QString &hint, const std::vector<std::pair<QString, platform::KendtMappe>> &items) {
        b = new QToolButton;
        b->setObjectName(QString::fromLatin1(name));
        b->setText(text);
        b->setToolTip(hint);
        b->setIcon(QIcon::fromTheme(QStringLiteral("folder-documents")));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setPopupMode(QToolButton::MenuButtonPopup);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        menu = new QMenu(b);
        menu->setObjectName(QString::fromLatin1(menuName));
        b->setMenu(menu);
        for (const auto &[caption, which] : items) {
            const platform::KendtMappe w = which;
            connect(menu->addAction(caption), &QAction::triggered, this, [this, w] {
                const QString p = platform::kendtMappe(w);
                static const QHash<int, const char *> fejl = {
                    {int(platform::KendtMappe::Dokumenter), "Kunne ikke finde dokumentmappen."},
                    {int(platform::KendtMappe::Skrivebord), "Kunne ikke finde skrivebordsmappen."},
                    {int(platform::KendtMappe::Billeder), "Kunne ikke finde billedmappen."},
                    {int(platform::KendtMappe::Musik), "Kunne ikke finde musikmappen."},
                    {int(platform::KendtMappe::Videoer), "Kunne ikke finde videomappen."},
                    {int(platform::KendtMappe::DelteDokumenter), "Kunne ikke finde dokumentmappen for alle brugere."},
                    {int(platform::KendtMappe::DelteBilleder), "Kunne ikke finde billedmappen for alle brugere."},
                    {int(platform::KendtMappe::DelteMusik), "Kunne ikke finde musikmappen for alle brugere."},
                    {int(platform::KendtMappe::DelteVideoer), "Kunne ikke finde videomappen for alle brugere."}};
                if (w == platform::KendtMappe::OneDrive && !QFileInfo(p).isDir()) {
                    platform::infoBox(this, QStringLiteral("Mappen blev ikke fundet."));
                    return;
                }
                if (p.isEmpty()) {
                    platform::errorBox(this, QString::fromUtf8(fejl.value(int(w))));
                    return;
                }
                visMappe(p);
            });
        }
        connect(b, &QToolButton::clicked, this, [menu] { menu->actions().constFirst()->trigger(); });
        lp->addWidget(b);
    };
    using K = platform::KendtMappe;
    splitKnap(kendteKnap, PUkendte, "kendteKnap", "PUkendte", QStringLiteral("Kendte"), QStringLiteral("Kendte mapper: Dokumentmappe"),
              {{QStringLiteral("Dokumenter"), K::Dokumenter}, {QStringLiteral("OneDrive"), K::OneDrive},
               {QStringLiteral("Skrivebord"), K::Skrivebord}, {QStringLiteral("Billeder"), K::Billeder},
               {QStringLiteral("Musik"), K::Musik}, {QStringLiteral("Videoer"), K::Videoer}});
    splitKnap(delteKnap, PUdelte, "delteKnap", "PUdelte", QStringLiteral("Delte"), QStringLiteral("Delte mapper:  dokumentmappe"),
              {{QStringLiteral("Dokumenter"), K::DelteDokumenter}, {QStringLiteral("Billeder"), K::DelteBilleder},
               {QStringLiteral("Musik"), K::DelteMusik}, {QStringLiteral("Videoer"), K::DelteVideoer}});
    auto *filpanelKnap = knap("filpanelKnap", QStringLiteral("Filpanel"));
    filpanelKnap->setToolTip(QStringLiteral("Vis filpanelets mappe"));
    connect(filpanelKnap, &QPushButton::clicked, this, [this] {
        if (m_vaert)
            visMappe(m_vaert->filPanelMappe());
    });
    lp->addWidget(filpanelKnap);
    lp->addStretch();
    for (QAction *a : {Agofile, aVisBillede, aOpenFunk}) {
        auto *b = new QToolButton;
        b->setObjectName(a->objectName() + QStringLiteral("Knap"));
        b->setDefaultAction(a);
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        lp->addWidget(b);
    }
    FilboksCheck = new QCheckBox(QStringLiteral("Filboks funktion"));
    FilboksCheck->setObjectName(QStringLiteral("FilboksCheck"));
    FilboksCheck->setToolTip(QStringLiteral("Vis mappe ved redigering af informationsfiler"));
    lp->addWidget(FilboksCheck);

    // The list
    openbox = new TFilListe;
    openbox->setObjectName(QStringLiteral("openbox"));
    openbox->setModel(funk->model());
    openbox->setSelectionModel(funk->selection());
    openbox->setSelectionMode(QAbstractItemView::ExtendedSelection);
    openbox->setEditTriggers(QAbstractItemView::EditKeyPressed);
    openbox->setUniformItemSizes(true);
    openbox->setLayoutMode(QListView::Batched);
    openbox->setDragEnabled(true);
    openbox->setAcceptDrops(true);
    openbox->setDropIndicatorShown(true);
    openbox->setDragDropMode(QAbstractItemView::DragDrop);
    openbox->setDefaultDropAction(Qt::CopyAction);
    openbox->setContextMenuPolicy(Qt::CustomContextMenu);
    PUfilbox = new QMenu(openbox);
    PUfilbox->setObjectName(QStringLiteral("PUfilbox"));
    PUfilbox->addActions({aCopy, aKlip, aPaste});
    PUfilbox->addSeparator();
    PUfilbox->addActions({aDelete, aRename, aDeletePermanent});
    PUfilbox->addSeparator();
    PUfilbox->addActions({aMarkerAlt, aMarkerIngen, aMarkerInvers});
    PUfilbox->addSeparator();
    PUfilbox->addActions({aNyMappe, aNyTekstfil});
    PUfilbox->addSeparator();
    PUfilbox->addActions({aFilinfo, aMappeInfo});
    PUfilbox->addSeparator();
    PUfilbox->addAction(aEmptyRB);
    connect(openbox, &QWidget::customContextMenuRequested, this, [this](const QPoint &p) {
        opdaterActions();
        PUfilbox->popup(openbox->viewport()->mapToGlobal(p));
    });
    connect(funk->selection(), &QItemSelectionModel::selectionChanged, this, [this] { funk->infoStruktur2(); });
    connect(openbox, &QAbstractItemView::activated, this, &Topenfilform::dobbeltKlik);
    connect(funk->model(), &TStrukturModel::tekstRedigeret, this, &Topenfilform::redigeringSlut);
    connect(openbox, &TFilListe::traekStarter, this, [this] {
        sourceDir = funk->FBibmappe;
        klipAfterCopy = false;
        funk->CopyElementer();
    });
    connect(openbox, &TFilListe::droppet, this, &Topenfilform::drop);

    // Bottom panels
    PanelSti = new QWidget;
    PanelSti->setObjectName(QStringLiteral("PanelSti"));
    auto *ps = new QHBoxLayout(PanelSti);
    ps->setContentsMargins(0, 0, 0, 0);
    EditSti = new QLineEdit;
    EditSti->setObjectName(QStringLiteral("EditSti"));
    // A name or path typed here opens that file, or shows that folder.
    connect(EditSti, &QLineEdit::returnPressed, this, &Topenfilform::aabnSkrevet);
    redigerKnap = knap("redigerKnap", QStringLiteral("Rediger"));
    connect(redigerKnap, &QPushButton::clicked, aRedigerDokument, &QAction::trigger);
    lukKnap = knap("lukKnap", QStringLiteral("Luk"));
    lukKnap->setToolTip(QStringLiteral("Luk boksen"));
    connect(lukKnap, &QPushButton::clicked, this, &QDialog::close);
    ps->addWidget(new QLabel(QStringLiteral("Filnavn")));
    ps->addWidget(EditSti, 1);
    ps->addWidget(redigerKnap);
    ps->addWidget(lukKnap);
    panelGem = new QWidget;
    panelGem->setObjectName(QStringLiteral("panelGem"));
    auto *pg = new QHBoxLayout(panelGem);
    pg->setContentsMargins(0, 0, 0, 0);
    EditFilnavn = new QLineEdit;
    EditFilnavn->setObjectName(QStringLiteral("EditFilnavn"));
    connect(EditFilnavn, &QLineEdit::returnPressed, this, &Topenfilform::gem);
    gemKnap = knap("gemKnap", QStringLiteral("Gem"));
    gemKnap->setToolTip(QStringLiteral("Gem dokumentet"));
    connect(gemKnap, &QPushButton::clicked, this, &Topenfilform::gem);
    annullerKnap = knap("annullerKnap", QStringLiteral("Annuller"));
    connect(annullerKnap, &QPushButton::clicked, this, &QDialog::close);
    pg->addWidget(new QLabel(QStringLiteral("Filnavn")));
    pg->addWidget(EditFilnavn, 1);
    pg->addWidget(gemKnap);
    pg->addWidget(annullerKnap);
    panelGem->hide();
    infobar = new QStatusBar;
    infobar->setObjectName(QStringLiteral("infobar"));
    infobar->setSizeGripEnabled(false);

    auto *midt = new QHBoxLayout;
    midt->addWidget(leftPanel);
    midt->addWidget(openbox, 1);
    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(4, 4, 4, 0);
    l->addWidget(ToolBar2);
    l->addWidget(stiboxen);
    l->addLayout(midt, 1);
    l->addWidget(PanelSti);
    l->addWidget(panelGem);
    l->addWidget(infobar);

    // Effects
    connect(aRedigerDokument, &QAction::triggered, this, [this] {
        if (funk->valgteRaekker().size() > 1)
            funk->OpenElementer();
        else if (!funk->FFilnavn.isEmpty())
            openDokument(funk->FFilnavn);
    });
    connect(aMarkerAlt, &QAction::triggered, this, [this] { funk->SelectMapperFiler(1); });
    connect(aMarkerIngen, &QAction::triggered, this, [this] { funk->SelectMapperFiler(2); });
    connect(aMarkerInvers, &QAction::triggered, this, [this] { funk->SelectMapperFiler(3); });
    connect(aOpenAktuelleMappe, &QAction::triggered, this, [this] { platform::shellOpen(funk->FGrundmappe); });
    connect(aNyMappe, &QAction::triggered, this, [this] {
        nyMappeErOprettet = funk->NyMappe(funk->FGrundmappe);
        if (nyMappeErOprettet) {
            OldNodeTekst = funk->model()->data(funk->selection()->currentIndex(), Qt::DisplayRole).toString();
            openbox->edit(funk->selection()->currentIndex());
        }
    });
    connect(aRename, &QAction::triggered, this, [this] {
        const int row = funk->aktuelRaekke();
        if (row < 0) {
            platform::infoBox(this, QStringLiteral("Der er ikke valgt element,\rder skal omdøbes."));
            return;
        }
        OldNodeTekst = funk->model()->entries().at(row).navn;
        openbox->edit(funk->model()->index(row));
    });
    connect(aDelete, &QAction::triggered, this, [this] { rapport("Der blev slettet ", funk->DeleteElementer(true)); });
    connect(aDeletePermanent, &QAction::triggered, this, [this] { rapport("Der blev slettet ", funk->DeleteElementer(false)); });
    connect(aCopy, &QAction::triggered, this, [this] {
        klipAfterCopy = false;
        rapport("Der blev kopieret ", funk->CopyElementer());
    });
    connect(aKlip, &QAction::triggered, this, [this] {
        klipAfterCopy = true;
        rapport("Der blev klippet ", funk->CopyElementer());
    });
    connect(aPaste, &QAction::triggered, this, [this] {
        const bool flyt = klipAfterCopy;
        rapport(flyt ? "Der blev flyttet " : "Der blev indsat ", funk->PasteElementer(flyt));
    });
    connect(aEmptyRB, &QAction::triggered, this, [this] { funk->EmptyRecycleBin(); });
    connect(aEleEgenskaber, &QAction::triggered, this, [this] {
        if (!funk->FFilnavn.isEmpty())
            infoform()->showFileInfo(funk->FFilnavn);
        else if (funk->harValg())
            infoform()->showMappeInfo(funk->FBibmappe);
        else
            platform::infoBox(this, QStringLiteral("Der er ikke valgt en mappe."));
    });
    connect(aFilinfo, &QAction::triggered, this, [this] {
        if (!funk->FFilnavn.isEmpty())
            infoform()->showFileInfo(funk->FFilnavn);
    });
    connect(aMappeInfo, &QAction::triggered, this, [this] {
        if (!funk->FGrundmappe.isEmpty())
            infoform()->showMappeInfo(funk->FGrundmappe);
    });
    connect(aNyTekstfil, &QAction::triggered, this, [this] {
        // The new file's name is edited at once, as a new folder's is.
        if (funk->NyTekstfil(funk->FGrundmappe)) {
            OldNodeTekst = funk->model()->data(funk->selection()->currentIndex(), Qt::DisplayRole).toString();
            openbox->edit(funk->selection()->currentIndex());
        }
    });
    connect(aDrevinfo, &QAction::triggered, this, [this] {
        infoform()->showDriveInfo(funk->FGrundmappe);
    });
    connect(Agofile, &QAction::triggered, this, [this] { platform::shellOpen(funk->FFilnavn); });
    connect(aVisBillede, &QAction::triggered, this, [this] {
        if (!erDetEnBilledfil(extensionMedPunktum(funk->FFilnavn))) {
            platform::infoBox(this, QStringLiteral("Filtypen kan ikke vises."));
            return;
        }
        if (!m_billede)
            m_billede = new Tbilledform(this);
        m_billede->LoadPicture(funk->FFilnavn);
    });
    connect(aOpenFunk, &QAction::triggered, this, &Topenfilform::aabenMode);

    hentOpt();
    opdaterActions();
}

Topenfilform::~Topenfilform() = default;

void Topenfilform::setGemFunk(QAction *aGemFunk)
{
    auto *b = new QToolButton;
    b->setObjectName(QStringLiteral("gemFunkKnap"));
    b->setDefaultAction(aGemFunk);
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    static_cast<QVBoxLayout *>(leftPanel->layout())->insertWidget(leftPanel->layout()->count() - 1, b);
}

void Topenfilform::hentOpt()
{
    core::OptionReader r(optFilnavn, 5);
    const int w = r.integer(0), h = r.integer(1), left = r.integer(2), top = r.integer(3);
    const QString mappe = r.text(4);
    if (r.ok() && QFileInfo(mappe).isDir()) {
        platform::placerVindue(this, left, top, qMax(w, 400), qMax(h, 500));
        funk->FGrundmappe = mappe;
    } else {
        resize(400, 508);
        funk->FGrundmappe = QDir::homePath();
        if (parentWidget())
            move(parentWidget()->window()->geometry().center() - rect().center());
    }
}

void Topenfilform::gemOpt()
{
    core::OptionWriter w;
    w.add(width()).add(height()).add(pos().x()).add(pos().y()).add(funk->FGrundmappe);
    QString error;
    if (!w.write(optFilnavn, &error))
        platform::errorBox(parentWidget(), QStringLiteral("Indstillingerne kunne ikke gemmes i %1.\r%2").arg(optFilnavn, error));
}

void Topenfilform::showEvent(QShowEvent *event)
{
    if (opstart) {
        opstart = false;
        // The active document's folder first, where the user works; else the folder of the
        // last session.
        QString start;
        const QList<TDokumentVaert::Dokument> docs = m_vaert ? m_vaert->aabneDokumenter() : QList<TDokumentVaert::Dokument>();
        if (!docs.isEmpty() && !docs.constFirst().filnavn.isEmpty())
            start = QFileInfo(docs.constFirst().filnavn).absolutePath();
        if (!funk->makeStruktur2(start) && !funk->makeStruktur2(funk->FGrundmappe))
            funk->makeStruktur2(QDir::homePath());
    }
    QDialog::showEvent(event);
    (boxType == 1 ? static_cast<QWidget *>(EditFilnavn) : openbox)->setFocus(Qt::OtherFocusReason);
    emit modeSkiftet();
}

void Topenfilform::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    emit modeSkiftet();
}

void Topenfilform::aabenMode()
{
    boxType = 0;
    setWindowTitle(QStringLiteral("Åben dokument"));
    panelGem->hide();
    PanelSti->show();
    openbox->setFocus(Qt::OtherFocusReason);
    opdaterActions();
    emit modeSkiftet();
}

void Topenfilform::gemMode(const QString &navn)
{
    boxType = 1;
    Filnavnet = navn;
    m_gemNavn = navn;
    setWindowTitle(QStringLiteral("Gem dokument"));
    EditFilnavn->setText(navn);
    PanelSti->hide();
    panelGem->show();
    EditFilnavn->setFocus();
    opdaterActions();
    emit modeSkiftet();
}

void Topenfilform::visMappe(const QString &folder)
{
    opstart = false;
    funk->makeStruktur2(folder);
}

void Topenfilform::updateStrukturer()
{
    if (!funk->makeStruktur2(funk->FGrundmappe))
        funk->makeStruktur2(TMappeListe::foersteDrev());
}

void Topenfilform::makeDrevTekstMenu()
{
    PUdrevene->clear();
    for (const platform::Drev &d : platform::drevListe()) {
        const QString caption = platform::drevMenuTekst(d);
        if (caption.isEmpty() || !d.klar)
            continue;
        QAction *a = PUdrevene->addAction(QIcon::fromTheme(d.type == platform::DrevType::Cdrom ? QStringLiteral("media-optical")
                                                                                              : QStringLiteral("drive-harddisk")),
                                          caption);
        const QString rod = d.rod;
        connect(a, &QAction::triggered, this, [this, rod] { visMappe(rod); });
    }
}

void Topenfilform::mappenChange()
{
    visSti();
    const QString ext = extensionMedPunktum(funk->FFilnavn);
    if (!funk->FFilnavn.isEmpty() && erDetEnTekstfil(ext)) {
        EditSti->setText(sidsteDel(funk->FFilnavn));
        // The save name follows a file the user picks, never the entry a new list starts on:
        // that would offer to save over an unrelated file.
        if (!funk->bygger())
            EditFilnavn->setText(sidsteDel(funk->FFilnavn));
    } else {
        EditSti->clear();
    }
    const QString fejl = funk->FLaesefejl.isEmpty() ? QString() : ulaeseligMappeTekst(funk->FLaesefejl);
    if (openbox->tomTekst() != fejl) {
        openbox->setTomTekst(fejl);
        if (fejl.isEmpty())
            infobar->clearMessage();
        else
            infobar->showMessage(platform::displayText(fejl).replace(u'\n', u' '));
    }
    opdaterActions();
}

void Topenfilform::visSti()
{
    const QSignalBlocker block(stiboxen);
    while (stiboxen->count())
        stiboxen->removeTab(0);
    m_stiArray = stiDele(funk->FGrundmappe);
    for (const QString &p : std::as_const(m_stiArray))
        stiboxen->addTab(p);
    stiboxen->setCurrentIndex(stiboxen->count() - 1);
}

void Topenfilform::stiKlik(int index)
{
    if (index < 0)
        return;
    if (funk->harValg())
        funk->SelectMapperFiler(2);
    visMappe(stiTilIndex(m_stiArray, index));
}

Tfilinfoform *Topenfilform::infoform()
{
    if (!m_info) {
        m_info = new Tfilinfoform(this);
        connect(m_info, &Tfilinfoform::aendret, this, &Topenfilform::updateStrukturer);
    }
    return m_info;
}

void Topenfilform::opdaterActions()
{
    const bool valg = funk->harValg();
    const int n = funk->model()->rowCount();
    aRedigerDokument->setEnabled(!funk->FFilnavn.isEmpty());
    aMarkerAlt->setEnabled(n > 0 && funk->valgteRaekker().size() < n);
    aMarkerIngen->setEnabled(valg);
    aMarkerInvers->setEnabled(n > 0);
    aOpenAktuelleMappe->setEnabled(!funk->FGrundmappe.isEmpty());
    for (QAction *a : {aRename, aDelete, aDeletePermanent, aKlip, aCopy, aEleEgenskaber})
        a->setEnabled(valg);
    aPaste->setEnabled(funk->harRegistrering());
    Agofile->setEnabled(!funk->FFilnavn.isEmpty());
    aVisBillede->setEnabled(!funk->FFilnavn.isEmpty());
    aOpenFunk->setEnabled(boxType == 1);
    aFilinfo->setEnabled(!funk->FFilnavn.isEmpty());
    aMappeInfo->setEnabled(!funk->FGrundmappe.isEmpty());
}

void Topenfilform::rapport(const char *verb, int n)
{
    opdaterActions();
    if (n <= 0)
        return;
    infobar->showMessage(QString::fromUtf8(verb)
                         + (n == 1 ? QStringLiteral("1 element.") : QString::number(n) + QStringLiteral(" elementer.")));
}

void Topenfilform::openDokument(const QString &path)
{
    if (!QFileInfo(path).isFile() || !m_vaert)
        return;
    const QString ext = extensionMedPunktum(path);
    if (!erDetEnTekstfil(ext) && !m_vaert->erTekstType(ext)
        && !m_vaert->spoergJa(QStringLiteral("Filtypen ") + ext + QStringLiteral(" er ukendt.")
                              + QStringLiteral("\rEr det en tekstfil, der kan åbnes til redigering?")))
        return;
    m_vaert->aabnFil(path);
}

bool Topenfilform::skrevetFil(const QString &tekst, QString *fil)
{
    const QString sti = skrevetSti(tekst, funk->FGrundmappe);
    if (QFileInfo(sti).isDir()) {
        visMappe(sti);
        return false;
    }
    const QString mappe = foraelder(sti);
    if (tekst.endsWith(u'/') || !QFileInfo(mappe).isDir()) {
        platform::infoBox(this, QStringLiteral("Mappen %1 findes ikke.").arg(tekst.endsWith(u'/') ? sti : mappe));
        return false;
    }
    if (!gyldigtNavn(sidsteDel(sti))) {
        platform::infoBox(this, QStringLiteral("Navnet \"%1\" kan ikke bruges som filnavn.").arg(sidsteDel(sti)));
        return false;
    }
    *fil = sti;
    return true;
}

void Topenfilform::aabnSkrevet()
{
    const QString tekst = EditSti->text().trimmed();
    QString fil;
    if (tekst.isEmpty() || !skrevetFil(tekst, &fil))
        return;
    if (!QFileInfo(fil).isFile()) {
        platform::infoBox(this, QStringLiteral("Filen %1 findes ikke.").arg(fil));
        return;
    }
    openDokument(fil);
}

void Topenfilform::gem()
{
    const QString tekst = EditFilnavn->text().trimmed();
    if (tekst.isEmpty() || !m_vaert || m_gemmer)
        return;
    const QScopedValueRollback vagt(m_gemmer, true);
    const bool mappe = QFileInfo(skrevetSti(tekst, funk->FGrundmappe)).isDir();
    QString fil;
    if (!skrevetFil(tekst, &fil)) {
        if (mappe)
            EditFilnavn->setText(m_gemNavn);   // a folder was typed: it shows, the name stays
        return;
    }
    Filnavnet = fil;
    if (!m_vaert->gemAktivSom(Filnavnet))
        return;
    // The save may have added the document's extension: the name is the document's now.
    const QList<TDokumentVaert::Dokument> docs = m_vaert->aabneDokumenter();
    const QString gemt = docs.isEmpty() || docs.constFirst().filnavn.isEmpty() ? Filnavnet : docs.constFirst().filnavn;
    visMappe(foraelder(gemt));
    m_gemNavn = sidsteDel(gemt);
    EditFilnavn->setText(m_gemNavn);
}

void Topenfilform::dobbeltKlik(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    // The entry under the cursor, also when the cursor was moved without selecting.
    if (!funk->selection()->isSelected(index))
        funk->vaelg(index.row());
    funk->infoStruktur2();
    if (funk->FFilnavn.isEmpty()) {
        funk->udfoldFilDirectory();
    } else if (boxType == 1) {
        EditFilnavn->setText(sidsteDel(funk->FFilnavn));
        gem();
    } else {
        aRedigerDokument->trigger();
    }
}

void Topenfilform::redigeringSlut(int row, const QString &text)
{
    const QString old = OldNodeTekst.isEmpty() ? funk->model()->entries().value(row).navn : OldNodeTekst;
    funk->RenameNode(row, old, text, nyMappeErOprettet);
    nyMappeErOprettet = false;
    OldNodeTekst.clear();
    funk->infoStruktur2();
}

void Topenfilform::drop(int row, bool intern, const QList<QUrl> &urls)
{
    if (!intern) {
        // From the desktop: always a copy, into the folder under the mouse.
        funk->InitRegister();
        bool any = false;
        for (const QUrl &u : urls)
            if (u.isLocalFile())
                any = funk->RegisterElements(u.toLocalFile()) || any;
        if (any) {
            funk->getFocusFilDirectory(row);
            if (row < 0)
                funk->selection()->clearSelection();
            funk->PasteElementer(false);
        }
        opdaterActions();
        return;
    }
    if (sourceDir.isEmpty() || !QFileInfo(sourceDir).isDir())
        return;
    destDir = funk->getFocusFilDirectory(row);
    if (row < 0)
        funk->selection()->clearSelection();
    klipAfterCopy = platform::drevFor(sourceDir).rod == platform::drevFor(destDir).rod;
    const int n = funk->PasteElementer(klipAfterCopy);
    rapport(klipAfterCopy ? "Der blev flyttet " : "Der blev indsat ", n);
    sourceDir.clear();
    destDir.clear();
}
