#pragma once
// A recovery file: the unsaved text of one document with what is needed to reopen it as it
// was (its file name, type and encoding) and when it was taken.
//
// The file is a line naming the format, a line of JSON describing the text (including its
// length and SHA-256), and the text itself as UTF-8. A file cut short or altered fails the
// length or the checksum and is never taken for a document.

#include "core/textfile.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

namespace gendan {

struct GendanPost {
    QString filnavn;        // the document's file, empty for an unnamed document
    QString ext;            // its type (".html"), for an unnamed document's colouring and tool bar
    core::Encoding kodning = core::Encoding::Ansi;
    QDateTime tid;          // when the text was taken
    QByteArray tekst;       // UTF-8, LF line breaks

    QString sti;            // where the recovery file lies (filled in when read)
};

QByteArray lavGendanFil(const GendanPost &post);

// The post in a recovery file's contents; nullopt with the reason (Danish) when damaged.
std::optional<GendanPost> laesGendanFil(const QByteArray &indhold, QString *fejl = nullptr);

// The caption a list shows for a post: the file's name, or for an unnamed document
// "Ikke navngivet", its type and its first line that holds text (cut after 40 characters).
QString visningsnavn(const GendanPost &post);

} // namespace gendan
