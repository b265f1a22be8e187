// Folder search over 12 000 real pages (about 55 MB): whole word, any case, every hit with
// its line and position, beside `rg -j1 -n -w -i WORD` on the same folder in the same run.
//
// The folder is made once with ../shared/tools/make-searchcorpus.py into
// $TAVLEVIRKE_SEARCHCORPUS (default /tmp/tavlevirke-searchcorpus).
//
// Large files: a folder holding a 2 GB sparse file (binary, passed over after its first 8 KB)
// and a text file of $TAVLEVIRKE_STORFIL_MB MB of those pages (default 256; a few GB shows
// that memory stays flat), made once in /tmp/tavlevirke-storfiler, beside rg on the same
// folder; peak_MB is the search's peak resident memory.

#include "search/soegning.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <benchmark/benchmark.h>

namespace {

QString corpusFolder()
{
    static const QString folder = [] {
        QString d = qEnvironmentVariable("TAVLEVIRKE_SEARCHCORPUS", QStringLiteral("/tmp/tavlevirke-searchcorpus"));
        if (QDir(d).entryList({QStringLiteral("*.html")}, QDir::Files).size() < 12000) {
            const QString tool = QStringLiteral(TAVLEVIRKE_SHARED "/tools/make-searchcorpus.py");
            QProcess::execute(QStringLiteral("python3"), {tool, QStringLiteral(TAVLEVIRKE_SHARED "/corpus"), d, "12000"});
        }
        return d;
    }();
    return folder;
}

const char *const kOrd[] = {"the", "function", "margin", "tavlevirke"};

QString storeFiler()
{
    static const QString folder = [] {
        const qint64 mb = qEnvironmentVariableIntValue("TAVLEVIRKE_STORFIL_MB") > 0
            ? qEnvironmentVariableIntValue("TAVLEVIRKE_STORFIL_MB") : 256;
        const QString d = QStringLiteral("/tmp/tavlevirke-storfiler/");
        QDir().mkpath(d);
        QFile nul(d + QStringLiteral("nul.html"));
        if (nul.size() != qint64(2) << 30 && nul.open(QIODevice::WriteOnly))
            nul.resize(qint64(2) << 30);
        QFile tekst(d + QStringLiteral("tekst.html"));
        if (tekst.size() < mb << 20 && tekst.open(QIODevice::WriteOnly)) {
            const QString corpus = corpusFolder();
            const QStringList sider = QDir(corpus).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
            for (qsizetype i = 0; tekst.size() < mb << 20; ++i) {
                QFile side(corpus + u'/' + sider[i % sider.size()]);
                if (side.open(QIODevice::ReadOnly))
                    tekst.write(side.readAll());
            }
        }
        return d;
    }();
    return folder;
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

qsizetype rgLinjer(const QString &folder, const QString &word)
{
    const QString rg = QStandardPaths::findExecutable(QStringLiteral("rg"));
    QProcess p;
    p.start(rg, {"-j1", "-n", "-w", "-i", word, folder});
    QByteArray out;
    while (p.state() != QProcess::NotRunning || p.bytesAvailable() > 0) {
        p.waitForReadyRead(50);
        out += p.readAllStandardOutput();
    }
    p.waitForFinished();
    return out.count('\n');
}

void BM_FolderSearch(benchmark::State &state)
{
    const QString folder = corpusFolder();
    const QString word = QString::fromLatin1(kOrd[state.range(0)]);
    qsizetype hits = 0;
    for (auto _ : state) {
        const QList<search::Traef> rows = search::soegIMappe(folder, QStringLiteral("*.html"), word, {true, false});
        hits = rows.size();
        benchmark::DoNotOptimize(rows.data());
    }
    state.counters["hits"] = double(hits);
    state.SetLabel(kOrd[state.range(0)]);
}

// The peer: ripgrep on one thread over folder, its listing read through a pipe as ours is kept.
void ripgrep(benchmark::State &state, const QString &folder)
{
    if (QStandardPaths::findExecutable(QStringLiteral("rg")).isEmpty()) {
        state.SkipWithError("ripgrep is not installed");
        return;
    }
    const QString word = QString::fromLatin1(kOrd[state.range(0)]);
    qsizetype lines = 0;
    for (auto _ : state)
        lines = rgLinjer(folder, word);
    state.counters["lines"] = double(lines);
    state.SetLabel(kOrd[state.range(0)]);
}

void BM_Ripgrep(benchmark::State &state)
{
    ripgrep(state, corpusFolder());
}

void BM_LargeFiles(benchmark::State &state)
{
    const QString folder = storeFiler();
    const QString word = QString::fromLatin1(kOrd[state.range(0)]);
    qsizetype hits = 0;
    double peak = 0;
    peakMB();
    for (auto _ : state) {
        const QList<search::Traef> rows = search::soegIMappe(folder, QStringLiteral("*.html"), word, {true, false});
        hits = rows.size();
        benchmark::DoNotOptimize(rows.data());
        peak = std::max(peak, peakMB());
    }
    state.counters["hits"] = double(hits);
    state.counters["peak_MB"] = peak;
    state.SetLabel(kOrd[state.range(0)]);
}

void BM_RipgrepLargeFiles(benchmark::State &state)
{
    ripgrep(state, storeFiler());
}

} // namespace

BENCHMARK(BM_FolderSearch)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_Ripgrep)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_LargeFiles)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_RipgrepLargeFiles)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
