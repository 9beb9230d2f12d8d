#include "desktop_entry.h"

#include "command_line.h"
#include "key_file.h"

namespace shell {

namespace {

constexpr std::string_view kGroup = "Desktop Entry";

bool IsControl(char c) { return static_cast<unsigned char>(c) < 0x20 && c != '\t'; }

struct ExecScan {
    std::vector<std::string> args;
    std::string current;
    bool inArgument = false; // something (even "") opened the current argument
    bool kept = false;       // it holds more than dropped field codes
    bool usedAddress = false;

    void Finish()
    {
        if (inArgument && kept)
            args.push_back(current);
        current.clear();
        inArgument = kept = false;
    }
};

// Handles the field code at exec[i] == '%'; returns how many bytes it took.
std::size_t FieldCode(std::string_view exec, std::size_t i, char marker, ExecScan& scan)
{
    scan.inArgument = true;
    if (i + 1 == exec.size()) {
        scan.current += '%'; // a lone trailing '%' is plain text
        scan.kept = true;
        return 1;
    }
    switch (exec[i + 1]) {
    case '%':
        scan.current += '%';
        scan.kept = true;
        break;
    case 'u':
    case 'U':
    case 'f':
    case 'F':
        scan.current += marker;
        scan.kept = true;
        scan.usedAddress = true;
        break;
    default:
        break; // %i %c %k and the deprecated codes expand to nothing here
    }
    return 2;
}

} // namespace

std::optional<std::vector<std::string>> SplitExec(std::string_view exec, char marker)
{
    ExecScan scan;
    bool quoted = false;
    for (std::size_t i = 0; i < exec.size();) {
        const char c = exec[i];
        if (IsControl(c) || c == marker)
            return std::nullopt;
        if (c == '%') {
            i += FieldCode(exec, i, marker, scan);
            continue;
        }
        if (quoted) {
            if (c == '"') {
                quoted = false;
            } else if (c == '\\' && i + 1 < exec.size() && std::string_view("\"`$\\").find(exec[i + 1]) != std::string_view::npos) {
                scan.current += exec[i + 1];
                ++i;
            } else {
                scan.current += c;
            }
            ++i;
            continue;
        }
        if (c == ' ' || c == '\t') {
            scan.Finish();
        } else if (c == '"') {
            quoted = true;
            scan.inArgument = scan.kept = true;
        } else if (c == '\\' && i + 1 < exec.size()) {
            scan.current += exec[i + 1];
            scan.inArgument = scan.kept = true;
            ++i;
        } else {
            scan.current += c;
            scan.inArgument = scan.kept = true;
        }
        ++i;
    }
    if (quoted)
        return std::nullopt;
    scan.Finish();
    if (scan.args.empty() || scan.args.front().empty() || scan.args.front().find(marker) != std::string::npos)
        return std::nullopt;
    if (!scan.usedAddress)
        scan.args.emplace_back(1, marker);
    return scan.args;
}

std::optional<std::string> OpenCommandFromDesktopEntry(std::string_view fileText)
{
    const KeyFile file = KeyFile::Parse(fileText);
    if (!file.HasGroup(kGroup))
        return std::nullopt;
    if (file.Find(kGroup, "Hidden") == "true")
        return std::nullopt;
    const std::optional<std::string> type = file.Find(kGroup, "Type");
    if (type && *type != "Application")
        return std::nullopt;
    const std::optional<std::string> exec = file.Find(kGroup, "Exec");
    if (!exec)
        return std::nullopt;

    // A byte that cannot appear in an Exec line (control characters are
    // refused) marks where the address goes until the arguments are quoted.
    constexpr char kMarker = '\x01';
    const std::optional<std::vector<std::string>> args = SplitExec(UnescapeValue(*exec), kMarker);
    if (!args)
        return std::nullopt;

    std::string command = QuoteProgramName(args->front());
    if (command.empty())
        return std::nullopt;
    for (std::size_t i = 1; i < args->size(); ++i) {
        const std::string& arg = (*args)[i];
        command += ' ';
        if (arg == std::string(1, kMarker)) {
            command += '"';
            command += kAddressPlaceholder;
            command += '"';
            continue;
        }
        for (const char c : QuoteArgument(arg)) {
            if (c == kMarker)
                command += kAddressPlaceholder;
            else
                command += c;
        }
    }
    return command;
}

} // namespace shell
