// Speed of the caret analysis, the structure reader and typing in automatic mode on a
// generated 20 MB page, and of the structure reader over the corpus of real pages.

#include "codewriting/taginfo.h"
#include "core/textfile.h"

#include <QApplication>
#include <QDirIterator>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTreeView>

#include <benchmark/benchmark.h>

namespace {

const qsizetype kPageSize = 20 * 1024 * 1024;

// A page of nested sections with tables, lists, attributes, scripts and comments, and
// one long element (a table of many rows) whose middle is marked for the deep case.
QString generatePage(qsizetype size, qsizetype *deepCaret)
{
    QRandomGenerator rng(20);
    QString s;
    s.reserve(size + 4096);
    s += "<!DOCTYPE html>\n<html lang=\"da\">\n<head>\n<meta charset=\"utf-8\">\n<title>Side</title>\n"
         "<style>\nbody { margin: 0; }\n.kort { color: #333; }\n</style>\n</head>\n<body>\n";
    int section = 0;
    while (s.size() < size / 2) {
        s += QString("<section id=\"s%1\" class=\"afsnit\">\n<h2>Afsnit %1</h2>\n").arg(section);
        s += "<div class=\"kort\" style=\"padding: 4px; border: 1px solid #ccc\">\n";
        for (int p = 0; p < 4; ++p)
            s += QString("<p>Tekst med <a href=\"side%1.html\" title=\"Side %1\">et link</a>, <b>fed</b> og "
                         "<em>kursiv</em> skrift.<br>\nEn linje mere.</p>\n")
                     .arg(rng.bounded(1000));
        s += "<ul>\n";
        for (int i = 0; i < 5; ++i)
            s += QString("<li><span class=\"punkt\">Punkt %1</span></li>\n").arg(i);
        s += "</ul>\n<!-- slut paa kort -->\n</div>\n";
        s += "<table class=\"data\">\n<tr><th>Navn</th><th>Vaerdi</th></tr>\n";
        for (int r = 0; r < 6; ++r)
            s += QString("<tr><td>Raekke %1</td><td><input type=\"text\" value=\"%1\" disabled></td></tr>\n").arg(r);
        s += "</table>\n";
        if (section % 10 == 0)
            s += "<script>\nfunction f(a, b) { if (a<b) { return a; } return b; }\n</script>\n";
        s += "</section>\n";
        ++section;
    }
    // The long element: one table of many rows.
    s += "<table id=\"lang\">\n";
    const qsizetype tableStart = s.size();
    while (s.size() < size - 200)
        s += "<tr><td class=\"c\">celle</td><td>celle</td></tr>\n";
    *deepCaret = tableStart + (s.size() - tableStart) / 2;
    *deepCaret = s.indexOf(u'\n', *deepCaret) + 1;
    s += "</table>\n</body>\n</html>\n";
    return s;
}

struct Page {
    QString text;
    qsizetype deepCaret = 0;
    QPlainTextEdit edit;
    Tinfotag taginf;

    Page()
    {
        text = generatePage(kPageSize, &deepCaret);
        edit.setPlainText(text);
        const QString dir = QStringLiteral(TAVLEVIRKE_FIXTURES) + "/taglister/";
        taginf.LoadNosluttagliste(dir + "UdenSlutkode.txt");
        taginf.LoadTagliste(dir + "MedSlutkode.txt");
        taginf.LoadAlletagliste(dir + "AlleKoder.txt");
        taginf.LoadUAttributliste(dir + "_undtagelser.txt");
        taginf.LoadExcludeliste(dir + "Ekskluderet.txt");
        taginf.SetEditor(&edit);
    }
    void setCaret(qsizetype pos)
    {
        QTextCursor c = edit.textCursor();
        c.setPosition(int(pos));
        edit.setTextCursor(c);
    }
};

Page &page()
{
    static Page p;
    return p;
}

void getTagAt(benchmark::State &state, qsizetype caret)
{
    Page &p = page();
    p.setCaret(caret);
    for (auto _ : state)
        benchmark::DoNotOptimize(p.taginf.GetTag());
    state.SetLabel(p.taginf.PosData().Tag.toStdString());
}

void BM_GetTag_End(benchmark::State &state)
{
    getTagAt(state, page().text.size());
}

void BM_GetTag_Middle(benchmark::State &state)
{
    getTagAt(state, page().text.size() / 4 + 37);
}

void BM_GetTag_DeepInLongElement(benchmark::State &state)
{
    getTagAt(state, page().deepCaret);
}

void BM_ReadStructure_WithModel(benchmark::State &state)
{
    Page &p = page();
    for (auto _ : state)
        p.taginf.ReadStructure();
    state.counters["nodes"] = p.taginf.TreeModel()->tree().count();
    state.SetBytesProcessed(state.iterations() * p.text.size());
}

// Relabelling every node that has attributes while a tree view shows the model.
void BM_VisAttributter_WithView(benchmark::State &state)
{
    Page &p = page();
    QTreeView view;
    p.taginf.SetTreeView(&view);
    p.taginf.ReadStructure();
    view.expand(p.taginf.TreeModel()->index(0, 0));
    int labelled = 0;
    for (auto _ : state)
        labelled = p.taginf.VisAttributter();
    state.counters["labelled"] = labelled;
    p.taginf.SetTreeView(nullptr);
}

// Misnested tags leave elements open in the middle of the tree, and later nodes go in
// between earlier ones.
void BM_ReadStructure_Misnested(benchmark::State &state)
{
    Page &p = page();
    const QString text = QString("<div><b><i></b></i><p>x</div>\n").repeated(100000);
    const StructureLists lists{p.taginf.Excludeliste(), p.taginf.Nosluttagliste(), p.taginf.Tagliste()};
    qsizetype nodes = 0;
    for (auto _ : state)
        nodes = readStructure(text, lists).count();
    state.counters["nodes"] = double(nodes);
}

void BM_Keystroke_AutoKode_End(benchmark::State &state)
{
    Page &p = page();
    p.taginf.SetautoKode(true);
    for (auto _ : state) {
        p.setCaret(p.text.size());
        QTextCursor c = p.edit.textCursor();
        c.insertText(QStringLiteral("x"));  // the key
        p.edit.setTextCursor(c);
        benchmark::DoNotOptimize(p.taginf.GetTag());  // what the caret move triggers
        state.PauseTiming();
        c.deletePreviousChar();
        state.ResumeTiming();
    }
}

void BM_ReadStructure_Corpus(benchmark::State &state)
{
    QStringList pages;
    qsizetype bytes = 0;
    QDirIterator it(QStringLiteral(TAVLEVIRKE_CORPUS), {"*.html", "*.htm"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QString text;
        if (core::readTextFile(it.next(), text).ok) {
            text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            bytes += text.size();
            pages << text;
        }
    }
    Page &p = page();
    const StructureLists lists{p.taginf.Excludeliste(), p.taginf.Nosluttagliste(), p.taginf.Tagliste()};
    StructureModel model;
    qsizetype nodes = 0;
    for (auto _ : state) {
        nodes = 0;
        for (const QString &text : pages) {
            model.setTree(readStructure(text, lists));
            nodes += model.tree().count();
        }
    }
    state.counters["pages"] = double(pages.size());
    state.counters["nodes"] = double(nodes);
    state.SetBytesProcessed(state.iterations() * bytes);
}

BENCHMARK(BM_GetTag_End)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetTag_Middle)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GetTag_DeepInLongElement)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadStructure_WithModel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VisAttributter_WithView)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadStructure_Misnested)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Keystroke_AutoKode_End)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadStructure_Corpus)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
