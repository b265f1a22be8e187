#pragma once
// What the layout generators' tool windows share: a fixed-size window that stays on top of the
// main window, an option file read when the window is made and written whenever it closes,
// and writing into the active document with the keyboard going back to it.

#include <QWidget>

#include "generators/designfiler.h"

class TDokumentVaert;

class TLayoutVindue : public QWidget {
    Q_OBJECT
public:
    QString optFilnavn;

    // Writes the option layout to a file (the window's own, or a design); shows why not.
    bool gemOpt(const QString &fil);
    // Sets every field from the file as if typed and moves the window to its stored place;
    // says once what could not be read. False when the place could not be read.
    bool hentOpt(const QString &fil);

protected:
    TLayoutVindue(TDokumentVaert *m, const char *name, const QString &caption, const QString &optfil);

    // The file's lines, window top and left first.
    virtual QStringList optLinier() const = 0;
    // Reads the file into the fields; returns the reader's message.
    virtual QString laesOpt(const QString &fil, generators::Placering &p) = 0;

    // Loads the option file, or centres the window when there is none. Called last by the
    // window's constructor, when every field exists.
    void start();
    // Writes the code into the active document and gives it the keyboard, or shows the message.
    void skriv(const generators::Layoutkode &kode);
    QWidget *beskedEjer();

    void closeEvent(QCloseEvent *event) override;

    TDokumentVaert *m;
};
