#include "ftp/ftpupload.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <curl/curl.h>

#include <cstdio>
#include <mutex>

namespace ftp {

namespace {

struct Kontekst {
    const std::function<void(const QString &)> *status = nullptr;
    QString sidsteSvar;   // the server's last reply line
};

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
QString danskGrund(CURLcode code, const QString &sidsteSvar, const QString &vaert)
{
    const QChar first = sidsteSvar.isEmpty() ? QChar() : sidsteSvar.front();
    const bool afvist = first == u'4' || first == u'5';
    QString why;
    switch (code) {
    case CURLE_LOGIN_DENIED:
        why = QStringLiteral("Brugernavnet eller passwordet blev afvist af serveren.");
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
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_CONNECT_ERROR:
        why = QStringLiteral("Serverens certifikat kan ikke godkendes, så der er ikke oprettet en sikker forbindelse.");
        break;
    case CURLE_USE_SSL_FAILED:
        why = QStringLiteral("Serveren tilbyder ikke sikker forbindelse (FTPS).");
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
    const QString navn = QFileInfo(opgave.fil).fileName();
    auto fejl = [&](const QString &why) {
        return Resultat{false, QStringLiteral("Filen %1 blev ikke sendt til %2.\r%3").arg(navn, f.host, why)};
    };
    if (const QString k = kontrolFejl(f); !k.isEmpty())
        return fejl(k);

    FILE *in = fopen(QFile::encodeName(opgave.fil).constData(), "rb");
    if (!in)
        return fejl(QStringLiteral("Filen kan ikke læses: %1").arg(QString::fromLocal8Bit(strerror(errno))));
    const qint64 size = QFileInfo(opgave.fil).size();

    // The folder and the name travel as one path in the address, each part escaped; "%2F"
    // makes the folder count from the server's root, not from the login folder.
    QString sti;
    for (const QString &del : f.mappe.split(u'/', Qt::SkipEmptyParts))
        sti += QString::fromLatin1(QUrl::toPercentEncoding(del)) + u'/';
    const QString vaert = f.host.contains(u':') ? u'[' + f.host + u']' : f.host;
    const QString url = QStringLiteral("ftp://") + vaert + u':' + QString::number(f.port.trimmed().toInt())
                      + QStringLiteral("/%2F") + sti + QString::fromLatin1(QUrl::toPercentEncoding(navn));

    CURL *curl = curl_easy_init();
    if (!curl) {
        fclose(in);
        return fejl(QStringLiteral("FTP-klienten kunne ikke startes."));
    }
    Kontekst k{&status, {}};
    char errbuf[CURL_ERROR_SIZE] = {};
    const QByteArray urlBytes = url.toUtf8();
    const QByteArray user = f.bruger.toUtf8();
    const QByteArray pass = f.password.toUtf8();
    const QByteArray ca = QFile::encodeName(opgave.caFil);
    curl_easy_setopt(curl, CURLOPT_URL, urlBytes.constData());
    curl_easy_setopt(curl, CURLOPT_USERNAME, user.constData());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, pass.constData());
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_READDATA, in);
    curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(size));
    // Active data connections, as the settings ask; FTPS goes passive, since this libcurl
    // would send an active connection's data unencrypted after asking for protection.
    curl_easy_setopt(curl, CURLOPT_FTPPORT, f.sikker ? nullptr : "-");
    curl_easy_setopt(curl, CURLOPT_TRANSFERTEXT, opgave.tekst ? 1L : 0L);
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
    if (f.sikker) {
        // Explicit TLS: AUTH TLS on the control connection, data protected too.
        curl_easy_setopt(curl, CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
        curl_easy_setopt(curl, CURLOPT_FTPSSLAUTH, long(CURLFTPAUTH_TLS));
        if (!opgave.caFil.isEmpty())
            curl_easy_setopt(curl, CURLOPT_CAINFO, ca.constData());
    }
    const CURLcode code = curl_easy_perform(curl);
    curl_easy_cleanup(curl);
    fclose(in);
    if (code == CURLE_OK)
        return {true, {}};
    // The library's own words go to the log, where the whole exchange is.
    if (status) {
        const QString buf = QString::fromUtf8(errbuf).trimmed();
        status(buf.isEmpty() ? QString::fromUtf8(curl_easy_strerror(code)) : buf);
    }
    return fejl(danskGrund(code, k.sidsteSvar, f.host));
}

} // namespace ftp

namespace {

class Arbejder : public QObject {
public:
    explicit Arbejder(TftpUpload *ejer) : m_ejer(ejer) {}
    void koer(const ftp::Opgave &opgave)
    {
        const ftp::Resultat r = ftp::upload(opgave, [this](const QString &t) {
            QMetaObject::invokeMethod(m_ejer, [e = m_ejer, t] { emit e->status(t); }, Qt::QueuedConnection);
        });
        QMetaObject::invokeMethod(m_ejer, [e = m_ejer, fil = opgave.fil, r] { emit e->faerdig(fil, r.ok, r.fejl); },
                                  Qt::QueuedConnection);
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
    auto *a = static_cast<Arbejder *>(m_arbejder);
    QMetaObject::invokeMethod(a, [a, opgave] { a->koer(opgave); }, Qt::QueuedConnection);
}
