#include "analysis/scantext.h"
#include "analysis/structure.h"
#include "analysis/tagscanner.h"
#include "editor/editor.h"
#include "codewriting/taglist.h"

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

} // namespace

class TestTagScanner : public QObject {
    Q_OBJECT
private slots:
    void scan_data();
    void scan();
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
