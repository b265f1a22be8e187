#pragma once
// The work of a copy, move or delete, run on a thread of its own so the windows stay
// responsive: first the registered folders are counted, then each task is carried out.
// The window's thread reads the progress from `status` while the job runs.

#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>

namespace filemanager {

struct JobStatus {
    std::atomic<qint64> totalSize{0};   // bytes to process
    std::atomic<qint64> posSize{0};     // bytes processed
    std::atomic<int> antalFiler{0};     // files (copy) or elements (delete) still to do
    std::atomic<int> antalMapper{1};    // folders counted, starting at 1
    std::atomic<int> filProcent{0};     // the current file's share copied
    std::atomic<bool> taelt{false};     // counting is over
    std::atomic<bool> sletter{false};   // sources are being deleted
    std::atomic<bool> annuller{false};  // set by the window to stop after the current file
};

struct Opgave {
    enum Type { KopierMappe, KopierFil, Slet };
    Type type = KopierFil;
    QString kilde;
    QString maal;             // copies: the target path
    bool flyt = false;        // copies: delete the source (to the trash) once its copy is whole
    bool papirkurv = true;    // deletions: to the trash, else permanently
};

class TFilJob {
public:
    TFilJob(QList<Opgave> opgaver, bool kopi) : m_opgaver(std::move(opgaver)), m_kopi(kopi) {}

    // Counts, then carries out every task; call once, on any thread.
    void koer();

    JobStatus status;
    QStringList fejl;      // one line per failure: the path and the reason in Danish
    int udfoert = 0;       // tasks done completely

    // Adds the files and bytes under folder to the status (links are counted as entries,
    // never followed). Public for the benchmarks.
    static void taelMappe(const QString &folder, JobStatus &status);

private:
    bool kopierMappe(const QString &source, const QString &target);
    bool kopierFil(const QString &source, const QString &target, qint64 size);
    void tael();

    QList<Opgave> m_opgaver;
    bool m_kopi;
};

// A file's size for the progress: a file of 0 bytes counts as 1.
qint64 filStoerrelse(const QString &path);

}
