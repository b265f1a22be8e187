#pragma once
// One list of a code panel: one column with a header, read-only, whole-row selection, and
// type-ahead search over the letters typed while it has the focus.

#include "codewriting/kodepanelfiler.h"

#include <QTreeWidget>

class TKodeListe : public QTreeWidget {
    Q_OBJECT
public:
    // start: what the search text begins with when the list gets the focus ("<" for the
    // code list).
    TKodeListe(const QString &objectName, kodepanel::Soegning soegning, const QString &start = {},
               QWidget *parent = nullptr);

    void fyld(const kodepanel::Indhold &indhold);   // items, and the header when it has one
    void toem();
    void setOverskrift(const QString &text);
    QString overskrift() const;
    QStringList items() const;
    QString valgt() const;                          // the selected item, empty for none
    // Selects the first item equal to text (without regard to case); false when none is.
    bool vaelg(const QString &text);

    QString kodeBuffer;

signals:
    void klik(const QString &item);     // chosen by a click (or Enter)
    void skriv(const QString &item);    // to be written: double click (or Enter)

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    kodepanel::Soegning m_soegning;
    QString m_start;
};
