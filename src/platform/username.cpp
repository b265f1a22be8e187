#include "platform/username.h"

#include <pwd.h>
#include <unistd.h>

namespace platform {

QString userName()
{
    const passwd *pw = getpwuid(getuid());
    if (!pw || !pw->pw_name)
        return {};
    return QString::fromLocal8Bit(pw->pw_name).left(254);
}

}
