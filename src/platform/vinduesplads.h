#pragma once
// Putting a window back where a settings file says it was.

#include <QString>
#include <QWidget>

namespace platform {

// The stored top and left are the frame's (what pos() gives when the settings are written),
// so they go back through move(); setGeometry() would place the inside of the window there and
// shift it by its frame at every start.
inline void placerVindue(QWidget *window, int left, int top, int width, int height)
{
    window->resize(width, height);
    window->move(left, top);
}

// A dialog whose settings file holds just its place, top then left: moves it there (false
// when the file is missing or damaged, and the window stays where it is), and writes it.
bool hentPlads(QWidget *window, const QString &optfil);
bool gemPlads(const QWidget *window, const QString &optfil, QString *error = nullptr);

}
