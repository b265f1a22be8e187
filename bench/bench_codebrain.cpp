// Speed of the caret analysis, the structure reader and typing in automatic mode on a
// generated 20 MB page, and of the structure reader over the corpus of real pages.

#include "benchinput.h"
#include "codewriting/taginfo.h"
#include "core/textfile.h"
#include "editor/editor.h"
#include "taglister.h"
#include "testside.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTreeView>

#include <benchmark/benchmark.h>

namespace {

using benchside::generatePage;
using benchside::kPageSize;

struct Page {
    QString text;
    qsizetype deepCaret = 0;
    TEditor edit;
    Tinfotag taginf;
    QString error;   // a tag list that could not be read

    Page()
    {
        text = generatePage(kPageSize, &deepCaret);
        edit.setText(text);
        error = laesTaglister(taginf, QStringLiteral(TAVLEVIRKE_FIXTURES "/taglister/"));
        taginf.SetEditor(&edit);
    }
    void setCaret(qsizetype pos)
    {
        edit.setCaretPos(pos);
    }
};

Page &page()
{
    static Page p;
    return p;
}

// The page, or nullptr after stopping the benchmark when its tag lists are missing.
Page *pageOr(benchmark::State &state)
{
    Page &p = page();
    if (!p.error.isEmpty()) {
        benchinput::fail(state, p.error);
        return nullptr;
    }
    return &p;
}

void getTagAt(benchmark::State &state, qsizetype caret)
{
    Page *pp = pageOr(state);
    if (!pp)
        return;
    Page &p = *pp;
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
    Page *pp = pageOr(state);
    if (!pp)
        return;
    Page &p = *pp;
    for (auto _ : state)
        p.taginf.ReadStructure();
    state.counters["nodes"] = p.taginf.TreeModel()->tree().count();
    state.SetBytesProcessed(state.iterations() * p.text.size());
}

// Relabelling every node that has attributes while a tree view shows the model.
void BM_VisAttributter_WithView(benchmark::State &state)
{
    Page *pp = pageOr(state);
    if (!pp)
        return;
    Page &p = *pp;
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
    Page *pp = pageOr(state);
    if (!pp)
        return;
    Page &p = *pp;
    const QString text = QString("<div><b><i></b></i><p>x</div>\n").repeated(100000);
    const StructureLists lists{p.taginf.Excludeliste(), p.taginf.Nosluttagliste(), p.taginf.Tagliste()};
    qsizetype nodes = 0;
    for (auto _ : state)
        nodes = readStructure(text, lists).count();
    state.counters["nodes"] = double(nodes);
}

void BM_Keystroke_AutoKode_End(benchmark::State &state)
{
    Page *pp = pageOr(state);
    if (!pp)
        return;
    Page &p = *pp;
    p.taginf.SetautoKode(true);
    for (auto _ : state) {
        p.setCaret(p.text.size());
        p.edit.replaceSelection(QStringLiteral("x"));  // the key
        benchmark::DoNotOptimize(p.taginf.GetTag());  // what the caret move triggers
        state.PauseTiming();
        p.edit.undo();
        state.ResumeTiming();
    }
}

void BM_ReadStructure_Corpus(benchmark::State &state)
{
    const benchinput::Files &corpus = benchinput::corpusPages();
    if (!corpus.ok()) {
        benchinput::fail(state, corpus.error);
        return;
    }
    QStringList pages;
    qsizetype bytes = 0;
    for (const QString &path : corpus.paths) {
        QString text;
        if (!core::readTextFile(path, text).ok) {
            benchinput::fail(state, QStringLiteral("the corpus page %1 could not be read").arg(path));
            return;
        }
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        bytes += text.size();
        pages << text;
    }
    Page *pp = pageOr(state);
    if (!pp)
        return;
    Page &p = *pp;
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
    state.counters["chars"] = double(bytes);
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
    return benchinput::exitCode();
}
