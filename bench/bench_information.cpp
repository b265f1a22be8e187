// The reference library: HelpInfo on a loaded structure of 2 000 entries (engine warm), and
// the search tab and search window over 2 000 pages of 20 kB, with rg on the same pages.
//   QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 <build>/bench/bench_information

#include "information/infosoeg.h"
#include "information/informationform.h"
#include "information/struktur.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
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

void BM_SoegFanen(benchmark::State &state)
{
    const QString ord = state.range(0) ? QStringLiteral("margin") : QStringLiteral("elementer");
    const QString mappe = bibliotek().mappe;   // made before the clock runs
    for (auto _ : state)
        benchmark::DoNotOptimize(information::soegSider(mappe, ord));
}
BENCHMARK(BM_SoegFanen)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

void BM_SoegVinduet(benchmark::State &state)
{
    const QString ord = state.range(0) ? QStringLiteral("margin") : QStringLiteral("elementer");
    const QString mappe = bibliotek().mappe;
    for (auto _ : state)
        benchmark::DoNotOptimize(information::soegMappe(mappe, ord, false, false));
}
BENCHMARK(BM_SoegVinduet)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

// The peer: rg listing the files that hold the word (whole word, capitals ignored).
void BM_rg(benchmark::State &state)
{
    const QString ord = state.range(0) ? QStringLiteral("margin") : QStringLiteral("elementer");
    bibliotek();
    for (auto _ : state) {
        QProcess p;
        p.start(QStringLiteral("rg"), {QStringLiteral("-l"), QStringLiteral("-w"), QStringLiteral("-i"), QStringLiteral("-j1"),
                                       QStringLiteral("--max-depth"), QStringLiteral("1"), ord, bibliotek().mappe});
        p.waitForFinished();
    }
}
BENCHMARK(BM_rg)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_info.reset();
    return 0;
}
