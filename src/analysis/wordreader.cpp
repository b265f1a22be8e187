#include "analysis/wordreader.h"

#include <algorithm>

bool isWordChar(QChar c, WordKind kind)
{
    const char16_t u = c.unicode();
    const bool letter = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
    const bool digit = u >= u'0' && u <= u'9';
    switch (kind) {
    case WordKind::Ord:
    case WordKind::Js:
        return letter || digit || u == u'_';
    case WordKind::Attribut:
        return letter;
    case WordKind::Css:
        return letter || u == u'-' || u == u'@';
    }
    return false;
}

bool takesSelection(WordKind kind)
{
    return kind != WordKind::Attribut;
}

QString wordAt(QStringView line, qsizetype column, WordKind kind)
{
    column = std::clamp<qsizetype>(column, 0, line.size());
    qsizetype start = column, end = column;
    while (start > 0 && isWordChar(line[start - 1], kind))
        --start;
    while (end < line.size() && isWordChar(line[end], kind))
        ++end;
    return line.mid(start, end - start).toString();
}
