#include "view/layers/LandLayerTable.h"

#include "app/document/VeldoranDoc.h"
#include "view/renderer/MapRenderer.h"

#include <algorithm>
#include <iterator>

namespace {

using L = LandLayer;

// The settings commands of the families.
constexpr int kPointCommand = 32771;
constexpr int kLineCommand = 32772;
constexpr int kSurfaceCommand = 32773;
constexpr int kNatureMeshCommand = 32774;
constexpr int kIndustryMeshCommand = 32775;
constexpr int kGeologyCommand = 32779;
constexpr int kFineMeshCommand = 32781;
constexpr int kLandClassCommand = 32825;
constexpr int kSeismicCommand = 32835;

template <int Tab>
int PointTab(const CVeldoranDoc& d)
{
    return d.PointTabShown(Tab);
}
template <int Tab>
int LineTab(const CVeldoranDoc& d)
{
    return d.LineTabShown(Tab);
}
template <int Tab>
int SurfaceTab(const CVeldoranDoc& d)
{
    return d.SurfaceTabShown(Tab);
}
template <int Group>
int MeshGroup(const CVeldoranDoc& d)
{
    return d.MeshGroupShown(Group);
}

template <int Tab>
void WhiteLines(CMapRenderer& r)
{
    r.DrawWhiteLines(2, Tab);
}
template <int Tab>
void WhitePoints(CMapRenderer& r)
{
    r.DrawWhitePoints(Tab);
}
template <int Tab>
void WhiteSurface(CMapRenderer& r)
{
    r.DrawWhiteSurface(Tab);
}
template <int Group>
void WhiteMesh(CMapRenderer& r)
{
    r.DrawWhiteMesh(Group);
}
// The overviews' plain forms by the library call's type and the tab or group.
template <int Type, int Index>
void Plain(CMapRenderer& r)
{
    r.DrawLandLayer(Type, Index);
}

// clang-format off
const LandLayerRow kRowArray[] = {
    // id            shown                                   menu               drawn with
    //   sheet call                                          order layer mesh   overview call   group order counts geology
    {L::FineMesh, [](const CVeldoranDoc& d) { return d.FineMeshShown(); }, kFineMeshCommand, L::FineMesh,
        [](CMapRenderer& r) { r.DrawWhiteFineMesh(); }, 0, true, true, Plain<1, -1>, 0, 2, true, false},
    {L::GeologyFirst, [](const CVeldoranDoc& d) { return d.geology.m_nGeologyLayer; }, kGeologyCommand, L::GeologyFirst,
        [](CMapRenderer& r) { r.DrawWhiteGeologyMesh(0); }, 1, true, true, Plain<0, -1>, 0, 0, true, true},
    {L::GeologySecond, [](const CVeldoranDoc& d) { return d.geology.m_nLandClassLayer; }, kLandClassCommand, L::GeologySecond,
        [](CMapRenderer& r) { r.DrawWhiteGeologyMesh(1); }, 2, true, true, Plain<10, -1>, 0, 1, true, true},
    {L::Mesh0, MeshGroup<0>, kNatureMeshCommand, L::Mesh0, WhiteMesh<0>, 3, true, true, Plain<8, 0>, 2, 0, true, false},
    {L::Mesh0Second, [](const CVeldoranDoc& d) { return d.MeshLakeRowShown(); }, kNatureMeshCommand, L::Mesh0Second,
        nullptr, -1, false, false, nullptr, -1, 0, false, false},
    {L::Mesh1, MeshGroup<1>, kNatureMeshCommand, L::Mesh1, WhiteMesh<1>, 4, true, true, Plain<8, 1>, 2, 1, true, false},
    {L::Mesh2, MeshGroup<2>, kIndustryMeshCommand, L::Mesh2, WhiteMesh<2>, 5, true, true, Plain<8, 2>, 2, 2, true, false},
    {L::Seismic, [](const CVeldoranDoc& d) -> int { return d.seismic.m_bSeismicLayer; }, kSeismicCommand, L::Seismic,
        [](CMapRenderer& r) { r.DrawSeismicWhiteMesh(); }, 6, true, true, Plain<11, 0>, 3, 0, true, false},
    {L::Surface0, SurfaceTab<0>, kSurfaceCommand, L::Surface0, WhiteSurface<0>, 7, true, false, Plain<2, 0>, 1, 0, true, false},
    {L::Surface1, SurfaceTab<1>, kSurfaceCommand, L::Surface1, WhiteSurface<1>, 8, true, false, Plain<2, 1>, 1, 1, true, false},
    {L::Surface2, SurfaceTab<2>, kSurfaceCommand, L::Surface2, WhiteSurface<2>, 9, true, false, Plain<3, -1>, 1, 2, true, false},
    {L::Lines0, LineTab<0>, kLineCommand, L::Lines0,
        [](CMapRenderer& r) { r.DrawWhiteLines(1, 0); }, 11, false, false, Plain<5, 0>, 1, 4, true, false},
    {L::Roads0, [](const CVeldoranDoc& d) { return d.RoadRowShown(); }, kLineCommand, L::Lines0,
        [](CMapRenderer& r) { r.DrawWhiteLines(0, 0); }, 10, false, false, Plain<4, -1>, 1, 3, true, false},
    {L::Lines1, LineTab<1>, kLineCommand, L::Lines1, WhiteLines<1>, 12, false, false, Plain<6, 1>, 1, 5, true, false},
    {L::Lines2, LineTab<2>, kLineCommand, L::Lines2, WhiteLines<2>, 13, false, false, Plain<6, 2>, 1, 6, true, false},
    {L::Lines3, LineTab<3>, kLineCommand, L::Lines3, WhiteLines<3>, 14, false, false, Plain<6, 3>, 1, 7, true, false},
    {L::Lines4, LineTab<4>, kLineCommand, L::Lines4, WhiteLines<4>, 15, false, false, Plain<6, 4>, 1, 8, true, false},
    {L::Lines5, LineTab<5>, kLineCommand, L::Lines5, WhiteLines<5>, 16, false, false, Plain<6, 5>, 1, 9, true, false},
    {L::Lines6, LineTab<6>, kLineCommand, L::Lines6, WhiteLines<6>, 17, false, false, Plain<6, 6>, 1, 10, true, false},
    {L::Points0, PointTab<0>, kPointCommand, L::Points0, WhitePoints<0>, 18, false, false, Plain<7, 0>, 1, 11, false, false},
    {L::Points1, PointTab<1>, kPointCommand, L::Points1, WhitePoints<1>, 19, false, false, Plain<7, 1>, 1, 12, false, false},
    {L::Points2, PointTab<2>, kPointCommand, L::Points2, WhitePoints<2>, 20, false, false, Plain<7, 2>, 1, 13, false, false},
    {L::Points3, PointTab<3>, kPointCommand, L::Points3, WhitePoints<3>, 21, false, false, Plain<7, 3>, 1, 14, false, false},
    {L::Points4, PointTab<4>, kPointCommand, L::Points4, WhitePoints<4>, 22, false, false, Plain<7, 4>, 1, 15, false, false},
    {L::Points5, PointTab<5>, kPointCommand, L::Points5, WhitePoints<5>, 23, false, false, Plain<7, 5>, 1, 16, false, false},
};
// clang-format on
const std::vector<LandLayerRow> kRows(std::begin(kRowArray), std::end(kRowArray));

} // namespace

const std::vector<LandLayerRow>& LandLayerTable() { return kRows; }

const LandLayerRow& LandLayerRowOf(LandLayer layer) { return kRows[std::size_t(layer)]; }

bool IsLandLayerShown(const CVeldoranDoc& doc, LandLayer layer) { return LandLayerRowOf(layer).shown(doc) == 1; }

bool IsLandLayerDrawn(const CVeldoranDoc& doc, const LandLayerRow& row)
{
    return IsLandLayerShown(doc, row.id) && (row.drawnWith == row.id || IsLandLayerShown(doc, row.drawnWith));
}

const std::vector<const LandLayerRow*>& SheetLayersInOrder()
{
    static const std::vector<const LandLayerRow*> order = [] {
        std::vector<const LandLayerRow*> rows;
        for (const LandLayerRow& row : kRows)
            if (row.sheetOrder >= 0)
                rows.push_back(&row);
        std::ranges::sort(rows, {}, &LandLayerRow::sheetOrder);
        return rows;
    }();
    return order;
}

std::vector<const LandLayerRow*> OverviewLayersInOrder(int group)
{
    std::vector<const LandLayerRow*> rows;
    for (const LandLayerRow& row : kRows)
        if (row.overviewGroup == group)
            rows.push_back(&row);
    std::ranges::sort(rows, {}, &LandLayerRow::overviewOrder);
    return rows;
}

int LineRowFlag(const CVeldoranDoc& doc, int tab, int row)
{
    return doc.m_anLineRowFlag[std::size_t(tab)][std::size_t(row)];
}

int SurfaceRowFlag(const CVeldoranDoc& doc, int tab, int row)
{
    return doc.m_anSurfaceRowFlag[std::size_t(tab)][std::size_t(row)];
}

int PointRowFlag(const CVeldoranDoc& doc, int tab, int row)
{
    return doc.m_anPointRowFlag[std::size_t(tab)][std::size_t(row)];
}

int MeshRowFlag(const CVeldoranDoc& doc, int group, int row)
{
    return doc.m_anMeshRowFlag[std::size_t(group)][std::size_t(row)];
}

int FineMeshRowFlag(const CVeldoranDoc& doc, int row) { return doc.m_anFineMeshFlag[std::size_t(row)]; }
