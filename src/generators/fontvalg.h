#pragma once
// The font names the text box offers, and the font it shows when the wanted one is missing.

#include <QStringList>

namespace generators {

// The installed font families, each once and sorted without regard to case. The font system
// lists a family once per foundry ("C059 [urw]", "C059 [UKWN]"); the foundry is left out.
QStringList fontFamilier();

// `wanted` as spelt in `families` when it is among them; otherwise the desktop's sans-serif
// font, and failing that the first family. Empty only when `families` is.
QString fontEllerStandard(const QString &wanted, const QStringList &families);

}
