#pragma once
// Find and replace in documents, through the edit control's own search.

#include "search/soegning.h"

class TEditor;

namespace search {

// Find next: downwards from the end of the selection, or upwards to the last match that
// begins before the selection's start. A match is selected; returns its position or -1,
// leaving the selection as it was.
qsizetype findNaeste(TEditor *edit, const QString &what, SoegeValg valg, bool nedad);

// One replacement: the next match after the selection (from the start of the text when
// nothing is selected) is replaced; the caret stands after the new text. Returns the
// match's position or -1.
qsizetype erstatEn(TEditor *edit, const QString &what, const QString &with, SoegeValg valg);

// Replaces every match in one pass, as one undo step: every match that was there before is
// replaced once and the search goes on after the inserted text, so a replacement that holds
// the searched text cannot make it run on. Returns the number replaced.
int erstatAlle(TEditor *edit, const QString &what, const QString &with, SoegeValg valg);

// The hits in one document, named dokument, optionally replacing each by with (a row per
// replacement, at the replacement). The selection's start is kept.
QList<Traef> soegIDokument(TEditor *edit, const QString &dokument, const QString &what, SoegeValg valg,
                           const QString *with = nullptr);

} // namespace search
