#pragma once
// The view of the frame until the map view takes its place: an empty window that draws nothing
// and handles no command of its own.
#include "platform/ui/View.h"

class CPlaceholderView : public vd::View {
public:
    CPlaceholderView() = default;
};
