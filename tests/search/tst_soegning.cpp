// Find and replace: the search rules, the active document's find and replace, and the
// folder search that reads files itself.

#include "core/textfile.h"
#include "editor/editor.h"
#include "search/dokumentsoegning.h"
#include "search/findform.h"
#include "search/soegning.h"
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
#include <QTreeWidget>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

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
    void windowReplacesInOpenDocumentsAndShowsHits();
    void windowSearchesAFolderAndOpensTheHit();
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

QTEST_MAIN(TestSoegning)
#include "tst_soegning.moc"
