#pragma once
// FTP connection settings: the settings file "ftpegenskaber.txt", the saved connections in
// "ftpmappe/", the checks a connection must pass, and where the password is kept.
//
// A connection speaks FTP, FTPS (explicit TLS) or SFTP (over SSH). An FTPS connection may
// carry the one server key the user chose to trust although no known authority vouches
// for its certificate (certPin, "sha256//" and the key's SHA-256 in base64): that key, and
// no other, is then accepted. SFTP host keys are not kept here but in ~/.ssh/known_hosts,
// where the user's other SSH programs find them (serveridentitet.h).
//
// A password to be kept goes into the desktop's secret store when one runs; the file then
// holds an empty password line. Without a store it stays in the file, which is then
// readable by its owner alone. Every FTP file is written owner-only.

#include <QString>
#include <QStringList>

#include <optional>

namespace ftp {

enum class Protokol { Ftp, Ftps, Sftp };

struct Forbindelse {
    QString host;
    QString port = QStringLiteral("21");
    QString bruger;
    QString password;
    QString mappe = QStringLiteral("/");
    bool gemPassword = false;   // "Gem også password"
    Protokol protokol = Protokol::Ftp;
    QString certPin;            // FTPS: the trusted server key, empty for none
    bool operator==(const Forbindelse &) const = default;
};

// The settings file: 8 lines (top, left, host, port, user, password, folder, "1"/"0"), a
// ninth for the protocol ("0" FTP, "1" FTPS, "2" SFTP) and a tenth for the trusted FTPS
// key. A saved connection has the same two after its 6 lines. A file without them is
// plain FTP, and a key line that is not a well-formed pin counts as none.
struct Egenskaber {
    bool harPosition = false;
    int top = 0, left = 0;
    Forbindelse f;
};

// The secret store: tests and desktops without one get the file instead.
class PasswordLager {
public:
    virtual ~PasswordLager() = default;
    // False when no store could take it.
    virtual bool gem(const QString &noegle, const QString &password) = 0;
    virtual std::optional<QString> hent(const QString &noegle) = 0;
    virtual void slet(const QString &noegle) = 0;
};
// The desktop's store through QtKeychain; "none" without a session bus.
PasswordLager *systemLager();
// Replaces the store (nullptr: files only); returns the one before.
PasswordLager *setLager(PasswordLager *lager);

// Missing file: nothing. A damaged file (too few lines): nothing as well.
std::optional<Egenskaber> hentEgenskaber(const QString &path);
bool gemEgenskaber(const QString &path, const Egenskaber &e, QString *error = nullptr);

std::optional<Forbindelse> hentForbindelse(const QString &path);
bool gemForbindelse(const QString &path, const Forbindelse &f, QString *error = nullptr);

// Forgets the password the secret store keeps for the file at path.
void sletPassword(const QString &path);

// The names of the saved connections: every "*.txt" in folder, without ".txt".
QStringList forbindelser(const QString &folder);

// Why a connection cannot be used as it stands (a port outside 1 to 65535, a host with
// blanks, a control character in any field), in Danish; empty when it can. Empty fields are
// not checked here.
QString kontrolFejl(const Forbindelse &f);
// The part of that check the settings files need: no field holds a control character (the
// writers refuse such a connection).
QString styretegnFejl(const Forbindelse &f);
// Whether any of host, port, user, password and folder is empty. An SFTP connection needs no
// password when the user has an SSH key of their own (sshNoegle()).
bool mangler(const Forbindelse &f);

// The port a protocol listens on unless told otherwise: 22 for SFTP, else 21.
QString standardPort(Protokol p);
// Whether text is a pin as CURLOPT_PINNEDPUBLICKEY takes it: "sha256//" and 32 bytes in
// base64, nothing else (the option would read any other text as a file name).
bool erGyldigPin(const QString &text);

// Whether a connection name can become a file name inside the connections folder.
bool erGyldigtNavn(const QString &name);

} // namespace ftp
