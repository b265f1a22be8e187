// Folder search over 12 000 real pages (about 55 MB): whole word, any case, every hit with
// its line and position, beside `rg -j1 -n -w -i WORD` on the same folder in the same run.
//
// The folder is made once with ../shared/tools/make-searchcorpus.py into
// $TAVLEVIRKE_SEARCHCORPUS (default /tmp/tavlevirke-searchcorpus).

#include "search/soegning.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
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

// The peer: ripgrep on one thread, its listing read through a pipe as ours is kept.
void BM_Ripgrep(benchmark::State &state)
{
    const QString folder = corpusFolder();
    const QString rg = QStandardPaths::findExecutable(QStringLiteral("rg"));
    if (rg.isEmpty()) {
        state.SkipWithError("ripgrep is not installed");
        return;
    }
    const QString word = QString::fromLatin1(kOrd[state.range(0)]);
    qsizetype lines = 0;
    for (auto _ : state) {
        QProcess p;
        p.start(rg, {"-j1", "-n", "-w", "-i", word, folder});
        QByteArray out;
        while (p.state() != QProcess::NotRunning || p.bytesAvailable() > 0) {
            p.waitForReadyRead(50);
            out += p.readAllStandardOutput();
        }
        p.waitForFinished();
        lines = out.count('\n');
    }
    state.counters["lines"] = double(lines);
    state.SetLabel(kOrd[state.range(0)]);
}

} // namespace

BENCHMARK(BM_FolderSearch)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_Ripgrep)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
