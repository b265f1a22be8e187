#pragma once
// The design dialog: saves the settings of a layout CSS window under a name, loads them again,
// or deletes a design to the trash. One dialog serves all four kinds.

#include <QDialog>
#include <QPointer>

class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;
class TDokumentVaert;
class TLayoutVindue;

class TgemHentForm : public QDialog {
    Q_OBJECT
public:
    explicit TgemHentForm(TDokumentVaert *m);

    int designNummer = 1;
    bool gemBoks = true;
    QString optDir;   // the kind's folder, with "/"
    QString optfil;   // the dialog's own position file
    bool opstart = true;

    QListWidget *filListe;
    QLineEdit *filnavnEdit;
    QPushButton *okKnap, *sletKnap;
    QToolButton *infGemHent;

    // Sets the dialog up for a kind and mode with the window the design belongs to, and shows
    // it modally.
    void gemHent(int kind, bool save, const QString &name, TLayoutVindue *vindue);
    // The set-up alone (tests drive the dialog without showing it).
    void forbered(int kind, bool save, const QString &name, TLayoutVindue *vindue);

    void fyldListe();
    void okKnapClick();
    void sletKnapClick();

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    // The design file of the name in the field, or empty after saying why there is none.
    QString designFil();
    TDokumentVaert *m;
    QPointer<TLayoutVindue> m_vindue;
};
