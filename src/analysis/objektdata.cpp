#include "analysis/objektdata.h"

namespace analysis {

ObjektFelter objektFelter(const QString &datatekst)
{
    const QStringList f = datatekst.split(u'|');
    ObjektFelter ud;
    ud.definition = f.value(0);
    if (f.size() > 1) {
        ud.syntax << f[1];
        for (qsizetype i = 2; i < 4 && i < f.size(); ++i)
            if (!f[i].isEmpty())
                ud.syntax << f[i];
    }
    return ud;
}

QString smaaAZ(const QString &tekst)
{
    QString s = tekst;
    for (QChar &c : s)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    return s;
}

QString soegeform(const QString &titel)
{
    QString ud;
    ud.reserve(titel.size());
    for (QChar c : titel) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
        if ((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || c == u'_' || c == u'æ' || c == u'ø'
            || c == u'å')
            ud += c;
    }
    return ud;
}

int findObjekt(const QStringList &titler, int valgt, const QString &tekst, bool valgtFundet)
{
    const int n = int(titler.size());
    if (n == 0)
        return -1;
    const QString s = smaaAZ(tekst);
    const bool fraStart = valgt < 0 || (valgt == 0 && !valgtFundet) || valgt >= n - 1;
    const int start = fraStart ? 0 : valgt + 1;
    const int slut = start == 0 ? n : n + start;   // once round when begun after the first
    for (int k = start; k < slut; ++k) {
        const int i = k % n;
        if (soegeform(titler[i]).startsWith(s))
            return i;
    }
    return -1;
}

} // namespace analysis
