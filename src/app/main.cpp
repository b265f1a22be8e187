#include "core/oversaettelse.h"
#include "core/programfolder.h"
#include "platform/enkeltinstans.h"
#include "platform/infobox.h"
#include "shell/mainform.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>

int main(int argc, char **argv)
{
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

    // One program per program folder: a second start hands its files to the first and ends.
    QStringList params = app.arguments();
    params.removeFirst();
    QStringList filer;
    for (const QString &p : std::as_const(params))
        filer << QFileInfo(p).absoluteFilePath();
    platform::TEnkeltInstans instans(core::ProgramFolder::programDir());
    QString fejl;
    switch (instans.start(filer, &fejl)) {
    case platform::TEnkeltInstans::Udfald::Afleveret:
        return 0;
    case platform::TEnkeltInstans::Udfald::SvarerIkke:
        platform::errorBox(nullptr, fejl);
        return 1;
    case platform::TEnkeltInstans::Udfald::Lytter:
        break;
    case platform::TEnkeltInstans::Udfald::Fejl:
        qWarning("Tavlevirke: ingen fælles socket (%s); et nyt program startes for hver start.", qPrintable(fejl));
        break;
    }

    // The program folder gets the installed data it does not hold yet.
    const QStringList failures = core::ProgramFolder::install(core::ProgramFolder::installedDataDir(),
                                                              core::ProgramFolder::programDir());
    if (!failures.isEmpty())
        platform::errorBox(nullptr, QStringLiteral("Programmappen kunne ikke gøres klar:\r") + failures.join(QChar(u'\r')));

    Tmainform mainform(params);
    QObject::connect(&instans, &platform::TEnkeltInstans::filerModtaget, &mainform, &Tmainform::aabnFraAndenStart);
    mainform.show();
    return app.exec();
}
