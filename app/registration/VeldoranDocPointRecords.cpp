// Reading registered points and place names into the record list, and the current entry of a
// record.
#include "app/document/VeldoranDoc.h"
#include "platform/text/Cp932.h"
#include "platform/text/StringOps.h"
#include "userdata/RecordLines.h"

#include <algorithm>

namespace {

constexpr int kReadPlainList = 1;
constexpr int kReadDataFile = 6;

// m_nKindData: which registered points a data-file read keeps.
constexpr int kKeepAll = 3;
constexpr int kKeepTextsAndPages = 1;     // pictures and albums (kinds up to 8) are dropped
constexpr int kKeepPicturesAndAlbums = 2; // texts and web pages (kinds 9 and 10) are dropped

} // namespace

std::string CVeldoranDoc::CurrentPointDataFile() const
{
    return position.m_nMapType == 4 ? menus.m_astrGuideMapCurrent[2] : registered.m_strDataFile;
}

int CVeldoranDoc::LoadVisibleRecords(SheetDrawState& draw, const std::string& path, const std::string& west,
                                     const std::string& south, const std::string& east, const std::string& north,
                                     int mode) const
{
    int count = 0;
    std::size_t kept = 0;
    const bool byKeyword = mode == kReadDataFile && spec.m_nKeywordActive == 1;
    // The coordinate texts are compared as texts, bounds included.
    const auto outside = [&](const RecordFields& fields) {
        return fields.latitude < south || fields.latitude > north || fields.longitude < west || fields.longitude > east;
    };
    const auto consider = [&](const std::string& record) {
        ++count;
        if (byKeyword && record.find(spec.m_strPointKeyword) == std::string::npos)
            return true;
        RecordFields fields;
        if (!SplitRecordFields(record, fields) || outside(fields))
            return true;
        if (mode == kReadDataFile && spec.m_nKindData != kKeepAll) {
            draw.m_nFileKind = GetFileKind(record);
            if ((spec.m_nKindData == kKeepTextsAndPages && draw.m_nFileKind <= 8) ||
                (spec.m_nKindData == kKeepPicturesAndAlbums && draw.m_nFileKind > 8))
                return true;
        }
        if (kept < kMaxListedRecords)
            draw.m_astrPointRecord[kept++] = record;
        return true;
    };
    // Most records lie outside the view. Their coordinate texts are ASCII, the same in the file as
    // converted, so those are passed over before their line is converted; a keyword search reads
    // the whole converted line.
    const auto considerRaw = [&](std::string_view raw) {
        RecordFields fields;
        if (!byKeyword && SplitRecordFields(raw, fields) && vd::isAscii(fields.latitude) &&
            vd::isAscii(fields.longitude) && outside(fields)) {
            ++count;
            return true;
        }
        return consider(vd::cp932ToUtf8(raw));
    };
    if (mode == kReadPlainList || mode == kReadDataFile)
        ForEachRawRecordLine(path, true, considerRaw);
    draw.m_astrPointRecord[kept] = kListEnd;
    if (mode == kReadPlainList)
        draw.m_nLastListCount = count;
    return count;
}

void CVeldoranDoc::LoadRecordList(const std::string& path, const std::string& how)
{
    const std::vector<std::string> records = ReadRecordLines(path, kMaxListedRecords);
    if (how == "first") {
        StoreRecords(m_astrPointRecord, 0, records);
        return;
    }
    // Appended after the current end mark; a list without one counts as full.
    const auto end = std::find(m_astrPointRecord.begin(), m_astrPointRecord.end(), kListEnd);
    StoreRecords(m_astrPointRecord, static_cast<std::size_t>(end - m_astrPointRecord.begin()), records);
}

std::string CVeldoranDoc::GetRecordWithFile(int index) const
{
    if (index < 0 || index >= static_cast<int>(kRecordListSize) || m_astrPointRecord[index] == kListEnd)
        return kListEnd;
    return RecordWithFile(m_astrPointRecord[index]);
}

void CVeldoranDoc::SetEntryFromRecord(const std::string& record)
{
    m_nFileKind = GetFileKind(record);
    const std::size_t start = FileReferenceStart(record);
    const std::string_view files = start == std::string::npos ? std::string_view() : std::string_view(record).substr(start);
    const std::size_t blank = files.find(' ');
    if (m_nFileKind <= 7) {
        // A picture, then perhaps the text that goes with it.
        entry.m_strEntryTarget = std::string(files.substr(0, blank));
        m_strEntryParam = blank == std::string_view::npos ? std::string() : std::string(files.substr(blank + 1));
    } else if (m_nFileKind == 8) {
        m_strEntryParam = std::string(files.substr(0, blank));
        entry.m_strEntryTarget.clear();
    } else if (m_nFileKind == 9) {
        m_strEntryParam = std::string(files);
        entry.m_strEntryTarget.clear();
    } else {
        // A web page: the field after name, latitude, longitude and item.
        RecordFields fields;
        std::string_view page;
        if (SplitRecordFields(record, fields)) {
            const std::size_t afterItem = fields.rest.find(' ');
            if (afterItem != std::string_view::npos)
                page = FirstWord(fields.rest.substr(afterItem + 1));
        }
        entry.m_strEntryTarget = std::string(page);
        m_strEntryParam.clear();
    }
}
