// Local pages served through our own scheme, and WebRTC kept out of the pages.

#include "webpane/sidesikring.h"

#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

namespace webpane {

namespace {

// Runs in the page's own world before any of its scripts, in every frame: the WebRTC
// constructors go from the window, and from each frame's window the moment the page could
// reach it (a frame's first empty document gets no script of ours, so the page could take
// the constructor from there): when it is asked for through the element, inserted by a
// script (a synchronous event), or inserted by the parser (the observer runs before the
// parser's next script).
const char *const kUdenWebRtc = R"JS(
(() => {
  const done = new WeakSet();
  const frameTypes = ['HTMLIFrameElement', 'HTMLFrameElement', 'HTMLObjectElement'];
  function block(W) {
    try {
      if (!W || done.has(W)) return;
      done.add(W);
      for (const n of ['RTCPeerConnection', 'webkitRTCPeerConnection']) {
        try { Object.defineProperty(W, n, { value: undefined, writable: false, configurable: false }); } catch (e) {}
      }
      for (const t of frameTypes) {
        const proto = W[t] && W[t].prototype;
        if (!proto) continue;
        for (const p of ['contentWindow', 'contentDocument']) {
          const d = Object.getOwnPropertyDescriptor(proto, p);
          if (!d || !d.get) continue;
          const get = d.get;
          Object.defineProperty(proto, p, { configurable: false, enumerable: d.enumerable, get() {
            const v = get.call(this);
            if (v) block(p === 'contentWindow' ? v : v.defaultView);
            return v;
          } });
        }
      }
      const scan = (node) => {
        if (!node || !node.querySelectorAll) return;
        for (const el of [node, ...node.querySelectorAll('iframe,frame,object')])
          if (frameTypes.some(t => W[t] && el instanceof W[t])) el.contentWindow;
      };
      W.addEventListener('DOMNodeInserted', (e) => scan(e.target), true);
      W.addEventListener('load', (e) => scan(e.target), true);
      new W.MutationObserver((records) => {
        for (const r of records) for (const n of r.addedNodes) scan(n);
      }).observe(W.document, { childList: true, subtree: true });
      for (let i = 0; i < W.length; ++i) block(W[i]);
    } catch (e) {}
  }
  block(window);
})();
)JS";

// A folder's address shows its index page; no folder is listed.
QString indexSide(const information::SideRoedder &roedder, QUrl url)
{
    QString sti = url.path();
    if (!sti.endsWith(u'/'))
        sti += u'/';
    for (const char *navn : {"index.html", "index.htm", "default.htm", "default.html"}) {
        url.setPath(sti + QLatin1String(navn));
        const QString f = roedder.fil(url);
        if (!f.isEmpty() && QFileInfo(f).isFile())
            return f;
    }
    return {};
}

} // namespace

void SideHandler::requestStarted(QWebEngineUrlRequestJob *job)
{
    const QUrl url = job->requestUrl();
    // A page of one folder does not reach into another folder's pages.
    const QUrl fra = job->initiator();
    if (fra.isValid() && !fra.isEmpty() && (fra.scheme() != url.scheme() || fra.host() != url.host())) {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    if (job->requestMethod() != "GET") {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    QString fil = m_roedder->fil(url);
    if (!fil.isEmpty() && QFileInfo(fil).isDir())
        fil = indexSide(*m_roedder, url);
    auto *f = new QFile(fil, job);
    if (fil.isEmpty() || !QFileInfo(fil).isFile() || !f->open(QIODevice::ReadOnly)) {
        delete f;
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    static const QMimeDatabase mime;
    job->reply(mime.mimeTypeForFile(fil, QMimeDatabase::MatchExtension).name().toUtf8(), f);
}

void forberedMotor()
{
    static bool gjort = false;
    if (gjort)
        return;
    gjort = true;
    QWebEngineUrlScheme skema(information::kSideSkema);
    skema.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    skema.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::CorsEnabled);
    QWebEngineUrlScheme::registerScheme(skema);
    // WebRTC reaches the network past every request guard. Off UDP here; the constructors
    // go from the pages in sikrProfil, which covers the TCP it would still use.
    QByteArray flag = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!flag.contains("webrtc-ip-handling-policy"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
                (flag + " --force-webrtc-ip-handling-policy=disable_non_proxied_udp").trimmed());
}

void sikrProfil(QWebEngineProfile *profil, std::shared_ptr<information::SideRoedder> roedder)
{
    profil->installUrlSchemeHandler(information::kSideSkema, new SideHandler(std::move(roedder), profil));
    QWebEngineSettings *s = profil->settings();
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    s->setAttribute(QWebEngineSettings::WebRTCPublicInterfacesOnly, true);
    QWebEngineScript uden;
    uden.setName(QStringLiteral("tavlevirke-uden-webrtc"));
    uden.setSourceCode(QString::fromUtf8(kUdenWebRtc));
    uden.setInjectionPoint(QWebEngineScript::DocumentCreation);
    uden.setWorldId(QWebEngineScript::MainWorld);
    uden.setRunsOnSubFrames(true);
    profil->scripts()->insert(uden);
}

} // namespace webpane
