#pragma once
// Names and kinds of files in the file manager: unique names for copies and new folders,
// the last component of a path, the kinds told by extension, and checks of typed names.

#include <QString>
#include <QStringList>

namespace filemanager {

// The last component of a path; the root "/" is returned whole.
QString sidsteDel(const QString &path);
// The folder that holds path (no trailing "/" except for the root).
QString foraelder(const QString &path);
// path + "/" + name without doubling the separator at the root.
QString tilfoej(const QString &folder, const QString &name);

// path itself when no folder of that name exists, else path + " (1)", " (2)" … the first free.
QString unikMappenavn(const QString &path);
// path itself when no such file exists, else folder/name + suffix + " (n)" + extension for the
// first free n (suffix " Kopi" for copies, empty for a rename).
QString unikFilnavn(const QString &path, const QString &suffix);
// The file panel's copy name: path itself when free, else name + " kopi" + n + extension
// (no blank before n) for the first free n.
QString kopiNavn(const QString &path);

// The extension with its point, as the file's name has it (".html"; empty without one).
QString extensionMedPunktum(const QString &path);
// Whether a typed name may become a file or folder name in the folder it is typed in: not
// empty, not "." or "..", no "/", no NUL character, at most 255 bytes.
bool gyldigtNavn(const QString &name);
// A path typed in the file browser, made whole: "~" and "~/…" start in the home folder, a
// path starting with "/" stands as it is, anything else is taken inside folder; "." and
// ".." are resolved and a trailing "/" dropped.
QString skrevetSti(const QString &text, const QString &folder);
// Whether path is folder itself or lies somewhere inside it (after resolving "." and "..").
bool erSammeEllerUnder(const QString &path, const QString &folder);

// Membership of the lower-cased extension (with point) in the browser's text and picture kinds.
bool erDetEnTekstfil(const QString &ext);
bool erDetEnBilledfil(const QString &ext);

// The path tabs: the current folder split into its components, the root "/" first.
QStringList stiDele(const QString &folder);
// The folder made of the components 0 … index.
QString stiTilIndex(const QStringList &parts, int index);

}
