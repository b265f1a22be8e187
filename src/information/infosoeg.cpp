#include "information/infosoeg.h"

#include "core/textfile.h"

#include <QByteArrayMatcher>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace information {

namespace {

bool ordByte(unsigned char c)
{
    // Bytes above ASCII count as no word part here: the filter may let a file through that
    // the exact search then rejects, but never the other way round.
    return c == '_' || (c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'z');
}

// A quick test on the raw bytes, before any decoding: can the file hold the text at all?
// Only for ASCII texts, whose bytes are the same in every encoding the pages use.
class ByteFilter {
public:
    explicit ByteFilter(const QString &tekst)
    {
        for (QChar c : tekst)
            if (c.unicode() >= 0x80) {
                m_ascii = false;
                return;
            }
        m_needle = tekst.toLatin1().toLower();
        m_matcher.setPattern(m_needle);
    }
    enum Svar { Nej, Maaske, Ja };
    // Nej when the file certainly lacks the text (capitals ignored; with heleOrd as a whole
    // word), Ja when it certainly holds it, Maaske when only the decoded text can tell.
    Svar holder(const QByteArray &bytes, bool heleOrd) const
    {
        if (!m_ascii)
            return Maaske;
        QByteArray lav = bytes;
        char *p = lav.data();
        for (qsizetype i = 0, n = lav.size(); i < n; ++i)
            if (p[i] >= 'A' && p[i] <= 'Z')
                p[i] = char(p[i] | 0x20);
        const qsizetype len = m_needle.size();
        Svar svar = Nej;
        for (qsizetype at = m_matcher.indexIn(lav); at >= 0; at = m_matcher.indexIn(lav, at + 1)) {
            if (!heleOrd)
                return Ja;
            const uchar foer = at > 0 ? uchar(p[at - 1]) : 0;
            const uchar efter = at + len < lav.size() ? uchar(p[at + len]) : 0;
            if (ordByte(foer) || ordByte(efter))
                continue;
            if (foer < 0x80 && efter < 0x80)
                return Ja;   // plain ASCII around it: a whole word in any encoding
            svar = Maaske;
        }
        return svar;
    }

private:
    bool m_ascii = true;
    QByteArray m_needle;
    QByteArrayMatcher m_matcher;
};

QByteArray laesBytes(const QString &fil)
{
    QFile f(fil);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QStringList filerI(const QString &mappe, const QStringList &filter)
{
    return QDir(mappe).entryList(filter, QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

bool ordTegn(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

qsizetype findForekomst(QStringView tekst, QStringView hvad, qsizetype fra, bool heleOrd, bool storSmaa)
{
    if (hvad.isEmpty())
        return -1;
    const Qt::CaseSensitivity cs = storSmaa ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (qsizetype at = tekst.indexOf(hvad, fra, cs); at >= 0; at = tekst.indexOf(hvad, at + 1, cs)) {
        if (!heleOrd)
            return at;
        const qsizetype slut = at + hvad.size();
        if ((at == 0 || !ordTegn(tekst[at - 1])) && (slut >= tekst.size() || !ordTegn(tekst[slut])))
            return at;
    }
    return -1;
}

QString laesbarLinje(QStringView linje)
{
    QString ud;
    ud.reserve(linje.size());
    for (qsizetype i = 0; i < linje.size(); ++i) {
        const QChar c = linje[i];
        if (c == u'<') {
            const qsizetype slut = linje.indexOf(u'>', i + 1);
            ud += u' ';
            if (slut < 0)
                break;
            i = slut;
        } else if (c == u'&' && linje.mid(i, 4) == u"&lt;") {
            ud += u'<';
            i += 3;
        } else if (c == u'&' && linje.mid(i, 4) == u"&gt;") {
            ud += u'>';
            i += 3;
        } else {
            ud += c;
        }
    }
    return ud;
}

QStringList soegSider(const QString &mappe, const QString &tekst)
{
    QStringList ud;
    if (tekst.isEmpty())
        return ud;
    const ByteFilter filter(tekst);
    const QString dir = QDir(mappe).absolutePath() + u'/';
    for (const QString &navn : filerI(mappe, {})) {
        const QByteArray bytes = laesBytes(dir + navn);
        const ByteFilter::Svar svar = filter.holder(bytes, true);
        if (svar == ByteFilter::Ja
            || (svar == ByteFilter::Maaske && findForekomst(core::decodeText(bytes), tekst, 0, true, false) >= 0))
            ud << QFileInfo(navn).completeBaseName();
    }
    return ud;
}

QList<Fund> soegSide(const QString &side, QStringView kilde, const QString &tekst, bool heleOrd, bool storSmaa)
{
    QList<Fund> ud;
    QString sidste;
    QStringView sidsteRaa;   // the source line looked at last
    qsizetype at = findForekomst(kilde, tekst, 0, heleOrd, storSmaa);
    while (at >= 0) {
        qsizetype start = at;
        while (start > 0 && kilde[start - 1] != u'\n' && kilde[start - 1] != u'\r')
            --start;
        qsizetype slut = at;
        while (slut < kilde.size() && kilde[slut] != u'\n' && kilde[slut] != u'\r')
            ++slut;
        // A line gives one result at most, and a line just like the one before gives the
        // same one, which is not repeated: neither needs reading again.
        const QStringView raa = kilde.mid(start, slut - start);
        if (raa != sidsteRaa) {
            sidsteRaa = raa;
            const QString linje = laesbarLinje(raa);
            if (!linje.isEmpty() && linje.contains(tekst, Qt::CaseInsensitive)
                && (ud.isEmpty() || linje.compare(sidste, Qt::CaseInsensitive) != 0)) {
                ud.append({side, linje});
                sidste = linje;
            }
        }
        at = findForekomst(kilde, tekst, slut, heleOrd, storSmaa);
    }
    return ud;
}

QList<Fund> soegMappe(const QString &mappe, const QString &tekst, bool heleOrd, bool storSmaa)
{
    QList<Fund> ud;
    if (tekst.isEmpty())
        return ud;
    const ByteFilter filter(tekst);
    const QString dir = QDir(mappe).absolutePath() + u'/';
    for (const QString &navn : filerI(mappe, {QStringLiteral("*.html")})) {
        const QByteArray bytes = laesBytes(dir + navn);
        if (filter.holder(bytes, heleOrd) == ByteFilter::Nej)
            continue;
        const QString kilde = core::decodeText(bytes);
        ud += soegSide(QFileInfo(navn).completeBaseName(), kilde, tekst, heleOrd, storSmaa);
    }
    return ud;
}

} // namespace information
