#pragma once
// Information and error boxes: one "OK" button and a Danish text ("\r" in a text is a line
// break). Every box of the program goes through here, so tests can read what was said.

#include <QString>
#include <functional>

class QWidget;

namespace platform {

void infoBox(QWidget *parent, const QString &text);
// A failure (a file that could not be written or read): the same box with the error icon.
void errorBox(QWidget *parent, const QString &text);

// Tests take the boxes instead of showing them; an empty function restores showing.
void setInfoBoxHandler(std::function<void(const QString &)> handler);

// Turns the program's "\r" line breaks into "\n" for display.
QString displayText(const QString &text);

// The window a modal message about `parent` belongs to: parent's own window, or the active
// window when there is no parent.
QWidget *messageOwner(QWidget *parent);

// Prepares a modal message window to show above its owner: it must never open beneath one of
// the program's stay-on-top tool windows, where the user could not see it while it blocks
// every other window.
void placeAboveOwner(QWidget *message, QWidget *owner);

// A dialog kept for reuse, about to be shown from `opener`: it becomes a child window of the
// opener's window (so the window manager keeps it above that window) and takes its stay-on-top
// flag, whichever window opened it the time before.
void showAboveOpener(QWidget *dialog, QWidget *opener);

}
