#include "Towns.h"

#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <stdexcept>

namespace sampledata {
namespace {

class ProtoReader {
 public:
  ProtoReader(const std::string& bytes, size_t begin, size_t end) : bytes_(bytes), pos_(begin), end_(end) {}
  bool atEnd() const { return pos_ >= end_; }
  uint64_t varint() {
    uint64_t value = 0;
    for (int shift = 0; shift < 64; shift += 7) {
      if (pos_ >= end_) throw std::runtime_error("cities.pbf: varint past the end");
      const auto byte = static_cast<unsigned char>(bytes_[pos_++]);
      value |= uint64_t{byte & 0x7Fu} << shift;
      if (!(byte & 0x80)) return value;
    }
    throw std::runtime_error("cities.pbf: varint too long");
  }
  int64_t svarint() {
    const uint64_t v = varint();
    return static_cast<int64_t>(v >> 1) ^ -static_cast<int64_t>(v & 1);
  }
  size_t length() {
    const uint64_t n = varint();
    if (n > end_ - pos_) throw std::runtime_error("cities.pbf: field past the end");
    return static_cast<size_t>(n);
  }
  std::string text() {
    const size_t n = length();
    pos_ += n;
    return bytes_.substr(pos_ - n, n);
  }
  void skip(int wireType) {
    switch (wireType) {
      case 0: varint(); break;
      case 1: pos_ += 8; break;
      case 2: pos_ += length(); break;
      case 5: pos_ += 4; break;
      default: throw std::runtime_error("cities.pbf: unknown wire type");
    }
  }
  size_t position() const { return pos_; }

 private:
  const std::string& bytes_;
  size_t pos_, end_;
};

uint32_t word(const std::string& bytes, size_t at) {
  if (at + 4 > bytes.size()) throw std::runtime_error("geonames.mo: truncated");
  uint32_t v;
  std::memcpy(&v, bytes.data() + at, 4);
  return v;  // the catalogue is little-endian, as is every machine the tool runs on
}

// The id -> translation pairs of a gettext catalogue.
std::map<std::string, std::string> readCatalogue(const std::string& path) {
  const std::string bytes = readFile(path);
  if (word(bytes, 0) != 0x950412de) throw std::runtime_error(path + ": not a little-endian gettext catalogue");
  const uint32_t count = word(bytes, 8), originals = word(bytes, 12), translations = word(bytes, 16);
  auto string = [&](uint32_t table, uint32_t i) {
    const uint32_t length = word(bytes, table + 8 * i), offset = word(bytes, table + 8 * i + 4);
    if (size_t{offset} + length > bytes.size()) throw std::runtime_error(path + ": string past the end");
    return bytes.substr(offset, length);
  };
  std::map<std::string, std::string> catalogue;
  for (uint32_t i = 0; i < count; ++i) catalogue[string(originals, i)] = string(translations, i);
  return catalogue;
}

// D.MMSS, whole seconds rounded.
std::string degreesMinutesSeconds(double degrees, const char* format) {
  const long seconds = std::lround(degrees * 3600.0);
  char text[32];
  std::snprintf(text, sizeof text, format, seconds / 3600, seconds / 60 % 60, seconds % 60);
  return text;
}

}  // namespace

std::string cp932Name(const std::string& utf8) {
  try {
    return toCp932(utf8);
  } catch (const std::runtime_error&) {
    const QString decomposed = QString::fromStdString(utf8).normalized(QString::NormalizationForm_D);
    std::string plain;
    for (QChar c : decomposed)
      if (c.unicode() < 0x80) plain += static_cast<char>(c.unicode());
    return plain;
  }
}

std::optional<std::string> japaneseTownName(int64_t id, const std::map<std::string, std::string>& townNames,
                                            const std::map<std::string, std::string>& catalogue) {
  const std::string key = std::to_string(id);
  if (const auto named = townNames.find(key); named != townNames.end()) return named->second;
  const auto translated = catalogue.find(key);
  if (translated == catalogue.end()) return std::nullopt;
  const std::string& name = translated->second;
  const bool latin = std::any_of(name.begin(), name.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
  });
  if (latin) return std::nullopt;
  return name;
}

std::vector<Town> readTowns(const std::string& pbfPath, const std::string& moPath,
                            const std::map<std::string, std::string>& townNames, const std::string& country) {
  const auto catalogue = readCatalogue(moPath);
  const std::string bytes = readFile(pbfPath);
  std::vector<Town> towns;
  int64_t lon = 0, lat = 0;  // the coordinates are deltas from the record before, across all records
  for (size_t at = 0; at < bytes.size();) {
    ProtoReader file(bytes, at, bytes.size());
    const size_t n = file.length();
    at = file.position() + n;
    ProtoReader record(bytes, file.position(), at);
    Town town;
    std::string townCountry;
    while (!record.atEnd()) {
      const uint64_t key = record.varint();
      const int tag = static_cast<int>(key >> 3), wire = static_cast<int>(key & 7);
      if (tag == 1 && wire == 0) town.id = record.svarint();
      else if (tag == 2 && wire == 2) town.name = record.text();
      else if (tag == 3 && wire == 2) townCountry = record.text();
      else if (tag == 9 && wire == 0) town.population = static_cast<int64_t>(record.varint());
      else if (tag == 10 && wire == 0) lon += record.svarint();
      else if (tag == 11 && wire == 0) lat += record.svarint();
      else record.skip(wire);
    }
    town.at = {lon / 1e5, lat / 1e5};
    if (townCountry == country) {
      if (auto japanese = japaneseTownName(town.id, townNames, catalogue)) {
        town.name = std::move(*japanese);
        town.japaneseName = true;
      }
      towns.push_back(std::move(town));
    }
  }
  return towns;
}

ByteBuffer townFile(const std::vector<Town>& towns, const std::vector<PrefecturePolygon>& polygons,
                    MeshPrefectures* meshes) {
  ByteBuffer out;
  for (const auto& town : towns) {
    std::string line(70, ' ');
    char number[32];
    line[0] = 'P';
    std::snprintf(number, sizeof number, "%08d", toTenthSeconds(town.at.lon));
    line.replace(9, 8, number);
    std::snprintf(number, sizeof number, "%08d", toTenthSeconds(town.at.lat));
    line.replace(17, 8, number);
    std::string name = cp932Name(town.name);
    size_t end = 0;
    for (size_t i = 0; i < name.size();) {
      const auto c = static_cast<unsigned char>(name[i]);
      const size_t width = ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) ? 2 : 1;
      if (i + width > 30) break;
      end = i += width;
    }
    line.replace(30, end, name.substr(0, end));
    std::snprintf(number, sizeof number, "%10lld", static_cast<long long>(town.population));
    line.replace(60, 10, number);
    appendLine(&out, line);
    const int prefecture = prefectureOfPoint(town.at, polygons);
    if (prefecture) (*meshes)[meshCodeOf(town.at)].insert(prefecture);
  }
  return out;
}

// The sources give no elevation: below -899 the program prints none.
constexpr const char* kNoElevation = " -999";

ByteBuffer placeNameFile(const std::vector<Prefecture>& prefectures, const std::vector<Town>& towns) {
  ByteBuffer out;
  for (const auto& p : prefectures)
    appendLine(&out, toCp932(p.name) + " " + degreesMinutesSeconds(p.officeLatMinutes / 60.0, "%ld.%02ld%02ld") + " " +
                         degreesMinutesSeconds(p.officeLonMinutes / 60.0, "%ld.%02ld%02ld") + kNoElevation);
  std::vector<const Town*> named;
  for (const auto& t : towns)
    if (t.japaneseName) named.push_back(&t);
  std::stable_sort(named.begin(), named.end(),
                   [](const Town* a, const Town* b) { return a->population > b->population; });
  for (const Town* t : named)
    appendLine(&out, cp932Name(t->name) + " " + degreesMinutesSeconds(t->at.lat, "%ld.%02ld%02ld") + " " +
                         degreesMinutesSeconds(t->at.lon, "%ld.%02ld%02ld") + kNoElevation);
  return out;
}

}  // namespace sampledata
