#include "information/struktur.h"

#include "information/strukturfiler.h"
#include "platform/papirkurv.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace {

constexpr int DataRolle = Qt::UserRole;
constexpr int IndexRolle = Qt::UserRole + 1;

// Ansi when it holds every character, else UTF-8 with a mark, so no title is lost.
core::Encoding skrivbar(const QStringList &linjer, core::Encoding oensket)
{
    if (oensket != core::Encoding::Ansi)
        return oensket;
    for (const QString &l : linjer)
        if (!core::canEncode(l, core::Encoding::Ansi))
            return core::Encoding::Utf8Bom;
    return oensket;
}

void samlNoder(QTreeWidgetItem *node, QList<QTreeWidgetItem *> &ud)
{
    ud << node;
    for (int i = 0; i < node->childCount(); ++i)
        samlNoder(node->child(i), ud);
}

void sorterBoern(QList<QTreeWidgetItem *> &noder, const QCollator &c)
{
    std::stable_sort(noder.begin(), noder.end(), [&c](const QTreeWidgetItem *a, const QTreeWidgetItem *b) {
        return c.compare(a->text(0), b->text(0)) < 0;
    });
    for (QTreeWidgetItem *n : noder) {
        QList<QTreeWidgetItem *> b = n->takeChildren();
        sorterBoern(b, c);
        n->addChildren(b);
    }
}

} // namespace

TStruktur::TStruktur(QWidget *parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setUniformRowHeights(true);
    // The chosen entry stays marked while another control has the keyboard.
    QPalette p = palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(p);
}

void TStruktur::setIkoner(const QList<QIcon> &ikoner)
{
    m_ikoner = ikoner;
    if (!DataOn)
        return;
    for (QTreeWidgetItem *n : alleNoder()) {
        const int i = ikonIndex(n);
        n->setIcon(0, i >= 0 && i < m_ikoner.size() ? m_ikoner[i] : QIcon());
    }
}

QList<QTreeWidgetItem *> TStruktur::alleNoder() const
{
    QList<QTreeWidgetItem *> ud;
    for (int i = 0; i < topLevelItemCount(); ++i)
        samlNoder(topLevelItem(i), ud);
    return ud;
}

QStringList TStruktur::titler(const QList<QTreeWidgetItem *> &noder)
{
    QStringList ud;
    ud.reserve(noder.size());
    for (const QTreeWidgetItem *n : noder)
        ud << n->text(0);
    return ud;
}

QString TStruktur::dataStreng(const QTreeWidgetItem *node)
{
    return node ? node->data(0, DataRolle).toString() : QString();
}

QString TStruktur::datatekst(const QTreeWidgetItem *node)
{
    return dataStreng(node).mid(1);
}

int TStruktur::ikonIndex(const QTreeWidgetItem *node)
{
    const QVariant v = node ? node->data(0, IndexRolle) : QVariant();
    return v.isValid() ? v.toInt() : -1;
}

QString TStruktur::sidefil(const QTreeWidgetItem *node) const
{
    const QString d = datatekst(node);
    if (d.isEmpty() || !information::sikkerDatatekst(d))
        return {};
    return Infomappe + d + QStringLiteral(".html");
}

void TStruktur::saetData(QTreeWidgetItem *node, const QString &data, int index)
{
    if (!DataOn) {
        node->setData(0, DataRolle, QVariant());
        node->setData(0, IndexRolle, QVariant());
        node->setIcon(0, QIcon());
        return;
    }
    node->setData(0, DataRolle, data);
    node->setData(0, IndexRolle, index);
    node->setIcon(0, index >= 0 && index < m_ikoner.size() ? m_ikoner[index] : QIcon());
}

bool TStruktur::HentStruktur()
{
    m_fejl.clear();
    m_mouseDown = false;
    m_nodeDown = m_nodeUp = nullptr;
    if (Strukturfile.isEmpty() || !QFileInfo(Strukturfile).isFile()) {
        clear();
        return false;
    }
    QStringList linjer;
    core::Encoding enc = core::Encoding::Ansi;
    const core::ReadResult r = core::readLines(Strukturfile, linjer, &enc);
    QList<information::StrukturLinje> noder;
    if (!r.ok) {
        m_fejl = r.error;
        return false;
    }
    if (!information::laesStrukturLinjer(linjer, noder, &m_fejl))
        return false;   // the tree keeps what it showed

    QStringList data;
    bool medData = false;
    if (DataOn) {
        if (Datafile.isEmpty() || !QFileInfo(Datafile).isFile()) {
            medData = false;
        } else {
            const core::ReadResult d = core::readLines(Datafile, data);
            if (!d.ok) {
                m_fejl = d.error;
                return false;
            }
            if (data.size() < noder.size()) {
                m_fejl = QStringLiteral("Datafilen er beskadiget:\rDen har %1 linjer, men strukturen har %2 elementer.")
                             .arg(data.size()).arg(noder.size());
                return false;
            }
            medData = true;
        }
    }

    // Built apart from the view and handed over at once: no signal per node.
    clear();
    m_strukturEncoding = enc;
    QList<QTreeWidgetItem *> top;
    QList<QTreeWidgetItem *> sti;   // the last node at each level
    for (qsizetype i = 0; i < noder.size(); ++i) {
        const information::StrukturLinje &l = noder[i];
        auto *n = new QTreeWidgetItem(QStringList{l.tekst});
        if (medData) {
            const QString &s = data[i];
            const QChar c = s.isEmpty() ? QChar(u'0') : s[0];
            const int index = c.isDigit() ? c.digitValue() : 0;
            saetData(n, s, index);
        }
        sti.resize(l.niveau);
        if (l.niveau == 0)
            top << n;
        else
            sti[l.niveau - 1]->addChild(n);
        sti << n;
    }
    addTopLevelItems(top);
    Modified = false;
    viewport()->update();
    return !DataOn || medData;
}

bool TStruktur::GemStruktur()
{
    m_fejl.clear();
    if (Strukturfile.isEmpty())
        return false;
    const QList<QTreeWidgetItem *> noder = alleNoder();
    if (DataOn) {
        if (Datafile.isEmpty())
            return false;
        QStringList data;
        data.reserve(noder.size());
        for (const QTreeWidgetItem *n : noder) {
            const QString s = dataStreng(n);
            data << (s.isEmpty() ? QStringLiteral("0") : s);
        }
        const core::ReadResult r = core::writeLines(Datafile, data, skrivbar(data, core::Encoding::Ansi));
        if (!r.ok) {
            m_fejl = r.error;
            return false;
        }
    }
    QList<information::StrukturLinje> linjer;
    linjer.reserve(noder.size());
    for (const QTreeWidgetItem *n : noder) {
        int niveau = 0;
        for (const QTreeWidgetItem *p = n->parent(); p; p = p->parent())
            ++niveau;
        linjer.append({niveau, n->text(0)});
    }
    const QStringList tekst = information::strukturLinjer(linjer);
    const core::Encoding enc = skrivbar(tekst, m_strukturEncoding);
    const core::ReadResult r = core::writeLines(Strukturfile, tekst, enc);
    if (!r.ok) {
        m_fejl = r.error;
        return false;
    }
    m_strukturEncoding = enc;
    Modified = false;
    return true;
}

void TStruktur::anbring(QTreeWidgetItem *node, QTreeWidgetItem *maal, TNodeAttachMode mode)
{
    if (!maal) {
        addTopLevelItem(node);
        return;
    }
    QTreeWidgetItem *far = maal->parent();
    auto indsaet = [this, far, node](int pos) {
        if (far)
            far->insertChild(pos, node);
        else
            insertTopLevelItem(pos, node);
    };
    const int plads = far ? far->indexOfChild(maal) : indexOfTopLevelItem(maal);
    switch (mode) {
    case naAdd:
        indsaet(far ? far->childCount() : topLevelItemCount());
        break;
    case naAddFirst:
        indsaet(0);
        break;
    case naInsert:
        indsaet(plads);
        break;
    case naAddChild:
        maal->addChild(node);
        break;
    case naAddChildFirst:
        maal->insertChild(0, node);
        break;
    }
}

void TStruktur::efterAendring(bool sorter, bool gem)
{
    if (sorter) {
        sorterAlt();
        Modified = true;
    } else if (gem) {
        GemStruktur();
    } else {
        Modified = true;
    }
}

void TStruktur::NyNode(const QString &Tekst, const QString &Data, int Index, bool sorter, bool gem)
{
    if (Tekst.isEmpty())
        return;
    QTreeWidgetItem *maal = currentItem() ? currentItem() : forsteNode();
    auto *node = new QTreeWidgetItem(QStringList{Tekst});
    saetData(node, QString::number(Index) + Data, Index);
    anbring(node, maal, Flytmode);
    efterAendring(sorter, gem);
}

void TStruktur::RedigerNode(const QString &Tekst, const QString &Data, int Index, bool sorter, bool gem)
{
    QTreeWidgetItem *node = currentItem();
    if (Tekst.isEmpty() || !node)
        return;
    node->setText(0, Tekst);
    saetData(node, QString::number(Index) + Data, Index);
    efterAendring(sorter, gem);
}

void TStruktur::SletNode()
{
    QTreeWidgetItem *node = currentItem();
    if (!node)
        return;
    QList<QTreeWidgetItem *> sider;
    for (int i = 0; i < node->childCount(); ++i)
        sider << node->child(i);
    sider << node;
    if (DataOn) {
        const QString mappe = QFileInfo(Infomappe).canonicalFilePath();
        for (const QTreeWidgetItem *n : std::as_const(sider)) {
            const QString fil = sidefil(n);
            if (fil.isEmpty() || !QFileInfo(fil).isFile())
                continue;
            // Only pages that really lie in the page folder (no link leading elsewhere).
            if (mappe.isEmpty() || QFileInfo(QFileInfo(fil).canonicalFilePath()).path() != mappe)
                continue;
            FileDeleteRB(fil);
        }
    }
    if (node == m_nodeDown || node == m_nodeUp)
        m_nodeDown = m_nodeUp = nullptr, m_mouseDown = false;
    delete node;
    Modified = true;
}

QString TStruktur::SelectedData() const
{
    if (!DataOn)
        return {};
    return datatekst(currentItem());
}

void TStruktur::MusDown(int X, int Y)
{
    if (m_mouseDown) {
        m_mouseDown = false;
        unsetCursor();
        return;
    }
    m_nodeDown = itemAt(X, Y);
    if (m_nodeDown && m_nodeDown != forsteNode()) {
        m_mouseDown = true;
        setCursor(Qt::PointingHandCursor);
    }
}

void TStruktur::MusUp(int X, int Y, bool somGrundnode)
{
    if (!m_mouseDown)
        return;
    unsetCursor();
    m_mouseDown = false;
    m_nodeUp = itemAt(X, Y);
    if (!m_nodeUp || m_nodeUp == m_nodeDown || !m_nodeDown)
        return;
    // A node cannot go inside its own subtree.
    for (QTreeWidgetItem *p = m_nodeUp; p; p = p->parent())
        if (p == m_nodeDown)
            return;
    QTreeWidgetItem *far = m_nodeDown->parent();
    QTreeWidgetItem *node = far ? far->takeChild(far->indexOfChild(m_nodeDown))
                                : takeTopLevelItem(indexOfTopLevelItem(m_nodeDown));
    if (somGrundnode)
        insertTopLevelItem(0, node);
    else
        anbring(node, m_nodeUp, Flytmode);
    setCurrentItem(node);
    Modified = true;
}

bool TStruktur::FileDeleteRB(const QString &AFileName)
{
    if (!QFileInfo(AFileName).isFile())
        return false;
    return platform::tilPapirkurv(AFileName);
}

void TStruktur::sorterAlt()
{
    QCollator c{QLocale(QLocale::Danish, QLocale::Denmark)};
    c.setCaseSensitivity(Qt::CaseInsensitive);
    QTreeWidgetItem *valgt = currentItem();
    QList<QTreeWidgetItem *> top;
    while (topLevelItemCount() > 0)
        top << takeTopLevelItem(0);
    sorterBoern(top, c);
    addTopLevelItems(top);
    if (valgt)
        setCurrentItem(valgt);
}
