#pragma once
// The one writer every file of the program goes through.
//
// A write either puts the whole new contents in place or leaves the old file whole, and says
// so truthfully: every write, the flush to the disk and the close are checked, so a full disk
// or a failing drive is an error, never an empty file reported as saved.
//
// The file stays the same file. A symbolic link stays a link and its target is written. An
// existing file's owner, group, mode and extended attributes (ACLs) are carried over to the
// new contents. Where that cannot be done by replacing the file (a file with more than one
// hard link, an owner or group the program may not give, a folder it may not write in), the
// existing file is written in place instead, after a safety copy of its old contents that is
// used to put it back when the write fails and removed when the write is complete.

#include "core/fejltekst.h"

#include <QByteArray>
#include <QString>

namespace core {

struct ReadResult {
    bool ok = false;
    QString error;  // why not, in Danish, when !ok
};

// Writes bytes to path as described above. ownerOnly: the file (one that holds a password)
// is readable by its owner alone (0600), from its first byte on.
ReadResult writeFileAtomic(const QString &path, const QByteArray &bytes, bool ownerOnly = false);

} // namespace core
