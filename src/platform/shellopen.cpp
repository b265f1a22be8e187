#include "platform/shellopen.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace platform {

namespace {
std::function<void(const QString &)> &handler()
{
    static std::function<void(const QString &)> h;
    return h;
}
}

void setShellOpenHandler(std::function<void(const QString &)> h)
{
    handler() = std::move(h);
}

void shellOpen(const QString &path)
{
    if (handler()) {
        handler()(path);
        return;
    }
    const QFileInfo info(path);
    // Pages on a mounted Windows disk often carry the execute bit, so only files that look
    // like programs are started directly, in their own folder.
    static const QStringList programSuffixes = {QString(), QStringLiteral("sh"),
                                                QStringLiteral("run"), QStringLiteral("appimage"),
                                                QStringLiteral("bin")};
    if (info.isFile() && info.isExecutable() && programSuffixes.contains(info.suffix().toLower())) {
        QProcess::startDetached(info.absoluteFilePath(), {}, info.absolutePath());
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}

}
