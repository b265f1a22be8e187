// Stored window places: whatever a settings file says, a window put back lands whole on the
// screen, and a place that fits is kept exactly. Drive use as df reports it.

#include "platform/drev.h"
#include "platform/vinduesplads.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void rectangleLandsOnScreen_data();
    void rectangleLandsOnScreen();
    void storedPlaceIsClamped_data();
    void storedPlaceIsClamped();
    void driveUseAsDf_data();
    void driveUseAsDf();
    void driveUseLeavesReservedBlocksFree();
};

namespace {
QRect skaerm()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}
}

void TestPlatform::rectangleLandsOnScreen_data()
{
    QTest::addColumn<QRect>("stored");
    QTest::addColumn<QRect>("expected");
    const QRect s = skaerm();
    QTest::newRow("inside stays") << QRect(s.left() + 10, s.top() + 20, 200, 100) << QRect(s.left() + 10, s.top() + 20, 200, 100);
    QTest::newRow("far right and below") << QRect(5000, 5000, 200, 100)
                                        << QRect(s.right() - 199, s.bottom() - 99, 200, 100);
    QTest::newRow("above and left") << QRect(-5000, -300, 200, 100) << QRect(s.left(), s.top(), 200, 100);
    QTest::newRow("half over the right edge") << QRect(s.right() - 50, s.top() + 5, 200, 100)
                                              << QRect(s.right() - 199, s.top() + 5, 200, 100);
    QTest::newRow("larger than the screen") << QRect(100, 100, s.width() + 500, s.height() + 500) << s;
}

void TestPlatform::rectangleLandsOnScreen()
{
    QFETCH(QRect, stored);
    QFETCH(QRect, expected);
    QCOMPARE(platform::paaSkaermen(stored), expected);
}

void TestPlatform::storedPlaceIsClamped_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("moved");
    QTest::newRow("off screen") << QByteArray("5000\r\n5000\r\n") << true;
    QTest::newRow("negative") << QByteArray("-4000\r\n-4000\r\n") << true;
    QTest::newRow("on screen") << QByteArray("40\r\n30\r\n") << false;
}

// Through the functions the windows use: the place file of a dialog, and a place with a size.
void TestPlatform::storedPlaceIsClamped()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, moved);
    QTemporaryDir dir;
    const QString optfil = dir.filePath(QStringLiteral("plads.txt"));
    QFile f(optfil);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(file);
    f.close();

    QDialog dialog;
    dialog.resize(300, 200);
    QVERIFY(platform::hentPlads(&dialog, optfil));
    QVERIFY2(skaerm().contains(dialog.frameGeometry()), qPrintable(QStringLiteral("%1,%2").arg(dialog.x()).arg(dialog.y())));
    QCOMPARE(dialog.size(), QSize(300, 200));
    if (!moved)
        QCOMPARE(dialog.pos(), QPoint(30, 40));

    QWidget window;
    const QStringList tal = QString::fromLatin1(file).split(QStringLiteral("\r\n"));
    platform::placerVindue(&window, tal[1].toInt(), tal[0].toInt(), 400, 250);
    QCOMPARE(window.size(), QSize(400, 250));
    QVERIFY(skaerm().contains(QRect(window.pos(), window.size())));
    if (!moved)
        QCOMPARE(window.pos(), QPoint(30, 40));

    // A window that stores its inside rectangle keeps its title bar on the screen too.
    QWidget indre;
    platform::placerIndre(&indre, QRect(tal[1].toInt(), tal[0].toInt(), 400, 250));
    QCOMPARE(indre.size(), QSize(400, 250));
    QVERIFY(indre.geometry().top() >= skaerm().top() + (moved ? 1 : 0));
    QVERIFY(skaerm().contains(indre.geometry()));
}

void TestPlatform::driveUseAsDf_data()
{
    QTest::addColumn<qint64>("brugt");
    QTest::addColumn<qint64>("ledig");
    QTest::addColumn<int>("procent");
    QTest::newRow("a quarter") << qint64(1000) << qint64(3000) << 25;
    QTest::newRow("a third rounds up") << qint64(1) << qint64(2) << 34;
    QTest::newRow("a little in use is not 0 %") << qint64(1) << qint64(999999) << 1;
    QTest::newRow("full") << qint64(500) << qint64(0) << 100;
    QTest::newRow("empty volume") << qint64(0) << qint64(0) << 0;
    // The report's disk: 22.8 GB used of a large volume is 23 %, not the 70 % of counting the
    // reserved blocks as used.
    QTest::newRow("large volume") << qint64(22800) * 1000 * 1000 << qint64(77200) * 1000 * 1000 << 23;
}

void TestPlatform::driveUseAsDf()
{
    QFETCH(qint64, brugt);
    QFETCH(qint64, ledig);
    QFETCH(int, procent);
    platform::Drev d;
    d.kapacitet = (brugt + ledig) * 2;   // reserved blocks are in neither figure
    d.brugt = brugt;
    d.ledig = ledig;
    QCOMPARE(platform::drevStoerrelse(d), brugt + ledig);
    QCOMPARE(platform::brugtProcent(d), procent);
}

// On a real volume: the used blocks are those not free, so used + available never exceeds
// the whole and a volume with reserved blocks shows less than the whole.
void TestPlatform::driveUseLeavesReservedBlocksFree()
{
    const platform::Drev d = platform::drevFor(QDir::tempPath());
    QVERIFY(d.klar);
    QVERIFY(d.brugt >= 0);
    QVERIFY(d.brugt + d.ledig <= d.kapacitet);
    QVERIFY(d.brugt < d.kapacitet || d.ledig == 0);
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
