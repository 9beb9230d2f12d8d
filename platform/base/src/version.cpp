// The version this platform reports: an NT system of version 5.1, build
// 2600, the generation whose notification area shows balloon tips and
// hides icons by state, both of which the platform's tray offers.
#include "platform/base.h"

#include <cstring>

namespace {
constexpr DWORD kMajor = 5;
constexpr DWORD kMinor = 1;
constexpr DWORD kBuild = 2600;
} // namespace

extern "C" DWORD GetVersion()
{
    return kMajor | (kMinor << 8) | (kBuild << 16);
}

extern "C" BOOL GetVersionExA(OSVERSIONINFOA* info)
{
    if (info == nullptr || info->dwOSVersionInfoSize != sizeof(OSVERSIONINFOA)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    info->dwMajorVersion = kMajor;
    info->dwMinorVersion = kMinor;
    info->dwBuildNumber = kBuild;
    info->dwPlatformId = VER_PLATFORM_WIN32_NT;
    std::memset(info->szCSDVersion, 0, sizeof info->szCSDVersion);
    return TRUE;
}
