#include "layers/render/railways/RailwayData.h"

#include "platform/fs/RawFields.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

namespace railways {

namespace {

constexpr int kBlockDifferences[9] = {99, 100, 101, -1, 0, 1, -101, -100, -99};
constexpr int kEntryBytes = 14;

} // namespace

int BlockOf(int mesh, int centreMesh)
{
    for (int block = 0; block < 9; ++block)
        if (mesh - centreMesh == kBlockDifferences[block])
            return block;
    return -1;
}

int RailwayClassGrid::Index(int block, int row, int column)
{
    if (block < 0 || block > 8 || row < 0 || row >= kRows || column < 0 || column >= kColumns)
        return -1;
    return (block * kRows + row) * kColumns + column;
}

void RailwayClassGrid::Set(int block, int row, int column, int railwayClass)
{
    const int at = Index(block, row, column);
    if (at >= 0)
        classes_[std::size_t(at)] = std::int16_t(railwayClass);
}

int RailwayClassGrid::ClassAt(int block, int row, int column) const
{
    const int at = Index(block, row, column);
    return at < 0 ? 0 : classes_[std::size_t(at)];
}

void RailwayLedger::AddLine(std::string_view dsLine)
{
    if (int(entries_.size()) < kMaxEntries)
        entries_.emplace_back(std::string(vd::rawField(dsLine, 5, 6)), vd::parseInt(vd::rawField(dsLine, 16, 2)));
}

int RailwayLedger::ClassOf(std::string_view railwayNumber) const
{
    for (const auto& [number, railwayClass] : entries_)
        if (number == railwayNumber)
            return railwayClass;
    return 2;
}

void SectionReader::Line(std::string_view raw)
{
    if (linesLeft_ > 0) {
        --linesLeft_;
        for (int i = 0; i < 5; ++i) {
            const std::string_view entry = vd::rawField(raw, i * kEntryBytes, kEntryBytes);
            const int mesh = vd::parseInt(vd::rawField(entry, 0, 4));
            const int row = vd::parseInt(vd::rawField(entry, 4, 2));
            if (mesh == 0 && row == 0)
                break;
            const int block = BlockOf(mesh, centreMesh_);
            if (block >= 0)
                grid_.Set(block, row, vd::parseInt(vd::rawField(entry, 6, 6)), class_);
        }
        return;
    }
    if (!raw.empty() && raw[0] == 'S') {
        class_ = ledger_.ClassOf(vd::rawField(raw, 39, 6));
        linesLeft_ = FollowingLines(vd::parseInt(vd::rawField(raw, 47, 6)));
    }
}

bool SectionRunFilter::Keep(std::string_view raw)
{
    if (!raw.empty() && raw[0] == 'S')
        inRun_ = true;
    else if (!raw.empty() && raw[0] == 'D')
        inRun_ = false;
    return inRun_;
}

LinkHeader ParseLinkHeader(std::string_view raw)
{
    LinkHeader header;
    header.meshText = std::string(vd::rawField(raw, 3, 4));
    header.mesh = vd::parseInt(header.meshText);
    header.row = vd::parseInt(vd::rawField(raw, 7, 2));
    header.link = vd::parseInt(vd::rawField(raw, 9, 6));
    header.pointCount = vd::parseInt(vd::rawField(raw, 46));
    return header;
}

void ParsePointValues(std::string_view raw, std::vector<int>& values)
{
    std::size_t at = 0;
    while (at < raw.size()) {
        while (at < raw.size() && (raw[at] == ' ' || raw[at] == '\t'))
            ++at;
        if (at >= raw.size())
            break;
        std::size_t end = at;
        while (end < raw.size() && raw[end] != ' ' && raw[end] != '\t')
            ++end;
        values.push_back(vd::parseInt(raw.substr(at, end - at)));
        at = end;
    }
}

std::string SheetCode(std::string_view indexLine)
{
    const int minutes =
        vd::parseInt(vd::rawField(indexLine, 22, 2)) * 60 + vd::parseInt(vd::rawField(indexLine, 25, 2));
    return vd::format("%2d", minutes / 40) + std::string(vd::rawField(indexLine, 33, 2));
}

std::string StationName(std::string_view raw)
{
    const std::string_view field = vd::rawField(raw, 16, 56);
    const std::size_t blank = field.find(' ');
    return blank == std::string_view::npos ? std::string() : std::string(field.substr(0, blank));
}

} // namespace railways
