// Reading and writing whole files in the codec tests.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace pixkit_test {

using Bytes = std::vector<std::uint8_t>;

inline Bytes ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

inline void WriteBytes(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline void Put16(Bytes& b, std::size_t at, int value)
{
    b[at] = static_cast<std::uint8_t>(value & 0xFF);
    b[at + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

} // namespace pixkit_test
