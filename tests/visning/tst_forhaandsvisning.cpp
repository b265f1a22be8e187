// The live preview: the map from the page to the text, and the pane over the real engine
// with a page that links a style sheet and asks for things on the network.

#include "editor/editor.h"
#include "platform/infobox.h"
#include "shell/mainform.h"
#include "shell/winform.h"
#include "testsupport/testenv.h"
#include "visning/forhaandsvisning.h"
#include "visning/kildekort.h"
#include "visning/visningsrude.h"

#include <QAction>
#include <QLabel>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QCheckBox>
#include <QComboBox>
#include <QNetworkDatagram>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUdpSocket>
#include <QtTest>

namespace {
// A real mouse click, as the user makes it, in the middle of the element selector finds.
template <typename Koer>
void klikPaa(TVisningsrude &rude, Koer &koer, const QString &selector)
{
    const QString js = QStringLiteral("(function(){var e=document.querySelector('%1');e.scrollIntoView({block:'center'});"
                                      "var r=e.getBoundingClientRect();return [r.left+r.width/2,r.top+r.height/2];})()")
                           .arg(selector);
    const QVariantList xy = koer(js).toList();
    QCOMPARE(xy.size(), 2);
    QWidget *maal = rude.motor()->widget()->focusProxy();
    QVERIFY(maal);
    QTest::mouseClick(maal, Qt::LeftButton, {}, QPoint(xy[0].toInt(), xy[1].toInt()));
}
// An HTML document, and the preview pane following it on the screen.
struct Visning {
    Visning(const QString &text, const QString &path)
    {
        edit.setSprog(QStringLiteral(".html"));
        edit.setText(text);
        rude.resize(700, 500);
        rude.folg(&edit, path);
        rude.show();
    }
    // Runs js in the preview's world (the page's document) and waits for its answer.
    QVariant koer(const QString &js)
    {
        QVariant svar;
        bool faaet = false;
        rude.motor()->koerScript(js, [&](const QVariant &v) {
            svar = v;
            faaet = true;
        });
        if (!QTest::qWaitFor([&] { return faaet; }, 20000))
            qWarning() << "no answer to" << js;
        return svar;
    }
    TEditor edit;
    TVisningsrude rude;
    QSignalSpy vist{&rude, &TVisningsrude::vist};
};

// A stand-in for a TURN server on a free port of 127.0.0.1, UDP and TCP: counts what reaches it.
class TurnStub : public QObject {
public:
    TurnStub()
    {
        for (int i = 0; i < 20 && !m_udp.bind(QHostAddress::LocalHost, m_port = quint16(40000 + QRandomGenerator::global()->bounded(20000))); ++i) {}
        m_tcp.listen(QHostAddress::LocalHost, m_port);
        connect(&m_udp, &QUdpSocket::readyRead, this, [this] {
            while (m_udp.hasPendingDatagrams()) {
                m_udp.receiveDatagram();
                ++pakker;
            }
        });
        connect(&m_tcp, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = m_tcp.nextPendingConnection()) {
                ++pakker;
                s->close();
                s->deleteLater();
            }
        });
    }
    bool klar() const { return m_udp.state() == QAbstractSocket::BoundState && m_tcp.isListening(); }
    quint16 port() const { return m_port; }
    int pakker = 0;

private:
    QUdpSocket m_udp;
    QTcpServer m_tcp;
    quint16 m_port = 0;
};

} // namespace

class TestForhaandsvisning : public QObject {
    Q_OBJECT
private slots:
    void markerKilde_data();
    void markerKilde();
    void konsolBeskeder();
    void ruden();
    void sidenStyrerIkkeEditoren();
    void sidenDerAldrigSvarer();
    void dokumentvinduerGaarFri();
    void sidenSerKunSinMappe();
    void webRtcNaarIngenSteder();
};

void TestForhaandsvisning::markerKilde_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("marked");
    const QString a = QStringLiteral(" data-tvpos=\"%1\"");
    QTest::newRow("tags") << "<p>a <b>b</b></p>" << "<p" + a.arg(0) + ">a <b" + a.arg(5) + ">b</b></p>";
    QTest::newRow("attributes and />") << "<img src=\"x\"/><br>" << "<img" + a.arg(0) + " src=\"x\"/><br" + a.arg(14) + ">";
    QTest::newRow("line breaks") << "<div\nclass=\"k\">" << "<div" + a.arg(0) + "\nclass=\"k\">";
    QTest::newRow("comment") << "<!-- <p> --><i>" << "<!-- <p> --><i" + a.arg(12) + ">";
    QTest::newRow("script") << "<script>if (a<b) x = '<p>';</script><p>"
                            << "<script" + a.arg(0) + ">if (a<b) x = '<p>';</script><p" + a.arg(36) + ">";
    QTest::newRow("style and title") << "<style>a<b{}</style><title><i></title>"
                                     << "<style" + a.arg(0) + ">a<b{}</style><title" + a.arg(20) + "><i></title>";
    QTest::newRow("unclosed script") << "<script>a<b" << "<script" + a.arg(0) + ">a<b";
    QTest::newRow("not tags") << "a < b <3 <!DOCTYPE html></p>" << "a < b <3 <!DOCTYPE html></p>";
}

void TestForhaandsvisning::markerKilde()
{
    QFETCH(QString, html);
    QFETCH(QString, marked);
    QCOMPARE(visning::markerKilde(html), marked);
}

void TestForhaandsvisning::konsolBeskeder()
{
    const QString k = QStringLiteral("tavlevirke:") + visning::beskedNoegle() + u':';
    QCOMPARE(visning::klikOffset(k + QStringLiteral("klik:123")), 123);
    QCOMPARE(visning::klikOffset(k + QStringLiteral("klik:x")), -1);
    QCOMPARE(visning::klikOffset(QStringLiteral("hello")), -1);
    QCOMPARE(visning::rulPosition(k + QStringLiteral("rul:40")), 40);
    QCOMPARE(visning::rulPosition(k + QStringLiteral("klik:40")), -1);
    // What a page could log without the key counts for nothing.
    QCOMPARE(visning::klikOffset(QStringLiteral("tavlevirke:klik:0")), -1);
    QCOMPARE(visning::rulPosition(QStringLiteral("tavlevirke:rul:0")), -1);
    QVERIFY(!visning::sideScript(0).isEmpty() && visning::sideScript(0).contains(visning::beskedNoegle()));
}

void TestForhaandsvisning::ruden()
{
    TestProgramFolder folder;
    folder.writeFile("side/stil.css", "h1 { color: rgb(255, 0, 0); }\n");
    QString text = QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<link rel=\"stylesheet\" href=\"stil.css\">\n"
                                  "<link rel=\"stylesheet\" href=\"https://example.invalid/net.css\">\n</head>\n<body>\n"
                                  "<h1 id=\"overskrift\">Overskrift</h1>\n<img src=\"http://example.invalid/billede.png\">\n");
    for (int i = 0; i < 200; ++i)
        text += QStringLiteral("<p>Afsnit %1</p>\n").arg(i);
    const qsizetype slut = text.size();
    text += QStringLiteral("<p id=\"slut\">Slut</p>\n</body>\n</html>\n");
    const QString path = folder.path("side/side.html");
    folder.writeFile("side/side.html", text.toUtf8());

    Visning vis(text, path);
    if (!vis.rude.motor())
        QFAIL(qPrintable(vis.rude.fejl()));
    QVERIFY(vis.vist.wait(60000));
    QVERIFY(vis.vist.last().at(0).toBool());

    auto koer = [&](const QString &js) {
        QVariant svar;
        bool faaet = false;
        vis.rude.motor()->koerScript(js, [&](const QVariant &v) {
            svar = v;
            faaet = true;
        });
        if (!QTest::qWaitFor([&] { return faaet; }, 20000))
            qWarning() << "no answer to" << js;
        return svar;
    };
    // The linked style sheet from the document's folder styles the heading.
    QTRY_COMPARE_WITH_TIMEOUT(
        koer(QStringLiteral("getComputedStyle(document.getElementById('overskrift')).color")).toString(),
        QStringLiteral("rgb(255, 0, 0)"), 20000);
    // The style sheet and the picture on the network were blocked, nothing went out.
    QVERIFY(vis.rude.motor()->blokerede() >= 2);

    // A caret move scrolls the preview to the element.
    QCOMPARE(koer(QStringLiteral("window.scrollY")).toInt(), 0);
    QSignalSpy rullet(&vis.rude, &TVisningsrude::rullet);
    vis.edit.setCaretPos(slut + 3);
    QVERIFY(rullet.wait(20000));
    QTRY_VERIFY_WITH_TIMEOUT(koer(QStringLiteral("window.scrollY")).toInt() > 0, 20000);

    // A click of the user's on an element puts the caret at its tag.
    klikPaa(vis.rude, koer, QStringLiteral("p:nth-of-type(4)"));
    QTRY_COMPARE_WITH_TIMEOUT(vis.edit.caretPos(), text.indexOf(QStringLiteral("<p>Afsnit 3<")), 20000);

    // Typing: the preview follows once the keys rest, the place scrolled to kept.
    QTest::qWait(400);   // the preview follows the caret, the scroll position reaches the pane
    const int y = koer(QStringLiteral("window.scrollY")).toInt();
    vis.vist.clear();
    QElapsedTimer tid;
    tid.start();
    vis.edit.replaceRange(text.indexOf(QStringLiteral("Overskrift<")), text.indexOf(QStringLiteral("Overskrift<")) + 10,
                      QStringLiteral("Ny titel"));
    QVERIFY(vis.vist.wait(20000));
    qInfo("Preview refreshed %lld ms after the vis.edit (wait %d ms included)", qlonglong(tid.elapsed()),
          TVisningsrude::kForsinkelse);
    QTRY_COMPARE_WITH_TIMEOUT(koer(QStringLiteral("document.getElementById('overskrift').textContent")).toString(),
                              QStringLiteral("Ny titel"), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(qAbs(koer(QStringLiteral("window.scrollY")).toInt() - y) < 50, 20000);
}

void TestForhaandsvisning::sidenStyrerIkkeEditoren()
{
    // A hostile page logs what the preview's script would, looks for the script in its
    // document, clicks its own elements and replaces tvRul: the caret stays where the user
    // put it, and the preview's own scrolling still works.
    TestProgramFolder folder;
    QString text = QStringLiteral(
        "<!DOCTYPE html>\n<html><body>\n<p id=\"a\">A</p>\n<script>\n"
        "window.tvRul=function(){return 99999;};\n"
        "setInterval(function(){\n"
        " console.log('tavlevirke:klik:0');\n"
        " for(var i=0;i<document.scripts.length;i++){var m=/tavlevirke:[0-9a-f]+:/.exec(document.scripts[i].text);\n"
        "  if(m)console.log(m[0]+'klik:0');}\n"
        " document.getElementById('a').click();\n"
        " document.getElementById('a').dispatchEvent(new MouseEvent('click',{bubbles:true}));\n"
        "},50);\n</script>\n");
    for (int i = 0; i < 100; ++i)
        text += QStringLiteral("<p>Afsnit %1</p>\n").arg(i);
    text += QStringLiteral("</body></html>\n");
    folder.writeFile("side.html", text.toUtf8());

    Visning vis(text, folder.path("side.html"));
    if (!vis.rude.motor())
        QFAIL(qPrintable(vis.rude.fejl()));
    QVERIFY(vis.vist.wait(60000));
    QStringList beskeder;
    auto foer = vis.rude.motor()->konsol;
    vis.rude.motor()->konsol = [&](const QString &m) {
        beskeder << m;
        foer(m);
    };
    const qsizetype sted = text.indexOf(QStringLiteral("Afsnit 50"));
    QSignalSpy rullet(&vis.rude, &TVisningsrude::rullet);
    vis.edit.setCaretPos(sted);
    QVERIFY(rullet.wait(20000));
    QCOMPARE(rullet.last().at(0).toLongLong(), sted);   // our tvRul, not the page's
    QTRY_VERIFY_WITH_TIMEOUT(beskeder.count(QStringLiteral("tavlevirke:klik:0")) >= 10, 20000);
    QCOMPARE(vis.edit.caretPos(), sted);
    for (const QString &b : std::as_const(beskeder))
        QVERIFY2(!b.contains(visning::beskedNoegle()) || !b.contains(QStringLiteral("klik")), qPrintable(b));
    vis.rude.motor()->konsol = foer;
}

void TestForhaandsvisning::sidenDerAldrigSvarer()
{
    // A script that never ends is typed into a page: the preview says so and lets the page
    // go, and once the loop is gone from the text the next change shows the page again.
    TestProgramFolder folder;
    folder.writeFile("side.html", "<p>x</p>");
    Visning vis(QStringLiteral("<!DOCTYPE html>\n<p id=\"p\">før</p>\n"), folder.path("side.html"));
    if (!vis.rude.motor())
        QFAIL(qPrintable(vis.rude.fejl()));
    QVERIFY(vis.vist.wait(60000));
    auto *info = vis.rude.findChild<QLabel *>(QStringLiteral("visningInfo"));
    QVERIFY(info);

    vis.edit.replaceRange(vis.edit.length(), vis.edit.length(), QStringLiteral("<script>while(true){}</script>\n"));
    QTRY_COMPARE_WITH_TIMEOUT(info->text(), QStringLiteral("Siden svarer ikke – forhåndsvisningen genstartes ved næste ændring"),
                              visning::TForhaandsvisning::kSvarTidMs + 20000);

    vis.vist.clear();
    vis.edit.setText(QStringLiteral("<!DOCTYPE html>\n<p id=\"p\">efter</p>\n"));
    QVERIFY(vis.vist.wait(30000));
    QVERIFY(vis.vist.last().at(0).toBool());
    QVERIFY(info->text().isEmpty());
    QVariant svar;
    vis.rude.motor()->koerScript(QStringLiteral("document.getElementById('p').textContent"), [&](const QVariant &v) { svar = v; });
    QTRY_COMPARE_WITH_TIMEOUT(svar.toString(), QStringLiteral("efter"), 20000);
}

// A document window that is not maximised moves and narrows into what the preview leaves.
void TestForhaandsvisning::dokumentvinduerGaarFri()
{
    TestProgramFolder folder;
    platform::setInfoBoxHandler([](const QString &) {});
    {
        Tmainform m;
        m.resize(1000, 700);
        m.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        Twinform *w = m.openwin({}, QStringLiteral(".html"));
        w->showNormal();
        const QRect flade = m.mdi->viewport()->rect();
        w->setGeometry(flade);
        m.Aforhaandsvisning->setChecked(true);
        QTRY_VERIFY(m.mdi->viewport()->width() < flade.width());
        QTRY_VERIFY(w->geometry().right() <= m.mdi->viewport()->rect().right());
        QVERIFY(w->geometry().left() >= 0);
        // The pane opens with a useful share of the window, not its least width.
        auto *rude = m.findChild<TVisningsrude *>(QStringLiteral("Forhaandsvisning"));
        QVERIFY(rude);
        QTRY_VERIFY2(rude->width() >= m.width() / 3, qPrintable(QString::number(rude->width())));
        // Once the last document is closed the pane no longer shows its page.
        w->Edit->setText(QStringLiteral("<!DOCTYPE html>\n<p>SIDEN</p>\n"));
        w->setModified(false);
        rude->opdaterNu();
        QTRY_VERIFY_WITH_TIMEOUT(rude->motor(), 20000);
        QVERIFY(m.lukDokument(w));
        auto *info = rude->findChild<QLabel *>(QStringLiteral("visningInfo"));
        QTRY_COMPARE(info->text(), QStringLiteral("Forhåndsvisningen viser html dokumenter."));
        QVERIFY(!rude->editor());
        m.Aforhaandsvisning->setChecked(false);
    }
    platform::setInfoBoxHandler({});
}

void TestForhaandsvisning::sidenSerKunSinMappe()
{
    // A page read from a downloaded folder tries the machine's files by every road: a file
    // address, ".." past its folder, a symbolic link out of it, a frame. It reads its own
    // folder, and the site's folder once the user picks that as the root; nothing else, and
    // allowing the network does not change that.
    TestProgramFolder folder;
    folder.writeFile("hemmelig.txt", "HEMMELIG");
    folder.writeFile("site/stil.txt", "STIL");
    folder.writeFile("site/sub/egen.txt", "EGEN");
    QVERIFY(QFile::link(folder.path("hemmelig.txt"), folder.path("site/sub/link.txt")));
    const QString hemmelig = QUrl::fromLocalFile(folder.path("hemmelig.txt")).toString();
    const QString text = QStringLiteral(
        "<!DOCTYPE html>\n<img src=\"../billede.png\">\n<pre id=\"r\"></pre>\n<iframe id=\"f\" src=\"%1\"></iframe>\n<script>\n"
        "function laes(u){try{var x=new XMLHttpRequest();x.open('GET',u,false);x.send();"
        " return x.status==200||x.status==0&&x.responseText?x.responseText.trim():'-';}catch(e){return '-';}}\n"
        "var r=[laes('egen.txt'),laes('%1'),laes('../../hemmelig.txt'),laes('/../../hemmelig.txt'),"
        " laes('link.txt'),laes('../stil.txt')];\n"
        "addEventListener('load',function(){var d='-';try{d=document.getElementById('f').contentDocument.body.textContent||'-';}catch(e){}\n"
        " r.push(d);document.getElementById('r').textContent=r.join(' ');});\n</script>\n").arg(hemmelig);
    folder.writeFile("site/sub/side.html", text.toUtf8());

    Visning vis(text, folder.path("site/sub/side.html"));
    if (!vis.rude.motor())
        QFAIL(qPrintable(vis.rude.fejl()));
    QVERIFY(vis.vist.wait(60000));
    const QString svar = QStringLiteral("document.getElementById('r').textContent");
    QTRY_COMPARE_WITH_TIMEOUT(vis.koer(svar).toString(), QStringLiteral("EGEN - - - - - -"), 20000);
    auto *info = vis.rude.findChild<QLabel *>(QStringLiteral("visningInfo"));
    QCOMPARE(info->text(), QStringLiteral("Siden henter filer over sin mappe – vælg webstedets rod"));

    // The site's root, picked above the page's folder: its files are the page's too.
    auto *rodBox = vis.rude.findChild<QComboBox *>(QStringLiteral("rodBox"));
    QVERIFY(rodBox);
    const int site = rodBox->findData(QDir::cleanPath(folder.path("site")));
    QVERIFY2(site > 0, qPrintable(rodBox->itemText(0)));
    vis.vist.clear();
    rodBox->setCurrentIndex(site);
    emit rodBox->activated(site);
    QVERIFY(vis.vist.wait(20000));
    QTRY_COMPARE_WITH_TIMEOUT(vis.koer(svar).toString(), QStringLiteral("EGEN - - - - STIL -"), 20000);
    QVERIFY(info->text().isEmpty());

    vis.vist.clear();
    vis.rude.findChild<QCheckBox *>(QStringLiteral("tilladNetCheck"))->setChecked(true);
    QVERIFY(vis.vist.wait(20000));
    QTRY_COMPARE_WITH_TIMEOUT(vis.koer(svar).toString(), QStringLiteral("EGEN - - - - STIL -"), 20000);
}

void TestForhaandsvisning::webRtcNaarIngenSteder()
{
    // WebRTC goes past the request guard; a page tries it towards a TURN stub from itself and
    // from every kind of frame it can make (an empty frame reached through the element, by
    // index and by name, one the parser made, srcdoc, data: and blob: frames). Each finds no
    // constructor and nothing reaches the stub, by UDP or TCP.
    TurnStub turn;
    QVERIFY(turn.klar());
    TestProgramFolder folder;
    const QString proev = QStringLiteral(
        "function proev(W,navn){var P=W&&(W.RTCPeerConnection||W.webkitRTCPeerConnection);"
        "if(!P){return navn+':nej';}"
        "['udp','tcp'].forEach(function(t){var pc=new P({iceServers:[{urls:'turn:127.0.0.1:%1?transport='+t,"
        "username:'stjaalet',credential:'x'}],iceTransportPolicy:'relay'});pc.createDataChannel('d');"
        "pc.createOffer().then(function(o){return pc.setLocalDescription(o);});});return navn+':JA';}")
                              .arg(turn.port());
    const QString text = QStringLiteral(
        "<!DOCTYPE html>\n<pre id=\"r\"></pre>\n<script>%1\nvar r=[proev(window,'side')];\n"
        "var a=document.createElement('iframe');document.body.appendChild(a);r.push(proev(a.contentWindow,'element'));\n"
        "var b=document.createElement('iframe');document.body.appendChild(b);r.push(proev(window[window.length-1],'indeks'));\n"
        "var c=document.createElement('iframe');c.name='navngivet';document.body.appendChild(c);r.push(proev(window.navngivet,'navn'));\n"
        "function ramme(src){var f=document.createElement('iframe');f.src=src;document.body.appendChild(f);}\n"
        "var kode='<script>'+proev.toString()+'parent.postMessage(proev(window,NAVN),\"*\")<\\/script>';\n"
        "var s=document.createElement('iframe');s.srcdoc=kode.replace('NAVN','\"srcdoc\"');document.body.appendChild(s);\n"
        "ramme('data:text/html,'+encodeURIComponent(kode.replace('NAVN','\"data\"')));\n"
        "ramme(URL.createObjectURL(new Blob([kode.replace('NAVN','\"blob\"')],{type:'text/html'})));\n"
        "addEventListener('message',function(e){r.push(e.data);vis();});\n"
        "function vis(){document.getElementById('r').textContent=r.slice().sort().join(' ');}\n"
        "</script>\n<iframe name=\"parser\"></iframe>\n<script>r.push(proev(window.parser,'parser'));vis();</script>\n")
                             .arg(proev);
    folder.writeFile("side.html", text.toUtf8());

    Visning vis(text, folder.path("side.html"));
    if (!vis.rude.motor())
        QFAIL(qPrintable(vis.rude.fejl()));
    QVERIFY(vis.vist.wait(60000));
    QTRY_COMPARE_WITH_TIMEOUT(vis.koer(QStringLiteral("document.getElementById('r').textContent")).toString(),
                              QStringLiteral("blob:nej data:nej element:nej indeks:nej navn:nej parser:nej side:nej srcdoc:nej"),
                              20000);
    QTest::qWait(3000);   // what a connection would have sent by now
    QCOMPARE(turn.pakker, 0);
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    TestForhaandsvisning t;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&t, argc, argv);
}
#include "tst_forhaandsvisning.moc"
