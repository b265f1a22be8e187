#pragma once
// What screen readers and other assistive tools see of the edit control.
//
// The edit control's own accessibility support counts the characters from the start of the
// page to the caret after every key, which on a page of many megabytes costs a tenth of a
// second per key whenever an assistive tool is listening (as it is on most desktops). The
// editor gives the tools its own description instead, which finds every offset through the
// editor's line index, and reports typing, deleting and the caret's moves itself.

class QsciScintilla;
class TEditor;

namespace editor {

// Describes sci, the edit control inside editor (its parent), to assistive tools.
void gorTilgaengelig(TEditor *editor, QsciScintilla *sci);

}
