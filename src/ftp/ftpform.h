#pragma once
// TftpForm, "FTP egenskaber": the connection settings in force and the saved connections.

#include "ftp/ftpindstillinger.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

class TftpForm : public QDialog {
    Q_OBJECT
public:
    explicit TftpForm(QWidget *parent = nullptr);

    // The settings the fields hold.
    ftp::Forbindelse forbindelse() const;
    void setForbindelse(const ftp::Forbindelse &f);

    // Writes the settings file; false (after a message) when it could not be written.
    bool GemOpt();
    void fyldListe();

    void listeKlik(const QString &name);
    void gemKnapClick();
    void nyKnapClick();
    void sletKnapClick();

    QString optfil, ftpDir;
    // The program's yes/no question; without it every question counts as "Nej".
    std::function<bool(const QString &)> spoergJa;

    QLineEdit *hostEdit = nullptr;
    QLineEdit *portEdit = nullptr;
    QLineEdit *usernameEdit = nullptr;
    QLineEdit *passwordEdit = nullptr;
    QLineEdit *changedirEdit = nullptr;
    QCheckBox *passwordCheck = nullptr;
    QCheckBox *sikkerCheck = nullptr;
    QPushButton *anvendKnap = nullptr;
    QPushButton *lukKnap = nullptr;
    QListWidget *filListe = nullptr;
    QLineEdit *filnavnEdit = nullptr;
    QPushButton *gemKnap = nullptr;
    QPushButton *nyKnap = nullptr;
    QPushButton *sletKnap = nullptr;

public slots:
    void accept() override;
    void reject() override;

private:
    QString forbindelsesFil(const QString &name) const;
};
