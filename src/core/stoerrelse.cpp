#include "core/stoerrelse.h"

namespace core {

namespace {
int cifre(qint64 n)
{
    if (n < 0)
        n = -n;
    int d = 1;
    while (n >= 10) {
        n /= 10;
        ++d;
    }
    return d;
}

QString tekst(qint64 bytes, const QLocale &locale, int maxTrin)
{
    static const char *const enheder[] = {" bytes", " KB", " MB", " GB", " TB"};
    const int d = cifre(bytes);
    const int trin = qMin((d - 1) / 3, maxTrin);
    if (trin == 0)
        return locale.toString(bytes) + QLatin1String(enheder[0]);
    double v = double(bytes);
    for (int i = 0; i < trin; ++i)
        v /= 1024.0;
    return locale.toString(v, 'f', 2) + QLatin1String(enheder[trin]);
}
}

QString stoerrelsesTekst(qint64 bytes, const QLocale &locale)
{
    return tekst(bytes, locale, 3);
}

QString formatStoerrelse(qint64 bytes, const QLocale &locale)
{
    return tekst(bytes, locale, 4) + QStringLiteral(" (") + locale.toString(bytes) + QStringLiteral(" bytes)");
}

}
