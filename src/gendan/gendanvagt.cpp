#include "gendan/gendanvagt.h"

#include "editor/editor.h"
#include "gendan/gendanlager.h"

namespace gendan {

TGendanVagt::TGendanVagt(TGendanLager *lager, int id, TEditor *edit, std::function<GendanPost()> beskriv,
                         QObject *parent)
    : QObject(parent), m_lager(lager), m_id(id), m_edit(edit), m_beskriv(std::move(beskriv))
{
    m_ro.setSingleShot(true);
    m_ro.setInterval(kRoMs);
    m_maks.setSingleShot(true);
    m_maks.setInterval(kMaksMs);
    connect(&m_ro, &QTimer::timeout, this, &TGendanVagt::skrivNu);
    connect(&m_maks, &QTimer::timeout, this, &TGendanVagt::skrivNu);
    connect(edit, &TEditor::tekstAendret, this, &TGendanVagt::aendret);
    connect(edit, &TEditor::modificationChanged, this, [this](bool modificeret) {
        if (!modificeret)
            skrivNu();   // saved: the recovery file goes at once
    });
}

void TGendanVagt::aendret()
{
    if (m_lukket)
        return;
    m_ro.start();
    if (!m_maks.isActive())
        m_maks.start();
}

void TGendanVagt::skrivNu()
{
    m_ro.stop();
    m_maks.stop();
    if (m_lukket)
        return;
    if (m_edit->isModified()) {
        GendanPost post = m_beskriv();
        post.tid = QDateTime::currentDateTimeUtc();
        m_edit->utf8Kopi(m_kopi);   // the last copy's memory, once the worker has let go of it
        post.tekst = m_kopi;
        m_lager->skriv(m_id, std::move(post));
        m_skrevet = true;
    } else if (m_skrevet) {
        m_lager->fjern(m_id);
        m_skrevet = false;
        m_kopi = QByteArray();
    }
}

void TGendanVagt::dokumentLukket()
{
    m_ro.stop();
    m_maks.stop();
    m_lukket = true;
    if (m_skrevet)
        m_lager->fjern(m_id);
    m_skrevet = false;
    m_kopi = QByteArray();
}

} // namespace gendan
