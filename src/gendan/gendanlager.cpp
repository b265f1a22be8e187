#include "gendan/gendanlager.h"

#include "core/fejltekst.h"
#include "core/textfile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>

#include <algorithm>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace gendan {

namespace {
const QString kLaas = QStringLiteral("laas");
const QString kEndelse = QStringLiteral(".tvg");

std::unique_ptr<QLockFile> tagLaas(const QString &mappe)
{
    auto laas = std::make_unique<QLockFile>(mappe + kLaas);
    // Only a dead owner frees a folder; age alone never does.
    laas->setStaleLockTime(0);
    if (!laas->tryLock(0))
        return nullptr;
    return laas;
}
} // namespace

QString lavPrivatMappe(const QString &sti)
{
    const QFileInfo info(QDir::cleanPath(sti));   // "file/" would not be found at all
    if (info.exists() && !info.isDir())
        return QStringLiteral("%1 er en fil, ikke en mappe.").arg(QDir::cleanPath(sti));
    const QByteArray navn = QFile::encodeName(QDir::cleanPath(sti));
    auto grund = [&](const char *hvad) {
        const int err = errno;
        return QStringLiteral("Mappen %1 kan ikke %2. %3")
            .arg(QDir::cleanPath(sti), QLatin1String(hvad), core::fejlGrund(err, QString::fromLocal8Bit(strerror(err))));
    };
    if (!info.exists() && ::mkdir(navn.constData(), 0700) != 0 && errno != EEXIST)
        return grund("oprettes");
    if (::chmod(navn.constData(), 0700) != 0 || ::access(navn.constData(), W_OK | X_OK) != 0)
        return grund("bruges");
    return {};
}

TGendanLager::TGendanLager(const QString &programdir, QObject *parent)
    : QObject(parent), m_rod(QDir(programdir).filePath(QStringLiteral("Gendan")) + u'/')
{
    m_arbejder.setMaxThreadCount(1);   // one at a time, in the order asked
    const QString navn = QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid())
                             .arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0'));
    m_mappe = m_rod + navn + u'/';
    klargoer();
}

bool TGendanLager::klargoer()
{
    m_grund = lavPrivatMappe(m_rod);
    if (m_grund.isEmpty())
        m_grund = lavPrivatMappe(m_mappe);
    if (m_grund.isEmpty()) {
        m_laas = tagLaas(m_mappe);
        if (!m_laas)
            m_grund = QStringLiteral("Mappen %1 kan ikke låses.").arg(m_mappe);
    }
    return aktiv();
}

TGendanLager::~TGendanLager()
{
    m_arbejder.waitForDone();
}

QString TGendanLager::filFor(int id) const
{
    return m_mappe + QString::number(id) + kEndelse;
}

void TGendanLager::skriv(int id, GendanPost post)
{
    if (!aktiv() && !klargoer()) {
        emit skrivFejl(QStringLiteral("Gendannelseskopier kan ikke skrives: %1").arg(m_grund));
        return;
    }
    m_arbejder.start([this, sti = filFor(id), post = std::move(post)] {
        const core::ReadResult r = core::writeFileAtomic(sti, lavGendanFil(post));
        if (!r.ok)
            emit skrivFejl(QStringLiteral("Gendannelseskopier kan ikke skrives: %1 (%2)")
                               .arg(r.error, visningsnavn(post)));
    });
}

void TGendanLager::fjern(int id)
{
    if (!aktiv())
        return;
    m_arbejder.start([sti = filFor(id)] { QFile::remove(sti); });
}

void TGendanLager::vent()
{
    m_arbejder.waitForDone();
}

void TGendanLager::ryd()
{
    vent();
    if (!aktiv())
        return;
    QDir mappe(m_mappe);
    for (const QString &f : mappe.entryList({u'*' + kEndelse}, QDir::Files))
        mappe.remove(f);
    m_laas.reset();   // removes the lock file
    QDir().rmdir(m_mappe);
}

TGendanLager::Fund TGendanLager::efterladte()
{
    Fund fund;
    const QDir rod(m_rod);
    for (const QString &navn : rod.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString mappe = m_rod + navn + u'/';
        if (mappe == m_mappe)
            continue;
        if (std::any_of(m_fremmede.begin(), m_fremmede.end(), [&](const auto &f) { return f.first == mappe; }))
            continue;
        auto laas = tagLaas(mappe);
        if (!laas)
            continue;   // its program still runs
        const QDir d(mappe);
        for (const QFileInfo &fil : d.entryInfoList({u'*' + kEndelse}, QDir::Files)) {
            QFile f(fil.filePath());
            QString fejl;
            std::optional<GendanPost> post;
            if (!f.open(QIODevice::ReadOnly))
                fejl = f.errorString();
            else
                post = laesGendanFil(f.readAll(), &fejl);
            f.close();
            if (!post) {
                QFile::rename(fil.filePath(), fil.filePath() + QStringLiteral(".beskadiget"));
                fund.beskadigede << fil.filePath() + QStringLiteral(": ") + fejl;
                continue;
            }
            post->sti = fil.filePath();
            fund.poster << *post;
        }
        m_fremmede.emplace_back(mappe, std::move(laas));
    }
    std::sort(fund.poster.begin(), fund.poster.end(),
              [](const GendanPost &a, const GendanPost &b) { return a.tid < b.tid; });
    return fund;
}

void TGendanLager::slet(const GendanPost &post)
{
    // Only files in a folder this program holds.
    const QString mappe = QFileInfo(post.sti).absolutePath() + u'/';
    if (std::none_of(m_fremmede.begin(), m_fremmede.end(), [&](const auto &f) { return f.first == mappe; }))
        return;
    // In turn with the writes: a restored text's new copy is on disk before the old one goes.
    m_arbejder.start([sti = post.sti] { QFile::remove(sti); });
}

void TGendanLager::frigiv()
{
    vent();
    for (auto &[mappe, laas] : m_fremmede) {
        laas.reset();
        // Removed only when nothing is left in it (a damaged file stays for the user to see).
        QDir().rmdir(mappe);
    }
    m_fremmede.clear();
}

} // namespace gendan
