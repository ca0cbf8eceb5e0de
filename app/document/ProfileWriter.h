#pragma once
// Where the document writes its settings back: the registry profile in the program, a recorder
// in the tests that check what is written and in which order.
#include "platform/sys/ProfileStore.h"

#include <string_view>

class ProfileWriter {
public:
    virtual ~ProfileWriter() = default;
    virtual void writeInt(std::string_view section, std::string_view key, int value) = 0;
    virtual void writeString(std::string_view section, std::string_view key, std::string_view value) = 0;
};

class ProfileStoreWriter : public ProfileWriter {
public:
    void writeInt(std::string_view section, std::string_view key, int value) override
    {
        store_.writeInt(section, key, value);
    }
    void writeString(std::string_view section, std::string_view key, std::string_view value) override
    {
        store_.writeString(section, key, value);
    }

private:
    vd::ProfileStore store_;
};
