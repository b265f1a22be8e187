#include "core/filkopi.h"

#include "core/fejltekst.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <memory>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace core {

namespace {
class Fd {
public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    ~Fd() { if (m_fd >= 0) ::close(m_fd); }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    int get() const { return m_fd; }
    int release() { const int f = m_fd; m_fd = -1; return f; }
private:
    int m_fd;
};

ReadResult fejl(int e, int *err)
{
    if (err)
        *err = e;
    return {false, e == ECANCELED ? QStringLiteral("Kopieringen blev afbrudt.")
                                  : fejlGrund(e, QString::fromLocal8Bit(std::strerror(e)))};
}

// Copies the whole of in to out; 0 or the error number.
int kopierIndhold(int in, int out, qint64 total, const KopiFremskridt &progress)
{
    qint64 copied = 0;
    bool kernel = true;
    static constexpr size_t kChunk = 1 << 20;
    std::unique_ptr<char[]> buf;
    for (;;) {
        ssize_t n;
        if (kernel) {
            n = ::copy_file_range(in, nullptr, out, nullptr, kChunk, 0);
            if (n < 0 && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP
                          || errno == EPERM)) {
                kernel = false;   // this pair of file systems copies through a buffer
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return errno;
        } else {
            if (!buf)
                buf.reset(new char[256 * 1024]);
            n = ::read(in, buf.get(), 256 * 1024);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return errno;
            for (ssize_t done = 0; done < n;) {
                const ssize_t w = ::write(out, buf.get() + done, size_t(n - done));
                if (w < 0 && errno == EINTR)
                    continue;
                if (w < 0)
                    return errno;
                done += w;
            }
        }
        if (n == 0)
            return 0;
        copied += n;
        if (progress && !progress(copied, total))
            return ECANCELED;
    }
}

// Gives the unnamed file out (made with O_TMPFILE) the name dst; with overwrite an existing
// dst is replaced in one step through a hidden name beside it. 0 or the error number.
int navngivUnavngiven(int out, const QByteArray &folder, const QByteArray &dst, bool overwrite)
{
    const QByteArray proc = "/proc/self/fd/" + QByteArray::number(out);
    if (::linkat(AT_FDCWD, proc.constData(), AT_FDCWD, dst.constData(), AT_SYMLINK_FOLLOW) == 0)
        return 0;
    if (errno != EEXIST || !overwrite)
        return errno;
    for (int forsoeg = 0; forsoeg < 100; ++forsoeg) {
        const QByteArray tmp = folder + "/.tavlevirke-" + QByteArray::number(::getpid()) + '-'
                               + QByteArray::number(forsoeg) + '-' + QByteArray::number(out);
        if (::linkat(AT_FDCWD, proc.constData(), AT_FDCWD, tmp.constData(), AT_SYMLINK_FOLLOW) != 0) {
            if (errno == EEXIST)
                continue;
            return errno;
        }
        if (::rename(tmp.constData(), dst.constData()) != 0) {
            const int e = errno;
            ::unlink(tmp.constData());
            return e;
        }
        return 0;
    }
    return EEXIST;
}

// The source's permissions and times onto the copy.
void overfoerEgenskaber(int out, const struct stat &st)
{
    ::fchmod(out, st.st_mode & 07777);
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    ::futimens(out, times);
}
} // namespace

ReadResult kopierFilAtomisk(const QString &source, const QString &target, bool overwrite,
                            const KopiFremskridt &progress, int *err)
{
    if (err)
        *err = 0;
    const QByteArray src = QFile::encodeName(source);
    const QByteArray dst = QFile::encodeName(target);
    Fd in(::open(src.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (in.get() < 0)
        return fejl(errno, err);
    struct stat st;
    if (::fstat(in.get(), &st) != 0)
        return fejl(errno, err);
    // A device or FIFO is no file to copy: reading one may never end.
    if (!S_ISREG(st.st_mode)) {
        if (err)
            *err = EINVAL;
        return {false, QStringLiteral("Det er ikke en almindelig fil.")};
    }
    if (!overwrite && QFileInfo::exists(target))
        return fejl(EEXIST, err);
    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());

    // Where the file system offers it, the copy is written to a file without a name, which
    // gets its name in one step when complete: nothing to clean up after a failure or a
    // crash, and one change of the folder per file, as a plain copy makes.
    {
        Fd out(::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
        if (out.get() >= 0) {
            if (const int e = kopierIndhold(in.get(), out.get(), st.st_size, progress))
                return fejl(e, err);
            overfoerEgenskaber(out.get(), st);
            const int e = navngivUnavngiven(out.get(), folder, dst, overwrite);
            if (e == 0) {
                if (::close(out.release()) != 0) {
                    const int ce = errno;
                    ::unlink(dst.constData());
                    return fejl(ce, err);
                }
                return {true, {}};
            }
            if (e == EEXIST || e == ENOSPC || e == EDQUOT || e == EACCES || e == EROFS || e == ENAMETOOLONG)
                return fejl(e, err);
            // No /proc, or no links on this file system: copy again the other way.
            if (::lseek(in.get(), 0, SEEK_SET) != 0)
                return fejl(errno, err);
        } else if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL && errno != ENOENT) {
            return fejl(errno, err);
        }
    }

    QByteArray tmpl = folder + "/.tavlevirke-XXXXXX";
    Fd out(::mkostemp(tmpl.data(), O_CLOEXEC));
    if (out.get() < 0)
        return fejl(errno, err);
    auto opgiv = [&](int e) {
        ::close(out.release());
        ::unlink(tmpl.constData());
        return fejl(e, err);
    };
    if (const int e = kopierIndhold(in.get(), out.get(), st.st_size, progress))
        return opgiv(e);
    overfoerEgenskaber(out.get(), st);
    if (::close(out.release()) != 0) {
        const int e = errno;
        ::unlink(tmpl.constData());
        return fejl(e, err);
    }
    if (overwrite) {
        if (::rename(tmpl.constData(), dst.constData()) != 0) {
            const int e = errno;
            ::unlink(tmpl.constData());
            return fejl(e, err);
        }
        return {true, {}};
    }
    // link() refuses an existing name, so a file that appeared meanwhile is never replaced.
    if (::link(tmpl.constData(), dst.constData()) == 0) {
        ::unlink(tmpl.constData());
        return {true, {}};
    }
    int e = errno;
    if (e == EPERM || e == ENOSYS || e == EOPNOTSUPP) {
        // A file system without hard links (FAT): the check above has to do.
        if (!QFileInfo::exists(target) && ::rename(tmpl.constData(), dst.constData()) == 0)
            return {true, {}};
        e = QFileInfo::exists(target) ? EEXIST : errno;
    }
    ::unlink(tmpl.constData());
    return fejl(e, err);
}

}
