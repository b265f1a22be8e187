// Printing: the page rectangle from margins in centimetres, the dialog's fields, and a real
// print into a PDF file read back with poppler's tools.

#include "editor/editor.h"
#include "platform/infobox.h"
#include "printing/printform.h"
#include "printing/sideramme.h"
#include "printing/udskrift.h"
#include "testsupport/testenv.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

class TestUdskrift : public QObject {
    Q_OBJECT
private slots:
    void sideramme_data();
    void sideramme();
    void margenTal_data();
    void margenTal();
    void dialogFields();
    void printsIntoThePdfInsideTheMargins_data();
    void printsIntoThePdfInsideTheMargins();
    void pdfInsteadOfPrinterIsWrittenWhole();
};

void TestUdskrift::sideramme_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QRect>("expected");
    // A4 at 600 dpi is 4961 x 7016 pixels.
    QTest::newRow("600 dpi, no offsets") << 600 << 0 << QRect(QPoint(591, 472), QPoint(4961 - 236 - 1, 7016 - 354 - 1));
    QTest::newRow("600 dpi, offsets") << 600 << 100 << QRect(QPoint(491, 372), QPoint(4961 - 236 - 100 - 1, 7016 - 354 - 100 - 1));
}

void TestUdskrift::sideramme()
{
    QFETCH(int, dpi);
    QFETCH(int, offset);
    QFETCH(QRect, expected);
    printing::Printerdata p{dpi, dpi, offset, offset, 4961, 7016};
    QCOMPARE(printing::sideramme(2.5, 1, 2, 1.5, p), expected);
    // Half a pixel goes to the even neighbour: 0.254 cm at 50 dpi is 5 exactly, 0.381 cm is 7.5.
    printing::Printerdata lille{50, 50, 0, 0, 400, 400};
    QCOMPARE(printing::sideramme(0.381, 0.381, 0.127, 0.635, lille).left(), 8);
    QCOMPARE(printing::sideramme(0.381, 0.381, 0.127, 0.635, lille).top(), 2);   // 2.5 to 2
    QCOMPARE(printing::sideramme(0.381, 0.381, 0.127, 0.635, lille).bottom(), 400 - 12 - 1);   // 12.5 to 12
}

void TestUdskrift::margenTal_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");   // negative: refused
    QTest::newRow("comma") << "2,5" << 2.5;
    QTest::newRow("whole") << "1" << 1.0;
    QTest::newRow("leading comma") << ",5" << 0.5;
    QTest::newRow("two commas") << "2,5,5" << -1.0;
    QTest::newRow("comma alone") << "," << -1.0;
    QTest::newRow("empty") << "" << -1.0;
}

void TestUdskrift::margenTal()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    const auto v = printing::laesMargen(text);
    if (expected < 0)
        QVERIFY(!v);
    else
        QCOMPARE(*v, expected);
}

void TestUdskrift::dialogFields()
{
    TestProgramFolder folder;
    QStringList boxes;
    platform::setInfoBoxHandler([&](const QString &t) { boxes << t; });
    Tprintform form;
    QCOMPARE(form.Edit1->text(), QStringLiteral("2,5"));
    QTest::keyClicks(form.Edit1, QStringLiteral(".x7"));
    QCOMPARE(form.Edit1->text(), QStringLiteral("2,57"));
    form.Edit2->clear();
    QTest::keyClicks(form.Edit2, QStringLiteral("2.5"));
    QCOMPARE(form.Edit2->text(), QStringLiteral("25"));
    QTest::keyClicks(form.Edit5, QStringLiteral(",3"));
    QCOMPARE(form.Edit5->text(), QStringLiteral("13"));
    form.Button1->click();
    const QStringList std = {form.Edit1->text(), form.Edit2->text(), form.Edit3->text(), form.Edit4->text(), form.Edit5->text()};
    QCOMPARE(std, QStringList({"2,5", "1", "2", "1,5", "1"}));
    auto valg = form.laesValg();
    QVERIFY(valg);
    QCOMPARE(valg->margener.bund, 1.5);
    QCOMPARE(valg->kopier, 1);

    form.Edit3->clear();
    QVERIFY(!form.laesValg());
    QCOMPARE(boxes.last(), QStringLiteral("Der mangler en værdi, prøv igen!"));
    form.Edit3->setText(QStringLiteral("2,5,5"));
    QVERIFY(!form.laesValg());
    QVERIFY(boxes.last().contains(QStringLiteral("2,5,5")));
    platform::setInfoBoxHandler({});
}

void TestUdskrift::printsIntoThePdfInsideTheMargins_data()
{
    QTest::addColumn<int>("copies");
    QTest::addColumn<bool>("linjenumre");
    QTest::newRow("one copy") << 1 << false;
    QTest::newRow("three copies") << 3 << false;
    QTest::newRow("no copy") << 0 << false;
    // The line numbers on screen are not printed: the code stays at the left margin.
    QTest::newRow("line numbers shown") << 1 << true;
}

void TestUdskrift::printsIntoThePdfInsideTheMargins()
{
    QFETCH(int, copies);
    QFETCH(bool, linjenumre);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QFAIL("poppler-utils is needed (tools/install-deps.sh)");
    QTemporaryDir dir;
    const QString pdf = dir.path() + QStringLiteral("/side.pdf");
    TEditor edit;
    edit.setSprog(QStringLiteral(".html"));
    edit.setLinjenumre(linjenumre);
    edit.setText(QStringLiteral("<p class=\"a\">FØRSTELINJE</p>\n<b>anden</b> linje\n"));
    const std::unique_ptr<QPrinter> printer = TEditor::lavPrinter();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdf);
    printer->setPageSize(QPageSize(QPageSize::A4));
    const printing::Margener m{3, 2, 4, 2};
    QCOMPARE(printing::udskriv(&edit, printer.get(), m, copies), QString());
    if (copies == 0) {
        QVERIFY(!QFile::exists(pdf));
        return;
    }

    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY(info.waitForFinished());
    const QString infoText = QString::fromUtf8(info.readAllStandardOutput());
    QCOMPARE(QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(infoText).captured(1).toInt(), copies);

    QProcess bbox;
    bbox.start(QStringLiteral("pdftotext"), {"-bbox", "-f", "1", "-l", "1", pdf, "-"});
    QVERIFY(bbox.waitForFinished());
    const QString html = QString::fromUtf8(bbox.readAllStandardOutput());
    const QRegularExpression word(QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    const double cm = 72 / 2.54;
    double minX = 1e9, minY = 1e9;
    bool fandt = false;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto w = it.next();
        minX = std::min(minX, w.captured(1).toDouble());
        minY = std::min(minY, w.captured(2).toDouble());
        fandt = fandt || w.captured(5).contains(QStringLiteral("FØRSTELINJE"));
        // No line number on the page (the text holds no word of digits alone).
        QVERIFY2(!QRegularExpression(QStringLiteral("^\\d+$")).match(w.captured(5)).hasMatch(), qPrintable(w.captured(5)));
        QVERIFY2(w.captured(3).toDouble() <= 210 / 10.0 * cm - 2 * cm + 0.5, qPrintable(w.captured(5)));
    }
    QVERIFY2(fandt, qPrintable(html));
    // The first line starts at the margins asked for (the glyphs' boxes within a millimetre).
    QVERIFY2(minX >= 3 * cm - 0.5 && minX <= 3 * cm + 3, qPrintable(QString::number(minX / cm)));
    QVERIFY2(minY >= 4 * cm - 0.5 && minY <= 4 * cm + 6, qPrintable(QString::number(minY / cm)));

    // The colouring is printed: the page holds pixels that are neither grey nor white.
    QProcess ppm;
    ppm.start(QStringLiteral("pdftoppm"), {"-r", "60", "-f", "1", "-l", "1", "-png", pdf, dir.path() + QStringLiteral("/side")});
    QVERIFY(ppm.waitForFinished());
    QImage img(dir.path() + (copies > 1 ? QStringLiteral("/side-1.png") : QStringLiteral("/side-1.png")));
    if (img.isNull())
        img.load(dir.path() + QStringLiteral("/side-01.png"));
    QVERIFY(!img.isNull());
    int farvede = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            farvede += std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()}) > 60;
        }
    QVERIFY(farvede > 10);
}

// Without a printer the print goes to a PDF file: made aside, then written whole; a file that
// cannot be written is reported and an existing one is left as it was.
void TestUdskrift::pdfInsteadOfPrinterIsWrittenWhole()
{
    QTemporaryDir dir;
    TEditor edit;
    edit.setText(QStringLiteral("<p>en side</p>\n"));
    const QString pdf = dir.filePath(QStringLiteral("side.pdf"));
    QCOMPARE(printing::udskrivPdf(&edit, pdf, {}, 2), QString());
    QFile f(pdf);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    QVERIFY(bytes.trimmed().endsWith("%%EOF"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("side.pdf")});

    const QString fejl = printing::udskrivPdf(&edit, dir.filePath(QStringLiteral("mangler/side.pdf")), {}, 1);
    QVERIFY2(fejl.startsWith(QStringLiteral("PDF-filen ")), qPrintable(fejl));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("mangler/side.pdf"))));
}

QTEST_MAIN(TestUdskrift)
#include "tst_udskrift.moc"
