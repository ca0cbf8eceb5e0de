#include "municipal/conversion/SourceFileConversion.h"

#include "municipal/conversion/LinkTable.h"
#include "municipal/conversion/SourceRecords.h"
#include "platform/fs/BinaryWriter.h"
#include "platform/fs/RawFields.h"
#include "platform/text/Format.h"

#include <algorithm>
#include <unordered_map>

namespace municipal {
namespace {

using AreaFields = std::unordered_map<std::string, std::string>; // "%05d" code -> field 9-24

std::string FixedRecord(std::string text, std::size_t size)
{
    text.resize(size, '\0');
    return text;
}

void AppendInt32(std::string& bytes, std::int32_t value)
{
    const auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// The representative point field of each administrative area code (the first area of a code
// gives it), at most kAreaCodeLimit area records.
AreaFields CollectAreaFields(std::string_view sourcePath, const SourceColumns& columns, int& refused)
{
    AreaFields fields;
    SourceLineReader reader;
    if (!reader.open(sourcePath))
        return fields;
    int collected = 0;
    std::string line;
    while (reader.next(line)) {
        if (line.empty() || line[0] != columns.areaType)
            continue;
        if (collected == kAreaCodeLimit) {
            ++refused;
            continue;
        }
        ++collected;
        fields.try_emplace(vd::format("%05d", NumberField(line, columns.areaCodeStart, 10)),
                           std::string(vd::rawField(line, 9, 16)));
    }
    return fields;
}

std::string LedgerText(std::string_view line, SourceTheme theme, const AreaFields& fields)
{
    if (theme == SourceTheme::Coastline) {
        std::string text = vd::format("%d", NumberField(line, 3, 10)) + std::string(vd::rawField(line, 16));
        if (text.size() > kLedgerRecordSize)
            text.resize(kLedgerRecordSize);
        return text;
    }
    // The fields as the line holds them: a line that ends early gives shorter fields.
    const std::string code(vd::rawField(line, 8, 5));
    std::string text = code;
    for (int start : {16, 32, 48, 64})
        text += vd::rawField(line, start, 12);
    if (const auto it = fields.find(code); it != fields.end())
        text += it->second;
    return text;
}

void WriteLedger(std::string_view sourcePath, const SourceColumns& columns, SourceTheme theme,
                 const AreaFields& fields, vd::BinaryWriter& out)
{
    SourceLineReader reader;
    if (reader.open(sourcePath)) {
        std::string line;
        while (reader.next(line))
            if (line.starts_with(columns.ledgerType))
                out.writeBytes(FixedRecord(LedgerText(line, theme, fields), kLedgerRecordSize));
    }
    out.writeBytes(FixedRecord(std::string(LedgerEndText(columns.kind)), kLedgerRecordSize));
}

class AreaPass {
public:
    AreaPass(SourceTheme theme, vd::BinaryWriter& out)
        : theme_(theme), columns_(ColumnsOf(theme)), links_(columns_.linkLimit), out_(out)
    {
    }

    void run(std::string_view sourcePath, const std::function<void(const SourceHeader&)>& onHeader)
    {
        if (!reader_.open(sourcePath))
            return;
        std::string line;
        SourceHeader header;
        for (int i = 0; i < 2 && reader_.next(line); ++i)
            if (i == 1)
                header = {NumberField(line, 0, 8), NumberField(line, 16, 8), NumberField(line, 24, 8),
                          NumberField(line, 48, 8)};
        if (onHeader)
            onHeader(header);
        while (reader_.next(line) && !line.starts_with('D')) {
            if (line.starts_with('L'))
                readLink(line);
            else if (line.starts_with(columns_.areaType))
                writeArea(line);
            else if (!line.starts_with('N'))
                storeLink(lastKey_, lastCount_); // an unknown record keeps the lines announced last
        }
    }

    int refusedLinks() const { return links_.refused(); }

private:
    void readLink(std::string_view line)
    {
        lastKey_ = LinkKey(theme_, NumberField(line, 3, 6), NumberField(line, 27, 6));
        lastCount_ = NumberField(line, columns_.pointCountStart);
        storeLink(lastKey_, lastCount_);
    }

    void storeLink(const std::string& key, int count)
    {
        std::vector<BoundaryPoint> points;
        bool open = true;
        std::string line;
        for (int i = FollowingLineCount(count); i > 0 && reader_.next(line); --i)
            if (open)
                open = AppendLinkPoints(line, points);
        links_.add(key, std::move(points));
    }

    void writeArea(std::string_view line)
    {
        const int code = NumberField(line, columns_.areaCodeStart, 10);
        lastCount_ = NumberField(line, columns_.areaCountStart, 6);
        const bool administrative = theme_ == SourceTheme::AdministrativeArea;
        std::string bytes = FixedRecord(vd::format(administrative ? "%05d" : "%d", code), kAreaRecordSize);

        std::vector<LinkReference> references;
        std::string referenceLine;
        for (int i = FollowingLineCount(lastCount_); i > 0 && reader_.next(referenceLine); --i)
            AppendLinkReferences(referenceLine, references);
        for (const LinkReference& reference : references) {
            const std::vector<BoundaryPoint>* points = links_.find(LinkKey(theme_, reference.linkNumber, reference.subNumber));
            if (!points)
                continue;
            auto append = [&bytes](const BoundaryPoint& p) {
                AppendInt32(bytes, p.longitudeTenthSeconds);
                AppendInt32(bytes, p.latitudeTenthSeconds);
            };
            if (administrative && reference.subNumber < 0)
                std::for_each(points->rbegin(), points->rend(), append);
            else
                std::for_each(points->begin(), points->end(), append);
        }
        AppendInt32(bytes, kAreaEndValue);
        AppendInt32(bytes, kAreaEndValue);
        out_.writeBytes(bytes);
    }

    SourceTheme theme_;
    const SourceColumns& columns_;
    LinkTable links_;
    vd::BinaryWriter& out_;
    SourceLineReader reader_;
    std::string lastKey_;
    int lastCount_ = 0;
};

} // namespace

FileConversionResult ConvertSourceFile(std::string_view sourcePath, std::string_view outputPath, SourceTheme theme,
                                       const std::function<void(const SourceHeader&)>& onHeader)
{
    FileConversionResult result;
    const SourceColumns& columns = ColumnsOf(theme);
    vd::BinaryWriter out;
    if (!out.open(outputPath, vd::WriteMode::Replace))
        return result;
    AreaFields fields;
    if (theme == SourceTheme::AdministrativeArea)
        fields = CollectAreaFields(sourcePath, columns, result.refusedAreaCodes);
    WriteLedger(sourcePath, columns, theme, fields, out);
    AreaPass areas(theme, out);
    areas.run(sourcePath, onHeader);
    result.refusedLinks = areas.refusedLinks();
    result.written = out.close();
    return result;
}

} // namespace municipal
