#pragma once
// The page rectangle of a print: margins in centimetres, typed with a decimal comma.

#include <QRect>
#include <QString>

#include <optional>

namespace printing {

// The field filters: digits and "," for a margin, digits for the copies.
QString margenFilter(const QString &text);
QString kopiFilter(const QString &text);

// A margin as typed ("2,5"); nothing when it is not a number ("2,5,5", ",").
std::optional<double> laesMargen(const QString &text);

struct Printerdata {
    int dpiX = 600, dpiY = 600;   // resolution
    int offsetX = 0, offsetY = 0; // the printable area's corner from the paper's, in pixels
    int bredde = 0, hoejde = 0;   // the printable area, in pixels
};

// The text's rectangle in printer pixels from the printable area's corner, each margin
// measured from the paper's edge and rounded half to even.
QRect sideramme(double venstre, double hoejre, double top, double bund, const Printerdata &p);

} // namespace printing
