#pragma once
// Tfindform, "Søg i dokumenter": search (and replace) in every open document, or search the
// files of one folder, with a list of the hits from which each can be shown.
//
// A folder search runs beside the window: its hits join the list as they are found, its
// button reads "Stop" meanwhile, and closing the window stops it. "Åben alle dokumenter"
// opens each document of the list once, asking first when there are more than 20, and can be
// stopped between documents.

#include "search/soegning.h"

#include <QDialog>

#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QTreeWidget;
class TDokumentVaert;

class Tfindform : public QDialog {
    Q_OBJECT
public:
    explicit Tfindform(TDokumentVaert *vaert, QWidget *parent = nullptr);
    ~Tfindform() override;

    // Takes the file panel's filter entries and shows the window.
    void vis();
    // The search folder follows the file panel's folder.
    void setMappe(const QString &folder);

    // The actions
    void AfindExecute();       // "Find i åbne dokumenter"
    void AerstatExecute();     // "Erstat i åbne dokumenter"
    void AfindBibExecute();    // "Find i bibliotek"
    void AvisValgteExecute();
    void AopenAllExecute();
    void AfjernExecute();
    void AsletAltExecute();
    void setDirKnapClick();
    void opdaterActions();

    // The rows of the hit list, in list order.
    QList<search::Traef> traef() const;
    // Writes the window's position (at program end).
    void gemOpt() const;

    // Fields
    QString FTekst, RTekst;
    QString Mappe;             // ends in "/"
    QString optfil;
    bool opstart = true;

    QComboBox *EditFind = nullptr;
    QComboBox *EditErstat = nullptr;
    QToolButton *rydFindKnap = nullptr;
    QToolButton *rydErstatKnap = nullptr;
    QCheckBox *Check1 = nullptr;
    QCheckBox *Check2 = nullptr;
    QComboBox *fBox = nullptr;
    QPushButton *setDirKnap = nullptr;
    QLineEdit *dirEdit = nullptr;
    QTreeWidget *findis = nullptr;
    QLabel *countdis = nullptr;
    QToolButton *infoKnap = nullptr;
    QPushButton *lukKnap = nullptr;
    QAction *Afind = nullptr, *Aerstat = nullptr, *AfindBib = nullptr, *AopenAll = nullptr;
    QAction *AvisValgte = nullptr, *Afjern = nullptr, *AsletAlt = nullptr;

    // "Åben alle dokumenter" asks before opening more documents than this.
    static constexpr int kAabnUdenAtSpoerge = 20;

public slots:
    // Closing the window stops its folder search and its opening of documents.
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    // Documents may have opened or closed while the window was in the background.
    bool event(QEvent *event) override;

private:
    struct Soegning;
    struct Aabning;
    static void soegIBaggrunden(const std::shared_ptr<Soegning> &s, const QString &mappe, const QString &maske,
                                const QString &tekst, search::SoegeValg valg);
    void modtagFundne(const QList<search::Traef> &rows);
    void soegningSlut(const QList<search::Traef> &rows, const QString &afvist);
    void stopSoegning();
    void visSoegning();
    bool aabnEt();
    void aabnVidere();
    void aabnAlleSlut();
    void fjernRaekker(const QString &dokument);
    void soegIAabne(bool erstat);
    void opdaterHistorik();
    void tilfoejRaekker(const QList<search::Traef> &rows);
    void visCount();
    search::SoegeValg valg() const;
    // Shows the hit of row in its document; false when its document is gone (the row goes).
    bool visRaekke(int row);

    TDokumentVaert *m_vaert;
    QPushButton *m_findBibKnap = nullptr;
    std::shared_ptr<Soegning> m_soegning;   // the folder search under way
    std::shared_ptr<Aabning> m_aabning;     // the opening of every hit's document under way
};
