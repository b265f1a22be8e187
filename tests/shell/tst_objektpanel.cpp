// The object structure pane of script documents, the JavaScript button box, the tool bars'
// information fields and the VBScript capitalisation, in a real main window.

#include "analysis/jspanel.h"
#include "analysis/objektpanel.h"
#include "editor/editor.h"
#include "information/findinfoform.h"
#include "information/informationform.h"
#include "information/struktur.h"
#include "platform/infobox.h"
#include "shell/mainform.h"
#include "shell/spmform.h"
#include "shell/winform.h"
#include "testsupport/testenv.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

namespace {

struct Spy {
    QStringList boxes;
    QList<QPair<QString, QString>> info;
    Spy()
    {
        platform::setInfoBoxHandler([this](const QString &t) { boxes << t; });
        Tspmform::setTestHandler([](const QString &) { return Tspmform::Nej; });
    }
    ~Spy()
    {
        platform::setInfoBoxHandler({});
        Tspmform::setTestHandler({});
    }
    void lyt(Tmainform &m)
    {
        m.setHelpInfoHandler([this](const QString &s, const QString &t) { info.append({s, t}); });
    }
};

// An environment with two objects; the data lines follow the titles depth first.
void skrivASP(const TestProgramFolder &f)
{
    f.writeFile("Script/ASPStruktur.txt", "Request\r\n\tForm\r\n\tQueryString\r\nResponse\r\n\tWrite\r\n\tEnd\r\n");
    f.writeFile("Script/ASPData.txt",
                "0Henter data fra klienten\r\n1Formularens felter|Request.Form(\"navn\")|Request.Form(\"x\")\r\n"
                "1Adressens felter\r\n0Svaret\r\n2Skriver|Response.Write tekst\r\n2Slutter\r\n");
}

QStringList titler(TStruktur *t)
{
    QStringList l;
    for (const QTreeWidgetItem *n : t->alleNoder())
        l << n->text(0);
    return l;
}

QTreeWidgetItem *node(TStruktur *t, const QString &titel)
{
    for (QTreeWidgetItem *n : t->alleNoder())
        if (n->text(0) == titel)
            return n;
    return nullptr;
}

} // namespace

class TestObjektpanel : public QObject {
    Q_OBJECT
private slots:
    void aspPane()
    {
        TestProgramFolder folder;
        skrivASP(folder);
        Spy spy;
        Tmainform m;
        m.show();
        spy.boxes.clear();   // the lists this folder lacks
        Twinform *w = m.openwin({}, QStringLiteral(".asp"));
        TObjektPanel *p = w->strukturpanel;
        QVERIFY(p->isHidden());
        QCOMPARE(p->objektstruktur->topLevelItemCount(), 0);   // read when first shown
        w->aspKnap->click();
        QVERIFY(p->isVisible());
        QCOMPARE(titler(p->objektstruktur), QStringList({"Request", "Form", "QueryString", "Response", "Write", "End"}));
        QVERIFY(node(p->objektstruktur, "Request")->isExpanded());
        QVERIFY(!node(p->objektstruktur, "Response")->isExpanded());

        // A click shows the fields; the syntax field holds the syntax and example lines.
        emit p->objektstruktur->itemClicked(node(p->objektstruktur, "Form"), 0);
        QCOMPARE(p->defMemo->toPlainText(), QStringLiteral("Formularens felter"));
        QCOMPARE(p->syntaxMemo->toPlainText(), QStringLiteral("Request.Form(\"navn\")\nRequest.Form(\"x\")"));

        // A double-click replaces the selection by the title, as one undo step.
        w->Edit->setText(QStringLiteral("<% x = y %>"));
        w->Edit->setSelection(7, 8);
        emit p->objektstruktur->itemDoubleClicked(node(p->objektstruktur, "Write"), 0);
        QCOMPARE(w->Edit->text(), QStringLiteral("<% x = Write %>"));
        QCOMPARE(w->Edit->caretPos(), 12);
        w->Edit->undo();
        QCOMPARE(w->Edit->text(), QStringLiteral("<% x = y %>"));

        // The structure button closes the pane again.
        w->aspKnap->click();
        QVERIFY(p->isHidden());
        QVERIFY(spy.boxes.isEmpty());

        // The built-in menu offers the three environments; a missing one keeps the tree.
        QCOMPARE(p->defaultStrukButton->menu()->actions().size(), 3);
        w->aspKnap->click();
        p->defaultStrukButton->menu()->actions()[1]->trigger();   // "Scripting": no files
        QCOMPARE(spy.boxes, QStringList{QStringLiteral("Der mangler en fil.")});
        QCOMPARE(p->objektstruktur->alleNoder().size(), 6);
    }

    // A data file shorter than its structure is refused whole, never half a tree.
    void damagedStructure()
    {
        TestProgramFolder folder;
        skrivASP(folder);
        folder.writeFile("Script/WScriptStruktur.txt", "WScript\r\n\tEcho\r\n\tQuit\r\n");
        folder.writeFile("Script/WScriptData.txt", "0Værten\r\n");
        Spy spy;
        Tmainform m;
        m.show();
        spy.boxes.clear();   // the lists this folder lacks
        Twinform *w = m.openwin({}, QStringLiteral(".asp"));
        w->visObjektPanel(true);
        spy.boxes.clear();
        QVERIFY(!w->strukturpanel->hentObjekt(QStringLiteral("WScript"), TObjektPanel::Udfold::Intet));
        QCOMPARE(spy.boxes.size(), 1);
        QVERIFY(spy.boxes[0].startsWith(QStringLiteral("Datafilen er beskadiget")));
        QCOMPARE(titler(w->strukturpanel->objektstruktur).first(), QStringLiteral("Request"));
        QVERIFY(!w->strukturpanel->hentObjekt(QStringLiteral("../ASP"), TObjektPanel::Udfold::Intet));
    }

    void findInStructure()
    {
        TestProgramFolder folder;
        skrivASP(folder);
        Spy spy;
        Tmainform m;
        m.show();
        spy.boxes.clear();   // the lists this folder lacks
        Twinform *html = m.openwin({}, QStringLiteral(".html"));
        html->findChild<QToolButton *>(QStringLiteral("findIStrukturKnap"))->click();
        QCOMPARE(spy.boxes.value(0), QStringLiteral("Der er ikke indlæst nogen struktur,\rder kan søges i."));

        Twinform *w = m.openwin({}, QStringLiteral(".asp"));
        w->Edit->setText(QStringLiteral("<% response.write x %>"));
        w->Edit->setCaretPos(13);   // in "write"
        QToolButton *find = nullptr;
        for (QToolButton *b : w->toolbarAsp->findChildren<QToolButton *>(QStringLiteral("findIStrukturKnap")))
            find = b;
        QVERIFY(find);
        find->click();   // the pane was never shown: its structure is read first
        TStruktur *t = w->strukturpanel->objektstruktur;
        QVERIFY(w->strukturpanel->isVisible());
        QCOMPARE(w->infoEditAsp->text(), QStringLiteral("write"));
        QCOMPARE(t->currentItem()->text(0), QStringLiteral("Write"));
        QVERIFY(!node(t, "Request")->isExpanded());   // the tree was folded round the find
        QCOMPARE(w->strukturpanel->defMemo->toPlainText(), QStringLiteral("Skriver"));

        // From the field: the text there, and the next match on a second search.
        w->findIObjektStruktur(QStringLiteral("re"), true);
        QCOMPARE(t->currentItem()->text(0), QStringLiteral("Request"));
        w->findIObjektStruktur(QStringLiteral("re"), true);
        QCOMPARE(t->currentItem()->text(0), QStringLiteral("Response"));
        w->findIObjektStruktur(QStringLiteral("nothing"), true);
        QCOMPARE(t->currentItem()->text(0), QStringLiteral("Request"));
    }

    void informationFields()
    {
        TestProgramFolder folder;
        Spy spy;
        Tmainform m;
        spy.lyt(m);
        m.show();
        spy.boxes.clear();   // the lists this folder lacks
        Twinform *asp = m.openwin({}, QStringLiteral(".asp"));
        asp->infoEditAsp->setText(QStringLiteral("table"));
        QTest::keyClick(asp->infoEditAsp, Qt::Key_Return);
        Twinform *css = m.openwin({}, QStringLiteral(".css"));
        css->selectorInfoKnap->click();
        css->infoEditCss->setText(QStringLiteral("color"));
        css->findKnap->click();
        css->findKnap->menu()->findChild<QAction *>(QStringLiteral("soegVbsInfo"))->trigger();
        Twinform *js = m.openwin({}, QStringLiteral(".js"));
        js->infoEditJs->setText(QStringLiteral("push"));
        js->findKnapJs->click();
        const QList<QPair<QString, QString>> forventet{{"Information", "table"},
                                                      {"CSS.txt", "CSS Selectors"},
                                                      {"CSS", "color"},
                                                      {"VBS", "color"},
                                                      {"JavaScript", "push"}};
        QCOMPARE(spy.info, forventet);

        // "Søg i information..." carries the visible bar's text into the search window.
        js->findKnapJs->menu()->findChild<QAction *>(QStringLiteral("soegIInformation"))->trigger();
        Tfindinfoform *f = m.infoform()->findinfoform();
        QVERIFY(f->isVisible());
        QCOMPARE(f->EditFind->currentText(), QStringLiteral("push"));
    }

    // The JavaScript button box: each button's structure, and the categories and the last
    // object kept from one run to the next.
    void buttonBox()
    {
        TestProgramFolder folder;
        folder.writeFile("Script/classListStruktur.txt", "classList\r\n\tadd()\r\n");
        folder.writeFile("Script/classListData.txt", "0Klasserne\r\n2Tilføjer\r\n");
        folder.writeFile("Script/NamedNodeMapStruktur.txt", "NamedNodeMap\r\n\tlength\r\n");
        folder.writeFile("Script/NamedNodeMApData.txt", "0Attributterne\r\n1Antallet\r\n");
        Spy spy;
        {
            Tmainform m;
            m.show();
            spy.boxes.clear();   // the lists this folder lacks
            Twinform *w = m.openwin({}, QStringLiteral(".js"));
            w->strukturKnapJs->click();
            QVERIFY(w->JsPanel->isVisible());
            w->JsPanel->findChild<QToolButton *>(QStringLiteral("jsKnapNamedNodeMap"))->click();
            QCOMPARE(titler(w->strukturpanel->objektstruktur), QStringList({"NamedNodeMap", "length"}));
            QVERIFY(node(w->strukturpanel->objektstruktur, "NamedNodeMap")->isExpanded());
            w->JsPanel->findChild<QToolButton *>(QStringLiteral("jsKnapDOMTokenList"))->click();
            QCOMPARE(m.jsObjektName, QStringLiteral("classList"));
            QCOMPARE(titler(w->strukturpanel->objektstruktur), QStringList({"classList", "add()"}));
            // A click on an entry names it in the information field.
            emit w->strukturpanel->objektstruktur->itemClicked(node(w->strukturpanel->objektstruktur, "add()"), 0);
            QCOMPARE(w->infoEditJs->text(), QStringLiteral("add()"));
            w->JsPanel->JsSammenfoldKnap->click();
            w->JsPanel->findChild<QToolButton *>(QStringLiteral("knapKategori2"))->click();   // opens "Browser BOM"
            QVERIFY(m.knapboks1 && !m.knapboks2 && m.knapboks3 && m.knapboks4);
            m.close();
        }
        Tmainform m;
        m.show();
        spy.boxes.clear();   // the lists this folder lacks
        QCOMPARE(m.jsObjektName, QStringLiteral("classList"));
        Twinform *w = m.openwin({}, QStringLiteral(".js"));
        // The chosen object's category opens; the others keep their stored states.
        QVERIFY(w->JsPanel->kategoriLukket(0));
        QVERIFY(!w->JsPanel->kategoriLukket(1));
        QVERIFY(w->JsPanel->kategoriLukket(2));
        QVERIFY(!w->JsPanel->kategoriLukket(3));
        QVERIFY(w->JsPanel->findChild<QToolButton *>(QStringLiteral("jsKnapDOMTokenList"))->isChecked());
        w->strukturKnapJs->click();
        QCOMPARE(titler(w->strukturpanel->objektstruktur), QStringList({"classList", "add()"}));
        QVERIFY(spy.boxes.isEmpty());
    }

    void builtStructures()
    {
        TestProgramFolder folder;
        folder.writeFile("Script/_newStrukturliste.txt", "Mine\r\nandre\r\n");
        folder.writeFile("Script/MineStruktur.txt", "Min\r\n\tDel\r\n");
        folder.writeFile("Script/MineData.txt", "0A\r\n1B\r\n");
        Spy spy;
        Tmainform m;
        m.show();
        spy.boxes.clear();   // the lists this folder lacks
        Twinform *w = m.openwin({}, QStringLiteral(".txt"));
        TObjektPanel *p = w->strukturpanel;
        QVERIFY(p->AegneStrukturer->isEnabled());
        const QList<QAction *> punkter = p->AegneStrukturer->menu()->actions();
        QCOMPARE(punkter.size(), 2);
        QCOMPARE(punkter[0]->text(), QStringLiteral("andre"));
        punkter[1]->trigger();   // the pane is hidden: nothing happens
        QCOMPARE(p->objektstruktur->topLevelItemCount(), 0);
        w->strukturKnapAndet->click();
        punkter[1]->trigger();
        QCOMPARE(titler(p->objektstruktur), QStringList({"Min", "Del"}));
        QVERIFY(p->objektstruktur->topLevelItem(0)->isExpanded());
        // The other-files bar searches the pane for its field's text.
        w->findEditAndet->setText(QStringLiteral("del"));
        QTest::keyClick(w->findEditAndet, Qt::Key_Return);
        QCOMPARE(p->objektstruktur->currentItem()->text(0), QStringLiteral("Del"));
    }

    void vbsCapitalisation()
    {
        TestProgramFolder folder;
        folder.writeFile("Struktur/VBS/struktur.txt", "Response\r\n\tWrite\r\n\tEnd\r\n");
        folder.writeFile("Struktur/VBS/data.txt", "0response\r\n2write\r\n2end\r\n");
        Spy spy;
        Tmainform m;
        m.show();
        spy.boxes.clear();   // the lists this folder lacks
        Twinform *w = m.openwin({}, QStringLiteral(".vbs"));
        w->Edit->setText(QStringLiteral("response.write \"a\"\nresponse.END"));
        w->Edit->setCaretPos(5);
        w->tsVbAbc->click();
        QCOMPARE(w->Edit->text(), QStringLiteral("Response.Write \"a\"\nResponse.End"));
        QCOMPARE(w->Edit->caretPos(), 5);
        QCOMPARE(m.infoform()->strukturnavn, QStringLiteral("VBS"));
    }
};

QTEST_MAIN(TestObjektpanel)
#include "tst_objektpanel.moc"
