#pragma once
// The view's one-shot pictures that the map renderer does not draw: the submarine mesh
// distribution and the making of the depth-mesh intermediate file (map modes 22 and 23, both by
// Ombrisk), and a guide-map or sheet picture fitted to the window with its registered points
// (map mode 24).
namespace vd {
class Dc;
}
class CVeldoranView;

void DrawSubmarineMeshMap(CVeldoranView& view, vd::Dc& dc);
void MakeSubmarineMeshFile(CVeldoranView& view, vd::Dc& dc);
void DrawSheetPicture(CVeldoranView& view, vd::Dc& dc);
// Loads the guide map's picture and shows it fitted to the window; -1 when the file is missing or
// cannot be decoded (nothing drawn).
int LoadSheetPicture(CVeldoranView& view, vd::Dc& dc);
