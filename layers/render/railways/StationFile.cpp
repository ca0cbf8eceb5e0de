// BuildStationFile: RL_駅.dat, one line per station (the node's coordinate text, then its name),
// made once from the railway data file and the sheets of BLCMAP20.IDX. Two passes over the data
// file gather the names and the stations of every sheet at once; the lines come out sheet by
// sheet in the index's order, each sheet's names its own.
#include "basemap/sheetindex/SheetIndexFile.h"
#include "layers/render/LayerRenderer.h"
#include "layers/render/lines/CacheBuild.h"
#include "layers/render/railways/RailwayData.h"
#include "platform/fs/RawFields.h"
#include "platform/fs/TextReader.h"
#include "platform/text/Numbers.h"

#include <map>

namespace {

constexpr int kMaxSheets = 200;
constexpr int kNamesPerRow = 310;
constexpr int kRows = 78;

std::vector<std::string> IndexSheets(const std::string& indexPath)
{
    std::vector<std::string> sheets;
    const auto lines = ReadSheetIndex(indexPath);
    if (!lines)
        return sheets;
    for (const SheetIndexLine& line : *lines) {
        if (line.IsEmpty() || line.IsComment() || int(sheets.size()) >= kMaxSheets)
            continue;
        sheets.push_back(railways::SheetCode(line.Raw()));
        if (sheets.back() == "4630")
            break;
    }
    return sheets;
}

// The StationNameTable slot of a second-level code and node number; -1 without one.
int NameSlot(int row, int node)
{
    if (row < 0 || row >= kRows || node < 0 || node >= kNamesPerRow)
        return -1;
    return row * kNamesPerRow + node;
}

} // namespace

void CLayerRenderer::BuildStationFile()
{
    const std::string folder = CacheFolder(DataSetPath);
    const std::string stationPath = folder + "RL_駅.dat";
    if (CacheExists(stationPath))
        return;
    BuildProgress progress(*this);
    vd::Dc& dc = DeviceContext;
    dc.SetTextColor(vd::RGB(255, 0, 0));
    const std::vector<std::string> sheets = IndexSheets(DataFolder + "BLCMAP20.IDX");
    std::map<std::string, std::map<int, std::string>> names; // by sheet: StationNameTable
    std::map<std::string, std::vector<std::string>> stations;
    for (const std::string& sheet : sheets) {
        names[sheet];
        stations[sheet];
    }

    // A folder that cannot take the file is no reason for a message or the passes.
    vd::TextReader data;
    CacheWriter out;
    if (!sheets.empty() && data.open(DataSetPath) && out.Open(stationPath)) {
        progress.Show(20, StatusLineY - 18,
                      "駅名ファイルを作成します。 <" + sheets.front() +
                          ">  しばらくお待ちください（所要時間 ８～15分）！");
        std::string raw;
        while (data.readRawLine(raw) && !(raw.size() > 1 && raw[1] == 'S')) {
            if (raw.size() < 2 || raw[1] != 'P')
                continue;
            const auto sheet = names.find(std::string(vd::rawField(raw, 3, 4)));
            const int slot = NameSlot(vd::parseInt(vd::rawField(raw, 7, 2)), vd::parseInt(vd::rawField(raw, 9, 4)));
            if (sheet != names.end() && slot >= 0)
                sheet->second[slot] = railways::StationName(raw);
        }
        if (data.seek(0)) {
            while (data.readRawLine(raw) && !(!raw.empty() && raw[0] == 'L')) {
                if (raw.empty() || raw[0] != 'N' || vd::parseInt(vd::rawField(raw, 31, 2)) == 0)
                    continue;
                const std::string sheet(vd::rawField(raw, 3, 4));
                const auto list = stations.find(sheet);
                if (list == stations.end())
                    continue;
                const auto& table = names[sheet];
                const auto name =
                    table.find(NameSlot(vd::parseInt(vd::rawField(raw, 7, 2)), vd::parseInt(vd::rawField(raw, 9, 6))));
                list->second.push_back(std::string(vd::rawField(raw, 16, 16)) +
                                       (name == table.end() ? std::string() : name->second));
            }
        }
        if (data.failed()) {
            out.Abandon();
        } else {
            for (std::size_t i = 0; i < sheets.size(); ++i) {
                if (i > 0) // the first sheet's message stands since the passes began
                    progress.Show(20, StatusLineY - 18,
                                  "駅名ファイルを作成します。 <" + sheets[i] +
                                      ">  しばらくお待ちください（所要時間 ８～15分）！");
                for (const std::string& line : stations[sheets[i]])
                    out.Line(line);
            }
            out.Finish();
        }
    }
    dc.SetTextColor(vd::RGB(0, 0, 0));
}
