#include "platform/ui/UiScript.h"

#include "platform/ui/DialogDriver.h"
#include "platform/ui/DialogImpl.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/Menu.h"

namespace vd::ui {

std::shared_ptr<Script> Script::install()
{
    auto script = std::make_shared<Script>();
    installBackend(script);
    return script;
}

void Script::answerMessageBox(int id)
{
    messageAnswers_.push_back(id);
}

int Script::messageBox(const MessageBoxRequest& request)
{
    messageBoxes_.push_back(request);
    if (!messageAnswers_.empty()) {
        const int id = messageAnswers_.front();
        messageAnswers_.pop_front();
        return id;
    }
    // The default button answers.
    const unsigned def = (request.style & MB_DEFMASK) >> 8;
    switch (request.style & MB_TYPEMASK) {
    case MB_OKCANCEL: return def == 1 ? IDCANCEL : IDOK;
    case MB_ABORTRETRYIGNORE: return def == 1 ? IDRETRY : def == 2 ? IDIGNORE : IDABORT;
    case MB_YESNOCANCEL: return def == 1 ? IDNO : def == 2 ? IDCANCEL : IDYES;
    case MB_YESNO: return def == 1 ? IDNO : IDYES;
    case MB_RETRYCANCEL: return def == 1 ? IDCANCEL : IDRETRY;
    default: return IDOK;
    }
}

void Script::beep()
{
    ++beeps_;
}

void Script::progress(const std::string& text)
{
    progressTexts_.push_back(text);
}

void Script::answerProcess(ProcessResult result)
{
    processAnswers_.push_back(result);
}

ProcessResult Script::runProcess(const std::vector<std::string>& argv)
{
    processes_.push_back(argv);
    ProcessResult result{true, 0, 5000};
    if (!processAnswers_.empty()) {
        result = processAnswers_.front();
        processAnswers_.pop_front();
    }
    advance(result.elapsedMs);
    return result;
}

int Script::startProcess(const std::vector<std::string>& argv)
{
    started_.push_back(argv);
    const int handle = static_cast<int>(started_.size());
    running_.insert(handle);
    return handle;
}

bool Script::endProcess(int handle)
{
    ended_.push_back(handle);
    return running_.erase(handle) > 0;
}

bool Script::processRunning(int handle)
{
    return running_.count(handle) > 0;
}

bool Script::openWithDesktop(const std::string& target)
{
    desktopOpens_.push_back(target);
    return desktopOpenSucceeds_;
}

void Script::advance(std::int64_t milliseconds)
{
    nowMs_ += milliseconds;
    ticks_ += milliseconds;
}

std::int64_t Script::nowMilliseconds()
{
    return nowMs_;
}

std::uint32_t Script::tickCount()
{
    return static_cast<std::uint32_t>(ticks_);
}

int Script::startTimer(int intervalMs, std::function<void()> onTick)
{
    const int handle = nextTimer_++;
    timers_[handle] = Timer{intervalMs, std::move(onTick)};
    return handle;
}

void Script::stopTimer(int handle)
{
    timers_.erase(handle);
}

std::vector<int> Script::activeTimers() const
{
    std::vector<int> out;
    for (const auto& [handle, timer] : timers_)
        out.push_back(handle);
    return out;
}

int Script::timerInterval(int handle) const
{
    const auto found = timers_.find(handle);
    return found == timers_.end() ? 0 : found->second.interval;
}

void Script::fireTimer(int handle)
{
    const auto found = timers_.find(handle);
    if (found == timers_.end())
        return;
    // The callback may stop or start timers; run a copy.
    const auto tick = found->second.onTick;
    tick();
}

void Script::fireTimers()
{
    for (int handle : activeTimers())
        fireTimer(handle);
}

Size Script::fullScreenSize()
{
    return screen_;
}

void Script::answerDialog(int templateId, DialogActions actions)
{
    dialogAnswers_[templateId].push_back(std::move(actions));
}

void Script::answerDialog(const std::string& module, int templateId, DialogActions actions)
{
    moduleAnswers_[{module, templateId}].push_back(std::move(actions));
}

int Script::runModal(Dialog& dialog)
{
    const int id = dialog.templateId();
    dialogsRun_.push_back(id);
    auto* impl = static_cast<DialogImpl*>(dialog.impl());
    if (impl->widget)
        impl->widget->show();
    auto& ofModule = moduleAnswers_[{dialog.module(), id}];
    auto& queue = ofModule.empty() ? dialogAnswers_[id] : ofModule;
    if (queue.empty() && otherDialogs_) {
        DialogDriver driver(dialog);
        otherDialogs_(driver);
    } else if (queue.empty()) {
        unanswered_.push_back(id);
    } else {
        const DialogActions actions = std::move(queue.front());
        queue.pop_front();
        DialogDriver driver(dialog);
        actions(driver);
    }
    impl = static_cast<DialogImpl*>(dialog.impl());
    if (impl && impl->running)
        dialog.EndDialog(IDCANCEL);
    return dialog.result();
}

void Script::modelessCreated(Dialog& dialog)
{
    modeless_.push_back(&dialog);
}

void Script::dialogDestroyed(Dialog& dialog)
{
    std::erase(modeless_, &dialog);
}

void Script::answerFileDialog(std::string windowsPath, std::function<void(FileDialog&)> actions)
{
    fileAnswers_.push_back({std::move(windowsPath), std::move(actions)});
}

void Script::cancelFileDialog(std::function<void(FileDialog&)> actions)
{
    fileAnswers_.push_back({std::nullopt, std::move(actions)});
}

int Script::runFileDialog(FileDialog& dialog)
{
    const size_t index = fileDialogs_.size();
    fileDialogs_.push_back({dialog.isOpen(), dialog.filter(), dialog.defaultExt(), dialog.initialName(), dialog.flagsValue(), {},
                            dialog.title(), dialog.initialFolder()});
    dialog.setControlTextSink([this, index](int id, const std::string& text) {
        if (id == IDOK)
            fileDialogs_[index].okText = text;
    });
    std::unique_ptr<QWidget> host;
    if (dialog.panelTemplate() != 0) {
        host = std::make_unique<QWidget>();
        createDialogInside(dialog, host.get());
        host->show();
    }
    fileDialogs_[index].okText = dialog.controlText(IDOK);

    FileDialogAnswer answer;
    if (!fileAnswers_.empty()) {
        answer = std::move(fileAnswers_.front());
        fileAnswers_.pop_front();
    } else if (otherFileDialogs_) {
        answer.path = otherFileDialogs_(dialog);
    } else {
        unanswered_.push_back(-1);
    }
    if (answer.actions)
        answer.actions(dialog);
    dialog.setControlTextSink({});
    dialog.finish(answer.path ? IDOK : IDCANCEL, answer.path.value_or(std::string()));
    dialog.DestroyWindow();
    return answer.path ? IDOK : IDCANCEL;
}

void Script::answerColour(std::optional<std::uint32_t> colour)
{
    colourAnswers_.push_back(colour);
}

namespace {

// The next answer of a colour or font dialog into value; false (cancelled) when none is left or
// the answer is a cancel.
template <class T>
bool takeAnswer(std::deque<std::optional<T>>& answers, T& value)
{
    if (answers.empty())
        return false;
    const std::optional<T> answer = answers.front();
    answers.pop_front();
    if (!answer)
        return false;
    value = *answer;
    return true;
}

} // namespace

bool Script::chooseColour(std::uint32_t& colour, bool)
{
    coloursAsked_.push_back(colour);
    return takeAnswer(colourAnswers_, colour);
}

void Script::answerFont(std::optional<LogFont> font)
{
    fontAnswers_.push_back(std::move(font));
}

bool Script::chooseFont(LogFont& font)
{
    fontsAsked_.push_back(font);
    return takeAnswer(fontAnswers_, font);
}

void Script::answerPopupMenu(int commandId)
{
    popupAnswers_.push_back(commandId);
}

void Script::choosePopupMenuItem(std::function<int(Menu&)> choose)
{
    popupChoosers_.push_back(std::move(choose));
}

int Script::trackPopupMenu(Menu& menu, Point)
{
    std::vector<std::string> texts;
    std::vector<unsigned> states;
    for (int i = 0; i < menu.GetMenuItemCount(); ++i) {
        texts.push_back(menu.GetMenuString(i, MF_BYPOSITION));
        states.push_back(menu.GetMenuState(i, MF_BYPOSITION));
    }
    popupMenus_.push_back(std::move(texts));
    popupStates_.push_back(std::move(states));
    if (!popupChoosers_.empty()) {
        const auto choose = std::move(popupChoosers_.front());
        popupChoosers_.pop_front();
        return choose(menu);
    }
    if (popupAnswers_.empty())
        return 0;
    const int id = popupAnswers_.front();
    popupAnswers_.pop_front();
    return id;
}

void Script::setCursor(Window&, CursorShape shape)
{
    pointerEvents_.push_back(shape == CursorShape::Wait    ? "cursor wait"
                             : shape == CursorShape::Cross ? "cursor cross"
                                                           : "cursor arrow");
}

void Script::waitCursor(bool on)
{
    pointerEvents_.push_back(on ? "wait on" : "wait off");
}

void Script::captureMouse(Window&)
{
    pointerEvents_.push_back("capture");
}

void Script::releaseMouse(Window&)
{
    pointerEvents_.push_back("release");
}

void Script::setCursorPos(Point screen)
{
    pointerEvents_.push_back("pos " + std::to_string(screen.x) + "," + std::to_string(screen.y));
}

void Script::bringToForeground(Window&)
{
    pointerEvents_.push_back("foreground");
}

void Script::forgetRecords()
{
    popupStates_.clear();
    pointerEvents_.clear();
    progressTexts_.clear();
    popupMenus_.clear();
    messageBoxes_.clear();
    processes_.clear();
    desktopOpens_.clear();
    started_.clear();
    ended_.clear();
    dialogsRun_.clear();
    unanswered_.clear();
    fileDialogs_.clear();
    coloursAsked_.clear();
    fontsAsked_.clear();
}

} // namespace vd::ui
