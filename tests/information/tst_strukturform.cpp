// The structure constructor: new, edited and deleted structures and entries, their pages,
// the deletion rules and the browser's menu of structures.

#include "information/informationform.h"
#include "information/struktur.h"
#include "information/strukturform.h"
#include "information/strukturlogik.h"
#include "platform/infobox.h"
#include "shell/mainform.h"
#include "shell/spmform.h"
#include "testsupport/testenv.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QtTest>

namespace {
struct Spy {
    QStringList boxes, questions;
    Tspmform::Svar svar = Tspmform::Ja;
    Spy()
    {
        platform::setInfoBoxHandler([this](const QString &t) { boxes << t; });
        Tspmform::setTestHandler([this](const QString &q) { questions << q; return svar; });
    }
    ~Spy()
    {
        platform::setInfoBoxHandler({});
        Tspmform::setTestHandler({});
    }
};

void velg(QListWidget *l, const QString &navn)
{
    const auto fund = l->findItems(navn, Qt::MatchExactly);
    QVERIFY(!fund.isEmpty());
    l->setCurrentItem(fund.first());
}
}

class TestStrukturform : public QObject {
    Q_OBJECT
private slots:
    void template_()
    {
        const QStringList l = information::sideskabelon(QStringLiteral("Farver ∑"));
        QCOMPARE(l.size(), 16);
        QCOMPARE(l[3], QStringLiteral("<title>Farver &#x2211;</title>"));
        QCOMPARE(l[11], QStringLiteral("<div class=\"overskrift\">Farver &#x2211;</div>"));
        QCOMPARE(l[12], QString());
        QCOMPARE(information::objektData("A", "B", "", "D"), QStringLiteral("A|B|D"));
        QCOMPARE(information::indbyggetAfvisning("css"), QStringLiteral("Denne fil må ikke slettes!\rDen anvendes til CSS information."));
        QVERIFY(information::indbyggetAfvisning("VBS").isEmpty());
    }

    void informationStructure()
    {
        TestProgramFolder folder;
        folder.writeFile("HTML/design.css", "body{}");
        folder.writeFile("HTML/funktioner.js", "//");
        QDir().mkpath(folder.path("Struktur/Programmet"));
        Spy spy;
        Tmainform main;
        Tinfoform *info = main.infoform();
        Tstrukturform *f = main.strukturform();
        QCOMPARE(f->strukturboks->count(), 1);

        // A name already there in other capitals is refused.
        f->navnEdit->setText(QStringLiteral("programmet"));
        f->opretStruktur();
        QCOMPARE(spy.boxes.takeLast(), QStringLiteral("Der eksisterer en struktur med samme navn.\rFind på et nyt navn."));
        f->navnEdit->setText(QStringLiteral("../ude"));
        f->opretStruktur();
        QVERIFY(!QFileInfo::exists(folder.path("Struktur/../ude")));
        spy.boxes.clear();

        f->navnEdit->setText(QStringLiteral("Noter"));
        f->opretStruktur();
        QVERIFY(QFileInfo(folder.path("Struktur/Noter/Billeder")).isDir());
        QCOMPARE(folder.readFile("Struktur/Noter/tekstfiler/Design og funktioner/design.css"), QByteArray("body{}"));
        QVERIFY(QFile::exists(folder.path("Struktur/Noter/tekstfiler/Design og funktioner/funktioner.js")));
        QVERIFY(!QFile::exists(folder.path("Struktur/Noter/struktur.txt")));
        QCOMPARE(f->navnLabel->text(), QStringLiteral("Strukturnavn: Noter"));
        QCOMPARE(f->strukturBog->currentIndex(), 1);
        // The browser's menu has it at once.
        QStringList menu;
        for (QAction *a : info->strukturPU->actions())
            menu << a->text();
        QCOMPARE(menu, (QStringList{"Noter", "Programmet"}));

        // Entries: "Fn" proposes from the number of entries.
        f->autoGem->setChecked(true);
        for (const char *t : {"Et", "To", "Tre"}) {
            f->Aclear->trigger();
            f->tekstEdit->setText(QString::fromLatin1(t));
            f->insertAktiv = true;
            f->fnKnapClick();
            f->AinsertExecute();
        }
        QCOMPARE(f->infostruktur->alleNoder().size(), 3);
        QCOMPARE(folder.readFile("Struktur/Noter/data.txt"), QByteArray("0dokument0\r\n0dokument1\r\n0dokument2\r\n"));
        f->fnKnapClick();
        QCOMPARE(f->dataEdit->text(), QStringLiteral("dokument3"));
        folder.writeFile("Struktur/Noter/tekstfiler/dokument3.html", "x");
        f->fnKnapClick();
        QCOMPARE(f->dataEdit->text(), QStringLiteral("dokument4"));
        // An existing page is never overwritten; a name leading out is refused.
        f->tekstEdit->setText(QStringLiteral("Fire"));
        f->dataEdit->setText(QStringLiteral("dokument3"));
        f->AinsertExecute();
        QVERIFY(spy.boxes.takeLast().endsWith(QStringLiteral("dokument3.html\reksisterer allerede!")));
        QCOMPARE(folder.readFile("Struktur/Noter/tekstfiler/dokument3.html"), QByteArray("x"));
        f->dataEdit->setText(QStringLiteral("../../Programmet/x"));
        f->AinsertExecute();
        QVERIFY(spy.boxes.takeLast().startsWith(QStringLiteral("Filnavnet \"../../Programmet/x\" er ikke tilladt.")));
        QCOMPARE(f->infostruktur->alleNoder().size(), 3);

        // Renaming a page: a fresh page under the new name, the old one gone.
        folder.writeFile("Struktur/Noter/tekstfiler/dokument1.html", "gammelt indhold");
        f->infostruktur->setCurrentItem(f->infostruktur->alleNoder()[1]);
        f->elementKlik(false);
        QCOMPARE(f->tekstEdit->text(), QStringLiteral("To"));
        f->dataEdit->setText(QStringLiteral("andet"));
        f->AredigerExecute();
        QVERIFY(spy.questions.takeLast().startsWith(QStringLiteral("Der er indført et nyt filnavn")));
        QVERIFY(!QFile::exists(folder.path("Struktur/Noter/tekstfiler/dokument1.html")));
        QVERIFY(folder.readFile("Struktur/Noter/tekstfiler/andet.html").contains("<title>To</title>"));
        QCOMPARE(folder.readFile("Struktur/Noter/data.txt"), QByteArray("0dokument0\r\n0andet\r\n0dokument2\r\n"));

        // Deleting an entry asks by its kind and sends its page to the trash.
        f->infostruktur->setCurrentItem(f->infostruktur->alleNoder()[2]);
        f->AsletExecute(false);
        QCOMPARE(spy.questions.takeLast(), QStringLiteral("Skal elementet Tre slettes?"));
        QVERIFY(!QFile::exists(folder.path("Struktur/Noter/tekstfiler/dokument2.html")));
        f->infostruktur->setCurrentItem(f->infostruktur->forsteNode());
        spy.svar = Tspmform::Nej;
        f->AsletExecute(false);
        QCOMPARE(spy.questions.takeLast(), QStringLiteral("Skal hele strukturen slettes?"));
        QCOMPARE(f->infostruktur->alleNoder().size(), 2);

        // Deleting structures: built-in ones are refused, others go with their folder.
        spy.svar = Tspmform::Ja;
        velg(f->strukturboks, QStringLiteral("Programmet"));
        f->sletInfoStruktur();
        QCOMPARE(spy.boxes.takeLast(), QStringLiteral("Denne fil må ikke slettes!\rDen anvendes til program information."));
        velg(f->strukturboks, QStringLiteral("Noter"));
        f->sletInfoStruktur();
        QCOMPARE(spy.questions.takeLast(), QStringLiteral("Skal strukturen Noter slettes totalt?"));
        QVERIFY(!QFileInfo::exists(folder.path("Struktur/Noter")));
        QCOMPARE(info->strukturPU->actions().size(), 1);
        QCOMPARE(f->navnLabel->text(), QStringLiteral("Strukturnavn: "));
    }

    void objectStructure()
    {
        TestProgramFolder folder;
        folder.writeFile("Script/_strukturliste.txt", "Window\r\n");
        Spy spy;
        Tmainform main;
        Tstrukturform &f = *main.strukturform();
        QCOMPARE(f.ikonLabel->text(), QStringLiteral("Element ikon: Grøn bog"));
        QCOMPARE(f.ikonLabel1->text(), QStringLiteral("Element ikon: Objekt"));
        f.vaelgIkon(3);
        QCOMPARE(f.ikonLabel->text(), QStringLiteral("Element ikon: Iformation"));
        f.sletObjektStruktur();
        QCOMPARE(spy.boxes.takeLast(), QStringLiteral("Der er ingen strukturer, der må slettes."));
        f.typeObjekt->setChecked(true);
        f.navnEdit->setText(QStringLiteral("Mine"));
        f.opretStruktur();
        QCOMPARE(folder.readFile("Script/_newStrukturliste.txt"), QByteArray("Mine\r\n"));
        QCOMPARE(f.objektboks->count(), 2);
        f.tekstEdit1->setText(QStringLiteral("obj"));
        f.dataEdit1->setText(QStringLiteral("A"));
        f.dataEdit2->setText(QStringLiteral("B"));
        f.dataEdit4->setText(QStringLiteral("D"));
        f.vaelgIkon1(3);
        f.Ainsert1Execute();
        f.Agem1->trigger();
        QCOMPARE(folder.readFile("Script/MineData.txt"), QByteArray("3A|B|D\r\n"));
        QCOMPARE(folder.readFile("Script/MineStruktur.txt"), QByteArray("obj\r\n"));
        velg(f.objektboks, QStringLiteral("Window"));
        f.sletObjektStruktur();
        QCOMPARE(spy.boxes.takeLast(), QStringLiteral("Strukturen Window benyttes af programmet.\rDen må ikke slettes."));
        velg(f.objektboks, QStringLiteral("Mine"));
        f.sletObjektStruktur();
        QVERIFY(!QFile::exists(folder.path("Script/MineData.txt")));
        QCOMPARE(folder.readFile("Script/_newStrukturliste.txt"), QByteArray());
        QCOMPARE(f.objektboks->count(), 1);
    }
};

QTEST_MAIN(TestStrukturform)
#include "tst_strukturform.moc"
