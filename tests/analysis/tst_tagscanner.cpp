#include "analysis/scantext.h"
#include "analysis/structure.h"
#include "analysis/taglaeser.h"
#include "analysis/tagscanner.h"
#include "editor/editor.h"
#include "codewriting/taglist.h"

#include <QRandomGenerator>
#include <QtTest>

Q_DECLARE_METATYPE(TCursorPos)

namespace {

TagList noEndTags()
{
    TagList list;
    list.setLines({"br", "img", "hr", "input", "meta"});
    return list;
}

// The text with "|" marking the caret; returns the caret and removes the mark.
qsizetype takeCaret(QString &text)
{
    const qsizetype caret = text.indexOf(u'|');
    text.remove(caret, 1);
    return caret;
}

// A page of many lines with tags of every kind, some of them spread over lines.
QString samplePage()
{
    QString s = "<!DOCTYPE html>\n<html>\n<head><style>p { color: red; }</style></head>\n<body>\n";
    for (int i = 0; i < 12; ++i) {
        s += QString("<div class=\"d%1\" style=\"margin: 0\">\n<p>tekst %1<br>mere</p>\n").arg(i);
        s += "<ul><li>a</li>\n<li><a href=\"http://x\"\n   title='t'>b</a></li></ul>\n";
        if (i % 3 == 0)
            s += "<!-- <b> -->\n<script>if (a<b) {}</script>\n";
        if (i % 2 == 0)
            s += "</div>\n";
    }
    return s + "</body>\n</html>\n";
}

// A page pieced together from bits that look like tags and bits that hide them: comments,
// quotes, script and the like, "<" in text; over lines and now and then over more than
// TagLaeser::kMaksTag characters.
QString lookalikePage(QRandomGenerator &rng, int pieces)
{
    static const QStringList bits = {
        "<p>", "</p>", "<div class=\"a\">", "</div>", "<br>", "<!--", "-->", "\"", "'", "=", " ", "\n", "\n",
        ">", "<", "a", "<b>", "</b>", "<script>", "</script>", "<style>", "</style>", "<textarea>", "</textarea>",
        "<title>", "</title>", "<img alt=\"", "a<b", "<a href=x>", "</a>", "<!DOCTYPE html>", "<%", "</",
        "<p title=\"", "<SCRIPT>", "</Script>", "<span\n", "/>", "<ul>", "<li>", "</li>", "</ul>", "<!-->"};
    QString s = "<html>";
    for (int i = 0; i < pieces; ++i)
        s += rng.bounded(400) == 0 ? QString(TagLaeser::kMaksTag / 2, u'x') : bits[rng.bounded(int(bits.size()))];
    return s;
}

// The tags of a text as TagLaeser reads them.
std::vector<TagLaeser::Tag> tagsOf(QStringView text)
{
    std::vector<TagLaeser::Tag> tags;
    TagLaeser laeser(text);
    while (const std::optional<TagLaeser::Tag> tag = laeser.naeste())
        tags.push_back(*tag);
    return tags;
}

QString nameOf(QStringView text, const TagLaeser::Tag &t)
{
    return readTagName(text.first(t.navnSlut), t.navnStart).toString();
}

int stepOf(QStringView text, const TagLaeser::Tag &t, const TagList &nosluttag)
{
    return t.slutkode ? 1 : nosluttag.contains(nameOf(text, t)) ? 0 : -1;
}

// The element around a place between tags, counted over TagLaeser's tags before it.
QString elementBefore(QStringView text, const std::vector<TagLaeser::Tag> &tags, qsizetype pos,
                      const TagList &nosluttag)
{
    int depth = 0;
    for (auto t = tags.rbegin(); t != tags.rend(); ++t) {
        if (t->start >= pos)
            continue;
        const int step = stepOf(text, *t, nosluttag);
        depth += step;
        if (step < 0 && depth == -1)
            return nameOf(text, *t);
    }
    return {};
}

// The partner of tags[i] by the same count; -1 when it has none.
qsizetype partnerOf(QStringView text, const std::vector<TagLaeser::Tag> &tags, size_t i, const TagList &nosluttag)
{
    const TagLaeser::Tag &t = tags[i];
    const QString name = nameOf(text, t);
    const bool closed = t.slut - 2 >= t.navnSlut && text[t.slut - 1] == u'>' && text[t.slut - 2] == u'/';
    std::optional<size_t> p;
    int depth = 0;
    if (t.slutkode) {
        for (size_t j = i; j-- > 0;) {
            const int step = stepOf(text, tags[j], nosluttag);
            depth += step;
            if (step < 0 && depth == -1) {
                p = j;
                break;
            }
        }
    } else if (!closed && !nosluttag.contains(name)) {
        for (size_t j = i + 1; j < tags.size(); ++j) {
            const int step = stepOf(text, tags[j], nosluttag);
            depth += step;
            if (step > 0 && depth == 1) {
                p = j;
                break;
            }
        }
    }
    return p && nameOf(text, tags[*p]).compare(name, Qt::CaseInsensitive) == 0 ? tags[*p].start : -1;
}

bool samePos(const std::optional<TPosData> &a, const std::optional<TPosData> &b)
{
    if (!a || !b)
        return bool(a) == bool(b);
    return a->CurPos == b->CurPos && a->Tag == b->Tag && a->Attribut == b->Attribut && a->cssKode == b->cssKode
        && a->PosIndex == b->PosIndex && a->LastChar == b->LastChar;
}

} // namespace

class TestTagScanner : public QObject {
    Q_OBJECT
private slots:
    void scan_data();
    void scan();
    void readsTagsAsTagLaeser_data();
    void readsTagsAsTagLaeser();
    void agreesWithTagLaeser();
    void editsAgreeWithAFreshReading();
    void onlyHtmlIsAnalysed();
    void offsetsCountLineBreaksAsTwo_data();
    void offsetsCountLineBreaksAsTwo();
    void documentAndStringAgree();
    void lineSummariesFollowEdits();
    void offsetConversionMatchesCrLfText();
    void toleratesHostileText_data();
    void toleratesHostileText();
};

void TestTagScanner::scan_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<TCursorPos>("curPos");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("attribut");
    QTest::addColumn<QString>("cssKode");

    QTest::newRow("after start tag") << "<p>Hej|" << cpBetween << "p" << "" << "";
    QTest::newRow("closed children cancel") << "<ul><li>a</li>x|" << cpBetween << "ul" << "" << "";
    QTest::newRow("tag without end tag passed over") << "<p>tekst<br>|" << cpBetween << "p" << "" << "";
    QTest::newRow("self-closing br passed over") << "<p>tekst<br/>|" << cpBetween << "p" << "" << "";
    QTest::newRow("case kept") << "<DIV>x|" << cpBetween << "DIV" << "" << "";
    QTest::newRow("comment is no element") << "<div><!--kommentar--><p>x</p>|" << cpBetween << "div" << ""
                                           << "";
    QTest::newRow("doctype is no element") << "<!DOCTYPE html><p>x</p>|" << cpNone << "" << "" << "";
    QTest::newRow("tag over several lines")
        << "<div>\n<p\nclass=\"x\">y|" << cpBetween << "p" << "" << "";
    QTest::newRow("everything closed") << "<p>a</p>b|" << cpNone << "" << "" << "";
    QTest::newRow("comparison is text") << "<td>a <= b, 1<2 |" << cpBetween << "td" << "" << "";
    QTest::newRow("< and a blank is text") << "<li>a < b</li><li>x|" << cpBetween << "li" << "" << "";
    QTest::newRow("caret after last line break") << "<ol>\n<li>a</li>\n|" << cpBetween << "ol" << "" << "";
    QTest::newRow("second attribute value") << "<p class=\"a\" id=\"x|\">" << cpInside << "p" << "id" << "";
    QTest::newRow("single quotes") << "<p id='x|'>" << cpInside << "p" << "id" << "";
    QTest::newRow("after a closed value") << "<p id=\"x\" |" << cpInside << "p" << "" << "";
    QTest::newRow("unquoted value") << "<p id=x|" << cpInside << "p" << "" << "";
    QTest::newRow("css property") << "<p style=\"color: red|" << cpInside << "p" << "style" << "color";
    QTest::newRow("css second property")
        << "<p style=\"color: red; margin-top:|" << cpInside << "p" << "style" << "margin-top";
    QTest::newRow("any colon counts") << "<a href=\"http://x|" << cpInside << "a" << "href" << "http";
    QTest::newRow("attribute on its own line") << "<p\nstyle=\"x|" << cpInside << "p" << "style" << "";
    QTest::newRow("css after line break") << "<p style=\"\ncolor: r|" << cpInside << "p" << "style" << "color";
    QTest::newRow("name read past caret") << "<div></di|v>" << cpInsideEnd << "div" << "" << "";
    QTest::newRow("in tag name") << "<ta|ble border=\"1\">" << cpInside << "table" << "" << "";
    QTest::newRow("lone < at end") << "<p>a<|" << cpInside << "" << "" << "";
    QTest::newRow("< before line break") << "<p>a<|\nb" << cpInside << "" << "" << "";
    QTest::newRow("server block") << "<html><%|" << cpInside << "%" << "" << "";
    QTest::newRow("caret at start") << "|<p>" << cpNone << "" << "" << "";
}

void TestTagScanner::scan()
{
    QFETCH(QString, text);
    QFETCH(TCursorPos, curPos);
    const qsizetype caret = takeCaret(text);
    const std::optional<TPosData> pos = scanCaret(ScanText(text), caret, noEndTags());
    QVERIFY(pos);
    QCOMPARE(pos->CurPos, curPos);
    QTEST(pos->Tag, "tag");
    QTEST(pos->Attribut, "attribut");
    QTEST(pos->cssKode, "cssKode");
}

// What is a tag is read as TagLaeser reads it: a "<" in a quoted value, in a comment or in
// the content of script, style, textarea and title is text, on one line or over several.
void TestTagScanner::readsTagsAsTagLaeser_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<TCursorPos>("curPos");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("attribut");

    // Comments
    QTest::newRow("after a comment holding tags") << "<div>\n<!-- <p>\n<b> </i>\n-->\n|" << cpBetween << "div" << "";
    QTest::newRow("after a one-line comment") << "<div><!-- <p> <b> -->x|" << cpBetween << "div" << "";
    QTest::newRow("in a comment over lines") << "<div>\n<!-- <p>\n<b> x|\n-->" << cpBetween << "div" << "";
    QTest::newRow("in a comment after a <") << "<div><!-- a <b c|" << cpBetween << "div" << "";
    QTest::newRow("in a comment, right after <!--") << "<div><!--|" << cpBetween << "div" << "";
    QTest::newRow("\"<!-->\" goes on") << "<div><!--> <p> -->x|" << cpBetween << "div" << "";
    // Script and style
    QTest::newRow("after a script with a<b and strings")
        << "<body>\n<script>\nif (a<b) {\n  s = \"<div>\";\n}\n</script>\n|" << cpBetween << "body" << "";
    QTest::newRow("in script after a<b") << "<body>\n<script>\nif (a<b|" << cpBetween << "script" << "";
    QTest::newRow("in a script string") << "<body>\n<script>\ns = \"<div class=|\";\n</script>" << cpBetween
                                        << "script" << "";
    QTest::newRow("script end tag in any case") << "<div><SCRIPT>x<b></Script>|" << cpBetween << "div" << "";
    QTest::newRow("</scripts> does not end a script") << "<div><script>\"</scripts>\"</script>|" << cpBetween
                                                    << "div" << "";
    QTest::newRow("a script never ended") << "<div><script>a</div>\n|" << cpBetween << "script" << "";
    QTest::newRow("after a style") << "<head><style>\na > b { }\np<q {}\n</style>\n|" << cpBetween << "head" << "";
    QTest::newRow("in a style") << "<head><style>\na > b { col|" << cpBetween << "style" << "";
    // Textarea and title
    QTest::newRow("in a textarea holding tags") << "<form>\n<textarea>\n<p>a</b>\n|</textarea>" << cpBetween
                                                << "textarea" << "";
    QTest::newRow("after a textarea holding tags") << "<form>\n<textarea><p>\n</textarea>|" << cpBetween << "form"
                                                   << "";
    QTest::newRow("after a title holding a tag") << "<head><title>a<b>c</title>|" << cpBetween << "head" << "";
    // Values
    QTest::newRow("after a value with <") << "<p><img alt=\"a<b\">x|" << cpBetween << "p" << "";
    QTest::newRow("after a value holding tags") << "<div><span title='<p>x</p>'>y|" << cpBetween << "span" << "";
    QTest::newRow("after an unquoted value with <") << "<div><a href=a<b class=c>x|" << cpBetween << "a" << "";
    QTest::newRow("after a value over lines") << "<div>\n<a title=\"x\n<p>\ny\">z|" << cpBetween << "a" << "";
    QTest::newRow("in a value holding <") << "<img alt=\"a<b|\">" << cpInside << "img" << "alt";
    QTest::newRow("in a value after >") << "<a title=\"a>b|\">" << cpInside << "a" << "title";
    QTest::newRow("after a value holding >") << "<a title=\"a>b\" |>" << cpInside << "a" << "";
    QTest::newRow("in a value over lines") << "<div>\n<a title=\"<p>\nx|\">" << cpInside << "a" << "title";
    QTest::newRow("in a tag begun lines before") << "<div>\n<a title=\"<p>\"\nhref=\"x|\"\n>" << cpInside << "a"
                                                 << "href";
    // The ordinary cases
    QTest::newRow("script closed, the element around") << "<div><script>x</script>|" << cpBetween << "div" << "";
    QTest::newRow("a tag in text") << "<div><p>a<b>x|" << cpBetween << "b" << "";
    QTest::newRow("a tag being written") << "<div><p style=\"color: r|" << cpInside << "p" << "style";
    QTest::newRow("an end tag being written") << "<div><p>x</|" << cpInsideEnd << "" << "";
    QTest::newRow("a < just typed") << "<div>a<|" << cpInside << "" << "";
    QTest::newRow("a < just typed before a letter") << "<div>a<|b" << cpInside << "b" << "";
    QTest::newRow("comparison in text") << "<td>\na <= b\n|" << cpBetween << "td" << "";
}

void TestTagScanner::readsTagsAsTagLaeser()
{
    QFETCH(QString, text);
    QFETCH(TCursorPos, curPos);
    const qsizetype caret = takeCaret(text);
    // From a string and from the edit control alike.
    TEditor doc;
    doc.setText(text);
    for (const ScanText &scan : {ScanText(text), ScanText(&doc)}) {
        const std::optional<TPosData> pos = scanCaret(scan, caret, noEndTags());
        QVERIFY(pos);
        QCOMPARE(pos->CurPos, curPos);
        QTEST(pos->Tag, "tag");
        QTEST(pos->Attribut, "attribut");
    }
}

// Over many pages, after every tag and inside every tag, and for every tag's partner: the
// answers TagLaeser's tags give, from a string and from the edit control.
void TestTagScanner::agreesWithTagLaeser()
{
    TagList nosluttag;
    nosluttag.setLines({"br", "img", "hr", "input", "meta", "%"});
    QRandomGenerator rng(7);
    QStringList pages = {samplePage()};
    for (int i = 0; i < 150; ++i)
        pages << lookalikePage(rng, 10 + int(rng.bounded(120)));
    TEditor doc;
    for (const QString &text : std::as_const(pages)) {
        doc.setText(text);
        const std::vector<TagLaeser::Tag> tags = tagsOf(text);
        for (const ScanText &scan : {ScanText(text), ScanText(&doc, 60)}) {
            for (size_t i = 0; i < tags.size(); ++i) {
                const TagLaeser::Tag &t = tags[i];
                const QString where = QString("tag %1 at %2 of\n%3").arg(nameOf(text, t)).arg(t.start).arg(text);
                // Just inside the tag.
                std::optional<TPosData> pos = scanCaret(scan, t.start + 1, nosluttag);
                QVERIFY2(pos && pos->CurPos == (t.slutkode ? cpInsideEnd : cpInside) && pos->Tag == nameOf(text, t),
                         qPrintable(where));
                // After a tag's ">": between tags.
                if (text[t.slut - 1] == u'>') {
                    pos = scanCaret(scan, t.slut, nosluttag);
                    const QString element = elementBefore(text, tags, t.slut, nosluttag);
                    QVERIFY2(pos && pos->CurPos == (element.isEmpty() ? cpNone : cpBetween) && pos->Tag == element,
                             qPrintable("after " + where));
                }
                // The tag's partner.
                const std::optional<TagPar> par = matchendeTag(scan, t.start, nosluttag);
                if (nameOf(text, t).contains(u'%')) {
                    QVERIFY(!par);
                    continue;
                }
                QVERIFY2(par && par->start == t.start && par->slut == t.slut, qPrintable(where));
                QVERIFY2(par->partnerStart == partnerOf(text, tags, i, nosluttag), qPrintable("partner of " + where));
            }
        }
    }
}

// Edits, undo and new lines in a long page: the edit control's kept line states must give
// what a fresh reading of its text gives.
void TestTagScanner::editsAgreeWithAFreshReading()
{
    const TagList nosluttag = noEndTags();
    QRandomGenerator rng(11);
    TEditor doc;
    QString start;
    for (int i = 0; i < 12; ++i)
        start += samplePage();
    doc.setText(start + lookalikePage(rng, 600));
    static const QStringList inserts = {"<!--", "-->", "\"", "'", "<script>", "</script>", "<p>", "</p>", "\n",
                                        "<p title=\"<b>\n", "</div>", "a<b", "<textarea>\n", "x\ny\n", ">", "<"};
    for (int round = 0; round < 500; ++round) {
        const qsizetype length = doc.length();
        const qsizetype at = rng.bounded(int(length + 1));
        switch (rng.bounded(5)) {
        case 0:
        case 1:
        case 2:
            doc.replaceRange(at, at, inserts[rng.bounded(int(inserts.size()))]);
            break;
        case 3:
            doc.replaceRange(at, std::min(length, at + rng.bounded(200)), {});
            break;
        default:
            doc.undo();
            break;
        }
        const QString text = doc.text();
        if (text.isEmpty() || text[0] != u'<')
            doc.replaceRange(0, 0, QStringLiteral("<"));
        const QString now = doc.text();
        for (int k = 0; k < 4; ++k) {
            // Near the edit, where keys are typed, and anywhere.
            const qsizetype caret = k < 2 ? std::clamp<qsizetype>(at + rng.bounded(41) - 20, 0, now.size())
                                          : rng.bounded(int(now.size() + 1));
            const QString where = QString("round %1, caret %2").arg(round).arg(caret);
            QVERIFY2(samePos(scanCaret(ScanText(&doc), caret, nosluttag), scanCaret(ScanText(now), caret, nosluttag)),
                     qPrintable(where));
            QVERIFY2(matchendeTag(ScanText(&doc), caret, nosluttag) == matchendeTag(ScanText(now), caret, nosluttag),
                     qPrintable(where));
        }
    }
}

void TestTagScanner::onlyHtmlIsAnalysed()
{
    const TagList lists = noEndTags();
    QVERIFY(!scanCaret(ScanText(u"\n<p>x"), 5, lists));     // starts with a blank line
    QVERIFY(!scanCaret(ScanText(u"p { color: red }"), 3, lists));
    QVERIFY(scanCaret(ScanText(u"x"), 1, lists));           // a single character is analysed
    const std::optional<TPosData> empty = scanCaret(ScanText(u""), 0, lists);
    QVERIFY(empty);
    QCOMPARE(empty->CurPos, cpNone);
    QCOMPARE(empty->LastChar, QChar(u' '));
}

void TestTagScanner::offsetsCountLineBreaksAsTwo_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("posIndex");
    QTest::addColumn<QChar>("lastChar");

    QTest::newRow("first line") << "<p>a|b\nc" << qsizetype(4) << QChar(u'a');
    QTest::newRow("third line") << "<p>\na\nb|" << qsizetype(9) << QChar(u'b');
    QTest::newRow("after last line break") << "<p>\na\n|" << qsizetype(8) << QChar(u'\n');
    QTest::newRow("start of a line") << "<p>\n\n\n|x" << qsizetype(9) << QChar(u'\n');
}

void TestTagScanner::offsetsCountLineBreaksAsTwo()
{
    QFETCH(QString, text);
    const qsizetype caret = takeCaret(text);
    // The same answer from a plain string and from an edit control's document.
    TEditor doc;
    doc.setText(text);
    const TagList lists = noEndTags();
    for (const ScanText &scan : {ScanText(text), ScanText(&doc)}) {
        const std::optional<TPosData> pos = scanCaret(scan, caret, lists);
        QVERIFY(pos);
        QTEST(pos->PosIndex, "posIndex");
        QTEST(pos->LastChar, "lastChar");
    }
}

void TestTagScanner::documentAndStringAgree()
{
    const QString text = samplePage();
    TEditor doc;
    doc.setText(text);
    const TagList lists = noEndTags();
    // The document is read a run of lines at a time; small runs put the seams everywhere.
    for (qsizetype chunkChars : {1, 60, 16384}) {
        const ScanText fromDoc(&doc, chunkChars);
        QCOMPARE(fromDoc.size(), text.size());
        for (qsizetype caret = 0; caret <= text.size(); ++caret) {
            const std::optional<TPosData> a = scanCaret(ScanText(text), caret, lists);
            const std::optional<TPosData> b = scanCaret(fromDoc, caret, lists);
            QVERIFY(a && b);
            if (a->CurPos != b->CurPos || a->Tag != b->Tag || a->Attribut != b->Attribut
                || a->cssKode != b->cssKode || a->PosIndex != b->PosIndex || a->LastChar != b->LastChar)
                QFAIL(qPrintable(QString("differs at caret %1 reading %2 at a time").arg(caret).arg(chunkChars)));
        }
    }
}

void TestTagScanner::offsetConversionMatchesCrLfText()
{
    const QString text = samplePage();
    QString crlf = text;
    crlf.replace("\n", "\r\n");
    TEditor doc;
    doc.setText(text);
    for (qsizetype p = 0; p <= text.size(); ++p) {
        const qsizetype offset = documentOffset(&doc, p);
        // The CR LF text from that offset on is the edit text from p on.
        QCOMPARE(crlf.mid(offset, 40), QString(text.mid(p, 40)).replace("\n", "\r\n").left(40));
        QCOMPARE(editPosition(&doc, offset), p);
    }
    // An offset on the LF of a CR LF belongs to the end of its line; past the end, the end.
    const qsizetype lf = crlf.indexOf("\r\n") + 1;
    QCOMPARE(editPosition(&doc, lf), text.indexOf(u'\n'));
    QCOMPARE(editPosition(&doc, crlf.size() + 10), text.size());
}

void TestTagScanner::toleratesHostileText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("only <") << "<";
    QTest::newRow("many <") << QString(5000, u'<');
    QTest::newRow("unterminated quotes") << "<p a=\"b='c=\"d";
    QTest::newRow("NUL characters") << QString::fromUtf16(u"<p\0a=\"\0\">\0<", 10);
    QTest::newRow("end tags only") << QString("</p>").repeated(2000);
    QTest::newRow("one long line") << "<div>" + QString("<a href=\"x:y\">t</a> ").repeated(20000);
    QTest::newRow("10 MB on one line, unterminated") << "<p " + QString("a=\"<b ").repeated((10 << 20) / 6);
}

void TestTagScanner::toleratesHostileText()
{
    QFETCH(QString, text);
    TEditor doc;
    doc.setText(text);
    const TagList lists = noEndTags();
    for (qsizetype caret : {qsizetype(0), qsizetype(1), text.size() / 2, text.size() - 1, text.size()}) {
        const std::optional<TPosData> a = scanCaret(ScanText(text), caret, lists);
        const std::optional<TPosData> b = scanCaret(ScanText(&doc), caret, lists);
        QCOMPARE(bool(a), bool(b));
        if (a)
            QCOMPARE(a->Tag, b->Tag);
    }
    TagList withEnd, exclude;
    withEnd.setLines({"p", "a", "b", "div", "script"});
    const StructureTree tree = readStructure(text, {exclude, lists, withEnd});
    QVERIFY(tree.count() >= 1);
    QVERIFY(tree.count() <= text.count(u'<') + 1);
}

void TestTagScanner::lineSummariesFollowEdits()
{
    // Walking back over a page remembers what each line does; edits, undo and new lines
    // must never leave a stale answer.
    TagList nosluttag;
    nosluttag.setLines({QStringLiteral("br")});
    TEditor doc;
    doc.setText(QStringLiteral("<div>\n<p>a</p>\n<br>\nx"));
    auto answer = [&] {
        const std::optional<TPosData> pos = scanCaret(ScanText(&doc), doc.length(), nosluttag);
        return pos ? pos->Tag : QStringLiteral("(none)");
    };
    QCOMPARE(answer(), QStringLiteral("div"));
    QCOMPARE(answer(), QStringLiteral("div"));   // from the summaries this time

    doc.replaceRange(12, doc.lineEnd(1), {});    // "<p>a</" is left: "</" without a name is text
    QCOMPARE(doc.text(), QStringLiteral("<div>\n<p>a</\n<br>\nx"));
    QCOMPARE(answer(), QStringLiteral("p"));
    doc.replaceRange(10, 12, {});                // "<p>a"
    QCOMPARE(answer(), QStringLiteral("p"));
    doc.undo();
    QCOMPARE(answer(), QStringLiteral("p"));
    doc.undo();
    QCOMPARE(doc.text(), QStringLiteral("<div>\n<p>a</p>\n<br>\nx"));
    QCOMPARE(answer(), QStringLiteral("div"));

    doc.replaceRange(6, 6, QStringLiteral("</div>\n<ul>\n"));   // new lines in the middle
    QCOMPARE(answer(), QStringLiteral("ul"));
    doc.replaceRange(0, doc.length(), QStringLiteral("<span>\ny"));
    QCOMPARE(answer(), QStringLiteral("span"));

    // A page longer than one block of summarised lines, edited far from the caret.
    QString lang = QStringLiteral("<section>\n");
    for (int i = 0; i < 2000; ++i)
        lang += QStringLiteral("<p>linje %1</p>\n").arg(i);
    doc.setText(lang + QStringLiteral("x"));
    QCOMPARE(answer(), QStringLiteral("section"));
    doc.replaceRange(doc.lineStart(700), doc.lineStart(700), QStringLiteral("<table>\n<tr>\n"));
    QCOMPARE(answer(), QStringLiteral("tr"));
    doc.replaceRange(doc.lineStart(701), doc.lineStart(702), {});   // the <tr> line goes
    QCOMPARE(answer(), QStringLiteral("table"));
    doc.undo();
    doc.undo();
    QCOMPARE(answer(), QStringLiteral("section"));
}

QTEST_MAIN(TestTagScanner)
#include "tst_tagscanner.moc"
