// The code book's "Design" page in the main window: its windows write into the active
// document, share their class names, keep their option files, and save and load named designs.

#include "editor/editor.h"
#include "generators/boksfelter.h"
#include "generators/designside.h"
#include "generators/flexcssform.h"
#include "generators/gemhentform.h"
#include "generators/kolonnecssform.h"
#include "generators/kontainercssform.h"
#include "generators/udskrivcssform.h"
#include "generators/udskrivkolonneform.h"
#include "generators/udskrivspalteform.h"
#include "generators/farvefelt.h"
#include "platform/infobox.h"
#include "shell/mainform.h"
#include "shell/newform.h"
#include "shell/spmform.h"
#include "shell/winform.h"
#include "testsupport/testenv.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

namespace {

QString linjer(const QString &fil)
{
    QFile f(fil);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("<missing>");
    return QString::fromLatin1(f.readAll());
}

} // namespace

class TestDesignSide : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        boxes.clear();
        questions.clear();
        svar = Tspmform::Ja;
        platform::setInfoBoxHandler([this](const QString &t) { boxes << t; });
        Tspmform::setTestHandler([this](const QString &q) {
            questions << q;
            return svar;
        });
        folder = std::make_unique<TestProgramFolder>();
        start();
    }
    void cleanup()
    {
        stop();
        Tspmform::setTestHandler({});
        folder.reset();
        platform::setInfoBoxHandler({});
    }

    void actionsNeedADocument()
    {
        const char *names[] = {"AudskrivDesignCss", "AudskrivDesignSpalte", "AudskrivKolonneCSS", "AudskrivKolonner",
                               "AudskrivKontainer", "AudskrivKontainerCSS", "AudskrivFlex", "AudskrivFlexCSS"};
        for (const char *n : names) {
            auto *a = m->findChild<QAction *>(n);
            QVERIFY2(a && !a->isEnabled(), n);
        }
        m->openwin(QString(), ".html");
        for (const char *n : names)
            QVERIFY2(m->findChild<QAction *>(n)->isEnabled(), n);
        QCOMPARE(m->bog->tabText(m->bog->indexOf(s->side6)), QString("Design"));
    }

    // Each window opens from the page, writes at the caret, gives the keyboard back to the
    // document, and one Ctrl+Z takes the whole write away.
    void writesUndoesAndGivesFocusBack_data()
    {
        QTest::addColumn<QString>("pageButton");   // opens the window
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("writeButton");  // in the window, or on the page when it has none
        QTest::addColumn<QString>("expected");
        QTest::newRow("column CSS") << "spalteCssKnap" << "TudskrivCSSform" << "Button1"
            << "<style type=\"text/css\">\n.spalteboks{\nbox-sizing: border-box;\nmargin: 4px;\npadding: 4px;\n"
               "background-color: #FFFFFF;\ncolor: #000000;\n}\n</style>";
        QTest::newRow("columns") << "spalteUdskrivKnap" << "TudskrivSpalteForm" << "udskrivSpalterKnap"
            << "<div style=\"display: flex;\">\n<div class=\"spalteboks\" style=\"min-width: 600px;\"></div>\n</div>\n";
        QTest::newRow("column container CSS") << "columnCssKnap" << "TkollonneCSSform" << "Button1"
            << "<style type=\"text/css\">\n.kolonner{\ncolumn-count: 1;\ncolumn-fill: balance;\ncolumn-gap: normal;\n"
               "column-rule-style: none;\ncolumn-rule-color: #000000;\ncolumn-rule-width: medium;\n}\n</style>";
        QTest::newRow("column container") << "udskrivKontainerKnap" << "TudskrivKolonneForm" << "kolonneUdskrivKnap"
            << "<div class=\"kolonner\">\n\n</div>";
        QTest::newRow("container CSS") << "kontainerCSSknap" << "TudskrivKontainerCSSform" << "Button4"
            << ".kontainer{\ndisplay: inline;\nmargin: 4px 4px 4px 4px;\npadding: 4px 4px 4px 4px;\n"
               "background-color: #FFFFFF;\ncolor: #000000;\n}\n";
        QTest::newRow("container") << "kontainerCSSknap" << "TudskrivKontainerCSSform" << "page:Button6"
            << "<div class=\"kontainer\">\n|\n</div>";
        QTest::newRow("flex CSS") << "flexCSSknap" << "TflexCSSform" << "Button1" << "flex";
        QTest::newRow("flex box") << "flexCSSknap" << "TflexCSSform" << "page:Button8"
            << "<div class=\"flexbox\">\n<div></div>\n<div></div>\n<div></div>\n<div></div>\n</div>";
    }
    void writesUndoesAndGivesFocusBack()
    {
        QFETCH(QString, pageButton);
        QFETCH(QString, window);
        QFETCH(QString, writeButton);
        QFETCH(QString, expected);
        Twinform *w = m->openwin(QString(), ".html");
        w->Edit->setText("før\n");
        w->Edit->setCaretPos(w->Edit->length());
        m->bog->setCurrentWidget(s->side6);

        s->side6->findChild<QToolButton *>(pageButton)->click();
        auto *vindue = m->findChild<QWidget *>(window);
        QVERIFY(vindue);
        QVERIFY(vindue->isVisible());
        QVERIFY(vindue->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QTRY_COMPARE(QApplication::activeWindow(), vindue);   // the user works in it
        // Its caption is not cut by the frame: the window is wider than the caption's text.
        QFont titel = vindue->font();
        titel.setBold(true);
        QVERIFY2(vindue->width() > QFontMetrics(titel).horizontalAdvance(vindue->windowTitle()) + 60,
                 qPrintable(QString::number(vindue->width())));
        QToolButton *knap = writeButton.startsWith("page:") ? s->side6->findChild<QToolButton *>(writeButton.mid(5))
                                                             : vindue->findChild<QToolButton *>(writeButton);
        QVERIFY(knap);
        knap->click();
        QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join('\n')));

        QString text = w->Edit->text();
        if (expected.contains('|'))
            text.insert(w->Edit->caretPos(), u'|');
        if (expected == "flex")
            QVERIFY(text.startsWith("før\n.flexbox{\nmargin: 4px;\n") && text.endsWith(".flexbox div:nth-of-type(4){\n}\n"));
        else
            QCOMPARE(text, "før\n" + expected);
        QVERIFY(w->Edit->isModified());
        QTRY_COMPARE(QApplication::activeWindow(), m.get());
        QTRY_VERIFY(QApplication::focusWidget() && w->Edit->isAncestorOf(QApplication::focusWidget()));
        QVERIFY(vindue->isVisible());   // the tool window stays open

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w->Edit->text(), QString("før\n"));
    }

    // A refused write says why and leaves the document alone.
    void refusalsAreShown()
    {
        Twinform *w = m->openwin(QString(), ".html");
        s->udskrivCSSform()->felter->designNavnEdit->clear();
        s->AudskrivDesignCss->trigger();
        s->kontainerCSSform()->felter->Bg->edit->setText("ff0000");
        s->AudskrivKontainerCSS->trigger();
        s->flexCSSform()->antalEdit->clear();
        s->flexCSSform()->boksnavnEdit->clear();
        s->AudskrivFlexCSS->trigger();
        QCOMPARE(s->flexCSSform()->antalEdit->text(), QString("0"));   // set before the name is checked
        QCOMPARE(boxes, QStringList({"Der mangler et selektor-navn!",
                                     "\"ff0000\" i feltet Baggrund er ikke en farve.\rSkriv # og seks hexadecimale "
                                     "cifre, for eksempel #FF0000.",
                                     "Der mangler et selektor-navn!"}));
        QCOMPARE(w->Edit->text(), QString());

        // Zero columns are written as one, and the field says so.
        s->udskrivSpalteForm()->antalSpalterEdit->setText("0");
        s->AudskrivDesignSpalte->trigger();
        QCOMPARE(s->udskrivSpalteForm()->antalSpalterEdit->text(), QString("1"));
        // An empty flex count writes one child and shows it.
        boxes.clear();
        s->flexCSSform()->boksnavnEdit->setText("f");
        s->flexCSSform()->antalEdit->clear();
        s->AudskrivFlex->trigger();
        QCOMPARE(s->flexCSSform()->antalEdit->text(), QString("1"));
        QVERIFY(w->Edit->text().endsWith("<div class=\"f\">\n<div></div>\n</div>"));
    }

    void namesAndWidthFollowTheCssWindow()
    {
        TudskrivCSSform *css = s->udskrivCSSform();
        TudskrivSpalteForm *html = s->udskrivSpalteForm();
        QCOMPARE(html->marginBreddeEdit->text(), QString("608"));
        css->felter->marginEdit->setText("10");
        QCOMPARE(html->marginBreddeEdit->text(), QString("620"));
        html->spalteRowEdit->setText("7a00");   // filtered as typed
        QCOMPARE(html->spalteRowEdit->text(), QString("700"));
        QCOMPARE(html->marginBreddeEdit->text(), QString("720"));
        QTest::keyClicks(css->felter->designNavnEdit, "x");
        QCOMPARE(html->designNavnHtmlEdit->text(), QString("spalteboksx"));
        html->designNavnHtmlEdit->setText("kun html");
        QCOMPARE(css->felter->designNavnEdit->text(), QString("spalteboksx"));

        TkollonneCSSform *kcss = s->kollonneCSSform();
        TudskrivKolonneForm *khtml = s->udskrivKolonneForm();
        kcss->kolonneNavnEdit->setText("a");
        kcss->overskriftNavnEdit->setText("b");
        QCOMPARE(khtml->kolonneNavnEdit->text(), QString("a"));
        QCOMPARE(khtml->overskriftNavnEdit->text(), QString("b"));
        khtml->kolonneNavnEdit->setText("c");
        QCOMPARE(kcss->kolonneNavnEdit->text(), QString("a"));
        // The heading box exists in each window on its own.
        kcss->kolonneOverskriftCheck->setChecked(true);
        QVERIFY(!khtml->kolonneOverskriftCheck->isChecked());
    }

    void justifyButtons()
    {
        TudskrivKontainerCSSform *k = s->kontainerCSSform();
        k->setTextJustify->click();
        QCOMPARE(boxes, QStringList({"Egenskaben 'text-justify' virker kun,\rnår 'text-align' er sat til 'justify'."}));
        QCOMPARE(k->justifyBox->currentText(), QString("distribute"));
        boxes.clear();
        k->setTextAlign->click();
        k->setTextJustify->click();
        QCOMPARE(k->alignBox->currentText(), QString("justify"));
        QVERIFY(boxes.isEmpty());
    }

    // The option files are written when a window closes and read by the next program run;
    // the CSS window's names reach the HTML window then too.
    void optionFilesCarryOver()
    {
        TudskrivCSSform *css = s->udskrivCSSform();
        css->felter->designNavnEdit->setText("boks");
        css->felter->marginEdit->setText("6");
        css->felter->Bg->edit->setText("#C0C0C0");
        css->justifyCheck->setChecked(true);
        css->felter->stilBox->setCurrentIndex(2);   // not stored
        css->show();
        css->move(40, 50);
        const QPoint pos = css->pos();
        css->close();
        s->udskrivSpalteForm()->close();
        TkollonneCSSform *k = s->kollonneCSSform();
        k->overskriftNavnEdit->setText("h1boks");
        k->ruleKnapper->button(3)->click();
        s->udskrivKolonneForm()->close();
        k->close();
        s->flexCSSform()->cb[18]->setChecked(true);
        s->flexCSSform()->fkBox[1]->setCurrentIndex(4);
        s->flexCSSform()->close();
        s->kontainerCSSform()->displayBox->setCurrentIndex(5);
        s->kontainerCSSform()->close();
        QCOMPARE(linjer(folder->path("Egenskaber/udskrivcss.txt")).count("\r\n"), 16);
        QCOMPARE(linjer(folder->path("Egenskaber/udskrivspalte.txt")).count("\r\n"), 6);
        QCOMPARE(linjer(folder->path("Egenskaber/udskrivKolonnecss.txt")).count("\r\n"), 12);
        QCOMPARE(linjer(folder->path("Egenskaber/udskrivKolonne.txt")).count("\r\n"), 5);
        QCOMPARE(linjer(folder->path("Egenskaber/udskrivcssKontainer.txt")).count("\r\n"), 18);
        QCOMPARE(linjer(folder->path("Egenskaber/udskrivFlexcss.txt")).count("\r\n"), 40);

        stop();
        start();
        css = s->udskrivCSSform();
        QCOMPARE(css->felter->designNavnEdit->text(), QString("boks"));
        QCOMPARE(s->udskrivSpalteForm()->designNavnHtmlEdit->text(), QString("boks"));
        QCOMPARE(s->udskrivSpalteForm()->marginBreddeEdit->text(), QString("612"));
        QCOMPARE(css->felter->Bg->valgtFarve(), QColor(192, 192, 192));   // the palette button follows
        QVERIFY(css->justifyCheck->isChecked());
        QCOMPARE(css->felter->stilBox->currentIndex(), 4);
        QCOMPARE(css->pos(), pos);
        QCOMPARE(s->udskrivKolonneForm()->overskriftNavnEdit->text(), QString("h1boks"));
        QCOMPARE(s->kollonneCSSform()->ruleKnapper->checkedId(), 3);
        QVERIFY(s->flexCSSform()->cb[18]->isChecked());
        QCOMPARE(s->flexCSSform()->fkBox[1]->currentIndex(), 4);
        QCOMPARE(s->kontainerCSSform()->displayBox->currentIndex(), 5);
        QVERIFY(boxes.isEmpty());
    }

    // A damaged option file keeps the defaults where it cannot be read and says so once.
    void damagedOptionFile()
    {
        stop();
        folder->writeFile("Egenskaber/udskrivcss.txt", "10\r\n20\r\nbred\r\n0\r\n#000000\r\n");
        start();
        TudskrivCSSform *css = s->udskrivCSSform();
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes[0].contains("(linie 3, 6-16 af 16)"));
        QCOMPARE(css->felter->designRbreddeEdit->text(), QString("0"));
        QCOMPARE(css->felter->designNavnEdit->text(), QString("spalteboks"));
        QCOMPARE(css->pos(), QPoint(20, 10));
    }

    // Saving under the proposed name, loading it back with every field and the window's place.
    void designSaveAndLoad()
    {
        TudskrivCSSform *css = s->udskrivCSSform();
        css->show();
        css->move(30, 40);
        const QPoint saved = css->pos();
        css->felter->designRbreddeEdit->setText("2");
        css->felter->Tekst->edit->setText("#FF0000");
        css->destibuteCheck->setChecked(true);
        // The design folder the user removed comes back.
        QDir(folder->path("Egenskaber/Spaltedesign")).removeRecursively();

        paaDialog([css](TgemHentForm *d) {
            // Above the stay-on-top window that opened it, never hidden beneath it.
            QCOMPARE(d->parentWidget(), css);
            QVERIFY(d->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
            QCOMPARE(d->windowTitle(), QString("Spaltedesign"));
            QCOMPARE(d->filnavnEdit->text(), QString("spalteboks"));
            QCOMPARE(d->okKnap->text(), QString("Gem"));
            d->okKnap->click();
        });
        css->gemKnap->click();
        const QString fil = folder->path("Egenskaber/Spaltedesign/spalteboks.txt");
        QCOMPARE(linjer(fil).count("\r\n"), 16);
        QVERIFY(questions.isEmpty());

        css->felter->designRbreddeEdit->setText("0");
        css->felter->Tekst->edit->setText("#000000");
        css->destibuteCheck->setChecked(false);
        css->felter->designNavnEdit->setText("andet");
        css->move(200, 220);
        paaDialog([](TgemHentForm *d) {
            QCOMPARE(d->okKnap->text(), QString("Hent"));
            QCOMPARE(d->filnavnEdit->text(), QString());
            QCOMPARE(d->filListe->count(), 1);
            d->filListe->setCurrentRow(0);
            emit d->filListe->itemClicked(d->filListe->item(0));
            QCOMPARE(d->filnavnEdit->text(), QString("spalteboks"));
            d->okKnap->click();
        });
        css->hentKnap->click();
        QCOMPARE(css->felter->designRbreddeEdit->text(), QString("2"));
        QCOMPARE(css->felter->Tekst->edit->text(), QString("#FF0000"));
        QVERIFY(css->destibuteCheck->isChecked());
        QCOMPARE(css->felter->designNavnEdit->text(), QString("spalteboks"));
        QCOMPARE(s->udskrivSpalteForm()->designNavnHtmlEdit->text(), QString("spalteboks"));
        QCOMPARE(css->pos(), saved);
        QVERIFY(boxes.isEmpty());

        // The same dialog opened from another design window moves above that one.
        TflexCSSform *flex = s->flexCSSform();
        flex->show();
        bool set = false;
        paaDialog([flex, &set](TgemHentForm *d) {
            set = true;
            QCOMPARE(d->parentWidget(), flex);
            QCOMPARE(d->windowTitle(), QString("Flex layout"));
        });
        flex->gemKnap->click();
        QVERIFY(set);
        flex->hide();
    }

    void designDialogRefusesAndAsks()
    {
        TgemHentForm *d = s->gemHentForm();
        TflexCSSform *flex = s->flexCSSform();
        const QString mappe = folder->path("Egenskaber/Flex layout/");

        // Loading with an empty name: the dialog stays.
        d->forbered(4, false, "flexbox", flex);
        d->show();
        d->okKnap->click();
        QCOMPARE(boxes, QStringList({"Der mangler et design navn."}));
        QVERIFY(d->isVisible());

        // A name that would leave the folder.
        boxes.clear();
        d->forbered(4, true, "../../udskrivFlexcss", flex);
        d->okKnap->click();
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes[0].contains("kan ikke bruges som design navn"));
        QVERIFY(!QFileInfo::exists(folder->path("udskrivFlexcss.txt.txt")));
        QVERIFY(d->isVisible());

        // A name with an extension keeps it.
        boxes.clear();
        d->forbered(4, true, "a.txt", flex);
        d->okKnap->click();
        QVERIFY(QFileInfo::exists(mappe + "a.txt.txt"));
        QVERIFY(!d->isVisible());
        d->forbered(4, false, QString(), flex);
        QCOMPARE(d->filListe->item(0)->text(), QString("a.txt"));

        // Overwriting asks; "Nej" keeps the file and the dialog.
        flex->boksnavnEdit->setText("ny");
        d->forbered(4, true, "a.txt", flex);
        d->show();
        svar = Tspmform::Nej;
        d->okKnap->click();
        QCOMPARE(questions, QStringList({"Design: a.txt\rFilen eksisterer allerede.\rSkal den overskrives?"}));
        QVERIFY(!linjer(mappe + "a.txt.txt").contains("ny\r\n"));
        QVERIFY(d->isVisible());
        svar = Tspmform::Ja;
        d->okKnap->click();
        QVERIFY(linjer(mappe + "a.txt.txt").contains("\r\nny\r\n"));

        // Loading a name that has no file.
        boxes.clear();
        d->forbered(4, false, QString(), flex);
        d->show();
        d->filnavnEdit->setText("findes ikke");
        d->okKnap->click();
        QCOMPARE(boxes, QStringList({"Filen kunne ikke findes."}));
        QVERIFY(!d->isVisible());

        // Deleting: asked, moved to the trash, the list refilled; a missing file is said.
        boxes.clear();
        questions.clear();
        d->forbered(4, false, QString(), flex);
        d->show();
        d->filnavnEdit->setText("a.txt");
        svar = Tspmform::Nej;
        d->sletKnap->click();
        QVERIFY(QFileInfo::exists(mappe + "a.txt.txt"));
        svar = Tspmform::Ja;
        d->sletKnap->click();
        QCOMPARE(questions.last(), QString("Skal designfilen: a.txt\rslettes til papirkurven?"));
        QVERIFY(!QFileInfo::exists(mappe + "a.txt.txt"));
        QCOMPARE(d->filListe->count(), 0);
        QCOMPARE(d->filnavnEdit->text(), QString());
        QVERIFY(d->isVisible());
        d->filnavnEdit->setText("a.txt");
        d->sletKnap->click();
        QCOMPARE(boxes, QStringList({"Filen blev ikke fundet."}));
        d->reject();
        // The dialog's place is kept.
        QCOMPARE(linjer(folder->path("Egenskaber/gemhent.txt")).count("\r\n"), 2);
    }

    // "Nyt dokument" with design boxes writes the layouts' CSS without style elements.
    void newDocumentWithDesignCss()
    {
        s->udskrivCSSform()->felter->designNavnEdit->setText("s");
        Tnewform *f = m->newform();
        f->typeGroup->button(Tnewform::Stylesheet)->click();
        for (QCheckBox *c : {f->css1, f->css2, f->css3, f->css4})
            c->setChecked(false);
        f->css1->setChecked(true);
        f->css4->setChecked(true);
        QTimer::singleShot(0, f->udskrivKnap, [f] { f->udskrivKnap->click(); });
        m->AnewDokument->trigger();
        Twinform *w = m->aktivWin();
        QVERIFY(w);
        QCOMPARE(w->docExt, QString(".css"));
        QCOMPARE(w->Edit->text(),
                 QString(".s{\nbox-sizing: border-box;\nmargin: 4px;\npadding: 4px;\nbackground-color: #FFFFFF;\n"
                         "color: #000000;\n}\n.kontainer{\ndisplay: inline;\nmargin: 4px 4px 4px 4px;\n"
                         "padding: 4px 4px 4px 4px;\nbackground-color: #FFFFFF;\ncolor: #000000;\n}\n"));
        QVERIFY(!s->udskrivCSSform()->felter->desigStyleCheck->isChecked());

        f->typeGroup->button(Tnewform::Html)->click();
        f->cssRadio->button(1)->click();
        f->css1->setChecked(false);
        f->css4->setChecked(false);
        f->css2->setChecked(true);
        QTimer::singleShot(0, f->udskrivKnap, [f] { f->udskrivKnap->click(); });
        m->AnewDokument->trigger();
        const QString html = m->aktivWin()->Edit->text();
        QVERIFY2(html.contains("<style>\n.kolonner{\ncolumn-count: 1;\n") && html.contains("column-rule-width: medium;\n}\n</style>\n</head>"),
                 qPrintable(html));
        QVERIFY(!s->kollonneCSSform()->kolonneStyleCheck->isChecked());
    }

private:
    void start()
    {
        m = std::make_unique<Tmainform>();
        m->show();
        QCoreApplication::processEvents();
        boxes.clear();   // the missing data files of the empty program folder
        s = m->findChild<TDesignSide *>();
        QVERIFY(s);
    }
    void stop()
    {
        auto gammel = svar;
        svar = Tspmform::Nej;
        m->close();
        m.reset();
        svar = gammel;
    }
    // Acts on the design dialog once it shows modally.
    void paaDialog(std::function<void(TgemHentForm *)> f)
    {
        QTimer::singleShot(0, this, [f] {
            auto *d = qobject_cast<TgemHentForm *>(QApplication::activeModalWidget());
            QVERIFY(d);
            f(d);
            if (d->isVisible())
                d->reject();
        });
    }

    std::unique_ptr<TestProgramFolder> folder;
    std::unique_ptr<Tmainform> m;
    TDesignSide *s = nullptr;
    QStringList boxes, questions;
    Tspmform::Svar svar = Tspmform::Ja;
};

QTEST_MAIN(TestDesignSide)
#include "tst_designside.moc"
