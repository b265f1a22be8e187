#pragma once
// "Html kontrol": the structure tree of the checked page, the buttons of the four checks,
// the progress of a read and the result of the last check. The main window runs the
// checks; this window shows them.

#include "analysis/structuretreeview.h"

#include <QWidget>

class QAbstractItemModel;
class QAction;
class QLabel;
class QProgressBar;
class QStatusBar;
class QToolBar;

class Tkontrolform : public QWidget {
    Q_OBJECT
public:
    // Stays on top of its parent (the main window); reads "kontrol.txt".
    explicit Tkontrolform(QWidget *parent, QAbstractItemModel *model);

    void setInfo(const QString &text);   // the status bar's one field
    QString info() const;
    void kontrolProgress(int aPos);      // progress bar and "n%" in the status bar
    // Writes top, left, width and height to "kontrol.txt".
    bool gemPosition() const;

    QToolBar *toolbar = nullptr;
    StructureTreeView *Tree = nullptr;
    QProgressBar *pBar = nullptr;
    QStatusBar *kontrolinfo = nullptr;
    QLabel *kontrolinfoFelt = nullptr;
    QAction *infoKnap = nullptr, *readHtmlKnap = nullptr, *treeUdfoldKnap = nullptr,
            *treeSammenfoldKnap = nullptr, *readAttributterKnap = nullptr, *msKnap = nullptr,
            *fmSlutkoderKnap = nullptr, *ukendteKoderKnap = nullptr, *ukendteAttributterKnap = nullptr;
    QString optfil;

signals:
    void gaaTilTag();   // a click on a node, or Enter in the tree

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
