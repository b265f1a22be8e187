#include "information/strukturlogik.h"

#include "core/textfile.h"

#include <QFileInfo>

namespace information {

QStringList sideskabelon(const QString &T)
{
    QString t;
    for (qsizetype i = 0; i < T.size(); ++i) {
        const char32_t c = T[i].isHighSurrogate() && i + 1 < T.size() ? QChar::surrogateToUcs4(T[i], T[i + 1]) : T[i].unicode();
        const QString ch = QString::fromUcs4(&c, 1);
        if (core::canEncode(ch, core::Encoding::Ansi))
            t += ch;
        else
            t += QStringLiteral("&#x%1;").arg(uint(c), 0, 16);
        if (c > 0xFFFF)
            ++i;
    }
    return {QStringLiteral("<!DOCTYPE html>"),
            QStringLiteral("<html>"),
            QStringLiteral("<head>"),
            QStringLiteral("<title>") + t + QStringLiteral("</title>"),
            QStringLiteral("<meta http-equiv=\"content-type\" content=\"text/html; charset=windows-1252\">"),
            QStringLiteral("<meta http-equiv=\"X-UA-Compatible\" content=\"IE=11\">"),
            QStringLiteral("<link rel=\"stylesheet\" type=\"text/css\" href=\"Design og funktioner/design.css\">"),
            QStringLiteral("<script type=\"text/javascript\" src=\"Design og funktioner/funktioner.js\"></script>"),
            QStringLiteral("</head>"),
            QStringLiteral("<body>"),
            QStringLiteral("<div class=\"spalteUb1\" style=\"width: 500px;\">"),
            QStringLiteral("<div class=\"overskrift\">") + t + QStringLiteral("</div>"),
            QString(),
            QStringLiteral("</div>"),
            QStringLiteral("</body>"),
            QStringLiteral("</html>")};
}

bool skrivSide(const QString &fil, const QString &T, QString *fejl)
{
    const core::ReadResult r = core::writeLines(fil, sideskabelon(T), core::Encoding::Ansi);
    if (!r.ok && fejl)
        *fejl = r.error;
    return r.ok;
}

QString fnForslag(const QString &infomappe, int antalNoder)
{
    int n = antalNoder;
    while (QFileInfo::exists(infomappe + QStringLiteral("dokument%1.html").arg(n)))
        ++n;
    return QStringLiteral("dokument%1").arg(n);
}

QString indbyggetAfvisning(const QString &navn)
{
    static const std::pair<const char *, const char *> regler[] = {
        {"CSS", "Den anvendes til CSS information."},
        {"Eksempler", "Den anvendes til komponenteksempler."},
        {"Information", "Den anvendes til HTML information."},
        {"JavaScript", "Den anvendes til JavaScript information."},
        {"Programmet", "Den anvendes til program information."}};
    for (const auto &[n, grund] : regler)
        if (navn.compare(QLatin1String(n), Qt::CaseInsensitive) == 0)
            return QStringLiteral("Denne fil må ikke slettes!\r") + QString::fromUtf8(grund);
    return {};
}

QString objektData(const QString &d1, const QString &d2, const QString &d3, const QString &d4)
{
    QString d = d1;
    for (const QString &s : {d2, d3, d4})
        if (!s.isEmpty())
            d += u'|' + s;
    return d;
}

QStringList laesNavneliste(const QString &fil)
{
    QStringList linjer;
    if (QFileInfo(fil).isFile())
        core::readLines(fil, linjer);
    linjer.removeAll(QString());
    return linjer;
}

} // namespace information
