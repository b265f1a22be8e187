#pragma once
// Qt's own Danish texts: standard dialogs, message box buttons, the context menus of text fields.

namespace core {

// Loads Qt's Danish translation from Qt's translation folder and installs it on the running
// application (once). False when no Danish translation is installed; Qt's English stays then.
bool installerQtOversaettelse();

}
