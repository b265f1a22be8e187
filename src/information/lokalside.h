#pragma once
// Local pages in the browser panes (the preview and the information browser) are served
// through an address scheme of our own, never as file:// pages: a page sees the folder it was
// given (the document's folder, the site's root, the program's structures) and what lies
// below it, and no other file on the machine. Each folder gets a host name of its own
// ("r1", "r2", …), so pages from different folders are different origins and cannot read
// each other either.
// Header-only: the browser module and the tests share it.

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QUrl>

namespace information {

inline constexpr char kSideSkema[] = "tavlevirke-side";

class SideRoedder {
public:
    // The address of the local file or folder fil seen from the folder rod (which it must lie
    // in); empty when it lies outside. A folder's address ends in "/".
    QUrl adresse(const QString &rod, const QString &fil)
    {
        const QString r = QDir::cleanPath(QDir(rod).absolutePath());
        const QString f = QDir::cleanPath(QDir(r).absoluteFilePath(fil));
        if (f != r && !f.startsWith(r + u'/') && r != u"/")
            return {};
        qsizetype i = m_roedder.indexOf(r);
        if (i < 0) {
            m_roedder << r;
            i = m_roedder.size() - 1;
        }
        QString sti = u'/' + QDir(r).relativeFilePath(f);
        if (sti == u"/.")
            sti = QStringLiteral("/");
        if (fil.endsWith(u'/') && !sti.endsWith(u'/'))
            sti += u'/';
        QUrl url;
        url.setScheme(QLatin1String(kSideSkema));
        url.setHost(QStringLiteral("r%1").arg(i + 1));
        url.setPath(sti);
        return url;
    }

    // The folder behind an address of ours; empty for any other.
    QString rod(const QUrl &url) const
    {
        if (url.scheme() != QLatin1String(kSideSkema) || !url.host().startsWith(u'r'))
            return {};
        bool ok = false;
        const int i = url.host().mid(1).toInt(&ok) - 1;
        return ok && i >= 0 && i < m_roedder.size() ? m_roedder.at(i) : QString();
    }

    // The local file an address of ours stands for, as it is on the disk; empty when the
    // address is not ours or leads out of its folder (with "..", or by a symbolic link).
    QString fil(const QUrl &url) const
    {
        const QString r = rod(url);
        if (r.isEmpty())
            return {};
        const QString sti = QDir::cleanPath(r + u'/' + url.path());
        if (sti != r && !sti.startsWith(r + u'/') && r != u"/")
            return {};
        const QString rigtig = QFileInfo(sti).canonicalFilePath();
        const QString rigtigRod = QFileInfo(r).canonicalFilePath();
        if (rigtig.isEmpty() || rigtigRod.isEmpty())
            return {};
        if (rigtig != rigtigRod && !rigtig.startsWith(rigtigRod + u'/') && rigtigRod != u"/")
            return {};
        return rigtig;
    }

    // An address of ours as the file:// address the user knows; any other unchanged.
    QUrl somFil(const QUrl &url) const
    {
        const QString r = rod(url);
        if (r.isEmpty())
            return url;
        QString sti = QDir::cleanPath(r + u'/' + url.path());
        if (url.path().endsWith(u'/') && !sti.endsWith(u'/'))
            sti += u'/';
        QUrl f = QUrl::fromLocalFile(sti);
        f.setFragment(url.fragment());
        f.setQuery(url.query());
        return f;
    }

private:
    QStringList m_roedder;   // host "r<n>" is m_roedder[n - 1]
};

} // namespace information
