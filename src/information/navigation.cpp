#include "information/navigation.h"

namespace information {

int findTitel(const QStringList &titler, int valgt, const QString &s)
{
    const int n = int(titler.size());
    if (n == 0)
        return -1;
    const int start = (valgt < 0 || valgt >= n - 1) ? 0 : valgt + 1;
    for (int i = start; i < n; ++i)
        if (titler[i].compare(s, Qt::CaseInsensitive) == 0)
            return i;
    if (start > 0)
        for (int i = 0; i < n; ++i)
            if (titler[i].compare(s, Qt::CaseInsensitive) == 0)
                return i;
    return -1;
}

void TBesoegteSider::besoegt(const QString &navn)
{
    if (!liste.isEmpty() && urlIndex >= 0 && urlIndex < liste.size() - 1) {
        liste.insert(urlIndex + 1, navn);
        ++urlIndex;
    } else {
        liste.append(navn);
        urlIndex = int(liste.size()) - 1;
    }
    if (urlIndex > 0 && liste[urlIndex - 1].compare(liste[urlIndex], Qt::CaseInsensitive) == 0) {
        liste.removeAt(urlIndex);
        --urlIndex;
    }
}

int TBesoegteSider::rens()
{
    const QString aktuel = urlIndex >= 0 && urlIndex < liste.size() ? liste[urlIndex] : QString();
    QStringList ny;
    for (const QString &s : std::as_const(liste)) {
        bool findes = false;
        for (const QString &t : std::as_const(ny))
            if (t.compare(s, Qt::CaseInsensitive) == 0) {
                findes = true;
                break;
            }
        if (!findes)
            ny << s;
    }
    const int slettet = int(liste.size() - ny.size());
    liste = ny;
    urlIndex = -1;
    if (!aktuel.isNull())
        for (int i = 0; i < liste.size(); ++i)
            if (liste[i].compare(aktuel, Qt::CaseInsensitive) == 0) {
                urlIndex = i;
                break;
            }
    return slettet;
}

void TBesoegteSider::slet()
{
    liste.clear();
    urlIndex = -1;
}

QString rensBesked(int slettet)
{
    if (slettet == 0)
        return QStringLiteral("Der var ingen dobbeltgængere");
    if (slettet == 1)
        return QStringLiteral("Der blev slettet 1 dobbeltgænger");
    return QStringLiteral("Der blev slettet %1 dobbeltgængere").arg(slettet);
}

} // namespace information

#include <QDir>
#include <QFileInfo>

namespace information {

namespace {
// The file infomappe + rel when it stays inside the folder; empty otherwise.
QString indeni(const QString &infomappe, const QString &rel)
{
    if (rel.isEmpty() || infomappe.isEmpty() || rel.contains(QChar(u'\0')) || QDir::isAbsolutePath(rel))
        return {};
    const QString mappe = QDir::cleanPath(infomappe) + u'/';
    const QString fil = QDir::cleanPath(mappe + rel);
    return fil.startsWith(mappe) ? fil : QString();
}
}

QUrl adresseFor(const QString &infomappe, const QString &tekst)
{
    const QString t = tekst.trimmed();
    for (const QString &navn : {t, t + QStringLiteral(".html")}) {
        const QString fil = indeni(infomappe, navn);
        if (!fil.isEmpty() && QFileInfo(fil).isFile())
            return QUrl::fromLocalFile(fil);
    }
    return QUrl::fromEncoded("https://duckduckgo.com/?q=" + QUrl::toPercentEncoding(t), QUrl::StrictMode);
}

QString lokationsnavn(const QString &infomappe, const QUrl &url)
{
    if (!url.isLocalFile() || infomappe.isEmpty())
        return {};
    const QString fil = QDir::cleanPath(url.toLocalFile());
    const QString mappe = QDir::cleanPath(infomappe) + u'/';
    if (!fil.startsWith(mappe) || !QFileInfo(fil).isFile())
        return {};
    return fil.mid(mappe.size());
}

QStringList strukturNavne(const QString &strukturdir)
{
    QStringList ud;
    const QFileInfoList l = QDir(strukturdir).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot,
                                                           QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &fi : l)
        if (!fi.fileName().contains(u'.'))
            ud << fi.fileName();
    return ud;
}

} // namespace information
