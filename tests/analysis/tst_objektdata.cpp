// The object structures' data lines, the search of the pane, and the VBScript capitalisation.

#include "analysis/objektdata.h"
#include "analysis/vbabc.h"
#include "editor/editor.h"

#include <QtTest>

class TestObjektdata : public QObject {
    Q_OBJECT
private slots:
    void fields_data()
    {
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("definition");
        QTest::addColumn<QStringList>("syntax");
        QTest::newRow("definition, syntax, example") << "Skriver tekst|Response.Write x|Response.Write \"Hej\""
                                                      << "Skriver tekst" << QStringList{"Response.Write x", "Response.Write \"Hej\""};
        QTest::newRow("empty third field is left out") << "A|B||D" << "A" << QStringList{"B", "D"};
        QTest::newRow("no bar") << "Kun definition" << "Kun definition" << QStringList{};
        QTest::newRow("fields beyond the fourth ignored") << "A|B|C|D|E|F" << "A" << QStringList{"B", "C", "D"};
        QTest::newRow("empty") << "" << "" << QStringList{};
        QTest::newRow("bar only") << "|" << "" << QStringList{""};
    }
    void fields()
    {
        QFETCH(QString, data);
        const analysis::ObjektFelter f = analysis::objektFelter(data);
        QTEST(f.definition, "definition");
        QTEST(f.syntax, "syntax");
    }

    void search_data()
    {
        QTest::addColumn<int>("valgt");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("valgtFundet");
        QTest::addColumn<int>("fundet");
        // 0 Request, 1 Request.Form, 2 Response, 3 Request.QueryString, 4 Session
        QTest::newRow("word finds the first") << -1 << "request" << false << 0;
        QTest::newRow("the dot is dropped from titles") << 0 << "requestf" << false << 1;
        QTest::newRow("but not from the text") << -1 << "request.form" << false << -1;
        QTest::newRow("second search finds the next") << 1 << "request" << false << 3;
        QTest::newRow("after the last it wraps") << 3 << "request" << false << 0;
        QTest::newRow("from the last entry it starts at the first") << 4 << "req" << false << 0;
        QTest::newRow("capitals in the text") << -1 << "SESSION" << false << 4;
        QTest::newRow("a first entry just found is passed") << 0 << "re" << true << 1;
        QTest::newRow("nothing") << 2 << "window" << false << -1;
    }
    void search()
    {
        QFETCH(int, valgt);
        QFETCH(QString, tekst);
        QFETCH(bool, valgtFundet);
        const QStringList titler{"Request", "Request.Form", "Response", "Request.QueryString", "Session"};
        QTEST(analysis::findObjekt(titler, valgt, tekst, valgtFundet), "fundet");
    }

    void searchForm()
    {
        QCOMPARE(analysis::soegeform(QStringLiteral("Æble_Ø.2 (x)")), QStringLiteral("ble_2x"));
        QCOMPARE(analysis::soegeform(QStringLiteral("æble-ø")), QStringLiteral("æbleø"));
        QCOMPARE(analysis::findObjekt({}, -1, QStringLiteral("x")), -1);
    }

    void capitalisation_data()
    {
        QTest::addColumn<QString>("foer");
        QTest::addColumn<QString>("efter");
        QTest::newRow("the example") << "response.write x" << "Response.Write x";
        QTest::newRow("words between signs") << "x=request.form(\"a\")&RESPONSE" << "x=Request.Form(\"a\")&Response";
        QTest::newRow("digits split words") << "response2write" << "Response2Write";
        QTest::newRow("unknown words stay") << "dim Minvariabel" << "dim Minvariabel";
        QTest::newRow("a word spelt as a title stays") << "WRITE Write write" << "WRITE Write Write";
        QTest::newRow("string stays") << "msgbox \"now write the form\" & form" << "msgbox \"now write the form\" & Form";
        QTest::newRow("quote inside a string") << "x = \"a \"\"form\"\" b\" : write" << "x = \"a \"\"form\"\" b\" : Write";
        QTest::newRow("comment stays") << "write x ' write the form" << "Write x ' write the form";
        QTest::newRow("rem comment stays") << "rem write the form" << "Rem write the form";
        QTest::newRow("rem after a colon") << "write : REM form" << "Write : Rem form";
        QTest::newRow("a word starting with rem is code") << "remform.write" << "remform.Write";
    }
    void capitalisation()
    {
        QFETCH(QString, foer);
        // Depth-first order: the first spelling wins; titles with other signs never match a word.
        const analysis::VbOrdbog ordbog({"Response", "Write", "WRITE", "Request", "Form", "Request.Form", "Dim x", "Rem"});
        QString linje = foer;
        QFETCH(QString, efter);
        QCOMPARE(ordbog.retLinie(linje), foer != efter);
        QCOMPARE(linje, efter);
    }

    // Only changed lines are written, as one undo step, and the caret stays.
    void capitalisationInTheDocument()
    {
        TEditor edit;
        edit.setText(QStringLiteral("<%\nresponse.write \"a\"\n' uændret\nRESPONSE.end\n%>"));
        edit.setSelection(8, 12);
        QCOMPARE(analysis::retVbOrd(edit, analysis::VbOrdbog({"Response", "Write", "End"})), 2);
        QCOMPARE(edit.text(), QStringLiteral("<%\nResponse.Write \"a\"\n' uændret\nResponse.End\n%>"));
        QCOMPARE(edit.anchorPos(), 8);
        QCOMPARE(edit.caretPos(), 12);
        QVERIFY(edit.isModified());
        edit.undo();
        QCOMPARE(edit.text(), QStringLiteral("<%\nresponse.write \"a\"\n' uændret\nRESPONSE.end\n%>"));
        // Without a reference nothing changes.
        QCOMPARE(analysis::retVbOrd(edit, analysis::VbOrdbog({})), 0);
    }
};

QTEST_MAIN(TestObjektdata)
#include "tst_objektdata.moc"
