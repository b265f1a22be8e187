#pragma once
// TftpUpload: sends one local file at a time to an FTP, FTPS or SFTP server with libcurl, on
// a thread of its own, so the windows stay usable. Uploads asked for while one runs wait
// their turn. Each upload opens and closes its own connection.
//
// A server whose identity is not trusted (an FTPS certificate no authority vouches for, an
// SFTP host key not in known_hosts) is never sent a password or a byte. The upload ends
// with a result that names the identity; on the window's thread TftpUpload then asks its
// stolPaa function, which asks the user and stores the trust, and queues the upload again
// when it says yes. An identity that changed since it was trusted is refused and never
// offered (serveridentitet.h).

#include "ftp/ftpindstillinger.h"
#include "ftp/serveridentitet.h"

#include <QList>
#include <QObject>
#include <QThread>

#include <functional>

namespace ftp {

struct Opgave {
    Forbindelse f;
    QString fil;           // the local file; stored under its own name in f.mappe
    bool tekst = true;     // ASCII transfer (line ends as the server keeps them); else binary
    QString caFil;         // a certificate file to trust besides the system's (FTPS)
    QString betroet;       // the server identity trusted since this upload was first tried
};

struct Resultat {
    bool ok = false;
    QString fejl;          // Danish, with the client's and the server's own words
    Tillid ukendt;         // the server identity the upload stopped at, if that was why
};

// Runs one upload on the calling thread; status gets every status text of the client (the
// password never appears in one).
Resultat upload(const Opgave &opgave, const std::function<void(const QString &)> &status);

} // namespace ftp

class TftpUpload : public QObject {
    Q_OBJECT
public:
    explicit TftpUpload(QObject *parent = nullptr);
    ~TftpUpload() override;

    // Queues the upload; the signals below report on it.
    void upload(const ftp::Opgave &opgave);
    // Uploads waiting or running.
    int ventende() const { return m_ventende; }

    // Asked on the window's thread about a server identity an upload stopped at; true when
    // the user trusts it and the trust is stored, with opgave changed to carry it (the FTPS
    // pin). The upload then goes again. Without it such an upload simply fails.
    std::function<bool(const ftp::Tillid &, ftp::Opgave &opgave)> stolPaa;

signals:
    void status(const QString &text);
    // fejl is empty when the user chose not to trust the server: nothing more to say.
    void faerdig(const QString &fil, bool ok, const QString &fejl);

private:
    void send(const ftp::Opgave &opgave);
    void udfald(const ftp::Opgave &opgave, const ftp::Resultat &r);

    QThread m_traad;
    QObject *m_arbejder = nullptr;
    int m_ventende = 0;
    // Results that came in while the user was being asked; they wait for the answer.
    bool m_spoerger = false;
    QList<std::pair<ftp::Opgave, ftp::Resultat>> m_udsat;
    QStringList m_betroet;   // identities trusted while this program runs
};
