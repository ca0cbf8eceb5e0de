#include "WalkRun.h"

#include "ShownOrSaid.h"

#include "app/shell/ShellCommands.h"
#include "platform/sys/ProfileStore.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/WinConstants.h"
#include "platform/ui/WindowImpl.h"
#include "UserActions.h"
#include "view/pages/ViewPages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QImage>
#include <QMainWindow>
#include <QMimeData>
#include <gtest/gtest.h>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace walk {

namespace fs = std::filesystem;

namespace {

const fs::path kSeed = fs::path(VD_BIN_DIR) / "data";

// Long enough for the slowest command on the sanitizer build; only against a hang.
constexpr std::chrono::seconds kPatience{120};

bool answersAnEvent()
{
    bool answered = false;
    QTimer::singleShot(0, [&answered] { answered = true; });
    return waitFor([&] { return answered; }, 10000);
}

std::vector<QWidget*> openWindowsBeside(const QWidget* main)
{
    std::vector<QWidget*> open;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != main && w->isVisible() && !qobject_cast<QMenu*>(w) && !w->inherits("QTipLabel"))
            open.push_back(w);
    return open;
}

size_t hashOfFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    return std::hash<std::string>{}(bytes);
}

bool endsWithWholeLine(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    if (!in || in.tellg() <= 0)
        return false;
    in.seekg(-1, std::ios::end);
    return in.get() == '\n';
}

fs::path profileFile()
{
    return std::getenv("VELDORAN_PROFILE");
}

// A folder outside the application folder and the temporary folder, and how it is watched.
struct Surrounding {
    fs::path folder;
    bool deep;
    bool readBytes;
    bool addedOnly; // files of others change there (a shell's history): only new files count
};

std::vector<Surrounding> surroundings()
{
    std::vector<Surrounding> out;
    if (const char* home = std::getenv("HOME"))
        for (const char* sub : {"", ".config", ".local/share"})
            out.push_back({fs::path(home) / sub, false, false, true});
    out.push_back({profileFile().parent_path(), true, true, false});
    out.push_back({fs::path(VD_BIN_DIR), false, false, false});
    return out;
}

} // namespace

std::string describe(const ModeSignature& s)
{
    return "mode " + std::to_string(s.displayMode) + ", map type " + std::to_string(s.mapType) + ", frame "
        + std::to_string(s.mapFrame) + ", sheets " + std::to_string(s.sheets) + ", bar " + std::to_string(s.menuBar)
        + ", \"" + s.title + "\"";
}

bool isReadOnlyData(const std::string& path)
{
    // The catalogue of statistics data sets is a list: the data entry appends each new set.
    if (path == "MAPELMNT/PFCTRFL.DAT")
        return false;
    for (const char* folder : {"KSJ/", "Coast_JB/", "MAPELMNT/", "PICT/", "TEXT/", "LICENSES/"})
        if (path.rfind(folder, 0) == 0)
            return true;
    for (const char* file : {"BlcMap20.idx", "Msh_prft.dat", "placenmn.dat", "README.md"})
        if (path == file)
            return true;
    return false;
}

WalkRun::WalkRun(std::function<void(const fs::path&)> prepareFolder) : prepare_(std::move(prepareFolder))
{
    // Relative paths would land in the working folder: an empty one of the run's own shows them.
    workingFolder_ = fs::path(std::getenv("XDG_DATA_HOME")).parent_path() / "working";
    fs::create_directories(workingFolder_);
    fs::current_path(workingFolder_);
    seed_ = FolderSnapshot::take(kSeed);
    for (const Surrounding& around : surroundings())
        surroundings_.emplace_back(around.folder, FolderSnapshot::take(around.folder, around.deep, nullptr, around.readBytes));
}

WalkRun::~WalkRun()
{
    stop();
}

void WalkRun::stop()
{
    if (!program_)
        return;
    answeredBefore_ += answers_->answered();
    messagesBefore_ = messageBoxesShown();
    closeMenus();
    screens_.reset();
    answers_.reset();
    program_.reset();
}

std::vector<std::string> WalkRun::messageBoxesShown() const
{
    std::vector<std::string> texts = messagesBefore_;
    if (program_)
        for (const vd::ui::MessageBoxRequest& box : program_->run.script->messageBoxes())
            texts.push_back(box.caption + ": " + box.text);
    return texts;
}

bool WalkRun::start()
{
    stop();
    const fs::path folder = vd::applicationFolderPath();
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    fs::remove(std::getenv("VELDORAN_PROFILE"), ignored);
    vd::ProfileStore::rereadFiles(); // the new start reads its profile as a new process would
    fs::create_directories(folder);
    fs::copy(kSeed, folder, fs::copy_options::recursive);
    if (prepare_)
        prepare_(folder);
    folder_ = FolderSnapshot::take(folder);

    program_ = std::make_unique<MainWindow>();
    const Answer answer = answers_ ? answers_->answer() : Answer::Cancel;
    answers_ = std::make_unique<DialogAnswers>(*program_->run.script);
    answers_->setAnswer(answer);
    watchdog_.arm("the program's start", kPatience);
    const bool started = program_->start();
    watchdog_.disarm();
    if (started) {
        // The menu resources are there once the program has started.
        rightClickIds_ = menuCommands(shell::IDR_MAPPING_MENU);
        screens_ = std::make_unique<ScreenChangeWatch>(*program_->view);
    }
    return started;
}

ModeSignature WalkRun::signature() const
{
    const CVeldoranDoc& doc = program_->doc();
    return {doc.m_nMapDisplayMode,   doc.position.m_nMapType,  doc.position.m_nMapFrame,
            doc.position.m_nMapMode, doc.menus.m_nMenuBarKind, program_->main->windowTitle().toStdString()};
}

bool WalkRun::windowOpen() const
{
    return program_->run.app->m_pMainWnd && program_->run.frame().IsWindow();
}

WalkRun::Observation WalkRun::observe() const
{
    Observation seen;
    const vd::ui::Script& s = *program_->run.script;
    seen.dialogs = static_cast<size_t>(dialogsAnswered()) + s.coloursAsked().size() + s.fontsAsked().size()
        + s.fileDialogs().size() + static_cast<size_t>(s.printDialogsShown() + s.previewsShown()) + s.processes().size();
    seen.messageBoxes = messageBoxesShown().size();
    seen.timers = s.activeTimers();
    if (windowOpen()) {
        // The check and grey of every item of the bar and of the right-click menu, as the menus
        // would show them now.
        std::set<int> ids(rightClickIds_.begin(), rightClickIds_.end());
        for (const auto& [id, path] : barCommands(program_->bar()))
            ids.insert(id);
        for (const int id : ids) {
            vd::CmdUI ui(id);
            program_->run.frame().routeUpdate(ui);
            seen.menuState = qHashMulti(seen.menuState, id, ui.enabled.value_or(true), ui.checked.value_or(-1),
                                        QString::fromStdString(ui.text.value_or("")));
        }
        const QImage picture = program_->main->grab().toImage();
        seen.picture = qHashBits(picture.constBits(), static_cast<size_t>(picture.sizeInBytes()));
        seen.signature = signature();
    }
    if (const QMimeData* held = QApplication::clipboard()->mimeData()) {
        for (const QString& format : held->formats())
            seen.clipboard = qHashMulti(seen.clipboard, format, held->data(format));
    }
    seen.profile = hashOfFile(profileFile());
    return seen;
}

void WalkRun::recordFault(const std::string& what)
{
    faults_.push_back(what);
    ADD_FAILURE() << what;
}

bool WalkRun::step(const std::string& what, const std::function<bool()>& action)
{
    watchdog_.arm(what, kPatience);
    // Dialogs of Qt's own that the program runs (the page set-up) are answered as the others.
    QTimer qtDialogs;
    QObject::connect(&qtDialogs, &QTimer::timeout, [this] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ++qtDialogsAnswered_;
            answers_->answer() == Answer::Cancel ? dialog->reject() : dialog->accept();
        }
    });
    qtDialogs.start(20);
    // An empty clipboard shows a copy even of what it held already.
    QApplication::clipboard()->clear();
    const Observation before = observe();
    const std::set<std::string> layersBefore =
        windowOpen() ? layersShown(program_->doc()) : std::set<std::string>{};
    effects_.clear();
    drawingsBefore_ = screens_ ? screens_->drawings() : 0;
    const bool fired = action();
    if (fired)
        ++fired_;
    // The menu runs its command once it has closed; what the command queued (its messages, the
    // repaint) runs here, and the checks below wait for the repaint to finish.
    QTest::qWait(0);
    closeMenus();
    // Time passes: the timers the step started tick a few times (a slide show, a page turn).
    for (int tick = 0; tick < 3 && !script().activeTimers().empty(); ++tick) {
        script().advance(1000);
        script().fireTimers();
        QTest::qWait(0);
    }
    checkAfter(what);
    if (windowOpen()) {
        const Observation after = observe();
        const std::pair<bool, const char*> seen[] = {
            {after.dialogs != before.dialogs, "dialog"},
            {after.messageBoxes != before.messageBoxes, "message box"},
            {after.picture != before.picture, "picture"},
            {screens_ && screens_->drawings() != drawingsBefore_, "drawn again"},
            {after.menuState != before.menuState, "menu check or grey"},
            {after.timers != before.timers, "timers"},
            {after.signature.title != before.signature.title, "title"},
            {!(after.signature == before.signature), "map mode"},
            {after.clipboard != before.clipboard, "clipboard"},
            {after.profile != before.profile, "settings file"},
        };
        for (const auto& [changed, effect] : seen)
            if (changed)
                effects_.insert(effect);
        if (layerCheck_)
            if (const auto fault = drewNothingAndSaidNothing(layersBefore, layersShown(program_->doc()), effects_))
                recordFault(what + ": " + *fault);
    } else {
        effects_.insert("window closed");
    }
    watchdog_.disarm();
    return fired;
}

void WalkRun::checkAfter(const std::string& what)
{
    for (const std::string& fault : answers_->takeFaults())
        recordFault(what + ": " + fault);
    if (!answersAnEvent())
        recordFault(what + ": the program no longer answers");
    if (!windowOpen()) {
        recordFault(what + ": the main window went away");
        return;
    }
    // Modeless dialogs stay up by design; the user closes them, in turn with Escape and with
    // their キャンセル (with the close box when they have none), and each must close on it.
    for (vd::Dialog* open : std::vector<vd::Dialog*>(script().modelessDialogs())) {
        const auto shown = [this, open] {
            const auto& list = script().modelessDialogs();
            return std::find(list.begin(), list.end(), open) != list.end() && open->IsWindowVisible();
        };
        if (!shown())
            continue;
        effects_.insert("modeless dialog");
        vd::DialogDriver driver(*open);
        const bool escape = modelessClosed_++ % 2 == 0;
        const bool cancelButton = open->GetDlgItem(vd::IDCANCEL) != nullptr;
        if (escape)
            driver.pressEscape();
        else if (cancelButton)
            driver.click(vd::IDCANCEL);
        else
            driver.closeBox();
        QTest::qWait(0);
        if (shown()) {
            recordFault(what + ": the modeless dialog " + std::to_string(open->templateId()) + " did not close on " +
                        (escape ? "Escape" : cancelButton ? "Cancel" : "its close box"));
            driver.closeBox();
            QTest::qWait(0);
        }
    }
    for (QWidget* left : openWindowsBeside(program_->main)) {
        recordFault(what + ": a window is left open: \"" + left->windowTitle().toStdString() + "\"");
        left->close();
    }
    if (!waitFor([this] { return !program_->repaintPending(); }, 60000))
        recordFault(what + ": the repaint did not finish");
    if (screens_)
        for (const ScreenChangeWatch::Leftover& leftover : screens_->takeLeftovers())
            recordFault(what + ": " + leftover.describe());
    checkPageButtons(what);

    const fs::path folder = vd::applicationFolderPath();
    FolderSnapshot after = FolderSnapshot::take(folder, true, &folder_);
    for (const std::string& file : folder_.lostOrTruncated(after, [&](const std::string& name) {
             // A settings file or list the program rewrites may come out shorter (rows it does not
             // keep); it is cut off when it no longer ends with a whole line. The working files of
             // TEMP/ are made anew to the size of what they hold.
             if (name.rfind("TEMP/", 0) == 0)
                 return false;
             return isReadOnlyData(name) || !endsWithWholeLine(folder / name);
         }))
        recordFault(what + ": " + file);
    for (const std::string& file : folder_.changed(after)) {
        if (isReadOnlyData(file))
            recordFault(what + ": the sample data file " + file + " changed");
        written_.insert(file);
        effects_.insert("file");
    }
    for (const std::string& file : folder_.added(after)) {
        written_.insert(file);
        effects_.insert("file");
    }
    folder_ = std::move(after);
}

void WalkRun::checkPageButtons(const std::string& what)
{
    // The buttons each screen shows: a text page its way back and page arrows, a picture page its
    // memo and way back; the sheet map none of the pages' nor the registered-data overview's.
    const CVeldoranDoc& doc = program_->doc();
    const int mode = doc.m_nMapDisplayMode;
    // A page, once drawn, leaves the idle mode 10 with its own mode kept as the one last shown.
    const int shown = mode == 10 ? doc.repaint.m_nSavedMapDisplayMode : mode;
    std::set<std::string> allowed;
    std::set<std::string> foreign;
    std::string screen;
    // The depth-file pages and the registered-data overview keep the mode of the page they
    // were opened from; their titles tell them.
    const std::string title = program_->main->windowTitle().toStdString();
    const bool otherPage = title.starts_with("水深ﾃﾞｰﾀ中間ファイル") || title == "登録データ分布図";
    // The text page counts as shown while the view holds the text it drew (another screen drawn
    // since lets it go).
    const bool textShown = program_->view && program_->view->m_pPages && !program_->view->m_pPages->m_strShownText.empty();
    if (shown == 20 && !otherPage && textShown) {
        screen = "the text page";
        allowed = {"地図", "↑", "↓"};
    } else if (shown == 15 || shown == 16) {
        screen = "the picture page";
        allowed = {"メモ", "地図"};
    } else if (shown == 5 && doc.position.m_nMapType == 1 && doc.repaint.m_bMapOnScreen == 1) {
        screen = "the sheet map";
        // (↑ and ↓ are also the block's own arrows there.)
        foreign = {"Next", "地図", "メモ", "⊆", "Θ", "⊇"};
    } else {
        return;
    }
    for (const auto& button : viewButtons(program_->viewWidget())) {
        const std::string caption = captionOf(button);
        if ((!allowed.empty() && !allowed.count(caption)) || foreign.count(caption))
            recordFault(what + ": " + screen + " shows the button \"" + caption + "\" of another screen");
    }
}

void WalkRun::checkSurroundings()
{
    FolderSnapshot seed = FolderSnapshot::take(kSeed, true, &seed_);
    for (const std::string& file : seed_.changed(seed))
        recordFault("the seed data file " + file + " changed");
    for (const std::string& file : seed_.added(seed))
        recordFault("a file was written into the seed data: " + file);
    for (const std::string& file : seed_.lostOrTruncated(seed))
        recordFault("the seed data lost " + file);
    const FolderSnapshot working = FolderSnapshot::take(workingFolder_);
    for (const auto& [file, state] : working.files())
        recordFault("a file was written into the working folder: " + file);
    const std::string profile = profileFile().filename().string();
    const auto rules = surroundings();
    for (size_t k = 0; k < rules.size() && k < surroundings_.size(); ++k) {
        const auto& [folder, before] = surroundings_[k];
        const FolderSnapshot now = FolderSnapshot::take(folder, rules[k].deep, &before, rules[k].readBytes);
        std::vector<std::string> written = before.added(now);
        if (!rules[k].addedOnly)
            for (const std::string& file : before.changed(now))
                written.push_back(file);
        for (const std::string& file : written)
            if (!(folder == profileFile().parent_path() && file == profile))
                recordFault("a file was written outside the application and temporary folders: " + (folder / file).string());
    }
}

} // namespace walk
