#include "search/dokumentsoegning.h"

#include "editor/editor.h"

namespace search {

qsizetype findNaeste(TEditor *edit, const QString &what, SoegeValg valg, bool nedad)
{
    if (!edit || what.isEmpty())
        return -1;
    const qsizetype len = dokumentTekst(what).size();
    const qsizetype selStart = edit->SelStart();
    qsizetype hit = -1;
    if (nedad) {
        hit = edit->find(what, selStart + edit->SelLength(), valg.forskel, valg.heleOrd);
    } else {
        for (qsizetype start = 0; start < selStart;) {
            const qsizetype h = edit->find(what, start, valg.forskel, valg.heleOrd, selStart);
            if (h < 0)
                break;
            hit = h;
            start = h + 1;
        }
    }
    if (hit >= 0) {
        edit->setFocus();
        edit->setSelection(hit, hit + len);
    }
    return hit;
}

qsizetype erstatEn(TEditor *edit, const QString &what, const QString &with, SoegeValg valg)
{
    if (!edit || what.isEmpty())
        return -1;
    const qsizetype start = edit->hasSelection() ? edit->SelStart() + edit->SelLength() : 0;
    const qsizetype hit = edit->find(what, start, valg.forskel, valg.heleOrd);
    if (hit < 0)
        return -1;
    edit->setFocus();
    edit->setSelection(hit, hit + dokumentTekst(what).size());
    edit->replaceSelection(with);
    return hit;
}

int erstatAlle(TEditor *edit, const QString &what, const QString &with, SoegeValg valg)
{
    if (!edit || what.isEmpty())
        return 0;
    const qsizetype len = dokumentTekst(what).size();
    const qsizetype nyLen = dokumentTekst(with).size();
    int count = 0;
    edit->beginUndoAction();
    for (qsizetype start = 0;;) {
        const qsizetype hit = edit->find(what, start, valg.forskel, valg.heleOrd);
        if (hit < 0)
            break;
        edit->replaceRange(hit, hit + len, with);
        ++count;
        start = hit + nyLen;
    }
    edit->endUndoAction();
    if (count > 0)
        edit->setFocus();
    return count;
}

QList<Traef> soegIDokument(TEditor *edit, const QString &dokument, const QString &what, SoegeValg valg,
                           const QString *with)
{
    QList<Traef> rows;
    if (!edit || what.isEmpty())
        return rows;
    const qsizetype selStart = edit->SelStart();
    const qsizetype len = dokumentTekst(what).size();
    const qsizetype nyLen = with ? dokumentTekst(*with).size() : 0;
    if (with)
        edit->beginUndoAction();
    for (qsizetype start = 0;;) {
        const qsizetype hit = edit->find(what, start, valg.forskel, valg.heleOrd);
        if (hit < 0)
            break;
        if (with)
            edit->replaceRange(hit, hit + len, *with);
        rows.append({dokument, hit, edit->lineText(edit->lineOf(hit))});
        start = hit + (with ? nyLen : len);
    }
    if (with)
        edit->endUndoAction();
    edit->setCaretPos(std::min(selStart, edit->length()));
    return rows;
}

} // namespace search
