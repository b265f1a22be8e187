#include "information/informationform.h"

#include "core/programfolder.h"

#include "codewriting/dokumentvaert.h"
#include "core/optionfile.h"
#include "information/findinfoform.h"
#include "information/infosoeg.h"
#include "information/struktur.h"
#include "information/strukturfiler.h"
#include "information/strukturikoner.h"
#include "information/urlform.h"
#include "information/webrude.h"
#include "platform/infobox.h"
#include "platform/vinduesplads.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct Indbygget {
    const char *navn, *caption, *hint;
    TInfoType type;
};
constexpr Indbygget kIndbyggede[] = {
    {"Programmet", "Program", "Vis program informations struktur", itProgram},
    {"Information", "HTML", "Vis HTML informations struktur", itHtml},
    {"Eksempler", "Eksempler", "Vis struktur med eksempler", itAndet},
    {"CSS", "CSS", "Vis CSS informations struktur", itCss},
    {"JavaScript", "JavaScript", "Vis JavaScript informations struktur", itJs},
    {"VBS", "VbScript", "Vbs informationsstruktur", itVbs},
};

// The results of the "Søg" tab: a small round bullet in the colour of the visual style, the
// name in black, a thin silver line along the bottom.
class FundTegner : public QStyledItemDelegate {
public:
    FundTegner(TDokumentVaert *vaert, QObject *parent) : QStyledItemDelegate(parent), m_vaert(vaert) {}
    QSize sizeHint(const QStyleOptionViewItem &o, const QModelIndex &i) const override
    {
        return {QStyledItemDelegate::sizeHint(o, i).width() + 20, 20};
    }
    void paint(QPainter *p, const QStyleOptionViewItem &o, const QModelIndex &i) const override
    {
        p->save();
        const int stil = m_vaert ? m_vaert->visuelStil() : 0;
        const bool valgt = o.state & QStyle::State_Selected;
        p->fillRect(o.rect, valgt ? o.palette.highlight() : QBrush(Qt::white));
        p->setRenderHint(QPainter::Antialiasing);
        const QRectF prik(o.rect.left() + 5, o.rect.center().y() - 4, 8, 8);
        if (stil == 1 || stil == 5 || stil == 7) {
            p->fillRect(prik, QColor(0xd0, 0x20, 0x20));
        } else {
            p->setPen(Qt::NoPen);
            p->setBrush(stil == 0 ? QColor(0x90, 0xee, 0x90) : QColor(0x9a, 0xcd, 0x32));
            p->drawEllipse(prik);
        }
        p->setPen(valgt ? o.palette.highlightedText().color() : QColor(Qt::black));
        p->drawText(o.rect.adjusted(20, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, i.data().toString());
        p->setPen(QColor(0xc0, 0xc0, 0xc0));
        p->drawLine(o.rect.bottomLeft(), o.rect.bottomRight());
        p->restore();
    }

private:
    TDokumentVaert *m_vaert;
};

QToolButton *knap(QWidget *parent, const char *navn, const QString &tekst, const QString &hint, const char *ikon = nullptr)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(navn));
    b->setText(tekst);
    b->setToolTip(hint);
    b->setStatusTip(hint);
    if (ikon) {
        b->setIcon(QIcon::fromTheme(QString::fromLatin1(ikon)));
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
    return b;
}

QAction *handling(QObject *parent, const char *navn, const QString &hint, const char *ikon)
{
    auto *a = new QAction(QIcon::fromTheme(QString::fromLatin1(ikon)), hint, parent);
    a->setObjectName(QString::fromLatin1(navn));
    a->setToolTip(hint);
    a->setStatusTip(hint);
    return a;
}

} // namespace

Tinfoform::Tinfoform(TDokumentVaert *vaert, const QString &strukturdir_, const QString &optdir, QWidget *parent)
    : QWidget(parent, Qt::Window), strukturdir(strukturdir_), m_vaert(vaert), m_optdir(optdir)
{
    setObjectName(QStringLiteral("Tinfoform"));
    setWindowTitle(QStringLiteral("Strukturer"));
    lavVindue();
    hentOptioner();
    createStrukturPU(information::strukturNavne(strukturdir));
}

Tinfoform::~Tinfoform() = default;

void Tinfoform::lavVindue()
{
    setMinimumHeight(500);
    auto *lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(0);

    auto *top = new QToolBar(this);
    top->setObjectName(QStringLiteral("topBar"));
    redigerCheck = new QCheckBox(QStringLiteral("Rediger"), top);
    redigerCheck->setObjectName(QStringLiteral("redigerCheck"));
    redigerCheck->setToolTip(QStringLiteral("Rediger dokumenter"));
    redigerCheck->setStatusTip(redigerCheck->toolTip());
    connect(redigerCheck, &QCheckBox::toggled, this, &Tinfoform::setRedigerStrukturDokument);
    top->addWidget(redigerCheck);
    top->addSeparator();
    for (const Indbygget &s : kIndbyggede) {
        auto *b = knap(top, (QByteArray("strukturKnap") + s.navn).constData(), QString::fromUtf8(s.caption),
                       QString::fromUtf8(s.hint));
        const QString navn = QString::fromLatin1(s.navn) + QStringLiteral(".txt");
        connect(b, &QToolButton::clicked, this, [this, navn] {
            if (m_vaert) m_vaert->HelpInfo(navn, {}); else HelpInfo(navn, {});
        });
        top->addWidget(b);
    }
    lay->addWidget(top);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setChildrenCollapsible(false);
    lay->addWidget(m_splitter, 1);

    // Left: the structure and the search tab.
    leftPanel = new QWidget(m_splitter);
    leftPanel->setObjectName(QStringLiteral("leftPanel"));
    auto *vl = new QVBoxLayout(leftPanel);
    vl->setContentsMargins(0, 0, 0, 0);
    infoBog = new QTabWidget(leftPanel);
    infoBog->setObjectName(QStringLiteral("infoBog"));
    vl->addWidget(infoBog);

    auto *strukturSide = new QWidget;
    auto *sl = new QVBoxLayout(strukturSide);
    sl->setContentsMargins(2, 2, 2, 2);
    auto *sbar = new QToolBar(strukturSide);
    tbStruktur = knap(sbar, "tbStruktur", QStringLiteral("Strukturer"), QStringLiteral("Alle strukturer"), "view-list-tree");
    strukturPU = new QMenu(tbStruktur);
    strukturPU->setObjectName(QStringLiteral("strukturPU"));
    strukturPU->setToolTipsVisible(true);
    tbStruktur->setMenu(strukturPU);
    tbStruktur->setPopupMode(QToolButton::InstantPopup);
    expandKnap = knap(sbar, "expandKnap", QStringLiteral("Udfold"), QStringLiteral("Udfold struktur"), "zoom-in");
    collapseKnap = knap(sbar, "collapseKnap", QStringLiteral("Sammenfold"), QStringLiteral("Sammenfold struktur"), "zoom-out");
    tbSearchFiles = knap(sbar, "tbSearchFiles", QStringLiteral("Søg"), QStringLiteral("Søg i informationen"), "edit-find");
    tbRediger = knap(sbar, "tbRediger", QStringLiteral("Rediger"), QStringLiteral("Åben aktuelle side til redigering"), "document-edit");
    for (QToolButton *b : {tbStruktur, expandKnap, collapseKnap, tbSearchFiles, tbRediger})
        sbar->addWidget(b);
    sl->addWidget(sbar);
    Struktur = new TStruktur(strukturSide);
    Struktur->setObjectName(QStringLiteral("Struktur"));
    Struktur->DataOn = true;
    Struktur->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Struktur->setIkoner(information::strukturIkoner());
    Struktur->installEventFilter(this);
    sl->addWidget(Struktur, 1);
    infoBog->addTab(strukturSide, QStringLiteral("Struktur"));
    connect(expandKnap, &QToolButton::clicked, Struktur, &QTreeWidget::expandAll);
    connect(collapseKnap, &QToolButton::clicked, Struktur, &QTreeWidget::collapseAll);
    connect(tbSearchFiles, &QToolButton::clicked, this, &Tinfoform::tbSearchFilesExecute);
    connect(tbRediger, &QToolButton::clicked, this, &Tinfoform::tbRedigerExecute);
    connect(Struktur, &QTreeWidget::itemClicked, this, [this] { StrukturClick(); });
    connect(Struktur, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *n) {
        if (n && autoUdfold) n->setExpanded(true);
    });

    auto *soegSide = new QWidget;
    auto *gl = new QVBoxLayout(soegSide);
    gl->setContentsMargins(2, 2, 2, 2);
    auto *linje = new QHBoxLayout;
    EditFind = new QLineEdit(soegSide);
    EditFind->setObjectName(QStringLiteral("EditFind"));
    aSearch = handling(this, "aSearch", QStringLiteral("Søg i aktuelle struktur: Ctrl+Alt+F eller skriv og tryk Enter"), "edit-find");
    aSearch->setShortcut(QKeySequence(QStringLiteral("Ctrl+Alt+F")));
    aSearch->setEnabled(false);
    addAction(aSearch);
    connect(aSearch, &QAction::triggered, this, &Tinfoform::aSearchExecute);
    connect(EditFind, &QLineEdit::textChanged, this, [this](const QString &t) { aSearch->setEnabled(!t.isEmpty()); });
    connect(EditFind, &QLineEdit::returnPressed, aSearch, &QAction::trigger);
    sButton = new QToolButton(soegSide);
    sButton->setObjectName(QStringLiteral("sButton"));
    sButton->setDefaultAction(aSearch);
    linje->addWidget(EditFind, 1);
    linje->addWidget(sButton);
    gl->addLayout(linje);
    FindisBox = new QListWidget(soegSide);
    FindisBox->setObjectName(QStringLiteral("FindisBox"));
    FindisBox->setItemDelegate(new FundTegner(m_vaert, FindisBox));
    FindisBox->setUniformItemSizes(true);
    connect(FindisBox, &QListWidget::itemClicked, this, [this](QListWidgetItem *it) {
        visFil(Struktur->Infomappe + it->text() + QStringLiteral(".html"));
    });
    gl->addWidget(FindisBox, 1);
    infoBog->addTab(soegSide, QStringLiteral("Søg"));
    connect(infoBog, &QTabWidget::currentChanged, this, [this] { infoBar->clearMessage(); });

    // Right: navigation, address field and the pane.
    auto *hoejre = new QWidget(m_splitter);
    hoejre->setMinimumWidth(400);
    auto *hl = new QVBoxLayout(hoejre);
    hl->setContentsMargins(0, 0, 0, 0);
    hl->setSpacing(0);
    auto *nav = new QToolBar(hoejre);
    nav->setObjectName(QStringLiteral("navigationBar"));
    strukVisKnap = knap(nav, "strukVisKnap", QStringLiteral("Struktur"), QStringLiteral("Åben eller luk strukturen"), "view-sidetree");
    strukVisKnap->setCheckable(true);
    strukVisKnap->setChecked(true);
    connect(strukVisKnap, &QToolButton::toggled, this, &Tinfoform::visVenstrePanel);
    nav->addWidget(strukVisKnap);
    Afirst = handling(this, "Afirst", QStringLiteral("Gå til første"), "go-first");
    Aback = handling(this, "Aback", QStringLiteral("Tilbage"), "go-previous");
    Aforward = handling(this, "Aforward", QStringLiteral("Frem"), "go-next");
    Alast = handling(this, "Alast", QStringLiteral("Gå til sidste"), "go-last");
    connect(Afirst, &QAction::triggered, this, [this] { visUrlIndex(0); });
    connect(Aback, &QAction::triggered, this, [this] { visUrlIndex(qMax(0, besoegte.urlIndex - 1)); });
    connect(Aforward, &QAction::triggered, this, [this] {
        visUrlIndex(qMin(int(besoegte.liste.size()) - 1, besoegte.urlIndex + 1));
    });
    connect(Alast, &QAction::triggered, this, [this] { visUrlIndex(int(besoegte.liste.size()) - 1); });
    nav->addActions({Afirst, Aback, Aforward, Alast});
    Edit = new QLineEdit(nav);
    Edit->setObjectName(QStringLiteral("Edit"));
    nav->addWidget(Edit);
    Ago = handling(this, "Ago", QStringLiteral("Opdater/Gå"), "go-jump");
    Ago->setEnabled(false);
    connect(Ago, &QAction::triggered, this, &Tinfoform::AgoExecute);
    connect(Edit, &QLineEdit::textChanged, this, [this](const QString &t) { Ago->setEnabled(!t.isEmpty()); });
    connect(Edit, &QLineEdit::returnPressed, Ago, &QAction::trigger);
    nav->addAction(Ago);
    urlListeKnap = knap(nav, "urlListeKnap", QStringLiteral("Urlliste"), QStringLiteral("Åben urllisten"), "view-history");
    connect(urlListeKnap, &QToolButton::clicked, this, [this] {
        urlform()->show();
        urlform()->raise();
    });
    nav->addWidget(urlListeKnap);
    hl->addWidget(nav);
    Web = new QWidget(hoejre);
    Web->setObjectName(QStringLiteral("Web"));
    auto *wl = new QVBoxLayout(Web);
    wl->setContentsMargins(0, 0, 0, 0);
    hl->addWidget(Web, 1);
    m_splitter->setStretchFactor(1, 1);

    infoBar = new QStatusBar(this);
    infoBar->setObjectName(QStringLiteral("infoBar"));
    lay->addWidget(infoBar);
    opdaterNavigation();
}

void Tinfoform::hentOptioner()
{
    // Each line that is there and whole counts; the rest keeps its default.
    core::OptionReader r(m_optdir + QStringLiteral("information.txt"), 0);
    const int hoejde = r.hasInteger(2) ? qMax(500, r.integer(2)) : 600;
    m_venstreBredde = r.hasInteger(3) ? qBound(100, r.integer(3), 2000) : 300;
    const bool vis = r.hasInteger(4) ? r.integer(4) != 0 : true;
    autoUdfold = r.hasInteger(5) ? r.integer(5) != 0 : false;
    const int bredde = (vis ? m_venstreBredde : 0) + 560;
    int top = r.hasInteger(0) ? r.integer(0) : -1, left = r.hasInteger(1) ? r.integer(1) : -1;
    if (top < 0 || left < 0) {
        const QRect s = QGuiApplication::primaryScreen()->availableGeometry();
        left = s.center().x() - bredde / 2;
        top = s.center().y() - hoejde / 2;
    }
    platform::placerVindue(this, left, top, bredde, hoejde);
    m_splitter->setSizes({m_venstreBredde, 560});
    strukVisKnap->setChecked(vis);
    leftPanel->setVisible(vis);
}

void Tinfoform::gemOptioner()
{
    if (leftPanel->isVisible())
        m_venstreBredde = leftPanel->width();
    core::OptionWriter()
        .add(pos().y()).add(pos().x()).add(height()).add(m_venstreBredde)
        .add(leftPanel->isVisible()).add(autoUdfold)
        .write(m_optdir + QStringLiteral("information.txt"));
}

void Tinfoform::closeEvent(QCloseEvent *event)
{
    if (redigerStrukturDokument)
        redigerCheck->setChecked(false);
    gemOptioner();
    QWidget::closeEvent(event);
}

void Tinfoform::createStrukturPU(const QStringList &strukturboks)
{
    strukturPU->clear();
    for (const QString &navn : strukturboks) {
        QAction *a = strukturPU->addAction(navn);
        a->setToolTip(QStringLiteral("Informationsstruktur"));
        a->setStatusTip(a->toolTip());
        connect(a, &QAction::triggered, this, [this, a] {   // PUonclick
            QString n = a->text();
            n.remove(u'&');
            if (m_vaert) m_vaert->HelpInfo(n, {}); else HelpInfo(n, {});
        });
    }
}

void Tinfoform::HelpInfo(const QString &aStrukturnavn, const QString &S)
{
    QString navn = aStrukturnavn;
    const qsizetype punkt = navn.lastIndexOf(u'.');
    if (punkt > navn.lastIndexOf(u'/') && punkt > navn.lastIndexOf(u'\\'))
        navn.truncate(punkt);
    if (navn != strukturnavn)
        LoadStruktur(navn);
    goToInfo(S, true);
    if (isHidden())
        show();
    raise();
    activateWindow();
}

void Tinfoform::saetStrukturFelter(const QString &mappe)
{
    besoegte.slet();
    if (m_urlform)
        m_urlform->opdater();
    Mappe = mappe + QStringLiteral("/tekstfiler");
    Struktur->Strukturfile = mappe + QStringLiteral("/struktur.txt");
    Struktur->Datafile = mappe + QStringLiteral("/data.txt");
    Struktur->Infomappe = Mappe + u'/';
    Struktur->Htmlmappe = Mappe + QStringLiteral("/Design og funktioner/");
    Struktur->Billedmappe = mappe + QStringLiteral("/Billeder/");
    opdaterNavigation();
}

bool Tinfoform::LoadStruktur(const QString &aStrukturname)
{
    const QString mappe = strukturdir + aStrukturname;
    if (aStrukturname.isEmpty() || !information::sikkerDatatekst(aStrukturname) || !QFileInfo(mappe).isDir()) {
        platform::infoBox(this, QStringLiteral("Strukturen blev ikke fundet!"));
        return false;
    }
    if (aStrukturname.compare(strukturnavn, Qt::CaseInsensitive) == 0)
        return false;
    const bool vbs = aStrukturname.compare(QStringLiteral("VBS"), Qt::CaseInsensitive) == 0;
    Struktur->setIkoner(vbs ? information::objektIkoner() : information::strukturIkoner());
    infoType = itAndet;
    for (const Indbygget &s : kIndbyggede)
        if (aStrukturname.compare(QLatin1String(s.navn), Qt::CaseInsensitive) == 0)
            infoType = s.type;
    saetStrukturFelter(mappe);
    strukturnavn = aStrukturname;
    if (!Struktur->HentStruktur() && !Struktur->fejl().isEmpty())
        platform::errorBox(this, Struktur->fejl());
    setWindowTitle(strukturnavn);
    if (Struktur->topLevelItemCount() == 0)
        platform::infoBox(this, QStringLiteral("Der er ingen elementer i strukturen!"));
    return true;
}

void Tinfoform::LoadStrukturen()
{
    const QString fil = strukturdir + strukturnavn;
    const QFileInfo fi(fil);
    if (fi.suffix().isEmpty() || !fi.isFile())
        return;
    saetStrukturFelter(strukturdir + fi.completeBaseName());
    if (!Struktur->HentStruktur() && !Struktur->fejl().isEmpty())
        platform::errorBox(this, Struktur->fejl());
    setWindowTitle(strukturnavn);
}

bool Tinfoform::goToInfo(const QString &openNodetekst, bool notFound)
{
    const QList<QTreeWidgetItem *> noder = Struktur->alleNoder();
    if (noder.isEmpty())
        return false;
    const int i = information::findTitel(TStruktur::titler(noder), int(noder.indexOf(Struktur->currentItem())), openNodetekst);
    if (i >= 0) {
        QTreeWidgetItem *n = noder[i];
        Struktur->setCurrentItem(n);
        n->setExpanded(true);
        Struktur->scrollToItem(n);
        if (infoType == itJs && !findisSearch && noder[i]->text(0) != openNodetekst)
            platform::infoBox(this, QStringLiteral("Der er en syntaksfejl.") + QString(13, u' ') + QStringLiteral("\r\r")
                                        + openNodetekst + u'\r' + noder[i]->text(0));
        findisSearch = false;
        StrukturClick();
        return true;
    }
    if (!notFound)
        return false;
    if (findisSearch) {
        findisSearch = false;
        Edit->setText(openNodetekst);
        AgoExecute();
    } else {
        Struktur->setCurrentItem(noder.first());
        StrukturClick();
    }
    return false;
}

void Tinfoform::StrukturClick()
{
    QTreeWidgetItem *n = Struktur->currentItem() ? Struktur->currentItem() : Struktur->forsteNode();
    if (!n)
        return;
    const QString d = TStruktur::datatekst(n);
    if (!d.isEmpty() && !information::sikkerDatatekst(d)) {
        platform::infoBox(this, information::usikkerDatatekstBesked(d));
        return;
    }
    const QString fil = Struktur->sidefil(n);
    if (!fil.isEmpty() && QFileInfo(fil).isFile())
        visFil(fil);
}

bool Tinfoform::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Struktur && event->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(event)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space) {
            StrukturClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Tinfoform::AgoExecute()
{
    if (Edit->text().isEmpty())
        return;
    visUrl(information::adresseFor(Struktur->Infomappe, Edit->text()));
}

bool Tinfoform::sikrWeb()
{
    if (m_web)
        return true;
    information::TWebRude *r = information::lavWebRude(Web, &m_webFejl);
    if (!r) {
        platform::errorBox(this, m_webFejl);
        return false;
    }
    m_web.reset(r);
    Web->layout()->addWidget(r->widget());
    r->sideFaerdig = [this](bool) { sideFaerdig(m_web->adresse()); };
    r->linkOver = [this](const QUrl &url) { linkOver(url); };
    r->egenMappe = core::ProgramFolder::programDir() + QStringLiteral("Struktur/");
    r->nytVindueAdresse = [this] {
        if (globalUrl.isEmpty())
            return QUrl();
        hjemmeside = globalUrl;
        return QUrl(globalUrl);
    };
    return true;
}

void Tinfoform::visFil(const QString &fil)
{
    visUrl(QUrl::fromLocalFile(fil));
}

void Tinfoform::visUrl(const QUrl &url)
{
    hjemmeside = url.isLocalFile() ? url.toLocalFile() : url.toString();
    if (sikrWeb())
        m_web->visAdresse(url);
}

void Tinfoform::linkOver(const QUrl &url)
{
    infoBar->clearMessage();
    globalUrl.clear();
    if (url.isValid() && !url.isEmpty()) {
        globalUrl = url.toString();
        infoBar->showMessage(globalUrl);
    }
}

void Tinfoform::sideFaerdig(const QUrl &url)
{
    const QString navn = information::lokationsnavn(Struktur->Infomappe, url);
    if (navn.isEmpty())
        return;   // not a page of the structure
    if (naviKlikket)
        naviKlikket = false;
    else
        besoegte.besoegt(navn);
    if (m_urlform)
        m_urlform->opdater();
    opdaterNavigation();
    Edit->setText(navn);
    const QString base = QFileInfo(navn).completeBaseName();
    for (QTreeWidgetItem *n : Struktur->alleNoder())
        if (TStruktur::datatekst(n) == base) {
            const QSignalBlocker b(Struktur);
            Struktur->setCurrentItem(n);
            Struktur->scrollToItem(n);
            break;
        }
    if (redigerStrukturDokument && m_vaert) {
        const QString fil = Struktur->Infomappe + navn;
        if (fil.compare(filnavn, Qt::CaseInsensitive) != 0) {
            if (!filnavn.isEmpty() && QFileInfo(filnavn).isFile())
                m_vaert->lukFil(filnavn);
            filnavn = fil;
            if (QFileInfo(fil).isFile()) {
                m_vaert->visFilMappe(QFileInfo(fil).absolutePath());
                m_vaert->aabnFil(fil, QStringLiteral(".html"));
            }
        }
    }
    emit sideVist(navn);
}

void Tinfoform::visSidenIgen()
{
    if (m_web && !m_web->adresse().isEmpty())
        m_web->visAdresse(m_web->adresse());
}

void Tinfoform::visUrlIndex(int index)
{
    if (index < 0 || index >= besoegte.liste.size())
        return;
    besoegte.urlIndex = index;
    naviKlikket = true;
    if (m_urlform)
        m_urlform->opdater();
    opdaterNavigation();
    visFil(Struktur->Infomappe + besoegte.liste[index]);
}

void Tinfoform::sletListe()
{
    besoegte.slet();
    if (m_urlform)
        m_urlform->opdater();
    opdaterNavigation();
}

void Tinfoform::rensListe()
{
    const QString besked = information::rensBesked(besoegte.rens());
    if (m_urlform) {
        m_urlform->opdater();
        m_urlform->infoBar->showMessage(besked);
    }
    infoBar->showMessage(besked);
    opdaterNavigation();
}

void Tinfoform::opdaterNavigation()
{
    Afirst->setEnabled(besoegte.kanFoerste());
    Aback->setEnabled(besoegte.kanTilbage());
    Aforward->setEnabled(besoegte.kanFrem());
    Alast->setEnabled(besoegte.kanSidste());
}

void Tinfoform::aSearchExecute()
{
    if (!QFileInfo(Mappe).isDir()) {
        platform::infoBox(this, QStringLiteral("Filerne blev ikke fundet."));
        return;
    }
    if (EditFind->text().isEmpty()) {
        platform::infoBox(this, QStringLiteral("Der mangler en søgetekst."));
        return;
    }
    FindisBox->clear();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QStringList fund = information::soegSider(Mappe, EditFind->text());
    FindisBox->addItems(fund);
    QApplication::restoreOverrideCursor();
    const qsizetype n = fund.size();
    infoBar->showMessage(n == 0 ? QStringLiteral("Der blev ikke fundet forekomster.")
                         : n == 1 ? QStringLiteral("Der blev fundet 1 side.")
                                  : QStringLiteral("Der blev fundet %1 sider.").arg(n));
}

void Tinfoform::tbRedigerExecute()
{
    if (!hjemmeside.isEmpty() && QFileInfo(hjemmeside).isFile()) {
        if (m_vaert)
            m_vaert->aabnFil(hjemmeside, u'.' + QFileInfo(hjemmeside).suffix());
    } else {
        platform::infoBox(this, QStringLiteral("Filen blev ikke fundet."));
    }
}

void Tinfoform::setRedigerStrukturDokument(bool on)
{
    redigerStrukturDokument = on;
    if (redigerCheck->isChecked() != on)
        redigerCheck->setChecked(on);
}

void Tinfoform::tbSearchFilesExecute()
{
    Tfindinfoform *f = findinfoform();
    static const QHash<int, int> valg = {{itHtml, 0}, {itCss, 1}, {itJs, 2}, {itVbs, 3}, {itProgram, 4}};
    if (valg.contains(infoType))
        f->vaelgStruktur(valg.value(infoType));
    f->show();
    f->raise();
    f->activateWindow();
}

void Tinfoform::visVenstrePanel(bool vis)
{
    if (!vis && leftPanel->isVisible())
        m_venstreBredde = leftPanel->width();
    leftPanel->setVisible(vis);
    const int b = vis ? m_venstreBredde + 560 : 560;
    setMinimumWidth(b);
    resize(b, height());
    if (vis)
        m_splitter->setSizes({m_venstreBredde, 560});
}

Turlform *Tinfoform::urlform()
{
    if (!m_urlform)
        m_urlform = new Turlform(this, m_optdir, this);
    return m_urlform;
}

Tfindinfoform *Tinfoform::findinfoform()
{
    if (!m_findinfoform)
        m_findinfoform = new Tfindinfoform(this, m_vaert, m_optdir, parentWidget() ? parentWidget() : this);
    return m_findinfoform;
}
