#pragma once
// Turlform, "Urlboks": the information browser's list of visited pages.

#include <QWidget>

class QAction;
class QListWidget;
class QStatusBar;
class Tinfoform;

class Turlform : public QWidget {
    Q_OBJECT
public:
    Turlform(Tinfoform *info, const QString &optdir, QWidget *parent = nullptr);

    // Shows the browser's list with its current entry selected.
    void opdater();

    QListWidget *urlListe = nullptr;
    QAction *AsletAlle = nullptr;
    QAction *ArensDobbelt = nullptr;
    QStatusBar *infoBar = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    Tinfoform *m_info;
    QString m_optfil;
};
