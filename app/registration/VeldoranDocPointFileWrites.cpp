// Writing the point data file: appending a record, replacing or deleting the line that holds a
// key. A rewrite keeps every other line of the file with its original bytes (also lines past
// the record list's bound and lines of any length) and goes through a temporary file, so a
// failed write leaves the old file whole.
#include "app/document/VeldoranDoc.h"
#include "userdata/RecordLines.h"

#include "platform/fs/TextLines.h"
#include "platform/fs/TextWriter.h"
#include "platform/text/StringOps.h"

#include <optional>

namespace {

// The file's non-empty lines (comments too) with their line numbers in the file.
struct NonEmptyLines {
    vd::TextLines file;
    std::vector<std::size_t> lineNumbers;
};

std::optional<NonEmptyLines> ReadNonEmptyLines(const std::string& path)
{
    if (path.empty())
        return std::nullopt;
    std::optional<vd::TextLines> file = vd::TextLines::read(path);
    if (!file)
        return std::nullopt;
    NonEmptyLines lines{std::move(*file), {}};
    for (std::size_t n = 0; n < lines.file.size(); ++n)
        if (!lines.file.raw(n).empty())
            lines.lineNumbers.push_back(n);
    return lines;
}

// The record list as the rewrite sees it: the first 4999 non-empty lines, then the end mark.
void ListLines(RecordList& list, const NonEmptyLines& lines)
{
    std::vector<std::string> texts;
    for (std::size_t n = 0; n < lines.lineNumbers.size() && n < kMaxListedRecords; ++n)
        texts.push_back(lines.file.text(lines.lineNumbers[n]));
    StoreRecords(list, 0, texts);
}

// The first non-empty line whose lower-case form holds loweredKey and which holds exactKey.
std::optional<std::size_t> FindKeyLine(const NonEmptyLines& lines, const std::string& loweredKey,
                                       const std::string& exactKey)
{
    for (std::size_t n = 0; n < lines.lineNumbers.size(); ++n) {
        const std::string text = lines.file.text(lines.lineNumbers[n]);
        if (vd::toLowerAscii(text).find(loweredKey) != std::string::npos && text.find(exactKey) != std::string::npos)
            return n;
    }
    return std::nullopt;
}

// Empty lines carry nothing and are not written again.
void DropEmptyLines(vd::TextLines& file)
{
    for (std::size_t n = file.size(); n-- > 0;)
        if (file.raw(n).empty())
            file.erase(n);
}

} // namespace

bool CVeldoranDoc::AppendRecord(const std::string& line)
{
    // The data file is never created here: a missing file is a failed write.
    const std::string path = CurrentPointDataFile();
    vd::TextWriter writer;
    if (path.empty() || !writer.open(path, vd::WriteMode::AppendExisting))
        return false;
    writer.writeLine(line);
    return writer.close();
}

bool CVeldoranDoc::ReplaceRecord(int mode, const std::string& text, const std::string& key)
{
    const std::string lowered = vd::toLowerAscii(key);
    std::optional<NonEmptyLines> lines = ReadNonEmptyLines(CurrentPointDataFile());
    if (!lines) {
        m_astrPointRecord[0] = kListEnd;
        return false;
    }
    ListLines(m_astrPointRecord, *lines);
    // An empty key would match the first line, whatever it holds.
    if (lowered.empty())
        return false;
    const std::optional<std::size_t> found = FindKeyLine(*lines, lowered, "");
    if (!found)
        return false;
    const std::string replacement = mode == 1 ? text + lowered : text;
    if (*found < kMaxListedRecords)
        m_astrPointRecord[*found] = replacement;
    lines->file.setText(lines->lineNumbers[*found], replacement);
    DropEmptyLines(lines->file);
    return lines->file.write(CurrentPointDataFile());
}

KeyLineRemoval RemoveKeyLine(const std::string& path, const std::string& key, const std::string& exactKey,
                             RecordList* listed)
{
    std::optional<NonEmptyLines> lines = ReadNonEmptyLines(path);
    if (!lines) {
        if (listed)
            (*listed)[0] = kListEnd;
        return KeyLineRemoval::Unreadable;
    }
    if (listed)
        ListLines(*listed, *lines);
    const std::string lowered = vd::toLowerAscii(key);
    // With no key at all every line would match and the first one would go.
    if (lowered.empty() && exactKey.empty())
        return KeyLineRemoval::NotFound;
    const std::optional<std::size_t> found = FindKeyLine(*lines, lowered, exactKey);
    if (!found)
        return KeyLineRemoval::NotFound;
    const std::size_t lineNumber = lines->lineNumbers[*found];
    if (*found == 0) {
        // The first line of the list leaves an empty line in its place.
        lines->file.setText(lineNumber, "");
        DropEmptyLines(lines->file);
        lines->file.insertText(0, "");
    } else {
        lines->file.erase(lineNumber);
        DropEmptyLines(lines->file);
    }
    return lines->file.write(path) ? KeyLineRemoval::Removed : KeyLineRemoval::WriteFailed;
}

bool CVeldoranDoc::DeleteRecord(const std::string& path, const std::string& key, const std::string& alternativeKey,
                                const std::string& exactKey)
{
    return RemoveKeyLine(path, key.empty() ? alternativeKey : key, exactKey, &m_astrPointRecord.all()) ==
           KeyLineRemoval::Removed;
}
