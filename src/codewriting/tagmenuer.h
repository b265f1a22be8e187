#pragma once
// The tag menus of the code book's first page: six menus of fixed HTML pieces, and the
// rule that splits a piece into the text before the caret and the text after it.

#include <QList>
#include <QString>
#include <QStringList>

namespace tagmenu {

struct Undermenu {
    QString titel;
    QStringList entries;   // an empty entry is a separator
};

struct Menu {
    const char *navn;        // objectName of the menu
    const char *knap;        // objectName of its tool button
    QString caption;         // the button's caption
    QString hint;
    QString klik;            // the entry the button's click writes
    QList<Undermenu> undermenuer;
    QStringList hovedniveau; // an empty entry is a separator
};

// The menus in tool-bar order.
const QList<Menu> &menuer();

// Start text (before the caret) and end text of an entry's caption.
struct StartSlut {
    QString start;
    QString slut;
    bool operator==(const StartSlut &) const = default;
};
StartSlut startSlut(const QString &caption);

} // namespace tagmenu
