#pragma once
// Solid rectangles filled one after another, the touching or overlapping ones of one row and one
// colour filled as a single rectangle: the pixels are those of the separate fills (the later
// ones of a run would only paint the run's colour again), at a fraction of the calls. Merged only
// in MM_TEXT, where a rectangle's pixels are its logical coordinates as they are.
#include "platform/dc/Dc.h"

#include <algorithm>

namespace meshes {

class SolidRuns {
public:
    explicit SolidRuns(vd::Dc& dc);
    ~SolidRuns() { Flush(); }
    SolidRuns(const SolidRuns&) = delete;
    SolidRuns& operator=(const SolidRuns&) = delete;

    void Fill(int x, int y, int width, int height, vd::COLORREF colour)
    {
        if (held_ && colour == colour_ && y == run_.top && y + height == run_.bottom && width > 0 && x <= run_.right &&
            x + width >= run_.left) {
            run_.left = std::min(run_.left, x);
            run_.right = std::max(run_.right, x + width);
            return;
        }
        Start(x, y, width, height, colour);
    }
    // Fills what is held; call before anything else is drawn into the context.
    void Flush();
    vd::Dc& Context() const { return dc_; }

private:
    void Start(int x, int y, int width, int height, vd::COLORREF colour);

    vd::Dc& dc_;
    bool merge_;
    bool held_ = false;
    vd::Rect run_{};
    vd::COLORREF colour_ = 0;
};

} // namespace meshes
