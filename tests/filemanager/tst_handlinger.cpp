// The file manager's operations on temporary folders: registration, paste, conflicts,
// names, rename, deletion, the listing, folders that cannot be read, and the size texts.

#include "core/filkopi.h"
#include "core/stoerrelse.h"
#include "filemanager/filinfo.h"
#include "filemanager/filnavne.h"
#include "filemanager/handlinger.h"
#include "testsupport/testenv.h"
#include "testsupport/widgets.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace filemanager;

namespace {
struct FakeDialoger : TFilDialoger {
    QStringList infos, fejlene, spoergsmaal;
    QStringList nejForvalgt;     // the questions asked with "Nej" as the Enter answer
    QList<bool> svar;            // answers to spoergJa, "Ja" when empty
    bool bekraeftSvar = true;
    int handling = 0;            // the choice of "Hvad skal der gøres"
    QStringList findesNavne;
    Bekraeftelse sidste;
    void info(const QString &t) override { infos << t; }
    void fejl(const QString &t) override { fejlene << t; }
    bool spoergJa(const QString &q) override
    {
        spoergsmaal << q;
        return svar.isEmpty() ? true : svar.takeFirst();
    }
    bool spoergJaNejForvalgt(const QString &q) override
    {
        nejForvalgt << q;
        return spoergJa(q);
    }
    bool bekraeft(const Bekraeftelse &b) override { sidste = b; return bekraeftSvar; }
    int filerFindes(const QStringList &n) override { findesNavne = n; return handling; }
    void visFremskridt(bool, JobStatus *) override {}
    void lukFremskridt() override {}
};

void skriv(const QString &path, const QByteArray &data = "x")
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

QByteArray laes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<mangler>");
}

QStringList navne(const THandlinger &h)
{
    QStringList n;
    for (const StrukturRec &r : h.model()->entries())
        n << r.navn;
    return n;
}

int raekke(const THandlinger &h, const QString &navn)
{
    const auto &e = h.model()->entries();
    for (int i = 0; i < e.size(); ++i)
        if (e[i].navn == navn)
            return i;
    return -1;
}

void vaelg(THandlinger &h, const QStringList &names)
{
    h.selection()->clearSelection();
    for (const QString &n : names) {
        const int r = raekke(h, n);
        QVERIFY2(r >= 0, qPrintable(n));
        h.vaelg(r, false);
    }
    h.infoStruktur2();
}

QStringList papirkurv()
{
    return QDir(qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Trash/files")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
}

QStringList rester(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral(".tavlevirke-*")}, QDir::Files | QDir::Hidden);
}
}

class TestHandlinger : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark));
        m_prog.reset(new TestProgramFolder);
        m_tmp.reset(new QTemporaryDir);
        m_root = m_tmp->path();
        m_dlg = FakeDialoger();
        m_h.reset(new THandlinger(&m_dlg));
    }
    void cleanup() { m_h.reset(); m_tmp.reset(); m_prog.reset(); }

    void listingShowsVisibleFoldersFirst();
    void registrationTakesTheSelection();
    void pasteIntoTheSameFolderIsRefused();
    void pasteIntoItsOwnFolderMakesCopies();
    void pasteIntoSubAndOtherFolder();
    void folderIntoItselfIsRefused();
    void conflictChoices_data();
    void conflictChoices();
    void moveWhoseCopyFailsKeepsTheSource();
    void uniqueNames_data();
    void uniqueNames();
    void renameRules_data();
    void renameRules();
    void newFolderTwice();
    void deleteToTrashAndPermanently();
    void permanentDeleteNeverFollowsALink();
    void cancelledCopyLeavesNoPartialFile();
    void sizeTexts_data();
    void sizeTexts();
    void typedPaths_data();
    void typedPaths();
    void unreadableFolderSaysWhy();

private:
    QScopedPointer<TestProgramFolder> m_prog;
    QScopedPointer<QTemporaryDir> m_tmp;
    QString m_root;
    FakeDialoger m_dlg;
    QScopedPointer<THandlinger> m_h;
};

void TestHandlinger::listingShowsVisibleFoldersFirst()
{
    skriv(m_root + "/b.txt");
    skriv(m_root + "/A.html");
    skriv(m_root + "/.skjult");
    QDir(m_root).mkpath("zmappe");
    QDir(m_root).mkpath(".skjultmappe");
    QVERIFY(QFile::link(m_root + "/findes-ikke", m_root + "/brudt"));
    QVERIFY(m_h->makeStruktur2(m_root));
    QCOMPARE(navne(*m_h), (QStringList{"zmappe", "A.html", "b.txt"}));
    // With files the first entry is selected; being a folder, no file is taken.
    QCOMPARE(m_h->valgteRaekker(), QList<int>{0});
    QVERIFY(m_h->FFilnavn.isEmpty());

    // Only folders: nothing selected.
    QVERIFY(m_h->makeStruktur2(m_root + "/zmappe/.."));
    QDir(m_root).mkpath("kun/u1");
    QVERIFY(m_h->makeStruktur2(m_root + "/kun"));
    QVERIFY(m_h->valgteRaekker().isEmpty());
    // A file or a missing folder changes nothing.
    QVERIFY(!m_h->makeStruktur2(m_root + "/b.txt"));
    QVERIFY(!m_h->makeStruktur2(m_root + "/ingen"));
    QCOMPARE(m_h->FGrundmappe, m_root + "/kun");
}

void TestHandlinger::registrationTakesTheSelection()
{
    skriv(m_root + "/a.txt");
    QDir(m_root).mkpath("m");
    m_h->makeStruktur2(m_root);
    m_h->selection()->clearSelection();
    QCOMPARE(m_h->CopyElementer(), 0);
    QCOMPARE(m_dlg.infos, QStringList{"Der er ikke valgt elementer til kopiering."});
    vaelg(*m_h, {"m", "a.txt"});
    QCOMPARE(m_h->CopyElementer(), 2);
    QCOMPARE(m_h->FCopyListe1, QStringList{m_root + "/m"});
    QCOMPARE(m_h->FCopyListe2, QStringList{"a.txt"});
    QCOMPARE(m_h->SourceMappe, m_root);

    // From the desktop: the last dropped path decides the source folder.
    m_h->InitRegister();
    QVERIFY(m_h->RegisterElements(m_root + "/a.txt"));
    QVERIFY(!m_h->RegisterElements(m_root + "/ingen.txt"));
    QCOMPARE(m_h->FCopyListe2, QStringList{"a.txt"});
    QCOMPARE(m_h->SourceMappe, m_root);
}

void TestHandlinger::pasteIntoTheSameFolderIsRefused()
{
    skriv(m_root + "/a.txt");
    m_h->makeStruktur2(m_root);
    vaelg(*m_h, {"a.txt"});
    QCOMPARE(m_h->CopyElementer(), 1);
    QCOMPARE(m_h->PasteElementer(false), 0);
    QCOMPARE(m_dlg.infos.last(), QString("Kildemappe og destignationsmappe er samme mappe."));
    QCOMPARE(navne(*m_h), QStringList{"a.txt"});
}

void TestHandlinger::pasteIntoItsOwnFolderMakesCopies()
{
    skriv(m_root + "/m/inde.txt", "inde");
    skriv(m_root + "/a.txt", "a");
    skriv(m_root + "/b.txt", "b");
    m_h->makeStruktur2(m_root);
    vaelg(*m_h, {"m"});
    m_h->CopyElementer();
    m_h->FCopyListe2 = QStringList{"a.txt", "b.txt"};   // as if they were selected too
    vaelg(*m_h, {"a.txt"});
    m_dlg.handling = 3;   // "Opret kopier"
    QCOMPARE(m_h->PasteElementer(true), 3);
    QCOMPARE(m_dlg.spoergsmaal.first(), QString("Kildemappe er undermappe til destignationsmappen.\rSkal der oprettes en kopi?"));
    // A copy into the own folder is never a move.
    QCOMPARE(m_dlg.sidste.caption, QString("Kopiering af elementer"));
    QCOMPARE(laes(m_root + "/m (1)/inde.txt"), QByteArray("inde"));
    QCOMPARE(laes(m_root + "/a Kopi (1).txt"), QByteArray("a"));
    QCOMPARE(laes(m_root + "/b Kopi (1).txt"), QByteArray("b"));
    QVERIFY(QFile::exists(m_root + "/a.txt"));
    QVERIFY(QFile::exists(m_root + "/m/inde.txt"));
}

void TestHandlinger::pasteIntoSubAndOtherFolder()
{
    skriv(m_root + "/kilde/a.txt", "a");
    skriv(m_root + "/kilde/m/inde.txt", "inde");
    QDir(m_root).mkpath("kilde/under");
    QDir(m_root).mkpath("andet");
    m_h->makeStruktur2(m_root + "/kilde");
    vaelg(*m_h, {"a.txt"});
    m_h->CopyElementer();
    // Into a subfolder: the selected folder entry is the destination.
    vaelg(*m_h, {"under"});
    QCOMPARE(m_h->PasteElementer(false), 1);
    QCOMPARE(laes(m_root + "/kilde/under/a.txt"), QByteArray("a"));
    QCOMPARE(m_dlg.sidste.filer, QStringList{"a.txt"});
    QCOMPARE(m_dlg.sidste.destination, m_root + "/kilde/under");

    // A cut folder and file into another folder: copies arrive, sources go to the trash.
    vaelg(*m_h, {"a.txt", "m"});
    m_h->CopyElementer();
    m_h->makeStruktur2(m_root + "/andet");
    m_h->selection()->clearSelection();
    QCOMPARE(m_h->PasteElementer(true), 2);
    QCOMPARE(m_dlg.sidste.caption, QString("Flytning af elementer"));
    QCOMPARE(m_dlg.sidste.mapper, QStringList{"m"});
    QCOMPARE(laes(m_root + "/andet/m/inde.txt"), QByteArray("inde"));
    QCOMPARE(laes(m_root + "/andet/a.txt"), QByteArray("a"));
    QVERIFY(!QFile::exists(m_root + "/kilde/a.txt"));
    QVERIFY(!QFile::exists(m_root + "/kilde/m"));
    QVERIFY(papirkurv().contains("a.txt"));
    QVERIFY(papirkurv().contains("m"));
    QVERIFY(!m_h->harRegistrering());
    QCOMPARE(navne(*m_h), (QStringList{"m", "a.txt"}));
}

void TestHandlinger::folderIntoItselfIsRefused()
{
    skriv(m_root + "/m/u/inde.txt");
    m_h->makeStruktur2(m_root);
    vaelg(*m_h, {"m"});
    m_h->CopyElementer();
    m_h->makeStruktur2(m_root + "/m");
    vaelg(*m_h, {"u"});
    QCOMPARE(m_h->PasteElementer(false), 0);
    QVERIFY(m_dlg.infos.last().contains("ind i sig selv"));
    QVERIFY(!QFile::exists(m_root + "/m/u/m"));
}

void TestHandlinger::conflictChoices_data()
{
    QTest::addColumn<int>("handling");
    QTest::addColumn<QList<bool>>("svar");
    QTest::addColumn<QStringList>("forventet");   // contents of a.txt, b.txt at the destination
    QTest::addColumn<QStringList>("kopier");      // extra files made
    QTest::addColumn<QStringList>("kildeTilbage");
    QTest::newRow("Overskriv ingen") << 0 << QList<bool>{} << QStringList{"gammel a", "gammel b"} << QStringList{} << QStringList{"a.txt", "b.txt"};
    QTest::newRow("Overskriv alle") << 1 << QList<bool>{} << QStringList{"ny a", "ny b"} << QStringList{} << QStringList{};
    QTest::newRow("Spørg hver gang") << 2 << QList<bool>{true, false} << QStringList{"ny a", "gammel b"} << QStringList{} << QStringList{"b.txt"};
    QTest::newRow("Opret kopier") << 3 << QList<bool>{} << QStringList{"gammel a", "gammel b"} << QStringList{"a Kopi (1).txt", "b Kopi (1).txt"} << QStringList{};
    QTest::newRow("lukket") << -1 << QList<bool>{} << QStringList{"gammel a", "gammel b"} << QStringList{} << QStringList{"a.txt", "b.txt"};
}

void TestHandlinger::conflictChoices()
{
    QFETCH(int, handling);
    QFETCH(QList<bool>, svar);
    QFETCH(QStringList, forventet);
    QFETCH(QStringList, kopier);
    QFETCH(QStringList, kildeTilbage);
    skriv(m_root + "/k/a.txt", "ny a");
    skriv(m_root + "/k/b.txt", "ny b");
    skriv(m_root + "/k/c.txt", "ny c");
    skriv(m_root + "/d/a.txt", "gammel a");
    skriv(m_root + "/d/b.txt", "gammel b");
    m_h->makeStruktur2(m_root + "/k");
    vaelg(*m_h, {"a.txt", "b.txt", "c.txt"});
    m_h->CopyElementer();
    m_h->makeStruktur2(m_root + "/d");
    m_h->selection()->clearSelection();
    m_dlg.handling = handling;
    m_dlg.svar = svar;
    QVERIFY(m_h->PasteElementer(true) > 0);   // a move: c.txt is always new
    QCOMPARE(m_dlg.findesNavne, (QStringList{"a.txt", "b.txt"}));
    QCOMPARE((QStringList{laes(m_root + "/d/a.txt"), laes(m_root + "/d/b.txt")}), forventet);
    QCOMPARE(laes(m_root + "/d/c.txt"), QByteArray("ny c"));
    for (const QString &k : kopier)
        QVERIFY2(laes(m_root + "/d/" + k).startsWith("ny"), qPrintable(k));
    if (handling == 2)
        QCOMPARE(m_dlg.spoergsmaal, (QStringList{"Skal filen \ra.txt\roverskrives?", "Skal filen \rb.txt\roverskrives?"}));
    // Sources whose copy was skipped stay; the others went to the trash.
    QCOMPARE(QDir(m_root + "/k").entryList(QDir::Files), kildeTilbage);
}

void TestHandlinger::moveWhoseCopyFailsKeepsTheSource()
{
    skriv(m_root + "/k/a.txt", "a");
    skriv(m_root + "/k/m/b.txt", "b");
    // At the destination "a.txt" is a folder: the file cannot replace it.
    QDir(m_root).mkpath("d/a.txt/fyld");
    // And the folder m cannot be written into at all: a file stands where it should be.
    skriv(m_root + "/d/m", "fil");
    m_h->makeStruktur2(m_root + "/k");
    vaelg(*m_h, {"a.txt"});
    m_h->CopyElementer();
    m_h->makeStruktur2(m_root + "/d");
    m_h->selection()->clearSelection();
    QCOMPARE(m_h->PasteElementer(true), -1);
    QCOMPARE(m_dlg.fejlene.size(), 1);
    QVERIFY2(m_dlg.fejlene.first().contains("a.txt"), qPrintable(m_dlg.fejlene.first()));
    QCOMPARE(laes(m_root + "/k/a.txt"), QByteArray("a"));
    QVERIFY(rester(m_root + "/d").isEmpty());
    QVERIFY(m_h->harRegistrering());   // a failed move keeps its registration

    m_h->makeStruktur2(m_root + "/k");
    vaelg(*m_h, {"m"});
    m_h->CopyElementer();
    m_h->makeStruktur2(m_root + "/d");
    m_h->selection()->clearSelection();
    m_dlg.svar = {true};   // "Mappen eksisterer": overwrite
    QCOMPARE(m_h->PasteElementer(true), -1);
    QCOMPARE(laes(m_root + "/k/m/b.txt"), QByteArray("b"));
    QCOMPARE(laes(m_root + "/d/m"), QByteArray("fil"));
}

void TestHandlinger::uniqueNames_data()
{
    QTest::addColumn<QStringList>("findes");
    QTest::addColumn<QString>("navn");
    QTest::addColumn<QString>("mappe");
    QTest::addColumn<QString>("fil");
    QTest::addColumn<QString>("kopi");
    QTest::newRow("fri") << QStringList{} << "a.txt" << "a.txt" << "a.txt" << "a.txt";
    QTest::newRow("optaget") << QStringList{"a.txt"} << "a.txt" << "a.txt (1)" << "a Kopi (1).txt" << "a kopi1.txt";
    QTest::newRow("to optaget") << QStringList{"a.txt", "a.txt (1)", "a Kopi (1).txt", "a kopi1.txt"} << "a.txt"
                                << "a.txt (2)" << "a Kopi (2).txt" << "a kopi2.txt";
    QTest::newRow("uden efternavn") << QStringList{"README"} << "README" << "README (1)" << "README Kopi (1)" << "README kopi1";
    QTest::newRow("punktum i mappenavn") << QStringList{"v1.2/x"} << "v1.2" << "v1.2 (1)" << "v1 Kopi (1).2" << "v1 kopi1.2";
}

void TestHandlinger::uniqueNames()
{
    QFETCH(QStringList, findes);
    QFETCH(QString, navn);
    QFETCH(QString, mappe);
    QFETCH(QString, fil);
    QFETCH(QString, kopi);
    for (const QString &f : findes)
        skriv(m_root + u'/' + f);
    const QString p = m_root + u'/' + navn;
    QCOMPARE(unikMappenavn(p), m_root + u'/' + mappe);
    QCOMPARE(unikFilnavn(p, " Kopi"), m_root + u'/' + fil);
    QCOMPARE(kopiNavn(p), m_root + u'/' + kopi);
}

void TestHandlinger::renameRules_data()
{
    QTest::addColumn<QString>("gammel");
    QTest::addColumn<QString>("ny");
    QTest::addColumn<QString>("vist");
    QTest::addColumn<QStringList>("bagefter");
    QTest::newRow("beholder efternavn") << "side.html" << "forside" << "forside.html" << QStringList{"andet.html", "forside.html", "mappe"};
    QTest::newRow("optaget navn") << "side.html" << "andet.html" << "andet (1).html" << QStringList{"andet (1).html", "andet.html", "mappe"};
    QTest::newRow("store bogstaver") << "side.html" << "Side.html" << "Side.html" << QStringList{"andet.html", "mappe", "Side.html"};
    QTest::newRow("skråstreg afvist") << "side.html" << "../ud.html" << "side.html" << QStringList{"andet.html", "mappe", "side.html"};
    QTest::newRow("tomt afvist") << "side.html" << "" << "side.html" << QStringList{"andet.html", "mappe", "side.html"};
    QTest::newRow("mappe") << "mappe" << "ny.mappe" << "ny.mappe" << QStringList{"andet.html", "ny.mappe", "side.html"};
    QTest::newRow("mappe på fil") << "mappe" << "andet.html" << "andet.html (1)" << QStringList{"andet.html", "andet.html (1)", "side.html"};
    QTest::newRow("for langt") << "side.html" << QString(300, u'x') + ".html" << "side.html" << QStringList{"andet.html", "mappe", "side.html"};
}

void TestHandlinger::renameRules()
{
    QFETCH(QString, gammel);
    QFETCH(QString, ny);
    QFETCH(QString, vist);
    QFETCH(QStringList, bagefter);
    skriv(m_root + "/side.html", "s");
    skriv(m_root + "/andet.html", "a");
    QDir(m_root).mkpath("mappe");
    m_h->makeStruktur2(m_root);
    const int row = raekke(*m_h, gammel);
    QCOMPARE(m_h->RenameNode(row, gammel, ny, false), vist);
    QCOMPARE(m_h->model()->entries().at(row).navn, vist);
    QStringList e = QDir(m_root).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    std::sort(e.begin(), e.end(), [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    QCOMPARE(e, bagefter);
    // A refused name says why.
    if (vist == gammel)
        QCOMPARE(m_dlg.infos.size(), 1);
    else
        QCOMPARE(laes(m_root + "/andet.html"), QByteArray("a"));
}

void TestHandlinger::newFolderTwice()
{
    m_h->makeStruktur2(m_root);
    QVERIFY(m_h->NyMappe(m_root));
    QVERIFY(m_h->NyMappe(m_root));
    QCOMPARE(navne(*m_h), (QStringList{"Ny mappe", "Ny mappe (1)"}));
    QCOMPARE(m_h->valgteRaekker(), QList<int>{1});
    QCOMPARE(m_h->FBibmappe, m_root + "/Ny mappe (1)");

    // New text files beside them: empty, never over one that is there, the new one selected.
    skriv(m_root + "/Ny tekstfil.txt", "behold");
    QVERIFY(m_h->NyTekstfil(m_root));
    QCOMPARE(navne(*m_h), (QStringList{"Ny mappe", "Ny mappe (1)", "Ny tekstfil (1).txt", "Ny tekstfil.txt"}));
    QCOMPARE(laes(m_root + "/Ny tekstfil.txt"), QByteArray("behold"));
    QCOMPARE(laes(m_root + "/Ny tekstfil (1).txt"), QByteArray());
    QCOMPARE(m_h->FFilnavn, m_root + "/Ny tekstfil (1).txt");
    // A folder that cannot be written says why.
    QVERIFY(!m_h->NyTekstfil(m_root + "/findes-ikke"));
    QVERIFY(m_dlg.infos.last().startsWith(QStringLiteral("Der kunne ikke oprettes en ny tekstfil.")));
}

void TestHandlinger::deleteToTrashAndPermanently()
{
    skriv(m_root + "/a.txt");
    skriv(m_root + "/b.txt");
    skriv(m_root + "/m/c.txt");
    m_h->makeStruktur2(m_root);
    m_h->selection()->clearSelection();
    QCOMPARE(m_h->DeleteElementer(true), 0);
    QCOMPARE(m_dlg.infos.last(), QString("Der er ikke valgt elementer til sletning."));

    vaelg(*m_h, {"m", "a.txt"});
    m_dlg.bekraeftSvar = false;
    QCOMPARE(m_h->DeleteElementer(true), 0);
    QVERIFY(QFile::exists(m_root + "/a.txt"));
    QCOMPARE(m_dlg.sidste.spoergsmaal, QString("Skal valgte elementer Slettes?"));
    QCOMPARE(m_dlg.sidste.destination, QString("Papirkurv"));
    QCOMPARE(m_dlg.sidste.kilde, m_root);

    m_dlg.bekraeftSvar = true;
    QCOMPARE(m_h->DeleteElementer(true), 2);
    QCOMPARE(navne(*m_h), QStringList{"b.txt"});
    QVERIFY(papirkurv().contains("a.txt"));
    QVERIFY(papirkurv().contains("m"));

    vaelg(*m_h, {"b.txt"});
    QCOMPARE(m_h->DeleteElementer(false), 1);
    QCOMPARE(m_dlg.sidste.destination, QString("Ingen: Elementerne slettes permanent."));
    QVERIFY(!papirkurv().contains("b.txt"));
    QVERIFY(navne(*m_h).isEmpty());
}

void TestHandlinger::permanentDeleteNeverFollowsALink()
{
    skriv(m_root + "/ude/vigtig.txt", "vigtig");
    skriv(m_root + "/m/a.txt");
    QVERIFY(QFile::link(m_root + "/ude", m_root + "/m/link"));
    m_h->makeStruktur2(m_root);
    vaelg(*m_h, {"m"});
    QCOMPARE(m_h->DeleteElementer(false), 1);
    QVERIFY(!QFileInfo::exists(m_root + "/m"));
    QCOMPARE(laes(m_root + "/ude/vigtig.txt"), QByteArray("vigtig"));
}

void TestHandlinger::cancelledCopyLeavesNoPartialFile()
{
    skriv(m_root + "/stor.bin", QByteArray(8 << 20, 'x'));
    skriv(m_root + "/d/stor.bin", "gammel");
    int err = 0;
    const core::ReadResult r = core::kopierFilAtomisk(m_root + "/stor.bin", m_root + "/d/stor.bin", true,
                                                      [](qint64, qint64) { return false; }, &err);
    QVERIFY(!r.ok);
    QCOMPARE(err, ECANCELED);
    QCOMPARE(laes(m_root + "/d/stor.bin"), QByteArray("gammel"));
    QVERIFY(rester(m_root + "/d").isEmpty());
    // Without overwriting an existing target stays; a free one gets the whole file.
    QVERIFY(!core::kopierFilAtomisk(m_root + "/stor.bin", m_root + "/d/stor.bin", false).ok);
    QVERIFY(core::kopierFilAtomisk(m_root + "/stor.bin", m_root + "/d/ny.bin", false).ok);
    QCOMPARE(QFileInfo(m_root + "/d/ny.bin").size(), qint64(8 << 20));
    QVERIFY(rester(m_root + "/d").isEmpty());
}

void TestHandlinger::sizeTexts_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("kort");
    QTest::addColumn<QString>("lang");
    QTest::newRow("0") << qint64(0) << "0 bytes" << "0 bytes (0 bytes)";
    QTest::newRow("999") << qint64(999) << "999 bytes" << "999 bytes (999 bytes)";
    QTest::newRow("1000") << qint64(1000) << "0,98 KB" << "0,98 KB (1.000 bytes)";
    QTest::newRow("1536") << qint64(1536) << "1,50 KB" << "1,50 KB (1.536 bytes)";
    QTest::newRow("MB") << qint64(5 * 1024 * 1024) << "5,00 MB" << "5,00 MB (5.242.880 bytes)";
    QTest::newRow("TB") << (qint64(3) << 40) << "3.072,00 GB" << "3,00 TB (3.298.534.883.328 bytes)";
}

void TestHandlinger::sizeTexts()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, kort);
    QFETCH(QString, lang);
    QCOMPARE(core::stoerrelsesTekst(bytes), kort);
    QCOMPARE(core::formatStoerrelse(bytes), lang);
}

void TestHandlinger::typedPaths_data()
{
    QTest::addColumn<QString>("skrevet");
    QTest::addColumn<QString>("sti");   // "%" the home folder, "@" the shown folder
    QTest::newRow("navn") << "side.html" << "@/side.html";
    QTest::newRow("undermappe") << "mappe/side.html" << "@/mappe/side.html";
    QTest::newRow("op og ned") << "mappe/../../side.html" << "@/../side.html";
    QTest::newRow("absolut") << "/tmp//a/./b.html" << "/tmp/a/b.html";
    QTest::newRow("hjem") << "~/Dokumenter/x.html" << "%/Dokumenter/x.html";
    QTest::newRow("kun hjem") << "~" << "%";
    QTest::newRow("tilde i navn") << "~x.html" << "@/~x.html";
    QTest::newRow("mappe med skråstreg") << "mappe/" << "@/mappe";
}

void TestHandlinger::typedPaths()
{
    QFETCH(QString, skrevet);
    QFETCH(QString, sti);
    const QString vist = m_root + "/vist";
    sti.replace(u'%', QDir::homePath()).replace(u'@', vist);
    QCOMPARE(skrevetSti(skrevet, vist), QDir::cleanPath(sti));
}

void TestHandlinger::unreadableFolderSaysWhy()
{
    skriv(m_root + "/laast/inde.txt");
    skriv(m_root + "/aaben/a.txt", "abc");
    skriv(m_root + "/aaben/laast/b.txt");
    const std::atomic<bool> stop(false);
    {
        UlaeseligMappe laast(m_root + "/laast");
        UlaeseligMappe dybt(m_root + "/aaben/laast");
        QVERIFY(laast.ok() && dybt.ok());
        // The list is empty and says why; the properties say the same instead of "0 filer".
        QVERIFY(m_h->makeStruktur2(m_root + "/laast"));
        QVERIFY(navne(*m_h).isEmpty());
        QCOMPARE(m_h->FLaesefejl, QString("Du har ikke adgang til filen eller mappen."));
        const MappeIndhold top = taelMappe(m_root + "/laast", stop);
        QCOMPARE(indholdTekst(top), QString("Mappen kan ikke læses.\rDu har ikke adgang til filen eller mappen."));
        // A subfolder that cannot be read is not counted as empty.
        const MappeIndhold under = taelMappe(m_root + "/aaben", stop);
        QCOMPARE(under.filer, 1);
        QCOMPARE(under.mapper, 1);
        QCOMPARE(under.stoerrelse, 3);
        QCOMPARE(indholdTekst(under), QString("1 filer, 1 mapper\r1 undermappe kunne ikke læses og er ikke talt med."));
    }
    QVERIFY(m_h->makeStruktur2(m_root + "/laast"));
    QCOMPARE(navne(*m_h), QStringList{"inde.txt"});
    QVERIFY(m_h->FLaesefejl.isEmpty());
    QCOMPARE(indholdTekst(taelMappe(m_root + "/aaben", stop)), QString("2 filer, 1 mapper"));
}

QTEST_GUILESS_MAIN(TestHandlinger)
#include "tst_handlinger.moc"
