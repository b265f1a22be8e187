#include "shell/mainopt.h"

#include "core/optionfile.h"
#include "core/programfolder.h"
#include "shell/visualstyles.h"

#include <QFileInfo>

namespace shell {

MainOpt MainOpt::standard()
{
    MainOpt o;
    o.dirBoksFolder = core::ProgramFolder::documentsDir();
    return o;
}

MainOpt MainOpt::hent(const QString &path, bool *fromFile)
{
    if (fromFile) *fromFile = false;
    core::OptionReader r(path, kLines);
    if (!r.ok())
        return standard();

    MainOpt o;
    o.designName = findVisualStyle(r.text(0));
    if (o.designName.isEmpty())
        r.fail();
    o.PanelPlacering = r.integer(5, 0, 4);
    o.dirBoksFolder = r.text(6);
    if (!QFileInfo(o.dirBoksFolder).isDir())
        r.fail();
    o.filterIndex = r.integer(7);
    o.dirBoksHeight = r.integer(8);
    o.filPanelVisible = r.boolean(9);
    o.filPanelSplitterVisible = r.boolean(10);
    o.betweenlisteHeight = r.integer(11);
    o.valuelisteHeight = r.integer(12);
    o.bogVisible = r.boolean(13);
    o.filPanelWidth = r.integer(14);
    o.visFtpFunktioner = r.boolean(15);
    o.autoSenesteFM = r.boolean(16);
    o.jsObjektName = r.text(17);
    for (int i = 0; i < 4; ++i)
        o.knapboks[i] = r.boolean(18 + i);
    o.objStrukturBredde = r.integer(22);
    o.top = r.integer(1);
    o.left = r.integer(2);
    o.width = r.integer(3);
    o.height = r.integer(4);
    if (!r.ok())
        return standard();
    if (fromFile) *fromFile = true;
    return o;
}

bool MainOpt::gem(const QString &path, QString *error) const
{
    core::OptionWriter w;
    w.add(designName).add(top).add(left).add(width).add(height).add(PanelPlacering)
        .add(dirBoksFolder).add(filterIndex).add(dirBoksHeight).add(filPanelVisible)
        .add(filPanelSplitterVisible).add(betweenlisteHeight).add(valuelisteHeight)
        .add(bogVisible).add(filPanelWidth).add(visFtpFunktioner).add(autoSenesteFM)
        .add(jsObjektName);
    for (bool k : knapboks)
        w.add(k);
    w.add(objStrukturBredde);
    return w.write(path, error);
}

} // namespace shell
