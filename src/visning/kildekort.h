#pragma once
// The live preview's map from the page shown to the text: every start tag gets an
// attribute holding the offset of its "<" in the text, and a small script in the page
// reports clicks and the scroll position and scrolls to the element at an offset.
// No widgets here.

#include <QString>
#include <QStringView>

namespace visning {

inline constexpr char kKildeAttribut[] = "data-tvpos";

// html with kKildeAttribut="offset" after the name of every start tag; the contents of
// comments, script, style, textarea and title are left as they are (tags there are text).
QString markerKilde(QStringView html);

// The preview's own script, run beside the page in a world of its own (the page cannot see
// or call it): a click of the user reports "tavlevirke:<key>:klik:<offset>" of the nearest
// marked element on the console, scrolling reports "tavlevirke:<key>:rul:<y>", and
// tvRul(offset) scrolls to the last element starting at or before offset. rulY: where the
// page is scrolled to once loaded (the place the previous version was at).
QString sideScript(int rulY);

// The key in the script's messages: random, made once per run and never put into a page,
// so a page that logs text of its own cannot pass for the script.
const QString &beskedNoegle();

// The console message of a click: the offset, or -1 when the message is another.
qsizetype klikOffset(const QString &message);
// The console message of a scroll: the position, or -1.
int rulPosition(const QString &message);

} // namespace visning
