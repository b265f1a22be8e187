#pragma once
// The word at the caret, for the four kinds of word the program looks up.

#include <QString>
#include <QStringView>

enum class WordKind {
    Ord,       // digits, ASCII letters, "_"
    Attribut,  // ASCII letters
    Css,       // ASCII letters, "-", "@"
    Js,        // digits, ASCII letters, "_"
};

bool isWordChar(QChar c, WordKind kind);

// Whether a selection is taken as the word instead of reading the line.
bool takesSelection(WordKind kind);

// The run of word characters around column (the caret stands before line[column]).
QString wordAt(QStringView line, qsizetype column, WordKind kind);
