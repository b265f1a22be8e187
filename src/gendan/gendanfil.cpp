#include "gendan/gendanfil.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

namespace gendan {

namespace {

const QByteArray kMaerke = QByteArrayLiteral("Tavlevirke gendannelse 1\n");

struct Kodenavn {
    core::Encoding kodning;
    const char *navn;
};
constexpr Kodenavn kKodenavne[] = {
    {core::Encoding::Ansi, "windows-1252"}, {core::Encoding::Utf8, "utf-8"},
    {core::Encoding::Utf8Bom, "utf-8-bom"}, {core::Encoding::Utf16LE, "utf-16le"},
    {core::Encoding::Utf16BE, "utf-16be"},
};

QByteArray kontrolsum(const QByteArray &tekst)
{
    return QCryptographicHash::hash(tekst, QCryptographicHash::Sha256).toHex();
}

} // namespace

QByteArray lavGendanFil(const GendanPost &post)
{
    QString kodning;
    for (const Kodenavn &k : kKodenavne)
        if (k.kodning == post.kodning)
            kodning = QLatin1String(k.navn);
    QJsonObject hoved{
        {QStringLiteral("filnavn"), post.filnavn},
        {QStringLiteral("ext"), post.ext},
        {QStringLiteral("kodning"), kodning},
        {QStringLiteral("tid"), post.tid.toUTC().toString(Qt::ISODateWithMs)},
        {QStringLiteral("bytes"), double(post.tekst.size())},
        {QStringLiteral("sha256"), QString::fromLatin1(kontrolsum(post.tekst))},
    };
    QByteArray ud = kMaerke;
    ud += QJsonDocument(hoved).toJson(QJsonDocument::Compact);   // one line: JSON escapes breaks
    ud += '\n';
    ud += post.tekst;
    return ud;
}

std::optional<GendanPost> laesGendanFil(const QByteArray &indhold, QString *fejl)
{
    auto beskadiget = [fejl](const QString &grund) {
        if (fejl)
            *fejl = grund;
        return std::nullopt;
    };
    if (!indhold.startsWith(kMaerke))
        return beskadiget(QStringLiteral("Filen er ikke en gendannelsesfil fra Tavlevirke."));
    const qsizetype slut = indhold.indexOf('\n', kMaerke.size());
    if (slut < 0)
        return beskadiget(QStringLiteral("Filen er afkortet."));
    QJsonParseError parseFejl;
    const QJsonDocument doc = QJsonDocument::fromJson(indhold.mid(kMaerke.size(), slut - kMaerke.size()), &parseFejl);
    if (parseFejl.error != QJsonParseError::NoError || !doc.isObject())
        return beskadiget(QStringLiteral("Filens beskrivelse af teksten kan ikke læses."));
    const QJsonObject hoved = doc.object();

    GendanPost post;
    post.filnavn = hoved.value(QStringLiteral("filnavn")).toString();
    post.ext = hoved.value(QStringLiteral("ext")).toString();
    const QString kodning = hoved.value(QStringLiteral("kodning")).toString();
    bool kendt = false;
    for (const Kodenavn &k : kKodenavne) {
        if (kodning == QLatin1String(k.navn)) {
            post.kodning = k.kodning;
            kendt = true;
        }
    }
    if (!kendt)
        return beskadiget(QStringLiteral("Filen nævner en ukendt tegnkodning."));
    post.tid = QDateTime::fromString(hoved.value(QStringLiteral("tid")).toString(), Qt::ISODateWithMs);
    post.tekst = indhold.mid(slut + 1);
    const double laengde = hoved.value(QStringLiteral("bytes")).toDouble(-1);
    if (laengde != double(post.tekst.size()))
        return beskadiget(QStringLiteral("Filen er afkortet eller forlænget: teksten har ikke den gemte længde."));
    if (kontrolsum(post.tekst) != hoved.value(QStringLiteral("sha256")).toString().toLatin1())
        return beskadiget(QStringLiteral("Tekstens kontrolsum passer ikke: filen er beskadiget."));
    return post;
}

QString visningsnavn(const GendanPost &post)
{
    if (!post.filnavn.isEmpty())
        return QFileInfo(post.filnavn).fileName();
    // Unnamed documents differ only by their type and their text; the first line that holds
    // something tells them apart.
    QString navn = QStringLiteral("Ikke navngivet");
    if (!post.ext.isEmpty())
        navn += QStringLiteral(" (") + post.ext + u')';
    constexpr qsizetype kLaengde = 40;
    for (const QByteArray &linje : post.tekst.left(64 * 1024).split('\n')) {
        const QString l = QString::fromUtf8(linje).simplified();
        if (l.isEmpty())
            continue;
        navn += QStringLiteral(": ") + (l.size() > kLaengde ? l.left(kLaengde) + QChar(0x2026) : l);
        break;
    }
    return navn;
}

} // namespace gendan
