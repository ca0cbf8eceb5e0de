#pragma once
// What every point theme shares: the layer pen and the label font for the call, the square
// marker with its label and the spacing rule, the early stop of the whole-country files, the
// prefecture filter and the reading of a point file line by line (whole lines, any length).
#include "layers/render/LayerRenderer.h"

#include "platform/fs/TextReader.h"

#include <optional>
#include <string>
#include <string_view>

namespace points {

constexpr int kFullDetail = 3;

// Squared pixels: 40 px apart at full detail, 50 px otherwise.
inline int SpacingThreshold(int detailLevel) { return detailLevel >= kFullDetail ? 1600 : 2500; }

// Records outside the extent, in a row, after which a whole-country file stops: more on a wide map.
int StopLimit(const CLayerRenderer& r);

// The cell count of a one-file theme: the argument, or the block's when it is -1.
int PointCellCount(CLayerRenderer& r, int cellCount);

// The layer pen (of the item code) in place of the caller's until the end of the scope.
class LayerPen {
public:
    explicit LayerPen(CLayerRenderer& r);
    ~LayerPen();
    LayerPen(const LayerPen&) = delete;
    LayerPen& operator=(const LayerPen&) = delete;

private:
    CLayerRenderer& r_;
    vd::Pen kept_;
};

// The label font for cellCount cells and a transparent background until the end of the scope.
class LabelFont {
public:
    LabelFont(CLayerRenderer& r, int cellCount);
    ~LabelFont();
    LabelFont(const LabelFont&) = delete;
    LabelFont& operator=(const LabelFont&) = delete;

private:
    CLayerRenderer& r_;
};

// The markers of one operation: a 5 x 5 square with the current pen and brush, a label to its
// right at full detail, and the previous marker (from (0, 0)) that the spacing rule measures.
class PointMarks {
public:
    PointMarks(CLayerRenderer& r, int threshold, int labelDx = 3) : r_(r), threshold_(threshold), labelDx_(labelDx) {}
    // Far enough from the previous marker for a label.
    bool Spaced(ScreenPoint p) const;
    void Marker(ScreenPoint p) const;
    // The label, when the detail level shows labels.
    void Label(ScreenPoint p, std::string_view text) const;
    bool ShowsLabels() const { return r_.DetailLevel == kFullDetail; }
    ScreenPoint previous;

private:
    CLayerRenderer& r_;
    int threshold_;
    int labelDx_;
};

// Reading stops after more than 100 spaced points when the records outside the extent since the
// last of them reach the limit.
struct EarlyStop {
    int limit = 0;
    int spaced = -1;
    int outside = 0;
    bool Due() const { return spaced > 100 && outside == limit; }
    void CountSpaced()
    {
        ++spaced;
        outside = 0;
    }
};

// The record's point on the screen, or none when it lies outside the DrawExtent.
std::optional<ScreenPoint> PointOnScreen(const CLayerRenderer& r, std::string_view line);
std::optional<ScreenPoint> SecondsOnScreen(const CLayerRenderer& r, int latitude, int longitude);

// Whether the record's prefecture (the 2-digit number at column) is selected: always with an
// empty flag text or field 0 (whole country) set.
bool PrefectureSelected(const CLayerRenderer& r, bool filter, std::string_view line, int column);
// The filter applies when the flag text is not empty and its whole-country field is 0 (after
// ParseOptionList).
inline bool FiltersPrefectures(const CLayerRenderer& r, const std::string& flagText)
{
    return !flagText.empty() && r.OptionList[0] == 0;
}

// Each raw line of the file until visit returns false; false when the file cannot be opened.
template <class Visit>
bool ForEachLine(const std::string& winPath, Visit visit)
{
    vd::TextReader reader;
    if (!reader.open(winPath))
        return false;
    std::string line;
    while (reader.readRawLine(line))
        if (!visit(std::string_view(line)))
            break;
    return true;
}

// The per-mesh themes: each prefecture file (stem + code + ".txt") of the block's cells, once per
// call. Prepare before the label font (it settles the cell count), then Visit.
class PointFileWalk {
public:
    PointFileWalk(CLayerRenderer& r, int cellCount);
    int CellCount() const { return walk_.cellCount; }
    template <class Visit>
    void ForEachFile(Visit visit)
    {
        BeginCells();
        r_.ForEachCellPrefecture(walk_,
                                 [&](const std::string& prefecture) { visit(r_.DataSetPath + prefecture + ".txt"); });
    }

private:
    void BeginCells();
    CLayerRenderer& r_;
    CLayerRenderer::CellWalk walk_;
};

} // namespace points
