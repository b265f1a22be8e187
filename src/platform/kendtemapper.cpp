#include "platform/kendtemapper.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>

namespace platform {

namespace {
// The XDG public share folder, from user-dirs.dirs, else ~/Public when it exists.
QString delteMappe()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QFile f(config + QStringLiteral("/user-dirs.dirs"));
    if (f.open(QIODevice::ReadOnly)) {
        static const QRegularExpression re(QStringLiteral("^XDG_PUBLICSHARE_DIR=\"(.*)\"\\s*$"),
                                           QRegularExpression::MultilineOption);
        const auto m = re.match(QString::fromUtf8(f.readAll()));
        if (m.hasMatch()) {
            QString p = m.captured(1);
            p.replace(QStringLiteral("$HOME"), QDir::homePath());
            if (QDir(p).exists())
                return p;
        }
    }
    const QString pub = QDir::homePath() + QStringLiteral("/Public");
    return QDir(pub).exists() ? pub : QString();
}

QString standard(QStandardPaths::StandardLocation loc)
{
    const QString p = QStandardPaths::writableLocation(loc);
    // Without the folder the system's lookup has nothing to give.
    return QDir(p).exists() ? p : QString();
}

QString delt(const char *sub)
{
    const QString base = delteMappe();
    if (base.isEmpty() || !sub)
        return base;
    const QString p = base + u'/' + QString::fromUtf8(sub);
    return QDir(p).exists() ? p : base;
}
}

QString kendtMappe(KendtMappe which)
{
    switch (which) {
    case KendtMappe::Dokumenter: return standard(QStandardPaths::DocumentsLocation);
    case KendtMappe::Skrivebord: return standard(QStandardPaths::DesktopLocation);
    case KendtMappe::Billeder: return standard(QStandardPaths::PicturesLocation);
    case KendtMappe::Musik: return standard(QStandardPaths::MusicLocation);
    case KendtMappe::Videoer: return standard(QStandardPaths::MoviesLocation);
    case KendtMappe::OneDrive: return QDir::homePath() + QStringLiteral("/OneDrive");
    case KendtMappe::DelteDokumenter: return delt(nullptr);
    case KendtMappe::DelteBilleder: return delt("Billeder");
    case KendtMappe::DelteMusik: return delt("Musik");
    case KendtMappe::DelteVideoer: return delt("Videoer");
    }
    return {};
}

}
