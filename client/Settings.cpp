#include "Settings.h"

#include <array>
#include <climits>
#include <cstring>
#include <memory>

#ifndef QP_DEFAULT_NEWS_HOST
#define QP_DEFAULT_NEWS_HOST "news.quillpost.co.kr"
#endif

namespace client {

const char* const kDefaultServerHost = QP_DEFAULT_NEWS_HOST;

namespace {

// Each line goes through a buffer of this size, so a line gives at most
// 79 bytes; the rest of a longer line is read as the next line.
constexpr std::size_t kLineBuffer = 80;

// One line as text-mode reading gives it: a carriage return before a line
// feed is dropped (files written on Windows), reading stops after the line
// feed or when the buffer is full.  False when nothing could be read.
bool ReadLine(std::FILE* file, std::array<char, kLineBuffer>& buffer)
{
    buffer.fill('\0');
    std::size_t used = 0;
    while (used + 1 < buffer.size()) {
        int c = std::fgetc(file);
        if (c == EOF)
            break;
        if (c == '\r') {
            const int next = std::fgetc(file);
            if (next == '\n')
                c = '\n';
            else if (next != EOF)
                std::ungetc(next, file);
        }
        buffer[used++] = static_cast<char>(c);
        if (c == '\n')
            break;
    }
    return used > 0;
}

// The value of a line: the text up to the first NUL, without line feeds.
std::string LineValue(const std::array<char, kLineBuffer>& buffer)
{
    std::string value(buffer.data(), strnlen(buffer.data(), buffer.size()));
    std::erase(value, '\n');
    return value;
}

} // namespace

int ParsePortLine(const std::string& line)
{
    std::size_t i = 0;
    while (i < line.size() && (line[i] == ' ' || (line[i] >= '\t' && line[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < line.size() && (line[i] == '+' || line[i] == '-')) {
        negative = line[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i) {
        value = value * 10 + (line[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1; // held: no overflow however long the digits
    }
    if (negative)
        return static_cast<int>(-value);
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

Settings LoadSettings(std::FILE* file, std::FILE* report)
{
    Settings settings;
    if (file) {
        std::array<char, kLineBuffer> buffer{};
        for (int line = 0; line < 3; ++line) {
            if (!ReadLine(file, buffer)) {
                if (report)
                    std::fputs("fgets error\n", report);
                continue;
            }
            std::string value = LineValue(buffer);
            if (line == 0)
                settings.host = std::move(value);
            else if (line == 1)
                settings.titleBmp = std::move(value);
            else
                settings.port = ParsePortLine(value);
        }
    }
    if (settings.host.empty())
        settings.host = kDefaultServerHost;
    if (settings.titleBmp.empty())
        settings.titleBmp = kDefaultTitleBmp;
    if (settings.port < 1)
        settings.port = kDefaultPort;
    return settings;
}

Settings LoadSettings(const char* path, std::FILE* report)
{
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    const std::unique_ptr<std::FILE, Closer> file(path ? std::fopen(path, "r") : nullptr);
    return LoadSettings(file.get(), report);
}

} // namespace client
