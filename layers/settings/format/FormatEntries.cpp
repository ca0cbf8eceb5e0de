#include "layers/settings/format/FormatEntries.h"

#include "layers/settings/BarDelimitedSettings.h"
#include "layers/settings/files/LayerSettingsFile.h"
#include "layers/settings/format/FormatPageName.h"

#include <array>
#include <functional>

namespace {

using Flags = std::array<int, kFormatFlagCount>;

// One settings file: the field of each (tab, row), -1 for a row that never takes part, and the
// name a row shows in place of its data name (nullptr: its own).
struct FormatSource {
    const char* file;
    std::function<int(int tab, int row)> field;
    std::function<const char*(int tab, int row)> label;
};

const char* NoLabel(int, int) { return nullptr; }

std::vector<FormatSource> Sources(const Flags& f)
{
    const int geologyChoice = f[101] < 3 ? 2 : 3;
    return {
        {"DDDPFILE.DAT", [](int t, int r) { return t <= 6 && r <= 5 ? 45 + (t - 1) * 5 + r - 1 : -1; },
         [](int t, int r) -> const char* {
             static const char* const kCoast[] = {"感潮限界", "港湾", "漁港", "空港台帳"};
             if (t == 2 && r == 5)
                 return "発電所";
             return t == 5 && r <= 4 ? kCoast[r - 1] : nullptr;
         }},
        {"DddMFile.dat",
         [](int t, int r) { return r > 5    ? -1
                                   : t <= 6 ? (t - 1) * 5 + r - 1
                                   : t == 7 ? 75 + r - 1
                                            : -1; }, NoLabel},
        {"DddSFile.dat", [](int t, int r) { return t <= 3 && r <= 5 ? 30 + (t - 1) * 5 + r - 1 : -1; },
         [](int t, int r) -> const char* { return t == 1 && r == 5 ? "流域界・非集水域" : nullptr; }},
        {"DDMSFILE.DAT", [](int t, int r) { return t <= 2 && r <= 5 ? 80 + (t - 1) * 5 + r - 1 : -1; },
         [](int t, int r) -> const char* {
             static const char* const kNature[2][3] = {{"気候値メッシュ", "指定地域メッシュ", "流路延長"},
                                                       {"森林・国公有地メッシュ", "沿岸海域メッシュ", nullptr}};
             return t <= 2 && r <= 3 ? kNature[t - 1][r - 1] : nullptr;
         }},
        {"DDMCFILE.DAT", [](int, int r) { return r <= 5 ? 90 + r - 1 : -1; }, NoLabel},
        {"DDFTFILE.DAT", [](int, int r) { return r <= 4 ? 95 + r - 1 : -1; }, NoLabel},
        {"DGEOFILE.DAT",
         [geologyChoice](int t, int r) {
             return t != 1 ? -1 : r == 1 ? 99 : r == geologyChoice ? 100 : -1;
         },
         [geologyChoice](int, int r) -> const char* {
             if (r == 1)
                 return "自然地形メッシュ";
             return geologyChoice == 2 ? "土地分類メッシュ" : "谷密度メッシュ";
         }},
    };
}

} // namespace

std::vector<FormatEntry> CollectFormatEntries(std::string_view flags, const std::string& folder)
{
    Flags f{};
    BarDelimitedReader reader(flags);
    for (int& field : f)
        field = reader.nextInt();

    std::vector<FormatEntry> entries;
    for (const FormatSource& source : Sources(f)) {
        // Tab and row digits 1 to 9: the families that take "any tab" have no fixed count.
        LayerSettingsTable rows(9, 9);
        if (!ReadLayerSettingsFile(folder + source.file, "TF", rows))
            continue;
        for (int t = 1; t <= 9; ++t)
            for (int r = 1; r <= 9; ++r) {
                const int field = source.field(t, r);
                if (field < 0 || f[field] != 1)
                    continue;
                const LayerSettingsRow& row = rows.at(t, r);
                if (row.file.empty())
                    continue;
                if (entries.size() == kMaxFormatEntries)
                    return entries;
                const char* label = source.label(t, r);
                entries.push_back({label ? label : row.name, FormatPageName(row.file)});
            }
    }
    return entries;
}
