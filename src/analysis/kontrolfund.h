#pragma once
// The findings of a check, placed in the checked document: each finding's tag is
// underlined with the finding as its tip, and the marks follow the text's edits.

#include <QList>
#include <QString>

class StructureModel;
class TEditor;

namespace kontrol {

struct Fund {
    qsizetype index = 0;   // the tag's "<" in the document string (CR LF as two)
    QString tekst;         // the node's label: the tag and its finding
};

// The nodes a check labelled with a finding (a label longer than the tag's name).
QList<Fund> fund(const StructureModel &model);

// Replaces edit's finding marks by findings, each over its tag from "<" to ">".
void markerFund(TEditor *edit, const QList<Fund> &findings);

} // namespace kontrol
