#pragma once
// Size texts of the file manager: the unit follows the number of decimal digits of the byte
// count (so 1000 bytes already read as KB), values divided by powers of 1024 with two decimals,
// numbers in the user's locale with thousands separators.

#include <QLocale>
#include <QString>

namespace core {

// The progress window's summary: bytes, KB, MB or GB ("0,98 KB").
QString stoerrelsesTekst(qint64 bytes, const QLocale &locale = QLocale());

// The properties window's text, up to TB, followed by the exact count:
// "1,50 KB (1.536 bytes)".
QString formatStoerrelse(qint64 bytes, const QLocale &locale = QLocale());

}
