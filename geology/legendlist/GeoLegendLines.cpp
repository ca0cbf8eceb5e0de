#include "geology/legendlist/GeoLegendLines.h"

#include "geology/GeoWorkFile.h"
#include "geology/GeologyPaletteFile.h"
#include "platform/text/Format.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

constexpr int kNames = kGeoWorkTableBytes; // class numbers 0-199 are listed
const char* const kDashes = "-------------------------------------";

using Names = std::array<std::string, kNames>;

Names RockNames(const std::string& folder)
{
    Names names;
    for (const GeologyRockName& rock : ReadGeologyRockNames(folder + "GEOLOGY.DAT"))
        if (rock.code >= 0 && rock.code < kNames)
            names[std::size_t(rock.code)] = rock.name;
    return names;
}

Names ThemeNames(const std::string& folder, int theme)
{
    Names names;
    for (const GeologyPaletteEntry& entry : ReadGeologyPaletteSection(folder + "GEOLOGY.PLT", theme + 1))
        if (entry.code >= 0 && entry.code < kNames)
            names[std::size_t(entry.code)] = entry.name.value_or("");
    return names;
}

const char* EraEnding(int era)
{
    static constexpr const char* kEndings[] = {",古生代)",   ",中生代)", ",古第三紀)",
                                               ",新第三紀)", ",洪積世)", ",沖積世)"};
    return era >= 1 && era <= 6 ? kEndings[era - 1] : ")";
}

std::optional<GeoWorkTables> ReadTables(const GeoLegendRequest& r, bool surface)
{
    const std::string& folder = r.applicationFolder;
    if (r.source == 1)
        return ReadGeoWorkTables(folder + kGeoWhiteWorkFile, surface);
    if (r.workFile == 2)
        return ReadGeoPlainWorkFile(folder + kGeoPlainWorkFile, surface ? 2 : 1, surface, r.gridSide);
    return ReadGeoWorkTables(folder + kGeoBlockWorkFile, surface);
}

std::vector<std::string> ClassLines(const GeoLegendRequest& r, int theme)
{
    std::vector<std::string> lines;
    const auto number = [](int n) { return vd::format("%2d: ", n); };
    if (r.source != 0 && r.source != 1) {
        const Names names = RockNames(r.applicationFolder);
        for (int n = 0; n < kNames; ++n)
            if (!names[std::size_t(n)].empty())
                lines.push_back(number(n) + names[std::size_t(n)] + ")");
        return lines;
    }
    // A work file that cannot be opened lists no classes; the box still opens.
    const std::optional<GeoWorkTables> tables = ReadTables(r, theme == 0);
    if (!tables)
        return lines;
    if (theme == 0) {
        const Names names = RockNames(r.applicationFolder);
        struct Record {
            int rock, slot, era;
        };
        std::vector<Record> records;
        for (int slot = 0; slot < kGeoWorkTableBytes; ++slot)
            if (tables->a[std::size_t(slot)] > 0)
                records.push_back({tables->a[std::size_t(slot)], slot, tables->b[std::size_t(slot)]});
        // An exchange sort by rock number: records of equal numbers keep the order it gives them.
        for (std::size_t p = 0; p < records.size(); ++p)
            for (std::size_t q = p + 1; q < records.size(); ++q)
                if (records[p].rock > records[q].rock)
                    std::swap(records[p], records[q]);
        for (const Record& rec : records) {
            const std::string name = rec.rock < kNames ? names[std::size_t(rec.rock)] : std::string();
            lines.push_back(number(rec.rock) + name + EraEnding(rec.era));
        }
        return lines;
    }
    const Names names = ThemeNames(r.applicationFolder, theme);
    for (int c = 0; c < kGeoWorkTableBytes; ++c)
        if (tables->a[std::size_t(c)] == 1)
            lines.push_back(number(c) + names[std::size_t(c)]);
    return lines;
}

void AddHeader(std::vector<std::string>& out, int theme)
{
    switch (theme) {
    case 0:
        out.insert(out.end(), {"     凡例（表層地質）", "", "========= 地質構成 =================="});
        break;
    case 1:
        out.insert(out.end(), {"     凡例（土壌）", "", "========= 土壌統計群 =================="});
        break;
    case 2:
        out.insert(out.end(), {"     凡例（地形分類）", "", "======================================="});
        break;
    default:
        out.insert(out.end(), {"", "", ""});
        break;
    }
}

void AddFooter(std::vector<std::string>& out, int theme, int symbolMode)
{
    if (theme >= 1) {
        out.push_back(kDashes);
        out.push_back(theme == 1 ? "付加記号は”数値地図ユーザーズガイド[(財)日本地図センター発行]”を参照"
                                 : "副分類は”数値地図ユーザーズガイド[(財)日本地図センター発行]”を参照");
        return;
    }
    out.insert(out.end(), {" 0: 岩石未区分", ""});
    switch (symbolMode) {
    case 1:
        out.insert(out.end(), {kDashes, "========= 時代区分 ==================", "A  沖積世", "D  洪積世",
                               "Tn 新第三紀", "Tp 古第三紀", "M  中生代", "P  古生代"});
        break;
    case 2:
        out.insert(out.end(), {kDashes, "========= 地質構造 ==================", "*  断層", "A  背斜", "S  向斜",
                               "AS 背斜／向斜"});
        break;
    case 3:
        out.insert(out.end(), {kDashes, "========= 岩の硬軟 ==================", "1a  岩体軟－岩片軟",
                               "1b  岩体軟－岩片中", "1c  岩体軟－岩片硬", "2a  岩体中－岩片軟", "2b  岩体中－岩片中",
                               "2c  岩体中－岩片硬", "3a  岩体硬－岩片軟", "3b  岩体硬－岩片中", "3c  岩体硬－岩片硬"});
        break;
    default:
        break;
    }
}

} // namespace

std::vector<std::string> GeoLegendLines(const GeoLegendRequest& request)
{
    // -k names theme k; a kind far below any theme stays a theme without header or names.
    const int theme = request.legendKind >= 0 ? 0 : int(std::min(-static_cast<long long>(request.legendKind), 1000LL));
    std::vector<std::string> lines;
    AddHeader(lines, theme);
    std::vector<std::string> classes = ClassLines(request, theme);
    if (classes.size() > std::size_t(kGeoLegendMaxClassLines))
        classes.resize(kGeoLegendMaxClassLines);
    lines.insert(lines.end(), classes.begin(), classes.end());
    if (request.source == 0 || request.source == 1)
        AddFooter(lines, theme, request.legendKind);
    return lines;
}
