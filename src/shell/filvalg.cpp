#include "shell/filvalg.h"

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
    if (mode == FilvalgMode::Aaben)
        return QFileDialog::getOpenFileName(parent, QStringLiteral("Åben dokument"), proposed);
    // The program asks about overwriting itself, in its own words.
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Gem dokument"), proposed, QString(), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

} // namespace shell
