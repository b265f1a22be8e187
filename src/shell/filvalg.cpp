#include "shell/filvalg.h"

#include "shell/navneikoner.h"

#include <QFileDialog>

namespace shell {

namespace {
std::function<QString(FilvalgMode, const QString &)> &handler()
{
    static std::function<QString(FilvalgMode, const QString &)> h;
    return h;
}
}

void setFilvalgHandler(std::function<QString(FilvalgMode, const QString &)> h)
{
    handler() = std::move(h);
}

QString vaelgFil(QWidget *parent, FilvalgMode mode, const QString &proposed)
{
    if (handler())
        return handler()(mode, proposed);
    const bool gem = mode == FilvalgMode::Gem;
    TNavneIkoner ikoner;   // outlives the dialog, which keeps a pointer to it
    QFileDialog dialog(parent, gem ? QStringLiteral("Gem dokument") : QStringLiteral("Åben dokument"));
    dialog.setObjectName(QStringLiteral("filvalg"));
    // Qt's own dialog, so that our icon provider (which never reads a file) is the one used.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setIconProvider(&ikoner);
    dialog.setAcceptMode(gem ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(gem ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The program asks about overwriting itself, in its own words.
    if (gem)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QFileInfo start(proposed);
    if (start.isDir()) {
        dialog.setDirectory(proposed);
    } else if (!proposed.isEmpty()) {
        dialog.setDirectory(start.absolutePath());
        dialog.selectFile(start.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace shell
