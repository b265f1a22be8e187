#include "core/fejltekst.h"

#include <cerrno>

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

} // namespace core
