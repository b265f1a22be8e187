// The code book pages "Skema", "Lister" and "Links" in the main window.

#include "editor/editor.h"
#include "generators/kodebogsider.h"
#include "platform/infobox.h"
#include "shell/mainform.h"
#include "shell/winform.h"
#include "testsupport/testenv.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

class TestKodebogSider : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        boxes.clear();
        platform::setInfoBoxHandler([this](const QString &t) { boxes << t; });
        folder = std::make_unique<TestProgramFolder>();
        m = std::make_unique<Tmainform>();
        // The requests to the browser are read from the status bar.
        m->setHelpInfoHandler([this](const QString &s, const QString &t) {
            m->visInfo(QStringLiteral("Information: ") + s + QStringLiteral(" / ") + t);
        });
        m->show();
        QCoreApplication::processEvents();
        boxes.clear();   // the missing data files of the empty program folder
        s = m->findChild<TGeneratorSider *>();
        QVERIFY(s);
    }
    void cleanup()
    {
        Tspmform::setTestHandler([](const QString &) { return Tspmform::Nej; });
        m->close();
        m.reset();
        Tspmform::setTestHandler({});
        folder.reset();
        platform::setInfoBoxHandler({});
    }

    void actionsNeedADocument()
    {
        const char *names[] = {"AudskrivTabel", "AudskrivColgroup", "AudskrivTabelCSS", "AudskrivListe",
                               "AudskrivOptgroup", "AudskrivListeCSS", "AudskrivLinks", "AudskrivLinkCSS"};
        for (const char *n : names) {
            auto *a = m->findChild<QAction *>(n);
            QVERIFY2(a && !a->isEnabled(), n);
        }
        Twinform *w = m->openwin(QString(), ".html");
        for (const char *n : names)
            QVERIFY2(m->findChild<QAction *>(n)->isEnabled(), n);
        w->close();
        QCoreApplication::processEvents();
        QVERIFY(!s->AudskrivTabel->isEnabled());
    }

    void tableModesStayOpposite()
    {
        QVERIFY(s->tableStrukturCheck->isChecked());
        QVERIFY(!s->strukturCheck->isChecked());
        s->strukturCheck->click();
        QCOMPARE(s->tableStrukturCheck->isChecked(), !s->strukturCheck->isChecked());
        s->tableStrukturCheck->click();
        QCOMPARE(s->strukturCheck->isChecked(), !s->tableStrukturCheck->isChecked());

        QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
        QCoreApplication::sendEvent(s->tableBodyRowEdit, &in);
        QVERIFY(s->strukturCheck->isChecked());
        QVERIFY(!s->tableStrukturCheck->isChecked());
        QCoreApplication::sendEvent(s->tableRowEdit, &in);
        QVERIFY(s->tableStrukturCheck->isChecked());
        QVERIFY(!s->strukturCheck->isChecked());
    }

    void countFieldsFiltered()
    {
        m->bog->setCurrentWidget(s->side3);
        s->linksAntalEdit->setFocus();
        s->linksAntalEdit->selectAll();
        QTest::keyClicks(s->linksAntalEdit, "1a2");
        QCOMPARE(s->linksAntalEdit->text(), QString("12"));
        QCOMPARE(s->linksAntalEdit->cursorPosition(), 2);
        s->linksAntalEdit->insert("x");   // a paste
        QCOMPARE(s->linksAntalEdit->text(), QString("12"));
        s->linksAntalEdit->clear();
        QCOMPARE(s->linksAntalEdit->text(), QString("0"));
        s->linkAntalClearKnap->click();
        QCOMPARE(s->linksAntalEdit->text(), QString("1"));
        s->listeOptgroupEdit->setText("007");
        QCOMPARE(s->listeOptgroupEdit->text(), QString("7"));
        s->listeOptgroupClearKnap->click();
        QCOMPARE(s->listeOptgroupEdit->text(), QString("0"));
        s->tableCaptionEdit->setText("A");
        s->tableClearCaptionKnap->click();
        QCOMPARE(s->tableCaptionEdit->text(), QString());
    }

    void writesIntoTheActiveDocument()
    {
        Twinform *w = m->openwin(QString(), ".html");
        s->tableKolonneEdit->setText("2");
        s->tableRowEdit->setText("1");
        s->tableCaptionEdit->setText("A");
        s->AudskrivTabel->trigger();
        QCOMPARE(w->Edit->text(), QString("<table>\n<caption>A</caption>\n<tr><td></td><td></td></tr>\n</table>"));
        QVERIFY(boxes.isEmpty());

        w->Edit->setText(QString());
        s->listeTyper->button(4)->click();
        s->listeAntalEdit->clear();
        s->AudskrivListe->trigger();
        QCOMPARE(w->Edit->text(), QString("<datalist id=\"\">\n\n</datalist>\n"));

        w->Edit->setText(QString());
        s->linksAntalEdit->setText("2");
        s->linkNavCheck->setChecked(true);
        s->AudskrivLinks->trigger();
        QCOMPARE(w->Edit->text(), QString("<nav>\n<a href=\"\"></a>\n<a href=\"\"></a>\n</nav>"));
    }

    void refusalsWriteNothing_data()
    {
        QTest::addColumn<QString>("kolonner");
        QTest::addColumn<QString>("raekker");
        QTest::addColumn<QString>("message");
        QTest::newRow("no columns") << "" << "2" << "Der mangler antal kolonner!";
        QTest::newRow("no rows") << "3" << "0" << "Der mangler antal rækker!";
        QTest::newRow("too large") << "3" << "99999999999"
                                   << "\"99999999999\" er ikke et gyldigt antal.\rSkriv et helt tal fra 0 til 2147483647.";
    }
    void refusalsWriteNothing()
    {
        QFETCH(QString, kolonner);
        QFETCH(QString, raekker);
        QFETCH(QString, message);
        Twinform *w = m->openwin(QString(), ".html");
        s->tableKolonneEdit->setText(kolonner);
        s->tableRowEdit->setText(raekker);
        s->AudskrivTabel->trigger();
        QCOMPARE(boxes, QStringList{message});
        QCOMPARE(w->Edit->text(), QString());
        QCOMPARE(s->tableRowEdit->text(), raekker);
    }

    void listAndLinkChoicesSetTheirInformation()
    {
        s->listeTyper->button(3)->click();
        QCOMPARE(s->infListerKoder->toolTip(), QString("Information om select-koden"));
        s->infListerKoder->click();
        QCOMPARE(m->infobar->text(), QString("Information: Information.txt / select"));

        s->linkTyper->button(2)->click();
        QVERIFY(!s->linkTargetCheck->isEnabled());
        QVERIFY(!s->linkNavCheck->isEnabled());
        QCOMPARE(s->infLinksKoder->toolTip(), QString("Information om link-koden"));
        s->linkTyper->button(3)->click();
        QCOMPARE(s->infLinksKoder->toolTip(), QString("Information om script-koden"));
        s->linkTyper->button(1)->click();
        QVERIFY(s->linkTargetCheck->isEnabled());
        QCOMPARE(s->infLinksKoder->toolTip(), QString("Information om a-koden"));
        s->infLinksKoder->click();
        QCOMPARE(m->infobar->text(), QString("Information: Information.txt / a"));
    }

private:
    QStringList boxes;
    std::unique_ptr<TestProgramFolder> folder;
    std::unique_ptr<Tmainform> m;
    TGeneratorSider *s = nullptr;
};

QTEST_MAIN(TestKodebogSider)
#include "tst_kodebogsider.moc"
