#include "information/webrude.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QStringList>

#include <unistd.h>

namespace information {

namespace {
LavWebRudeFunktion s_lav = nullptr;
}

TWebRude *lavWebRude(QWidget *parent, QString *fejl)
{
    if (!s_lav) {
        // The engine's sandbox refuses to run for the superuser and takes the whole program
        // down with it; there the pages are shown without it.
        if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
            qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        const QString app = QCoreApplication::applicationDirPath();
        const QStringList mapper = {app, app + QStringLiteral("/../lib/tavlevirke"),
                                    QStringLiteral(TAVLEVIRKE_WEB_INSTALL_DIR), QStringLiteral(TAVLEVIRKE_WEB_BUILD_DIR)};
        QString grund;
        for (const QString &m : mapper) {
            QLibrary lib(m + QStringLiteral("/tavlevirke_web"));
            if (!lib.load()) {
                if (grund.isEmpty() || lib.errorString().contains(QLatin1String("tavlevirke_web")) == false)
                    grund = lib.errorString();
                continue;
            }
            s_lav = reinterpret_cast<LavWebRudeFunktion>(lib.resolve(LavWebRudeNavn));
            if (s_lav)
                break;
            grund = lib.errorString();
        }
        if (!s_lav) {
            if (fejl)
                *fejl = QStringLiteral("Browseren kunne ikke startes.\r(%1)").arg(grund);
            return nullptr;
        }
    }
    return s_lav(parent);
}

bool webMotorIndlaest()
{
    return s_lav != nullptr;
}

} // namespace information
