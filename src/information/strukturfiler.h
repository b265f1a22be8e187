#pragma once
// The two files of an information structure, as lines: the structure file (titles, one
// leading tab per level) and the data file (one data string per entry, same order).
// Widget-free, so the tree control and the benchmarks share one reader.

#include <QList>
#include <QString>
#include <QStringList>

namespace information {

struct StrukturLinje {
    int niveau = 0;   // 0 for a top-level entry
    QString tekst;
};

// Parses the lines of a structure file. Every leading tab or space is one level; a line may
// be at most one level deeper than the one before (the first line is at level 0 at most).
// Blank lines carry no entry. False with a Danish reason on a level jump; `ud` is then empty.
bool laesStrukturLinjer(const QStringList &linjer, QList<StrukturLinje> &ud, QString *fejl = nullptr);

// The lines of a structure file: one tab per level before each title.
QStringList strukturLinjer(const QList<StrukturLinje> &noder);

// Whether a data text (a page's base name) stays inside the page folder: no path separator,
// no "..", no NUL. An empty text is "no page" and counts as safe.
bool sikkerDatatekst(const QString &tekst);

// The Danish refusal for a data text or file name field that leads out of the page folder.
QString usikkerDatatekstBesked(const QString &tekst);

} // namespace information
