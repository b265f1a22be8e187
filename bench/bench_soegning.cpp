// Folder search over 12 000 real pages (about 23 MB of the shared corpus; the size is told on
// stderr): whole word, any case, every hit with
// its line and position, beside ripgrep on the same folder in the same run, asked for the
// same listing: `rg -j1 --vimgrep -w -i WORD` prints every hit on a line of its own with its
// line number, column and line, so both sides find, place and list every hit ("hits" on
// both sides counts hits, not lines). Both are timed as wall time (rg as a whole process,
// from its start until it is reaped) with cpu_ms beside it: our process's CPU, and rg's
// own CPU from wait4 (the CPU column of the rg rows is only this process reading its pipe).
//
// The folder is made once with $TAVLEVIRKE_SHARED/tools/make-searchcorpus.py from the
// shared corpus into $TAVLEVIRKE_SEARCHCORPUS (default /tmp/tavlevirke-searchcorpus); a
// folder already holding the 12 000 pages is used as it is. Without it, or without the
// corpus to make it from, the benchmarks stop with an error.
//
// Large files: a folder holding a 2 GB sparse file (binary, passed over after its first 8 KB)
// and a text file of $TAVLEVIRKE_STORFIL_MB MB of those pages (default 256; a few GB shows
// that memory stays flat), made once in /tmp/tavlevirke-storfiler, beside rg on the same
// folder; peak_MB is the search's peak resident memory (rg's from wait4).

#include "benchinput.h"
#include "benchproces.h"
#include "search/soegning.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <benchmark/benchmark.h>

namespace {

constexpr int kSider = 12000;

struct Input {
    QString folder;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

const Input &corpusFolder()
{
    static const Input in = [] {
        Input r;
        r.folder = qEnvironmentVariable("TAVLEVIRKE_SEARCHCORPUS", QStringLiteral("/tmp/tavlevirke-searchcorpus"));
        const QStringList html{QStringLiteral("*.html")};
        benchinput::Files have = benchinput::listFiles(r.folder, html, false);
        if (have.paths.size() < kSider) {
            const benchinput::Files &corpus = benchinput::corpusPages();
            if (!corpus.ok()) {
                r.error = QStringLiteral("no search corpus in %1 and none to make it from: %2").arg(r.folder, corpus.error);
                return r;
            }
            const QString tool = benchinput::toolsDir() + QStringLiteral("/make-searchcorpus.py");
            if (!QFileInfo(tool).isFile()) {
                r.error = QStringLiteral("%1 is missing").arg(tool);
                return r;
            }
            const int rc = QProcess::execute(QStringLiteral("python3"),
                                             {tool, benchinput::corpusDir(), r.folder, QString::number(kSider)});
            have = benchinput::listFiles(r.folder, html, false);
            if (rc != 0 || have.paths.size() < kSider) {
                r.error = QStringLiteral("make-searchcorpus.py (exit %1) left %2 pages in %3, not %4")
                              .arg(rc).arg(have.paths.size()).arg(r.folder).arg(kSider);
                return r;
            }
        }
        benchinput::tell(QStringLiteral("search corpus"), r.folder, have.paths.size(), have.bytes);
        return r;
    }();
    return in;
}

const char *const kOrd[] = {"the", "function", "margin", "tavlevirke"};

const Input &storeFiler()
{
    static const Input in = [] {
        Input r;
        const Input &corpus = corpusFolder();
        if (!corpus.ok()) {
            r.error = corpus.error;
            return r;
        }
        const qint64 mb = qEnvironmentVariableIntValue("TAVLEVIRKE_STORFIL_MB") > 0
            ? qEnvironmentVariableIntValue("TAVLEVIRKE_STORFIL_MB") : 256;
        r.folder = QStringLiteral("/tmp/tavlevirke-storfiler/");
        QDir().mkpath(r.folder);
        QFile nul(r.folder + QStringLiteral("nul.html"));
        if (nul.size() != qint64(2) << 30 && nul.open(QIODevice::WriteOnly))
            nul.resize(qint64(2) << 30);
        nul.close();
        QFile tekst(r.folder + QStringLiteral("tekst.html"));
        if (tekst.size() < mb << 20 && tekst.open(QIODevice::WriteOnly)) {
            const QStringList sider = benchinput::listFiles(corpus.folder, {QStringLiteral("*.html")}, false).paths;
            for (qsizetype i = 0; tekst.size() < mb << 20; ++i) {
                QFile side(sider[i % sider.size()]);
                if (side.open(QIODevice::ReadOnly) && tekst.write(side.readAll()) < 0)
                    break;
            }
        }
        tekst.close();
        const qint64 nulBytes = QFileInfo(nul.fileName()).size();
        const qint64 tekstBytes = QFileInfo(tekst.fileName()).size();
        if (nulBytes != qint64(2) << 30 || tekstBytes < mb << 20) {
            r.error = QStringLiteral("the large files in %1 could not be made (%2 and %3 bytes)")
                          .arg(r.folder).arg(nulBytes).arg(tekstBytes);
            return r;
        }
        benchinput::tell(QStringLiteral("large files"), r.folder, 2, nulBytes + tekstBytes);
        std::fprintf(stderr, "input: large files: tekst.html %lld bytes, nul.html %lld bytes (sparse)\n",
                     static_cast<long long>(tekstBytes), static_cast<long long>(nulBytes));
        return r;
    }();
    return in;
}

// The process's peak resident memory since the last call, in MB.
double peakMB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    double kb = 0;
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray &line : status.readAll().split('\n'))
            if (line.startsWith("VmHWM:"))
                kb = line.mid(6).trimmed().split(' ').first().toDouble();
    QFile nulstil(QStringLiteral("/proc/self/clear_refs"));
    if (nulstil.open(QIODevice::WriteOnly))
        nulstil.write("5");
    return kb / 1024;
}

void search(benchmark::State &state, const Input &in, bool peak)
{
    if (!in.ok()) {
        benchinput::fail(state, in.error);
        return;
    }
    const QString word = QString::fromLatin1(kOrd[state.range(0)]);
    qsizetype hits = 0;
    double top = 0;
    if (peak)
        peakMB();
    const double cpu0 = benchproces::selfCpuS();
    for (auto _ : state) {
        const QList<search::Traef> rows = search::soegIMappe(in.folder, QStringLiteral("*.html"), word, {true, false});
        hits = rows.size();
        benchmark::DoNotOptimize(rows.data());
        if (peak)
            top = std::max(top, peakMB());
    }
    state.counters["hits"] = double(hits);
    state.counters["cpu_ms"] = (benchproces::selfCpuS() - cpu0) * 1e3 / double(state.iterations());
    if (peak)
        state.counters["peak_MB"] = top;
    state.SetLabel(kOrd[state.range(0)]);
}

void BM_FolderSearch(benchmark::State &state)
{
    search(state, corpusFolder(), false);
}

// The peer: ripgrep on one thread over the folder, every hit listed through a pipe as ours
// is kept; timed as a whole process (manual time = its wall time; cpu_ms = its own CPU).
void ripgrep(benchmark::State &state, const Input &in)
{
    if (!in.ok()) {
        benchinput::fail(state, in.error);
        return;
    }
    const QString rg = QStandardPaths::findExecutable(QStringLiteral("rg"));
    if (rg.isEmpty()) {
        benchinput::fail(state, QStringLiteral("ripgrep (rg) is not installed"));
        return;
    }
    const QString word = QString::fromLatin1(kOrd[state.range(0)]);
    const QStringList args{QStringLiteral("-j1"), QStringLiteral("--vimgrep"), QStringLiteral("-w"), QStringLiteral("-i"),
                           word, in.folder};
    qint64 hits = 0;
    double cpu = 0, peak = 0;
    for (auto _ : state) {
        const benchproces::Result r = benchproces::run(rg, args);
        // rg ends 1 when it finds nothing, 2 on an error.
        if (!r.error.isEmpty() || (r.exitCode != 0 && r.exitCode != 1)) {
            benchinput::fail(state, r.error.isEmpty() ? QStringLiteral("rg ended with %1").arg(r.exitCode) : r.error);
            return;
        }
        state.SetIterationTime(r.wallS);
        hits = r.lines;
        cpu += r.cpuS;
        peak = std::max(peak, r.peakMB);
    }
    state.counters["hits"] = double(hits);
    state.counters["cpu_ms"] = cpu * 1e3 / double(state.iterations());
    state.counters["peak_MB"] = peak;
    state.SetLabel(std::string(kOrd[state.range(0)]) + " (rg -j1 --vimgrep -w -i)");
}

void BM_Ripgrep(benchmark::State &state)
{
    ripgrep(state, corpusFolder());
}

void BM_LargeFiles(benchmark::State &state)
{
    search(state, storeFiler(), true);
}

void BM_RipgrepLargeFiles(benchmark::State &state)
{
    ripgrep(state, storeFiler());
}

} // namespace

BENCHMARK(BM_FolderSearch)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_Ripgrep)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(2);
BENCHMARK(BM_LargeFiles)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_RipgrepLargeFiles)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(2);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return benchinput::exitCode();
}
