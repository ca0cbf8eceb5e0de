// Dovanne may include its own folders (basemap/, geology/) and the helpers the libraries share.
#include "basemap/PrefectureMap.h"
#include "basemap/drawing/DrawingGuard.h"
#include "geology/GeoDrawing.h"
#include "layers/settings/files/LayerSettingsFile.h"
#include "meshcode/MeshCode.h"
