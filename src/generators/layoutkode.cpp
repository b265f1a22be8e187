#include "generators/layoutkode.h"

#include "codewriting/taginfo.h"
#include "core/inputfilters.h"
#include "generators/kodeskrivere.h"

namespace generators {

namespace {

const QString kManglerNavn = QStringLiteral("Der mangler et selektor-navn!");
const QString kStyleStart = QStringLiteral("<style type=\"text/css\">");
const QString kStyleSlut = QStringLiteral("</style>");

Layoutkode fejl(const QString &message)
{
    Layoutkode k;
    k.fejl = message;
    return k;
}

bool kunCifre(const QString &text)
{
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// Checks the number and colour fields a writer is about to use. An empty number field counts
// as 0, as its filter would make it; anything else the filters would not let through is
// refused, so it never reaches the page.
class Kontrol {
public:
    QString tal(const QString &text, const char *felt)
    {
        if (text.isEmpty())
            return QStringLiteral("0");
        if (m_fejl.isEmpty() && !kunCifre(text))
            m_fejl = QStringLiteral("Feltet %1 skal holde et helt tal, ikke \"%2\".").arg(QString::fromUtf8(felt), text);
        return text;
    }
    const QString &farve(const QString &text, const char *felt)
    {
        if (m_fejl.isEmpty() && !gyldigFarve(text))
            m_fejl = QStringLiteral("\"%1\" i feltet %2 er ikke en farve.\rSkriv # og seks hexadecimale cifre, "
                                    "for eksempel #FF0000.")
                         .arg(text, QString::fromUtf8(felt));
        return text;
    }
    const QString &fejl() const { return m_fejl; }

private:
    QString m_fejl;
};

QString punkt(const QStringList &items, int index)
{
    return items.value(qBound(0, index, int(items.size()) - 1));
}

QString fireGange(const QString &value, const QString &unit)
{
    const QString one = value + unit;
    return one + u' ' + one + u' ' + one + u' ' + one;
}

void medStyle(Layoutkode &k, bool styleKode)
{
    if (styleKode) {
        k.linier.prepend(kStyleStart);
        k.linier << kStyleSlut;
        k.sidsteLinieskift = false;
    }
}

// The border and shadow lines both box windows write, after their own first lines.
struct Ramme {
    QString bredde, radius, vandret, lodret;
    bool medRamme, medSkygge;
};

Ramme laesRamme(const BoksValg &v, Kontrol &k)
{
    Ramme r;
    r.bredde = k.tal(v.rammeBredde, "Bredde (ramme)");
    r.radius = k.tal(v.radius, "Hjørne radius");
    r.vandret = k.tal(v.vandret, "Vandret (skygge)");
    r.lodret = k.tal(v.lodret, "Lodret (skygge)");
    r.medRamme = r.bredde != u"0";
    r.medSkygge = r.vandret != u"0" || r.lodret != u"0";
    k.farve(v.baggrund, "Baggrund");
    k.farve(v.tekst, "Tekst");
    if (r.medRamme)
        k.farve(v.rammeFarve, "Farve (ramme)");
    if (r.medSkygge)
        k.farve(v.skyggeFarve, "Farve (skygge)");
    return r;
}

void rammeLinier(QStringList &l, const BoksValg &v, const Ramme &r, bool breddeFireGange)
{
    if (r.medRamme) {
        const QString s = punkt(rammeStile(), v.stil);
        l << QStringLiteral("border-style: ") + fireGange(s, QString()) + u';';
        l << QStringLiteral("border-width: ") + (breddeFireGange ? fireGange(r.bredde, QStringLiteral("px")) : r.bredde + QStringLiteral("px")) + u';';
        l << QStringLiteral("border-color: ") + v.rammeFarve + u';';
    }
    if (r.radius != u"0")
        l << QStringLiteral("border-radius: ") + r.radius + QStringLiteral("px;");
    if (r.medSkygge)
        l << QStringLiteral("box-shadow: ") + r.vandret + QStringLiteral("px ") + r.lodret + QStringLiteral("px ") + v.skyggeFarve + u';';
}

} // namespace

void skrivLayout(Tinfotag &taginf, const Layoutkode &kode)
{
    TEditor *edit = taginf.Editor();
    if (!edit || !kode.fejl.isEmpty())
        return;
    edit->beginUndoAction();
    begyndPaaTomLinie(taginf);
    const int first = edit->caretLine();
    taginf.InsertLine(kode.linier.join(u'\r'), kode.sidsteLinieskift, false, false);
    if (kode.caretLinie >= 0)
        edit->setCaretPos(edit->lineStart(first + kode.caretLinie));
    edit->endUndoAction();
}

bool gyldigFarve(const QString &text)
{
    const qsizetype n = text.size() - 1;
    if (n != 3 && n != 4 && n != 6 && n != 8)
        return false;
    if (text.front() != u'#')
        return false;
    for (qsizetype i = 1; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (!((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f')))
            return false;
    }
    return true;
}

const QStringList &rammeStile()
{
    static const QStringList l{"none", "hidden", "dotted", "dashed", "solid", "double", "groove", "ridge", "inset", "outset"};
    return l;
}

const QStringList &displayTyper()
{
    static const QStringList l{"inline", "block", "flex", "inline-block", "inline-flex", "inline-table",
                               "list-item", "run-in", "table", "table-caption", "table-column-group",
                               "table-header-group", "table-footer-group", "table-row-group", "table-cell",
                               "table-column", "table-row", "none"};
    return l;
}

const QStringList &tekstJusteringer()
{
    static const QStringList l{"left", "right", "center", "justify"};
    return l;
}

const QStringList &tekstFordelinger()
{
    static const QStringList l{"auto", "inter-word", "inter-ideograph", "inter-cluster", "distribute", "kashida", "trim", "none"};
    return l;
}

const QStringList &kolonneUdfyldninger()
{
    static const QStringList l{"auto", "balance"};
    return l;
}

const QStringList &kolonneLinieStile()
{
    static const QStringList l{"none", "dotted", "dashed", "solid", "double", "groove", "ridge", "inset", "outset"};
    return l;
}

const QStringList &flexListe(int box)
{
    static const QStringList l[4] = {
        {"stretch;", "center;", "flex-start;", "flex-end;", "baseline;"},
        {"flex-start;", "flex-end;", "center;", "space-between;", "space-around;"},
        {"row;", "row-reverse;", "column;", "column-reverse;"},
        {"nowrap;", "wrap;", "wrap-reverse;"}};
    return l[qBound(0, box, 3)];
}

Layoutkode spalteCss(const SpalteCssValg &v)
{
    if (v.navn.isEmpty())
        return fejl(kManglerNavn);
    Kontrol k;
    const QString margin = k.tal(v.margin, "Margin"), padding = k.tal(v.padding, "Padding");
    const Ramme r = laesRamme(v, k);
    if (!k.fejl().isEmpty())
        return fejl(k.fejl());
    Layoutkode kode;
    QStringList &l = kode.linier;
    l << u'.' + v.navn + u'{' << QStringLiteral("box-sizing: border-box;")
      << QStringLiteral("margin: ") + margin + QStringLiteral("px;")
      << QStringLiteral("padding: ") + padding + QStringLiteral("px;")
      << QStringLiteral("background-color: ") + v.baggrund + u';';
    rammeLinier(l, v, r, false);
    if (v.justify)
        l << QStringLiteral("text-align: justify;");
    if (v.distribute)
        l << QStringLiteral("text-justify: distribute;");
    l << QStringLiteral("color: ") + v.tekst + u';' << QStringLiteral("}");
    medStyle(kode, v.styleKode);
    return kode;
}

QString egentligBredde(const QString &bredde, const QString &margin)
{
    const qint64 w = core::GetPosTal(bredde).toLongLong(), m = core::GetPosTal(margin).toLongLong();
    return QString::number(w + 2 * m);
}

Layoutkode spalter(const SpalteValg &v)
{
    qint64 tal[4] = {};
    const QString *felter[4] = {&v.margin, &v.bredde, &v.spalter, &v.raekker};
    for (int i = 0; i < 4; ++i) {
        const QString text = felter[i]->isEmpty() ? QStringLiteral("0") : *felter[i];
        const std::optional<int> n = core::laesAntal(text);
        if (!n)
            return fejl(core::ugyldigtAntalTekst(text));
        tal[i] = *n;
    }
    const qint64 m = tal[0], W = tal[1], S = qMax<qint64>(tal[2], 1), R = qMax<qint64>(tal[3], 1);
    if (R * (S + 2) > kMaksElementer)
        return fejl(forMangeTekst());
    const qint64 B = ((W + 2 * m) - 2 * S * m) / S;
    if (B < 0)
        return fejl(QStringLiteral("Rækken er for smal til %1 spalter med en margin på %2 pixels.\r"
                                   "Gør rækken bredere eller margin mindre.").arg(S).arg(m));
    const QString spalte = QStringLiteral("<div class=\"") + v.navn + QStringLiteral("\" style=\"min-width: ")
        + QString::number(B) + QStringLiteral("px;\"></div>");
    Layoutkode kode;
    for (qint64 r = 0; r < R; ++r) {
        kode.linier << QStringLiteral("<div style=\"display: flex;\">");
        for (qint64 s = 0; s < S; ++s)
            kode.linier << spalte;
        kode.linier << QStringLiteral("</div>");
    }
    return kode;
}

Layoutkode kolonneCss(const KolonneCssValg &v)
{
    if (v.navn.isEmpty())
        return fejl(kManglerNavn);
    Kontrol k;
    const QString antal = k.tal(v.antal, "Antal (column-count)");
    const QString gap = k.tal(v.mellemrum, "Mellemrum (column-gap)");
    const QString hoejde = k.tal(v.hoejde, "Kolonnehøjde");
    const QString bredde = k.tal(v.linieBredde, "Bredde (column-rule-width)");
    k.farve(v.linieFarve, "Farve (column-rule-color)");
    if (!k.fejl().isEmpty())
        return fejl(k.fejl());
    Layoutkode kode;
    QStringList &l = kode.linier;
    l << u'.' + v.navn + u'{';
    if (hoejde != u"0")
        l << QStringLiteral("height: ") + hoejde + QStringLiteral("px;");
    l << QStringLiteral("column-count: ") + antal + u';'
      << QStringLiteral("column-fill: ") + punkt(kolonneUdfyldninger(), v.udfyldning) + u';'
      << (gap == u"0" ? QStringLiteral("column-gap: normal;") : QStringLiteral("column-gap: ") + gap + QStringLiteral("px;"))
      << QStringLiteral("column-rule-style: ") + punkt(kolonneLinieStile(), v.linieStil) + u';'
      << QStringLiteral("column-rule-color: ") + v.linieFarve + u';'
      << QStringLiteral("column-rule-width: ") + (bredde == u"0" ? QStringLiteral("medium") : bredde + QStringLiteral("px")) + u';'
      << QStringLiteral("}");
    if (v.overskrift)
        l << u'.' + v.overskriftNavn + u'{' << QStringLiteral("font-size: 1.4em;") << QStringLiteral("color: #000000;")
          << QStringLiteral("column-span: all;") << QStringLiteral("}");
    medStyle(kode, v.styleKode);
    return kode;
}

Layoutkode kolonner(const KolonneValg &v)
{
    Layoutkode kode;
    kode.linier << QStringLiteral("<div class=\"") + v.navn + QStringLiteral("\">");
    if (v.overskrift)
        kode.linier << QStringLiteral("<div class=\"") + v.overskriftNavn + QStringLiteral("\"></div>");
    kode.linier << QString() << QStringLiteral("</div>");
    kode.sidsteLinieskift = false;
    return kode;
}

Layoutkode kontainerCss(const KontainerValg &v)
{
    if (v.navn.isEmpty())
        return fejl(kManglerNavn);
    Kontrol k;
    const QString margin = k.tal(v.margin, "Margin"), padding = k.tal(v.padding, "Padding");
    const Ramme r = laesRamme(v, k);
    if (!k.fejl().isEmpty())
        return fejl(k.fejl());
    Layoutkode kode;
    QStringList &l = kode.linier;
    l << u'.' + v.navn + u'{' << QStringLiteral("display: ") + punkt(displayTyper(), v.display) + u';'
      << QStringLiteral("margin: ") + fireGange(margin, QStringLiteral("px")) + u';'
      << QStringLiteral("padding: ") + fireGange(padding, QStringLiteral("px")) + u';'
      << QStringLiteral("background-color: ") + v.baggrund + u';';
    rammeLinier(l, v, r, true);
    l << QStringLiteral("color: ") + v.tekst + u';';
    if (v.tilpasning)
        l << QStringLiteral("text-align: ") + punkt(tekstJusteringer(), v.align) + u';'
          << QStringLiteral("text-justify: ") + punkt(tekstFordelinger(), v.textJustify) + u';';
    l << QStringLiteral("}");
    medStyle(kode, v.styleKode);
    return kode;
}

Layoutkode kontainer(const QString &navn)
{
    Layoutkode kode;
    kode.linier << QStringLiteral("<div class=\"") + navn + QStringLiteral("\">") << QString() << QStringLiteral("</div>");
    kode.sidsteLinieskift = false;
    kode.caretLinie = 1;
    return kode;
}

Layoutkode flexCss(const FlexValg &v)
{
    const QString antal = v.antal.isEmpty() ? QStringLiteral("0") : v.antal;
    const std::optional<int> n = core::laesAntal(antal);
    if (!n)
        return fejl(core::ugyldigtAntalTekst(antal));
    if (v.navn.isEmpty())
        return fejl(kManglerNavn);
    if (*n > kMaksElementer)
        return fejl(forMangeTekst());
    Layoutkode kode;
    QStringList &l = kode.linier;
    l << u'.' + v.navn + u'{';
    const char *const fkNavne[] = {"margin: ", "background-color: ", "box-shadow: ", "border: ", "border-radius: "};
    for (int i = 0; i < 5; ++i)
        if (v.cb[i])
            l << QString::fromLatin1(fkNavne[i]) + v.fk[i];
    l << QStringLiteral("display: flex;");
    const char *const boxNavne[] = {"align-items: ", "justify-content: ", "flex-direction: ", "flex-wrap: "};
    for (int i = 0; i < 4; ++i)
        if (v.cb[5 + i])
            l << QString::fromLatin1(boxNavne[i]) + punkt(flexListe(i), v.fkBox[i]);
    l << QStringLiteral("}") << u'.' + v.navn + QStringLiteral(" div{");
    const char *const eNavne[] = {"margin: ", "padding: ", "background-color: ", "box-shadow: ", "border: ", "border-radius: "};
    for (int i = 0; i < 6; ++i)
        if (v.cb[9 + i])
            l << QString::fromLatin1(eNavne[i]) + v.e[i];
    l << QStringLiteral("}");
    for (int i = 1; i <= *n; ++i) {
        l << u'.' + v.navn + QStringLiteral(" div:nth-of-type(") + QString::number(i) + QStringLiteral("){");
        if (v.cb[15])
            l << QStringLiteral("flex-grow: 0;");
        if (v.cb[16])
            l << QStringLiteral("flex-shrink: 0;");
        if (v.cb[17])
            l << QStringLiteral("flex-basis: ") + v.basis;
        if (v.cb[18])
            l << QStringLiteral("order: ") + QString::number(i) + u';';
        l << QStringLiteral("}");
    }
    medStyle(kode, v.styleKode);
    return kode;
}

Layoutkode flex(const QString &navn, const QString &antal)
{
    const QString tekst = antal.isEmpty() ? QStringLiteral("1") : antal;
    const std::optional<int> n = core::laesAntal(tekst);
    if (!n)
        return fejl(core::ugyldigtAntalTekst(tekst));
    if (navn.isEmpty())
        return fejl(kManglerNavn);
    if (*n > kMaksElementer)
        return fejl(forMangeTekst());
    Layoutkode kode;
    kode.linier << QStringLiteral("<div class=\"") + navn + QStringLiteral("\">");
    if (*n > 0)
        for (int i = 0; i < *n; ++i)
            kode.linier << QStringLiteral("<div></div>");
    else
        kode.linier << QString();
    kode.linier << QStringLiteral("</div>");
    kode.sidsteLinieskift = false;
    return kode;
}

} // namespace generators
