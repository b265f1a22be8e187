#pragma once
// The file browser's folder listing: reading a folder into entries, the list model the
// window shows, and the state of the listing (current folder, selected folder and file).

#include <QAbstractListModel>
#include <QItemSelectionModel>
#include <QList>
#include <QString>

namespace filemanager {

// One entry of the list. A folder: mappe = its full path, filnavn empty, ID 0. A file:
// mappe = the folder that holds it, filnavn = its full path, ID 1.
struct StrukturRec {
    QString navn;
    QString mappe;
    QString filnavn;
    int ID = 0;
    bool erMappe() const { return ID % 2 == 0; }
};

// Reads a folder: visible subfolders first, then visible files, each in name order
// (case-insensitive). Hidden entries (a name starting with ".") and broken links are left
// out. A folder that cannot be read gives nothing, with the reason in *fejl (left empty when
// the folder could be read).
QList<StrukturRec> laesMappe(const QString &folder, QString *fejl = nullptr);
// The sentence the browser shows for a folder it cannot read, with the reason.
QString ulaeseligMappeTekst(const QString &grund);

// The entries as a list model: the name as text, an icon by kind, the name editable, and the
// entries as file URLs when dragged.
class TStrukturModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;
    void saet(QList<StrukturRec> entries);
    const QList<StrukturRec> &entries() const { return m_entries; }
    StrukturRec &entry(int row) { return m_entries[row]; }
    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::CopyAction | Qt::MoveAction; }
    Qt::DropActions supportedDropActions() const override { return Qt::CopyAction | Qt::MoveAction; }
    // Shows text for the entry without touching the disk (after a rename).
    void visTekst(int row, const QString &text);

signals:
    // The user finished editing an entry's text.
    void tekstRedigeret(int row, const QString &text);

private:
    QList<StrukturRec> m_entries;
};

// The listing's state: the current folder, the folder and file the selection stands for,
// and the entries. Changes of list or selection are announced with mappenChange.
class TMappeListe : public QObject {
    Q_OBJECT
public:
    explicit TMappeListe(QObject *parent = nullptr);

    QString FGrundmappe;       // the folder the list shows
    QString FBibmappe;         // the selected folder, or FGrundmappe
    QString FFilnavn;          // the selected file's full path, or empty
    QString FOldgrundmappe;    // the current folder before the last rebuild
    QString FLaesefejl;        // why the current folder could not be read; empty when it could

    TStrukturModel *model() const { return m_model; }
    QItemSelectionModel *selection() const { return m_sel; }
    int FAntalGrundmapper = 0;
    int FAntalGrundfiler = 0;

    // Shows folder in the list; false (and nothing changed) when it is not a folder.
    bool makeStruktur2(const QString &folder);
    // True while makeStruktur2 fills the list and picks its first entry: the selection then is
    // the list's own, not the user's.
    bool bygger() const { return m_bygger; }
    // Reads the selection into FBibmappe/FFilnavn and announces it.
    void infoStruktur2();
    // Enters the selected folder (or takes the selected file); a vanished folder recovers.
    void udfoldFilDirectory();
    // The drop target at a row (-1: none): selects an entry whose folder exists and gives its
    // folder, else the current folder.
    QString getFocusFilDirectory(int row);
    bool IsSelectedDirectory() const;
    // For a selected folder its parent, for a selected file its folder.
    QString getKildemappe() const;
    // Selected rows in list order.
    QList<int> valgteRaekker() const;
    bool harValg() const { return !valgteRaekker().isEmpty(); }
    int aktuelRaekke() const;
    void vaelg(int row, bool alene = true);
    // 1 = all, 2 = none (also clears FFilnavn), 3 = invert.
    void SelectMapperFiler(int how);
    // The first readable drive root, for when a listed folder has vanished.
    static QString foersteDrev();

signals:
    void mappenChange();
    // A message for the user; the window shows it.
    void besked(const QString &text);

protected:
    TStrukturModel *m_model;
    QItemSelectionModel *m_sel;
    bool m_bygger = false;
};

}
