// Export marker of the shell library (platform_shell).
#pragma once

#if defined(PLATFORM_BUILDING_SHELL)
#define PLATFORM_SHELL_API __attribute__((visibility("default")))
#else
#define PLATFORM_SHELL_API
#endif
