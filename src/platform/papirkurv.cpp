#include "platform/papirkurv.h"

#include "core/fejltekst.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <filesystem>
#include <system_error>

namespace platform {

namespace {
QString grund(const std::error_code &ec)
{
    return core::fejlGrund(ec.value(), QString::fromStdString(ec.message()));
}
}

bool tilPapirkurv(const QString &path, QString *reason)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        if (reason)
            *reason = core::erUlaeseligtNavn(path) ? core::ulaeseligtNavnGrund()
                                                   : QStringLiteral("Filen eller mappen findes ikke.");
        return false;
    }
    QFile f(path);
    if (f.moveToTrash())
        return true;
    if (reason) {
        *reason = QStringLiteral("Papirkurven kunne ikke tage imod den.");
        if (!f.errorString().isEmpty())
            *reason += QStringLiteral(" (") + f.errorString() + u')';
    }
    return false;
}

bool sletPermanent(const QString &path, QString *reason)
{
    // remove_all removes a symbolic link as a link and never descends through one.
    std::error_code ec;
    const std::filesystem::path p(QFile::encodeName(path).toStdString());
    if (!std::filesystem::exists(std::filesystem::symlink_status(p, ec))) {
        if (reason)
            *reason = core::erUlaeseligtNavn(path) ? core::ulaeseligtNavnGrund()
                                                   : QStringLiteral("Filen eller mappen findes ikke.");
        return false;
    }
    std::filesystem::remove_all(p, ec);
    if (ec) {
        if (reason)
            *reason = grund(ec);
        return false;
    }
    return true;
}

bool toemPapirkurv(QString *reason)
{
    const QString trash = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                          + QStringLiteral("/Trash/");
    bool ok = true;
    for (const char *sub : {"files", "info"}) {
        const QString folder = trash + QString::fromLatin1(sub);
        const QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                         | QDir::NoDotAndDotDot);
        for (const QString &n : names) {
            QString r;
            if (!sletPermanent(folder + u'/' + n, &r)) {
                ok = false;
                if (reason)
                    *reason = r;
            }
        }
    }
    return ok;
}

}
