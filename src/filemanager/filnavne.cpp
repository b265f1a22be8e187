#include "filemanager/filnavne.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace filemanager {

namespace {
bool findes(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// Splits a path into folder + "/" + base and extension (with point); a leading point is
// part of the name, not an extension.
void splitNavn(const QString &path, QString &stamme, QString &ext)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot > slash + 1) {
        stamme = path.left(dot);
        ext = path.mid(dot);
    } else {
        stamme = path;
        ext.clear();
    }
}
}

QString sidsteDel(const QString &path)
{
    if (path == QStringLiteral("/"))
        return path;
    QString p = path;
    while (p.size() > 1 && p.endsWith(u'/'))
        p.chop(1);
    return p.mid(p.lastIndexOf(u'/') + 1);
}

QString foraelder(const QString &path)
{
    QString p = path;
    while (p.size() > 1 && p.endsWith(u'/'))
        p.chop(1);
    const qsizetype slash = p.lastIndexOf(u'/');
    if (slash <= 0)
        return QStringLiteral("/");
    return p.left(slash);
}

QString tilfoej(const QString &folder, const QString &name)
{
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

QString unikMappenavn(const QString &path)
{
    if (!findes(path))
        return path;
    for (int n = 1;; ++n) {
        const QString p = path + QStringLiteral(" (") + QString::number(n) + u')';
        if (!findes(p))
            return p;
    }
}

QString unikFilnavn(const QString &path, const QString &suffix)
{
    if (!findes(path))
        return path;
    QString stamme, ext;
    splitNavn(path, stamme, ext);
    for (int n = 1;; ++n) {
        const QString p = stamme + suffix + QStringLiteral(" (") + QString::number(n) + u')' + ext;
        if (!findes(p))
            return p;
    }
}

QString kopiNavn(const QString &path)
{
    if (!findes(path))
        return path;
    QString stamme, ext;
    splitNavn(path, stamme, ext);
    for (int n = 1;; ++n) {
        const QString p = stamme + QStringLiteral(" kopi") + QString::number(n) + ext;
        if (!findes(p))
            return p;
    }
}

QString extensionMedPunktum(const QString &path)
{
    QString stamme, ext;
    splitNavn(path, stamme, ext);
    return ext;
}

bool gyldigtNavn(const QString &name)
{
    // 255 bytes is the longest name the usual file systems (ext4, btrfs, xfs, tmpfs) hold.
    return !name.isEmpty() && name != QStringLiteral(".") && name != QStringLiteral("..")
           && !name.contains(u'/') && !name.contains(QChar(0)) && QFile::encodeName(name).size() <= 255;
}

QString skrevetSti(const QString &text, const QString &folder)
{
    QString p = text;
    if (p == QStringLiteral("~") || p.startsWith(QStringLiteral("~/")))
        p = QDir::homePath() + p.mid(1);
    else if (!p.startsWith(u'/'))
        p = tilfoej(folder, p);
    return QDir::cleanPath(p);
}

bool erSammeEllerUnder(const QString &path, const QString &folder)
{
    // Resolved links too: a folder reached through a link is still the same folder.
    auto fuld = [](const QString &p) {
        const QString c = QFileInfo(p).canonicalFilePath();
        return c.isEmpty() ? QDir::cleanPath(QFileInfo(p).absoluteFilePath()) : c;
    };
    const QString p = fuld(path);
    const QString f = fuld(folder);
    if (p == f)
        return true;
    return p.startsWith(f.endsWith(u'/') ? f : f + u'/');
}

bool erDetEnTekstfil(const QString &ext)
{
    static const QStringList tekst = {".asp", ".bat", ".html", ".inc", ".js", ".vbs", ".css",
                                      ".txt", ".wsf", ".xml", ".rtf", ".asa"};
    return tekst.contains(ext.toLower());
}

bool erDetEnBilledfil(const QString &ext)
{
    static const QStringList billeder = {".jpg", ".png", ".bmp", ".ico", ".gif"};
    return billeder.contains(ext.toLower());
}

QStringList stiDele(const QString &folder)
{
    QStringList parts{QStringLiteral("/")};
    for (const QString &p : folder.split(u'/', Qt::SkipEmptyParts))
        parts << p;
    return parts;
}

QString stiTilIndex(const QStringList &parts, int index)
{
    if (parts.isEmpty() || index <= 0)
        return QStringLiteral("/");
    QString p;
    for (int i = 1; i <= index && i < parts.size(); ++i)
        p += u'/' + parts[i];
    return p;
}

}
