#pragma once
// The program's visual styles: ten named looks of its own and the system's plain look.

#include <QStringList>

namespace shell {

// The names offered, "Sky" first (the default), the system's look last.
QStringList visualStyleNames();

QString defaultVisualStyle();  // "Sky"

// The offered name equal to name without regard to case, or empty when there is none.
QString findVisualStyle(const QString &name);

// Applies the style to every window of the application. Unknown names change nothing and
// return false.
bool applyVisualStyle(const QString &name);

} // namespace shell
