#include "analysis/taglaeser.h"

#include <algorithm>
#include <iterator>

namespace {

bool blank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

// Elements whose content is text up to their own end tag.
constexpr const char16_t *kRaatekst[] = {u"script", u"style", u"textarea", u"title"};

} // namespace

int TagLaeser::raatekst(QStringView navn)
{
    // Most names are none of them: a look at the length and the first letter tells.
    if (navn.size() < 5 || navn.size() > 8 || !QStringView(u"sStT").contains(navn[0]))
        return 0;
    for (int i = 0; i < int(std::size(kRaatekst)); ++i)
        if (navn.compare(QStringView(kRaatekst[i]), Qt::CaseInsensitive) == 0)
            return i + 1;
    return 0;
}

QStringView TagLaeser::raatekstNavn(int nr)
{
    return nr >= 1 && nr <= int(std::size(kRaatekst)) ? QStringView(kRaatekst[nr - 1]) : QStringView();
}

bool TagLaeser::bogstav(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

std::optional<TagLaeser::Tag> TagLaeser::tagNavn(QStringView text, qsizetype lt)
{
    const qsizetype n = text.size();
    if (lt + 1 >= n)
        return std::nullopt;
    Tag tag;
    tag.start = lt;
    tag.slutkode = text[lt + 1] == u'/';
    tag.navnStart = lt + 1 + (tag.slutkode ? 1 : 0);
    if (tag.navnStart >= n || !bogstav(text[tag.navnStart]))
        return std::nullopt;
    tag.navnSlut = tag.navnStart;
    while (tag.navnSlut < n && !navneslut(text[tag.navnSlut]))
        ++tag.navnSlut;
    return tag;
}

bool TagLaeser::navneslut(QChar c)
{
    return blank(c) || c == u'/' || c == u'>' || c == u'<';
}

std::optional<TagLaeser::Tag> TagLaeser::naeste()
{
    const qsizetype n = m_text.size();
    while (m_pos < n) {
        const qsizetype i = m_text.indexOf(u'<', m_pos);
        if (i < 0 || i + 1 >= n) {
            m_pos = n;
            return std::nullopt;
        }
        if (m_text.mid(i, 4) == u"<!--") {
            const qsizetype slut = m_text.indexOf(u"-->", i + 4);
            m_pos = slut < 0 ? n : slut + 3;
            continue;
        }
        std::optional<Tag> fundet = tagNavn(m_text, i);
        if (!fundet) {
            m_pos = i + 1;
            continue;
        }
        Tag &tag = *fundet;
        tag.slut = tagSlut(m_text, tag.navnSlut);
        m_pos = tag.slut;
        const QStringView navn = m_text.mid(tag.navnStart, tag.navnSlut - tag.navnStart);
        if (!tag.slutkode && raatekst(navn))
            m_pos = raatekstSlut(m_text, navn, m_pos);
        return tag;
    }
    return std::nullopt;
}

// After the ">" that closes the tag whose name ends at fra; values are passed over whatever
// they hold.
qsizetype TagLaeser::tagSlut(QStringView text, qsizetype fra, bool helTekst)
{
    const qsizetype n = text.size();
    const qsizetype graense = std::min(n, fra + kMaksTag);
    bool efterLig = false;   // after "=": blanks, then a value
    for (qsizetype k = fra; k < graense; ++k) {
        const QChar c = text[k];
        if (efterLig) {
            if (blank(c))
                continue;
            efterLig = false;
            if (c == u'"' || c == u'\'') {
                const qsizetype luk = text.indexOf(c, k + 1);
                if (luk < 0 && !helTekst && graense == n)
                    return -1;    // the quote may close beyond the text
                if (luk < 0 || luk >= graense)
                    return fra;   // a quote never closed: the tag ends at its name
                k = luk;
                continue;
            }
            if (c == u'>')
                return k + 1;
            // Unquoted: up to a blank or ">".
            while (k + 1 < graense && !blank(text[k + 1]) && text[k + 1] != u'>')
                ++k;
            continue;
        }
        if (c == u'>')
            return k + 1;
        if (c == u'<')
            return k;
        if (c == u'=')
            efterLig = true;
    }
    if (graense == n)
        return helTekst ? n : -1;
    return fra;
}

// Where the element's own end tag ("</name" and a character ending a name) starts after fra;
// the end of the text when it has none.
qsizetype TagLaeser::raatekstSlut(QStringView text, QStringView navn, qsizetype fra)
{
    const qsizetype n = text.size();
    for (qsizetype k = text.indexOf(u"</", fra); k >= 0; k = text.indexOf(u"</", k + 2)) {
        const qsizetype efter = k + 2 + navn.size();
        if (text.mid(k + 2, navn.size()).compare(navn, Qt::CaseInsensitive) == 0
            && (efter >= n || navneslut(text[efter])))
            return k;
    }
    return n;
}
