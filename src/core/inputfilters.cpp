#include "core/inputfilters.h"

#include <limits>

namespace core {

QString GetPosTal(const QString &text, bool *ok)
{
    QString digits = QStringLiteral("0");
    for (const QChar c : text)
        if (c >= u'0' && c <= u'9')
            digits += c;
    bool fits = false;
    const int value = digits.toInt(&fits);
    if (ok)
        *ok = fits;
    if (fits)
        return QString::number(value);
    while (digits.size() > 1 && digits.front() == u'0')
        digits.remove(0, 1);
    return digits;
}

QString Get16Tal(const QString &text)
{
    if (text.isEmpty())
        return QStringLiteral("#");
    QString result;
    if (text.front().unicode() < u'#')
        result += u'#';
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'#' || (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'F') || (u >= u'a' && u <= u'f'))
            result += c;
    }
    return result;
}

std::optional<int> laesAntal(const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QString ugyldigtAntalTekst(const QString &text)
{
    return QStringLiteral("\"%1\" er ikke et gyldigt antal.\rSkriv et helt tal fra 0 til %2.")
        .arg(text)
        .arg(std::numeric_limits<int>::max());
}

} // namespace core
