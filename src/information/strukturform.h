#pragma once
// Tstrukturform, "Strukturkonstruktøren": creates, edits and deletes information structures
// (entries with a page each) and object structures (entries with a definition and syntax
// lines). The built-in structures cannot be deleted here.

#include <QWidget>

class QAction;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QTabWidget;
class TDokumentVaert;
class TStruktur;

class Tstrukturform : public QWidget {
    Q_OBJECT
public:
    // programdir and optdir with "/".
    Tstrukturform(TDokumentVaert *vaert, const QString &programdir, const QString &optdir, QWidget *parent = nullptr);

    // The two lists from their folder and files.
    void laesLister();
    void opretStruktur();                 // "Opret struktur"
    void redigerInfoStruktur();           // "Rediger Struktur" of the information list
    void redigerObjektStruktur();         // "Rediger Struktur" of the object list
    void sletInfoStruktur();
    void sletObjektStruktur();
    void AinsertExecute();
    void Ainsert1Execute();
    void AredigerExecute();
    void Arediger1Execute();
    void AsletExecute(bool objekt);
    void fnKnapClick();
    void checkKnapClick();
    void sorter(bool objekt);
    void elementKlik(bool objekt);        // an entry was clicked: into the fields
    void vaelgIkon(int index);            // information icon by index
    void vaelgIkon1(int index);           // object icon by index

    QString strukturDir, objektStrukturDir, objektfile, newObjektfile, optFilnavn, programdir;
    QStringList newSL;
    int ikonIndex = 0, ikonIndex1 = 0;
    bool insertAktiv = false, insertAktiv1 = false;

    QTabWidget *strukturBog = nullptr;
    QListWidget *strukturboks = nullptr, *objektboks = nullptr;
    QLineEdit *navnEdit = nullptr;
    QRadioButton *typeInfo = nullptr, *typeObjekt = nullptr;
    TStruktur *infostruktur = nullptr, *objektstruktur = nullptr;
    QLabel *navnLabel = nullptr, *navnLabel1 = nullptr, *ikonLabel = nullptr, *ikonLabel1 = nullptr;
    QLineEdit *elementEdit = nullptr, *elementEdit1 = nullptr;
    QCheckBox *autoGem = nullptr, *sorterCheck = nullptr, *autoNavn = nullptr, *ensTekst = nullptr, *arranger = nullptr;
    QCheckBox *autoGem1 = nullptr, *sorterCheck1 = nullptr, *arranger1 = nullptr;
    QLineEdit *tekstEdit = nullptr, *dataEdit = nullptr;
    QLineEdit *tekstEdit1 = nullptr, *dataEdit1 = nullptr, *dataEdit2 = nullptr, *dataEdit3 = nullptr, *dataEdit4 = nullptr;
    QButtonGroup *ikonboks = nullptr, *ikonboks1 = nullptr, *flytGruppe = nullptr, *flytGruppe1 = nullptr;
    QAction *Aclear = nullptr, *Ainsert = nullptr, *Arediger = nullptr, *Aslet = nullptr, *Agem = nullptr, *Areload = nullptr;
    QAction *Aclear1 = nullptr, *Ainsert1 = nullptr, *Arediger1 = nullptr, *Aslet1 = nullptr, *Agem1 = nullptr, *Areload1 = nullptr;

signals:
    // The list of information structures changed: the browser rebuilds its menu.
    void strukturlisteAendret();
    // The list of object structures changed: the document windows rebuild theirs.
    void objektlisteAendret();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *lavNySide();
    QWidget *lavEditSide(bool objekt);
    void tomFelter(bool objekt);
    void opdaterHandlinger();
    void gemNewSL();
    bool erAaben(bool objekt) const;
    bool spoergJa(const QString &question, QWidget *owner);
    // A question whose "Ja" deletes: "Nej" is what a plain Enter answers.
    bool spoergSlet(const QString &question, QWidget *owner);
    void vis(const QString &tekst);
    TDokumentVaert *m_vaert;
};
