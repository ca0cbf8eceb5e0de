// Preloaded into a Qt program by bench/start-up.sh (LD_PRELOAD) to time its start without
// changing it: notes the moments QApplication is built and its event loop entered, and ends the
// run the normal way (the event loop returns, the program shuts down) once the paints of the
// widget class VD_FIRST_PAINT_CLASS (a C++ name, e.g. vd::ViewWidget) have come to rest, so a
// repaint the first one asked for (the map drawn on the next paint) is part of it. The moments go to
// the file VD_START_TIMES as "<what> <CLOCK_REALTIME ns>" lines; VD_FIRST_PAINT_PICTURE names a
// PNG file that gets the window as it was then.
#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cxxabi.h>
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

namespace {

long long nowNs()
{
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

std::vector<std::pair<const char*, long long>>& moments()
{
    static std::vector<std::pair<const char*, long long>> list;
    return list;
}

void note(const char* what, long long ns = nowNs())
{
    moments().emplace_back(what, ns);
}

void writeMoments()
{
    const char* path = std::getenv("VD_START_TIMES");
    if (!path)
        return;
    if (FILE* out = std::fopen(path, "w")) {
        for (const auto& [what, ns] : moments())
            std::fprintf(out, "%s %lld\n", what, ns);
        std::fclose(out);
    }
}

// The loader has mapped and relocated every library when preloaded constructors run.
__attribute__((constructor)) void loaded()
{
    note("loaded");
}

std::string classOf(const QObject* object)
{
    const char* mangled = typeid(*object).name();
    int status = 0;
    char* name = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
    std::string result = status == 0 && name ? name : mangled;
    std::free(name);
    return result;
}

// Ends the run once the target's paints have come to rest: a first paint may ask for another
// (the map drawn on the next one), so the last paint followed by a quiet spell counts, and the
// spell itself is no part of any phase.
class FirstPaintWatch : public QObject {
public:
    explicit FirstPaintWatch(std::string target)
        : target_(std::move(target))
    {
        quiet_.setSingleShot(true);
        quiet_.setInterval(kQuietMs);
        connect(&quiet_, &QTimer::timeout, this, [this] {
            note("painted", lastPaint_);
            // What the screen showed then, for a look (not the window drawn anew).
            if (const char* picture = std::getenv("VD_FIRST_PAINT_PICTURE"))
                QGuiApplication::primaryScreen()->grabWindow(0).save(QString::fromLocal8Bit(picture));
            note("exit");
            writeMoments();
            QCoreApplication::exit(0);
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || classOf(watched) != target_)
            return false;
        // Delivered here (as the application would) to know when it is done.
        static_cast<QObject*>(watched)->event(event);
        lastPaint_ = nowNs();
        quiet_.start();
        return true;
    }

private:
    static constexpr int kQuietMs = 300;
    std::string target_;
    QTimer quiet_;
    long long lastPaint_ = 0;
};

// The library's own entry points, past this one in the search order.
template <class Fn>
Fn* next(const char* name)
{
    static_assert(sizeof(Fn*) == sizeof(void*));
    return reinterpret_cast<Fn*>(dlsym(RTLD_NEXT, name));
}

} // namespace

// QApplication::QApplication(int&, char**, int) and QApplication::exec(), by their linker names:
// a constructor is a function of the object's address and its arguments.
extern "C" void vdShimApplication(void* self, int& argc, char** argv, int flags) __asm__("_ZN12QApplicationC1ERiPPci");
extern "C" int vdShimExec() __asm__("_ZN12QApplication4execEv");

extern "C" void vdShimApplication(void* self, int& argc, char** argv, int flags)
{
    using Constructor = void(void*, int&, char**, int);
    static Constructor* real = next<Constructor>("_ZN12QApplicationC1ERiPPci");
    note("toolkit");
    real(self, argc, argv, flags);
    note("started");
}

extern "C" int vdShimExec()
{
    using Exec = int();
    static Exec* real = next<Exec>("_ZN12QApplication4execEv");
    note("exec");
    static bool watching = false;
    if (const char* target = std::getenv("VD_FIRST_PAINT_CLASS"); target && !watching) {
        watching = true;
        auto* watch = new FirstPaintWatch(target);
        watch->setParent(qApp);
        qApp->installEventFilter(watch);
    }
    return real();
}
