// A stand-in for the dialog library's album registration and update dialogs and its memo
// dialog, and for Surrick's picture chooser: each answers what the test set and logs its call.
#include "contracts/surrick.h"
#include "contracts/tovendlg.h"
#include "tests/support/FakeLog.h"

#include <map>
#include <string>

namespace {

std::map<std::string, std::string>& Answers()
{
    static std::map<std::string, std::string> answers;
    return answers;
}

} // namespace

using S = std::string;

extern "C" VD_EXPORT void FakeAlbumSetAnswer(const char* entry, const char* answer) { Answers()[entry] = answer; }
extern "C" VD_EXPORT const std::string* FakeAlbumLog() { return &Log(); }

extern "C" VD_EXPORT S OnDLLAlbumRegist(int mode, S longitude, S latitude, S albumFile, S albumNumber)
{
    Log() += "OnDLLAlbumRegist(" + std::to_string(mode) + "," + longitude + "," + latitude + "," + albumFile + "," +
             albumNumber + ")\n";
    return Answers()["OnDLLAlbumRegist"];
}

extern "C" VD_EXPORT S OnAlbumUpdate(int mode, S state, S albumFile, S name, S item, S longitude, S latitude, S editor)
{
    Log() += "OnAlbumUpdate(" + std::to_string(mode) + "," + state + "," + albumFile + "," + name + "," + item + "," +
             longitude + "," + latitude + "," + editor + ")\n";
    return Answers()["OnAlbumUpdate"];
}

extern "C" VD_EXPORT void OnMemoDisplay(int mode, int position, S file, S text)
{
    Log() += "OnMemoDisplay(" + std::to_string(mode) + "," + std::to_string(position) + "," + file + "," + text + ")\n";
}

extern "C" VD_EXPORT S OnPictureFileDialog()
{
    Log() += "OnPictureFileDialog()\n";
    return Answers()["OnPictureFileDialog"];
}
