// The shorter walk on damaged data: each layer, table and settings file of the sample cut in half,
// one at a time; the program starts on that folder and every enabled command of the map menu bar
// and every button on screen is fired once (dialogs OK with sample rows), one after another
// without going back. Each command works on what is readable or says what is wrong in a message;
// nothing crashes, hangs or loses a file (WalkRun's checks after every step).
#include "UserActions.h"
#include "WalkRun.h"

#include "app/shell/ShellCommands.h"

#include <QAbstractButton>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>

namespace {

using namespace walk;
namespace fs = std::filesystem;

// The files to damage: every file of the sample's data folders, but of the families of one file
// a prefecture only the start map's prefecture (26) and a far one (01), which carry the family's
// reader as any other member does.
std::vector<std::string> damagedFiles()
{
    std::vector<std::string> files;
    const fs::path seed = fs::path(VD_BIN_DIR) / "data";
    for (const auto& entry : fs::recursive_directory_iterator(seed)) {
        if (!entry.is_regular_file())
            continue;
        const std::string name = fs::relative(entry.path(), seed).generic_string();
        if (name.rfind("LICENSES/", 0) == 0 || name == "README.md" || entry.file_size() < 2)
            continue;
        const std::string stem = entry.path().stem().string();
        const bool prefectureFamily = name.rfind("KSJ/", 0) == 0 && stem.size() > 3 && std::isdigit(static_cast<unsigned char>(stem.back()))
            && std::isdigit(static_cast<unsigned char>(stem[stem.size() - 2])) && stem.find('_') != std::string::npos;
        if (prefectureFamily && !stem.ends_with("26") && !stem.ends_with("01"))
            continue;
        files.push_back(name);
    }
    std::sort(files.begin(), files.end());
    return files;
}

// The first half of the file's bytes, as a copy broken off or a disk that filled up leaves it.
void cutInHalf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    in.close();
    std::ofstream(file, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size() / 2));
}

class DamagedDataWalk : public ::testing::TestWithParam<std::string> {};

TEST_P(DamagedDataWalk, EveryCommandWorksOnWhatIsReadableOrSaysWhatIsWrong)
{
    const std::string damaged = GetParam();
    WalkRun run([&](const fs::path& folder) { cutInHalf(folder / damaged); });
    ASSERT_TRUE(run.start()) << "the program starts with " << damaged << " cut in half";
    run.answers().setAnswer(Answer::SampleRows);

    const auto buttons = viewButtons(run.program().viewWidget());
    std::vector<std::string> captions;
    for (const auto& b : buttons)
        captions.push_back(captionOf(b));
    const std::map<int, std::vector<QAction*>> start = barCommands(run.program().bar());
    int fired = 0;
    for (const auto& [id, path] : start) {
        if (id == shell::ID_APP_EXIT || id == shell::ID_SWITCH_MENU_BAR)
            continue;
        const std::string text = damaged + " cut: " + pathText(path) + " (" + std::to_string(id) + ")";
        fired += run.step(text, [&run, id = id] {
            const auto items = barCommands(run.program().bar());
            const auto item = items.find(id);
            return item != items.end() && chooseByMouse(run.program().bar(), item->second);
        });
    }
    for (const std::string& caption : captions)
        fired += run.step(damaged + " cut: button " + caption, [&run, &caption] {
            for (const auto& b : viewButtons(run.program().viewWidget()))
                if (captionOf(b) == caption)
                    return clickButton(b);
            return false;
        });
    for (const std::string& message : run.messageBoxesShown())
        EXPECT_GT(message.size(), 10u) << "a message that says what is wrong: " << message;
    run.checkSurroundings();
    std::printf("walk: %s cut in half: %d steps fired, %d dialogs answered, %zu message boxes\n", damaged.c_str(),
                fired, run.dialogsAnswered(), run.messageBoxesShown().size());
}

std::string testName(const ::testing::TestParamInfo<std::string>& info)
{
    std::string name;
    // Japanese names would all read "____": their bytes in hex keep two files of one length apart.
    static const char digits[] = "0123456789abcdef";
    for (const unsigned char c : info.param)
        if (std::isalnum(c))
            name += static_cast<char>(c);
        else if (c < 0x80)
            name += '_';
        else
            name += {digits[c >> 4], digits[c & 15]};
    return name;
}

INSTANTIATE_TEST_SUITE_P(SampleFiles, DamagedDataWalk, ::testing::ValuesIn(damagedFiles()), testName);

} // namespace
