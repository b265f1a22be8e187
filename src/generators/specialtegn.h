#pragma once
// Special characters: the character files of "Dir/Unicode/" and the entity replacement.

#include <QString>
#include <QStringList>

namespace generators {

// A character file holds pairs of lines: the entry shown in the list, then its text.
QStringList tegnNavne(const QStringList &fil);

// The text written for entry k, with the optional font span and trailing space. An entry
// without a text line (a file with an odd number of lines) gives the wrappers alone.
QString uniTekst(const QStringList &fil, int k, bool medSpan, bool medMellemrum);

// "<" and ">" as entities; everything else as it is.
QString udskiftTegn(QString tekst);

} // namespace generators
