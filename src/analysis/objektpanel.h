#pragma once
// TObjektPanel, `strukturpanel`: the object structure beside a script document. A tree of a
// scripting environment's objects with the chosen entry's definition and syntax below it, a
// menu of the document type's built-in environments and one of the structures the user built.

#include <QWidget>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QToolButton;
class QTreeWidgetItem;
class TStruktur;

class TObjektPanel : public QWidget {
    Q_OBJECT
public:
    // scriptdir: the folder of the object structures, with "/".
    explicit TObjektPanel(const QString &scriptdir, QWidget *parent = nullptr);

    // How much of a freshly loaded tree is opened.
    enum class Udfold { Intet, Top, Alt };

    // Loads a structure file with its data file. A missing file gives "Der mangler en fil."
    // and a damaged one its reason; either way the tree keeps what it showed.
    bool hentObjektStruktur(const QString &strukturfil, const QString &datafil);
    // The environment N of the script folder (its files found without regard to case),
    // opened as asked.
    bool hentObjekt(const QString &navn, Udfold udfold);
    // Remembers an environment to load when the pane is first shown, so opening a document
    // reads no structure the user does not look at.
    void hentVedVisning(const QString &navn, Udfold udfold);
    // Loads the remembered environment now, if there is one.
    void hentVentende();

    // Searches the tree for text (see analysis::findObjekt) and shows the entry found; true
    // when one was. The window shows the pane first.
    bool findIObjektStruktur(const QString &text);

    // The built-in environments offered by `defaultStrukButton` (captions; "Batch" loads
    // "batch"); empty hides the button.
    void saetIndbyggede(const QStringList &navne);
    // The structures the user built, offered by `strukturButton`.
    void saetKonstruerede(const QStringList &navne);

    void udfoldAlt();
    void sammenfoldAlt();
    // Empties the two fields under the tree.
    void tomFelter();
    // Shows an entry's fields (nothing for an entry without data).
    void visFelter(QTreeWidgetItem *node);

    TStruktur *objektstruktur = nullptr;
    QPlainTextEdit *defMemo = nullptr;
    QPlainTextEdit *syntaxMemo = nullptr;
    QToolButton *udfoldButton = nullptr;
    QToolButton *sammenfoldButton = nullptr;
    QToolButton *defaultStrukButton = nullptr;
    QToolButton *strukturButton = nullptr;
    QAction *AegneStrukturer = nullptr;

signals:
    // An entry was clicked (its title).
    void elementKlikket(const QString &titel);
    // An entry was double-clicked: its title goes into the document.
    void elementValgt(const QString &titel);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void udfold(Udfold u);

    QString m_scriptdir;
    QTreeWidgetItem *m_fundet = nullptr;   // the entry the last search found
    QString m_venterNavn;
    Udfold m_venterUdfold = Udfold::Intet;
    QMenu *m_indbyggetMenu = nullptr;
    QMenu *m_egneMenu = nullptr;
};
