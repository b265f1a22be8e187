#pragma once
// The icons of structure entries (indexes 0 to 9): the structure set and the set of the
// VBS and object structures. Drawn, as no icon theme has them.

#include <QIcon>
#include <QList>
#include <QStringList>

namespace information {

QList<QIcon> strukturIkoner();
QList<QIcon> objektIkoner();

// Their names in the constructor, by index.
QStringList strukturIkonNavne();   // "Grøn bog", "Rød bog", ...
QStringList objektIkonNavne();     // "Objekt", "Egenskab", ...

} // namespace information
