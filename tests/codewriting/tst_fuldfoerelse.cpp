// Completion as you type: the context at the caret, the entries, writing a chosen entry,
// the list in the edit control, and the switch in the editor settings file.

#include "codewriting/dokumentvaert.h"
#include "codewriting/fuldfoerelse.h"
#include "codewriting/fuldfoerer.h"
#include "codewriting/taginfo.h"
#include "editor/editor.h"
#include "shell/editfontform.h"
#include "testsupport/testenv.h"

#include <QDir>
#include <QtTest>

using fuldfoerelse::Slags;

Q_DECLARE_METATYPE(fuldfoerelse::Slags)

namespace {

QString dataDir()
{
    return QDir::cleanPath(fixturePath() + QStringLiteral("../../data")) + u'/';
}

void loadLists(Tinfotag &taginf)
{
    const QString dir = fixturePath("taglister/");
    QVERIFY(taginf.LoadNosluttagliste(dir + "UdenSlutkode.txt").ok);
    QVERIFY(taginf.LoadTagliste(dir + "MedSlutkode.txt").ok);
    QVERIFY(taginf.LoadAlletagliste(dir + "AlleKoder.txt").ok);
    QVERIFY(taginf.LoadUAttributliste(dir + "_undtagelser.txt").ok);
    QVERIFY(taginf.LoadExcludeliste(dir + "Ekskluderet.txt").ok);
}

// "|" marks the caret.
void setMarked(TEditor &edit, QString text)
{
    const qsizetype pos = text.indexOf(u'|');
    text.remove(pos, 1);
    edit.setText(text);
    edit.setCaretPos(pos);
}

QString marked(const TEditor &edit)
{
    return edit.text().insert(edit.caretPos(), u'|');
}

// The window the helpers ask for the active document and its tag component.
class Vaert : public TDokumentVaert {
public:
    Tinfotag *taginf = nullptr;
    TEditor *edit = nullptr;
    int winInfoKald = 0;
    QWidget *vaertsvindue() override { return edit; }
    Tinfotag *tagKomponent() override { return taginf; }
    TEditor *aktivEditor() const override { return edit; }
    void winInfo() override { ++winInfoKald; }
    void visInfo(const QString &) override {}
    void HelpInfo(const QString &, const QString &) override {}
    TEditor *nytDokument(const QString &, const QString &) override { return nullptr; }
    void dokumentKommando(QAction *) override {}
    QString cssEgenskabsliste() const override { return {}; }
    bool spoergJa(const QString &, QWidget *) override { return false; }
    QList<Dokument> aabneDokumenter() const override { return {}; }
    TEditor *aabnFil(const QString &, const QString &) override { return nullptr; }
    TEditor *visDokument(const QString &) override { return nullptr; }
};

} // namespace

class TestFuldfoerelse : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void kontekst_data();
    void kontekst();
    void kontekstPaaEditor();
    void aabnerListe_data();
    void aabnerListe();
    void forslag();
    void skriv_data();
    void skriv();
    void listeIEditoren();
    void slaaetFra();
    void indstillingsfil();

private:
    Tinfotag m_taginf;
    TEditor m_edit;
    Vaert m_vaert;
};

void TestFuldfoerelse::initTestCase()
{
    loadLists(m_taginf);
    m_taginf.SetEditor(&m_edit);
    m_edit.setSprog(QStringLiteral(".html"));
    m_vaert.taginf = &m_taginf;
    m_vaert.edit = &m_edit;
    m_edit.show();
    QVERIFY(QTest::qWaitForWindowActive(&m_edit));
}

void TestFuldfoerelse::kontekst_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Slags>("slags");
    QTest::addColumn<QString>("skrevet");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("navn");   // the attribute, or the CSS property

    QTest::newRow("after <") << "<html><body><|" << Slags::Element << "" << "" << "";
    QTest::newRow("element begun") << "<html><body><di|" << Slags::Element << "di" << "" << "";
    QTest::newRow("end tag") << "<html><body></di|" << Slags::Ingen << "" << "" << "";
    QTest::newRow("entity") << "<html><p>a &am|" << Slags::Entitet << "am" << "" << "";
    QTest::newRow("after &") << "<html><p>a &|" << Slags::Entitet << "" << "" << "";
    QTest::newRow("text") << "<html><p>text|" << Slags::Ingen << "" << "" << "";
    QTest::newRow("after a tag") << "<html><a href=\"x\">|" << Slags::Ingen << "" << "" << "";
    QTest::newRow("comment") << "<html><!-- a|" << Slags::Ingen << "" << "" << "";
    QTest::newRow("attribute") << "<html><a |" << Slags::Attribut << "" << "a" << "";
    QTest::newRow("attribute begun") << "<html><A href=\"x\" ti|" << Slags::Attribut << "ti" << "a" << "";
    QTest::newRow("attribute on a new line") << "<html><a\n  hr|" << Slags::Attribut << "hr" << "a" << "";
    QTest::newRow("after a quote in a value") << "<html><a title='it\"s' |" << Slags::Attribut << "" << "a" << "";
    QTest::newRow("value") << "<html><input type=\"|\">" << Slags::Vaerdi << "" << "input" << "type";
    QTest::newRow("value begun") << "<html><input TYPE=\"te|\">" << Slags::Vaerdi << "te" << "input" << "type";
    QTest::newRow("single quotes") << "<html><input type='te|'>" << Slags::Vaerdi << "te" << "input" << "type";
    QTest::newRow("second word of a value") << "<html><div class=\"a b|\">" << Slags::Vaerdi << "b" << "div" << "class";
    QTest::newRow("value with a slash") << "<html><link type=\"text/c|\">" << Slags::Vaerdi << "text/c" << "link" << "type";
    QTest::newRow("after =") << "<html><input type=|" << Slags::Vaerdi << "" << "input" << "type";
    QTest::newRow("unquoted value") << "<html><input type=te|" << Slags::Vaerdi << "te" << "input" << "type";
    QTest::newRow("style attribute") << "<html><p style=\"|\">" << Slags::CssEgenskab << "" << "p" << "";
    QTest::newRow("second property") << "<html><p style=\"color: red; fo|\">" << Slags::CssEgenskab << "fo" << "p" << "";
    QTest::newRow("style value") << "<html><p style=\"color: |\">" << Slags::CssVaerdi << "" << "p" << "color";
    QTest::newRow("style value begun") << "<html><p style=\"Font-Weight:bo|\">" << Slags::CssVaerdi << "bo" << "p" << "font-weight";
    QTest::newRow("style element property") << "<html><head><style>\nbody {\n  mar|" << Slags::CssEgenskab << "mar" << "" << "";
    QTest::newRow("style element value") << "<html><head><style>\nbody { margin: a|" << Slags::CssVaerdi << "a" << "" << "margin";
    QTest::newRow("style element selector") << "<html><head><style>\nbody { margin: 0 }\nbo|" << Slags::Ingen << "" << "" << "";
    QTest::newRow("script braces") << "<html><script>\nfunction f() { re|" << Slags::Ingen << "" << "" << "";
    QTest::newRow("braces in text") << "<html><p>{ co|" << Slags::Ingen << "" << "" << "";
}

void TestFuldfoerelse::kontekst()
{
    QFETCH(QString, text);
    QFETCH(Slags, slags);
    QFETCH(QString, skrevet);
    QFETCH(QString, tag);
    QFETCH(QString, navn);
    const qsizetype caret = text.indexOf(u'|');
    text.remove(caret, 1);
    const fuldfoerelse::Kontekst k = fuldfoerelse::findKontekst(ScanText(text), caret, m_taginf.Nosluttagliste());
    QCOMPARE(k.slags, slags);
    if (slags == Slags::Ingen)
        return;
    QCOMPARE(k.skrevet, skrevet);
    QCOMPARE(k.tag, tag);
    QCOMPARE(slags == Slags::CssVaerdi ? k.egenskab : k.attribut, slags == Slags::CssVaerdi || slags == Slags::Vaerdi ? navn : k.attribut);
    // The typed part ends at the caret.
    QCOMPARE(text.mid(k.fra, caret - k.fra).endsWith(skrevet), true);
}

void TestFuldfoerelse::kontekstPaaEditor()
{
    // Over the edit control the context is read from its buffer, lines apart.
    setMarked(m_edit, QStringLiteral("<html><head>\n<style>\nbody {\n  color: re|\n}\n</style>"));
    const fuldfoerelse::Kontekst k =
        fuldfoerelse::findKontekst(ScanText(&m_edit), m_edit.caretPos(), m_taginf.Nosluttagliste());
    QCOMPARE(k.slags, Slags::CssVaerdi);
    QCOMPARE(k.egenskab, QStringLiteral("color"));
    QCOMPARE(k.skrevet, QStringLiteral("re"));
}

void TestFuldfoerelse::aabnerListe_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("typed");
    QTest::addColumn<bool>("opens");
    QTest::newRow("<") << "<html><|" << QChar(u'<') << true;
    QTest::newRow("first letter") << "<html><d|" << QChar(u'd') << true;
    QTest::newRow("second letter") << "<html><di|" << QChar(u'i') << false;
    QTest::newRow("blank in a tag") << "<html><a |" << QChar(u' ') << true;
    QTest::newRow("quote") << "<html><a href=\"|" << QChar(u'"') << true;
    QTest::newRow("colon in CSS") << "<html><p style=\"color:|" << QChar(u':') << true;
    QTest::newRow("&") << "<html><p>&|" << QChar(u'&') << true;
    QTest::newRow("text") << "<html><p>a|" << QChar(u'a') << false;
}

void TestFuldfoerelse::aabnerListe()
{
    QFETCH(QString, text);
    QFETCH(QChar, typed);
    QFETCH(bool, opens);
    const qsizetype caret = text.indexOf(u'|');
    text.remove(caret, 1);
    const auto k = fuldfoerelse::findKontekst(ScanText(text), caret, m_taginf.Nosluttagliste());
    QCOMPARE(fuldfoerelse::aabnerListe(k, typed), opens);
}

void TestFuldfoerelse::forslag()
{
    fuldfoerelse::Kilder kilder(dataDir());
    auto entries = [&](const QString &text) {
        QString t = text;
        const qsizetype caret = t.indexOf(u'|');
        t.remove(caret, 1);
        const auto k = fuldfoerelse::findKontekst(ScanText(t), caret, m_taginf.Nosluttagliste());
        return kilder.forslag(k, m_taginf.Nosluttagliste(), m_taginf.Tagliste(), m_taginf.UAttributliste());
    };
    const QStringList elements = entries("<html><|");
    QVERIFY(elements.contains("div") && elements.contains("br"));
    const QStringList attributes = entries("<html><a |");
    QVERIFY(attributes.contains("href"));
    QVERIFY(attributes.contains("class"));     // a global attribute
    QVERIFY(attributes.contains("onclick"));   // a global event
    QCOMPARE(attributes.count("class"), 1);
    QVERIFY(entries("<html><unknownelement |").contains("id"));   // no file of its own
    const QStringList values = entries("<html><input type=\"|");
    QVERIFY(values.contains("text") && values.contains("checkbox"));
    const QStringList properties = entries("<html><p style=\"|");
    QVERIFY(properties.contains("color") && properties.contains("font-weight"));
    QVERIFY(!properties.contains("Color") && !properties.contains("@charset"));
    const QStringList colours = entries("<html><p style=\"color: |");
    QVERIFY(colours.contains("transparent"));
    QVERIFY(!colours.contains("COLOR"));   // a kind of value, not one to write
    QVERIFY(colours.contains("red") && colours.contains("lightseagreen"));   // the named colours
    QVERIFY(entries("<style>p { background-color: |").contains("white"));
    QVERIFY(entries("<html><p style=\"display: |").contains("inline-block"));
    QVERIFY(entries("<html><p style=\"no-such-property: |").isEmpty());
    const QStringList named = entries("<html><p>&|");
    QVERIFY(named.contains("amp") && named.contains("nbsp") && named.contains("Aring"));
    for (const QStringList &l : {elements, attributes, values, properties, named})
        QVERIFY(std::is_sorted(l.begin(), l.end(), [](const QString &a, const QString &b) {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        }));
}

void TestFuldfoerelse::skriv_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("after");

    QTest::newRow("element with end tag") << "<html><body><di|" << "div" << "<html><body><div>|</div>";
    QTest::newRow("element without end tag") << "<html><body><b|" << "br" << "<html><body><br>|";
    QTest::newRow("element before text") << "<html><body><|text" << "p" << "<html><body><p>|</p>text";
    QTest::newRow("attribute") << "<html><a hr|>" << "href" << "<html><a href=\"|\">";
    QTest::newRow("attribute after a blank") << "<html><a |>" << "title" << "<html><a title=\"|\">";
    QTest::newRow("attribute at a line's start") << "<html><a\nhr|" << "href" << "<html><a\nhref=\"|\"";
    QTest::newRow("stand-alone attribute") << "<html><input dis|>" << "disabled" << "<html><input disabled|>";
    QTest::newRow("value") << "<html><input type=\"te|\">" << "text" << "<html><input type=\"text|\">";
    QTest::newRow("value after =") << "<html><input type=|>" << "text" << "<html><input type=\"text\"|>";
    QTest::newRow("second word of a value") << "<html><div class=\"a b|\">" << "bx" << "<html><div class=\"a bx|\">";
    QTest::newRow("CSS property") << "<html><p style=\"co|\">" << "color" << "<html><p style=\"color: |\">";
    QTest::newRow("CSS value") << "<html><p style=\"color: |\">" << "red" << "<html><p style=\"color: red;|\">";
    QTest::newRow("CSS value begun") << "<html><p style=\"color:r|\">" << "red" << "<html><p style=\"color: red;|\">";
    QTest::newRow("CSS value before its ;") << "<html><p style=\"color: |;\">" << "red" << "<html><p style=\"color: red|;\">";
    QTest::newRow("CSS value before a blank and ;") << "<style>p { color: r| ; }" << "red" << "<style>p { color: red| ; }";
    QTest::newRow("CSS value that may go on") << "<style>p { font-family: sa|" << "sans-serif"
                                               << "<style>p { font-family: sans-serif|";
    QTest::newRow("CSS longhand that may go on") << "<style>p { margin-top: |" << "auto" << "<style>p { margin-top: auto|";
    QTest::newRow("CSS second word") << "<html><p style=\"border: 1px so|\">" << "solid"
                                     << "<html><p style=\"border: 1px solid|\">";
    QTest::newRow("entity") << "<html><p>a &am|" << "amp" << "<html><p>a &amp;|";
    QTest::newRow("no context") << "<html><p>text|" << "div" << "<html><p>text|";
}

void TestFuldfoerelse::skriv()
{
    QFETCH(QString, before);
    QFETCH(QString, item);
    QFETCH(QString, after);
    setMarked(m_edit, before);
    const QString original = m_edit.text();
    fuldfoerelse::skriv(m_taginf, item);
    QCOMPARE(marked(m_edit), after);
    // One undo step takes the whole entry back, the typed part included.
    m_edit.undo();
    QCOMPARE(m_edit.text(), original);
}

void TestFuldfoerelse::listeIEditoren()
{
    TFuldfoerer fuldfoerer(&m_vaert, dataDir());
    fuldfoerer.tilknyt(&m_edit);
    QWidget *sci = m_edit.findChild<QWidget *>(QStringLiteral("scintilla"));
    QVERIFY(sci);
    setMarked(m_edit, QStringLiteral("<html><body>|</body></html>"));
    m_edit.setFocus();

    // "<" opens the list; the letters pick the entry; Enter writes both tags.
    QTest::keyClick(sci, '<');
    QVERIFY(m_edit.listeVises());
    QTest::keyClicks(sci, QStringLiteral("spa"));
    QVERIFY(m_edit.listeVises());
    QTest::keyClick(sci, Qt::Key_Return);
    QVERIFY(!m_edit.listeVises());
    QCOMPARE(marked(m_edit), QStringLiteral("<html><body><span>|</span></body></html>"));
    QVERIFY(m_vaert.winInfoKald > 0);

    // A blank in the tag opens its attributes; Tab takes one, the caret between its quotes.
    m_edit.setCaretPos(QStringLiteral("<html><body><span").size());
    QTest::keyClick(sci, ' ');
    QVERIFY(m_edit.listeVises());
    QTest::keyClicks(sci, QStringLiteral("clas"));
    QTest::keyClick(sci, Qt::Key_Tab);
    QCOMPARE(marked(m_edit), QStringLiteral("<html><body><span class=\"|\"></span></body></html>"));

    // Escape closes the list and what was typed stays.
    m_edit.setCaretPos(QStringLiteral("<html><body><span class=\"\">").size());
    QTest::keyClick(sci, '&');
    QVERIFY(m_edit.listeVises());
    QTest::keyClick(sci, Qt::Key_Escape);
    QVERIFY(!m_edit.listeVises());
    QTest::keyClicks(sci, QStringLiteral("xy"));
    QVERIFY(!m_edit.listeVises());   // later letters of the word open nothing
    QCOMPARE(marked(m_edit), QStringLiteral("<html><body><span class=\"\">&xy|</span></body></html>"));

    // Typing where nothing can be completed shows nothing.
    QTest::keyClicks(sci, QStringLiteral(" tekst"));
    QVERIFY(!m_edit.listeVises());
}

void TestFuldfoerelse::slaaetFra()
{
    TFuldfoerer fuldfoerer(&m_vaert, dataDir());
    fuldfoerer.tilknyt(&m_edit);
    fuldfoerer.setAktiv(false);
    QWidget *sci = m_edit.findChild<QWidget *>(QStringLiteral("scintilla"));
    setMarked(m_edit, QStringLiteral("<html><body>|</body></html>"));
    QTest::keyClick(sci, '<');
    QVERIFY(!m_edit.listeVises());
    // A document that is not HTML gets no list either.
    fuldfoerer.setAktiv(true);
    m_edit.setSprog(QStringLiteral(".txt"));
    setMarked(m_edit, QStringLiteral("<html><body>|</body></html>"));
    QTest::keyClick(sci, '<');
    QVERIFY(!m_edit.listeVises());
    m_edit.setSprog(QStringLiteral(".html"));
}

void TestFuldfoerelse::indstillingsfil()
{
    TestProgramFolder folder;
    const QString path = folder.path("editfont.txt");
    // A file from before the switch existed: completion on, the font kept.
    folder.writeFile("editfont.txt", "10\r\n20\r\n300\r\n400\r\nMono\r\n12\r\n");
    shell::EditFont f = shell::EditFont::hent(path);
    QVERIFY(f.harPosition);
    QCOMPARE(f.navn, QStringLiteral("Mono"));
    QVERIFY(f.fuldfoerelse);
    f.fuldfoerelse = false;
    QVERIFY(f.gem(path));
    const shell::EditFont g = shell::EditFont::hent(path);
    QVERIFY(!g.fuldfoerelse);
    QCOMPARE(g.dim, 12);
    // A damaged switch line leaves it on and the rest read.
    folder.writeFile("editfont.txt", "10\r\n20\r\n300\r\n400\r\nMono\r\n12\r\nja\r\n");
    const shell::EditFont h = shell::EditFont::hent(path);
    QVERIFY(h.fuldfoerelse);
    QCOMPARE(h.navn, QStringLiteral("Mono"));
}

QTEST_MAIN(TestFuldfoerelse)
#include "tst_fuldfoerelse.moc"
