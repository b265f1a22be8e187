// The CSS box: its lists, the double-click rules and "Vis CSS-egenskab".

#include "codewriting/taginfo.h"
#include "editor/editor.h"
#include "generators/cssform.h"
#include "generators/generatorvinduer.h"
#include "platform/infobox.h"
#include "shell/mainform.h"
#include "shell/spmform.h"
#include "shell/winform.h"
#include "testsupport/testenv.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QtTest>

class TestCssBoks : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        platform::setInfoBoxHandler([this](const QString &t) { boxes << t; });
        Tspmform::setTestHandler([](const QString &) { return Tspmform::Nej; });
        folder = std::make_unique<TestProgramFolder>();
        folder->writeFile("CSS/Properties/Background and Border.txt", "border\r\nborder-style\r\nborder-color\r\n");
        folder->writeFile("CSS/Values/Background and Border/border.txt",
                          "a. border-style\r\nb. nowhere\r\nsolid\r\nCOLOR\r\nLENGTH\r\nPROCENT\r\nNUMBER\r\n:hover\r\n");
        folder->writeFile("CSS/Values/Background and Border/border-style.txt", "dashed\r\ndotted\r\n");
        folder->writeFile("CSS/Properties/Animation.txt", "@keyframes\r\nanimation\r\n");
        folder->writeFile("Dir/alleCssProp.txt",
                          "Border-Color\r\nBackground and Border\r\nfloat\r\nNo Such Group\r\nanimation\r\nAnimation\r\n");
        m = std::make_unique<Tmainform>();
        // The requests to the browser are read from the status bar.
        m->setHelpInfoHandler([this](const QString &s, const QString &t) {
            m->visInfo(QStringLiteral("Information: ") + s + QStringLiteral(" / ") + t);
        });
        m->show();
        QCoreApplication::processEvents();
        boxes.clear();
        w = m->openwin(QString(), ".css");
        g = m->findChild<TGeneratorVinduer *>();
    }
    void cleanup()
    {
        m->close();
        m.reset();
        folder.reset();
        platform::setInfoBoxHandler({});
        Tspmform::setTestHandler({});
    }

    void valueRules_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("rule");
        using V = TcssForm::Vaerdi;
        QTest::newRow("length") << "LENGTH" << int(V::Enheder);
        QTest::newRow("percent") << "PROCENT" << int(V::Enheder);
        QTest::newRow("colour") << "COLOR" << int(V::Farver);
        QTest::newRow("other placeholder") << "NUMBER" << int(V::Ingenting);
        QTest::newRow("colon") << ":hover" << int(V::Ingenting);
        QTest::newRow("other property") << "a. border-style" << int(V::Egenskab);
        QTest::newRow("literal") << "solid" << int(V::Skriv);
        QTest::newRow("one letter") << "x" << int(V::Skriv);
    }
    void valueRules()
    {
        QFETCH(QString, value);
        QFETCH(int, rule);
        QCOMPARE(int(TcssForm::vaerdiHandling(value)), rule);
    }

    void opensWithAnimation()
    {
        QVERIFY(m->AcssBoks->isEnabled());
        m->AcssBoks->trigger();
        TcssForm *f = g->cssForm();
        QVERIFY(f->isVisible());
        QCOMPARE(f->gruppeListe->topLevelItemCount(), 22);
        QCOMPARE(f->propertyListe->topLevelItemCount(), 2);
        QCOMPARE(f->propertyListe->headerItem()->text(0), QString("Animation"));
        QCOMPARE(f->aProperty, QString("@keyframes"));
        f->close();
        QVERIFY(QFile::exists(folder->path("Egenskaber/css.txt")));
    }

    void doubleClicks()
    {
        TcssForm *f = g->cssForm();
        f->propertyDoubleClick("@keyframes");
        QCOMPARE(w->Edit->text(), QString());
        QCOMPARE(m->infobar->text(), QString("Information: CSS.txt / @keyframes"));

        f->propertyDoubleClick("color");
        QCOMPARE(w->Edit->text(), QString("color: "));
        QCOMPARE(w->Edit->caretPos(), 7);

        QVERIFY(f->findEgenskab("border", m->findCssFilename) == false);   // not in the index
        f->LoadPropertyListe("Background and Border");
        f->LoadValueListe("border");
        QCOMPARE(f->valueListe->topLevelItemCount(), 8);
        f->valueDoubleClick("solid");
        QCOMPARE(w->Edit->text(), QString("color: solid;"));
        m->infobar->clear();
        f->valueDoubleClick("NUMBER");
        f->valueDoubleClick(":hover");
        QCOMPARE(w->Edit->text(), QString("color: solid;"));
        QCOMPARE(m->infobar->text(), QString());
        f->valueDoubleClick("LENGTH");
        QCOMPARE(m->infobar->text(), QString("Information: CSS.txt / CSS Units"));
        f->valueDoubleClick("COLOR");
        QCOMPARE(m->infobar->text(), QString("Information: CSS.txt / CSS Colors"));

        // A reference jumps to that property of the same group.
        f->valueDoubleClick("a. border-style");
        QCOMPARE(f->aProperty, QString("border-style"));
        QCOMPARE(f->propertyListe->currentItem()->text(0), QString("border-style"));
        QCOMPARE(f->valueListe->topLevelItemCount(), 2);
        QCOMPARE(f->infoCSS, QString("border-style"));
        f->valueDoubleClick("b. nowhere");   // unknown: stays
        QCOMPARE(f->aProperty, QString("border-style"));
    }

    void findCss_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("property");
        QTest::newRow("found, case ignored") << "p{border-color|: red}" << "" << "border-color";
        QTest::newRow("not in index") << "p{colour|: red}" << "colour blev ikke fundet." << "@keyframes";
        QTest::newRow("group unknown") << "float|" << "float blev ikke fundet." << "@keyframes";
        QTest::newRow("between blanks") << "a | b" << "Der er ikke nogen aktuel css-egenskab." << "@keyframes";
        QTest::newRow("one letter") << "x|" << "Der er ikke nogen aktuel css-egenskab." << "@keyframes";
    }
    void findCss()
    {
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(QString, property);
        const int caret = int(text.indexOf(u'|'));
        w->Edit->setText(QString(text).remove(u'|'));
        w->Edit->setCaretPos(caret);
        // What "Vis CSS-egenskab" does with the word at the caret.
        g->findCss(m->taginf->FindOrdCSS());
        TcssForm *f = g->cssForm();
        QVERIFY(f->isVisible());
        QCOMPARE(boxes, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(f->aProperty, property);
        if (message.isEmpty()) {
            QCOMPARE(f->gruppeListe->currentItem()->text(0), QString("Background and Border"));
            QCOMPARE(f->propertyListe->currentItem()->text(0), QString("border-color"));
        }
    }

private:
    QStringList boxes;
    std::unique_ptr<TestProgramFolder> folder;
    std::unique_ptr<Tmainform> m;
    Twinform *w = nullptr;
    TGeneratorVinduer *g = nullptr;
};

QTEST_MAIN(TestCssBoks)
#include "tst_cssboks.moc"
