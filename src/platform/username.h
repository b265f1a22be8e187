#pragma once
#include <QString>

namespace platform {
// The logged-on user's account name (at most 254 characters), empty when the system gives none.
QString userName();
}
