#pragma once
// The user's known folders: documents, desktop, pictures, music, videos, the shared
// ("public") folder and OneDrive.

#include <QString>

namespace platform {

enum class KendtMappe { Dokumenter, Skrivebord, Billeder, Musik, Videoer, OneDrive,
                        DelteDokumenter, DelteBilleder, DelteMusik, DelteVideoer };

// The folder's path, empty when the system names none.
QString kendtMappe(KendtMappe which);

}
