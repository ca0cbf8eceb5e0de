// The river file of the W15-52L data set: Riverddd.dat beside the river data file, every link line
// joined with the attribute group of its river (the link's first 51 characters, the group's
// field count, then the group's field lines). Built once through two intermediates, 台帳wwww.dat
// (the attribute groups) and 台帳Link.dat (the link part of the data file), which go afterwards.
#include "layers/render/railways/RiverFile.h"

#include "layers/render/LayerRenderer.h"
#include "layers/render/lines/CacheBuild.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/RawFields.h"
#include "platform/fs/TextReader.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

namespace {

constexpr int kFieldBytes = 17;
constexpr int kMaxMisses = 500;
constexpr int kCountEvery = 500;
const std::string kWait = "しばらくお待ちください（数～30分）！";

// The attribute groups: from the first "DS" line on, runs of one key (columns 4-13).
bool WriteGroups(const std::string& dataPath, const std::string& path)
{
    vd::TextReader data;
    CacheWriter out;
    if (!data.open(dataPath) || !out.Open(path))
        return false;
    std::string raw;
    std::string key;
    std::vector<std::string> fields;
    bool started = false;
    const auto flush = [&] {
        if (fields.empty())
            return;
        out.Line("DS " + key + vd::format("%3d", int(fields.size())));
        for (std::size_t i = 0; i < fields.size(); i += 5) {
            std::string line;
            for (std::size_t k = i; k < fields.size() && k < i + 5; ++k)
                line += fields[k] + " ";
            out.Line(line);
        }
        fields.clear();
    };
    while (data.readRawLine(raw)) {
        started = started || raw.substr(0, 2) == "DS";
        if (!started)
            continue;
        const std::string lineKey = vd::paddedRawField(raw, 3, 10);
        if (lineKey != key)
            flush();
        key = lineKey;
        fields.push_back(vd::paddedRawField(raw, 22, kFieldBytes));
    }
    flush(); // the file's last group too
    return out.FinishUnless(data.failed());
}

// The link part of the data file: from its first "L" line up to its first "S" line.
bool WriteLinks(const std::string& dataPath, const std::string& path)
{
    vd::TextReader data;
    CacheWriter out;
    if (!data.open(dataPath) || !out.Open(path))
        return false;
    std::string raw;
    bool started = false;
    while (data.readRawLine(raw)) {
        if (!raw.empty() && raw[0] == 'S')
            break;
        started = started || (!raw.empty() && raw[0] == 'L');
        if (started)
            out.Line(raw);
    }
    return out.FinishUnless(data.failed());
}

void JoinLinks(BuildProgress& progress, const std::string& linkPath, const std::string& groupPath, const std::string& path)
{
    vd::TextReader links;
    vd::TextReader groups;
    CacheWriter out;
    if (!links.open(linkPath) || !groups.open(groupPath) || !out.Open(path))
        return;
    std::string raw;
    std::string header;
    std::string field;
    int joined = 0;
    while (links.readRawLine(raw)) {
        if (raw.empty() || raw[0] != 'L') {
            out.Line(raw);
            continue;
        }
        const std::string_view river = vd::rawField(raw, 27, 6);
        bool found = false;
        for (int misses = 0; misses <= kMaxMisses && groups.readRawLine(header);) {
            if (header.substr(0, 3) != "DS ")
                continue;
            const int count = vd::parseInt(vd::rawField(header, 13, 3));
            if (vd::rawField(header, 7, 6) == river) {
                out.Line(vd::paddedRawField(raw, 0, 51) + std::string(vd::rawField(header, 13, 3)));
                for (int i = 0; i < (count + 4) / 5 && groups.readRawLine(field); ++i)
                    out.Line(field);
                found = true;
                break;
            }
            for (int i = 0; i < (count + 4) / 5 && groups.readRawLine(field); ++i) {
            }
            ++misses;
        }
        if (!found)
            break; // what was joined so far stays
        // The count redrawn every so many links and always for the last: drawing it for each
        // link took longer than the join itself.
        if (joined++ % kCountEvery == 0)
            progress.Note(300, 702, vd::format("  i=%d", joined));
    }
    if (joined > 0 && (joined - 1) % kCountEvery != 0)
        progress.Note(300, 702, vd::format("  i=%d", joined));
    out.FinishUnless(links.failed() || groups.failed());
}

} // namespace

void BuildRiverFile(CLayerRenderer& r, const std::string& dataPath)
{
    const std::string folder = CacheFolder(dataPath);
    const std::string riverPath = folder + "Riverddd.dat";
    if (CacheExists(riverPath))
        return;
    // An unreadable data file or a folder that cannot take the file: no build and no message.
    vd::TextReader source;
    CacheWriter target;
    if (!source.open(dataPath) || !target.Open(riverPath))
        return;
    source.close();
    target.Abandon();
    BuildProgress progress(r);
    const std::string groupPath = folder + "台帳wwww.dat";
    const std::string linkPath = folder + "台帳Link.dat";
    progress.Show(20, 683, "台帳データファイルを作成(1)");
    progress.Show(20, 702, kWait);
    if (CacheExists(groupPath) || WriteGroups(dataPath, groupPath)) {
        progress.Show(20, 683, "台帳データファイルを作成(2)");
        if (CacheExists(linkPath) || WriteLinks(dataPath, linkPath)) {
            progress.Show(20, 683, "台帳データファイルを作成(3)");
            JoinLinks(progress, linkPath, groupPath, riverPath);
        }
    }
    (void)vd::removeFile(groupPath);
    (void)vd::removeFile(linkPath);
}
