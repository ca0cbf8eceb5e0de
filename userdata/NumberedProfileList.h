#pragma once
// A numbered list of texts in the profile: keys prefix + 1 .. 100 of one section, without gaps;
// the first empty value ends it. The information file lists and the registered track files.
#include <string>
#include <vector>

inline constexpr int kNumberedListSize = 100;

class NumberedProfileList {
public:
    NumberedProfileList(std::string section, std::string keyPrefix);

    const std::string& section() const { return m_section; }
    std::string key(int number) const { return m_prefix + std::to_string(number); }
    // The value of key number (1-based).
    std::string value(int number) const;
    // The values up to the first empty one.
    std::vector<std::string> values() const;
    // Appends a path not yet listed, into the first empty key (key 100 when all are used, which
    // replaces the last entry). False when it was listed already or could not be written.
    bool add(const std::string& path);
    // Empties key number and moves every later entry down one key.
    void remove(int number);

private:
    std::string m_section;
    std::string m_prefix;
};
