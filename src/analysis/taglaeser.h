#pragma once
// TagLaeser reads the tags of a page in order, the way a browser tells tags from text:
// - a tag starts with "<" and a letter ("</" and a letter for an end tag); any other "<"
//   ("a <= b", "<!DOCTYPE", "<%", "< p") is text;
// - inside a tag, an attribute value ends only at its closing quote, or, unquoted, at a
//   blank or ">": a "<" or ">" in a value belongs to the value. Outside a value a "<" ends
//   a tag that was never closed, so it cannot swallow the page; so does a value whose quote
//   is not closed within kMaksTag characters;
// - comments ("<!-- … -->") are skipped whole, and the content of script, style, textarea
//   and title is text up to the element's own end tag.

#include <QStringView>

#include <optional>

class TagLaeser {
public:
    explicit TagLaeser(QStringView text) : m_text(text) {}

    struct Tag {
        qsizetype start = 0;       // its "<"
        qsizetype navnStart = 0;   // its name: [navnStart, navnSlut)
        qsizetype navnSlut = 0;
        qsizetype slut = 0;        // after its ">" (or where an unclosed tag was let go)
        bool slutkode = false;     // "</name"
    };

    // The next tag, or nothing when the page has no more.
    std::optional<Tag> naeste();

    // Where reading goes on: the end of the last tag (or of the text after it that is
    // not read for tags).
    qsizetype position() const { return m_pos; }

    // Whether c ends a tag's name: a blank, a line break, "/", ">" or "<".
    static bool navneslut(QChar c);
    // Whether c can start a tag's name (an ASCII letter).
    static bool bogstav(QChar c);

    // The longest tag read through for its ">".
    static constexpr qsizetype kMaksTag = 20000;

    // The pieces of the reading, for readers that take a page a line at a time (the caret
    // analysis) and must find the same tags.
    //
    // The tag whose "<" stands at lt, read to the end of its name (its `slut` not yet
    // known); nothing when that "<" starts no tag.
    static std::optional<Tag> tagNavn(QStringView text, qsizetype lt);
    // Where the tag whose name ends at fra ends: after its ">", at a "<" outside a value,
    // or at fra when a quote or the ">" is not found within kMaksTag. `helTekst` tells
    // whether text runs to the end of the page; when it does not and the answer lies beyond
    // text, -1. Text running kMaksTag + 1 characters past fra (or to the page's end) always
    // gives the answer.
    static qsizetype tagSlut(QStringView text, qsizetype fra, bool helTekst = true);
    // Where the end tag of the element named navn (script, style...) starts in text from
    // fra: "</", the name in any case and a character ending a name (or the end of text);
    // text.size() when there is none.
    static qsizetype raatekstSlut(QStringView text, QStringView navn, qsizetype fra);
    // Whether the content of the element named navn is text up to its own end tag: 0 when
    // not, else 1 + its place in the list script, style, textarea, title.
    static int raatekst(QStringView navn);
    // The name of raatekst's element number nr.
    static QStringView raatekstNavn(int nr);

private:

    QStringView m_text;
    qsizetype m_pos = 0;
};
