#pragma once
// "Vælg filtype": the chooser of a document type for a new document from a template.

#include "shell/filtyper.h"

#include <QDialog>

class QTreeWidget;
class QPushButton;

class Topenform : public QDialog {
    Q_OBJECT
public:
    explicit Topenform(QWidget *parent = nullptr);

    // Replaces the rows (none ticked).
    void fyldRaekker(const QList<shell::Filtype> &rows);
    int rowCount() const;

    // The chosen row after "OK": its type with the leading asterisk removed (".html") and
    // whether its box is ticked. Empty when no row is selected.
    bool harValg() const;
    QString valgtType() const;
    bool valgtAfkrydset() const;

    QTreeWidget *filliste = nullptr;
    QPushButton *okKnap = nullptr;
    QPushButton *annullerKnap = nullptr;
    QString optfil;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void hentTicks();
    bool m_vist = false;
    QPoint m_pos;            // where the window shows, once read or left there
    bool m_harPos = false;
};
