#pragma once
// Why a file could not be read or written, in a short Danish sentence.

#include <QString>

namespace core {

// The reason for the system error number err (errno); a reason the program has no
// sentence for is the system's own text in parentheses.
QString fejlGrund(int err, const QString &systemText);

// The reason a name from the disk cannot be used: its bytes are no text in the system's
// encoding, so it became a name with replacement characters that leads nowhere.
QString ulaeseligtNavnGrund();
// Whether path is such a name: it holds the replacement character and no file has it.
bool erUlaeseligtNavn(const QString &path);
// fejlGrund for an operation on path: a missing file whose name could not be read says so.
QString fejlGrund(int err, const QString &systemText, const QString &path);

} // namespace core
