#pragma once
// Handing a file to the desktop: the default application for its type, or the file itself
// when it is a program. Failures are not reported, as with the shell's own "open".

#include <QString>
#include <functional>

namespace platform {

void shellOpen(const QString &path);

// Tests replace the hand-over so nothing is started; pass an empty function to restore it.
void setShellOpenHandler(std::function<void(const QString &)> handler);

}
