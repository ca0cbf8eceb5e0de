#include "layers/settings/linedata/LineDataInputs.h"

std::vector<std::string> SplitJoinedInput(std::string_view text, int parts, char separator, bool closesLast)
{
    std::vector<std::string> out;
    if (parts <= 0)
        return out;
    for (int n = 0; n < parts - 1; ++n) {
        const auto at = text.find(separator);
        if (at == std::string_view::npos) {
            out.emplace_back();
            continue;
        }
        out.emplace_back(text.substr(0, at));
        text.remove_prefix(at + 1);
    }
    if (closesLast && !text.empty() && text.back() == separator)
        text.remove_suffix(1);
    out.emplace_back(text);
    return out;
}

namespace {

// Places a list of texts into rows firstRow.. of a tab's names or files.
void Place(LineDataTexts& table, int tab, int firstRow, const std::vector<std::string>& texts)
{
    for (std::size_t n = 0; n < texts.size(); ++n)
        table[SlotEntry(tab, firstRow + static_cast<int>(n))] = texts[n];
}

} // namespace

LineDataRowTexts PlaceLineDataTexts(const std::vector<std::string>& texts)
{
    // arg(k): argument k of the entry point (2 to 32).
    auto arg = [&texts](int k) -> std::string {
        const std::size_t n = static_cast<std::size_t>(k - 2);
        return n < texts.size() ? texts[n] : std::string();
    };
    auto joined = [&arg](int k, int parts) { return SplitJoinedInput(arg(k), parts, '/'); };
    auto barred = [&arg](int k) { return SplitJoinedInput(arg(k), 5, '|', true); };

    LineDataRowTexts rows;
    rows.name[SlotEntry(1, 1)] = "道路";
    Place(rows.name, 1, 2, {arg(2), arg(3), arg(4), arg(5)});
    Place(rows.file, 1, 1, {arg(6), arg(7), arg(8), arg(9), arg(10)});
    Place(rows.name, 2, 1, {arg(11), arg(12), arg(13), arg(14), arg(15)});
    Place(rows.file, 2, 1, {arg(16), arg(17), arg(18), arg(19), arg(20)});
    Place(rows.name, 3, 1, {arg(21), arg(22)});
    Place(rows.name, 3, 3, joined(23, 3));
    Place(rows.name, 6, 1, joined(24, 5));
    Place(rows.file, 6, 1, joined(25, 5));
    Place(rows.file, 3, 1, joined(26, 5));
    Place(rows.name, 4, 1, joined(27, 5));
    Place(rows.file, 4, 1, joined(28, 5));
    Place(rows.name, 5, 1, joined(29, 5));
    Place(rows.file, 5, 1, joined(30, 5));
    Place(rows.name, 7, 1, barred(31));
    Place(rows.file, 7, 1, barred(32));
    return rows;
}
