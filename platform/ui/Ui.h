#pragma once
// The one replaceable seam for everything that would stop or slow a test: message boxes, beeps,
// file, colour and font dialogs, modal dialog runs, external programs, the desktop's handler,
// the clock, timers and the screen metrics. The program runs on the Qt implementation; a test
// installs a script (platform/ui/UiScript.h) that answers and records each interaction.
#include "platform/dc/GdiObjects.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/WinConstants.h"

#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vd {
class Dialog;
class FileDialog;
class Menu;
class PrinterDc;
class Window;
}

namespace vd::ui {

// What a message box asked: the caption, the text and the old platform's style flags.
struct MessageBoxRequest {
    std::string text;
    std::string caption;
    unsigned style = MB_OK;
};

// The pointer's shapes the system shows: the arrow of the windows, the wait cursor of long
// operations and the cross of a rectangle drag.
enum class CursorShape { Arrow, Wait, Cross };

// How an external program ran: whether it started, its exit code and how long it took.
struct ProcessResult {
    bool started = false;
    int exitCode = -1;
    std::int64_t elapsedMs = 0;
};

class Backend {
public:
    virtual ~Backend();
    virtual int messageBox(const MessageBoxRequest& request) = 0;
    virtual void beep() = 0;
    // Runs argv (no shell) and waits; the windows stay painted and refuse input meanwhile.
    virtual ProcessResult runProcess(const std::vector<std::string>& argv) = 0;
    // Starts argv (no shell) without waiting: a handle > 0, or 0 when it could not start.
    virtual int startProcess(const std::vector<std::string>& argv) = 0;
    // Ends a started program (it is killed when it does not end by itself); false when it had
    // already ended or the handle is unknown.
    virtual bool endProcess(int handle) = 0;
    virtual bool processRunning(int handle) = 0;
    // Opens a Linux path or a URL with the desktop's handler; false when none could be started.
    virtual bool openWithDesktop(const std::string& target) = 0;
    // Milliseconds since 1970-01-01 00:00:00 UTC.
    virtual std::int64_t nowMilliseconds() = 0;
    virtual std::uint32_t tickCount() = 0;
    // A repeating timer; the callback runs on the user-interface thread. Returns a handle > 0.
    virtual int startTimer(int intervalMs, std::function<void()> onTick) = 0;
    virtual void stopTimer(int handle) = 0;
    // The full-screen client area: the screen less the desktop's panels and a window caption.
    virtual Size fullScreenSize() = 0;
    // The whole desktop: all screens together, panels included.
    virtual Size screenSize() = 0;
    // Runs a dialog whose window has been built and initialised; returns its end id.
    virtual int runModal(Dialog& dialog) = 0;
    // A modeless dialog has just been created and shown (a script may act on it later).
    virtual void modelessCreated(Dialog& dialog);
    // A dialog object is going away.
    virtual void dialogDestroyed(Dialog& dialog);
    // The progress of a long task run inside a repaint: shown and painted at once, with no
    // event loop; an empty text takes it away.
    virtual void progress(const std::string& text);
    virtual int runFileDialog(FileDialog& dialog) = 0;
    // The colour dialog: true and the colour on OK.
    virtual bool chooseColour(std::uint32_t& colour, bool fullOpen) = 0;
    // The font dialog: true and the font on OK.
    virtual bool chooseFont(LogFont& font) = 0;
    // Shows a popup menu at a screen point; the chosen command id, 0 when none.
    virtual int trackPopupMenu(Menu& menu, Point screen) = 0;
    // The print dialog on the run's printer (platform/ui/Printing.cpp): a device context on the
    // printer or PDF file chosen; null when cancelled or when the choice cannot be printed (the
    // user has been told why). Base: cancelled.
    virtual std::unique_ptr<PrinterDc> printDialog();
    // The print preview on the run's printer: shows the pages printDocument draws, asked again
    // whenever the preview needs them, until closed; printing from it draws through printDocument
    // too. Base: nothing shown.
    virtual void printPreview(const std::function<bool(PrinterDc&)>& printDocument);
    // The pointer (platform/ui/Pointer.cpp): the shape over a window until the pointer next moves
    // there, the wait cursor of a long operation (nested), the mouse held by a window until
    // released, the pointer put at a screen point and a window brought to the front. Base: nothing.
    virtual void setCursor(Window& window, CursorShape shape);
    virtual void waitCursor(bool on);
    virtual void captureMouse(Window& window);
    virtual void releaseMouse(Window& window);
    virtual void setCursorPos(Point screen);
    // The window's top-level window raised and made active (before a popup at the pointer).
    virtual void bringToForeground(Window& window);
};

// The backend in use: the Qt implementation unless a test installed another one.
Backend& backend();
// Installs a backend for the rest of the process (or until the next install); nullptr restores
// the Qt implementation.
void installBackend(std::shared_ptr<Backend> replacement);

// The application title that captions message boxes without a caption of their own.
const std::string& applicationTitle();
void setApplicationTitle(std::string title);

// The message box of the old platform: returns IDOK, IDCANCEL, IDYES, IDNO, ...
int MessageBox(const std::string& text, const std::string& caption, unsigned style = MB_OK);
// The application's message box (captioned with the application title).
int AfxMessageBox(const std::string& text, unsigned style = MB_OK);
// The default system beep (before file dialogs).
void MessageBeep();
// A long task's progress text in a small window of its own, painted at once; "" closes it.
void showProgress(const std::string& text);

// Starts a program (no shell) and waits for it, keeping the windows painted.
ProcessResult runAndWait(const std::vector<std::string>& argv);
// Starts the user's editor on a file and waits for it. An editor that returns at once (it handed
// the file to a running instance) is followed by a message asking the user to press OK when the
// edit is done, so the caller reads the file only after the edit. A program that cannot be
// started is reported. Returns true when the editor ran.
bool editAndWait(const std::vector<std::string>& argv);
inline constexpr const char* kEditDoneMessage = "編集が終わったら OK を押してください";
// Editors that return sooner than this are taken to have handed the file on.
inline constexpr std::int64_t kReturnedAtOnceMs = 1500;

// A program started without waiting (the picture viewer of a slide show), ended later.
int startProgram(const std::vector<std::string>& argv);
bool endProgram(int handle);
bool isProgramRunning(int handle);

// Opens a file (Windows-form path) or a URL ("http:", "https:", "mailto:") with the desktop's
// handler (xdg-open).
bool openWithDesktop(const std::string& target);

// Milliseconds since 1970-01-01 00:00:00 UTC, and the same in whole seconds.
std::int64_t nowMilliseconds();
std::time_t time();
// Milliseconds since the program started (the old tick count).
std::uint32_t GetTickCount();

int startTimer(int intervalMs, std::function<void()> onTick);
void stopTimer(int handle);

Size fullScreenSize();
Size screenSize();

// Delivers what is queued for the user-interface thread (posted messages, pending repaints);
// for tests and for long operations that must keep the windows current. While it does, the
// handler that called it counts as running (FrameWindow::handlerRunning): a close of the main
// window waits until that handler has returned.
void processPendingEvents();
bool deliveringPendingEvents();

// Whether the end of the run was asked for (the close box, the exit command, a termination
// signal): a long operation that delivers pending events stops at its next step (between two
// files), so that the end follows at once. Set by the main frame's close, cleared when a frame
// is built.
bool endRequested();
void setEndRequested(bool requested);

bool chooseColour(std::uint32_t& colour, bool fullOpen = true);
bool chooseFont(LogFont& font);

std::unique_ptr<PrinterDc> printDialog();
void printPreview(const std::function<bool(PrinterDc&)>& printDocument);

} // namespace vd::ui
