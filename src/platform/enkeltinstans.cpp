#include "platform/enkeltinstans.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#include <unistd.h>

namespace platform {

namespace {
// The message: one UTF-8 path per line, an empty line at the end; the answer "ok\n".
constexpr int kVentMs = 10000;
}

TEnkeltInstans::TEnkeltInstans(const QString &programdir, QObject *parent)
    : QObject(parent)
{
    const QByteArray noegle = QDir::cleanPath(QDir(programdir).absolutePath()).toUtf8();
    const QString hash = QString::fromLatin1(QCryptographicHash::hash(noegle, QCryptographicHash::Sha1).toHex().left(16));
    QString mappe = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (mappe.isEmpty())
        mappe = QDir::tempPath();
    m_sti = QDir(mappe).filePath(QStringLiteral("tavlevirke-%1-%2").arg(::getuid()).arg(hash));
}

TEnkeltInstans::~TEnkeltInstans() = default;

TEnkeltInstans::Udfald TEnkeltInstans::start(const QStringList &files, QString *fejl)
{
    QLocalSocket klient;
    klient.connectToServer(m_sti);
    if (klient.waitForConnected(kVentMs)) {
        QByteArray besked;
        for (const QString &f : files)
            besked += f.toUtf8() + '\n';
        besked += '\n';
        klient.write(besked);
        klient.flush();
        while (!klient.canReadLine() && klient.state() == QLocalSocket::ConnectedState)
            if (!klient.waitForReadyRead(kVentMs))
                break;
        if (klient.readLine() == "ok\n")
            return Udfald::Afleveret;
        if (fejl)
            *fejl = QStringLiteral("Tavlevirke kører allerede på programmappen, men svarer ikke.");
        return Udfald::SvarerIkke;
    }
    // Nobody listens: a socket file left by a program that did not end normally goes.
    QLocalServer::removeServer(m_sti);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_sti)) {
        if (fejl)
            *fejl = m_server->errorString();
        delete m_server;
        m_server = nullptr;
        return Udfald::Fejl;
    }
    connect(m_server, &QLocalServer::newConnection, this, &TEnkeltInstans::nyForbindelse);
    return Udfald::Lytter;
}

void TEnkeltInstans::nyForbindelse()
{
    while (QLocalSocket *s = m_server->nextPendingConnection()) {
        connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        connect(s, &QLocalSocket::readyRead, this, [this, s] {
            // The whole message is there once its empty line is.
            const QByteArray data = s->peek(s->bytesAvailable());
            if (!data.endsWith("\n\n") && data != "\n")
                return;
            s->readAll();
            QStringList files;
            for (const QByteArray &l : data.split('\n'))
                if (!l.isEmpty())
                    files << QString::fromUtf8(l);
            s->write("ok\n");
            s->flush();
            emit filerModtaget(files);
        });
    }
}

} // namespace platform
