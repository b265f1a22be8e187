#pragma once
// Properties of a file, a folder and a drive (one window with three pages), the kind texts
// told by extension, and the picture window.

#include <QDialog>
#include <atomic>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QTabWidget;
class QAction;

namespace filemanager {
// "Webfil: HTML-fil (.html)": the kind text by lower-case extension, the extension in upper
// case, "-fil " and the extension in parentheses.
QString filtypeTekst(const QString &path);
// The file panel's document kind of an extension with its point, compared exactly.
QString dokumentType(const QString &ext);

// What a folder holds, counted through all its subfolders (links are counted as files and
// not followed).
struct MappeIndhold {
    qint64 filer = 0, mapper = 0, stoerrelse = 0;
    int ulaeseligeMapper = 0;   // subfolders whose contents could not be read
    QString fejl;               // why the folder itself could not be read; empty when it could
};
// Counts folder; undervejs (when given) sees the running count every few thousand entries, and
// stop ends the count early.
MappeIndhold taelMappe(const QString &folder, const std::atomic<bool> &stop,
                       const std::function<void(const MappeIndhold &)> &undervejs = {});
// The properties window's line for a count: "12 filer, 3 mapper", or why it is not whole.
QString indholdTekst(const MappeIndhold &m);
}

class Tfilinfoform : public QDialog {
    Q_OBJECT
public:
    explicit Tfilinfoform(QWidget *parent = nullptr);
    ~Tfilinfoform() override;
    // Each fills and shows its page; false (and a message) when the facts could not be read.
    bool showFileInfo(const QString &path);
    bool showMappeInfo(const QString &folder);
    bool showDriveInfo(const QString &path);

    QTabWidget *Bog;
    QString Filnavn;
    int SideNummer = 0;
    QLineEdit *EditFilnavn, *EditPath, *EditDisknavn, *EditMappenavn;
    QLabel *LabelSize, *LabelOprettet, *LabelForandret, *LabelAabnet, *LabelFiltype, *ikonBox;
    QLabel *LabelFreeSpace, *LabelAnvendtSpace, *LabelKapasitet, *LabelType, *LabelFilsystem;
    QLabel *LabelPlacering, *LabelMappeSize, *LabelMappeIndhold, *LabeloprettelsesDato;
    QCheckBox *cbReadOnly, *cbHidden;
    QProgressBar *ProgressBar;
    QAction *aAnvend, *aUdfold, *aSammenfold;

signals:
    // Attributes changed: the browser reads its list again.
    void aendret();

private:
    void anvend();
    void stopTaelling();
    std::shared_ptr<std::atomic<bool>> m_stop;
};

class Tbilledform : public QDialog {
    Q_OBJECT
public:
    explicit Tbilledform(QWidget *parent = nullptr);
    // Loads and shows a picture; false when it cannot be read.
    bool LoadPicture(const QString &path);
    QLabel *billede, *status;
};
