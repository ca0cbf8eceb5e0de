#pragma once
// The registry profile of the system (key Lxo\Veldoran) kept as an INI file. Sections and keys
// compare case-insensitively, as the registry did: a value stored as "System/Editer" is read
// and rewritten through "SYSTEM/editer". The file is read once per process and then read from
// memory; every write reaches the file at once, in one save of the whole file, and a write that
// would leave the file's values as they are does not touch it.
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vd {

struct ProfileEntry {
    std::string section;
    std::string key;
    std::string value;
};

class ProfileStore {
public:
    // The program's profile: $VELDORAN_PROFILE, else $XDG_CONFIG_HOME/Lxo/Veldoran.ini.
    ProfileStore();
    explicit ProfileStore(std::filesystem::path file);

    static std::filesystem::path defaultFile();
    const std::filesystem::path& file() const { return m_file; }

    // The stored value, or `defaultValue` when there is none. A stored empty text is a value.
    // An integer that is not a whole decimal number in the range of int reads as the default.
    int getInt(std::string_view section, std::string_view key, int defaultValue) const;
    std::string getString(std::string_view section, std::string_view key,
                          std::string_view defaultValue = {}) const;

    // False when the file could not be written (or a name is empty or holds "/" or "\").
    bool writeInt(std::string_view section, std::string_view key, int value);
    bool writeString(std::string_view section, std::string_view key, std::string_view value);
    // Several values in one save of the file (one wait for the disk instead of one per value).
    // False when the file could not be written or a name is refused (the others are written).
    bool writeAll(const std::vector<ProfileEntry>& entries);

    // Called with the file when a write to it fails, once until a write succeeds again, so the
    // many keys of one save tell it once. The program shows a message; none by default.
    static void setWriteFailureHandler(std::function<void(const std::filesystem::path&)> handler);

    // Every profile file is read again at its next use: for a caller that rewrote one behind the
    // store's back (tests, fuzz targets). A write finds such a change itself.
    static void rereadFiles();

private:
    std::filesystem::path m_file;
};

} // namespace vd
