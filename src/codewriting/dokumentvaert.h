#pragma once
// TDokumentVaert: what the code book pages, the writers and the generator windows may ask
// of the window that hosts the documents. The main window implements it; the subsystems
// never see the main window's own class.

#include <QList>
#include <QString>
#include <QtGlobal>

class QAction;
class QWidget;
class TEditor;
class Tinfotag;

class TDokumentVaert {
public:
    virtual ~TDokumentVaert() = default;

    // The main window: parent of tool windows and messages, owner of commands.
    virtual QWidget *vaertsvindue() = 0;
    // The tag component, attached to the active document's edit control.
    virtual Tinfotag *tagKomponent() = 0;
    // The active document's edit control, or nullptr.
    virtual TEditor *aktivEditor() const = 0;
    // After writing into the active document: status fields and the code panels.
    virtual void winInfo() = 0;
    // A hint in the main window's status bar.
    virtual void visInfo(const QString &hint) = 0;
    // Opens an entry of an information structure.
    virtual void HelpInfo(const QString &structure, const QString &title) = 0;
    // A new, active document of type ext holding text (line breaks "\r" or "\n"); its edit
    // control, or nullptr when none could be made.
    virtual TEditor *nytDokument(const QString &ext, const QString &text) = 0;
    // Registers a command that is enabled exactly while a document is open.
    virtual void dokumentKommando(QAction *action) = 0;
    // The list of every CSS property with its group.
    virtual QString cssEgenskabsliste() const = 0;
    // A yes/no question in the program's question window above owner's window (the main
    // window when none); true only for "Ja".
    virtual bool spoergJa(const QString &question, QWidget *owner = nullptr) = 0;
    // The same for a question whose "Ja" deletes, overwrites or throws something away: "Nej"
    // is the answer a plain Enter gives.
    virtual bool spoergJaNejForvalgt(const QString &question, QWidget *owner = nullptr) { return spoergJa(question, owner); }

    // --- The open documents
    struct Dokument {
        TEditor *edit = nullptr;
        QString filnavn;   // empty for an unnamed document
        QString capNavn;
    };
    // The open documents in window order, the active one first.
    virtual QList<Dokument> aabneDokumenter() const = 0;
    // Opens a file as the main window opens every file (or brings the window that shows it
    // forward) and makes it active: as a document of type ext when one is given (".html"),
    // else by its own extension. Its edit control, or nullptr.
    virtual TEditor *aabnFil(const QString &path, const QString &ext = {}) = 0;
    // Brings the open document with this caption forward; its edit control, or nullptr.
    virtual TEditor *visDokument(const QString &capNavn) = 0;
    // Closes the document window showing the file (asking about unsaved changes as usual).
    virtual void lukFil(const QString &path) { Q_UNUSED(path); }
    // Shows folder in the file browser when it lists files, else in the file panel when that
    // is shown.
    virtual void visFilMappe(const QString &folder) { Q_UNUSED(folder); }
    // Saves the active document under path (asking before it overwrites); true when written.
    virtual bool gemAktivSom(const QString &path) { Q_UNUSED(path); return false; }
    // Whether the user's file type list calls ext (with its point) a text type.
    virtual bool erTekstType(const QString &ext) const { Q_UNUSED(ext); return false; }

    // --- The main window's file panel
    // Its folder (ending in "/"), empty when it has none.
    virtual QString filPanelMappe() const { return {}; }
    // The file selected in its list, empty when none is.
    virtual QString filPanelFil() const { return {}; }
    // Its file-type filter: the entries as (text, mask) and the chosen one.
    struct Filter {
        QList<QPair<QString, QString>> punkter;
        int valgt = -1;
    };
    virtual Filter filPanelFilter() const { return {}; }

    // The position of the chosen visual style among those offered (0: the first).
    virtual int visuelStil() const { return 0; }
};
