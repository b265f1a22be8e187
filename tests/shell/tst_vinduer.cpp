// How the program's windows meet the user: questions and messages (default answer, owner,
// above stay-on-top windows, icon), special files, the file dialog, menus, panel bars,
// list selections, Qt's Danish texts and the code book's room.

#include "codewriting/kodeliste.h"
#include "core/oversaettelse.h"
#include "editor/editor.h"
#include "platform/infobox.h"
#include "platform/saerfil.h"
#include "search/findform.h"
#include "shell/filvalg.h"
#include "shell/knapbar.h"
#include "shell/mainform.h"
#include "platform/navneikoner.h"
#include "shell/openform.h"
#include "shell/spmform.h"
#include "shell/visualstyles.h"
#include "shell/winform.h"
#include "testsupport/testenv.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Runs `check` on the next modal window of kind W once it shows, then closes that window.
// Gives up after a few seconds; the caller verifies that `check` ran.
template <class W>
void onNextModal(std::function<void(W *)> check)
{
    auto *timer = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, check] {
        auto *w = qobject_cast<W *>(QApplication::activeModalWidget());
        if (!w && clock->elapsed() < 5000)
            return;
        timer->stop();
        timer->deleteLater();
        if (!w)
            return;
        check(w);
        if (w->isVisible())
            w->close();
    });
    timer->start(10);
}

QString fifoIn(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("roer.html"));
    if (::mkfifo(QFile::encodeName(path).constData(), 0600) != 0)
        return {};
    return path;
}

// A listening-free Unix socket file; the descriptor is closed by the caller.
int socketIn(const QTemporaryDir &dir, QString &path)
{
    path = dir.filePath(QStringLiteral("sokkel"));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const QByteArray native = QFile::encodeName(path);
    if (fd < 0 || native.size() >= int(sizeof addr.sun_path))
        return -1;
    qstrncpy(addr.sun_path, native.constData(), sizeof addr.sun_path);
    if (::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

double luminance(QColor c)
{
    auto lin = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
}

double contrast(QColor a, QColor b)
{
    const double la = luminance(a), lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

// The most frequent colour in a part of an image.
QColor dominant(const QImage &img, const QRect &r)
{
    QHash<QRgb, int> count;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ++count[img.pixel(x, y)];
    QRgb best = 0;
    int most = -1;
    for (auto it = count.cbegin(); it != count.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            best = it.key();
        }
    return QColor(best);
}

} // namespace

class TestVinduer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // The icons as on a desktop (the offscreen platform knows no icon folders).
        QIcon::setThemeSearchPaths(QIcon::themeSearchPaths() << QStringLiteral("/usr/share/icons"));
        QIcon::setThemeName(QStringLiteral("breeze"));
    }
    void questionStartsOnJaWhateverWasAnswered();
    void questionButtonsHaveAccessLetters_data();
    void questionButtonsHaveAccessLetters();
    void reusedWindowsShowWhereTheyWereLeft();
    void messagesShowAboveTheirWindow();
    void failedSaveIsAnErrorWithTheReason();
    void specialFileReasons_data();
    void specialFileReasons();
    void specialFilesAreNeitherOpenedNorSaved();
    void fileDialogNeverReadsFiles();
    void menuTitlesHaveTheirOwnLetters();
    void editMenuRedoesWhatWasUndone();
    void panelBarsShowEveryButton();
    void selectedRowReadableInEveryStyle_data();
    void selectedRowReadableInEveryStyle();
    void qtSpeaksDanish();
    void codeBookPagesFitTheirRoom();
};

void TestVinduer::questionStartsOnJaWhateverWasAnswered()
{
    TestProgramFolder folder;
    Tspmform f;
    // A previous "Nej" and a previous "Annuller" leave the focus on their button; Enter in the
    // next question must still be "Ja", and Esc "Annuller".
    struct Step { QPushButton *Tspmform::*press; int key; Tspmform::Svar expected; };
    const Step steps[] = {{&Tspmform::Button2, 0, Tspmform::Nej},
                          {nullptr, Qt::Key_Return, Tspmform::Ja},
                          {&Tspmform::Button3, 0, Tspmform::Annuller},
                          {nullptr, Qt::Key_Enter, Tspmform::Ja},
                          {&Tspmform::Button2, 0, Tspmform::Nej},
                          {nullptr, Qt::Key_Escape, Tspmform::Annuller}};
    for (const Step &s : steps) {
        QTimer::singleShot(0, &f, [&] {
            QCOMPARE(f.focusWidget(), f.Button1);
            QVERIFY(f.Button1->isDefault());
            if (s.press) {
                (f.*s.press)->setFocus();   // as a click or Tab would
                (f.*s.press)->click();
            } else {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key(s.key));
            }
        });
        QCOMPARE(f.spoerg(QStringLiteral("Gem?")), s.expected);
    }
}

void TestVinduer::questionButtonsHaveAccessLetters_data()
{
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("answer");
    QTest::newRow("plain") << QStringList{"Ja", "Nej", "Annuller"} << QStringList{"&Ja", "&Nej", "&Annuller"}
                           << int(Qt::Key_N) << int(Tspmform::Nej);
    // Two captions on one letter: the second takes a word or a letter of its own.
    QTest::newRow("shared first letter") << QStringList{"Genindlæs", "Gem alligevel", "Annuller"}
                                         << QStringList{"&Genindlæs", "Gem &alligevel", "A&nnuller"}
                                         << int(Qt::Key_A) << int(Tspmform::Nej);
    QTest::newRow("a letter named by the caller") << QStringList{"Ja", "Ja &tak", "Annuller"}
                                                 << QStringList{"&Ja", "Ja &tak", "&Annuller"}
                                                 << int(Qt::Key_A) << int(Tspmform::Annuller);
}

void TestVinduer::questionButtonsHaveAccessLetters()
{
    QFETCH(QStringList, captions);
    QFETCH(QStringList, shown);
    QFETCH(int, key);
    QFETCH(int, answer);
    TestProgramFolder folder;
    Tspmform f;
    QStringList seen;
    QTimer::singleShot(0, &f, [&] {
        seen = {f.Button1->text(), f.Button2->text(), f.Button3->text()};
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QTest::keyClick(&f, Qt::Key(key), Qt::AltModifier);
        QTRY_VERIFY(!f.isVisible());   // the button shows itself pressed a moment first
        if (f.isVisible())
            f.reject();
    });
    Tspmform::Knapper knapper;
    knapper.ja = captions[0];
    knapper.nej = captions[1];
    knapper.annuller = captions[2];
    QCOMPARE(int(f.spoerg(QStringLiteral("Gem?"), nullptr, knapper)), answer);
    QCOMPARE(seen, shown);
}

void TestVinduer::reusedWindowsShowWhereTheyWereLeft()
{
    TestProgramFolder folder;
    const QPoint place(210, 170);
    {
        Tspmform f;
        for (int i = 0; i < 3; ++i) {
            QTimer::singleShot(0, &f, [&] {
                if (i == 0)
                    f.move(place);
                QCOMPARE(f.pos(), place);
                f.Button1->click();
            });
            f.spoerg(QStringLiteral("?"));
        }
    }
    {
        Topenform f;
        for (int i = 0; i < 3; ++i) {
            f.show();
            if (i == 0)
                f.move(place);
            QCOMPARE(f.pos(), place);
            f.hide();
        }
    }
}

void TestVinduer::messagesShowAboveTheirWindow()
{
    TestProgramFolder folder;
    QWidget main;
    main.show();
    QWidget tool(&main, Qt::Tool | Qt::WindowStaysOnTopHint);

    struct Case { bool toolShown; void (*box)(QWidget *, const QString &); QMessageBox::Icon icon; };
    const Case cases[] = {{false, &platform::infoBox, QMessageBox::Information},
                          {true, &platform::infoBox, QMessageBox::Information},
                          {true, &platform::errorBox, QMessageBox::Critical}};
    for (const Case &c : cases) {
        tool.setVisible(c.toolShown);
        bool seen = false;
        onNextModal<QMessageBox>([&](QMessageBox *box) {
            seen = true;
            QCOMPARE(box->parentWidget(), &main);
            QCOMPARE(box->icon(), c.icon);
            // Beneath a stay-on-top window the box could not be seen while it blocks the program.
            QCOMPARE(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint), c.toolShown);
        });
        c.box(&main, QStringLiteral("foo blev ikke fundet."));
        QVERIFY(seen);
    }

    // A question asked from the stay-on-top window belongs to it and stays above it.
    tool.show();
    bool seen = false;
    onNextModal<Tspmform>([&](Tspmform *f) {
        seen = true;
        QCOMPARE(f->parentWidget(), &tool);
        QVERIFY(f->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        f->Button2->click();
    });
    QCOMPARE(Tspmform::ask(QStringLiteral("Slet?"), &tool), Tspmform::Nej);
    QVERIFY(seen);
    delete Tspmform::instance();
}

void TestVinduer::failedSaveIsAnErrorWithTheReason()
{
    TestProgramFolder folder(true);
    QTemporaryDir dir;
    Tmainform m;
    m.show();
    Twinform *w = m.openwin(QString(), QStringLiteral(".html"));
    // A file where a folder should be: the system refuses to write there.
    QFile blocker(dir.filePath(QStringLiteral("fil")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString target = dir.filePath(QStringLiteral("fil/side.html"));
    bool seen = false;
    onNextModal<QMessageBox>([&](QMessageBox *box) {
        seen = true;
        QCOMPARE(box->icon(), QMessageBox::Critical);
        const QStringList lines = box->text().split(u'\n');
        QCOMPARE(lines.value(0), QStringLiteral("Filen %1 kunne ikke gemmes.").arg(target));
        QVERIFY2(lines.size() > 1 && !lines[1].trimmed().isEmpty(), qPrintable(box->text()));
    });
    QVERIFY(!m.GemSom(w, target));
    QVERIFY(seen);
    QVERIFY(w->Filnavn.isEmpty());
}

void TestVinduer::specialFileReasons_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("reason");   // a word of the reason; empty: allowed
    QTest::newRow("FIFO") << "<fifo>" << "FIFO";
    QTest::newRow("character device") << "/dev/null" << "enhedsfil";
    QTest::newRow("kernel file") << "/proc/self/status" << "systemfil";
    QTest::newRow("new file under /proc") << "/proc/ny.html" << "systemfil";
    QTest::newRow("through a link into /proc") << "<link>" << "systemfil";
    QTest::newRow("socket") << "<socket>" << "sokkel";
    QTest::newRow("plain file") << "<plain>" << "";
    QTest::newRow("not there yet") << "<new>" << "";
}

void TestVinduer::specialFileReasons()
{
    QFETCH(QString, path);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    int socket = -1;
    auto closeSocket = qScopeGuard([&socket] { if (socket >= 0) ::close(socket); });
    if (path == u"<fifo>") {
        path = fifoIn(dir);
    } else if (path == u"<socket>") {
        socket = socketIn(dir, path);
        QVERIFY(socket >= 0);
    } else if (path == u"<plain>") {
        path = dir.filePath(QStringLiteral("side.html"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
    } else if (path == u"<link>") {
        path = dir.filePath(QStringLiteral("genvej.html"));
        QVERIFY(QFile::link(QStringLiteral("/proc/self/status"), path));
    } else if (path == u"<new>") {
        path = dir.filePath(QStringLiteral("ny.html"));
    } else if (!QFileInfo::exists(path) && !path.endsWith(u"ny.html")) {
        QSKIP("not on this system");
    }
    QVERIFY(!path.isEmpty());
    const QString got = platform::saerfilGrund(path);
    if (reason.isEmpty())
        QVERIFY2(got.isEmpty(), qPrintable(got));
    else
        QVERIFY2(got.contains(reason), qPrintable(got));
}

void TestVinduer::specialFilesAreNeitherOpenedNorSaved()
{
    TestProgramFolder folder;
    QTemporaryDir dir;
    const QString fifo = fifoIn(dir);
    QVERIFY(!fifo.isEmpty());
    QStringList boxes;
    platform::setInfoBoxHandler([&](const QString &t) { boxes << t; });
    Tspmform::setTestHandler([](const QString &) { return Tspmform::Ja; });
    Tmainform m;
    m.show();
    boxes.clear();

    // Reading a FIFO without a writer would block the window for good.
    QVERIFY(!m.openwin(fifo, QString()));
    QVERIFY(m.dokumenter().isEmpty());
    QCOMPARE(boxes.size(), 1);
    QVERIFY(boxes[0].startsWith(QStringLiteral("Filen %1 kan ikke åbnes.\r").arg(fifo)));

    Twinform *w = m.openwin(QString(), QStringLiteral(".html"));
    w->Edit->setText(QStringLiteral("<p>x</p>"));
    QVERIFY(!m.GemSom(w, fifo));
    QCOMPARE(boxes.size(), 2);
    QVERIFY(boxes[1].startsWith(QStringLiteral("Filen %1 kunne ikke gemmes.\r").arg(fifo)));
    QVERIFY(w->Filnavn.isEmpty());
    struct stat st {};
    QVERIFY(::stat(QFile::encodeName(fifo).constData(), &st) == 0 && S_ISFIFO(st.st_mode));

    platform::setInfoBoxHandler({});
    Tspmform::setTestHandler({});
}

void TestVinduer::fileDialogNeverReadsFiles()
{
    // A file whose name says nothing: only its content would tell that it is a PDF.
    QTemporaryDir dir;
    const QString noName = dir.filePath(QStringLiteral("udennavn"));
    {
        QFile f(noName);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("%PDF-1.4\n%\xe2\xe3\xcf\xd3\n1 0 obj\n<<>>\nendobj\n");
    }
    const TNavneIkoner ikoner;
    QVERIFY(!ikoner.type(QFileInfo(noName)).contains(QStringLiteral("PDF")));
    QVERIFY(!ikoner.icon(QFileInfo(noName)).isNull());
    QVERIFY(ikoner.type(QFileInfo(dir.path())) == QStringLiteral("Mappe"));

    // The dialog uses it, and typing a special file's name there does not hang.
    const QString fifo = fifoIn(dir);
    bool seen = false;
    onNextModal<QFileDialog>([&](QFileDialog *d) {
        seen = true;
        QVERIFY(dynamic_cast<TNavneIkoner *>(d->iconProvider()));
        QVERIFY(d->testOption(QFileDialog::DontUseNativeDialog));
        auto *name = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        for (const QString &typed : {dir.path() + u'/', fifo, QStringLiteral("/proc/self/stat")}) {
            name->setText(typed);
            QTest::qWait(50);
        }
        d->reject();
    });
    QCOMPARE(shell::vaelgFil(nullptr, shell::FilvalgMode::Gem, dir.filePath(QStringLiteral("ny.html"))), QString());
    QVERIFY(seen);
}

void TestVinduer::menuTitlesHaveTheirOwnLetters()
{
    TestProgramFolder folder;
    Tmainform m;
    QHash<QString, QString> owner;   // letter -> title
    for (QAction *a : m.menuBar()->actions()) {
        if (a->isSeparator())
            continue;
        const QKeySequence seq = QKeySequence::mnemonic(a->text());
        QVERIFY2(!seq.isEmpty(), qPrintable(a->text() + QStringLiteral(" has no letter")));
        const QString key = seq.toString(QKeySequence::PortableText).toUpper();
        QVERIFY2(!owner.contains(key), qPrintable(a->text() + QStringLiteral(" shares ") + key + QStringLiteral(" with ") + owner.value(key)));
        owner.insert(key, a->text());
    }
    QCOMPARE(owner.value(QStringLiteral("ALT+I")).remove(u'&'), QStringLiteral("Information"));
}

void TestVinduer::editMenuRedoesWhatWasUndone()
{
    TestProgramFolder folder(true);
    Tmainform m;
    m.show();
    Twinform *w = m.openwin({}, QStringLiteral(".html"));
    QAction *redo = nullptr;
    for (QAction *a : m.menuBar()->findChild<QMenu *>(QStringLiteral("mRediger"))->actions())
        if (a->objectName() == QLatin1String("EditRedo"))
            redo = a;
    QVERIFY(redo);
    QCOMPARE(redo->text(), QStringLiteral("Fortryd igen"));
    QCOMPARE(redo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Y")));
    w->Edit->setFocus();
    w->Edit->replaceSelection(QStringLiteral("<p>"));
    m.EditUndo->trigger();
    QCOMPARE(w->Edit->text(), QString());
    redo->trigger();
    QCOMPARE(w->Edit->text(), QStringLiteral("<p>"));
    // Nothing left to redo: nothing changes.
    redo->trigger();
    QCOMPARE(w->Edit->text(), QStringLiteral("<p>"));
}

void TestVinduer::panelBarsShowEveryButton()
{
    TestProgramFolder folder(true);
    Tmainform m;   // the default layout and size
    m.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m));
    QCoreApplication::processEvents();
    for (TKnapBar *bar : {m.KodeBar, m.ToolBar1}) {
        QList<QWidget *> items;
        for (QAction *a : bar->actions()) {
            QToolButton *b = bar->knap(a);
            QVERIFY2(b, qPrintable(a->objectName()));
            items << b;
        }
        if (bar == m.ToolBar1)
            items << m.autokodeCheck;
        QCOMPARE(items.size(), bar == m.KodeBar ? 14 : 6);
        for (QWidget *w : items) {
            QVERIFY2(w->isVisibleTo(bar) && bar->rect().contains(w->geometry()),
                     qPrintable(QStringLiteral("%1 at %2,%3 %4x%5 outside %6x%7").arg(w->objectName())
                                    .arg(w->x()).arg(w->y()).arg(w->width()).arg(w->height())
                                    .arg(bar->width()).arg(bar->height())));
        }
        QVERIFY(bar->parentWidget()->rect().contains(bar->geometry()));
    }
    // Overlapping buttons would hide one another.
    const QList<QAction *> acts = m.KodeBar->actions();
    for (int i = 1; i < acts.size(); ++i)
        QVERIFY(!m.KodeBar->knap(acts[i])->geometry().intersects(m.KodeBar->knap(acts[i - 1])->geometry()));
}

void TestVinduer::selectedRowReadableInEveryStyle_data()
{
    QTest::addColumn<QString>("style");
    for (const QString &s : shell::visualStyleNames())
        QTest::newRow(qPrintable(s)) << s;
}

void TestVinduer::selectedRowReadableInEveryStyle()
{
    QFETCH(QString, style);
    QVERIFY(shell::applyVisualStyle(style));
    TKodeListe liste(QStringLiteral("kodeliste"), kodepanel::Soegning::StarterMed, QStringLiteral("<"));
    kodepanel::Indhold indhold;
    indhold.fundet = true;
    indhold.items = {QStringLiteral("<abbr></abbr>"), QStringLiteral("<address></address>"), QStringLiteral("<area>")};
    indhold.header = QStringLiteral("Alle koder");
    liste.fyld(indhold);
    liste.resize(200, 150);
    liste.show();
    QVERIFY(QTest::qWaitForWindowExposed(&liste));
    QVERIFY(liste.vaelg(QStringLiteral("<address></address>")));

    // The hits of "Søg i dokumenter", whose rows have a style of their own.
    TestProgramFolder folder;
    Tmainform m;
    Tfindform *f = m.findform();
    for (int i = 0; i < 3; ++i)
        new QTreeWidgetItem(f->findis, {QStringLiteral("/tmp/side%1.html").arg(i), QStringLiteral("87"), QStringLiteral("<p>ab x ab</p>")});
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f));
    f->findis->setCurrentItem(f->findis->topLevelItem(1));

    for (QTreeWidget *tree : {static_cast<QTreeWidget *>(&liste), f->findis}) {
        for (bool focus : {true, false}) {
            if (focus)
                tree->setFocus();
            else
                tree->clearFocus();
            const QImage img = tree->viewport()->grab().toImage();
            const QRect chosen = tree->visualItemRect(tree->topLevelItem(1)).adjusted(0, 1, 0, -2);
            const QRect other = tree->visualItemRect(tree->topLevelItem(0)).adjusted(0, 1, 0, -2);
            const QColor bg = dominant(img, chosen);
            // The selection is seen as a bar of its own...
            QVERIFY2(contrast(bg, dominant(img, other)) > 1.3, qPrintable(tree->objectName() + u' ' + bg.name()));
            // ...and its text can be read on it.
            double best = 1;
            for (int y = chosen.top(); y <= chosen.bottom(); ++y)
                for (int x = chosen.left(); x <= chosen.right(); ++x)
                    best = qMax(best, contrast(bg, QColor(img.pixel(x, y))));
            QVERIFY2(best >= 3.0, qPrintable(QStringLiteral("%1 %2 focus=%3 contrast %4").arg(tree->objectName(), style).arg(focus).arg(best)));
        }
    }
    f->hide();
    shell::applyVisualStyle(shell::defaultVisualStyle());
}

void TestVinduer::qtSpeaksDanish()
{
    QVERIFY(core::installerQtOversaettelse());
    QCOMPARE(QCoreApplication::translate("QFileDialog", "&Open"), QStringLiteral("&Åbn"));
    QCOMPARE(QCoreApplication::translate("QFileDialog", "File &name:"), QStringLiteral("&Filnavn:"));
    QCOMPARE(QCoreApplication::translate("QWidgetTextControl", "&Undo"), QStringLiteral("&Fortryd"));
    QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Save);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Annuller"));
    QCOMPARE(buttons.button(QDialogButtonBox::Save)->text(), QStringLiteral("Gem"));
}

void TestVinduer::codeBookPagesFitTheirRoom()
{
    TestProgramFolder folder(true);
    Tmainform m;
    m.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m));
    m.resize(m.minimumSize());
    for (int i = 0; i < m.bog->count(); ++i) {
        m.bog->setCurrentIndex(i);
        QCoreApplication::processEvents();
        QWidget *page = m.bog->widget(i);
        const QSize need = page->minimumSizeHint();
        const QSize room = page->size();
        QVERIFY2(need.width() <= room.width() && need.height() <= room.height(),
                 qPrintable(QStringLiteral("%1 needs %2x%3, has %4x%5").arg(m.bog->tabText(i)).arg(need.width())
                                .arg(need.height()).arg(room.width()).arg(room.height())));
    }
}

QTEST_MAIN(TestVinduer)
#include "tst_vinduer.moc"
