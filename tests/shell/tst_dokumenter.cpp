// New documents, templates, saving and the file type list.

#include "core/textfile.h"
#include "editor/editor.h"
#include "platform/infobox.h"
#include "shell/filtyper.h"
#include "shell/filvalg.h"
#include "shell/mainform.h"
#include "shell/newform.h"
#include "shell/openform.h"
#include "shell/spmform.h"
#include "shell/typeform.h"
#include "shell/winform.h"
#include "testsupport/testenv.h"

#include <QAction>
#include <QLabel>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QToolBar>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTabBar>
#include <QTreeWidget>
#include <QtTest>

namespace {

struct Spy {
    QStringList boxes, questions, proposed;
    QList<Tspmform::Svar> answers;
    QStringList names;
    Spy()
    {
        platform::setInfoBoxHandler([this](const QString &t) { boxes << t; });
        Tspmform::setTestHandler([this](const QString &q) {
            questions << q;
            return answers.isEmpty() ? Tspmform::Annuller : answers.takeFirst();
        });
        shell::setFilvalgHandler([this](shell::FilvalgMode, const QString &p) {
            proposed << p;
            return names.isEmpty() ? QString() : names.takeFirst();
        });
    }
    ~Spy()
    {
        platform::setInfoBoxHandler({});
        Tspmform::setTestHandler({});
        shell::setFilvalgHandler({});
    }
};

// The text with the caret shown as "|".
QString withCaret(const Twinform *w)
{
    QString t = w->text();
    t.insert(w->Edit->caretPos(), u'|');
    return t;
}

// Replaces the text as typing would: the document counts as changed.
void setText(Twinform *w, const QString &text)
{
    w->Edit->setText(text);
    w->setModified(true);
}

// Answers the next modal dialog by clicking the button.
void clickLater(QPushButton *button)
{
    QTimer::singleShot(0, button, [button] { button->click(); });
}

} // namespace

class TestDokumenter : public QObject {
    Q_OBJECT
private slots:
    void skeletons_data();
    void skeletons();
    void nytDokument_data();
    void nytDokument();
    void nytDokumentRemembersChoices();
    void fromTemplate_data();
    void fromTemplate();

    void saveAsProposesIkkeNavngivet();
    void newPageTypedSavedAndReopened();
    void overwriteQuestion_data();
    void overwriteQuestion();
    void savingOverAnotherOpenWindow();
    void failedWriteKeepsName();
    void charactersOutsideTheEncoding_data();
    void charactersOutsideTheEncoding();
    void fileSaveFollowsModifiedFlag();
    void everyWayOfOpeningTypesIntoTheNewPage_data();
    void everyWayOfOpeningTypesIntoTheNewPage();

    void normaliserMaske_data();
    void normaliserMaske();
    void filterAndChooser();
    void typeDialog();
};

void TestDokumenter::skeletons_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("ext");
    QTest::addColumn<QString>("text");
    const QString page = QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<title></title>\n</head>\n<body>\n|\n</body>\n</html>\n");
    QTest::newRow("html") << "AnewHtml" << ".html" << page;
    QTest::newRow("asp") << "MpuAsp" << ".asp" << QStringLiteral("<%@LANGUAGE=\"VBSCRIPT\" CODEPAGE=\"1252\"%>\n") + page;
    QTest::newRow("wsf") << "MpuWsf" << ".wsf"
                         << QStringLiteral("<job id=\"\">\n<script language=\"VBScript\">\n|\n</script>\n</job>\n");
    QString asa = QStringLiteral("<SCRIPT LANGUAGE=VBScript RUNAT=Server>\n\n");
    bool first = true;
    for (const char *sub : {"Sub Application_OnStart", "Sub Application_OnEnd", "Sub Session_OnStart", "Sub Session_OnEnd"}) {
        asa += QString::fromLatin1(sub) + QStringLiteral("\nApplication.Lock\n") + (first ? QStringLiteral("|") : QString())
               + QStringLiteral("\nApplication.UnLock\nEnd Sub\n\n");
        first = false;
    }
    asa += QStringLiteral("</SCRIPT>\n");
    QTest::newRow("asa") << "MpuAsa" << ".asa" << asa;
}

void TestDokumenter::skeletons()
{
    QFETCH(QString, action);
    QFETCH(QString, ext);
    QFETCH(QString, text);
    TestProgramFolder folder;
    Spy spy;
    Tmainform m;
    m.show();
    m.findChild<QAction *>(action)->trigger();
    Twinform *w = m.aktivWin();
    QVERIFY(w);
    QCOMPARE(w->docExt, ext);
    QCOMPARE(withCaret(w), text);
    QVERIFY(w->isModified());
    QVERIFY(w->Filnavn.isEmpty());
}

void TestDokumenter::nytDokument_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("css");
    QTest::addColumn<int>("script");
    QTest::addColumn<QString>("ext");
    QTest::addColumn<QString>("text");
    const QString head = QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<title></title>\n");
    const QString body = QStringLiteral("</head>\n<body>\n|\n</body>\n</html>\n");
    QTest::newRow("html plain") << 0 << 0 << 0 << ".html" << head + body;
    QTest::newRow("html internal both") << 0 << 1 << 1 << ".html"
        << head + QStringLiteral("<script>\n</script>\n<style>\n</style>\n") + body;
    QTest::newRow("asp links") << 1 << 2 << 2 << ".asp"
        << QStringLiteral("<% @LANGUAGE=\"VBSCRIPT\" CODEPAGE=\"1252\" %>\n") + head
               + QStringLiteral("<script type=\"text/javascript\" src=\"\"></script>\n"
                                "<link rel=\"stylesheet\" type=\"text/css\" href=\"\">\n") + body;
    QTest::newRow("stylesheet") << 2 << 1 << 1 << ".css" << QStringLiteral("|");
    QTest::newRow("javascript") << 3 << 0 << 0 << ".js" << QStringLiteral("|");
}

void TestDokumenter::nytDokument()
{
    QFETCH(int, type);
    QFETCH(int, css);
    QFETCH(int, script);
    QFETCH(QString, ext);
    QFETCH(QString, text);
    TestProgramFolder folder;
    Spy spy;
    Tmainform m;
    m.show();
    Tnewform *f = m.newform();
    f->typeGroup->button(type)->setChecked(true);
    f->cssRadio->button(css)->setChecked(true);
    f->scriptRadio->button(script)->setChecked(true);
    QCOMPARE(f->htmlAspGruppe->isEnabled(), type <= 1);
    QCOMPARE(f->designGruppe->isEnabled(), type != 3);
    clickLater(f->udskrivKnap);
    m.AnewDokument->trigger();
    Twinform *w = m.aktivWin();
    QVERIFY(w);
    QCOMPARE(w->docExt, ext);
    QCOMPARE(withCaret(w), text);
}

void TestDokumenter::nytDokumentRemembersChoices()
{
    TestProgramFolder folder;
    {
        Tnewform f;
        f.typeGroup->button(1)->setChecked(true);
        f.scriptRadio->button(2)->setChecked(true);
        clickLater(f.annullerKnap);
        f.exec();
    }
    QStringList lines;
    QVERIFY(core::readLines(folder.path(QStringLiteral("Egenskaber/new.txt")), lines).ok);
    QCOMPARE(lines.size(), 11);
    {
        Tnewform f;
        QCOMPARE(f.type(), 1);
        QCOMPARE(f.script(), 2);
    }
    // A damaged file gives the defaults, not half of its values.
    lines[6] = QStringLiteral("x");
    QVERIFY(core::writeLines(folder.path(QStringLiteral("Egenskaber/new.txt")), lines).ok);
    Tnewform f;
    QCOMPARE(f.type(), 0);
    QCOMPARE(f.script(), 0);
}

void TestDokumenter::fromTemplate_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("windows");
    QTest::newRow("template, ticked") << true << true << "<p>kliche</p>\n" << 1;
    QTest::newRow("template, not ticked") << true << false << "" << 1;
    QTest::newRow("no template") << false << true << "" << 2;
}

void TestDokumenter::fromTemplate()
{
    QFETCH(bool, exists);
    QFETCH(bool, ticked);
    QFETCH(QString, text);
    QFETCH(int, windows);
    TestProgramFolder folder;
    Spy spy;
    QFile::remove(folder.path(QStringLiteral("Klicheer/kliche.xml")));
    if (exists)
        folder.writeFile(QStringLiteral("Klicheer/kliche.xml"), "<p>kliche</p>\r\n");
    Tmainform m;
    m.show();
    Topenform *f = m.openform();
    QCOMPARE(f->rowCount(), 11);   // no type list: the built-in rows
    QTreeWidgetItem *xml = f->filliste->topLevelItem(1);
    QCOMPARE(xml->text(1), QStringLiteral(".xml"));
    xml->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
    f->filliste->setCurrentItem(xml);
    clickLater(f->okKnap);
    m.mFraKliche->trigger();

    QCOMPARE(m.dokumenter().size(), windows);
    Twinform *doc = m.dokumenter().first();
    QCOMPARE(doc->docExt, QStringLiteral(".xml"));
    QCOMPARE(doc->text(), text);
    QVERIFY(doc->Filnavn.isEmpty());
    if (!exists) {
        QVERIFY(QFileInfo::exists(folder.path(QStringLiteral("Klicheer/kliche.xml"))));
        QCOMPARE(m.dokumenter().last()->Filnavn, folder.path(QStringLiteral("Klicheer/kliche.xml")));
        QCOMPARE(spy.boxes.last(), QStringLiteral("Der fandtes ikke nogen kliche til filtypen.\rDen er nu oprettet.\rSkriv klicheen og gem filen."));
    }
}

void TestDokumenter::saveAsProposesIkkeNavngivet()
{
    TestProgramFolder folder;
    Spy spy;
    Tmainform m;
    m.show();
    QDir::setCurrent(folder.path(QStringLiteral("Dokumenter")));
    Twinform *w = m.openwin({}, QStringLiteral(".css"));
    setText(w, QStringLiteral("p {}"));
    spy.names << folder.path(QStringLiteral("Dokumenter/IkkeNavngivet"));
    QVERIFY(m.GemSomDokument(w));
    QCOMPARE(QFileInfo(spy.proposed.first()).fileName(), QStringLiteral("IkkeNavngivet"));
    QCOMPARE(w->Filnavn, folder.path(QStringLiteral("Dokumenter/IkkeNavngivet.css")));
    QCOMPARE(m.tc->tabText(0), QStringLiteral("1. IkkeNavngivet.css"));
    QCOMPARE(w->windowTitle(), QStringLiteral("IkkeNavngivet.css"));
    QCOMPARE(folder.readFile(QStringLiteral("Dokumenter/IkkeNavngivet.css")), QByteArray("p {}\r\n"));
    QVERIFY(!w->isModified());

    // A ".txt" saved under a ".html" name gets the page tool bar.
    Twinform *t = m.openwin({}, QStringLiteral(".txt"));
    QVERIFY(m.GemSom(t, folder.path(QStringLiteral("Dokumenter/side.html"))));
    QVERIFY(!t->toolbarHtml->isHidden());
    QVERIFY(t->toolbarAndet->isHidden());
    QCOMPARE(m.tc->tabText(1), QStringLiteral("2. side.html"));
}

void TestDokumenter::newPageTypedSavedAndReopened()
{
    // Ctrl+H, type, Ctrl+S, save as "side" in a folder, open it again.
    TestProgramFolder folder;
    Spy spy;
    Tmainform m;
    m.show();
    m.AnewHtml->trigger();
    Twinform *w = m.aktivWin();
    QTest::keyClicks(w->Edit->focusProxy(), QStringLiteral("Hej æ"));
    spy.names << folder.path(QStringLiteral("Dokumenter/side"));
    m.FileSave->trigger();
    const QString path = folder.path(QStringLiteral("Dokumenter/side.html"));
    QCOMPARE(w->Filnavn, path);
    QCOMPARE(m.tc->tabText(0), QStringLiteral("1. side.html"));
    QCOMPARE(folder.readFile(QStringLiteral("Dokumenter/side.html")),
             QByteArray("<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<title></title>\r\n</head>\r\n<body>\r\n"
                        "Hej \xE6\r\n</body>\r\n</html>\r\n"));
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Twinform *again = m.openwin(path, {});
    QCOMPARE(again->capNavn, QStringLiteral("2. side.html"));
    QVERIFY(again->text().contains(QStringLiteral("Hej æ")));
    QVERIFY(!again->toolbarHtml->isHidden());
}

void TestDokumenter::overwriteQuestion_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QByteArray>("onDisk");
    QTest::newRow("Ja") << int(Tspmform::Ja) << QByteArray("ny\r\n");
    QTest::newRow("Nej") << int(Tspmform::Nej) << QByteArray("gammel\r\n");
    QTest::newRow("Annuller") << int(Tspmform::Annuller) << QByteArray("gammel\r\n");
}

void TestDokumenter::overwriteQuestion()
{
    QFETCH(int, answer);
    QFETCH(QByteArray, onDisk);
    TestProgramFolder folder;
    Spy spy;
    folder.writeFile(QStringLiteral("findes.txt"), "gammel\r\n");
    Tmainform m;
    m.show();
    Twinform *w = m.openwin({}, QStringLiteral(".txt"));
    setText(w, QStringLiteral("ny"));
    spy.answers << Tspmform::Svar(answer);
    QCOMPARE(m.GemSom(w, folder.path(QStringLiteral("findes.txt"))), answer == Tspmform::Ja);
    QCOMPARE(spy.questions, QStringList{QStringLiteral("Filen findes.txt eksisterer allerede!\rSkal den overskrives?")});
    QCOMPARE(folder.readFile(QStringLiteral("findes.txt")), onDisk);
    QCOMPARE(w->Filnavn.isEmpty(), answer != Tspmform::Ja);
    QCOMPARE(w->isModified(), answer != Tspmform::Ja);
}

void TestDokumenter::savingOverAnotherOpenWindow()
{
    TestProgramFolder folder;
    Spy spy;
    folder.writeFile(QStringLiteral("a.html"), "a\r\n");
    Tmainform m;
    m.show();
    Twinform *other = m.openwin(folder.path(QStringLiteral("a.html")), {});
    setText(other, QStringLiteral("ændret"));
    Twinform *w = m.openwin({}, QStringLiteral(".html"));
    setText(w, QStringLiteral("ny"));

    // "Annuller" in the other window's own question stops the saving.
    spy.answers << Tspmform::Ja << Tspmform::Annuller;
    QVERIFY(!m.GemSom(w, folder.path(QStringLiteral("a.html"))));
    QCOMPARE(m.dokumenter().size(), 2);
    QCOMPARE(folder.readFile(QStringLiteral("a.html")), QByteArray("a\r\n"));

    // "Ja", then "Nej" to the other window's changes: it closes, the file is written.
    spy.answers << Tspmform::Ja << Tspmform::Nej;
    QVERIFY(m.GemSom(w, folder.path(QStringLiteral("a.html"))));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(m.dokumenter(), QList<Twinform *>{w});
    QCOMPARE(folder.readFile(QStringLiteral("a.html")), QByteArray("ny\r\n"));
}

void TestDokumenter::failedWriteKeepsName()
{
    TestProgramFolder folder;
    Spy spy;
    folder.writeFile(QStringLiteral("fil"), "x");
    Tmainform m;
    m.show();
    Twinform *w = m.openwin({}, QStringLiteral(".html"));
    setText(w, QStringLiteral("tekst"));
    QVERIFY(!m.GemSom(w, folder.path(QStringLiteral("fil/umulig.html"))));   // a file as folder
    QVERIFY(spy.boxes.last().startsWith(QStringLiteral("Filen ") + folder.path(QStringLiteral("fil/umulig.html"))));
    QVERIFY2(spy.boxes.last().endsWith(QStringLiteral("En del af stien er ikke en mappe.")), qPrintable(spy.boxes.last()));
    QVERIFY(w->Filnavn.isEmpty());
    QCOMPARE(w->capNavn, QStringLiteral("Html dokument: 1"));
    QCOMPARE(m.tc->tabText(0), QStringLiteral("Html dokument: 1"));
    QCOMPARE(w->docExt, QStringLiteral(".html"));
    QVERIFY(w->isModified());
}

void TestDokumenter::charactersOutsideTheEncoding_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QByteArray>("onDisk");
    QTest::newRow("euro fits") << "5 €" << -1 << QByteArray("5 \x80\r\n");
    QTest::newRow("greek, Ja") << "α" << int(Tspmform::Ja) << QByteArray("\xEF\xBB\xBF\xCE\xB1\r\n");
    QTest::newRow("emoji, Nej") << "😀" << int(Tspmform::Nej) << QByteArray("gammel\r\n");
}

void TestDokumenter::charactersOutsideTheEncoding()
{
    QFETCH(QString, text);
    QFETCH(int, answer);
    QFETCH(QByteArray, onDisk);
    TestProgramFolder folder;
    Spy spy;
    folder.writeFile(QStringLiteral("side.html"), "gammel\r\n");
    Tmainform m;
    m.show();
    Twinform *w = m.openwin(folder.path(QStringLiteral("side.html")), {});
    setText(w, text);
    if (answer >= 0)
        spy.answers << Tspmform::Svar(answer);
    QCOMPARE(m.Gem(w), answer != Tspmform::Nej);
    QCOMPARE(spy.questions.size(), answer >= 0 ? 1 : 0);
    QCOMPARE(folder.readFile(QStringLiteral("side.html")), onDisk);
    QCOMPARE(w->isModified(), answer == Tspmform::Nej);
    if (answer == Tspmform::Ja)
        QCOMPARE(w->encoding, core::Encoding::Utf8Bom);
    // The status bar says what the file now is.
    QCOMPARE(w->findChild<QLabel *>(QStringLiteral("kodningFelt"))->text(),
             core::encodingName(w->encoding) + QStringLiteral("   CR LF"));
}

void TestDokumenter::fileSaveFollowsModifiedFlag()
{
    TestProgramFolder folder;
    Spy spy;
    folder.writeFile(QStringLiteral("a.txt"), "a\n");   // LF: saving writes CR LF
    Tmainform m;
    m.show();
    QVERIFY(!m.FileSave->isEnabled());
    QVERIFY(!m.FileSaveAs->isEnabled());
    Twinform *w = m.openwin(folder.path(QStringLiteral("a.txt")), {});
    QVERIFY(!m.FileSave->isEnabled());
    QVERIFY(m.FileSaveAs->isEnabled());
    QLabel *kodning = w->findChild<QLabel *>(QStringLiteral("kodningFelt"));
    QCOMPARE(kodning->text(), QStringLiteral("Windows-1252   LF"));
    w->Edit->setFocus();
    QTest::keyClicks(w->Edit->focusProxy(), QStringLiteral("b"));
    QVERIFY(m.FileSave->isEnabled());
    m.FileSave->trigger();
    QVERIFY(!m.FileSave->isEnabled());
    QCOMPARE(folder.readFile(QStringLiteral("a.txt")), QByteArray("ba\r\n"));
    QCOMPARE(kodning->text(), QStringLiteral("Windows-1252   CR LF"));
    QVERIFY(spy.questions.isEmpty());   // saving under its own name asks nothing
}

void TestDokumenter::everyWayOfOpeningTypesIntoTheNewPage_data()
{
    QTest::addColumn<QString>("way");
    for (const char *way : {"command line", "Ctrl+H", "Ctrl+N", "Ctrl+O", "Nyt dokument", "Fra kliche", "tab click",
                            "Vindue menu", "closing another"})
        QTest::newRow(way) << QString::fromLatin1(way);
}

// However a document is opened or brought forward, it is the active window with its tab
// selected, and real key presses land in its text at once.
void TestDokumenter::everyWayOfOpeningTypesIntoTheNewPage()
{
    QFETCH(QString, way);
    TestProgramFolder folder;
    Spy spy;
    folder.writeFile(QStringLiteral("side.html"), "<p>side</p>\r\n");
    folder.writeFile(QStringLiteral("Klicheer/kliche.xml"), "<p>kliche</p>\r\n");
    const QString side = folder.path(QStringLiteral("side.html"));
    Tmainform m(way == QLatin1String("command line") ? QStringList{side} : QStringList{});
    m.show();
    QVERIFY(QTest::qWaitForWindowActive(&m));
    auto press = [](Qt::Key key, Qt::KeyboardModifiers mods = Qt::ControlModifier) {
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
        QTest::keyClick(target, key, mods);
    };
    if (way == QLatin1String("command line"))
        QTRY_COMPARE(m.dokumenter().size(), 1);
    if (way != QLatin1String("command line")) {
        m.openwin({}, QStringLiteral(".txt"));   // the document that had the keyboard before
        m.openwin({}, QStringLiteral(".css"));
    }
    if (way == QLatin1String("Ctrl+H")) {
        press(Qt::Key_H);
    } else if (way == QLatin1String("Ctrl+N")) {
        press(Qt::Key_N);
    } else if (way == QLatin1String("Ctrl+O")) {
        spy.names << side;
        press(Qt::Key_O);
    } else if (way == QLatin1String("Nyt dokument")) {
        clickLater(m.newform()->udskrivKnap);
        m.AnewDokument->trigger();
    } else if (way == QLatin1String("Fra kliche")) {
        m.openform()->filliste->setCurrentItem(m.openform()->filliste->topLevelItem(1));
        clickLater(m.openform()->okKnap);
        m.mFraKliche->trigger();
    } else if (way == QLatin1String("tab click")) {
        QTest::mouseClick(m.tc, Qt::LeftButton, {}, m.tc->tabRect(0).center());
    } else if (way == QLatin1String("Vindue menu")) {
        m.mdi->activatePreviousSubWindow();
    } else if (way == QLatin1String("closing another")) {
        press(Qt::Key_L);
    }
    QCoreApplication::processEvents();

    const bool first = way == QLatin1String("tab click") || way == QLatin1String("Vindue menu")
        || way == QLatin1String("closing another");
    Twinform *expected = first ? m.dokumenter().first() : m.dokumenter().last();
    QCOMPARE(m.aktivWin(), expected);
    QCOMPARE(m.tc->tabText(m.tc->currentIndex()), expected->capNavn);
    QVERIFY(QApplication::focusWidget());
    QVERIFY(expected->Edit->isAncestorOf(QApplication::focusWidget()));
    const QString before = expected->text();
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("zq"));
    QCOMPARE(expected->text().size(), before.size() + 2);
    QVERIFY(expected->text().contains(QStringLiteral("zq")));
    press(Qt::Key_End);
    QCOMPARE(expected->Edit->caretPos(), expected->Edit->length());
}

void TestDokumenter::normaliserMaske_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("mask");
    QTest::newRow("bare") << "html" << "*.html";
    QTest::newRow("point") << ".html" << "*.html";
    QTest::newRow("star") << "*.html" << "*.html";
    QTest::newRow("all") << "*.*" << "*.*";
    QTest::newRow("two points") << "side.min.css" << "*.css";
}

void TestDokumenter::normaliserMaske()
{
    QFETCH(QString, input);
    QFETCH(QString, mask);
    QCOMPARE(shell::normaliserMaske(input), mask);
}

void TestDokumenter::filterAndChooser()
{
    const QList<shell::Filtype> typer = shell::filtyperFraListe(
        {"Tekst", "*.txt", "0", "Hjemmeside", "*.html", "1", "Alle", "*.*", "1", "ufuldendt", "*.x"});
    QCOMPARE(typer.size(), 3);
    const auto entries = shell::filterEntries(typer);
    QCOMPARE(shell::filterTekst(entries), QStringLiteral("Hjemmeside (*.html)|*.html|Alle (*.*)|*.*"));
    QCOMPARE(shell::vaelgerRaekker(typer), (QList<shell::Filtype>{{"Hjemmeside", "*.html", false}}));
    QVERIFY(shell::erTekstfil(typer, QStringLiteral(".HTML")));
    QVERIFY(shell::erTekstfil(typer, QStringLiteral(".txt")));   // listed, even when not in use
    QVERIFY(!shell::erTekstfil(typer, QStringLiteral(".php")));
    QVERIFY(!shell::erTekstfil({}, QStringLiteral(".html")));
}

void TestDokumenter::typeDialog()
{
    TestProgramFolder folder;
    Spy spy;
    folder.writeFile(QStringLiteral("Egenskaber/typeliste.txt"), "Hjemmeside\r\n*.html\r\n1\r\nTekst\r\n*.txt\r\n0\r\n");
    Tmainform m;
    QCOMPARE(shell::filterTekst(m.filterListe), QStringLiteral("Hjemmeside (*.html)|*.html"));
    Ttypeform *f = m.typeform();
    QCOMPARE(f->typeliste->topLevelItemCount(), 2);

    f->typeliste->clearSelection();
    f->typeliste->setCurrentItem(nullptr);
    f->deleteClick();
    QCOMPARE(spy.boxes.last(), QStringLiteral("Der er ikke valgt en filtype!"));

    f->tekstedit->setText(QStringLiteral("Stylesheet"));
    f->insertClick();   // no type: nothing
    QCOMPARE(f->typeliste->topLevelItemCount(), 2);
    f->typeedit->setText(QStringLiteral(".css"));
    f->insertClick();
    QCOMPARE(f->rows().last(), (shell::Filtype{"Stylesheet", "*.css", true}));
    QVERIFY(f->tekstedit->text().isEmpty() && f->typeedit->text().isEmpty());

    f->typeliste->setCurrentItem(f->typeliste->topLevelItem(2));
    QVERIFY(!f->Aned->isEnabled());
    f->AopExecute();
    QCOMPARE(f->rows()[1].maske, QStringLiteral("*.css"));
    f->typeliste->setCurrentItem(f->typeliste->topLevelItem(0));
    QVERIFY(!f->Aop->isEnabled());
    spy.answers << Tspmform::Ja;
    f->deleteClick();
    QCOMPARE(spy.questions.last(), QStringLiteral("Skal filtypen:\rHjemmeside\rslettes permanent?"));
    QVERIFY(f->isItTextfile(QStringLiteral(".CSS")));
    QVERIFY(!f->isItTextfile(QStringLiteral(".html")));

    m.openform();
    f->saveknap->click();
    QStringList lines;
    QVERIFY(core::readLines(folder.path(QStringLiteral("Egenskaber/typeliste.txt")), lines).ok);
    QCOMPARE(lines, (QStringList{"Stylesheet", "*.css", "1", "Tekst", "*.txt", "0"}));
    QCOMPARE(shell::filterTekst(m.filterListe), QStringLiteral("Stylesheet (*.css)|*.css"));
    QCOMPARE(m.openform()->rowCount(), 1);

    // All types unticked: an empty filter and an empty chooser.
    m.GemTypeliste({{"Stylesheet", "*.css", false}});
    QVERIFY(m.filterListe.isEmpty());
    QCOMPARE(m.openform()->rowCount(), 0);
}

QTEST_MAIN(TestDokumenter)
#include "tst_dokumenter.moc"
