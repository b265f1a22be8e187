// A preloaded library (LD_PRELOAD) that makes writes fail the way a full or failing drive
// does, for the files under one folder only: once a given number of new bytes is used up,
// write, pwrite and copy_file_range write what still fits and then fail; fsync can fail on its own. The test
// arms it through fejlshim_saet, found with dlsym, so a test run without the library can
// tell and fail instead of passing untested.

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <mutex>

#include <dlfcn.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/uio.h>
#include <unistd.h>

namespace {

std::mutex g_laas;
char g_mappe[4096];
std::atomic<bool> g_aktiv{false};
std::atomic<long long> g_tilbage{-1};   // bytes still allowed; -1: writes are not touched
std::atomic<int> g_skriveFejl{ENOSPC};
std::atomic<int> g_fsyncFejl{0};

template <typename F>
F rigtig(const char *navn)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, navn));
}

bool ramt(int fd)
{
    if (!g_aktiv.load())
        return false;
    char link[64];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char sti[4096];
    const ssize_t n = readlink(link, sti, sizeof sti - 1);
    if (n <= 0)
        return false;
    sti[n] = 0;
    std::lock_guard<std::mutex> l(g_laas);
    return strncmp(sti, g_mappe, strlen(g_mappe)) == 0;
}

// How many of n bytes written at off (-1: the file offset) may go out; -1 with errno set when
// none may. Like a full drive, only bytes that make the file grow count: rewriting what a
// file already holds always works.
ssize_t tilladt(int fd, size_t n, off_t off = -1)
{
    if (g_tilbage.load() < 0 || !ramt(fd))
        return ssize_t(n);
    struct stat st {};
    if (fstat(fd, &st) != 0)
        return ssize_t(n);
    if (off < 0)
        off = lseek(fd, 0, SEEK_CUR);
    const long long inden = off < st.st_size ? (long long)(st.st_size - off) : 0;
    const long long vokser = (long long)n > inden ? (long long)n - inden : 0;
    const long long tilbage = g_tilbage.load();
    if (vokser <= tilbage) {
        g_tilbage -= vokser;
        return ssize_t(n);
    }
    const long long del = inden + tilbage;
    g_tilbage = 0;
    if (del <= 0) {
        errno = g_skriveFejl.load();
        return -1;
    }
    return ssize_t(del);
}

} // namespace

extern "C" {

__attribute__((visibility("default"))) void fejlshim_saet(const char *mappe, long long bytes, int skriveFejl,
                                                          int fsyncFejl)
{
    {
        std::lock_guard<std::mutex> l(g_laas);
        snprintf(g_mappe, sizeof g_mappe, "%s", mappe ? mappe : "");
    }
    g_tilbage = bytes;
    g_skriveFejl = skriveFejl;
    g_fsyncFejl = fsyncFejl;
    g_aktiv = mappe && *mappe && (bytes >= 0 || fsyncFejl != 0);
}

__attribute__((visibility("default"))) ssize_t write(int fd, const void *buf, size_t n)
{
    static auto real = rigtig<ssize_t (*)(int, const void *, size_t)>("write");
    const ssize_t m = tilladt(fd, n);
    return m < 0 ? -1 : real(fd, buf, size_t(m));
}

__attribute__((visibility("default"))) ssize_t pwrite(int fd, const void *buf, size_t n, off_t off)
{
    static auto real = rigtig<ssize_t (*)(int, const void *, size_t, off_t)>("pwrite");
    const ssize_t m = tilladt(fd, n, off);
    return m < 0 ? -1 : real(fd, buf, size_t(m), off);
}

__attribute__((visibility("default"))) ssize_t pwrite64(int fd, const void *buf, size_t n, off64_t off)
{
    static auto real = rigtig<ssize_t (*)(int, const void *, size_t, off64_t)>("pwrite64");
    const ssize_t m = tilladt(fd, n, off);
    return m < 0 ? -1 : real(fd, buf, size_t(m), off);
}

__attribute__((visibility("default"))) ssize_t writev(int fd, const struct iovec *iov, int cnt)
{
    static auto real = rigtig<ssize_t (*)(int, const struct iovec *, int)>("writev");
    if (cnt > 0 && g_aktiv.load() && ramt(fd)) {
        // One piece at a time, so the allowance is counted as write counts it.
        const ssize_t m = tilladt(fd, iov[0].iov_len);
        if (m < 0)
            return -1;
        static auto realWrite = rigtig<ssize_t (*)(int, const void *, size_t)>("write");
        return realWrite(fd, iov[0].iov_base, size_t(m));
    }
    return real(fd, iov, cnt);
}

// The kernel's copy between files counts as a write of the bytes the source still holds.
__attribute__((visibility("default"))) ssize_t copy_file_range(int in, off64_t *offIn, int out, off64_t *offOut,
                                                               size_t n, unsigned int flags)
{
    static auto real = rigtig<ssize_t (*)(int, off64_t *, int, off64_t *, size_t, unsigned int)>("copy_file_range");
    struct stat st {};
    if (g_aktiv.load() && fstat(in, &st) == 0) {
        const off_t from = offIn ? *offIn : lseek(in, 0, SEEK_CUR);
        const size_t rest = from < st.st_size ? size_t(st.st_size - from) : 0;
        n = rest < n ? rest : n;
        const ssize_t m = tilladt(out, n, offOut ? *offOut : -1);
        if (m < 0)
            return -1;
        n = size_t(m);
    }
    return real(in, offIn, out, offOut, n, flags);
}

__attribute__((visibility("default"))) int fsync(int fd)
{
    static auto real = rigtig<int (*)(int)>("fsync");
    if (g_fsyncFejl.load() != 0 && ramt(fd)) {
        errno = g_fsyncFejl.load();
        return -1;
    }
    return real(fd);
}

__attribute__((visibility("default"))) int fdatasync(int fd)
{
    static auto real = rigtig<int (*)(int)>("fdatasync");
    if (g_fsyncFejl.load() != 0 && ramt(fd)) {
        errno = g_fsyncFejl.load();
        return -1;
    }
    return real(fd);
}

} // extern "C"
