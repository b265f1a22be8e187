// The playlist page: its lines against fixtures, escaping, and the page "Musik og film".

#include "core/textfile.h"
#include "editor/editor.h"
#include "generators/afspilningsliste.h"
#include "generators/musikside.h"
#include "platform/infobox.h"
#include "shell/mainform.h"
#include "shell/spmform.h"
#include "shell/winform.h"
#include "testsupport/testenv.h"

#include <QAction>
#include <QButtonGroup>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>
#include <QtTest>

using namespace generators;

namespace {
QStringList fixture(const QString &name)
{
    QStringList lines;
    if (!core::readLines(fixturePath("afspilningsliste/" + name), lines).ok)
        qFatal("fixture missing");
    return lines;
}

QString touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    return path;
}
} // namespace

class TestAfspilningsliste : public QObject {
    Q_OBJECT
private slots:
    void pageLines_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("fixture");
        QTest::newRow("audio") << int(Medietype::Audio) << "audio.html";
        QTest::newRow("video") << int(Medietype::Video) << "video.html";
    }
    void pageLines()
    {
        QFETCH(int, type);
        QFETCH(QString, fixture);
        const QStringList lines = afspilningsside(Medietype(type), "Afspilningsliste", "/musik/",
                                                  {"Pop/sang.mp3", "Rock/en anden.ogg"}, {"sang", "en anden"});
        QCOMPARE(lines, ::fixture(fixture));
    }

    // Names that would break the page or inject markup come out harmless; ordinary ones unchanged.
    void escaping_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("expected");   // lines that must be in the page
        QTest::newRow("markup in names") << "<b>&</b>" << "a&b.mp3" << "R&B <live>"
            << QStringList{"<title>&lt;b&gt;&amp;&lt;/b&gt;</title>", "<caption>&lt;b&gt;&amp;&lt;/b&gt;</caption>",
                           " <td>R&amp;B &lt;live&gt;</td>", "eleSrc=\"a&b.mp3\";", "<source src=\"a&amp;b.mp3\">"};
        QTest::newRow("quote and backslash") << "L" << "x\"y\\z.mp3" << "t"
            << QStringList{"eleSrc=\"x%22y%5Cz.mp3\";", "<source src=\"x%22y%5Cz.mp3\">"};
        QTest::newRow("script end and fragment") << "L" << "</script><b>#1?.mp3" << "t"
            << QStringList{"eleSrc=\"%3C/script%3E%3Cb%3E%231%3F.mp3\";"};
        QTest::newRow("ordinary") << "Min liste" << "Pop/Æble og pære-1.mp3" << "Æble og pære-1"
            << QStringList{"<title>Min liste</title>", "eleSrc=\"Pop/Æble og pære-1.mp3\";", " <td>Æble og pære-1</td>"};
    }
    void escaping()
    {
        QFETCH(QString, name);
        QFETCH(QString, address);
        QFETCH(QString, title);
        QFETCH(QStringList, expected);
        const QStringList lines = afspilningsside(Medietype::Audio, name, "/m/", {address}, {title});
        for (const QString &e : expected)
            QVERIFY2(lines.contains(e), qPrintable(e));
    }

    void basePathEscaped()
    {
        const QStringList lines = afspilningsside(Medietype::Audio, "L", "/a\"b&c/", {"x.mp3"}, {"x"});
        QVERIFY(lines.contains("<base href=\"/a%22b&amp;c/\">"));
    }

    void page()
    {
        TestProgramFolder folder;
        QStringList boxes;
        platform::setInfoBoxHandler([&](const QString &t) { boxes << t; });
        Tspmform::setTestHandler([](const QString &) { return Tspmform::Nej; });
        {
            Tmainform m;
            m.show();
            QCoreApplication::processEvents();
            boxes.clear();
            auto *s = m.findChild<TMusikside *>();
            QVERIFY(s);
            QCOMPARE(s->mfListenavnEdit->text(), QString("Afspilningsliste"));

            // Writing needs files; the base folder must exist.
            QCOMPARE(s->mfUdskrivSideClick(), nullptr);
            s->mfMappe.clear();
            QVERIFY(!s->grundmappeOk());
            s->vaelgMappe(folder.path("findes ikke"));
            QCOMPARE(s->mfMappe, folder.path("findes ikke/"));
            QVERIFY(!s->grundmappeOk());
            QCOMPARE(boxes, (QStringList{"Vælg filer til afspilning!", "Der mangler en grundurl.\rVælg mappe.",
                                         "Grundurlen blev ikke fundet!\rVælg mappe."}));
            boxes.clear();

            const QString base = folder.path("Musik");
            const QString sang = touch(base + "/Pop/sang.mp3");
            const QString anden = touch(base + "/Rock/en.anden.ogg");
            const QString udenfor = touch(folder.path("andet/x.mp3"));
            s->vaelgMappe(base);
            QVERIFY(s->grundmappeOk());
            QCOMPARE(s->mfMappeEdit->text(), base + "/");
            // A file outside the base folder stops the adding; those before it stay.
            s->tilfoejFiler({sang, anden, udenfor, sang});
            QCOMPARE(boxes, QStringList{"Fejl i oprettelsen af urlliste.\rDer er muligvist ikke valgt ud fra "
                                        "grundurlen..\rVælg igen!"});
            QCOMPARE(s->mfUrlliste->count(), 2);
            QCOMPARE(s->mfUrlliste->item(0)->text(), QString("Pop/sang.mp3"));
            QCOMPARE(s->mfTitelliste->item(0)->text(), QString("sang"));
            QCOMPARE(s->mfTitelliste->item(1)->text(), QString("en.anden"));

            s->mfTyper->button(1)->click();
            QCOMPARE(s->mfMappeLabel->text(), QString("Filmmappe"));
            QCOMPARE(s->mfUrlKnap->text(), QString("Vælg film"));
            QCOMPARE(s->infAudioVideoKoder->toolTip(), QString("Information om Video-koden"));
            TEditor *e = s->mfUdskrivSideClick();
            QVERIFY(e);
            Twinform *w = m.aktivWin();
            QCOMPARE(w->Edit, e);
            QCOMPARE(w->docExt, QString(".html"));
            QVERIFY(w->isModified());
            QCOMPARE(w->Edit->text().split(u'\n'),
                     afspilningsside(Medietype::Video, "Afspilningsliste", base + "/", {"Pop/sang.mp3", "Rock/en.anden.ogg"},
                                     {"sang", "en.anden"}));
            // The lists stay for another page.
            QCOMPARE(s->mfUrlliste->count(), 2);

            // Removing from either list removes the same position from both.
            boxes.clear();
            s->mfTitelliste->setCurrentRow(-1);
            s->mFjernTitel->trigger();
            QCOMPARE(boxes, QStringList{"Der er ikke valgt et element i listen!"});
            s->mfTitelliste->setCurrentRow(0);
            s->mFjernTitel->trigger();
            QCOMPARE(s->mfUrlliste->count(), 1);
            QCOMPARE(s->mfUrlliste->item(0)->text(), QString("Rock/en.anden.ogg"));
            s->mfUrlliste->setCurrentRow(0);
            s->mFjernUrl->trigger();
            QCOMPARE(s->mfTitelliste->count(), 0);

            // The name field empties at its first entry after start or "Opret ny liste" only.
            QFocusEvent in(QEvent::FocusIn);
            QCoreApplication::sendEvent(s->mfListenavnEdit, &in);
            QCOMPARE(s->mfListenavnEdit->text(), QString());
            s->mfListenavnEdit->setText("Mine");
            QCoreApplication::sendEvent(s->mfListenavnEdit, &in);
            QCOMPARE(s->mfListenavnEdit->text(), QString("Mine"));
            s->tilfoejFiler({sang});
            s->mfClearKnap->click();
            QCOMPARE(s->mfListenavnEdit->text(), QString("Afspilningsliste"));
            QCOMPARE(s->mfUrlliste->count(), 0);
            QCoreApplication::sendEvent(s->mfListenavnEdit, &in);
            QCOMPARE(s->mfListenavnEdit->text(), QString());
            m.close();
        }
        platform::setInfoBoxHandler({});
        Tspmform::setTestHandler({});
    }
};

QTEST_MAIN(TestAfspilningsliste)
#include "tst_afspilningsliste.moc"
