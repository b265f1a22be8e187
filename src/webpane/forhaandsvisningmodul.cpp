// The live preview over Qt WebEngine, in the browser module (see visning/forhaandsvisning.h).
// Its pages are local: requests to the network are blocked and counted unless the user
// allows them for the page.

#include "visning/forhaandsvisning.h"

#include <QPointer>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInfo>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

#include <atomic>

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
        if (s == u"file" || s == u"data" || s == u"blob" || s == u"about" || s == u"qrc")
            return;
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
        // A profile of its own, in memory only, with its own guard.
        m_profil = new QWebEngineProfile;
        m_vagt = new Visvagt(m_profil);
        m_profil->setUrlRequestInterceptor(m_vagt);
        m_profil->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
        QWebEngineSettings *s = m_profil->settings();
        // The guard decides on every request to the network (and counts what it stops);
        // the engine's own bar for local pages would stop them unseen.
        s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
        s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
        s->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
        s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
        m_side = new Side(m_profil, m_view);
        m_side->konsol = [this](const QString &m) {
            if (konsol)
                konsol(m);
        };
        m_view->setPage(m_side);
        // Children go in the order they came: the page before its profile.
        m_profil->setParent(m_view);
        QObject::connect(m_side, &QWebEnginePage::loadFinished, m_view, [this](bool ok) {
            if (vist)
                vist(ok);
        });
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
        m_side->setHtml(html, base);
    }
    void setTilladNet(bool on) override { m_vagt->tilladNet = on; }
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
    QPointer<QWebEngineView> m_view;   // owned by its parent widget
    QWebEngineProfile *m_profil = nullptr;
    Visvagt *m_vagt = nullptr;
    QPointer<Side> m_side;
};

} // namespace

extern "C" Q_DECL_EXPORT visning::TForhaandsvisning *tavlevirke_lavForhaandsvisning(QWidget *parent)
{
    return new Visning(parent);
}
