// Export marker of the class framework library (platform_afx).
#pragma once

#if defined(PLATFORM_BUILDING_AFX)
#define PLATFORM_AFX_API __attribute__((visibility("default")))
#else
#define PLATFORM_AFX_API
#endif
