#include "platform/vinduesplads.h"

#include "core/optionfile.h"

namespace platform {

bool hentPlads(QWidget *window, const QString &optfil)
{
    core::OptionReader r(optfil, 2);
    const int top = r.integer(0), left = r.integer(1);
    if (!r.ok())
        return false;
    window->move(left, top);
    return true;
}

bool gemPlads(const QWidget *window, const QString &optfil, QString *error)
{
    return core::OptionWriter().add(window->y()).add(window->x()).write(optfil, error);
}

} // namespace platform
