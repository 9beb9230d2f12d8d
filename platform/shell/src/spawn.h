// Starting programs without a shell, and collecting them when they end so
// that none is left a zombie.
#pragma once

#include <chrono>
#include <future>
#include <optional>
#include <string>
#include <vector>

namespace shell {

struct SpawnResult {
    int error = 0; // 0 when started, otherwise the errno of the failure
    int pid = -1;
    std::shared_future<int> exitStatus; // the raw wait status, once it has ended
};

// Starts argv[0] (searched on PATH when it holds no '/') with these
// arguments and this process's environment, in `directory` when one is
// given.  The child gets only the standard descriptors, default signal
// handling and an empty signal mask, in a session of its own, so it does
// not hold our files or locks and outlives us undisturbed.  A started child
// is collected by a waiting thread of its own.
SpawnResult Spawn(const std::vector<std::string>& argv, const char* directory);

// Waits up to `wait` for a started child to end and gives its raw wait
// status; nothing while it still runs (it is collected later all the same).
std::optional<int> WaitForExit(const SpawnResult& child, std::chrono::milliseconds wait);

} // namespace shell
