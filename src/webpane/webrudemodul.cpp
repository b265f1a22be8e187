// The browser pane over Qt WebEngine, loaded as a module on first use (see information/webrude.h).

#include "information/netpolitik.h"
#include "information/webrude.h"
#include "webpane/sidesikring.h"

#include <QFileInfo>
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
        // Local pages come through our scheme (see visAdresse); a page never reads a file.
        if (info.requestUrl().isLocalFile()) {
            info.block(true);
            return;
        }
        if (!information::tilladAnmodning(info.requestUrl(), hoved, navigation(info.navigationType()),
                                          info.firstPartyUrl()))
            info.block(true);
    }
};

// The folders the pane's local pages come from, for the run.
std::shared_ptr<information::SideRoedder> roedder()
{
    static auto r = std::make_shared<information::SideRoedder>();
    return r;
}

// One profile for the run, kept in memory only: no cookies or cache on disk.
QWebEngineProfile *profil()
{
    static QWebEngineProfile *p = [] {
        auto *pr = new QWebEngineProfile;   // off the record
        pr->setUrlRequestInterceptor(new Vagt(pr));
        pr->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
        webpane::sikrProfil(pr, roedder());
        QWebEngineSettings *s = pr->settings();
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
            if (linkOver) linkOver(url.isEmpty() ? QUrl() : roedder()->somFil(QUrl(url)));
        });
        QObject::connect(side, &QWebEnginePage::urlChanged, m_view, [this](const QUrl &url) {
            tilladKopi(roedder()->somFil(url));
        });
    }
    QWidget *widget() override { return m_view; }
    void visAdresse(const QUrl &url) override
    {
        if (!m_view)
            return;
        tilladKopi(url);
        m_view->load(sideAdresse(url));
    }
    // The pane's own address is ours; the window knows the page by its file.
    QUrl adresse() const override { return m_view ? roedder()->somFil(m_view->url()) : QUrl(); }

    // A local page is read from the program's structures when it is one of them, otherwise
    // from its own folder.
    QUrl sideAdresse(const QUrl &url) const
    {
        if (!url.isLocalFile())
            return url;
        const QString fil = url.toLocalFile();
        const QString rod = information::egenSide(url, egenMappe) ? egenMappe : QFileInfo(fil).absolutePath();
        QUrl side = roedder()->adresse(rod, fil);
        side.setFragment(url.fragment());
        side.setQuery(url.query());
        return side;
    }

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
    QTimer::singleShot(0, this, [this, url] { load(m_rude->sideAdresse(url)); });
    return nullptr;
}

} // namespace

extern "C" Q_DECL_EXPORT information::TWebRude *tavlevirke_lavWebRude(QWidget *parent)
{
    webpane::forberedMotor();
    return new Rude(parent);
}
