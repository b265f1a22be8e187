#pragma once
// "Gendan dokumenter": offered at start-up when an earlier run left unsaved work behind.
// Lists each text (file name or "Ikke navngivet", time, size); the user restores, deletes
// or keeps the ticked ones for later.

#include "gendan/gendanfil.h"

#include <QDialog>
#include <QList>

class QTreeWidget;

class Tgendanform : public QDialog {
    Q_OBJECT
public:
    enum Valg { Gendan, Slet, Senere };

    Tgendanform(const QList<gendan::GendanPost> &poster, QWidget *parent = nullptr);

    Valg valg() const { return m_valg; }
    // The ticked posts.
    QList<gendan::GendanPost> valgte() const;

    QTreeWidget *liste = nullptr;

private:
    void vaelg(Valg v);

    QList<gendan::GendanPost> m_poster;
    Valg m_valg = Senere;
};
