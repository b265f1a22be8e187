// The live preview on a 200 kB page made of a corpus page (its style sheets beside it):
// the time from an edit to the new version loaded (the wait after the last key included),
// and the main thread's share of one refresh (the engine works on its own).

#include "benchinput.h"
#include "core/textfile.h"
#include "editor/editor.h"
#include "visning/forhaandsvisning.h"
#include "visning/visningsrude.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

struct Preview {
    QString path;
    TEditor edit;
    TVisningsrude rude;
    qsizetype bodyPos = 0;
    QString error;   // why there is no page to show

    Preview()
    {
        // The largest corpus page, its body repeated to 200 kB.
        const benchinput::Files &corpus = benchinput::corpusPages();
        if (!corpus.ok()) {
            error = corpus.error;
            return;
        }
        qint64 best = 0;
        for (const QString &p : corpus.paths) {
            if (QFileInfo(p).size() > best) {
                best = QFileInfo(p).size();
                path = p;
            }
        }
        QString text;
        if (!core::readTextFile(path, text).ok || text.isEmpty()) {
            error = QStringLiteral("the corpus page %1 could not be read").arg(path);
            return;
        }
        const qsizetype b = text.indexOf(QStringLiteral("<body"), 0, Qt::CaseInsensitive);
        const qsizetype e = text.lastIndexOf(QStringLiteral("</body>"), -1, Qt::CaseInsensitive);
        if (b < 0 || e <= b) {
            error = QStringLiteral("the corpus page %1 has no body to repeat").arg(path);
            return;
        }
        {
            const QString body = text.mid(text.indexOf(u'>', b) + 1, e - text.indexOf(u'>', b) - 1);
            QString more;
            while (text.size() + more.size() < 200 * 1024)
                more += body;
            text.insert(e, more);
        }
        benchinput::tell(QStringLiteral("preview page, made of"), path, 1, best);
        edit.setSprog(QStringLiteral(".html"));
        edit.setText(text);
        bodyPos = text.indexOf(u'>', b) + 1;
        rude.resize(800, 600);
        rude.folg(&edit, path);
        rude.show();
        if (!venteVist(60000) && rude.motor())
            error = QStringLiteral("the first version of the page was not shown within 60 s");
    }

    bool venteVist(int ms)
    {
        QEventLoop loop;
        bool ok = false;
        auto c = QObject::connect(&rude, &TVisningsrude::vist, &loop, [&](bool v) {
            ok = v;
            loop.quit();
        });
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
        QObject::disconnect(c);
        return ok;
    }
};

Preview &preview()
{
    // Kept to the end of the run: widgets may not outlive the application object.
    static Preview *p = new Preview;
    return *p;
}

void BM_Preview_EditToShown_200kB(benchmark::State &state)
{
    Preview &p = preview();
    if (!p.error.isEmpty()) {
        benchinput::fail(state, p.error);
        return;
    }
    if (!p.rude.motor()) {
        benchinput::fail(state, QStringLiteral("no browser engine: %1").arg(p.rude.fejl()));
        return;
    }
    state.counters["bytes"] = double(p.edit.byteLength());
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        p.edit.replaceRange(p.bodyPos, p.bodyPos, QStringLiteral("x"));   // the key
        if (!p.venteVist(10000)) {
            benchinput::fail(state, QStringLiteral("no new version shown within 10 s"));
            return;
        }
        state.SetIterationTime(double(t.nsecsElapsed()) / 1e9);
    }
    state.counters["wait_ms"] = TVisningsrude::kForsinkelse;
}

// What a refresh costs the main thread: the text, its map to the source and the hand-over
// to the engine; the page is laid out elsewhere.
void BM_Preview_MainThreadPerRefresh_200kB(benchmark::State &state)
{
    Preview &p = preview();
    if (!p.error.isEmpty() || !p.rude.motor()) {
        benchinput::fail(state, p.error.isEmpty() ? QStringLiteral("no browser engine: %1").arg(p.rude.fejl()) : p.error);
        return;
    }
    state.counters["bytes"] = double(p.edit.byteLength());
    for (auto _ : state) {
        p.rude.opdaterNu();
        state.PauseTiming();
        p.venteVist(10000);
        state.ResumeTiming();
    }
}

BENCHMARK(BM_Preview_EditToShown_200kB)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_Preview_MainThreadPerRefresh_200kB)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return benchinput::exitCode();
}
