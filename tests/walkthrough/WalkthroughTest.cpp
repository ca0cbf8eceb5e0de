// The walk through every command a user can reach, one map mode a test case: the real program on
// the sample data, each enabled item of the menu bar on screen (by mouse and by keyboard) and of
// the right-click menu, each on-screen button and each accelerator, every dialog answered with
// Cancel, OK with its defaults and OK with sample rows (each dialog gets all three answers once,
// the other steps take them in turn), and the program checked after every step (WalkRun). A
// command that does nothing a user can see (no dialog, message, change of the picture, mode,
// title, clipboard or of a file) fails the mode. What is greyed is not fired: a menu item the
// menu showed disabled, a button hidden or disabled, a key whose command the frame's command
// route disables (which is also why the frame ignores that key).
#include "MapModes.h"
#include "UserActions.h"
#include "WalkRun.h"

#include "app/shell/PendingCommands.h"
#include "app/shell/ShellCommands.h"
#include "app/shell/ShellResources.h"
#include "view/window/VeldoranView.h"
#include "platform/sys/ProfileStore.h"

#include <QAbstractButton>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

namespace {

using namespace walk;

// One thing a user can do in a mode: a command of the bar, an item of the right-click menu, a
// button or a key.
enum class Control { Bar, RightClick, Button, Key };
constexpr Control kControls[] = {Control::Bar, Control::RightClick, Control::Button, Control::Key};
const char* nameOf(Control control)
{
    switch (control) {
    case Control::Bar: return "bar commands";
    case Control::RightClick: return "right-click items";
    case Control::Button: return "buttons";
    case Control::Key: return "keys";
    }
    return "?";
}

struct UserStep {
    Control control;
    std::string text;
    std::function<bool(WalkRun&)> fire;
    std::string caption; // of a button
};

// Everything the user can try in the mode as it shows now: the commands of the bar on screen, of
// the right-click menu, the buttons, the keys. Built from the real menus and widgets, so a command
// that becomes enabled later is walked without a change here.
std::vector<UserStep> stepsOf(WalkRun& run, int pass)
{
    std::vector<UserStep> steps;
    MainWindow& w = run.program();
    const int bar = w.doc().menus.m_nMenuBarKind == 0 ? shell::IDR_MAINFRAME : shell::IDR_TEXTPICTURE_MENU;
    int n = 0;
    for (const auto& [id, path] : barCommands(w.bar())) {
        if (id == shell::ID_APP_EXIT)
            continue; // the last step of the start map's walk
        const bool byKeyboard = (n++ + pass) % 2 == 1;
        const std::string text = "bar " + std::to_string(bar) + " " + pathText(path) + " (" + std::to_string(id) + ")"
            + (byKeyboard ? " by keyboard" : " by mouse");
        steps.push_back({Control::Bar, text, [id = id, byKeyboard](WalkRun& r) {
                             const auto items = barCommands(r.program().bar());
                             const auto item = items.find(id);
                             if (item == items.end())
                                 return false;
                             return byKeyboard ? chooseByKeyboard(r.program().main, item->second)
                                               : chooseByMouse(r.program().bar(), item->second);
                         }});
    }
    for (const int id : menuCommands(shell::IDR_MAPPING_MENU))
        steps.push_back({Control::RightClick, "right-click menu " + std::to_string(id), [id](WalkRun& r) {
                             return chooseFromRightClickMenu(r.script(), r.program().viewWidget(), id);
                         }});
    // Buttons by caption and by their place among buttons of that caption (the arrows repeat).
    std::map<std::string, int> seen;
    for (const auto& b : viewButtons(w.viewWidget())) {
        const std::string caption = captionOf(b);
        const int index = seen[caption]++;
        steps.push_back({Control::Button, "button \"" + caption + "\"" + (index ? " #" + std::to_string(index + 1) : ""),
                         [caption, index](WalkRun& r) {
                             int k = 0;
                             for (const auto& other : viewButtons(r.program().viewWidget()))
                                 if (captionOf(other) == caption && k++ == index)
                                     return clickButton(other);
                             return false;
                         },
                         caption});
    }
    for (const vd::ui::Accelerator& key : shell::MainAccelerators().entries)
        steps.push_back({Control::Key, "key " + keyText(key) + " (" + std::to_string(key.command) + ")",
                         [key](WalkRun& r) {
                             return commandEnabled(r.program().run.frame(), key.command)
                                 && pressAccelerator(r.program().main, key);
                         }});
    return steps;
}

struct ModeWalk {
    int fired = 0; // steps, each answer of a dialog counted
    std::map<Control, std::set<std::string>> commands; // fired, distinct
    int restarts = 0;
    int returns = 0;
    std::vector<std::string> notEnabled;
    std::vector<std::string> silent;
    std::vector<std::string> sheetOnScreen;
    std::vector<std::string> nothingToStop;
    std::set<std::string> layersDrawn;
    int total() const
    {
        int n = 0;
        for (const auto& [control, fired] : commands)
            n += static_cast<int>(fired.size());
        return n;
    }
};

// The mode once the way's last repaint and the timers it started have run (album play turns to
// its idle mode 0 once the page is drawn).
ModeSignature settle(WalkRun& run, const MapMode& mode)
{
    run.step(mode.name + ": settling", [] { return false; });
    return run.signature();
}

// Back in the mode: the program started again on a fresh folder and the way followed, when the
// last step left the mode.
bool backTo(WalkRun& run, const MapMode& mode, const ModeSignature& home, ModeWalk& walk)
{
    if (run.signature() == home)
        return true;
    // The way again from where the step left the program (a key that starts album play works
    // from any map); a fresh start when that does not lead back.
    if (!mode.way.empty() && run.signature().displayMode == 10) {
        run.setQuiet(true);
        const bool back = reach(run, mode) && settle(run, mode) == home;
        run.setQuiet(false);
        if (back)
            return ++walk.returns, true;
    }
    ++walk.restarts;
    return run.start() && reach(run, mode) && settle(run, mode) == home;
}

// A sheet button of the block names the sheet on screen: it shows what is shown already.
bool namesTheSheetOnScreen(WalkRun& run, const UserStep& step)
{
    const CVeldoranDoc& doc = run.program().doc();
    const QString shown = QString::fromStdString(doc.m_strMapName).trimmed();
    return step.control == Control::Button && doc.repaint.m_bMapOnScreen == 1 && !shown.isEmpty()
        && QString::fromStdString(step.caption) == shown;
}

// The album's stop (its Θ button, and Page Down, which presses it on an album page) on an album
// page whose play has ended (idle mode 0, no timer running): there is nothing to stop.
bool stopsAnAlbumThatIsNotPlaying(WalkRun& run, const UserStep& step)
{
    const bool stop = (step.control == Control::Button && step.caption == "Θ")
        || (step.control == Control::Key && step.text.find("(" + std::to_string(ID_FEWER_SHEETS) + ")") != std::string::npos);
    return stop && run.program().doc().m_nMapDisplayMode == 0 && run.script().activeTimers().empty();
}

ModeWalk walkMode(WalkRun& run, const MapMode& mode)
{
    ModeWalk walk;
    const ModeSignature home = settle(run, mode);
    std::printf("walk: %s (%s)\n", mode.name.c_str(), describe(home).c_str());
    std::string buttons;
    for (const auto& b : viewButtons(run.program().viewWidget()))
        buttons += " [" + captionOf(b) + "]";
    std::printf("walk:   buttons:%s\n", buttons.c_str());
    const std::vector<UserStep> steps = stepsOf(run, 0);
    std::map<std::string, std::set<Answer>> dialogAnswers; // by module and template
    int turn = 0;
    for (const UserStep& step : steps) {
        std::vector<Answer> answers = {static_cast<Answer>(turn++ % 3)};
        std::set<std::string> effects;
        bool fired = false;
        for (size_t k = 0; k < answers.size(); ++k) {
            if (!backTo(run, mode, home, walk)) {
                run.recordFault(mode.name + ": cannot come back to the mode (now " + describe(run.signature()) + ")");
                return walk;
            }
            run.answers().setAnswer(answers[k]);
            const auto opened = run.answers().byTemplate();
            const std::string text = mode.name + ": " + step.text + ", dialogs: " + nameOf(answers[k]);
            run.answers().takeLayersChosen();
            if (!run.step(text, [&] { return step.fire(run); })) {
                if (!fired)
                    walk.notEnabled.push_back(step.text);
                break;
            }
            fired = true;
            ++walk.fired;
            walk.commands[step.control].insert(step.text);
            effects.insert(run.lastEffects().begin(), run.lastEffects().end());
            if (run.lastEffects().count("picture"))
                for (const std::string& layer : run.answers().takeLayersChosen())
                    walk.layersDrawn.insert(layer);
            // Each dialog this step opened also gets the answers it has not had yet.
            for (const auto& [dialog, count] : run.answers().byTemplate()) {
                const auto before = opened.find(dialog);
                if (before != opened.end() && before->second == count)
                    continue;
                dialogAnswers[dialog].insert(answers[k]);
                for (Answer a : {Answer::Cancel, Answer::Defaults, Answer::SampleRows})
                    if (!dialogAnswers[dialog].count(a) && std::find(answers.begin(), answers.end(), a) == answers.end())
                        answers.push_back(a);
            }
        }
        if (fired && effects.empty()) {
            if (namesTheSheetOnScreen(run, step))
                walk.sheetOnScreen.push_back(step.text);
            else if (stopsAnAlbumThatIsNotPlaying(run, step))
                walk.nothingToStop.push_back(step.text);
            else
                walk.silent.push_back(step.text);
        }
    }
    if (!walk.silent.empty()) {
        std::string list;
        for (const std::string& step : walk.silent)
            list += "\n  " + step;
        run.recordFault(mode.name + ": " + std::to_string(walk.silent.size())
                        + " commands did nothing a user can see and said nothing:" + list);
    }
    return walk;
}

// The commands fired over the modes this process walked.
std::map<Control, int> totalFired;
int modesWalked = 0;

std::string countsText(const std::map<Control, int>& counts)
{
    std::string text;
    int total = 0;
    for (const Control control : kControls) {
        const auto found = counts.find(control);
        const int n = found == counts.end() ? 0 : found->second;
        text += std::to_string(n) + " " + nameOf(control) + ", ";
        total += n;
    }
    return text + std::to_string(total) + " in all";
}

class WalkTotals : public ::testing::Environment {
public:
    void TearDown() override
    {
        if (modesWalked > 1)
            std::printf("walk: totals over %d modes: commands fired: %s\n", modesWalked, countsText(totalFired).c_str());
    }
};
const auto* const walkTotals = ::testing::AddGlobalTestEnvironment(new WalkTotals);

void report(const WalkRun& run, const MapMode& mode, const ModeWalk& walk)
{
    const std::vector<std::string> messages = run.messageBoxesShown();
    std::map<Control, int> counts;
    for (const auto& [control, fired] : walk.commands) {
        counts[control] = static_cast<int>(fired.size());
        totalFired[control] += static_cast<int>(fired.size());
    }
    ++modesWalked;
    std::printf("walk: %s: commands fired: %s; %d steps (one per dialog answer), %d dialogs answered, %zu message "
                "boxes, %zu silent, %d fresh starts, %d returns\n",
                mode.name.c_str(), countsText(counts).c_str(), walk.fired, run.dialogsAnswered(), messages.size(),
                walk.silent.size(), walk.restarts, walk.returns);
    for (const std::string& step : walk.sheetOnScreen)
        std::printf("walk:   the sheet on screen, nothing to show anew: %s\n", step.c_str());
    for (const std::string& step : walk.nothingToStop)
        std::printf("walk:   the album's play has ended, nothing to stop: %s\n", step.c_str());
    for (const std::string& layer : walk.layersDrawn)
        std::printf("walk:   sample layer drawn through its dialog: %s\n", layer.c_str());
    for (const std::string& message : std::set<std::string>(messages.begin(), messages.end()))
        std::printf("walk:   message: %s\n", message.c_str());
    for (const std::string& step : walk.notEnabled)
        std::printf("walk:   not enabled here: %s\n", step.c_str());
    for (const std::string& file : run.filesWritten())
        std::printf("walk:   written: %s\n", file.c_str());
}

class Walkthrough : public ::testing::TestWithParam<MapMode> {};

} // namespace

namespace walk {
void PrintTo(const MapMode& mode, std::ostream* out)
{
    *out << mode.name;
}
} // namespace walk

namespace {

TEST_P(Walkthrough, EveryCommandButtonAndKeyOfTheMode)
{
    const MapMode& mode = GetParam();
    WalkRun run;
    ASSERT_TRUE(run.start());
    const ModeSignature start = run.signature();
    if (!mode.needs.empty()) {
        // The way is tried; while it leads nowhere the mode waits for the work it needs.
        run.setQuiet(true);
        const bool reached = reach(run, mode) && !(run.signature() == start);
        run.setQuiet(false);
        if (!reached)
            GTEST_SKIP() << mode.name << " is not reachable yet: it needs " << mode.needs;
    } else {
        ASSERT_TRUE(reach(run, mode));
        ASSERT_FALSE(run.signature() == start && !mode.way.empty()) << "the way to " << mode.name << " changed nothing";
    }
    const ModeWalk walk = walkMode(run, mode);
    EXPECT_GT(walk.total(), 0);
    run.checkSurroundings();
    report(run, mode, walk);
}

INSTANTIATE_TEST_SUITE_P(MapModes, Walkthrough, ::testing::ValuesIn(MapModes()),
                         [](const auto& info) { return info.param.name; });

// Each layer kind of the sample, switched on through its own dialog with the walk's sample-row
// answer, changes the start sheet's picture at once: ﾌｧｲﾙ > 地図再表示 after the OK shows the same.
TEST(Walkthrough, EachSampleLayerIsDrawnThroughItsOwnDialog)
{
    WalkRun run;
    for (const SampleLayer& layer : SampleLayers()) {
        ASSERT_TRUE(run.start());
        run.answers().setAnswer(Answer::SampleRows);
        run.answers().chooseNext(layer);
        const QImage before = run.program().shown();
        const auto items = barCommands(run.program().bar());
        ASSERT_TRUE(items.count(layer.command)) << layer.kind;
        ASSERT_TRUE(run.step(layer.kind, [&] { return chooseByMouse(run.program().bar(), items.at(layer.command)); }));
        EXPECT_EQ(run.answers().takeLayersChosen(), std::vector<std::string>{layer.kind});
        const QImage afterOk = run.program().shown();
        EXPECT_NE(afterOk, before) << layer.kind << " left the start sheet as it was";
        ASSERT_TRUE(run.step("地図再表示", [&] { return chooseByMouse(run.program().bar(), items.at(ID_REDISPLAY_MAP)); }));
        EXPECT_EQ(run.program().shown(), afterOk) << layer.kind << ": OK needs a second redraw";
    }
    run.checkSurroundings();
}

// The check of the folders around a run reports a file written beside the profile, as the
// program writing anywhere but its application folder and the temporary folder would be.
TEST(Walkthrough, AFileWrittenBesideTheProfileIsAFault)
{
    WalkRun run;
    ASSERT_TRUE(run.start());
    const std::filesystem::path stray = std::filesystem::path(std::getenv("VELDORAN_PROFILE")).parent_path() / "stray.ini";
    std::ofstream(stray) << "written by the run\n";
    EXPECT_NONFATAL_FAILURE(run.checkSurroundings(), "stray.ini");
    std::filesystem::remove(stray);
    run.checkSurroundings();
}

TEST(Walkthrough, ExitFromTheMenuByKeyboardEndsTheRunWithItsSettingsWritten)
{
    WalkRun run;
    ASSERT_TRUE(run.start());
    const auto items = barCommands(run.program().bar());
    ASSERT_TRUE(items.count(shell::ID_APP_EXIT));
    ASSERT_TRUE(chooseByKeyboard(run.program().main, items.at(shell::ID_APP_EXIT)));
    EXPECT_TRUE(waitFor([&] { return !run.program().run.frame().IsWindow(); }, 10000));
    run.program().run.app->Shutdown();
    EXPECT_NE(vd::ProfileStore().getString("LastData", "MapName", "<none>"), "<none>");
    run.checkSurroundings();
}

TEST(Walkthrough, PendingCommandsAreNamedWithTheWorkThatOwnsThem)
{
    for (const shell::CommandRange& range : shell::PendingCommands()) {
        ASSERT_NE(range.owner, nullptr) << range.first << "-" << range.last << " names no owner";
        EXPECT_NE(std::string(range.owner), "") << range.first << "-" << range.last << " names no owner";
        std::printf("walk: pending %d-%d: %s\n", range.first, range.last, range.owner);
    }
}

} // namespace
