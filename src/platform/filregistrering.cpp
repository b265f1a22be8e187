#include "platform/filregistrering.h"

#include "core/textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

// The icon lives in the library's resources, which a static library must register itself.
static void registrerIkon()
{
    Q_INIT_RESOURCE(platform);
}

namespace platform {

namespace {

const QString kDesktopId = QStringLiteral("tavlevirke.desktop");

QString dataHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u'/';
}

QString configHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/';
}


// An Exec value: the program quoted as the desktop entry specification asks.
QString execArg(const QString &program)
{
    QString q;
    for (const QChar c : program) {
        // Escaped once for the argument and once more for the key's string value.
        if (c == u'\\')
            q += QStringLiteral("\\\\\\");
        else if (c == u'"' || c == u'`' || c == u'$')
            q += QStringLiteral("\\\\");
        if (c == u'%')
            q += u'%';
        q += c;
    }
    return u'"' + q + u'"';
}

// The value of a key in the [Desktop Entry] group of an existing entry.
QStringList mimeTypesI(const QString &entry)
{
    for (const QString &line : entry.split(u'\n')) {
        if (line.startsWith(QStringLiteral("MimeType=")))
            return line.mid(9).split(u';', Qt::SkipEmptyParts);
    }
    return {};
}

QString skriv(const QString &path, const QString &text)
{
    QDir().mkpath(QFileInfo(path).path());
    const core::ReadResult r = core::writeFileAtomic(path, text.toUtf8());
    return r.ok ? QString() : QStringLiteral("%1 kunne ikke skrives.\r%2").arg(path, r.error);
}

QString laes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

// Tells the desktop's caches about the change; they are rebuilt in the background.
void opdaterCaches()
{
    const QString apps = dataHome() + QStringLiteral("applications");
    if (!QStandardPaths::findExecutable(QStringLiteral("update-desktop-database")).isEmpty())
        QProcess::startDetached(QStringLiteral("update-desktop-database"), {QStringLiteral("-q"), apps});
}

QString skrivEntry(const QString &program, const QStringList &typer)
{
    const QString ikon = dataHome() + QStringLiteral("icons/hicolor/scalable/apps/tavlevirke.svg");
    if (!QFileInfo::exists(ikon)) {
        registrerIkon();
        QFile f(QStringLiteral(":/platform/tavlevirke.svg"));
        if (!f.open(QIODevice::ReadOnly))
            return QStringLiteral("Programmets ikon mangler.");
        QDir().mkpath(QFileInfo(ikon).path());
        const core::ReadResult r = core::writeFileAtomic(ikon, f.readAll());
        if (!r.ok)
            return QStringLiteral("%1 kunne ikke skrives.\r%2").arg(ikon, r.error);
    }
    return skriv(desktopFil(), desktopEntry(program, QStringLiteral("Åbnes med Tavlevirke"), typer));
}

} // namespace

QString desktopFil() { return dataHome() + QStringLiteral("applications/") + kDesktopId; }
QString mimeappsFil() { return configHome() + QStringLiteral("mimeapps.list"); }

QString mimeTypeForExtension(const QString &ext)
{
    QString e = ext.startsWith(u'.') ? ext.mid(1) : ext;
    const QMimeType t = QMimeDatabase().mimeTypeForFile(QStringLiteral("x.") + e, QMimeDatabase::MatchExtension);
    if (t.isValid() && !t.isDefault())
        return t.name();
    QString safe;
    for (const QChar c : e.toLower())
        if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'-' || c == u'+')
            safe += c;
    return QStringLiteral("application/x-tavlevirke-") + (safe.isEmpty() ? QStringLiteral("fil") : safe);
}

QString desktopEntry(const QString &program, const QString &kommentar, const QStringList &mimeTypes)
{
    QStringList lines = {
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Application"),
        QStringLiteral("Version=1.4"),
        QStringLiteral("Name=Tavlevirke"),
        QStringLiteral("GenericName=Kodeeditor"),
        QStringLiteral("Comment=") + kommentar,
        QStringLiteral("Exec=") + execArg(program) + QStringLiteral(" %F"),
        QStringLiteral("Icon=tavlevirke"),
        QStringLiteral("Terminal=false"),
        QStringLiteral("Categories=Development;TextEditor;Utility;"),
        QStringLiteral("StartupNotify=true"),
    };
    if (!mimeTypes.isEmpty())
        lines << QStringLiteral("MimeType=") + mimeTypes.join(u';') + u';';
    return lines.join(u'\n') + u'\n';
}

QString saetStandard(const QString &mimeapps, const QString &mime, const QString &desktopId, bool som)
{
    QStringList lines = mimeapps.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    auto gruppe = [&](const QString &navn) -> qsizetype {
        for (qsizetype i = 0; i < lines.size(); ++i)
            if (lines[i].trimmed() == u'[' + navn + u']')
                return i;
        return -1;
    };
    // Sets (or removes) desktopId in the value of mime in group; first says where it goes.
    auto ret = [&](const QString &navn, bool first) {
        qsizetype g = gruppe(navn);
        if (g < 0) {
            if (!som)
                return;
            if (!lines.isEmpty() && !lines.last().isEmpty())
                lines << QString();
            lines << u'[' + navn + u']';
            g = lines.size() - 1;
        }
        qsizetype end = g + 1;
        while (end < lines.size() && !lines[end].trimmed().startsWith(u'['))
            ++end;
        for (qsizetype i = g + 1; i < end; ++i) {
            const qsizetype eq = lines[i].indexOf(u'=');
            if (eq < 0 || lines[i].left(eq).trimmed() != mime)
                continue;
            QStringList ids = lines[i].mid(eq + 1).split(u';', Qt::SkipEmptyParts);
            ids.removeAll(desktopId);
            if (som) {
                if (first) ids.prepend(desktopId); else ids.append(desktopId);
            }
            if (ids.isEmpty())
                lines.removeAt(i);
            else
                lines[i] = mime + u'=' + ids.join(u';') + u';';
            return;
        }
        if (som) {
            // After the group's last entry, before any blank lines.
            qsizetype at = end;
            while (at > g + 1 && lines[at - 1].trimmed().isEmpty())
                --at;
            lines.insert(at, mime + u'=' + desktopId + u';');
        }
    };
    ret(QStringLiteral("Default Applications"), true);
    ret(QStringLiteral("Added Associations"), true);
    return lines.join(u'\n') + u'\n';
}

QString registrerFiltype(const QString &ext, const QString &, const QString &program)
{
    const QString mime = mimeTypeForExtension(ext);
    if (mime.startsWith(QStringLiteral("application/x-tavlevirke-"))) {
        // A type of our own for an extension the desktop does not know.
        QString e = ext.startsWith(u'.') ? ext.mid(1) : ext;
        const QString xml = QStringLiteral(
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
            "  <mime-type type=\"%1\">\n"
            "    <comment>%2-fil</comment>\n"
            "    <sub-class-of type=\"text/plain\"/>\n"
            "    <glob pattern=\"*.%3\"/>\n"
            "  </mime-type>\n"
            "</mime-info>\n").arg(mime, e.toHtmlEscaped(), e.toHtmlEscaped());
        const QString pkg = dataHome() + QStringLiteral("mime/packages/") + mime.section(u'/', 1) + QStringLiteral(".xml");
        if (QString err = skriv(pkg, xml); !err.isEmpty())
            return err;
        if (!QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty())
            QProcess::execute(QStringLiteral("update-mime-database"), {dataHome() + QStringLiteral("mime")});
    }
    QStringList typer = mimeTypesI(laes(desktopFil()));
    if (!typer.contains(mime))
        typer << mime;
    if (QString err = skrivEntry(program, typer); !err.isEmpty())
        return err;
    if (QString err = skriv(mimeappsFil(), saetStandard(laes(mimeappsFil()), mime, kDesktopId, true)); !err.isEmpty())
        return err;
    opdaterCaches();
    return {};
}

QString fjernFiltype(const QString &ext)
{
    const QString mime = mimeTypeForExtension(ext);
    if (QFileInfo::exists(mimeappsFil()))
        if (QString err = skriv(mimeappsFil(), saetStandard(laes(mimeappsFil()), mime, kDesktopId, false)); !err.isEmpty())
            return err;
    const QString entry = laes(desktopFil());
    if (!entry.isEmpty()) {
        QStringList typer = mimeTypesI(entry);
        typer.removeAll(mime);
        const QString program = QCoreApplication::applicationFilePath();
        if (!program.isEmpty())
            if (QString err = skrivEntry(program, typer); !err.isEmpty())
                return err;
    }
    opdaterCaches();
    return {};
}

} // namespace platform
