#pragma once
// The built-in skeletons of new documents: their lines and the line the caret goes after.

#include <QStringList>

namespace shell {

struct Skelet {
    QStringList lines;
    int caretLine;   // the line written with the caret remembered; the caret ends below it
};

Skelet htmlSkelet();
Skelet aspSkelet();
Skelet wsfSkelet();
Skelet asaSkelet();

// The page of "Nyt dokument": asp selects the ASP first line; script and css are the
// choices 0 (none), 1 (internal element) and 2 (link). designCss is written inside the
// style element when css is 1.
Skelet nytDokumentSkelet(bool asp, int script, int css, const QStringList &designCss = {});

} // namespace shell
