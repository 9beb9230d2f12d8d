// Helpers of the image core tests: scratch files, little-endian byte
// building and running other programs.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace pixkit_test {

using Bytes = std::vector<unsigned char>;

// A directory of its own for the running test, emptied at the start, under
// the test's working directory (the build tree).
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

inline void WriteFile(const std::filesystem::path& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline Bytes ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::uint32_t Get32(const Bytes& b, std::size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
inline std::uint16_t Get16(const Bytes& b, std::size_t at) { return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8)); }

// Appends little-endian fields.
class ByteWriter {
public:
    ByteWriter& u8(unsigned v)
    {
        m_bytes.push_back(static_cast<unsigned char>(v));
        return *this;
    }
    ByteWriter& u16(unsigned v) { return u8(v).u8(v >> 8); }
    ByteWriter& u32(std::uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
    ByteWriter& fill(std::size_t count, unsigned v = 0)
    {
        m_bytes.insert(m_bytes.end(), count, static_cast<unsigned char>(v));
        return *this;
    }
    ByteWriter& bytes(const Bytes& more)
    {
        m_bytes.insert(m_bytes.end(), more.begin(), more.end());
        return *this;
    }
    const Bytes& get() const { return m_bytes; }

private:
    Bytes m_bytes;
};

struct CommandResult {
    int status = -1; // exit status, -1 when the program could not run or was killed
    std::string output;
};

// Runs a shell command line (arguments quoted by the caller) and collects its
// standard output.
inline CommandResult RunCommand(const std::string& commandLine)
{
    CommandResult result;
    FILE* pipe = popen(commandLine.c_str(), "r");
    if (pipe == nullptr)
        return result;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.output.append(buffer, n);
    const int raw = pclose(pipe);
    if (raw != -1 && WIFEXITED(raw))
        result.status = WEXITSTATUS(raw);
    return result;
}

inline std::string Quote(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

} // namespace pixkit_test
