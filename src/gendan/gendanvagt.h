#pragma once
// TGendanVagt: keeps the recovery file of one document up to date.
//
// A few seconds after the last change (and at the latest a little while into a long spell of
// typing) the text is copied and handed to the store's worker; never more often than that.
// When the document is no longer modified (saved, or undone back to its saved state) its
// recovery file goes.

#include "gendan/gendanfil.h"

#include <QObject>
#include <QTimer>

#include <functional>

class TEditor;

namespace gendan {

class TGendanLager;

class TGendanVagt : public QObject {
    Q_OBJECT
public:
    // beskriv fills in the document's name, type and encoding at the time of a write.
    TGendanVagt(TGendanLager *lager, int id, TEditor *edit, std::function<GendanPost()> beskriv,
                QObject *parent = nullptr);

    static constexpr int kRoMs = 3000;    // quiet time after the last change
    static constexpr int kMaksMs = 20000; // longest wait while changes keep coming

    // Writes the recovery file now when the document is modified (used after a restore).
    void skrivNu();
    // The document closes for good: its recovery file goes, and nothing is written again.
    void dokumentLukket();

private:
    void aendret();

    TGendanLager *m_lager;
    int m_id;
    TEditor *m_edit;
    std::function<GendanPost()> m_beskriv;
    QTimer m_ro;
    QTimer m_maks;
    QByteArray m_kopi;
    bool m_skrevet = false;   // a recovery file exists (or is on its way)
    bool m_lukket = false;
};

} // namespace gendan
