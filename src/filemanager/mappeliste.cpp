#include "filemanager/mappeliste.h"

#include "core/fejltekst.h"
#include "filemanager/filnavne.h"
#include "platform/drev.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QIcon>
#include <QMimeData>
#include <QUrl>

#include <QScopedValueRollback>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>

namespace filemanager {

QString ulaeseligMappeTekst(const QString &grund)
{
    return QStringLiteral("Mappen kan ikke læses.\r") + grund;
}

QList<StrukturRec> laesMappe(const QString &folder, QString *fejl)
{
    QList<StrukturRec> mapper, filer;
    if (fejl)
        fejl->clear();
    DIR *d = ::opendir(QFile::encodeName(folder).constData());
    if (!d) {
        const int e = errno;
        if (fejl)
            *fejl = core::fejlGrund(e, QString::fromLocal8Bit(std::strerror(e)), folder);
        return {};
    }
    const QString base = folder.endsWith(u'/') ? folder : folder + u'/';
    const QByteArray baseBytes = QFile::encodeName(base);
    while (const dirent *e = ::readdir(d)) {
        if (e->d_name[0] == '.')   // ".", ".." and hidden entries
            continue;
        bool dir = e->d_type == DT_DIR;
        bool reg = e->d_type == DT_REG;
        if (!dir && !reg) {
            // Links and file systems without types: ask what the name leads to.
            struct stat st;
            if (::stat((baseBytes + e->d_name).constData(), &st) != 0)
                continue;
            dir = S_ISDIR(st.st_mode);
            reg = !dir;
        }
        const QString navn = QFile::decodeName(e->d_name);
        if (dir)
            mapper.append({navn, base + navn, QString(), 0});
        else
            filer.append({navn, folder, base + navn, 1});
    }
    ::closedir(d);
    auto byName = [](const StrukturRec &a, const StrukturRec &b) {
        const int c = a.navn.compare(b.navn, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a.navn < b.navn;
    };
    std::sort(mapper.begin(), mapper.end(), byName);
    std::sort(filer.begin(), filer.end(), byName);
    mapper.append(filer);
    return mapper;
}

// ---------------------------------------------------------------- model

void TStrukturModel::saet(QList<StrukturRec> entries)
{
    beginResetModel();
    m_entries = std::move(entries);
    endResetModel();
}

int TStrukturModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

namespace {
QIcon ikonFor(const StrukturRec &r)
{
    static QHash<QString, QIcon> cache;
    QString name;
    if (r.erMappe()) {
        name = QStringLiteral("folder");
    } else {
        const QString ext = extensionMedPunktum(r.filnavn).toLower();
        if (erDetEnTekstfil(ext))
            name = ext == QStringLiteral(".html") ? QStringLiteral("text-html") : QStringLiteral("text-x-generic");
        else if (erDetEnBilledfil(ext))
            name = QStringLiteral("image-x-generic");
        else if (ext == QStringLiteral(".mp3") || ext == QStringLiteral(".m4a") || ext == QStringLiteral(".wav"))
            name = QStringLiteral("audio-x-generic");
        else if (ext == QStringLiteral(".mp4") || ext == QStringLiteral(".m4v") || ext == QStringLiteral(".avi")
                 || ext == QStringLiteral(".mpg"))
            name = QStringLiteral("video-x-generic");
        else if (ext == QStringLiteral(".exe"))
            name = QStringLiteral("application-x-executable");
        else if (ext == QStringLiteral(".lnk"))
            name = QStringLiteral("emblem-symbolic-link");
        else if (ext == QStringLiteral(".iss") || ext == QStringLiteral(".pas"))
            name = QStringLiteral("text-x-script");
        else
            name = QStringLiteral("unknown");
    }
    auto it = cache.find(name);
    if (it == cache.end())
        it = cache.insert(name, QIcon::fromTheme(name));
    return *it;
}
}

QVariant TStrukturModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return {};
    const StrukturRec &r = m_entries[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return r.navn;
    case Qt::DecorationRole:
        return ikonFor(r);
    case Qt::ToolTipRole:
        return r.erMappe() ? r.mappe : r.filnavn;
    default:
        return {};
    }
}

bool TStrukturModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    emit tekstRedigeret(index.row(), value.toString());
    return true;
}

void TStrukturModel::visTekst(int row, const QString &text)
{
    if (row < 0 || row >= m_entries.size())
        return;
    m_entries[row].navn = text;
    emit dataChanged(index(row), index(row));
}

Qt::ItemFlags TStrukturModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable | Qt::ItemIsDragEnabled
           | Qt::ItemIsDropEnabled;
}

QStringList TStrukturModel::mimeTypes() const
{
    return {QStringLiteral("text/uri-list")};
}

QMimeData *TStrukturModel::mimeData(const QModelIndexList &indexes) const
{
    QList<QUrl> urls;
    for (const QModelIndex &i : indexes) {
        const StrukturRec &r = m_entries[i.row()];
        urls << QUrl::fromLocalFile(r.erMappe() ? r.mappe : r.filnavn);
    }
    auto *m = new QMimeData;
    m->setUrls(urls);
    return m;
}

// ---------------------------------------------------------------- state

TMappeListe::TMappeListe(QObject *parent)
    : QObject(parent), m_model(new TStrukturModel(this)), m_sel(new QItemSelectionModel(m_model, this))
{
}

bool TMappeListe::makeStruktur2(const QString &folder)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    FOldgrundmappe = FGrundmappe;
    FFilnavn.clear();
    QString f = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    FGrundmappe = FBibmappe = f;
    QList<StrukturRec> entries = laesMappe(f, &FLaesefejl);
    FAntalGrundmapper = int(std::count_if(entries.cbegin(), entries.cend(), [](const StrukturRec &r) { return r.erMappe(); }));
    FAntalGrundfiler = int(entries.size()) - FAntalGrundmapper;
    QScopedValueRollback bygger(m_bygger, true);
    m_sel->clear();
    m_model->saet(std::move(entries));
    if (FAntalGrundfiler > 0) {
        vaelg(0);
        const StrukturRec &r = m_model->entries().constFirst();
        if (!r.erMappe())
            FFilnavn = r.filnavn;
    }
    emit mappenChange();
    return true;
}

QList<int> TMappeListe::valgteRaekker() const
{
    QList<int> rows;
    for (const QModelIndex &i : m_sel->selectedRows())
        rows << i.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

int TMappeListe::aktuelRaekke() const
{
    const QModelIndex cur = m_sel->currentIndex();
    if (cur.isValid() && m_sel->isSelected(cur))
        return cur.row();
    const QList<int> rows = valgteRaekker();
    return rows.isEmpty() ? -1 : rows.constFirst();
}

void TMappeListe::vaelg(int row, bool alene)
{
    const QModelIndex i = m_model->index(row);
    m_sel->setCurrentIndex(i, (alene ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::Select)
                                  | QItemSelectionModel::Rows);
}

void TMappeListe::infoStruktur2()
{
    const int row = aktuelRaekke();
    if (row < 0) {
        FBibmappe = FGrundmappe;
        FFilnavn.clear();
    } else {
        const StrukturRec &r = m_model->entries().at(row);
        if (r.erMappe()) {
            FFilnavn.clear();
            FBibmappe = r.mappe;
        } else {
            FBibmappe = FGrundmappe;
            FFilnavn = r.filnavn;
        }
    }
    emit mappenChange();
}

bool TMappeListe::IsSelectedDirectory() const
{
    const int row = aktuelRaekke();
    return row >= 0 && m_model->entries().at(row).erMappe();
}

QString TMappeListe::getKildemappe() const
{
    const int row = aktuelRaekke();
    if (row < 0)
        return FGrundmappe;
    const StrukturRec &r = m_model->entries().at(row);
    return r.erMappe() ? foraelder(r.mappe) : r.mappe;
}

QString TMappeListe::foersteDrev()
{
    for (const platform::Drev &d : platform::drevListe())
        if (d.klar && !platform::drevMenuTekst(d).isEmpty() && QFileInfo(d.rod).isDir())
            return d.rod;
    return QStringLiteral("/");
}

void TMappeListe::udfoldFilDirectory()
{
    const int row = aktuelRaekke();
    if (row < 0)
        return;
    const StrukturRec r = m_model->entries().at(row);
    if (!r.erMappe()) {
        if (QFileInfo::exists(r.filnavn)) {
            FFilnavn = r.filnavn;
            emit mappenChange();
        }
        return;
    }
    if (QFileInfo(r.mappe).isDir()) {
        makeStruktur2(r.mappe);
        return;
    }
    emit besked(QStringLiteral("Mappen eller drevet eksisterer ikke.\rStrukturene vil blive genindlæst."));
    makeStruktur2(foersteDrev());
}

QString TMappeListe::getFocusFilDirectory(int row)
{
    if (row >= 0 && row < m_model->rowCount()) {
        const StrukturRec &r = m_model->entries().at(row);
        if (QFileInfo(r.mappe).isDir()) {
            vaelg(row);
            FBibmappe = r.mappe;
            return r.mappe;
        }
    }
    return FGrundmappe;
}

void TMappeListe::SelectMapperFiler(int how)
{
    const int n = m_model->rowCount();
    if (n == 0)
        return;
    const QItemSelection alt(m_model->index(0), m_model->index(n - 1));
    switch (how) {
    case 1:
        m_sel->select(alt, QItemSelectionModel::Select | QItemSelectionModel::Rows);
        break;
    case 2:
        m_sel->clearSelection();
        FFilnavn.clear();
        break;
    case 3:
        m_sel->select(alt, QItemSelectionModel::Toggle | QItemSelectionModel::Rows);
        break;
    }
    infoStruktur2();
}

}
