// The reference library: HelpInfo on a loaded structure of 2 000 entries (engine warm), and
// the search tab and search window over 2 000 pages of 20 kB, with rg on the same pages.
//   QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 <build>/bench/bench_information

#include "benchinput.h"
#include "benchproces.h"
#include "information/infosoeg.h"
#include "information/informationform.h"
#include "information/struktur.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

namespace {

constexpr int kSider = 2000;

struct Bibliotek {
    QTemporaryDir dir;
    QString strukturdir, mappe;
    Bibliotek()
    {
        strukturdir = dir.path() + QStringLiteral("/Struktur/");
        mappe = strukturdir + QStringLiteral("Information/tekstfiler/");
        QDir().mkpath(mappe);
        QByteArray s, d;
        const QByteArray fyld = "<p>Et afsnit om <b>elementer</b> og deres attributter, med tekst der fylder siden ud.</p>\r\n";
        for (int i = 0; i < kSider; ++i) {
            const QByteArray navn = "side" + QByteArray::number(i);
            s += QByteArray(i % 10 == 0 ? 0 : 1, '\t') + "titel " + QByteArray::number(i) + "\r\n";
            d += "0" + navn + "\r\n";
            QByteArray side = "<!DOCTYPE html><html><head><title>" + navn + "</title></head><body>\r\n";
            while (side.size() < 20000)
                side += fyld;
            if (i % 100 == 0)
                side += "<p>Egenskaben margin styrer afstanden.</p>\r\n";
            side += "</body></html>\r\n";
            QFile f(mappe + QString::fromLatin1(navn) + QStringLiteral(".html"));
            f.open(QIODevice::WriteOnly);
            f.write(side);
        }
        QFile sf(strukturdir + QStringLiteral("Information/struktur.txt"));
        sf.open(QIODevice::WriteOnly);
        sf.write(s);
        QFile df(strukturdir + QStringLiteral("Information/data.txt"));
        df.open(QIODevice::WriteOnly);
        df.write(d);
    }
};

Bibliotek &bibliotek()
{
    static Bibliotek b;
    return b;
}

std::unique_ptr<Tinfoform> g_info;

void BM_HelpInfo(benchmark::State &state)
{
    Bibliotek &b = bibliotek();
    if (!g_info) {
        g_info = std::make_unique<Tinfoform>(nullptr, b.strukturdir, b.dir.path() + QStringLiteral("/"));
    }
    auto vis = [](const QString &titel, const QString &side) {
        QEventLoop loop;
        QObject::connect(g_info.get(), &Tinfoform::sideVist, &loop, [&](const QString &n) {
            if (n == side) loop.quit();
        });
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        g_info->HelpInfo(QStringLiteral("Information"), titel);
        loop.exec();
    };
    vis(QStringLiteral("titel 0"), QStringLiteral("side0.html"));   // loads the structure and warms the engine
    int i = 1;
    for (auto _ : state) {
        const int n = (i++ * 997) % kSider;
        vis(QStringLiteral("titel %1").arg(n), QStringLiteral("side%1.html").arg(n));
    }
}
BENCHMARK(BM_HelpInfo)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_HentStruktur(benchmark::State &state)
{
    Bibliotek &b = bibliotek();
    TStruktur t;
    t.DataOn = true;
    t.Strukturfile = b.strukturdir + QStringLiteral("Information/struktur.txt");
    t.Datafile = b.strukturdir + QStringLiteral("Information/data.txt");
    for (auto _ : state)
        benchmark::DoNotOptimize(t.HentStruktur());
}
BENCHMARK(BM_HentStruktur)->Unit(benchmark::kMillisecond);

// The search tab and the search window (timed as wall time, with cpu_ms: this process's CPU
// per search) beside rg listing the same files.
void BM_SoegFanen(benchmark::State &state)
{
    const QString ord = state.range(0) ? QStringLiteral("margin") : QStringLiteral("elementer");
    const QString mappe = bibliotek().mappe;   // made before the clock runs
    qsizetype filer = 0;
    const double cpu0 = benchproces::selfCpuS();
    for (auto _ : state) {
        const QStringList sider = information::soegSider(mappe, ord);
        filer = sider.size();
        benchmark::DoNotOptimize(sider.constData());
    }
    state.counters["files"] = double(filer);
    state.counters["cpu_ms"] = (benchproces::selfCpuS() - cpu0) * 1e3 / double(state.iterations());
    state.SetLabel(ord.toStdString() + ": the pages holding the word (whole word, any case)");
}
BENCHMARK(BM_SoegFanen)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SoegVinduet(benchmark::State &state)
{
    const QString ord = state.range(0) ? QStringLiteral("margin") : QStringLiteral("elementer");
    const QString mappe = bibliotek().mappe;
    qsizetype fund = 0;
    const double cpu0 = benchproces::selfCpuS();
    for (auto _ : state) {
        const auto f = information::soegMappe(mappe, ord, false, false);
        fund = f.size();
        benchmark::DoNotOptimize(f.constData());
    }
    state.counters["results"] = double(fund);
    state.counters["cpu_ms"] = (benchproces::selfCpuS() - cpu0) * 1e3 / double(state.iterations());
    state.SetLabel(ord.toStdString() + ": the window's results, one per line holding the word (part of a word too, any case)");
}
BENCHMARK(BM_SoegVinduet)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The peer of the search tab: rg listing the files that hold the word (whole word, capitals
// ignored), timed as a whole process: manual time = its wall time, from its start until it
// is reaped; cpu_ms = its own CPU from wait4 (the CPU column is only this process reading
// the pipe). "files" counts the same thing as the search tab's.
void BM_rg(benchmark::State &state)
{
    const QString rg = QStandardPaths::findExecutable(QStringLiteral("rg"));
    if (rg.isEmpty()) {
        benchinput::fail(state, QStringLiteral("ripgrep (rg) is not installed"));
        return;
    }
    const QString ord = state.range(0) ? QStringLiteral("margin") : QStringLiteral("elementer");
    const QStringList args{QStringLiteral("-l"), QStringLiteral("-w"), QStringLiteral("-i"), QStringLiteral("-j1"),
                           QStringLiteral("--max-depth"), QStringLiteral("1"), ord, bibliotek().mappe};
    qint64 filer = 0;
    double cpu = 0;
    for (auto _ : state) {
        const benchproces::Result r = benchproces::run(rg, args);
        if (!r.error.isEmpty() || r.exitCode != 0) {   // 1: nothing found, which the pages rule out
            benchinput::fail(state, r.error.isEmpty() ? QStringLiteral("rg ended with %1").arg(r.exitCode) : r.error);
            return;
        }
        state.SetIterationTime(r.wallS);
        filer = r.lines;
        cpu += r.cpuS;
    }
    state.counters["files"] = double(filer);
    state.counters["cpu_ms"] = cpu * 1e3 / double(state.iterations());
    state.SetLabel(ord.toStdString() + ": rg -l -w -i -j1 as a whole process");
}
BENCHMARK(BM_rg)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->UseManualTime();

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_info.reset();
    return benchinput::exitCode();
}
