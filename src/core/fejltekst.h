#pragma once
// Why a file could not be read or written, in a short Danish sentence.

#include <QString>

namespace core {

// The reason for the system error number err (errno); a reason the program has no
// sentence for is the system's own text in parentheses.
QString fejlGrund(int err, const QString &systemText);

} // namespace core
