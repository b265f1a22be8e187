// The main window, document windows, their tabs and captions, opening files and closing.

#include "core/textfile.h"
#include "editor/editor.h"
#include "platform/infobox.h"
#include "platform/shellopen.h"
#include "shell/dokumentnavne.h"
#include "shell/filvalg.h"
#include "shell/mainform.h"
#include "shell/mainopt.h"
#include "shell/spmform.h"
#include "shell/winform.h"
#include "testsupport/testenv.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QClipboard>
#include <QFileDialog>
#include <QMdiArea>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

namespace {

// Records information boxes, shell hand-overs and questions, answering from a queue.
struct Spy {
    QStringList boxes, shelled, questions;
    QList<Tspmform::Svar> answers;
    QStringList saveNames;
    Spy()
    {
        platform::setInfoBoxHandler([this](const QString &t) { boxes << t; });
        platform::setShellOpenHandler([this](const QString &p) { shelled << p; });
        Tspmform::setTestHandler([this](const QString &q) {
            questions << q;
            return answers.isEmpty() ? Tspmform::Annuller : answers.takeFirst();
        });
        shell::setFilvalgHandler([this](shell::FilvalgMode, const QString &) {
            return saveNames.isEmpty() ? QString() : saveNames.takeFirst();
        });
    }
    ~Spy()
    {
        platform::setInfoBoxHandler({});
        platform::setShellOpenHandler({});
        Tspmform::setTestHandler({});
        shell::setFilvalgHandler({});
    }
};

QStringList tabTexts(const Tmainform &m)
{
    QStringList t;
    for (int i = 0; i < m.tc->count(); ++i)
        t << m.tc->tabText(i);
    return t;
}

void typeInto(Twinform *w, const QString &text)
{
    w->Edit->setFocus();
    QTest::keyClicks(w->Edit->focusProxy(), text);
}

} // namespace

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void captionRule_data();
    void captionRule();
    void routing_data();
    void routing();
    void mainOptDamaged_data();
    void mainOptDamaged();
    void mainOptRoundTrip();

    void commandLineFilesKeepTheirEncoding();
    void openwinRoutes();
    void numbersAreNeverReused();
    void toolbarByType_data();
    void toolbarByType();
    void statusFields();
    void closeQuestion_data();
    void closeQuestion();
    void unnamedJaWithoutNameKeepsWindow();
    void exitCancelledKeepsEverything();
    void exitWritesSettingsReadAtNextStart();
    void panelToggles();
    void lineNumbersChoiceIsKept();
    void tabsFollowWindows();
    void closeAllAsksEachAndStopsOnAnnuller();
    void missingTagListsAreReportedOnce();
    void endTagAndLookupKeysReachTheCommands();
    void namedItems_data();
    void namedItems();
    void onlyTheProgramsKeysActOnDocuments();

    void questionWindow();
};

void TestShell::captionRule_data()
{
    QTest::addColumn<int>("no");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("ext");
    QTest::addColumn<QString>("caption");
    QTest::newRow("file") << 3 << "/x/index.html" << ".html" << "3. index.html";
    QTest::newRow("extension") << 2 << "" << ".html" << "Html dokument: 2";
    QTest::newRow("extension keeps rest") << 5 << "" << ".cSS" << "CSS dokument: 5";
    QTest::newRow("only a point") << 7 << "" << "." << " dokument: 7";
    QTest::newRow("nothing") << 4 << "" << "" << "Dokument: 4";
}

void TestShell::captionRule()
{
    QFETCH(int, no);
    QFETCH(QString, file);
    QFETCH(QString, ext);
    QFETCH(QString, caption);
    QCOMPARE(shell::capNavnFor(no, file, ext), caption);
}

void TestShell::routing_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("route");
    QTest::newRow("html") << "/a/b.html" << int(shell::OpenRoute::Document);
    QTest::newRow("capital picture") << "/a/B.JPG" << int(shell::OpenRoute::Shell);
    QTest::newRow("mp4") << "/a/film.mp4" << int(shell::OpenRoute::Shell);
    QTest::newRow("rtf") << "/a/brev.rtf" << int(shell::OpenRoute::Shell);
    QTest::newRow("url") << "/a/link.url" << int(shell::OpenRoute::Ignore);
    QTest::newRow("dll") << "/a/x.DLL" << int(shell::OpenRoute::Ignore);
    QTest::newRow("no extension") << "/a/README" << int(shell::OpenRoute::Document);
    QTest::newRow("dot in folder") << "/a.jpg/README" << int(shell::OpenRoute::Document);
}

void TestShell::routing()
{
    QFETCH(QString, path);
    QFETCH(int, route);
    QCOMPARE(int(shell::routeFor(path)), route);
}

void TestShell::mainOptDamaged_data()
{
    QTest::addColumn<int>("damage");
    QTest::newRow("22 lines") << 0;
    QTest::newRow("letters in line 5") << 1;
    QTest::newRow("unknown style") << 2;
    QTest::newRow("missing folder") << 3;
    QTest::newRow("no file") << 4;
}

void TestShell::mainOptDamaged()
{
    QFETCH(int, damage);
    TestProgramFolder folder;
    shell::MainOpt good = shell::MainOpt::standard();
    good.designName = QStringLiteral("Nat");
    good.width = 1200;
    good.PanelPlacering = 1;
    const QString path = folder.path(QStringLiteral("Egenskaber/mainopt.txt"));
    QVERIFY(good.gem(path));
    QStringList lines;
    QVERIFY(core::readLines(path, lines).ok);
    QCOMPARE(lines.size(), 23);
    switch (damage) {
    case 0: lines.removeLast(); break;
    case 1: lines[5] = QStringLiteral("tre"); break;
    case 2: lines[0] = QStringLiteral("Regnbue"); break;
    case 3: lines[6] = folder.path(QStringLiteral("findes-ikke")); break;
    case 4: QFile::remove(path); break;
    }
    if (damage != 4)
        QVERIFY(core::writeLines(path, lines).ok);
    bool fromFile = true;
    const shell::MainOpt got = shell::MainOpt::hent(path, &fromFile);
    QVERIFY(!fromFile);
    const shell::MainOpt def = shell::MainOpt::standard();
    QCOMPARE(got.designName, QStringLiteral("Sky"));
    QCOMPARE(got.width, def.width);
    QCOMPARE(got.PanelPlacering, 3);
    QCOMPARE(got.dirBoksFolder, def.dirBoksFolder);
    QCOMPARE(got.objStrukturBredde, 240);
}

void TestShell::mainOptRoundTrip()
{
    TestProgramFolder folder;
    shell::MainOpt o = shell::MainOpt::standard();
    o.designName = QStringLiteral("skov");   // names are matched without regard to case
    o.top = 10; o.left = 20; o.width = 1000; o.height = 700;
    o.PanelPlacering = 4;
    o.jsObjektName = QStringLiteral("Array");
    o.knapboks[2] = true;
    o.objStrukturBredde = 300;
    const QString path = folder.path(QStringLiteral("Egenskaber/mainopt.txt"));
    QVERIFY(o.gem(path));
    bool fromFile = false;
    const shell::MainOpt r = shell::MainOpt::hent(path, &fromFile);
    QVERIFY(fromFile);
    QCOMPARE(r.designName, QStringLiteral("Skov"));
    QCOMPARE(r.top, 10);
    QCOMPARE(r.left, 20);
    QCOMPARE(r.PanelPlacering, 4);
    QCOMPARE(r.jsObjektName, QStringLiteral("Array"));
    QVERIFY(r.knapboks[2] && !r.knapboks[1]);
    QCOMPARE(r.objStrukturBredde, 300);
}

void TestShell::commandLineFilesKeepTheirEncoding()
{
    TestProgramFolder folder;
    Spy spy;
    const QByteArray ansi("<p>\xE6\xF8\xE5</p>\r\n");
    const QByteArray bom("\xEF\xBB\xBFtekst \xC3\xA6 \xE2\x82\xAC\r\n");
    folder.writeFile(QStringLiteral("Dokumenter/side med blank.html"), ansi);
    folder.writeFile(QStringLiteral("Dokumenter/note.txt"), bom);
    const QString a = folder.path(QStringLiteral("Dokumenter/side med blank.html"));
    const QString b = folder.path(QStringLiteral("Dokumenter/note.txt"));

    // The second name is relative to the folder the program starts in; the stored file
    // panel folder must not change what it means.
    QDir::setCurrent(folder.path(QStringLiteral("Dokumenter")));
    {
        shell::MainOpt o = shell::MainOpt::standard();
        o.dirBoksFolder = folder.path(QStringLiteral("Egenskaber"));
        QVERIFY(o.gem(folder.path(QStringLiteral("Egenskaber/mainopt.txt"))));
    }
    Tmainform m({QLatin1Char('"') + a + QLatin1Char('"'), QStringLiteral("note.txt")});
    m.show();
    QVERIFY(m.dokumenter().isEmpty());   // the window first, then the pages
    QTRY_COMPARE(m.dokumenter().size(), 2);
    QCOMPARE(tabTexts(m), (QStringList{"1. side med blank.html", "2. note.txt"}));
    const QList<Twinform *> wins = m.dokumenter();
    QCOMPARE(wins.size(), 2);
    QCOMPARE(wins[0]->text(), QStringLiteral("<p>æøå</p>\n"));
    QCOMPARE(wins[1]->text(), QStringLiteral("tekst æ €\n"));
    QVERIFY(!wins[0]->toolbarHtml->isHidden());
    QVERIFY(wins[0]->toolbarAndet->isHidden());
    QVERIFY(!wins[1]->toolbarAndet->isHidden());
    QVERIFY(!wins[0]->isModified());
    QCOMPARE(QDir::currentPath(), QFileInfo(b).absolutePath());

    // Typing and saving keeps each file's encoding and mark.
    for (Twinform *w : wins) {
        m.mdi->setActiveSubWindow(w);
        w->Edit->setCaretPos(w->Edit->length());
        typeInto(w, QStringLiteral("æ"));
        QVERIFY(w->isModified());
        QVERIFY(m.Gem(w));
        QVERIFY(!w->isModified());
    }
    QCOMPARE(folder.readFile(QStringLiteral("Dokumenter/side med blank.html")), ansi + "\xE6\r\n");
    QCOMPARE(folder.readFile(QStringLiteral("Dokumenter/note.txt")), bom + "\xC3\xA6\r\n");
    QVERIFY(spy.boxes.isEmpty() || spy.boxes.first().startsWith(QStringLiteral("Disse datafiler")));
}

void TestShell::openwinRoutes()
{
    TestProgramFolder folder;
    Spy spy;
    folder.writeFile(QStringLiteral("a.html"), "<p>\r\n");
    folder.writeFile(QStringLiteral("bin.dat"), QByteArray("PK\x03\x04\x00\x00", 6));
    Tmainform m;
    m.show();
    const QString a = folder.path(QStringLiteral("a.html"));

    Twinform *first = m.openwin(a, {});
    QVERIFY(first);
    QVERIFY(m.openwin(QString(), QStringLiteral(".css")));
    QCOMPARE(m.openwin(a, {}), first);                           // same path: activated again
    QCOMPARE(m.aktivWin(), first);
    Twinform *other = m.openwin(folder.path(QStringLiteral("A.html")), {});   // other case: a new window
    QVERIFY(other && other != first);

    QVERIFY(!m.openwin(folder.path(QStringLiteral("billede.JPG")), {}));
    QCOMPARE(spy.shelled, QStringList{folder.path(QStringLiteral("billede.JPG"))});
    QVERIFY(!m.openwin(folder.path(QStringLiteral("genvej.url")), {}));

    Twinform *missing = m.openwin(folder.path(QStringLiteral("ny.html")), {});
    QVERIFY(missing);
    QCOMPARE(missing->capNavn, QStringLiteral("4. ny.html"));
    QVERIFY(missing->text().isEmpty());

    spy.boxes.clear();
    QVERIFY(!m.openwin(folder.path(QStringLiteral("bin.dat")), {}));   // a binary file gets no window
    QCOMPARE(spy.boxes.size(), 1);
    QVERIFY(spy.boxes.first().contains(QStringLiteral("ikke en tekstfil")));
    QCOMPARE(m.dokumenter().size(), 4);
    QCOMPARE(m.newCount, 4);
}

void TestShell::numbersAreNeverReused()
{
    TestProgramFolder folder;
    Spy spy;
    Tmainform m;
    m.show();
    Twinform *w1 = m.openwin({}, QStringLiteral(".html"));
    Twinform *w2 = m.openwin({}, QString());
    QCOMPARE(w1->capNavn, QStringLiteral("Html dokument: 1"));
    QCOMPARE(w2->capNavn, QStringLiteral("Dokument: 2"));
    w1->close();
    w2->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Twinform *w3 = m.openwin({}, QStringLiteral(".txt"));
    QCOMPARE(w3->capNavn, QStringLiteral("Txt dokument: 3"));
    QCOMPARE(tabTexts(m), QStringList{QStringLiteral("Txt dokument: 3")});
    QVERIFY(spy.questions.isEmpty());   // unmodified windows close without a question
}

void TestShell::toolbarByType_data()
{
    QTest::addColumn<QString>("ext");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<bool>("strukButton");
    QTest::newRow("html") << ".html" << QStringList{"toolbarHtml"} << false;
    QTest::newRow("HTML in capitals") << ".HTML" << QStringList{"toolbarAndet"} << false;
    QTest::newRow("css") << ".css" << QStringList{"toolbarCss"} << false;
    QTest::newRow("js") << ".js" << QStringList{"toolbarJs"} << false;
    QTest::newRow("asp") << ".asp" << QStringList{"toolbarAsp", "AspObjToolbar"} << true;
    QTest::newRow("asa") << ".asa" << QStringList{"toolbarAsp", "AspObjToolbar"} << true;
    QTest::newRow("bat") << ".bat" << QStringList{"toolbarAndet"} << true;
    QTest::newRow("wsf") << ".wsf" << QStringList{"toolbarScript"} << true;
    QTest::newRow("ps1") << ".ps1" << QStringList{"toolbarAndet"} << false;
    QTest::newRow("none") << "" << QStringList{"toolbarAndet"} << false;
}

void TestShell::toolbarByType()
{
    QFETCH(QString, ext);
    QFETCH(QStringList, shown);
    QFETCH(bool, strukButton);
    TestProgramFolder folder;
    Spy spy;
    Tmainform m;
    m.show();
    Twinform *w = m.openwin({}, ext);
    QStringList visible;
    for (QToolBar *bar : w->findChildren<QToolBar *>())
        if (!bar->isHidden() && bar->objectName() != QLatin1String("toolbarFtp"))
            visible << bar->objectName();
    visible.sort();
    shown.sort();
    QCOMPARE(visible, shown);
    QCOMPARE(!w->defaultStrukButton->isHidden(), strukButton);
    // The search box of the visible bar is the document's information word.
    w->setTekst(QStringLiteral("div"));
    QCOMPARE(w->getTekst(), QStringLiteral("div"));
}

void TestShell::statusFields()
{
    TestProgramFolder folder;
    Spy spy;
    Tmainform m;
    m.show();
    Twinform *w = m.openwin({}, QStringLiteral(".html"));
    QCOMPARE(w->infoFelt[0]->text(), QStringLiteral("Linier"));
    QCOMPARE(w->infoFelt[3]->text(), QStringLiteral("0,1"));
    typeInto(w, QStringLiteral("ab"));
    QCOMPARE(w->infoFelt[3]->text(), QStringLiteral("2,1"));
    QTest::keyClick(w->Edit->focusProxy(), Qt::Key_Return);
    typeInto(w, QStringLiteral("c"));
    QCOMPARE(w->infoFelt[1]->text(), QStringLiteral("2"));
    QCOMPARE(w->infoFelt[3]->text(), QStringLiteral("1,2"));
}

void TestShell::closeQuestion_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("stays");
    QTest::addColumn<QByteArray>("onDisk");
    QTest::newRow("Ja saves and closes") << int(Tspmform::Ja) << false << QByteArray("gammel x\r\n");
    QTest::newRow("Nej closes unsaved") << int(Tspmform::Nej) << false << QByteArray("gammel\r\n");
    QTest::newRow("Annuller keeps all") << int(Tspmform::Annuller) << true << QByteArray("gammel\r\n");
}

void TestShell::closeQuestion()
{
    QFETCH(int, answer);
    QFETCH(bool, stays);
    QFETCH(QByteArray, onDisk);
    TestProgramFolder folder;
    Spy spy;
    folder.writeFile(QStringLiteral("side.html"), "gammel\r\n");
    Tmainform m;
    m.show();
    Twinform *w = m.openwin(folder.path(QStringLiteral("side.html")), {});
    w->Edit->setCaretPos(w->Edit->lineEnd(w->Edit->caretLine()));
    typeInto(w, QStringLiteral(" x"));
    spy.answers << Tspmform::Svar(answer);
    m.LukProgram = true;
    w->close();
    QCOMPARE(spy.questions, QStringList{QStringLiteral("Filen side.html er modificeret!\rSkal den gemmes?")});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(m.dokumenter().size(), stays ? 1 : 0);
    QCOMPARE(m.tc->count(), stays ? 1 : 0);
    QCOMPARE(m.LukProgram, !stays);
    QCOMPARE(folder.readFile(QStringLiteral("side.html")), onDisk);
}

void TestShell::unnamedJaWithoutNameKeepsWindow()
{
    TestProgramFolder folder;
    Spy spy;
    Tmainform m;
    m.show();
    Twinform *w = m.openwin({}, QStringLiteral(".html"));
    typeInto(w, QStringLiteral("<p>"));
    spy.answers << Tspmform::Ja;          // "Ja", then the save dialog is cancelled
    m.LukProgram = true;
    w->close();
    QCOMPARE(spy.questions.first(), QStringLiteral("Filen Html dokument: 1 er modificeret!\rSkal den gemmes?"));
    QCOMPARE(m.dokumenter().size(), 1);
    QCOMPARE(tabTexts(m), QStringList{QStringLiteral("Html dokument: 1")});
    QVERIFY(w->isModified());
    QVERIFY(!m.LukProgram);

    // With a name chosen the document is written and the window takes the name.
    spy.answers << Tspmform::Ja;
    spy.saveNames << folder.path(QStringLiteral("ny side.html"));
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(m.dokumenter().size(), 0);
    QCOMPARE(folder.readFile(QStringLiteral("ny side.html")), QByteArray("<p>\r\n"));
}

void TestShell::exitCancelledKeepsEverything()
{
    TestProgramFolder folder;
    Spy spy;
    auto m = std::make_unique<Tmainform>();
    m->show();
    typeInto(m->openwin({}, QStringLiteral(".html")), QStringLiteral("a"));
    typeInto(m->openwin({}, QStringLiteral(".css")), QStringLiteral("b"));
    spy.answers << Tspmform::Annuller;
    QVERIFY(!m->close());
    QCOMPARE(spy.questions.size(), 1);
    QVERIFY(spy.questions.first().contains(QStringLiteral("Css dokument: 2")));   // the last window is asked first
    QCOMPARE(m->dokumenter().size(), 2);
    QVERIFY(m->isVisible());
    QVERIFY(!QFile::exists(folder.path(QStringLiteral("Egenskaber/mainopt.txt"))));
}

void TestShell::exitWritesSettingsReadAtNextStart()
{
    TestProgramFolder folder;
    Spy spy;
    {
        shell::MainOpt o = shell::MainOpt::standard();
        o.width = 500;   // narrower than the minimum
        o.filterIndex = 3;
        QVERIFY(o.gem(folder.path(QStringLiteral("Egenskaber/mainopt.txt"))));
    }
    {
        Tmainform m;
        m.show();
        QCOMPARE(m.width(), 918);
        m.AattributpanelExecute();   // hide
        m.AattributpanelExecute();   // show again while the code panel shows
        QCOMPARE(m.PanelPlacering, 4);
        QVERIFY(m.close());
    }
    QStringList lines;
    QVERIFY(core::readLines(folder.path(QStringLiteral("Egenskaber/mainopt.txt")), lines).ok);
    QCOMPARE(lines.size(), 23);
    QCOMPARE(lines[0], QStringLiteral("Sky"));
    QCOMPARE(lines[3], QStringLiteral("918"));
    QCOMPARE(lines[5], QStringLiteral("4"));
    QCOMPARE(lines[7], QStringLiteral("0"));   // the first filter is shown after start-up
    Tmainform again;
    QCOMPARE(again.PanelPlacering, 4);
    QVERIFY(!again.KodePanel->isHidden() && !again.AttributPanel->isHidden());
}

void TestShell::lineNumbersChoiceIsKept()
{
    TestProgramFolder folder;
    Spy spy;
    {
        Tmainform m;
        m.show();
        Twinform *a = m.openwin({}, QStringLiteral(".html"));
        QVERIFY(m.AlinjeNumre->isChecked());
        QVERIFY(a->Edit->linjenummerBredde() > 0);
        m.AlinjeNumre->trigger();   // off, for open documents and new ones
        QCOMPARE(a->Edit->linjenummerBredde(), 0);
        QCOMPARE(m.openwin({}, QStringLiteral(".css"))->Edit->linjenummerBredde(), 0);
        QCOMPARE(folder.readFile(QStringLiteral("Egenskaber/linjenumre.txt")), QByteArray("0\r\n"));
    }
    {
        Tmainform m;   // the choice holds at the next start; the main settings file is not touched
        QVERIFY(!m.AlinjeNumre->isChecked());
        QCOMPARE(m.openwin({}, QStringLiteral(".html"))->Edit->linjenummerBredde(), 0);
    }
    // A damaged file means the default: numbers shown.
    folder.writeFile(QStringLiteral("Egenskaber/linjenumre.txt"), "ja\r\n");
    Tmainform m;
    QVERIFY(m.AlinjeNumre->isChecked());
    QVERIFY(spy.boxes.filter(QStringLiteral("linjenumre")).isEmpty());
}

void TestShell::panelToggles()
{
    TestProgramFolder folder;
    Spy spy;
    Tmainform m;   // defaults: both panels shown (3)
    struct Step { void (Tmainform::*toggle)(); int placering; bool kode; bool attr; };
    const Step steps[] = {
        {&Tmainform::AkodepanelExecute, 2, false, true},
        {&Tmainform::AattributpanelExecute, 0, false, false},
        {&Tmainform::AattributpanelExecute, 2, false, true},
        {&Tmainform::AkodepanelExecute, 3, true, true},
        {&Tmainform::AattributpanelExecute, 1, true, false},
        {&Tmainform::AkodepanelExecute, 0, false, false},
        {&Tmainform::AkodepanelExecute, 1, true, false},
        {&Tmainform::AattributpanelExecute, 4, true, true},
    };
    for (const Step &s : steps) {
        (m.*s.toggle)();
        QCOMPARE(m.PanelPlacering, s.placering);
        QCOMPARE(!m.KodePanel->isHidden(), s.kode);
        QCOMPARE(!m.AttributPanel->isHidden(), s.attr);
        QCOMPARE(m.Akodepanel->isChecked(), s.kode);
    }
    const bool bog = !m.bog->isHidden();
    m.AkodebogExecute();
    QCOMPARE(!m.bog->isHidden(), !bog);
    m.AfilpanelExecute();
    QVERIFY(!m.filPanel->isHidden());
    // The code book is low on its first page and higher on the others.
    m.bog->setCurrentIndex(2);
    QCOMPARE(m.bog->height(), 136);
    m.bog->setCurrentIndex(0);
    QCOMPARE(m.bog->height(), 64);
}

void TestShell::tabsFollowWindows()
{
    TestProgramFolder folder;
    Spy spy;
    Tmainform m;
    m.show();
    QVERIFY(!m.ALukAlleDoc->isEnabled());
    Twinform *a = m.openwin({}, QStringLiteral(".html"));
    QVERIFY(!m.ALukAlleDoc->isEnabled());   // one document: close-all is off
    Twinform *b = m.openwin({}, QStringLiteral(".css"));
    QVERIFY(m.ALukAlleDoc->isEnabled());
    QCOMPARE(m.tc->currentIndex(), 1);
    m.tcChange(0);
    QCOMPARE(m.aktivWin(), a);
    QCOMPARE(m.tc->currentIndex(), 0);

    // A tab whose window is gone does nothing.
    m.tc->addTab(QStringLiteral("9. borte.html"));
    m.tcChange(2);
    QCOMPARE(m.aktivWin(), a);

    // Saving under a new name renames the tab and shows the new type's bar only.
    b->Filnavn.clear();
    QCOMPARE(b->Edit->sprog(), QStringLiteral("CSS"));
    QVERIFY(m.GemSom(b, folder.path(QStringLiteral("stil.txt"))));
    QCOMPARE(b->Edit->sprog(), QString());   // plain text has no colours
    QCOMPARE(m.tc->tabText(1), QStringLiteral("2. stil.txt"));
    QCOMPARE(b->windowTitle(), QStringLiteral("stil.txt"));
    QVERIFY(b->toolbarCss->isHidden());
    QVERIFY(!b->toolbarAndet->isHidden());
}

void TestShell::closeAllAsksEachAndStopsOnAnnuller()
{
    TestProgramFolder folder;
    Spy spy;
    Tmainform m;
    m.show();
    m.openwin({}, QStringLiteral(".txt"));
    typeInto(m.openwin({}, QStringLiteral(".html")), QStringLiteral("x"));
    m.openwin({}, QStringLiteral(".css"));
    spy.answers << Tspmform::Annuller;
    m.lukAlleDokumenter();
    QCOMPARE(m.dokumenter().size(), 2);   // the clean one closed, the modified one stayed, the rest waits
    QCOMPARE(spy.questions.size(), 1);
    spy.answers << Tspmform::Nej;
    m.lukAlleDokumenter();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(m.dokumenter().size(), 0);
    QCOMPARE(m.tc->count(), 0);
    m.winInfo();
    QCOMPARE(spy.boxes.last(), QStringLiteral("Der er ingen åbne dokumenter,\rder kan udskrives i!"));
}

void TestShell::missingTagListsAreReportedOnce()
{
    TestProgramFolder folder;   // no data at all
    Spy spy;
    Tmainform m;
    m.show();
    m.hide();
    m.show();
    QCOMPARE(spy.boxes.size(), 1);
    QVERIFY(spy.boxes.first().contains(QStringLiteral("MedSlutkode.txt")));
    QVERIFY(m.openwin({}, QStringLiteral(".html")));   // still usable
}

void TestShell::endTagAndLookupKeysReachTheCommands()
{
    TestProgramFolder folder;
    folder.writeFile(QStringLiteral("Dir/Html/MedSlutkode.txt"), "p\r\nul\r\n");
    folder.writeFile(QStringLiteral("Dir/Html/UdenSlutkode.txt"), "br\r\n");
    Spy spy;
    Tmainform m;
    m.show();
    QApplication::setActiveWindow(&m);
    QVERIFY(QTest::qWaitForWindowActive(&m));
    Twinform *w = m.openwin({}, QStringLiteral(".html"));
    typeInto(w, QStringLiteral("<p>tekst<br>"));
    // The edit control has its own use for Ctrl+K and Ctrl+Ins; the program's commands win.
    QTest::keyClick(w->Edit->focusProxy(), Qt::Key_K, Qt::ControlModifier);
    QCOMPARE(w->text(), QStringLiteral("<p>tekst<br></p>"));
    QCOMPARE(w->Edit->caretPos(), 12);
    QTest::keyClick(w->Edit->focusProxy(), Qt::Key_Insert, Qt::ControlModifier);
    QCOMPARE(w->getTekst(), QStringLiteral("p"));

    // Nothing open at the caret: a status text, no message.
    w->Edit->setText(QStringLiteral("tekst"));
    m.AslutkodeExecute();
    QCOMPARE(m.infobar->text(), QStringLiteral("Der er ingen aktuel kode."));

    // Automatic mode needs a page that starts with "<".
    m.autokodeCheck->click();
    QVERIFY(!m.autokodeCheck->isChecked());
    QCOMPARE(spy.boxes.last(), QStringLiteral("Dokumentet er ikke et html dokument."));
}

void TestShell::questionWindow()
{
    TestProgramFolder folder;
    struct Case { QPushButton *Tspmform::*button; Tspmform::Svar svar; };
    const Case cases[] = {{&Tspmform::Button1, Tspmform::Ja}, {&Tspmform::Button2, Tspmform::Nej},
                          {&Tspmform::Button3, Tspmform::Annuller}};
    for (const Case &c : cases) {
        Tspmform f;
        QCOMPARE(f.windowTitle(), QStringLiteral("Spørgemål"));
        QTimer::singleShot(0, &f, [&] { (f.*c.button)->click(); });
        QCOMPARE(f.spoerg(QStringLiteral("Første linie\rAnden linie")), c.svar);
        QCOMPARE(f.tekst->text(), QStringLiteral("Første linie\nAnden linie"));
    }
    // The frame's close button counts as "Annuller"; the place is kept for the next time.
    {
        Tspmform f;
        QTimer::singleShot(0, &f, [&] { f.move(123, 77); f.close(); });
        QCOMPARE(f.spoerg(QStringLiteral("?")), Tspmform::Annuller);
    }
    QStringList lines;
    QVERIFY(core::readLines(folder.path(QStringLiteral("Egenskaber/spm.txt")), lines).ok);
    QCOMPARE(lines.size(), 2);
    Tspmform again;
    QCOMPARE(again.pos(), QPoint(lines[1].toInt(), lines[0].toInt()));
}

void TestShell::namedItems_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");   // text of an action or button, title of a dialog
    QTest::addColumn<QString>("hint");
    QTest::newRow("Vis menu: CSS box") << "CSSboksen1" << "CSS boksen..." << "Vis CSS egenskaber og værdier";
    QTest::newRow("tool bar: CSS box") << "cssBoksKnappen" << "CSS boksen" << "Vis CSS egenskaber og værdier";
    QTest::newRow("document: end tag") << "slutKodeKnap" << "Indsæt slutkode" << "Indsæt slutkode til aktuelle kode: Ctrl+K";
    QTest::newRow("tag component") << "taginf" << "" << "";
    QTest::newRow("file panel splitter") << "filPanelSplitter" << "" << "";
    QTest::newRow("playlist folder") << "mappeDia" << "Vælg musikmappe" << "";
    QTest::newRow("playlist files") << "mfUrlDia" << "Vælg musik til afspilningslisten" << "";
    QTest::newRow("text box button") << "ToolButton51" << "Tekstboks..." << "Udskriv tekst med valgte egenskaber: Ctrl+T";
    QTest::newRow("paste from information") << "pasteFromInfo" << "Indsæt fra information"
                                            << "Indsætter tekst, der er kopieret i en informationsfil";
}

// Every item the program's parts name can be found by that name, with its caption and hint.
void TestShell::namedItems()
{
    QFETCH(QString, name);
    TestProgramFolder folder(true);
    Spy spy;
    Tmainform m;
    m.show();
    m.openwin({}, QStringLiteral(".html"));
    const QList<QObject *> found = m.findChildren<QObject *>(name);
    QVERIFY2(!found.isEmpty(), qPrintable(name));
    QObject *o = found.first();
    QString caption, hint;
    if (auto *a = qobject_cast<QAction *>(o)) {
        caption = a->text();
        hint = a->toolTip();
    } else if (auto *d = qobject_cast<QFileDialog *>(o)) {
        caption = d->windowTitle();
    } else if (auto *b = qobject_cast<QToolButton *>(o)) {
        caption = b->text();
        hint = b->toolTip();
    }
    QTEST(caption, "caption");
    QTEST(hint, "hint");
}

// Ctrl+W pastes from information; the document windows' own menu keys close nothing.
void TestShell::onlyTheProgramsKeysActOnDocuments()
{
    TestProgramFolder folder;
    Spy spy;
    Tmainform m;
    m.show();
    QVERIFY(QTest::qWaitForWindowActive(&m));
    Twinform *w = m.openwin({}, QStringLiteral(".html"));
    QVERIFY(m.pasteFromInfo->isEnabled());
    QApplication::clipboard()->setText(QStringLiteral("<p>fra en side</p>"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(w->text(), QStringLiteral("<p>fra en side</p>"));
    QCOMPARE(m.dokumenter().size(), 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4, Qt::ControlModifier);
    QCoreApplication::processEvents();
    QCOMPARE(m.dokumenter().size(), 1);
    w->setModified(false);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::ControlModifier);   // "Luk dokument"
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(m.dokumenter().size(), 0);
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
