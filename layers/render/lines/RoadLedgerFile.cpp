#include "layers/render/lines/RoadLedgerFile.h"

#include "platform/fs/RawFields.h"
#include "platform/fs/TextReader.h"
#include "platform/text/Numbers.h"

#include <string>

std::optional<std::size_t> RoadClassTable::Slot(int roadNumber)
{
    int group = -1;
    if (roadNumber >= 70000 && roadNumber <= 79999)
        group = 48;
    else if (roadNumber >= 80000 && roadNumber <= 89999)
        group = 49;
    else if (roadNumber >= 90000 && roadNumber <= 99999)
        group = 0;
    else if (roadNumber >= 0 && roadNumber < 48000)
        group = roadNumber / 1000;
    if (group < 0)
        return std::nullopt;
    return std::size_t(group) * 1000 + std::size_t(roadNumber % 1000);
}

void RoadClassTable::Set(int roadNumber, int roadClass)
{
    if (const auto slot = Slot(roadNumber))
        classes_[*slot] = std::int16_t(roadClass);
}

int RoadClassTable::ClassOf(int roadNumber) const
{
    const auto slot = Slot(roadNumber);
    return slot ? classes_[*slot] : kDefaultClass;
}

bool ReadRoadLedgerFile(std::string_view winPath, RoadClassTable& table)
{
    vd::TextReader reader;
    if (!reader.open(winPath))
        return false;
    std::string line;
    int ledgerLines = 0;
    while (ledgerLines < kMaxLedgerLines && reader.readRawLine(line)) {
        if (!line.starts_with("DL"))
            continue;
        table.Set(vd::parseInt(vd::rawField(line, 3, 10)), vd::parseInt(vd::rawField(line, 16, 2)));
        ++ledgerLines;
    }
    return true;
}
