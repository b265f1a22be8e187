#pragma once
// Caret analysis: where in the HTML the caret stands.
//
// The scanner walks back from the caret. Inside a tag it names that tag and, in a start
// tag, the attribute whose quoted value holds the caret and the CSS property being
// written. Between tags it counts start and end tags backwards until it meets the start
// tag of the element the caret is in; tags that take no end tag are passed over.
//
// What is a tag is what TagLaeser reads as one (see taglaeser.h): a "<" in a quoted value,
// in a comment or in the content of script, style, textarea and title is text, on one line
// or over many. A caret in such a comment or content stands between tags, in the element
// around it (in script, the script). To know where TagLaeser stands when it comes to a
// line, the lines of an edit control are read forwards once and their states kept; an edit
// makes only the lines near it be read again (tagscanner.cpp tells how).

#include "analysis/scantext.h"

#include <QString>
#include <QStringView>

#include <optional>

class TagList;

enum TCursorPos { cpNone, cpInside, cpBetween, cpInsideEnd };

struct TPosData {
    TCursorPos CurPos = cpNone;
    QString Attribut;   // inside a start tag: attribute whose quoted value holds the caret
    QString cssKode;    // inside a start tag: the word before the nearest colon before the caret
    QString Tag;        // tag name as written, without "<" and "/"
    qsizetype PosIndex = 0;  // caret offset in the document string (CR LF counted as two)
    QChar LastChar = u' ';   // character before the caret (LF for a line break)
};

// Characters that end a tag name. Blanks, line breaks and "/" (as in "<br/>") end it as
// well as ">" and "<".
bool isTagNameEnd(QChar c);

// Whether "<" followed by `next` is plain text or a comment, declaration, server block or
// processing instruction rather than a tag.
bool isNoTagAfterLt(QChar next);

// The tag name starting at `from`; a "%" is taken and ends the name (so "<%" names "%").
QStringView readTagName(QStringView text, qsizetype from);

// Analyses the caret at edit position `caret`. Returns nothing when the text is longer
// than one character and does not start with "<": only HTML is analysed. A tag being
// written (its "<" the nearest before the caret, no ">" between, at most kMaksTag back)
// holds the caret too, as do "<!", "<%", "<?", "</" and a "<" just typed.
std::optional<TPosData> scanCaret(const ScanText &text, qsizetype caret, const TagList &nosluttag);

// The tag holding the caret (the caret after its "<", or right before it) and the tag that
// pairs with it, found by the same count of tags as the walk between tags: from a start tag
// forwards to the end tag that brings the count back, from an end tag back to its start
// tag. A partner of another name (misnested tags), a start tag without end tag and an
// element left open have no partner. The tag's ends are TagLaeser's: a ">" in a value does
// not end it.
struct TagPar {
    qsizetype start = -1, slut = -1;                 // the tag: its "<" and after its ">"
    qsizetype partnerStart = -1, partnerSlut = -1;   // -1: no partner
    bool operator==(const TagPar &) const = default;
};
// The longest tag looked through for its ends.
inline constexpr qsizetype kMaksTag = 20000;
std::optional<TagPar> matchendeTag(const ScanText &text, qsizetype caret, const TagList &nosluttag);
