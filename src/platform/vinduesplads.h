#pragma once
// Putting a window back where a settings file says it was. A stored place is never trusted
// as it stands: the screen may have shrunk or gone since, and a file may say anything, so
// every stored place goes through here and lands whole on a screen that is there now.

#include <QRect>
#include <QString>
#include <QWidget>

namespace platform {

// The rectangle moved, and shrunk where it is larger, so that it lies within the available
// area of the screen it overlaps most (the primary screen when it overlaps none). A rectangle
// already inside is returned as it is.
QRect paaSkaermen(const QRect &frame);

// The stored top and left are the frame's (what pos() gives when the settings are written),
// so they go back through move(); setGeometry() would place the inside of the window there and
// shift it by its frame at every start. Both clamp to the screen as paaSkaermen does.
void placerVindue(QWidget *window, int left, int top, int width, int height);
void flytVindue(QWidget *window, int left, int top);
// For windows whose settings hold the inside rectangle (geometry(), normalGeometry()): sets it
// with setGeometry(), clamped so that the frame around it is on the screen.
void placerIndre(QWidget *window, const QRect &indre);

// A dialog whose settings file holds just its place, top then left: moves it there (false
// when the file is missing or damaged, and the window stays where it is), and writes it.
bool hentPlads(QWidget *window, const QString &optfil);
bool gemPlads(const QWidget *window, const QString &optfil, QString *error = nullptr);

}
