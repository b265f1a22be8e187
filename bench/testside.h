#pragma once
// The generated page of the benchmarks: 20 MB of nested sections, tables, lists,
// attributes, scripts and comments, ending in one long table.

#include <QRandomGenerator>
#include <QString>

namespace benchside {

inline constexpr qsizetype kPageSize = 20 * 1024 * 1024;

// deepCaret: a caret position in the middle of the long table.
inline QString generatePage(qsizetype size, qsizetype *deepCaret)
{
    QRandomGenerator rng(20);
    QString s;
    s.reserve(size + 4096);
    s += "<!DOCTYPE html>\n<html lang=\"da\">\n<head>\n<meta charset=\"utf-8\">\n<title>Side</title>\n"
         "<style>\nbody { margin: 0; }\n.kort { color: #333; }\n</style>\n</head>\n<body>\n";
    int section = 0;
    while (s.size() < size / 2) {
        s += QString("<section id=\"s%1\" class=\"afsnit\">\n<h2>Afsnit %1</h2>\n").arg(section);
        s += "<div class=\"kort\" style=\"padding: 4px; border: 1px solid #ccc\">\n";
        for (int p = 0; p < 4; ++p)
            s += QString("<p>Tekst med <a href=\"side%1.html\" title=\"Side %1\">et link</a>, <b>fed</b> og "
                         "<em>kursiv</em> skrift.<br>\nEn linje mere.</p>\n")
                     .arg(rng.bounded(1000));
        s += "<ul>\n";
        for (int i = 0; i < 5; ++i)
            s += QString("<li><span class=\"punkt\">Punkt %1</span></li>\n").arg(i);
        s += "</ul>\n<!-- slut paa kort -->\n</div>\n";
        s += "<table class=\"data\">\n<tr><th>Navn</th><th>Vaerdi</th></tr>\n";
        for (int r = 0; r < 6; ++r)
            s += QString("<tr><td>Raekke %1</td><td><input type=\"text\" value=\"%1\" disabled></td></tr>\n").arg(r);
        s += "</table>\n";
        if (section % 10 == 0)
            s += "<script>\nfunction f(a, b) { if (a<b) { return a; } return b; }\n</script>\n";
        s += "</section>\n";
        ++section;
    }
    // The long element: one table of many rows.
    s += "<table id=\"lang\">\n";
    const qsizetype tableStart = s.size();
    while (s.size() < size - 200)
        s += "<tr><td class=\"c\">celle</td><td>celle</td></tr>\n";
    *deepCaret = tableStart + (s.size() - tableStart) / 2;
    *deepCaret = s.indexOf(u'\n', *deepCaret) + 1;
    s += "</table>\n</body>\n</html>\n";
    return s;
}


} // namespace benchside
