#pragma once
// The program folder: where every settings and data file lives.
//
// It is $TAVLEVIRKE_DIR when set, else ~/Tavlevirke/. Paths always end with "/".
// At start-up the installed data tree is copied into it, file by file, never over a
// file that is already there.

#include <QString>
#include <QStringList>

namespace core {

namespace ProgramFolder {

QString programDir();        // "…/Tavlevirke/"
QString optDir();            // programDir() + "Egenskaber/"
QString documentsDir();      // programDir() + "Dokumenter" (no trailing "/")

// The installed data tree: share/tavlevirke beside the program after install,
// else the source tree's data/ folder.
QString installedDataDir();

// Copies every file of `from` that is missing under `to`, and makes the folders the
// program expects even when the tree has none. Returns the files that could not be
// copied (with the system's reason), empty when all went well.
QStringList install(const QString &from, const QString &to);

// Whether a name taken from a document or a list may become part of a file name:
// no "/", "\", ".." or NUL, and not empty.
bool isSafeName(const QString &name);

// A file in folder whose name equals name without regard to case; the exact path
// when it exists, else the first case-insensitive match, else folder + name.
// Unsafe names give an empty string.
QString findFileNoCase(const QString &folder, const QString &name);

} // namespace ProgramFolder

} // namespace core
