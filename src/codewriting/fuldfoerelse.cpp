#include "codewriting/fuldfoerelse.h"

#include "analysis/tagscanner.h"
#include "codewriting/kodepanelfiler.h"
#include "codewriting/taginfo.h"
#include "codewriting/taglist.h"
#include "core/programfolder.h"
#include "core/textfile.h"
#include "editor/editor.h"

#include <QColor>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace fuldfoerelse {

namespace {

// How far back from the caret the "<" of a tag or the "{" of a CSS rule is looked for.
constexpr qsizetype kMaksTilbage = 20000;
// The longest word taken as the typed part of an entry.
constexpr qsizetype kMaksOrd = 64;

bool erBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool erOrdTegn(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'-'
        || c == u'_';
}

bool erBogstav(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

QString stykke(const ScanText &text, qsizetype from, qsizetype to)
{
    QString s;
    s.reserve(std::max<qsizetype>(to - from, 0));
    for (qsizetype i = from; i < to; ++i)
        s += text.at(i);
    return s;
}

// Inside a CSS declaration block: decl is the text from the block's start to the word.
Kontekst cssKontekst(QStringView blok, qsizetype ordStart, const QString &ord)
{
    Kontekst k;
    qsizetype d = blok.size() - 1;
    while (d >= 0 && blok[d] != u';' && blok[d] != u'{')
        --d;
    const QStringView decl = blok.mid(d + 1);
    const qsizetype kolon = decl.indexOf(u':');
    if (kolon < 0) {
        if (!decl.trimmed().isEmpty())
            return k;   // a second word before any colon: not a property being begun
        k.slags = Slags::CssEgenskab;
    } else {
        const QStringView egenskab = decl.left(kolon).trimmed();
        if (egenskab.isEmpty() || !std::all_of(egenskab.begin(), egenskab.end(), erOrdTegn))
            return k;
        k.slags = Slags::CssVaerdi;
        k.egenskab = egenskab.toString().toLower();
    }
    k.fra = ordStart;
    k.skrevet = ord;
    return k;
}

// The start tag from "<" to the word at the caret, read from the left: the element, and
// where the word stands in it.
Kontekst tagKontekst(const QString &tag, qsizetype lt, qsizetype ordStart, const QString &ord)
{
    enum { Navn, Mellem, AttrNavn, EfterNavn, EfterLig, Citeret, Ucitoeret } tilstand = Navn;
    QString navn, attribut;
    QChar citat;
    qsizetype vaerdiStart = 0;
    for (qsizetype i = 1; i < tag.size(); ++i) {
        const QChar c = tag[i];
        switch (tilstand) {
        case Navn:
            if (erBlank(c))
                tilstand = Mellem;
            else if (c == u'/' || c == u'>')
                return {};
            else
                navn += c;
            break;
        case Mellem:
            if (!erBlank(c) && c != u'/') {
                attribut = c;
                tilstand = AttrNavn;
            }
            break;
        case AttrNavn:
            if (c == u'=')
                tilstand = EfterLig;
            else if (erBlank(c))
                tilstand = EfterNavn;
            else
                attribut += c;
            break;
        case EfterNavn:
            if (c == u'=') {
                tilstand = EfterLig;
            } else if (!erBlank(c)) {
                attribut = c;
                tilstand = AttrNavn;
            }
            break;
        case EfterLig:
            if (c == u'"' || c == u'\'') {
                citat = c;
                vaerdiStart = i + 1;
                tilstand = Citeret;
            } else if (!erBlank(c)) {
                vaerdiStart = i;
                tilstand = Ucitoeret;
            }
            break;
        case Citeret:
            if (c == citat)
                tilstand = Mellem;
            break;
        case Ucitoeret:
            if (erBlank(c))
                tilstand = Mellem;
            break;
        }
    }
    if (navn.isEmpty() || !erBogstav(navn[0]))
        return {};
    Kontekst k;
    k.tag = navn.toLower();
    k.fra = ordStart;
    k.skrevet = ord;
    switch (tilstand) {
    case Mellem:
        k.slags = Slags::Attribut;
        return k;
    case EfterLig:
        k.slags = Slags::Vaerdi;
        k.attribut = attribut.toLower();
        return k;
    case Citeret: {
        k.attribut = attribut.toLower();
        if (k.attribut == u"style") {
            Kontekst css = cssKontekst(QStringView(tag).mid(vaerdiStart), ordStart, ord);
            css.tag = k.tag;
            css.attribut = k.attribut;
            return css;
        }
        // A value of several words (class names): the word after the last blank.
        qsizetype w = tag.size() - 1;
        while (w >= vaerdiStart && !erBlank(tag[w]))
            --w;
        k.slags = Slags::Vaerdi;
        k.skrevet = tag.mid(w + 1) + ord;
        k.fra = lt + w + 1;
        return k;
    }
    default:
        return {};
    }
}

} // namespace

Kontekst findKontekst(const ScanText &text, qsizetype caret, const TagList &nosluttag)
{
    caret = std::clamp<qsizetype>(caret, 0, text.size());
    qsizetype ordStart = caret;
    while (ordStart > 0 && caret - ordStart < kMaksOrd && erOrdTegn(text.at(ordStart - 1)))
        --ordStart;
    if (ordStart > 0 && caret - ordStart >= kMaksOrd && erOrdTegn(text.at(ordStart - 1)))
        return {};
    const QString ord = stykke(text, ordStart, caret);
    const QChar foer = ordStart > 0 ? text.at(ordStart - 1) : QChar();

    Kontekst k;
    if (foer == u'&') {
        k.slags = Slags::Entitet;
        k.fra = ordStart - 1;
        k.skrevet = ord;
        return k;
    }
    if (foer == u'<') {
        if (!ord.isEmpty() && !erBogstav(ord[0]))
            return {};
        k.slags = Slags::Element;
        k.fra = ordStart - 1;
        k.skrevet = ord;
        return k;
    }

    // The nearest "<" before the word, unless a ">" comes first; on the way, the nearest
    // "{" (a CSS rule may be open).
    qsizetype lt = -1, krulle = -1;
    for (qsizetype i = ordStart - 1; i >= 0 && ordStart - i < kMaksTilbage; --i) {
        const QChar c = text.at(i);
        if (c == u'<') {
            lt = i;
            break;
        }
        if (c == u'>')
            break;
        if (krulle == -1 && c == u'{')
            krulle = i;
        if (krulle == -1 && c == u'}')
            krulle = -2;   // after a closed rule: a selector, not a declaration
    }
    if (lt >= 0) {
        if (lt + 1 < ordStart && text.at(lt + 1) == u'/')
            return {};
        return tagKontekst(stykke(text, lt, ordStart), lt, ordStart, ord);
    }
    if (krulle < 0)
        return {};
    const std::optional<TPosData> pos = scanCaret(text, ordStart, nosluttag);
    if (!pos || pos->CurPos != cpBetween || pos->Tag.compare(u"style", Qt::CaseInsensitive) != 0)
        return {};
    return cssKontekst(stykke(text, krulle, ordStart), ordStart, ord);
}

bool aabnerListe(const Kontekst &k, QChar c)
{
    const bool foersteBogstav = k.skrevet.size() == 1 && k.skrevet[0] == c;
    switch (k.slags) {
    case Slags::Ingen:
        return false;
    case Slags::Element:
        return c == u'<' || foersteBogstav;
    case Slags::Entitet:
        return c == u'&' || foersteBogstav;
    case Slags::Attribut:
        return (erBlank(c) && k.skrevet.isEmpty()) || foersteBogstav;
    case Slags::Vaerdi:
        return (k.skrevet.isEmpty() && (c == u'"' || c == u'\'' || c == u'=' || c == u' ')) || foersteBogstav;
    case Slags::CssEgenskab:
        return (k.skrevet.isEmpty() && (c == u'{' || c == u';' || c == u'"' || c == u'\'' || erBlank(c)))
            || foersteBogstav;
    case Slags::CssVaerdi:
        return (k.skrevet.isEmpty() && (c == u':' || c == u' ')) || foersteBogstav;
    }
    return false;
}

// ---------------------------------------------------------------- the entries

Kilder::Kilder(const QString &programDir) : m_dir(programDir)
{
}

namespace {

QStringList sorteret(QStringList list)
{
    list.removeAll(QString());
    std::sort(list.begin(), list.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    list.erase(std::unique(list.begin(), list.end()), list.end());
    return list;
}

QStringList laes(const QString &path)
{
    QStringList lines;
    if (!path.isEmpty() && QFileInfo(path).isFile())
        core::readLines(path, lines);
    for (QString &l : lines)
        l = l.trimmed();
    return lines;
}

// Whether the declaration at pos already has its ";" (blanks on the line before it skipped).
bool semikolonFoelger(const TEditor &edit, qsizetype pos)
{
    const QString resten = edit.textRange(pos, std::min(pos + 200, edit.length()));
    for (const QChar c : resten) {
        if (c == u';')
            return true;
        if (c != u' ' && c != u'\t')
            return false;
    }
    return false;
}

// Properties whose value may have more parts after the one chosen ("Arial, sans-serif",
// "1px solid red", "0 auto"): completion leaves the ";" to the author there.
bool vaerdienKanFortsaette(const QString &egenskab)
{
    static const QStringList flere{
        "font", "font-family", "font-variant", "margin", "padding", "inset", "border", "outline", "background",
        "transition", "animation", "transform", "box-shadow", "text-shadow", "text-decoration", "grid",
        "flex", "flex-flow", "list-style", "columns", "gap", "place-", "content", "quotes", "counter-",
        "filter", "mask", "clip-path", "will-change", "src", "scroll-margin", "scroll-padding", "overflow"};
    // A name ending in "-" stands for a family; the others for themselves and their longhands
    // ("border" for "border-top").
    const QString e = egenskab.toLower();
    return std::any_of(flere.begin(), flere.end(), [&](const QString &f) {
        return f.endsWith(u'-') ? e.startsWith(f) : (e == f || e.startsWith(f + u'-'));
    });
}

// A value the CSS box writes when it is chosen; capitals name a heading or a kind of value
// ("COLOR", "LENGTH"), "x.name" points to another property.
bool skrivbarCssVaerdi(const QString &v)
{
    if (v.isEmpty() || (v[0] >= u'A' && v[0] <= u'Z') || v[0] == u':')
        return false;
    return !(v.size() >= 2 && v[1] == u'.');
}

} // namespace

const QStringList &Kilder::attributter(const QString &tag)
{
    auto it = m_attributter.constFind(tag);
    if (it != m_attributter.constEnd())
        return *it;
    const QString dir = m_dir + QStringLiteral("Dir/Attributes/");
    QStringList list = kodepanel::attributliste(dir, tag).items;
    for (int k = 0; k < 2; ++k)   // the global attributes and events
        list += kodepanel::attributKategori(dir, k).items;
    for (QString &l : list)
        l = l.trimmed();
    return *m_attributter.insert(tag, sorteret(list));
}

const QStringList &Kilder::cssEgenskaber()
{
    if (!m_cssLaest) {
        m_cssLaest = true;
        const QStringList par = laes(m_dir + QStringLiteral("Dir/alleCssProp.txt"));
        QStringList navne;
        for (qsizetype i = 0; i + 1 < par.size(); i += 2) {
            const QString &p = par[i];
            if (p.isEmpty() || !(erBogstav(p[0]) || p[0] == u'-') || (p[0] >= u'A' && p[0] <= u'Z'))
                continue;
            navne << p;
            m_cssGruppe.insert(p.toLower(), par[i + 1]);
        }
        m_cssEgenskaber = sorteret(navne);
    }
    return m_cssEgenskaber;
}

const QStringList &Kilder::cssVaerdier(const QString &egenskab)
{
    auto it = m_cssVaerdier.constFind(egenskab);
    if (it != m_cssVaerdier.constEnd())
        return *it;
    cssEgenskaber();
    QStringList list;
    const QString gruppe = m_cssGruppe.value(egenskab);
    if (core::ProgramFolder::isSafeName(gruppe) && core::ProgramFolder::isSafeName(egenskab)) {
        const QString dir = m_dir + QStringLiteral("CSS/Values/") + gruppe + u'/';
        for (const QString &v : laes(core::ProgramFolder::findFileNoCase(dir, egenskab + QStringLiteral(".txt")))) {
            if (v == u"COLOR")
                list << QColor::colorNames();   // the named colours
            else if (skrivbarCssVaerdi(v))
                list << v;
        }
    }
    return *m_cssVaerdier.insert(egenskab, sorteret(list));
}

QStringList Kilder::forslag(const Kontekst &k, const TagList &nosluttag, const TagList &medSlutkode,
                            const TagList &standalone)
{
    switch (k.slags) {
    case Slags::Ingen:
        return {};
    case Slags::Element: {
        QStringList list;
        for (const TagList *l : {&medSlutkode, &nosluttag})
            for (const QString &n : l->items())
                if (!n.isEmpty() && erBogstav(n[0]) && std::all_of(n.begin(), n.end(), erOrdTegn))
                    list << n;
        return sorteret(list);
    }
    case Slags::Attribut:
        return attributter(k.tag);
    case Slags::Vaerdi: {
        QStringList list;
        const QString dir = m_dir + QStringLiteral("Dir/Values/");
        for (const QString &v : kodepanel::valueliste(dir, k.tag, k.attribut, standalone).items)
            if (!kodepanel::erOverskrift(v))
                list << v.trimmed();
        return sorteret(list);
    }
    case Slags::CssEgenskab:
        return cssEgenskaber();
    case Slags::CssVaerdi:
        return cssVaerdier(k.egenskab);
    case Slags::Entitet:
        return entiteter();
    }
    return {};
}

const QStringList &Kilder::entiteter()
{
    // The named character references of HTML 4 and "apos": the ones every browser and
    // every reader of the page knows.
    static const QStringList navne = sorteret({
    "Aacute", "aacute", "Acirc", "acirc", "acute", "AElig", "aelig", "Agrave", "agrave", "alefsym", "Alpha",
    "alpha", "amp", "and", "ang", "apos", "Aring", "aring", "asymp", "Atilde", "atilde", "Auml", "auml",
    "bdquo", "Beta", "beta", "brvbar", "bull", "cap", "Ccedil", "ccedil", "cedil", "cent", "Chi", "chi",
    "circ", "clubs", "cong", "copy", "crarr", "cup", "curren", "Dagger", "dagger", "dArr", "darr", "deg",
    "Delta", "delta", "diams", "divide", "Eacute", "eacute", "Ecirc", "ecirc", "Egrave", "egrave", "empty",
    "emsp", "ensp", "Epsilon", "epsilon", "equiv", "Eta", "eta", "ETH", "eth", "Euml", "euml", "euro",
    "exist", "fnof", "forall", "frac12", "frac14", "frac34", "frasl", "Gamma", "gamma", "ge", "gt", "hArr",
    "harr", "hearts", "hellip", "Iacute", "iacute", "Icirc", "icirc", "iexcl", "Igrave", "igrave", "image",
    "infin", "int", "Iota", "iota", "iquest", "isin", "Iuml", "iuml", "Kappa", "kappa", "Lambda", "lambda",
    "lang", "laquo", "lArr", "larr", "lceil", "ldquo", "le", "lfloor", "lowast", "loz", "lrm", "lsaquo",
    "lsquo", "lt", "macr", "mdash", "micro", "middot", "minus", "Mu", "mu", "nabla", "nbsp", "ndash", "ne",
    "ni", "not", "notin", "nsub", "Ntilde", "ntilde", "Nu", "nu", "Oacute", "oacute", "Ocirc", "ocirc",
    "OElig", "oelig", "Ograve", "ograve", "oline", "Omega", "omega", "Omicron", "omicron", "oplus", "or",
    "ordf", "ordm", "Oslash", "oslash", "Otilde", "otilde", "otimes", "Ouml", "ouml", "para", "part",
    "permil", "perp", "Phi", "phi", "Pi", "pi", "piv", "plusmn", "pound", "Prime", "prime", "prod", "prop",
    "Psi", "psi", "quot", "radic", "rang", "raquo", "rArr", "rarr", "rceil", "rdquo", "real", "reg",
    "rfloor", "Rho", "rho", "rlm", "rsaquo", "rsquo", "sbquo", "Scaron", "scaron", "sdot", "sect", "shy",
    "Sigma", "sigma", "sigmaf", "sim", "spades", "sub", "sube", "sum", "sup", "sup1", "sup2", "sup3", "supe",
    "szlig", "Tau", "tau", "there4", "Theta", "theta", "thetasym", "thinsp", "THORN", "thorn", "tilde",
    "times", "trade", "Uacute", "uacute", "uArr", "uarr", "Ucirc", "ucirc", "Ugrave", "ugrave", "uml",
    "upsih", "Upsilon", "upsilon", "Uuml", "uuml", "weierp", "Xi", "xi", "Yacute", "yacute", "yen", "Yuml",
    "yuml", "Zeta", "zeta", "zwj", "zwnj",
    });
    return navne;
}

// ---------------------------------------------------------------- writing

Slags skriv(Tinfotag &taginf, const QString &item)
{
    TEditor *edit = taginf.Editor();
    if (!edit || item.isEmpty())
        return Slags::Ingen;
    const qsizetype caret = edit->caretPos();
    const Kontekst k = findKontekst(ScanText(edit), caret, taginf.Nosluttagliste());
    if (k.slags == Slags::Ingen)
        return k.slags;

    edit->beginUndoAction();
    // The typed part goes; the panel's primitive writes at its place.
    if (k.slags != Slags::Element && k.slags != Slags::Entitet) {
        edit->replaceRange(k.fra, caret, QString());
        edit->setCaretPos(k.fra);
    } else {
        edit->setSelection(k.fra, caret);
    }
    const QChar foer = k.fra > 0 ? edit->charAt(k.fra - 1) : QChar();
    const QChar foer2 = k.fra > 1 ? edit->charAt(k.fra - 2) : QChar();
    switch (k.slags) {
    case Slags::Element:
        if (taginf.Nosluttagliste().contains(item))
            taginf.UdskrivKoder(u'<' + item + u'>', u'>', 1);
        else
            taginf.UdskrivKoder(u'<' + item + QStringLiteral("></") + item + u'>', u'>', 1);
        break;
    case Slags::Attribut:
        // After a blank the panel's primitive writes the attribute as it stands; that form
        // also serves an attribute at the start of a line, which the primitive leaves.
        if (!erBlank(foer))
            taginf.udskrivAttribut(item);
        else if (taginf.UAttributliste().contains(item))
            taginf.UdskrivKoden(item);
        else
            taginf.UdskrivKoder(item + QStringLiteral("=\"\""), u'"', 1);
        break;
    case Slags::Vaerdi:
        if ((foer == u'=' || (foer == u'"' && foer2 == u'=')) && edit->caretColumn() > 2)
            taginf.udskrivAttValue(k.attribut, item);
        else if (foer == u'=')
            taginf.UdskrivKoden(u'"' + item + u'"');
        else
            taginf.UdskrivKoden(item);
        break;
    case Slags::CssEgenskab:
        taginf.UdskrivKoder(item + QStringLiteral(": "), u' ', 1);
        break;
    case Slags::CssVaerdi:
        if (foer == u':' || (foer == u' ' && foer2 == u':'))
            taginf.udskrivCssValue(k.egenskab, item, !semikolonFoelger(*edit, k.fra) && !vaerdienKanFortsaette(k.egenskab));
        else
            taginf.UdskrivKoden(item);
        break;
    case Slags::Entitet:
        taginf.UdskrivKoden(u'&' + item + u';');
        break;
    case Slags::Ingen:
        break;
    }
    edit->endUndoAction();
    return k.slags;
}

} // namespace fuldfoerelse
