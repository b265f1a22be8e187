#include "codewriting/taglist.h"

#include <QCollator>

#include <algorithm>

core::ReadResult TagList::load(const QString &fileName)
{
    QStringList lines;
    core::ReadResult r = core::readLines(fileName, lines);
    if (r.ok)
        setLines(lines);
    return r;
}

void TagList::setLines(const QStringList &lines)
{
    m_items.clear();
    m_keys.clear();
    for (const QString &line : lines) {
        const QString key = line.toCaseFolded();
        if (m_keys.contains(key))
            continue;
        m_keys.insert(key);
        m_items.append(line);
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(m_items.begin(), m_items.end(),
                     [&](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
}

bool TagList::contains(QStringView name) const
{
    return m_keys.contains(name.toString().toCaseFolded());
}
