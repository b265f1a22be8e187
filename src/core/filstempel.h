#pragma once
// FilStempel: what a document window knows of its file as it last read or wrote it, so a
// change made by another program is noticed before it is overwritten.
//
// The system's record (size, time of change, inode) says quickly that nothing happened; when
// it differs, the contents decide (a file only touched, or written back as it was, is not
// changed).

#include <QByteArray>
#include <QString>

namespace core {

struct FilStempel {
    bool findes = false;
    qint64 stoerrelse = -1;
    qint64 tidNs = 0;          // last change of the contents, in nanoseconds
    quint64 inode = 0, enhed = 0;
    size_t indhold = 0;        // hash of the contents

    // The stamp of bytes just read from or written to path.
    static FilStempel af(const QString &path, const QByteArray &bytes);
    // The stamp of the file as it is now (read whole); not found when it cannot be read.
    static FilStempel afFil(const QString &path);
    bool operator==(const FilStempel &) const = default;
};

enum class FilTilstand {
    Uaendret,
    Aendret,     // other contents than the stamp's
    Slettet,     // the stamp's file is gone
};

// How the file at path stands against the stamp. When only the system's record differs and
// the contents are the same, the stamp is brought up to date. nu, when given, gets the stamp
// of the changed file as it is now (left as it was when the file could not be read).
FilTilstand filTilstand(const QString &path, FilStempel &stempel, FilStempel *nu = nullptr);

} // namespace core
