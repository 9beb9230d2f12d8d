// Export marker of the windowing library (platform_user).
#pragma once

#if defined(PLATFORM_BUILDING_USER)
#define PLATFORM_USER_API __attribute__((visibility("default")))
#else
#define PLATFORM_USER_API
#endif
