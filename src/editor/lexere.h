#pragma once
// The colouring of each kind of document: which of Scintilla's lexers reads it.

#include <QString>

class QObject;
class QsciLexer;

// The lexer for a document with this extension (any case), owned by parent; nullptr for
// plain text.
QsciLexer *lavLexer(const QString &ext, QObject *parent);

// Pages know the elements and attributes of the program's tag lists (Dir/Html/AlleKoder.txt
// and Dir/Attributes/), HTML5 included, and each custom element (a name with "-") found in
// the page. Custom element names in utf8 (the text of a few lines) are added to lexer's
// list when it reads pages; true when the list grew (Scintilla must then be given it again,
// as keyword set 0).
bool tilfoejEgneElementer(QsciLexer *lexer, const char *utf8, qsizetype length);
