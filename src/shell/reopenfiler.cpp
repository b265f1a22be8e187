#include "shell/reopenfiler.h"

#include "core/textfile.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include <algorithm>

TReopenFiler::TReopenFiler(QObject *parent)
    : QObject(parent)
{
}

void TReopenFiler::InsertItem(const QString &FNavn, const QString &MenuCaption)
{
    if (Itemtype == TItemtype::itFil && !QFileInfo(FNavn).isFile())
        return;
    if (Itemtype != TItemtype::itAndet)
        DeleteItem(FNavn);
    Ropen.prepend({MenuCaption, FNavn});
    while (Ropen.size() > qMax(Filantal, 0))
        Ropen.removeLast();
}

void TReopenFiler::DeleteItem(const QString &FNavn)
{
    for (qsizetype i = 0; i < Ropen.size(); ++i) {
        if (Ropen[i].Filnavn == FNavn) {
            Ropen.removeAt(i);
            return;
        }
    }
}

void TReopenFiler::fjernMenuPunkter()
{
    if (!MainItem)
        return;
    const QList<QAction *> items = MainItem->actions();
    for (qsizetype i = MenuStartNr; i < items.size(); ++i) {
        MainItem->removeAction(items[i]);
        if (items[i]->parent() == this)
            items[i]->deleteLater();
    }
}

void TReopenFiler::DeleteAllItems()
{
    if (!Ropen.isEmpty())
        fjernMenuPunkter();
    Ropen.clear();
}

void TReopenFiler::MakeMenu()
{
    fjernMenuPunkter();
    if (!MainItem || Ropen.isEmpty())
        return;
    for (int j = 0; j < Ropen.size(); ++j) {
        if (Itemtype != TItemtype::itAndet && Ropen[j].Filnavn.isEmpty())
            break;
        auto *a = new QAction(Ropen[j].Caption, this);
        a->setStatusTip(Ropen[j].Filnavn);
        a->setToolTip(Ropen[j].Filnavn);
        a->setIcon(QIcon::fromTheme(Itemtype == TItemtype::itBibliotek ? QStringLiteral("folder") : QStringLiteral("text-x-generic")));
        connect(a, &QAction::triggered, this, [this, a] {
            const int index = int(MainItem ? MainItem->actions().indexOf(a) : -1) - MenuStartNr;
            klik(index);
        });
        MainItem->addAction(a);
    }
    if (MedMenuStreg) {
        auto *s = new QAction(this);
        s->setSeparator(true);
        MainItem->addAction(s);
    }
    if (!DeleteItemCap.isEmpty()) {
        auto *d = new QAction(DeleteItemCap, this);
        d->setObjectName(QStringLiteral("sletListen"));
        d->setStatusTip(DeleteItemHint);
        d->setToolTip(DeleteItemHint);
        connect(d, &QAction::triggered, this, &TReopenFiler::DeleteAllItems);
        MainItem->addAction(d);
    }
}

void TReopenFiler::klik(int index)
{
    if (index < 0 || index >= Ropen.size())
        return;
    QString path = Ropen[index].Filnavn;
    const QFileInfo info(path);
    const bool findes = Itemtype == TItemtype::itFil ? info.isFile()
                        : Itemtype == TItemtype::itBibliotek ? info.isDir() : true;
    if (!findes) {
        Ropen[index].Caption.clear();
        Ropen[index].Filnavn.clear();
        path.clear();
    }
    QAction *sender = MainItem && index + MenuStartNr < MainItem->actions().size()
                          ? MainItem->actions().at(index + MenuStartNr) : nullptr;
    emit OnKlik(sender, path);
    if (Itemtype != TItemtype::itAndet && path.isEmpty())
        DeleteItem(QString());
}

bool TReopenFiler::GemReopenFiler(QString *error) const
{
    if (Itemfile.isEmpty())
        return true;
    QStringList lines{QString::number(Filantal), QString::number(Ropen.size())};
    for (const TReopenRec &r : Ropen)
        lines << r.Caption << r.Filnavn;
    const core::ReadResult res = core::writeLines(Itemfile, lines, core::canEncode(lines.join(u'\n'), core::Encoding::Ansi)
                                                                       ? core::Encoding::Ansi : core::Encoding::Utf8Bom);
    if (!res.ok && error)
        *error = res.error;
    return res.ok;
}

void TReopenFiler::HentReopenFiler()
{
    DeleteAllItems();
    if (Itemfile.isEmpty() || !QFileInfo(Itemfile).isFile())
        return;
    QStringList lines;
    if (!core::readLines(Itemfile, lines).ok)
        return;
    bool ok1 = false, ok2 = false;
    const int max = lines.size() >= 2 ? lines[0].trimmed().toInt(&ok1) : 0;
    const int antal = lines.size() >= 2 ? lines[1].trimmed().toInt(&ok2) : 0;
    // A damaged head gives an empty list with the usual maximum.
    if (!ok1 || !ok2 || max < 0 || antal < 0) {
        Filantal = 10;
        return;
    }
    Filantal = max;
    // Only the pairs the file really holds, never more than the maximum.
    const int n = std::min({antal, int((lines.size() - 2) / 2), max});
    for (int i = 0; i < n; ++i)
        Ropen.append({lines[2 + 2 * i], lines[3 + 2 * i]});
}

QString filCaption(const QString &capNavn)
{
    int fjern = 0;
    for (const QChar c : capNavn) {
        if (c.isDigit()) {
            ++fjern;
        } else if (c == u'.') {
            ++fjern;
            break;
        }
    }
    return capNavn.mid(fjern);
}

QString GetBibliotek(const QString &path)
{
    QString p = path;
    const qsizetype slash = p.lastIndexOf(u'/');
    if (p.indexOf(u'.', slash + 1) >= 0)
        p = p.left(slash + 1);
    if (p.isEmpty() || !QFileInfo(p).isDir())
        return {};
    QString t = p;
    while (t.size() > 1 && t.endsWith(u'/'))
        t.chop(1);
    if (t == QStringLiteral("/"))
        return t;
    return t.mid(t.lastIndexOf(u'/') + 1);
}
