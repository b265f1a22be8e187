// The HTML check: reading a page into the check window's tree, the four checks with their
// status texts, and walking from a finding to its tag in the document.

#include "analysis/kontrol.h"
#include "analysis/kontrolform.h"
#include "analysis/structuremodel.h"
#include "analysis/structuretreeview.h"
#include "codewriting/taginfo.h"
#include "core/textfile.h"
#include "editor/editor.h"
#include "platform/infobox.h"
#include "shell/mainform.h"
#include "shell/spmform.h"
#include "shell/winform.h"
#include "testsupport/testenv.h"

#include <QAction>
#include <QTreeView>
#include <QtTest>

namespace {

struct Fixture {
    TestProgramFolder folder;
    std::unique_ptr<Tmainform> m;
    Twinform *w = nullptr;
    explicit Fixture(const QString &page)
    {
        folder.writeFile(QStringLiteral("Dir/Html/MedSlutkode.txt"), "html\r\nbody\r\np\r\ndiv\r\na\r\nul\r\nli\r\nscript\r\n");
        folder.writeFile(QStringLiteral("Dir/Html/UdenSlutkode.txt"), "br\r\nimg\r\nmeta\r\n");
        folder.writeFile(QStringLiteral("Dir/Html/AlleKoder.txt"), "html\r\nbody\r\np\r\ndiv\r\na\r\nul\r\nli\r\nscript\r\nbr\r\nimg\r\nmeta\r\n");
        folder.writeFile(QStringLiteral("Dir/Html/Ekskluderet.txt"), "");
        folder.writeFile(QStringLiteral("Dir/Attributes/_undtagelser.txt"), "hidden\r\n");
        folder.writeFile(QStringLiteral("Dir/Attributes/a.txt"), "href\r\nclass\r\nid\r\n");
        folder.writeFile(QStringLiteral("Dir/Attributes/p.txt"), "class\r\nid\r\n");
        folder.writeFile(QStringLiteral("Dir/Attributes/_formEvents.txt"), "onchange\r\n");
        platform::setInfoBoxHandler([](const QString &) {});
        Tspmform::setTestHandler([](const QString &) { return Tspmform::Nej; });
        m = std::make_unique<Tmainform>();
        m->show();
        w = m->openwin({}, QStringLiteral(".html"));
        w->Edit->setText(page);
        m->AkontrolExecute();
    }
    ~Fixture()
    {
        m.reset();
        platform::setInfoBoxHandler({});
        Tspmform::setTestHandler({});
    }
    // Node texts after the root in depth-first order.
    QStringList labels() const
    {
        QStringList out;
        const StructureTree &t = m->taginf->TreeModel()->tree();
        for (int id : t.depthFirst())
            out << t.node(id).text;
        return out;
    }
    QString info() const { return m->kontrolform()->info(); }
    // Clicks the first node whose text is `text` and returns what the document selects.
    QString klik(const QString &text)
    {
        StructureModel *model = m->taginf->TreeModel();
        const StructureTree &t = model->tree();
        for (int id = 0; id < t.count(); ++id) {
            if (t.node(id).text == text) {
                m->kontrolform()->Tree->setCurrentIndex(model->indexOf(id));
                emit m->kontrolform()->gaaTilTag();
                return w->Edit->SelText();
            }
        }
        return QStringLiteral("(ingen knude)");
    }
};

} // namespace

class TestKontrol : public QObject {
    Q_OBJECT
private slots:
    void statusTexts_data();
    void statusTexts();
    void nothingRead();
    void missingEndTags();
    void surplusEndTags();
    void unknownTags();
    void unknownAttributes();
    void attributeView();
    void clickSelectsTheTag();
    void closingTheDocumentClearsTheTree();
    void realPage();
    void realPagesHaveNoUnknownAttributes_data();
    void realPagesHaveNoUnknownAttributes();
    void deepTreeUnfoldsWithinABound_data();
    void deepTreeUnfoldsWithinABound();
};

void TestKontrol::statusTexts_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("antal");
    QTest::addColumn<QString>("tekst");
    using namespace kontrol;
    for (int mode : {ManglendeSlutkoder, ForMangeSlutkoder, UkendteKoder, UkendteAttributter, Struktur})
        QTest::addRow("mode %d, none read", mode) << mode << -1 << "Der er ikke indlæst struktur";
    QTest::newRow("missing 0") << int(ManglendeSlutkoder) << 0 << "Der mangler ikke slutkoder";
    QTest::newRow("missing 1") << int(ManglendeSlutkoder) << 1 << "Der mangler 1 slutkode";
    QTest::newRow("missing 12") << int(ManglendeSlutkoder) << 12 << "Der mangler 12 slutkoder";
    QTest::newRow("surplus 0") << int(ForMangeSlutkoder) << 0 << "Der er ikke for mange slutkoder";
    QTest::newRow("surplus 1") << int(ForMangeSlutkoder) << 1 << "Der er 1 slutkode for meget";
    QTest::newRow("surplus 3") << int(ForMangeSlutkoder) << 3 << "Der er 3 slutkoder for meget";
    QTest::newRow("tags 0") << int(UkendteKoder) << 0 << "Ingen ukendte koder";
    QTest::newRow("tags 1") << int(UkendteKoder) << 1 << "1 ukendt kode";
    QTest::newRow("tags 2") << int(UkendteKoder) << 2 << "2 ukendte koder";
    QTest::newRow("attributes 0") << int(UkendteAttributter) << 0 << "Ingen ukendte attributter";
    QTest::newRow("attributes 1") << int(UkendteAttributter) << 1 << "1 ukendt attribut";
    QTest::newRow("attributes 40") << int(UkendteAttributter) << 40 << "40 ukendte attributter";
    QTest::newRow("view 0") << int(Struktur) << 0 << "Ingen koder med attributter";
    QTest::newRow("view 1") << int(Struktur) << 1 << "1 kode med attributter";
    QTest::newRow("view 5") << int(Struktur) << 5 << "5 koder med attributter";
}

void TestKontrol::statusTexts()
{
    QFETCH(int, mode);
    QFETCH(int, antal);
    QFETCH(QString, tekst);
    QCOMPARE(kontrol::statusTekst(kontrol::Mode(mode), antal), tekst);
}

void TestKontrol::nothingRead()
{
    TestProgramFolder folder;
    platform::setInfoBoxHandler([](const QString &) {});
    Tmainform m;
    for (void (Tmainform::*check)() : {&Tmainform::kontrolMSlutkoder, &Tmainform::kontrolFmSlutkoder,
                                        &Tmainform::kontrolKoder, &Tmainform::kontrolAttributter,
                                        &Tmainform::visAttributter}) {
        (m.*check)();
        QCOMPARE(m.kontrolform()->info(), QStringLiteral("Der er ikke indlæst struktur"));
    }
    platform::setInfoBoxHandler({});
}

void TestKontrol::missingEndTags()
{
    Fixture f(QStringLiteral("<html>\n<body>\n<p>åben\n<foo>\n<div>lukket</div>\n</body>\n</html>\n"));
    f.m->kontrolMSlutkoder();
    QCOMPARE(f.info(), QStringLiteral("Der mangler 1 slutkode"));
    const QStringList labels = f.labels();
    QVERIFY(labels.contains(QStringLiteral("p Mangler slutkode")));
    QVERIFY(labels.contains(QStringLiteral("foo Ukendt kode")));   // in no list: not counted
    QVERIFY(labels.contains(QStringLiteral("div")));
    // The same result a second time.
    f.m->kontrolMSlutkoder();
    QCOMPARE(f.labels(), labels);
    QCOMPARE(f.info(), QStringLiteral("Der mangler 1 slutkode"));

    Fixture closed(QStringLiteral("<html><body><p>x</p><br></body></html>"));
    closed.m->kontrolMSlutkoder();
    QCOMPARE(closed.info(), QStringLiteral("Der mangler ikke slutkoder"));
    for (const QString &l : closed.labels())
        QVERIFY2(!l.contains(u' '), qPrintable(l));
}

void TestKontrol::surplusEndTags()
{
    Fixture f(QStringLiteral("<html><body><div>x</div></p></body></html>"));
    f.m->kontrolFmSlutkoder();
    QCOMPARE(f.info(), QStringLiteral("Der er 1 slutkode for meget"));
    QVERIFY(f.labels().contains(QStringLiteral("/p Slutkode?")));
    // In this view a surplus end tag selects "/p": two characters.
    QCOMPARE(f.klik(QStringLiteral("/p Slutkode?")), QStringLiteral("/p"));
}

void TestKontrol::unknownTags()
{
    Fixture f(QStringLiteral("<html><body><blink>x</blink><br></br></body></html>"));
    f.m->kontrolKoder();
    QCOMPARE(f.info(), QStringLiteral("2 ukendte koder"));
    const QStringList labels = f.labels();
    QVERIFY(labels.contains(QStringLiteral("blink Ukendt kode")));
    QVERIFY(labels.contains(QStringLiteral("/blink Ukendt slutkode")));
    QVERIFY(labels.contains(QStringLiteral("br")));   // "</br>" of a tag without end tag is a leaf
    QVERIFY(labels.contains(QStringLiteral("/body")));
}

void TestKontrol::unknownAttributes()
{
    Fixture f(QStringLiteral("<html>\n<body>\n<a href=\"x\" class=\"y\" onchange=\"\" data-id=\"3\" data-=\"\" tull=\"1\">a</a>\n"
                             "<P ID=\"p\">p</P>\n<div class=\"x\" id=\"y\">d</div>\n</body>\n</html>\n"));
    f.m->kontrolAttributter();
    const QStringList labels = f.labels();
    // data-id is an author's attribute; a bare "data-" is not.
    QVERIFY2(labels.contains(QStringLiteral("a Ukendt: data- Ukendt: tull")), qPrintable(labels.join(u'|')));
    QVERIFY(labels.contains(QStringLiteral("P")));                 // the file is found without regard to case
    QVERIFY(labels.contains(QStringLiteral("div Ukendt")));        // no file: one finding for the tag
    QCOMPARE(f.info(), QStringLiteral("3 ukendte attributter"));
}

void TestKontrol::attributeView()
{
    Fixture f(QStringLiteral("<html>\n<body>\n<a href=\"x\" class=\"y\">a</a>\n<input disabled>\n</body>\n</html>\n"));
    f.m->visAttributter();
    QCOMPARE(f.info(), QStringLiteral("2 koder med attributter"));
    QVERIFY(f.labels().contains(QStringLiteral("a href class  ")));
    QVERIFY(f.labels().contains(QStringLiteral("input disabled ")));
}

void TestKontrol::clickSelectsTheTag()
{
    Fixture f(QStringLiteral("<html>\n<body>\n\n<p>x</p>\n<ul>\n<li>y</li>\n</ul>\n</body>\n</html>\n"));
    QCOMPARE(f.klik(QStringLiteral("li")), QStringLiteral("li"));
    QCOMPARE(f.w->Edit->SelStart(), 30);   // after "<" of the li start tag
    QCOMPARE(f.klik(QStringLiteral("/ul")), QStringLiteral("/ul"));
    f.klik(QStringLiteral("Hjemmeside"));
    QCOMPARE(f.w->Edit->caretPos(), 0);
    // Another window in front: the click brings the checked document back.
    Twinform *checked = f.w;
    f.m->openwin({}, QStringLiteral(".txt"));
    QCOMPARE(f.klik(QStringLiteral("p")), QStringLiteral("p"));
    QCOMPARE(f.m->aktivWin(), checked);
}

void TestKontrol::closingTheDocumentClearsTheTree()
{
    Fixture f(QStringLiteral("<html><body></body></html>"));
    QVERIFY(f.m->taginf->TreeModel()->rowCount() > 0);
    QCOMPARE(f.m->strukturNo, f.w->docNo);
    f.w->close();
    QCOMPARE(f.m->strukturNo, -1);
    QCOMPARE(f.m->taginf->TreeModel()->rowCount(), 0);
    QVERIFY(!f.m->kontrolform()->isVisible());
    f.m->kontrolKoder();
    QCOMPARE(f.info(), QStringLiteral("Der er ikke indlæst struktur"));
}

void TestKontrol::realPage()
{
    // A page nobody here wrote, checked against the installed lists.
    TestProgramFolder folder(true);
    platform::setInfoBoxHandler([](const QString &) {});
    Tmainform m;
    m.show();
    const QString page = fixturePath(QStringLiteral("corpus/html/tables/advanced/nested-tables.html"));
    Twinform *w = m.openwin(page, {});
    QVERIFY(w);
    m.Akontrol->trigger();
    QVERIFY(m.kontrolform()->isVisible());
    QCOMPARE(m.kontrolform()->info(), QStringLiteral("100%"));
    m.kontrolMSlutkoder();
    QCOMPARE(m.kontrolform()->info(), QStringLiteral("Der mangler ikke slutkoder"));
    m.kontrolFmSlutkoder();
    QCOMPARE(m.kontrolform()->info(), QStringLiteral("Der er ikke for mange slutkoder"));
    m.kontrolKoder();
    QCOMPARE(m.kontrolform()->info(), QStringLiteral("Ingen ukendte koder"));
    m.kontrolAttributter();
    QCOMPARE(m.kontrolform()->info(), QStringLiteral("Ingen ukendte attributter"));

    // A finding to walk to: the page with one td left open.
    QString text = w->text();
    text.replace(QStringLiteral("<td>cell5</td>"), QStringLiteral("<td>cell5"));
    w->Edit->setText(text);
    m.ReadHtmlStruktur();
    m.kontrolMSlutkoder();
    QCOMPARE(m.kontrolform()->info(), QStringLiteral("Der mangler 1 slutkode"));
    StructureModel *model = m.taginf->TreeModel();
    const StructureTree &t = model->tree();
    int finding = -1;
    for (int id = 0; id < t.count(); ++id)
        if (t.node(id).text.endsWith(QStringLiteral(" Mangler slutkode"))) finding = id;
    QVERIFY(finding > 0);
    m.kontrolform()->Tree->setCurrentIndex(model->indexOf(finding));
    m.KontrolGotoTag();
    QCOMPARE(w->Edit->SelText(), QStringLiteral("td"));
    QVERIFY(w->text().mid(w->Edit->SelStart() - 1).startsWith(QStringLiteral("<td>cell5\n")));
    platform::setInfoBoxHandler({});
}

void TestKontrol::realPagesHaveNoUnknownAttributes_data()
{
    QTest::addColumn<QString>("page");
    // Single-quoted URLs with "/" in them, "<" and ">" in quoted media queries, "<meta ... >".
    QTest::newRow("google-font") << "corpus/css/styling-text/web-fonts/google-font.html";
    QTest::newRow("punk-bands") << "corpus/css/styling-boxes/styling-tables/punk-bands-complete.html";
    QTest::newRow("responsive") << "corpus/html/multimedia-and-embedding/responsive-images/responsive.html";
}

void TestKontrol::realPagesHaveNoUnknownAttributes()
{
    QFETCH(QString, page);
    TestProgramFolder folder(true);
    platform::setInfoBoxHandler([](const QString &) {});
    Tmainform m;
    m.show();
    QVERIFY(m.openwin(fixturePath(page), {}));
    m.AkontrolExecute();
    m.kontrolAttributter();
    // Every tag of the page is known and so is each of its attributes. (A "<=" inside a
    // quoted media query reads as a tag named "=", which has no attributes of its own.)
    QStringList findings;
    const StructureTree &t = m.taginf->TreeModel()->tree();
    for (int id : t.depthFirst()) {
        const QString &text = t.node(id).text;
        if (text.contains(QStringLiteral(" Ukendt")) && m.taginf->AlleTagliste().contains(Tinfotag::GetNodeTag(text)))
            findings << text;
    }
    QVERIFY2(findings.isEmpty(), qPrintable(findings.join(u'|')));
    platform::setInfoBoxHandler({});
}

void TestKontrol::deepTreeUnfoldsWithinABound_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("minDepth");
    QString items = QStringLiteral("<html><body><ul>\n");
    for (int i = 0; i < 100000; ++i)
        items += QStringLiteral("<li>punkt\n");
    QString misnested = QStringLiteral("<html><body>\n");
    for (int i = 0; i < 100000; ++i)
        misnested += QStringLiteral("<i><b></i>x\n");
    // Each item without its end tag nests in the one before.
    QTest::newRow("100 000 unclosed list items") << items << 100000;
    QTest::newRow("misnested i and b") << misnested << 2 * StructureTreeView::kMaxLevel;
    QTest::newRow("shallow page") << QStringLiteral("<html><body><ul><li>a</li><li>b<b>c</b></li></ul></body></html>") << 4;
}

void TestKontrol::deepTreeUnfoldsWithinABound()
{
    QFETCH(QString, page);
    QFETCH(int, minDepth);
    Fixture f(page);
    Tkontrolform *form = f.m->kontrolform();
    StructureTreeView *tree = form->Tree;
    StructureModel *model = f.m->taginf->TreeModel();
    const StructureTree &t = model->tree();
    // The tree as read is kept whole, however deep.
    std::vector<int> level(size_t(t.count()), 0);
    int deepest = 0;
    for (int id = 1; id < t.count(); ++id) {
        level[size_t(id)] = level[size_t(t.node(id).parent)] + 1;
        if (level[size_t(id)] > level[size_t(deepest)])
            deepest = id;
    }
    QVERIFY2(level[size_t(deepest)] >= minDepth, qPrintable(QString::number(level[size_t(deepest)])));
    const bool tooDeep = level[size_t(deepest)] > StructureTreeView::kMaxLevel;
    const QString message = tooDeep ? QStringLiteral("Træet er for dybt til at blive vist helt; det er foldet ud til niveau %1.")
                                          .arg(StructureTreeView::kMaxLevel)
                                    : QString();

    // Every ancestor of the deepest node down to the bound is expanded and laid out; below it all stays folded.
    auto checkUnfolded = [&] {
        for (int id = t.node(deepest).parent; id >= 0; id = t.node(id).parent) {
            const QModelIndex index = model->indexOf(id);
            const int l = level[size_t(id)];
            QVERIFY2(tree->isExpanded(index) == (l < StructureTreeView::kMaxLevel), qPrintable(QString::number(l)));
            // Laid out (deep rows have no width left after their indentation, but a height).
            if (l <= StructureTreeView::kMaxLevel)
                QVERIFY2(tree->visualRect(index).height() > 0, qPrintable(QString::number(l)));
        }
    };
    form->setInfo(QString());
    form->treeUdfoldKnap->trigger();
    QCOMPARE(form->info(), message);
    checkUnfolded();

    // "*" on the root in the tree does the same.
    form->treeSammenfoldKnap->trigger();
    form->setInfo(QString());
    tree->setCurrentIndex(model->indexOf(0));
    QTest::keyClick(tree, Qt::Key_Asterisk);
    QCOMPARE(form->info(), message);
    checkUnfolded();

    // Making the deepest node current shows its ancestor at the bound instead of unfolding all.
    form->treeSammenfoldKnap->trigger();
    tree->setCurrentIndex(model->indexOf(deepest));
    QCoreApplication::processEvents();
    QCOMPARE(tree->currentIndex(), model->indexOf(deepest));
    emit form->gaaTilTag();
    QVERIFY(!f.w->Edit->SelText().isEmpty());
}

QTEST_MAIN(TestKontrol)
#include "tst_kontrol.moc"
