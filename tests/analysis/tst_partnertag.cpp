// The matching tag: the tag at the caret and its partner, over a string and over the edit
// control (where long pages are passed by line and block summaries), the marks and the
// jump between the two.

#include "analysis/tagscanner.h"
#include "codewriting/partnertag.h"
#include "codewriting/taglist.h"
#include "editor/editor.h"
#include "testsupport/testenv.h"

#include <QtTest>

namespace {

// "|" marks the caret, "^" the "<" of the expected partner (none: no partner).
struct Opgave {
    QString text;
    qsizetype caret = -1;
    qsizetype partner = -1;
};

Opgave laes(QString text)
{
    Opgave o;
    for (;;) {
        const qsizetype c = text.indexOf(u'|');
        const qsizetype p = text.indexOf(u'^');
        if (c < 0 && p < 0)
            break;
        if (c >= 0 && (p < 0 || c < p)) {
            o.caret = c;
            text.remove(c, 1);
        } else {
            o.partner = p;
            text.remove(p, 1);
        }
    }
    o.text = text;
    return o;
}

} // namespace

class TestPartnerTag : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void partner_data();
    void partner();
    void tagsSomTagLaeser_data();
    void tagsSomTagLaeser();
    void langSide();
    void markeringOgSpring();

private:
    TagList m_nosluttag;
    TEditor m_edit;
};

void TestPartnerTag::initTestCase()
{
    QVERIFY(m_nosluttag.load(fixturePath("taglister/UdenSlutkode.txt")).ok);
    m_edit.setSprog(QStringLiteral(".html"));
}

void TestPartnerTag::partner_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tag");   // the tag at the caret, as written

    QTest::newRow("start tag") << "<html><di|v><p>x</p>^</div></html>" << "<div>";
    QTest::newRow("end tag") << "<html>^<div><p>x</p></d|iv></html>" << "</div>";
    QTest::newRow("caret before <") << "<html>|<div class=\"a\">x^</div></html>" << "<div class=\"a\">";
    QTest::newRow("caret after the name") << "<html><div|>x^</div></html>" << "<div>";
    QTest::newRow("nested same name") << "<html><div|><div></div><div><p></p></div>^</div></html>" << "<div>";
    QTest::newRow("nested, inner end") << "<html>^<div><div></div></div|></html>" << "</div>";
    QTest::newRow("across lines") << "<html>\n<ul|>\n<li>a</li>\n<li>b</li>\n^</ul>" << "<ul>";
    QTest::newRow("case") << "<html><DIV|>x^</div>" << "<DIV>";
    QTest::newRow("no end tag") << "<html><b|r><p></p>" << "<br>";
    QTest::newRow("closed by />") << "<html><sp|an/><p></p></html>" << "<span/>";
    QTest::newRow("unclosed element") << "<html><div><p|>text</div></html>" << "<p>";
    QTest::newRow("element around an unclosed one") << "<html><di|v><p>text</div></html>" << "<div>";
    QTest::newRow("end tag of an unclosed element's parent") << "<html><div><p>text</d|iv></html>" << "</div>";
    QTest::newRow("misnested start") << "<html><b|><i>x</b></i></html>" << "<b>";
    QTest::newRow("misnested end") << "<html><b><i>x</b></i|></html>" << "</i>";
    QTest::newRow("surplus end tag") << "<html></p|></html>" << "</p>";
    QTest::newRow("after a tag's >") << "<html><p>|x</p>" << "";
    QTest::newRow("in text") << "<html><p>x|y</p>" << "";
    QTest::newRow("comments pass") << "<html><p|><!-- x -->y^</p>" << "<p>";
}

void TestPartnerTag::partner()
{
    QFETCH(QString, text);
    QFETCH(QString, tag);
    const Opgave o = laes(text);
    const qsizetype tagStart = o.text.lastIndexOf(u'<', o.caret < o.text.size() && o.text[o.caret] == u'<' ? o.caret : o.caret - 1);
    // Over a string and over the edit control alike.
    m_edit.setText(o.text);
    for (const ScanText &scan : {ScanText(o.text), ScanText(&m_edit)}) {
        const std::optional<TagPar> par = matchendeTag(scan, o.caret, m_nosluttag);
        if (tag.isEmpty()) {   // outside any tag there is nothing to pair
            QVERIFY(!par);
            continue;
        }
        QVERIFY(par);
        QCOMPARE(par->start, tagStart);
        QCOMPARE(o.text.mid(par->start, par->slut - par->start), tag);
        QCOMPARE(par->partnerStart, o.partner);
        if (o.partner >= 0)
            QCOMPARE(o.text.at(par->partnerSlut - 1), QChar(u'>'));
    }
}

// What is a tag is read as TagLaeser reads it: a "<" in a quoted value, in a comment or in
// the content of script, style, textarea and title is text, on one line or over several.
void TestPartnerTag::tagsSomTagLaeser_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tag");   // the tag at the caret, as written; none: nothing to pair

    QTest::newRow("comment holding tags between") << "<html><di|v>\n<!-- <div>\n</p> -->\n^</div></html>" << "<div>";
    QTest::newRow("end tag past a comment") << "<html>^<div>\n<!-- </div> <div>\n-->\n</d|iv></html>" << "</div>";
    QTest::newRow("caret in a comment") << "<html><!-- <p|> --></html>" << "";
    QTest::newRow("script with a<b and strings")
        << "<html><bo|dy>\n<script>\nif (a<b) {\n  s = \"<div>\";\n}\n</script>\n^</body></html>" << "<body>";
    QTest::newRow("end tag past a script") << "<html>^<body>\n<script>\ns = \"</body>\";\n</script>\n</bo|dy></html>"
                                           << "</body>";
    QTest::newRow("script pairs its own end tag") << "<html><scr|ipt>if (a<b) { s = \"</div>\"; }^</script></html>"
                                                  << "<script>";
    QTest::newRow("script end tag in any case") << "<html>^<SCRIPT>x<b></Scr|ipt></html>" << "</Script>";
    QTest::newRow("caret in script text") << "<html><script>if (a<|b) {}</script></html>" << "";
    QTest::newRow("textarea holding tags") << "<html><form|>\n<textarea>\n<p></form>\n</textarea>\n^</form></html>"
                                           << "<form>";
    QTest::newRow("title holding a tag") << "<html><he|ad><title>a<b>c</title>^</head></html>" << "<head>";
    QTest::newRow("value with <") << "<html><p|><img alt=\"a<b\">^</p></html>" << "<p>";
    QTest::newRow("value holding tags") << "<html>^<span title='<p>x</p>'>y</sp|an></html>" << "</span>";
    QTest::newRow("caret in a value holding <") << "<html><img alt=\"a<|b\"></html>" << "<img alt=\"a<b\">";
    QTest::newRow("caret before a < in a value") << "<html><p title=\"a|<b\">x^</p></html>" << "<p title=\"a<b\">";
    QTest::newRow("value holding >") << "<html><a title=\"a>b\" hr|ef=x>y^</a></html>" << "<a title=\"a>b\" href=x>";
    QTest::newRow("value over lines") << "<html><d|iv title=\"\n<p>\n\">x^</div></html>" << "<div title=\"\n<p>\n\">";
    QTest::newRow("ordinary list") << "<html><ul|>\n<li>a</li>\n^</ul></html>" << "<ul>";
    QTest::newRow("ordinary end tag") << "<html>^<p>a<b>b</b></p|></html>" << "</p>";
}

void TestPartnerTag::tagsSomTagLaeser()
{
    QFETCH(QString, text);
    QFETCH(QString, tag);
    const Opgave o = laes(text);
    m_edit.setText(o.text);
    for (const ScanText &scan : {ScanText(o.text), ScanText(&m_edit)}) {
        const std::optional<TagPar> par = matchendeTag(scan, o.caret, m_nosluttag);
        if (tag.isEmpty()) {
            QVERIFY(!par);
            continue;
        }
        QVERIFY(par);
        QCOMPARE(par->start, o.text.lastIndexOf(tag, o.caret));
        QCOMPARE(o.text.mid(par->start, par->slut - par->start), tag);
        QCOMPARE(par->partnerStart, o.partner);
        if (o.partner >= 0)
            QCOMPARE(o.text.at(par->partnerSlut - 1), QChar(u'>'));
    }
}

void TestPartnerTag::langSide()
{
    // A long page: whole blocks of lines are passed by their summaries, both ways, and an
    // edit inside is heard.
    QString text = QStringLiteral("<html>\n<div id=\"ydre\">\n");
    for (int i = 0; i < 3000; ++i)
        text += QStringLiteral("<div><p>Linje %1 <b>fed</b><br></p></div>\n").arg(i);
    const qsizetype end = text.size();
    text += QStringLiteral("</div>\n</html>\n");
    m_edit.setText(text);
    const qsizetype start = text.indexOf(QStringLiteral("<div id"));
    for (int round = 0; round < 2; ++round) {
        auto par = matchendeTag(ScanText(&m_edit), start + 2, m_nosluttag);
        QVERIFY(par);
        QCOMPARE(par->partnerStart, end);
        par = matchendeTag(ScanText(&m_edit), end + 2, m_nosluttag);
        QVERIFY(par);
        QCOMPARE(par->partnerStart, start);
    }
    // An unclosed element in the middle: the outer element has no partner any more.
    const qsizetype middle = m_edit.lineStart(1500);
    m_edit.replaceRange(middle, middle, QStringLiteral("<span>\n"));
    QCOMPARE(matchendeTag(ScanText(&m_edit), start + 2, m_nosluttag)->partnerStart, -1);
    m_edit.undo();
    QCOMPARE(matchendeTag(ScanText(&m_edit), start + 2, m_nosluttag)->partnerStart, end);
}

void TestPartnerTag::markeringOgSpring()
{
    TPartnerTag partner(m_nosluttag);
    partner.tilknyt(&m_edit);
    const Opgave o = laes(QStringLiteral("<html><ul|><li>ab</li>^</ul></html>"));
    m_edit.setText(o.text);
    m_edit.setCaretPos(o.caret);
    // The marks come once control returns to the event loop.
    QTRY_COMPARE(m_edit.markeringer(TEditor::Markering::Partner).size(), 2);
    const QList<TEditor::Omraade> marks = m_edit.markeringer(TEditor::Markering::Partner);
    QCOMPARE(marks[0].fra, 6);
    QCOMPARE(marks[0].til, 10);
    QCOMPARE(marks[1].fra, o.partner);
    QCOMPARE(marks[1].til, o.partner + 5);

    QVERIFY(partner.gaaTilPartner(&m_edit));
    QCOMPARE(m_edit.caretPos(), o.partner + 1);
    QVERIFY(partner.gaaTilPartner(&m_edit));
    QCOMPARE(m_edit.caretPos(), 7);

    // Into text: the marks go.
    m_edit.setCaretPos(o.text.indexOf(u'a') + 1);
    QTRY_VERIFY(m_edit.markeringer(TEditor::Markering::Partner).isEmpty());
    QVERIFY(!partner.gaaTilPartner(&m_edit));
}

QTEST_MAIN(TestPartnerTag)
#include "tst_partnertag.moc"
