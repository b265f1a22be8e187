// The installed data tree: its lists must agree with each other in the ways the program
// relies on, and must know the elements and attributes that real hand-written pages use.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include "core/textfile.h"
#include "testsupport/testenv.h"

namespace {

const QString kData = QStringLiteral(TAVLEVIRKE_SOURCE_DATA "/");

QStringList lines(const QString &relative)
{
    QStringList out;
    const core::ReadResult r = core::readLines(kData + relative, out);
    if (!r.ok)
        qWarning("cannot read %s: %s", qPrintable(relative), qPrintable(r.error));
    return out;
}

// The program's lists compare names without regard to case.
QSet<QString> nameSet(const QString &relative)
{
    QSet<QString> s;
    for (const QString &l : lines(relative))
        s.insert(l.toLower());
    return s;
}

// The tag name of a code list item: from its second character up to the first ">".
QString itemTagName(const QString &item)
{
    const int end = item.indexOf(QLatin1Char('>'));
    return item.mid(1, end < 0 ? -1 : end - 1);
}

const QStringList kCssGroups = {
    "Animation", "Background and Border", "Basic Box", "Basic User Interface", "Color",
    "Filter Effects", "Flexible Box Layout", "Font", "Generated Content for Paged Media",
    "Image values and Replaced Content", "Lists and Counters", "Marquee", "Masking",
    "Multi-column Layout", "Paged Media", "Speech", "Table", "Text", "Text Decoration", "Transform",
    "Transitions", "Writing Modes"};

const QStringList kCategoryFiles = {
    "_Koder.txt", "_grundkoder.txt", "_audioVideo.txt", "_billeder.txt", "_form.txt",
    "_formatering.txt", "_indhold.txt", "_links.txt", "_lists.txt", "_meta.txt",
    "_programmering.txt", "_frames.txt", "_tables.txt", "_tekst.txt"};

const QStringList kCharacterFiles = {
    "blandet.txt", "tal.txt", "bogstaver.txt", QStringLiteral("det græske alfabet.txt"),
    "romertal.txt", QStringLiteral("brøker og script.txt"), "matematik.txt",
    "skak og kort.txt"};

// One start tag of a page: its name and attribute names, lower case.
struct StartTag {
    QString name;
    QStringList attributes;
};

// Reads the start tags of an HTML page the way a browser's tokenizer sees them: comments,
// declarations and the contents of script, style, textarea and title are not markup.
QList<StartTag> startTags(const QString &text)
{
    QList<StartTag> tags;
    const qsizetype n = text.size();
    qsizetype i = 0;
    auto isSpace = [](QChar c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; };
    while (i < n) {
        if (text[i] != '<') { ++i; continue; }
        if (text.mid(i, 4) == QLatin1String("<!--")) {
            const qsizetype e = text.indexOf(QLatin1String("-->"), i + 4);
            i = e < 0 ? n : e + 3;
            continue;
        }
        if (i + 1 < n && (text[i + 1] == '!' || text[i + 1] == '?' || text[i + 1] == '/')) {
            const qsizetype e = text.indexOf(QLatin1Char('>'), i);
            i = e < 0 ? n : e + 1;
            continue;
        }
        if (i + 1 >= n || !text[i + 1].isLetter()) { ++i; continue; }
        qsizetype j = i + 1;
        while (j < n && !isSpace(text[j]) && text[j] != '>' && text[j] != '/')
            ++j;
        StartTag tag;
        tag.name = text.mid(i + 1, j - i - 1).toLower();
        // attributes
        while (j < n && text[j] != '>') {
            if (isSpace(text[j]) || text[j] == '/') { ++j; continue; }
            const qsizetype a = j;
            while (j < n && !isSpace(text[j]) && text[j] != '>' && text[j] != '=' && text[j] != '/')
                ++j;
            tag.attributes << text.mid(a, j - a).toLower();
            while (j < n && isSpace(text[j]))
                ++j;
            if (j < n && text[j] == '=') {
                ++j;
                while (j < n && isSpace(text[j]))
                    ++j;
                if (j < n && (text[j] == '"' || text[j] == '\'')) {
                    const qsizetype e = text.indexOf(text[j], j + 1);
                    j = e < 0 ? n : e + 1;
                } else {
                    while (j < n && !isSpace(text[j]) && text[j] != '>')
                        ++j;
                }
            }
        }
        i = j + 1;
        static const QStringList rawText = {"script", "style", "textarea", "title"};
        if (rawText.contains(tag.name)) {
            const qsizetype e = text.indexOf(QLatin1String("</") + tag.name, i, Qt::CaseInsensitive);
            i = e < 0 ? n : e;
        }
        tags << tag;
    }
    return tags;
}

QStringList pagesUnder(const QString &folder)
{
    QStringList pages;
    if (!QFileInfo(folder).isDir())
        return pages;
    QDirIterator it(folder, {"*.html", "*.htm"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        pages << it.next();
    pages.sort();
    return pages;
}

} // namespace

class TestDataTree : public QObject {
    Q_OBJECT

private slots:
    void everyFileHasCrLfLinesAndAFinalBreak();
    void tagListsAgree();
    void codeItemsNameKnownElements_data();
    void codeItemsNameKnownElements();
    void attributeFilesCoverEveryElement();
    void valueFilesBelongToAttributes();
    void cssBoxHasEveryGroupPropertyAndValueFile();
    void cssIndexLookupFindsEachPropertysGroup();
    void characterFilesArePairs();
    void templatesAndPageResourcesExist();
    void realPagesUseOnlyKnownNames();
};

// The program reads lines split at CR LF; a stray LF or a missing last break would show up
// as a joined or lost entry in a list.
void TestDataTree::everyFileHasCrLfLinesAndAFinalBreak()
{
    int files = 0;
    QDirIterator it(kData, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(path));
        const QByteArray bytes = f.readAll();
        ++files;
        if (bytes.isEmpty())
            continue;  // an empty list (a group without properties) is allowed
        QVERIFY2(bytes.endsWith("\r\n"), qPrintable(path));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
        // Without a mark the text must be valid as the program reads it: plain ASCII or
        // Windows-1252 holds every name we write; anything else carries a UTF-8 mark.
        if (!bytes.startsWith("\xEF\xBB\xBF")) {
            for (char c : bytes)
                QVERIFY2(static_cast<unsigned char>(c) != 0x81 && static_cast<unsigned char>(c) != 0x8D
                             && static_cast<unsigned char>(c) != 0x8F && static_cast<unsigned char>(c) != 0x90
                             && static_cast<unsigned char>(c) != 0x9D,
                         qPrintable(path));
        }
    }
    QVERIFY(files > 500);
}

void TestDataTree::tagListsAgree()
{
    const QSet<QString> all = nameSet("Dir/Html/AlleKoder.txt");
    const QSet<QString> without = nameSet("Dir/Html/UdenSlutkode.txt");
    const QSet<QString> with = nameSet("Dir/Html/MedSlutkode.txt");
    const QSet<QString> skipped = nameSet("Dir/Html/Ekskluderet.txt");

    QVERIFY2(!(QSet<QString>(with) & without).size(), "an element is in both end-tag lists");
    QCOMPARE(QSet<QString>(with) | without, all);
    // The structure reader asks the skip list first: a name there would never be an element.
    QVERIFY2(!(QSet<QString>(skipped) & all).size(), "an element is also skipped");

    // Spot checks of what the program must know about today's HTML.
    for (const char *v : {"br", "img", "input", "meta", "link", "hr", "wbr", "source", "track", "col", "area", "base", "embed"})
        QVERIFY2(without.contains(v), v);
    for (const char *e : {"p", "div", "li", "td", "html", "body", "main", "search", "dialog", "template", "picture", "svg", "math", "slot", "data", "hgroup", "menu"})
        QVERIFY2(with.contains(e), e);
    // Dropped from the standard: a page using them gets "Ukendt kode".
    for (const char *o : {"font", "center", "frame", "frameset", "marquee", "big", "tt", "acronym", "applet", "keygen", "param"})
        QVERIFY2(!all.contains(o), o);
    for (const char *s : {"path", "circle", "g", "lineargradient", "mrow", "mi"})
        QVERIFY2(skipped.contains(s), s);
}

void TestDataTree::codeItemsNameKnownElements_data()
{
    QTest::addColumn<QString>("file");
    for (const QString &c : kCategoryFiles)
        QTest::newRow(qPrintable(c)) << QStringLiteral("Dir/Html/") + c;
    for (const QString &b : QDir(kData + "Dir/Betweentags").entryList({"*.txt"}, QDir::Files))
        QTest::newRow(qPrintable("between " + b)) << QStringLiteral("Dir/Betweentags/") + b;
}

void TestDataTree::codeItemsNameKnownElements()
{
    QFETCH(QString, file);
    const QSet<QString> all = nameSet("Dir/Html/AlleKoder.txt");
    const QSet<QString> without = nameSet("Dir/Html/UdenSlutkode.txt");
    QVERIFY2(QFileInfo::exists(kData + file), qPrintable(file));
    const QStringList items = lines(file);
    QVERIFY2(!items.isEmpty(), qPrintable(file));
    for (const QString &item : items) {
        QVERIFY2(item.startsWith('<'), qPrintable(file + ": " + item));
        const QString name = itemTagName(item).toLower();
        QVERIFY2(all.contains(name), qPrintable(file + ": " + item));
        // The panel writes the item as it stands: an element without end tag must not get
        // one, and a plain pair must close what it opens.
        if (without.contains(name))
            QVERIFY2(!item.contains("</"), qPrintable(file + ": " + item));
        else if (item.count('<') <= 2)
            QCOMPARE(item, QStringLiteral("<%1></%1>").arg(name));
    }
    if (file.startsWith(QLatin1String("Dir/Betweentags/"))) {
        const QString owner = QFileInfo(file).completeBaseName();
        QVERIFY2(all.contains(owner) && !without.contains(owner), qPrintable(file));
    }
}

void TestDataTree::attributeFilesCoverEveryElement()
{
    const QStringList all = lines("Dir/Html/AlleKoder.txt");
    const QSet<QString> globals = nameSet("Dir/Attributes/_globaleAttributter.txt");
    const QSet<QString> events = nameSet("Dir/Attributes/_globaleEvents.txt");
    QVERIFY(globals.contains("class") && globals.contains("id") && globals.contains("style"));
    QVERIFY(globals.contains("role") && globals.contains("aria-label"));
    QVERIFY(events.contains("onclick") && events.contains("onload"));
    QVERIFY(!events.contains("onbeforeunload"));  // a window handler: on body only
    QVERIFY(nameSet("Dir/Attributes/body.txt").contains("onbeforeunload"));
    QSet<QString> everyAttribute;
    for (const QString &el : all) {
        const QString file = "Dir/Attributes/" + el + ".txt";
        QVERIFY2(QFileInfo::exists(kData + file), qPrintable(file));
        const QSet<QString> attrs = nameSet(file);
        // The checker reads only this file (plus form and media events), so the global
        // attributes and event handlers must be in it.
        QVERIFY2(attrs.contains(globals), qPrintable(file));
        QVERIFY2(attrs.contains(events), qPrintable(file));
        everyAttribute |= attrs;
    }
    for (const QString &f : {QStringLiteral("_formEvents.txt"), QStringLiteral("_mediaEvents.txt")}) {
        const QSet<QString> s = nameSet("Dir/Attributes/" + f);
        QVERIFY2(!s.isEmpty() && events.contains(s), qPrintable(f));
    }
    const QSet<QString> standalone = nameSet("Dir/Attributes/_undtagelser.txt");
    for (const char *b : {"checked", "disabled", "selected", "required", "hidden", "async", "defer", "controls", "multiple", "readonly"})
        QVERIFY2(standalone.contains(b), b);
    for (const QString &b : standalone)
        QVERIFY2(everyAttribute.contains(b), qPrintable(b));
    QVERIFY(!standalone.contains("href") && !standalone.contains("type"));
    // Attributes the standard dropped are not offered.
    QVERIFY(!nameSet("Dir/Attributes/table.txt").contains("bgcolor"));
    QVERIFY(!nameSet("Dir/Attributes/body.txt").contains("background"));
    QVERIFY(nameSet("Dir/Attributes/body.txt").contains("onload"));
    QVERIFY(nameSet("Dir/Attributes/input.txt").contains("placeholder"));
}

void TestDataTree::valueFilesBelongToAttributes()
{
    const QSet<QString> all = nameSet("Dir/Html/AlleKoder.txt");
    const QStringList files = QDir(kData + "Dir/Values").entryList({"*.txt"}, QDir::Files);
    QVERIFY(files.size() > 30);
    for (const QString &f : files) {
        const QString base = QFileInfo(f).completeBaseName();
        const int us = base.indexOf('_');
        const QString attr = us < 0 ? base : base.left(us);
        const QString el = us < 0 ? QString() : base.mid(us + 1);
        const QStringList values = lines("Dir/Values/" + f);
        QVERIFY2(!values.isEmpty(), qPrintable(f));
        if (!el.isEmpty()) {
            QVERIFY2(all.contains(el), qPrintable(f));
            QVERIFY2(nameSet("Dir/Attributes/" + el + ".txt").contains(attr), qPrintable(f));
        }
        QVERIFY2(QSet<QString>(values.begin(), values.end()).size() == values.size(), qPrintable(f));
    }
    // The value list the panel opens for input's type, and the heading that opens the CSS box.
    const QStringList types = lines("Dir/Values/type_input.txt");
    for (const char *t : {"text", "email", "checkbox", "radio", "submit", "date", "datetime-local", "color", "range", "file", "hidden"})
        QVERIFY2(types.contains(t), t);
    QVERIFY(!types.contains("datetime"));
    QCOMPARE(lines("Dir/Values/style.txt").value(0), QStringLiteral("CSS"));
    QVERIFY(lines("Dir/Values/target.txt").contains("_blank"));
    QVERIFY(lines("Dir/Values/rel.txt").contains("stylesheet"));
    QVERIFY(lines("Dir/Values/method.txt").contains("post"));
    QVERIFY(lines("Dir/Values/loading.txt").contains("lazy"));
}

void TestDataTree::cssBoxHasEveryGroupPropertyAndValueFile()
{
    int properties = 0;
    QSet<QString> seen;
    for (const QString &g : kCssGroups) {
        const QString pf = "CSS/Properties/" + g + ".txt";
        QVERIFY2(QFileInfo::exists(kData + pf), qPrintable(pf));
        const QStringList props = lines(pf);
        for (const QString &p : props) {
            QVERIFY2(!seen.contains(p), qPrintable("in two groups: " + p));
            seen.insert(p);
            const QString vf = "CSS/Values/" + g + "/" + p + ".txt";
            QVERIFY2(QFileInfo::exists(kData + vf), qPrintable(vf));
            ++properties;
            for (const QString &v : lines(vf)) {
                QVERIFY2(!v.isEmpty(), qPrintable(vf));
                // "a. border-style" jumps to a property of the same group.
                if (v.size() >= 2 && v[1] == '.') {
                    QVERIFY2(v.size() > 3 && v[2] == ' ', qPrintable(vf + ": " + v));
                    QVERIFY2(props.contains(v.mid(3)), qPrintable(vf + ": " + v));
                }
            }
        }
    }
    QVERIFY(properties > 400);
    for (const char *p : {"color", "display", "margin", "padding", "font-family", "background-color", "border",
                          "flex", "grid-template-columns", "gap", "position", "transform", "transition",
                          "animation", "@keyframes", "@media", "@font-face", "width", "z-index", "opacity"})
        QVERIFY2(seen.contains(p), p);
    const QStringList display = lines("CSS/Values/Basic Box/display.txt");
    QVERIFY(display.contains("flex") && display.contains("grid") && display.contains("none"));
    const QStringList width = lines("CSS/Values/Basic Box/width.txt");
    QVERIFY(width.contains("LENGTH") && width.contains("PROCENT") && width.contains("auto"));
    QVERIFY(lines("CSS/Values/Color/color.txt").contains("COLOR"));
    QVERIFY(lines("CSS/Values/Background and Border/border.txt").contains("b. border-style"));
}

// The word lookup takes the first line of the index equal to the word, then the next line
// as its group. Group names such as "Color" and "Transform" are also property names, so
// the order of the index decides whether the lookup lands on the property.
void TestDataTree::cssIndexLookupFindsEachPropertysGroup()
{
    const QStringList index = lines("Dir/alleCssProp.txt");
    QVERIFY(index.size() % 2 == 0);
    QHash<QString, QString> groupOf;
    for (const QString &g : kCssGroups)
        for (const QString &p : lines("CSS/Properties/" + g + ".txt"))
            groupOf.insert(p, g);
    QCOMPARE(index.size() / 2, groupOf.size());
    for (auto it = groupOf.cbegin(); it != groupOf.cend(); ++it) {
        qsizetype at = -1;
        for (qsizetype k = 0; k < index.size(); ++k)
            if (index[k].compare(it.key(), Qt::CaseInsensitive) == 0) { at = k; break; }
        QVERIFY2(at >= 0 && at + 1 < index.size(), qPrintable(it.key()));
        QVERIFY2(index[at + 1].compare(it.value(), Qt::CaseInsensitive) == 0,
                 qPrintable(it.key() + " finds " + index[at + 1]));
    }
}

void TestDataTree::characterFilesArePairs()
{
    for (const QString &f : kCharacterFiles) {
        const QString file = "Dir/Unicode/" + f;
        QVERIFY2(QFileInfo::exists(kData + file), qPrintable(file));
        const QStringList l = lines(file);
        QVERIFY2(!l.isEmpty() && l.size() % 2 == 0, qPrintable(file));
        static const QRegularExpression ref(QStringLiteral("^&(#x[0-9A-F]+|#[0-9]+|[A-Za-z][A-Za-z0-9]*);$"));
        for (int k = 0; k < l.size(); k += 2) {
            QVERIFY2(!l[k].trimmed().isEmpty(), qPrintable(file));
            QVERIFY2(ref.match(l[k + 1]).hasMatch(), qPrintable(file + ": " + l[k + 1]));
        }
    }
    // Danish names survive the encoding round trip.
    QVERIFY(lines("Dir/Unicode/skak og kort.txt").contains(QStringLiteral("Hvidt tårn")));
    const QStringList greek = lines(QStringLiteral("Dir/Unicode/det græske alfabet.txt"));
    QCOMPARE(greek.value(greek.indexOf("Stort alfa") + 1), QStringLiteral("&Alpha;"));
    const QStringList tal = lines("Dir/Unicode/tal.txt");
    QCOMPARE(tal.value(tal.indexOf("1 i cirkel") + 1), QStringLiteral("&#x2460;"));
}

void TestDataTree::templatesAndPageResourcesExist()
{
    for (const char *f : {"Klicheer/kliche.html", "Klicheer/kliche.css", "Klicheer/kliche.js", "HTML/design.css", "HTML/funktioner.js"})
        QVERIFY2(!lines(f).isEmpty(), f);
    QCOMPARE(lines("Klicheer/kliche.html").value(0), QStringLiteral("<!DOCTYPE html>"));
    // The constructor's pages use these two classes.
    const QString css = lines("HTML/design.css").join('\n');
    QVERIFY(css.contains(".spalteUb1") && css.contains(".overskrift"));
}

// Every start tag and attribute of real pages must be known, except data-* (open-ended,
// accepted by the checker by its prefix) and what the standard has dropped.
void TestDataTree::realPagesUseOnlyKnownNames()
{
    // element + " " + attribute: dropped from the HTML standard, so the checker reports it.
    static const QHash<QString, QString> dropped = {
        {"iframe frameborder", "obsolete: use CSS border"},
        {"link charset", "obsolete: the linked resource gives its own encoding"},
    };
    const QSet<QString> all = nameSet("Dir/Html/AlleKoder.txt");
    const QSet<QString> skipped = nameSet("Dir/Html/Ekskluderet.txt");
    QHash<QString, QSet<QString>> attrs;

    QStringList pages = pagesUnder(fixturePath("corpus"));
    QVERIFY2(pages.size() >= 40, "the copied pages are missing");
    pages << pagesUnder(QStringLiteral(TAVLEVIRKE_CORPUS));

    QStringList misses;
    QSet<QString> droppedSeen;
    int tags = 0;
    for (const QString &page : pages) {
        QString text;
        QVERIFY2(core::readTextFile(page, text).ok, qPrintable(page));
        for (const StartTag &t : startTags(text)) {
            ++tags;
            if (skipped.contains(t.name))
                continue;
            if (!all.contains(t.name)) {
                misses << page + ": <" + t.name + ">";
                continue;
            }
            if (!attrs.contains(t.name))
                attrs.insert(t.name, nameSet("Dir/Attributes/" + t.name + ".txt"));
            for (const QString &a : t.attributes) {
                if (a.startsWith(QLatin1String("data-")) || attrs[t.name].contains(a))
                    continue;
                const QString key = t.name + " " + a;
                if (dropped.contains(key))
                    droppedSeen.insert(key);
                else
                    misses << page + ": <" + t.name + " " + a + ">";
            }
        }
    }
    misses.removeDuplicates();
    QVERIFY2(misses.isEmpty(), qPrintable(misses.join('\n')));
    QVERIFY(tags > 1000);
    // Each listed exception is really absent from the lists and really used by a page.
    for (auto it = dropped.cbegin(); it != dropped.cend(); ++it) {
        const QStringList parts = it.key().split(' ');
        QVERIFY2(!nameSet("Dir/Attributes/" + parts[0] + ".txt").contains(parts[1]), qPrintable(it.key()));
        QVERIFY2(droppedSeen.contains(it.key()), qPrintable("no page uses " + it.key()));
    }
}

QTEST_GUILESS_MAIN(TestDataTree)
#include "tst_datatree.moc"
