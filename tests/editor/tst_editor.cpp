// The edit control: character positions over a UTF-8 buffer, editing, colouring.

#include "editor/editor.h"
#include "testsupport/testenv.h"

#include <Qsci/qsciscintilla.h>

#include <QAccessible>
#include <QtTest>

class TestEditor : public QObject {
    Q_OBJECT
private slots:
    void positions_data();
    void positions();
    void halfASurrogatePairIsNoPosition();
    void insertedLineBreaksAndUndo();
    void modifiedFlag();
    void findIgnoresCase();
    void colouringByType_data();
    void colouringByType();
    void lineNumbers();
    void longLinesWrapButOnHugePages();
    void htmlFiveAndCustomElements_data();
    void htmlFiveAndCustomElements();
    void stylingEndsForEveryType_data();
    void stylingEndsForEveryType();
    void returnKeepsTheIndentation_data();
    void returnKeepsTheIndentation();
    void assistiveToolsReadByTheEditorsOffsets();
    void cleanupTestCase() { m_data.reset(); }

private:
    std::unique_ptr<TestProgramFolder> m_data;   // the installed data tree, for the tag lists
};

namespace {
const QString kEmoji = QString::fromUtf8("\xF0\x9F\x98\x80");   // one character, two QChars
}

void TestEditor::positions_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("line");     // 0-based, at the end of the selection
    QTest::addColumn<int>("column");

    QTest::newRow("ascii") << "<p>tekst</p>" << 3 << 8 << "tekst" << 0 << 8;
    QTest::newRow("æøå before") << "æøå<b>x</b>" << 3 << 6 << "<b>" << 0 << 6;
    QTest::newRow("æøå selected") << "<i>blåbærgrød</i>" << 3 << 13 << "blåbærgrød" << 0 << 13;
    QTest::newRow("backwards") << "Ærø\nÅbenrå" << 10 << 4 << "Åbenrå" << 1 << 6;
    QTest::newRow("emoji before") << kEmoji + kEmoji + "<p>" << 4 << 7 << "<p>" << 0 << 7;
    QTest::newRow("emoji selected") << "a" + kEmoji + "b" << 1 << 3 << kEmoji << 0 << 3;
    QTest::newRow("second line") << "<ul>\n<li>ø" + kEmoji + "</li>" << 5 << 12 << "<li>ø" + kEmoji << 1 << 7;
    QTest::newRow("across lines") << "æ\nø\nå" << 0 << 5 << "æ\nø\nå" << 2 << 1;
    QTest::newRow("end of text") << "ø\n" << 2 << 2 << "" << 1 << 0;
    QTest::newRow("CJK and Greek") << "漢字 αβγ" << 3 << 6 << "αβγ" << 0 << 6;
}

// Positions count characters as a QString does, whatever the bytes under them.
void TestEditor::positions()
{
    QFETCH(QString, text);
    QFETCH(int, anchor);
    QFETCH(int, caret);
    QFETCH(QString, selected);
    TEditor e;
    e.setText(text);
    QCOMPARE(e.length(), text.size());
    QCOMPARE(e.text(), text);
    e.setSelection(anchor, caret);
    QCOMPARE(e.anchorPos(), anchor);
    QCOMPARE(e.caretPos(), caret);
    QCOMPARE(e.SelStart(), qMin(anchor, caret));
    QCOMPARE(e.SelLength(), selected.size());
    QCOMPARE(e.SelText(), selected);
    QCOMPARE(e.textRange(qMin(anchor, caret), qMax(anchor, caret)), selected);
    QTEST(e.caretLine(), "line");
    QTEST(e.caretColumn(), "column");
    QCOMPARE(e.lineCount(), int(text.count(u'\n')) + 1);
    // Every line's start, end and text agree with the string's own.
    const QStringList lines = text.split(u'\n');
    qsizetype start = 0;
    for (int i = 0; i < lines.size(); ++i) {
        QCOMPARE(e.lineStart(i), start);
        QCOMPARE(e.lineEnd(i), start + lines[i].size());
        QCOMPARE(e.lineText(i), lines[i]);
        QCOMPARE(e.lineOf(start), i);
        start += lines[i].size() + 1;
    }
    // Byte and character positions convert both ways.
    for (qsizetype p = 0; p <= text.size(); ++p) {
        if (p > 0 && text[p - 1].isHighSurrogate())
            continue;
        QCOMPARE(e.charPos(e.bytePos(p)), p);
        QCOMPARE(e.bytePos(p), text.left(p).toUtf8().size());
    }
    // Insertion at the caret counts the same way.
    e.setCaretPos(caret);
    e.replaceSelection(QStringLiteral("ø"));
    QCOMPARE(e.caretPos(), caret + 1);
    QCOMPARE(e.text(), QString(text).insert(caret, QStringLiteral("ø")));
}

void TestEditor::halfASurrogatePairIsNoPosition()
{
    TEditor e;
    e.setText("a" + kEmoji + "b");
    e.setCaretPos(2);   // between the two halves
    QCOMPARE(e.caretPos(), 1);
    e.setSelection(4, 2);
    QCOMPARE(e.SelText(), kEmoji + "b");
    QCOMPARE(e.textRange(0, 2), QStringLiteral("a"));
}

void TestEditor::insertedLineBreaksAndUndo()
{
    TEditor e;
    e.setText(QStringLiteral("<body>\r\n</body>\r"));
    QCOMPARE(e.text(), QStringLiteral("<body>\n</body>\n"));
    e.setCaretPos(6);
    e.replaceSelection(QStringLiteral("\r<p>æ</p>\r\n<br>"));   // CR or CR LF: one line break each
    QCOMPARE(e.text(), QStringLiteral("<body>\n<p>æ</p>\n<br>\n</body>\n"));
    QCOMPARE(e.caretPos(), 6 + 14);
    // Several edits grouped are one step back.
    e.beginUndoAction();
    e.replaceRange(0, 1, QStringLiteral("«"));
    e.replaceRange(e.length() - 1, e.length(), QStringLiteral("»"));
    e.endUndoAction();
    e.undo();
    QCOMPARE(e.text(), QStringLiteral("<body>\n<p>æ</p>\n<br>\n</body>\n"));
    e.undo();
    QCOMPARE(e.text(), QStringLiteral("<body>\n</body>\n"));
    QVERIFY(!e.isModified());
    e.undo();   // loading is no step of its own
    QCOMPARE(e.text(), QStringLiteral("<body>\n</body>\n"));
    // Text with NUL characters loads whole.
    e.setText(QStringLiteral("a") + QChar(0) + QStringLiteral("b"));
    QCOMPARE(e.length(), 3);
    e.setSelection(1, 2);
    e.deleteForward();
    QCOMPARE(e.text(), QStringLiteral("ab"));
}

void TestEditor::modifiedFlag()
{
    TEditor e;
    e.setText(QStringLiteral("x"));
    QSignalSpy changes(&e, &TEditor::modificationChanged);
    QVERIFY(!e.isModified());
    e.setModified(true);   // the program may mark a page changed without changing it
    QVERIFY(e.isModified());
    QCOMPARE(changes.size(), 1);
    e.replaceSelection(QStringLiteral("y"));
    e.undo();
    QVERIFY(e.isModified());   // back at the saved text, but still marked
    e.setModified(false);
    QVERIFY(!e.isModified());
    QCOMPARE(changes.last().first().toBool(), false);
    e.replaceSelection(QStringLiteral("z"));
    QVERIFY(e.isModified());
    e.undo();
    QVERIFY(!e.isModified());
}

void TestEditor::findIgnoresCase()
{
    TEditor e;
    e.setText(QStringLiteral("ø<DIV>\n<div class=\"æ\">"));
    QCOMPARE(e.find(QStringLiteral("<div"), 0), 1);
    QCOMPARE(e.find(QStringLiteral("<div"), 2), 7);
    QCOMPARE(e.find(QStringLiteral("<div"), 2, true), 7);
    QCOMPARE(e.find(QStringLiteral("<DIV"), 2, true), -1);
    QCOMPARE(e.find(QStringLiteral("Æ"), 0), 19);
    QCOMPARE(e.find(QStringLiteral("Ø"), 1), -1);
    QCOMPARE(e.find(QStringLiteral("class"), 0, false, true), 12);
    QCOMPARE(e.find(QStringLiteral("clas"), 0, false, true), -1);
}

void TestEditor::colouringByType_data()
{
    QTest::addColumn<QString>("ext");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("style");
    QTest::newRow("html tag") << ".html" << "<p>x</p><table>" << "table" << "Tag";
    QTest::newRow("html attribute") << ".htm" << "<td colspan=\"2\">" << "colspan" << "Attribute";
    QTest::newRow("script in a page") << ".html" << "<script>\nif (a) { return; }\n</script>" << "return"
                                      << "JavaScript keyword";
    QTest::newRow("css property") << ".css" << "p { border-collapse: collapse; color: red; }" << "color"
                                  << "CSS1 property";
    QTest::newRow("javascript keyword") << ".js" << "function f() { return 1; }" << "return" << "Keyword";
    QTest::newRow("vbscript keyword") << ".vbs" << "Dim x\nIf x Then\nEnd If" << "Then" << "Keyword";
    QTest::newRow("vbscript comment") << ".wsf" << "' en kommentar" << "kommentar" << "Comment";
    QTest::newRow("asp vbscript") << ".asp" << "<% Dim navn %>" << "Dim" << "ASP VBScript keyword";
    QTest::newRow("batch") << ".bat" << "echo off\nrem note" << "rem" << "Comment";
    QTest::newRow("capitals") << ".HTML" << "<b>x</b>" << "b" << "Tag";
    QTest::newRow("plain text") << ".txt" << "<b>x</b>" << "b" << "";
}

void TestEditor::colouringByType()
{
    QFETCH(QString, ext);
    QFETCH(QString, text);
    QFETCH(QString, word);
    TEditor e;
    e.setSprog(ext);
    e.setText(text);
    QTEST(e.stilVed(text.indexOf(word)), "style");
    // The same page as a style sheet is coloured as one.
    e.setSprog(QStringLiteral(".css"));
    QCOMPARE(e.sprog(), QStringLiteral("CSS"));
}

void TestEditor::lineNumbers()
{
    TEditor e;
    QVERIFY(e.linjenumre());
    e.setText(QString(QStringLiteral("x\n")).repeated(5));
    const int small = e.linjenummerBredde();
    QVERIFY(small > 0);
    e.setText(QString(QStringLiteral("x\n")).repeated(123456));
    QVERIFY(e.linjenummerBredde() > small);   // room for six digits
    e.setLinjenumre(false);
    QCOMPARE(e.linjenummerBredde(), 0);
    e.setEditorFont(QFont(QStringLiteral("Monospace"), 14));
    QCOMPARE(e.linjenummerBredde(), 0);       // a new font does not bring them back
    e.setLinjenumre(true);
    QVERIFY(e.linjenummerBredde() > small);
}

void TestEditor::longLinesWrapButOnHugePages()
{
    TEditor e;
    QVERIFY(e.ombrydes());   // a new, empty page
    e.setText(QString(QStringLiteral("<p>en lang linje</p> ")).repeated(1000));
    QVERIFY(e.ombrydes());
    e.setText(QString(QStringLiteral("<p>en lang linje</p>\n")).repeated(60000));   // 1.2 MB
    QVERIFY(!e.ombrydes());
    e.setText(QStringLiteral("<p>kort</p>"));
    QVERIFY(e.ombrydes());
    // One line of 110 kB in a small page: measured whole at each key, so not wrapped.
    e.setText(QStringLiteral("<p>kort</p>\n") + QString(QStringLiteral("<b>x</b> ")).repeated(12000) + u'\n');
    QVERIFY(!e.ombrydes());
}

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"

void TestEditor::stylingEndsForEveryType_data()
{
    QTest::addColumn<QString>("ext");
    for (const char *ext : {".txt", "", ".html", ".css", ".js", ".vbs", ".bat", ".xml", ".ukendt"})
        QTest::newRow(*ext ? ext : "no type") << QString::fromLatin1(ext);
}

// An idle document is all styled: where styling never ends, idle styling goes on asking for it
// and keeps a core busy for as long as the document is open.
void TestEditor::stylingEndsForEveryType()
{
    QFETCH(QString, ext);
    TEditor e;
    e.setSprog(ext);
    e.setText(QString(QStringLiteral("hej <b>med</b> dig\n")).repeated(2000));
    e.resize(400, 300);
    e.show();
    QVERIFY(QTest::qWaitForWindowExposed(&e));
    auto *sci = e.findChild<QsciScintilla *>(QStringLiteral("scintilla"));
    QVERIFY(sci);
    const long laengde = sci->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    QTRY_COMPARE(sci->SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED), laengde);
}

void TestEditor::htmlFiveAndCustomElements_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("style");
    QTest::newRow("nav") << "<nav><p>x</p></nav>" << "nav" << "Tag";
    QTest::newRow("main in capitals") << "<MAIN>x</MAIN>" << "MAIN" << "Tag";
    QTest::newRow("time") << "<p><time datetime=\"2026\">i dag</time></p>" << "time" << "Tag";
    QTest::newRow("html5 attribute") << "<input placeholder=\"navn\">" << "placeholder" << "Attribute";
    QTest::newRow("custom element") << "<min-widget id=\"a\"></min-widget>" << "min-widget" << "Tag";
    QTest::newRow("custom end tag") << "<p>z</p></x-y>" << "x-y" << "Tag";
    QTest::newRow("still unknown") << "<nav2>x</nav2>" << "nav2" << "Unknown tag";
}

// Pages are coloured by the program's own tag lists and the page's custom elements: HTML5 is
// not shown as wrong. A custom element typed after the page was loaded is known too.
void TestEditor::htmlFiveAndCustomElements()
{
    QFETCH(QString, text);
    QFETCH(QString, word);
    QFETCH(QString, style);
    if (!m_data) {
        // The tag lists of the installed data tree, and nothing else.
        m_data = std::make_unique<TestProgramFolder>();
        const QDir kilde(QStringLiteral(TAVLEVIRKE_SOURCE_DATA "/Dir"));
        QStringList filer{QStringLiteral("Html/AlleKoder.txt")};
        for (const QString &f : QDir(kilde.filePath(QStringLiteral("Attributes"))).entryList(QDir::Files))
            filer << QStringLiteral("Attributes/") + f;
        for (const QString &f : std::as_const(filer)) {
            QFile fil(kilde.filePath(f));
            QVERIFY(fil.open(QIODevice::ReadOnly));
            m_data->writeFile(QStringLiteral("Dir/") + f, fil.readAll());
        }
    }
    TEditor e;
    e.setSprog(QStringLiteral(".html"));
    e.setText(text);
    QTRY_COMPARE(e.stilVed(text.indexOf(word)), style);
    QTRY_COMPARE(e.stilVed(text.lastIndexOf(word)), style);
    e.replaceRange(0, 0, QStringLiteral("<ny-ting>a</ny-ting>"));
    QTRY_COMPARE(e.stilVed(1), QStringLiteral("Tag"));
}

void TestEditor::returnKeepsTheIndentation_data()
{
    QTest::addColumn<QString>("ext");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("after");
    QTest::newRow("page, blanks") << ".html" << "<ul>\n    <li>a</li>" << "<ul>\n    <li>a</li>\n    ";
    QTest::newRow("script, tab") << ".js" << "if (a) {\n\tb();" << "if (a) {\n\tb();\n\t";
    QTest::newRow("plain text") << ".txt" << "  hej" << "  hej\n  ";
    QTest::newRow("no indentation") << ".html" << "<p>" << "<p>\n";
}

void TestEditor::returnKeepsTheIndentation()
{
    QFETCH(QString, ext);
    QFETCH(QString, text);
    TEditor e;
    e.setSprog(ext);
    e.setText(text);
    e.setCaretPos(e.length());
    auto *sci = e.findChild<QsciScintilla *>(QStringLiteral("scintilla"));
    QTest::keyClick(sci, Qt::Key_Return);
    QTEST(e.text(), "after");
    QCOMPARE(e.caretPos(), e.length());
}

// Assistive tools get the editor's own description: offsets in the editor's characters
// (an emoji is two, as everywhere in the program), lines with their line break, and a
// selection or caret set by the tool lands in the editor.
void TestEditor::assistiveToolsReadByTheEditorsOffsets()
{
    TEditor e;
    e.setText("<p>" + kEmoji + "æ</p>\r\n<br>\r\n");
    auto *sci = e.findChild<QsciScintilla *>(QStringLiteral("scintilla"));
    QAccessibleInterface *acc = QAccessible::queryAccessibleInterface(sci);
    QVERIFY(acc);
    QCOMPARE(acc->role(), QAccessible::EditableText);
    QAccessibleTextInterface *text = acc->textInterface();
    QVERIFY(text);
    QCOMPARE(text->characterCount(), int(e.length()));
    QCOMPARE(text->characterCount(), 16);

    e.setCaretPos(6);
    QCOMPARE(text->cursorPosition(), 6);
    QCOMPARE(text->text(3, 6), kEmoji + "æ");
    int start = 0, end = 0;
    QCOMPARE(text->textAtOffset(12, QAccessible::LineBoundary, &start, &end), QStringLiteral("<br>\n"));
    QCOMPARE(start, 11);
    QCOMPARE(end, 16);
    QCOMPARE(text->textBeforeOffset(12, QAccessible::LineBoundary, &start, &end), "<p>" + kEmoji + "æ</p>\n");
    QCOMPARE(start, 0);

    text->setSelection(0, 3, 6);
    QCOMPARE(e.SelText(), kEmoji + "æ");
    QCOMPARE(text->selectionCount(), 1);
    text->selection(0, &start, &end);
    QCOMPARE(start, 3);
    QCOMPARE(end, 6);

    acc->editableTextInterface()->replaceText(3, 6, QStringLiteral("ø"));
    QCOMPARE(e.text(), QStringLiteral("<p>ø</p>\n<br>\n"));
}
