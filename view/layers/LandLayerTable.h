#pragma once
// The national-land layers of the sheet map and the overviews, one row each: how the document
// says the layer is on, the settings command of its family, the renderer's call on each map kind
// and its place in that map's drawing order. Adding a layer is one row here and its drawing call.
#include <vector>

class CMapRenderer;
class CVeldoranDoc;

enum class LandLayer {
    FineMesh,
    GeologyFirst,
    GeologySecond,
    Mesh0,
    Mesh0Second, // row 1 of mesh group 0: also switches the lakes' outlines; drawn with its group
    Mesh1,
    Mesh2,
    Seismic,
    Surface0,
    Surface1,
    Surface2,
    Lines0, // line tab 0: the rivers of the road-and-river tab
    Roads0, // its road row (row 0), drawn just before the rivers and only with them
    Lines1,
    Lines2,
    Lines3,
    Lines4,
    Lines5,
    Lines6,
    Points0,
    Points1,
    Points2,
    Points3,
    Points4,
    Points5,
};

struct LandLayerRow {
    LandLayer id;
    int (*shown)(const CVeldoranDoc&); // 1: the document shows the layer
    int menuCommand;                   // the settings command of the layer's family
    LandLayer drawnWith;               // a layer drawn only while this one is shown too (else itself)

    // The white sheet map: the call, its place (-1: not drawn there) and which of the map's two
    // results it marks (a layer drawn, a mesh layer drawn).
    void (*drawOnSheet)(CMapRenderer&);
    int sheetOrder;
    bool marksLayer;
    bool marksMesh;

    // The overviews: the call, its group (0 geology and fine mesh, 1 surfaces, lines and points,
    // 2 meshes, 3 seismic; -1 not drawn there), its place in the group, whether it counts as a
    // layer drawn (point themes lie over the map without hiding the coast) and whether it is a
    // geology mesh.
    void (*drawOnOverview)(CMapRenderer&);
    int overviewGroup;
    int overviewOrder;
    bool countsOnOverview;
    bool geologyOnOverview;
};

// Every row, in the order of the enumeration.
const std::vector<LandLayerRow>& LandLayerTable();
const LandLayerRow& LandLayerRowOf(LandLayer layer);

// Whether the document shows the layer; a layer drawn with another needs that one shown too.
bool IsLandLayerShown(const CVeldoranDoc& doc, LandLayer layer);
bool IsLandLayerDrawn(const CVeldoranDoc& doc, const LandLayerRow& row);

// The rows of the white sheet map, and of one overview group, in drawing order.
const std::vector<const LandLayerRow*>& SheetLayersInOrder();
std::vector<const LandLayerRow*> OverviewLayersInOrder(int group);

// One row's switch in each family (0 off, 1 on; -1 a group never set), as the drawing calls and
// the format dialog's flag string read them: tab or group, then row.
int LineRowFlag(const CVeldoranDoc& doc, int tab, int row);
int SurfaceRowFlag(const CVeldoranDoc& doc, int tab, int row);
int PointRowFlag(const CVeldoranDoc& doc, int tab, int row);
int MeshRowFlag(const CVeldoranDoc& doc, int group, int row);
int FineMeshRowFlag(const CVeldoranDoc& doc, int row);
