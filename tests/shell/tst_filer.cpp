// Recent files and folders, and opening and saving through the program's file browser.

#include "filemanager/filinfo.h"
#include "filemanager/filpanel.h"
#include "filemanager/openfilform.h"
#include "platform/drev.h"
#include "platform/infobox.h"
#include "platform/papirkurv.h"
#include "shell/mainform.h"
#include "shell/reopenfiler.h"
#include "shell/spmform.h"
#include "shell/winform.h"
#include "testsupport/testenv.h"
#include "testsupport/widgets.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolButton>
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
    void keyboardInTheBrowser();
    void typedPathsInTheBrowser_data();
    void typedPathsInTheBrowser();
    void enterInADestructiveQuestionKeepsTheFiles_data();
    void enterInADestructiveQuestionKeepsTheFiles();
    void knownFoldersAndTheFirstFolder();
    void mouseClickInThePanelEnablesItsCommands();
    void unreadableFolderSaysSo();
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
    // A typed name in a folder that does not exist is refused, nothing written.
    f->EditFilnavn->setText(QStringLiteral("ingen/ud.html"));
    f->gemKnap->click();
    QCOMPARE(bokse.size(), 1);
    QVERIFY(!QFile::exists(d.filePath(QStringLiteral("ingen"))));
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

    // The dialog shows the panel's folder and drive; a folder chosen in its list becomes the
    // destination.
    QDir(d.path()).mkpath(QStringLiteral("ud"));
    QTimer::singleShot(0, [&] {
        auto *k = qobject_cast<Tkopiform *>(QApplication::activeModalWidget());
        QVERIFY(k);
        QCOMPARE(k->DriveBox->currentData().toString(), platform::drevFor(d.path()).rod);
        QCOMPARE(k->Dirbox->currentItem()->data(Qt::UserRole).toString(), d.path());
        const auto ud = k->Dirbox->findItems(QStringLiteral("ud"), Qt::MatchEndsWith);
        QCOMPARE(ud.size(), 1);
        emit k->Dirbox->itemActivated(ud.first());
        QCOMPARE(k->mappeEdit->text(), d.filePath(QStringLiteral("ud/")));
        QCOMPARE(k->Dirbox->currentItem()->data(Qt::UserRole).toString(), d.filePath(QStringLiteral("ud")));
        k->accept();
    });
    p->ACopy->trigger();
    QVERIFY(QFile::exists(d.filePath(QStringLiteral("ud/a.html"))));
    p->filBoks->setCurrentItem(p->filBoks->findItems(QStringLiteral("a.html"), Qt::MatchExactly).constFirst());

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

    // "Klichemappe" in the "Opdater" menu shows the templates' folder.
    QAction *kliche = nullptr;
    for (QAction *a : p->PUfilboksen->actions())
        if (a->objectName() == QLatin1String("mKlichemappe"))
            kliche = a;
    QVERIFY(kliche);
    QCOMPARE(kliche->text(), QStringLiteral("Klichemappe"));
    kliche->trigger();
    QCOMPARE(p->mappe(), QDir::cleanPath(folder.path("Klicheer")));
    m.close();
}

void TestFiler::keyboardInTheBrowser()
{
    TestProgramFolder folder;
    QTemporaryDir d, panel;
    QDir(d.path()).mkpath(QStringLiteral("mappe"));
    skriv(d.filePath(QStringLiteral("app.js")), "js");
    skriv(d.filePath(QStringLiteral("b.html")), "<p>b</p>");
    QStringList spoergsmaal;
    Tspmform::setTestHandler([&](const QString &q) { spoergsmaal << q; return Tspmform::Nej; });
    QStringList bokse;
    platform::setInfoBoxHandler([&](const QString &t) { bokse << t; });
    Tmainform m;
    m.show();
    m.filpanel()->setMappe(panel.path());
    QVERIFY(m.nytDokument(QStringLiteral(".html"), QStringLiteral("<p>ny</p>")));
    Twinform *w = m.aktivWin();
    bokse.clear();

    // "Gem som": the keyboard is in the name field, which keeps the document's name when the
    // list moves to a folder that starts with a script.
    m.FileSaveAs->trigger();
    Topenfilform *f = m.openfilform();
    auto *navn = navngivet<QLineEdit>(f, "EditFilnavn");
    auto *liste = navngivet<QListView>(f, "openbox");
    f->visMappe(d.path());
    QTRY_COMPARE(QApplication::focusWidget(), navn);
    QCOMPARE(navn->text(), QStringLiteral("IkkeNavngivet"));

    // Enter on a folder opens it and saves nothing.
    liste->setFocus();
    QTest::keyClick(liste, Qt::Key_Home);
    QTest::keyClick(liste, Qt::Key_Return);
    QCOMPARE(f->funk->FGrundmappe, d.filePath(QStringLiteral("mappe")));
    QVERIFY(w->Filnavn.isEmpty());
    QVERIFY(QDir(d.filePath(QStringLiteral("mappe"))).isEmpty());

    // One Enter in the name field is one save, and the field keeps the saved name.
    f->visMappe(d.path());
    navn->setFocus();
    navn->selectAll();
    QTest::keyClicks(navn, QStringLiteral("ny"));
    QTest::keyClick(navn, Qt::Key_Return);
    QCOMPARE(w->Filnavn, d.filePath(QStringLiteral("ny.html")));
    QVERIFY2(spoergsmaal.isEmpty(), qPrintable(spoergsmaal.join(u'|')));
    QCOMPARE(navn->text(), QStringLiteral("ny.html"));
    // So a second Enter is about that file, not about the first one in the list.
    QTest::keyClick(navn, Qt::Key_Return);
    QCOMPARE(spoergsmaal, QStringList{QStringLiteral("Filen ny.html eksisterer allerede!\rSkal den overskrives?")});
    QCOMPARE(f->funk->FGrundmappe, d.path());

    // "Åben": the keyboard is in the list; Enter opens the file under the cursor and the list
    // stays where it is. "Gem funktion" takes the browser back to saving.
    auto *gemFunk = navngivet<QAction>(&m, "aGemFunk");
    QVERIFY(!gemFunk->isEnabled());
    m.FileOpen->trigger();
    QTRY_COMPARE(QApplication::focusWidget(), liste);
    QVERIFY(gemFunk->isEnabled());
    QTest::keyClick(liste, Qt::Key_End);   // mappe, app.js, b.html, ny.html
    QTest::keyClick(liste, Qt::Key_Up);
    QTest::keyClick(liste, Qt::Key_Return);
    QCOMPARE(m.aktivWin()->Filnavn, d.filePath(QStringLiteral("b.html")));
    QCOMPARE(f->funk->FGrundmappe, d.path());
    QVERIFY2(bokse.isEmpty(), qPrintable(bokse.join(u'|')));
    Tspmform::setTestHandler({});
    platform::setInfoBoxHandler({});
    for (Twinform *x : m.dokumenter())
        x->setModified(false);
    m.close();
}

void TestFiler::typedPathsInTheBrowser_data()
{
    // "@" stands for the shown folder, "~" for the home folder.
    QTest::addColumn<bool>("gem");
    QTest::addColumn<QString>("skrevet");
    QTest::addColumn<QString>("fil");      // saved or opened; empty: none
    QTest::addColumn<QString>("mappe");    // shown afterwards
    QTest::addColumn<QString>("besked");   // the message given; empty: none
    const QString ingen;
    QTest::newRow("gem navn") << true << "ny" << "@/ny.html" << "@" << ingen;
    QTest::newRow("gem relativ sti") << true << "mappe/ny.htm" << "@/mappe/ny.htm" << "@/mappe" << ingen;
    QTest::newRow("gem absolut sti") << true << "@/mappe/abs" << "@/mappe/abs.html" << "@/mappe" << ingen;
    QTest::newRow("gem i hjemmet") << true << "~/hjem.html" << "~/hjem.html" << "~" << ingen;
    QTest::newRow("gem mappe") << true << "mappe" << ingen << "@/mappe" << ingen;
    QTest::newRow("gem hjemmet") << true << "~" << ingen << "~" << ingen;
    QTest::newRow("gem op") << true << ".." << ingen << "@/.." << ingen;
    QTest::newRow("gem manglende mappe") << true << "ingen/x.html" << ingen << "@" << "Mappen @/ingen findes ikke.";
    QTest::newRow("gem mappe der mangler") << true << "ingen/" << ingen << "@" << "Mappen @/ingen findes ikke.";
    QTest::newRow("gem for langt navn") << true << QString(256, u'x') << ingen << "@"
                                         << "Navnet \"" + QString(256, u'x') + "\" kan ikke bruges som filnavn.";
    QTest::newRow("åben relativ fil") << false << "mappe/inde.html" << "@/mappe/inde.html" << "@" << ingen;
    QTest::newRow("åben i hjemmet") << false << "~/h.html" << "~/h.html" << "@" << ingen;
    QTest::newRow("åben mappe") << false << "@/mappe" << ingen << "@/mappe" << ingen;
    QTest::newRow("åben manglende fil") << false << "ingen.html" << ingen << "@" << "Filen @/ingen.html findes ikke.";
}

void TestFiler::typedPathsInTheBrowser()
{
    QFETCH(bool, gem);
    QFETCH(QString, skrevet);
    QFETCH(QString, fil);
    QFETCH(QString, mappe);
    QFETCH(QString, besked);
    TestProgramFolder folder;
    QTemporaryDir d, hjem;
    const QByteArray gammeltHjem = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(hjem.path()));
    auto udfyld = [&](QString t) {
        return QDir::cleanPath(t.replace(u'@', d.path()).replace(u'~', hjem.path()));
    };
    QDir(d.path()).mkpath(QStringLiteral("mappe"));
    skriv(d.filePath(QStringLiteral("mappe/inde.html")), "<p>inde</p>");
    skriv(hjem.filePath(QStringLiteral("h.html")), "<p>h</p>");
    QStringList bokse;
    platform::setInfoBoxHandler([&](const QString &t) { bokse << t; });
    Tspmform::setTestHandler([](const QString &) { return Tspmform::Nej; });
    {
        Tmainform m;
        m.show();
        if (gem) {
            QVERIFY(m.nytDokument(QStringLiteral(".html"), QStringLiteral("<p>ny</p>")));
            m.FileSaveAs->trigger();
        } else {
            m.FileOpen->trigger();
        }
        Topenfilform *f = m.openfilform();
        f->visMappe(d.path());
        bokse.clear();
        auto *felt = navngivet<QLineEdit>(f, gem ? "EditFilnavn" : "EditSti");
        felt->setFocus();
        felt->selectAll();
        QTest::keyClicks(felt, skrevet.replace(u'@', d.path()));
        QTest::keyClick(felt, Qt::Key_Return);

        Twinform *w = m.aktivWin();
        QCOMPARE(w ? w->Filnavn : QString(), fil.isEmpty() ? QString() : udfyld(fil));
        if (!fil.isEmpty())
            QVERIFY(QFile::exists(udfyld(fil)));
        QCOMPARE(f->funk->FGrundmappe, udfyld(mappe));
        QCOMPARE(bokse, besked.isEmpty() ? QStringList() : QStringList{udfyld(besked)});
        if (gem && fil.isEmpty())   // a folder shown or a name refused: the name stays to be saved
            QCOMPARE(navngivet<QLineEdit>(f, "EditFilnavn")->text(),
                     besked.isEmpty() ? QStringLiteral("IkkeNavngivet") : skrevet);
        for (Twinform *x : m.dokumenter())
            x->setModified(false);
        m.close();
    }
    platform::setInfoBoxHandler({});
    Tspmform::setTestHandler({});
    qputenv("HOME", gammeltHjem);
}

void TestFiler::enterInADestructiveQuestionKeepsTheFiles_data()
{
    QTest::addColumn<QString>("hvor");
    QTest::addColumn<QStringList>("titler");   // of the windows that asked
    const QString spm = QStringLiteral("Spørgemål");
    QTest::newRow("Ctrl+D i listen") << "ctrl+d" << QStringList{QStringLiteral("Sletning af elementer")};
    QTest::newRow("Delete i listen") << "del" << QStringList{QStringLiteral("Sletning af elementer")};
    QTest::newRow("Shift+Delete i listen") << "shift+del" << QStringList{QStringLiteral("Sletning af elementer")};
    QTest::newRow("indsæt over en fil") << "indsaet" << QStringList{QStringLiteral("Kopiering af elementer"), spm};
    QTest::newRow("gem over en fil") << "gem" << QStringList{spm};
    QTest::newRow("tøm papirkurven") << "papirkurv" << QStringList{spm};
    QTest::newRow("slet i filpanelet") << "filpanel" << QStringList{spm};
}

void TestFiler::enterInADestructiveQuestionKeepsTheFiles()
{
    QFETCH(QString, hvor);
    QFETCH(QStringList, titler);
    // The start-up note about the missing data files of a bare program folder.
    platform::setInfoBoxHandler([](const QString &) {});
    auto gendan = qScopeGuard([] { platform::setInfoBoxHandler({}); });
    TestProgramFolder folder;
    QTemporaryDir d;
    const QString fil = d.filePath(QStringLiteral("a.html"));
    skriv(fil, "gammel");
    QDir(d.path()).mkpath(QStringLiteral("kilde"));
    skriv(d.filePath(QStringLiteral("kilde/a.html")), "ny");
    const QString kurv = qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Trash/files/");
    QDir().mkpath(kurv);
    skriv(kurv + QStringLiteral("smidt.html"), "smidt");
    Tmainform m;
    m.show();
    Topenfilform *f = m.openfilform();
    auto *liste = navngivet<QListView>(f, "openbox");
    {
        EnterSvar svar;
        if (hvor == QLatin1String("filpanel")) {
            TFilPanel *p = m.filpanel();
            p->setMappe(d.path());
            p->filBoks->setCurrentRow(0);
            p->AsletFil->trigger();
        } else if (hvor == QLatin1String("gem")) {
            QVERIFY(m.nytDokument(QStringLiteral(".html"), QStringLiteral("<p>ny</p>")));
            m.FileSaveAs->trigger();
            f->visMappe(d.path());
            auto *navn = navngivet<QLineEdit>(f, "EditFilnavn");
            navn->selectAll();
            QTest::keyClicks(navn, QStringLiteral("a.html"));
            QTest::keyClick(navn, Qt::Key_Return);
            m.aktivWin()->setModified(false);
        } else {
            m.FileOpen->trigger();
            QTRY_COMPARE(QApplication::focusWidget(), liste);
            if (hvor == QLatin1String("indsaet")) {
                f->visMappe(d.filePath(QStringLiteral("kilde")));
                QTest::keyClick(liste, Qt::Key_C, Qt::ControlModifier);
                f->visMappe(d.path());
                QTest::keyClick(liste, Qt::Key_I, Qt::ControlModifier);   // "Marker ingen": into the shown folder
                QTest::keyClick(liste, Qt::Key_V, Qt::ControlModifier);
            } else if (hvor == QLatin1String("papirkurv")) {
                navngivet<QAction>(f, "aEmptyRB")->trigger();
            } else {
                f->visMappe(d.path());
                QTest::keyClick(liste, Qt::Key_End);   // kilde, a.html
                if (hvor == QLatin1String("ctrl+d"))
                    QTest::keyClick(liste, Qt::Key_D, Qt::ControlModifier);
                else
                    QTest::keyClick(liste, Qt::Key_Delete, hvor == QLatin1String("del") ? Qt::NoModifier : Qt::ShiftModifier);
            }
        }
        QCOMPARE(svar.titler, titler);
    }
    QFile a(fil);
    QVERIFY(a.open(QIODevice::ReadOnly));
    QCOMPARE(a.readAll(), QByteArray("gammel"));
    QVERIFY(QFile::exists(kurv + QStringLiteral("smidt.html")));
    m.close();
}

void TestFiler::knownFoldersAndTheFirstFolder()
{
    // The start-up note about the missing data files of a bare program folder.
    platform::setInfoBoxHandler([](const QString &) {});
    auto gendan = qScopeGuard([] { platform::setInfoBoxHandler({}); });
    TestProgramFolder folder;
    QTemporaryDir d;
    skriv(d.filePath(QStringLiteral("side.html")), "<p>");
    Tmainform m;
    m.show();
    QVERIFY(m.openwin(d.filePath(QStringLiteral("side.html")), QStringLiteral(".html")));
    // The first showing starts in the active document's folder.
    m.FileOpen->trigger();
    Topenfilform *f = m.openfilform();
    QCOMPARE(f->funk->FGrundmappe, d.path());
    // The arrows beside "Kendte" and "Delte" open their menus.
    for (const auto &[knap, menu] : {std::pair{"kendteKnap", "PUkendte"}, std::pair{"delteKnap", "PUdelte"}}) {
        auto *b = navngivet<QToolButton>(f, knap);
        QMenu *forventet = navngivet<QMenu>(f, menu);
        QWidget *aaben = nullptr;
        QTimer::singleShot(50, [&] {
            aaben = QApplication::activePopupWidget();
            if (aaben)
                aaben->close();
        });
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(b->width() - 4, b->height() / 2));
        QTRY_VERIFY(aaben);
        QCOMPARE(aaben, forventet);
        QVERIFY(forventet->actions().size() >= 4);
    }
    m.close();
}

void TestFiler::mouseClickInThePanelEnablesItsCommands()
{
    // The start-up note about the missing data files of a bare program folder.
    platform::setInfoBoxHandler([](const QString &) {});
    auto gendan = qScopeGuard([] { platform::setInfoBoxHandler({}); });
    TestProgramFolder folder;
    QTemporaryDir d;
    skriv(d.filePath(QStringLiteral("a.html")));
    skriv(d.filePath(QStringLiteral("b.html")));
    Tmainform m;
    m.visFtpFunktioner = true;   // the upload button shows
    m.visFtpKnapper();
    m.show();
    TFilPanel *p = m.filpanel();
    p->setMappe(d.path());
    auto *filBoks = navngivet<QListWidget>(&m, "filBoks");
    const QList<QAction *> kommandoer{navngivet<QAction>(&m, "AuploadFile"), p->Agogo, p->ACopy, p->ARename, p->AsletFil};
    for (QAction *a : kommandoer)
        QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));
    QTest::mouseClick(filBoks->viewport(), Qt::LeftButton, {}, filBoks->visualItemRect(filBoks->item(1)).center());
    QCOMPARE(m.filPanelFil(), d.filePath(QStringLiteral("b.html")));
    for (QAction *a : kommandoer)
        QVERIFY2(a->isEnabled(), qPrintable(a->objectName()));
    m.close();
}

void TestFiler::unreadableFolderSaysSo()
{
    // The start-up note about the missing data files of a bare program folder.
    platform::setInfoBoxHandler([](const QString &) {});
    auto gendan = qScopeGuard([] { platform::setInfoBoxHandler({}); });
    TestProgramFolder folder;
    QTemporaryDir d;
    QDir(d.path()).mkpath(QStringLiteral("laast"));
    skriv(d.filePath(QStringLiteral("laast/inde.html")), "<p>");
    const QString grund = QStringLiteral("Mappen kan ikke læses.\rDu har ikke adgang til filen eller mappen.");
    Tmainform m;
    m.show();
    m.FileOpen->trigger();
    Topenfilform *f = m.openfilform();
    UlaeseligMappe laast(d.filePath(QStringLiteral("laast")));
    QVERIFY(laast.ok());
    f->visMappe(d.filePath(QStringLiteral("laast")));
    QCOMPARE(navngivet<TFilListe>(f, "openbox")->tomTekst(), grund);
    QCOMPARE(navngivet<QStatusBar>(f, "infobar")->currentMessage(),
             QStringLiteral("Mappen kan ikke læses. Du har ikke adgang til filen eller mappen."));
    // The file panel says it too, in a line that cannot be chosen as a file.
    m.filpanel()->setMappe(d.filePath(QStringLiteral("laast")));
    auto *filBoks = navngivet<QListWidget>(&m, "filBoks");
    QCOMPARE(filBoks->count(), 1);
    QCOMPARE(filBoks->item(0)->text(), QStringLiteral("Mappen kan ikke læses. Du har ikke adgang til filen eller mappen."));
    QCOMPARE(filBoks->item(0)->flags(), Qt::NoItemFlags);
    QTest::mouseClick(filBoks->viewport(), Qt::LeftButton, {}, filBoks->visualItemRect(filBoks->item(0)).center());
    QVERIFY(m.filPanelFil().isEmpty());
    // Its properties say the same, not "0 filer, 0 mapper".
    f->visMappe(d.path());
    auto *liste = navngivet<QListView>(f, "openbox");
    liste->setFocus();
    QTest::keyClick(liste, Qt::Key_Home);
    navngivet<QAction>(f, "aEleEgenskaber")->trigger();
    QTRY_COMPARE(navngivet<QLabel>(f, "LabelMappeIndhold")->text(), platform::displayText(grund));
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
