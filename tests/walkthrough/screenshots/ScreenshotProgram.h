#pragma once
// The program as the screenshots meet it: the main window on a new application folder seeded with
// the bundled data, menus chosen with the mouse, keys pressed on the window, and the pictures
// saved as small PNG files into the folder VD_SCREENSHOTS names.
#include "tests/app/shell/MainWindowFixture.h"

#include "platform/sys/ApplicationFolder.h"
#include "platform/sys/ProfileStore.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/QtBackend.h"
#include "tests/walkthrough/UserActions.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace screenshots {

// Pictures wider than this are scaled down, so each PNG stays small.
inline constexpr int kMaxWidth = 1000;

inline std::filesystem::path outputFolder()
{
    if (const char* folder = std::getenv("VD_SCREENSHOTS"))
        return folder;
    return std::filesystem::path(std::getenv("XDG_DATA_HOME")).parent_path() / "screenshots";
}

inline void save(const QImage& picture, const std::string& name)
{
    namespace fs = std::filesystem;
    ASSERT_FALSE(picture.isNull()) << name;
    const fs::path folder = outputFolder();
    fs::create_directories(folder);
    const QImage small = picture.width() > kMaxWidth
        ? picture.scaledToWidth(kMaxWidth, Qt::SmoothTransformation)
        : picture;
    const fs::path file = folder / (name + ".png");
    ASSERT_TRUE(small.convertToFormat(QImage::Format_RGB888).save(QString::fromStdString(file.string()), "PNG", 9));
    EXPECT_LT(fs::file_size(file), 300u * 1024) << name;
}

inline QImage windowPicture(QWidget* window)
{
    return window->grab().toImage();
}

// Whether a program starts on a new application folder and profile, as a new user's first start,
// or on those the previous program of the test left.
enum class Folder { New, Kept };

// Empties the application folder and removes the profile, which all tests of the process share.
struct StartFolder {
    explicit StartFolder(Folder folder)
    {
        namespace fs = std::filesystem;
        if (folder == Folder::Kept)
            return;
        std::error_code ignored;
        for (const fs::directory_entry& entry : fs::directory_iterator(vd::applicationFolderPath(), ignored))
            fs::remove_all(entry.path(), ignored);
        fs::remove(vd::ProfileStore::defaultFile(), ignored);
        vd::ProfileStore::rereadFiles(); // the settings a program before this one kept in memory
    }
};

struct Program : StartFolder, MainWindow {
    explicit Program(Folder folder = Folder::New)
        : StartFolder(folder)
    {
        // The screen the pictures are taken on (1280 x 1024), measured as the program does.
        run.script->setFullScreenSize(vd::ui::QtBackend().fullScreenSize());
    }
    // A key with Ctrl on the main window, made the active window first as a click on it does.
    void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        main->activateWindow();
        QApplication::setActiveWindow(main);
        (void)QTest::qWaitForWindowActive(main, 2000);
        QTest::keyClick(main, key, modifiers);
    }
    // The menu-bar item chosen with the mouse through its menus, as a user does; the dialog it
    // opens is answered by the actions. True once the command has run and the view is drawn.
    bool choose(int command, const std::string& module, int templateId, vd::ui::Script::DialogActions actions)
    {
        auto answered = std::make_shared<bool>(false);
        run.script->answerDialog(module, templateId, [answered, actions](vd::DialogDriver& d) {
            actions(d);
            *answered = true;
        });
        return choose(command) && waitFor([answered] { return *answered; }, 10000) && waitDrawn();
    }
    // The same for a command that opens no dialog.
    bool choose(int command)
    {
        const auto items = walk::barCommands(bar());
        const auto item = items.find(command);
        view->routed.clear();
        // The menu runs its command once it has closed: wait until the command reached the view.
        return item != items.end() && walk::chooseByMouse(bar(), item->second)
            && waitFor([this, command] { return std::ranges::count(view->routed, command) > 0; }, 10000);
    }
    // The view's picture drawn; the layers' caches build during the first drawing after OK.
    bool waitDrawn()
    {
        return waitFor([this] { return !repaintPending(); }, 120000);
    }
};

} // namespace screenshots
