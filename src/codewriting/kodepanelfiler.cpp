#include "codewriting/kodepanelfiler.h"

#include "codewriting/taglist.h"
#include "core/programfolder.h"
#include "core/textfile.h"

#include <QFileInfo>

namespace kodepanel {

namespace {

// A file named after a tag or attribute; empty for names that could leave the folder.
QString datafil(const QString &folder, const QString &name)
{
    if (!core::ProgramFolder::isSafeName(name))
        return {};
    return core::ProgramFolder::findFileNoCase(folder, name + QStringLiteral(".txt"));
}

Indhold laes(const QString &path, const QString &header)
{
    Indhold ind;
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return ind;
    ind.fundet = core::readLines(path, ind.items).ok;
    if (ind.fundet)
        ind.header = header;
    return ind;
}

} // namespace

const QList<Kategori> &kodekategorier()
{
    static const QList<Kategori> k = {
        {0, "_Koder.txt", "Alle koder", "Alle koder", "view-list-text"},
        {1, "_grundkoder.txt", "Grundkoder", "Grundkoder", "text-html"},
        {10, "_meta.txt", "Metakoder", "Metakoder", "documentinfo"},
        {11, "_programmering.txt", "Programmeringskoder", "Programmeringskoder", "code-function"},
        {7, "_indhold.txt", "Sideopbygningskoder", "Strukturkoder", "view-split-left-right"},
        {3, "_audioVideo.txt", "Audio og video koder", "Audio og video koder", "media-playback-start"},
        {4, "_billeder.txt", "Billedkoder", "Billedkoder", "image-x-generic"},
        {5, "_form.txt", "Formkoder", "Formkoder", "document-edit"},
        {6, "_formatering.txt", "Tekst: formateringskoder", "Formateringskoder", "format-text-bold"},
        {14, "_tekst.txt", "Tekst: indholdskoder", "Indholdskoder", "format-text-italic"},
        {8, "_links.txt", "Linkkoder", "Linkkoder", "insert-link"},
        {9, "_lists.txt", "Listekoder", "Listekoder", "format-list-unordered"},
        {13, "_tables.txt", "Tabelkoder", "Tabelkoder", "insert-table"},
        {12, "_frames.txt", "Rammekoder", "Rammekoder", "view-split-top-bottom"},
    };
    return k;
}

const Kategori *kodekategori(int nummer)
{
    for (const Kategori &k : kodekategorier())
        if (k.nummer == nummer)
            return &k;
    return nullptr;
}

const QList<AttributKategori> &attributkategorier()
{
    static const QList<AttributKategori> k = {
        {"globaleAttributterKnap", "Globale attributter", "_globaleAttributter.txt", "Globale Attributter"},
        {"globaleEventsKnap", "Globale events", "_globaleEvents.txt", "Globale events"},
        {"formEventsKnap", "Form events", "_formEvents.txt", "Form events"},
        {"mediaEventsKnap", "Media events", "_mediaEvents.txt", "Media events"},
    };
    return k;
}

Indhold kodeliste(const QString &htmllistedir, int kategori)
{
    const Kategori *k = kodekategori(kategori);
    if (!k)
        return {};
    return laes(core::ProgramFolder::findFileNoCase(htmllistedir, QString::fromLatin1(k->fil)),
                QString::fromUtf8(k->header));
}

Indhold attributKategori(const QString &attributedir, int kategori)
{
    if (kategori < 0 || kategori >= attributkategorier().size())
        return {};
    const AttributKategori &k = attributkategorier()[kategori];
    return laes(core::ProgramFolder::findFileNoCase(attributedir, QString::fromLatin1(k.fil)),
                QString::fromUtf8(k.header));
}

Indhold attributliste(const QString &attributedir, const QString &tag)
{
    return laes(datafil(attributedir, tag), QStringLiteral("<") + tag);
}

Indhold betweenliste(const QString &betweendir, const QString &tag)
{
    Indhold ind = laes(datafil(betweendir, tag), QString());
    ind.header = QStringLiteral("<") + tag + QStringLiteral(">");   // set in every case
    return ind;
}

Indhold valueliste(const QString &valuedir, const QString &tag, const QString &attribut,
                   const TagList &standalone)
{
    const QString header = standalone.contains(attribut)
                               ? QStringLiteral("<") + tag + u' ' + attribut
                               : QStringLiteral("<") + tag + u' ' + attribut + QStringLiteral("=\"");
    QString path = datafil(valuedir, attribut + u'_' + tag);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        path = datafil(valuedir, attribut);
    return laes(path, header);
}

QString tagnavn(const QString &item)
{
    const qsizetype end = item.indexOf(u'>');
    return end < 0 ? item.mid(1) : item.mid(1, end - 1);
}

bool erOverskrift(const QString &item)
{
    auto capital = [](QChar c) { return c >= u'A' && c <= u'Z'; };
    return item.size() >= 2 && capital(item[0]) && capital(item[1]);
}

bool matcher(const QString &item, const QString &buffer, Soegning soegning)
{
    if (soegning == Soegning::StarterMed)
        return item.startsWith(buffer);
    // The buffer's first occurrence must be at the item's second character.
    return item.indexOf(buffer) == 1;
}

} // namespace kodepanel
