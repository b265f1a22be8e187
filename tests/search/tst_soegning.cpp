// Find and replace: the search rules, the active document's find and replace, and the
// folder search that reads files itself.

#include "core/textfile.h"
#include "editor/editor.h"
#include "search/dokumentsoegning.h"
#include "search/finddialog.h"
#include "search/findform.h"
#include "search/soegning.h"
#include "codewriting/dokumentvaert.h"
#include "shell/mainform.h"
#include "shell/winform.h"
#include "platform/infobox.h"
#include "testsupport/testenv.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QFile>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <future>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using search::SoegeValg;

class TestSoegning : public QObject {
    Q_OBJECT
private slots:
    void options_data();
    void options();
    void replaceAll_data();
    void replaceAll();
    void replaceAllIsOneUndoStep();
    void findNextUpAndDown();
    void replaceOneStartsAfterTheSelection();
    void searchInDocumentReplacesEachOnce();
    void folderSearchReadsEveryEncoding();
    void folderSearchMaskAndNoSubfolders();
    void folderSearchPassesOverUnreadableFiles();
    void folderSearchRefusesSpecialFileSystems_data();
    void folderSearchRefusesSpecialFileSystems();
    void folderSearchPassesOverFifosAndSparseFiles();
    void piecesGiveTheRowsOfTheWholeFile_data();
    void piecesGiveTheRowsOfTheWholeFile();
    void longLineRowsShowTheHitsNeighbourhood_data();
    void longLineRowsShowTheHitsNeighbourhood();
    void windowReplacesInOpenDocumentsAndShowsHits();
    void windowSearchesAFolderAndOpensTheHit();
    void windowFolderSearchStops_data();
    void windowFolderSearchStops();
    void windowRefusesASpecialFolder();
    void openAllAsksAboveTwentyDocuments_data();
    void openAllAsksAboveTwentyDocuments();
    void findDialogSaysWhenNoMoreMatches();
};

void TestSoegning::options_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("what");
    QTest::addColumn<bool>("heleOrd");
    QTest::addColumn<bool>("forskel");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("expected");

    QTest::newRow("any case") << "Et TAG her" << "tag" << false << false << 0 << -1 << 3;
    QTest::newRow("match case misses") << "Et TAG her" << "tag" << false << true << 0 << -1 << -1;
    QTest::newRow("match case finds") << "Et TAG tag" << "tag" << false << true << 0 << -1 << 7;
    QTest::newRow("whole word skips part") << "tags tag" << "tag" << true << false << 0 << -1 << 5;
    QTest::newRow("whole word beside punctuation") << "<tag>" << "tag" << true << false << 0 << -1 << 1;
    QTest::newRow("underscore joins words") << "my_tag tag" << "tag" << true << false << 0 << -1 << 7;
    QTest::newRow("Danish letters join words") << "blåtag tag" << "tag" << true << false << 0 << -1 << 7;
    QTest::newRow("Danish any case") << "ÆBLE æble" << "æble" << false << false << 0 << -1 << 0;
    QTest::newRow("Danish match case") << "ÆBLE æble" << "æble" << false << true << 0 << -1 << 5;
    QTest::newRow("search text of punctuation") << "a<p>b" << "<p>" << true << false << 0 << -1 << 1;
    QTest::newRow("from skips earlier") << "ab ab" << "ab" << false << false << 1 << -1 << 3;
    QTest::newRow("must end before to") << "xx ab" << "ab" << false << false << 0 << 4 << -1;
    QTest::newRow("ends exactly at to") << "xx ab" << "ab" << false << false << 0 << 5 << 3;
}

void TestSoegning::options()
{
    QFETCH(QString, text);
    QFETCH(QString, what);
    QFETCH(bool, heleOrd);
    QFETCH(bool, forskel);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, expected);
    const SoegeValg v{heleOrd, forskel};
    QCOMPARE(search::findITekst(text, what, from, v, to), expected);
    // The edit control's own search follows the same rules.
    TEditor edit;
    edit.setText(text);
    QCOMPARE(edit.find(what, from, forskel, heleOrd, to), qsizetype(expected));
}

void TestSoegning::replaceAll_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("with");
    QTest::addColumn<bool>("heleOrd");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("count");

    QTest::newRow("replacement holds the text") << "a b a" << "a" << "aa" << false << "aa b aa" << 2;
    QTest::newRow("replacement is the text in other case") << "Ab ab" << "ab" << "AB" << false << "AB AB" << 2;
    QTest::newRow("wraps the text") << "<p>x</p>" << "x" << "<b>x</b>" << false << "<p><b>x</b></p>" << 1;
    QTest::newRow("empty replacement deletes") << "xaxbx" << "x" << "" << false << "ab" << 3;
    QTest::newRow("whole words only") << "tag tags tag" << "tag" << "tags" << true << "tags tags tags" << 2;
    QTest::newRow("across lines") << "a\r\nb\r\na" << "a" << "æ\rø" << false << "æ\nø\nb\næ\nø" << 2;
}

void TestSoegning::replaceAll()
{
    QFETCH(QString, text);
    QFETCH(QString, what);
    QFETCH(QString, with);
    QFETCH(bool, heleOrd);
    QFETCH(QString, expected);
    QFETCH(int, count);
    TEditor edit;
    edit.setText(text);
    QCOMPARE(search::erstatAlle(&edit, what, with, {heleOrd, false}), count);
    QCOMPARE(edit.text(), expected);
}

void TestSoegning::replaceAllIsOneUndoStep()
{
    TEditor edit;
    edit.setText(QStringLiteral("en to en to en"));
    QCOMPARE(search::erstatAlle(&edit, QStringLiteral("en"), QStringLiteral("et"), {}), 3);
    edit.undo();
    QCOMPARE(edit.text(), QStringLiteral("en to en to en"));
}

void TestSoegning::findNextUpAndDown()
{
    TEditor edit;
    edit.setText(QStringLiteral("x ab x ab x"));
    // Upwards with the caret right after a one-character match selects it.
    edit.setCaretPos(1);
    QCOMPARE(search::findNaeste(&edit, QStringLiteral("x"), {}, false), 0);
    QCOMPARE(edit.SelStart(), 0);
    QCOMPARE(edit.SelLength(), 1);
    // Upwards takes the last match before the selection.
    edit.setSelection(10, 11);
    QCOMPARE(search::findNaeste(&edit, QStringLiteral("x"), {}, false), 5);
    // Downwards goes on after the selection.
    QCOMPARE(search::findNaeste(&edit, QStringLiteral("ab"), {}, true), 7);
    QCOMPARE(edit.SelText(), QStringLiteral("ab"));
    // Past the last match nothing moves.
    QCOMPARE(search::findNaeste(&edit, QStringLiteral("ab"), {}, true), -1);
    QCOMPARE(edit.SelStart(), 7);
    QCOMPARE(edit.SelLength(), 2);
    // A match straddling the selection's start is not "before" it.
    edit.setCaretPos(3);
    QCOMPARE(search::findNaeste(&edit, QStringLiteral("ab"), {}, false), -1);
}

void TestSoegning::replaceOneStartsAfterTheSelection()
{
    TEditor edit;
    edit.setText(QStringLiteral("a a a"));
    edit.setSelection(2, 3);
    QCOMPARE(search::erstatEn(&edit, QStringLiteral("a"), QStringLiteral("bb"), {}), 4);
    QCOMPARE(edit.text(), QStringLiteral("a a bb"));
    QCOMPARE(edit.caretPos(), 6);
    QVERIFY(!edit.hasSelection());
    // Without a selection the search starts at the beginning.
    QCOMPARE(search::erstatEn(&edit, QStringLiteral("a"), QStringLiteral("c"), {}), 0);
    QCOMPARE(edit.text(), QStringLiteral("c a bb"));
}

void TestSoegning::searchInDocumentReplacesEachOnce()
{
    TEditor edit;
    edit.setText(QStringLiteral("ab\nxab ab"));
    edit.setCaretPos(4);
    const QString with = QStringLiteral("<ab>");
    const QList<search::Traef> rows = search::soegIDokument(&edit, QStringLiteral("1. Ny"), QStringLiteral("ab"), {}, &with);
    QCOMPARE(edit.text(), QStringLiteral("<ab>\nx<ab> <ab>"));
    // Each row shows its line as it read right after that replacement.
    const QList<search::Traef> expected = {{"1. Ny", 0, "<ab>"}, {"1. Ny", 6, "x<ab> ab"}, {"1. Ny", 11, "x<ab> <ab>"}};
    QCOMPARE(rows, expected);
    for (const search::Traef &t : rows)
        QCOMPARE(edit.textRange(t.position, t.position + with.size()), with);
    QCOMPARE(edit.SelStart(), 4);
}

namespace {
void skriv(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
}

void TestSoegning::folderSearchReadsEveryEncoding()
{
    QTemporaryDir dir;
    const QString d = dir.path() + u'/';
    const QString linje1 = QStringLiteral("<p>Blåbær og æble</p>");
    const QString linje2 = QStringLiteral("<h1>ÆBLE-kage</h1> æbleskive");
    const QString tekst = linje1 + QStringLiteral("\r\n") + linje2 + QStringLiteral("\r\n");
    QByteArray utf16 = "\xFF\xFE";
    for (const QChar c : tekst)
        utf16.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    skriv(d + "a-ansi.html", core::encodeText(tekst, core::Encoding::Ansi));
    skriv(d + "b-utf8bom.html", core::encodeText(tekst, core::Encoding::Utf8Bom));
    skriv(d + "c-utf8.html", tekst.toUtf8());
    skriv(d + "d-utf16.html", utf16);
    skriv(d + "e-cr.html", QString(tekst).replace("\r\n", "\r").toUtf8());

    const QList<search::Traef> rows = search::soegIMappe(d, "*.html", QStringLiteral("æble"), {true, false});
    QCOMPARE(rows.size(), 10);
    const qsizetype p1 = linje1.indexOf(QStringLiteral("æble"));
    const qsizetype p2 = linje1.size() + 1 + linje2.indexOf(QStringLiteral("ÆBLE"));
    for (int i = 0; i < rows.size(); i += 2) {
        QCOMPARE(rows[i].position, p1);
        QCOMPARE(rows[i].linje, linje1);
        QCOMPARE(rows[i + 1].position, p2);
        QCOMPARE(rows[i + 1].linje, linje2);
        // The position selects the hit in the file's document window.
        QString text;
        QVERIFY(core::readTextFile(rows[i].dokument, text).ok);
        TEditor edit;
        edit.setText(text);
        QCOMPARE(edit.textRange(rows[i + 1].position, rows[i + 1].position + 4), QStringLiteral("ÆBLE"));
        QCOMPARE(edit.find(QStringLiteral("æble"), 0, false, true), p1);
    }
    QCOMPARE(rows[0].dokument, d + "a-ansi.html");
    QCOMPARE(rows[8].dokument, d + "e-cr.html");
    // Match case leaves the capitals out; an ASCII text finds "kage" after the hyphen.
    QCOMPARE(search::soegIMappe(d, "*.html", QStringLiteral("æble"), {true, true}).size(), 5);
    QCOMPARE(search::soegIMappe(d, "*.html", QStringLiteral("KAGE"), {true, false}).size(), 5);
    QCOMPARE(search::soegIMappe(d, "*.html", QStringLiteral("kag"), {true, false}).size(), 0);
}

void TestSoegning::folderSearchMaskAndNoSubfolders()
{
    QTemporaryDir dir;
    const QString d = dir.path() + u'/';
    QVERIFY(QDir(d).mkpath("under.html"));
    skriv(d + "side.html", "find mig");
    skriv(d + "SIDE2.HTML", "find mig");
    skriv(d + "style.css", "find mig");
    skriv(d + "README", "find mig");
    skriv(d + "data.bin", QByteArray("find mig\0\x01", 10));
    skriv(d + "under.html/inde.html", "find mig");
    auto navne = [&](const QString &mask) {
        QStringList n;
        for (const search::Traef &t : search::soegIMappe(d, mask, QStringLiteral("mig"), {}))
            n << QFileInfo(t.dokument).fileName();
        n.sort();
        return n;
    };
    QCOMPARE(navne("*.html"), QStringList({"SIDE2.HTML", "side.html"}));
    QCOMPARE(navne("*.*"), QStringList({"README", "SIDE2.HTML", "side.html", "style.css"}));
    QVERIFY(search::soegIMappe(d + "mangler/", "*.*", QStringLiteral("mig"), {}).isEmpty());
    QVERIFY(search::soegIMappe(d, "*.*", QString(), {}).isEmpty());
}

void TestSoegning::folderSearchPassesOverUnreadableFiles()
{
    if (geteuid() == 0)
        QSKIP("root reads every file");
    QTemporaryDir dir;
    const QString d = dir.path() + u'/';
    skriv(d + "a.txt", "ord");
    skriv(d + "b.txt", "ord");
    skriv(d + "c.txt", "ord");
    QFile::setPermissions(d + "b.txt", QFileDevice::Permissions());
    QCOMPARE(search::soegIMappe(d, "*.txt", QStringLiteral("ord"), {}).size(), 2);
}

void TestSoegning::folderSearchRefusesSpecialFileSystems_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("filsystem");   // empty: searched

    QTest::newRow("proc") << "/proc" << "proc";
    QTest::newRow("a process's folder in proc") << "/proc/self" << "proc";
    QTest::newRow("sysfs") << "/sys" << "sysfs";
    QTest::newRow("terminals") << "/dev/pts" << "devpts";
    QTest::newRow("device tree") << "/dev" << "devtmpfs";
    QTest::newRow("tmpfs of its own under /dev") << "/dev/shm" << "";
    QTest::newRow("ordinary folder") << QDir::tempPath() << "";
}

void TestSoegning::folderSearchRefusesSpecialFileSystems()
{
    QFETCH(QString, folder);
    QFETCH(QString, filsystem);
    if (!QFileInfo(folder).isDir())
        QSKIP("no such folder here");
    if (folder.startsWith(QStringLiteral("/dev")) && folder != QStringLiteral("/dev/pts")
        && QStorageInfo(folder).rootPath() != folder)
        QSKIP("not a mount of its own here");
    const QString expected = filsystem.isEmpty()
        ? QString()
        : QStringLiteral("Mappen ligger på et særligt filsystem (%1); der søges ikke i den.").arg(filsystem);
    QCOMPARE(search::mappeAfvisning(folder), expected);
    if (filsystem.isEmpty())
        return;
    // Nothing is read: as the superuser, /proc/kmsg alone would block the search for good.
    int files = 0;
    QCOMPARE(search::soegIMappeLoebende(folder, "*.*", QStringLiteral("a"), {}, [&](QList<search::Traef> &&) { ++files; },
                                        [] { return true; }),
             expected);
    QCOMPARE(files, 0);
    QVERIFY(search::soegIMappe(folder, "*.*", QStringLiteral("a"), {}).isEmpty());
}

void TestSoegning::folderSearchPassesOverFifosAndSparseFiles()
{
    QTemporaryDir dir;
    const QString d = dir.path() + u'/';
    skriv(d + "a.html", "<p>ord</p>");
    const QString fifo = d + "b.html";
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QVERIFY(QFile::link(fifo, d + "c.html"));
    // 2 GB of nothing, as a disk image or a core file leaves it: binary, and no disk used.
    QFile stor(d + "d.html");
    QVERIFY(stor.open(QIODevice::WriteOnly));
    QVERIFY(stor.resize(qint64(2) << 30));
    stor.close();
    skriv(d + "e.html", "ord\r\nord");

    // A FIFO whose writer never comes: opening it to read would wait for ever.
    auto alene = std::async(std::launch::async, [&] { return search::soegIFil(fifo, QStringLiteral("ord"), {}); });
    if (alene.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
        const int w = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);   // lets it go
        alene.wait();
        ::close(w);
        QFAIL("the search of a FIFO waited for a writer");
    }
    QVERIFY(alene.get().isEmpty());

    QStringList navne;
    for (const search::Traef &t : search::soegIMappe(d, "*.html", QStringLiteral("ord"), {}))
        navne << QFileInfo(t.dokument).fileName() + u':' + QString::number(t.position);
    QCOMPARE(navne, QStringList({"a.html:3", "e.html:0", "e.html:4"}));
}

namespace {

QByteArray utf16(const QString &text, bool bigEndian)
{
    QByteArray out = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
    for (const QChar c : text) {
        const char hi = char(c.unicode() >> 8), lo = char(c.unicode() & 0xFF);
        out.append(bigEndian ? hi : lo).append(bigEndian ? lo : hi);
    }
    return out;
}

// A page of words the searches look for, set at every distance from each other, with every
// kind of line break and lines on both sides of the length a row shows whole.
QString blandetSide(bool udenforBmp)
{
    const QStringList ord = {"tag", "tags", "xtag", "TAG", "_tag", "<tag>", "æble", "ÆBLE", "blåbær", "-", " ", ",",
                             udenforBmp ? "😀" : "ø", udenforBmp ? "😀tag" : "øtag"};
    const QStringList skift = {"\n", "\r\n", "\r", "\r\n\r\n", "\n\r"};
    QString t;
    quint32 r = 12345;
    auto naeste = [&r](quint32 n) {
        r = r * 1103515245u + 12345u;
        return (r >> 16) % n;
    };
    for (int linje = 0; linje < 60; ++linje) {
        // Mostly short lines; now and then one round the 1000 characters a row shows whole.
        const int laengde = linje % 9 == 4 ? 985 + int(naeste(40)) : linje % 13 == 7 ? 2600 : int(naeste(120));
        const qsizetype start = t.size();
        while (t.size() - start < laengde)
            t += ord[naeste(ord.size())];
        t += skift[naeste(skift.size())];
    }
    return t;
}

} // namespace

void TestSoegning::piecesGiveTheRowsOfTheWholeFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("what");
    QTest::addColumn<bool>("heleOrd");
    QTest::addColumn<bool>("forskel");

    const QString side = blandetSide(true);
    const QString ansiSide = blandetSide(false);
    QTest::newRow("UTF-8, whole words") << side.toUtf8() << "tag" << true << false;
    QTest::newRow("UTF-8, parts of words") << side.toUtf8() << "tag" << false << false;
    QTest::newRow("UTF-8, match case") << side.toUtf8() << "TAG" << false << true;
    QTest::newRow("UTF-8, Danish text") << side.toUtf8() << "æble" << true << false;
    QTest::newRow("UTF-8, beyond the BMP") << side.toUtf8() << "😀tag" << false << false;
    QTest::newRow("UTF-8, across a line break") << side.toUtf8() << "tag\r\n" << false << false;
    QTest::newRow("UTF-8 with mark") << core::encodeText(side, core::Encoding::Utf8Bom) << "æble" << false << false;
    QTest::newRow("UTF-8 with two marks") << QByteArray("\xEF\xBB\xBF") + core::encodeText(side, core::Encoding::Utf8Bom)
                                          << "tag" << true << false;
    QTest::newRow("Windows-1252") << core::encodeText(ansiSide, core::Encoding::Ansi) << "æble" << true << false;
    QTest::newRow("ASCII") << QString(ansiSide).replace(u'æ', u'a').replace(u'Æ', u'A').replace(u'ø', u'o').replace(u'å', u'a').toLatin1()
                           << "tag" << true << false;
    QTest::newRow("UTF-16 LE") << utf16(side, false) << "ÆBLE" << false << false;
    QTest::newRow("UTF-16 BE") << utf16(side, true) << "tag" << true << false;
    // Valid UTF-8 up to one Windows-1252 byte near the end: the whole file is Windows-1252.
    QTest::newRow("UTF-8 until the last line") << side.toUtf8() + "\xE6" "ble tag" << "tag" << true << false;
    QTest::newRow("UTF-8 cut inside a character") << side.toUtf8() + "tag \xC3" << "tag" << true << false;
}

void TestSoegning::piecesGiveTheRowsOfTheWholeFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, what);
    QFETCH(bool, heleOrd);
    QFETCH(bool, forskel);
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/side.html");
    skriv(path, bytes);
    const SoegeValg v{heleOrd, forskel};
    const QList<search::Traef> hel = search::soegIFil(path, what, v);
    QVERIFY(hel.size() > 10);
    for (const qsizetype stykke : {1, 2, 3, 5, 8, 13, 100, 4096}) {
        const QList<search::Traef> stykvis = search::soegIFil(path, what, v, stykke);
        for (qsizetype i = 0; i < std::min(hel.size(), stykvis.size()); ++i)
            if (!(stykvis[i] == hel[i]))
                QFAIL(qPrintable(QStringLiteral("pieces of %1 bytes, row %2: %3 \"%4\", not %5 \"%6\"")
                                     .arg(stykke).arg(i).arg(stykvis[i].position).arg(stykvis[i].linje.left(60))
                                     .arg(hel[i].position).arg(hel[i].linje.left(60))));
        QCOMPARE(stykvis.size(), hel.size());
    }
}

void TestSoegning::longLineRowsShowTheHitsNeighbourhood_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pos");
    QTest::addColumn<QString>("expected");

    const QString a(2000, u'a');
    const QString b(2000, u'b');
    QTest::newRow("short line whole") << "x\nen tag her\ny" << 5 << "en tag her";
    QTest::newRow("1000 characters whole") << "x\n" + QString(500, u'a') + "tag" + QString(497, u'b') << 502
                                            << QString(500, u'a') + "tag" + QString(497, u'b');
    QTest::newRow("1001 characters cut") << QString(500, u'a') + "tag" + QString(498, u'b') << 500
                                         << "…" + QString(300, u'a') + "tag" + QString(300, u'b') + "…";
    QTest::newRow("hit in the middle") << a + "tag" + b << 2000 << "…" + QString(300, u'a') + "tag" + QString(300, u'b') + "…";
    QTest::newRow("hit near the start") << "tag" + b << 0 << "tag" + QString(300, u'b') + "…";
    QTest::newRow("hit near the end") << a + "tag\nz" << 2000 << "…" + QString(300, u'a') + "tag";
    // A cut never leaves half of a character outside the BMP.
    QTest::newRow("cut inside a pair") << a + "😀" + QString(299, u'a') + "tag" + QString(299, u'b') + "😀" + b << 2301
                                       << "…" + QString(299, u'a') + "tag" + QString(299, u'b') + "…";
}

void TestSoegning::longLineRowsShowTheHitsNeighbourhood()
{
    QFETCH(QString, text);
    QFETCH(int, pos);
    QFETCH(QString, expected);
    QCOMPARE(search::traefLinje(text, pos, 3), expected);
    // The folder search shows the same row.
    QTemporaryDir dir;
    skriv(dir.path() + "/side.txt", text.toUtf8());
    const QList<search::Traef> rows = search::soegIMappe(dir.path(), "*.*", QStringLiteral("tag"), {});
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].position, qsizetype(pos));
    QCOMPARE(rows[0].linje, expected);
}

namespace {
// Takes the information boxes instead of showing them.
struct Bokse {
    QStringList tekster;
    Bokse() { platform::setInfoBoxHandler([this](const QString &t) { tekster << t; }); }
    ~Bokse() { platform::setInfoBoxHandler({}); }
};

QStringList raekke(const Tfindform *f, int i)
{
    const QTreeWidgetItem *it = f->findis->topLevelItem(i);
    return {it->text(0), it->text(1), it->text(2)};
}

// "Find i mappe", which reads "Stop" while the search runs.
QPushButton *findBibKnap(const Tfindform *f)
{
    return f->findChild<QPushButton *>(QStringLiteral("AfindBibKnap"));
}

// A host for the search window alone: it counts what it is asked to open and answers its
// questions as told.
class Vaert : public TDokumentVaert {
public:
    QStringList aabnet;
    QStringList spoergsmaal;
    bool svar = false;
    std::function<void()> vedAabning;
    QWidget *vaertsvindue() override { return nullptr; }
    Tinfotag *tagKomponent() override { return nullptr; }
    TEditor *aktivEditor() const override { return m_edit; }
    void winInfo() override {}
    void visInfo(const QString &text) override { info = text; }
    void HelpInfo(const QString &, const QString &) override {}
    TEditor *nytDokument(const QString &, const QString &) override { return nullptr; }
    void dokumentKommando(QAction *) override {}
    QString cssEgenskabsliste() const override { return {}; }
    bool spoergJa(const QString &question, QWidget *) override
    {
        spoergsmaal << question;
        return svar;
    }
    QList<Dokument> aabneDokumenter() const override { return {}; }
    TEditor *aabnFil(const QString &path, const QString &) override
    {
        aabnet << path;
        if (vedAabning)
            vedAabning();
        return m_edit;
    }
    TEditor *visDokument(const QString &) override { return nullptr; }
    TEditor *edit() const { return m_edit; }
    QString info;   // the last status text

private:
    TEditor *m_edit = new TEditor;
    std::unique_ptr<TEditor> m_ejer{m_edit};
};

void soegIMappe(Tfindform *f, const QString &folder, const QString &what)
{
    f->setMappe(folder);
    f->fBox->clear();
    f->fBox->addItem(QStringLiteral("Hjemmeside (*.html)"), QStringLiteral("*.html"));
    f->EditFind->setEditText(what);
    QTest::mouseClick(findBibKnap(f), Qt::LeftButton);
}
}

void TestSoegning::windowReplacesInOpenDocumentsAndShowsHits()
{
    TestProgramFolder folder(true);
    Bokse bokse;
    Tmainform m;
    m.show();
    Twinform *a = m.openwin({}, QStringLiteral(".html"));
    a->Edit->setText(QStringLiteral("<p>tag</p>\n<p>tag tags</p>"));
    Twinform *b = m.openwin({}, QStringLiteral(".txt"));
    b->Edit->setText(QStringLiteral("Tag"));
    b->Edit->setCaretPos(2);
    Tfindform *f = m.findform();
    f->vis();
    QVERIFY(!f->Afind->isEnabled());
    f->EditFind->setEditText(QStringLiteral("tag"));
    f->EditErstat->setEditText(QStringLiteral("<b>tag</b>"));
    f->Check1->setChecked(true);
    QVERIFY(f->Aerstat->isEnabled());
    f->Aerstat->trigger();

    // The active document first; each old occurrence replaced once; the caret kept.
    QCOMPARE(b->Edit->text(), QStringLiteral("<b>tag</b>"));
    QCOMPARE(b->Edit->caretPos(), 2);
    QCOMPARE(a->Edit->text(), QStringLiteral("<p><b>tag</b></p>\n<p><b>tag</b> tags</p>"));
    QCOMPARE(f->countdis->text(), QStringLiteral("3"));
    QCOMPARE(raekke(f, 0), QStringList({b->capNavn, "0", "<b>tag</b>"}));
    QCOMPARE(raekke(f, 2), QStringList({a->capNavn, "21", "<p><b>tag</b> tags</p>"}));
    QCOMPARE(f->EditFind->itemText(0), QStringLiteral("tag"));

    // Showing a hit selects the replacement in its document.
    f->findis->setCurrentItem(f->findis->topLevelItem(2));
    f->AvisValgte->trigger();
    QCOMPARE(m.aktivWin(), a);
    QCOMPARE(a->Edit->SelText(), QStringLiteral("<b>tag</b>"));
    QCOMPARE(a->Edit->SelStart(), 21);

    // A hit whose unnamed document has closed goes from the list when shown.
    f->findis->setCurrentItem(f->findis->topLevelItem(0));
    b->Edit->setModified(false);
    QVERIFY(m.lukDokument(b));
    f->AvisValgte->trigger();
    QCOMPARE(f->findis->topLevelItemCount(), 2);
    QCOMPARE(f->countdis->text(), QStringLiteral("2"));

    f->AsletAlt->trigger();
    QCOMPARE(f->findis->topLevelItemCount(), 0);
    QVERIFY(f->EditFind->currentText().isEmpty());
    QVERIFY(!f->AvisValgte->isEnabled());
}

void TestSoegning::windowSearchesAFolderAndOpensTheHit()
{
    TestProgramFolder folder(true);
    folder.writeFile("sider/a.html", "<p>intet</p>\r\n");
    folder.writeFile("sider/b.html", core::encodeText(QStringLiteral("linje et\r\n<h1>Æblet</h1>\r\n"), core::Encoding::Ansi));
    folder.writeFile("sider/c.css", "Æblet {}\r\n");
    Bokse bokse;
    Tmainform m;
    m.show();
    Tfindform *f = m.findform();
    f->vis();
    f->setMappe(folder.path("sider"));
    QCOMPARE(f->dirEdit->text(), folder.path("sider/"));
    f->fBox->clear();
    f->fBox->addItem(QStringLiteral("Hjemmeside (*.html)"), QStringLiteral("*.html"));
    f->EditFind->setEditText(QStringLiteral("æblet"));
    QVERIFY(f->AfindBib->isEnabled());
    QVERIFY(!f->Afind->isEnabled());   // no open document
    f->AfindBib->trigger();
    QTRY_COMPARE(findBibKnap(f)->text(), QStringLiteral("Find i mappe"));
    QCOMPARE(f->findis->topLevelItemCount(), 1);
    QCOMPARE(raekke(f, 0), QStringList({folder.path("sider/b.html"), "13", "<h1>Æblet</h1>"}));

    f->findis->setCurrentItem(f->findis->topLevelItem(0));
    f->AvisValgte->trigger();
    Twinform *w = m.aktivWin();
    QVERIFY(w);
    QCOMPARE(w->Filnavn, folder.path("sider/b.html"));
    QCOMPARE(w->Edit->SelText(), QStringLiteral("Æblet"));

    // A missing folder searches nothing.
    f->setMappe(folder.path("findes-ikke"));
    f->AfindBib->trigger();
    QCOMPARE(f->findis->topLevelItemCount(), 1);
}

void TestSoegning::windowFolderSearchStops_data()
{
    QTest::addColumn<QString>("hvordan");
    QTest::newRow("Stop") << "Stop";
    QTest::newRow("Luk") << "Luk";
    QTest::newRow("Esc") << "Esc";
}

void TestSoegning::windowFolderSearchStops()
{
    QFETCH(QString, hvordan);
    TestProgramFolder folder;
    folder.writeFile("lang/a.html", "<p>ord</p>");
    // A page with a hit, then a hole of 64 GB (zeros the disk does not hold, read as text):
    // reading it through would take minutes.
    folder.writeFile("lang/b.html", "<p>ord</p>\n" + QByteArray(9000, 'x'));
    QFile hul(folder.path("lang/b.html"));
    QVERIFY(hul.open(QIODevice::ReadWrite));
    QVERIFY(hul.resize(qint64(64) << 30));
    hul.close();
    folder.writeFile("lang/c.html", "<p>ord</p>");
    for (const char *navn : {"kort/a.html", "kort/b.html", "kort/c.html"})
        folder.writeFile(navn, "ord");
    Vaert vaert;
    Tfindform f(&vaert);
    f.vis();
    soegIMappe(&f, folder.path("lang"), QStringLiteral("ord"));

    // The first file's row shows while the search is still reading the long one.
    QTRY_COMPARE(f.findis->topLevelItemCount(), 1);
    QCOMPARE(f.countdis->text(), QStringLiteral("1"));
    QCOMPARE(findBibKnap(&f)->text(), QStringLiteral("Stop"));
    QVERIFY(!f.AsletAlt->isEnabled());

    if (hvordan == QLatin1String("Stop"))
        QTest::mouseClick(findBibKnap(&f), Qt::LeftButton);
    else if (hvordan == QLatin1String("Luk"))
        QTest::mouseClick(f.lukKnap, Qt::LeftButton);
    else
        QTest::keyClick(&f, Qt::Key_Escape);
    QCOMPARE(findBibKnap(&f)->text(), QStringLiteral("Find i mappe"));
    QCOMPARE(f.isVisible(), hvordan == QLatin1String("Stop"));
    // The search's thread ends; the long file's rows and the last file's never come.
    QTRY_VERIFY(!f.findChild<QThread *>(QStringLiteral("soegeTraad")));
    QCOMPARE(raekke(&f, 0).first(), folder.path("lang/a.html"));
    QCOMPARE(f.findis->topLevelItemCount(), 1);
    QCOMPARE(f.countdis->text(), QStringLiteral("1"));

    // The window searches again.
    f.vis();
    QVERIFY(f.AsletAlt->isEnabled());
    soegIMappe(&f, folder.path("kort"), QStringLiteral("ord"));
    QTRY_COMPARE(findBibKnap(&f)->text(), QStringLiteral("Find i mappe"));
    QCOMPARE(f.findis->topLevelItemCount(), 3);
    QCOMPARE(f.countdis->text(), QStringLiteral("3"));
}

void TestSoegning::windowRefusesASpecialFolder()
{
    if (!QFileInfo(QStringLiteral("/proc/self")).isDir())
        QSKIP("no proc here");
    TestProgramFolder folder;
    Bokse bokse;
    Vaert vaert;
    Tfindform f(&vaert);
    f.vis();
    soegIMappe(&f, QStringLiteral("/proc/self"), QStringLiteral("a"));
    QCOMPARE(bokse.tekster, QStringList({"Mappen ligger på et særligt filsystem (proc); der søges ikke i den."}));
    QVERIFY(!f.findChild<QThread *>(QStringLiteral("soegeTraad")));
    QCOMPARE(findBibKnap(&f)->text(), QStringLiteral("Find i mappe"));
    QCOMPARE(f.findis->topLevelItemCount(), 0);
}

void TestSoegning::openAllAsksAboveTwentyDocuments_data()
{
    QTest::addColumn<int>("antal");
    QTest::addColumn<bool>("spoerges");
    QTest::newRow("20 without asking") << 20 << false;
    QTest::newRow("21 asks") << 21 << true;
    QTest::newRow("25 asks") << 25 << true;
}

void TestSoegning::openAllAsksAboveTwentyDocuments()
{
    QFETCH(int, antal);
    QFETCH(bool, spoerges);
    TestProgramFolder folder;
    QStringList filer;
    for (int i = 0; i < antal; ++i) {
        const QString navn = QStringLiteral("sider/s%1.html").arg(i, 2, 10, QLatin1Char('0'));
        folder.writeFile(navn, "ord\r\nog ord igen");   // two rows, one document
        filer << folder.path(navn);
    }
    Vaert vaert;
    Tfindform f(&vaert);
    f.vis();
    soegIMappe(&f, folder.path("sider"), QStringLiteral("ord"));
    QTRY_COMPARE(findBibKnap(&f)->text(), QStringLiteral("Find i mappe"));
    QCOMPARE(f.findis->topLevelItemCount(), 2 * antal);
    const QString spoergsmaal = QStringLiteral("Der åbnes %1 dokumenter.\rVil du fortsætte?").arg(antal);

    if (spoerges) {
        vaert.svar = false;
        f.AopenAll->trigger();
        QTRY_VERIFY(!f.findChild<QProgressDialog *>());
        QCOMPARE(vaert.spoergsmaal, QStringList({spoergsmaal}));
        QVERIFY(vaert.aabnet.isEmpty());

        // "Annuller" while the third opens: no fourth.
        vaert.svar = true;
        vaert.vedAabning = [&] {
            if (vaert.aabnet.size() == 3)
                f.findChild<QProgressDialog *>(QStringLiteral("aabnerStatus"))->findChild<QPushButton *>()->click();
        };
        f.AopenAll->trigger();
        QTRY_VERIFY(!f.findChild<QProgressDialog *>());
        QCOMPARE(vaert.aabnet, filer.first(3));
        vaert.vedAabning = {};
        vaert.aabnet.clear();
        vaert.spoergsmaal.clear();
    }
    f.AopenAll->trigger();
    QTRY_VERIFY(!f.findChild<QProgressDialog *>());
    QCOMPARE(vaert.spoergsmaal, spoerges ? QStringList({spoergsmaal}) : QStringList());
    QCOMPARE(vaert.aabnet, filer);
    QVERIFY(f.AopenAll->isEnabled());
}

// At the last match the status bar says there are no more, and the next hit takes it away.
void TestSoegning::findDialogSaysWhenNoMoreMatches()
{
    Vaert vaert;
    vaert.edit()->setText(QStringLiteral("ab x ab"));
    TfindDialog d(&vaert, false);
    d.findEdit->setText(QStringLiteral("ab"));
    d.nedRadio->setChecked(true);
    QCOMPARE(d.findNaeste(), 0);
    QCOMPARE(d.findNaeste(), 5);
    QVERIFY(vaert.info.isEmpty());
    QCOMPARE(d.findNaeste(), -1);
    QCOMPARE(vaert.info, QStringLiteral("Ikke flere forekomster af \"ab\" frem til slutningen af dokumentet."));
    d.opRadio->setChecked(true);
    QCOMPARE(d.findNaeste(), 0);
    QVERIFY(vaert.info.isEmpty());
    QCOMPARE(d.findNaeste(), -1);
    QCOMPARE(vaert.info, QStringLiteral("Ikke flere forekomster af \"ab\" før markøren."));
}

QTEST_MAIN(TestSoegning)
#include "tst_soegning.moc"
