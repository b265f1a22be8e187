#pragma once
// TftpUpload: sends one local file at a time to an FTP server with libcurl, on a thread of
// its own, so the windows stay usable. Uploads asked for while one runs wait their turn.
// Each upload opens and closes its own connection.

#include "ftp/ftpindstillinger.h"

#include <QObject>
#include <QThread>

namespace ftp {

struct Opgave {
    Forbindelse f;
    QString fil;           // the local file; stored under its own name in f.mappe
    bool tekst = true;     // ASCII transfer (line ends as the server keeps them); else binary
    QString caFil;         // a certificate file to trust besides the system's (FTPS)
};

struct Resultat {
    bool ok = false;
    QString fejl;          // Danish, with the client's and the server's own words
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

signals:
    void status(const QString &text);
    void faerdig(const QString &fil, bool ok, const QString &fejl);

private:
    QThread m_traad;
    QObject *m_arbejder = nullptr;
    int m_ventende = 0;
};
