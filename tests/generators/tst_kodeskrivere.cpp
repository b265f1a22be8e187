// The table, list and link writers and the input filters, on a real edit control.

#include "codewriting/taginfo.h"
#include "core/inputfilters.h"
#include "editor/editor.h"
#include "generators/kodeskrivere.h"

#include <QtTest>

using namespace generators;

namespace {

// The editor's text with "|" at the caret.
QString marked(const TEditor &edit)
{
    QString text = edit.text();
    return text.insert(edit.caretPos(), u'|');
}

// Text with "|" for the caret.
void setMarked(TEditor &edit, QString text)
{
    const qsizetype pos = text.indexOf(u'|');
    text.remove(pos, 1);
    edit.setText(text);
    edit.setCaretPos(pos);
}

QString rows(const QString &row, int n)
{
    QStringList l;
    for (int i = 0; i < n; ++i)
        l << row;
    return l.join(u'\n');
}

const QString td3 = QStringLiteral("<tr><td></td><td></td><td></td></tr>");
const QString tooLarge = core::ugyldigtAntalTekst(QStringLiteral("2147483648"));

} // namespace

class TestKodeskrivere : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        edit.setText({});
        taginf.SetEditor(&edit);
    }

    void getPosTal_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("fits");
        QTest::newRow("letters and leading zero") << "a0x12" << "12" << true;
        QTest::newRow("no digits") << "abc" << "0" << true;
        QTest::newRow("empty") << "" << "0" << true;
        QTest::newRow("digit in between") << "1a2" << "12" << true;
        QTest::newRow("largest") << "2147483647" << "2147483647" << true;
        QTest::newRow("too large keeps digits") << "x002147483648" << "2147483648" << false;
    }
    void getPosTal()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QFETCH(bool, fits);
        bool ok = !fits;
        QCOMPARE(core::GetPosTal(input, &ok), expected);
        QCOMPARE(ok, fits);
    }

    void get16Tal_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << "" << "#";
        QTest::newRow("letters") << "ff" << "ff";
        QTest::newRow("blank first") << " ff" << "#ff";
        QTest::newRow("hash and junk") << "#12zz" << "#12";
        QTest::newRow("upper junk") << "ff00GG" << "ff00";
        QTest::newRow("quote first") << "\"12" << "#12";
        QTest::newRow("digit first") << "12" << "12";
    }
    void get16Tal()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(core::Get16Tal(input), expected);
    }

    void tabel_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("kolonner");
        QTest::addColumn<bool>("linier");
        QTest::addColumn<bool>("plain");
        QTest::addColumn<QString>("raekker");
        QTest::addColumn<bool>("th");
        QTest::addColumn<QStringList>("hbf");
        QTest::addColumn<QString>("expected");   // the text with "|" at the caret, or the message
        const QStringList none{"", "", ""};
        QTest::newRow("plain, th, caption") << "A" << "3" << true << true << "2" << true << none
            << "<table>\n<caption>A</caption>\n<tr><th></th><th></th><th></th></tr>\n" + rows(td3, 2) + "\n</table>|";
        QTest::newRow("row on several lines") << "" << "2" << false << true << "1" << false << none
            << "<table>\n<tr>\n<td></td>\n<td></td>\n</tr>\n</table>|";
        QTest::newRow("structured, all empty") << "Cap" << "3" << true << false << "" << false << none
            << "<table>\n<caption>Cap</caption>\n</table>|";
        QTest::newRow("structured, head body foot") << "" << "3" << true << false << "9" << true
            << QStringList{"1", "2", "1"}
            << "<table>\n<thead>\n<tr><th></th><th></th><th></th></tr>\n</thead>\n<tbody>\n" + rows(td3, 2)
                   + "\n</tbody>\n<tfoot>\n" + td3 + "\n</tfoot>\n</table>|";
        QTest::newRow("structured, body only") << "" << "1" << true << false << "" << false
            << QStringList{"0", "1", ""} << "<table>\n<tbody>\n<tr><td></td></tr>\n</tbody>\n</table>|";
        QTest::newRow("00 columns passes") << "" << "00" << true << true << "1" << false << none
            << "<table>\n<tr></tr>\n</table>|";
        QTest::newRow("no columns") << "" << "" << true << true << "2" << false << none << "Der mangler antal kolonner!";
        QTest::newRow("zero columns") << "" << "0" << true << true << "2" << false << none << "Der mangler antal kolonner!";
        QTest::newRow("no rows") << "" << "2" << true << true << "" << false << none << "Der mangler antal rækker!";
        QTest::newRow("zero rows") << "" << "2" << true << true << "0" << false << none << "Der mangler antal rækker!";
        QTest::newRow("rows too large") << "" << "2" << true << true << "2147483648" << false << none << tooLarge;
        QTest::newRow("head too large") << "" << "2" << true << false << "" << false
            << QStringList{"2147483648", "", ""} << tooLarge;
        QTest::newRow("too many cells") << "" << "1000" << true << true << "1000" << false << none
            << QString("Der kan højst skrives %1 elementer ad gangen.\rSkriv et mindre antal.").arg(kMaksElementer);
    }
    void tabel()
    {
        QFETCH(QString, caption);
        QFETCH(QString, kolonner);
        QFETCH(bool, linier);
        QFETCH(bool, plain);
        QFETCH(QString, raekker);
        QFETCH(bool, th);
        QFETCH(QStringList, hbf);
        QFETCH(QString, expected);
        const Tabelvalg valg{caption, kolonner, linier, plain, raekker, th, hbf[0], hbf[1], hbf[2]};
        const QString message = skrivTabel(taginf, valg);
        if (expected.contains(u'|')) {
            QCOMPARE(message, QString());
            QCOMPARE(marked(edit), expected);
            QVERIFY(edit.isModified());
        } else {
            QCOMPARE(message, expected);
            QCOMPARE(edit.text(), QString());
        }
    }

    // A line writer never swallows the text on the caret's line.
    void keepsTextOnCaretLine_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("caret inside text") << "x\nab|cd\ny" << "x\nabcd\n<colgroup>\n<col>\n</colgroup>|\ny";
        QTest::newRow("empty line") << "x\n|\ny" << "x\n<colgroup>\n<col>\n</colgroup>|\ny";
        QTest::newRow("blanks only") << "x\n  |\ny" << "x\n<colgroup>\n<col>\n</colgroup>|\ny";
    }
    void keepsTextOnCaretLine()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        setMarked(edit, before);
        QCOMPARE(skrivColgroup(taginf, "1", false, false), QString());
        QCOMPARE(marked(edit), after);
        // One undo brings the text back.
        edit.undo();
        if (before.contains("ab|cd")) edit.undo();   // the line break made room first
        QCOMPARE(edit.text(), QString(before).remove(u'|'));
    }

    void colgroup_data()
    {
        QTest::addColumn<QString>("antal");
        QTest::addColumn<bool>("span");
        QTest::addColumn<bool>("style");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "2" << false << false << "<colgroup>\n<col>\n<col>\n</colgroup>|";
        QTest::newRow("span and style") << "1" << true << true << "<colgroup>\n<col span=\"\" style=\"\">\n</colgroup>|";
        QTest::newRow("style") << "1" << false << true << "<colgroup>\n<col style=\"\">\n</colgroup>|";
        QTest::newRow("missing") << "" << true << true << "Der mangler antal col-elementer!";
        QTest::newRow("zero") << "0" << true << true << "Der mangler antal col-elementer!";
    }
    void colgroup()
    {
        QFETCH(QString, antal);
        QFETCH(bool, span);
        QFETCH(bool, style);
        QFETCH(QString, expected);
        const QString message = skrivColgroup(taginf, antal, span, style);
        QCOMPARE(message.isEmpty() ? marked(edit) : message, expected);
    }

    void liste_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("antal");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ul 0") << int(Ul) << "0" << "<ul>\n|\n</ul>\n";
        QTest::newRow("ul 2") << int(Ul) << "2" << "<ul>\n<li></li>\n<li></li>\n</ul>|";
        QTest::newRow("ol 0") << int(Ol) << "0" << "<ol>\n|\n</ol>\n";
        QTest::newRow("ol 1") << int(Ol) << "1" << "<ol>\n<li></li>\n</ol>|";
        QTest::newRow("dl 0") << int(Dl) << "0" << "<dl>\n|\n</dl>\n";
        QTest::newRow("dl 1") << int(Dl) << "1" << "<dl>\n<dt></dt><dd></dd>\n</dl>|";
        QTest::newRow("select 0") << int(Select) << "0" << "<select>\n|\n</select>\n";
        QTest::newRow("select 2") << int(Select) << "2"
            << "<select>\n<option value=\"\"></option>\n<option value=\"\"></option>\n</select>|";
        QTest::newRow("datalist 0") << int(Datalist) << "0" << "<datalist id=\"\">\n|\n</datalist>\n";
        QTest::newRow("datalist 2") << int(Datalist) << "2"
            << "<input list=\"\">\n<datalist id=\"\">\n<option value=\"\"></option>\n<option value=\"\"></option>\n</datalist>|";
        QTest::newRow("too large") << int(Ul) << "2147483648" << tooLarge;
    }
    void liste()
    {
        QFETCH(int, type);
        QFETCH(QString, antal);
        QFETCH(QString, expected);
        const QString message = skrivListe(taginf, type, antal);
        QCOMPARE(message.isEmpty() ? marked(edit) : message, expected);
    }

    void optgroup_data()
    {
        QTest::addColumn<QString>("antal");
        QTest::addColumn<QString>("expected");
        QTest::newRow("none") << "0" << "<optgroup label=\"\">\n</optgroup>\n|";
        QTest::newRow("two") << "2"
            << "<optgroup label=\"\">\n<option value=\"\"></option>\n<option value=\"\"></option>\n</optgroup>\n|";
    }
    void optgroup()
    {
        QFETCH(QString, antal);
        QFETCH(QString, expected);
        QCOMPARE(skrivOptgroup(taginf, antal), QString());
        QCOMPARE(marked(edit), expected);
    }

    void links_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("target");
        QTest::addColumn<bool>("nav");
        QTest::addColumn<QString>("antal");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one, no nav") << int(Ahref) << false << false << "1" << "<a href=\"|\"></a>";
        QTest::newRow("three with nav") << int(Ahref) << false << true << "3"
            << "<nav>\n<a href=\"|\"></a>\n<a href=\"\"></a>\n<a href=\"\"></a>\n</nav>";
        QTest::newRow("two, target") << int(Ahref) << true << false << "2"
            << "<a href=\"|\" target=\"\"></a>\n<a href=\"\" target=\"\"></a>";
        QTest::newRow("br variant") << int(AhrefBr) << false << false << "2" << "<a href=\"|\"></a><br>\n<a href=\"\"></a><br>";
        QTest::newRow("br, target, nav") << int(AhrefBr) << true << true << "1"
            << "<nav>\n<a href=\"|\" target=\"\"></a><br>\n</nav>";
        QTest::newRow("none with nav") << int(Ahref) << false << true << "0" << "<nav>|\n</nav>";
        QTest::newRow("style sheet") << int(StyleSheet) << true << true << "3"
            << "<link rel=\"stylesheet\" type=\"text/css\" href=\"|\">";
        QTest::newRow("script") << int(Script) << false << false << "1"
            << "<script type=\"text/javascript\" src=\"|\"></script>";
    }
    void links()
    {
        QFETCH(int, type);
        QFETCH(bool, target);
        QFETCH(bool, nav);
        QFETCH(QString, antal);
        QFETCH(QString, expected);
        QCOMPARE(skrivLinks(taginf, Linkvalg{type, target, nav, antal}), QString());
        QCOMPARE(marked(edit), expected);
    }

    void css_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<bool>("styleKode");
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("kunValgte");
        QTest::addColumn<QString>("expected");
        const QString table = "caption{}\nthead{}\ntbody{}\ntfoot{}\ntable,th,td{}\nth,td{}";
        QTest::newRow("table") << "table" << false << 0 << false << table + "\n|";
        QTest::newRow("table, style") << "table" << true << 0 << false
            << "<style type=\"text/css\">\n" + table + "\n</style>|";
        const QString a = "a{}\na:visited{}\na:hover{}\na:active{}\na:focus{}";
        QTest::newRow("link") << "link" << false << 0 << false << a + "\n|";
        QTest::newRow("link, style") << "link" << true << 0 << false << "<style type=\"text/css\">\n" + a + "\n</style>|";
        QTest::newRow("all lists, style") << "list" << true << 2 << false
            << "<style type=\"text/css\">\nul{}\nul li{}\nol{}\nol li{}\ndl{}\ndt{}\ndd{}\nselect{}\nselect option{}\n"
               "optgroup{}\noptgroup option{}\ndatalist{}\ndatalist option{}\ninput{}\n</style>\n|";
        QTest::newRow("ul only") << "list" << false << int(Ul) << true << "ul{}\nul li{}\n|";
        QTest::newRow("ol only") << "list" << false << int(Ol) << true << "ol{}\nol li{}\n|";
        QTest::newRow("dl only") << "list" << false << int(Dl) << true << "dl{}\ndt{}\ndd{}\n|";
        QTest::newRow("select only, style") << "list" << true << int(Select) << true
            << "<style type=\"text/css\">\nselect{}\nselect option{}\noptgroup{}\noptgroup option{}\n</style>\n|";
        QTest::newRow("datalist only") << "list" << false << int(Datalist) << true
            << "datalist{}\ndatalist option{}\ninput{}\n|";
    }
    void css()
    {
        QFETCH(QString, which);
        QFETCH(bool, styleKode);
        QFETCH(int, type);
        QFETCH(bool, kunValgte);
        QFETCH(QString, expected);
        if (which == "table")
            skrivTabelCSS(taginf, styleKode);
        else if (which == "link")
            skrivLinkCSS(taginf, styleKode);
        else
            skrivListeCSS(taginf, type, kunValgte, styleKode);
        QCOMPARE(marked(edit), expected);
    }

    void withoutEditorNothingHappens()
    {
        taginf.SetEditor(nullptr);
        QCOMPARE(skrivTabel(taginf, Tabelvalg{"", "2", true, true, "2", false, "", "", ""}), QString());
        QCOMPARE(skrivLinks(taginf, Linkvalg{}), QString());
        QCOMPARE(edit.text(), QString());
    }

private:
    TEditor edit;
    Tinfotag taginf;
};

QTEST_MAIN(TestKodeskrivere)
#include "tst_kodeskrivere.moc"
