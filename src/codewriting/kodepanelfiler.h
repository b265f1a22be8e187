#pragma once
// What the code and attribute panels show: the data file for each list, its items and
// the header that goes with them. No widgets here; the panels show what these return.

#include <QString>
#include <QStringList>

class TagList;

namespace kodepanel {

struct Indhold {
    bool fundet = false;     // the file exists (an unsafe name counts as missing)
    QStringList items;       // one line each, as written
    QString header;          // the header to show; empty: leave the header as it is
};

// The code categories, by button number (0 .. 14, 2 unused): file, hint and header.
struct Kategori {
    int nummer;
    const char *fil;
    const char *hint;
    const char *header;
    const char *ikon;
};
const QList<Kategori> &kodekategorier();          // in the order of the tool bar
const Kategori *kodekategori(int nummer);

struct AttributKategori {
    const char *navn;     // objectName of the button
    const char *hint;
    const char *fil;
    const char *header;
};
const QList<AttributKategori> &attributkategorier();

Indhold kodeliste(const QString &htmllistedir, int kategori);
Indhold attributKategori(const QString &attributedir, int kategori);
Indhold attributliste(const QString &attributedir, const QString &tag);
Indhold betweenliste(const QString &betweendir, const QString &tag);
// "a_t.txt" wins over "a.txt"; the header shows "=\"" unless the attribute stands alone.
Indhold valueliste(const QString &valuedir, const QString &tag, const QString &attribut,
                   const TagList &standalone);

// The tag name of an item: from its second character up to the first ">" ("<br>" → "br").
QString tagnavn(const QString &item);

// A value-list item whose first two characters are capitals A-Z is a heading.
bool erOverskrift(const QString &item);

// Type-ahead: whether an item matches the typed buffer in each kind of list.
enum class Soegning { StarterMed, FraAndetTegn };
bool matcher(const QString &item, const QString &buffer, Soegning soegning);

} // namespace kodepanel
