#pragma once
// One of the tag component's word lists: names kept sorted without regard to case, the
// first of two names that differ only in case kept. Lines are names exactly as they
// stand: "br " is not "br", and an empty line is an empty name.

#include "core/textfile.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

class TagList {
public:
    // Replaces the content with the lines of the file; on failure the list is unchanged.
    core::ReadResult load(const QString &fileName);
    void setLines(const QStringList &lines);

    bool contains(QStringView name) const;
    const QStringList &items() const { return m_items; }
    qsizetype size() const { return m_items.size(); }

private:
    QStringList m_items;   // sorted for display
    QSet<QString> m_keys;  // case-folded names for lookups
};
