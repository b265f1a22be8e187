#include "shell/dokumentnavne.h"

#include <QFileInfo>
#include <QSet>

namespace shell {

QString lavCapNavn(int docNo, const QString &filnavn)
{
    return QString::number(docNo) + QStringLiteral(". ") + QFileInfo(filnavn).fileName();
}

QString capNavnFor(int docNo, const QString &filnavn, const QString &docExt)
{
    if (!filnavn.isEmpty())
        return lavCapNavn(docNo, filnavn);
    if (!docExt.isEmpty()) {
        QString type = docExt.mid(1);
        if (!type.isEmpty())
            type[0] = type[0].toUpper();
        return type + QStringLiteral(" dokument: ") + QString::number(docNo);
    }
    return QStringLiteral("Dokument: ") + QString::number(docNo);
}

QString extensionOf(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot);
}

OpenRoute routeFor(const QString &path)
{
    static const QSet<QString> shell = {
        ".exe", ".mp3", ".mp4", ".m4v", ".avi", ".mov", ".wmv", ".mpg", ".ts", ".m4a",
        ".wpl", ".bmp", ".jpg", ".ico", ".gif", ".png", ".jpeg", ".tif", ".tiff", ".emf",
        ".wmf", ".rtf", ".mdb"};
    static const QSet<QString> ignored = {".dfs", ".opt", ".opx", ".dll", ".ocx", ".url"};
    const QString ext = extensionOf(path).toLower();
    if (shell.contains(ext))
        return OpenRoute::Shell;
    if (ignored.contains(ext))
        return OpenRoute::Ignore;
    return OpenRoute::Document;
}

QString fjernCitationstegn(const QString &s)
{
    QString t = s;
    t.remove(u'"');
    return t;
}

} // namespace shell
