#include "codewriting/taglist.h"

#include "testsupport/testenv.h"

#include <QtTest>

class TestTagList : public QObject {
    Q_OBJECT
private slots:
    void lookupIgnoresCaseButNotBlanks();
    void firstOfDuplicatesStaysAndListIsSorted();
    void loadReadsLinesAndKeepsOldContentOnFailure();
};

void TestTagList::lookupIgnoresCaseButNotBlanks()
{
    TagList list;
    list.setLines({"P", "br ", "", "Td"});
    QVERIFY(list.contains(u"p"));
    QVERIFY(list.contains(u"TD"));
    QVERIFY(!list.contains(u"br"));   // the line holds a trailing blank
    QVERIFY(list.contains(u"br "));
    QVERIFY(list.contains(u""));     // an empty line is an empty name
    QVERIFY(!list.contains(u"div"));
}

void TestTagList::firstOfDuplicatesStaysAndListIsSorted()
{
    TagList list;
    list.setLines({"div", "A", "DIV", "b", "a"});
    QCOMPARE(list.items(), QStringList({"A", "b", "div"}));
}

void TestTagList::loadReadsLinesAndKeepsOldContentOnFailure()
{
    TestProgramFolder folder;
    // ANSI without a mark, CR LF and a final line break.
    folder.writeFile("Dir/Html/MedSlutkode.txt", "p\r\nul\r\nt\xe6st\r\n");
    TagList list;
    QVERIFY(list.load(folder.path("Dir/Html/MedSlutkode.txt")).ok);
    QCOMPARE(list.size(), 3);
    QVERIFY(list.contains(u"T\u00c6ST"));

    const core::ReadResult r = list.load(folder.path("Dir/Html/mangler.txt"));
    QVERIFY(!r.ok);
    QVERIFY(!r.error.isEmpty());
    QCOMPARE(list.size(), 3);
}

QTEST_APPLESS_MAIN(TestTagList)
#include "tst_taglist.moc"
