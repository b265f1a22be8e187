
#include "codewriting/taginfo.h"
#include "editor/editor.h"
#include "testsupport/testenv.h"

#include <QColor>
#include <QFont>
#include <QtTest>

Q_DECLARE_METATYPE(Tinfotag::SlutkodeResult)

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

// Puts text into the editor: "|" marks the caret, "[" and "]" a selection made forwards,
// "]" and "[" one made backwards (the caret at its start).
void setMarked(TEditor &edit, QString text)
{
    const qsizetype open = text.indexOf(u'[');
    qsizetype anchor, pos;
    if (open >= 0) {
        const bool backwards = text.indexOf(u']') < open;
        text.remove(open, 1);
        const qsizetype close = text.indexOf(u']');
        text.remove(close, 1);
        pos = close;
        anchor = backwards ? open - 1 : open;  // "]" came before "[" and is gone
    } else {
        anchor = pos = text.indexOf(u'|');
        text.remove(pos, 1);
    }
    edit.setText(text);
    edit.setSelection(anchor, pos);
    edit.setModified(false);
}

// The editor's text with "|" at the caret.
QString marked(const TEditor &edit)
{
    QString text = edit.text();
    return text.insert(edit.caretPos(), u'|');
}

} // namespace

class TestTagInfo : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void writers_data();
    void writers();
    void linesAndRememberedCaret();
    void fontsAndColours();
    void nothingWithoutEditor();
    void endTag_data();
    void endTag();
    void endTagInAutomaticMode();
    void automaticModeNeedsHtml();
    void wordReaders_data();
    void wordReaders();

private:
    Tinfotag m_taginf;
    TEditor m_edit;
};

void TestTagInfo::initTestCase()
{
    loadLists(m_taginf);
    m_taginf.SetEditor(&m_edit);
    m_edit.show();
    QVERIFY(QTest::qWaitForWindowActive(&m_edit));
}

void TestTagInfo::writers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("op");
    QTest::addColumn<QString>("a1");
    QTest::addColumn<QString>("a2");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("modified");

    QTest::newRow("Kode replaces selection") << "a[sel]b" << "Kode" << "<div>" << "</div>" << "a<div>|</div>b" << true;
    QTest::newRow("Kode lone tag") << "a|b" << "Kode" << "<br>" << "" << "a<br>|b" << true;
    QTest::newRow("Koden") << "a|b" << "Koden" << "<hr>" << "" << "a<hr>|b" << true;
    QTest::newRow("Koder between tags") << "[x]" << "Koder" << "<p></p>" << ">" << "<p>|</p>" << true;
    QTest::newRow("Koder between quotes") << "|" << "Koder" << "Response.Write(\"\")" << "\""
                                          << "Response.Write(\"|\")" << true;
    QTest::newRow("Koder counts a line break once") << "x|" << "Koder" << "<ul>\r<li>\r</ul>" << ">"
                                                   << "x<ul>|\n<li>\n</ul>" << true;
    QTest::newRow("Koder mark missing") << "|" << "Koder" << "abc" << "#" << "|abc" << true;
    QTest::newRow("InsKode lines") << "|" << "InsKode" << "Hej\nmed dig" << "p"
                                   << "<p>\nHej<br>\nmed dig\n</p>|" << true;
    QTest::newRow("InsKode pre") << "|" << "InsKode" << "a\nb\nc" << "pre" << "<pre>\na\nb\nc\n</pre>|" << true;
    QTest::newRow("InsKode no lines") << "a[x]b" << "InsKode" << "" << "p" << "a<p>|</p>b" << true;
    QTest::newRow("attribut after blank") << "<p |>" << "attribut" << "class" << "" << "<p class=\"|\">" << true;
    QTest::newRow("attribut after name") << "<p|>" << "attribut" << "class" << "" << "<p class=\"|\">" << true;
    QTest::newRow("attribut stand-alone") << "<input |>" << "attribut" << "disabled" << ""
                                          << "<input disabled|>" << true;
    QTest::newRow("attribut too near line start") << "<|p>" << "attribut" << "class" << "" << "<|p>" << false;
    QTest::newRow("value after =") << "<a href=|>" << "attvalue" << "href" << "x" << "<a href=\"x\"|>" << true;
    QTest::newRow("value between quotes") << "<a href=\"|\">" << "attvalue" << "href" << "x"
                                          << "<a href=\"x|\">" << true;
    QTest::newRow("value after open quote") << "<a href=\"|" << "attvalue" << "href" << "x"
                                            << "<a href=\"x\"|" << true;
    QTest::newRow("value with attribute") << "<a |>" << "attvalue" << "href" << "x" << "<a href=\"x\"|>" << true;
    QTest::newRow("value stand-alone") << "<input |>" << "attvalue" << "type" << "checked"
                                       << "<input checked|>" << true;
    QTest::newRow("value on short line") << "a|" << "attvalue" << "href" << "x" << "a|" << true;
    QTest::newRow("css after colon") << "p{color:|}" << "css" << "color" << "red" << "p{color: red;|}" << true;
    QTest::newRow("css after colon and blank") << "p{color: |}" << "css" << "color" << "red"
                                               << "p{color: red;|}" << true;
    QTest::newRow("css property and value") << "p{|}" << "css" << "color" << "red" << "p{color: red;|}" << true;
}

void TestTagInfo::writers()
{
    QFETCH(QString, text);
    QFETCH(QString, op);
    QFETCH(QString, a1);
    QFETCH(QString, a2);
    setMarked(m_edit, text);
    if (op == "Kode")
        m_taginf.UdskrivKode(a1, a2);
    else if (op == "Koden")
        m_taginf.UdskrivKoden(a1);
    else if (op == "Koder")
        m_taginf.UdskrivKoder(a1, a2.at(0), 1);
    else if (op == "InsKode")
        m_taginf.InsKode(a1.isEmpty() ? QStringList() : a1.split(u'\n'), a2);
    else if (op == "attribut")
        m_taginf.udskrivAttribut(a1);
    else if (op == "attvalue")
        m_taginf.udskrivAttValue(a1, a2);
    else if (op == "css")
        m_taginf.udskrivCssValue(a1, a2);
    QTEST(marked(m_edit), "expected");
    QTEST(m_edit.isModified(), "modified");
    QVERIFY(!m_edit.hasSelection());
    QVERIFY(m_edit.hasFocus());
}

void TestTagInfo::linesAndRememberedCaret()
{
    // A script block built line by line returns to the empty middle line.
    setMarked(m_edit, "|");
    m_taginf.InsertLine("<%", true, true, false);
    m_taginf.InsertLine("", true, false, false);
    m_taginf.InsertLine("%>", false, false, true);
    QCOMPARE(marked(m_edit), QString("<%\n|\n%>"));
    QVERIFY(m_edit.isModified());

    // InsertLine replaces the caret's whole line.
    setMarked(m_edit, "a\nold| line\nc");
    m_taginf.InsertLine("new", false, false, false);
    QCOMPARE(marked(m_edit), QString("a\nnew|\nc"));

    // UdskrivTekst remembers the caret after its first text and returns there later.
    setMarked(m_edit, "|");
    m_taginf.UdskrivTekst("<table>", "", true, false, true);
    m_taginf.UdskrivTekst("<tr>", "</table>", false, true, false);
    QCOMPARE(marked(m_edit), QString("<table>|\n<tr></table>"));
}

void TestTagInfo::fontsAndColours()
{
    QCOMPARE(Tinfotag::GetColor(quint32(0xFF0000)), QString("#0000FF"));  // blue is the third byte
    QCOMPARE(Tinfotag::GetColor(quint32(0x7F0A0B0C)), QString("#0C0B0A"));
    QCOMPARE(Tinfotag::GetColor(QColor(255, 0, 0)), QString("#FF0000"));

    QFont font("Arial");
    font.setPointSize(12);
    QCOMPARE(Tinfotag::GetStyle(font), QString());
    font.setItalic(true);
    QCOMPARE(Tinfotag::GetStyle(font), QString("font-style: italic;"));
    font.setBold(true);
    QCOMPARE(Tinfotag::GetStyle(font), QString("font-style: Italic; font-weight: bold;"));
    font.setItalic(false);

    setMarked(m_edit, "|");
    m_taginf.InsFont(font, QColor(255, 0, 0), {}, "span", true, true, true);
    QCOMPARE(marked(m_edit), QString("<span style=\"font-family: Arial; font-size: 12pt; color: #FF0000; "
                                     "font-weight: bold;\">|</span>"));
    setMarked(m_edit, "|");
    m_taginf.InsFont(QFont(), QColor(), {"a", "b"}, "p", false, false, false);
    QCOMPARE(marked(m_edit), QString("<p style=\"\">\na<br>\nb\n</p>|"));
}

void TestTagInfo::nothingWithoutEditor()
{
    Tinfotag taginf;
    loadLists(taginf);
    taginf.UdskrivKode("<p>", "</p>");
    taginf.UdskrivKoder("<p>", u'>', 1);
    taginf.InsertLine("x", true, true, true);
    taginf.udskrivAttValue("href", "x");
    QCOMPARE(taginf.GetTag(), QString());
    QVERIFY(!taginf.UdskrivSlutkode());
    QCOMPARE(taginf.FindOrd(), QString());
    QCOMPARE(taginf.AutoKodeRefusal(), TekstIngenAabneDokumenter);
    QCOMPARE(taginf.Slutkode({}), Tinfotag::SlutkodeResult::NoCurrentTag);
}

void TestTagInfo::endTag_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Tinfotag::SlutkodeResult>("result");
    QTest::addColumn<QString>("expected");
    using R = Tinfotag::SlutkodeResult;

    QTest::newRow("after p") << "<p>|" << R::Written << "<p>|</p>";
    QTest::newRow("closed items") << "<ul><li>a</li>x|" << R::Written << "<ul><li>a</li>x|</ul>";
    QTest::newRow("after br") << "<p>a<br>|b" << R::Written << "<p>a<br>|</p>b";
    QTest::newRow("capitals") << "<DIV>x|" << R::Written << "<DIV>x|</DIV>";
    QTest::newRow("selection replaced") << "<p>[abc]" << R::Written << "<p>|</p>";
    QTest::newRow("after last line break") << "<html>\n<body>\n<ol>\n<li>a</li>\n|" << R::Written
                                           << "<html>\n<body>\n<ol>\n<li>a</li>\n|</ol>";
    QTest::newRow("inside start tag") << "<p class=\"|\">" << R::Nothing << "<p class=\"|\">";
    QTest::newRow("unknown element") << "<foo>|" << R::NotFound << "<foo>|";
    QTest::newRow("not html") << "x<p>|" << R::NoCurrentTag << "x<p>|";
    QTest::newRow("caret at start") << "|<p>" << R::NoCurrentTag << "|<p>";
}

void TestTagInfo::endTag()
{
    QFETCH(QString, text);
    QFETCH(Tinfotag::SlutkodeResult, result);
    setMarked(m_edit, text);
    m_taginf.SetautoKode(false);
    QCOMPARE(m_taginf.Slutkode({}), result);
    QTEST(marked(m_edit), "expected");
    QCOMPARE(m_edit.isModified(), result == Tinfotag::SlutkodeResult::Written);
}

void TestTagInfo::endTagInAutomaticMode()
{
    // The tag comes from the last analysis, kept by the main window as its current code.
    setMarked(m_edit, "<p class=\"a|\">x");
    QCOMPARE(m_taginf.GetTag(), QString("p"));
    m_taginf.SetautoKode(true);
    QVERIFY(!m_taginf.SlutkodeEnabled(true));  // inside a tag
    QCOMPARE(m_taginf.Slutkode("p"), Tinfotag::SlutkodeResult::Nothing);

    setMarked(m_edit, "<b>x|");
    m_taginf.GetTag();
    QVERIFY(m_taginf.SlutkodeEnabled(true));
    QCOMPARE(m_taginf.Slutkode("b"), Tinfotag::SlutkodeResult::Written);
    QCOMPARE(marked(m_edit), QString("<b>x|</b>"));
    QCOMPARE(m_taginf.Slutkode(""), Tinfotag::SlutkodeResult::NoCurrentTag);
    m_taginf.SetautoKode(false);
    QVERIFY(m_taginf.SlutkodeEnabled(true));
    QVERIFY(!m_taginf.SlutkodeEnabled(false));
}

void TestTagInfo::automaticModeNeedsHtml()
{
    setMarked(m_edit, "|\n<html>");
    QCOMPARE(m_taginf.AutoKodeRefusal(), TekstIkkeHtmlDokument);
    setMarked(m_edit, "|");
    QCOMPARE(m_taginf.AutoKodeRefusal(), TekstIkkeHtmlDokument);
    setMarked(m_edit, "<html>|");
    QCOMPARE(m_taginf.AutoKodeRefusal(), QString());
}

void TestTagInfo::wordReaders_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("ord");
    QTest::addColumn<QString>("attribut");
    QTest::addColumn<QString>("css");
    QTest::addColumn<QString>("js");

    QTest::newRow("hyphenated, caret in second part") << "background-co|lor: red" << "color" << "color"
                                                      << "background-color" << "color";
    QTest::newRow("hyphenated, caret in first part") << "back|ground-color" << "background" << "background"
                                                     << "background-color" << "background";
    QTest::newRow("before a blank") << "word| next" << "word" << "word" << "word" << "word";
    QTest::newRow("between blanks") << "a | b" << "" << "" << "" << "";
    QTest::newRow("selection") << "[a b]" << "a b" << "b" << "a b" << "a b";
    QTest::newRow("at-rule") << "@med|ia screen" << "media" << "media" << "@media" << "media";
    QTest::newRow("digits and underscore") << "x_1|y" << "x_1y" << "y" << "y" << "x_1y";
    QTest::newRow("non-ASCII letter ends") << "\u00e6ble|" << "ble" << "ble" << "ble" << "ble";
    QTest::newRow("backward selection, word at its end") << "]x yz[" << "x yz" << "yz" << "x yz" << "x yz";
    QTest::newRow("later line") << "<p>\n<div>\nda|ta" << "data" << "data" << "data" << "data";
}

void TestTagInfo::wordReaders()
{
    QFETCH(QString, text);
    setMarked(m_edit, text);
    QTEST(m_taginf.FindOrd(), "ord");
    QTEST(m_taginf.FindOrdAttribut(), "attribut");
    QTEST(m_taginf.FindOrdCSS(), "css");
    QTEST(m_taginf.FindOrdJs(), "js");
}

QTEST_MAIN(TestTagInfo)
#include "tst_taginfo.moc"
