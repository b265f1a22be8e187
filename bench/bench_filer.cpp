// File manager speed: listing a folder of 100 000 files up to the first screen of the
// browser's list, counting a tree of 100 000 entries, and copying 10 000 small files
// against `cp -r` of the same tree in the same run.
//   QT_QPA_PLATFORM=offscreen <build>/bench/bench_filer

#include "filemanager/filjob.h"
#include "filemanager/mappeliste.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListView>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

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
        benchmark::DoNotOptimize(liste.model()->rowCount());
    }
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

// Copying 10 000 small files (100 folders of 100) with the job and with cp -r, alternately.
void BM_Copy10k(benchmark::State &state)
{
    static QTemporaryDir d;
    const QString src = d.path() + QStringLiteral("/kilde");
    if (!QFileInfo(src).isDir())
        lavFiler(src, 10000, 100);
    double job = 0, cp = 0;
    int n = 0;
    for (auto _ : state) {
        const QString a = d.path() + QStringLiteral("/job%1").arg(n);
        const QString b = d.path() + QStringLiteral("/cp%1").arg(n);
        ++n;
        QElapsedTimer t;
        t.start();
        filemanager::TFilJob j({{filemanager::Opgave::KopierMappe, src, a, false, true}}, true);
        j.koer();
        job += t.nsecsElapsed() / 1e6;
        if (!j.fejl.isEmpty())
            state.SkipWithError("copy failed");
        t.restart();
        QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), src, b});
        cp += t.nsecsElapsed() / 1e6;
    }
    state.counters["job_ms"] = job / n;
    state.counters["cp_ms"] = cp / n;
    state.counters["ratio"] = job / cp;
}
BENCHMARK(BM_Copy10k)->Unit(benchmark::kMillisecond)->Iterations(3);
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
