#pragma once
// The writers of the code book pages "Skema", "Lister" and "Links": skeleton tables,
// lists and links with their CSS, written at the caret of the attached editor.
//
// Each writer takes the field texts as the user left them. One that returns a non-empty
// text wrote nothing; the text is the message to show.

#include "codewriting/snippets.h"

#include <QString>

class Tinfotag;

namespace generators {

// More cells, rows or items than this in one go would freeze the editor for minutes.
inline constexpr int kMaksElementer = 100000;
// The message for a count above it.
QString forMangeTekst();

struct Tabelvalg {
    QString caption;
    QString kolonner;           // tableKolonneEdit
    bool linier = true;         // linieCheck: a row on one line
    bool udenStruktur = true;   // tableStrukturCheck: plain mode
    QString raekker;            // tableRowEdit
    bool medTh = false;         // tablethCheck
    QString head, body, foot;   // tableHeadRowEdit, tableBodyRowEdit, tableFootRowEdit
};
QString skrivTabel(Tinfotag &taginf, const Tabelvalg &valg);

QString skrivColgroup(Tinfotag &taginf, const QString &antal, bool span, bool style);
void skrivTabelCSS(Tinfotag &taginf, bool styleKode);

enum ListeType { Ul, Ol, Dl, Select, Datalist };
QString listeTag(int type);   // "ul" … "datalist"

// antal: the item count field, empty already turned into "0" by the caller.
QString skrivListe(Tinfotag &taginf, int type, const QString &antal);
QString skrivOptgroup(Tinfotag &taginf, const QString &antal);
void skrivListeCSS(Tinfotag &taginf, int type, bool kunValgte, bool styleKode);

enum LinkType { Ahref, AhrefBr, StyleSheet, Script };
struct Linkvalg {
    int type = Ahref;
    bool target = false;
    bool nav = false;
    QString antal = QStringLiteral("1");
};
QString skrivLinks(Tinfotag &taginf, const Linkvalg &valg);
void skrivLinkCSS(Tinfotag &taginf, bool styleKode);

using codewriting::begyndPaaTomLinie;

} // namespace generators
