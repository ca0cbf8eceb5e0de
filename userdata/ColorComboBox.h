#pragma once
// An owner-drawn combo box whose items are colours (the item data is the COLORREF): each item
// is a swatch 20 pixels high with the focus rectangle around it.
#include "platform/ui/Controls.h"

#include <cstdint>

class CColorComboBox : public vd::ComboBox {
public:
    // The ten colours of the place-name sub-classes, index = position; 9 (white) also stands for
    // a sub-class without a colour.
    void AddColours();

    void DrawItem(vd::DrawItemInfo& item) override;
    int MeasureItem(int itemId) override;
    int CompareItem(std::uintptr_t first, std::uintptr_t second) override;
};
