// Temporary directories, environment variables and fake programs for the
// shell tests.  Fake programs are small sh scripts that write their
// arguments, NUL-separated, to a file.
#pragma once

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace shelltest {

class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "qp-shell-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr)
            path_ = pattern;
    }
    ~TempDir()
    {
        std::error_code ec;
        if (!path_.empty())
            std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& rel) const { return path_ + "/" + rel; }

private:
    std::string path_;
};

// Sets (or with nullopt unsets) a variable and puts the old state back.
class ScopedEnv {
public:
    ScopedEnv(std::string name, const std::optional<std::string>& value) : name_(std::move(name))
    {
        if (const char* old = std::getenv(name_.c_str()))
            old_ = old;
        if (value)
            ::setenv(name_.c_str(), value->c_str(), 1);
        else
            ::unsetenv(name_.c_str());
    }
    ~ScopedEnv()
    {
        if (old_)
            ::setenv(name_.c_str(), old_->c_str(), 1);
        else
            ::unsetenv(name_.c_str());
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name_;
    std::optional<std::string> old_;
};

inline void WriteFile(const std::string& path, const std::string& text, bool executable = false)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << text;
    }
    ::chmod(path.c_str(), executable ? 0755 : 0644);
}

inline std::optional<std::string> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A script that writes its arguments to `argsFile` (through a temporary
// name, so the file appears complete), also its working directory and open
// descriptors next to it, then exits with `exitCode`.
inline void WriteRecorder(const std::string& path, const std::string& argsFile, int exitCode = 0,
                          const std::string& beforeExit = "")
{
    WriteFile(path,
              "#!/bin/sh\n"
              "pwd > '" + argsFile + ".cwd'\n"
              "ls /proc/$$/fd > '" + argsFile + ".fds'\n"
              "printf '%s\\0' \"$@\" > '" + argsFile + ".tmp'\n"
              "mv '" + argsFile + ".tmp' '" + argsFile + "'\n" +
                  beforeExit + "exit " + std::to_string(exitCode) + "\n",
              true);
}

inline std::vector<std::string> SplitNul(const std::string& text)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\0') {
            out.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return out;
}

// Waits (bounded, for slow machines) until a file written by a program we
// did not wait for appears.
inline std::optional<std::string> WaitForFile(const std::string& path)
{
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < give_up) {
        if (auto text = ReadFile(path))
            return text;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return std::nullopt;
}

// Our children, ended or not, as /proc lists them.
inline std::vector<int> ChildPids()
{
    std::vector<int> pids;
    const std::string self = std::to_string(::getpid());
    DIR* dir = ::opendir("/proc");
    if (dir == nullptr)
        return pids;
    while (const dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const std::optional<std::string> stat = ReadFile("/proc/" + name + "/stat");
        if (!stat)
            continue;
        // "pid (comm) state ppid ...": comm may hold blanks, so read after ')'.
        const std::size_t close = stat->rfind(')');
        if (close == std::string::npos)
            continue;
        std::istringstream rest(stat->substr(close + 1));
        std::string state, ppid;
        rest >> state >> ppid;
        if (ppid == self)
            pids.push_back(std::stoi(name));
    }
    ::closedir(dir);
    return pids;
}

// Waits (bounded) until every child of ours has been collected.
inline bool AllChildrenCollected()
{
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < give_up) {
        if (ChildPids().empty())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

} // namespace shelltest
