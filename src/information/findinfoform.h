#pragma once
// Tfindinfoform, "Søg i information": searches the pages of one reference structure and lists
// every line that holds the text, as readable text; a result opens its page in the browser.

#include <QWidget>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QTreeWidget;
class TDokumentVaert;
class Tinfoform;

class Tfindinfoform : public QWidget {
    Q_OBJECT
public:
    Tfindinfoform(Tinfoform *info, TDokumentVaert *vaert, const QString &optdir, QWidget *parent = nullptr);

    void AfindBibExecute();
    void AvisValgteExecute();
    void AfjernExecute();
    void AsletAltExecute();
    // Chooses the structure of "Søg i" (0 Html … 4 Program).
    void vaelgStruktur(int index);
    int valgtStruktur() const;
    // Puts a text into the search field (the document window's menu item does).
    void setSoegetekst(const QString &tekst);

    QString FTekst;
    QString Mappe;

    QComboBox *EditFind = nullptr;
    QButtonGroup *searchBox = nullptr;
    QCheckBox *heleOrd = nullptr;
    QCheckBox *storSmaa = nullptr;
    QTreeWidget *findis = nullptr;
    QLabel *countdis = nullptr;
    QAction *AfindBib = nullptr, *AvisValgte = nullptr, *Afjern = nullptr, *AsletAlt = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void opdaterHandlinger();
    Tinfoform *m_info;
    TDokumentVaert *m_vaert;
    QString m_optfil;
    bool m_vist = false;
};
