#pragma once
// The structure constructor's rules that need no window: the page of a new entry, proposed
// file names, the built-in structures that may not be deleted, and the object entry's data.

#include <QString>
#include <QStringList>

namespace information {

// The lines of a new entry's page titled T. Characters Windows-1252 cannot hold are written
// as character references, so no title is lost in the page's code page.
QStringList sideskabelon(const QString &T);

// Writes the page (Windows-1252, CR LF); false with the system's reason when it fails.
bool skrivSide(const QString &fil, const QString &T, QString *fejl = nullptr);

// "Fn": "dokument" + the number of entries, counted up while that page exists.
QString fnForslag(const QString &infomappe, int antalNoder);

// The refusal for deleting a built-in information structure, or empty when it may go.
QString indbyggetAfvisning(const QString &navn);

// An object entry's data text: the definition, then "|" and each syntax line that is not empty.
QString objektData(const QString &d1, const QString &d2, const QString &d3, const QString &d4);

// A list file of names, one per line; a missing file is an empty list.
QStringList laesNavneliste(const QString &fil);

} // namespace information
