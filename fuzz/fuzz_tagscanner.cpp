// Feeds arbitrary text to the caret analysis and the structure reader. Neither may crash,
// read outside the text or hang; the caret analysis must answer the same from a plain
// string and from the edit control, and the structure reader must build the
// same tree as a literal node-by-node reading.

#include "analysis/scantext.h"
#include "analysis/structure.h"
#include "analysis/tagscanner.h"
#include "codewriting/taglist.h"
#include "editor/editor.h"
#include "naivestructure.h"

#include <QApplication>

#include <cstdint>
#include <cstdlib>

namespace {

struct Lists {
    TagList noEnd, withEnd, exclude;
    Lists()
    {
        noEnd.setLines({"br", "img", "hr", "input", "meta", ""});
        withEnd.setLines({"html", "body", "p", "div", "ul", "li", "a", "b", "script", "style", "P"});
        exclude.setLines({"tbody"});
    }
};

bool samePos(const TPosData &a, const TPosData &b)
{
    return a.CurPos == b.CurPos && a.Tag == b.Tag && a.Attribut == b.Attribut && a.cssKode == b.cssKode
        && a.PosIndex == b.PosIndex && a.LastChar == b.LastChar;
}

} // namespace

// Font configuration and Qt's font engines keep their caches until the process ends; that
// is not our leak.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig\nleak:libQt6Gui\n";
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // The edit control is a widget, which needs a GUI application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const Lists lists;
    if (size < 2)
        return 0;
    // The first two bytes choose a caret; the rest is the text, with CR LF and lone CRs
    // turned into the edit control's single line break.
    const qsizetype caretSeed = data[0] | (data[1] << 8);
    QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');

    static TEditor *edit = new TEditor;
    edit->setText(text);
    // The control keeps what it was given, apart from characters it treats as breaks.
    const bool sameText = edit->text() == text;

    const ScanText plain(text);
    const ScanText fromDoc(edit, 1 + data[1] % 128);  // small runs put the seams everywhere
    for (qsizetype caret : {qsizetype(0), text.size(), caretSeed % (text.size() + 1), text.size() / 2}) {
        const std::optional<TPosData> a = scanCaret(plain, caret, lists.noEnd);
        const std::optional<TPosData> b = scanCaret(fromDoc, caret, lists.noEnd);
        if (sameText && bool(a) != bool(b))
            std::abort();
        if (sameText && a && !samePos(*a, *b))
            std::abort();
    }

    const StructureLists structureLists{lists.exclude, lists.noEnd, lists.withEnd};
    const StructureTree tree = readStructure(text, structureLists);
    if (text.size() < 4000 && !naive::sameTree(tree, naive::readStructure(text, structureLists)))
        std::abort();
    return 0;
}
