#pragma once
// The playlist page: a media player, a table of titles with play buttons and the script
// that switches the player to the chosen file.

#include <QString>
#include <QStringList>

namespace generators {

enum class Medietype { Audio, Video };

// The address of a file relative to the base folder (which ends with "/"); empty when the
// file does not exist or does not lie under the folder.
QString relativAdresse(const QString &fil, const QString &grundmappe);

// A file's name without folder and last extension.
QString titelAf(const QString &fil);

// The page's lines. Titles are escaped for HTML; addresses are made safe as URLs (a
// "#", "?", "%", quote, backslash or angle bracket in a file name is percent-encoded) and
// for attributes, so no file name can break out of the script string or the markup.
QStringList afspilningsside(Medietype type, const QString &listenavn, const QString &grundmappe,
                            const QStringList &adresser, const QStringList &titler);

} // namespace generators
