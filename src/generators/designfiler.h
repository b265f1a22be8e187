#pragma once
// The option files of the layout windows, which are also their named designs: one value per
// line, window top and left first. A file that is short, damaged or holds a wrong kind of
// value loads what it can; the rest keeps its default, and the reader says so in one message.

#include "generators/layoutkode.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace generators {

// The four kinds of design, by the number the CSS windows pass.
enum DesignArt { Spaltedesign = 1, KolonneLayout = 2, KontainerDesign = 3, FlexLayout = 4 };
// The kind's folder under the settings folder, which is also the design dialog's caption.
QString designMappeNavn(int art);
QString designMappe(int art);   // full path with trailing "/"
// The file of a design: the path, or empty with the message why the name cannot be one.
QString designFil(int art, const QString &navn, QString *fejl);
// The design names in a kind's folder: every "*.txt" file without that ending, by name.
QStringList designNavne(int art);

struct Placering {
    bool har = false;
    int top = 0, left = 0;
};

class DesignLaeser {
public:
    // Reads the file; `linier` is the length of its layout.
    DesignLaeser(const QString &path, int linier);

    bool findes() const { return m_findes; }
    // Each takes line n (from 1) into the value when it is of the right kind; otherwise the
    // value stays as it was and the line counts as unreadable.
    void tal(int n, QString &v);     // digits, or nothing
    void farve(int n, QString &v);   // a colour the page can use
    void tekst(int n, QString &v);   // anything on one line
    void flag(int n, bool &v);       // "1" or "0"
    void valg(int n, int &v, int antal);   // an item index from 0
    void heltal(int n, int &v);
    void placering(Placering &p);    // lines 1 and 2
    // Empty when every line was read, else one message naming the file and the lines.
    QString besked() const;

private:
    const QString *linie(int n);
    void daarlig(int n);
    QString m_fil, m_grund;
    QStringList m_linier;
    QList<int> m_daarlige;
    int m_antal;
    bool m_findes = false;
};

// "1" or "0".
QString bit(bool b);

// The layouts. `laes*` fill the record from the file and return the reader's message.
QStringList designLinier(const SpalteCssValg &v, int top, int left);
QString laesDesign(const QString &path, SpalteCssValg &v, Placering &p);
QStringList designLinier(const KolonneCssValg &v, int top, int left);
QString laesDesign(const QString &path, KolonneCssValg &v, Placering &p);
QStringList designLinier(const KontainerValg &v, int top, int left);
QString laesDesign(const QString &path, KontainerValg &v, Placering &p);
QStringList designLinier(const FlexValg &v, int top, int left);
QString laesDesign(const QString &path, FlexValg &v, Placering &p);

} // namespace generators
