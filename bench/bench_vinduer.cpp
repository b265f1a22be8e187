// Speed of the windows on a 20 MB page: opening it, the status fields while typing, the
// code panels following the caret, the four checks and the check window's tree.

#include "analysis/kontrolform.h"
#include "codewriting/taginfo.h"
#include "core/programfolder.h"
#include "platform/infobox.h"
#include "shell/mainform.h"
#include "shell/spmform.h"
#include "shell/winform.h"
#include "testside.h"

#include <QApplication>
#include <QCheckBox>
#include <QMdiArea>
#include <QDir>
#include <QFile>
#include "editor/editor.h"
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

Vindue &vindue()
{
    static Vindue v;
    return v;
}

void BM_AabenSide(benchmark::State &state)
{
    Vindue &v = vindue();
    for (auto _ : state)
        v.aaben();
    state.SetLabel("openwin of a 20 MB page: decode, edit control, tab, tool bar");
}
BENCHMARK(BM_AabenSide)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_TastAfslutningStatus(benchmark::State &state)
{
    Vindue &v = vindue();
    if (!v.w) v.aaben();
    v.autokode(false);
    v.caret(v.w->Edit->length());
    for (auto _ : state) {
        v.w->Edit->replaceSelection(QStringLiteral("x"));
        v.w->XYinfo();
    }
    state.SetLabel("one character at the end, status fields refreshed");
}
BENCHMARK(BM_TastAfslutningStatus)->Unit(benchmark::kMicrosecond);

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

void BM_Kontrol(benchmark::State &state)
{
    Vindue &v = vindue();
    if (!v.w) v.aaben();
    if (v.m->taginf->TreeModel()->tree().count() < 2)
        v.m->AkontrolExecute();
    void (Tmainform::*checks[])() = {&Tmainform::kontrolMSlutkoder, &Tmainform::kontrolFmSlutkoder,
                                     &Tmainform::kontrolKoder, &Tmainform::kontrolAttributter,
                                     &Tmainform::visAttributter};
    static const char *const names[] = {"missing end tags", "surplus end tags", "unknown tags",
                                        "unknown attributes", "attribute view"};
    for (auto _ : state)
        (v.m.get()->*checks[state.range(0)])();
    state.SetLabel(names[state.range(0)]);
}
BENCHMARK(BM_Kontrol)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_UdfoldTrae(benchmark::State &state)
{
    Vindue &v = vindue();
    if (!v.w) v.aaben();
    if (v.m->taginf->TreeModel()->tree().count() < 2)
        v.m->AkontrolExecute();
    QTreeView *tree = v.m->kontrolform()->Tree;
    for (auto _ : state) {
        tree->expandAll();
        QCoreApplication::processEvents();
        tree->collapseAll();
    }
    state.SetLabel("expand and collapse every node of the tree");
}
BENCHMARK(BM_UdfoldTrae)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
