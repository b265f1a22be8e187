#pragma once
// Searching text: the rules shared by every search of the program, and the search of a
// folder's files, which reads the files itself and never puts them into an edit control.
//
// Positions count characters (UTF-16 code units) of the text as a document window holds it:
// CR LF and a lone CR are one line break, so a position found here selects the same text in
// the file's document window.

#include <QList>
#include <QString>
#include <QStringView>

#include <functional>

namespace search {

struct SoegeValg {
    bool heleOrd = false;    // "Kun hele ord"
    bool forskel = false;    // "Forskel på store og små bogstaver"
};

// One row of the hit list.
struct Traef {
    QString dokument;        // file path, or the caption of an unnamed document
    qsizetype position = 0;
    QString linje;           // the whole line that holds the hit
    bool operator==(const Traef &) const = default;
};

// Letters, digits and "_" make words.
bool erOrdtegn(QChar c);

// Whether `length` characters at pos stand as a whole word: no word character joins them
// where the searched text itself begins or ends with one.
bool erHeltOrd(QStringView text, qsizetype pos, qsizetype length);

// The first match of what that starts at or after from and ends at or before to (the end of
// the text when negative); -1 when there is none.
qsizetype findITekst(QStringView text, QStringView what, qsizetype from, SoegeValg valg, qsizetype to = -1);

// The line of text (LF line breaks) that holds pos, without its line break.
QStringView linjeVed(QStringView text, qsizetype pos);

// The text of a file as a document window holds it (line breaks as single LF).
QString dokumentTekst(QString text);

// Every hit in every file of folder matching mask ("*.html"; "*.*" is every file), this
// folder only, in name order; document names are folder + file name. Files that cannot be
// read, and binary files (a NUL in the first 8 KB, as a document window refuses them), are
// passed over. fortsaet, when given, is asked between files; false ends the search
// with the hits so far.
QList<Traef> soegIMappe(const QString &folder, const QString &mask, const QString &what, SoegeValg valg,
                        const std::function<bool()> &fortsaet = {});

} // namespace search
