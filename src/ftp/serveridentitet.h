#pragma once
// Who the server is: the identities an upload checks before it sends a password or a byte,
// and what trusting one stores.
//
// FTPS: a certificate that no authority the system knows vouches for (the server's own,
// typically) can be trusted by its public key. The pin ("sha256//" and the SHA-256 of the
// key in base64) goes with the connection settings; from then on that key alone is accepted
// for the connection, whatever the certificate around it says, and any other key is refused.
// The user is shown the certificate's SHA-256 fingerprint, as browsers and "openssl x509
// -fingerprint -sha256" show it.
//
// SFTP: host keys are checked against ~/.ssh/known_hosts, the file the user's other SSH
// programs use, read as OpenSSH reads it (hashed names, patterns); lines with a marker
// ("@cert-authority", "@revoked") are left out. An unknown key is shown as OpenSSH shows it ("SHA256:" and base64) and, once
// accepted, appended to that file; a key that differs from the one the file holds for the
// host is refused and never replaced from here.
//
// The user's own SSH key for logging in is the first of ~/.ssh/id_ed25519, id_ecdsa and
// id_rsa that exists. The password field is then the key's passphrase as well, and is still
// offered as a login password should the server refuse the key. Without a key the password
// logs in on its own.
//
// $HOME is the home here, as for OpenSSH; tests point it at a temporary folder.

#include "core/filskriver.h"

#include <QByteArray>
#include <QString>

namespace ftp {

// A server identity an upload stopped at.
struct Tillid {
    enum Slags { Ingen, Certifikat, Vaertsnoegle };
    Slags slags = Ingen;
    // Differs from the identity trusted before: refused, never offered for trust.
    bool aendret = false;
    QString vaert;          // host, and ":port" when not the protocol's usual one
    QString fingeraftryk;   // as shown to the user
    QString noegle;         // what trusting stores: the pin, or the known_hosts line
    bool kanStoles() const { return slags != Ingen && !aendret && !noegle.isEmpty(); }
};

// The question put to the user before a server is trusted, in Danish.
QString tillidSpoergsmaal(const Tillid &t);
// One Danish sentence (or three) for a server whose identity changed.
QString aendretBesked(const Tillid &t);

// FTPS certificates: the fingerprint of a certificate (DER) as "AB:CD:…", and the pin of
// its public key (SubjectPublicKeyInfo, DER).
QString certFingeraftryk(const QByteArray &certDer);
QString certPin(const QByteArray &spkiDer);

// SSH host keys, from the key blob the server sends.
QString sshFingeraftryk(const QByteArray &blob);
// The key's type as the blob names it ("ssh-ed25519"); empty when the blob is malformed.
QString sshNoegletype(const QByteArray &blob);
// The known_hosts line for host (port 22 plain, any other as "[host]:port"); empty when host
// holds a character that would make the line a pattern for other hosts or no line at all.
QString knownHostsLinje(const QString &host, int port, const QByteArray &blob);

QString knownHostsSti();
// The lines of known_hosts that speak for host at port, each with the host written out
// plainly in front of its key: names hashed by OpenSSH (HashKnownHosts) and patterns
// ("*.example.dk", "!a,b") resolved here. The transfer library is handed these alone: it
// takes the key type of the first hashed line of the whole file, whichever host that line is
// for, and would then ask the server for a key type it may not have.
QByteArray vaertensLinjer(const QString &host, int port);
// Appends a line to known_hosts through the atomic writer, keeping the file's mode, and
// makes ~/.ssh (mode 0700) when it is missing.
core::ReadResult gemKendtVaert(const QString &linje);

// The user's private SSH key, empty when there is none.
QString sshNoegle();

} // namespace ftp
