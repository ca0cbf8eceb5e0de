// The place-name symbol settings: the class dialog on the document's symbol table, opened at the
// major class of the last search.
#include "app/document/VeldoranDoc.h"
#include "userdata/NaturalPlaceNamesDialog.h"

void CVeldoranDoc::OnPlaceSymbolSettings()
{
    CDlgNaturalPlaceNames dialog;
    dialog.m_strAppDir = folders.m_strAppDir;
    // Search classes 1-7 open their page (7, public facilities, the second public part).
    dialog.m_nMajorClass = m_nGnpfValue3 > 0 && m_nGnpfValue3 <= 7 ? m_nGnpfValue3 - 1 : 2;
    for (int row = 0; row < kSymbolRows; ++row)
        for (int column = 0; column < kSymbolColumns; ++column)
            dialog.m_anSymbol[row][column] = placeNameClasses.m_anSymbolSetting[row][column];
    dialog.m_bColourBySubclass = placeNameClasses.m_bClassColours;
    repaint.m_bLayerDialogOpen = 1;
    if (dialog.DoModal() == vd::IDOK) {
        placeNameClasses.m_bClassColours = dialog.m_bColourBySubclass;
        if (dialog.m_bSymbolsSaved == 1)
            for (int row = 0; row < kSymbolRows; ++row)
                for (int column = 0; column < kSymbolColumns; ++column)
                    placeNameClasses.m_anSymbolSetting[row][column] = dialog.m_anSymbol[row][column];
    }
    repaint.m_bLayerDialogOpen = 0;
}
