#pragma once
// The colouring of each kind of document: which of Scintilla's lexers reads it.

#include <QString>

class QObject;
class QsciLexer;

// The lexer for a document with this extension (any case), owned by parent; nullptr for
// plain text.
QsciLexer *lavLexer(const QString &ext, QObject *parent);
