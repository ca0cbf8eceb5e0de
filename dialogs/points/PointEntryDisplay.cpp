#include "dialogs/points/PointEntryDisplay.h"

#include "platform/text/Format.h"
#include "platform/ui/Dialog.h"

#include <utility>

void ShowPointEntry(vd::Dialog& dialog, const PointList& list, int index, const PointEntryControls& controls)
{
    const bool inList = index >= 0 && index < list.count;
    const PointEntryFields fields = SplitPointEntry(inList ? list.entry[index] : std::string());
    const std::pair<int, const std::string*> shown[] = {
        {controls.name, &fields.name},         {controls.item, &fields.item},
        {controls.latitude, &fields.latitude}, {controls.longitude, &fields.longitude},
        {controls.textFile, &fields.textFile}, {controls.pictureFile, &fields.pictureFile},
    };
    for (const auto& [id, text] : shown)
        if (id != 0)
            dialog.SetDlgItemText(id, *text);
}

void ShowPointCount(vd::Dialog& dialog, const PointList& list, const PointEntryControls& controls)
{
    dialog.SetDlgItemText(controls.position, vd::format("%d件", list.count));
}

void ShowPointPosition(vd::Dialog& dialog, const PointList& list, int selection, const PointEntryControls& controls)
{
    dialog.SetDlgItemText(controls.position, vd::format("%d/%d", selection + 1, list.count));
}
