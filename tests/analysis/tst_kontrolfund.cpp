// The findings of a check placed in the checked document: on the right tags, with the
// finding as tip, moved by edits before them, gone when cleared.

#include "analysis/kontrol.h"
#include "analysis/kontrolfund.h"
#include "codewriting/taginfo.h"
#include "editor/editor.h"
#include "testsupport/testenv.h"

#include <QTreeView>
#include <QTemporaryDir>
#include <QtTest>

class TestKontrolFund : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void fundPaaTags();
    void flytterMedRedigering();

private:
    QList<TEditor::Omraade> kontroller(const QString &text, int (Tinfotag::*check)());

    Tinfotag m_taginf;
    TEditor m_edit;
    QTreeView m_tree;
};

void TestKontrolFund::initTestCase()
{
    const QString dir = fixturePath("taglister/");
    QVERIFY(m_taginf.LoadNosluttagliste(dir + "UdenSlutkode.txt").ok);
    QVERIFY(m_taginf.LoadTagliste(dir + "MedSlutkode.txt").ok);
    QVERIFY(m_taginf.LoadAlletagliste(dir + "AlleKoder.txt").ok);
    QVERIFY(m_taginf.LoadUAttributliste(dir + "_undtagelser.txt").ok);
    QVERIFY(m_taginf.LoadExcludeliste(dir + "Ekskluderet.txt").ok);
    m_taginf.SetEditor(&m_edit);
    m_taginf.SetTreeView(&m_tree);
}

QList<TEditor::Omraade> TestKontrolFund::kontroller(const QString &text, int (Tinfotag::*check)())
{
    m_edit.setText(text);
    m_taginf.ReadStructure();
    (m_taginf.*check)();
    kontrol::markerFund(&m_edit, kontrol::fund(*m_taginf.TreeModel()));
    return m_edit.markeringer(TEditor::Markering::Fund);
}

void TestKontrolFund::fundPaaTags()
{
    // CR LF in the page: the structure counts it as two, the document as one.
    const QString text = QStringLiteral("<html>\r\n<body>\r\n<div class=\"a\">\r\n<p>x</p>\r\n</body>\r\n</html>");
    const QString lf = kontrolTekst(text);
    QList<TEditor::Omraade> marks = kontroller(text, &Tinfotag::EndtagsKontrol);
    QCOMPARE(marks.size(), 1);
    const qsizetype div = lf.indexOf(QStringLiteral("<div"));
    QCOMPARE(marks[0], (TEditor::Omraade{div, div + 15, QStringLiteral("div Mangler slutkode")}));
    QCOMPARE(m_edit.tipVed(div + 3), QStringLiteral("div Mangler slutkode"));
    QVERIFY(m_edit.tipVed(div - 1).isEmpty());

    // Another check replaces the marks; a surplus end tag and an unknown tag.
    marks = kontroller(QStringLiteral("<html><body><b>x</b></p></body></html>"), &Tinfotag::ForMangeEndtag);
    QCOMPARE(marks.size(), 1);
    QCOMPARE(marks[0].fra, 20);
    QCOMPARE(marks[0].til, 24);
    marks = kontroller(QStringLiteral("<html><body><foo>x</foo></body></html>"), &Tinfotag::KodeKontrol);
    QCOMPARE(marks.size(), 2);   // the unknown start tag and its end tag
    QCOMPARE(marks[0].fra, 12);
    QCOMPARE(marks[0].til, 17);
    QVERIFY(marks[0].tip.contains(QStringLiteral("Ukendt kode")));

    // An unknown attribute is marked where it is named, not over the whole tag; a value
    // holding the name or a ">" is passed over.
    const QString side = QStringLiteral("<p title=\"colr>\" colr=\"x\" CLASS=a data-colr=1 onclick=y>x</p>");
    m_edit.setText(side);
    m_taginf.ReadStructure();
    QTemporaryDir attributter;
    QFile p(attributter.filePath(QStringLiteral("p.txt")));
    QVERIFY(p.open(QIODevice::WriteOnly));
    p.write("title\nclass\n");
    p.close();
    QCOMPARE(m_taginf.AttributeKontrol(attributter.path() + u'/'), 2);
    kontrol::markerFund(&m_edit, kontrol::fund(*m_taginf.TreeModel()));
    marks = m_edit.markeringer(TEditor::Markering::Fund);
    const QString tip = QStringLiteral("p Ukendt: colr Ukendt: onclick");
    const qsizetype colr = side.indexOf(QStringLiteral(" colr=")) + 1, onclick = side.indexOf(QStringLiteral("onclick"));
    QCOMPARE(marks, (QList<TEditor::Omraade>{{colr, colr + 4, tip}, {onclick, onclick + 7, tip}}));

    // A clean page: no marks.
    QVERIFY(kontroller(QStringLiteral("<html><body><p>x</p></body></html>"), &Tinfotag::EndtagsKontrol).isEmpty());
}

void TestKontrolFund::flytterMedRedigering()
{
    const QString text = QStringLiteral("<html>\n<body>\n<div>\n<p>x\n<span>y</span>\n</body>\n</html>");
    QList<TEditor::Omraade> marks = kontroller(text, &Tinfotag::EndtagsKontrol);
    QCOMPARE(marks.size(), 2);
    QCOMPARE(m_edit.textRange(marks[0].fra, marks[0].til), QStringLiteral("<div>"));
    QCOMPARE(m_edit.textRange(marks[1].fra, marks[1].til), QStringLiteral("<p>"));

    // Text before them moves them; text after leaves them.
    m_edit.replaceRange(7, 7, QStringLiteral("<!-- ny linje -->\næøå "));
    m_edit.replaceRange(m_edit.length(), m_edit.length(), QStringLiteral("\n<p>"));
    marks = m_edit.markeringer(TEditor::Markering::Fund);
    QCOMPARE(marks.size(), 2);
    QCOMPARE(m_edit.textRange(marks[0].fra, marks[0].til), QStringLiteral("<div>"));
    QCOMPARE(m_edit.textRange(marks[1].fra, marks[1].til), QStringLiteral("<p>"));
    QCOMPARE(marks[1].tip, QStringLiteral("p Mangler slutkode"));

    m_edit.fjernMarkeringer(TEditor::Markering::Fund);
    QVERIFY(m_edit.markeringer(TEditor::Markering::Fund).isEmpty());
    QVERIFY(m_edit.tipVed(marks[0].fra + 1).isEmpty());
}

QTEST_MAIN(TestKontrolFund)
#include "tst_kontrolfund.moc"
