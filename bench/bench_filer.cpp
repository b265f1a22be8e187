// File manager speed: listing a folder of 100 000 files up to the first screen of the
// browser's list, counting a tree of 100 000 entries, and copying 10 000 small files
// against `cp -r` of the same tree in the same run.
//   QT_QPA_PLATFORM=offscreen <build>/bench/bench_filer

#include "benchinput.h"
#include "benchproces.h"
#include "filemanager/filjob.h"
#include "filemanager/mappeliste.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QListView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {
void lavFiler(const QString &folder, int n, int perMappe)
{
    QDir().mkpath(folder);
    for (int i = 0; i < n; ++i) {
        const QString sub = perMappe > 0 ? folder + QStringLiteral("/m%1").arg(i / perMappe) : folder;
        if (perMappe > 0 && i % perMappe == 0)
            QDir().mkpath(sub);
        const QByteArray p = QFile::encodeName(sub + QStringLiteral("/fil%1.html").arg(i));
        const int fd = ::open(p.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::write(fd, "<p>kort side</p>\r\n", 18);
        ::close(fd);
    }
}

QTemporaryDir &flad()
{
    static QTemporaryDir d;
    static bool lavet = false;
    if (!lavet) {
        lavet = true;
        lavFiler(d.path() + QStringLiteral("/flad"), 100000, 0);
    }
    return d;
}

QTemporaryDir &trae()
{
    static QTemporaryDir d;
    static bool lavet = false;
    if (!lavet) {
        lavet = true;
        lavFiler(d.path() + QStringLiteral("/trae"), 95000, 100);   // 95 000 files in 950 folders + 4 050 more below
        lavFiler(d.path() + QStringLiteral("/trae/ekstra"), 4050, 0);
    }
    return d;
}

// Reading the folder, filling the model and painting the list's first screen.
void BM_ListFirstScreen(benchmark::State &state)
{
    const QString folder = flad().path() + QStringLiteral("/flad");
    int rows = 0;
    for (auto _ : state) {
        filemanager::TMappeListe liste;
        QListView view;
        view.setUniformItemSizes(true);
        view.setLayoutMode(QListView::Batched);
        view.setModel(liste.model());
        view.resize(400, 500);
        view.show();
        liste.makeStruktur2(folder);
        view.grab();
        rows = liste.model()->rowCount();
    }
    if (rows < 100000) {
        benchinput::fail(state, QStringLiteral("the list shows %1 rows of the 100 000 files in %2").arg(rows).arg(folder));
        return;
    }
    state.counters["rows"] = rows;
}
BENCHMARK(BM_ListFirstScreen)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Count100k(benchmark::State &state)
{
    const QString folder = trae().path() + QStringLiteral("/trae");
    for (auto _ : state) {
        filemanager::JobStatus s;
        filemanager::TFilJob::taelMappe(folder, s);
        state.counters["entries"] = double(s.antalFiler + s.antalMapper - 1);
    }
}
BENCHMARK(BM_Count100k)->Unit(benchmark::kMillisecond)->Iterations(3);

int taelFiler(const QString &folder)
{
    int n = 0;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        ++n;
    }
    return n;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n == 0 ? 0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Copying 10 000 small files (100 folders of 100) with the job and with cp -r in the same
// iteration, the order swapped every iteration (the second copy finds the source in the
// page cache warmer). Between iterations, outside the timed part, both copies are removed
// and the disk synced, so every iteration starts from the same state. The time column is
// the job's; job_ms and cp_ms are medians, ratio the median of the iterations' job / cp.
void BM_Copy10k(benchmark::State &state)
{
    static QTemporaryDir d;
    const QString src = d.path() + QStringLiteral("/kilde");
    if (!QFileInfo(src).isDir())
        lavFiler(src, 10000, 100);
    const int kilder = taelFiler(src);
    if (kilder != 10000) {
        benchinput::fail(state, QStringLiteral("the source tree of 10 000 files could not be made in %1").arg(src));
        return;
    }
    const QString a = d.path() + QStringLiteral("/job");
    const QString b = d.path() + QStringLiteral("/cp");
    QDir(a).removeRecursively();
    QDir(b).removeRecursively();
    ::sync();
    std::vector<double> job, cp, ratio;
    int n = 0;
    for (auto _ : state) {
        const bool jobFoerst = n++ % 2 == 0;
        double jobMs = 0, cpMs = 0;
        int cpRc = 0;
        QString fejl;
        const auto koerJob = [&] {
            QElapsedTimer t;
            t.start();
            filemanager::TFilJob j({{filemanager::Opgave::KopierMappe, src, a, false, true}}, true);
            j.koer();
            jobMs = t.nsecsElapsed() / 1e6;
            if (!j.fejl.isEmpty())
                fejl = QStringLiteral("the job's copy failed");
        };
        const auto koerCp = [&] {   // as a whole process: start to reaped
            const benchproces::Result r = benchproces::run(QStringLiteral("cp"), {QStringLiteral("-r"), src, b});
            cpRc = r.exitCode;
            cpMs = r.wallS * 1e3;
        };
        if (jobFoerst) {
            koerJob();
            koerCp();
        } else {
            koerCp();
            koerJob();
        }
        state.SetIterationTime(jobMs / 1e3);
        state.PauseTiming();
        if (cpRc != 0)
            fejl = QStringLiteral("cp -r ended with %1").arg(cpRc);
        else if (fejl.isEmpty() && (taelFiler(a) != kilder || taelFiler(b) != kilder))
            fejl = QStringLiteral("a copy does not hold the %1 files").arg(kilder);
        QDir(a).removeRecursively();
        QDir(b).removeRecursively();
        ::sync();
        state.ResumeTiming();
        if (!fejl.isEmpty()) {
            benchinput::fail(state, fejl);
            return;
        }
        job.push_back(jobMs);
        cp.push_back(cpMs);
        ratio.push_back(jobMs / cpMs);
    }
    state.counters["job_ms"] = median(job);
    state.counters["cp_ms"] = median(cp);
    state.counters["ratio"] = median(ratio);
    state.counters["ratio_min"] = *std::min_element(ratio.begin(), ratio.end());
    state.counters["ratio_max"] = *std::max_element(ratio.begin(), ratio.end());
}
BENCHMARK(BM_Copy10k)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(6);
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return benchinput::exitCode();
}
