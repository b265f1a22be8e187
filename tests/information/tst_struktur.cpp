// The structure tree and its two files; the lookup by title, the visited pages and the
// searches over page files.

#include "information/infosoeg.h"
#include "information/navigation.h"
#include "information/struktur.h"
#include "testsupport/testenv.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using namespace information;

namespace {

// The tree as "depth:text" lines in depth-first order.
QStringList form(const TStruktur &t)
{
    QStringList ud;
    for (QTreeWidgetItem *n : t.alleNoder()) {
        int d = 0;
        for (auto *p = n->parent(); p; p = p->parent())
            ++d;
        ud << QString::number(d) + u':' + n->text(0);
    }
    return ud;
}

QTreeWidgetItem *node(const TStruktur &t, const QString &text)
{
    for (QTreeWidgetItem *n : t.alleNoder())
        if (n->text(0) == text)
            return n;
    return nullptr;
}

struct Fixture {
    TestProgramFolder folder;
    TStruktur tree;
    Fixture()
    {
        tree.Strukturfile = folder.path(QStringLiteral("S/struktur.txt"));
        tree.Datafile = folder.path(QStringLiteral("S/data.txt"));
        tree.Infomappe = folder.path(QStringLiteral("S/tekstfiler/"));
        tree.DataOn = true;
        QDir().mkpath(tree.Infomappe);
    }
    void files(const QByteArray &struktur, const QByteArray &data)
    {
        folder.writeFile(QStringLiteral("S/struktur.txt"), struktur);
        if (!data.isNull())
            folder.writeFile(QStringLiteral("S/data.txt"), data);
    }
    QString trash(const QString &name) const
    {
        return QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME")) + QStringLiteral("/Trash/files/") + name;
    }
};

} // namespace

class TestStruktur : public QObject {
    Q_OBJECT
private slots:
    void roundTrip()
    {
        Fixture f;
        f.files("A\r\n\tB\r\n\t\tC\r\n\tD\r\nE\r\n", "0a\r\n3abc\r\n1c\r\n0\r\n9e\r\n");
        QVERIFY(f.tree.HentStruktur());
        QCOMPARE(form(f.tree), (QStringList{"0:A", "1:B", "2:C", "1:D", "0:E"}));
        QCOMPARE(TStruktur::ikonIndex(node(f.tree, "B")), 3);
        f.tree.setCurrentItem(node(f.tree, "B"));
        QCOMPARE(f.tree.SelectedData(), QStringLiteral("abc"));
        f.tree.setCurrentItem(node(f.tree, "D"));
        QCOMPARE(f.tree.SelectedData(), QString());
        QVERIFY(!f.tree.Modified);
        // A node made without data is written as "0".
        f.tree.DataOn = false;
        f.tree.setCurrentItem(node(f.tree, "E"));
        f.tree.NyNode(QStringLiteral("F"), QStringLiteral("x"), 5, false, false);
        f.tree.DataOn = true;
        QVERIFY(f.tree.GemStruktur());
        QCOMPARE(f.folder.readFile("S/struktur.txt"), QByteArray("A\r\n\tB\r\n\t\tC\r\n\tD\r\nE\r\nF\r\n"));
        QCOMPARE(f.folder.readFile("S/data.txt"), QByteArray("0a\r\n3abc\r\n1c\r\n0\r\n9e\r\n0\r\n"));
    }

    void levels_data()
    {
        QTest::addColumn<QByteArray>("struktur");
        QTest::addColumn<QStringList>("expected");   // empty: an error
        QTest::newRow("spaces") << QByteArray("A\r\n B\r\n  C\r\n D\r\n") << QStringList{"0:A", "1:B", "2:C", "1:D"};
        QTest::newRow("tab and space are two levels") << QByteArray("A\r\n\t B\r\n") << QStringList{};
        QTest::newRow("back two levels") << QByteArray("A\n\tB\n\t\tC\nD\n") << QStringList{"0:A", "1:B", "2:C", "0:D"};
        QTest::newRow("blank lines") << QByteArray("A\r\n\r\n\tB\r\n") << QStringList{"0:A", "1:B"};
        QTest::newRow("jump") << QByteArray("A\r\n\t\tB\r\n") << QStringList{};
        QTest::newRow("first line deep") << QByteArray("\tA\r\n") << QStringList{};
    }
    void levels()
    {
        QFETCH(QByteArray, struktur);
        QFETCH(QStringList, expected);
        Fixture f;
        f.tree.DataOn = false;
        // What was shown before stays when the file is damaged.
        f.tree.NyNode(QStringLiteral("før"), {}, 0, false, false);
        f.files(struktur, {});
        const bool ok = f.tree.HentStruktur();
        QCOMPARE(ok, !expected.isEmpty());
        if (expected.isEmpty()) {
            QCOMPARE(form(f.tree), QStringList{"0:før"});
            QVERIFY(f.tree.fejl().startsWith(QStringLiteral("Strukturfilen er beskadiget")));
        } else {
            QCOMPARE(form(f.tree), expected);
        }
    }

    void missingAndShortFiles()
    {
        Fixture f;
        // No structure file: an empty tree and false, and no file made.
        f.tree.NyNode(QStringLiteral("x"), {}, 0, false, false);
        QVERIFY(!f.tree.HentStruktur());
        QCOMPARE(f.tree.topLevelItemCount(), 0);
        QVERIFY(!QFile::exists(f.tree.Strukturfile));
        // No data file: the texts without data, and false.
        f.files("A\r\n\tB\r\n", {});
        QVERIFY(!f.tree.HentStruktur());
        QCOMPARE(form(f.tree), (QStringList{"0:A", "1:B"}));
        QCOMPARE(TStruktur::ikonIndex(node(f.tree, "B")), -1);
        // A data file shorter than the tree: an error, the tree as it was.
        f.files("A\r\n\tB\r\nC\r\n", "1a\r\n2b\r\n");
        QVERIFY(!f.tree.HentStruktur());
        QVERIFY(f.tree.fejl().startsWith(QStringLiteral("Datafilen er beskadiget")));
        QCOMPARE(form(f.tree), (QStringList{"0:A", "1:B"}));
    }

    void writingNeedsNames()
    {
        TestProgramFolder folder;
        TStruktur t;
        t.NyNode(QStringLiteral("A"), {}, 0, false, false);
        QVERIFY(!t.GemStruktur());
        t.Strukturfile = folder.path(QStringLiteral("s.txt"));
        t.DataOn = true;
        QVERIFY(!t.GemStruktur());   // data on, no data file: nothing at all written
        QVERIFY(!QFile::exists(t.Strukturfile));
        t.DataOn = false;
        QVERIFY(t.GemStruktur());
        QCOMPARE(folder.readFile("s.txt"), QByteArray("A\r\n"));
    }

    void encodings()
    {
        Fixture f;
        // A file with a mark is written back with it.
        f.files("\xEF\xBB\xBF" "Æble\r\n\tπ\r\n", "0\r\n0\r\n");
        QVERIFY(f.tree.HentStruktur());
        QCOMPARE(form(f.tree), (QStringList{"0:Æble", "1:π"}));
        QVERIFY(f.tree.GemStruktur());
        QCOMPARE(f.folder.readFile("S/struktur.txt"), QByteArray("\xEF\xBB\xBF" "Æble\r\n\tπ\r\n"));
        // A new structure is written in Windows-1252 ...
        TStruktur ny;
        ny.Strukturfile = f.folder.path(QStringLiteral("ny.txt"));
        ny.NyNode(QStringLiteral("Øl"), {}, 0, false, true);
        QCOMPARE(f.folder.readFile("ny.txt"), QByteArray("\xD8l\r\n"));
        // ... unless a title cannot be held there: then nothing is lost.
        ny.NyNode(QStringLiteral("∑"), {}, 0, false, true);
        QVERIFY(ny.HentStruktur());
        QCOMPARE(form(ny), (QStringList{"0:Øl", "0:∑"}));
    }

    void flytmode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QStringList>("moved");
        // Target: B in  A( B(C) D ) E; then D moves onto B by the same mode.
        QTest::newRow("naAdd") << int(naAdd) << QStringList{"0:A", "1:B", "2:C", "1:D", "1:N", "0:E"}
                               << QStringList{"0:A", "1:B", "2:C", "1:N", "1:D", "0:E"};
        QTest::newRow("naAddFirst") << int(naAddFirst) << QStringList{"0:A", "1:N", "1:B", "2:C", "1:D", "0:E"}
                                    << QStringList{"0:A", "1:D", "1:N", "1:B", "2:C", "0:E"};
        QTest::newRow("naAddChild") << int(naAddChild) << QStringList{"0:A", "1:B", "2:C", "2:N", "1:D", "0:E"}
                                    << QStringList{"0:A", "1:B", "2:C", "2:N", "2:D", "0:E"};
        QTest::newRow("naAddChildFirst") << int(naAddChildFirst) << QStringList{"0:A", "1:B", "2:N", "2:C", "1:D", "0:E"}
                                         << QStringList{"0:A", "1:B", "2:D", "2:N", "2:C", "0:E"};
        QTest::newRow("naInsert") << int(naInsert) << QStringList{"0:A", "1:N", "1:B", "2:C", "1:D", "0:E"}
                                  << QStringList{"0:A", "1:N", "1:D", "1:B", "2:C", "0:E"};
    }
    void flytmode()
    {
        QFETCH(int, mode);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, moved);
        Fixture f;
        f.files("A\r\n\tB\r\n\t\tC\r\n\tD\r\nE\r\n", "0\r\n0\r\n0\r\n0\r\n0\r\n");
        QVERIFY(f.tree.HentStruktur());
        f.tree.Flytmode = TNodeAttachMode(mode);
        f.tree.setCurrentItem(node(f.tree, "B"));
        f.tree.NyNode(QStringLiteral("N"), QStringLiteral("n"), 4, false, false);
        QCOMPARE(form(f.tree), expected);
        QCOMPARE(TStruktur::dataStreng(node(f.tree, "N")), QStringLiteral("4n"));
        QVERIFY(f.tree.Modified);

        // The same mode moves D with the mouse onto B; a release on D itself changes nothing.
        f.tree.resize(300, 400);
        f.tree.expandAll();
        f.tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.tree));
        const QPoint d = f.tree.visualItemRect(node(f.tree, "D")).center();
        const QPoint b = f.tree.visualItemRect(node(f.tree, "B")).center();
        const QStringList before = form(f.tree);
        f.tree.Modified = false;
        f.tree.MusDown(d.x(), d.y());
        f.tree.MusUp(d.x(), d.y(), false);
        QCOMPARE(form(f.tree), before);
        QVERIFY(!f.tree.Modified);
        f.tree.MusDown(d.x(), d.y());
        f.tree.MusUp(b.x(), b.y(), false);
        QVERIFY(f.tree.Modified);
        QCOMPARE(form(f.tree), moved);
    }

    void newNodeEdges()
    {
        for (int mode : {int(naAdd), int(naAddChild), int(naInsert)}) {
            TStruktur t;
            t.Flytmode = TNodeAttachMode(mode);
            t.NyNode(QStringLiteral("A"), {}, 0, false, false);
            QCOMPARE(form(t), QStringList{"0:A"});
            QCOMPARE(TStruktur::ikonIndex(t.forsteNode()), -1);
        }
        TStruktur t;
        t.NyNode(QStringLiteral("A"), {}, 0, false, false);
        t.NyNode(QString(), {}, 0, false, false);   // no text: nothing
        t.Flytmode = naInsert;
        t.setCurrentItem(nullptr);
        t.NyNode(QStringLiteral("B"), {}, 0, false, false);
        QCOMPARE(form(t), (QStringList{"0:B", "0:A"}));
        // Sorting orders every level, capitals ignored.
        t.setCurrentItem(node(t, "A"));
        t.Flytmode = naAddChild;
        t.NyNode(QStringLiteral("z"), {}, 0, false, false);
        t.NyNode(QStringLiteral("Y"), {}, 0, false, false);
        t.Modified = false;
        t.setCurrentItem(node(t, "B"));
        t.RedigerNode(QStringLiteral("c"), {}, 0, true, false);
        QCOMPARE(form(t), (QStringList{"0:A", "1:Y", "1:z", "0:c"}));
        QVERIFY(t.Modified);
    }

    void mouseMoveRules()
    {
        TStruktur t;
        for (const char *s : {"A", "B", "C"})
            t.NyNode(QString::fromLatin1(s), {}, 0, false, false);
        t.resize(200, 200);
        t.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t));
        auto at = [&t](const char *s) { return t.visualItemRect(node(t, QString::fromLatin1(s))).center(); };
        // Never from the first node.
        t.MusDown(at("A").x(), at("A").y());
        QVERIFY(!t.flytIgang());
        // Pressing again while moving cancels.
        t.MusDown(at("C").x(), at("C").y());
        QVERIFY(t.flytIgang());
        t.MusDown(at("C").x(), at("C").y());
        QVERIFY(!t.flytIgang());
        t.MusUp(at("A").x(), at("A").y(), false);
        QCOMPARE(form(t), (QStringList{"0:A", "0:B", "0:C"}));
        // As root node: before the first one.
        t.MusDown(at("C").x(), at("C").y());
        t.MusUp(at("B").x(), at("B").y(), true);
        QCOMPARE(form(t), (QStringList{"0:C", "0:A", "0:B"}));
        // Never into its own subtree.
        t.setCurrentItem(node(t, "A"));
        t.Flytmode = naAddChild;
        t.NyNode(QStringLiteral("A1"), {}, 0, false, false);
        t.expandAll();
        t.MusDown(at("A").x(), at("A").y());
        t.MusUp(at("A1").x(), at("A1").y(), false);
        QCOMPARE(form(t), (QStringList{"0:C", "0:A", "1:A1", "0:B"}));
    }

    void deleteSendsPagesToTrash()
    {
        Fixture f;
        f.files("A\r\n\tB\r\n\t\tC\r\n\tD\r\nE\r\n", "0a\r\n0b\r\n0c\r\n0\r\n0../ude\r\n");
        for (const char *p : {"a", "b", "c"})
            f.folder.writeFile(QStringLiteral("S/tekstfiler/%1.html").arg(QLatin1String(p)), "x");
        f.folder.writeFile(QStringLiteral("S/ude.html"), "keep");
        QVERIFY(f.tree.HentStruktur());
        f.tree.setCurrentItem(node(f.tree, "A"));
        f.tree.SletNode();
        QCOMPARE(form(f.tree), QStringList{"0:E"});
        QVERIFY(f.tree.Modified);
        QVERIFY(!QFile::exists(f.tree.Infomappe + "a.html"));
        QVERIFY(!QFile::exists(f.tree.Infomappe + "b.html"));
        QVERIFY(QFile::exists(f.trash("a.html")));
        QVERIFY(QFile::exists(f.trash("b.html")));
        QVERIFY(QFile::exists(f.tree.Infomappe + "c.html"));   // a grandchild's page stays
        // A data text leading out of the page folder never sends that file anywhere.
        f.tree.setCurrentItem(node(f.tree, "E"));
        f.tree.SletNode();
        QCOMPARE(f.tree.topLevelItemCount(), 0);
        QVERIFY(QFile::exists(f.folder.path("S/ude.html")));
        QVERIFY(!TStruktur::FileDeleteRB(f.folder.path("S/findes-ikke.html")));
    }

    void findTitel_data()
    {
        QTest::addColumn<QStringList>("titler");
        QTest::addColumn<int>("valgt");
        QTest::addColumn<QString>("s");
        QTest::addColumn<int>("expected");
        const QStringList t{"a", "table", "b", "TABLE", "c"};
        QTest::newRow("none selected") << t << -1 << "table" << 1;
        QTest::newRow("after the first") << t << 1 << "table" << 3;
        QTest::newRow("wraps around") << t << 3 << "table" << 1;
        QTest::newRow("last selected: from the top") << t << 4 << "a" << 0;
        QTest::newRow("only itself") << t << 0 << "A" << 0;
        QTest::newRow("missing") << t << 2 << "tr" << -1;
        QTest::newRow("empty") << QStringList{} << -1 << "a" << -1;
    }
    void findTitel()
    {
        QFETCH(QStringList, titler);
        QFETCH(int, valgt);
        QFETCH(QString, s);
        QFETCH(int, expected);
        QCOMPARE(information::findTitel(titler, valgt, s), expected);
    }

    void visitedPages()
    {
        TBesoegteSider v;
        for (const char *s : {"A", "B", "C"})
            v.besoegt(QString::fromLatin1(s));
        QVERIFY(v.kanTilbage() && v.kanFoerste() && !v.kanFrem() && !v.kanSidste());
        v.urlIndex = 0;   // back twice
        v.besoegt(QStringLiteral("D"));
        QCOMPARE(v.liste, (QStringList{"A", "D", "B", "C"}));
        QCOMPARE(v.urlIndex, 1);
        // The same page twice in a row is one entry.
        v.urlIndex = 3;
        v.besoegt(QStringLiteral("c"));
        QCOMPARE(v.liste, (QStringList{"A", "D", "B", "C"}));
        QCOMPARE(v.urlIndex, 3);

        TBesoegteSider r;
        r.liste = {"A", "B", "a", "C"};
        r.urlIndex = 2;
        QCOMPARE(r.rens(), 1);
        QCOMPARE(r.liste, (QStringList{"A", "B", "C"}));
        QCOMPARE(r.urlIndex, 0);
        QCOMPARE(r.rens(), 0);
        QCOMPARE(rensBesked(0), QStringLiteral("Der var ingen dobbeltgængere"));
        QCOMPARE(rensBesked(1), QStringLiteral("Der blev slettet 1 dobbeltgænger"));
        QCOMPARE(rensBesked(3), QStringLiteral("Der blev slettet 3 dobbeltgængere"));
        r.slet();
        QVERIFY(r.liste.isEmpty() && r.urlIndex == -1 && !r.kanFrem() && !r.kanTilbage());
    }

    void searchTab()
    {
        TestProgramFolder folder;
        folder.writeFile("p/en.html", "<p>Brug TABLE her</p>");
        folder.writeFile("p/to.html", "<table>\r\n</table><p>tablet</p>");
        folder.writeFile("p/tre.txt", "table,");
        folder.writeFile("p/fire.html", "\x93table\x94 i Windows-1252");
        folder.writeFile("p/sub/fem.html", "table");
        QCOMPARE(soegSider(folder.path("p"), "table"), (QStringList{"en", "fire", "to", "tre"}));
        QCOMPARE(soegSider(folder.path("p"), "tablet"), QStringList{"to"});
        QCOMPARE(soegSider(folder.path("p"), "abl"), QStringList{});
        QCOMPARE(soegSider(folder.path("p"), "Windows-1252"), QStringList{"fire"});
    }

    void searchLines_data()
    {
        QTest::addColumn<QString>("kilde");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("heleOrd");
        QTest::addColumn<bool>("storSmaa");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("inside a tag only") << "<p class=\"farve\">x</p>" << "class" << false << false << QStringList{};
        QTest::newRow("twice in a line") << "<b>farve</b> og farve" << "farve" << false << false << QStringList{" farve  og farve"};
        QTest::newRow("same text next line") << "<i>farve</i>\n<b>farve</b>\nny farve" << "farve" << false << false
                                             << QStringList{" farve ", "ny farve"};
        QTest::newRow("entities") << "Skriv &lt;p&gt; for farve &amp; form" << "farve" << false << false
                                  << QStringList{"Skriv <p> for farve &amp; form"};
        QTest::newRow("match case") << "Farve\nfarve" << "farve" << false << true << QStringList{"farve"};
        QTest::newRow("whole word") << "farver\nen farve." << "farve" << true << false << QStringList{"en farve."};
        QTest::newRow("repeated lines") << "<b>farve</b> farve\n<b>farve</b> farve\nfarve <i>farve</i> to" << "farve" << false << false
                                        << QStringList{" farve  farve", "farve  farve  to"};
        QTest::newRow("unclosed tag") << "farve <a href=" << "farve" << false << false << QStringList{"farve  "};
    }
    void searchLines()
    {
        QFETCH(QString, kilde);
        QFETCH(QString, tekst);
        QFETCH(bool, heleOrd);
        QFETCH(bool, storSmaa);
        QFETCH(QStringList, expected);
        QStringList got;
        for (const Fund &f : soegSide(QStringLiteral("s"), kilde, tekst, heleOrd, storSmaa))
            got << f.tekst;
        QCOMPARE(got, expected);
    }

    void searchFolder()
    {
        TestProgramFolder folder;
        folder.writeFile("p/b.html", "<p>margin og padding</p>\r\n<p>MARGIN</p>");
        folder.writeFile("p/a.HTML", "<div style=\"margin:0\">ingen</div>");
        folder.writeFile("p/c.txt", "margin");
        const QList<Fund> f = soegMappe(folder.path("p"), "margin", true, false);
        QCOMPARE(f.size(), 2);
        QCOMPARE(f[0].side, QStringLiteral("b"));
        QCOMPARE(f[1].tekst, QStringLiteral(" MARGIN "));
        QCOMPARE(soegMappe(folder.path("p"), "MARGIN", true, true).size(), 1);
    }
};

QTEST_MAIN(TestStruktur)
#include "tst_struktur.moc"
