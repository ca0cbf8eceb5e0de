#pragma once
// The program's implementation of the vd::ui seam, on Qt (private to the platform).
#include "platform/ui/Ui.h"

#include <map>
#include <memory>

class QLabel;
class QProcess;
class QTimer;

namespace vd::ui {

class QtBackend : public Backend {
public:
    QtBackend();
    ~QtBackend() override;
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
    Size screenSize() override;
    int runModal(Dialog& dialog) override;
    int runFileDialog(FileDialog& dialog) override;
    bool chooseColour(std::uint32_t& colour, bool fullOpen) override;
    bool chooseFont(LogFont& font) override;
    int trackPopupMenu(Menu& menu, Point screen) override;
    // platform/ui/Printing.cpp
    std::unique_ptr<PrinterDc> printDialog() override;
    void printPreview(const std::function<bool(PrinterDc&)>& printDocument) override;
    void progress(const std::string& text) override;
    // platform/ui/QtPointer.cpp
    void setCursor(Window& window, CursorShape shape) override;
    void waitCursor(bool on) override;
    void captureMouse(Window& window) override;
    void releaseMouse(Window& window) override;
    void setCursorPos(Point screen) override;
    void bringToForeground(Window& window) override;

private:
    std::unique_ptr<QLabel> progress_;
    std::map<int, QTimer*> timers_;
    std::map<int, QProcess*> processes_;
    int nextProcess_ = 1;
    int nextTimer_ = 1;
};

} // namespace vd::ui
