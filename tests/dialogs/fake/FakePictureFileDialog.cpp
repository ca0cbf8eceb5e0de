// A stand-in for Surrick's picture file dialog: answers what VD_FAKE_PICTURE_FILE says ("" when
// unset, as a cancelled dialog).
#include "contracts/surrick.h"

#include <cstdlib>
#include <string>

extern "C" VD_EXPORT std::string OnPictureFileDialog()
{
    const char* answer = std::getenv("VD_FAKE_PICTURE_FILE");
    return answer ? answer : "";
}
