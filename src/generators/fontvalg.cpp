#include "generators/fontvalg.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QRegularExpression>
#include <QSet>

namespace generators {

QStringList fontFamilier()
{
    static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]$"));
    QStringList result;
    QSet<QString> seen;
    for (QString family : QFontDatabase::families()) {
        family.remove(foundry);
        if (!family.isEmpty() && !seen.contains(family.toCaseFolded())) {
            seen.insert(family.toCaseFolded());
            result << family;
        }
    }
    result.sort(Qt::CaseInsensitive);
    return result;
}

QString fontEllerStandard(const QString &wanted, const QStringList &families)
{
    auto find = [&families](const QString &name) -> QString {
        for (const QString &f : families)
            if (f.compare(name, Qt::CaseInsensitive) == 0)
                return f;
        return {};
    };
    if (QString f = find(wanted); !f.isEmpty())
        return f;
    QFont sans(QStringLiteral("Sans Serif"));
    sans.setStyleHint(QFont::SansSerif);
    for (const QString &candidate : {QFontInfo(sans).family(),
                                     QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()})
        if (QString f = find(candidate); !f.isEmpty())
            return f;
    return families.value(0);
}

}
