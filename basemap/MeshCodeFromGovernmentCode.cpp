// OnGetMechCodeFromGovermentCode: a prefecture or municipality code to the first-level mesh code
// of the sheet that holds the prefectural office, so that a search can open that prefecture's map.
#include "contracts/dovanne.h"

#include "platform/text/Numbers.h"

#include <array>

namespace {

// By national prefecture code 1-47.
constexpr std::array<const char*, 47> kPrefectureOfficeMesh = {
    "6441", "6140", "5941", "5740", "5940", "5740", "5640", "5440", "5439", "5439", "5339", "5340",
    "5339", "5339", "5639", "5537", "5436", "5436", "5338", "5438", "5336", "5238", "5236", "5236",
    "5235", "5235", "5235", "5235", "5235", "5135", "5334", "5333", "5233", "5132", "5131", "5134",
    "5134", "5032", "5033", "5030", "4930", "4929", "4930", "4931", "4731", "4730", "3927"};

// Five-digit municipality codes and longer carry the prefecture in their thousands, three-digit
// codes in their hundreds; 100 itself names none.
int PrefectureOfCode(int code)
{
    if (code >= 1000)
        return code / 1000;
    if (code > 100)
        return code / 100;
    if (code < 100)
        return code;
    return 0;
}

} // namespace

extern "C" std::string OnGetMechCodeFromGovermentCode(std::string governmentCode)
{
    const int prefecture = PrefectureOfCode(vd::parseInt(governmentCode));
    if (prefecture < 1 || prefecture > int(kPrefectureOfficeMesh.size()))
        return {};
    return kPrefectureOfficeMesh[std::size_t(prefecture - 1)];
}
