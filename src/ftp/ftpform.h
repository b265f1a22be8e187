#pragma once
// TftpForm, "FTP egenskaber": the connection settings in force and the saved connections.
//
// The protocol is FTP, FTPS or SFTP; choosing SFTP moves a port still at FTP's 21 to 22, and
// back. An FTPS connection may hold the key of a certificate the user chose to trust
// (serveridentitet.h); the window shows it with a button to forget it, and editing the host
// or the port forgets it too, since it belongs to that server.

#include "ftp/ftpindstillinger.h"
#include "ftp/ftpupload.h"

#include <QDialog>

#include <functional>

class QButtonGroup;
class QCheckBox;
class QFormLayout;
class QLabel;
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

    // Stores the trust the user gave a server identity an upload stopped at (the FTPS key
    // with these settings and the saved connection they came from, the SSH host key in
    // known_hosts) and puts it in opgave; false, after a message, when it could not be kept.
    bool stolPaa(const ftp::Tillid &t, ftp::Opgave &opgave);

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
    void protokolValgt(int id);
    void setCertPin(const QString &pin);
    void visCert();

    QButtonGroup *protokolGruppe = nullptr;
    QLabel *certLabel = nullptr;
    QPushButton *glemCertKnap = nullptr;
    QString m_certPin;
    QWidget *m_certRaekke = nullptr;
    QFormLayout *m_form = nullptr;
};
