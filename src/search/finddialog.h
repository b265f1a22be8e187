#pragma once
// "Find i dokument..." and "Erstat i dokument...": the find and replace dialogs that act on
// the active document.

#include "search/soegning.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TDokumentVaert;

class TfindDialog : public QDialog {
    Q_OBJECT
public:
    // erstat: the replace dialog (replacement field and the replace buttons, searching down).
    TfindDialog(TDokumentVaert *vaert, bool erstat, QWidget *parent = nullptr);

    // Shows the dialog with the active document's selection (one line) as the search text.
    void vis();

    qsizetype findNaeste();
    qsizetype erstat();
    int erstatAlle();

    QLineEdit *findEdit = nullptr;
    QLineEdit *erstatEdit = nullptr;
    QCheckBox *heleOrdCheck = nullptr;
    QCheckBox *forskelCheck = nullptr;
    QRadioButton *opRadio = nullptr;
    QRadioButton *nedRadio = nullptr;
    QPushButton *findKnap = nullptr;
    QPushButton *erstatKnap = nullptr;
    QPushButton *erstatAlleKnap = nullptr;
    QPushButton *annullerKnap = nullptr;

private:
    search::SoegeValg valg() const;
    void opdater();
    // Says in the status bar when a search found no further match (and clears it after a hit).
    void ingenFlere(qsizetype hit, bool nedad);

    TDokumentVaert *m_vaert;
    bool m_erstat;
    bool m_sagtIngenFlere = false;
};
