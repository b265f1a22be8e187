#pragma once
// Registering file types with the desktop, the freedesktop way: a desktop entry
// "tavlevirke.desktop" (with the program's icon) in $XDG_DATA_HOME/applications, and the
// program as the default handler of the extension's MIME type in
// $XDG_CONFIG_HOME/mimeapps.list. An extension no MIME type knows gets one of our own.

#include <QString>
#include <QStringList>

namespace platform {

// The MIME type the desktop gives files ending in ext (".html"); for an unknown extension
// "application/x-tavlevirke-" + the extension.
QString mimeTypeForExtension(const QString &ext);

// The desktop entry's text for the program (a full path), handling these MIME types.
QString desktopEntry(const QString &program, const QString &kommentar, const QStringList &mimeTypes);

// Makes the program the default for ext. Returns an empty text, or why not in Danish.
QString registrerFiltype(const QString &ext, const QString &tekst, const QString &program);
// Takes the program away as the default for ext (and from the entry's types).
QString fjernFiltype(const QString &ext);

// Where the files go (XDG base folders).
QString desktopFil();
QString mimeappsFil();

// Edits the text of a mimeapps.list: sets or removes the program as default for mime.
QString saetStandard(const QString &mimeapps, const QString &mime, const QString &desktopId, bool som);

} // namespace platform
