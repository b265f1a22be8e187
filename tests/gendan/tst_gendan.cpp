// Recovery of unsaved work: the recovery file's format, the store shared by running programs,
// and a program killed mid-edit whose text comes back at the next start.

#include "editor/editor.h"
#include "gendan/gendanfil.h"
#include "gendan/gendanlager.h"
#include "gendan/gendanvagt.h"
#include "platform/infobox.h"
#include "shell/gendanform.h"
#include "shell/mainform.h"
#include "shell/spmform.h"
#include "shell/winform.h"
#include "testsupport/testenv.h"

#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QTreeWidget>
#include <QTimeZone>
#include <QtTest>

#include <sys/stat.h>

using namespace gendan;

namespace {

const char *const kBarnVar = "TST_GENDAN_BARN";
const QString kTilfoejet = QStringLiteral("Ændret før nedbruddet – æøå ✓\n");

GendanPost eksempel()
{
    GendanPost p;
    p.filnavn = QStringLiteral("/tmp/side æøå.html");
    p.ext = QStringLiteral(".html");
    p.kodning = core::Encoding::Utf8Bom;
    p.tid = QDateTime(QDate(2026, 12, 10), QTime(12, 30, 15), QTimeZone::utc());
    p.tekst = QByteArray("<p>Bl\xC3\xA5" "b\xC3\xA6rgr\xC3\xB8" "d \xE2\x82\xAC</p>\n\0slut\r\n", 32);
    return p;
}

QStringList filerI(const QString &mappe)
{
    return QDir(mappe).entryList(QDir::Files | QDir::NoDotAndDotDot);
}

// Runs `check` on the recovery dialog once it shows.
void naarGendanformVises(std::function<void(Tgendanform *)> check)
{
    auto *timer = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, check] {
        auto *f = qobject_cast<Tgendanform *>(QApplication::activeModalWidget());
        if (!f && clock->elapsed() < 10000)
            return;
        timer->stop();
        timer->deleteLater();
        if (f)
            check(f);
    });
    timer->start(10);
}

// The child of killedProgramIsOfferedBack: opens the page, changes it, waits until its
// recovery file is on disk, says so and waits to be killed.
int barn(int argc, char **argv)
{
    QApplication app(argc, argv);
    platform::setInfoBoxHandler([](const QString &t) { qWarning() << "besked:" << t; });
    Tmainform m({qEnvironmentVariable("TST_GENDAN_SIDE")});
    m.show();
    QElapsedTimer ur;
    ur.start();
    while (m.dokumenter().isEmpty() && ur.elapsed() < 10000)
        QTest::qWait(20);
    if (m.dokumenter().isEmpty())
        return 2;
    Twinform *w = m.dokumenter().first();
    w->Edit->setCaretPos(0);
    w->Edit->replaceRange(0, 0, kTilfoejet);   // the recovery file follows by its own timer
    const QString fil = m.gendanLager()->filFor(w->docNo);
    while (!QFile::exists(fil) && ur.elapsed() < 20000)
        QTest::qWait(50);
    if (!QFile::exists(fil)) {
        qWarning() << "no recovery file" << fil << w->isModified() << m.dokumenter().size();
        return 3;
    }
    fputs("klar\n", stdout);
    fflush(stdout);
    return app.exec();
}

} // namespace

class TestGendan : public QObject {
    Q_OBJECT
private slots:
    void formatRoundTrip();
    void damagedFilesAreRefused_data();
    void damagedFilesAreRefused();
    void runningProgramsKeepTheirFilesApart();
    void watcherWritesAndRemoves();
    void truncatedCopyGivesAMessageAndNoDocument();
    void killedProgramIsOfferedBack_data();
    void killedProgramIsOfferedBack();
};

void TestGendan::formatRoundTrip()
{
    const GendanPost p = eksempel();
    QString fejl;
    const auto q = laesGendanFil(lavGendanFil(p), &fejl);
    QVERIFY2(q, qPrintable(fejl));
    QCOMPARE(q->filnavn, p.filnavn);
    QCOMPARE(q->ext, p.ext);
    QCOMPARE(q->kodning, p.kodning);
    QCOMPARE(q->tid, p.tid);
    QCOMPARE(q->tekst, p.tekst);
    GendanPost unavngivet;
    unavngivet.ext = QStringLiteral(".css");
    QCOMPARE(visningsnavn(unavngivet), QStringLiteral("Ikke navngivet (.css)"));
    QCOMPARE(visningsnavn(p), QStringLiteral("side æøå.html"));
    // Two unnamed documents are told apart by type and first line with text.
    unavngivet.tekst = "\n   \nbody  {\tmargin: 0 }\n";
    QCOMPARE(visningsnavn(unavngivet), QStringLiteral("Ikke navngivet (.css): body { margin: 0 }"));
    unavngivet.ext = QStringLiteral(".html");
    unavngivet.tekst = "<p>" + QByteArray(60, 'x') + "</p>\n";
    QCOMPARE(visningsnavn(unavngivet), QStringLiteral("Ikke navngivet (.html): <p>") + QString(37, u'x') + QChar(0x2026));
}

void TestGendan::damagedFilesAreRefused_data()
{
    QTest::addColumn<QByteArray>("indhold");
    const QByteArray god = lavGendanFil(eksempel());
    QByteArray aendret = god;
    aendret[aendret.size() - 2] = 'X';
    const int hoved = god.indexOf('\n') + 1;
    const int json = god.indexOf('\n', hoved) + 1;
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("cut short") << god.left(god.size() - 3);
    QTest::newRow("one byte altered") << aendret;
    QTest::newRow("longer than said") << god + "x";
    QTest::newRow("other format") << QByteArray("Noget andet 1\n") + god.mid(hoved);
    QTest::newRow("broken description") << god.left(hoved) + "{\"bytes\": 3\n" + god.mid(json);
    QTest::newRow("no text line") << god.left(hoved + 10);
}

void TestGendan::damagedFilesAreRefused()
{
    QFETCH(QByteArray, indhold);
    QString fejl;
    QVERIFY(!laesGendanFil(indhold, &fejl));
    QVERIFY(!fejl.isEmpty());
}

// A running program's files are never offered to another; once it is gone they are, in
// time order, and a damaged one is set aside with its reason instead of being opened.
void TestGendan::runningProgramsKeepTheirFilesApart()
{
    TestProgramFolder folder;
    const QString dir = folder.programDir();
    GendanPost aeldre = eksempel();
    GendanPost nyere = eksempel();
    nyere.filnavn.clear();
    nyere.tid = aeldre.tid.addSecs(60);
    QString efterladt, skadet;
    {
        auto a = std::make_unique<TGendanLager>(dir);
        QVERIFY(a->aktiv());
        a->skriv(2, nyere);
        a->skriv(1, aeldre);
        a->vent();
        QCOMPARE(filerI(a->mappe()).size(), 3);   // two copies and the lock

        TGendanLager b(dir);
        QVERIFY(b.aktiv());
        QVERIFY(b.mappe() != a->mappe());
        QVERIFY(b.efterladte().poster.isEmpty());
        b.frigiv();
        efterladt = a->filFor(1);
        skadet = a->filFor(9);
        folder.writeFile(skadet.mid(dir.size()), "Tavlevirke gendannelse 1\n{}\n");
        a.reset();   // gone without clearing up, as after a crash
    }
    QVERIFY(QFileInfo::exists(efterladt));

    TGendanLager c(dir);
    const TGendanLager::Fund fund = c.efterladte();
    QCOMPARE(fund.poster.size(), 2);
    QCOMPARE(fund.poster[0].filnavn, aeldre.filnavn);
    QVERIFY(fund.poster[1].filnavn.isEmpty());
    QCOMPARE(fund.poster[1].tekst, nyere.tekst);
    QCOMPARE(fund.beskadigede.size(), 1);
    QVERIFY(fund.beskadigede[0].startsWith(skadet + u':'));
    QVERIFY(QFileInfo::exists(skadet + QStringLiteral(".beskadiget")));

    // While c holds the folder, a fourth program is not offered the same files.
    TGendanLager d(dir);
    QVERIFY(d.efterladte().poster.isEmpty());
    d.frigiv();

    c.slet(fund.poster[0]);
    c.vent();
    QVERIFY(!QFileInfo::exists(fund.poster[0].sti));
    QVERIFY(QFileInfo::exists(fund.poster[1].sti));
    c.frigiv();

    c.ryd();
    QVERIFY(!QFileInfo::exists(c.mappe()));
    struct stat st {};
    QCOMPARE(::stat(QFile::encodeName(dir + QStringLiteral("Gendan")).constData(), &st), 0);
    QCOMPARE(st.st_mode & 0777, 0700u);
}

// Changes are copied after a quiet moment; undoing back to the saved text removes the copy,
// and a closed document's copy goes with it.
void TestGendan::watcherWritesAndRemoves()
{
    TestProgramFolder folder;
    TGendanLager lager(folder.programDir());
    TEditor edit;
    edit.setText(QStringLiteral("<p>gemt</p>\n"));
    edit.setModified(false);
    TGendanVagt vagt(&lager, 7, &edit, [] {
        GendanPost p;
        p.ext = QStringLiteral(".html");
        return p;
    });
    const QString fil = lager.filFor(7);
    edit.replaceRange(0, 0, QStringLiteral("ny "));
    QTest::qWait(200);
    lager.vent();
    QVERIFY(!QFileInfo::exists(fil));   // not on every keystroke
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(fil), TGendanVagt::kRoMs + 3000);
    lager.vent();
    const auto post = laesGendanFil(folder.readFile(fil.mid(folder.programDir().size())));
    QVERIFY(post);
    QCOMPARE(QString::fromUtf8(post->tekst), QStringLiteral("ny <p>gemt</p>\n"));

    edit.undo();
    QVERIFY(!edit.isModified());
    lager.vent();
    QVERIFY(!QFileInfo::exists(fil));

    edit.replaceRange(0, 0, QStringLiteral("igen "));
    vagt.skrivNu();
    lager.vent();
    QVERIFY(QFileInfo::exists(fil));
    vagt.dokumentLukket();
    lager.vent();
    QVERIFY(!QFileInfo::exists(fil));
}

void TestGendan::truncatedCopyGivesAMessageAndNoDocument()
{
    TestProgramFolder folder(true);
    const QByteArray hel = lavGendanFil(eksempel());
    folder.writeFile(QStringLiteral("Gendan/1234-doed/1.tvg"), hel.left(hel.size() - 10));   // cut off by a power cut
    QStringList bokse;
    platform::setInfoBoxHandler([&bokse](const QString &t) { bokse << t; });
    {
        Tmainform m;
        m.show();
        QTRY_COMPARE(bokse.size(), 1);
        QVERIFY(bokse[0].contains(QStringLiteral("beskadigede")));
        QVERIFY(bokse[0].contains(QStringLiteral("1.tvg")));
        QTest::qWait(100);
        QVERIFY(!QApplication::activeModalWidget());   // nothing left to offer
        QVERIFY(m.dokumenter().isEmpty());
    }
    QVERIFY(QFileInfo::exists(folder.path(QStringLiteral("Gendan/1234-doed/1.tvg.beskadiget"))));
    platform::setInfoBoxHandler({});
}

void TestGendan::killedProgramIsOfferedBack_data()
{
    QTest::addColumn<bool>("medFil");
    QTest::newRow("plain start") << false;
    QTest::newRow("the file named on the command line") << true;   // one window, not two
}

// A program killed with unsaved changes: the next start offers the text back byte for byte,
// under the file's name and encoding, still modified; saving it removes the copy.
void TestGendan::killedProgramIsOfferedBack()
{
    QFETCH(bool, medFil);
    TestProgramFolder folder(true);
    const QByteArray original = "\xEF\xBB\xBF<p>R\xC3\xB8" "dgr\xC3\xB8" "d</p>\n<p>to</p>\n";
    folder.writeFile(QStringLiteral("side.html"), original);
    const QString side = folder.path(QStringLiteral("side.html"));

    QProcess barnet;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kBarnVar), QStringLiteral("1"));
    env.insert(QStringLiteral("TST_GENDAN_SIDE"), side);
    barnet.setProcessEnvironment(env);
    barnet.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    barnet.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(barnet.waitForStarted());
    QElapsedTimer ur;
    ur.start();
    while (!barnet.readAllStandardOutput().contains("klar") && ur.elapsed() < 30000)
        QVERIFY2(barnet.waitForReadyRead(30000), "the child never reported its recovery file");
    barnet.kill();   // SIGKILL: no chance to clear up
    QVERIFY(barnet.waitForFinished());

    QStringList bokse;
    platform::setInfoBoxHandler([&bokse](const QString &t) { bokse << t; });
    bool vist = false;
    naarGendanformVises([&vist](Tgendanform *f) {
        vist = true;
        QCOMPARE(f->liste->topLevelItemCount(), 1);
        QCOMPARE(f->liste->topLevelItem(0)->text(0), QStringLiteral("side.html"));
        f->findChild<QPushButton *>(QStringLiteral("gendanKnap"))->click();
    });
    Tmainform m(medFil ? QStringList{side} : QStringList{});
    m.show();
    QTRY_VERIFY_WITH_TIMEOUT(vist, 15000);
    QTRY_VERIFY(!m.dokumenter().isEmpty() && m.dokumenter().first()->isModified());
    QCOMPARE(m.dokumenter().size(), 1);
    Twinform *w = m.dokumenter().first();
    QCOMPARE(w->Filnavn, side);
    QCOMPARE(w->encoding, core::Encoding::Utf8Bom);
    QVERIFY(w->isModified());
    QCOMPARE(w->text(), kTilfoejet + QString::fromUtf8(original.mid(3)));
    QCOMPARE(folder.readFile(QStringLiteral("side.html")), original);   // the file itself untouched
    QVERIFY(bokse.isEmpty());

    // The old copy went; this run's own copy replaced it, and saving removes that too.
    m.gendanLager()->vent();
    const QString egen = m.gendanLager()->filFor(w->docNo);
    QVERIFY(QFileInfo::exists(egen));
    QCOMPARE(QDir(folder.path(QStringLiteral("Gendan"))).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
    m.FileSave->trigger();
    QVERIFY(!w->isModified());
    m.gendanLager()->vent();
    QVERIFY(!QFileInfo::exists(egen));
    QCOMPARE(folder.readFile(QStringLiteral("side.html")),
             "\xEF\xBB\xBF" + QByteArray(kTilfoejet.toUtf8() + original.mid(3)).replace("\n", "\r\n"));   // saved as always
    platform::setInfoBoxHandler({});
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet(kBarnVar))
        return barn(argc, argv);
    QApplication app(argc, argv);
    TestGendan t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_gendan.moc"
