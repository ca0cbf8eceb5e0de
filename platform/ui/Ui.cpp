#include "platform/ui/Ui.h"

#include "platform/ui/PathForm.h"
#include "platform/ui/QtBackend.h"

#include <QCoreApplication>

namespace vd::ui {

namespace {

int g_pendingDeliveries = 0; // processPendingEvents calls under way
bool g_endRequested = false;

std::shared_ptr<Backend>& installed()
{
    static std::shared_ptr<Backend> current;
    return current;
}

std::string& titleSlot()
{
    static std::string title = "Veldoran";
    return title;
}

bool isUrl(const std::string& target)
{
    for (const char* scheme : {"http:", "https:", "mailto:", "ftp:", "file:"}) {
        const std::string s = scheme;
        if (target.size() >= s.size()) {
            bool same = true;
            for (size_t i = 0; i < s.size() && same; ++i)
                same = std::tolower(static_cast<unsigned char>(target[i])) == s[i];
            if (same)
                return true;
        }
    }
    return false;
}

} // namespace

Backend::~Backend() = default;

void Backend::modelessCreated(Dialog&) {}

void Backend::dialogDestroyed(Dialog&) {}

void Backend::progress(const std::string&) {}

Backend& backend()
{
    if (auto& current = installed())
        return *current;
    static QtBackend qt;
    return qt;
}

void installBackend(std::shared_ptr<Backend> replacement)
{
    installed() = std::move(replacement);
}

const std::string& applicationTitle()
{
    return titleSlot();
}

void setApplicationTitle(std::string title)
{
    titleSlot() = std::move(title);
}

int MessageBox(const std::string& text, const std::string& caption, unsigned style)
{
    return backend().messageBox({text, caption.empty() ? applicationTitle() : caption, style});
}

int AfxMessageBox(const std::string& text, unsigned style)
{
    return MessageBox(text, applicationTitle(), style);
}

void MessageBeep()
{
    backend().beep();
}

void showProgress(const std::string& text)
{
    backend().progress(text);
}

ProcessResult runAndWait(const std::vector<std::string>& argv)
{
    if (argv.empty() || argv.front().empty())
        return {};
    return backend().runProcess(argv);
}

bool editAndWait(const std::vector<std::string>& argv)
{
    const ProcessResult result = runAndWait(argv);
    if (!result.started) {
        // No program named at all (no editor set and none found) says so, not a name left blank.
        const std::string program = argv.empty() ? std::string() : argv.front();
        AfxMessageBox(program.empty() ? std::string("起動するプログラムが設定されていません")
                                      : "プログラムを起動できません: " + program,
                      MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if (result.elapsedMs < kReturnedAtOnceMs)
        AfxMessageBox(kEditDoneMessage, MB_OK | MB_ICONINFORMATION);
    return true;
}

int startProgram(const std::vector<std::string>& argv)
{
    if (argv.empty() || argv.front().empty())
        return 0;
    return backend().startProcess(argv);
}

bool endProgram(int handle)
{
    return handle > 0 && backend().endProcess(handle);
}

bool isProgramRunning(int handle)
{
    return handle > 0 && backend().processRunning(handle);
}

bool openWithDesktop(const std::string& target)
{
    if (target.empty())
        return false;
    return backend().openWithDesktop(isUrl(target) ? target : toLinuxForm(target));
}

std::int64_t nowMilliseconds()
{
    return backend().nowMilliseconds();
}

std::time_t time()
{
    const std::int64_t ms = nowMilliseconds();
    return static_cast<std::time_t>(ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000));
}

std::uint32_t GetTickCount()
{
    return backend().tickCount();
}

int startTimer(int intervalMs, std::function<void()> onTick)
{
    return backend().startTimer(intervalMs, std::move(onTick));
}

void stopTimer(int handle)
{
    if (handle > 0)
        backend().stopTimer(handle);
}

Size fullScreenSize()
{
    return backend().fullScreenSize();
}

Size screenSize()
{
    return backend().screenSize();
}

void processPendingEvents()
{
    struct Delivering {
        Delivering() { ++g_pendingDeliveries; }
        ~Delivering() { --g_pendingDeliveries; }
    } delivering;
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

bool deliveringPendingEvents()
{
    return g_pendingDeliveries > 0;
}

bool endRequested()
{
    return g_endRequested;
}

void setEndRequested(bool requested)
{
    g_endRequested = requested;
}

bool chooseColour(std::uint32_t& colour, bool fullOpen)
{
    return backend().chooseColour(colour, fullOpen);
}

bool chooseFont(LogFont& font)
{
    return backend().chooseFont(font);
}

} // namespace vd::ui
