#include "analysis/kontrol.h"

#include "analysis/structuremodel.h"
#include "codewriting/taglist.h"
#include "core/programfolder.h"
#include "core/textfile.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace kontrol {

namespace {

QString tagnavn(const QString &text)
{
    const qsizetype space = text.indexOf(u' ');
    return space < 0 ? text : text.left(space);
}

bool tom(const StructureModel &model) { return model.tree().count() < 2; }

// Attribute names of a file, lower case; nullopt when the file does not exist.
std::optional<QSet<QString>> laesNavne(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return std::nullopt;
    QStringList lines;
    if (!core::readLines(path, lines).ok)
        return std::nullopt;
    QSet<QString> set;
    for (const QString &l : std::as_const(lines))
        set.insert(l.toLower());
    return set;
}

} // namespace

int endtagsKontrol(StructureModel &model, const TagList &tagliste)
{
    if (tom(model))
        return -1;
    int antal = 0;
    model.relabel([&](int, const StructureNode &n) -> std::optional<QString> {
        const QString navn = tagnavn(n.text);
        if (n.data.TagEnd != 0)
            return navn;
        if (tagliste.contains(navn)) {
            ++antal;
            return navn + QStringLiteral(" Mangler slutkode");
        }
        return navn + QStringLiteral(" Ukendt kode");
    });
    return antal;
}

int forMangeEndtag(StructureModel &model)
{
    if (tom(model))
        return -1;
    int antal = 0;
    model.relabel([&](int, const StructureNode &n) -> std::optional<QString> {
        const QString navn = tagnavn(n.text);
        if (n.data.TagEnd == 3) {
            ++antal;
            return navn + QStringLiteral(" Slutkode?");
        }
        return navn;
    });
    return antal;
}

int kodeKontrol(StructureModel &model, const TagList &tagliste, const TagList &alleTagliste)
{
    if (tom(model))
        return -1;
    int antal = 0;
    model.relabel([&](int, const StructureNode &n) -> std::optional<QString> {
        const QString navn = tagnavn(n.text);
        if (navn.startsWith(u'/')) {
            const QString slut = navn.mid(1);
            if (tagliste.contains(slut))
                return navn;
            ++antal;
            return navn + QStringLiteral(" Ukendt slutkode");
        }
        if (alleTagliste.contains(navn))
            return navn;
        ++antal;
        return navn + QStringLiteral(" Ukendt kode");
    });
    return antal;
}

int attributeKontrol(StructureModel &model, const QString &attributeDir)
{
    if (tom(model))
        return -1;
    // The shared event lists once, each tag's own file once per check.
    QSet<QString> faelles;
    for (const char *fil : {"_formEvents.txt", "_mediaEvents.txt"})
        if (auto navne = laesNavne(core::ProgramFolder::findFileNoCase(attributeDir, QString::fromLatin1(fil))))
            faelles.unite(*navne);
    QHash<QString, std::optional<QSet<QString>>> filer;

    int antal = 0;
    model.relabel([&](int, const StructureNode &n) -> std::optional<QString> {
        const QString navn = tagnavn(n.text);
        if (n.data.AttrListe.isEmpty())
            return navn;
        const QString noegle = navn.toLower();
        auto it = filer.find(noegle);
        if (it == filer.end()) {
            QString path;
            if (core::ProgramFolder::isSafeName(navn))
                path = core::ProgramFolder::findFileNoCase(attributeDir, navn + QStringLiteral(".txt"));
            it = filer.insert(noegle, laesNavne(path));
        }
        if (!it.value()) {
            ++antal;
            return navn + QStringLiteral(" Ukendt");
        }
        const QSet<QString> &kendte = *it.value();
        QString fund;
        for (const QString &ord : n.data.AttrListe.split(u' ', Qt::SkipEmptyParts)) {
            const QString lav = ord.toLower();
            // Authors may add their own data-… attributes to any element.
            if (lav.size() > 5 && lav.startsWith(QStringLiteral("data-")))
                continue;
            if (kendte.contains(lav) || faelles.contains(lav))
                continue;
            ++antal;
            fund += QStringLiteral(" Ukendt: ") + ord;
        }
        return navn + fund;
    });
    return antal;
}

QString statusTekst(Mode mode, int antal)
{
    if (antal < 0)
        return QStringLiteral("Der er ikke indlæst struktur");
    const QString n = QString::number(antal);
    switch (mode) {
    case ManglendeSlutkoder:
        return antal == 0 ? QStringLiteral("Der mangler ikke slutkoder")
             : antal == 1 ? QStringLiteral("Der mangler 1 slutkode")
                          : QStringLiteral("Der mangler ") + n + QStringLiteral(" slutkoder");
    case ForMangeSlutkoder:
        return antal == 0 ? QStringLiteral("Der er ikke for mange slutkoder")
             : antal == 1 ? QStringLiteral("Der er 1 slutkode for meget")
                          : QStringLiteral("Der er ") + n + QStringLiteral(" slutkoder for meget");
    case UkendteKoder:
        return antal == 0 ? QStringLiteral("Ingen ukendte koder")
             : antal == 1 ? QStringLiteral("1 ukendt kode")
                          : n + QStringLiteral(" ukendte koder");
    case UkendteAttributter:
        return antal == 0 ? QStringLiteral("Ingen ukendte attributter")
             : antal == 1 ? QStringLiteral("1 ukendt attribut")
                          : n + QStringLiteral(" ukendte attributter");
    case Struktur:
        return antal == 0 ? QStringLiteral("Ingen koder med attributter")
             : antal == 1 ? QStringLiteral("1 kode med attributter")
                          : n + QStringLiteral(" koder med attributter");
    }
    return {};
}

} // namespace kontrol
