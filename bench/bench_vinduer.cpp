// Speed of the windows on a 20 MB page: opening it, the status fields while typing, the
// code panels following the caret, the four checks and the check window's tree.

#include "analysis/kontrolform.h"
#include "benchinput.h"
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

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTreeView>
#include <QWindow>

#include <benchmark/benchmark.h>

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int n = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            ++n;
        return false;
    }
};

// The widget the edit control paints its text on.
QWidget *editorFlade(TEditor *edit)
{
    auto *area = edit->findChild<QAbstractScrollArea *>();
    return area ? area->viewport() : edit;
}

// What the event loop does after an event, timers aside: queued reports and painting what
// changed (the main window is exposed, so the dirty regions are painted and flushed).
void efterHaendelse()
{
    QCoreApplication::sendPostedEvents();
}

// One main window with the installed data and the generated page open, shared by all cases.
// fil holds the page with LF line breaks (the cases that place the caret use its
// positions); filCrLf the same page with CR LF, as pages written on Windows come.
struct Vindue {
    QTemporaryDir dir;
    std::unique_ptr<Tmainform> m;
    Twinform *w = nullptr;
    QString fil, filCrLf;
    qint64 filBytes = 0, filCrLfBytes = 0;
    qsizetype deepCaret = 0;
    QString error;   // why the window could not be made ready

    Vindue()
    {
        qputenv("TAVLEVIRKE_DIR", QFile::encodeName(dir.filePath(QStringLiteral("Tavlevirke"))));
        const QStringList failures = core::ProgramFolder::install(core::ProgramFolder::installedDataDir(),
                                                                  core::ProgramFolder::programDir());
        if (!failures.isEmpty()) {
            error = QStringLiteral("the program folder could not be made ready: ") + failures.join(QStringLiteral("; "));
            return;
        }
        platform::setInfoBoxHandler([](const QString &) {});
        Tspmform::setTestHandler([](const QString &) { return Tspmform::Nej; });
        const QByteArray side = benchside::generatePage(benchside::kPageSize, &deepCaret).toLatin1();
        fil = dir.filePath(QStringLiteral("stor.html"));
        filCrLf = dir.filePath(QStringLiteral("stor-crlf.html"));
        QFile f(fil);
        if (f.open(QIODevice::WriteOnly))
            filBytes = f.write(side);
        f.close();
        QFile fc(filCrLf);
        if (fc.open(QIODevice::WriteOnly))
            filCrLfBytes = fc.write(QByteArray(side).replace("\n", "\r\n"));
        fc.close();
        if (filBytes != side.size() || filCrLfBytes <= filBytes) {
            error = QStringLiteral("the 20 MB pages could not be written in %1").arg(dir.path());
            return;
        }
        std::fprintf(stderr, "input: generated page: %s %lld bytes (LF), %s %lld bytes (CR LF)\n",
                     qPrintable(fil), static_cast<long long>(filBytes), qPrintable(filCrLf),
                     static_cast<long long>(filCrLfBytes));
        m = std::make_unique<Tmainform>();
        m->show();
        // Painting happens only once the window is exposed (mapped), which takes the event loop.
        QElapsedTimer t;
        t.start();
        while (!(m->windowHandle() && m->windowHandle()->isExposed()) && t.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        if (!(m->windowHandle() && m->windowHandle()->isExposed()))
            error = QStringLiteral("the main window was not exposed within 10 s: nothing would be painted");
        efterHaendelse();
    }
    // Opens path in a new window; nullptr when it could not.
    Twinform *aabenFil(const QString &path)
    {
        return m->openwin(path, {});
    }
    static void lukVindue(Twinform *vindue)
    {
        vindue->setModified(false);
        vindue->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        efterHaendelse();
    }
    void luk()
    {
        if (w)
            lukVindue(w);
        w = nullptr;
    }
    // The LF page in the window w, for the cases that work on an open page.
    bool aaben()
    {
        if (!w)
            w = aabenFil(fil);
        efterHaendelse();
        return w != nullptr;
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

// The window with the LF page open, or nullptr after stopping the benchmark.
Vindue *aabenVindue(benchmark::State &state)
{
    Vindue &v = vindue();
    if (!v.error.isEmpty()) {
        benchinput::fail(state, v.error);
        return nullptr;
    }
    if (!v.aaben()) {
        benchinput::fail(state, QStringLiteral("openwin could not open %1").arg(v.fil));
        return nullptr;
    }
    return &v;
}

// Opening the CR LF page: the time from openwin to its first paint, each window closed
// again outside the timed part (the close of a 20 MB window is not part of the open).
void BM_AabenSide(benchmark::State &state)
{
    Vindue &v = vindue();
    if (!v.error.isEmpty()) {
        benchinput::fail(state, v.error);
        return;
    }
    v.luk();
    int paints = 0;
    qsizetype chars = 0;
    for (auto _ : state) {
        Twinform *nyt = v.aabenFil(v.filCrLf);
        if (!nyt) {
            benchinput::fail(state, QStringLiteral("openwin could not open %1").arg(v.filCrLf));
            return;
        }
        PaintCounter p;
        QWidget *flade = editorFlade(nyt->Edit);
        flade->installEventFilter(&p);
        nyt->repaint();   // the lines in view, coloured, on the screen
        state.PauseTiming();
        flade->removeEventFilter(&p);
        paints += p.n;
        chars = nyt->Edit->length();
        Vindue::lukVindue(nyt);
        state.ResumeTiming();
    }
    if (paints == 0) {
        benchinput::fail(state, QStringLiteral("the edit control was never painted"));
        return;
    }
    state.counters["bytes"] = double(v.filCrLfBytes);
    state.counters["chars"] = double(chars);
    state.SetLabel("openwin of a 20 MB CR LF page and its first paint: decode, line breaks, edit control, colours, tab, tool bar");
}
BENCHMARK(BM_AabenSide)->Unit(benchmark::kMillisecond)->Iterations(3);

// The peer in the same run: the same CR LF file read and shown in a bare QPlainTextEdit, as
// plain-text editors on Qt do it (the document takes CR LF as one break); made and removed
// outside the timed part.
void BM_AabenSide_QPlainTextEdit(benchmark::State &state)
{
    Vindue &v = vindue();
    if (!v.error.isEmpty()) {
        benchinput::fail(state, v.error);
        return;
    }
    int blocks = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto edit = std::make_unique<QPlainTextEdit>();
        edit->resize(640, 440);
        edit->show();
        efterHaendelse();
        state.ResumeTiming();
        QFile f(v.filCrLf);
        f.open(QIODevice::ReadOnly);
        edit->setPlainText(QString::fromUtf8(f.readAll()));
        edit->repaint();
        state.PauseTiming();
        blocks = edit->blockCount();
        edit.reset();
        efterHaendelse();
        state.ResumeTiming();
    }
    state.counters["bytes"] = double(v.filCrLfBytes);
    state.counters["lines"] = double(blocks);
    state.SetLabel("peer: the same CR LF page in a bare QPlainTextEdit and its first paint");
}
BENCHMARK(BM_AabenSide_QPlainTextEdit)->Unit(benchmark::kMillisecond)->Iterations(3);

// One key at the end of the page: the character, the status fields and, in automatic
// mode, the caret analysis and the code panels following it, then what the event loop does
// next: the queued reports and the paint of what changed. The key is taken back outside the
// timed part, so every key meets the same text.
void BM_TastAfslutningStatus(benchmark::State &state)
{
    Vindue *vp = aabenVindue(state);
    if (!vp)
        return;
    Vindue &v = *vp;
    v.autokode(state.range(0) == 1);
    TEditor *edit = v.w->Edit;
    const qsizetype end = edit->length();
    v.caret(end);
    efterHaendelse();
    PaintCounter paints;
    QWidget *flade = editorFlade(edit);
    flade->installEventFilter(&paints);
    int timedPaints = 0;
    for (auto _ : state) {
        paints.n = 0;
        edit->replaceSelection(QStringLiteral("x"));   // the key
        v.w->XYinfo();
        v.m->getKode();
        efterHaendelse();                              // the paint
        state.PauseTiming();
        timedPaints += paints.n;
        edit->undo();
        v.caret(end);
        efterHaendelse();
        state.ResumeTiming();
    }
    flade->removeEventFilter(&paints);
    if (edit->length() != end) {
        benchinput::fail(state, QStringLiteral("the text did not come back to its length after the keys"));
        return;
    }
    if (timedPaints == 0) {
        benchinput::fail(state, QStringLiteral("the keys were never painted"));
        return;
    }
    state.counters["paints_per_key"] = double(timedPaints) / double(state.iterations());
    state.SetLabel(state.range(0) == 1 ? "one character at the end and its paint, automatic mode on"
                                       : "one character at the end and its paint, status fields refreshed");
    v.autokode(false);
}
BENCHMARK(BM_TastAfslutningStatus)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

void BM_GetKode(benchmark::State &state)
{
    Vindue *vp = aabenVindue(state);
    if (!vp)
        return;
    Vindue &v = *vp;
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
    Vindue *vp = aabenVindue(state);
    if (!vp)
        return;
    Vindue &v = *vp;
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
    Vindue *vp = aabenVindue(state);
    if (!vp)
        return;
    Vindue &v = *vp;
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
    Vindue *vp = aabenVindue(state);
    if (!vp)
        return;
    Vindue &v = *vp;
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
    Vindue *vp = aabenVindue(state);
    if (!vp)
        return;
    Vindue &v = *vp;
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
    Vindue *vp = aabenVindue(state);
    if (!vp)
        return;
    Vindue &v = *vp;
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
    return benchinput::exitCode();
}
