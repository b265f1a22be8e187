#pragma once
// Topenfilform: the program's own file browser. It opens documents ("Åben dokument"),
// saves the active one under a name ("Gem dokument"), and is a small file manager for the
// folder it shows. Modeless: it stays open beside the documents.

#include "filemanager/handlinger.h"

#include <QDialog>
#include <QListView>
#include <memory>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QStatusBar;
class QTabBar;
class QToolBar;
class QToolButton;
class TDokumentVaert;
class TFilDialogerVinduer;
class Tfilinfoform;
class Tbilledform;

// The file list: a flat list with drag and drop inside it and to and from the desktop. Enter
// activates the entry under the cursor and goes no further (no button of the window takes it);
// an empty list can say why it is empty.
class TFilListe : public QListView {
    Q_OBJECT
public:
    using QListView::QListView;
    void setTomTekst(const QString &text);
    QString tomTekst() const { return m_tomTekst; }
signals:
    void traekStarter();
    void droppet(int row, bool intern, const QList<QUrl> &urls);
protected:
    void startDrag(Qt::DropActions supported) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
private:
    QString m_tomTekst;
};

class Topenfilform : public QDialog {
    Q_OBJECT
public:
    explicit Topenfilform(TDokumentVaert *vaert, QWidget *parent = nullptr);
    ~Topenfilform() override;

    filemanager::THandlinger *funk = nullptr;
    int boxType = 0;            // 0 open, 1 save
    QString Filnavnet;          // the full path chosen for saving
    bool klipAfterCopy = false;
    bool nyMappeErOprettet = false;
    QString OldNodeTekst;
    QString sourceDir, destDir;
    bool opstart = true;
    QString optFilnavn;

    // Modes: open, or save with the proposed name (the main window's "Gem som").
    void aabenMode();
    void gemMode(const QString &navn);
    void updateStrukturer();
    void openDokument(const QString &path);
    void gemOpt();
    // Shows a folder in the list (known folders, the file panel's folder, a drive).
    void visMappe(const QString &folder);
    // The main window's "Gem funktion" on the left panel.
    void setGemFunk(QAction *aGemFunk);
    void makeDrevTekstMenu();

    QToolBar *ToolBar2;
    QTabBar *stiboxen;
    TFilListe *openbox;
    QWidget *PanelSti, *panelGem, *leftPanel;
    QLineEdit *EditSti, *EditFilnavn;
    QPushButton *redigerKnap, *lukKnap, *gemKnap, *annullerKnap;
    QStatusBar *infobar;
    QCheckBox *FilboksCheck;
    QToolButton *drevKnap, *kendteKnap, *delteKnap;
    QMenu *PUdrevene, *PUkendte, *PUdelte, *PUfilbox;
    QAction *aRedigerDokument, *aMarkerAlt, *aMarkerIngen, *aMarkerInvers, *aOpenAktuelleMappe, *aNyMappe,
        *aRename, *aDelete, *aDeletePermanent, *aCopy, *aKlip, *aPaste, *aEmptyRB, *aEleEgenskaber,
        *aDrevinfo, *Agofile, *aVisBillede, *aOpenFunk, *aMappeInfo, *aFilinfo, *aNyTekstfil;

signals:
    // Shown, hidden, or switched between opening and saving: the host's "Gem funktion"
    // follows.
    void modeSkiftet();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void hentOpt();
    void mappenChange();
    void visSti();
    void opdaterActions();
    void rapport(const char *verb, int n);
    void gem();
    void aabnSkrevet();
    bool skrevetFil(const QString &tekst, QString *fil);
    void dobbeltKlik(const QModelIndex &index);
    void redigeringSlut(int row, const QString &text);
    void drop(int row, bool intern, const QList<QUrl> &urls);
    void stiKlik(int index);

    TDokumentVaert *m_vaert;
    std::unique_ptr<TFilDialogerVinduer> m_dlg;
    Tfilinfoform *m_info = nullptr;
    Tfilinfoform *infoform();   // the properties window, made on first use
    Tbilledform *m_billede = nullptr;
    QStringList m_stiArray;
    int m_redigeretRaekke = -1;
    QString m_gemNavn;      // the name the save field offers: the document's, or the one saved last
    bool m_gemmer = false;
};
