// The browser pane over Qt WebEngine, loaded as a module on first use (see information/webrude.h).

#include "information/netpolitik.h"
#include "information/webrude.h"

#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInfo>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>
#include <QWebEnginePage>

namespace {

using information::Navigation;

Navigation navigation(QWebEngineUrlRequestInfo::NavigationType t)
{
    switch (t) {
    case QWebEngineUrlRequestInfo::NavigationTypeLink: return Navigation::Link;
    case QWebEngineUrlRequestInfo::NavigationTypeTyped: return Navigation::Skrevet;
    case QWebEngineUrlRequestInfo::NavigationTypeFormSubmitted: return Navigation::Formular;
    case QWebEngineUrlRequestInfo::NavigationTypeBackForward: return Navigation::FremTilbage;
    case QWebEngineUrlRequestInfo::NavigationTypeReload: return Navigation::Genindlaes;
    case QWebEngineUrlRequestInfo::NavigationTypeRedirect: return Navigation::Omdirigering;
    default: return Navigation::Andet;
    }
}

class Vagt : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        const bool hoved = info.resourceType() == QWebEngineUrlRequestInfo::ResourceTypeMainFrame;
        if (!information::tilladAnmodning(info.requestUrl(), hoved, navigation(info.navigationType()),
                                          info.firstPartyUrl()))
            info.block(true);
    }
};

// One profile for the run, kept in memory only: no cookies or cache on disk.
QWebEngineProfile *profil()
{
    static QWebEngineProfile *p = [] {
        auto *pr = new QWebEngineProfile;   // off the record
        pr->setUrlRequestInterceptor(new Vagt(pr));
        pr->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
        QWebEngineSettings *s = pr->settings();
        s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
        s->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
        s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
        return pr;
    }();
    return p;
}

class Rude;

class Side : public QWebEnginePage {
public:
    Side(Rude *rude, QObject *parent) : QWebEnginePage(profil(), parent), m_rude(rude) {}

protected:
    QWebEnginePage *createWindow(WebWindowType) override;

private:
    Rude *m_rude;
};

class Rude : public information::TWebRude {
public:
    explicit Rude(QWidget *parent)
    {
        m_view = new QWebEngineView(parent);
        m_view->setObjectName(QStringLiteral("WebView"));
        auto *side = new Side(this, m_view);
        m_view->setPage(side);
        QObject::connect(side, &QWebEnginePage::loadFinished, m_view, [this](bool ok) {
            if (sideFaerdig) sideFaerdig(ok);
        });
        QObject::connect(side, &QWebEnginePage::linkHovered, m_view, [this](const QString &url) {
            if (linkOver) linkOver(QUrl(url));
        });
        QObject::connect(side, &QWebEnginePage::urlChanged, m_view, [this](const QUrl &url) { tilladKopi(url); });
    }
    QWidget *widget() override { return m_view; }
    void visAdresse(const QUrl &url) override
    {
        if (!m_view)
            return;
        tilladKopi(url);
        m_view->load(url);
    }
    QUrl adresse() const override { return m_view ? m_view->url() : QUrl(); }

private:
    void tilladKopi(const QUrl &url)
    {
        if (m_view)
            m_view->page()->settings()->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard,
                                                     information::egenSide(url, egenMappe));
    }

    QPointer<QWebEngineView> m_view;   // owned by its parent widget
};

QWebEnginePage *Side::createWindow(WebWindowType)
{
    const QUrl url = m_rude->nytVindueAdresse ? m_rude->nytVindueAdresse() : QUrl();
    if (url.isEmpty())
        return nullptr;
    // The new window is this pane: it goes to the link once the request has returned.
    QTimer::singleShot(0, this, [this, url] { load(url); });
    return nullptr;
}

} // namespace

extern "C" Q_DECL_EXPORT information::TWebRude *tavlevirke_lavWebRude(QWidget *parent)
{
    return new Rude(parent);
}
