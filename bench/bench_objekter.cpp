// The VBScript capitalisation on a 1 MB script against the installed VBScript reference: the
// command as a whole (dictionary, reading every line, writing the changed ones as one undo
// step), once with every line to correct and once with nothing to change.
//   QT_QPA_PLATFORM=offscreen <build>/bench/bench_objekter

#include "analysis/vbabc.h"
#include "benchinput.h"
#include "core/programfolder.h"
#include "core/textfile.h"
#include "editor/editor.h"

#include <benchmark/benchmark.h>

#include <QApplication>

namespace {

QString vbsStruktur()
{
    return core::ProgramFolder::installedDataDir() + QStringLiteral("/Struktur/VBS/struktur.txt");
}

QStringList vbsTitler()
{
    QStringList linjer;
    core::readLines(vbsStruktur(), linjer);
    for (QString &l : linjer)
        while (l.startsWith(u'\t'))
            l.remove(0, 1);
    return linjer;
}

// About 1 MB of classic ASP script in small letters, as pasted from old pages.
QString skript(bool rettet)
{
    const QString blok = QStringLiteral(
        "dim navn, antal\n"
        "navn = request.form(\"navn\")\n"
        "if len(navn) > 0 then\n"
        "    response.write \"<p>\" & server.htmlencode(navn) & \"</p>\"\n"
        "else\n"
        "    antal = cint(request.querystring(\"antal\"))\n"
        "end if\n"
        "' en kommentar uden kendte ord: blomst, hus, vej\n");
    QString s;
    s.reserve(1 << 20);
    while (s.size() < (1 << 20))
        s += blok;
    if (rettet) {
        TEditor e;
        e.setText(s);
        analysis::retVbOrd(e, analysis::VbOrdbog(vbsTitler()));
        return e.text();
    }
    return s;
}

void BM_RetVbOrd(benchmark::State &state)
{
    const QStringList titler = vbsTitler();
    if (titler.isEmpty()) {
        benchinput::fail(state, QStringLiteral("the VBScript reference %1 is missing or empty").arg(vbsStruktur()));
        return;
    }
    const QString tekst = skript(state.range(0) == 1);
    TEditor edit;
    int linjer = 0;
    for (auto _ : state) {
        state.PauseTiming();
        edit.setText(tekst);
        state.ResumeTiming();
        linjer = analysis::retVbOrd(edit, analysis::VbOrdbog(titler));
    }
    if (state.range(0) == 0 && linjer == 0) {
        benchinput::fail(state, QStringLiteral("nothing was corrected: the VBScript reference %1 knows none of the words").arg(vbsStruktur()));
        return;
    }
    state.counters["linjer"] = linjer;
    state.SetLabel(state.range(0) == 1 ? "intet at rette" : "alt skal rettes");
}
BENCHMARK(BM_RetVbOrd)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return benchinput::exitCode();
}
