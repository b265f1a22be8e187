#include "generators/kodeskrivere.h"

#include "codewriting/taginfo.h"
#include "core/inputfilters.h"

#include <QStringList>

namespace generators {

namespace {

// A count that must be above zero: empty and "0" give `mangler`.
QString kraevetAntal(const QString &text, const QString &mangler, int &value)
{
    if (text.isEmpty() || text == u"0")
        return mangler;
    const std::optional<int> n = core::laesAntal(text);
    if (!n)
        return core::ugyldigtAntalTekst(text);
    value = *n;
    return {};
}

// A count where an empty field means 0.
QString valgfritAntal(const QString &text, int &value)
{
    value = 0;
    if (text.isEmpty())
        return {};
    const std::optional<int> n = core::laesAntal(text);
    if (!n)
        return core::ugyldigtAntalTekst(text);
    value = *n;
    return {};
}

// The lines as one write (one undo step), the last with or without a line break.
void skrivLinier(Tinfotag &taginf, const QStringList &lines, bool sidsteMedLinieskift)
{
    begyndPaaTomLinie(taginf);
    taginf.InsertLine(lines.join(u'\r'), sidsteMedLinieskift, false, false);
}

QString raekke(int celler, bool header, bool enLinie)
{
    const QString celle = header ? QStringLiteral("<th></th>") : QStringLiteral("<td></td>");
    if (enLinie)
        return QStringLiteral("<tr>") + celle.repeated(celler) + QStringLiteral("</tr>");
    QStringList lines{QStringLiteral("<tr>")};
    for (int i = 0; i < celler; ++i)
        lines << celle;
    lines << QStringLiteral("</tr>");
    return lines.join(u'\r');
}

void raekker(QStringList &lines, int antal, int celler, bool header, bool enLinie)
{
    const QString r = raekke(celler, header, enLinie);
    for (int i = 0; i < antal; ++i)
        lines << r;
}

QStringList medStyle(QStringList rules, bool styleKode)
{
    if (styleKode) {
        rules.prepend(QStringLiteral("<style type=\"text/css\">"));
        rules << QStringLiteral("</style>");
    }
    return rules;
}

} // namespace

QString forMangeTekst()
{
    return QStringLiteral("Der kan højst skrives %1 elementer ad gangen.\rSkriv et mindre antal.").arg(kMaksElementer);
}

QString skrivTabel(Tinfotag &taginf, const Tabelvalg &valg)
{
    int kolonner = 0;
    if (QString fejl = kraevetAntal(valg.kolonner, QStringLiteral("Der mangler antal kolonner!"), kolonner); !fejl.isEmpty())
        return fejl;
    int r = 0, h = 0, b = 0, f = 0;
    if (valg.udenStruktur) {
        if (QString fejl = kraevetAntal(valg.raekker, QStringLiteral("Der mangler antal rækker!"), r); !fejl.isEmpty())
            return fejl;
    } else {
        for (const auto &[text, value] : {std::pair{valg.head, &h}, {valg.body, &b}, {valg.foot, &f}})
            if (QString fejl = valgfritAntal(text, *value); !fejl.isEmpty())
                return fejl;
    }
    const qint64 rows = qint64(r) + (valg.udenStruktur && valg.medTh ? 1 : 0) + h + b + f;
    if (rows * qMax(kolonner, 1) > kMaksElementer)
        return forMangeTekst();

    QStringList lines{QStringLiteral("<table>")};
    if (!valg.caption.isEmpty())
        lines << QStringLiteral("<caption>") + valg.caption + QStringLiteral("</caption>");
    if (valg.udenStruktur) {
        if (valg.medTh)
            raekker(lines, 1, kolonner, true, valg.linier);
        raekker(lines, r, kolonner, false, valg.linier);
    } else {
        const struct { int antal; const char *tag; bool header; } dele[] = {
            {h, "thead", true}, {b, "tbody", false}, {f, "tfoot", false}};
        for (const auto &del : dele) {
            if (del.antal <= 0)
                continue;
            const QString tag = QString::fromLatin1(del.tag);
            lines << u'<' + tag + u'>';
            raekker(lines, del.antal, kolonner, del.header, valg.linier);
            lines << QStringLiteral("</") + tag + u'>';
        }
    }
    lines << QStringLiteral("</table>");
    skrivLinier(taginf, lines, false);
    return {};
}

QString skrivColgroup(Tinfotag &taginf, const QString &antal, bool span, bool style)
{
    int n = 0;
    if (QString fejl = kraevetAntal(antal, QStringLiteral("Der mangler antal col-elementer!"), n); !fejl.isEmpty())
        return fejl;
    if (n > kMaksElementer)
        return forMangeTekst();
    QString col = QStringLiteral("<col");
    if (span)
        col += QStringLiteral(" span=\"\"");
    if (style)
        col += QStringLiteral(" style=\"\"");
    col += u'>';
    QStringList lines{QStringLiteral("<colgroup>")};
    for (int i = 0; i < n; ++i)
        lines << col;
    lines << QStringLiteral("</colgroup>");
    skrivLinier(taginf, lines, false);
    return {};
}

void skrivTabelCSS(Tinfotag &taginf, bool styleKode)
{
    const QStringList rules{QStringLiteral("caption{}"), QStringLiteral("thead{}"), QStringLiteral("tbody{}"),
                            QStringLiteral("tfoot{}"), QStringLiteral("table,th,td{}"), QStringLiteral("th,td{}")};
    skrivLinier(taginf, medStyle(rules, styleKode), !styleKode);
}

QString listeTag(int type)
{
    static const char *const tags[] = {"ul", "ol", "dl", "select", "datalist"};
    return QString::fromLatin1(tags[qBound(0, type, 4)]);
}

QString skrivListe(Tinfotag &taginf, int type, const QString &antal)
{
    int k = 0;
    if (QString fejl = valgfritAntal(antal, k); !fejl.isEmpty())
        return fejl;
    if (k > kMaksElementer)
        return forMangeTekst();
    const QString tag = listeTag(type);
    const QString start = type == Datalist ? QStringLiteral("<datalist id=\"\">") : u'<' + tag + u'>';
    const QString end = QStringLiteral("</") + tag + u'>';
    QString item = QStringLiteral("<li></li>");
    if (type == Dl)
        item = QStringLiteral("<dt></dt><dd></dd>");
    else if (type == Select || type == Datalist)
        item = QStringLiteral("<option value=\"\"></option>");

    begyndPaaTomLinie(taginf);
    if (k == 0) {
        // The caret waits on the empty line inside the list.
        taginf.InsertLine(start, true, true, false);
        taginf.InsertLine(QString(), true, false, false);
        taginf.InsertLine(end, true, false, true);
        return {};
    }
    QStringList lines;
    if (type == Datalist)
        lines << QStringLiteral("<input list=\"\">");
    lines << start;
    for (int i = 0; i < k; ++i)
        lines << item;
    lines << end;
    skrivLinier(taginf, lines, false);
    return {};
}

QString skrivOptgroup(Tinfotag &taginf, const QString &antal)
{
    int k = 0;
    if (QString fejl = valgfritAntal(antal, k); !fejl.isEmpty())
        return fejl;
    if (k > kMaksElementer)
        return forMangeTekst();
    QStringList lines{QStringLiteral("<optgroup label=\"\">")};
    for (int i = 0; i < k; ++i)
        lines << QStringLiteral("<option value=\"\"></option>");
    lines << QStringLiteral("</optgroup>");
    skrivLinier(taginf, lines, true);
    return {};
}

void skrivListeCSS(Tinfotag &taginf, int type, bool kunValgte, bool styleKode)
{
    static const QStringList regler[] = {
        {QStringLiteral("ul{}"), QStringLiteral("ul li{}")},
        {QStringLiteral("ol{}"), QStringLiteral("ol li{}")},
        {QStringLiteral("dl{}"), QStringLiteral("dt{}"), QStringLiteral("dd{}")},
        {QStringLiteral("select{}"), QStringLiteral("select option{}"), QStringLiteral("optgroup{}"),
         QStringLiteral("optgroup option{}")},
        {QStringLiteral("datalist{}"), QStringLiteral("datalist option{}"), QStringLiteral("input{}")},
    };
    QStringList rules;
    if (kunValgte)
        rules = regler[qBound(0, type, 4)];
    else
        for (const QStringList &r : regler)
            rules << r;
    skrivLinier(taginf, medStyle(rules, styleKode), true);
}

QString skrivLinks(Tinfotag &taginf, const Linkvalg &valg)
{
    if (valg.type == StyleSheet) {
        taginf.UdskrivTekst(QStringLiteral("<link rel=\"stylesheet\" type=\"text/css\" href=\""), QStringLiteral("\">"),
                            true, true, false);
        return {};
    }
    if (valg.type == Script) {
        taginf.UdskrivTekst(QStringLiteral("<script type=\"text/javascript\" src=\""), QStringLiteral("\"></script>"),
                            true, true, false);
        return {};
    }
    int n = 0;
    if (QString fejl = valgfritAntal(valg.antal, n); !fejl.isEmpty())
        return fejl;
    if (n > kMaksElementer)
        return forMangeTekst();
    QString tail = valg.target ? QStringLiteral("\" target=\"\"></a>") : QStringLiteral("\"></a>");
    if (valg.type == AhrefBr)
        tail += QStringLiteral("<br>");
    // Without links the caret waits inside the empty nav element.
    if (valg.nav)
        taginf.UdskrivTekst(QStringLiteral("<nav>"), QString(), n == 0, false, true);
    for (int i = 1; i <= n; ++i) {
        const bool last = i == n;
        taginf.UdskrivTekst(QStringLiteral("<a href=\""), tail, i == 1, last && !valg.nav, !(last && !valg.nav));
    }
    if (valg.nav)
        taginf.UdskrivTekst(QStringLiteral("</nav>"), QString(), false, true, false);
    return {};
}

void skrivLinkCSS(Tinfotag &taginf, bool styleKode)
{
    const QStringList rules{QStringLiteral("a{}"), QStringLiteral("a:visited{}"), QStringLiteral("a:hover{}"),
                            QStringLiteral("a:active{}"), QStringLiteral("a:focus{}")};
    skrivLinier(taginf, medStyle(rules, styleKode), !styleKode);
}

} // namespace generators
