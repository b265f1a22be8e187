#pragma once
// Choosing a file name to open or save under.
//
// For now Qt's standard file dialogs do the choosing; the program's own file browser takes
// over here later without the callers changing. Tests answer through setFilvalgHandler.

#include <QString>
#include <functional>

class QWidget;

namespace shell {

enum class FilvalgMode { Aaben, Gem };

// Returns the chosen full path, or an empty string when the user cancelled.
// `proposed` is the folder or full name to start from.
QString vaelgFil(QWidget *parent, FilvalgMode mode, const QString &proposed);

void setFilvalgHandler(std::function<QString(FilvalgMode, const QString &)> handler);

} // namespace shell
