#pragma once
// Copying one file so that the target's name only ever holds a whole file: the data goes
// into a hidden temporary file in the target's folder, which takes the final name only once
// it is complete. A failed or cancelled copy leaves no partial file behind, and an existing
// target stays as it was until the new copy replaces it in one step.

#include "core/textfile.h"

#include <QString>
#include <functional>

namespace core {

// Called after each chunk with the bytes copied so far; returning false cancels the copy.
using KopiFremskridt = std::function<bool(qint64 copied, qint64 total)>;

// Copies source to target. With overwrite false an existing target is never replaced (the
// copy then fails with the reason). The copy keeps the source's permissions and times.
// err, when given, receives the system's error number (ECANCELED for a cancelled copy).
ReadResult kopierFilAtomisk(const QString &source, const QString &target, bool overwrite,
                            const KopiFremskridt &progress = {}, int *err = nullptr);

}
