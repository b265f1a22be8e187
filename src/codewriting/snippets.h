#pragma once
// The snippets of the document tool bars' menus (ASP, HTML, CSS selectors, VBScript
// statements): what each writes at the caret and where the caret ends.

#include <QList>
#include <QString>
#include <QStringList>

class Tinfotag;

namespace codewriting {

struct Snippet {
    enum Art {
        Koder,    // dele[0] replaces the selection; the caret after the n-th `tegn`
        Kode,     // dele[0] and dele[1] round the selection; the caret between them
        Linier,   // dele as whole lines from the caret's line; the caret on line `caretLinie`
    };
    QString navn;        // the menu item's object name
    QString tekst;       // its caption
    QString hint;
    QString undermenu;   // the submenu it sits in ("Private", "Public"), or empty
    Art art = Koder;
    QStringList dele;
    QChar tegn;
    int antal = 1;
    int caretLinie = 1;
    bool sidsteLinieskift = false;
};

const QList<Snippet> &aspSnippets();
const QList<Snippet> &htmlSnippets();
const QList<Snippet> &cssSnippets();
const QList<Snippet> &vbsSaetninger();
// Any of the above by its name, or nullptr.
const Snippet *findSnippet(const QString &navn);

// Line writers replace the caret's whole line. When that line holds text, the caret first
// moves to a new line under it, so the user's text is kept.
void begyndPaaTomLinie(Tinfotag &taginf);

// Writes the snippet into the tag component's document as one undo step.
void skrivSnippet(Tinfotag &taginf, const Snippet &s);

} // namespace codewriting
