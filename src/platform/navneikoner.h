#pragma once
// Icons and type names for the file dialogs, told from a file's name and kind alone.
//
// Qt's own provider asks the MIME database, which reads a file's first bytes when its name
// says nothing; on a name typed into the dialog (/proc/kmsg) that read blocks the window's
// thread for good. This one never opens a file.

#include <QFileIconProvider>
#include <QMimeDatabase>

class QFileDialog;

class TNavneIkoner : public QFileIconProvider {
public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo &info) const override;
    QString type(const QFileInfo &info) const override;

private:
    QMimeType typeAfNavn(const QFileInfo &info) const;
    QMimeDatabase m_mime;
};

namespace platform {
// Makes a file dialog Qt's own, with these icons: no name typed into it reads a file.
void brugNavneIkoner(QFileDialog *dialog);
}
