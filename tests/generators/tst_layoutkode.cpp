// The layout generators' lines (one table per window), their option and design files, and
// how the lines go into a document.

#include "codewriting/taginfo.h"
#include "core/inputfilters.h"
#include "editor/editor.h"
#include "generators/designfiler.h"
#include "generators/kodeskrivere.h"
#include "generators/layoutkode.h"
#include "testsupport/testenv.h"

#include <QtTest>

using namespace generators;

Q_DECLARE_METATYPE(generators::SpalteCssValg)
Q_DECLARE_METATYPE(generators::SpalteValg)
Q_DECLARE_METATYPE(generators::KolonneCssValg)
Q_DECLARE_METATYPE(generators::KolonneValg)
Q_DECLARE_METATYPE(generators::KontainerValg)
Q_DECLARE_METATYPE(generators::FlexValg)

namespace {

// The lines as the document gets them ("\n" after each written line break), or the message.
QString vis(const Layoutkode &k)
{
    if (!k.fejl.isEmpty())
        return QStringLiteral("FEJL ") + k.fejl;
    QString s = k.linier.join(u'\n');
    if (k.sidsteLinieskift)
        s += u'\n';
    if (k.caretLinie >= 0)
        s += QStringLiteral(" [caret %1]").arg(k.caretLinie);
    return s;
}

QString linier(std::initializer_list<const char *> l, bool sidsteLinieskift = true)
{
    QStringList s;
    for (const char *c : l)
        s << QString::fromUtf8(c);
    return s.join(u'\n') + (sidsteLinieskift ? QStringLiteral("\n") : QString());
}

template <class T, class F> T med(F f)
{
    T v;
    f(v);
    return v;
}

const QString kManglerNavn = QStringLiteral("FEJL Der mangler et selektor-navn!");

} // namespace

class TestLayoutkode : public QObject {
    Q_OBJECT
private slots:
    void spalteCss_data()
    {
        QTest::addColumn<SpalteCssValg>("valg");
        QTest::addColumn<QString>("expected");
        QTest::newRow("defaults") << SpalteCssValg()
            << linier({"<style type=\"text/css\">", ".spalteboks{", "box-sizing: border-box;", "margin: 4px;",
                       "padding: 4px;", "background-color: #FFFFFF;", "color: #000000;", "}", "</style>"}, false);
        QTest::newRow("border 2 dashed, radius, shadow 3/0, no style code")
            << med<SpalteCssValg>([](auto &v) {
                   v.rammeBredde = "2"; v.stil = 3; v.radius = "5"; v.vandret = "3"; v.styleKode = false;
                   v.skyggeFarve = "#808080";
               })
            << linier({".spalteboks{", "box-sizing: border-box;", "margin: 4px;", "padding: 4px;",
                       "background-color: #FFFFFF;", "border-style: dashed dashed dashed dashed;", "border-width: 2px;",
                       "border-color: #000000;", "border-radius: 5px;", "box-shadow: 3px 0px #808080;",
                       "color: #000000;", "}"});
        QTest::newRow("justify and distribute, vertical shadow only")
            << med<SpalteCssValg>([](auto &v) { v.justify = v.distribute = true; v.lodret = "2"; v.styleKode = false; })
            << linier({".spalteboks{", "box-sizing: border-box;", "margin: 4px;", "padding: 4px;",
                       "background-color: #FFFFFF;", "box-shadow: 0px 2px #000000;", "text-align: justify;",
                       "text-justify: distribute;", "color: #000000;", "}"});
        QTest::newRow("empty number fields count as 0")
            << med<SpalteCssValg>([](auto &v) { v.margin = ""; v.rammeBredde = ""; v.styleKode = false; })
            << linier({".spalteboks{", "box-sizing: border-box;", "margin: 0px;", "padding: 4px;",
                       "background-color: #FFFFFF;", "color: #000000;", "}"});
        QTest::newRow("an unused colour is not checked")
            << med<SpalteCssValg>([](auto &v) { v.rammeFarve = "#"; v.skyggeFarve = "ff"; v.styleKode = false; })
            << linier({".spalteboks{", "box-sizing: border-box;", "margin: 4px;", "padding: 4px;",
                       "background-color: #FFFFFF;", "color: #000000;", "}"});
        QTest::newRow("empty name") << med<SpalteCssValg>([](auto &v) { v.navn.clear(); }) << kManglerNavn;
        QTest::newRow("colour without #")
            << med<SpalteCssValg>([](auto &v) { v.baggrund = "ff0000"; })
            << "FEJL \"ff0000\" i feltet Baggrund er ikke en farve.\rSkriv # og seks hexadecimale cifre, for eksempel #FF0000.";
        QTest::newRow("border colour used")
            << med<SpalteCssValg>([](auto &v) { v.rammeBredde = "1"; v.rammeFarve = "#12#4567"; })
            << "FEJL \"#12#4567\" i feltet Farve (ramme) er ikke en farve.\rSkriv # og seks hexadecimale cifre, for eksempel #FF0000.";
        QTest::newRow("number with letters")
            << med<SpalteCssValg>([](auto &v) { v.padding = "4px"; })
            << "FEJL Feltet Padding skal holde et helt tal, ikke \"4px\".";
    }
    void spalteCss()
    {
        QFETCH(SpalteCssValg, valg);
        QFETCH(QString, expected);
        QCOMPARE(vis(generators::spalteCss(valg)), expected);
    }

    void spalter_data()
    {
        QTest::addColumn<SpalteValg>("valg");
        QTest::addColumn<QString>("expected");
        const char *col194 = "<div class=\"spalteboks\" style=\"min-width: 194px;\"></div>";
        QTest::newRow("defaults") << SpalteValg()
            << linier({"<div style=\"display: flex;\">", "<div class=\"spalteboks\" style=\"min-width: 600px;\"></div>", "</div>"});
        QTest::newRow("two rows of three")
            << med<SpalteValg>([](auto &v) { v.spalter = "3"; v.raekker = "2"; })
            << linier({"<div style=\"display: flex;\">", col194, col194, col194, "</div>",
                       "<div style=\"display: flex;\">", col194, col194, col194, "</div>"});
        QTest::newRow("0 columns and rows are one")
            << med<SpalteValg>([](auto &v) { v.spalter = "0"; v.raekker = ""; v.navn = "a"; v.margin = "0"; })
            << linier({"<div style=\"display: flex;\">", "<div class=\"a\" style=\"min-width: 600px;\"></div>", "</div>"});
        QTest::newRow("width truncated toward zero")
            << med<SpalteValg>([](auto &v) { v.spalter = "7"; v.bredde = "100"; v.margin = "1"; v.raekker = "1"; })
            << linier({"<div style=\"display: flex;\">"}, false) + QString("\n<div class=\"spalteboks\" style=\"min-width: 12px;\"></div>").repeated(7) + "\n</div>\n";
        QTest::newRow("too narrow")
            << med<SpalteValg>([](auto &v) { v.spalter = "5"; v.bredde = "10"; v.margin = "10"; })
            << "FEJL Rækken er for smal til 5 spalter med en margin på 10 pixels.\rGør rækken bredere eller margin mindre.";
        QTest::newRow("too many")
            << med<SpalteValg>([](auto &v) { v.spalter = "1000"; v.raekker = "1000"; v.bredde = "0"; v.margin = "0"; })
            << "FEJL " + forMangeTekst();
        QTest::newRow("too large a width")
            << med<SpalteValg>([](auto &v) { v.bredde = "99999999999"; })
            << "FEJL " + core::ugyldigtAntalTekst("99999999999");
    }
    void spalter()
    {
        QFETCH(SpalteValg, valg);
        QFETCH(QString, expected);
        QCOMPARE(vis(generators::spalter(valg)), expected);
    }

    void egentligBredde()
    {
        QCOMPARE(generators::egentligBredde("600", "4"), QString("608"));
        QCOMPARE(generators::egentligBredde("600", "10"), QString("620"));
        QCOMPARE(generators::egentligBredde("", ""), QString("0"));
        QCOMPARE(generators::egentligBredde("2147483647", "2147483647"), QString("6442450941"));
    }

    void kolonneCss_data()
    {
        QTest::addColumn<KolonneCssValg>("valg");
        QTest::addColumn<QString>("expected");
        QTest::newRow("defaults") << KolonneCssValg()
            << linier({"<style type=\"text/css\">", ".kolonner{", "column-count: 1;", "column-fill: balance;",
                       "column-gap: normal;", "column-rule-style: none;", "column-rule-color: #000000;",
                       "column-rule-width: medium;", "}", "</style>"}, false);
        QTest::newRow("height, gap, rule width, auto fill, dashed")
            << med<KolonneCssValg>([](auto &v) {
                   v.hoejde = "300"; v.mellemrum = "20"; v.linieBredde = "2"; v.udfyldning = 0; v.linieStil = 2;
                   v.antal = "3"; v.styleKode = false;
               })
            << linier({".kolonner{", "height: 300px;", "column-count: 3;", "column-fill: auto;", "column-gap: 20px;",
                       "column-rule-style: dashed;", "column-rule-color: #000000;", "column-rule-width: 2px;", "}"});
        QTest::newRow("heading")
            << med<KolonneCssValg>([](auto &v) { v.overskrift = true; v.overskriftNavn = "top"; })
            << linier({"<style type=\"text/css\">", ".kolonner{", "column-count: 1;", "column-fill: balance;",
                       "column-gap: normal;", "column-rule-style: none;", "column-rule-color: #000000;",
                       "column-rule-width: medium;", "}", ".top{", "font-size: 1.4em;", "color: #000000;",
                       "column-span: all;", "}", "</style>"}, false);
        QTest::newRow("empty name") << med<KolonneCssValg>([](auto &v) { v.navn.clear(); }) << kManglerNavn;
        QTest::newRow("rule colour")
            << med<KolonneCssValg>([](auto &v) { v.linieFarve = "#"; })
            << "FEJL \"#\" i feltet Farve (column-rule-color) er ikke en farve.\rSkriv # og seks hexadecimale cifre, for eksempel #FF0000.";
    }
    void kolonneCss()
    {
        QFETCH(KolonneCssValg, valg);
        QFETCH(QString, expected);
        QCOMPARE(vis(generators::kolonneCss(valg)), expected);
    }

    void kolonner_data()
    {
        QTest::addColumn<KolonneValg>("valg");
        QTest::addColumn<QString>("expected");
        QTest::newRow("defaults") << KolonneValg() << linier({"<div class=\"kolonner\">", "", "</div>"}, false);
        QTest::newRow("heading")
            << med<KolonneValg>([](auto &v) { v.overskrift = true; })
            << linier({"<div class=\"kolonner\">", "<div class=\"overskrift\"></div>", "", "</div>"}, false);
        QTest::newRow("no name check") << med<KolonneValg>([](auto &v) { v.navn.clear(); })
                                       << linier({"<div class=\"\">", "", "</div>"}, false);
    }
    void kolonner()
    {
        QFETCH(KolonneValg, valg);
        QFETCH(QString, expected);
        QCOMPARE(vis(generators::kolonner(valg)), expected);
    }

    void kontainerCss_data()
    {
        QTest::addColumn<KontainerValg>("valg");
        QTest::addColumn<QString>("expected");
        QTest::newRow("defaults") << KontainerValg()
            << linier({".kontainer{", "display: inline;", "margin: 4px 4px 4px 4px;", "padding: 4px 4px 4px 4px;",
                       "background-color: #FFFFFF;", "color: #000000;", "}"});
        QTest::newRow("border 1 dotted, radius, shadow, style code")
            << med<KontainerValg>([](auto &v) {
                   v.rammeBredde = "1"; v.stil = 2; v.radius = "3"; v.lodret = "2"; v.vandret = "1"; v.styleKode = true;
                   v.display = 2;
               })
            << linier({"<style type=\"text/css\">", ".kontainer{", "display: flex;", "margin: 4px 4px 4px 4px;",
                       "padding: 4px 4px 4px 4px;", "background-color: #FFFFFF;",
                       "border-style: dotted dotted dotted dotted;", "border-width: 1px 1px 1px 1px;",
                       "border-color: #000000;", "border-radius: 3px;", "box-shadow: 1px 2px #000000;",
                       "color: #000000;", "}", "</style>"}, false);
        QTest::newRow("text alignment")
            << med<KontainerValg>([](auto &v) { v.tilpasning = true; v.align = 3; v.textJustify = 4; })
            << linier({".kontainer{", "display: inline;", "margin: 4px 4px 4px 4px;", "padding: 4px 4px 4px 4px;",
                       "background-color: #FFFFFF;", "color: #000000;", "text-align: justify;",
                       "text-justify: distribute;", "}"});
        QTest::newRow("empty name") << med<KontainerValg>([](auto &v) { v.navn.clear(); }) << kManglerNavn;
        QTest::newRow("text colour")
            << med<KontainerValg>([](auto &v) { v.tekst = "#00"; })
            << "FEJL \"#00\" i feltet Tekst er ikke en farve.\rSkriv # og seks hexadecimale cifre, for eksempel #FF0000.";
    }
    void kontainerCss()
    {
        QFETCH(KontainerValg, valg);
        QFETCH(QString, expected);
        QCOMPARE(vis(generators::kontainerCss(valg)), expected);
    }

    void kontainer()
    {
        QCOMPARE(vis(generators::kontainer("kontainer")), linier({"<div class=\"kontainer\">", "", "</div>"}, false) + " [caret 1]");
        QCOMPARE(vis(generators::kontainer("")), linier({"<div class=\"\">", "", "</div>"}, false) + " [caret 1]");
    }

    void flexCss_data()
    {
        QTest::addColumn<FlexValg>("valg");
        QTest::addColumn<QString>("expected");
        const QStringList hoved{".flexbox{", "margin: 4px;", "background-color: #FFFFFF;", "box-shadow: 0px 0px #666666;",
                                "border: 0px solid #000000;", "border-radius: 0px;", "display: flex;",
                                "align-items: stretch;", "justify-content: flex-start;", "flex-direction: row;",
                                "flex-wrap: nowrap;", "}", ".flexbox div{", "margin: 4px;", "padding: 2px;",
                                "background-color: #FFFFFF;", "box-shadow: 0px 0px #666666;",
                                "border: 0px solid #000000;", "border-radius: 0px;", "}"};
        auto plads = [](int i, const QStringList &indhold = {}) {
            return QStringList{QStringLiteral(".flexbox div:nth-of-type(%1){").arg(i)} + indhold + QStringList{"}"};
        };
        QStringList d = hoved;
        for (int i = 1; i <= 4; ++i)
            d << plads(i);
        QTest::newRow("defaults") << FlexValg() << d.join(u'\n') + u'\n';

        FlexValg order;
        order.antal = "3";
        order.cb[18] = true;
        order.fkBox[0] = 1;
        order.fkBox[3] = 2;
        order.styleKode = true;
        d = QStringList{"<style type=\"text/css\">"} + hoved;
        d[8] = "align-items: center;";
        d[11] = "flex-wrap: wrap-reverse;";
        for (int i = 1; i <= 3; ++i)
            d << plads(i, {QStringLiteral("order: %1;").arg(i)});
        d << "</style>";
        QTest::newRow("order, other items, style code") << order << d.join(u'\n');

        FlexValg tom;
        tom.antal = "";
        QTest::newRow("empty count: no position rules") << tom << hoved.join(u'\n') + u'\n';

        FlexValg ingen;
        ingen.antal = "2";
        for (bool &b : ingen.cb)
            b = false;
        QTest::newRow("every box cleared") << ingen
            << linier({".flexbox{", "display: flex;", "}", ".flexbox div{", "}", ".flexbox div:nth-of-type(1){", "}",
                       ".flexbox div:nth-of-type(2){", "}"});

        FlexValg fast;
        fast.antal = "1";
        fast.cb[15] = fast.cb[16] = fast.cb[17] = true;
        fast.basis = "50%;";
        QTest::newRow("grow, shrink, basis") << fast
            << (hoved + plads(1, {"flex-grow: 0;", "flex-shrink: 0;", "flex-basis: 50%;"})).join(u'\n') + u'\n';

        FlexValg navnlos;
        navnlos.navn.clear();
        QTest::newRow("empty name") << navnlos << kManglerNavn;
        FlexValg stor;
        stor.antal = "2147483648";
        QTest::newRow("count too large") << stor << "FEJL " + core::ugyldigtAntalTekst("2147483648");
    }
    void flexCss()
    {
        QFETCH(FlexValg, valg);
        QFETCH(QString, expected);
        QCOMPARE(vis(generators::flexCss(valg)), expected);
    }

    void flex_data()
    {
        QTest::addColumn<QString>("navn");
        QTest::addColumn<QString>("antal");
        QTest::addColumn<QString>("expected");
        QTest::newRow("two") << "flexbox" << "2" << linier({"<div class=\"flexbox\">", "<div></div>", "<div></div>", "</div>"}, false);
        QTest::newRow("none: an empty line") << "flexbox" << "0" << linier({"<div class=\"flexbox\">", "", "</div>"}, false);
        QTest::newRow("empty count is one") << "f" << "" << linier({"<div class=\"f\">", "<div></div>", "</div>"}, false);
        QTest::newRow("empty name") << "" << "2" << kManglerNavn;
    }
    void flex()
    {
        QFETCH(QString, navn);
        QFETCH(QString, antal);
        QFETCH(QString, expected);
        QCOMPARE(vis(generators::flex(navn, antal)), expected);
    }

    // The lines replace the caret's empty line, or go under a line holding text; one undo
    // takes them away again; the caret goes where the code asks.
    void skrivLayout_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("empty line, caret inside")
            << "x\n|\ny" << "x\n<div class=\"k\">\n|\n</div>\ny";
        QTest::newRow("caret in text: the text and the next line stay")
            << "ab|cd\ny" << "abcd\n<div class=\"k\">\n|\n</div>\ny";
        QTest::newRow("end of document") << "a\n|" << "a\n<div class=\"k\">\n|\n</div>";
    }
    void skrivLayout()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        TEditor edit;
        Tinfotag taginf;
        taginf.SetEditor(&edit);
        QString text = before;
        const qsizetype pos = text.indexOf(u'|');
        text.remove(pos, 1);
        edit.setText(text);
        edit.setCaretPos(pos);
        generators::skrivLayout(taginf, generators::kontainer("k"));
        QString got = edit.text();
        got.insert(edit.caretPos(), u'|');
        QCOMPARE(got, after);
        QVERIFY(edit.isModified());
        edit.undo();
        QCOMPARE(edit.text(), text);

        // A refused writer leaves the document alone.
        generators::skrivLayout(taginf, generators::flex("", "1"));
        QCOMPARE(edit.text(), text);
    }

    // Each layout written and read back gives the same settings; the top and left come back.
    void designRoundTrip()
    {
        TestProgramFolder folder;
        const QString fil = folder.path("d.txt");
        SpalteCssValg s;
        s.navn = "æble boks";
        s.rammeBredde = "3";
        s.justify = true;
        s.baggrund = "#ABCDEF";
        QVERIFY(core::writeLines(fil, designLinier(s, 11, 22)).ok);
        QCOMPARE(designLinier(s, 11, 22).size(), 16);
        SpalteCssValg s2;
        Placering p;
        QCOMPARE(laesDesign(fil, s2, p), QString());
        QCOMPARE(designLinier(s2, p.top, p.left), designLinier(s, 11, 22));

        KolonneCssValg k;
        k.udfyldning = 0;
        k.linieStil = 8;
        k.overskrift = true;
        QVERIFY(core::writeLines(fil, designLinier(k, 1, 2)).ok);
        QCOMPARE(designLinier(k, 1, 2).size(), 12);
        KolonneCssValg k2;
        QCOMPARE(laesDesign(fil, k2, p), QString());
        QCOMPARE(designLinier(k2, p.top, p.left), designLinier(k, 1, 2));

        KontainerValg c;
        c.display = 17;
        c.align = 3;
        c.textJustify = 7;
        c.tilpasning = true;
        QVERIFY(core::writeLines(fil, designLinier(c, -5, 7)).ok);
        QCOMPARE(designLinier(c, -5, 7).size(), 18);
        KontainerValg c2;
        QCOMPARE(laesDesign(fil, c2, p), QString());
        QCOMPARE(designLinier(c2, p.top, p.left), designLinier(c, -5, 7));

        FlexValg f;
        f.fk[2] = "1px 1px red;";
        f.antal = "";
        f.cb[0] = false;
        f.cb[18] = true;
        f.fkBox[2] = 3;
        QVERIFY(core::writeLines(fil, designLinier(f, 3, 4)).ok);
        QCOMPARE(designLinier(f, 3, 4).size(), 40);
        FlexValg f2;
        QCOMPARE(laesDesign(fil, f2, p), QString());
        QCOMPARE(designLinier(f2, p.top, p.left), designLinier(f, 3, 4));
    }

    // A short or damaged file loads what it can; the rest keeps its default (not what the
    // window held), and one message names the lines.
    void damagedDesign_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expectedLines");   // what the window then holds
        QTest::addColumn<bool>("placed");
        QTest::addColumn<QString>("message");             // after the file name
        const QStringList defaults = designLinier(KolonneCssValg(), 0, 0).mid(2);
        QStringList l = defaults;
        l[0] = "5";
        l[5] = "smal";
        QTest::newRow("short") << QByteArray("10\r\n20\r\n5\r\n0\r\n0\r\n#000000\r\n0\r\nsmal\r\n") << l << true
                               << " er ufuldstændig eller beskadiget (linie 9-12 af 12).";
        l = defaults;
        l[1] = "7";
        l[8] = "1";
        QTest::newRow("non-numbers and bad index")
            << QByteArray("x\r\n20\r\nto\r\n7\r\n-1\r\nred\r\n0\r\nkolonner\r\nja\r\n2\r\n1\r\noverskrift\r\n") << l << false
            << " er ufuldstændig eller beskadiget (linie 1, 3, 5-6, 9-10 af 12).";
        QTest::newRow("binary") << QByteArray("\x00\x01\x02 data\r\n", 9) << defaults << false
                                << " kunne ikke læses.\rDen er ikke en tekstfil.\rStandardværdierne bruges.";
        QTest::newRow("empty") << QByteArray() << defaults << false
                               << " er ufuldstændig eller beskadiget (linie 1-12 af 12).";
    }
    void damagedDesign()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expectedLines);
        QFETCH(bool, placed);
        QFETCH(QString, message);
        TestProgramFolder folder;
        folder.writeFile("d.txt", bytes);
        KolonneCssValg v;
        v.antal = "9";   // what the window held before: never kept for a bad line
        v.navn = "før";
        Placering p;
        const QString besked = laesDesign(folder.path("d.txt"), v, p);
        QCOMPARE(besked, QStringLiteral("Filen ") + folder.path("d.txt") + message
                             + (message.contains("beskadiget") ? "\rDe læselige værdier er hentet; resten har standardværdierne." : ""));
        QCOMPARE(designLinier(v, 0, 0).mid(2), expectedLines);
        QCOMPARE(p.har, placed);
        if (placed) {
            QCOMPARE(p.top, 10);
            QCOMPARE(p.left, 20);
        }
    }

    void designNames_data()
    {
        QTest::addColumn<QString>("navn");
        QTest::addColumn<bool>("ok");
        QTest::newRow("plain") << "spalteboks" << true;
        QTest::newRow("with extension") << "a.txt" << true;
        QTest::newRow("blanks and æøå") << "min blå boks" << true;
        QTest::newRow("slash") << "a/b" << false;
        QTest::newRow("backslash") << "a\\b" << false;
        QTest::newRow("parent") << ".." << false;
        QTest::newRow("leaves by dots") << "../../mainopt" << false;
        QTest::newRow("dot") << "." << false;
        QTest::newRow("empty") << "" << false;
    }
    void designNames()
    {
        QFETCH(QString, navn);
        QFETCH(bool, ok);
        TestProgramFolder folder;
        QString fejl;
        const QString fil = designFil(Kolonne(), navn, &fejl);
        QCOMPARE(!fil.isEmpty(), ok);
        QCOMPARE(fejl.isEmpty(), ok);
        if (ok)
            QCOMPARE(fil, folder.path("Egenskaber/Kolonne layout/" + navn + ".txt"));
        else
            QVERIFY(fejl.contains("kan ikke bruges som design navn"));
    }

    void designList()
    {
        TestProgramFolder folder;
        folder.writeFile("Egenskaber/Flex layout/b.txt", "x");
        folder.writeFile("Egenskaber/Flex layout/a.txt.txt", "x");
        folder.writeFile("Egenskaber/Flex layout/C.TXT", "x");
        folder.writeFile("Egenskaber/Flex layout/noter.md", "x");
        QDir().mkpath(folder.path("Egenskaber/Flex layout/mappe.txt"));
        QCOMPARE(designNavne(FlexLayout), QStringList({"C", "a.txt", "b"}));
        QCOMPARE(designNavne(Spaltedesign), QStringList());
    }

private:
    static int Kolonne() { return KolonneLayout; }
};

QTEST_MAIN(TestLayoutkode)
#include "tst_layoutkode.moc"
