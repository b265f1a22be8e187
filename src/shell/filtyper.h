#pragma once
// The file type list: description, mask and in-use mark of each type the user keeps.
// Stored as "typeliste.txt", three lines per type. From it come the file panel's filter,
// the rows of the template chooser and the test whether an extension is a text type.

#include <QList>
#include <QString>
#include <QStringList>

namespace shell {

struct Filtype {
    QString tekst;   // description, "Hjemmeside"
    QString maske;   // "*.html" or "*.*"
    bool iBrug = false;
    bool operator==(const Filtype &) const = default;
};

// Groups of three lines; an incomplete last group is left out. A mark other than "1" is
// "not in use".
QList<Filtype> filtyperFraListe(const QStringList &filliste);
QStringList listeFraFiltyper(const QList<Filtype> &typer);

// "html", ".html" and "*.html" give "*.html"; "*.*" stays; "a.b.css" gives "*.css".
QString normaliserMaske(const QString &type);

// One filter entry: "Hjemmeside (*.html)" shows, "*.html" selects.
struct FilterEntry {
    QString tekst;
    QString maske;
    bool operator==(const FilterEntry &) const = default;
};

// The entries of the types in use, in list order; empty when no type is in use.
QList<FilterEntry> filterEntries(const QList<Filtype> &typer);
// "Hjemmeside (*.html)|*.html|Alle (*.*)|*.*"
QString filterTekst(const QList<FilterEntry> &entries);

// Rows of the template chooser: the types in use except "*.*".
QList<Filtype> vaelgerRaekker(const QList<Filtype> &typer);

// Whether "*" + ext is the mask of a type in the list (ext with its point, any case).
bool erTekstfil(const QList<Filtype> &typer, const QString &ext);

} // namespace shell
