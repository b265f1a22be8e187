#include "shell/filvalg.h"

#include "platform/navneikoner.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QTreeView>

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

bool harFilvalgHandler()
{
    return bool(handler());
}

QString vaelgFil(QWidget *parent, FilvalgMode mode, const QString &proposed)
{
    if (handler())
        return handler()(mode, proposed);
    const bool gem = mode == FilvalgMode::Gem;
    QFileDialog dialog(parent, gem ? QStringLiteral("Gem dokument") : QStringLiteral("Åben dokument"));
    dialog.setObjectName(QStringLiteral("filvalg"));
    platform::brugNavneIkoner(&dialog);
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
    // Room for the size, type and date columns without cutting them, now in Danish words.
    dialog.resize(qMax(dialog.width(), 860), qMax(dialog.height(), 500));
    auto *model = dialog.findChild<QFileSystemModel *>();
    auto *tree = dialog.findChild<QTreeView *>(QStringLiteral("treeView"));
    if (model && tree) {
        QObject::connect(model, &QFileSystemModel::directoryLoaded, tree, [tree] {
            for (int c = 1; c < tree->header()->count(); ++c)
                tree->resizeColumnToContents(c);
        });
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace shell
