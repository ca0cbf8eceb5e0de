// BuildLedgerFiles: the ledger of a whole-country line data set, built once beside its data file.
// Every data record is joined with a representative coordinate: the first unused section that
// names its data key gives a link key, and the first unused node of that link gives the
// coordinate. C32-59L is first cut into three longitude parts, each with its own ledger. The
// W15-52L rivers get their river file instead.
#include "layers/render/LayerRenderer.h"
#include "layers/render/lines/CacheBuild.h"
#include "layers/render/lines/LedgerDataSets.h"
#include "layers/render/railways/RiverFile.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/RawFields.h"
#include "platform/fs/TextReader.h"
#include "platform/text/Cp932.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

const std::string kWait = "しばらくお待ちください（数～30分）！";
constexpr const char* kIntermediateName = "台帳.dat";

bool Begins(std::string_view raw, char kind) { return !raw.empty() && raw[0] == kind; }

// The lines that follow a link (its points) or a section (its entries), five a line.
int FollowingLineCount(int n) { return int((static_cast<long long>(n) + 4) / 5); }

// Queues of table entries by key, in file order: the "first unused entry with this key" of a
// join is the front of its queue, once the entries used by another key are passed over. The
// entries are kept sorted by key (file order within a key) and found by binary search: the
// tables run to tens of thousands of keys, and data records come in much the order of the
// tables, so the search stays in memory the cache holds where a hash table's would not.
class KeyQueues {
public:
    void Add(std::string key, int entry)
    {
        entries_.push_back({std::move(key), entry});
        sorted_ = false;
    }
    // The first entry of the key that is not marked used; -1 when none is left.
    int TakeFirst(const std::string& key, const std::vector<char>& used)
    {
        Sort();
        const auto first = std::lower_bound(entries_.begin(), entries_.end(), key,
                                            [](const Entry& e, const std::string& k) { return e.key < k; });
        if (first == entries_.end() || first->key != key)
            return -1;
        const std::size_t start = std::size_t(first - entries_.begin());
        std::size_t at = start + fronts_[start];
        while (at < entries_.size() && entries_[at].key == key && used[std::size_t(entries_[at].entry)])
            ++at;
        fronts_[start] = at - start;
        if (at == entries_.size() || entries_[at].key != key)
            return -1;
        ++fronts_[start];
        return entries_[at].entry;
    }

private:
    struct Entry {
        std::string key;
        int entry;
    };
    void Sort()
    {
        if (sorted_)
            return;
        const auto byKey = [](const Entry& a, const Entry& b) { return a.key < b.key; };
        if (!std::is_sorted(entries_.begin(), entries_.end(), byKey))
            std::stable_sort(entries_.begin(), entries_.end(), byKey);
        fronts_.assign(entries_.size(), 0);
        sorted_ = true;
    }
    std::vector<Entry> entries_;
    std::vector<std::size_t> fronts_; // at the first entry of each key: how far its queue is taken
    bool sorted_ = true;
};

// Node records (up to the first link): the key (mesh, second-level code, node number) and the
// 16-character coordinate text.
struct NodeTable {
    static constexpr std::size_t kCoordinateWidth = 16;
    // The coordinate texts one after another (one block, not a string each).
    std::string coordinates;
    std::size_t Count() const { return coordinates.size() / kCoordinateWidth; }
    std::string_view Coordinate(std::size_t node) const
    {
        return std::string_view(coordinates).substr(node * kCoordinateWidth, kCoordinateWidth);
    }
    std::vector<char> used;
    KeyQueues byKey;
};

// C32-59L joins a link with the node of its own mesh whose number is twice the link number.
std::string PartedNodeKey(std::string_view key12, int number)
{
    return std::string(key12.substr(0, 4)) + ":" + std::to_string(number);
}

bool ReadNodes(const std::string& source, bool parted, NodeTable& nodes)
{
    vd::TextReader reader;
    if (!reader.open(source))
        return false;
    std::string raw;
    while (reader.readRawLine(raw) && !Begins(raw, 'L')) {
        if (!Begins(raw, 'N'))
            continue;
        const std::string key = vd::paddedRawField(raw, 3, 12);
        const int entry = int(nodes.Count());
        nodes.coordinates += vd::paddedRawField(raw, 16, int(NodeTable::kCoordinateWidth));
        nodes.used.push_back(0);
        nodes.byKey.Add(parted ? PartedNodeKey(key, vd::parseInt(vd::rawField(key, 6, 6))) : key, entry);
    }
    return !reader.failed();
}

// Section records (up to the first data record): the link key by data key.
struct SectionTable {
    std::vector<std::string> linkKeys;
    std::vector<char> used;
    KeyQueues byDataKey;
};

bool ReadSections(const std::string& source, SectionTable& sections)
{
    vd::TextReader reader;
    if (!reader.open(source))
        return false;
    std::string raw;
    while (reader.readRawLine(raw) && !Begins(raw, 'D')) {
        if (!Begins(raw, 'S'))
            continue;
        const int entry = int(sections.linkKeys.size());
        sections.linkKeys.push_back(vd::paddedRawField(raw, 3, 12));
        sections.used.push_back(0);
        sections.byDataKey.Add(vd::paddedRawField(raw, 37, 10), entry);
    }
    return !reader.failed();
}

// The data records of the source, as read, into the intermediate file.
bool CopyDataRecords(const std::string& source, const std::string& path)
{
    vd::TextReader reader;
    CacheWriter out;
    if (!reader.open(source) || !out.Open(path))
        return false;
    std::string raw;
    while (reader.readRawLine(raw))
        if (Begins(raw, 'D'))
            out.Line(raw);
    return out.FinishUnless(reader.failed());
}

// The node of a link key, marked used; -1 without one.
int TakeNode(NodeTable& nodes, const std::string& linkKey, bool parted)
{
    if (!parted)
        return nodes.byKey.TakeFirst(linkKey, nodes.used);
    const int node = nodes.byKey.TakeFirst(PartedNodeKey(linkKey, 2 * vd::parseInt(vd::rawField(linkKey, 6, 6))), nodes.used);
    if (node >= 0) {
        nodes.used[std::size_t(node)] = 1;
        if (node > 0)
            nodes.used[std::size_t(node - 1)] = 1; // the link's other end
    }
    return node;
}

bool JoinRecords(BuildProgress& progress, const std::string& intermediate, NodeTable& nodes, SectionTable& sections,
                 bool parted, const std::string& ledgerPath)
{
    vd::TextReader data;
    CacheWriter out;
    if (!data.open(intermediate) || !out.Open(ledgerPath))
        return false;
    // The key of the record being joined, redrawn every so many records and always for the last:
    // drawing it for each record took longer than the join itself.
    constexpr int kKeyEvery = 500;
    int joined = 0;
    std::string unshownKey;
    std::string raw;
    std::string joinedLine;
    while (data.readRawLine(raw)) {
        const std::string dataKey = vd::paddedRawField(raw, 3, 10);
        const int section = sections.byDataKey.TakeFirst(dataKey, sections.used);
        if (section < 0)
            continue;
        sections.used[std::size_t(section)] = 1;
        const int node = TakeNode(nodes, sections.linkKeys[std::size_t(section)], parted);
        if (node < 0)
            continue;
        joinedLine.assign(nodes.Coordinate(std::size_t(node))).append(vd::rawField(raw, 3));
        out.Line(joinedLine);
        if (joined++ % kKeyEvery == 0) {
            progress.Note(330, 683, vd::cp932ToUtf8(dataKey));
            unshownKey.clear();
        } else {
            unshownKey = dataKey;
        }
    }
    if (!unshownKey.empty())
        progress.Note(330, 683, vd::cp932ToUtf8(unshownKey));
    return out.FinishUnless(data.failed());
}

class LedgerBuilder {
public:
    LedgerBuilder(CLayerRenderer& r, std::string folder, bool parted)
        : r_(r), progress_(r), folder_(std::move(folder)), parted_(parted)
    {
    }

    void Announce(const std::string& ledgerName)
    {
        progress_.Show(20, 683, "台帳データファイルを作成(" + ledgerName + ")");
        progress_.Show(20, 702, kWait);
    }

    // One ledger from one source (the data file, or a part of C32-59L).
    bool Build(const std::string& source, const std::string& ledgerName)
    {
        NodeTable nodes;
        SectionTable sections;
        if (!ReadNodes(source, parted_, nodes) || !ReadSections(source, sections))
            return false;
        progress_.Show(20, 702, kWait);
        const std::string intermediate = folder_ + kIntermediateName;
        bool built = CopyDataRecords(source, intermediate);
        progress_.Show(20, 702,
                       kWait + vd::format("   Table=%d (Node=%d)", int(sections.linkKeys.size()),
                                          int(nodes.Count())));
        built = built && JoinRecords(progress_, intermediate, nodes, sections, parted_, folder_ + ledgerName);
        progress_.Show(20, 702, "作業用の中間ファイルを削除します！");
        (void)vd::removeFile(intermediate);
        return built;
    }

private:
    CLayerRenderer& r_;
    BuildProgress progress_;
    std::string folder_;
    bool parted_;
};

// One part of C32-59L: its node, link, section and data records with their following lines.
bool WritePart(const std::string& dataPath, int part, const std::string& path)
{
    vd::TextReader reader;
    CacheWriter out;
    if (!reader.open(dataPath) || !out.Open(path))
        return false;
    std::string raw;
    int following = 0;
    bool taken = false;
    while (reader.readRawLine(raw)) {
        if (following > 0) {
            --following;
            if (taken)
                out.Line(raw);
            continue;
        }
        int longitudeCode = -1;
        switch (raw.empty() ? ' ' : raw[0]) {
        case 'N':
            longitudeCode = vd::parseInt(vd::rawField(raw, 5, 2));
            break;
        case 'L':
            longitudeCode = vd::parseInt(vd::rawField(raw, 5, 2));
            following = FollowingLineCount(vd::parseInt(vd::rawField(raw, 45, 6)));
            break;
        case 'S':
            longitudeCode = vd::parseInt(vd::rawField(raw, 5, 2));
            following = FollowingLineCount(vd::parseInt(vd::rawField(raw, 47, 6)));
            break;
        case 'D':
            longitudeCode = vd::parseInt(vd::rawField(raw, 20, 2));
            break;
        default:
            break;
        }
        taken = longitudeCode >= 0 && ledger::PartOfLongitudeCode(longitudeCode) == part;
        if (taken)
            out.Line(raw);
    }
    return out.FinishUnless(reader.failed());
}

bool PartsBuilt(const std::string& folder)
{
    for (const ledger::LedgerPart& part : ledger::kLedgerParts)
        if (!CacheExists(folder + part.dataFile) || !CacheExists(folder + part.ledgerFile))
            return false;
    return true;
}

// Whether the data file can be read and a file written beside it: otherwise nothing is built and
// nothing said.
bool CanBuild(const std::string& dataPath, const std::string& ledgerPath)
{
    vd::TextReader source;
    CacheWriter target;
    const bool can = source.open(dataPath) && target.Open(ledgerPath);
    target.Abandon();
    return can;
}

std::string BuildPartedLedgers(CLayerRenderer& r, const std::string& dataPath, const std::string& folder)
{
    const std::string first = folder + ledger::kLedgerParts[0].ledgerFile;
    if (PartsBuilt(folder))
        return ledger::LedgerAnswer(first, ledger::kPartedSelector);
    if (!CanBuild(dataPath, first))
        return {};
    LedgerBuilder builder(r, folder, true);
    builder.Announce(ledger::kLedgerParts[0].ledgerFile);
    for (std::size_t part = 0; part < ledger::kLedgerParts.size(); ++part)
        if (!WritePart(dataPath, int(part), folder + ledger::kLedgerParts[part].dataFile))
            return {};
    for (const ledger::LedgerPart& part : ledger::kLedgerParts) {
        builder.Announce(part.ledgerFile);
        if (!builder.Build(folder + part.dataFile, part.ledgerFile))
            return {};
    }
    return ledger::LedgerAnswer(folder + ledger::kLedgerParts.back().ledgerFile, ledger::kPartedSelector);
}

std::string BuildOneLedger(CLayerRenderer& r, const std::string& dataPath, const std::string& folder, int selector)
{
    const std::string name = ledger::LedgerName(dataPath);
    const std::string ledgerPath = folder + name;
    if (CacheExists(ledgerPath))
        return ledger::LedgerAnswer(ledgerPath, selector);
    if (!CanBuild(dataPath, ledgerPath))
        return {};
    LedgerBuilder builder(r, folder, false);
    builder.Announce(name);
    return builder.Build(dataPath, name) ? ledger::LedgerAnswer(ledgerPath, selector) : std::string();
}

} // namespace

std::string CLayerRenderer::BuildLedgerFiles(std::string dataPath)
{
    if (ledger::PathHasCode(dataPath, "W15-52L")) {
        BuildRiverFile(*this, dataPath);
        return {};
    }
    const int selector = ledger::LedgerSelector(dataPath);
    if (selector == ledger::kNoSelector)
        return {};
    const std::string folder = CacheFolder(dataPath);
    if (selector == ledger::kPartedSelector)
        return BuildPartedLedgers(*this, dataPath, folder);
    return BuildOneLedger(*this, dataPath, folder, selector);
}
