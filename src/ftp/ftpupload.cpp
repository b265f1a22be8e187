#include "ftp/ftpupload.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <curl/curl.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>

#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <mutex>
#include <optional>

namespace ftp {

namespace {

struct Kontekst {
    const std::function<void(const QString &)> *status = nullptr;
    QString sidsteSvar;   // the server's last reply line
    // FTPS: the server's certificate and its public key (DER), as the handshake saw them.
    QByteArray certDer, spkiDer;
    // SFTP: the host key the server showed, and what known_hosts said of it.
    QByteArray vaertsnoegle;
    int noegleMatch = -1;   // curl_khmatch, -1 before the check
};

// The index of our context among an OpenSSL context's extra data.
int sslIndeks()
{
    static const int i = SSL_CTX_get_ex_new_index(0, nullptr, nullptr, nullptr, nullptr);
    return i;
}

// Sees the server's certificate during the handshake, whatever the verdict on it, and
// leaves the verdict as it is.
int verifyCallback(int ok, X509_STORE_CTX *store)
{
    auto *ssl = static_cast<SSL *>(X509_STORE_CTX_get_ex_data(store, SSL_get_ex_data_X509_STORE_CTX_idx()));
    auto *k = ssl ? static_cast<Kontekst *>(SSL_CTX_get_ex_data(SSL_get_SSL_CTX(ssl), sslIndeks())) : nullptr;
    X509 *cert = X509_STORE_CTX_get0_cert(store);
    if (k && cert) {
        unsigned char *buf = nullptr;
        int n = i2d_X509(cert, &buf);
        if (n > 0)
            k->certDer = QByteArray(reinterpret_cast<const char *>(buf), n);
        OPENSSL_free(buf);
        buf = nullptr;
        n = i2d_X509_PUBKEY(X509_get_X509_PUBKEY(cert), &buf);
        if (n > 0)
            k->spkiDer = QByteArray(reinterpret_cast<const char *>(buf), n);
        OPENSSL_free(buf);
    }
    return ok;
}

CURLcode sslCtxCallback(CURL *, void *sslctx, void *userp)
{
    auto *ctx = static_cast<SSL_CTX *>(sslctx);
    SSL_CTX_set_ex_data(ctx, sslIndeks(), userp);
    SSL_CTX_set_verify(ctx, SSL_CTX_get_verify_mode(ctx), verifyCallback);
    return CURLE_OK;
}

// The known_hosts verdict on the server's host key: a match goes on; anything else stops
// here, before a password is sent, and is answered on the window's thread.
int sshKeyCallback(CURL *, const curl_khkey *, const curl_khkey *found, curl_khmatch match, void *userp)
{
    auto *k = static_cast<Kontekst *>(userp);
    k->noegleMatch = int(match);
    if (found) {
        k->vaertsnoegle = found->len ? QByteArray(found->key, qsizetype(found->len))
                                     : QByteArray::fromBase64(QByteArray(found->key));
    }
    return match == CURLKHMATCH_OK ? CURLKHSTAT_FINE : CURLKHSTAT_REJECT;
}

int debugCallback(CURL *, curl_infotype type, char *data, size_t size, void *userp)
{
    auto *k = static_cast<Kontekst *>(userp);
    if (type != CURLINFO_TEXT && type != CURLINFO_HEADER_IN && type != CURLINFO_HEADER_OUT)
        return 0;
    const QStringList lines = QString::fromUtf8(data, qsizetype(size)).split(u'\n', Qt::SkipEmptyParts);
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        // The password goes to the server and nowhere else.
        if (type == CURLINFO_HEADER_OUT && line.startsWith(QStringLiteral("PASS"), Qt::CaseInsensitive))
            line = QStringLiteral("PASS ****");
        if (type == CURLINFO_HEADER_IN)
            k->sidsteSvar = line;
        if (k->status && *k->status)
            (*k->status)(line);
    }
    return 0;
}

// One Danish sentence for the real cause of a failed transfer, with the server's own reply
// in parentheses when it gave one. The transfer library's own texts (English, and often its
// first harmless note rather than the cause) stay in the log.
QString danskGrund(CURLcode code, const QString &sidsteSvar, const QString &vaert, bool ssh)
{
    const QChar first = sidsteSvar.isEmpty() ? QChar() : sidsteSvar.front();
    const bool afvist = first == u'4' || first == u'5';
    QString why;
    switch (code) {
    case CURLE_LOGIN_DENIED:
        why = ssh ? QStringLiteral("Serveren godtog hverken SSH-nøglen eller passwordet for brugeren.")
                  : QStringLiteral("Brugernavnet eller passwordet blev afvist af serveren.");
        break;
    case CURLE_COULDNT_RESOLVE_HOST:
        why = QStringLiteral("Værten %1 blev ikke fundet.").arg(vaert);
        break;
    case CURLE_COULDNT_CONNECT:
        why = QStringLiteral("Serveren svarer ikke.");
        break;
    case CURLE_OPERATION_TIMEDOUT:
        why = QStringLiteral("Serveren holdt op med at svare.");
        break;
    case CURLE_PEER_FAILED_VERIFICATION:
        if (ssh) {
            why = QStringLiteral("Serverens værtsnøgle kunne ikke godkendes, så der er ikke oprettet en sikker forbindelse.");
            break;
        }
        [[fallthrough]];
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_CONNECT_ERROR:
        why = QStringLiteral("Serverens certifikat kan ikke godkendes, så der er ikke oprettet en sikker forbindelse.");
        break;
    case CURLE_USE_SSL_FAILED:
        why = QStringLiteral("Serveren tilbyder ikke sikker forbindelse (FTPS).");
        break;
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
        why = QStringLiteral("Serverens certifikat er skiftet ud, siden forbindelsen fik lov at stole på det.");
        break;
    case CURLE_REMOTE_FILE_NOT_FOUND:
        why = QStringLiteral("Mappen findes ikke på serveren.");
        break;
    case CURLE_REMOTE_DISK_FULL:
        why = QStringLiteral("Der er ikke plads til filen på serveren.");
        break;
    case CURLE_FAILED_INIT:
    case CURLE_SSH:
        why = afvist ? QStringLiteral("Serveren afviste overførslen.")
                     : QStringLiteral("Forbindelsen til serveren mislykkedes; se forløbet i upload-informationerne.");
        break;
    case CURLE_REMOTE_ACCESS_DENIED:
    case CURLE_UPLOAD_FAILED:
        why = QStringLiteral("Serveren afviste overførslen.");
        break;
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_PARTIAL_FILE:
    case CURLE_GOT_NOTHING:
        why = afvist ? QStringLiteral("Serveren afviste overførslen.")
                     : QStringLiteral("Forbindelsen blev afbrudt under overførslen.");
        break;
    default:
        why = afvist ? QStringLiteral("Serveren afviste overførslen.")
                     : QStringLiteral("Overførslen mislykkedes; se forløbet i upload-informationerne.");
        break;
    }
    if (afvist)
        why += QStringLiteral("\r(Serveren svarede: ") + sidsteSvar + u')';
    return why;
}

// An in-memory file holding bytes, to hand the transfer library as a file name: what it
// needs to read, without a copy on the disk. Closed with the object.
class MinneFil {
public:
    explicit MinneFil(const QByteArray &bytes)
    {
        m_fd = memfd_create("known_hosts", MFD_CLOEXEC);
        for (qsizetype sendt = 0; m_fd >= 0 && sendt < bytes.size();) {
            const ssize_t n = ::write(m_fd, bytes.constData() + sendt, size_t(bytes.size() - sendt));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                ::close(m_fd);
                m_fd = -1;
            } else {
                sendt += n;
            }
        }
    }
    MinneFil(const MinneFil &) = delete;
    MinneFil &operator=(const MinneFil &) = delete;
    ~MinneFil()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    // Empty when the file could not be made.
    QByteArray sti() const { return m_fd >= 0 ? "/proc/self/fd/" + QByteArray::number(m_fd) : QByteArray(); }

private:
    int m_fd = -1;
};

// libcurl's global set-up, once, before any thread uses it.
void initCurl()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

} // namespace

Resultat upload(const Opgave &opgave, const std::function<void(const QString &)> &status)
{
    initCurl();
    const Forbindelse &f = opgave.f;
    const bool ssh = f.protokol == Protokol::Sftp;
    const bool tls = f.protokol == Protokol::Ftps;
    const QString navn = QFileInfo(opgave.fil).fileName();
    auto fejl = [&](const QString &why) {
        return Resultat{false, QStringLiteral("Filen %1 blev ikke sendt til %2.\r%3").arg(navn, f.host, why), {}};
    };
    if (const QString k = kontrolFejl(f); !k.isEmpty())
        return fejl(k);

    FILE *in = fopen(QFile::encodeName(opgave.fil).constData(), "rb");
    if (!in)
        return fejl(QStringLiteral("Filen kan ikke læses: %1").arg(QString::fromLocal8Bit(strerror(errno))));
    const qint64 size = QFileInfo(opgave.fil).size();

    // The folder and the name travel as one path in the address, each part escaped. For FTP
    // "%2F" makes the folder count from the server's root, not from the login folder; an
    // SFTP path counts from the root as it is.
    QString sti;
    for (const QString &del : f.mappe.split(u'/', Qt::SkipEmptyParts))
        sti += QString::fromLatin1(QUrl::toPercentEncoding(del)) + u'/';
    // Host names are kept in lower case in known_hosts, and matched as written.
    const QString host = ssh ? f.host.toLower() : f.host;
    const QString vaert = host.contains(u':') ? u'[' + host + u']' : host;
    const int port = f.port.trimmed().toInt();
    const QString url = (ssh ? QStringLiteral("sftp://") : QStringLiteral("ftp://")) + vaert + u':'
                      + QString::number(port) + (ssh ? QStringLiteral("/") : QStringLiteral("/%2F")) + sti
                      + QString::fromLatin1(QUrl::toPercentEncoding(navn));

    CURL *curl = curl_easy_init();
    if (!curl) {
        fclose(in);
        return fejl(QStringLiteral("FTP-klienten kunne ikke startes."));
    }
    Kontekst k;
    k.status = &status;
    char errbuf[CURL_ERROR_SIZE] = {};
    const QByteArray urlBytes = url.toUtf8();
    const QByteArray user = f.bruger.toUtf8();
    const QByteArray pass = f.password.toUtf8();
    const QByteArray ca = QFile::encodeName(opgave.caFil);
    const bool pinned = tls && erGyldigPin(f.certPin);
    const QByteArray pin = f.certPin.toLatin1();
    // The host's own lines of known_hosts, read as OpenSSH reads them (serveridentitet.h).
    std::optional<MinneFil> vaertensNoegler;
    if (ssh)
        vaertensNoegler.emplace(vaertensLinjer(host, port));
    const QByteArray knownHosts = vaertensNoegler && !vaertensNoegler->sti().isEmpty()
                                    ? vaertensNoegler->sti() : QFile::encodeName(knownHostsSti());
    const QString noegle = ssh ? sshNoegle() : QString();
    const QByteArray noegleFil = QFile::encodeName(noegle);
    const QByteArray offentligFil =
        QFileInfo(noegle + QStringLiteral(".pub")).isFile() ? QFile::encodeName(noegle + QStringLiteral(".pub")) : QByteArray("");
    curl_easy_setopt(curl, CURLOPT_URL, urlBytes.constData());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, ssh ? "sftp" : "ftp");
    curl_easy_setopt(curl, CURLOPT_USERNAME, user.constData());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, pass.constData());
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_READDATA, in);
    curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(size));
    // Active data connections, as the settings ask; FTPS goes passive, since this libcurl
    // would send an active connection's data unencrypted after asking for protection.
    if (!ssh)
        curl_easy_setopt(curl, CURLOPT_FTPPORT, tls ? nullptr : "-");
    curl_easy_setopt(curl, CURLOPT_TRANSFERTEXT, opgave.tekst && !ssh ? 1L : 0L);
    curl_easy_setopt(curl, CURLOPT_IPRESOLVE, CURL_IPRESOLVE_V4);
    curl_easy_setopt(curl, CURLOPT_PROXY, "");
    curl_easy_setopt(curl, CURLOPT_FTP_CREATE_MISSING_DIRS, CURLFTP_CREATE_DIR_NONE);
    curl_easy_setopt(curl, CURLOPT_FTP_FILEMETHOD, CURLFTPMETHOD_SINGLECWD);
    // Sixty seconds without a byte end the transfer.
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, 60L);
    curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, 60L);
    curl_easy_setopt(curl, CURLOPT_ACCEPTTIMEOUT_MS, 60000L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errbuf);
    curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, debugCallback);
    curl_easy_setopt(curl, CURLOPT_DEBUGDATA, &k);
    if (tls) {
        // Explicit TLS: AUTH TLS on the control connection, data protected too.
        curl_easy_setopt(curl, CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
        curl_easy_setopt(curl, CURLOPT_FTPSSLAUTH, long(CURLFTPAUTH_TLS));
        if (!opgave.caFil.isEmpty())
            curl_easy_setopt(curl, CURLOPT_CAINFO, ca.constData());
        curl_easy_setopt(curl, CURLOPT_SSL_CTX_FUNCTION, sslCtxCallback);
        curl_easy_setopt(curl, CURLOPT_SSL_CTX_DATA, &k);
        if (pinned) {
            // The key the user trusted is the identity: no authority need vouch for it, and
            // the name in its certificate is the server's own business. Any other key is
            // refused on every connection, the data connections included.
            curl_easy_setopt(curl, CURLOPT_PINNEDPUBLICKEY, pin.constData());
            curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 0L);
            curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 0L);
        }
    }
    if (ssh) {
        curl_easy_setopt(curl, CURLOPT_SSH_KNOWNHOSTS, knownHosts.constData());
        curl_easy_setopt(curl, CURLOPT_SSH_KEYFUNCTION, sshKeyCallback);
        curl_easy_setopt(curl, CURLOPT_SSH_KEYDATA, &k);
        long metoder = CURLSSH_AUTH_PASSWORD | CURLSSH_AUTH_KEYBOARD;
        if (!noegle.isEmpty()) {
            metoder |= CURLSSH_AUTH_PUBLICKEY;
            curl_easy_setopt(curl, CURLOPT_SSH_PRIVATE_KEYFILE, noegleFil.constData());
            // Without a ".pub" beside it the key's public half is taken from the private one.
            curl_easy_setopt(curl, CURLOPT_SSH_PUBLIC_KEYFILE, offentligFil.constData());
            curl_easy_setopt(curl, CURLOPT_KEYPASSWD, pass.constData());
        }
        curl_easy_setopt(curl, CURLOPT_SSH_AUTH_TYPES, metoder);
    }
    const CURLcode code = curl_easy_perform(curl);
    curl_easy_cleanup(curl);
    fclose(in);
    if (code == CURLE_OK)
        return {true, {}, {}};
    // The library's own words go to the log, where the whole exchange is.
    if (status) {
        const QString buf = QString::fromUtf8(errbuf).trimmed();
        status(buf.isEmpty() ? QString::fromUtf8(curl_easy_strerror(code)) : buf);
    }

    // A server identity not trusted (yet) or changed.
    Tillid t;
    t.vaert = port == (ssh ? 22 : 21) ? host : vaert + u':' + QString::number(port);
    if (tls && !k.certDer.isEmpty()
        && (code == CURLE_PEER_FAILED_VERIFICATION || code == CURLE_SSL_CACERT_BADFILE
            || code == CURLE_SSL_PINNEDPUBKEYNOTMATCH)) {
        t.slags = Tillid::Certifikat;
        t.fingeraftryk = certFingeraftryk(k.certDer);
        t.noegle = certPin(k.spkiDer);
        t.aendret = pinned;
    } else if (tls && pinned && code == CURLE_SSL_PINNEDPUBKEYNOTMATCH) {
        t.slags = Tillid::Certifikat;
        t.aendret = true;
    } else if (ssh && code == CURLE_PEER_FAILED_VERIFICATION && !k.vaertsnoegle.isEmpty()
               && k.noegleMatch != CURLKHMATCH_OK) {
        t.slags = Tillid::Vaertsnoegle;
        t.fingeraftryk = sshFingeraftryk(k.vaertsnoegle);
        t.aendret = k.noegleMatch == CURLKHMATCH_MISMATCH;
        if (!t.aendret)
            t.noegle = knownHostsLinje(host, port, k.vaertsnoegle);
    }
    Resultat r = fejl(t.aendret ? aendretBesked(t) : danskGrund(code, k.sidsteSvar, f.host, ssh));
    r.ukendt = t;
    return r;
}

} // namespace ftp

namespace {

class Arbejder : public QObject {
public:
    explicit Arbejder(TftpUpload *ejer) : m_ejer(ejer) {}
    void koer(const ftp::Opgave &opgave, const std::function<void(const ftp::Opgave &, const ftp::Resultat &)> &svar)
    {
        const ftp::Resultat r = ftp::upload(opgave, [this](const QString &t) {
            QMetaObject::invokeMethod(m_ejer, [e = m_ejer, t] { emit e->status(t); }, Qt::QueuedConnection);
        });
        QMetaObject::invokeMethod(m_ejer, [svar, opgave, r] { svar(opgave, r); }, Qt::QueuedConnection);
    }

private:
    TftpUpload *m_ejer;
};

} // namespace

TftpUpload::TftpUpload(QObject *parent) : QObject(parent)
{
    m_arbejder = new Arbejder(this);
    m_arbejder->moveToThread(&m_traad);
    connect(&m_traad, &QThread::finished, m_arbejder, &QObject::deleteLater);
    connect(this, &TftpUpload::faerdig, this, [this] { --m_ventende; });
    m_traad.setObjectName(QStringLiteral("ftp"));
    m_traad.start();
}

TftpUpload::~TftpUpload()
{
    // An upload under way finishes first; the program does not leave a half-sent file behind
    // on its side.
    m_traad.quit();
    m_traad.wait();
}

void TftpUpload::upload(const ftp::Opgave &opgave)
{
    ++m_ventende;
    send(opgave);
}

void TftpUpload::send(const ftp::Opgave &opgave)
{
    auto *a = static_cast<Arbejder *>(m_arbejder);
    auto svar = [this](const ftp::Opgave &o, const ftp::Resultat &r) { udfald(o, r); };
    QMetaObject::invokeMethod(a, [a, opgave, svar] { a->koer(opgave, svar); }, Qt::QueuedConnection);
}

void TftpUpload::udfald(const ftp::Opgave &opgave, const ftp::Resultat &r)
{
    // An identity trusted for this very upload that still stops it is not asked about again
    // (nor trusted again, round and round): the trust did not take.
    if (r.ok || !r.ukendt.kanStoles() || !stolPaa || r.ukendt.noegle == opgave.betroet) {
        emit faerdig(opgave.fil, r.ok, r.fejl);
        return;
    }
    // One question at a time: the worker goes on with the queue while the user reads.
    if (m_spoerger) {
        m_udsat.append({opgave, r});
        return;
    }
    ftp::Opgave igen = opgave;
    igen.betroet = r.ukendt.noegle;
    bool ja = false;
    if (m_betroet.contains(r.ukendt.noegle)) {
        if (r.ukendt.slags == ftp::Tillid::Certifikat)
            igen.f.certPin = r.ukendt.noegle;
        ja = true;
    } else {
        m_spoerger = true;
        ja = stolPaa(r.ukendt, igen);
        m_spoerger = false;
        if (ja)
            m_betroet << r.ukendt.noegle;
    }
    if (ja)
        send(igen);
    else
        emit faerdig(opgave.fil, false, QString());
    while (!m_spoerger && !m_udsat.isEmpty()) {
        const auto [o, res] = m_udsat.takeFirst();
        udfald(o, res);
    }
}
