#pragma once
// One of the tag component's word lists: names kept sorted without regard to case, the
// first of two names that differ only in case kept. Lines are names exactly as they
// stand: "br " is not "br", and an empty line is an empty name.

#include "core/textfile.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <string>
#include <string_view>
#include <unordered_set>

// A cheap hash for short names (FNV-1a); looks up std::u16string keys by view.
struct NameHash {
    using is_transparent = void;
    size_t operator()(std::u16string_view s) const noexcept
    {
        size_t h = 14695981039346656037ull;
        for (char16_t c : s)
            h = (h ^ c) * 1099511628211ull;
        return h;
    }
};

inline std::u16string_view toView(QStringView s)
{
    return {reinterpret_cast<const char16_t *>(s.utf16()), size_t(s.size())};
}

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
    std::unordered_set<std::u16string, NameHash, std::equal_to<>> m_keys;  // case-folded names
};
