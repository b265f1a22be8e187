// One program per program folder: a second start of the real program hands its file to the
// running one and ends; a start on another program folder runs on its own.

#include "platform/enkeltinstans.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QProcessEnvironment miljoe(const QString &programdir)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TAVLEVIRKE_DIR"), programdir);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

} // namespace

class TestEnkeltInstans : public QObject {
    Q_OBJECT
private slots:
    void init();
    void secondStartHandsOverItsFile();
    void otherProgramFolderStartsItsOwn();
    void leftoverSocketIsTakenOver();

private:
    QTemporaryDir m_runtime;
};

void TestEnkeltInstans::init()
{
    // Sockets of this test only, never those of a program the user runs.
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    QFile::setPermissions(m_runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void TestEnkeltInstans::secondStartHandsOverItsFile()
{
    QTemporaryDir programdir, arbejde;
    platform::TEnkeltInstans foerste(programdir.path());
    QCOMPARE(foerste.start({}), platform::TEnkeltInstans::Udfald::Lytter);
    QSignalSpy modtaget(&foerste, &platform::TEnkeltInstans::filerModtaget);

    // A relative name, as typed in a terminal, arrives as the full path.
    QProcess anden;
    anden.setProcessEnvironment(miljoe(programdir.path()));
    anden.setWorkingDirectory(arbejde.path());
    anden.start(QStringLiteral(TAVLEVIRKE_PROGRAM), {QStringLiteral("side.html")});
    QTRY_COMPARE_WITH_TIMEOUT(anden.state(), QProcess::NotRunning, 30000);
    QCOMPARE(anden.exitStatus(), QProcess::NormalExit);
    QCOMPARE(anden.exitCode(), 0);
    QCOMPARE(modtaget.size(), 1);
    QCOMPARE(modtaget.first().first().toStringList(), QStringList{QDir(arbejde.path()).filePath(QStringLiteral("side.html"))});
    // It never touched the program folder the first one owns.
    QVERIFY(QDir(programdir.path()).isEmpty());
}

void TestEnkeltInstans::otherProgramFolderStartsItsOwn()
{
    QTemporaryDir programdir, andenMappe;
    platform::TEnkeltInstans foerste(programdir.path());
    QCOMPARE(foerste.start({}), platform::TEnkeltInstans::Udfald::Lytter);
    QSignalSpy modtaget(&foerste, &platform::TEnkeltInstans::filerModtaget);

    QProcess anden;
    anden.setProcessEnvironment(miljoe(andenMappe.path()));
    anden.start(QStringLiteral(TAVLEVIRKE_PROGRAM), {});
    QVERIFY(anden.waitForStarted());
    // It runs: it makes its own program folder and its own socket.
    platform::TEnkeltInstans proeve(andenMappe.path());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(proeve.socketSti()), 30000);
    QCOMPARE(anden.state(), QProcess::Running);
    QVERIFY(modtaget.isEmpty());
    anden.kill();
    anden.waitForFinished();
}

void TestEnkeltInstans::leftoverSocketIsTakenOver()
{
    // A program that was killed leaves its socket file; the next start listens in its place.
    QTemporaryDir programdir;
    platform::TEnkeltInstans instans(programdir.path());
    QFile rest(instans.socketSti());
    QVERIFY(rest.open(QIODevice::WriteOnly));
    rest.close();
    QCOMPARE(instans.start({}), platform::TEnkeltInstans::Udfald::Lytter);

    platform::TEnkeltInstans anden(programdir.path());
    QSignalSpy modtaget(&instans, &platform::TEnkeltInstans::filerModtaget);
    // The answer needs the first one's event loop: run the hand-over from a thread.
    QString fejl;
    platform::TEnkeltInstans::Udfald udfald{};
    std::unique_ptr<QThread> t(QThread::create([&] { udfald = anden.start({QStringLiteral("/tmp/a.html")}, &fejl); }));
    t->start();
    QTRY_VERIFY(t->isFinished());
    QCOMPARE(udfald, platform::TEnkeltInstans::Udfald::Afleveret);
    QCOMPARE(modtaget.size(), 1);
}

QTEST_MAIN(TestEnkeltInstans)
#include "tst_enkeltinstans.moc"
