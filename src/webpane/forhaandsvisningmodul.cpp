// The live preview over Qt WebEngine, in the browser module (see visning/forhaandsvisning.h).
// Its pages are local: they read the files of their own folder tree through our scheme and
// nothing else on the machine, and requests to the network are blocked and counted unless
// the user allows them for the page.

#include "visning/forhaandsvisning.h"
#include "webpane/sidesikring.h"

#include <QPointer>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInfo>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

#include <atomic>
#include <memory>

namespace {

// Runs on the engine's own thread: atomics only.
class Visvagt : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    std::atomic<int> blokeret{0};
    std::atomic<bool> tilladNet{false};

    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        const QString s = info.requestUrl().scheme().toLower();
        if (s == QLatin1String(information::kSideSkema) || s == u"data" || s == u"blob" || s == u"about")
            return;
        // Other local files are out of the page's reach, whatever the net allows.
        if (s == u"file" || s == u"qrc") {
            info.block(true);
            return;
        }
        if (tilladNet.load())
            return;
        ++blokeret;
        info.block(true);
    }
};

class Side : public QWebEnginePage {
public:
    Side(QWebEngineProfile *profil, QObject *parent) : QWebEnginePage(profil, parent) {}
    std::function<void(const QString &)> konsol;

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString &message, int,
                                  const QString &) override
    {
        if (konsol)
            konsol(message);
    }
    // The preview shows the document; links and forms go nowhere.
    bool acceptNavigationRequest(const QUrl &, NavigationType type, bool isMainFrame) override
    {
        return !isMainFrame || type == NavigationTypeTyped || type == NavigationTypeOther
            || type == NavigationTypeReload;
    }
    QWebEnginePage *createWindow(WebWindowType) override { return nullptr; }
};

class Visning : public visning::TForhaandsvisning {
public:
    explicit Visning(QWidget *parent)
    {
        m_view = new QWebEngineView(parent);
        m_view->setObjectName(QStringLiteral("ForhaandsvisningView"));
        // Children go in the order they came: the pages (under m_sider) before their profile.
        m_sider = new QObject(m_view);
        // A profile of its own, in memory only, with its own guard.
        m_profil = new QWebEngineProfile;
        m_vagt = new Visvagt(m_profil);
        m_profil->setUrlRequestInterceptor(m_vagt);
        m_profil->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
        webpane::sikrProfil(m_profil, m_roedder);
        QWebEngineSettings *s = m_profil->settings();
        s->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
        s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
        m_profil->setParent(m_view);
        m_vagthund = new QTimer(m_view);
        m_vagthund->setSingleShot(true);
        QObject::connect(m_vagthund, &QTimer::timeout, m_view, [this] { proevSiden(); });
        lavSide();
    }
    QWidget *widget() override { return m_view; }
    void vis(const QString &html, const QUrl &base, const QString &script) override
    {
        if (!m_side)
            return;
        // Our script lives in a world of its own: the page shares its document but can
        // neither read the script nor call it.
        QWebEngineScriptCollection &scripts = m_side->scripts();
        for (const QWebEngineScript &gammel : scripts.find(QStringLiteral("tavlevirke")))
            scripts.remove(gammel);
        if (!script.isEmpty()) {
            QWebEngineScript s;
            s.setName(QStringLiteral("tavlevirke"));
            s.setSourceCode(script);
            s.setInjectionPoint(QWebEngineScript::DocumentCreation);
            s.setWorldId(QWebEngineScript::ApplicationWorld);
            s.setRunsOnSubFrames(false);
            scripts.insert(s);
        }
        // The page's folder (or the site's root above it) is where its files come from.
        QUrl side = base;
        if (base.isLocalFile()) {
            const QString mappe = base.toLocalFile();
            const bool iRod = !m_rod.isEmpty() && !m_roedder->adresse(m_rod, mappe).isEmpty();
            side = m_roedder->adresse(iRod ? m_rod : mappe, mappe);
        }
        m_side->setHtml(html, side);
        // The engine's first start may take a while on a busy machine.
        m_vagthund->start(m_harVist ? kSvarTidMs : 6 * kSvarTidMs);
    }
    void setTilladNet(bool on) override { m_vagt->tilladNet = on; }
    void setRod(const QString &mappe) override { m_rod = mappe; }
    int blokerede() const override { return m_vagt->blokeret.load(); }
    void koerScript(const QString &js, const std::function<void(const QVariant &)> &svar) override
    {
        if (!m_side)
            return;
        if (svar)
            m_side->runJavaScript(js, QWebEngineScript::ApplicationWorld, svar);
        else
            m_side->runJavaScript(js, QWebEngineScript::ApplicationWorld);
    }

private:
    void lavSide()
    {
        m_side = new Side(m_profil, m_sider);
        m_side->konsol = [this](const QString &m) {
            if (konsol)
                konsol(m);
        };
        m_view->setPage(m_side);
        Side *side = m_side;
        QObject::connect(m_side, &QWebEnginePage::loadFinished, m_view, [this, side](bool ok) {
            if (side != m_side)
                return;
            m_vagthund->stop();
            m_harVist = true;
            if (vist)
                vist(ok);
        });
    }

    // A version still loading after its time: a page that is only slow (a large page, a slow
    // file) still runs our script at once and is given more time; one whose script never
    // ends cannot answer.
    void proevSiden()
    {
        QPointer<Side> side = m_side;
        auto svaret = std::make_shared<bool>(false);
        m_side->runJavaScript(QStringLiteral("1"), QWebEngineScript::ApplicationWorld,
                              [svaret](const QVariant &) { *svaret = true; });
        QTimer::singleShot(2000, m_view, [this, side, svaret] {
            if (!side || side != m_side)
                return;
            if (*svaret)
                m_vagthund->start();
            else
                genstart();
        });
    }

    // A page whose script never ends holds its renderer for good: the page goes with it,
    // and a new one shows the next version.
    void genstart()
    {
        QPointer<Side> gammel = m_side;
        lavSide();
        if (gammel)
            gammel->deleteLater();
        if (svarerIkke)
            svarerIkke();
    }

    QPointer<QWebEngineView> m_view;   // owned by its parent widget
    QObject *m_sider = nullptr;
    QTimer *m_vagthund = nullptr;
    bool m_harVist = false;   // a version has loaded since the engine started
    QWebEngineProfile *m_profil = nullptr;
    Visvagt *m_vagt = nullptr;
    std::shared_ptr<information::SideRoedder> m_roedder = std::make_shared<information::SideRoedder>();
    QString m_rod;
    QPointer<Side> m_side;
};

} // namespace

extern "C" Q_DECL_EXPORT visning::TForhaandsvisning *tavlevirke_lavForhaandsvisning(QWidget *parent)
{
    webpane::forberedMotor();
    return new Visning(parent);
}
