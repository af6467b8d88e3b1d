// What the process runner guarantees about the programs it starts: a stop
// request ends them and whatever they started, they die with the thread that
// started them, a folder lock lets one holder in at a time, and a private
// folder is its run's alone and goes with it.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <thread>

#include "platform/folder_lock.h"
#include "platform/private_folder.h"
#include "platform/process.h"
#include "platform/stop_signals.h"
#include "tests/support/processes.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Waits for a program to write its process id into `file`.
pid_t pidFrom(const fs::path& file) {
    pid_t pid = 0;
    test::waitFor([&] { return std::ifstream(file) >> pid && pid > 0; }, 10s);
    return pid;
}

bool endsWithin(pid_t pid, std::chrono::milliseconds limit) {
    return test::waitFor([pid] { return !test::running(pid); }, limit);
}

bool blocked(int sig) {
    sigset_t mask;
    ::pthread_sigmask(SIG_SETMASK, nullptr, &mask);
    return sigismember(&mask, sig) == 1;
}

TEST(ProcessGroup, AStopSignalEndsTheProgramAndWhatItStarted) {
    test::TempFolder dir;
    const auto started = std::chrono::steady_clock::now();
    std::optional<Result<ProcessOutcome>> outcome;
    int received = 0;
    pid_t grandchild = 0;
    {
        StopSignals signals;  // before the thread, which inherits the blocked mask
        ASSERT_GE(signals.fd(), 0);
        // Sent to this thread alone, so no other thread of the test program
        // (a sanitizer's, say) can take it with its default action.
        const pthread_t self = ::pthread_self();
        std::thread sender([&] {
            grandchild = pidFrom(dir.path() / "pid");
            ::pthread_kill(self, SIGTERM);
        });
        ProcessRun run{{"sh", "-c", "sleep 60 & echo $! > pid; wait"},
                       dir.path(),
                       60s,
                       std::nullopt,
                       signals.fd()};
        outcome = runProcess(run);
        sender.join();
        received = signals.received();
    }
    EXPECT_FALSE(blocked(SIGTERM));  // the old mask is back
    ASSERT_TRUE(outcome->ok());
    EXPECT_TRUE((*outcome)->stopped);
    EXPECT_FALSE((*outcome)->timedOut);
    EXPECT_EQ(received, SIGTERM);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 30s);
    ASSERT_GT(grandchild, 0);
    EXPECT_TRUE(endsWithin(grandchild, 5s));
}

TEST(ProcessGroup, TheProgramDiesWithTheProcessThatStartedIt) {
    test::TempFolder dir;
    const pid_t middle = ::fork();
    ASSERT_GE(middle, 0);
    if (middle == 0) {
        ProcessRun run{{"sh", "-c", "echo $$ > pid; exec sleep 60"}, dir.path(), 60s, std::nullopt};
        (void)runProcess(run);
        ::_exit(0);
    }
    const pid_t program = pidFrom(dir.path() / "pid");
    ::kill(middle, SIGKILL);  // no chance to clean up
    int status = 0;
    ::waitpid(middle, &status, 0);
    ASSERT_GT(program, 0);
    EXPECT_TRUE(endsWithin(program, 5s));
}

TEST(ProcessGroup, ATimeLimitEndsTheWholeGroup) {
    test::TempFolder dir;
    ProcessRun run{{"sh", "-c", "sleep 60 & echo $! > pid; wait"}, dir.path(), 500ms, std::nullopt};
    auto outcome = runProcess(run);
    ASSERT_TRUE(outcome.ok());
    EXPECT_TRUE(outcome->timedOut);
    EXPECT_EQ(outcome->exitCode, -1);
    const pid_t grandchild = pidFrom(dir.path() / "pid");
    ASSERT_GT(grandchild, 0);
    EXPECT_TRUE(endsWithin(grandchild, 5s));
}

TEST(FolderLock, OneHolderAtATimeAndTheOtherIsToldItWaits) {
    test::TempFolder dir;
    auto first = FolderLock::acquire(dir.path());
    ASSERT_TRUE(first.ok());
    std::atomic<bool> waited = false;
    std::atomic<bool> secondHolds = false;
    std::thread other([&] {
        auto second = FolderLock::acquire(dir.path(), [&] { waited = true; });
        EXPECT_TRUE(second.ok());
        secondHolds = true;
    });
    while (!waited) std::this_thread::sleep_for(1ms);
    std::this_thread::sleep_for(50ms);
    EXPECT_FALSE(secondHolds);
    { auto released = std::move(*first); }
    other.join();
    EXPECT_TRUE(secondHolds);

    auto missing = FolderLock::acquire(dir.path() / "no-such-folder");
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().key, "ERR_FOLDER_LOCK");
    // The folder itself is locked: it gains no lock file.
    EXPECT_TRUE(test::fileNames(dir.path()).empty());
}

TEST(PrivateFolder, IsItsRunsAloneAndGoesWithItOrWithTheNextRunOnceAbandoned) {
    test::TempFolder dir;
    const pid_t gone = ::fork();
    if (gone == 0) ::_exit(0);
    ASSERT_EQ(::waitpid(gone, nullptr, 0), gone);
    const std::string deadPrefix = "run-" + std::to_string(gone) + "-";
    // Left by a run killed outright, and one whose process id means nothing
    // here (another machine's run on a shared folder) but which is locked.
    const fs::path abandoned = dir.path() / (deadPrefix + "abcdef");
    const fs::path elsewhere = dir.path() / (deadPrefix + "ghijkl");
    fs::create_directories(abandoned / "sub");
    fs::create_directories(elsewhere);
    const auto held = FolderLock::acquire(elsewhere);
    ASSERT_TRUE(held.ok());
    // Planted names beside them that are no run's folder.
    const fs::path planted = dir.path() / "run-x";
    fs::create_directory_symlink(dir.path(), planted);

    fs::path made;
    {
        auto folder = PrivateFolder::create(dir.path(), "run-");
        ASSERT_TRUE(folder.ok()) << folder.error().detail;
        made = folder->path();
        EXPECT_FALSE(fs::exists(abandoned));
        EXPECT_TRUE(fs::exists(elsewhere));
        EXPECT_TRUE(fs::is_symlink(planted));
        EXPECT_EQ(made.parent_path(), dir.path());
        const std::string name = made.filename().string();
        const std::string own = "run-" + std::to_string(::getpid()) + "-";
        EXPECT_TRUE(name.starts_with(own) && name.size() == own.size() + 6) << name;
        EXPECT_EQ(fs::status(made).permissions(), fs::perms::owner_all);
        EXPECT_FALSE(FolderLock::tryAcquire(made).has_value());  // held while it lives
        std::ofstream(made / "file") << "x";
    }
    EXPECT_FALSE(fs::exists(made));
}

}  // namespace
}  // namespace vx
