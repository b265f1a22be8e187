#pragma once
// The fixture tag lists the code benchmarks load into their tag information.

#include "codewriting/taginfo.h"

#include <QString>

// Loads the lists found in folder (ending in "/") into taginf; returns why one could not be
// read, or an empty string.
inline QString laesTaglister(Tinfotag &taginf, const QString &folder)
{
    QString error;
    const auto need = [&](core::ReadResult r, const char *file) {
        if (!r.ok && error.isEmpty())
            error = QStringLiteral("the tag list %1%2 could not be read").arg(folder, QLatin1String(file));
    };
    need(taginf.LoadNosluttagliste(folder + "UdenSlutkode.txt"), "UdenSlutkode.txt");
    need(taginf.LoadTagliste(folder + "MedSlutkode.txt"), "MedSlutkode.txt");
    need(taginf.LoadAlletagliste(folder + "AlleKoder.txt"), "AlleKoder.txt");
    need(taginf.LoadUAttributliste(folder + "_undtagelser.txt"), "_undtagelser.txt");
    need(taginf.LoadExcludeliste(folder + "Ekskluderet.txt"), "Ekskluderet.txt");
    return error;
}
