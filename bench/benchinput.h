#pragma once
// Where the benchmarks find their input, and how they stop when it is missing.
//
// The shared folder (corpus/, tools/) is $TAVLEVIRKE_SHARED, else the folder compiled in
// (../shared beside the source tree). A benchmark whose input is missing or empty calls
// fail(): it reports an error instead of a figure, the reason goes to stderr, and main
// returns exitCode(), which is then non-zero. Each benchmark tells the size of what it
// read (tell()) on stderr, so a run on the wrong input shows.

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <benchmark/benchmark.h>

#include <cstdio>

#ifndef TAVLEVIRKE_SHARED_DEFAULT
#error "bench/CMakeLists.txt defines TAVLEVIRKE_SHARED_DEFAULT for every benchmark"
#endif

namespace benchinput {

inline bool &failedFlag()
{
    static bool failed = false;
    return failed;
}

// What main returns: 1 when any benchmark stopped for want of its input.
inline int exitCode()
{
    return failedFlag() ? 1 : 0;
}

// Stops the benchmark with an error (no figure) and makes the run end non-zero. Return
// from the benchmark function right after, before its timing loop.
inline void fail(benchmark::State &state, const QString &why)
{
    failedFlag() = true;
    const QByteArray m = why.toLocal8Bit();
    std::fprintf(stderr, "benchmark stopped: %s\n", m.constData());
    std::fflush(stderr);
    state.SkipWithError(m.constData());
}

// Tells the input's size on stderr.
inline void tell(const QString &what, const QString &path, qint64 files, qint64 bytes)
{
    std::fprintf(stderr, "input: %s: %s: %lld files, %lld bytes (%.1f MB)\n", qPrintable(what),
                 qPrintable(path), static_cast<long long>(files), static_cast<long long>(bytes),
                 double(bytes) / (1024 * 1024));
    std::fflush(stderr);
}

inline QString sharedDir()
{
    const QString env = qEnvironmentVariable("TAVLEVIRKE_SHARED");
    return QDir::cleanPath(env.isEmpty() ? QStringLiteral(TAVLEVIRKE_SHARED_DEFAULT) : env);
}

inline QString corpusDir()
{
    return sharedDir() + QStringLiteral("/corpus");
}

inline QString toolsDir()
{
    return sharedDir() + QStringLiteral("/tools");
}

struct Files {
    QString dir;
    QStringList paths;   // sorted
    qint64 bytes = 0;
    QString error;       // empty when dir holds at least one file
    bool ok() const { return error.isEmpty(); }
};

// The files in dir matching filters (below it too when recursive), with their total size;
// an error when dir is missing or holds none.
inline Files listFiles(const QString &dir, const QStringList &filters, bool recursive)
{
    Files f;
    f.dir = dir;
    if (!QFileInfo(dir).isDir()) {
        f.error = QStringLiteral("input folder %1 is missing (set TAVLEVIRKE_SHARED to the shared folder)").arg(dir);
        return f;
    }
    QDirIterator it(dir, filters, QDir::Files,
                    recursive ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
    while (it.hasNext()) {
        it.next();
        f.paths << it.filePath();
        f.bytes += it.fileInfo().size();
    }
    f.paths.sort();
    if (f.paths.isEmpty())
        f.error = QStringLiteral("input folder %1 holds no %2 files").arg(dir, filters.join(u' '));
    return f;
}

// The corpus's pages (*.html, *.htm, below the corpus folder), told on stderr once.
inline const Files &corpusPages()
{
    static const Files f = [] {
        Files c = listFiles(corpusDir(), {QStringLiteral("*.html"), QStringLiteral("*.htm")}, true);
        if (c.ok())
            tell(QStringLiteral("corpus pages"), c.dir, c.paths.size(), c.bytes);
        return c;
    }();
    return f;
}

} // namespace benchinput
