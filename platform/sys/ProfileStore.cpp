#include "platform/sys/ProfileStore.h"

#include "platform/fs/RegularFile.h"
#include "platform/sys/XdgFolders.h"

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <limits>
#include <vector>

#include <stdlib.h>
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

// The spelling the file already uses for `name`: the exact one, else the first that differs
// only in case, else `name` itself (a new entry).
QString storedSpelling(const QStringList& present, const QString& name)
{
    if (present.contains(name))
        return name;
    for (const QString& candidate : present)
        if (candidate.compare(name, Qt::CaseInsensitive) == 0)
            return candidate;
    return name;
}

// "System/Editer" as the file spells it, whatever the case of the section and key asked for.
// QSettings compares case-sensitively on Linux, unlike the registry.
QString storedKey(QSettings& settings, std::string_view section, std::string_view key)
{
    const QString group = storedSpelling(settings.childGroups(), toQString(section));
    settings.beginGroup(group);
    const QString name = storedSpelling(settings.childKeys(), toQString(key));
    settings.endGroup();
    return group + QLatin1Char('/') + name;
}

// A profile that is there but is no regular file (a FIFO, a device, a folder) is never opened:
// QSettings would wait in open() for a FIFO's writer. It reads as empty and is not written.
bool refusedFile(const std::filesystem::path& file)
{
    std::error_code error;
    return std::filesystem::exists(file, error) && !isRegularFile(file.string());
}

// QSettings keeps one cached copy of each file per process and re-reads it when it changed on
// disk, so a QSettings for each access is cheap and always sees the current file; it also gives
// each write a status of its own.
bool readValue(const std::filesystem::path& file, std::string_view section, std::string_view key,
               std::string& value)
{
    if (!isValidName(section) || !isValidName(key) || refusedFile(file))
        return false;
    QSettings settings(QString::fromStdString(file.string()), QSettings::IniFormat);
    const QVariant stored = settings.value(storedKey(settings, section, key));
    if (!stored.isValid())
        return false;
    // A hand-edited value with commas outside quotes comes back as a list.
    value = stored.typeId() == QMetaType::QStringList
        ? stored.toStringList().join(QStringLiteral(", ")).toStdString()
        : stored.toString().toStdString();
    return true;
}

// A second name of the file `file` beside it (".<name>.<random>"): a hard link, the same bytes
// without a copy, or a copy where the file system has no links. Empty when none could be made.
std::filesystem::path secondName(const std::filesystem::path& file)
{
    std::string pattern = (file.parent_path() / ("." + file.filename().string() + ".XXXXXX")).string();
    const int fd = mkstemp(pattern.data());
    if (fd < 0)
        return {};
    close(fd);
    if (std::remove(pattern.c_str()) == 0 && link(file.c_str(), pattern.c_str()) == 0)
        return pattern;
    std::error_code error;
    if (std::filesystem::copy_file(file, pattern, std::filesystem::copy_options::overwrite_existing, error))
        return pattern;
    std::filesystem::remove(pattern, error);
    return {};
}

// What `check` says of the file read under a second name: Qt keeps the parsed file of each path
// and takes the one it has just written for whole, even when the disk cut it short without Qt
// noticing; and its kept copy is out of date when another program rewrote the file with the
// same size and time stamp.
bool checkUnderSecondName(const std::filesystem::path& file, const std::function<bool(QSettings&)>& check)
{
    const std::filesystem::path other = secondName(file);
    if (other.empty())
        return false;
    bool holds;
    {
        QSettings settings(QString::fromStdString(other.string()), QSettings::IniFormat);
        holds = settings.status() == QSettings::NoError && check(settings);
    }
    std::error_code ignored;
    std::filesystem::remove(other, ignored);
    return holds;
}

// Whether the file holds exactly the entries of `expected`.
bool holdsEntries(const std::filesystem::path& file, QSettings& expected)
{
    return checkUnderSecondName(file, [&](QSettings& stored) {
        const QStringList keys = expected.allKeys();
        bool same = stored.allKeys().size() == keys.size();
        for (qsizetype i = 0; same && i < keys.size(); ++i)
            same = stored.value(keys[i]) == expected.value(keys[i]);
        return same;
    });
}

// Whether the file already holds every entry: then writing them would give the same file, so it
// is left as it is (no new file, no wait for the disk).
bool holdsAll(const std::filesystem::path& file, const std::vector<ProfileEntry>& entries)
{
    return checkUnderSecondName(file, [&](QSettings& stored) {
        for (const ProfileEntry& entry : entries) {
            const QVariant value = stored.value(storedKey(stored, entry.section, entry.key));
            if (value.typeId() != QMetaType::QString || value.toString() != toQString(entry.value))
                return false;
        }
        return true;
    });
}

// QSettings writes a new file and renames it over the profile even when the disk was full part
// way through (a short write is not reported), which would cut the user's profile. So the old
// file is kept under a second name until the new one has been read back whole, and put back
// otherwise. All the entries go in one save; when the file holds each of them already, it is not
// touched at all.
bool writeValues(const std::filesystem::path& file, const std::vector<ProfileEntry>& entries)
{
    if (refusedFile(file))
        return false;
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error); // a first run's folders
    const bool existed = std::filesystem::exists(file, error);
    if (existed && holdsAll(file, entries))
        return true;
    const std::filesystem::path old = existed ? secondName(file) : std::filesystem::path();
    if (existed && old.empty())
        return false;
    bool written;
    {
        QSettings settings(QString::fromStdString(file.string()), QSettings::IniFormat);
        for (const ProfileEntry& entry : entries)
            settings.setValue(storedKey(settings, entry.section, entry.key), toQString(entry.value));
        settings.sync();
        written = settings.status() == QSettings::NoError && holdsEntries(file, settings);
    }
    bool oldInPlace = true;
    if (!written && existed && !std::filesystem::equivalent(old, file, error)) {
        std::filesystem::rename(old, file, error);
        oldInPlace = !error;
    } else if (!written && !existed) {
        std::filesystem::remove(file, error);
    }
    // The second name goes once the old file is back or no longer needed (also when Qt gave up
    // before replacing the file: rename() leaves two names of one file as they are).
    if (!old.empty() && oldInPlace)
        std::filesystem::remove(old, error);
    return written;
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
