#pragma once
// The frame that every drawing entry point shares, as pure pieces: how the area text splits, how
// each argument form fills the renderer's fields, the white map's extent and scales; and the run
// of one call, which builds the renderer, lets the chosen layer operation draw, and gives the
// caller back its pen, brush and font on every path (also when an operation leaves early or
// fails part-way). Background mode and colours stay as the operation leaves them.
#include "layers/render/LayerDrawParams.h"
#include "layers/render/LayerRenderer.h"

#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

// How far a plain form splits its AreaSpecString ("wide area/data name/flags"): both steps or the
// first only; "Checked" forms split only when the first "/" exists.
enum class AreaSpecSplit { BothSteps, BothStepsChecked, FirstStep, FirstStepChecked };

struct AreaSpecParts {
    std::string wideAreaName;
    std::string dataName;
    std::string remainder; // what is passed on to the layer operation
};
AreaSpecParts SplitAreaSpec(std::string_view spec, AreaSpecSplit split);

// The six strings that follow the scalars of every form.
struct LayerStrings {
    std::string s1, s2, s3, s4, s5, s6;
};

// The scalars of the plain line form (OnDdPlainRiver, OnDdPlainRoad) and of the other plain forms
// that share its fields.
struct PlainScalars {
    int itemCode = 0;
    int north = 0, west = 0, south = 0, east = 0;
    int areaKind = 0, wideAreaMode = 0, blockMode = 0;
    int statusFlag = 0, detailLevel = 0, statusLineY = 0;
    float xOrigin = 0, yOrigin = 0, xScale = 0, yScale = 0;
};
// Plain forms: string 1 is the AreaSpecString (its wide-area name is taken), strings 2-6 the
// mesh code, the two block centres, the data set and the data folder; the status flag is also
// the progress flag.
LayerDrawParams PlainParams(const PlainScalars& a, const AreaSpecParts& area, LayerStrings s);

// The white map at mesh scale.
struct WhiteExtent {
    int north = 0, west = 0, south = 0, east = 0;
    friend bool operator==(const WhiteExtent&, const WhiteExtent&) = default;
};
// Block mode 1 is the single mesh; otherwise the key "25" gives a 5 x 5 block, anything else 3 x 3.
WhiteExtent WhiteMapExtent(std::string_view meshCode, int blockMode, std::string_view blockKey);
// Zoom to pixels per arc-second: at zoom 1 a first-level mesh is 320 x 320 pixels.
float WhiteXScale(float zoom);
float WhiteYScale(float zoom);

// The scalars of the white line forms (OnDdRiverWhite, OnDdRoadWhite, OnDdSurfaceWhite,
// OnDdSurfaceWhole, OnDDLWholeCountryWhite).
struct WhiteLineScalars {
    int itemCode = 0;
    float originY = 0, originX = 0;
    int blockMode = 0, meshCode = 0;
    int statusFlag = 0, statusLineY = 0;
    float zoomX = 0, zoomY = 0;
    // The forms with a mesh-code argument write it ("%d") over string 2 unless the block mode is 1.
    bool meshCodeArgument = true;
};
// Strings: 1 (passed on by the entry point, not read here), 2 the mesh code, 3 the data name,
// 4 the block-size key, 5 the data set, 6 the data folder.
// The fields the form does not give stay 0; the status flag also shows or hides the status box.
LayerDrawParams WhiteLineParams(const WhiteLineScalars& a, const LayerStrings& s);

// The scalars of the white form (OnDdPointWhite, OnDdWhiteMesh, OnDdWhitePlnF10Mesh).
struct WhiteScalars {
    int itemCode = 0;
    int areaKind = 0, blockMode = 0;
    int statusFlag = 0, detailLevel = 0, statusLineY = 0;
    float originX = 0, originY = 0, zoomX = 0, zoomY = 0;
};
// The block-size key and the text an entry point passes on, from one string.
struct KeyAndText {
    std::string key;
    std::string text;
};
// Cut at the first separator; a string without it is both the key and the text.
KeyAndText SplitKeyAndText(std::string_view text, char separator);
// The white form's fields: string 1 the wide-area name, 2 the mesh code that anchors the extent
// (with the block mode and the key); the other strings are the entry point's. The status flag
// also shows or hides the status box; the wide-area mode stays 0.
LayerDrawParams WhiteParams(const WhiteScalars& a, std::string wideAreaName, std::string meshCode,
                            std::string_view blockKey);
// The cells a white-map layer walks: 1 with block mode 1, else 25 for the key "25", else 9.
int WhiteCellCount(int blockMode, std::string_view blockKey);

// A status value: the whole value is the progress flag, the value mod 10000 the status flag, and
// the flag says whether it was 10000 or more.
struct StatusValue {
    int progressFlag = 0;
    int statusFlag = 0;
    int flag = 0;
};
StatusValue SplitStatusValue(int value);

// The four first-level meshes that the railway and surface layers draw one by one on a 5 x 5
// block, around the centre in the first four characters of the text.
std::vector<std::string> FourMeshPasses(std::string_view centreText);

// One call: the renderer on the stack, the operation, the caller's objects back. An operation
// with a result gives it back; -1 when nothing ran (no device context, a failure).
template <class Operation>
auto RunLayerCall(vd::Dc* dc, LayerDrawParams params, Operation&& operation) noexcept
{
    using Result = std::invoke_result_t<Operation, CLayerRenderer&>;
    constexpr bool kHasResult = !std::is_void_v<Result>;
    std::conditional_t<kHasResult, int, bool> result{};
    if constexpr (kHasResult)
        result = -1;
    if (dc == nullptr) {
        if constexpr (kHasResult)
            return result;
        else
            return;
    }
    const vd::DcState saved = dc->State();
    try {
        CLayerRenderer renderer(*dc, std::move(params));
        if constexpr (kHasResult)
            result = std::forward<Operation>(operation)(renderer);
        else
            std::forward<Operation>(operation)(renderer);
    } catch (...) {
        // A failed drawing is a skipped one: the caller's colours and modes come back too.
        try {
            dc->SetTextColor(saved.textColour);
            dc->SetBkColor(saved.bkColour);
            dc->SetBkMode(saved.bkMode);
        } catch (...) {
        }
    }
    try {
        dc->SelectObject(saved.pen);
        dc->SelectObject(saved.brush);
        dc->SelectObject(saved.font);
    } catch (...) {
    }
    if constexpr (kHasResult)
        return result;
}
