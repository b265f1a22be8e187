#include "ftp/ftpindstillinger.h"

#include "core/optionfile.h"
#include "core/programfolder.h"

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
    e.f.sikker = r.lineCount() > 8 && r.text(8).trimmed() == QStringLiteral("1");
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
        .add(passwordLinje(path, e.f)).add(e.f.mappe).add(e.f.gemPassword).add(e.f.sikker)
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
    f.sikker = r.lineCount() > 6 && r.text(6).trimmed() == QStringLiteral("1");
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
        .add(f.gemPassword).add(f.sikker)
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
    return f.host.isEmpty() || f.port.isEmpty() || f.bruger.isEmpty() || f.password.isEmpty() || f.mappe.isEmpty();
}

bool erGyldigtNavn(const QString &name)
{
    return core::ProgramFolder::isSafeName(name) && name != QStringLiteral(".") && !name.startsWith(u'.');
}

} // namespace ftp
