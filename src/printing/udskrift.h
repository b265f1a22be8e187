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

// The same print as a PDF file on an A4 page, for a machine without a printer: the pages are
// made aside and the file is then written whole or not at all. Returns an empty text, or why
// no file was written, in Danish.
QString udskrivPdf(TEditor *edit, const QString &path, const Margener &m, int copies);

} // namespace printing
