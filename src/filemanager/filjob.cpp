#include "filemanager/filjob.h"

#include "core/fejltekst.h"
#include "core/filkopi.h"
#include "filemanager/filnavne.h"
#include "platform/papirkurv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace filemanager {

namespace {
QString systemGrund(int e, const QString &path)
{
    return core::fejlGrund(e, QString::fromLocal8Bit(std::strerror(e)), path);
}

struct Indgang {
    QByteArray navn;
    unsigned char type;
};

// The entries of a folder, "." and ".." left out; hidden entries included.
bool laesIndgange(const QByteArray &folder, QList<Indgang> &out)
{
    DIR *d = ::opendir(folder.constData());
    if (!d)
        return false;
    while (const dirent *e = ::readdir(d)) {
        if (e->d_name[0] == '.' && (e->d_name[1] == 0 || (e->d_name[1] == '.' && e->d_name[2] == 0)))
            continue;
        out.append({QByteArray(e->d_name), e->d_type});
    }
    ::closedir(d);
    return true;
}

unsigned char typeAf(const QByteArray &path, unsigned char type, struct stat *st)
{
    if (type != DT_UNKNOWN && !st)
        return type;
    struct stat local;
    struct stat *s = st ? st : &local;
    if (::lstat(path.constData(), s) != 0)
        return DT_UNKNOWN;
    if (S_ISDIR(s->st_mode)) return DT_DIR;
    if (S_ISLNK(s->st_mode)) return DT_LNK;
    if (S_ISREG(s->st_mode)) return DT_REG;
    return DT_UNKNOWN;
}
}

qint64 filStoerrelse(const QString &path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || st.st_size == 0)
        return 1;
    return st.st_size;
}

void TFilJob::taelMappe(const QString &folder, JobStatus &status)
{
    QList<QByteArray> stak{QFile::encodeName(folder)};
    QList<Indgang> indgange;
    while (!stak.isEmpty()) {
        const QByteArray dir = stak.takeLast() + '/';
        indgange.clear();
        if (!laesIndgange(dir, indgange))
            continue;
        for (const Indgang &e : indgange) {
            const QByteArray p = dir + e.navn;
            struct stat st;
            const unsigned char t = e.type == DT_DIR ? (unsigned char)DT_DIR : typeAf(p, DT_UNKNOWN, &st);
            if (t == DT_DIR) {
                status.antalMapper.fetch_add(1, std::memory_order_relaxed);
                stak.append(p);
            } else if (t != DT_UNKNOWN) {
                status.totalSize.fetch_add(t == DT_REG ? qint64(st.st_size) : 0, std::memory_order_relaxed);
                status.antalFiler.fetch_add(1, std::memory_order_relaxed);
            }
        }
    }
}

void TFilJob::tael()
{
    for (const Opgave &o : std::as_const(m_opgaver)) {
        const QFileInfo info(o.kilde);
        if (info.isDir() && !info.isSymLink()) {
            if (!m_kopi) {
                // A deleted folder is one element; its bytes count for the bar.
                JobStatus s;
                taelMappe(o.kilde, s);
                status.totalSize += s.totalSize;
                status.antalMapper += s.antalMapper;
            } else {
                taelMappe(o.kilde, status);
            }
        } else {
            status.totalSize += filStoerrelse(o.kilde);
            if (m_kopi)
                ++status.antalFiler;
        }
        if (!m_kopi)
            ++status.antalFiler;
    }
    status.taelt = true;
}

bool TFilJob::kopierFil(const QString &source, const QString &target, qint64 size)
{
    status.filProcent = 0;
    const core::ReadResult r = core::kopierFilAtomisk(source, target, true, [this](qint64 done, qint64 total) {
        if (total > 0)
            status.filProcent = int(done * 100 / total);
        return !status.annuller.load();
    });
    status.posSize += size;
    --status.antalFiler;
    if (!r.ok) {
        fejl << source + QStringLiteral(": ") + (core::erUlaeseligtNavn(source) ? core::ulaeseligtNavnGrund() : r.error);
        return false;
    }
    return true;
}

bool TFilJob::kopierMappe(const QString &source, const QString &target)
{
    const QByteArray t = QFile::encodeName(target);
    if (::mkdir(t.constData(), 0777) != 0 && errno != EEXIST) {
        fejl << target + QStringLiteral(": ") + systemGrund(errno, target);
        return false;
    }
    QList<Indgang> indgange;
    const QByteArray s = QFile::encodeName(source) + '/';
    if (!laesIndgange(s, indgange)) {
        fejl << source + QStringLiteral(": ") + systemGrund(errno, source);
        return false;
    }
    bool ok = true;
    for (const Indgang &e : std::as_const(indgange)) {
        if (status.annuller) {
            fejl << source + QStringLiteral(": Kopieringen blev afbrudt.");
            return false;
        }
        const QByteArray sp = s + e.navn;
        const QString navn = QFile::decodeName(e.navn);
        const QString src = tilfoej(source, navn);
        const QString dst = tilfoej(target, navn);
        struct stat st;
        const unsigned char type = typeAf(sp, DT_UNKNOWN, &st);
        if (type == DT_DIR) {
            ok = kopierMappe(src, dst) && ok;
        } else if (type == DT_LNK) {
            // A link is copied as a link: a copy never reaches outside the folder through it.
            QByteArray to(4096, Qt::Uninitialized);
            const ssize_t n = ::readlink(sp.constData(), to.data(), size_t(to.size()));
            const QByteArray dp = QFile::encodeName(dst);
            if (n >= 0) {
                to.resize(n);
                ::unlink(dp.constData());
            }
            --status.antalFiler;
            if (n < 0 || ::symlink(to.constData(), dp.constData()) != 0) {
                fejl << src + QStringLiteral(": ") + systemGrund(errno, src);
                ok = false;
            }
        } else if (type == DT_REG) {
            ok = kopierFil(src, dst, st.st_size) && ok;
        } else {
            --status.antalFiler;
            fejl << src + QStringLiteral(": Det er ikke en almindelig fil.");
            ok = false;
        }
    }
    return ok;
}

void TFilJob::koer()
{
    tael();
    QList<QString> flytKilder;   // copied files whose source goes to the trash afterwards
    for (const Opgave &o : std::as_const(m_opgaver)) {
        if (status.annuller)
            break;
        switch (o.type) {
        case Opgave::KopierMappe:
            // A folder whose copy is not complete is never deleted.
            if (kopierMappe(o.kilde, o.maal)) {
                if (o.flyt) {
                    status.sletter = true;
                    QString r;
                    if (!platform::tilPapirkurv(o.kilde, &r))
                        fejl << o.kilde + QStringLiteral(": ") + r;
                    status.sletter = false;
                }
                ++udfoert;
            }
            break;
        case Opgave::KopierFil:
            if (kopierFil(o.kilde, o.maal, filStoerrelse(o.kilde))) {
                ++udfoert;
                if (o.flyt)
                    flytKilder << o.kilde;
            }
            break;
        case Opgave::Slet: {
            status.sletter = true;
            QString r;
            const qint64 size = QFileInfo(o.kilde).isDir() ? 0 : filStoerrelse(o.kilde);
            const bool ok = o.papirkurv ? platform::tilPapirkurv(o.kilde, &r) : platform::sletPermanent(o.kilde, &r);
            status.sletter = false;
            status.posSize += size;
            --status.antalFiler;
            if (ok)
                ++udfoert;
            else
                fejl << o.kilde + QStringLiteral(": ") + r;
            break;
        }
        }
    }
    if (!flytKilder.isEmpty()) {
        status.sletter = true;
        for (qsizetype i = flytKilder.size() - 1; i >= 0; --i) {
            QString r;
            if (!platform::tilPapirkurv(flytKilder[i], &r))
                fejl << flytKilder[i] + QStringLiteral(": ") + r;
        }
        status.sletter = false;
    }
}

}
