#pragma once
// Names of documents: window captions and how a file is routed when it is opened.

#include <QString>

namespace shell {

// Caption of a document window: "3. index.html" with a file, "Html dokument: 2" with only an
// extension (an extension of just "." leaves the type empty), else "Dokument: 4".
QString capNavnFor(int docNo, const QString &filnavn, const QString &docExt);

// "3. index.html": the number, a point, a blank and the file name with extension.
QString lavCapNavn(int docNo, const QString &filnavn);

// The extension of a path including its point, case kept ("" when it has none).
QString extensionOf(const QString &path);

// What opening a file means.
enum class OpenRoute {
    Shell,     // pictures, media, programs: handed to the desktop
    Ignore,    // a few types nobody edits here
    Document,  // shown in a document window
};

// Decided by the extension in lower case.
OpenRoute routeFor(const QString &path);

// A command-line parameter without its double-quote characters.
QString fjernCitationstegn(const QString &s);

} // namespace shell
