#pragma once
// TPartnerTag: with the caret in a start or end tag of an HTML document, that tag and the
// tag it pairs with are marked (from the caret analysis, matchendeTag); the command "Gå til
// modsvarende kode" moves the caret between them. One per main window.

#include "analysis/tagscanner.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class TEditor;
class TagList;

class TPartnerTag : public QObject {
    Q_OBJECT
public:
    explicit TPartnerTag(const TagList &nosluttag, QObject *parent = nullptr);

    // Connects a document's edit control; once per control.
    void tilknyt(TEditor *edit);
    // Marks the tags at edit's caret now (caret moves mark once control returns to the
    // event loop: one analysis for the several signals of one move).
    void opdater(TEditor *edit);
    // Moves the caret into the partner of the tag at the caret; false when it has none.
    bool gaaTilPartner(TEditor *edit);

private:
    const TagList &m_nosluttag;
    QPointer<TEditor> m_venter;
    QTimer m_timer;
};
