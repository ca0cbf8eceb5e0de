#pragma once
// The scripted implementation of the vd::ui seam for tests: it answers message boxes, file,
// colour and font dialogs in the order queued, answers dialogs by template id with actions on
// their controls (also a dialog opened inside a library call), runs no external program, keeps
// a settable clock, fires timers on request, and records everything it was asked.
#include "platform/ui/Ui.h"

#include <deque>
#include <map>
#include <set>
#include <optional>

namespace vd {
class DialogDriver;
}

namespace vd::ui {

class Script : public Backend {
public:
    using DialogActions = std::function<void(DialogDriver&)>;

    // Installs a fresh script as the process's backend and returns it.
    static std::shared_ptr<Script> install();

    // Message boxes: answers in order; without a queued answer the default button answers.
    void answerMessageBox(int id);
    const std::vector<MessageBoxRequest>& messageBoxes() const { return messageBoxes_; }
    int beeps() const { return beeps_; }
    // Progress texts in order ("" when the window went away).
    const std::vector<std::string>& progressTexts() const { return progressTexts_; }

    // External programs: answers in order; without one a program "runs" for 5 s and exits 0.
    void answerProcess(ProcessResult result);
    const std::vector<std::vector<std::string>>& processes() const { return processes_; }
    const std::vector<std::string>& desktopOpens() const { return desktopOpens_; }
    // Programs started without waiting: each gets a handle and runs until ended (or until the
    // test says it ended by itself).
    const std::vector<std::vector<std::string>>& startedPrograms() const { return started_; }
    const std::vector<int>& endedPrograms() const { return ended_; }
    void programExits(int handle) { running_.erase(handle); }
    void setDesktopOpenSucceeds(bool succeeds) { desktopOpenSucceeds_ = succeeds; }

    // The clock: starts at 2000-01-01 00:00:00 UTC; tick count from 0.
    void setNow(std::time_t seconds) { nowMs_ = static_cast<std::int64_t>(seconds) * 1000; }
    void advance(std::int64_t milliseconds);

    // Timers: the handles started and not stopped, in start order; firing runs their callbacks.
    std::vector<int> activeTimers() const;
    int timerInterval(int handle) const;
    void fireTimer(int handle);
    void fireTimers();

    void setFullScreenSize(Size size) { screen_ = size; }
    // The whole desktop; larger than any window of the tests unless set.
    void setScreenSize(Size size) { desktop_ = size; }

    // Dialogs by template id: each run of the template consumes the next queued actions. The
    // actions usually end the dialog (a button press); a dialog still open afterwards is
    // cancelled. A dialog without queued actions is cancelled and listed as unanswered.
    void answerDialog(int templateId, DialogActions actions);
    // Only the template of that module (ids repeat across modules); tried before answers by id.
    void answerDialog(const std::string& module, int templateId, DialogActions actions);
    const std::vector<int>& dialogsRun() const { return dialogsRun_; }
    const std::vector<int>& unanswered() const { return unanswered_; }
    // Dialogs without queued actions run these instead of being cancelled (a walk through every
    // command cannot know in advance which dialogs open); they are not listed as unanswered.
    void answerOtherDialogs(DialogActions actions) { otherDialogs_ = std::move(actions); }
    // Modeless dialogs created so far (latest last); tests drive them with a DialogDriver.
    const std::vector<Dialog*>& modelessDialogs() const { return modeless_; }

    // File dialogs: what each was asked, and answers in order: a Windows-form path, or cancel.
    // Actions run on the dialog before it ends (selection changes, its child panel).
    struct FileDialogAnswer {
        std::optional<std::string> path;  // empty: cancel
        std::function<void(FileDialog&)> actions;
    };
    void answerFileDialog(std::string windowsPath, std::function<void(FileDialog&)> actions = {});
    void cancelFileDialog(std::function<void(FileDialog&)> actions = {});
    // File dialogs without a queued answer are answered by this (a Windows-form path, or none
    // to cancel) instead of being cancelled and listed as unanswered.
    void answerOtherFileDialogs(std::function<std::optional<std::string>(FileDialog&)> choose)
    {
        otherFileDialogs_ = std::move(choose);
    }
    struct FileDialogRecord {
        bool open = true;
        std::string filter;
        std::string defaultExt;
        std::string initialName;
        unsigned flags = 0;
        std::string okText;
        std::string title;
        std::string initialFolder;
    };
    const std::vector<FileDialogRecord>& fileDialogs() const { return fileDialogs_; }

    void answerColour(std::optional<std::uint32_t> colour);
    const std::vector<std::uint32_t>& coloursAsked() const { return coloursAsked_; }
    void answerFont(std::optional<LogFont> font);
    const std::vector<LogFont>& fontsAsked() const { return fontsAsked_; }

    // Popup menus: answers in order (a command id, 0 for none); each popup's item texts by
    // position ("" for separators, sub-menus by their title) are recorded.
    void answerPopupMenu(int commandId);
    // A popup answered by a choice made on the menu as it is shown (its items updated), as a user
    // chooses only what is enabled; tried before the answers by id.
    void choosePopupMenuItem(std::function<int(Menu&)> choose);
    const std::vector<std::vector<std::string>>& popupMenus() const { return popupMenus_; }

    // The item states of each popup (MF_CHECKED, MF_GRAYED bits by position), as it was shown.
    const std::vector<std::vector<unsigned>>& popupMenuStates() const { return popupStates_; }

    // The pointer, in order: "cursor arrow|wait|cross", "wait on", "wait off", "capture",
    // "release", "pos x,y" (screen) and "foreground" (a window brought to the front).
    const std::vector<std::string>& pointerEvents() const { return pointerEvents_; }
    void clearPointerEvents() { pointerEvents_.clear(); }

    // Forgets what was recorded (message boxes, dialogs run, processes, pointer events, ...) but
    // keeps the queued answers and timers: a script that lives for a whole fuzzing run would
    // otherwise grow with every input.
    void forgetRecords();

    // The print dialog (platform/ui/UiScriptPrinting.cpp): answers in order, a PDF file at a
    // Linux path printed on the run's printer, or cancel (also without an answer).
    void answerPrintDialog(std::string pdfPath);
    void cancelPrintDialog();
    int printDialogsShown() const { return printDialogs_; }
    // The preview: each answer is a PDF file that receives the pages each time the preview asks
    // for them (paints times), and optionally the file its print button prints into.
    struct PrintPreviewAnswer {
        std::string pagesPdf;
        int paints = 1;
        std::optional<std::string> printTo;
    };
    void answerPrintPreview(PrintPreviewAnswer answer);
    int previewsShown() const { return previews_; }

    // Backend
    int messageBox(const MessageBoxRequest& request) override;
    void beep() override;
    ProcessResult runProcess(const std::vector<std::string>& argv) override;
    int startProcess(const std::vector<std::string>& argv) override;
    bool endProcess(int handle) override;
    bool processRunning(int handle) override;
    bool openWithDesktop(const std::string& target) override;
    std::int64_t nowMilliseconds() override;
    std::uint32_t tickCount() override;
    int startTimer(int intervalMs, std::function<void()> onTick) override;
    void stopTimer(int handle) override;
    Size fullScreenSize() override;
    Size screenSize() override { return desktop_; }
    int runModal(Dialog& dialog) override;
    void modelessCreated(Dialog& dialog) override;
    void dialogDestroyed(Dialog& dialog) override;
    int runFileDialog(FileDialog& dialog) override;
    bool chooseColour(std::uint32_t& colour, bool fullOpen) override;
    bool chooseFont(LogFont& font) override;
    int trackPopupMenu(Menu& menu, Point screen) override;
    std::unique_ptr<PrinterDc> printDialog() override;
    void printPreview(const std::function<bool(PrinterDc&)>& printDocument) override;

    void progress(const std::string& text) override;
    void setCursor(Window& window, CursorShape shape) override;
    void waitCursor(bool on) override;
    void captureMouse(Window& window) override;
    void releaseMouse(Window& window) override;
    void setCursorPos(Point screen) override;
    void bringToForeground(Window& window) override;

private:
    std::vector<std::vector<unsigned>> popupStates_;
    std::vector<std::string> pointerEvents_;
    std::deque<std::optional<std::string>> printAnswers_;
    int printDialogs_ = 0;
    std::deque<PrintPreviewAnswer> previewAnswers_;
    int previews_ = 0;
    std::vector<std::string> progressTexts_;
    std::deque<int> popupAnswers_;
    std::deque<std::function<int(Menu&)>> popupChoosers_;
    std::vector<std::vector<std::string>> popupMenus_;
    struct Timer {
        int interval = 0;
        std::function<void()> onTick;
    };
    std::deque<int> messageAnswers_;
    std::vector<MessageBoxRequest> messageBoxes_;
    int beeps_ = 0;
    std::deque<ProcessResult> processAnswers_;
    std::vector<std::vector<std::string>> processes_;
    std::vector<std::string> desktopOpens_;
    std::vector<std::vector<std::string>> started_;
    std::vector<int> ended_;
    std::set<int> running_;
    bool desktopOpenSucceeds_ = true;
    std::int64_t nowMs_ = 946684800000;
    std::int64_t ticks_ = 0;
    std::map<int, Timer> timers_;
    int nextTimer_ = 1;
    Size screen_{800, 800};
    Size desktop_{4096, 4096};
    std::map<int, std::deque<DialogActions>> dialogAnswers_;
    std::map<std::pair<std::string, int>, std::deque<DialogActions>> moduleAnswers_;
    DialogActions otherDialogs_;
    std::vector<int> dialogsRun_;
    std::vector<int> unanswered_;
    std::vector<Dialog*> modeless_;
    std::deque<FileDialogAnswer> fileAnswers_;
    std::function<std::optional<std::string>(FileDialog&)> otherFileDialogs_;
    std::vector<FileDialogRecord> fileDialogs_;
    std::deque<std::optional<std::uint32_t>> colourAnswers_;
    std::vector<std::uint32_t> coloursAsked_;
    std::deque<std::optional<LogFont>> fontAnswers_;
    std::vector<LogFont> fontsAsked_;
};

} // namespace vd::ui
