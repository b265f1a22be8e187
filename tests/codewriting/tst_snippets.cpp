// The tool bars' snippets: what each writes and where the caret ends ("|" in the texts).

#include "codewriting/snippets.h"
#include "codewriting/taginfo.h"
#include "editor/editor.h"

#include <QtTest>

namespace {

void saetTekst(TEditor &edit, QString tekst)
{
    const qsizetype p = tekst.indexOf(u'|');
    tekst.remove(p, 1);
    edit.setText(tekst);
    edit.setCaretPos(p);
}

QString medCaret(const TEditor &edit)
{
    QString t = edit.text();
    return t.insert(edit.caretPos(), u'|');
}

} // namespace

class TestSnippets : public QObject {
    Q_OBJECT
private slots:
    void snippets_data()
    {
        QTest::addColumn<QString>("navn");
        QTest::addColumn<QString>("foer");
        QTest::addColumn<QString>("efter");
        QTest::newRow("include") << "incButton" << "a|b" << "a<!--#include file=\"|.inc\"-->b";
        QTest::newRow("script codes") << "mAspScriptkoder" << "a\n|\nb" << "a\n<%\n|\n%>\nb";
        QTest::newRow("request") << "mAspRequest" << "x = |" << "x = Request(\"|\")";
        QTest::newRow("request form") << "mAspRequestForm" << "|" << "Request.Form(\"|\")";
        QTest::newRow("query string") << "mAspRequestQS" << "|" << "Request.QueryString(\"|\")";
        QTest::newRow("response write") << "mAspResponseWrite" << "|" << "Response.Write |";
        QTest::newRow("write value") << "mAspWrite" << "<p>|</p>" << "<p><%=|%></p>";
        QTest::newRow("application") << "mAspApplicationVar" << "|" << "Application(\"|\")";
        QTest::newRow("session") << "mAspSessionVar" << "|" << "Session(\"|\")";
        QTest::newRow("style") << "puMstyle" << "a\n|\nb" << "a\n<style>\n|\n</style>\nb";
        QTest::newRow("script") << "puMscript" << "|" << "<script>\n|\n</script>";
        QTest::newRow("div") << "puMdivdiv1" << "x|y" << "x<div>|</div>y";
        QTest::newRow("span") << "puMspanspan1" << "|" << "<span>|</span>";
        QTest::newRow("p") << "puMpp1" << "|" << "<p>|</p>";
        // The selector blocks end every line with a break, the last too.
        QTest::newRow("selector") << "nySelectorKnap" << "a\n|\nb" << "a\nSELECTOR{\n|\n}\n\nb";
        QTest::newRow("class selector") << "nyClassSelectorKnap" << "|" << ".CLASS{\n|\n}\n";
        QTest::newRow("id selector") << "nyIdSelectorKnap" << "|" << "#ID{\n|\n}\n";
        // A line with text under the caret is kept: the lines start under it.
        QTest::newRow("style under text") << "puMstyle" << "<head>|" << "<head>\n<style>\n|\n</style>";
    }
    void snippets()
    {
        QFETCH(QString, navn);
        QFETCH(QString, foer);
        const codewriting::Snippet *s = codewriting::findSnippet(navn);
        QVERIFY(s);
        TEditor edit;
        Tinfotag taginf;
        taginf.SetEditor(&edit);
        saetTekst(edit, foer);
        codewriting::skrivSnippet(taginf, *s);
        QTEST(medCaret(edit), "efter");
        QVERIFY(edit.isModified());
        edit.undo();   // one step
        QCOMPARE(medCaret(edit).remove(u'|'), QString(foer).remove(u'|'));
    }

    void statements_data()
    {
        QTest::addColumn<QString>("navn");
        QTest::addColumn<QString>("efter");
        const char *t[][2] = {
            {"vbs1", "If BETINGELSE Then\n|\nEnd If"},
            {"vbs2", "Select Case VARIABEL\nCase VALUE\n|\nEnd Select"},
            {"vbs3", "Do While BETINGELSE\n|\nLoop"},
            {"vbs4", "Do Until BETINGELSE\n|\nLoop"},
            {"vbs5", "Do\n|\nLoop While BETINGELSE"},
            {"vbs6", "Do\n|\nLoop Until BETINGELSE"},
            {"vbs7", "For Each ELEMENT In ELEMENTER\n|\nNext"},
            {"vbs8", "For VAR = VALUE to VALUE\n|\nNext"},
            {"vbs9", "Function FUNKTIONSNAVN\n|\nEnd Function"},
            {"vbs10", "Sub PROCEDURENAVN\n|\nEnd Sub"},
            {"vbs11", "Class OBJEKTNAVN\n|\nEnd Class"},
            {"vbs12", "Private Function FUNKTIONSNAVN\n|\nEnd Function"},
            {"vbs13", "Private Sub PROCEDURENAVN\n|\nEnd Sub"},
            {"vbs14", "Public Function FUNKTIONSNAVN\n|\nEnd Function"},
            {"vbs15", "Public Sub PROCEDURENAVN\n|\nEnd Sub"},
            {"vbs16", "Public Property Let PROPERTYNAVN(VALUE)\n|\nEnd Property"},
            {"vbs17", "Public Property Get PROPERTYNAVN\n|\nEnd Property"},
            {"vbs18", "Public Property Set PROPERTYNAVN(VALUE)\n|\nEnd Property"},
        };
        for (const auto &r : t)
            QTest::newRow(r[0]) << QString::fromLatin1(r[0]) << QString::fromLatin1(r[1]);
    }
    // On an empty line in the middle of a script, without indentation.
    void statements()
    {
        QFETCH(QString, navn);
        QFETCH(QString, efter);
        TEditor edit;
        Tinfotag taginf;
        taginf.SetEditor(&edit);
        saetTekst(edit, QStringLiteral("Dim x\n|\nx = 1"));
        codewriting::skrivSnippet(taginf, *codewriting::findSnippet(navn));
        QCOMPARE(medCaret(edit), QStringLiteral("Dim x\n") + efter + QStringLiteral("\nx = 1"));
    }

    void menus()
    {
        QCOMPARE(codewriting::vbsSaetninger().size(), 18);
        QStringList under;
        for (const codewriting::Snippet &s : codewriting::vbsSaetninger())
            under << s.undermenu;
        QCOMPARE(under.count(QStringLiteral("Private")), 2);
        QCOMPARE(under.count(QStringLiteral("Public")), 5);
        QVERIFY(!codewriting::findSnippet(QStringLiteral("ukendt")));
    }
};

QTEST_MAIN(TestSnippets)
#include "tst_snippets.moc"
