#include "spawn.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <thread>

extern char** environ;

namespace shell {

namespace {

// posix_spawn's attribute and action records, released on every path.
class SpawnSetup {
public:
    SpawnSetup()
    {
        attrOk_ = ::posix_spawnattr_init(&attr_) == 0;
        actionsOk_ = ::posix_spawn_file_actions_init(&actions_) == 0;
    }
    ~SpawnSetup()
    {
        if (attrOk_)
            ::posix_spawnattr_destroy(&attr_);
        if (actionsOk_)
            ::posix_spawn_file_actions_destroy(&actions_);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    // 0 or the errno of the step that failed.
    int Prepare(const char* directory)
    {
        if (!attrOk_ || !actionsOk_)
            return ENOMEM;
        sigset_t none, all;
        sigemptyset(&none);
        sigfillset(&all);
        int rc = ::posix_spawnattr_setsigmask(&attr_, &none);
        if (rc == 0)
            rc = ::posix_spawnattr_setsigdefault(&attr_, &all);
        if (rc == 0)
            rc = ::posix_spawnattr_setflags(&attr_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSID);
        // Descriptors we hold (the single-copy lock, sockets, the display)
        // must not live on in a browser that outlasts us.
        if (rc == 0)
            rc = ::posix_spawn_file_actions_addclosefrom_np(&actions_, 3);
        if (rc == 0 && directory != nullptr)
            rc = ::posix_spawn_file_actions_addchdir_np(&actions_, directory);
        return rc;
    }

    const posix_spawnattr_t* attr() const { return &attr_; }
    const posix_spawn_file_actions_t* actions() const { return &actions_; }

private:
    posix_spawnattr_t attr_{};
    posix_spawn_file_actions_t actions_{};
    bool attrOk_ = false;
    bool actionsOk_ = false;
};

std::shared_future<int> CollectWhenEnded(pid_t pid)
{
    std::promise<int> ended;
    std::shared_future<int> status = ended.get_future().share();
    try {
        std::thread([pid, ended = std::move(ended)]() mutable {
            int st = 0;
            while (::waitpid(pid, &st, 0) < 0) {
                if (errno != EINTR) {
                    st = 0;
                    break;
                }
            }
            ended.set_value(st);
        }).detach();
    } catch (const std::system_error&) {
        // No thread to wait with: the child stays a zombie until we exit.
        // Its start is still reported, since it did start; its end is not
        // known (an empty future).
        return {};
    }
    return status;
}

} // namespace

SpawnResult Spawn(const std::vector<std::string>& argv, const char* directory)
{
    SpawnResult result;
    if (argv.empty() || argv.front().empty()) {
        result.error = ENOENT;
        return result;
    }
    std::vector<char*> args;
    args.reserve(argv.size() + 1);
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);

    SpawnSetup setup;
    if (const int rc = setup.Prepare(directory); rc != 0) {
        result.error = rc;
        return result;
    }
    pid_t pid = -1;
    const int rc = ::posix_spawnp(&pid, args.front(), setup.actions(), setup.attr(), args.data(), environ);
    if (rc != 0) {
        result.error = rc;
        return result;
    }
    result.pid = pid;
    result.exitStatus = CollectWhenEnded(pid);
    return result;
}

std::optional<int> WaitForExit(const SpawnResult& child, std::chrono::milliseconds wait)
{
    if (!child.exitStatus.valid())
        return std::nullopt;
    if (child.exitStatus.wait_for(wait) != std::future_status::ready)
        return std::nullopt;
    return child.exitStatus.get();
}

} // namespace shell
