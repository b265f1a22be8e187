#pragma once
// Choosing a file name to open or save under.
//
// A modal chooser built on Qt's file dialog. Opening and saving documents go through the
// program's own file browser; while a test has set a handler (setFilvalgHandler), they ask
// here instead and get their answer at once.

#include <QString>
#include <functional>

class QWidget;

namespace shell {

enum class FilvalgMode { Aaben, Gem };

// Returns the chosen full path, or an empty string when the user cancelled.
// `proposed` is the folder or full name to start from.
QString vaelgFil(QWidget *parent, FilvalgMode mode, const QString &proposed);

void setFilvalgHandler(std::function<QString(FilvalgMode, const QString &)> handler);
bool harFilvalgHandler();

} // namespace shell
