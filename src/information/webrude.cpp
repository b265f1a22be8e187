#include "information/webrude.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QOpenGLContext>
#include <QStringList>

#include <unistd.h>

// Qt's context that every OpenGL context shares with; the browser engine draws through it.
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT QOpenGLContext *qt_gl_global_share_context();
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);
QT_END_NAMESPACE

namespace information {

namespace {
QLibrary *s_modul = nullptr;

// The engine shares its pictures with the windows through one OpenGL context. Qt makes it
// when the program starts if asked, but that loads the whole OpenGL stack (tens of MB, a
// slower start) for a program that may never show a page; it is made here instead, before
// the engine and before any window of the program draws with OpenGL.
void lavFaellesGlKontekst()
{
    if (qt_gl_global_share_context())
        return;
    auto *kontekst = new QOpenGLContext(QCoreApplication::instance());
    kontekst->setFormat(QSurfaceFormat::defaultFormat());
    kontekst->create();
    qt_gl_set_global_share_context(kontekst);
}
}

WebFunktion webFunktion(const char *navn, QString *fejl)
{
    if (!s_modul) {
        // The engine's sandbox refuses to run for the superuser and takes the whole program
        // down with it; there the pages are shown without it.
        if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
            qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        lavFaellesGlKontekst();
        const QString app = QCoreApplication::applicationDirPath();
        const QStringList mapper = {app, app + QStringLiteral("/../lib/tavlevirke"),
                                    QStringLiteral(TAVLEVIRKE_WEB_INSTALL_DIR), QStringLiteral(TAVLEVIRKE_WEB_BUILD_DIR)};
        QString grund;
        for (const QString &m : mapper) {
            auto *lib = new QLibrary(m + QStringLiteral("/tavlevirke_web"));
            if (lib->load() && lib->resolve(LavWebRudeNavn)) {
                s_modul = lib;
                break;
            }
            if (grund.isEmpty() || lib->errorString().contains(QLatin1String("tavlevirke_web")) == false)
                grund = lib->errorString();
            delete lib;
        }
        if (!s_modul) {
            if (fejl)
                *fejl = QStringLiteral("Browseren kunne ikke startes.\r(%1)").arg(grund);
            return nullptr;
        }
    }
    auto f = reinterpret_cast<WebFunktion>(s_modul->resolve(navn));
    if (!f && fejl)
        *fejl = QStringLiteral("Browseren kunne ikke startes.\r(%1)").arg(s_modul->errorString());
    return f;
}

TWebRude *lavWebRude(QWidget *parent, QString *fejl)
{
    auto lav = reinterpret_cast<LavWebRudeFunktion>(webFunktion(LavWebRudeNavn, fejl));
    return lav ? lav(parent) : nullptr;
}

bool webMotorIndlaest()
{
    return s_modul != nullptr;
}

} // namespace information
