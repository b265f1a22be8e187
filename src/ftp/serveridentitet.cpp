#include "ftp/serveridentitet.h"

#include "core/fejltekst.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageAuthenticationCode>
#include <QRegularExpression>

#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <cstring>

namespace ftp {

QString tillidSpoergsmaal(const Tillid &t)
{
    if (t.slags == Tillid::Certifikat)
        return QStringLiteral("Serveren %1 viser et certifikat, som ingen kendt udsteder står inde for "
                              "(det kan være serverens eget).\r"
                              "Certifikatets SHA-256-fingeraftryk er\r%2\r"
                              "Stol kun på det, hvis fingeraftrykket er det samme, som serverens ejer oplyser.\r"
                              "Skal forbindelsen stole på dette certifikat fremover?")
            .arg(t.vaert, t.fingeraftryk);
    return QStringLiteral("Serveren %1 er ikke kendt på denne computer.\r"
                          "Dens værtsnøgle har fingeraftrykket\r%2\r"
                          "Godkend kun nøglen, hvis fingeraftrykket er det samme, som serverens ejer oplyser.\r"
                          "Skal nøglen godkendes og gemmes i %3?")
        .arg(t.vaert, t.fingeraftryk, knownHostsSti());
}

QString aendretBesked(const Tillid &t)
{
    const QString ny = t.fingeraftryk.isEmpty() ? QString() : QStringLiteral("\rDet nye fingeraftryk er %1").arg(t.fingeraftryk);
    if (t.slags == Tillid::Certifikat)
        return QStringLiteral("Serverens certifikat er skiftet ud, siden forbindelsen fik lov at stole på det, "
                              "så der er intet sendt: en anden kan udgive sig for serveren.%1\r"
                              "Er skiftet ventet, så glem det gamle certifikat under FTP egenskaber og send igen.")
            .arg(ny);
    return QStringLiteral("Serverens værtsnøgle er en anden end den, der er godkendt for %1, "
                          "så der er intet sendt: en anden kan udgive sig for serveren.%2\r"
                          "Er skiftet ventet, så fjern den gamle nøgle for %1 fra %3 og send igen.")
        .arg(t.vaert, ny, knownHostsSti());
}

QString certFingeraftryk(const QByteArray &certDer)
{
    return QString::fromLatin1(QCryptographicHash::hash(certDer, QCryptographicHash::Sha256).toHex(':').toUpper());
}

QString certPin(const QByteArray &spkiDer)
{
    return QStringLiteral("sha256//")
         + QString::fromLatin1(QCryptographicHash::hash(spkiDer, QCryptographicHash::Sha256).toBase64());
}

QString sshFingeraftryk(const QByteArray &blob)
{
    return QStringLiteral("SHA256:")
         + QString::fromLatin1(QCryptographicHash::hash(blob, QCryptographicHash::Sha256)
                                   .toBase64(QByteArray::OmitTrailingEquals));
}

QString sshNoegletype(const QByteArray &blob)
{
    // The blob opens with its type: a 32-bit big-endian length and that many bytes.
    if (blob.size() < 4)
        return {};
    const auto *b = reinterpret_cast<const unsigned char *>(blob.constData());
    const quint32 len = (quint32(b[0]) << 24) | (quint32(b[1]) << 16) | (quint32(b[2]) << 8) | quint32(b[3]);
    if (len == 0 || len > 64 || len > quint32(blob.size() - 4))
        return {};
    const QByteArray type = blob.mid(4, int(len));
    for (const char c : type)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '@' || c == '.'))
            return {};
    return QString::fromLatin1(type);
}

QString knownHostsLinje(const QString &host, int port, const QByteArray &blob)
{
    // A known_hosts host field is a pattern list: ",", "*", "?", "!" and blanks would make the
    // line speak for other hosts, so only what names and addresses are made of gets in.
    if (host.isEmpty())
        return {};
    for (const QChar c : host)
        if (!(c.isLetterOrNumber() || c == u'.' || c == u'-' || c == u'_' || c == u':'))
            return {};
    const QString type = sshNoegletype(blob);
    if (type.isEmpty())
        return {};
    const QString navn = port == 22 ? host : QStringLiteral("[%1]:%2").arg(host).arg(port);
    return navn + u' ' + type + u' ' + QString::fromLatin1(blob.toBase64());
}

QString knownHostsSti()
{
    return QDir::homePath() + QStringLiteral("/.ssh/known_hosts");
}

namespace {

// Whether one host field of known_hosts names name ("host", or "[host]:port").
bool navnPasser(const QByteArray &felt, const QByteArray &name)
{
    if (felt.startsWith("|1|")) {
        const QList<QByteArray> dele = felt.split('|');   // "", "1", salt, hash
        if (dele.size() != 4)
            return false;
        const QByteArray salt = QByteArray::fromBase64(dele[2]);
        return QMessageAuthenticationCode::hash(name, salt, QCryptographicHash::Sha1) == QByteArray::fromBase64(dele[3]);
    }
    // A comma-separated list of patterns; a negated one that matches rules the line out.
    bool passer = false;
    for (QByteArray moenster : felt.split(',')) {
        const bool ikke = moenster.startsWith('!');
        if (ikke)
            moenster.remove(0, 1);
        // OpenSSH's patterns know "*" and "?" and nothing else ("[" is a port's bracket).
        QString rx;
        for (const QChar c : QString::fromUtf8(moenster))
            rx += c == u'*' ? QStringLiteral(".*") : c == u'?' ? QStringLiteral(".") : QRegularExpression::escape(c);
        const QRegularExpression re(QRegularExpression::anchoredPattern(rx), QRegularExpression::CaseInsensitiveOption);
        if (re.match(QString::fromUtf8(name)).hasMatch()) {
            if (ikke)
                return false;
            passer = true;
        }
    }
    return passer;
}

} // namespace

QByteArray vaertensLinjer(const QString &host, int port)
{
    QFile f(knownHostsSti());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray name = (port == 22 ? host : QStringLiteral("[%1]:%2").arg(host).arg(port)).toLower().toUtf8();
    QByteArray ud;
    for (const QByteArray &raa : f.readAll().split('\n')) {
        const QByteArray linje = raa.simplified();
        if (linje.isEmpty() || linje.startsWith('#') || linje.startsWith('@'))
            continue;
        const qsizetype blank = linje.indexOf(' ');
        if (blank <= 0 || !navnPasser(linje.left(blank), name))
            continue;
        ud += name + linje.mid(blank) + '\n';
    }
    return ud;
}

core::ReadResult gemKendtVaert(const QString &linje)
{
    const QString sti = knownHostsSti();
    const QString mappe = QFileInfo(sti).absolutePath();
    if (!QFileInfo(mappe).isDir()) {
        const QByteArray m = QFile::encodeName(mappe);
        if (::mkdir(m.constData(), 0700) != 0 && errno != EEXIST) {
            const int e = errno;
            return {false, core::fejlGrund(e, QString::fromLocal8Bit(std::strerror(e)), mappe)};
        }
    }
    QByteArray indhold;
    QFile f(sti);
    if (f.exists()) {
        // The keys already there must survive: a file that cannot be read is not written.
        if (!f.open(QIODevice::ReadOnly)) {
            const int e = errno;
            return {false, core::fejlGrund(e, f.errorString(), sti)};
        }
        indhold = f.readAll();
        f.close();
    }
    if (!indhold.isEmpty() && !indhold.endsWith('\n'))
        indhold += '\n';
    indhold += linje.toUtf8() + '\n';
    return core::writeFileAtomic(sti, indhold);
}

QString sshNoegle()
{
    const QString ssh = QDir::homePath() + QStringLiteral("/.ssh/");
    for (const char *navn : {"id_ed25519", "id_ecdsa", "id_rsa"})
        if (QFileInfo(ssh + QLatin1String(navn)).isFile())
            return ssh + QLatin1String(navn);
    return {};
}

} // namespace ftp
