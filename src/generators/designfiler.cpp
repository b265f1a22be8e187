#include "generators/designfiler.h"

#include "core/programfolder.h"
#include "core/textfile.h"

#include <QDir>
#include <QFileInfo>

namespace generators {

QString designMappeNavn(int art)
{
    static const char *const navne[] = {"Spaltedesign", "Kolonne layout", "Kontainer", "Flex layout"};
    return QString::fromLatin1(navne[qBound(1, art, 4) - 1]);
}

QString designMappe(int art)
{
    return core::ProgramFolder::optDir() + designMappeNavn(art) + u'/';
}

QString designFil(int art, const QString &navn, QString *fejl)
{
    // The name becomes a file name in the kind's folder and must stay there.
    if (!core::ProgramFolder::isSafeName(navn) || navn == u"." || navn.contains(u'\r') || navn.contains(u'\n')) {
        if (fejl)
            *fejl = QStringLiteral("\"%1\" kan ikke bruges som design navn.\rNavnet bliver et filnavn og må ikke "
                                   "indeholde / eller \\ eller to punktummer efter hinanden.").arg(navn);
        return {};
    }
    return designMappe(art) + navn + QStringLiteral(".txt");
}

QStringList designNavne(int art)
{
    QStringList navne;
    const QFileInfoList filer = QDir(designMappe(art)).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QFileInfo &f : filer)
        if (f.fileName().endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive))
            navne << f.fileName().chopped(4);
    return navne;
}

DesignLaeser::DesignLaeser(const QString &path, int linier) : m_fil(path), m_antal(linier)
{
    m_findes = QFileInfo(path).isFile();
    if (!m_findes)
        return;
    const core::ReadResult r = core::readLines(path, m_linier);
    if (!r.ok) {
        m_grund = r.error;
        m_linier.clear();
    } else if (m_linier.join(QString()).contains(QChar(u'\0'))) {
        m_grund = QStringLiteral("Den er ikke en tekstfil.");
        m_linier.clear();
    }
}

const QString *DesignLaeser::linie(int n)
{
    if (n < 1 || n > m_linier.size()) {
        daarlig(n);
        return nullptr;
    }
    return &m_linier[n - 1];
}

void DesignLaeser::daarlig(int n)
{
    if (!m_daarlige.contains(n))
        m_daarlige << n;
}

void DesignLaeser::tal(int n, QString &v)
{
    if (const QString *l = linie(n)) {
        const QString t = l->trimmed();
        for (const QChar c : t)
            if (c < u'0' || c > u'9')
                return daarlig(n);
        v = t;
    }
}

void DesignLaeser::farve(int n, QString &v)
{
    if (const QString *l = linie(n)) {
        if (!gyldigFarve(l->trimmed()))
            return daarlig(n);
        v = l->trimmed();
    }
}

void DesignLaeser::tekst(int n, QString &v)
{
    if (const QString *l = linie(n))
        v = *l;
}

void DesignLaeser::flag(int n, bool &v)
{
    if (const QString *l = linie(n)) {
        const QString t = l->trimmed();
        if (t != u"1" && t != u"0")
            return daarlig(n);
        v = t == u"1";
    }
}

void DesignLaeser::heltal(int n, int &v)
{
    if (const QString *l = linie(n)) {
        bool ok = false;
        const int i = l->trimmed().toInt(&ok, 10);
        if (!ok)
            return daarlig(n);
        v = i;
    }
}

void DesignLaeser::valg(int n, int &v, int antal)
{
    int i = -1;
    heltal(n, i);
    if (i < 0 || i >= antal)
        return daarlig(n);
    v = i;
}

void DesignLaeser::placering(Placering &p)
{
    int top = 0, left = 0;
    const qsizetype before = m_daarlige.size();
    heltal(1, top);
    heltal(2, left);
    if (m_daarlige.size() == before)
        p = Placering{true, top, left};
}

QString DesignLaeser::besked() const
{
    if (!m_findes)
        return {};
    if (!m_grund.isEmpty())
        return QStringLiteral("Filen %1 kunne ikke læses.\r%2\rStandardværdierne bruges.").arg(m_fil, m_grund);
    if (m_daarlige.isEmpty())
        return {};
    QList<int> l = m_daarlige;
    std::sort(l.begin(), l.end());
    // "3, 5, 9-16": runs of lines as ranges.
    QStringList dele;
    for (qsizetype i = 0; i < l.size();) {
        qsizetype j = i;
        while (j + 1 < l.size() && l[j + 1] == l[j] + 1)
            ++j;
        dele << (j > i ? QStringLiteral("%1-%2").arg(l[i]).arg(l[j]) : QString::number(l[i]));
        i = j + 1;
    }
    return QStringLiteral("Filen %1 er ufuldstændig eller beskadiget (linie %2 af %3).\r"
                          "De læselige værdier er hentet; resten har standardværdierne.")
        .arg(m_fil, dele.join(QStringLiteral(", ")))
        .arg(m_antal);
}

namespace {

// Lines 3 to 14, shared by the column design and the container.
void boksLinier(QStringList &l, const BoksValg &v)
{
    l << v.rammeBredde << v.radius << v.rammeFarve << v.lodret << v.vandret << v.skyggeFarve << v.baggrund
      << v.tekst << v.margin << v.padding << v.navn << (v.styleKode ? QStringLiteral("1") : QStringLiteral("0"));
}

void laesBoks(DesignLaeser &r, BoksValg &v)
{
    r.tal(3, v.rammeBredde);
    r.tal(4, v.radius);
    r.farve(5, v.rammeFarve);
    r.tal(6, v.lodret);
    r.tal(7, v.vandret);
    r.farve(8, v.skyggeFarve);
    r.farve(9, v.baggrund);
    r.farve(10, v.tekst);
    r.tal(11, v.margin);
    r.tal(12, v.padding);
    r.tekst(13, v.navn);
    r.flag(14, v.styleKode);
}

QStringList start(int top, int left) { return {QString::number(top), QString::number(left)}; }

// Reads with defaults under it: a line that cannot be read leaves the default, never the
// value the window held before.
template <class Valg, class F> QString laes(const QString &path, int linier, Valg &v, Placering &p, F felter)
{
    DesignLaeser r(path, linier);
    Valg ny;
    if (r.findes()) {
        r.placering(p);
        felter(r, ny);
    }
    v = ny;
    return r.besked();
}

} // namespace

QString bit(bool b) { return b ? QStringLiteral("1") : QStringLiteral("0"); }

QStringList designLinier(const SpalteCssValg &v, int top, int left)
{
    QStringList l = start(top, left);
    boksLinier(l, v);
    l << bit(v.justify) << bit(v.distribute);
    return l;
}

QString laesDesign(const QString &path, SpalteCssValg &v, Placering &p)
{
    return laes(path, 16, v, p, [](DesignLaeser &r, SpalteCssValg &n) {
        laesBoks(r, n);
        r.flag(15, n.justify);
        r.flag(16, n.distribute);
    });
}

QStringList designLinier(const KolonneCssValg &v, int top, int left)
{
    return start(top, left) << v.antal << v.mellemrum << v.hoejde << v.linieFarve << v.linieBredde << v.navn
                            << bit(v.overskrift) << QString::number(v.udfyldning) << QString::number(v.linieStil)
                            << v.overskriftNavn;
}

QString laesDesign(const QString &path, KolonneCssValg &v, Placering &p)
{
    return laes(path, 12, v, p, [](DesignLaeser &r, KolonneCssValg &n) {
        r.tal(3, n.antal);
        r.tal(4, n.mellemrum);
        r.tal(5, n.hoejde);
        r.farve(6, n.linieFarve);
        r.tal(7, n.linieBredde);
        r.tekst(8, n.navn);
        r.flag(9, n.overskrift);
        r.valg(10, n.udfyldning, int(kolonneUdfyldninger().size()));
        r.valg(11, n.linieStil, int(kolonneLinieStile().size()));
        r.tekst(12, n.overskriftNavn);
    });
}

QStringList designLinier(const KontainerValg &v, int top, int left)
{
    QStringList l = start(top, left);
    boksLinier(l, v);
    l << bit(v.tilpasning) << QString::number(v.align) << QString::number(v.textJustify) << QString::number(v.display);
    return l;
}

QString laesDesign(const QString &path, KontainerValg &v, Placering &p)
{
    return laes(path, 18, v, p, [](DesignLaeser &r, KontainerValg &n) {
        laesBoks(r, n);
        r.flag(15, n.tilpasning);
        r.valg(16, n.align, int(tekstJusteringer().size()));
        r.valg(17, n.textJustify, int(tekstFordelinger().size()));
        r.valg(18, n.display, int(displayTyper().size()));
    });
}

QStringList designLinier(const FlexValg &v, int top, int left)
{
    QStringList l = start(top, left);
    for (const QString &s : v.fk)
        l << s;
    for (const QString &s : v.e)
        l << s;
    l << v.basis << v.antal << v.navn;
    for (int i : v.fkBox)
        l << QString::number(i);
    l << bit(v.styleKode);
    for (bool b : v.cb)
        l << bit(b);
    return l;
}

QString laesDesign(const QString &path, FlexValg &v, Placering &p)
{
    return laes(path, 40, v, p, [](DesignLaeser &r, FlexValg &n) {
        for (int i = 0; i < 5; ++i)
            r.tekst(3 + i, n.fk[i]);
        for (int i = 0; i < 6; ++i)
            r.tekst(8 + i, n.e[i]);
        r.tekst(14, n.basis);
        r.tal(15, n.antal);
        r.tekst(16, n.navn);
        for (int i = 0; i < 4; ++i)
            r.valg(17 + i, n.fkBox[i], int(flexListe(i).size()));
        r.flag(21, n.styleKode);
        for (int i = 0; i < 19; ++i)
            r.flag(22 + i, n.cb[i]);
    });
}

} // namespace generators
