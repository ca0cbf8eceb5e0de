#pragma once
// One run of the real program for the walk: a fresh application folder seeded from the sample
// data and a fresh profile, the program started on them, and each user step run under a watchdog
// and checked afterwards: the program still answers, no dialog is left open, the repaint has
// finished, each page shows its own buttons alone, each screen drawn paints its whole window (no
// pixel of the screen before is left), no file of the application folder is lost or
// truncated, no sample data file changed, and no file written outside the application folder and
// the temporary folder. Each step also tells what it visibly did.
#include "DialogAnswers.h"
#include "FolderSnapshot.h"
#include "Watchdog.h"

#include "tests/app/shell/MainWindowFixture.h"
#include "tests/app/shell/ScreenChangeWatch.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace walk {

// What tells one map mode from another to the walk.
struct ModeSignature {
    int displayMode = 0;
    int mapType = 0;
    int mapFrame = 0;
    int sheets = 0; // of the block: 1, 9, 25, 49
    int menuBar = 0;
    std::string title;
    bool operator==(const ModeSignature&) const = default;
};
std::string describe(const ModeSignature& signature);

class WalkRun {
public:
    // prepareFolder runs on each fresh application folder before the program starts (the damaged
    // walk cuts files there).
    explicit WalkRun(std::function<void(const std::filesystem::path&)> prepareFolder = {});
    ~WalkRun();

    // A fresh folder and profile, the program started, its first map on screen.
    bool start();
    MainWindow& program() { return *program_; }
    vd::ui::Script& script() { return *program_->run.script; }
    DialogAnswers& answers() { return *answers_; }
    ModeSignature signature() const;

    // Runs the action under the watchdog and checks the program after it; false when the user
    // could not do it (disabled), faults are recorded with the step's text.
    bool step(const std::string& what, const std::function<bool()>& action);
    void recordFault(const std::string& what);
    // While quiet, a way that cannot be followed is no fault (a mode still waiting for its work).
    void setQuiet(bool quiet) { quiet_ = quiet; }
    bool quiet() const { return quiet_; }
    // Whether a step that switched a layer on must have drawn something or said why not.
    void setLayerCheck(bool on) { layerCheck_ = on; }
    // What the last step visibly did: a dialog (of the program's, of Qt's, a colour, font, file or
    // print dialog, a program started), a message box, a drawing of the view, a change of the
    // window's picture, of the map mode or title, of a menu item's check or grey, of the running
    // timers (a slide show or album play started or stopped), of the clipboard or of a file (the
    // settings file included); empty when it did none of these.
    const std::set<std::string>& lastEffects() const { return effects_; }
    // Checks the folders around the run: nothing written outside the application folder and the
    // temporary folder (the home folder, the profile's folder beyond the profile, the working
    // folder, the program's folder and the data seed beside it).
    void checkSurroundings();

    const std::vector<std::string>& faults() const { return faults_; }
    int stepsFired() const { return fired_; }
    int dialogsAnswered() const { return answeredBefore_ + qtDialogsAnswered_ + (answers_ ? answers_->answered() : 0); }
    // The texts of the message boxes shown so far.
    std::vector<std::string> messageBoxesShown() const;
    // Files of the folder that steps changed (allowed: settings and lists), for the log.
    const std::set<std::string>& filesWritten() const { return written_; }

private:
    // What a user can see of the program, to tell whether a step did anything.
    struct Observation {
        size_t dialogs = 0;
        size_t messageBoxes = 0;
        size_t menuState = 0;
        std::vector<int> timers;
        size_t picture = 0;
        ModeSignature signature;
        size_t clipboard = 0;
        size_t profile = 0;
    };
    Observation observe() const;
    bool windowOpen() const;
    void stop();
    void checkAfter(const std::string& what);
    void checkPageButtons(const std::string& what);

    std::function<void(const std::filesystem::path&)> prepare_;
    std::unique_ptr<MainWindow> program_;
    std::unique_ptr<DialogAnswers> answers_;
    Watchdog watchdog_;
    FolderSnapshot folder_;
    FolderSnapshot seed_;
    // The folders outside the application folder and the temporary folder, as they were.
    std::vector<std::pair<std::filesystem::path, FolderSnapshot>> surroundings_;
    std::filesystem::path workingFolder_;
    std::set<std::string> effects_;
    std::vector<int> rightClickIds_;
    std::unique_ptr<ScreenChangeWatch> screens_;
    int drawingsBefore_ = 0;
    std::vector<std::string> faults_;
    std::set<std::string> written_;
    int fired_ = 0;
    bool quiet_ = false;
    bool layerCheck_ = true;
    int answeredBefore_ = 0;
    int qtDialogsAnswered_ = 0;
    int modelessClosed_ = 0;
    std::vector<std::string> messagesBefore_;
};

// Whether a file of the application folder is sample data the program only reads (layers,
// pictures, texts, tracks, the sheet index), as opposed to settings and lists it writes.
bool isReadOnlyData(const std::string& relativePath);

} // namespace walk
