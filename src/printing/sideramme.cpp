#include "printing/sideramme.h"

#include <cmath>

namespace printing {

namespace {
QString kunTegn(const QString &text, bool komma)
{
    QString r;
    for (const QChar c : text)
        if ((c >= u'0' && c <= u'9') || (komma && c == u','))
            r += c;
    return r;
}

// Rounds half to even, as the margins are specified.
int rund(double x)
{
    return int(std::nearbyint(x));
}
} // namespace

QString margenFilter(const QString &text) { return kunTegn(text, true); }
QString kopiFilter(const QString &text) { return kunTegn(text, false); }

std::optional<double> laesMargen(const QString &text)
{
    const QString t = margenFilter(text);
    if (t.isEmpty() || t != text || t.count(u',') > 1 || t == QStringLiteral(","))
        return std::nullopt;
    QString punktum = t;
    punktum.replace(u',', u'.');
    if (punktum.startsWith(u'.'))
        punktum.prepend(u'0');
    bool ok = false;
    const double v = punktum.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return v;
}

QRect sideramme(double venstre, double hoejre, double top, double bund, const Printerdata &p)
{
    const int left = rund(venstre / 2.54 * p.dpiX) - p.offsetX;
    const int topPx = rund(top / 2.54 * p.dpiY) - p.offsetY;
    const int right = p.bredde - rund(hoejre / 2.54 * p.dpiX) - p.offsetX;
    const int bottom = p.hoejde - rund(bund / 2.54 * p.dpiY) - p.offsetY;
    return QRect(QPoint(left, topPx), QPoint(right - 1, bottom - 1));
}

} // namespace printing
