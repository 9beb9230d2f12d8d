#include "command_line.h"

namespace shell {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

} // namespace

std::vector<std::string> SplitCommandLine(std::string_view line)
{
    std::vector<std::string> args;
    std::size_t i = 0;
    const std::size_t n = line.size();
    while (i < n && IsBlank(line[i]))
        ++i;
    if (i == n)
        return args;

    // The program name: quotes group, nothing is escaped.
    std::string program;
    bool quoted = false;
    for (; i < n; ++i) {
        const char c = line[i];
        if (c == '"')
            quoted = !quoted;
        else if (IsBlank(c) && !quoted)
            break;
        else
            program += c;
    }
    args.push_back(std::move(program));

    for (;;) {
        while (i < n && IsBlank(line[i]))
            ++i;
        if (i == n)
            break;
        std::string arg;
        quoted = false;
        while (i < n) {
            const char c = line[i];
            if (c == '\\') {
                std::size_t slashes = 0;
                while (i < n && line[i] == '\\') {
                    ++slashes;
                    ++i;
                }
                if (i < n && line[i] == '"') {
                    arg.append(slashes / 2, '\\');
                    if (slashes % 2 == 1) {
                        arg += '"';
                        ++i;
                    }
                    // An even count leaves the quote to be read as a quote.
                } else {
                    arg.append(slashes, '\\');
                }
                continue;
            }
            if (c == '"') {
                if (quoted && i + 1 < n && line[i + 1] == '"') {
                    arg += '"';
                    i += 2;
                    continue;
                }
                quoted = !quoted;
                ++i;
                continue;
            }
            if (IsBlank(c) && !quoted)
                break;
            arg += c;
            ++i;
        }
        args.push_back(std::move(arg));
    }
    return args;
}

std::string QuoteArgument(std::string_view argument)
{
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string_view::npos)
        return std::string(argument);
    std::string out = "\"";
    std::size_t slashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++slashes;
            continue;
        }
        if (c == '"') {
            // Backslashes before a quote are doubled, and one more escapes it.
            out.append(slashes * 2 + 1, '\\');
        } else {
            out.append(slashes, '\\');
        }
        slashes = 0;
        out += c;
    }
    // Backslashes before the closing quote are doubled so that it stays one.
    out.append(slashes * 2, '\\');
    out += '"';
    return out;
}

std::string QuoteProgramName(std::string_view program)
{
    if (program.find('"') != std::string_view::npos)
        return {};
    if (!program.empty() && program.find_first_of(" \t") == std::string_view::npos)
        return std::string(program);
    return "\"" + std::string(program) + "\"";
}

} // namespace shell
