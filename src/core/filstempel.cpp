#include "core/filstempel.h"

#include <QFile>
#include <QHash>

#include <sys/stat.h>

namespace core {

namespace {

bool laesRecord(const QString &path, FilStempel &s)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    s.findes = true;
    s.stoerrelse = st.st_size;
    s.tidNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    s.inode = st.st_ino;
    s.enhed = st.st_dev;
    return true;
}

size_t hashAf(const QByteArray &bytes)
{
    return qHashBits(bytes.constData(), size_t(bytes.size()));
}

} // namespace

FilStempel FilStempel::af(const QString &path, const QByteArray &bytes)
{
    FilStempel s;
    laesRecord(path, s);
    s.indhold = hashAf(bytes);
    return s;
}

FilStempel FilStempel::afFil(const QString &path)
{
    FilStempel s;
    QFile f(path);
    if (!laesRecord(path, s) || !f.open(QIODevice::ReadOnly))
        return {};   // a FIFO or device put in its place is never read
    return af(path, f.readAll());
}

FilTilstand filTilstand(const QString &path, FilStempel &stempel, FilStempel *nu)
{
    FilStempel disk;
    if (!laesRecord(path, disk))
        return stempel.findes ? FilTilstand::Slettet : FilTilstand::Uaendret;
    disk.indhold = stempel.indhold;
    if (stempel.findes && disk == stempel)
        return FilTilstand::Uaendret;
    // The contents decide: read when they may be the same, or when the caller wants them.
    const bool sammeStoerrelse = stempel.findes && disk.stoerrelse == stempel.stoerrelse;
    if (!sammeStoerrelse && !nu)
        return FilTilstand::Aendret;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return FilTilstand::Aendret;
    disk.indhold = hashAf(f.readAll());
    if (sammeStoerrelse && disk.indhold == stempel.indhold) {
        stempel = disk;
        return FilTilstand::Uaendret;
    }
    if (nu)
        *nu = disk;
    return FilTilstand::Aendret;
}

} // namespace core
