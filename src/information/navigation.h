#pragma once
// The browser's lookup of an entry by title and its list of visited pages; widget-free.

#include <QString>
#include <QStringList>

namespace information {

// The entry goToInfo selects: the first title equal to s (capitals ignored), walking in
// depth-first order from the entry after `valgt` to the end and, when the walk did not start
// at the first entry, once more from the first one. -1 when there is none.
int findTitel(const QStringList &titler, int valgt, const QString &s);

// The visited pages of one structure: file names relative to its page folder.
class TBesoegteSider {
public:
    QStringList liste;
    int urlIndex = -1;

    // A page was reached other than through the list: it goes right after the current
    // position (later entries stay), and merges with the entry before it when that names the
    // same page.
    void besoegt(const QString &navn);
    // "Rens liste": keeps the first occurrence of each name; returns how many went.
    int rens();
    void slet();

    bool kanFoerste() const { return liste.size() >= 2 && urlIndex > 0; }
    bool kanTilbage() const { return urlIndex > 0; }
    bool kanFrem() const { return urlIndex < liste.size() - 1; }
    bool kanSidste() const { return liste.size() >= 2 && urlIndex < liste.size() - 1; }
};

// The status text after "Rens liste".
QString rensBesked(int slettet);

} // namespace information

#include <QUrl>

namespace information {

// Where the address field leads: Infomappe + text when that file exists, else the page
// Infomappe + text + ".html", else a web search for the text (query parameter q). A text
// leading out of the page folder is never taken as a local page.
QUrl adresseFor(const QString &infomappe, const QString &tekst);

// The name of a shown page within the page folder (its location name), or empty when the
// page is not a file inside that folder.
QString lokationsnavn(const QString &infomappe, const QUrl &url);

// The information structures: every entry of the folder whose name has no extension, by name.
QStringList strukturNavne(const QString &strukturdir);

} // namespace information
