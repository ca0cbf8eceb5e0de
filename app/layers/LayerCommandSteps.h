#pragma once
// The steps the layer settings commands share: the dialog call with the layer-dialog flag up,
// the end of an accepted answer, and the reset of a family that was never set.
#include "app/document/VeldoranDoc.h"

#include <array>
#include <string>

// Calls the dialog with the document's layer-dialog flag up for its duration.
template <class Call>
std::string RunLayerDialog(CVeldoranDoc& doc, Call call)
{
    doc.repaint.m_bLayerDialogOpen = 1;
    std::string answer = call();
    doc.repaint.m_bLayerDialogOpen = 0;
    return answer;
}

// What every accepted answer does after storing it: the preset is forgotten and the main map drawn.
void FinishLayerAnswer(CVeldoranDoc& doc);

template <std::size_t Tabs>
void ClearFlags(std::array<std::array<int, 7>, Tabs>& flags)
{
    for (auto& tab : flags)
        tab.fill(0);
}

template <std::size_t Tabs>
void ClearValues(std::array<std::array<int, 5>, Tabs>& values)
{
    for (auto& tab : values)
        tab.fill(0);
}

template <std::size_t N>
void ClearTexts(std::array<std::string, N>& texts, int first = 0, int last = int(N) - 1)
{
    for (int i = first; i <= last; ++i)
        texts[i].clear();
}
