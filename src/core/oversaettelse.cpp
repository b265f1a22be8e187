#include "core/oversaettelse.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace core {

bool installerQtOversaettelse()
{
    static QPointer<QTranslator> translator;   // dies with the application
    if (translator)
        return true;
    if (!QCoreApplication::instance())
        return false;
    auto *t = new QTranslator(QCoreApplication::instance());
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // qtbase holds the widgets' texts; qt_da is the catalogue that names it on older installs.
    if (!t->load(QStringLiteral("qtbase_da"), folder) && !t->load(QStringLiteral("qt_da"), folder)) {
        delete t;
        return false;
    }
    QCoreApplication::installTranslator(t);
    translator = t;
    return true;
}

}
