#include "userdata/TrackHeader.h"

#include <string_view>

namespace {

bool Has(std::string_view line, std::string_view what) { return line.find(what) != std::string_view::npos; }

} // namespace

TrackHeader ReadTrackHeaderLines(const std::vector<std::string>& lines)
{
    enum class State { None, AfterUnit, FirstHeader };
    State state = State::None;
    TrackHeader header;
    std::string headerLine;
    for (const std::string& line : lines) {
        if (Has(line, "U  LAT LON")) {
            // Later tests win; "DM" alone is degrees and decimal minutes.
            if (Has(line, "DMS"))
                header.format = "DMS";
            if (Has(line, "DEG"))
                header.format = "DEG";
            if (Has(line, "DM") && !Has(line, "DMS"))
                header.format = "DMM";
            state = State::AfterUnit;
        } else if (Has(line, "H  LATITUDE") || (Has(line, "H ") && Has(line, "DATUM"))) {
            continue;
        } else if (Has(line, "H ")) {
            if (state == State::None) {
                headerLine = line;
                state = State::FirstHeader;
            } else if (state == State::AfterUnit) {
                headerLine = line;
            }
        } else if (Has(line, "T  N")) {
            const auto e = line.find('E');
            const int column = e == std::string::npos ? 0 : int(e) + 1;
            header.longitudeColumn = column;
            header.decimalColumn = column + 4;
            break;
        }
    }
    header.text = headerLine.size() > 2 ? headerLine.substr(2) : std::string();
    return header;
}
