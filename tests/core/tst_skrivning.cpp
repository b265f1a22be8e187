// Writing files when the drive fails: every writer of the program reports a failed write and
// leaves the old file whole, whatever the size; and a save keeps the file the same file
// (owner, group, mode, hard links, symbolic links).
//
// The faults are real: the test runs with a preloaded library that makes write, pwrite and
// fsync fail under the test's folder as a full or failing drive does.

#include "core/optionfile.h"
#include "core/programfolder.h"
#include "core/textfile.h"
#include "ftp/ftpindstillinger.h"
#include "gendan/gendanlager.h"
#include "information/struktur.h"
#include "shell/reopenfiler.h"
#include "testsupport/testenv.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

#include <dlfcn.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

using Saet = void (*)(const char *, long long, int, int);

Saet fejlshim()
{
    return reinterpret_cast<Saet>(dlsym(RTLD_DEFAULT, "fejlshim_saet"));
}

// Arms the fault for the files under folder while it lives.
class Fejl {
public:
    Fejl(const QString &folder, long long bytes, int skriveFejl, int fsyncFejl)
    {
        fejlshim()(QFile::encodeName(folder).constData(), bytes, skriveFejl, fsyncFejl);
    }
    ~Fejl() { fejlshim()(nullptr, -1, 0, 0); }
};

QByteArray laes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<mangler>");
}

void skriv(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

// Text of about n bytes on disk, in lines as every writer writes them.
QString tekstAf(int n)
{
    QString t;
    while (t.size() + 40 <= n)
        t += QStringLiteral("<p>linje %1 med lidt tekst i</p>\r\n").arg(t.size(), 6, 10, QChar(u'0'));
    return t;
}

QStringList filerI(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

// Room for half the file the writer wrote before.
constexpr long long kHalvvejs = -2;

struct Skriver {
    // Writes text to path; true when the writer says it was written.
    std::function<bool(const QString &path, const QString &text)> skriv;
};

} // namespace

class TestSkrivning : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void failedWriteLeavesOldFile_data();
    void failedWriteLeavesOldFile();
    void recoveryCopyReportsFailedWrite();
    void saveKeepsTheFile_data();
    void saveKeepsTheFile();
    void failedInPlaceWriteRestoresTheFile();
    void newFileModes();
    void installOnAFullDisk();
};

void TestSkrivning::initTestCase()
{
    QVERIFY2(fejlshim(), "the test must run with the fault library preloaded (LD_PRELOAD)");
}

void TestSkrivning::failedWriteLeavesOldFile_data()
{
    QTest::addColumn<QString>("skriver");
    QTest::addColumn<int>("stoerrelse");
    QTest::addColumn<long long>("bytes");
    QTest::addColumn<int>("skriveFejl");
    QTest::addColumn<int>("fsyncFejl");

    const char *skrivere[] = {"dokument", "indstillinger", "struktur", "ftp", "genaabn"};
    const int stoerrelser[] = {0, 100, 4095, 16000, 1 << 20};
    for (const char *s : skrivere) {
        for (int n : stoerrelser) {
            // A 0-byte file needs no room: only the flush can fail it.
            if (n > 0) {
                QTest::addRow("%s %d: disk full", s, n) << s << n << 0LL << ENOSPC << 0;
                QTest::addRow("%s %d: full halfway", s, n) << s << n << kHalvvejs << ENOSPC << 0;
            }
            QTest::addRow("%s %d: flush fails", s, n) << s << n << -1LL << 0 << EIO;
        }
    }
}

void TestSkrivning::failedWriteLeavesOldFile()
{
    QFETCH(QString, skriver);
    QFETCH(int, stoerrelse);
    QFETCH(long long, bytes);
    QFETCH(int, skriveFejl);
    QFETCH(int, fsyncFejl);

    TestProgramFolder pf;
    ftp::setLager(nullptr);
    const QString mappe = pf.path(QStringLiteral("sted"));
    QVERIFY(QDir().mkpath(mappe));
    const QString fil = mappe + QStringLiteral("/fil.txt");
    const QString tekst = tekstAf(stoerrelse);

    QMap<QString, Skriver> skrivere;
    skrivere[QStringLiteral("dokument")] = {[](const QString &p, const QString &t) {
        return core::writeDocument(p, t, core::Encoding::Ansi).ok;
    }};
    skrivere[QStringLiteral("indstillinger")] = {[](const QString &p, const QString &t) {
        core::OptionWriter w;
        for (const QString &l : core::splitLines(t))
            w.add(l);
        QString fejl;
        const bool ok = w.write(p, &fejl);
        return ok && fejl.isEmpty();
    }};
    skrivere[QStringLiteral("struktur")] = {[](const QString &p, const QString &t) {
        TStruktur s;
        s.Strukturfile = p;
        s.Datafile = p + QStringLiteral(".data");
        s.DataOn = false;
        for (const QString &l : core::splitLines(t))
            s.addTopLevelItem(new QTreeWidgetItem({l}));
        return s.GemStruktur();
    }};
    skrivere[QStringLiteral("ftp")] = {[](const QString &p, const QString &t) {
        ftp::Forbindelse f;
        f.host = QStringLiteral("example.org");
        f.bruger = t.left(64000).simplified();   // one line, as large as a field may be
        f.password = QStringLiteral("hemmeligt");
        f.gemPassword = true;
        return ftp::gemForbindelse(p, f);
    }};
    skrivere[QStringLiteral("genaabn")] = {[](const QString &p, const QString &t) {
        TReopenFiler r;
        r.Itemfile = p;
        const QStringList linier = core::splitLines(t);
        for (const QString &l : linier)
            r.Ropen.append({l, QStringLiteral("/tmp/") + l});
        return r.GemReopenFiler();
    }};
    const Skriver s = skrivere.value(skriver);
    QVERIFY(s.skriv);

    // First a good version, then the faulty write of a new one.
    QVERIFY(s.skriv(fil, QStringLiteral("gammel\r\n") + tekst));
    const QByteArray gammel = laes(fil);
    const QStringList foer = filerI(mappe);
    bool ok = true;
    {
        Fejl f(mappe, bytes == kHalvvejs ? gammel.size() / 2 : bytes, skriveFejl, fsyncFejl);
        ok = s.skriv(fil, QStringLiteral("ny\r\n") + tekst + tekst);
    }
    QVERIFY2(!ok, "a failed write was reported as written");
    QCOMPARE(laes(fil), gammel);
    QCOMPARE(filerI(mappe), foer);   // no temporary file left behind
}

void TestSkrivning::recoveryCopyReportsFailedWrite()
{
    TestProgramFolder pf;
    gendan::TGendanLager lager(pf.programDir());
    QVERIFY(lager.aktiv());
    QSignalSpy fejl(&lager, &gendan::TGendanLager::skrivFejl);
    gendan::GendanPost post;
    post.filnavn = QStringLiteral("/tmp/side.html");
    post.tekst = "<p>gammel</p>";
    lager.skriv(1, post);
    lager.vent();
    const QByteArray gammel = laes(lager.filFor(1));
    QVERIFY(gammel.contains("gammel"));

    for (int n : {100, 4095, 16000, 1 << 20}) {
        post.tekst = QByteArray(n, 'x');
        {
            Fejl f(lager.mappe(), 0, ENOSPC, 0);
            lager.skriv(1, post);
            lager.vent();
        }
        QCOMPARE(laes(lager.filFor(1)), gammel);
    }
    QTRY_COMPARE(fejl.size(), 4);
    QVERIFY(fejl.first().first().toString().contains(QStringLiteral("Der er ikke plads på disken.")));
}

void TestSkrivning::saveKeepsTheFile_data()
{
    QTest::addColumn<QString>("slags");
    QTest::newRow("plain file") << "plain";
    QTest::newRow("0600") << "0600";
    QTest::newRow("other group") << "gruppe";
    QTest::newRow("other owner and group") << "ejer";
    QTest::newRow("hard link") << "haardlink";
    QTest::newRow("symbolic link") << "symlink";
    QTest::newRow("extended attribute") << "xattr";
}

void TestSkrivning::saveKeepsTheFile()
{
    QFETCH(QString, slags);
    QTemporaryDir dir;
    const QString fil = dir.filePath(QStringLiteral("side.html"));
    QString skrivTil = fil;
    skriv(fil, "<p>gammel</p>\r\n");
    const QByteArray sti = QFile::encodeName(fil);

    const bool root = geteuid() == 0;
    if (slags == QLatin1String("0600")) {
        QCOMPARE(chmod(sti.constData(), 0600), 0);
    } else if (slags == QLatin1String("gruppe") || slags == QLatin1String("ejer")) {
        // Another group (and owner) the program may give back: as root any; as a user one of
        // the user's other groups.
        gid_t gid = 4002;
        if (!root) {
            gid_t grupper[64];
            const int n = getgroups(64, grupper);
            gid = 0;
            for (int i = 0; i < n && !gid; ++i)
                if (grupper[i] != getegid())
                    gid = grupper[i];
            if (!gid)
                QSKIP("the user has no second group to give the file");
            if (slags == QLatin1String("ejer"))
                QSKIP("only root can give a file another owner");
        }
        const uid_t uid = slags == QLatin1String("ejer") ? 4001 : geteuid();
        QCOMPARE(chown(sti.constData(), uid, gid), 0);
        QCOMPARE(chmod(sti.constData(), 0640), 0);
    } else if (slags == QLatin1String("haardlink")) {
        QCOMPARE(link(sti.constData(), QFile::encodeName(dir.filePath(QStringLiteral("link.html"))).constData()), 0);
    } else if (slags == QLatin1String("symlink")) {
        skrivTil = dir.filePath(QStringLiteral("genvej.html"));
        QVERIFY(QFile::link(QStringLiteral("side.html"), skrivTil));
    } else if (slags == QLatin1String("xattr")) {
        if (setxattr(sti.constData(), "user.tavlevirke", "mærke", 6, 0) != 0)
            QSKIP("the temporary folder's file system keeps no user attributes");
    }
    struct stat foer {};
    QCOMPARE(stat(sti.constData(), &foer), 0);

    const core::ReadResult r = core::writeDocument(skrivTil, QStringLiteral("<p>ny</p>"), core::Encoding::Ansi);
    QVERIFY2(r.ok, qPrintable(r.error));

    QCOMPARE(laes(fil), QByteArray("<p>ny</p>\r\n"));
    struct stat efter {};
    QCOMPARE(stat(sti.constData(), &efter), 0);
    QCOMPARE(efter.st_uid, foer.st_uid);
    QCOMPARE(efter.st_gid, foer.st_gid);
    QCOMPARE(efter.st_mode, foer.st_mode);
    QCOMPARE(efter.st_nlink, foer.st_nlink);
    if (slags == QLatin1String("haardlink")) {
        QCOMPARE(efter.st_ino, foer.st_ino);
        QCOMPARE(laes(dir.filePath(QStringLiteral("link.html"))), QByteArray("<p>ny</p>\r\n"));
    }
    if (slags == QLatin1String("symlink"))
        QVERIFY(QFileInfo(skrivTil).isSymLink());
    if (slags == QLatin1String("xattr")) {
        char v[16] = {};
        QCOMPARE(getxattr(sti.constData(), "user.tavlevirke", v, sizeof v), ssize_t(6));
        QCOMPARE(QByteArray(v), QByteArray("mærke"));
    }
    // Nothing but the file (and its link) is left in the folder.
    QStringList ventet{QStringLiteral("side.html")};
    if (slags == QLatin1String("haardlink"))
        ventet << QStringLiteral("link.html");
    if (slags == QLatin1String("symlink"))
        ventet << QStringLiteral("genvej.html");
    ventet.sort();
    QCOMPARE(filerI(dir.path()), ventet);
}

void TestSkrivning::failedInPlaceWriteRestoresTheFile()
{
    // A hard-linked file is written in place; when the drive fills halfway, the old contents
    // come back from the safety copy and the copy goes.
    QTemporaryDir dir;
    const QString fil = dir.filePath(QStringLiteral("side.html"));
    const QByteArray gammel = QByteArray(3000, 'g');
    skriv(fil, gammel);
    QCOMPARE(link(QFile::encodeName(fil).constData(), QFile::encodeName(dir.filePath(QStringLiteral("link"))).constData()), 0);
    for (const auto &[bytes, skriveFejl, fsyncFejl] : {std::tuple{5000LL, ENOSPC, 0}, std::tuple{-1LL, 0, EIO}}) {
        core::ReadResult r;
        {
            Fejl f(dir.path(), bytes, skriveFejl, fsyncFejl);
            r = core::writeFileAtomic(fil, QByteArray(20000, 'n'));
        }
        QVERIFY(!r.ok);
        QVERIFY(!r.error.isEmpty());
        QCOMPARE(laes(fil), gammel);
        QCOMPARE(laes(dir.filePath(QStringLiteral("link"))), gammel);
        QCOMPARE(filerI(dir.path()), (QStringList{QStringLiteral("link"), QStringLiteral("side.html")}));
    }
}

void TestSkrivning::newFileModes()
{
    // A new file gets what the user's mask allows, as other programs' files do; a file that
    // holds a password is its owner's alone, also when it replaces a readable one.
    QTemporaryDir dir;
    const mode_t gammel = umask(022);
    const QString fil = dir.filePath(QStringLiteral("ny.html"));
    const QString hemmelig = dir.filePath(QStringLiteral("ftp.txt"));
    QVERIFY(core::writeFileAtomic(fil, "x").ok);
    skriv(hemmelig, "gammel");
    QVERIFY(core::writeFileAtomic(hemmelig, "password", true).ok);
    umask(gammel);
    struct stat st {};
    QCOMPARE(stat(QFile::encodeName(fil).constData(), &st), 0);
    QCOMPARE(st.st_mode & 0777, mode_t(0644));
    QCOMPARE(stat(QFile::encodeName(hemmelig).constData(), &st), 0);
    QCOMPARE(st.st_mode & 0777, mode_t(0600));
}

QTEST_MAIN(TestSkrivning)
// The installed data copied into a program folder on a full disk: each file is reported with
// the reason, none stands half-written under its name, and the next start copies them all.
void TestSkrivning::installOnAFullDisk()
{
    QTemporaryDir kilde, mappe;
    const QList<std::pair<QString, QByteArray>> filer = {
        {"Dir/Html/AlleKoder.txt", QByteArray("<p>\r\n").repeated(2000)},
        {"Dir/Css/Egenskaber/color.txt", QByteArray("red\r\n").repeated(1000)},
        {"top.txt", QByteArray("t\r\n").repeated(1500)},
    };
    for (const auto &[rel, bytes] : filer) {
        QDir(kilde.path()).mkpath(QFileInfo(rel).path());
        skriv(kilde.filePath(rel), bytes);
    }
    {
        Fejl f(mappe.path(), 3000, ENOSPC, 0);   // room for part of one file only
        const QStringList fejl = core::ProgramFolder::install(kilde.path(), mappe.path());
        QCOMPARE(fejl.size(), filer.size());
        for (const QString &linje : fejl)
            QVERIFY2(linje.endsWith(QStringLiteral("Der er ikke plads på disken.")), qPrintable(linje));
        QDirIterator it(mappe.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        QVERIFY2(!it.hasNext(), qPrintable(it.hasNext() ? it.next() : QString()));
    }
    QVERIFY(core::ProgramFolder::install(kilde.path(), mappe.path()).isEmpty());
    for (const auto &[rel, bytes] : filer)
        QCOMPARE(laes(mappe.filePath(rel)), bytes);
}

#include "tst_skrivning.moc"
