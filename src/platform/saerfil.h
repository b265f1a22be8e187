#pragma once
// Special files: devices, FIFOs, sockets and the kernel's /proc and /sys trees. Reading one
// may block for good (a FIFO without a writer, /proc/kmsg) or never end (/dev/zero), and
// writing one is never saving a document, so the program neither opens nor saves them.

#include <QString>

namespace platform {

// Why `path` may not be opened or saved as a document, in Danish; empty when it may (also when
// it does not exist yet). Looks at the file's type only, never at its content.
QString saerfilGrund(const QString &path);

}
