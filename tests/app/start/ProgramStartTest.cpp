// Runs the real program offscreen and ends it the way a desktop session or a terminal does.
#include "tests/support/FifoWatch.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr auto kPatience = std::chrono::seconds(60); // only against a hung test, never a measure

// Whether the process ignores `signalNumber`.
bool ignoresSignal(pid_t pid, int signalNumber)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("SigIgn:", 0) == 0)
            return (std::stoull(line.substr(7), nullptr, 16) >> (signalNumber - 1)) & 1;
    return false;
}

// True once the process catches `signalNumber`: the program installs its handler when its
// window is up and the event loop is about to run.
bool catchesSignal(pid_t pid, int signalNumber)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("SigCgt:", 0) == 0)
            return (std::stoull(line.substr(7), nullptr, 16) >> (signalNumber - 1)) & 1;
    return false;
}

class ProgramRun {
public:
    // The program's standard error goes to `errorFile` when one is given.
    explicit ProgramRun(const std::string& errorFile = {})
    {
        const std::string program = VD_BIN_DIR "/veldoran";
        char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
        // As from a desktop session: the signals at their default action, none blocked, even
        // when the test itself runs as a background job with SIGINT ignored.
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        sigset_t signals;
        sigemptyset(&signals);
        posix_spawnattr_setsigmask(&attributes, &signals);
        sigaddset(&signals, SIGTERM);
        sigaddset(&signals, SIGINT);
        sigaddset(&signals, SIGHUP);
        posix_spawnattr_setsigdefault(&attributes, &signals);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
        posix_spawn_file_actions_t files;
        posix_spawn_file_actions_init(&files);
        if (!errorFile.empty())
            posix_spawn_file_actions_addopen(&files, STDERR_FILENO, errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (posix_spawn(&m_pid, program.c_str(), &files, &attributes, argv, environ) != 0)
            m_pid = -1;
        posix_spawn_file_actions_destroy(&files);
        posix_spawnattr_destroy(&attributes);
    }
    ~ProgramRun()
    {
        if (m_pid > 0 && !m_finished) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
    }

    pid_t pid() const { return m_pid; }

    // Waits for the program to catch `signalNumber`, or to end early.
    bool waitUntilCatching(int signalNumber)
    {
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        while (std::chrono::steady_clock::now() < deadline) {
            if (catchesSignal(m_pid, signalNumber))
                return true;
            if (ended())
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return false;
    }

    // The wait status once the program has ended; false when it does not end.
    bool waitForEnd(int& status)
    {
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        while (std::chrono::steady_clock::now() < deadline) {
            if (ended()) {
                status = m_status;
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return false;
    }

private:
    bool ended()
    {
        if (!m_finished && waitpid(m_pid, &m_status, WNOHANG) == m_pid)
            m_finished = true;
        return m_finished;
    }

    pid_t m_pid = -1;
    int m_status = 0;
    bool m_finished = false;
};

class ProgramStart : public ::testing::TestWithParam<int> {};

} // namespace

// The settings the document writes when the run ends the normal way.
std::string lastMapWritten()
{
    std::ifstream profile(std::getenv("VELDORAN_PROFILE"));
    std::stringstream text;
    text << profile.rdbuf();
    const std::string all = text.str();
    const auto section = all.find("[LastData]");
    return section == std::string::npos ? "" : all.substr(section);
}

TEST_P(ProgramStart, EndsCleanlyOnATerminationSignal)
{
    const int signalNumber = GetParam();
    ProgramRun run;
    ASSERT_GT(run.pid(), 0);
    ASSERT_TRUE(run.waitUntilCatching(signalNumber)) << "the program did not come up";

    ASSERT_EQ(kill(run.pid(), signalNumber), 0);
    int status = 0;
    ASSERT_TRUE(run.waitForEnd(status)) << "the program did not end";
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);

    // Start-up made the application folder ($VELDORAN_HOME of the test).
    EXPECT_TRUE(std::filesystem::is_directory(std::getenv("VELDORAN_HOME")));
    EXPECT_NE(lastMapWritten().find("MapName"), std::string::npos) << "the settings were written";
}

INSTANTIATE_TEST_SUITE_P(Signals, ProgramStart, ::testing::Values(SIGTERM, SIGINT, SIGHUP), [](const auto& info) {
    return std::string(info.param == SIGTERM ? "SIGTERM" : info.param == SIGINT ? "SIGINT" : "SIGHUP");
});

// The signal is caught from before the window exists: one that comes while the program is still
// starting ends it once it has started, with its settings written.
TEST(ProgramStartEarly, ASignalDuringStartUpEndsTheRunWithItsSettingsWritten)
{
    ProgramRun run;
    ASSERT_GT(run.pid(), 0);
    ASSERT_TRUE(run.waitUntilCatching(SIGTERM)) << "the program did not come up";
    ASSERT_EQ(kill(run.pid(), SIGTERM), 0);
    int status = 0;
    ASSERT_TRUE(run.waitForEnd(status)) << "the program did not end";
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_NE(lastMapWritten().find("MapName"), std::string::npos) << "the settings were written";
}

// A save killed by a file-size limit would leave its temporary file for good: the program ignores
// that signal (the write fails and is told instead) and removes what an earlier run left.
TEST(ProgramStartSaves, AFileSizeLimitCannotKillASaveAndLeftTemporariesGo)
{
    namespace fs = std::filesystem;
    const fs::path home = std::getenv("VELDORAN_HOME");
    fs::create_directories(home);
    const fs::path left = home / ".DddPFile.dat.00112233445566ff.tmp";
    const fs::path usersOwn = home / ".notes.tmp";
    std::ofstream(left) << "T1_1=";
    std::ofstream(usersOwn) << "mine";

    ProgramRun run;
    ASSERT_GT(run.pid(), 0);
    ASSERT_TRUE(run.waitUntilCatching(SIGTERM)) << "the program did not come up";
    // Set just after the termination signals are caught.
    for (int i = 0; i < 100 && !ignoresSignal(run.pid(), SIGXFSZ); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_TRUE(ignoresSignal(run.pid(), SIGXFSZ));
    ASSERT_EQ(kill(run.pid(), SIGTERM), 0);
    int status = 0;
    ASSERT_TRUE(run.waitForEnd(status));
    EXPECT_FALSE(fs::exists(left));
    EXPECT_TRUE(fs::exists(usersOwn));
}

// A profile that cannot be used stops the start with a message naming it, before the main window
// exists: a termination signal closes that message and ends the run the normal way (exit 0). A
// profile that is no regular file is left as it is and never waited on.
TEST(ProgramStartUnusableProfile, ASignalClosesTheStartUpMessageAndEndsTheRun)
{
    namespace fs = std::filesystem;
    const fs::path scratch = fs::path(std::getenv("VELDORAN_HOME")).parent_path() / "unusable-profile";
    struct Case {
        const char* name;
        fs::path profile;
        std::function<void(const fs::path&)> make;
        std::function<bool(const fs::path&)> untouched;
    };
    const Case cases[] = {
        {"a FIFO", scratch / "fifo" / "Veldoran.ini", [](const fs::path& p) { ASSERT_TRUE(testsupport::MakeFifo(p)); },
         [](const fs::path& p) { return fs::is_fifo(p); }},
        {"a folder", scratch / "folder" / "Veldoran.ini", [](const fs::path& p) { fs::create_directories(p); },
         [](const fs::path& p) { return fs::is_directory(p) && fs::is_empty(p); }},
        {"in a folder that cannot be made", scratch / "blocked" / "plain-file" / "Veldoran.ini",
         [](const fs::path& p) {
             fs::create_directories(p.parent_path().parent_path());
             std::ofstream(p.parent_path()) << "a file where the profile's folder should be";
         },
         [](const fs::path& p) { return !fs::exists(p); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.make(c.profile);
        setenv("VELDORAN_PROFILE", c.profile.c_str(), 1);
        const fs::path errors = scratch / "errors.txt";
        testsupport::FifoWatch watch(c.profile);
        ProgramRun run(errors.string());
        ASSERT_GT(run.pid(), 0);
        ASSERT_TRUE(run.waitUntilCatching(SIGTERM)) << "the program did not come up";
        // The message is told on standard error as it is shown.
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        std::string told;
        while (told.find(c.profile.string()) == std::string::npos && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            std::ifstream in(errors);
            told.assign(std::istreambuf_iterator<char>(in), {});
        }
        ASSERT_NE(told.find("設定ファイル「" + c.profile.string() + "」"), std::string::npos) << told;
        ASSERT_EQ(kill(run.pid(), SIGTERM), 0);
        int status = 0;
        ASSERT_TRUE(run.waitForEnd(status)) << "the program did not end";
        EXPECT_FALSE(watch.finish()) << "the program waited on the profile";
        ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
        EXPECT_EQ(WEXITSTATUS(status), 0) << told;
        EXPECT_TRUE(c.untouched(c.profile));
    }
}
