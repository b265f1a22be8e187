#include "information/strukturfiler.h"

namespace information {

bool laesStrukturLinjer(const QStringList &linjer, QList<StrukturLinje> &ud, QString *fejl)
{
    ud.clear();
    ud.reserve(linjer.size());
    int forrige = -1;
    for (qsizetype i = 0; i < linjer.size(); ++i) {
        const QString &l = linjer[i];
        qsizetype n = 0;
        while (n < l.size() && (l[n] == u'\t' || l[n] == u' '))
            ++n;
        if (n == l.size())
            continue;   // blank
        if (n > forrige + 1) {
            ud.clear();
            if (fejl)
                *fejl = QStringLiteral("Strukturfilen er beskadiget:\rLinje %1 ligger mere end ét niveau "
                                       "dybere end linjen før.").arg(i + 1);
            return false;
        }
        ud.append({int(n), l.mid(n)});
        forrige = int(n);
    }
    return true;
}

QStringList strukturLinjer(const QList<StrukturLinje> &noder)
{
    QStringList ud;
    ud.reserve(noder.size());
    for (const StrukturLinje &n : noder)
        ud << QString(n.niveau, u'\t') + n.tekst;
    return ud;
}

bool sikkerDatatekst(const QString &tekst)
{
    return !tekst.contains(u'/') && !tekst.contains(u'\\') && !tekst.contains(QStringLiteral(".."))
        && !tekst.contains(QChar(u'\0'));
}

QString usikkerDatatekstBesked(const QString &tekst)
{
    return QStringLiteral("Filnavnet \"%1\" er ikke tilladt.\rEt filnavn må ikke indeholde / eller \\ "
                          "eller .. og skal ligge i strukturens mappe.").arg(tekst);
}

} // namespace information
