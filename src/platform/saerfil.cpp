#include "platform/saerfil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace platform {

namespace {
bool underSystemTree(const QString &path)
{
    for (const QString &root : {QStringLiteral("/proc"), QStringLiteral("/sys")})
        if (path == root || path.startsWith(root + u'/'))
            return true;
    return false;
}
}

QString saerfilGrund(const QString &path)
{
    if (path.isEmpty())
        return {};
    const QFileInfo info(path);
    // Where the name leads once links are followed; for a new file, its folder's place.
    QString real = info.canonicalFilePath();
    if (real.isEmpty()) {
        const QString folder = info.absoluteDir().canonicalPath();
        real = folder.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : folder + u'/' + info.fileName();
    }
    if (underSystemTree(real) || underSystemTree(QDir::cleanPath(info.absoluteFilePath())))
        return QStringLiteral("Det er en systemfil fra styresystemets kerne, ikke et dokument.");

    struct stat st {};
    if (::stat(QFile::encodeName(info.absoluteFilePath()).constData(), &st) != 0)
        return {};
    if (S_ISFIFO(st.st_mode))
        return QStringLiteral("Det er et navngivet rør (FIFO), ikke et dokument.");
    if (S_ISSOCK(st.st_mode))
        return QStringLiteral("Det er en sokkel, ikke et dokument.");
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        return QStringLiteral("Det er en enhedsfil, ikke et dokument.");
    return {};
}

}
