#include "UrlLink.h"

#include "UrlCommand.h"
#include "platform/shell.h"

#include <cstdint>
#include <cstring>
#include <string_view>

namespace client {

namespace {

constexpr std::string_view kHtmKey = ".htm";
constexpr std::string_view kOpenCommandSuffix = "\\shell\\open\\command";

} // namespace

int OpenUrlThrough(const UrlOpenCalls& calls, LPCSTR address, int showCommand)
{
    const int shellResult = calls.shellOpen(address, showCommand);
    if (shellResult > 32)
        return shellResult;

    // The registered file type of HTML pages, then its open command, read
    // into the same buffer over the key name.
    char value[CUrlLink::kRegValueBuffer] = {};
    if (calls.readRegDefault(HKEY_CLASSES_ROOT, kHtmKey.data(), value) != static_cast<LONG>(ERROR_SUCCESS))
        return shellResult;
    const std::size_t typeLength = ::strnlen(value, sizeof value);
    if (typeLength + kOpenCommandSuffix.size() >= sizeof value)
        return shellResult; // the key name would not fit its buffer
    std::memcpy(value + typeLength, kOpenCommandSuffix.data(), kOpenCommandSuffix.size());
    value[typeLength + kOpenCommandSuffix.size()] = '\0';
    if (calls.readRegDefault(HKEY_CLASSES_ROOT, value, value) != static_cast<LONG>(ERROR_SUCCESS))
        return shellResult;

    const std::optional<std::string> command =
        BuildOpenCommand(std::string_view(value, ::strnlen(value, sizeof value)), address ? address : "");
    if (!command)
        return shellResult;
    return calls.run(command->c_str(), showCommand);
}

} // namespace client

CUrlLink::CUrlLink() = default;

CUrlLink::~CUrlLink() = default;

int CUrlLink::OpenUrl(LPCSTR address, int showCommand)
{
    const client::UrlOpenCalls calls{
        [](LPCSTR file, int show) {
            return static_cast<int>(
                reinterpret_cast<std::intptr_t>(ShellExecuteA(nullptr, "open", file, nullptr, nullptr, show)));
        },
        [this](HKEY root, LPCSTR subKey, LPSTR output) { return ReadRegDefault(root, subKey, output); },
        [](LPCSTR commandLine, int show) { return static_cast<int>(WinExec(commandLine, static_cast<UINT>(show))); },
    };
    return client::OpenUrlThrough(calls, address, showCommand);
}

LONG CUrlLink::ReadRegDefault(HKEY root, LPCSTR subKey, LPSTR output)
{
    HKEY key = nullptr;
    const LONG opened = RegOpenKeyExA(root, subKey, 0, KEY_QUERY_VALUE, &key);
    if (opened != static_cast<LONG>(ERROR_SUCCESS))
        return opened;
    // Read into a buffer of our own: `output` may still hold `subKey`, and
    // stays as it was when the read fails.
    char value[kRegValueBuffer];
    LONG size = sizeof value;
    const LONG read = RegQueryValueA(key, nullptr, value, &size);
    RegCloseKey(key);
    if (read != static_cast<LONG>(ERROR_SUCCESS))
        return read;
    const std::size_t length = ::strnlen(value, sizeof value - 1);
    std::memcpy(output, value, length);
    output[length] = '\0';
    return static_cast<LONG>(ERROR_SUCCESS);
}
