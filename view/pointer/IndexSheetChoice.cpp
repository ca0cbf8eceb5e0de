// The sheet chosen by a double click on the 1:200,000 index map: the cell's south-west corner
// as index texts, looked up in the sheet index.
#include "view/pointer/PointerActions.h"

#include "app/document/VeldoranDoc.h"
#include "platform/text/Format.h"
#include "platform/ui/WaitCursor.h"
#include "view/sheetmap/IndexMapLayout.h"
#include "view/window/VeldoranView.h"

bool IndexCellTexts(int x, int y, int clientWidth, std::string& longitude, std::string& latitude)
{
    const IndexMapLayout grid = SheetIndexLayout(clientWidth);
    if (x < grid.left || x >= grid.left + kIndexColumns * grid.columnWidth || y < grid.top ||
        y >= grid.top + kIndexRows * grid.rowHeight)
        return false;
    // Columns by degrees from 123 east, rows by 40 minutes down from 45 20 north, measured from
    // where the index writes the sheets' names.
    const int column = (x - grid.left - 2) / grid.columnWidth;
    const int minutes = 1280 - (y - grid.top - 5) / grid.rowHeight * 40;
    longitude = vd::format("%d.0000", 123 + column);
    const int rest = minutes % 60;
    latitude = vd::format("%d", minutes / 60 + 24) + (rest == 0 ? ".0000" : rest == 20 ? ".2000" : ".4000");
    return true;
}

void PointerActions::OpenSheetAtPoint(int x, int y)
{
    std::string longitude, latitude;
    if (!IndexCellTexts(x, y, m_view.m_nSavedWidth, longitude, latitude))
        return;
    vd::WaitCursor wait;
    // A cell without a sheet (the open sea) keeps the current one.
    const std::string current = m_doc.m_strMapName;
    m_doc.ShowSheetAt(longitude, latitude);
    if (m_doc.m_strMapName.empty())
        m_doc.m_strMapName = current;
}
