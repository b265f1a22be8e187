#include "shell/filtyper.h"

namespace shell {

QList<Filtype> filtyperFraListe(const QStringList &filliste)
{
    QList<Filtype> typer;
    for (qsizetype i = 0; i + 2 < filliste.size(); i += 3)
        typer.append({filliste[i], filliste[i + 1], filliste[i + 2].trimmed() == u"1"});
    return typer;
}

QStringList listeFraFiltyper(const QList<Filtype> &typer)
{
    QStringList lines;
    for (const Filtype &t : typer)
        lines << t.tekst << t.maske << (t.iBrug ? QStringLiteral("1") : QStringLiteral("0"));
    return lines;
}

QString normaliserMaske(const QString &type)
{
    if (type == u"*.*")
        return type;
    const qsizetype dot = type.lastIndexOf(u'.');
    return QStringLiteral("*.") + (dot < 0 ? type : type.mid(dot + 1));
}

QList<FilterEntry> filterEntries(const QList<Filtype> &typer)
{
    QList<FilterEntry> entries;
    for (const Filtype &t : typer)
        if (t.iBrug)
            entries.append({t.tekst + QStringLiteral(" (") + t.maske + QStringLiteral(")"), t.maske});
    return entries;
}

QString filterTekst(const QList<FilterEntry> &entries)
{
    QStringList parts;
    for (const FilterEntry &e : entries)
        parts << e.tekst << e.maske;
    return parts.join(u'|');
}

QList<Filtype> vaelgerRaekker(const QList<Filtype> &typer)
{
    QList<Filtype> rows;
    for (const Filtype &t : typer)
        if (t.iBrug && t.maske != u"*.*")
            rows.append({t.tekst, t.maske, false});
    return rows;
}

bool erTekstfil(const QList<Filtype> &typer, const QString &ext)
{
    if (ext.isEmpty())
        return false;
    const QString maske = QStringLiteral("*") + ext;
    for (const Filtype &t : typer)
        if (t.maske.compare(maske, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace shell
