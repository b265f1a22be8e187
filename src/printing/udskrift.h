#pragma once
// Printing a document: its edit control prints itself into the page rectangle, once per copy.

#include <QString>

class QPrinter;
class TEditor;

namespace printing {

struct Margener {
    double venstre = 2.5, hoejre = 1, top = 2, bund = 1.5;   // centimetres
};

// Prints the whole text of edit on printer (one made by TEditor::lavPrinter), copies times.
// On a printer each copy is a job of its own; into a file the copies follow each other in
// the one file. Returns an empty text, or why nothing (more) was printed, in Danish.
QString udskriv(TEditor *edit, QPrinter *printer, const Margener &m, int copies);

} // namespace printing
