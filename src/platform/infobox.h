#pragma once
// Information boxes: one "OK" button and a Danish text ("\r" in a text is a line break).
// Every information box of the program goes through here, so tests can read what was said.

#include <QString>
#include <functional>

class QWidget;

namespace platform {

void infoBox(QWidget *parent, const QString &text);

// Tests take the boxes instead of showing them; an empty function restores showing.
void setInfoBoxHandler(std::function<void(const QString &)> handler);

// Turns the program's "\r" line breaks into "\n" for display.
QString displayText(const QString &text);

}
