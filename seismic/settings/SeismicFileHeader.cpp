#include "seismic/settings/SeismicFileHeader.h"

#include "platform/fs/TextReader.h"
#include "seismic/lists/SeismicDataList.h"

namespace seismic {

std::string_view SeismicHeaderMarker(int kind) { return kind != 0 ? "# XPO" : "# COD"; }

std::string SeismicFileHeaderText(std::string_view listFolder, int kind, int entry)
{
    const std::string line = GetSeismicDataEntry(listFolder, kind, entry).line;
    // A line without "=" is an entry with an empty name and the whole line as its data file.
    const std::size_t equals = line.find('=');
    const std::string name = equals == std::string::npos ? std::string() : line.substr(0, equals);
    const std::string dataFile = SeismicEntryDataPath(line);

    std::string text = "名称：" + name + "\r\n" + "ﾌｧｲﾙ：" + dataFile + "\r\n";
    for (int i = 0; i < 32; ++i)
        text += "－";
    text += "\r\n";

    vd::TextReader reader;
    if (dataFile.empty() || !reader.open(dataFile))
        return text;
    const std::string_view marker = SeismicHeaderMarker(kind);
    std::string header;
    while (reader.readLine(header)) {
        text += header + "\r\n";
        if (std::string_view(header).substr(0, marker.size()) == marker)
            break;
    }
    return text;
}

} // namespace seismic
