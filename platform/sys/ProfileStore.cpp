#include "platform/sys/ProfileStore.h"

#include "platform/fs/FileSink.h"
#include "platform/fs/FileStamp.h"
#include "platform/sys/ProfileIni.h"
#include "platform/sys/XdgFolders.h"

#include <QHash>
#include <QStringList>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <functional>
#include <limits>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vd {
namespace {

// QSettings reads "/" and "\" in a name as a level of sections: such a name is refused.
bool isValidName(std::string_view name)
{
    return !name.empty() && name.find_first_of("/\\") == std::string_view::npos;
}

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void insertSorted(QStringList& list, const QString& name)
{
    const auto at = std::lower_bound(list.begin(), list.end(), name);
    if (at == list.end() || *at != name)
        list.insert(at, name);
}

// The spellings the file uses for each section and each key of a section, by their case-folded
// form, in QSettings' order: "System/Editer" is found as "SYSTEM/editer", as the registry did.
class Spellings {
public:
    void add(const QString& entry)
    {
        const qsizetype slash = entry.indexOf(QLatin1Char('/'));
        if (slash < 0)
            return;
        const QString section = entry.left(slash);
        const QString key = entry.mid(slash + 1);
        insertSorted(sections_[section.toCaseFolded()], section);
        if (!key.contains(QLatin1Char('/')))
            insertSorted(keys_[section][key.toCaseFolded()], key);
    }

    // "Section/Key" as stored: the exact spelling, else the first that differs only in case,
    // else the one asked for (a new entry).
    QString entryOf(const QString& section, const QString& key) const
    {
        const QString storedSection = spelling(sections_.value(section.toCaseFolded()), section);
        return storedSection + QLatin1Char('/') + spelling(keys_.value(storedSection).value(key.toCaseFolded()), key);
    }

private:
    static QString spelling(const QStringList& stored, const QString& name)
    {
        return stored.isEmpty() || stored.contains(name) ? name : stored.first();
    }

    QHash<QString, QStringList> sections_;
    QHash<QString, QHash<QString, QStringList>> keys_;
};

// The profile file as this process knows it: read once, then kept as written.
struct LoadedProfile {
    ProfileEntries entries;
    Spellings spellings;
    std::optional<FileStamp> stamp; // of the file read or written last; none: there was no file
    bool readable = true;           // false: a file is there that could not be read

    void setEntries(ProfileEntries next)
    {
        entries = std::move(next);
        spellings = Spellings();
        for (auto it = entries.cbegin(); it != entries.cend(); ++it)
            spellings.add(it.key());
    }
};

// Reads the whole file (a missing one is an empty profile).
void load(const std::filesystem::path& file, LoadedProfile& profile)
{
    profile.setEntries({});
    profile.stamp.reset();
    profile.readable = true;
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        profile.readable = errno == ENOENT;
        return;
    }
    struct stat info {};
    QByteArray text;
    bool complete = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (complete) {
        text.resize(qsizetype(info.st_size));
        qsizetype done = 0;
        while (done < text.size()) {
            const ssize_t got = ::read(fd, text.data() + done, size_t(text.size() - done));
            if (got > 0)
                done += got;
            else if (got < 0 && errno == EINTR)
                continue;
            else
                break;
        }
        text.truncate(done);
        complete = done == qsizetype(info.st_size);
    }
    ::close(fd);
    profile.readable = complete;
    if (!complete)
        return;
    profile.setEntries(profileEntriesOf(text));
    profile.stamp = linuxFileStamp(file.string());
}

std::mutex& profilesMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::map<std::filesystem::path, LoadedProfile>& loadedProfiles()
{
    static std::map<std::filesystem::path, LoadedProfile> profiles;
    return profiles;
}

// The profile of the file, read at its first use in the process.
LoadedProfile& profileOf(const std::filesystem::path& file)
{
    const auto [it, added] = loadedProfiles().try_emplace(file);
    if (added)
        load(file, it->second);
    return it->second;
}

// Writes the entries into the file in one save: the whole file to a temporary file beside it
// that replaces it only once written whole, so a full disk or a size limit leaves the old file
// and is told. A save that would leave every value as it is does not touch the file. A file
// another program changed since it was read is read again first, so its changes are kept.
bool writeValues(const std::filesystem::path& file, const std::vector<ProfileEntry>& entries)
{
    std::lock_guard lock(profilesMutex());
    LoadedProfile& profile = profileOf(file);
    if (linuxFileStamp(file.string()) != profile.stamp)
        load(file, profile);
    if (!profile.readable)
        return false; // never replaced by a file without its entries
    ProfileEntries next = profile.entries;
    Spellings spellings = profile.spellings;
    bool changed = false;
    for (const ProfileEntry& entry : entries) {
        const QString name = spellings.entryOf(toQString(entry.section), toQString(entry.key));
        const QString value = toQString(entry.value);
        const QVariant stored = next.value(name);
        if (stored.typeId() == QMetaType::QString && stored.toString() == value)
            continue;
        next.insert(name, value);
        spellings.add(name);
        changed = true;
    }
    if (!changed)
        return true;
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error); // a first run's folders
    const QByteArray bytes = profileFileBytes(next);
    FileSink sink;
    const bool written = sink.openLinuxPath(file.string(), WriteMode::Replace) &&
                         sink.write(std::string_view(bytes.constData(), size_t(bytes.size()))) && sink.close();
    if (written) {
        profile.setEntries(std::move(next));
        profile.stamp = linuxFileStamp(file.string());
    }
    return written;
}

// The stored value as text, false when there is none. Read from memory: the file is read once.
bool readValue(const std::filesystem::path& file, std::string_view section, std::string_view key,
               std::string& value)
{
    if (!isValidName(section) || !isValidName(key))
        return false;
    std::lock_guard lock(profilesMutex());
    const LoadedProfile& profile = profileOf(file);
    const QVariant stored = profile.entries.value(profile.spellings.entryOf(toQString(section), toQString(key)));
    if (!stored.isValid())
        return false;
    // A hand-edited value with commas outside quotes comes back as a list.
    value = stored.typeId() == QMetaType::QStringList
        ? stored.toStringList().join(QStringLiteral(", ")).toStdString()
        : stored.toString().toStdString();
    return true;
}

// A whole decimal number with an optional sign and surrounding blanks, in the range of int.
bool parseInt(std::string_view text, int& value)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    long long parsed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()
        || parsed < std::numeric_limits<int>::min() || parsed > std::numeric_limits<int>::max())
        return false;
    value = static_cast<int>(parsed);
    return true;
}

struct WriteFailures {
    std::function<void(const std::filesystem::path&)> handler;
    bool told = false;
};

WriteFailures& writeFailures()
{
    static WriteFailures failures;
    return failures;
}

bool noteWrite(const std::filesystem::path& file, bool written)
{
    WriteFailures& failures = writeFailures();
    if (written) {
        failures.told = false;
    } else if (!failures.told && failures.handler) {
        failures.told = true;
        failures.handler(file);
    }
    return written;
}

} // namespace

void ProfileStore::setWriteFailureHandler(std::function<void(const std::filesystem::path&)> handler)
{
    writeFailures() = {std::move(handler), false};
}

void ProfileStore::rereadFiles()
{
    std::lock_guard lock(profilesMutex());
    loadedProfiles().clear();
}

ProfileStore::ProfileStore()
    : m_file(defaultFile())
{
}

ProfileStore::ProfileStore(std::filesystem::path file)
    : m_file(std::move(file))
{
}

std::filesystem::path ProfileStore::defaultFile()
{
    if (const char* named = std::getenv("VELDORAN_PROFILE"); named && *named) {
        std::error_code ignored;
        const std::filesystem::path absolute = std::filesystem::absolute(named, ignored);
        return absolute.empty() ? std::filesystem::path(named) : absolute;
    }
    return xdgConfigHome() / "Lxo" / "Veldoran.ini";
}

int ProfileStore::getInt(std::string_view section, std::string_view key, int defaultValue) const
{
    std::string text;
    int value = 0;
    return readValue(m_file, section, key, text) && parseInt(text, value) ? value : defaultValue;
}

std::string ProfileStore::getString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const
{
    std::string text;
    return readValue(m_file, section, key, text) ? text : std::string(defaultValue);
}

bool ProfileStore::writeInt(std::string_view section, std::string_view key, int value)
{
    return writeString(section, key, std::to_string(value));
}

bool ProfileStore::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    return writeAll({{std::string(section), std::string(key), std::string(value)}});
}

bool ProfileStore::writeAll(const std::vector<ProfileEntry>& entries)
{
    // A name that cannot be stored is the caller's mistake, not a file that failed: the other
    // entries are still written and the failure handler is not called.
    std::vector<ProfileEntry> valid;
    valid.reserve(entries.size());
    for (const ProfileEntry& entry : entries)
        if (isValidName(entry.section) && isValidName(entry.key))
            valid.push_back(entry);
    const bool written = valid.empty() || noteWrite(m_file, writeValues(m_file, valid));
    return written && valid.size() == entries.size();
}

} // namespace vd
