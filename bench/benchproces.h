#pragma once
// A peer program (rg, cp ...) timed as a whole process: the wall time from its start until
// it is reaped, and the CPU it used (user + system, of the process and of any children it
// waited for) from wait4's rusage, the way `time` reports a command. Its standard output is
// read through a pipe as it comes, its lines counted (and kept when asked), so a peer that
// lists a lot pays for its listing as our code pays for building its list.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace benchproces {

inline double secs(const timeval &t)
{
    return double(t.tv_sec) + double(t.tv_usec) / 1e6;
}

inline double nowS()
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// CPU (user + system) of this process so far, all its threads, in seconds.
inline double selfCpuS()
{
    rusage ru {};
    getrusage(RUSAGE_SELF, &ru);
    return secs(ru.ru_utime) + secs(ru.ru_stime);
}

struct Result {
    bool started = false;
    int exitCode = -1;        // -1 when it did not end normally
    double wallS = 0;         // start to reaped
    double cpuS = 0;          // user + system of the child (and its waited-for children)
    double peakMB = 0;        // its peak resident memory
    qint64 lines = 0;         // lines on its standard output
    qint64 bytes = 0;
    QByteArray output;        // only when keepOutput
    QString error;
};

// Runs program (looked up in PATH) with args; its standard error goes where ours goes.
inline Result run(const QString &program, const QStringList &args, bool keepOutput = false)
{
    Result r;
    std::vector<QByteArray> store;
    store.push_back(program.toLocal8Bit());
    for (const QString &a : args)
        store.push_back(a.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &a : store)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        r.error = QStringLiteral("pipe: %1").arg(QString::fromLocal8Bit(strerror(errno)));
        return r;
    }
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_adddup2(&fa, fds[1], STDOUT_FILENO);
    const double t0 = nowS();
    pid_t pid = 0;
    const int rc = posix_spawnp(&pid, argv[0], &fa, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&fa);
    ::close(fds[1]);
    if (rc != 0) {
        ::close(fds[0]);
        r.error = QStringLiteral("%1 could not be started: %2").arg(program, QString::fromLocal8Bit(strerror(rc)));
        return r;
    }
    r.started = true;
    static thread_local std::vector<char> buf(1 << 16);
    for (;;) {
        const ssize_t n = ::read(fds[0], buf.data(), buf.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        r.bytes += n;
        r.lines += std::count(buf.data(), buf.data() + n, '\n');
        if (keepOutput)
            r.output.append(buf.data(), n);
    }
    ::close(fds[0]);
    int status = 0;
    rusage ru {};
    while (wait4(pid, &status, 0, &ru) < 0 && errno == EINTR) {}
    r.wallS = nowS() - t0;
    r.cpuS = secs(ru.ru_utime) + secs(ru.ru_stime);
    r.peakMB = double(ru.ru_maxrss) / 1024;
    if (WIFEXITED(status))
        r.exitCode = WEXITSTATUS(status);
    else
        r.error = QStringLiteral("%1 did not end normally (status %2)").arg(program).arg(status);
    return r;
}

} // namespace benchproces
