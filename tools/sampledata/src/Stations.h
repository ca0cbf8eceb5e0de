#pragma once
// N02-23L.TXT: the stations of the national railway item (N02, 2023) around the start sheet as
// the railway data file's node and name records. The file holds no line sections: no open source
// has them, so the railway layer draws stations only.
#include "NationalLand.h"

namespace sampledata {

struct Station {
  std::string name;      // UTF-8, the station's name
  std::string operatorName;
  LonLat at;             // the middle of the stretch of track the station occupies
};

// The stations of the GeoJSON (one feature per station and line), in file order.
std::vector<Station> readStations(const std::string& geoJsonPath);

// Name records (" P", column 2), then node records flagged as stations; each station numbered
// within its second-level cell. Names are "<station>(<operator>)" with no blank. Throws when a
// cell holds more stations than the layer's name table.
ByteBuffer railwayStationFile(const std::vector<Station>& stations, MeshPrefectures* meshes,
                              const std::vector<PrefecturePolygon>& polygons);

}  // namespace sampledata
