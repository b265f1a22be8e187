#pragma once
// Tinfoform, "Strukturer": the information browser. One structure at a time as a tree beside
// a browser pane; the visited pages, search in the structure's pages, and an edit mode that
// opens every page shown as a document.

#include "information/navigation.h"

#include <QWidget>

#include <memory>

class QAction;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QSplitter;
class QStatusBar;
class QTabWidget;
class QToolButton;
class QTreeWidgetItem;
class TDokumentVaert;
class TStruktur;
class Tfindinfoform;
class Turlform;

namespace information { class TWebRude; }

enum TInfoType { itProgram, itHtml, itCss, itJs, itAndet, itVbs };

class Tinfoform : public QWidget {
    Q_OBJECT
public:
    // strukturdir: the folder of the structures (with "/"); optdir: the settings folder.
    Tinfoform(TDokumentVaert *vaert, const QString &strukturdir, const QString &optdir, QWidget *parent = nullptr);
    ~Tinfoform() override;

    // The browser's part of the main window's HelpInfo: structure (an extension is dropped)
    // at the entry titled S, or the first entry; shows the window.
    void HelpInfo(const QString &aStrukturnavn, const QString &S);
    bool LoadStruktur(const QString &aStrukturname);
    void LoadStrukturen();
    bool goToInfo(const QString &openNodetekst, bool notFound);
    // The "Alle strukturer" menu from the list of structures.
    void createStrukturPU(const QStringList &strukturboks);

    void StrukturClick();             // shows the selected (or first) entry's page
    void AgoExecute();                // the address field
    void aSearchExecute();            // the "Søg" tab
    // A page was completed in the pane; `url` is where it is. Public for the pane's callback.
    void sideFaerdig(const QUrl &url);
    void visUrlIndex(int index);      // goes to an entry of the visited-page list
    void sletListe();                 // "Slet liste"
    void rensListe();                 // "Rens liste"
    void tbRedigerExecute();
    // Shows the current page again (after the page was saved in edit mode).
    void visSidenIgen();
    void tbSearchFilesExecute();
    void setRedigerStrukturDokument(bool on);
    void visVenstrePanel(bool vis);

    Turlform *urlform();
    Tfindinfoform *findinfoform();
    // The pane, once a page has been shown; nullptr before.
    information::TWebRude *webRude() const { return m_web.get(); }
    // Why the pane could not be made, when it could not.
    QString webFejl() const { return m_webFejl; }

    QString strukturdir;
    QString strukturnavn;
    QString hjemmeside;
    QString filnavn;
    QString globalUrl;
    QString Mappe;
    bool naviKlikket = false;
    bool findisSearch = false;
    bool redigerStrukturDokument = false;
    bool autoUdfold = false;
    TInfoType infoType = itAndet;
    information::TBesoegteSider besoegte;   // urlListe's entries and urlIndex

    // Controls
    QCheckBox *redigerCheck = nullptr;
    QWidget *leftPanel = nullptr;
    QTabWidget *infoBog = nullptr;
    QToolButton *tbStruktur = nullptr;
    QMenu *strukturPU = nullptr;
    QToolButton *expandKnap = nullptr, *collapseKnap = nullptr, *tbSearchFiles = nullptr, *tbRediger = nullptr;
    TStruktur *Struktur = nullptr;
    QLineEdit *EditFind = nullptr;
    QToolButton *sButton = nullptr;
    QListWidget *FindisBox = nullptr;
    QToolButton *strukVisKnap = nullptr, *urlListeKnap = nullptr;
    QAction *aSearch = nullptr, *Afirst = nullptr, *Aback = nullptr, *Aforward = nullptr, *Alast = nullptr, *Ago = nullptr;
    QLineEdit *Edit = nullptr;
    QWidget *Web = nullptr;
    QStatusBar *infoBar = nullptr;

signals:
    // The pane has shown a page of the structure (its name within the page folder).
    void sideVist(const QString &navn);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void lavVindue();
    void hentOptioner();
    void gemOptioner();
    void visFil(const QString &fil);
    void visUrl(const QUrl &url);
    bool sikrWeb();
    void linkOver(const QUrl &url);
    void opdaterNavigation();
    void saetStrukturFelter(const QString &mappe);

    TDokumentVaert *m_vaert;
    QString m_optdir;
    QSplitter *m_splitter = nullptr;
    std::unique_ptr<information::TWebRude> m_web;
    QString m_webFejl;
    Turlform *m_urlform = nullptr;
    Tfindinfoform *m_findinfoform = nullptr;
    int m_venstreBredde = 300;
};
