#include "testsupport/testenv.h"

#include "core/programfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

TestProgramFolder::TestProgramFolder(bool seedFromData)
{
    m_oldDir = qgetenv("TAVLEVIRKE_DIR");
    m_oldData = qgetenv("XDG_DATA_HOME");
    m_oldConfig = qgetenv("XDG_CONFIG_HOME");
    QDir(m_dir.path()).mkpath(QStringLiteral("Tavlevirke"));
    QDir(m_dir.path()).mkpath(QStringLiteral("xdg-data"));
    QDir(m_dir.path()).mkpath(QStringLiteral("xdg-config"));
    qputenv("TAVLEVIRKE_DIR", QFile::encodeName(m_dir.path() + QStringLiteral("/Tavlevirke")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.path() + QStringLiteral("/xdg-data")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path() + QStringLiteral("/xdg-config")));
    if (seedFromData)
        core::ProgramFolder::install(core::ProgramFolder::installedDataDir(), programDir());
    else   // the folders a first start makes, without any data
        core::ProgramFolder::install(m_dir.path() + QStringLiteral("/ingen-data"), programDir());
}

TestProgramFolder::~TestProgramFolder()
{
    auto restore = [](const char *name, const QByteArray &old) {
        if (old.isNull()) qunsetenv(name); else qputenv(name, old);
    };
    restore("TAVLEVIRKE_DIR", m_oldDir);
    restore("XDG_DATA_HOME", m_oldData);
    restore("XDG_CONFIG_HOME", m_oldConfig);
}

QString TestProgramFolder::programDir() const
{
    return m_dir.path() + QStringLiteral("/Tavlevirke/");
}

QString TestProgramFolder::path(const QString &relative) const
{
    return programDir() + relative;
}

void TestProgramFolder::writeFile(const QString &relative, const QByteArray &bytes) const
{
    const QString p = path(relative);
    QDir().mkpath(QFileInfo(p).path());
    QFile f(p);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(p));
    f.write(bytes);
}

QByteArray TestProgramFolder::readFile(const QString &relative) const
{
    QFile f(path(relative));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

QString fixturePath(const QString &relative)
{
    return QStringLiteral(TAVLEVIRKE_FIXTURES "/") + relative;
}
