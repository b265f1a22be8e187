#pragma once
// Searching the pages of a structure: the browser's "Søg" tab (page names) and the window
// "Søg i information" (the lines found, as readable text). Reads the files directly.

#include <QList>
#include <QString>
#include <QStringList>

namespace information {

// Whether c belongs to a word (letters, digits, underscore).
bool ordTegn(QChar c);

// The next occurrence of `hvad` in `tekst` at or after `fra`; -1 when there is none.
qsizetype findForekomst(QStringView tekst, QStringView hvad, qsizetype fra, bool heleOrd, bool storSmaa);

// A line of HTML as readable text: every tag becomes one blank, "&lt;" and "&gt;" become
// "<" and ">", nothing else is decoded.
QString laesbarLinje(QStringView linje);

// The names (without folder and extension) of the files directly in `mappe` whose text
// holds `tekst` as a whole word, capitals ignored; in name order.
QStringList soegSider(const QString &mappe, const QString &tekst);

struct Fund {
    QString side;    // the page's name without folder and extension
    QString tekst;   // the line found, as readable text
};

// The results of one page's source (see the window's rules): one per line holding the text
// outside the tags, the same text twice in a row only once.
QList<Fund> soegSide(const QString &side, QStringView kilde, const QString &tekst, bool heleOrd, bool storSmaa);

// Every "*.html" file directly in `mappe`, searched with soegSide, in name order.
QList<Fund> soegMappe(const QString &mappe, const QString &tekst, bool heleOrd, bool storSmaa);

} // namespace information
