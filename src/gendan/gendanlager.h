#pragma once
// TGendanLager: the recovery files of one running program under "Gendan/" in the program
// folder, and the ones that programs which did not exit normally left behind.
//
// Each running program keeps its files in a folder of its own, locked for as long as it
// runs, so two programs never take each other's files; a folder whose lock is free (its
// program was killed or crashed) is offered at the next start. Writing and removing happen
// in order on a worker thread, so the window never waits for the disk.

#include "gendan/gendanfil.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QThreadPool>

#include <memory>
#include <vector>

class QLockFile;

namespace gendan {

class TGendanLager : public QObject {
    Q_OBJECT
public:
    explicit TGendanLager(const QString &programdir, QObject *parent = nullptr);
    ~TGendanLager() override;   // waits for the queued work; the files stay

    // Whether the folder could be made and locked; without it nothing is kept, and each write
    // asked for tries again (and reports why it cannot).
    bool aktiv() const { return m_laas != nullptr; }
    QString mappe() const { return m_mappe; }
    QString filFor(int id) const;

    // Writes (atomically) or removes the recovery file of document id, in the order asked.
    void skriv(int id, GendanPost post);
    void fjern(int id);
    // Waits until everything asked so far is done.
    void vent();
    // Normal exit: nothing of this program is left behind.
    void ryd();

    struct Fund {
        QList<GendanPost> poster;   // sorted by time
        QStringList beskadigede;    // "file: reason" of files that were set aside
    };
    // The files left behind by programs no longer running. Their folders stay locked by this
    // program until frigiv(); a damaged file is renamed to "*.beskadiget" and named in the
    // result, so it is reported once and never opened.
    Fund efterladte();
    // Removes one left-behind file (after it was restored or deleted by the user), after the
    // writes asked before it.
    void slet(const GendanPost &post);
    // Lets go of the left-behind folders; empty ones are removed.
    void frigiv();

signals:
    // A recovery file could not be written (from the worker; delivered in the window's thread).
    void skrivFejl(const QString &besked);

private:
    // Makes and locks this program's folder; false, with the reason kept, when it cannot.
    bool klargoer();

    QString m_rod;     // ".../Gendan/"
    QString m_mappe;   // this program's folder, ending in "/"
    std::unique_ptr<QLockFile> m_laas;
    QString m_grund;   // why the folder could not be made
    std::vector<std::pair<QString, std::unique_ptr<QLockFile>>> m_fremmede;
    QThreadPool m_arbejder;
};

// Makes a folder readable by its owner only, creating it when missing; the reason in Danish
// when it cannot, else empty.
QString lavPrivatMappe(const QString &sti);

} // namespace gendan
