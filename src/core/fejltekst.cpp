#include "core/fejltekst.h"

#include <QFile>

#include <cerrno>

#include <sys/stat.h>

namespace core {

QString fejlGrund(int err, const QString &systemText)
{
    switch (err) {
    case ENOSPC: return QStringLiteral("Der er ikke plads på disken.");
    case EDQUOT: return QStringLiteral("Din plads på disken er brugt op.");
    case EROFS: return QStringLiteral("Drevet kan kun læses, ikke skrives på.");
    case EACCES:
    case EPERM: return QStringLiteral("Du har ikke adgang til filen eller mappen.");
    case ENAMETOOLONG: return QStringLiteral("Navnet er for langt.");
    case ENOENT: return QStringLiteral("Mappen findes ikke.");
    case ENOTDIR: return QStringLiteral("En del af stien er ikke en mappe.");
    case EISDIR: return QStringLiteral("Navnet er en mappe.");
    case EIO: return QStringLiteral("Drevet melder en fejl ved læsning eller skrivning.");
    case EFBIG: return QStringLiteral("Filen er for stor til drevet.");
    default: return u'(' + systemText + u')';
    }
}

QString ulaeseligtNavnGrund()
{
    return QStringLiteral("Filnavnet indeholder tegn, der ikke kan læses som tekst.");
}

bool erUlaeseligtNavn(const QString &path)
{
    if (!path.contains(QChar::ReplacementCharacter))
        return false;
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) != 0;
}

QString fejlGrund(int err, const QString &systemText, const QString &path)
{
    if ((err == ENOENT || err == 0) && erUlaeseligtNavn(path))
        return ulaeseligtNavnGrund();
    return fejlGrund(err, systemText);
}

} // namespace core
