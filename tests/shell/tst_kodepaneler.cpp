// The code and attribute panels, the tag menus of the "Koder" page and the quick attributes.

#include "codewriting/kodeliste.h"
#include "codewriting/kodepanelfiler.h"
#include "codewriting/taginfo.h"
#include "codewriting/tagmenuer.h"
#include "editor/editor.h"
#include "platform/infobox.h"
#include "shell/knapbar.h"
#include "shell/mainform.h"
#include "shell/spmform.h"
#include "shell/winform.h"
#include "testsupport/testenv.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

namespace {

// A small program folder with just the lists these tests read.
void skrivData(const TestProgramFolder &f)
{
    f.writeFile(QStringLiteral("Dir/Html/MedSlutkode.txt"), "a\r\np\r\nul\r\nli\r\ndiv\r\ninput2\r\nINPUT\r\n");
    f.writeFile(QStringLiteral("Dir/Html/UdenSlutkode.txt"), "br\r\ninput\r\nimg\r\n");
    f.writeFile(QStringLiteral("Dir/Html/AlleKoder.txt"), "a\r\np\r\nul\r\nli\r\nbr\r\ninput\r\n");
    f.writeFile(QStringLiteral("Dir/Html/Ekskluderet.txt"), "");
    f.writeFile(QStringLiteral("Dir/Html/_Koder.txt"), "<a></a>\r\n<br>\r\n<dd></dd>\r\n<div></div>\r\n<dl></dl>\r\n<input>\r\n<p></p>\r\n<ul></ul>\r\n");
    f.writeFile(QStringLiteral("Dir/Html/_lists.txt"), "<li></li>\r\n<ul></ul>\r\n");
    f.writeFile(QStringLiteral("Dir/Attributes/_undtagelser.txt"), "disabled\r\n");
    f.writeFile(QStringLiteral("Dir/Attributes/_globaleEvents.txt"), "onclick\r\n");
    f.writeFile(QStringLiteral("Dir/Attributes/a.txt"), "download\r\nhref\r\n");
    f.writeFile(QStringLiteral("Dir/Attributes/br.txt"), "class\r\n");
    f.writeFile(QStringLiteral("Dir/Attributes/input.txt"), "disabled\r\ntype\r\nvalue\r\n");
    f.writeFile(QStringLiteral("Dir/Attributes/ul.txt"), "class\r\n");
    f.writeFile(QStringLiteral("Dir/Betweentags/br.txt"), "");
    f.writeFile(QStringLiteral("Dir/Betweentags/ul.txt"), "<li></li>\r\n<script></script>\r\n");
    f.writeFile(QStringLiteral("Dir/Betweentags/a.txt"), "<span></span>\r\n");
    f.writeFile(QStringLiteral("Dir/Values/download.txt"), "fil\r\n");
    f.writeFile(QStringLiteral("Dir/Values/type.txt"), "generel\r\n");
    f.writeFile(QStringLiteral("Dir/Values/type_input.txt"), "INPUT TYPER\r\ntext\r\nTekst\r\nCSS\r\n");
    f.writeFile(QStringLiteral("Dir/Values/disabled.txt"), "disabled\r\n");
}

struct Fixture {
    TestProgramFolder folder;
    QStringList boxes;
    std::unique_ptr<Tmainform> m;
    Twinform *w = nullptr;
    Fixture()
    {
        skrivData(folder);
        platform::setInfoBoxHandler([this](const QString &t) { boxes << t; });
        Tspmform::setTestHandler([](const QString &) { return Tspmform::Nej; });
        m = std::make_unique<Tmainform>();
        m->show();
        w = m->openwin({}, QStringLiteral(".html"));
    }
    ~Fixture()
    {
        m.reset();
        platform::setInfoBoxHandler({});
        Tspmform::setTestHandler({});
    }
    // Sets the text; "|" marks the caret.
    void tekst(const QString &withCaret)
    {
        QString t = withCaret;
        const qsizetype caret = t.indexOf(u'|');
        t.remove(caret, 1);
        w->Edit->setText(t);
        w->Edit->setCaretPos(caret);
    }
    QString medCaret() const
    {
        QString t = w->text();
        t.insert(w->Edit->caretPos(), u'|');
        return t;
    }
};

void dobbeltklik(TKodeListe *liste, const QString &item)
{
    QVERIFY(liste->vaelg(item));
    emit liste->skriv(item);
}

} // namespace

class TestKodepaneler : public QObject {
    Q_OBJECT
private slots:
    void menuRuleHoldsForEveryEntry();
    void menuRuleExamples_data();
    void menuRuleExamples();
    void menusWriteAtTheCaret();

    void startState();
    void fillRulesAndHeaders();
    void unsafeNamesAreMissingFiles_data();
    void unsafeNamesAreMissingFiles();
    void typeAhead();
    void doubleClickWrites();
    void valueHeadings();
    void kodelisteSelByCaret_data();
    void kodelisteSelByCaret();
    void quickAttributes_data();
    void quickAttributes();
};

void TestKodepaneler::menuRuleHoldsForEveryEntry()
{
    int count = 0;
    for (const tagmenu::Menu &m : tagmenu::menuer()) {
        QStringList entries = m.hovedniveau;
        for (const tagmenu::Undermenu &u : m.undermenuer)
            entries << u.entries;
        for (const QString &caption : std::as_const(entries)) {
            if (caption.isEmpty())
                continue;   // separator
            ++count;
            const tagmenu::StartSlut s = tagmenu::startSlut(caption);
            const QString c = caption.trimmed();
            if (caption.startsWith(QStringLiteral("<figure><figcaption></figcaption><figure>"))) {
                QCOMPARE(s.start + s.slut, QStringLiteral("<figure><figcaption></figcaption></figure>"));
                continue;
            }
            QCOMPARE(s.start + s.slut, c);
            QVERIFY2(s.start.startsWith(u'<'), qPrintable(caption));
            const qsizetype value = c.indexOf(QStringLiteral("=\"\""));
            if (value >= 0)
                QCOMPARE(s.start.size(), value + 2);   // the caret in the first empty value
            else if (c.contains(QStringLiteral("</")))
                QVERIFY2(s.slut.startsWith(QStringLiteral("</")) && !s.start.contains(QStringLiteral("</")), qPrintable(caption));
            else
                QVERIFY2(s.slut.isEmpty(), qPrintable(caption));
        }
        QVERIFY(!tagmenu::startSlut(m.klik).start.isEmpty());
        QVERIFY2(entries.contains(m.klik), m.navn);   // a click writes one of the menu's own entries
    }
    QCOMPARE(count, 142);
}

void TestKodepaneler::menuRuleExamples_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("slut");
    QTest::newRow("pair") << "<h1></h1>" << "<h1>" << "</h1>";
    QTest::newRow("value before end tag") << "<form action=\"\" method=\"get\"></form>" << "<form action=\"" << "\" method=\"get\"></form>";
    QTest::newRow("nested") << "<details><summary></summary></details>" << "<details><summary>" << "</summary></details>";
    QTest::newRow("no end tag") << "<input type=\"button\">" << "<input type=\"button\">" << "";
    QTest::newRow("leading blank") << " <b></b>" << "<b>" << "</b>";
    QTest::newRow("bdo") << "<bdo dir=\"\"></bdo>" << "<bdo dir=\"" << "\"></bdo>";
    QTest::newRow("figure") << "<figure><figcaption></figcaption><figure>" << "<figure><figcaption>" << "</figcaption></figure>";
}

void TestKodepaneler::menuRuleExamples()
{
    QFETCH(QString, caption);
    QFETCH(QString, start);
    QFETCH(QString, slut);
    QCOMPARE(tagmenu::startSlut(caption), (tagmenu::StartSlut{start, slut}));
}

void TestKodepaneler::menusWriteAtTheCaret()
{
    Fixture f;
    f.tekst(QStringLiteral("x|abcy"));
    f.w->Edit->setSelection(f.w->Edit->caretPos(), 4);   // "abc" selected
    auto *menu = f.m->findChild<QMenu *>(QStringLiteral("PUtekstkoder"));
    QVERIFY(menu);
    QAction *p = nullptr;
    for (QAction *a : menu->actions())
        if (a->text() == u"<p></p>") p = a;
    QVERIFY(p);
    p->trigger();
    QCOMPARE(f.medCaret(), QStringLiteral("x<p>|</p>y"));
    // A button's click writes its group's common element.
    f.m->findChild<QToolButton *>(QStringLiteral("ToolButton45"))->click();
    QCOMPARE(f.medCaret(), QStringLiteral("x<p><img src=\"|\" alt=\"\"></p>y"));
    QCOMPARE(f.m->findChild<QToolBar *>(QStringLiteral("ForsideBar"))->findChildren<QToolButton *>(QString(), Qt::FindDirectChildrenOnly).size() >= 6, true);
}

void TestKodepaneler::startState()
{
    Fixture f;
    QCOMPARE(f.m->Koden, QStringLiteral("a"));
    QCOMPARE(f.m->kodeliste->overskrift(), QStringLiteral("Alle koder"));
    QCOMPARE(f.m->kodeliste->items().size(), 8);
    QCOMPARE(f.m->attributliste->overskrift(), QStringLiteral("<a"));
    QCOMPARE(f.m->betweenliste->overskrift(), QStringLiteral("<a>"));
    QCOMPARE(f.m->valueliste->items(), QStringList{QStringLiteral("fil")});
    QCOMPARE(f.m->valueliste->overskrift(), QStringLiteral("<a download=\""));
}

void TestKodepaneler::fillRulesAndHeaders()
{
    Fixture f;
    Tmainform &m = *f.m;
    // Clicking "<br>" fills both lists from br.txt of their folders.
    emit m.kodeliste->klik(QStringLiteral("<br>"));
    QCOMPARE(m.Koden, QStringLiteral("br"));
    QCOMPARE(m.attributliste->items(), QStringList{QStringLiteral("class")});
    QCOMPARE(m.attributliste->overskrift(), QStringLiteral("<br"));
    QCOMPARE(m.betweenliste->items(), QStringList{});
    QCOMPARE(m.betweenliste->overskrift(), QStringLiteral("<br>"));

    // The value file of attribute and tag wins; a stand-alone attribute has no =".
    emit m.kodeliste->klik(QStringLiteral("<INPUT>"));   // the file is found without regard to case
    QCOMPARE(m.attributliste->items().size(), 3);
    emit m.attributliste->klik(QStringLiteral("type"));
    QCOMPARE(m.valueliste->items().first(), QStringLiteral("INPUT TYPER"));
    QCOMPARE(m.valueliste->overskrift(), QStringLiteral("<INPUT type=\""));
    emit m.attributliste->klik(QStringLiteral("disabled"));
    QCOMPARE(m.valueliste->overskrift(), QStringLiteral("<INPUT disabled"));
    emit m.attributliste->klik(QStringLiteral("value"));   // no file: empty, header kept
    QVERIFY(m.valueliste->items().isEmpty());
    QCOMPARE(m.valueliste->overskrift(), QStringLiteral("<INPUT disabled"));

    // A tag with no files: the between header is set anyway, the attribute header is not.
    emit m.kodeliste->klik(QStringLiteral("<dd></dd>"));
    QCOMPARE(m.betweenliste->overskrift(), QStringLiteral("<dd>"));
    QCOMPARE(m.attributliste->overskrift(), QStringLiteral("<INPUT"));
    QVERIFY(m.attributliste->items().isEmpty());

    // Categories.
    m.findChild<QAction *>(QStringLiteral("kodeknap_9"))->trigger();
    QCOMPARE(m.kodeliste->overskrift(), QStringLiteral("Listekoder"));
    QCOMPARE(m.kodeliste->items().size(), 2);
    m.findChild<QAction *>(QStringLiteral("kodeknap_13"))->trigger();   // no file: empty, header kept
    QVERIFY(m.kodeliste->items().isEmpty());
    QCOMPARE(m.kodeliste->overskrift(), QStringLiteral("Listekoder"));
    m.findChild<QAction *>(QStringLiteral("globaleEventsKnap"))->trigger();
    QCOMPARE(m.attributliste->overskrift(), QStringLiteral("Globale events"));
    QCOMPARE(m.attributliste->items(), QStringList{QStringLiteral("onclick")});

    // The category buttons stand in their order.
    QStringList order;
    for (QAction *a : m.KodeBar->actions())
        order << a->objectName().mid(9);
    QCOMPARE(order.join(u','), QStringLiteral("0,1,10,11,7,3,4,5,6,14,8,9,13,12"));
}

void TestKodepaneler::unsafeNamesAreMissingFiles_data()
{
    QTest::addColumn<QString>("tag");
    QTest::newRow("parent") << "../Html/_Koder";
    QTest::newRow("slash") << "x/y";
    QTest::newRow("backslash") << "x\\y";
    QTest::newRow("nul") << QStringLiteral("a\0b");
}

void TestKodepaneler::unsafeNamesAreMissingFiles()
{
    QFETCH(QString, tag);
    TestProgramFolder folder;
    skrivData(folder);
    const QString dir = folder.path(QStringLiteral("Dir/Attributes/"));
    QVERIFY(!kodepanel::attributliste(dir, tag).fundet);
    QVERIFY(!kodepanel::betweenliste(folder.path(QStringLiteral("Dir/Betweentags/")), tag).fundet);
    TagList none;
    QVERIFY(!kodepanel::valueliste(folder.path(QStringLiteral("Dir/Values/")), tag, tag, none).fundet);
}

void TestKodepaneler::typeAhead()
{
    Fixture f;
    Tmainform &m = *f.m;
    m.kodeliste->setFocus();
    m.kodeliste->kodeBuffer = QStringLiteral("<");
    QTest::keyClick(m.kodeliste, Qt::Key_D);
    QCOMPARE(m.kodeliste->valgt(), QStringLiteral("<dd></dd>"));
    QTest::keyClick(m.kodeliste, Qt::Key_I);
    QCOMPARE(m.kodeliste->valgt(), QStringLiteral("<div></div>"));
    QCOMPARE(m.kodeliste->kodeBuffer, QStringLiteral("<di"));
    QTest::keyClick(m.kodeliste, Qt::Key_D, Qt::ShiftModifier);   // a capital clears the search
    QCOMPARE(m.kodeliste->kodeBuffer, QStringLiteral("<"));
    QTest::keyClick(m.kodeliste, Qt::Key_Z);                      // no match: the letter is dropped
    QCOMPARE(m.kodeliste->kodeBuffer, QStringLiteral("<"));

    // The between list matches from the item's second character.
    emit m.kodeliste->klik(QStringLiteral("<ul></ul>"));
    m.betweenliste->kodeBuffer.clear();
    QTest::keyClick(m.betweenliste, Qt::Key_S);
    QCOMPARE(m.betweenliste->valgt(), QStringLiteral("<script></script>"));
    // Attribute list: the item starts with the letters.
    emit m.kodeliste->klik(QStringLiteral("<input>"));
    m.attributliste->kodeBuffer.clear();
    QTest::keyClick(m.attributliste, Qt::Key_T);
    QCOMPARE(m.attributliste->valgt(), QStringLiteral("type"));
}

void TestKodepaneler::doubleClickWrites()
{
    Fixture f;
    f.tekst(QStringLiteral("|"));
    dobbeltklik(f.m->kodeliste, QStringLiteral("<p></p>"));
    QCOMPARE(f.medCaret(), QStringLiteral("<p>|</p>"));
    QVERIFY(f.w->isModified());
    f.tekst(QStringLiteral("<input|>"));
    emit f.m->kodeliste->klik(QStringLiteral("<input>"));
    dobbeltklik(f.m->attributliste, QStringLiteral("type"));
    QCOMPARE(f.medCaret(), QStringLiteral("<input type=\"|\">"));
    f.tekst(QStringLiteral("<input|>"));
    dobbeltklik(f.m->attributliste, QStringLiteral("disabled"));
    QCOMPARE(f.medCaret(), QStringLiteral("<input disabled|>"));
}

void TestKodepaneler::valueHeadings()
{
    Fixture f;
    f.tekst(QStringLiteral("<input type=\"|\">"));
    emit f.m->kodeliste->klik(QStringLiteral("<input>"));
    emit f.m->attributliste->klik(QStringLiteral("type"));
    dobbeltklik(f.m->valueliste, QStringLiteral("INPUT TYPER"));   // a heading writes nothing
    dobbeltklik(f.m->valueliste, QStringLiteral("CSS"));
    QCOMPARE(f.w->text(), QStringLiteral("<input type=\"\">"));
    dobbeltklik(f.m->valueliste, QStringLiteral("Tekst"));         // one capital: a value
    QCOMPARE(f.w->text(), QStringLiteral("<input type=\"Tekst\">"));
}

void TestKodepaneler::kodelisteSelByCaret_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("koden");
    QTest::addColumn<QStringList>("attributter");
    QTest::addColumn<QStringList>("mellem");
    QTest::addColumn<QStringList>("vaerdier");
    QTest::newRow("between ul") << "<ul>|</ul>" << "ul" << QStringList{} << QStringList{"<li></li>", "<script></script>"} << QStringList{};
    QTest::newRow("inside start tag, value") << "<input type=\"|\">" << "input" << QStringList{"disabled", "type", "value"} << QStringList{} << QStringList{"INPUT TYPER", "text", "Tekst", "CSS"};
    QTest::newRow("inside start tag, word") << "<input typ|>" << "input" << QStringList{"disabled", "type", "value"} << QStringList{} << QStringList{};
    QTest::newRow("inside end tag") << "<ul></u|l>" << "ul" << QStringList{} << QStringList{} << QStringList{};
}

void TestKodepaneler::kodelisteSelByCaret()
{
    QFETCH(QString, text);
    QFETCH(QString, koden);
    QFETCH(QStringList, attributter);
    QFETCH(QStringList, mellem);
    QFETCH(QStringList, vaerdier);
    Fixture f;
    f.tekst(text);
    f.m->autokodeCheck->click();
    QVERIFY(f.m->autokodeCheck->isChecked());
    f.m->getKode();
    QCOMPARE(f.m->Koden, koden);
    QCOMPARE(f.m->infoS, koden);
    QCOMPARE(f.m->attributliste->items(), attributter);
    QCOMPARE(f.m->betweenliste->items(), mellem);
    QCOMPARE(f.m->valueliste->items(), vaerdier);
    QCOMPARE(f.m->kodeliste->overskrift(), koden);
    if (koden == u"ul")
        QCOMPARE(f.m->kodeliste->valgt(), QStringLiteral("<ul></ul>"));
    if (koden == u"input")
        QCOMPARE(f.m->kodeliste->valgt(), QStringLiteral("<input>"));   // a tag without end tag
}

void TestKodepaneler::quickAttributes_data()
{
    QTest::addColumn<bool>("auto_");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("status");
    QTest::newRow("before >") << false << "<div|>" << "<div class=\"|\">" << "";
    QTest::newRow("after a blank") << false << "<div |>" << "<div class=\"|\">" << "";
    QTest::newRow("content") << false << "<div>x|</div>" << "<div>x|</div>" << "";
    QTest::newRow("no element") << false << "<br>|" << "<br>|" << "Der er ingen aktuel kode.";
    QTest::newRow("automatic mode") << true << "<div|>" << "<div class=\"|\">" << "";
}

void TestKodepaneler::quickAttributes()
{
    QFETCH(bool, auto_);
    QFETCH(QString, text);
    QFETCH(QString, result);
    QFETCH(QString, status);
    Fixture f;
    f.tekst(text);
    if (auto_) {
        f.m->autokodeCheck->click();
        f.m->getKode();
        QVERIFY(f.m->AclassAttribut->isEnabled());
    }
    f.m->visInfo(QString());
    f.m->AclassAttribut->trigger();
    QCOMPARE(f.medCaret(), result);
    QCOMPARE(f.m->infobar->text(), status);
    if (auto_) {
        f.tekst(QStringLiteral("<div>|</div>"));
        f.m->getKode();
        QVERIFY(!f.m->AclassAttribut->isEnabled());   // automatic mode: only inside a start tag
    }
}

QTEST_MAIN(TestKodepaneler)
#include "tst_kodepaneler.moc"
