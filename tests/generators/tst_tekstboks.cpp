// The text box, the font size list, the colour field, special characters and entities.

#include "editor/editor.h"
#include "generators/farvefelt.h"
#include "generators/fontform.h"
#include "generators/fontsizebox.h"
#include "generators/fontvalg.h"
#include "generators/cssform.h"
#include "generators/generatorvinduer.h"
#include "generators/specialtegn.h"
#include "generators/specialtegnside.h"
#include "platform/infobox.h"
#include "shell/mainform.h"
#include "shell/spmform.h"
#include "shell/winform.h"
#include "testsupport/testenv.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>

#include <QPlainTextEdit>
#include <QToolButton>
#include <QtTest>

class TestTekstboks : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        platform::setInfoBoxHandler([this](const QString &t) { boxes << t; });
        Tspmform::setTestHandler([](const QString &) { return Tspmform::Nej; });
        folder = std::make_unique<TestProgramFolder>();
        folder->writeFile("Dir/Unicode/blandet.txt", "Hjerte\r\n&#x2665;\r\n");
        folder->writeFile("Dir/Unicode/tal.txt", "1 i cirkel\r\n&#x2460;\r\n2 i cirkel\r\n&#x2461;\r\nUden tekst\r\n");
        m = std::make_unique<Tmainform>();
        m->show();
        QCoreApplication::processEvents();
        boxes.clear();
        w = m->openwin(QString(), ".html");
    }
    void cleanup()
    {
        m->close();
        m.reset();
        folder.reset();
        platform::setInfoBoxHandler({});
        Tspmform::setTestHandler({});
    }

    void textBox_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("kode");
        QTest::addColumn<bool>("style");
        QTest::addColumn<QString>("expected");
        QTest::newRow("span without style") << "a" << 2 << false << "<span>\na\n</span>|";
        QTest::newRow("pre has no br") << "x\ny" << 3 << false << "<pre>\nx\ny\n</pre>|";
        QTest::newRow("p breaks lines") << "x\ny" << 0 << false << "<p>\nx<br>\ny\n</p>|";
        QTest::newRow("empty") << "" << 1 << false << "<div>|</div>";
        QTest::newRow("style, all parts") << "a" << 2 << true
            << "<span style=\"font-family: Arial; font-size: 12pt; color: #FF0000; font-weight: bold;\">\na\n</span>|";
    }
    void textBox()
    {
        QFETCH(QString, text);
        QFETCH(int, kode);
        QFETCH(bool, style);
        QFETCH(QString, expected);
        auto *g = m->findChild<TGeneratorVinduer *>();
        g->Atekstboks->trigger();
        Tfontform *f = g->fontform();
        QVERIFY(f->isVisible());
        QCOMPARE(f->kode(), QString("div"));   // the default element
        f->Memo->setPlainText(text);
        f->koder->button(kode)->click();
        f->styleCheck->setChecked(style);
        f->nameCheck->setChecked(true);
        f->sizeCheck->setChecked(true);
        f->colorCheck->setChecked(true);
        f->boldCheck->setChecked(true);
        f->farve->edit->setText("#ff0000");
        // The style takes the text box's font, as chosen in its lists.
        f->fontnames->clear();
        f->fontnames->addItem("Arial");
        f->fontnames->setCurrentRow(0);
        f->fontnamesClick();
        f->FontSize->setCurrentText("12");
        emit f->FontSize->textActivated("12");
        QCOMPARE(f->memoFont().pointSize(), 12);
        QCOMPARE(f->memoFarve(), QColor(255, 0, 0));
        g->AudskrivTekst->trigger();
        QString got = w->Edit->text();
        got.insert(w->Edit->caretPos(), u'|');
        QCOMPARE(got, expected);
    }

    void escapeClosesTheToolWindows()
    {
        auto *g = m->findChild<TGeneratorVinduer *>();
        g->Atekstboks->trigger();
        QVERIFY(QTest::qWaitForWindowActive(g->fontform()));   // it comes forward with the keyboard
        QApplication::setActiveWindow(g->fontform());           // as the window manager does
        QTest::keyClick(g->fontform()->Memo, Qt::Key_Escape);
        QVERIFY(!g->fontform()->isVisible());
        g->visCssBoks();
        QApplication::setActiveWindow(g->cssForm());
        QTest::keyClick(g->cssForm(), Qt::Key_Escape);
        QVERIFY(!g->cssForm()->isVisible());
    }
    void textBoxSettingsKept()
    {
        auto *g = m->findChild<TGeneratorVinduer *>();
        Tfontform *f = g->fontform();
        f->koder->button(4)->click();
        f->colorCheck->setChecked(true);
        f->farve->edit->setText("#00ff00");
        f->close();
        const QStringList lines = QString::fromLatin1(folder->readFile("Egenskaber/font.txt")).split("\r\n");
        QCOMPARE(lines.size(), 16);   // 15 lines and the final break
        QCOMPARE(lines[6], QString("4"));
        QCOMPARE(lines[8], QString("#00ff00"));
        QCOMPARE(lines[13], QString("1"));
        // A damaged file: defaults and a message, no crash.
        folder->writeFile("Egenskaber/font.txt", "1\r\nx\r\n");
        Tfontform again(m.get(), g->AudskrivTekst);
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(again.kode(), QString("div"));
        QVERIFY(again.styleCheck->isChecked());
    }

    void missingFontFallsBackToSans_data()
    {
        QTest::addColumn<QByteArray>("fontTxt");   // empty: no settings file, the defaults
        QTest::addColumn<int>("size");
        QTest::newRow("default font not installed") << QByteArray() << 8;
        QTest::newRow("stored font gone") << QByteArray("100\r\n100\r\n340\r\n560\r\nFindesIkkeSans\r\n14\r\n1\r\n1\r\n"
                                                        "#000000\r\n0\r\n0\r\n0\r\n0\r\n0\r\n40\r\n") << 14;
    }
    void missingFontFallsBackToSans()
    {
        QFETCH(QByteArray, fontTxt);
        QFETCH(int, size);
        if (!fontTxt.isEmpty())
            folder->writeFile("Egenskaber/font.txt", fontTxt);
        const QStringList families = generators::fontFamilier();
        QVERIFY(!families.isEmpty());
        if (families.contains(QStringLiteral("Verdana"), Qt::CaseInsensitive))
            QSKIP("the default font is installed here");
        // Each family once, without the foundry the font system adds.
        QCOMPARE(QSet<QString>(families.cbegin(), families.cend()).size(), families.size());
        for (const QString &f : families)
            QVERIFY2(!f.contains(u'['), qPrintable(f));

        Tfontform f(m.get(), m->findChild<TGeneratorVinduer *>()->AudskrivTekst);
        QFont sans(QStringLiteral("Sans Serif"));
        sans.setStyleHint(QFont::SansSerif);
        const QString expected = generators::fontEllerStandard(QFontInfo(sans).family(), families);
        QVERIFY(f.fontnames->currentItem());
        QCOMPARE(f.fontnames->currentItem()->text(), expected);
        QCOMPARE(f.memoFont().family(), expected);
        QCOMPARE(f.FontSize->currentText(), QString::number(size));
        QCOMPARE(f.memoFont().pointSize(), size);
        // The list is wide enough for the longest name.
        int widest = 0;
        for (int i = 0; i < f.fontnames->count(); ++i)
            widest = qMax(widest, f.fontnames->fontMetrics().horizontalAdvance(f.fontnames->item(i)->text()));
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QVERIFY2(f.fontnames->viewport()->width() >= qMin(widest, 300),
                 qPrintable(QStringLiteral("%1 < %2").arg(f.fontnames->viewport()->width()).arg(widest)));
    }

    void sizeList_data()
    {
        QTest::addColumn<bool>("scalable");
        QTest::addColumn<QList<int>>("sizes");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("scalable") << true << QList<int>{7, 13}
            << QStringList{"8", "9", "10", "11", "12", "14", "16", "18", "20", "22", "24", "26", "28", "36", "48", "72"};
        QTest::newRow("bitmap: own sizes ascending, once") << false << QList<int>{14, 8, 10, 8} << QStringList{"8", "10", "14"};
    }
    void sizeList()
    {
        QFETCH(bool, scalable);
        QFETCH(QList<int>, sizes);
        QFETCH(QStringList, expected);
        QCOMPARE(TFontSizeComboBox::storrelser(scalable, sizes), expected);
    }

    void colourField_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("colour");
        QTest::newRow("without hash") << "ff0000" << "ff0000" << false;
        QTest::newRow("with hash") << "#ff0000" << "#ff0000" << true;
        QTest::newRow("junk dropped") << "#ff00zz00" << "#ff0000" << true;
        QTest::newRow("too short") << "#ff00" << "#ff00" << false;
    }
    void colourField()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(bool, colour);
        TFarvefelt f("e", "k", "#000000");
        QSignalSpy spy(&f, &TFarvefelt::farveAendret);
        f.edit->setText(typed);
        QCOMPARE(f.edit->text(), shown);
        QCOMPARE(spy.size(), colour ? 1 : 0);
        QCOMPARE(f.valgtFarve(), colour ? QColor(255, 0, 0) : QColor(0, 0, 0));
        // A palette entry writes the colour in upper case.
        f.knap->menu()->actions().at(2 + 14)->trigger();   // "Blå"
        QCOMPARE(f.edit->text(), QString("#0000FF"));
    }

    void specialCharacters()
    {
        auto *s = m->findChild<TSpecialtegnSide *>();
        QCOMPARE(s->uniListe->count(), 1);   // blandet.txt at start
        m->findChild<QAction *>("uniTal")->trigger();
        QCOMPARE(s->uniListe->count(), 3);
        m->findChild<QAction *>("uniGreek")->trigger();   // missing: nothing changes
        QCOMPARE(s->uniListe->count(), 3);
        s->uniMedSpan->setChecked(true);
        s->uniMedMellemrum->setChecked(true);
        s->uniListe->setCurrentRow(0);
        QCOMPARE(s->uniMemo->toPlainText(),
                 QString("<span style=\"font-family: Arial; font-size: 18pt\">&#x2460;&nbsp;</span>"));
        s->uniMedSpan->setChecked(false);
        QCOMPARE(s->uniMemo->toPlainText(), QString("&#x2460;&nbsp;"));
        s->uniListe->setCurrentRow(2);   // the odd last line: no text of its own
        QCOMPARE(s->uniMemo->toPlainText(), QString("&nbsp;"));

        s->uniListe->setCurrentRow(1);
        w->Edit->setText("ab");
        w->Edit->setCaretPos(w->Edit->length());
        s->AudskrivUnicode->trigger();
        QCOMPARE(w->Edit->text(), QString("ab&#x2461;&nbsp;"));
        s->uniNyLinie->setChecked(true);
        s->AudskrivUnicode->trigger();   // the line with text stays; the character goes below it
        QCOMPARE(w->Edit->text(), QString("ab&#x2461;&nbsp;\n&#x2461;&nbsp;\n"));
        QCOMPARE(w->Edit->caretPos(), int(w->Edit->text().size()));
    }

    void entityMenu()
    {
        auto *s = m->findChild<TSpecialtegnSide *>();
        QCOMPARE(m->findChild<QMenu *>("PUspecialtegn"), s->PUspecialtegn);
        for (QAction *a : {s->MxMellemrum, s->MxGreaterThan, s->MxMindreEnd, s->MxSpecialtegn})
            a->trigger();
        QCOMPARE(w->Edit->text(), QString("&nbsp;&gt;&lt;&amp;"));
        QCOMPARE(w->Edit->caretPos(), 19);
    }

    void replaceAndUndo_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("converted");
        QTest::newRow("selection") << "1 <b>x</b> 2" << 2 << 10 << "1 &lt;b&gt;x&lt;/b&gt; 2";
        QTest::newRow("nothing selected: all") << "<p>\n<i>\u00a0</i>" << 3 << 3 << "&lt;p&gt;\n&lt;i&gt;\u00a0&lt;/i&gt;";
    }
    void replaceAndUndo()
    {
        QFETCH(QString, text);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, converted);
        auto *s = m->findChild<TSpecialtegnSide *>();
        w->Edit->setText(text);
        w->Edit->setSelection(from, to);
        s->AudskiftTegn->trigger();
        // No-break spaces must survive the round trip.
        auto raw = [this] { return w->Edit->text(); };
        QCOMPARE(raw(), converted);
        const QString selected = w->Edit->SelText();
        QCOMPARE(selected, generators::udskiftTegn(from == to ? text : text.mid(from, to - from)));
        s->AannullerUdskift->trigger();
        QCOMPARE(raw(), text);
        QCOMPARE(w->Edit->caretPos(), from == to ? 0 : from);
    }

private:
    QStringList boxes;
    std::unique_ptr<TestProgramFolder> folder;
    std::unique_ptr<Tmainform> m;
    Twinform *w = nullptr;
};

QTEST_MAIN(TestTekstboks)
#include "tst_tekstboks.moc"
