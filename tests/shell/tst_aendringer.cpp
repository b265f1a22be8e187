// Files changed by other programs while they are open: an unmodified document follows the
// file, a modified one asks before anything is lost, a deleted file is reported, and saving
// never overwrites another program's version unasked. The other program is a real second
// process writing the file.

#include "editor/editor.h"
#include "gendan/gendanlager.h"
#include "gendan/gendanvagt.h"
#include "platform/infobox.h"
#include "shell/mainform.h"
#include "shell/spmform.h"
#include "shell/winform.h"
#include "testsupport/testenv.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void skriv(const QString &path, const QByteArray &data)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(data);
}

QByteArray laes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<mangler>");
}

// Another program rewrites (or removes) the file, as `printf … > file` in a shell does.
void andetProgram(const QString &script, const QString &path)
{
    QCOMPARE(QProcess::execute(QStringLiteral("sh"), {QStringLiteral("-c"), script, QStringLiteral("sh"), path}), 0);
}

// Collects the questions and messages of one test and answers the questions with svar.
struct Dialoger {
    explicit Dialoger(Tspmform::Svar svar = Tspmform::Annuller)
    {
        Tspmform::setTestHandler([this, svar](const QString &q) { spoergsmaal << q; return svar; });
        platform::setInfoBoxHandler([this](const QString &t) { bokse << t; });
    }
    ~Dialoger()
    {
        Tspmform::setTestHandler({});
        platform::setInfoBoxHandler({});
    }
    QStringList spoergsmaal, bokse;
};

// A file of its own, opened in a main window of its own, in a throw-away program folder.
struct AabenFil {
    explicit AabenFil(const QByteArray &indhold)
    {
        skriv(sti, indhold);
        w = m.openwin(sti, QStringLiteral(".html"));
    }
    TestProgramFolder pf;
    QTemporaryDir d;
    const QString sti = d.filePath(QStringLiteral("side.html"));
    Tmainform m;
    Twinform *w = nullptr;
};

} // namespace

class TestAendringer : public QObject {
    Q_OBJECT
private slots:
    void unmodifiedDocumentFollowsTheFile();
    void modifiedDocumentAsks_data();
    void modifiedDocumentAsks();
    void savingChecksTheFileFirst_data();
    void savingChecksTheFileFirst();
    void deletedFileIsReported();
    void touchedFileIsNoChange();
    void recoveryThatCannotBeWrittenIsSaid();
};

void TestAendringer::unmodifiedDocumentFollowsTheFile()
{
    Dialoger dialoger;
    AabenFil f("a\r\nb\r\nc\r\nd\r\n");
    QVERIFY(f.w);
    dialoger.bokse.clear();
    f.w->Edit->setCaretPos(f.w->Edit->lineStart(2));

    andetProgram(QStringLiteral("printf 'X\\r\\nY\\r\\nZ\\r\\n' > \"$1\""), f.sti);
    QTRY_COMPARE(f.w->text(), QStringLiteral("X\nY\nZ\n"));
    QCOMPARE(f.w->Edit->caretLine(), 2);
    QVERIFY(!f.w->isModified());
    QVERIFY(dialoger.spoergsmaal.isEmpty());

    // Still watched after the other program replaced the file under its name.
    andetProgram(QStringLiteral("printf 'ny\\r\\n' > \"$1.tmp\" && mv \"$1.tmp\" \"$1\""), f.sti);
    QTRY_COMPARE(f.w->text(), QStringLiteral("ny\n"));
    QCOMPARE(f.w->Edit->caretLine(), 1);   // the last line there is
    andetProgram(QStringLiteral("printf 'igen\\r\\n' > \"$1\""), f.sti);
    QTRY_COMPARE(f.w->text(), QStringLiteral("igen\n"));
    QVERIFY(dialoger.bokse.isEmpty());
}

void TestAendringer::modifiedDocumentAsks_data()
{
    QTest::addColumn<int>("svar");
    QTest::addColumn<QString>("tekst");      // the document's text afterwards
    QTest::addColumn<QByteArray>("fil");     // the file's contents afterwards
    QTest::addColumn<bool>("modificeret");
    QTest::newRow("Genindlæs") << int(Tspmform::Ja) << "andet\n" << QByteArray("andet\r\n") << false;
    QTest::newRow("Gem alligevel") << int(Tspmform::Nej) << "mit\n" << QByteArray("mit\r\n") << false;
    QTest::newRow("Annuller") << int(Tspmform::Annuller) << "mit\n" << QByteArray("andet\r\n") << true;
}

void TestAendringer::modifiedDocumentAsks()
{
    QFETCH(int, svar);
    QFETCH(QString, tekst);
    QFETCH(QByteArray, fil);
    QFETCH(bool, modificeret);
    Dialoger dialoger{Tspmform::Svar(svar)};
    AabenFil f("gammel\r\n");
    QVERIFY(f.w);
    f.w->Edit->replaceRange(0, f.w->Edit->length(), QStringLiteral("mit\n"));
    QVERIFY(f.w->isModified());

    andetProgram(QStringLiteral("printf 'andet\\r\\n' > \"$1\""), f.sti);
    QTRY_COMPARE(dialoger.spoergsmaal.size(), 1);
    QVERIFY(dialoger.spoergsmaal.first().contains(QStringLiteral("Filen er ændret af et andet program siden den blev åbnet.")));
    QCOMPARE(f.w->text(), tekst);
    QCOMPARE(laes(f.sti), fil);
    QCOMPARE(f.w->isModified(), modificeret);

    // Answered once: the same version is not asked about again when the program comes
    // forward, but saving still asks.
    f.m.tjekFilUdefra(f.w);
    QCOMPARE(dialoger.spoergsmaal.size(), 1);
    if (svar == Tspmform::Annuller) {
        QVERIFY(!f.m.Gem(f.w));
        QCOMPARE(dialoger.spoergsmaal.size(), 2);
        QCOMPARE(laes(f.sti), QByteArray("andet\r\n"));
    }
    f.w->setModified(false);
}

void TestAendringer::savingChecksTheFileFirst_data()
{
    QTest::addColumn<int>("svar");
    QTest::addColumn<QByteArray>("fil");
    QTest::addColumn<bool>("gemt");
    QTest::newRow("Genindlæs") << int(Tspmform::Ja) << QByteArray("andet\r\n") << false;
    QTest::newRow("Gem alligevel") << int(Tspmform::Nej) << QByteArray("mit\r\n") << true;
    QTest::newRow("Annuller") << int(Tspmform::Annuller) << QByteArray("andet\r\n") << false;
}

void TestAendringer::savingChecksTheFileFirst()
{
    // The file changes just before Ctrl+S, before any watcher could tell: the save asks.
    QFETCH(int, svar);
    QFETCH(QByteArray, fil);
    QFETCH(bool, gemt);
    Dialoger dialoger{Tspmform::Svar(svar)};
    AabenFil f("gammel\r\n");
    QVERIFY(f.w);
    f.w->Edit->replaceRange(0, f.w->Edit->length(), QStringLiteral("mit\n"));
    andetProgram(QStringLiteral("printf 'andet\\r\\n' > \"$1\""), f.sti);

    QCOMPARE(f.m.Gem(f.w), gemt);
    QCOMPARE(dialoger.spoergsmaal.size(), 1);
    QCOMPARE(laes(f.sti), fil);
    // The watcher's late signal asks nothing more.
    QTest::qWait(600);
    QCOMPARE(dialoger.spoergsmaal.size(), 1);
    f.w->setModified(false);
}

void TestAendringer::deletedFileIsReported()
{
    Dialoger dialoger;
    AabenFil f("tekst\r\n");
    QVERIFY(f.w);
    dialoger.bokse.clear();

    andetProgram(QStringLiteral("rm \"$1\""), f.sti);
    QTRY_COMPARE(dialoger.bokse.size(), 1);
    QVERIFY(dialoger.bokse.first().contains(QStringLiteral("er slettet af et andet program")));
    QVERIFY(f.w->isModified());
    QCOMPARE(f.w->text(), QStringLiteral("tekst\n"));
    QVERIFY(!QFile::exists(f.sti));

    // Reported: saving writes it again without a question.
    QVERIFY(f.m.Gem(f.w));
    QCOMPARE(laes(f.sti), QByteArray("tekst\r\n"));
    QVERIFY(dialoger.spoergsmaal.isEmpty());
}

void TestAendringer::touchedFileIsNoChange()
{
    Dialoger dialoger;
    AabenFil f("tekst\r\n");
    QVERIFY(f.w);
    f.w->Edit->replaceRange(0, 0, QStringLiteral("mit "));
    andetProgram(QStringLiteral("touch -d '2001-01-01' \"$1\""), f.sti);
    QTest::qWait(600);
    QVERIFY(f.m.Gem(f.w));
    QVERIFY(dialoger.spoergsmaal.isEmpty());
    QCOMPARE(laes(f.sti), QByteArray("mit tekst\r\n"));
}

void TestAendringer::recoveryThatCannotBeWrittenIsSaid()
{
    // "Gendan" is a file: no copy can be kept. The user is told once per run, the status bar
    // says it each time, and once the way is clear the copies are written again.
    TestProgramFolder pf;
    skriv(pf.path(QStringLiteral("Gendan")), "ikke en mappe");
    Dialoger dialoger;
    Tmainform m;
    dialoger.bokse.clear();
    Twinform *w = m.openwin(QString(), QStringLiteral(".html"));
    w->Edit->replaceRange(0, 0, QStringLiteral("hej"));
    w->gendanVagt->skrivNu();
    QCOMPARE(dialoger.bokse.size(), 1);
    QVERIFY(dialoger.bokse.first().startsWith(QStringLiteral("Gendannelseskopier kan ikke skrives: ")));
    QVERIFY(dialoger.bokse.first().contains(QStringLiteral("er en fil, ikke en mappe")));
    w->Edit->replaceRange(0, 0, QStringLiteral("!"));
    w->gendanVagt->skrivNu();
    QCOMPARE(dialoger.bokse.size(), 1);

    QVERIFY(QFile::remove(pf.path(QStringLiteral("Gendan"))));
    w->Edit->replaceRange(0, 0, QStringLiteral("!"));
    w->gendanVagt->skrivNu();
    m.gendanLager()->vent();
    QVERIFY(QFile::exists(m.gendanLager()->filFor(w->docNo)));
    w->setModified(false);
}

QTEST_MAIN(TestAendringer)
#include "tst_aendringer.moc"
