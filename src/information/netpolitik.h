#pragma once
// What the browser pane may fetch from the network. The information pages are local files;
// the pane never reaches the network on their behalf (no remote fonts, scripts, pictures,
// frames or script-made navigations). Going to the web is the user's own step: a web search
// from the address field or a link clicked, and what the page then shown needs.
// Header-only: the browser module and the tests share it.

#include <QDir>
#include <QUrl>

namespace information {

enum class Navigation { Link, Skrevet, Formular, FremTilbage, Genindlaes, Omdirigering, Andet };

inline bool netAdresse(const QUrl &url)
{
    const QString s = url.scheme().toLower();
    return s == u"http" || s == u"https" || s == u"ftp" || s == u"ws" || s == u"wss";
}

// hovedramme: the request loads the pane's page itself (not a part of a page or a frame).
// foersteside: the page the request belongs to.
inline bool tilladAnmodning(const QUrl &url, bool hovedramme, Navigation nav, const QUrl &foersteside)
{
    if (!netAdresse(url))
        return true;
    if (hovedramme)
        return nav != Navigation::Andet;
    // Parts of a page the user went to on the web load; parts of a local page never do.
    return netAdresse(foersteside);
}

// Whether url is a page of the program's own, a local file inside folder (after resolving
// "." and ".."; a link elsewhere never counts).
inline bool egenSide(const QUrl &url, const QString &folder)
{
    if (!url.isLocalFile() || folder.isEmpty())
        return false;
    const QString rod = QDir::cleanPath(folder) + u'/';
    return QDir::cleanPath(url.toLocalFile()).startsWith(rod);
}

} // namespace information
