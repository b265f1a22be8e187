#pragma once
// TFilPanel: the main window's file panel: drive chooser, folder list, file list with a
// file-type filter, and its menus and dialogs (copy or move, rename, delete, new folder).

#include <QDialog>
#include <QList>
#include <QWidget>

class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QToolBar;
class QToolButton;
class TDokumentVaert;

class Tkopiform : public QDialog {
    Q_OBJECT
public:
    explicit Tkopiform(QWidget *parent = nullptr);
    QLineEdit *mappeEdit, *filnavnEdit, *extEdit;
    QCheckBox *sletBox;
    QPlainTextEdit *Memo;
    QComboBox *DriveBox;    // "Drev"
    QListWidget *Dirbox;    // the folder with its parents and subfolders
    QString optfil;
    // Shows folder in Dirbox and its drive in DriveBox; mappeEdit is left as it is.
    void visMappe(const QString &folder);
protected:
    void showEvent(QShowEvent *e) override;
    void done(int r) override;
private:
    bool m_vist = false;
};

class Trenameform : public QDialog {
    Q_OBJECT
public:
    explicit Trenameform(QWidget *parent = nullptr);
    QLineEdit *filnavnEdit, *extEdit;
    QString optfil;
protected:
    void showEvent(QShowEvent *e) override;
    void done(int r) override;
private:
    bool m_vist = false;
};

namespace filemanager {
// The lines of the copy dialog's memo about a file.
QStringList filFakta(const QString &path);
// Whether a file name matches a mask list such as "*.html" or "*.htm;*.html" (case-insensitive).
bool passerMaske(const QString &name, const QString &mask);
}

class TFilPanel : public QWidget {
    Q_OBJECT
public:
    struct Filter {
        QString tekst, maske;
    };
    explicit TFilPanel(TDokumentVaert *vaert, QWidget *parent = nullptr);

    QString mappe() const { return m_mappe; }
    // The selected file's full path, empty when none.
    QString valgtFil() const;
    void setMappe(const QString &folder);
    void setFiltre(const QList<Filter> &filtre);
    void opdater();          // "Opdater": folders and files read again
    void opdaterDrev();      // ButtonDrev: the drives read again

    QComboBox *drevBoks, *filterBoks;
    QListWidget *dirBoks, *filBoks;
    QToolBar *filBar;
    QToolButton *opdateKnap;
    QMenu *PUfilboksen, *PUfilBoks, *PUdirBoks;
    // The "Seneste mapper" submenus of the three menus; the main window fills them.
    QList<QMenu *> senesteMapper;
    QAction *AinsertFilename, *ACopy, *ARename, *AsletFil, *Agogo, *AinsertSenesteM;
    QAction *aabenMappe, *nyMappe;

    // Actions of the main window placed in the panel's menu ("Bestem filtyper...", "Klichemappe").
    void tilfoejMenuPunkter(const QList<QAction *> &actions);
    void opdaterActions();

signals:
    void aabnFil(const QString &path);
    void mappeSkiftet(const QString &folder);
    void filValgt(const QString &path);
    void senesteMapperVises(QMenu *menu);
    void indsaetSenesteMappe(const QString &folder);

private:
    void laesMapper();
    void laesFiler();
    void kopier();
    void omdoeb();
    void slet();
    void nyMappeDialog();

    TDokumentVaert *m_vaert;
    QString m_mappe;
    QList<Filter> m_filtre;
    Tkopiform *m_kopiform = nullptr;
    Trenameform *m_renameform = nullptr;
};
