// FTP upload against a real server (pyftpdlib on 127.0.0.1, plain and with TLS), SFTP
// against a real OpenSSH server, and the settings and connection files. HOME is a temporary
// folder throughout, so the user's own ~/.ssh is never read or written.

#include "ftp/ftpform.h"
#include "ftp/ftpindstillinger.h"
#include "ftp/ftpupload.h"
#include "editor/editor.h"
#include "platform/infobox.h"
#include "shell/mainform.h"
#include "shell/winform.h"
#include "testsupport/testenv.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTcpServer>
#include <QProcess>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolBar>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kBruger = QStringLiteral("tavle");
const QString kPassword = QStringLiteral("hemmelig-æø-42");

// A pyftpdlib server on a free port of 127.0.0.1 for one test.
class FtpServer {
public:
    // port: listen there (a server restarted), else on a free one.
    explicit FtpServer(const QString &cert = {}, const QString &key = {}, int port = 0)
    {
        QStringList args = {QStringLiteral(TAVLEVIRKE_FIXTURES "/ftp/ftpserver.py"), m_root.path(), kBruger, kPassword};
        if (!cert.isEmpty())
            args << cert << key;
        if (port)
            args << QString::number(port);
        m_proc.setProcessChannelMode(QProcess::SeparateChannels);
        // The test's own working folder may be a program folder an earlier test removed.
        m_proc.setWorkingDirectory(m_root.path());
        m_proc.start(QStringLiteral("/usr/bin/python3"), args);
        if (!m_proc.waitForStarted(5000))
            return;
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 10000 && !m_proc.canReadLine())
            m_proc.waitForReadyRead(200);
        const QByteArray line = m_proc.readLine().trimmed();
        if (line.startsWith("PORT "))
            m_port = line.mid(5).toInt();
    }
    ~FtpServer() { stop(); }
    void stop()
    {
        if (m_proc.state() != QProcess::NotRunning) {
            m_proc.kill();
            m_proc.waitForFinished(5000);
        }
    }
    int port() const { return m_port; }
    QString root() const { return m_root.path() + u'/'; }

private:
    QTemporaryDir m_root;
    QProcess m_proc;
    int m_port = 0;
};

struct Cert {
    QTemporaryDir dir;
    QString cert, key;
    bool ok = false;
    Cert()
    {
        cert = dir.path() + QStringLiteral("/cert.pem");
        key = dir.path() + QStringLiteral("/key.pem");
        ok = QProcess::execute(QStringLiteral("openssl"),
                               {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", key, "-out", cert,
                                "-days", "1", "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1"})
             == 0;
    }
};

void skriv(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A command's standard output, trimmed; empty when it failed.
QString koer(const QString &shell)
{
    QProcess p;
    p.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), shell});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// HOME for one test: a fresh temporary folder, the old one back afterwards.
class Hjem {
public:
    Hjem() : m_old(qgetenv("HOME")) { qputenv("HOME", m_dir.path().toUtf8()); }
    ~Hjem() { qputenv("HOME", m_old); }
    QString path(const QString &rel = {}) const { return m_dir.path() + u'/' + rel; }
    // The user's own SSH key in ~/.ssh, with the connection's password as its passphrase;
    // the public key's path, empty when it could not be made.
    QString lavNoegle() const
    {
        if (!QDir().mkpath(path(QStringLiteral(".ssh")))
            || QProcess::execute(QStringLiteral("ssh-keygen"),
                                 {"-q", "-t", "ed25519", "-N", kPassword, "-f", path(QStringLiteral(".ssh/id_ed25519"))}) != 0)
            return {};
        return path(QStringLiteral(".ssh/id_ed25519.pub"));
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_old;
};

QString brugernavn()
{
    const passwd *pw = getpwuid(geteuid());
    return pw ? QString::fromLocal8Bit(pw->pw_name) : QString();
}

// OpenSSH's sshd on 127.0.0.1 for one test, with its own host key, letting the running user
// in with the key in authorizedKey and nothing else.
class SshServer {
public:
    SshServer(const QString &authorizedKey, int port = 0)
    {
        m_hostKey = m_dir.filePath(QStringLiteral("host_ed25519"));
        if (QProcess::execute(QStringLiteral("ssh-keygen"), {"-q", "-t", "ed25519", "-N", "", "-f", m_hostKey}) != 0)
            return;
        if (!port) {
            QTcpServer probe;
            probe.listen(QHostAddress::LocalHost);
            port = probe.serverPort();
        }
        // The privilege separation folder sshd wants; absent on a machine that never ran it.
        QDir().mkpath(QStringLiteral("/run/sshd"));
        const QString keys = m_dir.filePath(QStringLiteral("authorized_keys"));
        QFile::copy(authorizedKey, keys);
        const QString cfg = m_dir.filePath(QStringLiteral("sshd_config"));
        skriv(cfg, QStringLiteral("ListenAddress 127.0.0.1\n"
                                  "PidFile none\nUsePAM no\nStrictModes no\nPermitRootLogin yes\n"
                                  "PubkeyAuthentication yes\nPasswordAuthentication no\n"
                                  "KbdInteractiveAuthentication no\nAuthorizedKeysFile %1\n"
                                  "Subsystem sftp internal-sftp\nLogLevel INFO\n")
                       .arg(keys).toUtf8());
        m_proc.setProcessChannelMode(QProcess::MergedChannels);
        m_proc.start(QStringLiteral("/usr/sbin/sshd"),
                     {"-D", "-e", "-f", cfg, "-h", m_hostKey, "-p", QString::number(port)});
        m_proc.waitForStarted(5000);
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 10000 && m_proc.state() == QProcess::Running && !m_log.contains("Server listening"))
            if (m_proc.waitForReadyRead(200))
                m_log += m_proc.readAll();
        if (m_log.contains("Server listening"))
            m_port = port;
    }
    ~SshServer()
    {
        m_proc.kill();
        m_proc.waitForFinished(5000);
    }
    int port() const { return m_port; }
    QByteArray log() { return m_log + m_proc.readAll(); }
    // The host key as known_hosts holds it ("ssh-ed25519 AAAA…"), and as OpenSSH shows it.
    QString publicKey() const { return koer(QStringLiteral("cut -d' ' -f1,2 '%1.pub'").arg(m_hostKey)); }
    QString fingerprint() const { return koer(QStringLiteral("ssh-keygen -lf '%1.pub' | cut -d' ' -f2").arg(m_hostKey)); }

private:
    QTemporaryDir m_dir;
    QString m_hostKey;
    QProcess m_proc;
    QByteArray m_log;
    int m_port = 0;
};

QByteArray laes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int mode(const QString &path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
}

// A password store for the tests: remembers in memory.
struct Lager : ftp::PasswordLager {
    QHash<QString, QString> data;
    bool virker = true;
    bool gem(const QString &k, const QString &p) override
    {
        if (!virker) return false;
        data[k] = p;
        return true;
    }
    std::optional<QString> hent(const QString &k) override
    {
        if (!data.contains(k)) return std::nullopt;
        return data[k];
    }
    void slet(const QString &k) override { data.remove(k); }
};

} // namespace

class TestFtp : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void uploads_data();
    void uploads();
    void serverDownThenUp();
    void largeFileOffTheWindowThread();
    void checks_data();
    void checks();
    void settingsFilesAreOwnerOnly();
    void secretStoreKeepsPasswordOutOfFiles();
    void olderSettingsFileIsPlainFtp();
    void formRefusesBadInput();
    void documentUploadLogsIntoItsWindow();
    void lineBreakInAFieldSendsNoCommand_data();
    void lineBreakInAFieldSendsNoCommand();
    void modifiedDocumentIsSavedBeforeItGoes_data();
    void modifiedDocumentIsSavedBeforeItGoes();
    void ftpsTrustsTheServersOwnCertificate();
    void sftpAsksAboutAnUnknownHostAndRefusesAChangedOne();
    void oneQuestionPerServer();
    void sftpFailuresSayWhy();
    void protocolAndTrustLines_data();
    void protocolAndTrustLines();
    void sshFilesInTheHome();
    void knownHostsLineIsNoPattern_data();
    void knownHostsLineIsNoPattern();
    void knownHostsLinesOfAHost_data();
    void knownHostsLinesOfAHost();
    void formPortFollowsProtocol();

private:
    QTemporaryDir m_lokal;
    std::unique_ptr<Cert> m_cert;
    std::unique_ptr<Hjem> m_hjem;
};

void TestFtp::initTestCase()
{
    if (!QFile::exists(QStringLiteral("/usr/bin/python3")) || QProcess::execute(QStringLiteral("/usr/bin/python3"), {"-c", "import pyftpdlib, OpenSSL"}) != 0)
        QFAIL("python3-pyftpdlib and python3-openssl are needed (tools/install-deps.sh)");
    m_cert = std::make_unique<Cert>();
    QVERIFY2(m_cert->ok, "openssl could not make a certificate");
    ftp::setLager(nullptr);
    m_hjem = std::make_unique<Hjem>();
}

void TestFtp::uploads_data()
{
    QTest::addColumn<bool>("tls");
    QTest::newRow("ftp") << false;
    QTest::newRow("ftps") << true;
}

void TestFtp::uploads()
{
    QFETCH(bool, tls);
    FtpServer server(tls ? m_cert->cert : QString(), tls ? m_cert->key : QString());
    QVERIFY(server.port() > 0);
    QDir(server.root()).mkpath(QStringLiteral("www/sider"));

    const QString side = m_lokal.path() + QStringLiteral("/forside.html");
    const QByteArray indhold = "<!DOCTYPE html>\r\n<p>Blåbær</p>\r\n";
    skriv(side, indhold);

    ftp::Opgave god;
    god.f = {QStringLiteral("127.0.0.1"), QString::number(server.port()), kBruger, kPassword,
             QStringLiteral("/www/sider"), false, tls ? ftp::Protokol::Ftps : ftp::Protokol::Ftp, {}};
    god.fil = side;
    god.caFil = m_cert->cert;
    QStringList status;
    auto log = [&](const QString &t) { status << t; };

    auto godtSendt = [&](const ftp::Resultat &res) {
        QVERIFY2(res.ok, qPrintable(res.fejl));
        // As text the server may keep its own line ends.
        const QByteArray sendt = laes(server.root() + "www/sider/forside.html");
        QVERIFY2(sendt == indhold || sendt == QByteArray(indhold).replace("\r\n", "\n"), sendt.constData());
        QVERIFY(!status.filter(QStringLiteral("226")).isEmpty());
    };

    // Good upload.
    ftp::Resultat r = ftp::upload(god, log);
    godtSendt(r);
    for (const QString &s : std::as_const(status))
        QVERIFY2(!s.contains(kPassword), qPrintable(s));
    QVERIFY(status.contains(QStringLiteral("PASS ****")));
    if (tls) {
        QVERIFY(status.contains(QStringLiteral("AUTH TLS")));
        QVERIFY(status.contains(QStringLiteral("SSL certificate verify ok.")));
        QVERIFY(status.contains(QStringLiteral("PROT P")));
        // The data went over a protected passive connection: the server refuses any other.
        QVERIFY(status.contains(QStringLiteral("EPSV")) || status.contains(QStringLiteral("PASV")));
    }

    // Every failure says why in one Danish sentence, with the server's own reply; the next
    // upload still works.
    struct Fejl {
        const char *navn;
        std::function<void(ftp::Opgave &)> aendr;
        const char *svar;
        const char *grund;
    };
    const Fejl fejl[] = {
        {"wrong password", [](ftp::Opgave &o) { o.f.password = QStringLiteral("forkert"); }, "530",
         "Brugernavnet eller passwordet blev afvist af serveren."},
        {"refused folder", [](ftp::Opgave &o) { o.f.mappe = QStringLiteral("/laast"); }, "550", "Serveren afviste overførslen."},
        {"missing folder", [](ftp::Opgave &o) { o.f.mappe = QStringLiteral("/findes/ikke"); }, "550",
         "Serveren afviste overførslen."},
    };
    for (const Fejl &f : fejl) {
        ftp::Opgave o = god;
        f.aendr(o);
        status.clear();
        r = ftp::upload(o, log);
        QVERIFY2(!r.ok, f.navn);
        QVERIFY2(r.fejl.startsWith(QStringLiteral("Filen forside.html blev ikke sendt til 127.0.0.1.")), qPrintable(r.fejl));
        QVERIFY2(r.fejl.contains(QStringLiteral("(Serveren svarede: ") + QString::fromLatin1(f.svar)), qPrintable(r.fejl));
        QVERIFY2(r.fejl.contains(QString::fromUtf8(f.grund)), qPrintable(r.fejl));
        QVERIFY2(!r.fejl.contains(QStringLiteral("inet_ntop")), qPrintable(r.fejl));
        QVERIFY(!r.fejl.contains(kPassword));
        QFile::remove(server.root() + "www/sider/forside.html");
        status.clear();
        r = ftp::upload(god, log);
        godtSendt(r);
    }
    QVERIFY(!QFile::exists(server.root() + "laast/forside.html"));
}

void TestFtp::serverDownThenUp()
{
    int port = 0;
    {
        FtpServer gone;
        port = gone.port();
        QVERIFY(port > 0);
    }
    const QString fil = m_lokal.path() + QStringLiteral("/a.txt");
    skriv(fil, "a\n");
    ftp::Opgave o;
    o.f = {QStringLiteral("127.0.0.1"), QString::number(port), kBruger, kPassword, QStringLiteral("/"), false, ftp::Protokol::Ftp, {}};
    o.fil = fil;
    const ftp::Resultat r = ftp::upload(o, {});
    QVERIFY(!r.ok);
    QVERIFY2(r.fejl.contains(QStringLiteral("blev ikke sendt")) && r.fejl.contains(QStringLiteral("Serveren svarer ikke.")),
             qPrintable(r.fejl));

    FtpServer server;
    o.f.port = QString::number(server.port());
    QVERIFY2(ftp::upload(o, {}).ok, "the next upload works");
    QCOMPARE(laes(server.root() + "a.txt"), QByteArray("a\n"));
}

void TestFtp::largeFileOffTheWindowThread()
{
    FtpServer server;
    QVERIFY(server.port() > 0);
    const QString stor = m_lokal.path() + QStringLiteral("/stor.bin");
    QByteArray data(50 * 1024 * 1024, Qt::Uninitialized);
    auto *w = reinterpret_cast<quint32 *>(data.data());
    QRandomGenerator rng(15);
    rng.fillRange(w, data.size() / 4);
    // CR LF pairs that text mode would have changed.
    for (int i = 0; i < data.size() - 1; i += 4096) {
        data[i] = '\r';
        data[i + 1] = '\n';
    }
    skriv(stor, data);
    const QString lille = m_lokal.path() + QStringLiteral("/lille.txt");
    skriv(lille, "lille\n");

    TftpUpload upload;
    QSignalSpy faerdig(&upload, &TftpUpload::faerdig);
    ftp::Opgave o;
    o.f = {QStringLiteral("127.0.0.1"), QString::number(server.port()), kBruger, kPassword, QStringLiteral("/"), false, ftp::Protokol::Ftp, {}};
    o.fil = stor;
    o.tekst = false;
    upload.upload(o);
    o.fil = lille;
    o.tekst = true;
    upload.upload(o);
    QCOMPARE(upload.ventende(), 2);

    // The window's thread keeps turning while the file goes.
    int ticks = 0;
    QTimer timer;
    connect(&timer, &QTimer::timeout, this, [&] { ++ticks; });
    timer.start(10);
    QTRY_COMPARE_WITH_TIMEOUT(faerdig.size(), 2, 120000);
    QVERIFY(ticks > 3);
    // The second waited for the first.
    QCOMPARE(faerdig[0][0].toString(), stor);
    QCOMPARE(faerdig[1][0].toString(), lille);
    QVERIFY2(faerdig[0][1].toBool(), qPrintable(faerdig[0][2].toString()));
    QVERIFY(faerdig[1][1].toBool());
    QCOMPARE(upload.ventende(), 0);
    QVERIFY(laes(server.root() + "stor.bin") == data);
    QFile::remove(stor);
}

void TestFtp::checks_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("besked");   // start of the message, empty: accepted
    QTest::newRow("good") << "ftp.example.dk" << "21" << "";
    QTest::newRow("highest port") << "10.0.0.1" << "65535" << "";
    QTest::newRow("port 0") << "h" << "0" << "Porten skal være et tal fra 1 til 65535";
    QTest::newRow("port too high") << "h" << "65536" << "Porten skal være et tal fra 1 til 65535";
    QTest::newRow("port huge") << "h" << "99999999999" << "Porten skal være et tal fra 1 til 65535";
    QTest::newRow("host with blank") << "ftp example.dk" << "21" << "Værtsnavnet må ikke indeholde mellemrum";
    QTest::newRow("host with tab") << "ftp\texample" << "21" << "Værtsnavnet må ikke indeholde mellemrum";
}

void TestFtp::checks()
{
    QFETCH(QString, host);
    QFETCH(QString, port);
    QFETCH(QString, besked);
    ftp::Forbindelse f;
    f.host = host;
    f.port = port;
    const QString k = ftp::kontrolFejl(f);
    if (besked.isEmpty())
        QVERIFY2(k.isEmpty(), qPrintable(k));
    else
        QVERIFY2(k.startsWith(besked), qPrintable(k));
}

void TestFtp::settingsFilesAreOwnerOnly()
{
    TestProgramFolder folder;
    const QString opt = folder.path("Egenskaber/ftpegenskaber.txt");
    ftp::Egenskaber e;
    e.top = 10;
    e.left = 20;
    e.f = {QStringLiteral("h"), QStringLiteral("2121"), QStringLiteral("u"), kPassword, QStringLiteral("/www"), true, ftp::Protokol::Ftps, {}};
    QVERIFY(ftp::gemEgenskaber(opt, e));
    QCOMPARE(mode(opt), 0600);
    QVERIFY(laes(opt).contains(kPassword.toUtf8()) || laes(opt).contains("hemmelig"));
    const auto back = ftp::hentEgenskaber(opt);
    QVERIFY(back);
    QCOMPARE(back->f, e.f);
    QCOMPARE(back->top, 10);

    // Without "Gem også password" the line is empty and the password gone after a restart.
    e.f.gemPassword = false;
    QVERIFY(ftp::gemEgenskaber(opt, e));
    QCOMPARE(mode(opt), 0600);
    const QList<QByteArray> lines = laes(opt).split('\n');
    QCOMPARE(lines[5], QByteArray("\r"));
    QVERIFY(ftp::hentEgenskaber(opt)->f.password.isEmpty());

    const QString con = folder.path("Egenskaber/ftpmappe/web.txt");
    e.f.gemPassword = true;
    QVERIFY(ftp::gemForbindelse(con, e.f));
    QCOMPARE(mode(con), 0600);
    QCOMPARE(*ftp::hentForbindelse(con), e.f);
    QCOMPARE(ftp::forbindelser(folder.path("Egenskaber/ftpmappe/")), QStringList({"web"}));
}

void TestFtp::secretStoreKeepsPasswordOutOfFiles()
{
    TestProgramFolder folder;
    Lager lager;
    ftp::PasswordLager *old = ftp::setLager(&lager);
    const QString con = folder.path("Egenskaber/ftpmappe/web.txt");
    ftp::Forbindelse f{QStringLiteral("h"), QStringLiteral("21"), QStringLiteral("u"), kPassword, QStringLiteral("/"), true, ftp::Protokol::Ftp, {}};
    QVERIFY(ftp::gemForbindelse(con, f));
    QVERIFY(!laes(con).contains("hemmelig"));
    QCOMPARE(ftp::hentForbindelse(con)->password, kPassword);
    // A store that refuses leaves the password in the owner-only file.
    lager.virker = false;
    lager.data.clear();
    QVERIFY(ftp::gemForbindelse(con, f));
    QVERIFY(laes(con).contains("hemmelig"));
    QCOMPARE(mode(con), 0600);
    ftp::setLager(old);
}

void TestFtp::olderSettingsFileIsPlainFtp()
{
    TestProgramFolder folder;
    folder.writeFile("Egenskaber/ftpegenskaber.txt", "5\r\n6\r\nh\r\n21\r\nu\r\npw\r\n/\r\n1\r\n");
    const auto e = ftp::hentEgenskaber(folder.path("Egenskaber/ftpegenskaber.txt"));
    QVERIFY(e);
    QCOMPARE(e->f.protokol, ftp::Protokol::Ftp);
    QCOMPARE(e->f.password, QStringLiteral("pw"));
    folder.writeFile("Egenskaber/ftpegenskaber.txt", "5\r\n6\r\nh\r\n");
    QVERIFY(!ftp::hentEgenskaber(folder.path("Egenskaber/ftpegenskaber.txt")));
}

void TestFtp::formRefusesBadInput()
{
    TestProgramFolder folder;
    QStringList boxes;
    platform::setInfoBoxHandler([&](const QString &t) { boxes << t; });
    TftpForm form;
    form.hostEdit->setText(QStringLiteral("ftp.example.dk"));
    form.portEdit->setText(QStringLiteral("70000"));
    form.open();
    form.anvendKnap->click();
    QVERIFY(form.isVisible());
    QCOMPARE(boxes.size(), 1);
    QVERIFY(boxes[0].startsWith(QStringLiteral("Porten skal")));

    // A connection name that would leave the connections folder is refused.
    form.portEdit->setText(QStringLiteral("21"));
    for (const QString &navn : {QStringLiteral("../ud"), QStringLiteral("a/b"), QStringLiteral(".skjult")}) {
        form.filnavnEdit->setText(navn);
        form.gemKnap->click();
        QVERIFY(boxes.last().startsWith(QStringLiteral("Navnet kan ikke bruges som filnavn")));
    }
    QVERIFY(!QFile::exists(folder.path("Egenskaber/ud.txt")));
    form.filnavnEdit->clear();
    form.gemKnap->click();
    QCOMPARE(boxes.last(), QStringLiteral("Der mangler et filnavn."));
    form.filnavnEdit->setText(QStringLiteral("web"));
    form.gemKnap->click();
    QCOMPARE(form.filListe->count(), 1);
    form.nyKnapClick();
    QCOMPARE(form.portEdit->text(), QStringLiteral("21"));
    QCOMPARE(form.changedirEdit->text(), QStringLiteral("/"));
    QVERIFY(form.hostEdit->text().isEmpty());
    form.listeKlik(QStringLiteral("web"));
    QCOMPARE(form.hostEdit->text(), QStringLiteral("ftp.example.dk"));
    form.listeKlik(QStringLiteral("findes-ikke"));
    QCOMPARE(boxes.last(), QStringLiteral("Filen blev ikke fundet."));
    form.anvendKnap->click();
    QVERIFY(!form.isVisible());
    platform::setInfoBoxHandler({});
}

void TestFtp::documentUploadLogsIntoItsWindow()
{
    TestProgramFolder folder(true);
    QStringList boxes;
    platform::setInfoBoxHandler([&](const QString &t) { boxes << t; });
    FtpServer server;
    QVERIFY(server.port() > 0);
    folder.writeFile("Dokumenter/side.html", "<p>hej</p>\r\n");
    Tmainform m;
    m.show();
    Twinform *w = m.openwin(folder.path("Dokumenter/side.html"), {});
    QVERIFY(w);
    m.ftpForm()->setForbindelse({QStringLiteral("127.0.0.1"), QString::number(server.port()), kBruger, kPassword,
                                 QStringLiteral("/"), false, ftp::Protokol::Ftp, {}});
    // With every setting filled the upload starts at once, without the settings window.
    w->uploadInfo->show();
    w->uploadInfo->setPlainText(QStringLiteral("gammel linje"));
    QSignalSpy faerdig(m.ftpUpload(), &TftpUpload::faerdig);
    QVERIFY(m.Aupload->isEnabled());
    m.Aupload->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(faerdig.size(), 1, 30000);
    QVERIFY2(faerdig[0][1].toBool(), qPrintable(faerdig[0][2].toString()));
    QCOMPARE(laes(server.root() + "side.html").replace("\r\n", "\n"), QByteArray("<p>hej</p>\n"));
    const QString log = w->uploadInfo->toPlainText();
    QVERIFY(!log.contains(QStringLiteral("gammel linje")));
    QVERIFY(log.contains(QStringLiteral("226")));
    QVERIFY(!log.contains(kPassword));

    // A failed upload says why in a box, and the next one goes through.
    m.ftpForm()->passwordEdit->setText(QStringLiteral("forkert"));
    m.Aupload->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(faerdig.size(), 2, 30000);
    QCOMPARE(boxes.size(), 1);
    QVERIFY(boxes[0].contains(QStringLiteral("530")));
    m.ftpForm()->passwordEdit->setText(kPassword);
    m.Aupload->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(faerdig.size(), 3, 30000);
    QVERIFY(faerdig[2][1].toBool());
    platform::setInfoBoxHandler({});
}


void TestFtp::lineBreakInAFieldSendsNoCommand_data()
{
    QTest::addColumn<QString>("felt");
    QTest::addColumn<QString>("besked");
    QTest::newRow("password") << "password" << "Passwordet må ikke indeholde styretegn";
    QTest::newRow("user") << "bruger" << "Brugernavnet må ikke indeholde styretegn";
    QTest::newRow("folder") << "mappe" << "Mappen må ikke indeholde styretegn";
    QTest::newRow("host") << "host" << "Værtsnavnet må ikke indeholde";
}

void TestFtp::lineBreakInAFieldSendsNoCommand()
{
    // A pasted "…\r\nDELE offer.txt" in any field must never reach the server as a command
    // of its own, nor add lines to a settings file.
    QFETCH(QString, felt);
    QFETCH(QString, besked);
    FtpServer server;
    QVERIFY(server.port() > 0);
    skriv(server.root() + "offer.txt", "bliv her");
    const QString side = m_lokal.path() + QStringLiteral("/side.html");
    skriv(side, "<p>x</p>");

    ftp::Opgave o;
    o.f = {QStringLiteral("127.0.0.1"), QString::number(server.port()), kBruger, kPassword, QStringLiteral("/"), true, ftp::Protokol::Ftp, {}};
    const QString angreb = QStringLiteral("\r\nDELE offer.txt\r\n");
    if (felt == QLatin1String("password"))
        o.f.password += angreb;
    else if (felt == QLatin1String("bruger"))
        o.f.bruger += angreb;
    else if (felt == QLatin1String("mappe"))
        o.f.mappe += angreb;
    else
        o.f.host += angreb;
    o.fil = side;
    QStringList status;
    const ftp::Resultat r = ftp::upload(o, [&](const QString &t) { status << t; });
    QVERIFY(!r.ok);
    QVERIFY2(r.fejl.contains(besked), qPrintable(r.fejl));
    QVERIFY(!r.fejl.contains(kPassword));
    QVERIFY2(status.isEmpty(), qPrintable(status.join(u'|')));   // not even connected
    QCOMPARE(laes(server.root() + "offer.txt"), QByteArray("bliv her"));

    QTemporaryDir d;
    const QString fil = d.filePath(QStringLiteral("forbindelse.txt"));
    QString fejl;
    ftp::setLager(nullptr);
    QVERIFY(!ftp::gemForbindelse(fil, o.f, &fejl));
    QVERIFY2(fejl.contains(QStringLiteral("styretegn")), qPrintable(fejl));
    QVERIFY(!QFile::exists(fil));
    ftp::Egenskaber e;
    e.f = o.f;
    QVERIFY(!ftp::gemEgenskaber(fil, e, &fejl));
    QVERIFY(!QFile::exists(fil));
}

void TestFtp::modifiedDocumentIsSavedBeforeItGoes_data()
{
    QTest::addColumn<int>("svar");
    QTest::addColumn<QByteArray>("sendt");   // on the server afterwards, empty: nothing sent
    QTest::addColumn<QByteArray>("disk");
    QTest::newRow("Ja: saved, then sent") << int(Tspmform::Ja) << QByteArray("<p>ny</p>\n") << QByteArray("<p>ny</p>\r\n");
    QTest::newRow("Nej: the file on disk") << int(Tspmform::Nej) << QByteArray("<p>gammel</p>\n")
                                           << QByteArray("<p>gammel</p>\r\n");
    QTest::newRow("Annuller: nothing") << int(Tspmform::Annuller) << QByteArray() << QByteArray("<p>gammel</p>\r\n");
}

void TestFtp::modifiedDocumentIsSavedBeforeItGoes()
{
    QFETCH(int, svar);
    QFETCH(QByteArray, sendt);
    QFETCH(QByteArray, disk);
    TestProgramFolder folder(true);
    FtpServer server;
    QVERIFY(server.port() > 0);
    folder.writeFile("Dokumenter/side.html", "<p>gammel</p>\r\n");
    QStringList spoergsmaal;
    Tspmform::setTestHandler([&](const QString &q) { spoergsmaal << q; return Tspmform::Svar(svar); });
    QStringList bokse;
    platform::setInfoBoxHandler([&](const QString &t) { bokse << t; });
    Tmainform m;
    Twinform *w = m.openwin(folder.path("Dokumenter/side.html"), {});
    QVERIFY(w);
    m.ftpForm()->setForbindelse({QStringLiteral("127.0.0.1"), QString::number(server.port()), kBruger, kPassword,
                                 QStringLiteral("/"), false, ftp::Protokol::Ftp, {}});
    w->Edit->replaceRange(0, w->Edit->length(), QStringLiteral("<p>ny</p>\n"));
    QSignalSpy faerdig(m.ftpUpload(), &TftpUpload::faerdig);
    m.Aupload->trigger();
    QCOMPARE(spoergsmaal.size(), 1);
    QVERIFY(spoergsmaal.first().contains(QStringLiteral("er ændret og ikke gemt")));
    if (sendt.isEmpty()) {
        QTest::qWait(300);
        QCOMPARE(faerdig.size(), 0);
        QVERIFY(!QFile::exists(server.root() + "side.html"));
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(faerdig.size(), 1, 30000);
        QVERIFY2(faerdig[0][1].toBool(), qPrintable(faerdig[0][2].toString()));
        QCOMPARE(laes(server.root() + "side.html").replace("\r\n", "\n"), sendt);
    }
    QCOMPARE(folder.readFile("Dokumenter/side.html"), disk);
    Tspmform::setTestHandler({});
    platform::setInfoBoxHandler({});
    w->setModified(false);
}

void TestFtp::ftpsTrustsTheServersOwnCertificate()
{
    // The server's own certificate: refused until the user trusts it after seeing its
    // fingerprint; then that key and no other, across restarts of the program and the server.
    TestProgramFolder folder(true);
    auto server = std::make_unique<FtpServer>(m_cert->cert, m_cert->key);
    const int port = server->port();
    QVERIFY(port > 0);
    auto fingeraftryk = [](const QString &cert) {
        return koer(QStringLiteral("openssl x509 -noout -fingerprint -sha256 -in '%1' | cut -d= -f2").arg(cert));
    };
    const QString pin = QStringLiteral("sha256//")
                      + koer(QStringLiteral("openssl x509 -noout -pubkey -in '%1' | openssl pkey -pubin -outform der"
                                            " | openssl dgst -sha256 -binary | base64").arg(m_cert->cert));
    QVERIFY(fingeraftryk(m_cert->cert).size() == 95 && pin.size() == 52);

    folder.writeFile("Dokumenter/side.html", "<p>hej</p>\r\n");
    QStringList spoergsmaal;
    Tspmform::setTestHandler([&](const QString &q) { spoergsmaal << q; return Tspmform::Ja; });
    QStringList bokse;
    platform::setInfoBoxHandler([&](const QString &t) { bokse << t; });
    Tmainform m;
    m.show();
    Twinform *w = m.openwin(folder.path("Dokumenter/side.html"), {});
    QVERIFY(w);
    w->uploadInfo->show();
    TftpForm *form = m.ftpForm();
    form->setForbindelse({QStringLiteral("127.0.0.1"), QString::number(port), kBruger, kPassword, QStringLiteral("/"),
                          true, ftp::Protokol::Ftps, {}});
    form->filnavnEdit->setText(QStringLiteral("web"));
    form->gemKnapClick();
    QSignalSpy faerdig(m.ftpUpload(), &TftpUpload::faerdig);

    m.Aupload->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(faerdig.size(), 1, 30000);
    QVERIFY2(faerdig[0][1].toBool(), qPrintable(faerdig[0][2].toString()));
    QVERIFY2(bokse.isEmpty(), qPrintable(bokse.join(u'|')));
    QCOMPARE(spoergsmaal.size(), 1);
    QVERIFY2(spoergsmaal[0].contains(fingeraftryk(m_cert->cert)), qPrintable(spoergsmaal[0]));
    QCOMPARE(laes(server->root() + "side.html").replace("\r\n", "\n"), QByteArray("<p>hej</p>\n"));
    // The password went only after the answer, to the trusted server.
    const QString log = w->uploadInfo->toPlainText();
    QVERIFY2(log.indexOf(QStringLiteral("PASS ****")) > log.indexOf(QStringLiteral("certificate")), qPrintable(log));
    QVERIFY(log.indexOf(QStringLiteral("certificate")) >= 0);
    // Kept with the settings in force and with the saved connection, and read back.
    QCOMPARE(ftp::hentEgenskaber(form->optfil)->f.certPin, pin);
    QCOMPARE(ftp::hentForbindelse(form->ftpDir + QStringLiteral("web.txt"))->certPin, pin);
    QCOMPARE(TftpForm().forbindelse().certPin, pin);

    QFile::remove(server->root() + "side.html");
    m.Aupload->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(faerdig.size(), 2, 30000);
    QVERIFY2(faerdig[1][1].toBool(), qPrintable(faerdig[1][2].toString()));
    QCOMPARE(spoergsmaal.size(), 1);

    // The server comes back on its port with another certificate of its own.
    server.reset();
    Cert andet;
    QVERIFY(andet.ok);
    server = std::make_unique<FtpServer>(andet.cert, andet.key, port);
    QCOMPARE(server->port(), port);
    m.Aupload->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(faerdig.size(), 3, 30000);
    QVERIFY(!faerdig[2][1].toBool());
    QCOMPARE(spoergsmaal.size(), 1);
    QCOMPARE(bokse.size(), 1);
    QVERIFY2(bokse[0].startsWith(QStringLiteral("Filen side.html blev ikke sendt til 127.0.0.1.\r"
                                                 "Serverens certifikat er skiftet ud")),
             qPrintable(bokse[0]));
    QVERIFY2(bokse[0].contains(fingeraftryk(andet.cert)), qPrintable(bokse[0]));
    QVERIFY(!w->uploadInfo->toPlainText().contains(QStringLiteral("PASS")));
    QVERIFY(!QFile::exists(server->root() + "side.html"));
    QCOMPARE(ftp::hentEgenskaber(form->optfil)->f.certPin, pin);
    Tspmform::setTestHandler({});
    platform::setInfoBoxHandler({});
}

void TestFtp::sftpAsksAboutAnUnknownHostAndRefusesAChangedOne()
{
    if (!QFile::exists(QStringLiteral("/usr/sbin/sshd")))
        QFAIL("openssh-server is needed (tools/install-deps.sh)");
    Hjem hjem;
    const QString noegle = hjem.lavNoegle();
    QVERIFY(!noegle.isEmpty());
    auto server = std::make_unique<SshServer>(noegle);
    const int port = server->port();
    QVERIFY2(port > 0, server->log().constData());

    TestProgramFolder folder(true);
    folder.writeFile("Dokumenter/side.html", "<p>hej</p>\r\n");
    QList<Tspmform::Svar> svar = {Tspmform::Nej, Tspmform::Ja};
    QStringList spoergsmaal;
    Tspmform::setTestHandler([&](const QString &q) {
        spoergsmaal << q;
        return svar.isEmpty() ? Tspmform::Nej : svar.takeFirst();
    });
    QStringList bokse;
    platform::setInfoBoxHandler([&](const QString &t) { bokse << t; });
    QTemporaryDir maal;
    const QString sendt = maal.filePath(QStringLiteral("side.html"));
    const QString knownHosts = hjem.path(QStringLiteral(".ssh/known_hosts"));
    // Another host's key of a type this server lacks, hashed as Debian's OpenSSH writes it.
    QVERIFY(QProcess::execute(QStringLiteral("ssh-keygen"), {"-q", "-t", "ecdsa", "-N", "", "-f", maal.filePath("anden")}) == 0);
    skriv(knownHosts, "andenvaert.example.dk " + laes(maal.filePath("anden.pub")));
    QFile::remove(maal.filePath("anden"));
    QFile::remove(maal.filePath("anden.pub"));
    QVERIFY(!koer(QStringLiteral("ssh-keygen -H -f '%1' && rm '%1.old' && echo ok").arg(knownHosts)).isEmpty());
    const QByteArray andenVaert = laes(knownHosts);
    QVERIFY(andenVaert.startsWith("|1|"));
    Tmainform m;
    m.show();
    Twinform *w = m.openwin(folder.path("Dokumenter/side.html"), {});
    QVERIFY(w);
    w->uploadInfo->show();
    m.ftpForm()->setForbindelse({QStringLiteral("127.0.0.1"), QString::number(port), brugernavn(), kPassword, maal.path(),
                                 false, ftp::Protokol::Sftp, {}});
    QSignalSpy faerdig(m.ftpUpload(), &TftpUpload::faerdig);

    // An unknown host, "Nej": nothing sent, nothing kept, nothing more said.
    m.Aupload->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(faerdig.size(), 1, 30000);
    QVERIFY(!faerdig[0][1].toBool());
    QCOMPARE(faerdig[0][2].toString(), QString());
    QCOMPARE(spoergsmaal.size(), 1);
    QVERIFY2(spoergsmaal[0].contains(server->fingerprint()) && server->fingerprint().startsWith(QStringLiteral("SHA256:")),
             qPrintable(spoergsmaal[0] + u'|' + server->fingerprint()));
    QVERIFY(bokse.isEmpty());
    QVERIFY(!QFile::exists(sendt));
    QCOMPARE(laes(knownHosts), andenVaert);

    // "Ja": the key is kept where OpenSSH finds it, and the file goes.
    m.Aupload->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(faerdig.size(), 2, 30000);
    QVERIFY2(faerdig[1][1].toBool(), qPrintable(faerdig[1][2].toString() + u'\n' + w->uploadInfo->toPlainText()));
    QCOMPARE(spoergsmaal.size(), 2);
    QCOMPARE(laes(sendt), QByteArray("<p>hej</p>\r\n"));
    QCOMPARE(QString::fromUtf8(laes(knownHosts)),
             QString::fromUtf8(andenVaert) + QStringLiteral("[127.0.0.1]:%1 %2\n").arg(port).arg(server->publicKey()));
    QVERIFY(!koer(QStringLiteral("ssh-keygen -F '[127.0.0.1]:%1' -f '%2'").arg(port).arg(knownHosts)).isEmpty());
    QVERIFY(!w->uploadInfo->toPlainText().contains(kPassword));

    // Known from now on, also once OpenSSH has hashed the names.
    QVERIFY(!koer(QStringLiteral("ssh-keygen -H -f '%1' && rm '%1.old' && echo ok").arg(knownHosts)).isEmpty());
    QFile::remove(sendt);
    m.Aupload->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(faerdig.size(), 3, 30000);
    QVERIFY2(faerdig[2][1].toBool(), qPrintable(faerdig[2][2].toString()));
    QCOMPARE(spoergsmaal.size(), 2);
    QVERIFY(QFile::exists(sendt));

    // The server comes back on its port with another host key: refused, never asked about.
    QFile::remove(sendt);
    const QByteArray kendt = laes(knownHosts);
    server.reset();
    server = std::make_unique<SshServer>(noegle, port);
    QVERIFY2(server->port() == port, server->log().constData());
    m.Aupload->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(faerdig.size(), 4, 30000);
    QVERIFY(!faerdig[3][1].toBool());
    QCOMPARE(spoergsmaal.size(), 2);
    QCOMPARE(bokse.size(), 1);
    QVERIFY2(bokse[0].contains(QStringLiteral("Serverens værtsnøgle er en anden end den, der er godkendt for 127.0.0.1:%1")
                                   .arg(port))
                 && bokse[0].contains(server->fingerprint()),
             qPrintable(bokse[0]));
    QCOMPARE(laes(knownHosts), kendt);
    QVERIFY(!QFile::exists(sendt));
    Tspmform::setTestHandler({});
    platform::setInfoBoxHandler({});
}

void TestFtp::oneQuestionPerServer()
{
    FtpServer server(m_cert->cert, m_cert->key);
    QVERIFY(server.port() > 0);
    const QString a = m_lokal.filePath(QStringLiteral("a.html")), b = m_lokal.filePath(QStringLiteral("b.html"));
    skriv(a, "a");
    skriv(b, "b");
    ftp::Opgave o;
    o.f = {QStringLiteral("127.0.0.1"), QString::number(server.port()), kBruger, kPassword, QStringLiteral("/"), false,
           ftp::Protokol::Ftps, {}};
    TftpUpload upload;
    QSignalSpy faerdig(&upload, &TftpUpload::faerdig);
    int spurgt = 0;
    bool gem = true;
    upload.stolPaa = [&](const ftp::Tillid &t, ftp::Opgave &opgave) {
        ++spurgt;
        if (gem)
            opgave.f.certPin = t.noegle;
        return true;
    };

    // Two uploads waiting for the same server: one question, and both go.
    o.fil = a;
    upload.upload(o);
    o.fil = b;
    upload.upload(o);
    QTRY_COMPARE_WITH_TIMEOUT(faerdig.size(), 2, 30000);
    QCOMPARE(spurgt, 1);
    for (const auto &f : faerdig)
        QVERIFY2(f[1].toBool(), qPrintable(f[2].toString()));
    QCOMPARE(laes(server.root() + "b.html"), QByteArray("b"));

    // A yes that keeps nothing ends the upload after one more try, never round and round.
    FtpServer ny(m_cert->cert, m_cert->key);
    TftpUpload upload2;
    QSignalSpy faerdig2(&upload2, &TftpUpload::faerdig);
    upload2.stolPaa = upload.stolPaa;
    gem = false;
    spurgt = 0;
    o.f.port = QString::number(ny.port());
    upload2.upload(o);
    QTRY_COMPARE_WITH_TIMEOUT(faerdig2.size(), 1, 30000);
    QTest::qWait(300);
    QCOMPARE(faerdig2.size(), 1);
    QCOMPARE(spurgt, 1);
    QVERIFY(!faerdig2[0][1].toBool());
    QVERIFY2(faerdig2[0][2].toString().contains(QStringLiteral("certifikat")), qPrintable(faerdig2[0][2].toString()));
    QCOMPARE(upload2.ventende(), 0);
    QVERIFY(!QFile::exists(ny.root() + "b.html"));
}

void TestFtp::sftpFailuresSayWhy()
{
    if (!QFile::exists(QStringLiteral("/usr/sbin/sshd")))
        QFAIL("openssh-server is needed (tools/install-deps.sh)");
    Hjem hjem;
    const QString noegle = hjem.lavNoegle();
    QVERIFY(!noegle.isEmpty());
    SshServer server(noegle);
    QVERIFY2(server.port() > 0, server.log().constData());
    const QString knownHosts = hjem.path(QStringLiteral(".ssh/known_hosts"));
    const QByteArray kendt = QStringLiteral("[127.0.0.1]:%1 %2\n").arg(server.port()).arg(server.publicKey()).toUtf8();
    QTemporaryDir maal;
    const QString side = m_lokal.filePath(QStringLiteral("side.html"));
    skriv(side, "<p>x</p>");

    ftp::Opgave god;
    god.f = {QStringLiteral("127.0.0.1"), QString::number(server.port()), brugernavn(), kPassword, maal.path(), false,
             ftp::Protokol::Sftp, {}};
    god.fil = side;
    struct Fejl {
        const char *navn;
        std::function<void(ftp::Opgave &)> aendr;
        QByteArray knownHosts;
        const char *grund;
    };
    const Fejl fejl[] = {
        {"host not known", [](ftp::Opgave &) {}, QByteArray(), "Serverens værtsnøgle kunne ikke godkendes"},
        {"wrong passphrase", [](ftp::Opgave &o) { o.f.password = QStringLiteral("forkert"); }, kendt,
         "Serveren godtog hverken SSH-nøglen eller passwordet for brugeren."},
        {"missing folder", [](ftp::Opgave &o) { o.f.mappe += QStringLiteral("/findes/ikke"); }, kendt,
         "Mappen findes ikke på serveren."},
    };
    for (const Fejl &f : fejl) {
        ftp::Opgave o = god;
        f.aendr(o);
        skriv(knownHosts, f.knownHosts);
        QStringList status;
        const ftp::Resultat r = ftp::upload(o, [&](const QString &t) { status << t; });
        QVERIFY2(!r.ok, f.navn);
        QVERIFY2(r.fejl.startsWith(QStringLiteral("Filen side.html blev ikke sendt til 127.0.0.1.\r") + QString::fromUtf8(f.grund)),
                 qPrintable(QString::fromLatin1(f.navn) + QStringLiteral(": ") + r.fejl + u'\n' + status.join(u'\n')));
        QVERIFY(!r.fejl.contains(kPassword));
        QVERIFY(!status.join(u'\n').contains(kPassword));
        // Only the unknown host may be offered for trust.
        QCOMPARE(r.ukendt.kanStoles(), f.knownHosts.isEmpty());
    }
    QVERIFY(QDir(maal.path()).entryList(QDir::Files).isEmpty());
    skriv(knownHosts, kendt);
    const ftp::Resultat r = ftp::upload(god, {});
    QVERIFY2(r.ok, qPrintable(r.fejl));
    QCOMPARE(laes(maal.filePath(QStringLiteral("side.html"))), QByteArray("<p>x</p>"));
}

void TestFtp::protocolAndTrustLines_data()
{
    QTest::addColumn<QByteArray>("ekstra");   // the lines after the older format's
    QTest::addColumn<int>("protokol");
    QTest::addColumn<QString>("pin");
    const QString pin = QStringLiteral("sha256//") + QString::fromLatin1(QByteArray(32, 'x').toBase64());
    QTest::newRow("older file: plain FTP") << QByteArray() << int(ftp::Protokol::Ftp) << QString();
    QTest::newRow("FTPS") << QByteArray("1\r\n") << int(ftp::Protokol::Ftps) << QString();
    QTest::newRow("SFTP") << QByteArray("2\r\n") << int(ftp::Protokol::Sftp) << QString();
    QTest::newRow("FTPS with its key") << QByteArray("1\r\n") + pin.toLatin1() + "\r\n" << int(ftp::Protokol::Ftps) << pin;
    QTest::newRow("a file name is no key") << QByteArray("1\r\n/etc/passwd\r\n") << int(ftp::Protokol::Ftps) << QString();
    QTest::newRow("a damaged key is none") << QByteArray("1\r\nsha256//kort=\r\n") << int(ftp::Protokol::Ftps) << QString();
}

void TestFtp::protocolAndTrustLines()
{
    QFETCH(QByteArray, ekstra);
    QFETCH(int, protokol);
    QFETCH(QString, pin);
    TestProgramFolder folder;
    folder.writeFile("Egenskaber/ftpegenskaber.txt", "5\r\n6\r\nh\r\n21\r\nu\r\n\r\n/\r\n0\r\n" + ekstra);
    folder.writeFile("Egenskaber/ftpmappe/web.txt", "h\r\n21\r\nu\r\n\r\n/\r\n0\r\n" + ekstra);
    const QString opt = folder.path("Egenskaber/ftpegenskaber.txt");
    const QString con = folder.path("Egenskaber/ftpmappe/web.txt");
    const auto e = ftp::hentEgenskaber(opt);
    const auto f = ftp::hentForbindelse(con);
    QVERIFY(e && f);
    for (const ftp::Forbindelse &l : {e->f, *f}) {
        QCOMPARE(int(l.protokol), protokol);
        QCOMPARE(l.certPin, pin);
    }
    // Written back in the present format and read back the same.
    QVERIFY(ftp::gemEgenskaber(opt, *e));
    QVERIFY(ftp::gemForbindelse(con, *f));
    QCOMPARE(laes(opt).count('\n'), 10);
    QCOMPARE(laes(con).count('\n'), 8);
    QCOMPARE(ftp::hentEgenskaber(opt)->f, e->f);
    QCOMPARE(*ftp::hentForbindelse(con), *f);
}

void TestFtp::sshFilesInTheHome()
{
    Hjem hjem;
    const QString known = hjem.path(QStringLiteral(".ssh/known_hosts"));
    QCOMPARE(ftp::knownHostsSti(), known);

    // SFTP needs no password when the user has a key of their own.
    ftp::Forbindelse f{QStringLiteral("h"), QStringLiteral("22"), QStringLiteral("u"), {}, QStringLiteral("/"), false,
                       ftp::Protokol::Sftp, {}};
    QVERIFY(ftp::mangler(f));
    QVERIFY(QDir().mkpath(hjem.path(QStringLiteral(".ssh"))));
    skriv(hjem.path(QStringLiteral(".ssh/id_rsa")), "nøgle");
    QVERIFY(!ftp::mangler(f));
    f.protokol = ftp::Protokol::Ftp;
    QVERIFY(ftp::mangler(f));
    QVERIFY(QDir(hjem.path(QStringLiteral(".ssh"))).removeRecursively());

    QByteArray blob("\0\0\0\x0bssh-ed25519\0\0\0\x20", 19);
    blob += QByteArray(32, '\x07');
    const QString linje = ftp::knownHostsLinje(QStringLiteral("server.example.dk"), 22, blob);
    QCOMPARE(linje, QStringLiteral("server.example.dk ssh-ed25519 ") + QString::fromLatin1(blob.toBase64()));
    QCOMPARE(ftp::knownHostsLinje(QStringLiteral("::1"), 2222, blob).section(u' ', 0, 0), QStringLiteral("[::1]:2222"));

    // No ~/.ssh yet: made for its owner alone.
    QVERIFY(!QFileInfo::exists(hjem.path(QStringLiteral(".ssh"))));
    QVERIFY(ftp::gemKendtVaert(linje).ok);
    QCOMPARE(mode(hjem.path(QStringLiteral(".ssh"))), 0700);
    QCOMPARE(laes(known), linje.toUtf8() + '\n');
    // The lines there stay, the last one gets its line break, the file keeps its mode.
    skriv(known, "gammel.example.dk ssh-rsa AAAA");
    QVERIFY(QFile::setPermissions(known, QFile::ReadOwner | QFile::WriteOwner));
    QVERIFY(ftp::gemKendtVaert(linje).ok);
    QCOMPARE(laes(known), "gammel.example.dk ssh-rsa AAAA\n" + linje.toUtf8() + '\n');
    QCOMPARE(mode(known), 0600);
}

void TestFtp::knownHostsLineIsNoPattern_data()
{
    QTest::addColumn<QString>("host");
    QTest::newRow("every host") << "*";
    QTest::newRow("a whole domain") << "*.example.dk";
    QTest::newRow("two hosts") << "a.example.dk,b.example.dk";
    QTest::newRow("a negation") << "!a.example.dk";
    QTest::newRow("a hashed name") << "|1|abc=|def=";
    QTest::newRow("empty") << "";
}

void TestFtp::knownHostsLineIsNoPattern()
{
    // Accepting one server's key must never vouch for another.
    QFETCH(QString, host);
    QByteArray blob("\0\0\0\x0bssh-ed25519\0\0\0\x20", 19);
    blob += QByteArray(32, '\x07');
    QCOMPARE(ftp::knownHostsLinje(host, 22, blob), QString());
}

void TestFtp::knownHostsLinesOfAHost_data()
{
    QTest::addColumn<QByteArray>("linje");
    QTest::addColumn<int>("port");
    QTest::addColumn<bool>("hashet");   // hashed by OpenSSH's own ssh-keygen -H first
    QTest::addColumn<QByteArray>("ud");  // the line handed on, empty: none
    const QByteArray k = " ssh-ed25519 AAAAC3NzaC1lZDI1NTE5AAAAIAaw8CUUcVPJWacuM7MzqfF9fa355/7/FjH6tb4qDEY+";
    const QByteArray plain = "server.example.dk" + k + "\n";
    QTest::newRow("its name") << "server.example.dk" + k << 22 << false << plain;
    QTest::newRow("another name") << "andet.example.dk" + k << 22 << false << QByteArray();
    QTest::newRow("its name, hashed") << "server.example.dk" + k << 22 << true << plain;
    QTest::newRow("another name, hashed") << "andet.example.dk" + k << 22 << true << QByteArray();
    QTest::newRow("its port") << "[server.example.dk]:2222" + k << 2222 << false << "[server.example.dk]:2222" + k + "\n";
    QTest::newRow("its port, hashed") << "[server.example.dk]:2222" + k << 2222 << true
                                      << "[server.example.dk]:2222" + k + "\n";
    QTest::newRow("another port") << "server.example.dk" + k << 2222 << false << QByteArray();
    QTest::newRow("in a list") << "a.example.dk,server.example.dk" + k << 22 << false << plain;
    QTest::newRow("a wildcard") << "*.example.dk" + k << 22 << false << plain;
    QTest::newRow("ruled out") << "!server.example.dk,*.example.dk" + k << 22 << false << QByteArray();
    QTest::newRow("upper case") << "SERVER.Example.dk" + k << 22 << false << plain;
    QTest::newRow("with a marker") << "@revoked server.example.dk" + k << 22 << false << QByteArray();
}

void TestFtp::knownHostsLinesOfAHost()
{
    QFETCH(QByteArray, linje);
    QFETCH(int, port);
    QFETCH(bool, hashet);
    QFETCH(QByteArray, ud);
    Hjem hjem;
    QVERIFY(QDir().mkpath(hjem.path(QStringLiteral(".ssh"))));
    const QString known = hjem.path(QStringLiteral(".ssh/known_hosts"));
    skriv(known, "# kommentar\n" + linje + "\n");
    if (hashet) {
        QVERIFY(!koer(QStringLiteral("ssh-keygen -H -f '%1' && echo ok").arg(known)).isEmpty());
        QVERIFY(laes(known).contains("|1|"));
    }
    QCOMPARE(ftp::vaertensLinjer(QStringLiteral("server.example.dk"), port), ud);
}

void TestFtp::formPortFollowsProtocol()
{
    TestProgramFolder folder;
    TftpForm form;
    auto klik = [&](const char *navn) {
        auto *b = form.findChild<QRadioButton *>(QString::fromLatin1(navn));
        QVERIFY(b);
        b->click();
    };
    QCOMPARE(form.portEdit->text(), QStringLiteral("21"));
    klik("protokolSftp");
    QCOMPARE(form.portEdit->text(), QStringLiteral("22"));
    QCOMPARE(form.forbindelse().protokol, ftp::Protokol::Sftp);
    klik("protokolFtps");
    QCOMPARE(form.portEdit->text(), QStringLiteral("21"));
    QCOMPARE(form.forbindelse().protokol, ftp::Protokol::Ftps);
    // A port of the user's own choosing stays.
    form.portEdit->setText(QStringLiteral("2222"));
    klik("protokolSftp");
    QCOMPARE(form.portEdit->text(), QStringLiteral("2222"));
    klik("protokolFtp");
    QCOMPARE(form.portEdit->text(), QStringLiteral("2222"));

    // A trusted certificate key shows with its connection, and goes with "Glem" or a new host.
    const QString pin = QStringLiteral("sha256//") + QString::fromLatin1(QByteArray(32, 'x').toBase64());
    ftp::Forbindelse f;
    f.host = QStringLiteral("ftp.example.dk");
    f.protokol = ftp::Protokol::Ftps;
    f.certPin = pin;
    form.setForbindelse(f);
    auto *glem = form.findChild<QPushButton *>(QStringLiteral("glemCertKnap"));
    auto *label = form.findChild<QLabel *>(QStringLiteral("certLabel"));
    QVERIFY(glem && label);
    QVERIFY(glem->isVisibleTo(&form));
    QCOMPARE(label->toolTip(), pin);
    QCOMPARE(form.forbindelse().certPin, pin);
    glem->click();
    QCOMPARE(form.forbindelse().certPin, QString());
    QVERIFY(!glem->isVisibleTo(&form));
    form.setForbindelse(f);
    QTest::keyClick(form.hostEdit, Qt::Key_X);
    QCOMPARE(form.forbindelse().certPin, QString());
}

QTEST_MAIN(TestFtp)
#include "tst_ftp.moc"
