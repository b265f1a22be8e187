// The table, list, link and playlist writers produce valid HTML, as judged by the Nu HTML
// Checker (tools/validator, run on the installed Java). One Java start checks all pages.

#include "codewriting/taginfo.h"
#include "editor/editor.h"
#include "generators/afspilningsliste.h"
#include "generators/kodeskrivere.h"
#include "generators/layoutkode.h"
#include "testsupport/testenv.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <functional>

using namespace generators;

namespace {

// The only errors allowed: those about what the writers leave empty on purpose, for the author
// to fill in. Each must still occur, so the list cannot outlive its reason.
struct Tilladt {
    const char *pattern;
    const char *reason;
};
const Tilladt kTilladt[] = {
    // Attribute values written empty, the caret in the first of them.
    {"^Bad value “” for attribute “href” on element “link”", "style sheet address"},
    {"^Bad value “” for attribute “src” on element “script”", "script address"},
    {"^Bad value “” for attribute “target” on element “a”", "link target"},
    {"^Bad value “” for attribute “span” on element “col”", "column span"},
    {"^Bad value “” for attribute “id” on element “datalist”", "data list name"},
    {"^Bad value “” for attribute “list” on element “input”", "the data list's name again"},
    {"^Duplicate ID “”\\.$", "every data list starts with the same empty name"},
    {"^The “list” attribute of the “input” element must refer to a “datalist” element\\.$",
     "an empty name refers to no data list"},
    // The option text goes between the tags, as an item's text does in the other lists.
    {"^Element “option” without attribute “label” must not be empty\\.$", "option text"},
};

// The index in kTilladt of the entry that allows this error, or -1.
int tilladt(const QString &message)
{
    for (int i = 0; i < int(std::size(kTilladt)); ++i)
        if (QRegularExpression(QString::fromUtf8(kTilladt[i].pattern)).match(message).hasMatch())
            return i;
    return -1;
}

QString vnuJar()
{
    return QDir::cleanPath(fixturePath("../../tools/validator/node_modules/vnu-jar/build/dist/vnu.jar"));
}

// What one or more writers leave in an empty editor.
QString skrevet(const std::function<void(Tinfotag &, TEditor &)> &skriv)
{
    TEditor edit;
    Tinfotag taginf;
    taginf.SetEditor(&edit);
    skriv(taginf, edit);
    return edit.text();
}

QString tabel(const Tabelvalg &valg)
{
    return skrevet([&](Tinfotag &t, TEditor &) { QVERIFY(skrivTabel(t, valg).isEmpty()); });
}

// A three-column table with a caption, and a column group written on the caption's line.
QString tabelMedColgroup(const QString &antal, bool span, bool style)
{
    return skrevet([&](Tinfotag &t, TEditor &edit) {
        QVERIFY(skrivTabel(t, Tabelvalg{"Tal", "3", true, true, "2", true, "", "", ""}).isEmpty());
        edit.setCaretPos(edit.lineEnd(1));
        QVERIFY(skrivColgroup(t, antal, span, style).isEmpty());
    });
}

QString liste(int type, const QString &antal)
{
    return skrevet([&](Tinfotag &t, TEditor &) { QVERIFY(skrivListe(t, type, antal).isEmpty()); });
}

QString links(const Linkvalg &valg)
{
    return skrevet([&](Tinfotag &t, TEditor &) { QVERIFY(skrivLinks(t, valg).isEmpty()); });
}

QString side(const QString &title, const QStringList &head, const QStringList &body)
{
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"da\">\n<head>\n<meta charset=\"utf-8\">\n<title>") + title
        + QStringLiteral("</title>\n") + head.join(u'\n') + QStringLiteral("\n</head>\n<body>\n") + body.join(u'\n')
        + QStringLiteral("\n</body>\n</html>\n");
}

// Every writer and every option that changes the markup, each where an author would put it.
QString skriverside()
{
    const QStringList head{
        links(Linkvalg{StyleSheet}),
        links(Linkvalg{Script}),
        skrevet([](Tinfotag &t, TEditor &) { skrivTabelCSS(t, true); }),
        skrevet([](Tinfotag &t, TEditor &) { skrivListeCSS(t, Ul, false, true); }),
        skrevet([](Tinfotag &t, TEditor &) { skrivLinkCSS(t, true); }),
    };
    QStringList body{
        tabel(Tabelvalg{"Plain", "3", true, true, "2", true, "", "", ""}),
        tabel(Tabelvalg{"", "2", false, true, "2", false, "", "", ""}),
        tabel(Tabelvalg{"Struktur", "3", true, false, "", false, "1", "2", "1"}),
        tabel(Tabelvalg{"", "2", false, false, "", false, "", "1", ""}),
        tabel(Tabelvalg{"Tom", "3", true, false, "", false, "", "", ""}),
        tabelMedColgroup("3", true, true),
        tabelMedColgroup("3", false, true),
        tabelMedColgroup("3", false, false),
    };
    for (int type : {Ul, Ol, Dl, Select, Datalist})
        body << liste(type, "0") << liste(type, "2");
    // Option groups go into a list of options.
    body << skrevet([](Tinfotag &t, TEditor &) {
        QVERIFY(skrivListe(t, Select, "0").isEmpty());
        QVERIFY(skrivOptgroup(t, "2").isEmpty());
        QVERIFY(skrivOptgroup(t, "0").isEmpty());
    });
    for (int type : {Ahref, AhrefBr})
        for (bool target : {false, true})
            for (bool nav : {false, true})
                body << links(Linkvalg{type, target, nav, "2"});
    body << links(Linkvalg{Ahref, false, true, "0"}) << links(Linkvalg{Ahref, true, false, "1"});
    return side(QStringLiteral("Kodeskrivere"), head, body);
}

// What a layout writer leaves in an empty editor.
QString layout(const Layoutkode &kode)
{
    return skrevet([&](Tinfotag &t, TEditor &) {
        QVERIFY(kode.fejl.isEmpty());
        skrivLayout(t, kode);
    });
}

// The four layouts' CSS as "Nyt dokument" writes it (no style elements of their own).
QString layoutCss()
{
    SpalteCssValg spalte;
    spalte.styleKode = false;
    KolonneCssValg kolonne;
    kolonne.styleKode = false;
    return layout(spalteCss(spalte)) + layout(kolonneCss(kolonne)) + layout(flexCss(FlexValg()))
        + layout(kontainerCss(KontainerValg()));
}

// Each layout with its window's defaults: the CSS as written with or without its style
// element, and the HTML in the body.
QString layoutside()
{
    const QStringList head{layout(spalteCss(SpalteCssValg())), layout(kolonneCss(KolonneCssValg())),
                           "<style>\n" + layout(flexCss(FlexValg())) + "</style>",
                           "<style>\n" + layout(kontainerCss(KontainerValg())) + "</style>"};
    KolonneValg medOverskrift;
    medOverskrift.overskrift = true;
    const QStringList body{layout(spalter(SpalteValg())), layout(kolonner(KolonneValg())), layout(kolonner(medOverskrift)),
                           layout(kontainer("kontainer")), layout(flex("flexbox", "4")), layout(flex("flexbox", "0"))};
    return side(QStringLiteral("Layout"), head, body);
}

// Names with markup characters, as escaped by the page writer.
QString afspilning(Medietype type)
{
    return afspilningsside(type, "Sange & <film>", "/musik/", {"Pop/sang.mp3", "Rock/en anden.ogg", "Jazz/Æble#1.mp3"},
                           {"sang", "en anden", "R&B <live>"})
        .join(u'\n');
}

} // namespace

class TestGyldighed : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        const QString java = QStandardPaths::findExecutable("java");
        if (java.isEmpty())
            QSKIP("No Java runtime on PATH (package default-jre-headless): the HTML validator cannot run.");
        if (!QFileInfo::exists(vnuJar()))
            QSKIP(qPrintable("The HTML validator is not installed (" + vnuJar()
                             + "): run tools/install-deps.sh or npm ci --prefix tools/validator."));

        QVERIFY(dir.isValid());
        const QList<std::pair<QString, QString>> sider{{"skrivere.html", skriverside()},
                                                       {"lyd.html", afspilning(Medietype::Audio)},
                                                       {"film.html", afspilning(Medietype::Video)},
                                                       {"layout.html", layoutside()},
                                                       {"layout.css", layoutCss()}};
        QStringList args{"-jar", vnuJar(), "--also-check-css", "--format", "json", "--stdout"};
        for (const auto &[navn, tekst] : sider) {
            QFile f(dir.filePath(navn));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(tekst.toUtf8());
            args << f.fileName();
            kilde[navn] = tekst.split(u'\n');
        }

        QProcess vnu;
        vnu.start(java, args);
        QVERIFY2(vnu.waitForFinished(240000), "the validator did not finish");
        const QByteArray out = vnu.readAllStandardOutput();
        QJsonParseError err;
        const QJsonDocument doc = QJsonDocument::fromJson(out, &err);
        QVERIFY2(err.error == QJsonParseError::NoError && doc.isObject(),
                 qPrintable("unreadable validator output: " + out.left(500) + vnu.readAllStandardError().left(500)));
        for (const QJsonValue &v : doc.object().value("messages").toArray()) {
            const QJsonObject m = v.toObject();
            const QString type = m.value("type").toString();
            if (type == "info")   // notes and warnings
                continue;
            const QString navn = QFileInfo(QUrl(m.value("url").toString()).toLocalFile()).fileName();
            fejl[kilde.contains(navn) ? navn : QString()] << m;
        }
    }

    void valid_data()
    {
        QTest::addColumn<QString>("navn");
        QTest::newRow("every writer") << "skrivere.html";
        QTest::newRow("audio playlist") << "lyd.html";
        QTest::newRow("video playlist") << "film.html";
        QTest::newRow("layouts") << "layout.html";
        QTest::newRow("layout style sheet") << "layout.css";
    }
    void valid()
    {
        QFETCH(QString, navn);
        QStringList fund;
        // Errors about no page (the checker failing) count against every page.
        for (const QJsonObject &m : fejl.value(QString()) + fejl.value(navn)) {
            const QString message = m.value("message").toString();
            if (m.value("type").toString() == "error" && tilladt(message) >= 0)
                continue;
            const int line = m.value("lastLine").toInt();
            fund << QStringLiteral("%1:%2: %3\n    %4").arg(navn).arg(line).arg(message,
                                                                          kilde.value(navn).value(line - 1));
            qWarning().noquote() << fund.last();
        }
        QVERIFY2(fund.isEmpty(), qPrintable(QStringLiteral("%1 validation errors, listed above").arg(fund.size())));
    }

    void everyAllowanceNeeded()
    {
        QSet<int> brugt;
        for (const QList<QJsonObject> &l : std::as_const(fejl))
            for (const QJsonObject &m : l)
                brugt << tilladt(m.value("message").toString());
        for (int i = 0; i < int(std::size(kTilladt)); ++i)
            QVERIFY2(brugt.contains(i), qPrintable(QStringLiteral("no longer needed, remove it: ")
                                                   + QString::fromUtf8(kTilladt[i].pattern)));
    }

private:
    QTemporaryDir dir;
    QHash<QString, QStringList> kilde;         // page lines by file name
    QHash<QString, QList<QJsonObject>> fejl;   // errors by file name; "" for none
};

QTEST_MAIN(TestGyldighed)
#include "tst_gyldighed.moc"
