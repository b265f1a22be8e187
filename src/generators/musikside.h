#pragma once
// The code book page "Musik og film": builds a playlist page from files under a base folder.

#include <QObject>
#include <QString>
#include <QStringList>

class QAction;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QToolButton;
class QWidget;
class TDokumentVaert;
class QFileDialog;
class TEditor;

class TMusikside : public QObject {
    Q_OBJECT
public:
    explicit TMusikside(TDokumentVaert *m);

    QWidget *side4 = nullptr;
    QLineEdit *mfListenavnEdit;
    QGroupBox *mfTypeCheck;
    QButtonGroup *mfTyper;
    QLabel *mfMappeLabel, *mfUrlLabel;
    QLineEdit *mfMappeEdit;
    QToolButton *mfMappeKnap, *mfUrlKnap, *mfUdskrivSide, *mfClearKnap;
    QToolButton *infMusikOgFilm, *infAudioVideoKoder;
    QListWidget *mfUrlliste, *mfTitelliste;
    QAction *mFjernUrl, *mFjernTitel;
    QFileDialog *mappeDia;   // the base folder
    QFileDialog *mfUrlDia;   // the files of the list, several at once

    QString mfMappe;           // the base folder, ending with "/"
    bool mfEditClear = true;   // the list name field empties at its next entry

    bool video() const;
    void mfTypeCheckClick();
    void mfMappeKnapClick();
    void mfUrlKnapClick();
    void mFjernUrlClick();
    void mFjernTitelClick();
    void mfClearKnapClick();
    TEditor *mfUdskrivSideClick();

    // The steps after the dialogs.
    void vaelgMappe(const QString &mappe);
    bool grundmappeOk();   // tells the user why not
    void tilfoejFiler(const QStringList &filer);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fjern(QListWidget *liste);
    TDokumentVaert *m;
};
