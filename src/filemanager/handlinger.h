#pragma once
// THandlinger: the file browser's operations on the listed elements: registration for a
// later paste, paste (copy or move) with its questions, deletion to the trash or for good,
// rename, new folder, opening several files. The windows it asks through are given as a
// TFilDialoger, so the operations run the same under test without windows.

#include "filemanager/filjob.h"
#include "filemanager/mappeliste.h"

#include <QStringList>
#include <functional>

namespace filemanager {

class TFilDialoger {
public:
    virtual ~TFilDialoger() = default;
    virtual void info(const QString &text) = 0;
    virtual void fejl(const QString &text) = 0;
    // A yes/no question; true only for "Ja".
    virtual bool spoergJa(const QString &question) = 0;
    // The same for a question whose "Ja" overwrites or deletes: "Nej" is what Enter answers.
    virtual bool spoergJaNejForvalgt(const QString &question) = 0;

    // The copy, move or delete confirmation ("Ja" gives true).
    struct Bekraeftelse {
        enum Billede { Kopi, Flyt, Slet };
        QString caption, spoergsmaal, kilde, destination;
        QStringList filer, mapper;
        Billede billede = Kopi;
    };
    virtual bool bekraeft(const Bekraeftelse &b) = 0;
    // "Hvad skal der gøres" for several existing names: the chosen "Handling" (0 "Overskriv
    // ingen", 1 "Overskriv alle", 2 "Spørg hver gang", 3 "Opret kopier"), -1 when closed.
    virtual int filerFindes(const QStringList &names) = 0;
    // The progress window around a running job: shown with the job's status, closed after.
    virtual void visFremskridt(bool kopi, JobStatus *status) = 0;
    virtual void lukFremskridt() = 0;
};

class THandlinger : public TMappeListe {
    Q_OBJECT
public:
    explicit THandlinger(TFilDialoger *dialoger, QObject *parent = nullptr);

    // The registration.
    QStringList FCopyListe1;   // folders, full paths
    QStringList FCopyListe2;   // files, bare names in SourceMappe
    QString SourceMappe;
    QString SourceDirectory;
    bool harRegistrering() const { return !FCopyListe1.isEmpty() || !FCopyListe2.isEmpty(); }

    // Registers the selected entries; their number, 0 when nothing is selected.
    int CopyElementer();
    void InitRegister();
    // Registers one dropped path; false when it is neither a file nor a folder.
    bool RegisterElements(const QString &path);
    // −1 after a failure, 0 when nothing was done, else the number of elements pasted.
    int PasteElementer(bool move);
    // −1 after a failure, 0 when nothing was done, else the number of selected elements.
    int DeleteElementer(bool tilPapirkurv);
    // Creates "Ny mappe" (or the first free "Ny mappe (n)") in folder and selects it.
    bool NyMappe(const QString &folder);
    // Creates an empty "Ny tekstfil.txt" (or the first free "Ny tekstfil (n).txt") in folder,
    // never over an existing file, and selects it.
    bool NyTekstfil(const QString &folder);
    // After in-place editing of a row: renames on disk; the text the entry is to show.
    QString RenameNode(int row, const QString &oldText, const QString &newText, bool nyMappe);
    // Opens every selected file through openDokument; the number opened.
    int OpenElementer();
    bool canCopy() const { return harValg(); }
    bool canDoIt() const { return harValg(); }
    // Empties the trash after the user's "Ja"; false when nothing was emptied.
    bool EmptyRecycleBin();

    // How OpenElementer opens a file (the dialog's openDokument).
    std::function<void(const QString &)> openDokument;

private:
    // Runs a job off the window's thread while the progress window shows; the event loop
    // keeps running meanwhile.
    void koerJob(TFilJob &job, bool kopi);
    QString fejlTekst(const QStringList &fejl) const;

    TFilDialoger *m_dlg;
    bool m_travl = false;
};

}
