#pragma once
// The capitalisation of VBScript words after the VBScript reference: response.write becomes
// Response.Write when the reference has entries titled Response and Write.

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

class TEditor;

namespace analysis {

class VbOrdbog {
public:
    // The reference's titles in depth-first order; the first title of a spelling wins.
    explicit VbOrdbog(const QStringList &titler);

    // The word as the reference writes it, or the word itself. A word written as one of the
    // titles stays as it is, so running the command twice changes nothing the second time.
    QString ret(const QString &ord) const;
    // Corrects every word (run of the letters A-Z, a-z) of the line's code, leaving its
    // strings and its comment (after "'" or "Rem") as written; true when one changed.
    bool retLinie(QString &linje) const;

    bool isEmpty() const { return m_forste.isEmpty(); }

private:
    QHash<QString, QString> m_forste;   // small letters → the first title so spelt
    QSet<QString> m_titler;
};

// Corrects the whole document as one undo step, writing back only the lines in which a word
// changed; the caret stays where it was. Returns the number of lines written.
int retVbOrd(TEditor &edit, const VbOrdbog &ordbog);

} // namespace analysis
