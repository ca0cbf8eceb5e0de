#pragma once
// What the whole-country line layer tests share: the call over mesh 5339 at a tenth of a pixel
// an arc-second, the pixel of a place, and the bytes of the files the layers write.
#include "layers/render/LayerDrawParams.h"
#include "platform/dc/Dc.h"
#include "platform/text/Cp932.h"
#include "tests/layers/render/MeshFixtures.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace country_line_test {

// Mesh 5339: 35°20'-36°00' N, 139°-140° E.
constexpr int kNorth = layers_test::kMeshNorth;
constexpr int kWest = layers_test::kMeshWest;

// The call over mesh 5339 at full detail, a tenth of a pixel an arc-second.
inline LayerDrawParams MeshParams(const std::string& dataPath, const std::string& folder, int itemCode)
{
    return layers_test::Mesh5339Params(dataPath, folder, 3, itemCode, 0.1f);
}

inline vd::Point At(int lon, int lat) { return {int(float(lon - kWest) * 0.1f), int(float(kNorth - lat) * 0.1f)}; }

inline std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// UTF-8 lines as a file holds them: CP932 with CR LF.
inline std::string Crlf(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines)
        bytes += vd::utf8ToCp932(line) + "\r\n";
    return bytes;
}

} // namespace country_line_test
