#pragma once
// TStruktur: the tree control of one information or object structure, read from and written
// to its structure file and data file (formats in strukturfiler.h).
//
// A node's data string is its icon index as one digit followed by its data text (for an
// information structure: the base name of its page in Infomappe). Without DataOn nodes carry
// neither icon nor data.

#include "core/textfile.h"

#include <QIcon>
#include <QList>
#include <QTreeWidget>

enum TNodeAttachMode { naAdd, naAddFirst, naAddChild, naAddChildFirst, naInsert };

class TStruktur : public QTreeWidget {
    Q_OBJECT
public:
    explicit TStruktur(QWidget *parent = nullptr);

    QString Strukturfile;
    QString Datafile;
    QString Infomappe;    // with a closing "/"
    QString Billedmappe;
    QString Htmlmappe;
    bool DataOn = false;
    bool Modified = false;
    TNodeAttachMode Flytmode = naAdd;

    bool HentStruktur();
    bool GemStruktur();
    void NyNode(const QString &Tekst, const QString &Data, int Index, bool sorter, bool gem);
    void RedigerNode(const QString &Tekst, const QString &Data, int Index, bool sorter, bool gem);
    void SletNode();
    QString SelectedData() const;
    void MusDown(int X, int Y);
    void MusUp(int X, int Y, bool somGrundnode);
    static bool FileDeleteRB(const QString &AFileName);

    // Why the last read or write failed, in Danish; empty when it did not or nothing was there.
    QString fejl() const { return m_fejl; }

    // The icons shown for indexes 0 to 9.
    void setIkoner(const QList<QIcon> &ikoner);

    // Every node in depth-first order.
    QList<QTreeWidgetItem *> alleNoder() const;
    QTreeWidgetItem *forsteNode() const { return topLevelItem(0); }
    // The titles of the nodes of `noder`, in their order.
    static QStringList titler(const QList<QTreeWidgetItem *> &noder);
    // A node's data string (empty without data) and its data text (without the icon digit).
    static QString dataStreng(const QTreeWidgetItem *node);
    static QString datatekst(const QTreeWidgetItem *node);
    static int ikonIndex(const QTreeWidgetItem *node);
    // The page file of a node: Infomappe + data text + ".html"; empty without a safe data text.
    QString sidefil(const QTreeWidgetItem *node) const;

    // Sorts every level alphabetically (Danish order, capitals ignored).
    void sorterAlt();

    bool flytIgang() const { return m_mouseDown; }

private:
    void saetData(QTreeWidgetItem *node, const QString &data, int index);
    void anbring(QTreeWidgetItem *node, QTreeWidgetItem *maal, TNodeAttachMode mode);
    void efterAendring(bool sorter, bool gem);

    bool m_mouseDown = false;
    QTreeWidgetItem *m_nodeDown = nullptr;
    QTreeWidgetItem *m_nodeUp = nullptr;
    core::Encoding m_strukturEncoding = core::Encoding::Ansi;
    QList<QIcon> m_ikoner;
    QString m_fejl;
};
