// Help while writing on the generated 20 MB page: the completion list after a key, and the
// marks of the matching tag after a caret move.

#include "benchinput.h"
#include "codewriting/dokumentvaert.h"
#include "codewriting/fuldfoerer.h"
#include "codewriting/partnertag.h"
#include "codewriting/taginfo.h"
#include "editor/editor.h"
#include "taglister.h"
#include "testside.h"

#include <QApplication>
#include <QFileInfo>

#include <benchmark/benchmark.h>

namespace {

class Vaert : public TDokumentVaert {
public:
    Tinfotag *taginf = nullptr;
    TEditor *edit = nullptr;
    QWidget *vaertsvindue() override { return edit; }
    Tinfotag *tagKomponent() override { return taginf; }
    TEditor *aktivEditor() const override { return edit; }
    void winInfo() override {}
    void visInfo(const QString &) override {}
    void HelpInfo(const QString &, const QString &) override {}
    TEditor *nytDokument(const QString &, const QString &) override { return nullptr; }
    void dokumentKommando(QAction *) override {}
    QString cssEgenskabsliste() const override { return {}; }
    bool spoergJa(const QString &, QWidget *) override { return false; }
    QList<Dokument> aabneDokumenter() const override { return {}; }
    TEditor *aabnFil(const QString &, const QString &) override { return nullptr; }
    TEditor *visDokument(const QString &) override { return nullptr; }
};

struct Page {
    QString text;
    TEditor edit;
    Tinfotag taginf;
    Vaert vaert;
    TFuldfoerer *fuldfoerer = nullptr;
    qsizetype bodyEnd = 0;   // before "</body>"
    QString error;           // a tag list or the data folder that could not be read

    Page()
    {
        qsizetype deep = 0;
        text = benchside::generatePage(benchside::kPageSize, &deep);
        edit.setText(text);
        edit.setSprog(QStringLiteral(".html"));
        error = laesTaglister(taginf, QStringLiteral(TAVLEVIRKE_FIXTURES "/taglister/"));
        if (error.isEmpty() && !QFileInfo(QStringLiteral(TAVLEVIRKE_DATA)).isDir())
            error = QStringLiteral("the data folder %1 is missing").arg(QStringLiteral(TAVLEVIRKE_DATA));
        taginf.SetEditor(&edit);
        vaert.taginf = &taginf;
        vaert.edit = &edit;
        fuldfoerer = new TFuldfoerer(&vaert, QStringLiteral(TAVLEVIRKE_DATA));
        bodyEnd = text.lastIndexOf(QStringLiteral("</body>"));
        edit.show();
    }
};

Page &page()
{
    // Kept to the end of the run: widgets may not outlive the application object.
    static Page *p = new Page;
    return *p;
}

// Types `typed` at pos (after `before`, written once) and shows the list: the time from
// the key to the list on screen.
void typeAndShow(benchmark::State &state, const QString &before, QChar typed)
{
    Page &p = page();
    if (!p.error.isEmpty()) {
        benchinput::fail(state, p.error);
        return;
    }
    p.edit.setCaretPos(p.bodyEnd);
    p.edit.replaceSelection(before);
    bool shown = false;
    for (auto _ : state) {
        p.edit.replaceSelection(QString(typed));   // the key
        shown = p.fuldfoerer->tegnSkrevet(&p.edit, typed);
        state.PauseTiming();
        p.edit.lukListe();
        p.edit.undo();
        // What the event loop does between two keys, but painting the page: the edit
        // control's queued reports and the closed list's removal.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    p.edit.undo();
    state.SetLabel(shown ? "list shown" : "NO LIST");
}

void BM_Completion_Element_End(benchmark::State &state) { typeAndShow(state, QString(), u'<'); }
void BM_Completion_Attribute_End(benchmark::State &state) { typeAndShow(state, QStringLiteral("<td"), u' '); }
void BM_Completion_Value_End(benchmark::State &state) { typeAndShow(state, QStringLiteral("<input type="), u'"'); }
void BM_Completion_CssInStyleElement_End(benchmark::State &state)
{
    typeAndShow(state, QStringLiteral("<style>\nbody { color"), u':');
}
void BM_Completion_Entity_End(benchmark::State &state) { typeAndShow(state, QStringLiteral("a "), u'&'); }

// The caret moves into a tag and the pair is found and marked.
void markAt(benchmark::State &state, qsizetype caret)
{
    Page &p = page();
    if (!p.error.isEmpty()) {
        benchinput::fail(state, p.error);
        return;
    }
    static TPartnerTag partner(p.taginf.Nosluttagliste());
    p.edit.setCaretPos(caret);
    for (auto _ : state)
        partner.opdater(&p.edit);
    state.SetLabel(p.edit.markeringer(TEditor::Markering::Partner).size() == 2 ? "pair marked" : "NO PAIR");
}

// The page's scripts hold "a<b", which the caret analysis counts as a tag: the elements
// around them pair with nothing. The long table at the end has no script inside.
void BM_MatchingTag_End(benchmark::State &state)
{
    markAt(state, page().text.lastIndexOf(QStringLiteral("</table>")) + 3);
}
void BM_MatchingTag_StartOfLongTable(benchmark::State &state)
{
    markAt(state, page().text.indexOf(QStringLiteral("<table id=\"lang\"")) + 2);
}
void BM_MatchingTag_EndOfHtml(benchmark::State &state)
{
    markAt(state, page().text.lastIndexOf(QStringLiteral("</html>")) + 3);
}

BENCHMARK(BM_Completion_Element_End)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Completion_Attribute_End)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Completion_Value_End)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Completion_CssInStyleElement_End)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Completion_Entity_End)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MatchingTag_End)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MatchingTag_StartOfLongTable)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MatchingTag_EndOfHtml)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return benchinput::exitCode();
}
