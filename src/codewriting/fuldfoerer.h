#pragma once
// TFuldfoerer: completion as you type in the HTML documents. It hears the characters typed
// in every document's edit control, shows the list of entries for the context at the caret
// and writes a chosen entry (see fuldfoerelse.h). One per main window.

#include "codewriting/fuldfoerelse.h"

#include <QObject>

class TDokumentVaert;
class TEditor;

class TFuldfoerer : public QObject {
    Q_OBJECT
public:
    TFuldfoerer(TDokumentVaert *vaert, const QString &programDir, QObject *parent = nullptr);

    // Connects a document's edit control; once per control.
    void tilknyt(TEditor *edit);

    bool aktiv() const { return m_aktiv; }
    void setAktiv(bool on);

    // After typed was typed in edit: shows the list when the character opens one. True when
    // a list is shown.
    bool tegnSkrevet(TEditor *edit, QChar typed);
    // Shows the list for the context at the caret, whatever was typed; true when shown.
    bool visForslag(TEditor *edit);
    // Writes a chosen entry into edit.
    void valgt(TEditor *edit, const QString &item);

    fuldfoerelse::Kilder &kilder() { return m_kilder; }

private:
    bool kanFuldfoere(TEditor *edit) const;
    bool vis(TEditor *edit, const fuldfoerelse::Kontekst &k);

    TDokumentVaert *m_vaert;
    fuldfoerelse::Kilder m_kilder;
    bool m_aktiv = true;
};
