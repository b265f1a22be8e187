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

FilTilstand filTilstand(const QString &path, FilStempel &stempel)
{
    FilStempel nu;
    if (!laesRecord(path, nu))
        return stempel.findes ? FilTilstand::Slettet : FilTilstand::Uaendret;
    if (!stempel.findes)
        return FilTilstand::Aendret;   // a file has come where there was none
    nu.indhold = stempel.indhold;
    if (nu == stempel)
        return FilTilstand::Uaendret;
    if (nu.stoerrelse != stempel.stoerrelse)
        return FilTilstand::Aendret;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return FilTilstand::Aendret;
    if (hashAf(f.readAll()) != stempel.indhold)
        return FilTilstand::Aendret;
    stempel = nu;
    return FilTilstand::Uaendret;
}

} // namespace core
