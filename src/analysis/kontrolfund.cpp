#include "analysis/kontrolfund.h"

#include "analysis/scantext.h"
#include "analysis/structuremodel.h"
#include "analysis/tagscanner.h"
#include "editor/editor.h"

namespace kontrol {

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
        // To the tag's ">", or to the next "<" of a tag left unfinished; read in growing
        // pieces, as most tags are short.
        qsizetype end = start + 1;
        for (qsizetype n = 256;; n *= 8) {
            const QString tag = edit->textRange(start, std::min(length, start + n));
            qsizetype i = 1;
            while (i < tag.size() && tag[i] != u'>' && tag[i] != u'<')
                ++i;
            end = start + (i < tag.size() && tag[i] == u'>' ? i + 1 : i);
            if (i < tag.size() || n >= kMaksTag || start + n >= length)
                break;
        }
        edit->marker(TEditor::Markering::Fund, start, end, f.tekst);
    }
}

} // namespace kontrol
