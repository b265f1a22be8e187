#include "analysis/vbabc.h"

#include "editor/editor.h"

#include <QList>
#include <QPair>

namespace analysis {

namespace {

bool erBogstav(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

bool kunBogstaver(const QString &s)
{
    if (s.isEmpty())
        return false;
    for (QChar c : s)
        if (!erBogstav(c))
            return false;
    return true;
}

} // namespace

VbOrdbog::VbOrdbog(const QStringList &titler)
{
    for (const QString &t : titler) {
        // Only titles that can equal a word count: a word is letters only.
        if (!kunBogstaver(t))
            continue;
        m_titler.insert(t);
        const QString noegle = t.toLower();
        if (!m_forste.contains(noegle))
            m_forste.insert(noegle, t);
    }
}

QString VbOrdbog::ret(const QString &ord) const
{
    if (m_titler.contains(ord))
        return ord;
    return m_forste.value(ord.toLower(), ord);
}

bool VbOrdbog::retLinie(QString &linje) const
{
    bool aendret = false;
    const qsizetype n = linje.size();
    bool saetningStart = true;   // no word yet in this statement (a "Rem" here is a comment)
    for (qsizetype i = 0; i < n;) {
        const QChar c = linje[i];
        // Only code is changed: a string runs to its closing quote ("" inside it is a quote
        // and closes and opens again), a comment to the end of the line.
        if (c == u'"') {
            const qsizetype luk = linje.indexOf(u'"', i + 1);
            i = luk < 0 ? n : luk + 1;
            saetningStart = false;
            continue;
        }
        if (c == u'\'')
            break;
        if (!erBogstav(c)) {
            if (c == u':')
                saetningStart = true;
            else if (c != u' ' && c != u'\t')
                saetningStart = false;
            ++i;
            continue;
        }
        qsizetype j = i;
        while (j < n && erBogstav(linje[j]))
            ++j;
        const QString ord = linje.mid(i, j - i);
        if (saetningStart && ord.compare(u"rem", Qt::CaseInsensitive) == 0 && (j == n || linje[j] == u' ' || linje[j] == u'\t')) {
            const QString ny = ret(ord);
            if (ny != ord) {
                linje.replace(i, j - i, ny);
                aendret = true;
            }
            break;
        }
        saetningStart = false;
        const QString ny = ret(ord);
        if (ny != ord) {   // same length: only the case differs
            linje.replace(i, j - i, ny);
            aendret = true;
        }
        i = j;
    }
    return aendret;
}

int retVbOrd(TEditor &edit, const VbOrdbog &ordbog)
{
    if (ordbog.isEmpty())
        return 0;
    const QString tekst = edit.text();
    QList<QPair<int, QString>> nye;
    int linje = 0;
    for (qsizetype start = 0; start <= tekst.size(); ++linje) {
        qsizetype slut = tekst.indexOf(u'\n', start);
        if (slut < 0)
            slut = tekst.size();
        QString l = tekst.mid(start, slut - start);
        if (ordbog.retLinie(l))
            nye.append({linje, l});
        start = slut + 1;
    }
    if (nye.isEmpty())
        return 0;
    const qsizetype anker = edit.anchorPos(), caret = edit.caretPos();
    edit.beginUndoAction();
    for (const auto &[nr, l] : std::as_const(nye))
        edit.replaceRange(edit.lineStart(nr), edit.lineEnd(nr), l);
    edit.endUndoAction();
    edit.setSelection(anker, caret);
    return int(nye.size());
}

} // namespace analysis
