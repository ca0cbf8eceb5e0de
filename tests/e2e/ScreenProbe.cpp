// What the end-to-end test needs to see of the X screen: a window's picture as the screen shows
// it, the comparison of two pictures, the count of drawn pixels in an area, and a plain window
// that covers another for a while.
//   veldoran-screen-probe grab <window id> <file.png>
//   veldoran-screen-probe same <a.png> <b.png>            exit 0 when the pictures are equal
//   veldoran-screen-probe drawn <file.png> <x> <y> <w> <h> prints the non-white pixels there
//   veldoran-screen-probe cover <x> <y> <w> <h> <ms>
//   veldoran-screen-probe close <window id>               asks the window to close, as a window manager does
#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: veldoran-screen-probe grab|same|drawn|cover|close ...\n");
    return 2;
}

int differingPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return -1;
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF))
                ++count;
    return count;
}

// The close box of a window manager: a WM_DELETE_WINDOW message to the window.
int askToClose(unsigned long window)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return 1;
    XEvent event = {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(display, window, False, NoEventMask, &event);
    XCloseDisplay(display);
    return sent ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return usage();
    const char* command = argv[1];
    if (std::strcmp(command, "same") == 0 && argc == 4) {
        const QImage a(QString::fromLocal8Bit(argv[2]));
        const QImage b(QString::fromLocal8Bit(argv[3]));
        const int differing = differingPixels(a.convertToFormat(QImage::Format_RGB32), b.convertToFormat(QImage::Format_RGB32));
        std::printf("%d\n", differing);
        return differing == 0 ? 0 : 1;
    }
    if (std::strcmp(command, "drawn") == 0 && argc == 7) {
        const QImage image = QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_RGB32);
        const QRect area = QRect(atoi(argv[3]), atoi(argv[4]), atoi(argv[5]), atoi(argv[6])) & image.rect();
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                    ++count;
        std::printf("%d\n", count);
        return 0;
    }
    if (std::strcmp(command, "close") == 0 && argc == 3)
        return askToClose(std::strtoul(argv[2], nullptr, 0));
    QApplication app(argc, argv);
    if (std::strcmp(command, "grab") == 0 && argc == 4) {
        QScreen* screen = QGuiApplication::primaryScreen();
        const WId window = static_cast<WId>(std::strtoull(argv[2], nullptr, 0));
        if (!screen || !screen->grabWindow(window).save(QString::fromLocal8Bit(argv[3])))
            return 1;
        return 0;
    }
    if (std::strcmp(command, "cover") == 0 && argc == 7) {
        QWidget cover;
        cover.setWindowTitle("veldoran-cover");
        cover.setGeometry(atoi(argv[2]), atoi(argv[3]), atoi(argv[4]), atoi(argv[5]));
        cover.setStyleSheet("background: #204080");
        cover.show();
        cover.raise();
        cover.activateWindow();
        QTimer::singleShot(atoi(argv[6]), &app, &QApplication::quit);
        return app.exec();
    }
    return usage();
}
