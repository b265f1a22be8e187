#pragma once
// The code book page "Specialtegn", the entity menu and the "<"/">" replacement.

#include <QObject>
#include <QStringList>

class QAction;
class QCheckBox;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class TEditor;
class QToolButton;
class QWidget;
class TDokumentVaert;

class TSpecialtegnSide : public QObject {
    Q_OBJECT
public:
    explicit TSpecialtegnSide(TDokumentVaert *m);

    QWidget *side5 = nullptr;
    QListWidget *uniListe;
    QPlainTextEdit *uniMemo;
    QCheckBox *uniMedSpan, *uniMedMellemrum, *uniNyLinie;
    QToolButton *infSpecialtegn;
    QStringList uniStringlist;   // the loaded character file

    // The entity menu for the "Specialtegn" button of the page "Koder".
    QMenu *PUspecialtegn;
    QAction *MxMellemrum, *MxGreaterThan, *MxMindreEnd, *MxSpecialtegn;

    QAction *AudskrivUnicode, *AudskiftTegn, *AannullerUdskift;

    // Loads a file of "Dir/Unicode/"; a missing file changes nothing.
    void hentTegnfil(const QString &filnavn);
    void uniListeClick();
    void AudskrivUnicodeExecute();
    void AudskiftTegnExecute();
    void AannullerUdskiftExecute();
    // Writes an entity at the caret (the "Specialtegn" button itself writes "&nbsp;").
    void skrivEntitet(const QString &entitet);

private:
    TEditor *editor() const;
    TDokumentVaert *m;
};
