#include "core/oversaettelse.h"
#include "core/programfolder.h"
#include "platform/infobox.h"
#include "shell/mainform.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

int main(int argc, char **argv)
{
    // The browser pane (loaded later, on first use) shares its OpenGL contexts with the windows.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavlevirke"));
    QApplication::setApplicationVersion(QStringLiteral(TAVLEVIRKE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("tavlevirke"));
    // The program speaks Danish whatever the desktop's language; Qt's standard dialogs too.
    QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark));
    core::installerQtOversaettelse();
    if (QIcon::themeName().isEmpty())
        QIcon::setThemeName(QStringLiteral("breeze"));
    QIcon::setFallbackThemeName(QStringLiteral("breeze"));

    // The program folder gets the installed data it does not hold yet.
    const QStringList failures = core::ProgramFolder::install(core::ProgramFolder::installedDataDir(),
                                                              core::ProgramFolder::programDir());
    if (!failures.isEmpty())
        platform::errorBox(nullptr, QStringLiteral("Programmappen kunne ikke gøres klar:\r") + failures.join(QChar(u'\r')));

    QStringList params = app.arguments();
    params.removeFirst();
    Tmainform mainform(params);
    mainform.show();
    return app.exec();
}
