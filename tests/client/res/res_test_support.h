// Helpers of the artwork tests: files, scratch directories, other programs.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace res_test {

using Bytes = std::vector<std::uint8_t>;

// The directory the build draws the artwork into.
inline std::filesystem::path ArtworkDir() { return QP_TEST_ARTWORK_DIR; }

inline Bytes ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A directory of its own for the running test, emptied first, under the
// test's working directory in the build tree.
inline std::filesystem::path ScratchDir()
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : name)
        if (c == '/')
            c = '_';
    const std::filesystem::path dir = std::filesystem::current_path() / "scratch" / name;
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

struct CommandResult {
    int status = -1; // exit status; -1 when it could not run
    std::string output;
};

inline CommandResult RunCommand(const std::string& command)
{
    CommandResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return result;
    std::array<char, 4096> buffer{};
    std::size_t n = 0;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        result.output.append(buffer.data(), n);
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

inline std::string Quote(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

} // namespace res_test
