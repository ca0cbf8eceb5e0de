// The Tokyo-datum export's typed texts: the bytes split at their first "/" into a longitude and a
// latitude, converted (or refused with the range message, which the script answers) with the
// answer's shape checked.
#include "contracts/surrick.h"
#include "fuzz/support/FuzzScratch.h"
#include "platform/ui/UiScript.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::initialise();
    static const auto script = vd::ui::Script::install();
    script->forgetRecords(); // one input's records only
    const std::string text = vd::fuzz::bytesText(data, size);
    const std::size_t slash = text.find('/');
    const std::string longitude = text.substr(0, slash);
    const std::string latitude = slash == std::string::npos ? std::string() : text.substr(slash + 1);
    const std::string answer = OnTkyItrf(longitude, latitude);
    if (answer.find('/') == std::string::npos)
        __builtin_trap();
    return 0;
}
