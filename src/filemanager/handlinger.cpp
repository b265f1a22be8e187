#include "filemanager/handlinger.h"

#include "core/fejltekst.h"
#include "core/filskriver.h"
#include "filemanager/filnavne.h"
#include "platform/papirkurv.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace filemanager {

namespace {
// Whether two paths name the same file (as on a file system that ignores letter case).
bool sammeFil(const QString &a, const QString &b)
{
    struct stat sa, sb;
    return ::lstat(QFile::encodeName(a).constData(), &sa) == 0 && ::lstat(QFile::encodeName(b).constData(), &sb) == 0
           && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool findes(const QString &path)
{
    const QFileInfo i(path);
    return i.exists() || i.isSymLink();
}

// Guards against a second operation started from the event loop of a running one.
class Travl {
public:
    explicit Travl(bool &flag) : m_flag(flag), m_ok(!flag) { flag = true; }
    ~Travl() { if (m_ok) m_flag = false; }
    bool ok() const { return m_ok; }
private:
    bool &m_flag;
    bool m_ok;
};
}

THandlinger::THandlinger(TFilDialoger *dialoger, QObject *parent)
    : TMappeListe(parent), m_dlg(dialoger)
{
}

QString THandlinger::fejlTekst(const QStringList &fejl) const
{
    QStringList vis = fejl.mid(0, 6);
    if (fejl.size() > vis.size())
        vis << QStringLiteral("… og %1 flere.").arg(fejl.size() - vis.size());
    return QStringLiteral("Der er opstået en fejl.\r") + vis.join(u'\r');
}

void THandlinger::koerJob(TFilJob &job, bool kopi)
{
    m_dlg->visFremskridt(kopi, &job.status);
    QThread *t = QThread::create([&job] { job.koer(); });
    QEventLoop loop;
    QObject::connect(t, &QThread::finished, &loop, &QEventLoop::quit);
    t->start();
    loop.exec();
    t->wait();
    delete t;
    m_dlg->lukFremskridt();
}

int THandlinger::CopyElementer()
{
    FCopyListe1.clear();
    FCopyListe2.clear();
    const QList<int> rows = valgteRaekker();
    if (rows.isEmpty()) {
        m_dlg->info(QStringLiteral("Der er ikke valgt elementer til kopiering."));
        return 0;
    }
    infoStruktur2();
    SourceMappe = FGrundmappe;
    SourceDirectory = FBibmappe;
    for (int row : rows) {
        const StrukturRec &r = m_model->entries().at(row);
        if (!r.filnavn.isEmpty())
            FCopyListe2 << r.navn;
        else
            FCopyListe1 << r.mappe;
    }
    return int(rows.size());
}

void THandlinger::InitRegister()
{
    FCopyListe1.clear();
    FCopyListe2.clear();
}

bool THandlinger::RegisterElements(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        FCopyListe1 << QDir::cleanPath(info.absoluteFilePath());
    else if (info.isFile())
        FCopyListe2 << info.fileName();
    else
        return false;
    SourceMappe = SourceDirectory = foraelder(QDir::cleanPath(info.absoluteFilePath()));
    return true;
}

int THandlinger::PasteElementer(bool move)
{
    bool travl = m_travl;
    Travl guard(m_travl);
    if (travl || !harRegistrering())
        return 0;
    // 1. Destination.
    QString dest;
    if (harValg()) {
        infoStruktur2();
        dest = FBibmappe;
    } else if (QFileInfo(FGrundmappe).isDir()) {
        dest = FGrundmappe;
    } else {
        m_dlg->info(QStringLiteral("Der er ikke valgt destignation."));
        return 0;
    }
    bool deleteAfterCopy = move;
    if (SourceDirectory == dest) {
        m_dlg->info(QStringLiteral("Kildemappe og destignationsmappe er samme mappe."));
        return 0;
    }
    for (const QString &f : std::as_const(FCopyListe1)) {
        if (erSammeEllerUnder(dest, f)) {
            m_dlg->info(QStringLiteral("Mappen %1 kan ikke kopieres eller flyttes ind i sig selv\reller en af sine egne undermapper.").arg(sidsteDel(f)));
            return 0;
        }
    }
    const bool egenMappe = SourceMappe == dest;
    if (egenMappe) {
        deleteAfterCopy = false;
        if (!m_dlg->spoergJa(QStringLiteral("Kildemappe er undermappe til destignationsmappen.\rSkal der oprettes en kopi?")))
            return 0;
    }
    // 5. Confirmation.
    TFilDialoger::Bekraeftelse b;
    if (deleteAfterCopy) {
        b.caption = QStringLiteral("Flytning af elementer");
        b.spoergsmaal = QStringLiteral("Skal valgte elementer flyttes?");
        b.billede = TFilDialoger::Bekraeftelse::Flyt;
    } else {
        b.caption = QStringLiteral("Kopiering af elementer");
        b.spoergsmaal = QStringLiteral("Skal valgte elementer kopieres?");
        b.billede = TFilDialoger::Bekraeftelse::Kopi;
    }
    b.filer = FCopyListe2;
    for (const QString &f : std::as_const(FCopyListe1))
        b.mapper << sidsteDel(f);
    b.kilde = SourceMappe;
    b.destination = dest;
    if (!m_dlg->bekraeft(b))
        return 0;

    // 7. Folders: where each goes, asked before anything is copied.
    QList<Opgave> opgaver;
    for (const QString &f : std::as_const(FCopyListe1)) {
        QString t = tilfoej(dest, sidsteDel(f));
        if (egenMappe && findes(t)) {
            t = unikMappenavn(t);
        } else if (findes(t)) {
            if (!m_dlg->spoergJaNejForvalgt(QStringLiteral("Mappen eksisterer.\rSkal alle elementer overskrives?")))
                continue;   // neither copied nor, when moving, deleted
        }
        opgaver.append({Opgave::KopierMappe, f, t, deleteAfterCopy, true});
    }
    // 8. Files: those that exist at the destination go through the conflict handling.
    QStringList fList, eList;
    for (const QString &n : std::as_const(FCopyListe2))
        (findes(tilfoej(dest, n)) ? eList : fList) << n;
    auto filOpgave = [&](const QString &name, const QString &target) {
        const QString src = tilfoej(SourceMappe, name);
        if (src != target)   // a file is never copied onto itself
            opgaver.append({Opgave::KopierFil, src, target, deleteAfterCopy, true});
    };
    for (const QString &n : std::as_const(fList))
        filOpgave(n, tilfoej(dest, n));
    auto spoergFil = [this](const QString &n) {
        return m_dlg->spoergJaNejForvalgt(QStringLiteral("Skal filen \r") + n + QStringLiteral("\roverskrives?"));
    };
    if (eList.size() == 1) {
        if (spoergFil(eList.constFirst()))
            filOpgave(eList.constFirst(), tilfoej(dest, eList.constFirst()));
    } else if (eList.size() > 1) {
        switch (m_dlg->filerFindes(eList)) {
        case 1:
            for (const QString &n : std::as_const(eList))
                filOpgave(n, tilfoej(dest, n));
            break;
        case 2:
            for (const QString &n : std::as_const(eList))
                if (spoergFil(n))
                    filOpgave(n, tilfoej(dest, n));
            break;
        case 3: {
            for (const QString &n : std::as_const(eList))
                opgaver.append({Opgave::KopierFil, tilfoej(SourceMappe, n),
                                unikFilnavn(tilfoej(dest, n), QStringLiteral(" Kopi")), deleteAfterCopy, true});
            break;
        }
        default:
            break;   // "Overskriv ingen" or closed: nothing more
        }
    }
    if (opgaver.isEmpty())
        return 0;

    TFilJob job(opgaver, true);
    koerJob(job, true);
    const bool mapper = !FCopyListe1.isEmpty();
    if (mapper && !QFileInfo(FGrundmappe).isDir())
        FGrundmappe = foraelder(FGrundmappe);
    makeStruktur2(FGrundmappe);
    if (!job.fejl.isEmpty()) {
        QString t = fejlTekst(job.fejl);
        if (deleteAfterCopy)
            t += QStringLiteral("\rHvad der ikke blev kopieret, ligger stadig i kildemappen.");
        m_dlg->fejl(t);
        return -1;
    }
    if (deleteAfterCopy)
        InitRegister();   // the registration is used up
    return job.udfoert;
}

int THandlinger::DeleteElementer(bool tilPapirkurv)
{
    bool travl = m_travl;
    Travl guard(m_travl);
    if (travl)
        return 0;
    const QList<int> rows = valgteRaekker();
    if (rows.isEmpty()) {
        m_dlg->info(QStringLiteral("Der er ikke valgt elementer til sletning."));
        return 0;
    }
    QStringList mapper, filer;
    for (int row : rows) {
        const StrukturRec &r = m_model->entries().at(row);
        if (r.ID % 2 == 1)
            filer << r.filnavn;
        else
            mapper << r.mappe;
    }
    TFilDialoger::Bekraeftelse b;
    b.caption = QStringLiteral("Sletning af elementer");
    b.spoergsmaal = QStringLiteral("Skal valgte elementer Slettes?");
    b.billede = TFilDialoger::Bekraeftelse::Slet;
    for (const QString &f : std::as_const(filer))
        b.filer << sidsteDel(f);
    for (const QString &m : std::as_const(mapper))
        b.mapper << sidsteDel(m);
    b.kilde = getKildemappe();
    b.destination = tilPapirkurv ? QStringLiteral("Papirkurv") : QStringLiteral("Ingen: Elementerne slettes permanent.");
    if (!m_dlg->bekraeft(b))
        return 0;
    QList<Opgave> opgaver;
    for (const QString &m : std::as_const(mapper))
        opgaver.append({Opgave::Slet, m, QString(), false, tilPapirkurv});
    for (const QString &f : std::as_const(filer))
        opgaver.append({Opgave::Slet, f, QString(), false, tilPapirkurv});
    TFilJob job(opgaver, false);
    koerJob(job, false);
    if (!QFileInfo(FGrundmappe).isDir())
        FGrundmappe = foraelder(FGrundmappe);
    makeStruktur2(FGrundmappe);
    if (!job.fejl.isEmpty()) {
        m_dlg->fejl(fejlTekst(job.fejl));
        return -1;
    }
    return int(rows.size());
}

bool THandlinger::NyMappe(const QString &folder)
{
    const QString path = unikMappenavn(tilfoej(folder, QStringLiteral("Ny mappe")));
    if (::mkdir(QFile::encodeName(path).constData(), 0777) != 0) {
        const int e = errno;
        m_dlg->info(QStringLiteral("Der kunne ikke oprettes en ny mappe.\rDer opstod en fejl.\r")
                    + core::fejlGrund(e, QString::fromLocal8Bit(std::strerror(e))));
        return false;
    }
    makeStruktur2(folder);
    const QList<StrukturRec> &entries = m_model->entries();
    for (int i = 0; i < entries.size(); ++i) {
        if (entries[i].erMappe() && entries[i].mappe == QDir::cleanPath(path)) {
            vaelg(i);
            break;
        }
    }
    infoStruktur2();
    return true;
}

bool THandlinger::NyTekstfil(const QString &folder)
{
    const QString path = unikFilnavn(tilfoej(folder, QStringLiteral("Ny tekstfil.txt")), QString());
    const core::ReadResult r = core::writeFileAtomic(path, QByteArray());
    if (!r.ok) {
        m_dlg->info(QStringLiteral("Der kunne ikke oprettes en ny tekstfil.\r") + r.error);
        return false;
    }
    makeStruktur2(folder);
    const QList<StrukturRec> &entries = m_model->entries();
    for (int i = 0; i < entries.size(); ++i) {
        if (!entries[i].erMappe() && entries[i].filnavn == QDir::cleanPath(path)) {
            vaelg(i);
            break;
        }
    }
    infoStruktur2();
    return true;
}

QString THandlinger::RenameNode(int row, const QString &oldText, const QString &newText, bool nyMappe)
{
    if (!nyMappe && newText == oldText)
        return oldText;
    if (row < 0 || row >= m_model->rowCount())
        return oldText;
    if (!gyldigtNavn(newText)) {
        m_dlg->info(QStringLiteral("Navnet \"%1\" kan ikke bruges.\rEt navn må ikke være tomt, \".\" eller \"..\" og må ikke indeholde \"/\".")
                        .arg(newText));
        return oldText;
    }
    const QString base = FGrundmappe;
    const QString oldPath = tilfoej(base, oldText);
    const QFileInfo oldInfo(oldPath);
    QString newPath = tilfoej(base, newText);
    const bool mappe = oldInfo.isDir() && !oldInfo.isSymLink();
    if (!mappe && extensionMedPunktum(newText).isEmpty())
        newPath += extensionMedPunktum(oldText);
    if (newPath == oldPath)
        return oldText;
    // Another element of that name is never replaced: the new name gets a number instead.
    // Only a name that leads to this very element (a change of letter case on a file system
    // that ignores it) is kept as typed.
    if (findes(newPath) && !sammeFil(oldPath, newPath))
        newPath = mappe ? unikMappenavn(newPath) : unikFilnavn(newPath, QString());
    if (::rename(QFile::encodeName(oldPath).constData(), QFile::encodeName(newPath).constData()) != 0) {
        const int e = errno;
        m_dlg->info(QStringLiteral("%1 kunne ikke omdøbes.\r").arg(oldText)
                    + core::fejlGrund(e, QString::fromLocal8Bit(std::strerror(e)), oldPath));
        return oldText;
    }
    StrukturRec &r = m_model->entry(row);
    const QString shown = sidsteDel(newPath);
    if (mappe) {
        r.mappe = newPath;
    } else {
        r.filnavn = newPath;
        FFilnavn = newPath;
    }
    m_model->visTekst(row, shown);
    return shown;
}

int THandlinger::OpenElementer()
{
    const QList<int> rows = valgteRaekker();
    if (rows.isEmpty()) {
        m_dlg->info(QStringLiteral("Der er ikke valgt elementer til kopiering."));
        return 0;
    }
    int n = 0;
    for (int row : rows) {
        const StrukturRec r = m_model->entries().at(row);
        if (!r.filnavn.isEmpty() && openDokument) {
            openDokument(r.filnavn);
            ++n;
        }
    }
    return n;
}

bool THandlinger::EmptyRecycleBin()
{
    if (!m_dlg->spoergJaNejForvalgt(QStringLiteral("Skal alle elementer i papirkurven slettes permanent?")))
        return false;
    QString r;
    if (!platform::toemPapirkurv(&r)) {
        m_dlg->fejl(QStringLiteral("Papirkurven kunne ikke tømmes helt.\r") + r);
        return false;
    }
    return true;
}

}
