#include "generators/specialtegn.h"

namespace generators {

QStringList tegnNavne(const QStringList &fil)
{
    QStringList navne;
    for (qsizetype i = 0; i < fil.size(); i += 2)
        navne << fil[i];
    return navne;
}

QString uniTekst(const QStringList &fil, int k, bool medSpan, bool medMellemrum)
{
    QString t;
    if (medSpan)
        t += QStringLiteral("<span style=\"font-family: Arial; font-size: 18pt\">");
    t += fil.value(2 * k + 1);
    if (medMellemrum)
        t += QStringLiteral("&nbsp;");
    if (medSpan)
        t += QStringLiteral("</span>");
    return t;
}

QString udskiftTegn(QString tekst)
{
    return tekst.replace(u'<', QStringLiteral("&lt;")).replace(u'>', QStringLiteral("&gt;"));
}

} // namespace generators
