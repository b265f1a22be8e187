// The installed reference library: every title the program's buttons, menus and keys can ask
// the information browser for exists in its structure with a page; every entry has its page;
// pages link only to pages that exist and are valid HTML; the manual's menu and shortcut pages
// were made from the program's real menus and actions.

#include "core/textfile.h"
#include "shell/mainform.h"
#include "testsupport/testenv.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

namespace {

const QString kData = QStringLiteral(TAVLEVIRKE_SOURCE_DATA "/");
const QString kSrc = QStringLiteral(TAVLEVIRKE_SOURCE_DATA "/../src/");
const QString kMenuer = QStringLiteral(TAVLEVIRKE_SOURCE_DATA "/../tools/data/kilder/bibliotek/menuer.txt");

QStringList lines(const QString &path)
{
    QStringList out;
    const core::ReadResult r = core::readLines(path, out);
    if (!r.ok)
        qWarning("cannot read %s: %s", qPrintable(path), qPrintable(r.error));
    return out;
}

// One structure as the browser reads it: titles in depth-first order and their page names.
struct Struktur {
    QStringList titler;
    QStringList sider;   // data text: the data line without its icon digit
    QString mappe;       // the page folder, with trailing "/"
    bool laest = false;
};

Struktur laesStruktur(const QString &navn)
{
    Struktur s;
    const QString dir = kData + QStringLiteral("Struktur/") + navn + u'/';
    const QStringList t = lines(dir + QStringLiteral("struktur.txt"));
    const QStringList d = lines(dir + QStringLiteral("data.txt"));
    if (t.isEmpty() || t.size() != d.size())
        return s;
    for (const QString &l : t) {
        qsizetype i = 0;
        while (i < l.size() && (l[i] == u'\t' || l[i] == u' '))
            ++i;
        s.titler << l.mid(i);
    }
    for (const QString &l : d)
        s.sider << l.mid(1);
    s.mappe = dir + QStringLiteral("tekstfiler/");
    s.laest = true;
    return s;
}

// The (structure, title) pairs the source code passes to HelpInfo, to a window's information
// signal or to an information button.
QList<QPair<QString, QString>> parFraKoden()
{
    const QList<QRegularExpression> moenstre = {
        QRegularExpression(QStringLiteral("(?:HelpInfo|information)\\(\\s*QStringLiteral\\(\"([^\"]+)\"\\),\\s*QStringLiteral\\(\"([^\"]*)\"\\)\\)")),
        QRegularExpression(QStringLiteral("infoKnap\\([^;]*?QStringLiteral\\(\"([^\"]+\\.txt)\"\\),\\s*QStringLiteral\\(\"([^\"]*)\"\\)")),
    };
    QList<QPair<QString, QString>> par;
    QDirIterator it(kSrc, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QString tekst = QString::fromUtf8(f.readAll());
        for (const QRegularExpression &re : moenstre) {
            auto m = re.globalMatch(tekst);
            while (m.hasNext()) {
                const auto hit = m.next();
                par.append({hit.captured(1), hit.captured(2)});
            }
        }
    }
    return par;
}

QString udenEndelse(QString s)
{
    const qsizetype dot = s.lastIndexOf(u'.');
    return dot < 0 ? s : s.left(dot);
}

// The program's menus, tab-indented by depth, and its shortcuts: the facts of the manual's
// pages "Hovedmenuen" and "Genvejstaster".
QStringList menuerOgGenveje(Tmainform &m)
{
    QStringList ud{QStringLiteral("# Written by tests/information/tst_bibliotek.cpp from the program's own menus and"),
                   QStringLiteral("# actions (run it with TAVLEVIRKE_SKRIV_MENUER=1, then regenerate tools/data)."),
                   QStringLiteral("[menu]")};
    const auto tekst = [](const QAction *a) { return a->text().remove(u'&').trimmed(); };
    std::function<void(const QMenu *, int)> gaa = [&](const QMenu *menu, int dybde) {
        for (QAction *a : menu->actions()) {
            if (a->isSeparator() || tekst(a).isEmpty())
                continue;
            QString l = QString(dybde, u'\t') + tekst(a);
            if (!a->shortcut().isEmpty())
                l += QStringLiteral(" | ") + a->shortcut().toString(QKeySequence::PortableText);
            ud << l;
            if (a->menu())
                gaa(a->menu(), dybde + 1);
        }
    };
    for (QAction *a : m.menuBar()->actions()) {
        if (!a->menu() || tekst(a).isEmpty())
            continue;
        ud << tekst(a);
        gaa(a->menu(), 1);
    }
    ud << QStringLiteral("[genveje]");
    QStringList genveje;
    for (const QAction *a : m.findChildren<QAction *>()) {
        if (a->shortcut().isEmpty() || tekst(a).isEmpty())
            continue;
        const QString l = a->shortcut().toString(QKeySequence::PortableText) + QStringLiteral(" | ") + tekst(a);
        if (!genveje.contains(l))
            genveje << l;
    }
    genveje.sort();
    return ud + genveje;
}

} // namespace

class TestBibliotek : public QObject {
    Q_OBJECT

private slots:
    void everyTitleTheProgramAsksForHasAPage_data();
    void everyTitleTheProgramAsksForHasAPage();
    void everyEntryHasItsPageAndPagesLinkOnlyToPages_data();
    void everyEntryHasItsPageAndPagesLinkOnlyToPages();
    void everyElementPropertyAndMemberHasAnEntry();
    void manualFollowsTheRealMenus();
    void pagesAreValidHtml();
};

void TestBibliotek::everyTitleTheProgramAsksForHasAPage_data()
{
    QTest::addColumn<QString>("struktur");
    QTest::addColumn<QString>("titel");
    QSet<QString> set;
    const auto tilfoej = [&](const QString &s, const QString &t) {
        const QString key = udenEndelse(s) + u'|' + t;
        if (set.contains(key))
            return;
        set.insert(key);
        QTest::newRow(qPrintable(key)) << udenEndelse(s) << t;
    };
    const auto fraKoden = parFraKoden();
    QVERIFY2(fraKoden.size() >= 10, "the source code patterns no longer find the information buttons");
    for (const auto &p : fraKoden)
        tilfoej(p.first, p.second);
    // Titles chosen at run time (by a radio group, the word at the caret, a value of the CSS
    // box) and those of the windows that ask by title from tables.
    for (const char *t : {"ul", "ol", "dl", "select", "datalist", "a", "link", "script", "table", "audio", "video", "style"})
        tilfoej(QStringLiteral("Information"), QString::fromLatin1(t));
    for (const char *t : {"CSS Units", "CSS Colors", "CSS Selectors", "Column egenskaber", "Flex egenskaber", "display",
                          "text-align", "text-justify", "margin", "background-color", "box-shadow", "border",
                          "border-radius", "align-items", "justify-content", "flex-direction", "flex-wrap", "padding",
                          "flex-grow", "flex-shrink", "flex-basis", "order", "@media", "@font-face"})
        tilfoej(QStringLiteral("CSS"), QString::fromUtf8(t));
    for (const char *t : {"Genvejstaster", "Hovedmenuen", "Kodeskrivning", "Kodepanelerne", "Koder", "Redskabslinien",
                          "Filpanelet", "Musik og film", "Skema", "Lister", "Links", "Specialtegn", "Design",
                          "Kolonne layout", "Kontainer", "Spaltedesign", "Flex layout", "Nyt dokument",
                          "Bestem filtyper", "Egenskaber", "Kodekontrol", "Gem og hent CSS", "CSS boksen", "Søg",
                          "Strukturkonstruktøren", "Gem som", "Åben dokument"})
        tilfoej(QStringLiteral("Programmet"), QString::fromUtf8(t));
    for (const char *t : {"", "Dato komponenter", "Knapper", "Menulinier", "Menuspalter"})
        tilfoej(QStringLiteral("Eksempler"), QString::fromUtf8(t));
    for (const char *t : {"document", "getElementById", "String", "charAt", "addEventListener", "classList"})
        tilfoej(QStringLiteral("JavaScript"), QString::fromLatin1(t));
    for (const char *t : {"Response", "Write", "Request", "Form", "Dim", "If", "MsgBox"})
        tilfoej(QStringLiteral("VBS"), QString::fromLatin1(t));
}

void TestBibliotek::everyTitleTheProgramAsksForHasAPage()
{
    QFETCH(QString, struktur);
    QFETCH(QString, titel);
    const Struktur s = laesStruktur(struktur);
    QVERIFY2(s.laest, qPrintable("structure " + struktur + " is missing or its two files differ in length"));
    // An empty title opens the first entry.
    qsizetype i = titel.isEmpty() ? 0 : -1;
    for (qsizetype k = 0; i < 0 && k < s.titler.size(); ++k)
        if (s.titler[k].compare(titel, Qt::CaseInsensitive) == 0)
            i = k;
    QVERIFY2(i >= 0, qPrintable("no entry \"" + titel + "\" in " + struktur));
    // JavaScript titles are spelt as the language spells them: the browser reports a
    // difference in case as a spelling error.
    if (struktur == QLatin1String("JavaScript"))
        QCOMPARE(s.titler[i], titel);
    QVERIFY2(QFileInfo::exists(s.mappe + s.sider[i] + QStringLiteral(".html")),
             qPrintable(struktur + ": the page of \"" + titel + "\" is missing"));
}

void TestBibliotek::everyEntryHasItsPageAndPagesLinkOnlyToPages_data()
{
    QTest::addColumn<QString>("struktur");
    for (const char *s : {"Information", "CSS", "JavaScript", "VBS", "Programmet", "Eksempler"})
        QTest::newRow(s) << QString::fromLatin1(s);
}

void TestBibliotek::everyEntryHasItsPageAndPagesLinkOnlyToPages()
{
    QFETCH(QString, struktur);
    const Struktur s = laesStruktur(struktur);
    QVERIFY(s.laest);
    for (qsizetype i = 0; i < s.titler.size(); ++i) {
        QVERIFY2(!s.sider[i].isEmpty() && !s.sider[i].contains(u'/') && !s.sider[i].contains(QLatin1String("..")),
                 qPrintable(struktur + ": entry " + s.titler[i] + " has no usable page name"));
        QVERIFY2(QFileInfo::exists(s.mappe + s.sider[i] + QStringLiteral(".html")),
                 qPrintable(struktur + ": no page for " + s.titler[i]));
    }
    for (const char *f : {"design.css", "funktioner.js"})
        QVERIFY(QFileInfo::exists(s.mappe + QStringLiteral("Design og funktioner/") + QString::fromLatin1(f)));
    // Addresses inside real tags (escaped code examples are text, not markup).
    const QRegularExpression tag(QStringLiteral("<[a-zA-Z][^>]*>"));
    const QRegularExpression adr(QStringLiteral("\\s(?:href|src|action|data|poster|srcset)=\"([^\"]*)\""));
    QDirIterator it(s.mappe, {QStringLiteral("*.html")}, QDir::Files);
    int sider = 0;
    while (it.hasNext()) {
        const QString fil = it.next();
        ++sider;
        QString tekst;
        QVERIFY(core::readTextFile(fil, tekst).ok);
        QVERIFY2(tekst.contains(QLatin1String("<p>")), qPrintable(fil + " has no text of its own"));
        auto tm = tag.globalMatch(tekst);
        while (tm.hasNext()) {
            auto am = adr.globalMatch(tm.next().captured());
            while (am.hasNext()) {
                const QString a = am.next().captured(1).section(u'#', 0, 0);
                if (a.isEmpty())
                    continue;
                QVERIFY2(!a.contains(u':'), qPrintable(fil + " reaches out to " + a));
                QVERIFY2(QFileInfo::exists(s.mappe + QUrl::fromPercentEncoding(a.toUtf8())),
                         qPrintable(fil + " links to a missing " + a));
            }
        }
    }
    QVERIFY(sider >= s.titler.size() / 2);
}

void TestBibliotek::everyElementPropertyAndMemberHasAnEntry()
{
    const auto titler = [](const QString &navn) {
        const Struktur s = laesStruktur(navn);
        return QSet<QString>(s.titler.cbegin(), s.titler.cend());
    };
    const QSet<QString> html = titler(QStringLiteral("Information"));
    for (const QString &e : lines(kData + QStringLiteral("Dir/Html/AlleKoder.txt")))
        QVERIFY2(html.contains(e), qPrintable("no HTML page for " + e));
    const QSet<QString> css = titler(QStringLiteral("CSS"));
    const QStringList idx = lines(kData + QStringLiteral("Dir/alleCssProp.txt"));
    for (qsizetype i = 0; i < idx.size(); i += 2)
        QVERIFY2(css.contains(idx[i]), qPrintable("no CSS page for " + idx[i]));
    const QSet<QString> js = titler(QStringLiteral("JavaScript"));
    for (const char *n : {"String", "Number", "Math", "Date", "Array", "Boolean", "RegExp", "Global", "Window",
                          "Navigator", "Screen", "History", "Location", "Document", "Element", "Attr",
                          "Events objekter", "classList", "HTMLCollection", "NodeList", "NamedNodeMap"}) {
        const QString navn = QString::fromLatin1(n);
        const QString data = navn == QLatin1String("NamedNodeMap") ? QStringLiteral("NamedNodeMApData.txt") : navn + QStringLiteral("Data.txt");
        const QStringList t = lines(kData + QStringLiteral("Script/") + navn + QStringLiteral("Struktur.txt"));
        const QStringList d = lines(kData + QStringLiteral("Script/") + data);
        QVERIFY2(!t.isEmpty() && t.size() == d.size(), qPrintable("object structure " + navn));
        for (qsizetype i = 0; i < t.size(); ++i) {
            const QString titel = t[i].trimmed();
            QVERIFY2(d[i].size() > 1 && d[i][0].isDigit(), qPrintable(navn + ": " + titel + " has no definition"));
            // Members are the deepest entries: each has its page under the same spelling.
            const bool medlem = i + 1 >= t.size() || t[i + 1].count(u'\t') <= t[i].count(u'\t');
            if (medlem && t[i].startsWith(u'\t'))
                QVERIFY2(js.contains(titel), qPrintable("no JavaScript page for " + navn + "." + titel));
        }
    }
    QStringList liste = lines(kData + QStringLiteral("Script/_strukturliste.txt"));
    for (const char *n : {"ASP", "Scripting", "VbScript", "WScript", "batch"})
        QVERIFY2(liste.contains(QString::fromLatin1(n)), n);
}

void TestBibliotek::manualFollowsTheRealMenus()
{
    TestProgramFolder folder(true);
    Tmainform m;
    const QStringList nu = menuerOgGenveje(m);
    if (qEnvironmentVariableIsSet("TAVLEVIRKE_SKRIV_MENUER")) {
        QVERIFY(core::writeLines(kMenuer, nu, core::Encoding::Utf8).ok);
        QSKIP("menuer.txt written; regenerate the data tree with npm --prefix tools/data run generate");
    }
    const QStringList gemt = lines(kMenuer);
    QVERIFY2(gemt == nu, "the menus or shortcuts changed: run this test with TAVLEVIRKE_SKRIV_MENUER=1 and "
                         "regenerate the data tree (npm --prefix tools/data run generate)");
    // The pages show them.
    QString genveje, menu;
    QVERIFY(core::readTextFile(kData + QStringLiteral("Struktur/Programmet/tekstfiler/genvejstaster.html"), genveje).ok);
    QVERIFY(core::readTextFile(kData + QStringLiteral("Struktur/Programmet/tekstfiler/hovedmenuen.html"), menu).ok);
    for (QAction *a : m.menuBar()->actions())
        if (a->menu())
            QVERIFY2(menu.contains(a->text().remove(u'&').toHtmlEscaped()), qPrintable(a->text()));
    for (const QAction *a : m.findChildren<QAction *>())
        if (!a->shortcut().isEmpty() && !a->text().remove(u'&').trimmed().isEmpty())
            QVERIFY2(genveje.contains(a->shortcut().toString(QKeySequence::PortableText).toHtmlEscaped()),
                     qPrintable(a->shortcut().toString()));
}

void TestBibliotek::pagesAreValidHtml()
{
    const QString java = QStandardPaths::findExecutable(QStringLiteral("java"));
    const QString jar = QDir::cleanPath(kData + QStringLiteral("../tools/validator/node_modules/vnu-jar/build/dist/vnu.jar"));
    if (java.isEmpty())
        QSKIP("No Java runtime on PATH (package default-jre-headless): the HTML validator cannot run.");
    if (!QFileInfo::exists(jar))
        QSKIP("The HTML validator is not installed (npm ci --prefix tools/validator).");
    // A sample: the manual and the examples whole, every seventh page of the references.
    QStringList args{QStringLiteral("-jar"), jar, QStringLiteral("--format"), QStringLiteral("json"), QStringLiteral("--stdout")};
    int n = 0;
    for (const char *s : {"Programmet", "Eksempler", "Information", "CSS", "JavaScript", "VBS"}) {
        const bool alle = qstrcmp(s, "Programmet") == 0 || qstrcmp(s, "Eksempler") == 0;
        QDir dir(kData + QStringLiteral("Struktur/") + QString::fromLatin1(s) + QStringLiteral("/tekstfiler"));
        const QStringList filer = dir.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
        for (int i = 0; i < filer.size(); ++i)
            if (alle || i % 7 == 0) {
                args << dir.filePath(filer[i]);
                ++n;
            }
    }
    QVERIFY(n > 50);
    QProcess vnu;
    vnu.start(java, args);
    QVERIFY2(vnu.waitForFinished(240000), "the validator did not finish");
    const QJsonArray msgs = QJsonDocument::fromJson(vnu.readAllStandardOutput()).object().value(QStringLiteral("messages")).toArray();
    QStringList fejl;
    for (const auto &v : msgs) {
        const QJsonObject o = v.toObject();
        if (o.value(QStringLiteral("type")).toString() == QLatin1String("error"))
            fejl << o.value(QStringLiteral("url")).toString().section(u'/', -1) + QStringLiteral(": ") + o.value(QStringLiteral("message")).toString();
    }
    QVERIFY2(fejl.isEmpty(), qPrintable(fejl.mid(0, 10).join(u'\n')));
}

QTEST_MAIN(TestBibliotek)
#include "tst_bibliotek.moc"
