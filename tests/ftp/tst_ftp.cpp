// FTP upload against a real server (pyftpdlib on 127.0.0.1, plain and with TLS), and the
// settings and connection files.

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
#include <QListWidget>
#include <QProcess>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolBar>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

const QString kBruger = QStringLiteral("tavle");
const QString kPassword = QStringLiteral("hemmelig-æø-42");

// A pyftpdlib server on a free port of 127.0.0.1 for one test.
class FtpServer {
public:
    explicit FtpServer(const QString &cert = {}, const QString &key = {})
    {
        QStringList args = {QStringLiteral(TAVLEVIRKE_FIXTURES "/ftp/ftpserver.py"), m_root.path(), kBruger, kPassword};
        if (!cert.isEmpty())
            args << cert << key;
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

QByteArray laes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void skriv(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
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

private:
    QTemporaryDir m_lokal;
    std::unique_ptr<Cert> m_cert;
};

void TestFtp::initTestCase()
{
    if (!QFile::exists(QStringLiteral("/usr/bin/python3")) || QProcess::execute(QStringLiteral("/usr/bin/python3"), {"-c", "import pyftpdlib, OpenSSL"}) != 0)
        QFAIL("python3-pyftpdlib and python3-openssl are needed (tools/install-deps.sh)");
    m_cert = std::make_unique<Cert>();
    QVERIFY2(m_cert->ok, "openssl could not make a certificate");
    ftp::setLager(nullptr);
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
             QStringLiteral("/www/sider"), false, tls};
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
    o.f = {QStringLiteral("127.0.0.1"), QString::number(port), kBruger, kPassword, QStringLiteral("/"), false, false};
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
    o.f = {QStringLiteral("127.0.0.1"), QString::number(server.port()), kBruger, kPassword, QStringLiteral("/"), false, false};
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
    e.f = {QStringLiteral("h"), QStringLiteral("2121"), QStringLiteral("u"), kPassword, QStringLiteral("/www"), true, true};
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
    ftp::Forbindelse f{QStringLiteral("h"), QStringLiteral("21"), QStringLiteral("u"), kPassword, QStringLiteral("/"), true, false};
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
    QVERIFY(!e->f.sikker);
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
                                 QStringLiteral("/"), false, false});
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
    o.f = {QStringLiteral("127.0.0.1"), QString::number(server.port()), kBruger, kPassword, QStringLiteral("/"), true, false};
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
                                 QStringLiteral("/"), false, false});
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

QTEST_MAIN(TestFtp)
#include "tst_ftp.moc"
