// The settings dialog, the editor font and the registration of file types with the desktop.

#include "editor/editor.h"
#include "platform/filregistrering.h"
#include "platform/infobox.h"
#include "filemanager/filpanel.h"
#include "shell/editfontform.h"
#include "shell/egenskabsform.h"
#include "shell/mainform.h"
#include "shell/spmform.h"
#include "shell/winform.h"
#include "testsupport/testenv.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>

namespace {
struct Spy {
    QStringList boxes, questions;
    QList<Tspmform::Svar> answers;
    Spy()
    {
        platform::setInfoBoxHandler([this](const QString &t) { boxes << t; });
        Tspmform::setTestHandler([this](const QString &q) {
            questions << q;
            return answers.isEmpty() ? Tspmform::Annuller : answers.takeFirst();
        });
    }
    ~Spy()
    {
        platform::setInfoBoxHandler({});
        Tspmform::setTestHandler({});
    }
};

QString laes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QTreeWidgetItem *raekke(Tegenskabsform *e, const QString &ext)
{
    const auto hits = e->typeBox->findItems(ext, Qt::MatchExactly, 0);
    return hits.isEmpty() ? nullptr : hits.first();
}

// A click on the row of ext.
void velg(Tegenskabsform *e, const QString &ext)
{
    e->typeBox->setCurrentItem(raekke(e, ext));
    e->typeBoxClick();
}
} // namespace

class TestEgenskaber : public QObject {
    Q_OBJECT
private slots:
    void desktopEntryValidates();
    void mimeappsKeepsOtherDefaults();
    void unknownExtensionGetsItsOwnType();
    void typeListInDialog();
    void fontStoredOnlyWithGem();
    void ftpButtonsFollowTheCheckBox();
    void styleChangeRefusedWhileADocumentStays();
};

void TestEgenskaber::desktopEntryValidates()
{
    TestProgramFolder folder;
    QCOMPARE(platform::registrerFiltype(QStringLiteral(".html"), QStringLiteral("Åbnes med Tavlevirke"),
                                        QStringLiteral("/opt/tavle virke/bin/tavle\"virke")),
             QString());
    QCOMPARE(platform::registrerFiltype(QStringLiteral(".css"), {}, QStringLiteral("/opt/tavle virke/bin/tavle\"virke")), QString());
    const QString entry = laes(platform::desktopFil());
    QVERIFY(entry.contains(QStringLiteral("MimeType=text/html;text/css;")));
    QVERIFY(entry.contains(QStringLiteral("Icon=tavlevirke")));
    QVERIFY(QFile::exists(qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/icons/hicolor/scalable/apps/tavlevirke.svg")));
    if (QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate")).isEmpty())
        QFAIL("desktop-file-utils is needed (tools/install-deps.sh)");
    QProcess v;
    v.start(QStringLiteral("desktop-file-validate"), {platform::desktopFil()});
    QVERIFY(v.waitForFinished());
    const QString out = QString::fromUtf8(v.readAllStandardOutput() + v.readAllStandardError());
    QVERIFY2(v.exitCode() == 0 && !out.contains(QStringLiteral("error")), qPrintable(out));
    // The entry installed with the program validates too.
    v.start(QStringLiteral("desktop-file-validate"), {QStringLiteral(TAVLEVIRKE_FIXTURES "/../../dist/tavlevirke.desktop")});
    QVERIFY(v.waitForFinished());
    QCOMPARE(v.exitCode(), 0);
    QVERIFY(laes(qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/icons/hicolor/scalable/apps/tavlevirke.svg")).startsWith(QStringLiteral("<svg")));
    // The Exec line keeps the blank and the quote of the program path.
    QVERIFY2(entry.contains(QStringLiteral("Exec=\"/opt/tavle virke/bin/tavle\\\\\"virke\" %F")), qPrintable(entry));
}

void TestEgenskaber::mimeappsKeepsOtherDefaults()
{
    TestProgramFolder folder;
    const QString mimeapps = platform::mimeappsFil();
    QDir().mkpath(QFileInfo(mimeapps).path());
    {
        QFile f(mimeapps);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Default Applications]\ntext/html=firefox.desktop;\nimage/png=gimp.desktop;\n\n[Removed Associations]\ntext/plain=kate.desktop;\n");
    }
    QCOMPARE(platform::registrerFiltype(QStringLiteral(".html"), {}, QStringLiteral("/usr/bin/tavlevirke")), QString());
    QString text = laes(mimeapps);
    QVERIFY2(text.contains(QStringLiteral("[Default Applications]\ntext/html=tavlevirke.desktop;firefox.desktop;\nimage/png=gimp.desktop;\n")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("[Added Associations]\ntext/html=tavlevirke.desktop;")));
    QVERIFY(text.contains(QStringLiteral("[Removed Associations]\ntext/plain=kate.desktop;")));
    // Registering twice changes nothing.
    QCOMPARE(platform::registrerFiltype(QStringLiteral(".html"), {}, QStringLiteral("/usr/bin/tavlevirke")), QString());
    QCOMPARE(laes(mimeapps), text);

    QCOMPARE(platform::fjernFiltype(QStringLiteral(".html")), QString());
    text = laes(mimeapps);
    QVERIFY2(text.contains(QStringLiteral("text/html=firefox.desktop;\nimage/png=gimp.desktop;")), qPrintable(text));
    QVERIFY(!text.contains(QStringLiteral("tavlevirke.desktop")));
    QVERIFY(!laes(platform::desktopFil()).contains(QStringLiteral("text/html")));
}

void TestEgenskaber::unknownExtensionGetsItsOwnType()
{
    TestProgramFolder folder;
    QCOMPARE(platform::mimeTypeForExtension(QStringLiteral(".qzx")), QStringLiteral("application/x-tavlevirke-qzx"));
    QCOMPARE(platform::registrerFiltype(QStringLiteral(".qzx"), {}, QStringLiteral("/usr/bin/tavlevirke")), QString());
    const QString pkg = laes(qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/mime/packages/x-tavlevirke-qzx.xml"));
    QVERIFY(pkg.contains(QStringLiteral("<glob pattern=\"*.qzx\"/>")));
    QVERIFY(laes(platform::mimeappsFil()).contains(QStringLiteral("application/x-tavlevirke-qzx=tavlevirke.desktop;")));
}

void TestEgenskaber::typeListInDialog()
{
    TestProgramFolder folder(true);
    Spy spy;
    Tmainform m;
    Tegenskabsform *e = m.egenskabsform();
    QCOMPARE(e->typer().size(), 6);
    QVERIFY(!e->Adelete->isEnabled());
    e->insertEdit->setText(QStringLiteral(".html"));
    e->AinsertExecute();
    QCOMPARE(spy.boxes.last(), QStringLiteral("Filtypen er allerede indført."));
    e->insertEdit->setText(QStringLiteral(".php"));
    QVERIFY(e->Ainsert->isEnabled());
    e->AinsertExecute();
    QCOMPARE(e->typer().size(), 7);
    QVERIFY(e->Adelete->isEnabled());
    QVERIFY(folder.readFile("Egenskaber/filtyper.txt").endsWith(".php\r\nNej\r\n"));

    // Registering the row.
    velg(e, ".php");
    QCOMPARE(e->registerEdit->text(), QStringLiteral(".php"));
    QVERIFY(e->Aregistrer->isEnabled() && !e->Afjern->isEnabled());
    e->AregistrerExecute();
    QCOMPARE(spy.boxes.last(), QStringLiteral("Filtypen er registreret!"));
    QCOMPARE(raekke(e, ".php")->text(1), QStringLiteral("Ja"));
    QVERIFY(folder.readFile("Egenskaber/filtyper.txt").endsWith(".php\r\nJa\r\n"));
    QVERIFY(laes(platform::mimeappsFil()).contains(QStringLiteral("=tavlevirke.desktop;")));

    // A registered row stays until it is removed; the first six always stay.
    velg(e, ".php");
    e->AdeleteExecute();
    QCOMPARE(spy.boxes.last(), QStringLiteral("Filtypen skal fjernes fra registreringen først."));
    QCOMPARE(e->typer().size(), 7);
    velg(e, ".php");
    QCOMPARE(e->fjernEdit->text(), QStringLiteral(".php"));
    e->AfjernExecute();
    QCOMPARE(spy.boxes.last(), QStringLiteral("Filtypen er fjernet fra registreringen!"));
    velg(e, ".html");
    e->AdeleteExecute();
    QCOMPARE(e->typer().size(), 7);
    velg(e, ".php");
    e->AdeleteExecute();
    QCOMPARE(e->typer().size(), 6);
    QVERIFY(!folder.readFile("Egenskaber/filtyper.txt").contains(".php"));

    // A list written by the dialog reads back the same, a repeated type once.
    folder.writeFile("Egenskaber/filtyper.txt", ".a\r\nJa\r\n.b\r\nNej\r\n.a\r\nNej\r\n");
    const QList<shell::RegType> expected = {{".a", true}, {".b", false}};
    QCOMPARE(shell::hentRegTyper(folder.path("Egenskaber/filtyper.txt")), expected);
}

void TestEgenskaber::fontStoredOnlyWithGem()
{
    TestProgramFolder folder(true);
    Spy spy;
    Tmainform m;
    Twinform *w = m.openwin({}, QStringLiteral(".html"));
    Tegenskabsform *e = m.egenskabsform();
    Teditfontform *font = m.editfontform();
    QCOMPARE(font->fontNavn, QStringLiteral("Courier New"));

    // A font picked and then "Luk": nothing changes.
    font->fontNavn = QStringLiteral("DejaVu Sans Mono");
    font->fontDim = 14;
    e->navnEdit->setText(font->fontNavn);
    e->dimEdit->setText(QStringLiteral("14"));
    e->lukKnapClick();
    QCOMPARE(font->fontNavn, QStringLiteral("Courier New"));
    QCOMPARE(e->navnEdit->text(), QStringLiteral("Courier New"));
    QVERIFY(!QFile::exists(folder.path("Egenskaber/editfont.txt")));
    QCOMPARE(m.editorFont().pointSize(), 10);

    // "Gem" stores it and every document takes it.
    e->navnEdit->setText(QStringLiteral("DejaVu Sans Mono"));
    e->dimEdit->setText(QStringLiteral("14"));
    e->gemKnapClick();
    const QList<QByteArray> lines = folder.readFile("Egenskaber/editfont.txt").split('\n').mid(4, 2);
    QCOMPARE(lines, QList<QByteArray>({"DejaVu Sans Mono\r", "14\r"}));
    QCOMPARE(m.editorFont().family(), QStringLiteral("DejaVu Sans Mono"));
    QCOMPARE(w->Edit->font().pointSize() > 0, true);
    // A new start reads it back.
    QCOMPARE(shell::EditFont::hent(folder.path("Egenskaber/editfont.txt")).dim, 14);
    // "Gendan" goes back to the default.
    font->gendanKnapClick();
    QCOMPARE(font->fontNavn, QStringLiteral("Courier New"));
    QCOMPARE(font->fontDim, 10);

    // A font the system lacks: the editor and the dialog's example both show a fixed-pitch
    // face, the same one, in the chosen size; the name stays the user's.
    font->fontNavn = QStringLiteral("Findes Ikke Mono");
    font->fontDim = 12;
    font->show();
    QVERIFY(QFontInfo(font->Memo->font()).fixedPitch());
    QCOMPARE(font->Memo->font(), font->font());
    QCOMPARE(font->font().pointSize(), 12);
    QCOMPARE(font->fontNavn, QStringLiteral("Findes Ikke Mono"));
    font->hide();
}

void TestEgenskaber::ftpButtonsFollowTheCheckBox()
{
    TestProgramFolder folder(true);
    Spy spy;
    Tmainform m;
    m.show();
    Twinform *w = m.openwin({}, QStringLiteral(".html"));
    QVERIFY(!w->toolbarFtp->isVisibleTo(w));
    // The file panel's buttons, shown and hidden through their tool bar actions.
    QToolBar *filBar = m.filpanel()->filBar;
    auto panelKnapVises = [filBar](const char *navn) {
        for (QAction *a : filBar->actions())
            if (QWidget *b = filBar->widgetForAction(a); b && b->objectName() == QLatin1String(navn))
                return a->isVisible();
        return false;
    };
    QVERIFY(m.findChild<QWidget *>(QStringLiteral("ftpKnap")) && m.findChild<QWidget *>(QStringLiteral("ftpPropKnap")));
    QVERIFY(!panelKnapVises("ftpKnap") && !panelKnapVises("ftpPropKnap"));
    Tegenskabsform *e = m.egenskabsform();
    e->ftpCheck->setChecked(true);
    QVERIFY(e->gemKnap->isEnabled());
    e->gemKnapClick();
    QVERIFY(m.visFtpFunktioner);
    QVERIFY(w->toolbarFtp->isVisibleTo(w));
    QVERIFY(w->toolbarFtp->findChild<QWidget *>(QStringLiteral("ftpPropKnapHtml")));
    QVERIFY(panelKnapVises("ftpKnap") && panelKnapVises("ftpPropKnap"));
    QVERIFY(!m.AuploadFile->isEnabled());   // no file chosen in the panel yet
    Twinform *ny = m.openwin({}, QStringLiteral(".css"));
    QVERIFY(ny->toolbarFtp->isVisibleTo(ny));
    QVERIFY(spy.questions.isEmpty());
}

void TestEgenskaber::styleChangeRefusedWhileADocumentStays()
{
    TestProgramFolder folder(true);
    Spy spy;
    Tmainform m;
    m.show();
    Twinform *w = m.openwin({}, QStringLiteral(".html"));
    w->Edit->setText(QStringLiteral("<p>"));
    w->setModified(true);
    const QString before = m.designName;
    Tegenskabsform *e = m.egenskabsform();
    const int other = e->designBox->findText(before, Qt::MatchFixedString) == 0 ? 1 : 0;
    e->designBox->setCurrentIndex(other);
    spy.answers = {Tspmform::Annuller};
    e->testKnapClick();
    QCOMPARE(spy.questions.size(), 1);
    QCOMPARE(spy.boxes.last(), QStringLiteral("Luk alle dokumenter og prøv igen!"));
    QCOMPARE(m.designName, before);
    QCOMPARE(m.dokumenter().size(), 1);
    // Without documents the style changes.
    w->setModified(false);
    e->testKnapClick();
    QCOMPARE(m.designName, e->designBox->currentText());
}

QTEST_MAIN(TestEgenskaber)
#include "tst_egenskaber.moc"
