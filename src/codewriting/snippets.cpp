#include "codewriting/snippets.h"

#include "codewriting/taginfo.h"

namespace codewriting {

namespace {

Snippet koder(const char *navn, const QString &tekst, const QString &s, QChar tegn, const QString &hint = {})
{
    Snippet n;
    n.navn = QString::fromLatin1(navn);
    n.tekst = tekst;
    n.hint = hint;
    n.art = Snippet::Koder;
    n.dele = {s};
    n.tegn = tegn;
    return n;
}

Snippet kode(const char *navn, const QString &tekst, const QString &s1, const QString &s2, const QString &hint = {})
{
    Snippet n;
    n.navn = QString::fromLatin1(navn);
    n.tekst = tekst;
    n.hint = hint;
    n.art = Snippet::Kode;
    n.dele = {s1, s2};
    return n;
}

Snippet linier(const char *navn, const QString &tekst, const QStringList &l, int caretLinie, bool sidsteLinieskift,
               const QString &hint = {}, const QString &undermenu = {})
{
    Snippet n;
    n.navn = QString::fromLatin1(navn);
    n.tekst = tekst;
    n.hint = hint;
    n.undermenu = undermenu;
    n.art = Snippet::Linier;
    n.dele = l;
    n.caretLinie = caretLinie;
    n.sidsteLinieskift = sidsteLinieskift;
    return n;
}

// A statement: its first line(s), an empty line for the caret, its last line.
Snippet saetning(const char *navn, const QString &tekst, const QStringList &foerste, const QString &sidste,
                 const QString &undermenu = {})
{
    return linier(navn, tekst, foerste + QStringList{QString(), sidste}, int(foerste.size()), false, {}, undermenu);
}

} // namespace

const QList<Snippet> &aspSnippets()
{
    static const QList<Snippet> l{
        koder("incButton", QStringLiteral("Udskriver: <!--#include file=\"FILNAVN.inc\"-->"),
              QStringLiteral("<!--#include file=\".inc\"-->"), u'"'),
        linier("mAspScriptkoder", QStringLiteral("<%...%>"), {QStringLiteral("<%"), QString(), QStringLiteral("%>")}, 1, false,
               QStringLiteral("Angiver at indholdet er scriptkoder")),
        koder("mAspRequest", QStringLiteral("Request"), QStringLiteral("Request(\"\")"), u'"'),
        koder("mAspRequestForm", QStringLiteral("Request.Form"), QStringLiteral("Request.Form(\"\")"), u'"'),
        koder("mAspRequestQS", QStringLiteral("Request.QueryString"), QStringLiteral("Request.QueryString(\"\")"), u'"'),
        koder("mAspResponseWrite", QStringLiteral("Response.Write"), QStringLiteral("Response.Write "), u' '),
        kode("mAspWrite", QStringLiteral("<%=%>"), QStringLiteral("<%="), QStringLiteral("%>"),
             QStringLiteral("Udskriv script variabel/værdi i html dokumentet")),
        koder("mAspApplicationVar", QStringLiteral("Application variabel"), QStringLiteral("Application(\"\")"), u'"'),
        koder("mAspSessionVar", QStringLiteral("Session variabel"), QStringLiteral("Session(\"\")"), u'"'),
    };
    return l;
}

const QList<Snippet> &htmlSnippets()
{
    static const QList<Snippet> l{
        linier("puMstyle", QStringLiteral("Indsæt stylekoder"),
               {QStringLiteral("<style>"), QString(), QStringLiteral("</style>")}, 1, false),
        linier("puMscript", QStringLiteral("Indsæt scriptkoder"),
               {QStringLiteral("<script>"), QString(), QStringLiteral("</script>")}, 1, false),
        kode("puMdivdiv1", QStringLiteral("<div></div>"), QStringLiteral("<div>"), QStringLiteral("</div>")),
        kode("puMspanspan1", QStringLiteral("<span></span>"), QStringLiteral("<span>"), QStringLiteral("</span>")),
        kode("puMpp1", QStringLiteral("<p></p>"), QStringLiteral("<p>"), QStringLiteral("</p>")),
    };
    return l;
}

const QList<Snippet> &cssSnippets()
{
    static const QList<Snippet> l{
        linier("nySelectorKnap", QStringLiteral("Ny selector blok"), {QStringLiteral("SELECTOR{"), QString(), QStringLiteral("}")}, 1, true),
        linier("nyClassSelectorKnap", QStringLiteral("Class selector"), {QStringLiteral(".CLASS{"), QString(), QStringLiteral("}")}, 1, true),
        linier("nyIdSelectorKnap", QStringLiteral("Id selector"), {QStringLiteral("#ID{"), QString(), QStringLiteral("}")}, 1, true),
    };
    return l;
}

const QList<Snippet> &vbsSaetninger()
{
    const QString priv = QStringLiteral("Private"), pub = QStringLiteral("Public");
    static const QList<Snippet> l{
        saetning("vbs1", QStringLiteral("If ... End If"), {QStringLiteral("If BETINGELSE Then")}, QStringLiteral("End If")),
        saetning("vbs2", QStringLiteral("Select Case ... End Select"),
                 {QStringLiteral("Select Case VARIABEL"), QStringLiteral("Case VALUE")}, QStringLiteral("End Select")),
        saetning("vbs3", QStringLiteral("Do While .. Loop"), {QStringLiteral("Do While BETINGELSE")}, QStringLiteral("Loop")),
        saetning("vbs4", QStringLiteral("Do Until ... Loop"), {QStringLiteral("Do Until BETINGELSE")}, QStringLiteral("Loop")),
        saetning("vbs5", QStringLiteral("Do ... Loop While"), {QStringLiteral("Do")}, QStringLiteral("Loop While BETINGELSE")),
        saetning("vbs6", QStringLiteral("Do ... Loop Until"), {QStringLiteral("Do")}, QStringLiteral("Loop Until BETINGELSE")),
        saetning("vbs7", QStringLiteral("For Each ... in ... Next"), {QStringLiteral("For Each ELEMENT In ELEMENTER")}, QStringLiteral("Next")),
        saetning("vbs8", QStringLiteral("For ... To ... Next"), {QStringLiteral("For VAR = VALUE to VALUE")}, QStringLiteral("Next")),
        saetning("vbs9", QStringLiteral("Function ... End Function"), {QStringLiteral("Function FUNKTIONSNAVN")}, QStringLiteral("End Function")),
        saetning("vbs10", QStringLiteral("Sub ... End Sub"), {QStringLiteral("Sub PROCEDURENAVN")}, QStringLiteral("End Sub")),
        saetning("vbs11", QStringLiteral("Class ... End Class"), {QStringLiteral("Class OBJEKTNAVN")}, QStringLiteral("End Class")),
        saetning("vbs12", QStringLiteral("Function ... End Function"), {QStringLiteral("Private Function FUNKTIONSNAVN")},
                 QStringLiteral("End Function"), priv),
        saetning("vbs13", QStringLiteral("Sub ... End Sub"), {QStringLiteral("Private Sub PROCEDURENAVN")}, QStringLiteral("End Sub"), priv),
        saetning("vbs14", QStringLiteral("Function ... End Function"), {QStringLiteral("Public Function FUNKTIONSNAVN")},
                 QStringLiteral("End Function"), pub),
        saetning("vbs15", QStringLiteral("Sub ... End Sub"), {QStringLiteral("Public Sub PROCEDURENAVN")}, QStringLiteral("End Sub"), pub),
        saetning("vbs16", QStringLiteral("Property Let ... End Property"), {QStringLiteral("Public Property Let PROPERTYNAVN(VALUE)")},
                 QStringLiteral("End Property"), pub),
        saetning("vbs17", QStringLiteral("Property Get ... End Property"), {QStringLiteral("Public Property Get PROPERTYNAVN")},
                 QStringLiteral("End Property"), pub),
        saetning("vbs18", QStringLiteral("Property Set ... End Property"), {QStringLiteral("Public Property Set PROPERTYNAVN(VALUE)")},
                 QStringLiteral("End Property"), pub),
    };
    return l;
}

void begyndPaaTomLinie(Tinfotag &taginf)
{
    TEditor *edit = taginf.Editor();
    if (!edit)
        return;
    const int line = edit->caretLine();
    if (edit->lineText(line).trimmed().isEmpty())
        return;
    const qsizetype end = edit->lineEnd(line);
    edit->replaceRange(end, end, QStringLiteral("\r"));
    edit->setCaretPos(end + 1);
}

const Snippet *findSnippet(const QString &navn)
{
    for (const QList<Snippet> *l : {&aspSnippets(), &htmlSnippets(), &cssSnippets(), &vbsSaetninger()})
        for (const Snippet &s : *l)
            if (s.navn == navn)
                return &s;
    return nullptr;
}

void skrivSnippet(Tinfotag &taginf, const Snippet &s)
{
    TEditor *edit = taginf.Editor();
    if (!edit)
        return;
    switch (s.art) {
    case Snippet::Koder:
        taginf.UdskrivKoder(s.dele.value(0), s.tegn, s.antal);
        break;
    case Snippet::Kode:
        taginf.UdskrivKode(s.dele.value(0), s.dele.value(1));
        break;
    case Snippet::Linier: {
        // Line by line as the writers do, gathered into one undo step.
        edit->beginUndoAction();
        begyndPaaTomLinie(taginf);
        const qsizetype n = s.dele.size();
        for (qsizetype i = 0; i < n; ++i) {
            const bool sidste = i == n - 1;
            taginf.InsertLine(s.dele[i], !sidste || s.sidsteLinieskift, i + 1 == s.caretLinie, sidste);
        }
        edit->endUndoAction();
        break;
    }
    }
}

} // namespace codewriting
