#include "key_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace shell {

namespace {

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

} // namespace

std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t maxBytes)
{
    // O_NONBLOCK keeps a FIFO from blocking the open; it is refused below.
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.get() < 0)
        return std::nullopt;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0 ||
        static_cast<std::size_t>(st.st_size) > maxBytes)
        return std::nullopt;

    // The file may grow after fstat: read at most one byte past the cap to
    // tell, and never keep more than the cap.
    std::string text(static_cast<std::size_t>(st.st_size) + 1, '\0');
    std::size_t have = 0;
    for (;;) {
        if (have == text.size()) {
            if (text.size() > maxBytes)
                return std::nullopt;
            text.resize(std::min(text.size() * 2, maxBytes + 1));
        }
        const ssize_t got = ::read(fd.get(), text.data() + have, text.size() - have);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        if (got == 0)
            break;
        have += static_cast<std::size_t>(got);
    }
    if (have > maxBytes)
        return std::nullopt;
    text.resize(have);
    return text;
}

KeyFile KeyFile::Parse(std::string_view text)
{
    KeyFile file;
    Group* current = nullptr;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);

        line = Trim(line);
        if (line.empty() || line.front() == '#')
            continue;
        if (line.front() == '[') {
            if (line.back() != ']' || line.size() < 3) {
                current = nullptr; // a broken header: its entries belong to no group
                continue;
            }
            file.groups_.push_back({std::string(line.substr(1, line.size() - 2)), {}});
            current = &file.groups_.back();
            continue;
        }
        const std::size_t eq = line.find('=');
        if (current == nullptr || eq == std::string_view::npos)
            continue;
        const std::string_view key = Trim(line.substr(0, eq));
        if (key.empty())
            continue;
        current->entries.push_back({std::string(key), std::string(Trim(line.substr(eq + 1)))});
    }
    return file;
}

const KeyFile::Group* KeyFile::FindGroup(std::string_view group) const
{
    for (const Group& g : groups_)
        if (g.name == group)
            return &g;
    return nullptr;
}

bool KeyFile::HasGroup(std::string_view group) const { return FindGroup(group) != nullptr; }

std::optional<std::string> KeyFile::Find(std::string_view group, std::string_view key) const
{
    const Group* g = FindGroup(group);
    if (g == nullptr)
        return std::nullopt;
    for (const Entry& e : g->entries)
        if (e.key == key)
            return e.value;
    return std::nullopt;
}

std::string UnescapeValue(std::string_view value)
{
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c != '\\' || i + 1 == value.size()) {
            out += c;
            continue;
        }
        const char next = value[i + 1];
        switch (next) {
        case 's': out += ' '; break;
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case 'r': out += '\r'; break;
        case '\\': out += '\\'; break;
        default:
            out += c;
            continue; // the next character is read on its own
        }
        ++i;
    }
    return out;
}

std::vector<std::string> SplitList(std::string_view value)
{
    std::vector<std::string> items;
    while (!value.empty()) {
        const std::size_t end = value.find(';');
        const std::string_view item = Trim(value.substr(0, end));
        if (!item.empty())
            items.emplace_back(item);
        value.remove_prefix(end == std::string_view::npos ? value.size() : end + 1);
    }
    return items;
}

} // namespace shell
