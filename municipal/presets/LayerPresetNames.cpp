#include "municipal/presets/LayerPresetNames.h"

#include "layers/settings/files/LayerSettingsFile.h"

#include <algorithm>

namespace surrick {

namespace {

constexpr int kUsedRows = 5;

// The digit at a place of a selection string; anything else (or nothing) reads 0.
int DigitAt(const std::string& s, int at)
{
    return at >= 0 && at < int(s.size()) && s[at] >= '0' && s[at] <= '9' ? s[at] - '0' : 0;
}

// Row-major tables: rows 1 to 7, for each row one digit a tab.
bool RowSelected(const std::string& s, int tabs, int tab, int row) { return DigitAt(s, (row - 1) * tabs + tab - 1) == 1; }

struct Table {
    const char* file;
    int tabs;
};

// The settings files of the first four families and the industry meshes.
constexpr Table kPointTable{"DddPFile.dat", 6};
constexpr Table kLineTable{"DddMFile.dat", 7};
constexpr Table kSurfaceTable{"DDDSFILE.DAT", 3};
constexpr Table kNatureTable{"DDMSFILE.DAT", 2};

LayerSettingsTable ReadTable(const std::string& appFolder, const char* file, int tabs, const char* keys)
{
    LayerSettingsTable table(tabs, 9);
    (void)ReadLayerSettingsFile(appFolder + file, keys, table);
    return table;
}

// The row's data name, or its data file when it has no name; "/" after it.
std::string Entry(const LayerSettingsRow& row) { return (row.name.empty() ? row.file : row.name) + "/"; }

struct FixedName {
    int tab, row;
    const char* name;
};

std::string NameOf(const LayerSettingsTable& table, int tab, int row, std::initializer_list<FixedName> fixed)
{
    for (const FixedName& f : fixed)
        if (f.tab == tab && f.row == row)
            return std::string(f.name) + "/";
    return Entry(table.at(tab, row));
}

bool AnySelected(const std::string& s, int tabs, int rows)
{
    for (int r = 1; r <= rows; ++r)
        for (int t = 1; t <= tabs; ++t)
            if (RowSelected(s, tabs, t, r))
                return true;
    return false;
}

const char* const kTerrainNames[] = {"自然地形メッシュ(表層地質)", "自然地形メッシュ(土壌)", "自然地形メッシュ(地形分類)",
                                     "自然地形メッシュ(谷密度)"};
const char* const kClassNames[] = {"土地分類メッシュ(表層地質)", "土地分類メッシュ(土壌)", "土地分類メッシュ(地形分類)",
                                   "谷密度メッシュ"};
const char* const kTenthNames[] = {"土地利用", "指定地域", "流域・非集水域", "湖沼"};

std::string KindName(const char* const (&names)[4], int kind) { return kind >= 0 && kind < 4 ? names[kind] : ""; }

} // namespace

PresetNameLists BuildPresetNameLists(const std::string& appFolder,
                                     const std::array<std::string, kSelectionCount>& s,
                                     std::array<int, kFamilyCount>& flags)
{
    const bool selected[kFamilyCount] = {
        AnySelected(s[0], kPointTable.tabs, kUsedRows), AnySelected(s[1], kLineTable.tabs, kUsedRows),
        AnySelected(s[2], kSurfaceTable.tabs, kUsedRows), AnySelected(s[3], kNatureTable.tabs, kUsedRows),
        AnySelected(s[4], 1, 4),          DigitAt(s[5], 0) == 1,
        DigitAt(s[5], 1) == 1,            AnySelected(s[6], 1, kUsedRows),
    };
    for (int f = 0; f < kFamilyCount; ++f)
        if (!selected[f])
            flags[f] = -1;

    PresetNameLists lists;
    if (flags[kPoints] == 1) {
        const auto table = ReadTable(appFolder, kPointTable.file, kPointTable.tabs, "TF");
        for (int r = 1; r <= kUsedRows; ++r)
            for (int t = 1; t <= kPointTable.tabs; ++t)
                if (RowSelected(s[0], kPointTable.tabs, t, r))
                    lists[kPoints] += NameOf(table, t, r,
                                             {{1, 4, "ダム"}, {2, 5, "発電所"}, {5, 1, "感潮限界"},
                                              {5, 2, "港湾"}, {5, 3, "漁港"}, {5, 4, "空港台帳"}});
    }
    if (flags[kLines] == 1) {
        const auto table = ReadTable(appFolder, kLineTable.file, kLineTable.tabs, "TF");
        for (int t : {1, 3, 2, 4, 5, 6, 7})
            for (int r = 1; r <= kUsedRows; ++r)
                if (RowSelected(s[1], kLineTable.tabs, t, r))
                    lists[kLines] += Entry(table.at(t, r));
    }
    if (flags[kSurfaces] == 1) {
        const auto table = ReadTable(appFolder, kSurfaceTable.file, kSurfaceTable.tabs, "TF");
        for (int r = 1; r <= kUsedRows; ++r)
            for (int t = 1; t <= kSurfaceTable.tabs; ++t)
                if (RowSelected(s[2], kSurfaceTable.tabs, t, r))
                    lists[kSurfaces] += Entry(table.at(t, r));
    }
    if (flags[kNatureMeshes] == 1) {
        const auto table = ReadTable(appFolder, kNatureTable.file, kNatureTable.tabs, "TF");
        for (int t = 1; t <= kNatureTable.tabs; ++t)
            for (int r = 1; r <= kUsedRows; ++r)
                if (RowSelected(s[3], kNatureTable.tabs, t, r))
                    lists[kNatureMeshes] += NameOf(table, t, r,
                                                   {{1, 2, "指定地域"}, {1, 3, "流路延長"},
                                                    {2, 1, "森林・国公有地"}, {2, 2, "沿岸海域"}});
    }
    if (flags[kIndustryMeshes] == 1) {
        // The industry file keeps its rows under tab 1.
        const auto table = ReadTable(appFolder, "DDMCFILE.DAT", 1, "TF");
        for (int r = 1; r <= kUsedRows; ++r)
            if (RowSelected(s[6], 1, 1, r))
                lists[kIndustryMeshes] += Entry(table.at(1, r));
    }
    if (flags[kTenthMeshes] == 1) {
        const auto table = ReadTable(appFolder, "DDFTFILE.DAT", 1, "F");
        for (int r = 1; r <= 4; ++r)
            if (RowSelected(s[4], 1, 1, r) && !table.at(1, r).file.empty())
                lists[kTenthMeshes] += std::string(kTenthNames[r - 1]) + "/";
    }
    const int kind = DigitAt(s[5], 2);
    if (flags[kTerrainMesh] == 1)
        lists[kTerrainMesh] = KindName(kTerrainNames, kind);
    if (flags[kClassMesh] == 1)
        lists[kClassMesh] = KindName(kClassNames, kind);
    return lists;
}

std::vector<std::string> PresetListBoxLines(const PresetNameLists& lists, const std::array<int, kFamilyCount>& flags)
{
    if (std::none_of(flags.begin(), flags.end(), [](int f) { return f == 1; }))
        return {kNothingSelected};
    struct Section {
        PresetFamily family;
        const char* header;
    };
    static constexpr Section kSections[] = {
        {kPoints, "点データ -------------"},        {kLines, "線データ -------------"},
        {kSurfaces, "面データ -------------"},      {kNatureMeshes, "３次ﾒｯｼｭ(自然) -------"},
        {kIndustryMeshes, "３次ﾒｯｼｭ(産業) -------"}, {kTenthMeshes, "1/10細分ﾒｯｼｭ ---------"},
        {kTerrainMesh, "自然地形ﾒｯｼｭ ---------"},   {kClassMesh, "土地分類･谷密度ﾒｯｼｭ --"},
    };
    std::vector<std::string> lines;
    for (const Section& section : kSections) {
        const std::string& list = lists[section.family];
        if (list.empty())
            continue;
        lines.push_back(section.header);
        std::size_t at = 0;
        while (at < list.size()) {
            const std::size_t slash = std::min(list.find('/', at), list.size());
            lines.push_back("　" + list.substr(at, slash - at));
            at = slash + 1;
        }
    }
    return lines;
}

} // namespace surrick
