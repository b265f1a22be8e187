#pragma once
// The four checks of a page's structure. Each relabels every node after the root from
// its tag name plus its finding, and returns the number of findings, or -1 when there
// is no structure to check.

#include <QString>

class StructureModel;
class TagList;

namespace kontrol {

enum Mode { Struktur = 0, ManglendeSlutkoder = 1, UkendteKoder = 2, UkendteAttributter = 3, ForMangeSlutkoder = 4 };

// Open elements whose tag takes an end tag: " Mangler slutkode" (names in no list:
// " Ukendt kode", not counted).
int endtagsKontrol(StructureModel &model, const TagList &tagliste);
// End tags that close nothing: " Slutkode?".
int forMangeEndtag(StructureModel &model);
// Start tags in no list: " Ukendt kode"; end tags of tags without end tag: " Ukendt slutkode".
int kodeKontrol(StructureModel &model, const TagList &tagliste, const TagList &alleTagliste);
// Attributes the tag's own file (plus the form and media events) does not hold:
// " Ukendt: name"; a tag without a file: " Ukendt". Any "data-…" attribute is accepted.
int attributeKontrol(StructureModel &model, const QString &attributeDir);

// The check window's status text for a check's result.
QString statusTekst(Mode mode, int antal);

} // namespace kontrol
