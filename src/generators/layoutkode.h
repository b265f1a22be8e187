#pragma once
// The layout generators' code: column rows ("spalter"), column containers ("kolonner"),
// containers and flex boxes, each as CSS and as HTML. Every function takes the window's
// field texts as the user left them and returns the lines to write, or the message to show
// instead.

#include <QString>
#include <QStringList>

class Tinfotag;

namespace generators {

struct Layoutkode {
    QStringList linier;
    bool sidsteLinieskift = true;   // the last line ends with a line break
    int caretLinie = -1;            // the caret goes to the start of this line; -1: after the text
    QString fejl;                   // not empty: nothing is written, this is the message
};

// Writes the lines in place of the caret's line (moving text on it down first), as one undo
// step, and puts the caret where the code asks.
void skrivLayout(Tinfotag &taginf, const Layoutkode &kode);

// A colour the page can use: "#" and 3, 4, 6 or 8 hexadecimal digits.
bool gyldigFarve(const QString &text);

// The drop-down lists, in the order their item indexes are stored.
const QStringList &rammeStile();      // "none" … "outset"
const QStringList &displayTyper();    // "inline" … "none"
const QStringList &tekstJusteringer();   // text-align
const QStringList &tekstFordelinger();   // text-justify
const QStringList &kolonneUdfyldninger(); // column-fill
const QStringList &kolonneLinieStile();   // column-rule-style
const QStringList &flexListe(int box);    // fkBox1 … fkBox4 as 0 … 3

// The box settings the column CSS window and the container window share.
struct BoksValg {
    QString navn;
    QString margin = QStringLiteral("4"), padding = QStringLiteral("4");
    QString rammeBredde = QStringLiteral("0"), radius = QStringLiteral("0");
    int stil = 4;   // solid
    QString rammeFarve = QStringLiteral("#000000");
    QString vandret = QStringLiteral("0"), lodret = QStringLiteral("0");
    QString skyggeFarve = QStringLiteral("#000000");
    QString baggrund = QStringLiteral("#FFFFFF"), tekst = QStringLiteral("#000000");
    bool styleKode = false;
};

struct SpalteCssValg : BoksValg {
    SpalteCssValg() { navn = QStringLiteral("spalteboks"); styleKode = true; }
    bool justify = false, distribute = false;
};
Layoutkode spalteCss(const SpalteCssValg &v);

struct SpalteValg {
    QString navn = QStringLiteral("spalteboks");   // the HTML window's class name
    QString margin = QStringLiteral("4");          // the CSS window's margin
    QString bredde = QStringLiteral("600");
    QString spalter = QStringLiteral("1"), raekker = QStringLiteral("1");   // 0 counts as 1
};
Layoutkode spalter(const SpalteValg &v);
// The row width with the margins on both sides, as the window shows it.
QString egentligBredde(const QString &bredde, const QString &margin);

struct KolonneCssValg {
    QString navn = QStringLiteral("kolonner");
    QString antal = QStringLiteral("1"), mellemrum = QStringLiteral("0"), hoejde = QStringLiteral("0");
    int udfyldning = 1;   // balance
    int linieStil = 0;    // none
    QString linieFarve = QStringLiteral("#000000"), linieBredde = QStringLiteral("0");
    bool styleKode = true;
    bool overskrift = false;
    QString overskriftNavn = QStringLiteral("overskrift");
};
Layoutkode kolonneCss(const KolonneCssValg &v);

struct KolonneValg {
    QString navn = QStringLiteral("kolonner");
    bool overskrift = false;
    QString overskriftNavn = QStringLiteral("overskrift");
};
Layoutkode kolonner(const KolonneValg &v);

struct KontainerValg : BoksValg {
    KontainerValg() { navn = QStringLiteral("kontainer"); }
    int display = 0;   // inline
    bool tilpasning = false;
    int align = 0, textJustify = 0;
};
Layoutkode kontainerCss(const KontainerValg &v);
Layoutkode kontainer(const QString &navn);

struct FlexValg {
    QString navn = QStringLiteral("flexbox");
    QString fk[5] = {QStringLiteral("4px;"), QStringLiteral("#FFFFFF;"), QStringLiteral("0px 0px #666666;"),
                     QStringLiteral("0px solid #000000;"), QStringLiteral("0px;")};
    int fkBox[4] = {0, 0, 0, 0};
    // eEdit1 … eEdit6, then eEdit9 (flex-basis); the others are fixed texts.
    QString e[6] = {QStringLiteral("4px;"), QStringLiteral("2px;"), QStringLiteral("#FFFFFF;"),
                    QStringLiteral("0px 0px #666666;"), QStringLiteral("0px solid #000000;"), QStringLiteral("0px;")};
    QString basis = QStringLiteral("auto;");
    QString antal = QStringLiteral("4");
    bool styleKode = false;
    bool cb[19] = {true, true, true, true, true, true, true, true, true, true,
                   true, true, true, true, true, false, false, false, false};
};
// An empty count means none for the CSS and one for the HTML; the window shows it so first.
Layoutkode flexCss(const FlexValg &v);
Layoutkode flex(const QString &navn, const QString &antal);

} // namespace generators
