// The single-copy rule across processes: the built program is started with
// the test hook that keeps it alive until a file is removed.  A second and
// a third copy end at once without a window; once the first has ended a
// new copy starts normally.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;

// Guards against a hang; nothing is asserted about how long things take.
constexpr auto kDeadline = std::chrono::seconds(60);

class SingleCopy : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/quillpost-copies-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        dir = pattern;
        work = dir / "work";
        hold = dir / "hold";
        runtime = dir / "runtime";
        fs::create_directories(work);
        fs::create_directories(hold);
        fs::create_directories(runtime);
        fs::copy_file(fs::path(QP_TEST_ARTWORK_DIR) / "Frame.bmp", work / "Frame.bmp");
        fs::copy_file(fs::path(QP_TEST_ARTWORK_DIR) / "Title.bmp", work / "Title.bmp");
        std::ofstream(work / "sys.con") << "127.0.0.1\nTitle.bmp\n12348\n";
    }

    void TearDown() override
    {
        for (pid_t pid : started)
            if (::waitpid(pid, nullptr, WNOHANG) == 0) {
                ::kill(pid, SIGKILL);
                ::waitpid(pid, nullptr, 0);
            }
        std::error_code ec;
        fs::remove_all(dir, ec);
    }

    pid_t Start()
    {
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e) {
            const std::string entry = *e;
            if (entry.rfind("XDG_RUNTIME_DIR=", 0) != 0 && entry.rfind("QUILLPOST_TEST_HOLD=", 0) != 0 &&
                entry.rfind("DISPLAY=", 0) != 0)
                env.push_back(entry);
        }
        env.push_back("XDG_RUNTIME_DIR=" + runtime.string());
        env.push_back("QUILLPOST_TEST_HOLD=" + hold.string());
        std::vector<char*> envp;
        for (auto& e : env)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        std::string program = QP_TEST_QUILLPOST;
        char* argv[] = {program.data(), nullptr};

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addchdir_np(&actions, work.c_str());
        pid_t pid = 0;
        const int rc = ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
        posix_spawn_file_actions_destroy(&actions);
        EXPECT_EQ(rc, 0);
        if (rc == 0)
            started.push_back(pid);
        return rc == 0 ? pid : -1;
    }

    fs::path Ready(pid_t pid) const { return hold / ("ready." + std::to_string(pid)); }

    // Waits for `pid` to end; its exit status, or -1 if it did not end in time.
    static int WaitEnd(pid_t pid)
    {
        const auto until = std::chrono::steady_clock::now() + kDeadline;
        while (std::chrono::steady_clock::now() < until) {
            int status = 0;
            if (::waitpid(pid, &status, WNOHANG) == pid)
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return -1;
    }

    // Waits until `path` exists or `pid` has ended; true if it exists.
    static bool WaitFile(const fs::path& path, pid_t pid)
    {
        const auto until = std::chrono::steady_clock::now() + kDeadline;
        while (std::chrono::steady_clock::now() < until) {
            if (fs::exists(path))
                return true;
            if (::waitpid(pid, nullptr, WNOHANG) == pid)
                return fs::exists(path);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    fs::path dir, work, hold, runtime;
    std::vector<pid_t> started;
};

} // namespace

TEST_F(SingleCopy, FurtherCopiesEndSilentlyWhileTheFirstRunsAndANewOneStartsAfterIt)
{
    std::ofstream(hold / "hold") << "keep running\n";
    const pid_t first = Start();
    ASSERT_GT(first, 0);
    ASSERT_TRUE(WaitFile(Ready(first), first)) << "the first copy opened its main window";

    for (const char* which : {"second", "third"}) {
        const pid_t other = Start();
        ASSERT_GT(other, 0);
        EXPECT_EQ(WaitEnd(other), 0) << which << " copy ends at once, quietly";
        EXPECT_FALSE(fs::exists(Ready(other))) << which << " copy made no window";
        EXPECT_EQ(::waitpid(first, nullptr, WNOHANG), 0) << "the first copy is untouched by the " << which;
    }

    fs::remove(hold / "hold");
    EXPECT_EQ(WaitEnd(first), 0) << "the first copy ends when its window closes";

    const pid_t fresh = Start();
    ASSERT_GT(fresh, 0);
    EXPECT_TRUE(WaitFile(Ready(fresh), fresh)) << "a new copy runs once no other is left";
    EXPECT_EQ(WaitEnd(fresh), 0);
}
