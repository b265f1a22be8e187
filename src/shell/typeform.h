#pragma once
// "Filtyper": the user's list of file types, edited in a small window that stays on top.

#include "shell/filtyper.h"

#include <QDialog>

class QAction;
class QLineEdit;
class QPushButton;
class QToolButton;
class QTreeWidget;

class Ttypeform : public QDialog {
    Q_OBJECT
public:
    explicit Ttypeform(QWidget *parent = nullptr);

    // Fills the list from the file type list (once, when the window is made).
    void LoadTypeliste(const QList<shell::Filtype> &typer);
    // The rows as they stand, ticks included.
    QList<shell::Filtype> rows() const;
    // Whether "*" + ext is the mask of a row (ext with its point, any case).
    bool isItTextfile(const QString &ext) const;

    void insertClick();
    void deleteClick();
    void AopExecute();
    void AnedExecute();

    QTreeWidget *typeliste = nullptr;
    QLineEdit *tekstedit = nullptr;
    QLineEdit *typeedit = nullptr;
    QPushButton *insertknap = nullptr;
    QPushButton *deleteknap = nullptr;
    QPushButton *saveknap = nullptr;
    QToolButton *Button1 = nullptr;
    QAction *Aop = nullptr;
    QAction *Aned = nullptr;
    QString optfil;

signals:
    // "Gem og luk": the rows are to become the file type list.
    void gemTypeliste(const QList<shell::Filtype> &typer);
    void information(const QString &structure, const QString &title);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void addRow(const shell::Filtype &t);
    void flyt(int delta);
    void opdaterFlyt();
    bool m_placeret = false;
};
