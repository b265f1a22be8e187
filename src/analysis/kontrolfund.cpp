#include "analysis/kontrolfund.h"

#include "analysis/scantext.h"
#include "analysis/structuremodel.h"
#include "analysis/taglaeser.h"
#include "analysis/tagscanner.h"
#include "editor/editor.h"

namespace kontrol {

namespace {

bool blank(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

// Where the attribute navn is named in tag (the tag's text from its "<"), outside its values;
// -1 when it is not.
qsizetype attributSted(const QString &tag, const QString &navn)
{
    QChar citat;
    for (qsizetype i = 1; i < tag.size(); ++i) {
        const QChar c = tag[i];
        if (!citat.isNull()) {
            if (c == citat)
                citat = QChar();
            continue;
        }
        if (c == u'"' || c == u'\'') {
            citat = c;
            continue;
        }
        // A name follows a blank, a "/" or a value's closing quote.
        const QChar foer = tag[i - 1];
        if (!blank(foer) && foer != u'/' && foer != u'"' && foer != u'\'')
            continue;
        const qsizetype slut = i + navn.size();
        if (QStringView(tag).mid(i, navn.size()).compare(navn, Qt::CaseInsensitive) == 0
            && (slut >= tag.size() || blank(tag[slut]) || tag[slut] == u'=' || tag[slut] == u'>' || tag[slut] == u'/'))
            return i;
    }
    return -1;
}

} // namespace

QList<Fund> fund(const StructureModel &model)
{
    QList<Fund> list;
    const StructureTree &tree = model.tree();
    for (int id = 1; id < tree.count(); ++id) {
        const StructureNode &n = tree.node(id);
        const qsizetype space = n.text.indexOf(u' ');
        if (space < 0 || n.text.mid(space).trimmed().isEmpty())
            continue;
        list.append({n.data.Index, n.text});
    }
    return list;
}

void markerFund(TEditor *edit, const QList<Fund> &findings)
{
    if (!edit)
        return;
    edit->fjernMarkeringer(TEditor::Markering::Fund);
    const qsizetype length = edit->length();
    for (const Fund &f : findings) {
        const qsizetype start = editPosition(edit, f.index);
        if (start < 0 || start >= length)
            continue;
        // To the tag's ">" (one in a value belongs to the value), or to the next "<" of a tag
        // left unfinished; read in growing pieces, as most tags are short.
        qsizetype end = start + 1;
        for (qsizetype n = 256;; n *= 8) {
            const QString stykke = edit->textRange(start, std::min(length, start + n));
            TagLaeser laeser(stykke);
            const std::optional<TagLaeser::Tag> tag = laeser.naeste();
            const bool hel = tag && tag->start == 0 && (tag->slut < stykke.size() || stykke.endsWith(u'>'));
            end = start + (tag && tag->start == 0 ? tag->slut : 1);
            if (hel || n >= kMaksTag || start + n >= length)
                break;
        }
        // An unknown attribute is marked where it is named; the rest of the tag is not wrong.
        bool attributter = false;
        static const QString kUkendt = QStringLiteral(" Ukendt: ");
        const QString tag = edit->textRange(start, end);
        for (qsizetype k = f.tekst.indexOf(kUkendt); k >= 0; k = f.tekst.indexOf(kUkendt, k + 1)) {
            const qsizetype fra = k + kUkendt.size();
            const qsizetype til = f.tekst.indexOf(u' ', fra);
            const QString navn = f.tekst.mid(fra, til < 0 ? -1 : til - fra);
            const qsizetype sted = navn.isEmpty() ? -1 : attributSted(tag, navn);
            if (sted < 0)
                continue;
            edit->marker(TEditor::Markering::Fund, start + sted, start + sted + navn.size(), f.tekst);
            attributter = true;
        }
        if (!attributter)
            edit->marker(TEditor::Markering::Fund, start, end, f.tekst);
    }
}

} // namespace kontrol
