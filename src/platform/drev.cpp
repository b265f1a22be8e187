#include "platform/drev.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>

#include <sys/statvfs.h>

namespace platform {

namespace {
bool erKernefs(const QByteArray &fs)
{
    static const QSet<QByteArray> kerne = {
        "proc", "sysfs", "devpts", "cgroup", "cgroup2", "securityfs", "debugfs", "tracefs",
        "mqueue", "pstore", "bpf", "autofs", "fusectl", "configfs", "hugetlbfs", "binfmt_misc",
        "devtmpfs", "efivarfs", "nsfs", "rpc_pipefs", "squashfs", "selinuxfs", "ramfs"};
    return kerne.contains(fs);
}

bool erNetvaerk(const QByteArray &fs)
{
    static const QSet<QByteArray> net = {"nfs", "nfs4", "cifs", "smb3", "smbfs", "sshfs",
                                         "fuse.sshfs", "9p", "afs", "ceph", "glusterfs",
                                         "fuse.rclone", "davfs", "fuse.davfs2"};
    return net.contains(fs);
}

// Whether the block device (as /dev/sdb1) belongs to a disk the kernel calls removable.
bool erFlytbar(const QByteArray &device)
{
    if (!device.startsWith("/dev/"))
        return false;
    QString dev = QFileInfo(QFile::decodeName(device)).canonicalFilePath();
    dev = dev.mid(dev.lastIndexOf(u'/') + 1);
    if (dev.isEmpty())
        return false;
    // A partition's folder lies inside its disk's folder in /sys/class/block.
    const QString sys = QFileInfo(QStringLiteral("/sys/class/block/") + dev).canonicalFilePath();
    for (QString d = sys; d.size() > 1; d = QFileInfo(d).path()) {
        QFile f(d + QStringLiteral("/removable"));
        if (f.open(QIODevice::ReadOnly))
            return f.readAll().trimmed() == "1";
    }
    return false;
}

Drev lavDrev(const QStorageInfo &s)
{
    Drev d;
    d.rod = s.rootPath();
    const QByteArray fs = s.fileSystemType();
    d.filsystem = QString::fromLatin1(fs);
    d.etiket = s.displayName();
    if (d.etiket == d.rod)
        d.etiket = d.rod == QStringLiteral("/") ? QStringLiteral("System") : QFileInfo(d.rod).fileName();
    d.klar = s.isValid() && s.isReady();
    d.kapacitet = qMax<qint64>(0, s.bytesTotal());
    d.ledig = qMax<qint64>(0, s.bytesAvailable());
    struct statvfs st;
    if (d.klar && ::statvfs(QFile::encodeName(d.rod).constData(), &st) == 0 && st.f_blocks >= st.f_bfree) {
        const qint64 blok = st.f_frsize ? qint64(st.f_frsize) : qint64(st.f_bsize);
        d.kapacitet = qint64(st.f_blocks) * blok;
        d.ledig = qint64(st.f_bavail) * blok;
        d.brugt = qint64(st.f_blocks - st.f_bfree) * blok;
    } else {
        d.brugt = qMax<qint64>(0, s.bytesTotal() - s.bytesFree());
    }
    const QByteArray dev = s.device();
    if (erNetvaerk(fs))
        d.type = DrevType::Netvaerk;
    else if (fs == "tmpfs")
        d.type = DrevType::Ram;
    else if (dev.startsWith("/dev/sr") || fs == "iso9660" || fs == "udf")
        d.type = DrevType::Cdrom;
    else if (erFlytbar(dev))
        d.type = DrevType::Flytbar;
    else
        d.type = DrevType::Lokal;
    return d;
}
}

QList<Drev> drevListe()
{
    QList<Drev> list;
    for (const QStorageInfo &s : QStorageInfo::mountedVolumes()) {
        if (!s.isValid() || erKernefs(s.fileSystemType()))
            continue;
        list << lavDrev(s);
    }
    return list;
}

Drev drevFor(const QString &path)
{
    QString p = path;
    while (!p.isEmpty() && !QFileInfo::exists(p))
        p = QFileInfo(p).path() == p ? QString() : QFileInfo(p).path();
    return lavDrev(QStorageInfo(p.isEmpty() ? QDir::rootPath() : p));
}

QString drevMenuTekst(const Drev &d)
{
    switch (d.type) {
    case DrevType::Flytbar:
    case DrevType::Lokal:
        return d.etiket + QStringLiteral(" (") + d.rod + u')';
    case DrevType::Cdrom:
        return QStringLiteral("Diskdrev(") + d.rod + u')';
    default:
        return {};
    }
}

QString drevTypeTekst(DrevType type)
{
    switch (type) {
    case DrevType::Flytbar: return QStringLiteral("Flytbar disk");
    case DrevType::Lokal: return QStringLiteral("Lokal disk");
    case DrevType::Netvaerk: return QStringLiteral("Fjern disk");
    case DrevType::Cdrom: return QStringLiteral("CD ROM disk");
    case DrevType::Ram: return QStringLiteral("RAM disk");
    default: return {};
    }
}

qint64 drevStoerrelse(const Drev &d)
{
    return d.brugt + d.ledig;
}

int brugtProcent(const Drev &d)
{
    const qint64 i_alt = drevStoerrelse(d);
    if (i_alt <= 0)
        return 0;
    // Rounded up as df does: a volume with anything in use never shows 0 %.
    return int((d.brugt * 100 + i_alt - 1) / i_alt);
}

}
