#pragma once
// Where the document writes its settings back: the registry profile in the program, a recorder
// in the tests that check what is written and in which order.
#include "platform/sys/ProfileStore.h"

#include <string>
#include <string_view>
#include <vector>

class ProfileWriter {
public:
    virtual ~ProfileWriter() = default;
    virtual void writeInt(std::string_view section, std::string_view key, int value) = 0;
    virtual void writeString(std::string_view section, std::string_view key, std::string_view value) = 0;
};

// Gathers the values and writes them to the profile in one save by commit() (or when it ends):
// a save per value would wait for the disk some forty times at every exit.
class ProfileStoreWriter : public ProfileWriter {
public:
    ProfileStoreWriter() = default;
    ProfileStoreWriter(const ProfileStoreWriter&) = delete;
    ProfileStoreWriter& operator=(const ProfileStoreWriter&) = delete;
    ~ProfileStoreWriter() override { commit(); }

    void writeInt(std::string_view section, std::string_view key, int value) override
    {
        writeString(section, key, std::to_string(value));
    }
    void writeString(std::string_view section, std::string_view key, std::string_view value) override
    {
        entries_.push_back({std::string(section), std::string(key), std::string(value)});
    }
    // Writes what was gathered since the last commit; false when the profile was not written.
    bool commit()
    {
        const bool written = entries_.empty() || store_.writeAll(entries_);
        entries_.clear();
        return written;
    }

private:
    vd::ProfileStore store_;
    std::vector<vd::ProfileEntry> entries_;
};
