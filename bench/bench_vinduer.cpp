// Speed of the windows on a 20 MB page: opening it, the status fields while typing, the
// code panels following the caret, the four checks and the check window's tree.

#include "analysis/kontrolform.h"
#include "codewriting/taginfo.h"
#include "core/programfolder.h"
#include "editor/editor.h"
#include "gendan/gendanlager.h"
#include "gendan/gendanvagt.h"
#include "platform/infobox.h"
#include "shell/mainform.h"
#include "shell/spmform.h"
#include "shell/winform.h"
#include "testside.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTreeView>

#include <benchmark/benchmark.h>

namespace {

// One main window with the installed data and the generated page open, shared by all cases.
struct Vindue {
    QTemporaryDir dir;
    std::unique_ptr<Tmainform> m;
    Twinform *w = nullptr;
    QString fil;
    qsizetype deepCaret = 0;

    Vindue()
    {
        qputenv("TAVLEVIRKE_DIR", QFile::encodeName(dir.filePath(QStringLiteral("Tavlevirke"))));
        core::ProgramFolder::install(core::ProgramFolder::installedDataDir(), core::ProgramFolder::programDir());
        platform::setInfoBoxHandler([](const QString &) {});
        Tspmform::setTestHandler([](const QString &) { return Tspmform::Nej; });
        fil = dir.filePath(QStringLiteral("stor.html"));
        QFile f(fil);
        f.open(QIODevice::WriteOnly);
        f.write(benchside::generatePage(benchside::kPageSize, &deepCaret).toLatin1());
        f.close();
        m = std::make_unique<Tmainform>();
        m->show();
    }
    void aaben()
    {
        if (w) {
            w->setModified(false);
            w->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        w = m->openwin(fil, {});
    }
    void caret(qsizetype pos)
    {
        w->Edit->setCaretPos(pos);
    }
    void autokode(bool on)
    {
        if (m->autokodeCheck->isChecked() != on)
            m->autokodeCheck->click();
    }
};

// Made on first use; closed in main while the application still exists.
std::unique_ptr<Vindue> g_vindue;

Vindue &vindue()
{
    if (!g_vindue)
        g_vindue = std::make_unique<Vindue>();
    return *g_vindue;
}

void BM_AabenSide(benchmark::State &state)
{
    Vindue &v = vindue();
    for (auto _ : state) {
        v.aaben();
        v.w->repaint();   // the lines in view, coloured, on the screen
    }
    state.SetLabel("openwin of a 20 MB page and its first paint: decode, edit control, colours, tab, tool bar");
}
BENCHMARK(BM_AabenSide)->Unit(benchmark::kMillisecond)->Iterations(3);

// The peer in the same run: the same file read and shown in a bare QPlainTextEdit, as
// plain-text editors on Qt do it.
void BM_AabenSide_QPlainTextEdit(benchmark::State &state)
{
    Vindue &v = vindue();
    for (auto _ : state) {
        QPlainTextEdit edit;
        edit.resize(640, 440);
        edit.show();
        QFile f(v.fil);
        f.open(QIODevice::ReadOnly);
        edit.setPlainText(QString::fromUtf8(f.readAll()));
        edit.repaint();
    }
    state.SetLabel("peer: the same page in a bare QPlainTextEdit and its first paint");
}
BENCHMARK(BM_AabenSide_QPlainTextEdit)->Unit(benchmark::kMillisecond)->Iterations(3);

// One key at the end of the page: the character, the status fields and, in automatic
// mode, the caret analysis and the code panels following it.
void BM_TastAfslutningStatus(benchmark::State &state)
{
    Vindue &v = vindue();
    if (!v.w) v.aaben();
    v.autokode(state.range(0) == 1);
    v.caret(v.w->Edit->length());
    for (auto _ : state) {
        v.w->Edit->replaceSelection(QStringLiteral("x"));
        v.w->XYinfo();
        v.m->getKode();
    }
    state.SetLabel(state.range(0) == 1 ? "one character at the end, automatic mode on"
                                       : "one character at the end, status fields refreshed");
}
BENCHMARK(BM_TastAfslutningStatus)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

void BM_GetKode(benchmark::State &state)
{
    Vindue &v = vindue();
    if (!v.w) v.aaben();
    v.autokode(true);
    const qsizetype n = v.w->Edit->length();
    const qsizetype places[] = {n, n / 4, v.deepCaret, 200};
    v.caret(places[state.range(0)]);
    for (auto _ : state)
        v.m->getKode();
    static const char *const names[] = {"end", "a quarter in", "deep in a long table", "in the head"};
    state.SetLabel(std::string("getKode, caret ") + names[state.range(0)]);
    v.autokode(false);
}
BENCHMARK(BM_GetKode)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void BM_IndlaesStruktur(benchmark::State &state)
{
    Vindue &v = vindue();
    if (!v.w) v.aaben();
    v.m->mdi->setActiveSubWindow(v.w);
    for (auto _ : state)
        v.m->AkontrolExecute();
    state.counters["noder"] = v.m->taginf->TreeModel()->tree().count();
    state.SetLabel("Ctrl+Alt+K: read the structure into the check window's tree");
}
BENCHMARK(BM_IndlaesStruktur)->Unit(benchmark::kMillisecond)->Iterations(3);

void (Tmainform::*const kontroller[])() = {&Tmainform::kontrolMSlutkoder, &Tmainform::kontrolFmSlutkoder,
                                         &Tmainform::kontrolKoder, &Tmainform::kontrolAttributter,
                                         &Tmainform::visAttributter};
const char *const kontrolNavne[] = {"missing end tags", "surplus end tags", "unknown tags",
                                    "unknown attributes", "attribute view"};

void BM_Kontrol(benchmark::State &state)
{
    Vindue &v = vindue();
    if (!v.w) v.aaben();
    if (v.m->taginf->TreeModel()->tree().count() < 2)
        v.m->AkontrolExecute();
    for (auto _ : state)
        (v.m.get()->*kontroller[state.range(0)])();
    state.SetLabel(kontrolNavne[state.range(0)]);
}
BENCHMARK(BM_Kontrol)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->Iterations(3);

// "Udfold" from a tree folded to its first level, and "Sammenfold" of the whole tree.
void BM_UdfoldTrae(benchmark::State &state)
{
    Vindue &v = vindue();
    if (!v.w) v.aaben();
    if (v.m->taginf->TreeModel()->tree().count() < 2)
        v.m->AkontrolExecute();
    Tkontrolform *form = v.m->kontrolform();
    QTreeView *tree = form->Tree;
    const bool udfold = state.range(0) == 0;
    for (auto _ : state) {
        state.PauseTiming();
        form->treeSammenfoldKnap->trigger();
        if (!udfold)
            form->treeUdfoldKnap->trigger();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        (udfold ? form->treeUdfoldKnap : form->treeSammenfoldKnap)->trigger();
        QCoreApplication::processEvents();
    }
    state.counters["synlige"] = tree->verticalScrollBar()->maximum() + tree->verticalScrollBar()->pageStep();
    state.SetLabel(udfold ? "\"Udfold\": expand every node" : "\"Sammenfold\": collapse every node");
}
BENCHMARK(BM_UdfoldTrae)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->Iterations(2);

// The checks with every node of the tree expanded and shown: each relabels every node.
void BM_KontrolUdfoldet(benchmark::State &state)
{
    Vindue &v = vindue();
    if (!v.w) v.aaben();
    if (v.m->taginf->TreeModel()->tree().count() < 2)
        v.m->AkontrolExecute();
    Tkontrolform *form = v.m->kontrolform();
    form->treeUdfoldKnap->trigger();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        (v.m.get()->*kontroller[state.range(0)])();
        QCoreApplication::processEvents();   // the tree repaints
    }
    state.SetLabel(std::string(kontrolNavne[state.range(0)]) + ", tree expanded");
}
BENCHMARK(BM_KontrolUdfoldet)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->Iterations(3);

// The recovery copy of the modified 20 MB page: what the window itself spends (copying the
// text and handing it to the worker; goal under 5 ms), and the whole write to disk.
void BM_GendanKopi(benchmark::State &state)
{
    Vindue &v = vindue();
    if (!v.w) v.aaben();
    v.w->Edit->replaceRange(0, 0, QStringLiteral(" "));
    for (auto _ : state) {
        v.w->gendanVagt->skrivNu();
        if (state.range(0)) {
            v.m->gendanLager()->vent();
        } else {
            state.PauseTiming();
            v.m->gendanLager()->vent();
            state.ResumeTiming();
        }
    }
    state.SetLabel(state.range(0) ? "recovery copy of a 20 MB page, written to disk"
                                  : "recovery copy of a 20 MB page, the window's share");
}
BENCHMARK(BM_GendanKopi)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_vindue.reset();
    return 0;
}
