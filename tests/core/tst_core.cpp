// Text files with their encodings, option files and the program folder.

#include "core/fejltekst.h"
#include "core/optionfile.h"
#include "core/programfolder.h"
#include "core/textfile.h"
#include "testsupport/testenv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

#include <cerrno>

using core::Encoding;

class TestCore : public QObject {
    Q_OBJECT
private slots:
    void failedWritesSayWhy_data();
    void failedWritesSayWhy();
    void reasonsInDanish();
    void decodeByMark_data();
    void decodeByMark();
    void roundTripIsByteExact_data();
    void roundTripIsByteExact();
    void splitLines_data();
    void splitLines();
    void lineBreaksToLf_data();
    void lineBreaksToLf();
    void lineBreaksNamed_data();
    void lineBreaksNamed();
    void newListsAreAnsiWithCrLf();
    void ansiCannotHoldEverything();
    void failedWriteKeepsOldFile();
    void optionReader_data();
    void optionReader();
    void optionWriterKeepsCharactersOutsideAnsi();
    void installNeverOverwrites();
    void safeNamesAndCaseInsensitiveLookup_data();
    void safeNamesAndCaseInsensitiveLookup();
};

void TestCore::decodeByMark_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<QString>("text");
    QTest::newRow("utf-8 bom") << QByteArray("\xEF\xBB\xBF\xC3\xA6\xE2\x82\xAC") << int(Encoding::Utf8Bom) << QStringLiteral("æ€");
    QTest::newRow("utf-16 le") << QByteArray("\xFF\xFE\xE6\x00\xAC\x20", 6) << int(Encoding::Utf16LE) << QStringLiteral("æ€");
    QTest::newRow("utf-16 be") << QByteArray("\xFE\xFF\x00\xE6\x20\xAC", 6) << int(Encoding::Utf16BE) << QStringLiteral("æ€");
    QTest::newRow("windows-1252") << QByteArray("\xE6\xF8\xE5\x80") << int(Encoding::Ansi) << QStringLiteral("æøå€");
    QTest::newRow("plain ascii is ansi") << QByteArray("<p>") << int(Encoding::Ansi) << QStringLiteral("<p>");
    QTest::newRow("utf-8 without bom") << QByteArray("\xC3\xA6<p>") << int(Encoding::Utf8) << QStringLiteral("æ<p>");
    QTest::newRow("broken utf-8 is ansi") << QByteArray("\xC3<p>") << int(Encoding::Ansi) << QStringLiteral("Ã<p>");
    QTest::newRow("overlong utf-8 is ansi") << QByteArray("\xC0\xAF") << int(Encoding::Ansi) << QStringLiteral("À¯");
    QTest::newRow("empty") << QByteArray() << int(Encoding::Ansi) << QString();
}

void TestCore::decodeByMark()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, encoding);
    QFETCH(QString, text);
    Encoding found;
    QCOMPARE(core::decodeText(bytes, &found), text);
    QCOMPARE(int(found), encoding);
}

void TestCore::roundTripIsByteExact_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ansi æøå") << QByteArray("<p>\xE6\xF8\xE5</p>\r\n\r\nslut\r\n");
    QTest::newRow("ansi every byte 0x80-0xff") << [] {
        QByteArray b;
        for (int i = 0x80; i <= 0xFF; ++i) b.append(char(i));
        return b + "\r\n";
    }();
    QTest::newRow("utf-8 bom") << QByteArray("\xEF\xBB\xBF<p>\xC3\xA6 \xF0\x9F\x98\x80</p>\r\n");
    QTest::newRow("utf-8 no bom") << QByteArray("<p>\xC3\xA6\xC3\xB8</p>\r\n");
    QTest::newRow("utf-16 le") << QByteArray("\xFF\xFE<\x00p\x00>\x00\r\x00\n\x00", 12);
    QTest::newRow("utf-16 be") << QByteArray("\xFE\xFF\x00<\x00p\x00>\x00\r\x00\n", 12);
}

void TestCore::roundTripIsByteExact()
{
    QFETCH(QByteArray, bytes);
    TestProgramFolder folder;
    folder.writeFile(QStringLiteral("doc.html"), bytes);
    const QString path = folder.path(QStringLiteral("doc.html"));
    QString text;
    Encoding enc;
    QVERIFY(core::readTextFile(path, text, &enc).ok);
    QVERIFY(core::writeDocument(path, text, enc).ok);
    QCOMPARE(folder.readFile(QStringLiteral("doc.html")), bytes);
}

void TestCore::splitLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("crlf") << QStringLiteral("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("lf and cr") << QStringLiteral("a\nb\rc") << QStringList{"a", "b", "c"};
    QTest::newRow("empty lines kept") << QStringLiteral("a\r\n\r\n") << QStringList{"a", ""};
    QTest::newRow("trailing blank kept") << QStringLiteral("br \r\n") << QStringList{"br "};
    QTest::newRow("nothing") << QString() << QStringList{};
}

void TestCore::splitLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(core::splitLines(text), lines);
}

void TestCore::lineBreaksToLf_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("lf");
    QTest::newRow("crlf") << QStringLiteral("a\r\nb\r\n") << QStringLiteral("a\nb\n");
    QTest::newRow("lone cr, also last") << QStringLiteral("a\rb\r") << QStringLiteral("a\nb\n");
    QTest::newRow("cr cr lf is two breaks") << QStringLiteral("a\r\r\nb") << QStringLiteral("a\n\nb");
    QTest::newRow("lf cr is two breaks") << QStringLiteral("a\n\rb") << QStringLiteral("a\n\nb");
    QTest::newRow("mixed") << QStringLiteral("x\ny\r\nz") << QStringLiteral("x\ny\nz");
    QTest::newRow("none") << QStringLiteral("abc") << QStringLiteral("abc");
}

void TestCore::lineBreaksToLf()
{
    QFETCH(QString, text);
    QFETCH(QString, lf);
    QCOMPARE(core::medLfLinieskift(text), lf);
}

void TestCore::lineBreaksNamed_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name");
    QTest::newRow("crlf") << QStringLiteral("a\r\nb\r\n") << QStringLiteral("CR LF");
    QTest::newRow("lf") << QStringLiteral("a\nb") << QStringLiteral("LF");
    QTest::newRow("cr") << QStringLiteral("a\rb\r") << QStringLiteral("CR");
    QTest::newRow("crlf then lf") << QStringLiteral("a\r\nb\nc") << QStringLiteral("Blandede");
    QTest::newRow("cr at the end after crlf") << QStringLiteral("a\r\nb\r") << QStringLiteral("Blandede");
    QTest::newRow("one line") << QStringLiteral("abc") << QString();
}

void TestCore::lineBreaksNamed()
{
    QFETCH(QString, text);
    QFETCH(QString, name);
    QCOMPARE(core::linjeskiftNavn(text), name);
}

void TestCore::newListsAreAnsiWithCrLf()
{
    TestProgramFolder folder;
    const QString path = folder.path(QStringLiteral("liste.txt"));
    QVERIFY(core::writeLines(path, {QStringLiteral("æ"), QString(), QStringLiteral("€")}).ok);
    QCOMPARE(folder.readFile(QStringLiteral("liste.txt")), QByteArray("\xE6\r\n\r\n\x80\r\n"));
    QStringList back;
    Encoding enc;
    QVERIFY(core::readLines(path, back, &enc).ok);
    QCOMPARE(back, (QStringList{QStringLiteral("æ"), QString(), QStringLiteral("€")}));
    QCOMPARE(enc, Encoding::Ansi);
}

void TestCore::ansiCannotHoldEverything()
{
    QVERIFY(core::canEncode(QStringLiteral("æøå€ŠŽ"), Encoding::Ansi));
    QVERIFY(!core::canEncode(QStringLiteral("α"), Encoding::Ansi));
    QVERIFY(!core::canEncode(QStringLiteral("😀"), Encoding::Ansi));
    QVERIFY(core::canEncode(QStringLiteral("α😀"), Encoding::Utf8Bom));
}

void TestCore::failedWriteKeepsOldFile()
{
    TestProgramFolder folder;
    folder.writeFile(QStringLiteral("ro/gammel.txt"), "gammel\r\n");
    // A folder in place of the file's folder fails for every user.
    const core::ReadResult impossible = core::writeLines(folder.path(QStringLiteral("ro/gammel.txt/x.txt")), {QStringLiteral("ny")});
    QVERIFY(!impossible.ok);
    QVERIFY(!impossible.error.isEmpty());

    const QString dir = folder.path(QStringLiteral("ro"));
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
    const core::ReadResult r = core::writeLines(dir + QStringLiteral("/gammel.txt"), {QStringLiteral("ny")});
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (r.ok)
        QSKIP("running with rights that ignore folder permissions");
    QVERIFY(!r.error.isEmpty());
    QCOMPARE(folder.readFile(QStringLiteral("ro/gammel.txt")), QByteArray("gammel\r\n"));
    QCOMPARE(QDir(dir).entryList(QDir::Files), QStringList{QStringLiteral("gammel.txt")});
}

void TestCore::optionReader_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("ok");
    QTest::newRow("good") << QByteArray("12\r\n1\r\ntekst\r\n") << true;
    QTest::newRow("blanks around number") << QByteArray(" 12 \r\n0\r\ntekst\r\n") << true;
    QTest::newRow("short") << QByteArray("12\r\n1\r\n") << false;
    QTest::newRow("letters for a number") << QByteArray("1x\r\n1\r\ntekst\r\n") << false;
    QTest::newRow("bad boolean") << QByteArray("12\r\n2\r\ntekst\r\n") << false;
    QTest::newRow("empty file") << QByteArray() << false;
    QTest::newRow("binary garbage") << QByteArray("\x00\xFF\x01", 3) << false;
}

void TestCore::optionReader()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, ok);
    TestProgramFolder folder;
    folder.writeFile(QStringLiteral("opt.txt"), content);
    core::OptionReader r(folder.path(QStringLiteral("opt.txt")), 3);
    const int n = r.integer(0);
    const bool b = r.boolean(1);
    const QString t = r.text(2);
    QCOMPARE(r.ok(), ok);
    if (ok) {
        QCOMPARE(n, 12);
        QCOMPARE(t, QStringLiteral("tekst"));
        Q_UNUSED(b);
    }
    QVERIFY(!core::OptionReader(folder.path(QStringLiteral("mangler.txt")), 1).exists());
}

void TestCore::optionWriterKeepsCharactersOutsideAnsi()
{
    TestProgramFolder folder;
    const QString path = folder.path(QStringLiteral("opt.txt"));
    core::OptionWriter w;
    w.add(5).add(true).add(QStringLiteral("/home/α/Dokumenter"));
    QVERIFY(w.write(path));
    core::OptionReader r(path, 3);
    QCOMPARE(r.integer(0), 5);
    QCOMPARE(r.boolean(1), true);
    QCOMPARE(r.text(2), QStringLiteral("/home/α/Dokumenter"));
    QVERIFY(r.ok());
}

void TestCore::installNeverOverwrites()
{
    TestProgramFolder folder;
    QTemporaryDir source;
    QDir(source.path()).mkpath(QStringLiteral("Dir/Html"));
    auto put = [](const QString &p, const QByteArray &b) {
        QFile f(p);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(b);
    };
    put(source.filePath(QStringLiteral("Dir/Html/AlleKoder.txt")), "p\r\n");
    put(source.filePath(QStringLiteral("Dir/Html/MedSlutkode.txt")), "p\r\n");
    QDir(source.path()).mkpath(QStringLiteral("Dir/Css/Egenskaber"));
    put(source.filePath(QStringLiteral("Dir/Css/Egenskaber/color.txt")), "red\r\n");
    put(source.filePath(QStringLiteral("top.txt")), "t\r\n");
    folder.writeFile(QStringLiteral("Dir/Html/AlleKoder.txt"), "brugerens\r\n");

    QVERIFY(core::ProgramFolder::install(source.path(), folder.programDir()).isEmpty());
    QCOMPARE(folder.readFile(QStringLiteral("Dir/Css/Egenskaber/color.txt")), QByteArray("red\r\n"));
    QCOMPARE(folder.readFile(QStringLiteral("top.txt")), QByteArray("t\r\n"));
    QCOMPARE(folder.readFile(QStringLiteral("Dir/Html/AlleKoder.txt")), QByteArray("brugerens\r\n"));
    QCOMPARE(folder.readFile(QStringLiteral("Dir/Html/MedSlutkode.txt")), QByteArray("p\r\n"));
    for (const char *d : {"Egenskaber/Spaltedesign", "Egenskaber/Kolonne layout", "Egenskaber/Kontainer",
                          "Egenskaber/Flex layout", "Egenskaber/ftpmappe", "Dokumenter"})
        QVERIFY2(QFileInfo(folder.path(QString::fromUtf8(d))).isDir(), d);
    QCOMPARE(core::ProgramFolder::programDir(), folder.programDir());
}

void TestCore::safeNamesAndCaseInsensitiveLookup_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("found");
    QTest::newRow("exact") << QStringLiteral("div.txt") << QStringLiteral("div.txt");
    QTest::newRow("other case") << QStringLiteral("DIV.txt") << QStringLiteral("div.txt");
    QTest::newRow("missing") << QStringLiteral("span.txt") << QStringLiteral("span.txt");
    QTest::newRow("slash") << QStringLiteral("../div.txt") << QString();
    QTest::newRow("backslash") << QStringLiteral("a\\b.txt") << QString();
    QTest::newRow("dots") << QStringLiteral("..") << QString();
    QTest::newRow("nul") << QStringLiteral("div\0.txt") << QString();
    QTest::newRow("empty") << QString() << QString();
}

void TestCore::safeNamesAndCaseInsensitiveLookup()
{
    QFETCH(QString, name);
    QFETCH(QString, found);
    TestProgramFolder folder;
    folder.writeFile(QStringLiteral("Attributes/div.txt"), "id\r\n");
    const QString dir = folder.path(QStringLiteral("Attributes"));
    const QString got = core::ProgramFolder::findFileNoCase(dir, name);
    QCOMPARE(got, found.isEmpty() ? QString() : dir + QStringLiteral("/") + found);
}

void TestCore::failedWritesSayWhy_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing folder") << "mangler/side.html" << "Mappen findes ikke.";
    QTest::newRow("a file as folder") << "fil/side.html" << "En del af stien er ikke en mappe.";
    QTest::newRow("name too long") << QString(300, u'a') + ".html" << "Navnet er for langt.";
    QTest::newRow("a folder as file") << "mappe" << "Navnet er en mappe.";
}

// The atomic writer fails with the reason in Danish and leaves nothing behind.
void TestCore::failedWritesSayWhy()
{
    QFETCH(QString, relative);
    TestProgramFolder folder;
    folder.writeFile(QStringLiteral("fil"), "x");
    QVERIFY(QDir().mkpath(folder.path(QStringLiteral("mappe"))));
    const core::ReadResult r = core::writeFileAtomic(folder.path(relative), "<p>x</p>");
    QVERIFY(!r.ok);
    QTEST(r.error, "reason");
    QCOMPARE(QDir(folder.programDir()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList{"fil"});
}

void TestCore::reasonsInDanish()
{
    QCOMPARE(core::fejlGrund(ENOSPC, "No space left on device"), QStringLiteral("Der er ikke plads på disken."));
    QCOMPARE(core::fejlGrund(EROFS, "Read-only file system"), QStringLiteral("Drevet kan kun læses, ikke skrives på."));
    QCOMPARE(core::fejlGrund(EACCES, "Permission denied"), QStringLiteral("Du har ikke adgang til filen eller mappen."));
    QCOMPARE(core::fejlGrund(EDQUOT, "Disk quota exceeded"), QStringLiteral("Din plads på disken er brugt op."));
    // Anything else keeps the system's own words.
    QCOMPARE(core::fejlGrund(0, "Unknown error"), QStringLiteral("(Unknown error)"));
    QCOMPARE(core::fejlGrund(ETXTBSY, "Text file busy"), QStringLiteral("(Text file busy)"));
}

QTEST_GUILESS_MAIN(TestCore)
#include "tst_core.moc"
