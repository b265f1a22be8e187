#include "ftp/ftpindstillinger.h"

#include "core/optionfile.h"
#include "core/programfolder.h"
#include "ftp/serveridentitet.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#include <qt6keychain/keychain.h>

namespace ftp {

namespace {

const QString kTjeneste = QStringLiteral("Tavlevirke FTP");

class KeychainLager : public PasswordLager {
public:
    bool gem(const QString &noegle, const QString &password) override
    {
        auto *job = new QKeychain::WritePasswordJob(kTjeneste);
        job->setKey(noegle);
        job->setTextData(password);
        return koer(job);
    }
    std::optional<QString> hent(const QString &noegle) override
    {
        auto *job = new QKeychain::ReadPasswordJob(kTjeneste);
        job->setKey(noegle);
        job->setAutoDelete(false);
        const bool ok = koer(job);
        std::optional<QString> r;
        if (ok)
            r = job->textData();
        job->deleteLater();
        return r;
    }
    void slet(const QString &noegle) override
    {
        auto *job = new QKeychain::DeletePasswordJob(kTjeneste);
        job->setKey(noegle);
        koer(job);
    }

private:
    // The jobs answer through the event loop; a store that does not answer in time counts
    // as none.
    static bool koer(QKeychain::Job *job)
    {
        job->setInsecureFallback(false);
        QEventLoop loop;
        bool ok = false;
        bool svaret = false;
        QObject::connect(job, &QKeychain::Job::finished, &loop, [&](QKeychain::Job *j) {
            ok = j->error() == QKeychain::NoError;
            svaret = true;
            loop.quit();
        });
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        job->start();
        if (!svaret)
            loop.exec();
        return ok;
    }
};

PasswordLager *lagerNu()
{
    static bool valgt = false;
    static PasswordLager *lager = nullptr;
    if (!valgt) {
        valgt = true;
        // Both stores QtKeychain knows on this platform talk over the session bus.
        if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
            lager = new KeychainLager;
    }
    return lager;
}

PasswordLager *&aktueltLager()
{
    static PasswordLager *l = lagerNu();
    return l;
}

QString noegle(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}

// The password line of a file, and the store when it takes the password.
QString passwordLinje(const QString &path, const Forbindelse &f)
{
    PasswordLager *lager = aktueltLager();
    if (!f.gemPassword || f.password.isEmpty()) {
        if (lager)
            lager->slet(noegle(path));
        return {};
    }
    if (lager && lager->gem(noegle(path), f.password))
        return {};
    return f.password;
}

QString hentPassword(const QString &path, const QString &linje, bool gemt)
{
    if (!linje.isEmpty() || !gemt)
        return gemt ? linje : QString();
    if (PasswordLager *lager = aktueltLager())
        return lager->hent(noegle(path)).value_or(QString());
    return {};
}

// The protocol line: "0"/"1" as the FTPS check box once wrote it, "2" for SFTP.
Protokol protokolFra(core::OptionReader &r, int line)
{
    if (r.lineCount() <= line)
        return Protokol::Ftp;
    const QString t = r.text(line).trimmed();
    return t == QStringLiteral("1") ? Protokol::Ftps : t == QStringLiteral("2") ? Protokol::Sftp : Protokol::Ftp;
}

QString protokolLinje(Protokol p)
{
    return QString::number(int(p));
}

QString pinFra(core::OptionReader &r, int line)
{
    if (r.lineCount() <= line)
        return {};
    const QString t = r.text(line).trimmed();
    return erGyldigPin(t) ? t : QString();
}

} // namespace

PasswordLager *systemLager() { return lagerNu(); }

PasswordLager *setLager(PasswordLager *lager)
{
    PasswordLager *old = aktueltLager();
    aktueltLager() = lager;
    return old;
}

std::optional<Egenskaber> hentEgenskaber(const QString &path)
{
    core::OptionReader r(path, 8);
    Egenskaber e;
    e.top = r.integer(0);
    e.left = r.integer(1);
    e.f.host = r.text(2);
    e.f.port = r.text(3);
    e.f.bruger = r.text(4);
    const QString pw = r.text(5);
    e.f.mappe = r.text(6);
    e.f.gemPassword = r.boolean(7);
    if (!r.ok())
        return std::nullopt;
    e.harPosition = true;
    e.f.protokol = protokolFra(r, 8);
    e.f.certPin = pinFra(r, 9);
    e.f.password = hentPassword(path, pw, e.f.gemPassword);
    return e;
}

bool gemEgenskaber(const QString &path, const Egenskaber &e, QString *error)
{
    if (const QString s = styretegnFejl(e.f); !s.isEmpty()) {
        if (error)
            *error = s;
        return false;
    }
    return core::OptionWriter()
        .add(e.top).add(e.left).add(e.f.host).add(e.f.port).add(e.f.bruger)
        .add(passwordLinje(path, e.f)).add(e.f.mappe).add(e.f.gemPassword).add(protokolLinje(e.f.protokol))
        .add(erGyldigPin(e.f.certPin) ? e.f.certPin : QString())
        .write(path, error, true);
}

std::optional<Forbindelse> hentForbindelse(const QString &path)
{
    core::OptionReader r(path, 6);
    Forbindelse f;
    f.host = r.text(0);
    f.port = r.text(1);
    f.bruger = r.text(2);
    const QString pw = r.text(3);
    f.mappe = r.text(4);
    f.gemPassword = r.boolean(5);
    if (!r.ok())
        return std::nullopt;
    f.protokol = protokolFra(r, 6);
    f.certPin = pinFra(r, 7);
    f.password = hentPassword(path, pw, f.gemPassword);
    return f;
}

bool gemForbindelse(const QString &path, const Forbindelse &f, QString *error)
{
    if (const QString s = styretegnFejl(f); !s.isEmpty()) {
        if (error)
            *error = s;
        return false;
    }
    return core::OptionWriter()
        .add(f.host).add(f.port).add(f.bruger).add(passwordLinje(path, f)).add(f.mappe)
        .add(f.gemPassword).add(protokolLinje(f.protokol)).add(erGyldigPin(f.certPin) ? f.certPin : QString())
        .write(path, error, true);
}

void sletPassword(const QString &path)
{
    if (PasswordLager *lager = aktueltLager())
        lager->slet(noegle(path));
}

QStringList forbindelser(const QString &folder)
{
    QStringList names;
    const QFileInfoList files = QDir(folder).entryInfoList({QStringLiteral("*.txt")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo &fi : files)
        names << fi.completeBaseName();
    return names;
}

QString styretegnFejl(const Forbindelse &f)
{
    // A line break in a field would end the command it travels in and start one of its own
    // (a pasted "hemmelig\r\nDELE fil"), and would add lines to the settings file.
    const std::pair<const QString *, const char *> felter[] = {
        {&f.host, "Værtsnavnet"}, {&f.bruger, "Brugernavnet"}, {&f.password, "Passwordet"}, {&f.mappe, "Mappen"}};
    for (const auto &[felt, navn] : felter)
        for (const QChar c : *felt)
            if (c.unicode() < 0x20 || c.unicode() == 0x7F)
                return QStringLiteral("%1 må ikke indeholde styretegn som linjeskift eller tabulator.")
                    .arg(QLatin1String(navn));
    return {};
}

QString kontrolFejl(const Forbindelse &f)
{
    if (!f.host.isEmpty()) {
        for (const QChar c : f.host)
            if (c.isSpace() || c.category() == QChar::Other_Control)
                return QStringLiteral("Værtsnavnet må ikke indeholde mellemrum:\r\"%1\"").arg(f.host);
    }
    if (const QString s = styretegnFejl(f); !s.isEmpty())
        return s;
    if (!f.port.isEmpty()) {
        bool ok = false;
        const int port = f.port.trimmed().toInt(&ok);
        if (!ok || port < 1 || port > 65535)
            return QStringLiteral("Porten skal være et tal fra 1 til 65535:\r%1").arg(f.port);
    }
    return {};
}

bool mangler(const Forbindelse &f)
{
    const bool passwordMangler = f.password.isEmpty() && !(f.protokol == Protokol::Sftp && !sshNoegle().isEmpty());
    return f.host.isEmpty() || f.port.isEmpty() || f.bruger.isEmpty() || passwordMangler || f.mappe.isEmpty();
}

QString standardPort(Protokol p)
{
    return p == Protokol::Sftp ? QStringLiteral("22") : QStringLiteral("21");
}

bool erGyldigPin(const QString &text)
{
    static const QLatin1String prefix("sha256//");
    if (!text.startsWith(prefix) || text.size() != prefix.size() + 44)
        return false;
    const QByteArray b64 = text.mid(prefix.size()).toLatin1();
    const auto r = QByteArray::fromBase64Encoding(b64, QByteArray::AbortOnBase64DecodingErrors);
    return r && r.decoded.size() == 32 && r.decoded.toBase64() == b64;
}

bool erGyldigtNavn(const QString &name)
{
    return core::ProgramFolder::isSafeName(name) && name != QStringLiteral(".") && !name.startsWith(u'.');
}

} // namespace ftp
