#include "platform/navneikoner.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>

QMimeType TNavneIkoner::typeAfNavn(const QFileInfo &info) const
{
    return m_mime.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
}

QIcon TNavneIkoner::icon(const QFileInfo &info) const
{
    if (info.isRoot())
        return icon(Drive);
    if (info.isDir())
        return icon(Folder);
    if (info.isFile()) {
        const QMimeType t = typeAfNavn(info);
        for (const QString &name : {t.iconName(), t.genericIconName()}) {
            const QIcon i = QIcon::fromTheme(name);
            if (!i.isNull())
                return i;
        }
    }
    return icon(File);
}

QString TNavneIkoner::type(const QFileInfo &info) const
{
    if (info.isRoot())
        return QStringLiteral("Drev");
    if (info.isDir())
        return QStringLiteral("Mappe");
    if (info.isFile()) {
        const QMimeType t = typeAfNavn(info);
        return t.comment().isEmpty() ? t.name() : t.comment();
    }
    return QStringLiteral("Ukendt");
}

void platform::brugNavneIkoner(QFileDialog *dialog)
{
    static TNavneIkoner ikoner;   // outlives every dialog, which keeps a pointer to it
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setIconProvider(&ikoner);
}
