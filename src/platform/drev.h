#pragma once
// Drives: the mounted volumes of the system, in the order the system lists them, with their
// kind, label, capacity and file system. A "drive root" is the volume's mount point.

#include <QList>
#include <QString>

namespace platform {

enum class DrevType { Ukendt = 0, Flytbar = 1, Lokal = 2, Cdrom = 3, Ram = 4, Netvaerk = 5 };

struct Drev {
    QString rod;          // mount point ("/", "/media/usb")
    QString etiket;       // volume label, or the mount point's last component
    DrevType type = DrevType::Ukendt;
    QString filsystem;    // "ext4", "vfat" …; empty when unknown
    qint64 kapacitet = 0;  // every block of the file system
    qint64 ledig = 0;      // free to an ordinary user
    // In use, as df counts it: the blocks that are not free. The blocks kept for the system
    // administrator are free though not `ledig`, so brugt + ledig is below kapacitet.
    qint64 brugt = 0;
    bool klar = false;    // the medium can be read
};

// Every mounted volume except the kernel's own file systems.
QList<Drev> drevListe();
// The volume that holds path (the one with the longest mount point above it).
Drev drevFor(const QString &path);
// The drive menu's caption: label (root) for removable and local volumes, "Diskdrev(root)"
// for an optical one, empty for the kinds the menu leaves out.
QString drevMenuTekst(const Drev &d);
// The size a user can have and the share of it in use, as df shows them: brugt + ledig, and
// brugt / (brugt + ledig) in whole percent rounded up (0 for an empty or unready volume).
qint64 drevStoerrelse(const Drev &d);
int brugtProcent(const Drev &d);
// The properties window's name of the kind: "Lokal disk", "Flytbar disk" …
QString drevTypeTekst(DrevType type);

}
