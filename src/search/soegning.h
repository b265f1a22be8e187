#pragma once
// Searching text: the rules shared by every search of the program, and the search of a
// folder's files, which reads the files itself and never puts them into an edit control.
//
// Positions count characters (UTF-16 code units) of the text as a document window holds it:
// CR LF and a lone CR are one line break, so a position found here selects the same text in
// the file's document window.

#include <QList>
#include <QString>
#include <QStringView>

#include <functional>

namespace search {

struct SoegeValg {
    bool heleOrd = false;    // "Kun hele ord"
    bool forskel = false;    // "Forskel på store og små bogstaver"
};

// One row of the hit list.
struct Traef {
    QString dokument;        // file path, or the caption of an unnamed document
    qsizetype position = 0;
    QString linje;           // the whole line that holds the hit
    bool operator==(const Traef &) const = default;
};

// Letters, digits and "_" make words.
bool erOrdtegn(QChar c);

// Whether `length` characters at pos stand as a whole word: no word character joins them
// where the searched text itself begins or ends with one.
bool erHeltOrd(QStringView text, qsizetype pos, qsizetype length);

// The first match of what that starts at or after from and ends at or before to (the end of
// the text when negative); -1 when there is none.
qsizetype findITekst(QStringView text, QStringView what, qsizetype from, SoegeValg valg, qsizetype to = -1);

// The line of text (LF line breaks) that holds pos, without its line break.
QStringView linjeVed(QStringView text, qsizetype pos);

// The text of a file as a document window holds it (line breaks as single LF).
QString dokumentTekst(QString text);

// The text a row shows for the hit of length characters at pos: the line that holds it, or,
// when that line is longer than 1000 characters (a packed script or style sheet), the 300
// characters either side of the hit with "…" where the line goes on. A list of whole lines
// of a packed page would hold the page once per hit.
QString traefLinje(QStringView text, qsizetype pos, qsizetype length);

// Why folder is not searched, as a Danish sentence for the window; empty when it may be. A
// folder on one of the kernel's own file systems (proc, sysfs, devpts, cgroup …) or in the
// device tree holds no documents, and reading its files can block for good or act on the
// system, so it is never read.
QString mappeAfvisning(const QString &folder);

// Every hit in every file of folder matching mask ("*.html"; "*.*" is every file), this
// folder only, in name order; document names are folder + file name. Only regular files on
// the folder's own kind of file system are read (never a FIFO or a device, not even when a
// link leads there); files that cannot be read, and binary files (a NUL in the first 8 KB,
// as a document window refuses them), are passed over. A file over a few MB is read in
// pieces, so a search never holds much more than its hits. fortsaet, when given, is asked
// between files and between the pieces of a large file; false ends the search with the hits
// of the files done so far. A refused folder (mappeAfvisning) gives no hits.
QList<Traef> soegIMappe(const QString &folder, const QString &mask, const QString &what, SoegeValg valg,
                        const std::function<bool()> &fortsaet = {});

// The same search, handing each file's hits to modtag (on the calling thread) as soon as that
// file is done, for a window that shows them while the search goes on. Returns why the
// folder was refused, empty when it was searched.
QString soegIMappeLoebende(const QString &folder, const QString &mask, const QString &what, SoegeValg valg,
                           const std::function<void(QList<Traef> &&)> &modtag,
                           const std::function<bool()> &fortsaet = {});

// The hits of one file, as the folder search finds them. stykke > 0 reads the file in pieces
// of that many bytes whatever its size, as files over a few MB are read (so tests can put
// the pieces' borders anywhere); 0 leaves the choice to the search.
QList<Traef> soegIFil(const QString &path, const QString &what, SoegeValg valg, qsizetype stykke = 0);

} // namespace search
