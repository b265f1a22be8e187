#pragma once
// The desktop's trash (freedesktop Trash): deleting with undo, and emptying it.

#include <QString>

namespace platform {

// Moves a file or folder (with its contents) to the trash. False, with the reason in Danish,
// when the volume has no trash or the move failed; nothing is deleted then.
bool tilPapirkurv(const QString &path, QString *reason = nullptr);

// Deletes a file, or a folder with everything in it, for good. A symbolic link is removed
// itself; what it points to is never touched. False with the reason when anything stayed.
bool sletPermanent(const QString &path, QString *reason = nullptr);

// Empties the home trash ($XDG_DATA_HOME/Trash). False with the reason when something stayed.
bool toemPapirkurv(QString *reason = nullptr);

}
