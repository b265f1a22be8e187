#include "core/programfolder.h"

#include "core/filkopi.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace core::ProgramFolder {

namespace {

QString withSlash(QString p)
{
    if (!p.endsWith(u'/')) p += u'/';
    return p;
}

// Folders the program writes into even though the installed tree carries no file there.
const char *const kExpectedFolders[] = {
    "Egenskaber",
    "Egenskaber/Spaltedesign",
    "Egenskaber/Kolonne layout",
    "Egenskaber/Kontainer",
    "Egenskaber/Flex layout",
    "Egenskaber/ftpmappe",
    "Dokumenter",
    "Klicheer",
};

// Writes what the file system holds for folder's file system to the disk, in one call.
void synkroniserFilsystem(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::syncfs(fd);
    ::close(fd);
}

} // namespace

QString programDir()
{
    const QString env = qEnvironmentVariable("TAVLEVIRKE_DIR");
    if (!env.isEmpty())
        return withSlash(QDir::cleanPath(QDir(env).absolutePath()));
    return withSlash(QDir::homePath() + QStringLiteral("/Tavlevirke"));
}

QString optDir() { return programDir() + QStringLiteral("Egenskaber/"); }

QString documentsDir() { return programDir() + QStringLiteral("Dokumenter"); }

QString installedDataDir()
{
    if (QCoreApplication::instance()) {
        const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/tavlevirke");
        if (QFileInfo(beside).isDir())
            return withSlash(QDir::cleanPath(beside));
    }
    return withSlash(QStringLiteral(TAVLEVIRKE_SOURCE_DATA));
}

QStringList install(const QString &from, const QString &to)
{
    QStringList failures;
    QDir target(to);
    if (!target.mkpath(QStringLiteral("."))) {
        failures << QStringLiteral("%1: mappen kan ikke oprettes").arg(to);
        return failures;
    }
    for (const char *folder : kExpectedFolders)
        target.mkpath(QString::fromUtf8(folder));

    const QDir source(from);
    if (from.isEmpty() || !source.exists())
        return failures;
    // Only what is missing is copied. Each copy takes its name only when whole, and none is
    // synced on its own (a sync per file made the first start slow): the folder gets one sync
    // when the copying is done.
    QDirIterator it(from, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    QString lastFolder;
    bool copied = false;
    while (it.hasNext()) {
        const QString file = it.next();
        const QString rel = source.relativeFilePath(file);
        const QString dest = target.filePath(rel);
        if (QFileInfo::exists(dest))
            continue;
        const QString folder = QFileInfo(rel).path();
        if (folder != lastFolder) {
            target.mkpath(folder);
            lastFolder = folder;
        }
        int err = 0;
        const ReadResult r = kopierFilAtomisk(file, dest, false, {}, &err);
        if (r.ok)
            copied = true;
        else if (err != EEXIST)
            failures << QStringLiteral("%1: %2").arg(dest, r.error);
    }
    if (copied)
        synkroniserFilsystem(to);
    return failures;
}

bool isSafeName(const QString &name)
{
    return !name.isEmpty() && !name.contains(u'/') && !name.contains(u'\\')
        && !name.contains(QStringLiteral("..")) && !name.contains(QChar(u'\0'));
}

QString findFileNoCase(const QString &folder, const QString &name)
{
    if (!isSafeName(name))
        return {};
    const QString dir = withSlash(folder);
    const QString exact = dir + name;
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries = QDir(dir).entryList(QDir::Files | QDir::Hidden);
    for (const QString &e : entries)
        if (e.compare(name, Qt::CaseInsensitive) == 0)
            return dir + e;
    return exact;
}

} // namespace core::ProgramFolder
