#pragma once
// Completion as you type: what may be written at the caret, the entries for it, and
// writing a chosen entry the way the code panels write it. No widgets here.
//
// The context is read from the caret's neighbourhood: the word being typed and what
// stands before it back to the "<" of the tag it is in. Only the test for a style element
// asks the caret analysis, and only where a "{" shows that CSS may be written.

#include "analysis/scantext.h"

#include <QHash>
#include <QString>
#include <QStringList>

class TagList;
class Tinfotag;

namespace fuldfoerelse {

enum class Slags { Ingen, Element, Attribut, Vaerdi, CssEgenskab, CssVaerdi, Entitet };

struct Kontekst {
    Slags slags = Slags::Ingen;
    qsizetype fra = 0;     // where the text an entry replaces begins ("<" or "&" included)
    QString skrevet;       // the part of the entry typed so far
    QString tag;           // Attribut, Vaerdi: the element
    QString attribut;      // Vaerdi: the attribute
    QString egenskab;      // CssVaerdi: the property
};

// The context at edit position caret. nosluttag: the tags without end tag, as the caret
// analysis takes them.
Kontekst findKontekst(const ScanText &text, qsizetype caret, const TagList &nosluttag);

// Whether typing c, which left the context k, opens the list: the character that begins
// the context ("<", "&", a blank in a tag, a quote or "=", ":" …) or the first letter of
// a word. Letters after that leave a list the user closed closed.
bool aabnerListe(const Kontekst &k, QChar c);

// The entries of each context, read from the program's data files once and kept.
class Kilder {
public:
    // programDir: the folder holding "Dir/" and "CSS/", with trailing "/".
    explicit Kilder(const QString &programDir);

    // The entries for k, sorted without regard to case; nosluttag and medSlutkode name the
    // elements, standalone the attributes that take no value.
    QStringList forslag(const Kontekst &k, const TagList &nosluttag, const TagList &medSlutkode,
                        const TagList &standalone);

    static const QStringList &entiteter();

private:
    const QStringList &attributter(const QString &tag);
    const QStringList &cssEgenskaber();
    const QStringList &cssVaerdier(const QString &egenskab);

    QString m_dir;
    QHash<QString, QStringList> m_attributter;
    QHash<QString, QStringList> m_cssVaerdier;
    QHash<QString, QString> m_cssGruppe;   // property -> its group (folder of its values)
    QStringList m_cssEgenskaber;
    bool m_cssLaest = false;
};

// Writes item for the context at the editor's caret with the panels' primitives: the text
// typed so far is replaced, an element with end tag gets both tags and the caret between,
// an attribute its quotes with the caret inside, a CSS property ": " after it. One undo
// step. Returns the context written for (Ingen when nothing was written).
Slags skriv(Tinfotag &taginf, const QString &item);

} // namespace fuldfoerelse
