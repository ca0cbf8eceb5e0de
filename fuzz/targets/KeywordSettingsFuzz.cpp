// Fuzz target: the keyword settings as the keyword dialog writes them to the profile; each text
// and count must read back as written. The input's lines are the seven texts and six counts.
#include "app/settings/KeywordSettings.h"
#include "fuzz/support/FuzzScratch.h"
#include "platform/sys/ProfileStore.h"
#include "platform/text/Cp932.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

namespace {

// What a one-line edit box can hold: no control characters.
std::string EditText(const std::string& line)
{
    std::string text;
    for (char c : vd::cp932ToUtf8(line))
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F)
            text += c;
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The profile lies in the run's scratch folder (in memory), never in the system's.
    vd::fuzz::initialise();
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    KeywordSettings settings;
    std::string line;
    for (auto& key : settings.keys)
        if (std::getline(in, line))
            key = EditText(line);
    for (auto& category : settings.categories)
        if (std::getline(in, line))
            category = EditText(line);
    for (int& count : settings.counts)
        if (std::getline(in, line))
            count = vd::parseInt(line);
    WriteKeywordSettings(settings);

    const vd::ProfileStore profile;
    for (int k = 0; k < 3; ++k)
        if (profile.getString("System", vd::format("Key%d", k + 1), "\x01") != settings.keys[k])
            std::abort();
    for (int c = 0; c < 4; ++c)
        if (profile.getString("System", vd::format("Ctgry%d", c), "\x01") != settings.categories[c])
            std::abort();
    for (int n = 0; n < 6; ++n)
        if (profile.getInt("System", vd::format("KeyCount%d", n + 1), settings.counts[n] ^ 1) != settings.counts[n])
            std::abort();
    return 0;
}
