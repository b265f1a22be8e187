// The information browser with the real pane: HelpInfo, the information keys, the visited
// pages, the search tab and window, and the pane's refusal to reach the network by itself.

#include "editor/editor.h"
#include "filemanager/filpanel.h"
#include "information/findinfoform.h"
#include "information/informationform.h"
#include "information/struktur.h"
#include "information/urlform.h"
#include "information/webrude.h"
#include "platform/infobox.h"
#include "shell/mainform.h"
#include "shell/winform.h"
#include "testsupport/testenv.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QListWidget>
#include <QOpenGLContext>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTcpServer>
#include <QTreeWidget>
#include <QtTest>
#include <QClipboard>
#include <QGuiApplication>
#include <QTemporaryDir>

namespace {

QByteArray side(const char *titel, const QByteArray &krop = {})
{
    return QByteArray("<!DOCTYPE html><html><head><title>") + titel + "</title></head><body><p>" + titel + "</p>"
         + krop + "</body></html>\r\n";
}

// Writes a structure under Struktur/<navn>: lines "depth|title|page".
void struktur(const TestProgramFolder &f, const QString &navn, const QStringList &noder)
{
    QByteArray s, d;
    for (const QString &n : noder) {
        const QStringList p = n.split(u'|');
        s += QByteArray(p[0].toInt(), '\t') + p[1].toUtf8() + "\r\n";
        d += "0" + p[2].toUtf8() + "\r\n";
        if (!p[2].isEmpty())
            f.writeFile(QStringLiteral("Struktur/%1/tekstfiler/%2.html").arg(navn, p[2]), side(p[1].toUtf8().constData()));
    }
    f.writeFile(QStringLiteral("Struktur/%1/struktur.txt").arg(navn), s);
    f.writeFile(QStringLiteral("Struktur/%1/data.txt").arg(navn), d);
}

bool venterPaa(Tinfoform *info, const QString &navn)
{
    return QTest::qWaitFor([&] { return info->Edit->text() == navn && info->webRude()
                                        && info->webRude()->adresse().fileName() == navn; }, 20000);
}

} // namespace

class TestInformationForm : public QObject {
    Q_OBJECT
    QStringList boxes;
    std::unique_ptr<TestProgramFolder> folder;
    std::unique_ptr<Tmainform> main;

private slots:
    void initTestCase()
    {
        platform::setInfoBoxHandler([this](const QString &t) { boxes << t; });
        folder = std::make_unique<TestProgramFolder>();
        struktur(*folder, "Information", {"0|HTML koder|forside", "1|a|a", "1|table|table", "1|style|style-attribut",
                                          "0|Tabeller|tabeller", "1|table|table2", "1|tr|tr"});
        struktur(*folder, "CSS", {"0|CSS|css", "1|color|color", "1|margin|margin"});
        struktur(*folder, "JavaScript", {"0|JavaScript|js", "1|getElementById|getelementbyid"});
        folder->writeFile("Struktur/Information/tekstfiler/fjern.html",
                          side("fjern", "<img src=\"http://127.0.0.1:PORT/x.png\"><link rel=stylesheet href=\"http://127.0.0.1:PORT/s.css\">"
                                        "<script src=\"http://127.0.0.1:PORT/s.js\"></script><iframe src=\"http://127.0.0.1:PORT/f\"></iframe>"));
        folder->writeFile("Struktur/Information/tekstfiler/uden-titel.html", side("Tabel"));
    }
    void cleanupTestCase()
    {
        main.reset();
        platform::setInfoBoxHandler({});
    }

    // Starting and quitting shows no page and never loads the engine.
    void startupLeavesEngineAlone()
    {
        main = std::make_unique<Tmainform>();
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
        QCoreApplication::processEvents();
        QVERIFY(!information::webMotorIndlaest());
        QVERIFY(!QOpenGLContext::globalShareContext());
        QVERIFY(!main->harInfoform());
    }

    void helpInfoShowsPage()
    {
        main->HelpInfo(QStringLiteral("Information.txt"), QStringLiteral("TABLE"));
        Tinfoform *info = main->infoform();
        QVERIFY2(info->webRude(), qPrintable(info->webFejl()));
        // The engine draws through the context the windows share; it is made with the engine.
        QVERIFY(QOpenGLContext::globalShareContext());
        QVERIFY(info->isVisible());
        QCOMPARE(info->strukturnavn, QStringLiteral("Information"));
        QCOMPARE(info->windowTitle(), QStringLiteral("Information"));
        QVERIFY(venterPaa(info, QStringLiteral("table.html")));
        QCOMPARE(info->Struktur->currentItem()->text(0), QStringLiteral("table"));
        // The second "table" follows, then the first again.
        main->HelpInfo(QStringLiteral("Information.txt"), QStringLiteral("table"));
        QVERIFY(venterPaa(info, QStringLiteral("table2.html")));
        main->HelpInfo(QStringLiteral("Information"), QStringLiteral("table"));
        QVERIFY(venterPaa(info, QStringLiteral("table.html")));
        // No title: the first entry; an unknown title: the first entry too.
        main->HelpInfo(QStringLiteral("Information.txt"), QString());
        QVERIFY(venterPaa(info, QStringLiteral("forside.html")));
        main->HelpInfo(QStringLiteral("Information.txt"), QStringLiteral("findes-ikke"));
        QCOMPARE(info->Struktur->currentItem()->text(0), QStringLiteral("HTML koder"));
        QCOMPARE(info->besoegte.liste, (QStringList{"table.html", "table2.html", "table.html", "forside.html"}));
        // A missing structure keeps the one shown.
        boxes.clear();
        main->HelpInfo(QStringLiteral("Mangler.txt"), QString());
        QCOMPARE(boxes, QStringList{"Strukturen blev ikke fundet!"});
        QCOMPARE(info->strukturnavn, QStringLiteral("Information"));
    }

    void visitedPagesThroughThePane()
    {
        Tinfoform *info = main->infoform();
        main->HelpInfo(QStringLiteral("CSS.txt"), QStringLiteral("css"));   // another structure: a new list
        QVERIFY(venterPaa(info, QStringLiteral("css.html")));
        QCOMPARE(info->besoegte.liste, QStringList{"css.html"});
        main->HelpInfo(QStringLiteral("CSS.txt"), QStringLiteral("color"));
        QVERIFY(venterPaa(info, QStringLiteral("color.html")));
        main->HelpInfo(QStringLiteral("CSS.txt"), QStringLiteral("margin"));
        QVERIFY(venterPaa(info, QStringLiteral("margin.html")));
        info->Aback->trigger();
        QVERIFY(venterPaa(info, QStringLiteral("color.html")));
        info->Afirst->trigger();
        QVERIFY(venterPaa(info, QStringLiteral("css.html")));
        QCOMPARE(info->besoegte.urlIndex, 0);
        QCOMPARE(info->Struktur->currentItem()->text(0), QStringLiteral("CSS"));
        QVERIFY(!info->Afirst->isEnabled() && !info->Aback->isEnabled() && info->Alast->isEnabled());
        info->Edit->setText(QStringLiteral("margin"));   // the address field: a page name
        info->Ago->trigger();
        QVERIFY(venterPaa(info, QStringLiteral("margin.html")));
        QCOMPARE(info->besoegte.liste, (QStringList{"css.html", "margin.html", "color.html", "margin.html"}));
        QCOMPARE(info->besoegte.urlIndex, 1);
        // The list window shows the same and cleans it.
        Turlform *u = info->urlform();
        QCOMPARE(u->urlListe->count(), 4);
        QCOMPARE(u->urlListe->currentRow(), 1);
        u->ArensDobbelt->trigger();
        QCOMPARE(info->besoegte.liste, (QStringList{"css.html", "margin.html", "color.html"}));
        QCOMPARE(u->infoBar->currentMessage(), QStringLiteral("Der blev slettet 1 dobbeltgænger"));
        u->AsletAlle->trigger();
        QCOMPARE(u->urlListe->count(), 0);
        QVERIFY(!u->AsletAlle->isEnabled());
        // Esc closes the box.
        u->show();
        u->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(u));
        QApplication::setActiveWindow(u);
        u->urlListe->setFocus();
        QTest::keyClick(u->urlListe, Qt::Key_Escape);
        QTRY_VERIFY(!u->isVisible());
    }

    void localPagesNeverReachTheNetwork()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        int forbindelser = 0;
        connect(&server, &QTcpServer::newConnection, this, [&] { ++forbindelser; server.nextPendingConnection()->close(); });
        const QString fil = folder->path("Struktur/Information/tekstfiler/fjern.html");
        folder->writeFile("Struktur/Information/tekstfiler/fjern.html",
                          folder->readFile("Struktur/Information/tekstfiler/fjern.html")
                              .replace("PORT", QByteArray::number(server.serverPort())));
        Tinfoform *info = main->infoform();
        main->HelpInfo(QStringLiteral("Information.txt"), QString());
        info->Edit->setText(QStringLiteral("fjern"));
        info->Ago->trigger();
        QVERIFY(venterPaa(info, QStringLiteral("fjern.html")));
        QTest::qWait(500);
        QCOMPARE(forbindelser, 0);
        Q_UNUSED(fil);
    }

    // The program's own reference pages may copy to the clipboard (their "Kopier" buttons);
    // a page from elsewhere shown in the same pane may not.
    void onlyOwnPagesWriteTheClipboard()
    {
        const QByteArray kopi = "<script>addEventListener('load',function(){var t=document.createElement('textarea');"
                                "t.value=document.title+'-kopieret';document.body.appendChild(t);t.select();"
                                "document.execCommand('copy');document.title+='-faerdig';});</script>";
        folder->writeFile("Struktur/Information/tekstfiler/kopi.html", side("egen", kopi));
        QTemporaryDir andetSted;
        QFile fremmed(andetSted.filePath(QStringLiteral("fremmed.html")));
        QVERIFY(fremmed.open(QIODevice::WriteOnly));
        fremmed.write(side("fremmed", kopi));
        fremmed.close();

        Tinfoform *info = main->infoform();
        main->HelpInfo(QStringLiteral("Information.txt"), QString());
        QGuiApplication::clipboard()->setText(QStringLiteral("uændret"));
        info->webRude()->visAdresse(QUrl::fromLocalFile(fremmed.fileName()));
        QVERIFY(QTest::qWaitFor([&] { return info->webRude()->adresse().fileName() == u"fremmed.html"; }, 20000));
        QTest::qWait(1000);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("uændret"));

        info->Edit->setText(QStringLiteral("kopi"));
        info->Ago->trigger();
        QVERIFY(venterPaa(info, QStringLiteral("kopi.html")));
        QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::clipboard()->text(), QStringLiteral("egen-kopieret"), 20000);
    }

    void ownPagesReadOnlyTheStructures()
    {
        // A page among the structures reads a file beside it, and nothing outside them: not
        // by a file address, not past the structures' folder with "..", not the settings.
        // It reports in its address, which the pane gives as the file's.
        folder->writeFile("Struktur/Information/tekstfiler/nabo.txt", "NABO");
        folder->writeFile("hemmelig.txt", "HEMMELIG");
        const QString fremmed = QUrl::fromLocalFile(folder->path("hemmelig.txt")).toString();
        const QByteArray laes = QStringLiteral(
            "<script>function laes(u){try{var x=new XMLHttpRequest();x.open('GET',u,false);x.send();"
            "return x.status==200?x.responseText.trim():'-';}catch(e){return '-';}}"
            "location.hash=[laes('nabo.txt'),laes('%1'),laes('../../../hemmelig.txt'),laes('/../../../hemmelig.txt')].join('.');"
            "</script>").arg(fremmed).toUtf8();
        folder->writeFile("Struktur/Information/tekstfiler/laes.html", side("laes", laes));
        Tinfoform *info = main->infoform();
        main->HelpInfo(QStringLiteral("Information.txt"), QString());
        info->Edit->setText(QStringLiteral("laes"));
        info->Ago->trigger();
        QVERIFY(venterPaa(info, QStringLiteral("laes.html")));
        QTRY_COMPARE_WITH_TIMEOUT(info->webRude()->adresse().fragment(), QStringLiteral("NABO.-.-.-"), 20000);
        QCOMPARE(info->webRude()->adresse().toLocalFile(), folder->path("Struktur/Information/tekstfiler/laes.html"));
    }

    void informationKeys()
    {
        Tinfoform *info = main->infoform();
        main->HelpInfo(QStringLiteral("CSS.txt"), QString());
        Twinform *w = main->openwin(QString(), QStringLiteral(".html"));
        QVERIFY(w);
        w->Edit->setText(QStringLiteral("<body>\n<table>\n<tr><td>x</td></tr>\n</table>\n</body>"));
        w->Edit->setCaretPos(15);   // just after <table>
        main->Ainformation->trigger();
        QCOMPARE(info->strukturnavn, QStringLiteral("Information"));
        QCOMPARE(info->Struktur->currentItem()->text(0), QStringLiteral("table"));
        QVERIFY(venterPaa(info, QStringLiteral("table.html")));
        QCOMPARE(w->getTekst(), QStringLiteral("table"));
        // In a style attribute's value: the entry "style"; between style tags: the CSS structure.
        w->Edit->setText(QStringLiteral("<p style=\"color: red\">x</p>\n<style>\nmargin: 0;\n</style>"));
        w->Edit->setCaretPos(12);
        main->Ainformation->trigger();
        QCOMPARE(info->Struktur->currentItem()->text(0), QStringLiteral("style"));
        w->Edit->setCaretPos(38);   // on "margin" between the style tags
        main->Ainformation->trigger();
        QCOMPARE(info->strukturnavn, QStringLiteral("CSS"));
        QCOMPARE(info->Struktur->currentItem()->text(0), QStringLiteral("margin"));
        // JavaScript: a word spelt in other capitals is found and its spelling shown.
        w->Edit->setText(QStringLiteral("document.getelementbyid('x');"));
        w->Edit->setCaretPos(12);
        boxes.clear();
        main->AjsInformation->trigger();
        QCOMPARE(info->strukturnavn, QStringLiteral("JavaScript"));
        QCOMPARE(info->Struktur->currentItem()->text(0), QStringLiteral("getElementById"));
        QCOMPARE(boxes, QStringList{QStringLiteral("Der er en syntaksfejl.") + QString(13, u' ')
                                    + QStringLiteral("\r\rgetelementbyid\rgetElementById")});
        w->Edit->setModified(false);
        w->close();
    }

    void searchTab()
    {
        Tinfoform *info = main->infoform();
        main->HelpInfo(QStringLiteral("Information.txt"), QString());
        info->EditFind->setText(QStringLiteral("TABLE"));
        info->aSearch->trigger();
        QStringList fund;
        for (int i = 0; i < info->FindisBox->count(); ++i)
            fund << info->FindisBox->item(i)->text();
        QCOMPARE(fund, (QStringList{"table", "table2"}));
        QCOMPARE(info->infoBar->currentMessage(), QStringLiteral("Der blev fundet 2 sider."));
        info->EditFind->setText(QStringLiteral("tabel"));
        info->aSearch->trigger();
        QCOMPARE(info->infoBar->currentMessage(), QStringLiteral("Der blev fundet 1 side."));
        info->EditFind->setText(QStringLiteral("intet"));
        info->aSearch->trigger();
        QCOMPARE(info->infoBar->currentMessage(), QStringLiteral("Der blev ikke fundet forekomster."));
    }

    void searchWindow()
    {
        Tinfoform *info = main->infoform();
        main->HelpInfo(QStringLiteral("CSS.txt"), QString());
        info->tbSearchFiles->click();
        Tfindinfoform *f = info->findinfoform();
        QVERIFY(f->isVisible());
        QCOMPARE(f->valgtStruktur(), 1);   // CSS preselected
        f->vaelgStruktur(0);
        f->EditFind->setEditText(QStringLiteral("tr"));
        f->AfindBib->trigger();
        QVERIFY(f->heleOrd->isChecked());   // two letters: whole words only
        QCOMPARE(f->findis->topLevelItemCount(), 1);
        QCOMPARE(f->countdis->text(), QStringLiteral("1"));
        f->EditFind->setEditText(QStringLiteral("Tabel"));
        f->AfindBib->trigger();
        QCOMPARE(f->findis->topLevelItemCount(), 1);
        QCOMPARE(f->EditFind->count(), 2);
        // A page without an entry of its title still opens, through the address field.
        f->findis->setCurrentItem(f->findis->topLevelItem(0));
        QCOMPARE(f->findis->currentItem()->text(0), QStringLiteral("uden-titel"));
        f->AvisValgte->trigger();
        QVERIFY(venterPaa(info, QStringLiteral("uden-titel.html")));
        f->AsletAlt->trigger();
        QCOMPARE(f->countdis->text(), QStringLiteral("0"));
        QVERIFY(f->EditFind->currentText().isEmpty());
        f->close();
    }

    void editModeOpensPages()
    {
        Tinfoform *info = main->infoform();
        main->HelpInfo(QStringLiteral("CSS.txt"), QStringLiteral("color"));
        QVERIFY(venterPaa(info, QStringLiteral("color.html")));
        info->redigerCheck->setChecked(true);
        main->Afilpanel->trigger();   // the file panel shown follows the edited page's folder
        QVERIFY(main->filpanel()->isVisible());
        main->HelpInfo(QStringLiteral("CSS.txt"), QStringLiteral("margin"));
        QVERIFY(venterPaa(info, QStringLiteral("margin.html")));
        QVERIFY(main->vinduePaaFil(folder->path("Struktur/CSS/tekstfiler/margin.html")));
        QCOMPARE(QDir(main->filPanelMappe()), QDir(folder->path("Struktur/CSS/tekstfiler")));
        // Saving the edited page shows it again.
        Twinform *side = main->vinduePaaFil(folder->path("Struktur/CSS/tekstfiler/margin.html"));
        QCOMPARE(main->aktivWin(), side);
        side->Edit->replaceRange(0, 0, QStringLiteral("<!-- rettet -->"));
        QSignalSpy vist(info, &Tinfoform::sideVist);
        main->FileSave->trigger();
        QVERIFY(!side->isModified());
        QVERIFY(vist.wait(20000));
        main->HelpInfo(QStringLiteral("CSS.txt"), QStringLiteral("color"));
        QVERIFY(venterPaa(info, QStringLiteral("color.html")));
        QVERIFY(!main->vinduePaaFil(folder->path("Struktur/CSS/tekstfiler/margin.html")));
        QVERIFY(main->vinduePaaFil(folder->path("Struktur/CSS/tekstfiler/color.html")));
        // Closing the browser ends edit mode and keeps its place.
        info->close();
        QVERIFY(!info->redigerCheck->isChecked() && !info->redigerStrukturDokument);
        QVERIFY(QFile::exists(folder->path("Egenskaber/information.txt")));
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    TestInformationForm t;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&t, argc, argv);
}
#include "tst_informationform.moc"
