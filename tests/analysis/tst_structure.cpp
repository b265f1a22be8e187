
#include "analysis/structure.h"
#include "analysis/structuremodel.h"
#include "codewriting/taginfo.h"
#include "editor/editor.h"
#include "naivestructure.h"
#include "testsupport/testenv.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

namespace {

void loadLists(Tinfotag &taginf)
{
    const QString dir = fixturePath("taglister/");
    QVERIFY(taginf.LoadNosluttagliste(dir + "UdenSlutkode.txt").ok);
    QVERIFY(taginf.LoadTagliste(dir + "MedSlutkode.txt").ok);
    QVERIFY(taginf.LoadAlletagliste(dir + "AlleKoder.txt").ok);
    QVERIFY(taginf.LoadUAttributliste(dir + "_undtagelser.txt").ok);
    QVERIFY(taginf.LoadExcludeliste(dir + "Ekskluderet.txt").ok);
}

// One line per node, indented by depth; "*" marks an open node, "!" a surplus end tag.
void dump(const StructureTree &tree, int id, int depth, QStringList &out)
{
    const StructureNode &n = tree.node(id);
    QString line = QString(depth, u' ') + n.text;
    if (n.data.TagEnd == 0)
        line += u'*';
    else if (n.data.TagEnd == 3)
        line += u'!';
    out << line;
    for (int child : n.children)
        dump(tree, child, depth + 1, out);
}

QString dump(const StructureTree &tree)
{
    QStringList out;
    if (!tree.isEmpty())
        dump(tree, 0, 0, out);
    return out.join(u'\n');
}

} // namespace

class TestStructure : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { loadLists(m_taginf); }
    void shape_data();
    void shape();
    void attributeNames_data();
    void attributeNames();
    void indexPointsAtTheTagInCrLfText();
    void agreesWithNodeByNodeReading();
    void readsEditorWithProgress();
    void gotoTagSelectsTheName();
    void visAttributterRelabels();

private:
    StructureTree read(const QString &text)
    {
        return readStructure(text, {m_taginf.Excludeliste(), m_taginf.Nosluttagliste(), m_taginf.Tagliste()});
    }
    Tinfotag m_taginf;
};

void TestStructure::shape_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tree");

    QTest::newRow("nesting") << "<html><body><p>tekst</p></body></html>"
                             << "Hjemmeside\n html\n  body\n   p\n   /p\n  /body\n /html";
    QTest::newRow("end tag closes outer element, inner stays parent")
        << "<div><p></div><b>" << "Hjemmeside\n div\n  p*\n   b*\n  /div";
    QTest::newRow("end tag matches case exactly") << "<P></p>" << "Hjemmeside\n P*\n  /p!";
    QTest::newRow("surplus end tag") << "<div></p></div>" << "Hjemmeside\n div\n  /p!\n /div";
    QTest::newRow("after last close, children of the closed element")
        << "<p></p><div>" << "Hjemmeside\n p\n  div*\n /p";
    QTest::newRow("leaves") << "<p>a<br>b<br/>c</br></p>" << "Hjemmeside\n p\n  br\n  br\n  br\n /p";
    QTest::newRow("comment and declarations make no node, nor does a comment's content")
        << "<!-- <b> --><!DOCTYPE html><?xml?><% x %>< p" << "Hjemmeside";
    QTest::newRow("script content is text") << "<script>if (a<n) x<b></script>"
                                            << "Hjemmeside\n script\n /script";
    // Text that only looks like a tag.
    QTest::newRow("< in a quoted value") << "<img alt=\"a<b\"><p>x</p>" << "Hjemmeside\n img\n p\n /p";
    QTest::newRow("tags in a quoted value") << "<span title='<p>x</p>'>y</span>"
                                            << "Hjemmeside\n span\n /span";
    QTest::newRow("> in a quoted value") << "<a title=\"a>b\" href=x>y</a>" << "Hjemmeside\n a\n /a";
    QTest::newRow("< in an unquoted value") << "<a href=a<b class=c>x</a>" << "Hjemmeside\n a\n /a";
    QTest::newRow("comparison in text") << "<p>a <= b, 1<2</p>" << "Hjemmeside\n p\n /p";
    QTest::newRow("comment with tags") << "<p><!-- <div> <b> --></p>" << "Hjemmeside\n p\n /p";
    QTest::newRow("comment never closed") << "<p></p><!-- <div>" << "Hjemmeside\n p\n /p";
    QTest::newRow("style content") << "<style>a>b{x:1}</style>" << "Hjemmeside\n style\n /style";
    QTest::newRow("textarea content") << "<textarea><p>x</b></textarea><p>" << "Hjemmeside\n textarea\n  p*\n /textarea";
    QTest::newRow("title content") << "<title>a<b>c</title>" << "Hjemmeside\n title\n /title";
    QTest::newRow("script end tag in capitals") << "<SCRIPT>x<b></Script><p></p>"
                                                << "Hjemmeside\n SCRIPT*\n  /Script!\n  p\n  /p";
    QTest::newRow("script end tag needs its whole name") << "<script>\"</scripts>\"</script>"
                                                         << "Hjemmeside\n script\n /script";
    QTest::newRow("script never closed") << "<script>x<p>y</p>" << "Hjemmeside\n script*";
    QTest::newRow("quote never closed") << "<p title=\"x>y</p>" << "Hjemmeside\n p\n /p";
    QTest::newRow("unknown names open outside script") << "<foo>x</foo>" << "Hjemmeside\n foo\n /foo";
    QTest::newRow("excluded names") << "<table><tbody><tr></tr></tbody></table>"
                                    << "Hjemmeside\n table\n  tr\n  /tr\n /table";
    QTest::newRow("name broken by a line break") << "<p\n>x</p\n>" << "Hjemmeside\n p\n /p";
    QTest::newRow("attributes on the next line") << "<div\nclass=\"a\"></div>" << "Hjemmeside\n div\n /div";
    QTest::newRow("unclosed list items nest and close with the list")
        << "<ul><li>a<li>b</ul><p>" << "Hjemmeside\n ul\n  li*\n   li*\n   /ul\n   p*";
    QTest::newRow("< at the very end") << "<p></p><" << "Hjemmeside\n p\n /p";
    QTest::newRow("empty") << "" << "Hjemmeside";
}

void TestStructure::shape()
{
    QFETCH(QString, text);
    QTEST(dump(read(text)), "tree");
}

void TestStructure::attributeNames_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("attrListe");

    QTest::newRow("quoted values") << "<a href=\"x y\" class=\"b\">" << "href class  ";
    QTest::newRow("bare attribute") << "<input disabled>" << "disabled ";
    QTest::newRow("self-closing") << "<input disabled/>" << "disabled  ";
    QTest::newRow("next line") << "<a href=\"x\"\n\tclass=\"b\">" << "href  class  ";
    QTest::newRow("single quotes quote") << "<a title='a b'>" << "title  ";
    QTest::newRow("none") << "<p>" << "";
    QTest::newRow("unterminated tag stops at next tag") << "<a href=\"x\" <b>" << "href ";
    // A value is a value whatever it holds; "/" separates names only outside one.
    QTest::newRow("URL in single quotes")
        << "<link href='https://fonts.googleapis.com/css?family=Lobster|Raleway' rel='stylesheet' type='text/css'>"
        << "href rel type  ";
    QTest::newRow("unquoted path") << "<a href=/docs/page.html>" << "href  ";
    QTest::newRow("unquoted values, then names") << "<td colspan=2 class=x/y title=a<b>" << "colspan class title  ";
    QTest::newRow("unquoted value ends in a slash") << "<br clear=all/>" << "clear  ";
    QTest::newRow("self-closing after a value") << "<meta charset=\"utf-8\" />" << "charset   ";
    QTest::newRow("spaces around =") << "<a href = \"x\" id=y>" << "href  id  ";
    QTest::newRow("other quote inside a value") << "<a title=\"it's\" alt='say \"hi\"' href=x>" << "title alt href  ";
    QTest::newRow("name right after a value") << "<a href=\"x\"class=\"y\">" << "href class  ";
    // A quoted value ends only at its own quote: "<" and ">" in a media query are text.
    QTest::newRow("< in a quoted value") << "<img sizes=\"(width <= 600px) 100vw\" src=\"a.png\" alt=\"\">"
                                         << "sizes src alt  ";
    QTest::newRow("< and > in quoted values")
        << "<source media=\"(width < 800px)\" srcset=\"a.jpg\"><source media='(width >= 800px)' srcset=\"b.jpg\">"
        << "media srcset  ";
}

void TestStructure::attributeNames()
{
    QFETCH(QString, text);
    const StructureTree tree = read(text);
    QVERIFY(tree.count() > 1);
    QTEST(tree.node(1).data.AttrListe, "attrListe");
}

void TestStructure::indexPointsAtTheTagInCrLfText()
{
    QString text;
    for (int i = 0; i < 200; ++i)
        text += QString("<div id=\"d%1\">\n  <p>a<br>\nb</p>\n</div>\n").arg(i);
    text += "</p>";
    QString crlf = text;
    crlf.replace("\n", "\r\n");
    const StructureTree tree = read(text);
    QCOMPARE(tree.count(), 1 + 200 * 5 + 1);
    for (int id : tree.depthFirst()) {
        const StructureNode &n = tree.node(id);
        const QString name = n.text.startsWith(u'/') ? n.text.mid(1) : n.text;
        const QString at = crlf.mid(n.data.Index, name.size() + 2);
        QVERIFY2(at.startsWith("<" + name) || at.startsWith("</" + name), qPrintable(at));
    }
}

void TestStructure::agreesWithNodeByNodeReading()
{
    // Random tag soup: unclosed, surplus, misnested and mixed-case tags, comments, scripts.
    const QStringList pieces = {"<div>", "</div>", "<p>", "</p>", "<P>", "<li>", "</li>", "<ul>", "</ul>",
                                "<b>", "</b>", "<br>", "</br>", "<foo>", "</foo>", "<script>", "</script>",
                                "x<y", "<!--", "-->", "\n", "<tbody>", "<span class=\"a\">", "</span>"};
    QRandomGenerator rng(4711);
    const StructureLists lists{m_taginf.Excludeliste(), m_taginf.Nosluttagliste(), m_taginf.Tagliste()};
    // Many short documents, and a few long ones where nodes are often added between others.
    // Each reading takes over the storage of the one before, as the check window's do.
    StructureTree previous;
    for (int doc = 0; doc < 410; ++doc) {
        QString text;
        const int n = doc < 400 ? int(rng.bounded(1, 120)) : 5000;
        for (int i = 0; i < n; ++i)
            text += pieces[rng.bounded(pieces.size())];
        StructureTree tree = readStructure(text, lists, {}, std::move(previous));
        QVERIFY2(naive::sameTree(tree, naive::readStructure(text, lists)), qPrintable(text));
        previous = std::move(tree);
    }
}

void TestStructure::readsEditorWithProgress()
{
    TEditor edit;
    Tinfotag taginf;
    loadLists(taginf);
    QSignalSpy progress(&taginf, &Tinfotag::OnProgress);

    taginf.ReadStructure();  // nothing attached: only the start and the end are reported
    QCOMPARE(progress.size(), 2);
    QVERIFY(taginf.TreeModel()->tree().isEmpty());

    progress.clear();
    edit.setText("<p>\n<b>\u00a0x</b>\n</p>\n");
    taginf.SetEditor(&edit);
    QAbstractItemModelTester tester(taginf.TreeModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    taginf.ReadStructure();
    QList<int> values;
    for (const QList<QVariant> &args : progress)
        values << args.at(0).toInt();
    QCOMPARE(values, QList<int>({0, 25, 50, 100}));
    QCOMPARE(dump(taginf.TreeModel()->tree()), QString("Hjemmeside\n p\n  b\n  /b\n /p"));
    QCOMPARE(taginf.TreeModel()->data(taginf.TreeModel()->index(0, 0)).toString(), QString("Hjemmeside"));
}

void TestStructure::gotoTagSelectsTheName()
{
    TEditor edit;
    edit.setText("<html>\n<body>\n<P class=\"x\">a\n</p>\n</body>\n</div>\n");
    Tinfotag taginf;
    loadLists(taginf);
    taginf.SetEditor(&edit);
    taginf.ReadStructure();
    StructureModel *model = taginf.TreeModel();
    const QModelIndex root = model->index(0, 0);
    const QModelIndex html = model->index(0, 0, root);
    const QModelIndex body = model->index(0, 0, html);
    const QModelIndex p = model->index(0, 0, body);
    const QModelIndex surplusP = model->index(0, 0, p);
    const QModelIndex surplusDiv = model->index(1, 0, html);
    QCOMPARE(model->data(surplusP).toString(), QString("/p"));
    QCOMPARE(model->data(surplusDiv).toString(), QString("/div"));

    taginf.GotoTag(p);
    QCOMPARE(edit.SelText(), QString("P"));
    QCOMPARE(edit.SelStart(), 15);
    taginf.GotoTag(surplusP);
    QCOMPARE(edit.SelText(), QString("/p"));
    taginf.GotoTag(surplusDiv);
    QCOMPARE(edit.SelText(), QString("/div"));
    taginf.SetKontrolMode(4);  // the surplus view selects two characters
    taginf.GotoTag(surplusDiv);
    QCOMPARE(edit.SelText(), QString("/d"));
    taginf.GotoTag(root);
    QCOMPARE(edit.caretPos(), 0);
    QVERIFY(!edit.hasSelection());
}

void TestStructure::visAttributterRelabels()
{
    TEditor edit;
    Tinfotag taginf;
    loadLists(taginf);
    taginf.SetEditor(&edit);
    QCOMPARE(taginf.VisAttributter(), -1);  // nothing read yet

    edit.setText("<a href=\"x\" class=\"y\">t</a><p>x</p><input disabled>");
    taginf.ReadStructure();
    QSignalSpy changed(taginf.TreeModel(), &QAbstractItemModel::dataChanged);
    QAbstractItemModelTester tester(taginf.TreeModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(taginf.VisAttributter(), 2);
    QVERIFY(!changed.isEmpty());
    QCOMPARE(changed.size(), 1);   // one notice for the whole tree, not one per parent
    QCOMPARE(dump(taginf.TreeModel()->tree()),
             QString("Hjemmeside\n a href class  \n  p\n   input disabled \n  /p\n /a"));
    QCOMPARE(taginf.VisAttributter(), 2);  // again: the same labels, not appended twice
    QCOMPARE(taginf.TreeModel()->tree().node(1).text, QString("a href class  "));
    QCOMPARE(Tinfotag::GetNodeTag("a href class  "), QString("a"));
    QCOMPARE(Tinfotag::GetNodeTag("p"), QString("p"));
}

QTEST_MAIN(TestStructure)
#include "tst_structure.moc"
