#pragma once
// A flat tool button for the program's small bars: named, with its hint as tool tip and
// status text and a theme icon, and never taking the keyboard from the document.

class QString;
class QToolButton;

namespace platform {

QToolButton *vaerktoejsknap(const char *navn, const QString &hint, const char *ikon);

} // namespace platform
