#include "filemanager/filinfo.h"

#include "core/fejltekst.h"
#include "core/stoerrelse.h"
#include "filemanager/filnavne.h"
#include "filemanager/mappeliste.h"
#include "platform/drev.h"
#include "platform/infobox.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QThread>
#include <QToolButton>
#include <QVBoxLayout>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace filemanager {

MappeIndhold taelMappe(const QString &folder, const std::atomic<bool> &stop,
                       const std::function<void(const MappeIndhold &)> &undervejs)
{
    MappeIndhold m;
    QList<QByteArray> todo{QFile::encodeName(folder)};
    qint64 n = 0;
    for (bool foerste = true; !todo.isEmpty() && !stop; foerste = false) {
        const QByteArray dir = todo.takeLast();
        DIR *d = ::opendir(dir.constData());
        if (!d) {
            const int e = errno;
            if (foerste)
                m.fejl = core::fejlGrund(e, QString::fromLocal8Bit(std::strerror(e)), folder);
            else
                ++m.ulaeseligeMapper;
            continue;
        }
        const QByteArray base = dir.endsWith('/') ? dir : dir + '/';
        while (const dirent *e = ::readdir(d)) {
            if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0)
                continue;
            struct stat st;
            if (::fstatat(::dirfd(d), e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
                ++m.filer;
                continue;
            }
            if (S_ISDIR(st.st_mode)) {
                ++m.mapper;
                todo << base + e->d_name;
            } else {
                ++m.filer;
                if (!S_ISLNK(st.st_mode))
                    m.stoerrelse += st.st_size;
            }
            if (++n % 2000 == 0 && undervejs)
                undervejs(m);
        }
        ::closedir(d);
    }
    return m;
}

QString indholdTekst(const MappeIndhold &m)
{
    if (!m.fejl.isEmpty())
        return ulaeseligMappeTekst(m.fejl);
    const QLocale l;
    QString t = l.toString(m.filer) + QStringLiteral(" filer, ") + l.toString(m.mapper) + QStringLiteral(" mapper");
    if (m.ulaeseligeMapper == 1)
        t += QStringLiteral("\r1 undermappe kunne ikke læses og er ikke talt med.");
    else if (m.ulaeseligeMapper > 1)
        t += QStringLiteral("\r") + l.toString(m.ulaeseligeMapper) + QStringLiteral(" undermapper kunne ikke læses og er ikke talt med.");
    return t;
}

namespace {
QString artAf(const QString &ext)
{
    static const QList<std::pair<QStringList, const char *>> arter = {
        {{"mp4", "m4v", "avi", "mov", "wmv", "mpg", "ts"}, "Videofil: "},
        {{"mp3", "m4a"}, "Musikfil: "},
        {{"bmp", "jpg", "ico", "gif", "png", "jpeg", "tif", "tiff", "emf", "wmf"}, "Billedfil: "},
        {{"txt"}, "Tekstfil: "},
        {{"html", "htm", "asp"}, "Webfil: "},
        {{"js", "vbs"}, "Scriptfil: "},
        {{"css"}, "Stylesheet: "},
        {{"wsf"}, "Window script fil: "},
        {{"inc"}, "Includefil: "},
        {{"bat"}, "Batchfil: "},
        {{"pas"}, "Delphi/Pascalfil: "},
        {{"lnk"}, "Genvej: "}};
    for (const auto &[exts, tekst] : arter)
        if (exts.contains(ext))
            return QString::fromUtf8(tekst);
    return {};
}
}

QString filtypeTekst(const QString &path)
{
    const QString ext = extensionMedPunktum(sidsteDel(path)).mid(1).toLower();
    return artAf(ext) + ext.toUpper() + QStringLiteral("-fil (.") + ext + u')';
}

QString dokumentType(const QString &ext)
{
    static const QHash<QString, const char *> typer = {
        {".txt", "Tekst"}, {".html", "Hjemmeside"}, {".xml", "XML"}, {".js", "Javascript"},
        {".css", "Stylesheet"}, {".asp", "ASP"}, {".inc", "Includefile"}, {".rtf", "Rich Text"},
        {".wsf", "Window Script File"}, {".bat", "Batch file"}, {".vbs", "Visual Basic Script"},
        {".ps1", "Powershell script"}, {".png", "Billedfil"}, {".gif", "Billedfil"}, {".jpg", "Billedfil"},
        {".mp3", "Musikfil"}, {".m4a", "Musikfil"}, {".mp4", "Filmfil"}};
    const auto it = typer.constFind(ext);
    return it == typer.cend() ? QStringLiteral("Ikke registreret") : QString::fromUtf8(*it);
}

}

using namespace filemanager;

namespace {
QLabel *lbl(const char *name)
{
    auto *l = new QLabel;
    l->setObjectName(QString::fromLatin1(name));
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}
QLineEdit *ro(const char *name)
{
    auto *e = new QLineEdit;
    e->setObjectName(QString::fromLatin1(name));
    e->setReadOnly(true);
    return e;
}
QString tid(const QDateTime &t)
{
    return t.isValid() ? QLocale().toString(t, QLocale::ShortFormat) : QString();
}
}

Tfilinfoform::Tfilinfoform(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Tfilinfoform"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(false);
    Bog = new QTabWidget;
    Bog->setObjectName(QStringLiteral("Bog"));

    auto *side1 = new QWidget;
    side1->setObjectName(QStringLiteral("side1"));
    auto *f1 = new QFormLayout(side1);
    ikonBox = lbl("ikonBox");
    EditFilnavn = ro("EditFilnavn");
    auto *top = new QHBoxLayout;
    top->addWidget(ikonBox);
    top->addWidget(EditFilnavn, 1);
    f1->addRow(top);
    f1->addRow(QStringLiteral("Placering:"), EditPath = ro("EditPath"));
    f1->addRow(QStringLiteral("Størrelse:"), LabelSize = lbl("LabelSize"));
    f1->addRow(QStringLiteral("Oprettet:"), LabelOprettet = lbl("LabelOprettet"));
    f1->addRow(QStringLiteral("Ændret:"), LabelForandret = lbl("LabelForandret"));
    f1->addRow(QStringLiteral("Åbnet:"), LabelAabnet = lbl("LabelAabnet"));
    cbReadOnly = new QCheckBox(QStringLiteral("Skrivebeskyttet"));
    cbReadOnly->setObjectName(QStringLiteral("cbReadOnly"));
    cbHidden = new QCheckBox(QStringLiteral("Skjult"));
    cbHidden->setObjectName(QStringLiteral("cbHidden"));
    aAnvend = new QAction(QStringLiteral("Anvend"), this);
    aAnvend->setObjectName(QStringLiteral("aAnvend"));
    aAnvend->setToolTip(QStringLiteral("Sæt de nye attributværdier"));
    auto *anvendKnap = new QToolButton;
    anvendKnap->setDefaultAction(aAnvend);
    auto *attr = new QHBoxLayout;
    attr->addWidget(cbReadOnly);
    attr->addWidget(cbHidden);
    attr->addWidget(anvendKnap);
    f1->addRow(QStringLiteral("Attributter:"), attr);
    f1->addRow(QStringLiteral("Filtype:"), LabelFiltype = lbl("LabelFiltype"));
    Bog->addTab(side1, QStringLiteral("Fil"));

    auto *side2 = new QWidget;
    side2->setObjectName(QStringLiteral("Side2"));
    auto *f2 = new QFormLayout(side2);
    f2->addRow(EditDisknavn = ro("EditDisknavn"));
    f2->addRow(QStringLiteral("Ledig plads:"), LabelFreeSpace = lbl("LabelFreeSpace"));
    f2->addRow(QStringLiteral("Anvendt plads:"), LabelAnvendtSpace = lbl("LabelAnvendtSpace"));
    f2->addRow(QStringLiteral("Kapasitet:"), LabelKapasitet = lbl("LabelKapasitet"));
    ProgressBar = new QProgressBar;
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    f2->addRow(ProgressBar);
    f2->addRow(QStringLiteral("Type:"), LabelType = lbl("LabelType"));
    f2->addRow(QStringLiteral("Filsystem:"), LabelFilsystem = lbl("LabelFilsystem"));
    Bog->addTab(side2, QStringLiteral("Drev"));

    auto *side3 = new QWidget;
    side3->setObjectName(QStringLiteral("Side3"));
    auto *f3 = new QFormLayout(side3);
    f3->addRow(EditMappenavn = ro("EditMappenavn"));
    f3->addRow(QStringLiteral("Placering:"), LabelPlacering = lbl("LabelPlacering"));
    f3->addRow(QStringLiteral("Størrelse:"), LabelMappeSize = lbl("LabelMappeSize"));
    f3->addRow(QStringLiteral("Indeholder:"), LabelMappeIndhold = lbl("LabelMappeIndhold"));
    f3->addRow(QStringLiteral("Oprettet:"), LabeloprettelsesDato = lbl("LabeloprettelsesDato"));
    Bog->addTab(side3, QStringLiteral("Mappe"));
    // Only the page of the last request can be seen.
    connect(Bog, &QTabWidget::currentChanged, this, [this](int i) {
        if (i != SideNummer)
            Bog->setCurrentIndex(SideNummer);
    });

    aUdfold = new QAction(QIcon::fromTheme(QStringLiteral("zoom-in")), QStringLiteral("Udfold"), this);
    aUdfold->setObjectName(QStringLiteral("aUdfold"));
    aUdfold->setToolTip(QStringLiteral("Gør boksen større"));
    connect(aUdfold, &QAction::triggered, this, [this] { resize(width() + 140, height()); });
    aSammenfold = new QAction(QIcon::fromTheme(QStringLiteral("zoom-out")), QStringLiteral("Sammenfold"), this);
    aSammenfold->setObjectName(QStringLiteral("aSammenfold"));
    aSammenfold->setToolTip(QStringLiteral("Gør boksen mindre"));
    connect(aSammenfold, &QAction::triggered, this, [this] { resize(350, height()); });
    auto *luk = new QPushButton(QStringLiteral("Luk"));
    luk->setToolTip(QStringLiteral("Luk egenskabsboksen"));
    connect(luk, &QPushButton::clicked, this, &QDialog::close);
    auto *bund = new QHBoxLayout;
    auto *info = new QPushButton(QStringLiteral("Information"));
    info->setObjectName(QStringLiteral("ButtonInfo"));
    bund->addWidget(info);
    for (QAction *a : {aUdfold, aSammenfold}) {
        auto *b = new QToolButton;
        b->setDefaultAction(a);
        bund->addWidget(b);
    }
    bund->addStretch();
    bund->addWidget(luk);
    auto *l = new QVBoxLayout(this);
    l->addWidget(Bog);
    l->addLayout(bund);
    resize(360, 380);

    aAnvend->setEnabled(false);
    connect(cbReadOnly, &QCheckBox::clicked, aAnvend, [this] { aAnvend->setEnabled(true); });
    connect(cbHidden, &QCheckBox::clicked, aAnvend, [this] { aAnvend->setEnabled(true); });
    connect(aAnvend, &QAction::triggered, this, &Tfilinfoform::anvend);
}

Tfilinfoform::~Tfilinfoform()
{
    stopTaelling();
}

void Tfilinfoform::stopTaelling()
{
    if (m_stop)
        *m_stop = true;
    m_stop.reset();
}

bool Tfilinfoform::showFileInfo(const QString &path)
{
    stopTaelling();
    const QFileInfo info(path);
    if (!info.isFile()) {
        close();
        platform::errorBox(parentWidget(), QStringLiteral("Der opstod en fejl.\rFilen er muligvist i brug."));
        return false;
    }
    setWindowTitle(QStringLiteral("Fil egenskaber"));
    SideNummer = 0;
    Bog->setCurrentIndex(0);
    Filnavn = path;
    const QString ext = info.suffix().toLower();
    ikonBox->setPixmap(QIcon::fromTheme(QStringLiteral("text-x-generic")).pixmap(32, 32));
    EditFilnavn->setText(info.fileName());
    EditPath->setText(info.absolutePath() + u'/');
    LabelFiltype->setText(filtypeTekst(path));
    LabelSize->setText(core::formatStoerrelse(info.size()));
    LabelOprettet->setText(tid(info.birthTime().isValid() ? info.birthTime() : info.metadataChangeTime()));
    LabelForandret->setText(tid(info.lastModified()));
    LabelAabnet->setText(tid(info.lastRead()));
    cbReadOnly->setChecked(!info.isWritable() || !(info.permissions() & QFile::WriteOwner));
    cbHidden->setChecked(info.fileName().startsWith(u'.'));
    // Hiding is a name starting with a point here: it cannot be set without renaming.
    cbHidden->setEnabled(false);
    aAnvend->setEnabled(false);
    show();
    raise();
    return true;
}

void Tfilinfoform::anvend()
{
    aAnvend->setEnabled(false);
    if (!QFileInfo::exists(Filnavn))
        return;
    QFile f(Filnavn);
    QFile::Permissions p = f.permissions();
    if (cbReadOnly->isChecked())
        p &= ~(QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther);
    else
        p |= QFile::WriteOwner | QFile::WriteUser;
    if (!f.setPermissions(p))
        platform::errorBox(this, QStringLiteral("Der opstod en fejl.\r") + f.errorString());
    emit aendret();
}

bool Tfilinfoform::showMappeInfo(const QString &folder)
{
    stopTaelling();
    if (!QFileInfo(folder).isDir()) {
        platform::errorBox(parentWidget(), QStringLiteral("Mappen blev ikke fundet."));
        return false;
    }
    setWindowTitle(QStringLiteral("Mappe egenskaber"));
    SideNummer = 2;
    Bog->setCurrentIndex(2);
    EditMappenavn->setText(sidsteDel(folder));
    LabelPlacering->setText(foraelder(folder));
    LabelMappeSize->setText(core::formatStoerrelse(0));
    LabelMappeIndhold->setText(QStringLiteral("0 filer, 0 mapper"));
    const QFileInfo info(folder);
    LabeloprettelsesDato->setText(tid(info.birthTime().isValid() ? info.birthTime() : info.metadataChangeTime()));
    show();
    raise();
    // The count runs beside the window, which fills while the user watches.
    auto stop = std::make_shared<std::atomic<bool>>(false);
    m_stop = stop;
    QPointer<Tfilinfoform> self(this);
    QThread *t = QThread::create([stop, folder, self] {
        auto vis = [&](const MappeIndhold &m) {
            const QString s = core::formatStoerrelse(m.stoerrelse);
            const QString indhold = platform::displayText(indholdTekst(m));
            QMetaObject::invokeMethod(qApp, [self, stop, s, indhold] {
                if (self && !*stop) {
                    self->LabelMappeSize->setText(s);
                    self->LabelMappeIndhold->setText(indhold);
                }
            });
        };
        vis(taelMappe(folder, *stop, vis));
    });
    connect(t, &QThread::finished, t, &QObject::deleteLater);
    t->start();
    return true;
}

bool Tfilinfoform::showDriveInfo(const QString &path)
{
    stopTaelling();
    const platform::Drev d = platform::drevFor(path);
    setWindowTitle(QStringLiteral("Drev egenskaber"));
    SideNummer = 1;
    Bog->setCurrentIndex(1);
    // As df reports them: the blocks kept for the administrator are neither used nor part of
    // the size the user can have.
    const qint64 kap = d.klar ? platform::drevStoerrelse(d) : 0;
    const qint64 ledig = d.klar ? d.ledig : 0;
    const qint64 brugt = d.klar ? d.brugt : 0;
    EditDisknavn->setText(d.etiket + QStringLiteral(" (") + d.rod + u')');
    LabelType->setText(platform::drevTypeTekst(d.type));
    LabelFilsystem->setText(d.filsystem.isEmpty() ? QStringLiteral("Ukendt") : d.filsystem);
    LabelAnvendtSpace->setText(core::formatStoerrelse(brugt));
    LabelFreeSpace->setText(core::formatStoerrelse(ledig));
    LabelKapasitet->setText(core::formatStoerrelse(kap));
    ProgressBar->setValue(kap > 0 ? platform::brugtProcent(d) : 100);
    show();
    raise();
    return true;
}

// ---------------------------------------------------------------- picture

Tbilledform::Tbilledform(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Tbilledform"));
    setWindowTitle(QStringLiteral("Billede"));
    setMinimumSize(486, 333);
    billede = new QLabel;
    billede->setAlignment(Qt::AlignCenter);
    billede->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    status = new QLabel;
    status->setObjectName(QStringLiteral("billedStatus"));
    auto *l = new QVBoxLayout(this);
    l->addWidget(billede, 1);
    l->addWidget(status);
}

bool Tbilledform::LoadPicture(const QString &path)
{
    QImageReader r(path);
    r.setAutoTransform(true);
    const QImage img = r.read();
    if (img.isNull())
        return false;
    const QPixmap pm = QPixmap::fromImage(img);
    resize(qBound(486, pm.width() + 32, 800), qBound(333, pm.height() + 32, 600));
    billede->setPixmap(pm.scaled(QSize(width() - 24, height() - 56), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    status->setText(QStringLiteral("Bredde %1   Højde %2   Navn %3").arg(pm.width()).arg(pm.height()).arg(QFileInfo(path).fileName()));
    show();
    raise();
    return true;
}
