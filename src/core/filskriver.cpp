#include "core/filskriver.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <climits>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace core {

namespace {

// The outcome of one step: 0 when it went well, else the errno it failed with.
using Fejl = int;

ReadResult fra(Fejl err)
{
    if (err == 0)
        return {true, {}};
    return {false, fejlGrund(err, QString::fromLocal8Bit(strerror(err)))};
}

Fejl skrivAlt(int fd, const char *data, qsizetype size, off_t offset = -1)
{
    for (qsizetype done = 0; done < size;) {
        const size_t left = size_t(size - done);
        const ssize_t n = offset < 0 ? ::write(fd, data + done, left)
                                     : ::pwrite(fd, data + done, left, offset + off_t(done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return ENOSPC;   // a write that moves nothing will never finish
        done += n;
    }
    return 0;
}

Fejl luk(int fd)
{
    // The descriptor is gone whatever close says; its error is the write's last word.
    return ::close(fd) == 0 || errno == EINTR ? 0 : errno;
}

QByteArray mappeAf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

QByteArray navnAf(const QByteArray &path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

// Follows a chain of symbolic links at the end of path (a dangling link names the file to
// make); the folders on the way stay as they are written.
QByteArray foelgLinks(QByteArray path)
{
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        char buf[PATH_MAX];
        const ssize_t n = ::readlink(path.constData(), buf, sizeof buf);
        if (n <= 0)
            return path;
        QByteArray target(buf, n);
        if (!target.startsWith('/'))
            target = mappeAf(path) + '/' + target;
        path = target;
    }
    return path;
}

// A new temporary file beside target (hidden, so file lists do not flicker), mode 0600.
int lavTempFil(const QByteArray &folder, const QByteArray &navn, const char *slags, QByteArray &tmp)
{
    // Long names get a short temporary name, so the name never grows past what the folder takes.
    const QByteArray stamme = navn.size() > 180 ? QByteArrayLiteral(".tavlevirke") : '.' + navn;
    tmp = folder + '/' + stamme + '.' + slags + "-XXXXXX";
    return ::mkstemp(tmp.data());
}

mode_t nyeFilersMode()
{
    static const mode_t mode = [] {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return mode_t(0666 & ~mask);
    }();
    return mode;
}

// Copies the extended attributes (ACLs among them) of the file at from to fd; false when
// one of them could not be set.
bool kopierXattrs(const char *from, int fd)
{
    const ssize_t len = ::listxattr(from, nullptr, 0);
    if (len <= 0)
        return true;   // none, or a file system without them
    QByteArray names(len, '\0');
    const ssize_t got = ::listxattr(from, names.data(), size_t(len));
    if (got < 0)
        return errno == ENOTSUP;
    for (const char *name = names.constData(); name < names.constData() + got; name += strlen(name) + 1) {
        const ssize_t vlen = ::getxattr(from, name, nullptr, 0);
        if (vlen < 0)
            continue;
        QByteArray value(vlen, '\0');
        const ssize_t vgot = ::getxattr(from, name, value.data(), size_t(vlen));
        if (vgot < 0)
            continue;
        if (::fsetxattr(fd, name, value.constData(), size_t(vgot), 0) != 0)
            return false;
    }
    return true;
}

void synkMappe(const QByteArray &folder)
{
    // Makes the rename itself last; a file system that cannot is not an error.
    const int dfd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

// Copies everything readable from src (from its start) to dst (from its start), and cuts dst
// to that length.
Fejl kopierIndhold(int src, int dst)
{
    char buf[65536];
    off_t pos = 0;
    for (;;) {
        const ssize_t n = ::pread(src, buf, sizeof buf, pos);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            break;
        if (const Fejl err = skrivAlt(dst, buf, n, pos))
            return err;
        pos += n;
    }
    return ::ftruncate(dst, pos) == 0 ? 0 : errno;
}

// Writes the existing file target in place, so it keeps its inode: its links, owner, group,
// mode and attributes. Its old contents go to a safety copy first (beside it, or in the
// temporary folder when its folder takes no new files); a failed write puts them back.
ReadResult skrivPaaStedet(const QByteArray &target, const QByteArray &bytes, bool ownerOnly)
{
    const int fd = ::open(target.constData(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return fra(errno);

    QByteArray kopiNavn;
    int kopi = lavTempFil(mappeAf(target), navnAf(target), "sikkerhedskopi", kopiNavn);
    if (kopi < 0)
        kopi = lavTempFil(QFile::encodeName(QDir::tempPath()), navnAf(target), "sikkerhedskopi", kopiNavn);
    if (kopi < 0) {
        const Fejl err = errno;
        ::close(fd);
        return fra(err);
    }
    Fejl err = kopierIndhold(fd, kopi);
    if (!err)
        err = ::fsync(kopi) == 0 ? 0 : errno;
    if (err) {
        // The old file has not been touched.
        ::close(kopi);
        ::unlink(kopiNavn.constData());
        ::close(fd);
        return fra(err);
    }

    if (ownerOnly)
        ::fchmod(fd, S_IRUSR | S_IWUSR);
    err = skrivAlt(fd, bytes.constData(), bytes.size(), 0);
    if (!err)
        err = ::ftruncate(fd, off_t(bytes.size())) == 0 ? 0 : errno;
    if (!err)
        err = ::fsync(fd) == 0 ? 0 : errno;
    if (err) {
        // Put the old contents back; when even that fails, the safety copy stays and is named.
        const bool tilbage = kopierIndhold(kopi, fd) == 0 && ::fsync(fd) == 0;
        ::close(kopi);
        ::close(fd);
        ReadResult r = fra(err);
        if (tilbage)
            ::unlink(kopiNavn.constData());
        else
            r.error += QStringLiteral(" Den gamle udgave af filen er gemt i %1.").arg(QFile::decodeName(kopiNavn));
        return r;
    }
    ::close(kopi);
    if (const Fejl lukket = luk(fd)) {
        // The close may have lost data: the safety copy stays, and the user learns where.
        ReadResult r = fra(lukket);
        r.error += QStringLiteral(" Den gamle udgave af filen er gemt i %1.").arg(QFile::decodeName(kopiNavn));
        return r;
    }
    ::unlink(kopiNavn.constData());
    return {true, {}};
}

enum class Udfald { Skrevet, PaaStedet };

// Writes a new file beside target and renames it over target. Returns PaaStedet, without
// having touched target, when the new file could not carry the old one's owner, group or
// attributes, or its folder takes no new files while the file itself may be written.
Udfald erstat(const QByteArray &target, const struct stat *gammel, const QByteArray &bytes, bool ownerOnly,
              ReadResult &r)
{
    QByteArray tmp;
    const int fd = lavTempFil(mappeAf(target), navnAf(target), "ny", tmp);
    if (fd < 0) {
        const Fejl err = errno;
        if (gammel)
            return Udfald::PaaStedet;   // the file itself may be written (checked before)
        r = fra(err);
        return Udfald::Skrevet;
    }
    auto opgiv = [&](Fejl err) {
        ::close(fd);
        ::unlink(tmp.constData());
        r = fra(err);
        return Udfald::Skrevet;
    };
    auto tilPaaStedet = [&] {
        ::close(fd);
        ::unlink(tmp.constData());
        return Udfald::PaaStedet;
    };

    if (gammel) {
        struct stat ny {};
        if (::fstat(fd, &ny) != 0)
            return opgiv(errno);
        if ((ny.st_uid != gammel->st_uid || ny.st_gid != gammel->st_gid)
            && ::fchown(fd, gammel->st_uid, gammel->st_gid) != 0)
            return tilPaaStedet();
        // After the owner: a change of owner clears the set-id bits.
        const mode_t mode = ownerOnly ? (S_IRUSR | S_IWUSR) : (gammel->st_mode & 07777);
        if (::fchmod(fd, mode) != 0)
            return opgiv(errno);
        if (!kopierXattrs(target.constData(), fd))
            return tilPaaStedet();
    } else if (!ownerOnly && ::fchmod(fd, nyeFilersMode()) != 0) {
        return opgiv(errno);
    }

    if (const Fejl err = skrivAlt(fd, bytes.constData(), bytes.size()))
        return opgiv(err);
    if (::fsync(fd) != 0)
        return opgiv(errno);
    if (const Fejl err = luk(fd)) {
        ::unlink(tmp.constData());
        r = fra(err);
        return Udfald::Skrevet;
    }
    if (::rename(tmp.constData(), target.constData()) != 0) {
        const Fejl err = errno;
        ::unlink(tmp.constData());
        r = fra(err);
        return Udfald::Skrevet;
    }
    synkMappe(mappeAf(target));
    r = {true, {}};
    return Udfald::Skrevet;
}

} // namespace

ReadResult writeFileAtomic(const QString &path, const QByteArray &bytes, bool ownerOnly)
{
    if (path.isEmpty())
        return fra(ENOENT);
    const QByteArray target = foelgLinks(QFile::encodeName(path));
    struct stat st {};
    const bool findes = ::stat(target.constData(), &st) == 0;
    if (findes && S_ISDIR(st.st_mode))
        return fra(EISDIR);
    if (findes && !S_ISREG(st.st_mode))
        return {false, QStringLiteral("Det er ikke en almindelig fil.")};
    // A file its owner made read-only stays so.
    if (findes && ::access(target.constData(), W_OK) != 0)
        return fra(errno);

    if (findes && st.st_nlink > 1)
        return skrivPaaStedet(target, bytes, ownerOnly);
    ReadResult r;
    if (erstat(target, findes ? &st : nullptr, bytes, ownerOnly, r) == Udfald::PaaStedet)
        return skrivPaaStedet(target, bytes, ownerOnly);
    return r;
}

} // namespace core
