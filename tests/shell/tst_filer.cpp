// Recent files and folders, and opening and saving through the program's file browser.

#include "filemanager/filinfo.h"
#include "filemanager/filpanel.h"
#include "filemanager/openfilform.h"
#include "platform/infobox.h"
#include "platform/papirkurv.h"
#include "shell/mainform.h"
#include "shell/reopenfiler.h"
#include "shell/spmform.h"
#include "shell/winform.h"
#include "testsupport/testenv.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {
void skriv(const QString &path, const QByteArray &data = "x")
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

QStringList stier(const TReopenFiler &r)
{
    QStringList s;
    for (const TReopenRec &e : r.Ropen)
        s << e.Filnavn;
    return s;
}
}

class TestFiler : public QObject {
    Q_OBJECT
private slots:
    void insertKeepsOrderWithoutDuplicates();
    void listFileRoundTripAndDamage_data();
    void listFileRoundTripAndDamage();
    void clickOnMissingEntryRemovesIt();
    void captions_data();
    void captions();
    void closingRecordsWhenAutomatic();
    void openAndSaveThroughTheBrowser();
    void filePanelCopyKeepsExistingFiles();
    void nameThatIsNoTextIsRefused();
};

void TestFiler::insertKeepsOrderWithoutDuplicates()
{
    QTemporaryDir d;
    TReopenFiler r;
    QStringList filer;
    for (int i = 0; i < 11; ++i) {
        filer << d.filePath(QStringLiteral("f%1.html").arg(i));
        skriv(filer.last());
        r.InsertItem(filer.last(), QStringLiteral(" f%1.html").arg(i));
    }
    QCOMPARE(r.Antal(), 10);
    QCOMPARE(r.Ropen.first().Filnavn, filer[10]);
    QCOMPARE(r.Ropen.last().Filnavn, filer[1]);
    r.InsertItem(filer[5], QStringLiteral(" f5.html"));
    QCOMPARE(r.Antal(), 10);
    QCOMPARE(r.Ropen.first().Filnavn, filer[5]);
    QCOMPARE(stier(r).count(filer[5]), 1);
    // A missing file is not recorded; folders are taken as given, with or without "/".
    r.InsertItem(d.filePath(QStringLiteral("ingen.html")), QStringLiteral("x"));
    QCOMPARE(r.Ropen.first().Filnavn, filer[5]);
    TReopenFiler m;
    m.Itemtype = TItemtype::itBibliotek;
    m.InsertItem(d.path(), QStringLiteral("a"));
    m.InsertItem(d.path() + u'/', QStringLiteral("a"));
    QCOMPARE(m.Antal(), 2);
    m.DeleteItem(d.path());
    QCOMPARE(stier(m), QStringList{d.path() + u'/'});
}

void TestFiler::listFileRoundTripAndDamage_data()
{
    QTest::addColumn<QByteArray>("indhold");
    QTest::addColumn<int>("filantal");
    QTest::addColumn<QStringList>("forventet");
    QTest::newRow("kun første linje") << QByteArray("7\r\n") << 10 << QStringList{};
    QTest::newRow("for mange lovet") << QByteArray("10\r\n5\r\n a\r\n/a\r\n b\r\n/b\r\n") << 10 << QStringList{"/a", "/b"};
    QTest::newRow("ikke tal") << QByteArray("ti\r\nfem\r\n") << 10 << QStringList{};
    QTest::newRow("mindre maksimum") << QByteArray("1\r\n2\r\n a\r\n/a\r\n b\r\n/b\r\n") << 1 << QStringList{"/a"};
}

void TestFiler::listFileRoundTripAndDamage()
{
    QFETCH(QByteArray, indhold);
    QFETCH(int, filantal);
    QFETCH(QStringList, forventet);
    QTemporaryDir d;
    TReopenFiler r;
    r.Itemfile = d.filePath(QStringLiteral("reopen.txt"));
    skriv(r.Itemfile, indhold);
    r.HentReopenFiler();
    QCOMPARE(r.Filantal, filantal);
    QCOMPARE(stier(r), forventet);
    // Written and read again, the list is the same.
    QVERIFY(r.GemReopenFiler());
    TReopenFiler s;
    s.Itemfile = r.Itemfile;
    s.HentReopenFiler();
    QCOMPARE(s.Filantal, r.Filantal);
    QCOMPARE(stier(s), stier(r));
}

void TestFiler::clickOnMissingEntryRemovesIt()
{
    QTemporaryDir d;
    const QString fil = d.filePath(QStringLiteral("a.html"));
    skriv(fil);
    TReopenFiler r;
    QMenu menu;
    menu.addAction(QStringLiteral("Filer"));
    menu.addSeparator();
    r.MainItem = &menu;
    r.MenuStartNr = 2;
    r.MedMenuStreg = true;
    r.DeleteItemCap = QStringLiteral("Slet listen");
    r.InsertItem(fil, QStringLiteral(" a.html"));
    r.MakeMenu();
    QCOMPARE(menu.actions().size(), 5);   // title, separator, entry, separator, "Slet listen"
    QStringList klik;
    connect(&r, &TReopenFiler::OnKlik, this, [&](QAction *, const QString &f) { klik << f; });
    QFile::remove(fil);
    menu.actions().at(2)->trigger();
    QCOMPARE(klik, QStringList{QString()});
    QCOMPARE(r.Antal(), 0);
    menu.actions().last()->trigger();
    r.MakeMenu();
    QCOMPARE(menu.actions().size(), 2);
}

void TestFiler::captions_data()
{
    QTest::addColumn<QString>("ind");
    QTest::addColumn<QString>("ud");
    QTest::newRow("fil") << "3. index.html" << " index.html";
    QTest::newRow("to cifre") << "12. side2.html" << " side2.html";
}

void TestFiler::captions()
{
    QFETCH(QString, ind);
    QFETCH(QString, ud);
    QCOMPARE(filCaption(ind), ud);
    QTemporaryDir d;
    QDir(d.path()).mkpath(QStringLiteral("web/v1.2"));
    QCOMPARE(GetBibliotek(d.filePath(QStringLiteral("web/index.html"))), QStringLiteral("web"));
    QCOMPARE(GetBibliotek(d.filePath(QStringLiteral("web/v1.2"))), QStringLiteral("web"));
    QCOMPARE(GetBibliotek(d.filePath(QStringLiteral("web/")) ), QStringLiteral("web"));
    QCOMPARE(GetBibliotek(d.filePath(QStringLiteral("ingen/"))), QString());
    QCOMPARE(GetBibliotek(QStringLiteral("/")), QStringLiteral("/"));
}

void TestFiler::closingRecordsWhenAutomatic()
{
    TestProgramFolder folder;
    QTemporaryDir d;
    const QString fil = d.filePath(QStringLiteral("side.html"));
    skriv(fil, "<p>");
    {
        Tmainform m;
        m.autoSenesteFM = true;
        Twinform *w = m.openwin(fil, QStringLiteral(".html"));
        QVERIFY(w);
        QVERIFY(m.lukDokument(w));
        QCOMPARE(stier(*m.ReopenFiler), QStringList{fil});
        QCOMPARE(m.ReopenFiler->Ropen.first().Caption, QStringLiteral(" side.html"));
        QCOMPARE(stier(*m.ReopenDir), QStringList{d.path() + u'/'});
        m.close();
    }
    // Written at close, read at the next start.
    Tmainform m2;
    QCOMPARE(stier(*m2.ReopenFiler), QStringList{fil});
    m2.MReopen->popup(QPoint());   // opening the submenu builds its entries
    QTRY_VERIFY(m2.MReopen->actions().size() >= 3);
    QCOMPARE(m2.MReopen->actions().at(0)->text(), QStringLiteral("Filliste"));
    m2.MReopen->hide();
}

void TestFiler::openAndSaveThroughTheBrowser()
{
    TestProgramFolder folder;
    QTemporaryDir d;
    const QString fil = d.filePath(QStringLiteral("side.html"));
    skriv(fil, "<p>hej</p>\r\n");
    QStringList spoergsmaal;
    Tspmform::setTestHandler([&](const QString &q) { spoergsmaal << q; return Tspmform::Ja; });
    QStringList bokse;
    platform::setInfoBoxHandler([&](const QString &t) { bokse << t; });
    Tmainform m;
    m.show();
    bokse.clear();   // the start-up note about the missing data files of this bare folder
    m.FileOpen->trigger();
    Topenfilform *f = m.openfilform();
    QVERIFY(f->isVisible());
    QCOMPARE(f->windowTitle(), QStringLiteral("Åben dokument"));
    f->visMappe(d.path());
    QCOMPARE(f->funk->FFilnavn, fil);   // the first entry, a file, is selected
    QCOMPARE(f->EditSti->text(), QStringLiteral("side.html"));
    f->redigerKnap->click();
    Twinform *w = m.aktivWin();
    QVERIFY(w);
    QCOMPARE(w->Filnavn, fil);
    QVERIFY(f->isVisible());   // modeless: it stays open

    // "Gem som": the browser in save mode, the name typed, "Gem".
    m.FileSaveAs->trigger();
    QCOMPARE(f->windowTitle(), QStringLiteral("Gem dokument"));
    QCOMPARE(f->EditFilnavn->text(), QStringLiteral("side.html"));
    f->EditFilnavn->setText(QStringLiteral("ny"));
    f->gemKnap->click();
    const QString ny = d.filePath(QStringLiteral("ny.html"));
    QCOMPARE(w->Filnavn, ny);
    QFile saved(ny);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("<p>hej</p>\r\n"));
    QVERIFY(f->funk->model()->rowCount() == 2);   // the list shows the new file
    QVERIFY(spoergsmaal.isEmpty());
    QVERIFY2(bokse.isEmpty(), qPrintable(bokse.join(u'|')));
    // A typed name holding a folder is refused, nothing written.
    f->EditFilnavn->setText(QStringLiteral("../ud.html"));
    f->gemKnap->click();
    QCOMPARE(bokse.size(), 1);
    QVERIFY(!QFile::exists(QFileInfo(d.path()).path() + QStringLiteral("/ud.html")));
    Tspmform::setTestHandler({});
    platform::setInfoBoxHandler({});
    w->setModified(false);
    m.close();
}

void TestFiler::filePanelCopyKeepsExistingFiles()
{
    TestProgramFolder folder;
    QTemporaryDir d;
    skriv(d.filePath(QStringLiteral("a.html")), "a");
    skriv(d.filePath(QStringLiteral("a.jpeg")), "j");
    Tmainform m;
    TFilPanel *p = m.filpanel();
    p->setMappe(d.path());
    p->filBoks->setCurrentRow(0);
    QCOMPARE(m.filPanelFil(), d.filePath(QStringLiteral("a.html")));
    QCOMPARE(m.filPanelMappe(), d.path() + u'/');
    QVERIFY(filemanager::filFakta(d.filePath(QStringLiteral("a.jpeg"))).contains(QStringLiteral("Dokumenttype: Ikke registreret")));
    QCOMPARE(filemanager::dokumentType(QStringLiteral(".gif")), QStringLiteral("Billedfil"));
    for (int i = 1; i <= 2; ++i) {
        QTimer::singleShot(0, [&] {
            auto *k = qobject_cast<Tkopiform *>(QApplication::activeModalWidget());
            QVERIFY(k);
            k->accept();
        });
        p->ACopy->trigger();
        QFile c(d.filePath(QStringLiteral("a kopi%1.html").arg(i)));
        QVERIFY2(c.open(QIODevice::ReadOnly), qPrintable(c.fileName()));
        QCOMPARE(c.readAll(), QByteArray("a"));
        p->filBoks->setCurrentItem(p->filBoks->findItems(QStringLiteral("a.html"), Qt::MatchExactly).constFirst());
    }
    m.close();
}

QTEST_MAIN(TestFiler)
#include "tst_filer.moc"

void TestFiler::nameThatIsNoTextIsRefused()
{
    // A file whose name is not UTF-8 reaches the program with replacement characters: it is
    // refused with the true reason, never opened as an empty document that would be saved
    // under another name.
    TestProgramFolder folder;
    QTemporaryDir d;
    const QByteArray bytes = QFile::encodeName(d.path()) + "/bad\xff\xfe.html";
    {
        FILE *fp = fopen(bytes.constData(), "w");
        QVERIFY(fp);
        fputs("<p>", fp);
        fclose(fp);
    }
    const QString navn = QFile::decodeName(bytes);
    QVERIFY(navn.contains(QChar::ReplacementCharacter));
    QStringList bokse;
    platform::setInfoBoxHandler([&](const QString &t) { bokse << t; });
    Tmainform m;
    bokse.clear();
    QVERIFY(!m.openwin(navn, QStringLiteral(".html")));
    QCOMPARE(bokse.size(), 1);
    QVERIFY(bokse.first().contains(QStringLiteral("Filnavnet indeholder tegn, der ikke kan læses som tekst.")));
    QVERIFY(m.dokumenter().isEmpty());
    QString grund;
    QVERIFY(!platform::tilPapirkurv(navn, &grund));
    QCOMPARE(grund, QStringLiteral("Filnavnet indeholder tegn, der ikke kan læses som tekst."));
    QCOMPARE(::access(bytes.constData(), F_OK), 0);   // the file stays
    QVERIFY(!QFile::exists(navn));                    // and nothing was written under the other name
    platform::setInfoBoxHandler({});
}
