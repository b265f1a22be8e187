#pragma once
// The rules of the object structures beside script documents that need no window: how a
// data line divides into the entry's fields, and how the pane is searched for a word.

#include <QString>
#include <QStringList>

namespace analysis {

// An entry's fields from its data text (the data line without its icon digit), divided at
// every "|": the definition, then the syntax and example lines. Fields beyond the fourth
// are ignored; missing ones are empty.
struct ObjektFelter {
    QString definition;
    QStringList syntax;   // the second field, then the third and fourth when not empty
};
ObjektFelter objektFelter(const QString &datatekst);

// A title as the search compares it: A to Z made small, then only 0-9, "_", a-z, æ, ø
// and å kept ("Request.Form" → "requestform").
QString soegeform(const QString &titel);
// The searched text as compared: only A to Z made small.
QString smaaAZ(const QString &tekst);

// The entry to show for a search of tekst among the titles (depth-first order) when the
// entry valgt is selected (-1: none). It starts after the selected entry, or at the first
// when none or the first is selected; a search not begun at the first entry goes round
// once. A first entry that the last search found counts as any other (valgtFundet), so a
// second search moves on from it. -1 when nothing matches.
int findObjekt(const QStringList &titler, int valgt, const QString &tekst, bool valgtFundet = false);

} // namespace analysis
