#include "codewriting/taglist.h"

#include <QCollator>

#include <algorithm>
#include <iterator>

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
        if (!m_keys.insert(std::u16string(toView(line.toCaseFolded()))).second)
            continue;
        m_items.append(line);
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(m_items.begin(), m_items.end(),
                     [&](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
}

bool TagList::contains(QStringView name) const
{
    // The structure reader asks millions of times: fold short ASCII names on the stack.
    char16_t folded[64];
    if (name.size() <= qsizetype(std::size(folded))) {
        qsizetype i = 0;
        for (; i < name.size(); ++i) {
            const char16_t c = name[i].unicode();
            if (c >= 0x80)
                break;
            folded[i] = c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
        }
        if (i == name.size())
            return m_keys.contains(std::u16string_view(folded, size_t(i)));
    }
    return m_keys.contains(toView(name.toString().toCaseFolded()));
}
