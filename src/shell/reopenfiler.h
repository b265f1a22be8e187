#pragma once
// TReopenFiler: a list of recent files or folders, most recent first, kept in a list file
// and shown as the entries of a submenu.

#include <QList>
#include <QObject>
#include <QString>

class QAction;
class QMenu;

struct TReopenRec {
    QString Caption;
    QString Filnavn;
};

enum class TItemtype { itFil, itBibliotek, itAndet };

class TReopenFiler : public QObject {
    Q_OBJECT
public:
    explicit TReopenFiler(QObject *parent = nullptr);

    QString Itemfile;
    int Filantal = 10;
    int Antal() const { return int(Ropen.size()); }
    QMenu *MainItem = nullptr;
    int MenuStartNr = 0;
    QString DeleteItemCap, DeleteItemHint;
    bool MedMenuStreg = false;
    TItemtype Itemtype = TItemtype::itFil;
    QList<TReopenRec> Ropen;

    void InsertItem(const QString &FNavn, const QString &MenuCaption);
    void DeleteItem(const QString &FNavn);
    void DeleteAllItems();
    void MakeMenu();
    bool GemReopenFiler(QString *error = nullptr) const;
    void HentReopenFiler();
    // A click on entry index: a vanished path is emptied, OnKlik runs, then it is removed.
    void klik(int index);

signals:
    void OnKlik(QAction *sender, const QString &Filnavn);

private:
    void fjernMenuPunkter();
};

// The caption of a recent file: capNavn ("3. index.html") with the number and the point
// taken off its front (" index.html").
QString filCaption(const QString &capNavn);
// The caption of a recent folder: the last component of the path's folder (a path with an
// extension is cut to its folder first), empty when the folder does not exist.
QString GetBibliotek(const QString &path);
