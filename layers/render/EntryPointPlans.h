#pragma once
// The plans of the drawing entry points: from the arguments, the renderer's fields and the chosen
// layer operation with its arguments, as pure functions. The choosers take the selector digits
// and the values the operation is given; a selector outside their tables chooses nothing.
// Arguments keep the meaning of the entry point's position (see each plan).
#include "layers/render/EntryPointFrame.h"
#include "layers/render/LayerPlan.h"

#include <optional>
#include <string>
#include <string_view>

// ---- Lines
// OnDdPlainWholeCountry: line theme 4 with sub-theme 2 draws railways.
LayerPlan PlanPlainWholeCountry(const PlainScalars& a, int lineTheme, int railwaySubTheme, LayerStrings s);
// OnDDLWholeCountryWhite: railways when selector 2 is 2 and selector 4 is 4.
LayerPlan PlanWholeCountryWhite(const WhiteLineScalars& a, int railwaySelector2, int detailLevel, int lineTheme,
                                int railwaySelector4, LayerStrings s);

// ---- Surfaces (m: the cell count, -1 on the plain map; text: the prefecture flags)
// Selector = group x 10 + item.
LayerCall ChooseSurfaceOperation(int selector, int m, int valueA, int valueB, const std::string& text);
// Whole-country surface theme 0-4.
LayerCall ChooseCountrySurfaceOperation(int theme, int m, int valueA, int valueB, const std::string& text);
LayerPlan PlanPlainSurface(const PlainScalars& a, int selector, int valueA, int valueB, LayerStrings s);
LayerPlan PlanSurfaceWhite(const WhiteLineScalars& a, int selector, int valueA, int valueB, LayerStrings s);
LayerPlan PlanPlainCountrySurface(const PlainScalars& a, int theme, int valueA, int valueB, LayerStrings s);
LayerPlan PlanCountrySurfaceWhite(const WhiteLineScalars& a, int theme, int valueA, int valueB, LayerStrings s);

// ---- Points (code: the point theme, group x 100 + row x 10)
struct PointChoice {
    LayerCall call;
    std::optional<std::string> dataName; // the themes that name themselves
};
PointChoice ChoosePointOperation(int code, int m, int valueA, int valueB, int landPriceSubItem, const std::string& text);
// a.itemCode as given: from 10000 on it carries the land-price sub-item.
LayerPlan PlanPlainPoint(const PlainScalars& a, int pointTheme, int valueA, int valueB, LayerStrings s);
LayerPlan PlanPointWhite(const WhiteScalars& a, int pointTheme, int valueA, int valueB, LayerStrings s);

// ---- Meshes
struct MeshDigits {
    int group = 0;
    int theme = 0;
    friend bool operator==(const MeshDigits&, const MeshDigits&) = default;
};
MeshDigits PlainMeshDigits(int modeCode); // (code mod 1000) div 100, (code mod 100) div 10
MeshDigits WhiteMeshDigits(int modeCode); // code div 100, (code mod 100) div 10
int SubdividedMeshTheme(int modeCode);    // (code mod 1000 from 1000 on) div 10
int WhiteSubdividedMeshTheme(int modeCode); // (code mod 100) div 10
// The display names; empty outside the tables.
std::string MeshThemeName(MeshDigits digits);
std::string SubdividedMeshThemeName(int theme);

enum class PlainMeshForm { Mesh, Relief, WholeCountry };
// method: the method digit (0 the cell form); classSpec: the census class table (seventh string).
LayerCall ChoosePlainMeshOperation(PlainMeshForm form, MeshDigits digits, int method, int m, int modeCode, int valueA,
                                   int valueB, const std::string& classSpec, const std::string& text);
LayerCall ChooseWhiteMeshOperation(MeshDigits digits, int m, int modeCode, int layerValue, const std::string& census,
                                   const std::string& text);
// statusFlag: 1 when the status value was 10000 or more.
LayerCall ChooseSubdividedMeshOperation(int theme, int reliefSelector, int statusFlag, int m, int modeCode, int valueA,
                                        int valueB, const std::string& landUseFlags, const std::string& text);
LayerCall ChooseWhiteSubdividedMeshOperation(int theme, int m, int modeCode, int layerValue,
                                             const std::string& landUseFlags, const std::string& text);

// OnDdPlainMesh, OnDdPlainMeshRelief: a.areaKind is the sixth argument, method digit x 10000 +
// area kind. OnDdPlainMeshTavrel: a.areaKind is the area kind, a.statusFlag the status value.
LayerPlan PlanPlainMesh(PlainMeshForm form, const PlainScalars& a, int modeCode, int valueA, int valueB,
                        LayerStrings s, std::string classSpec);
// OnDdPlnF10Mesh: a.statusFlag is the status value.
LayerPlan PlanSubdividedMesh(const PlainScalars& a, int reliefSelector, int modeCode, int valueA, int valueB,
                             LayerStrings s, std::string landUseFlags);
LayerPlan PlanWhiteMesh(const WhiteScalars& a, int modeCode, int layerValue, LayerStrings s);
LayerPlan PlanWhiteSubdividedMesh(const WhiteScalars& a, int modeCode, int layerValue, LayerStrings s);
