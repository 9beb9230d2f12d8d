// Extensions of the windowing runtime that are not calls of the Windows
// API: choosing the backend, the modal-loop primitive and message filters
// the framework builds on, descriptor watching for sockets, the runtime's
// clocks, and access to top-level windows for backends and tests.
#pragma once

#include "platform/backend.h"
#include "platform/user_constants.h"
#include "platform/user_export.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// Selects the backend.  A program's main calls it once before creating
// windows; a test may call it again to start afresh: every remaining window
// is destroyed (with its messages) and every queue and timer cleared first.
// Without a call, a built-in backend without a display and with the real
// clock is used.
PLATFORM_USER_API void UserSetBackend(std::unique_ptr<platform::Backend> backend);
PLATFORM_USER_API platform::Backend& UserGetBackend();

// Runs a message loop while `keepRunning()` returns true, checked before
// each message is taken: it waits for messages, offers each to `filter`
// and then to the process-wide filters (a true result means "consumed"),
// and translates and dispatches the rest.  Returns false when it ended
// because of WM_QUIT, which it leaves in the queue for the enclosing loop.
using UserMessageFilter = std::function<bool(MSG&)>;
PLATFORM_USER_API bool UserRunModalLoop(const std::function<bool()>& keepRunning,
                                        const UserMessageFilter& filter = {});

// Dispatches every message that is ready now, without waiting: filters,
// translation and dispatch as in UserRunModalLoop.  Returns false if it
// stopped at WM_QUIT (left in the queue).
PLATFORM_USER_API bool UserPumpMessages();
// When the loop next has something to do without new input: the earliest
// due timer or hover, on the runtime clock; -1 when nothing is due ever.
PLATFORM_USER_API std::int64_t UserNextDueMs();

// Process-wide filters, asked in the order added by every loop the runtime
// runs (UserRunModalLoop, and so the modal loops built on it) before
// dispatching: the place for PreTranslateMessage.  Returns a cookie for
// removal.
PLATFORM_USER_API int UserAddMessageFilter(UserMessageFilter filter);
PLATFORM_USER_API void UserRemoveMessageFilter(int cookie);
// Runs the filters on one message; true when one consumed it.  Loops
// written outside the runtime call it before TranslateMessage.
PLATFORM_USER_API bool UserFilterMessage(MSG& msg);

// Calls `ready(fd, events)` from the message loop whenever `fd` is ready
// for any of `events` (platform::kDescriptorReadable ...): level-triggered,
// so the callback must consume what it is told about; while it stays ready
// it is reported once each time the loop collects input.  Replaces an
// earlier watch of the same descriptor.
using UserDescriptorCallback = std::function<void(int fd, unsigned events)>;
PLATFORM_USER_API bool UserWatchDescriptor(int fd, unsigned events, UserDescriptorCallback ready);
PLATFORM_USER_API void UserUnwatchDescriptor(int fd);

// The runtime's clocks (the backend's): monotonic milliseconds for timers,
// and milliseconds since 1970-01-01 UTC for wall-clock reads.
PLATFORM_USER_API std::int64_t UserNowMs();
PLATFORM_USER_API std::int64_t UserWallClockMs();

// The backend's window of a top-level window (0 for child windows and
// message-only windows) and back.
PLATFORM_USER_API platform::NativeWindowId UserGetNativeWindow(HWND hwnd);
PLATFORM_USER_API HWND UserWindowFromNative(platform::NativeWindowId window);

// A copy of the top-level window's backing store (32-bit BGRX, top row
// first, width * height values); false for other windows.
PLATFORM_USER_API bool UserCopyBackingStore(HWND topLevel, std::vector<std::uint32_t>& pixels, int& width,
                                            int& height);

// The pixels of an icon (32-bit ARGB, alpha 0 transparent) and its size,
// for a backend's window or tray icon; false for a stale handle.
PLATFORM_USER_API bool UserGetIconImage(HICON icon, platform::CursorImage& image);

// A cursor from 32-bit ARGB pixels (alpha 0 transparent) with its hot spot;
// DestroyCursor frees it.  Resource loaders build on it.
PLATFORM_USER_API HCURSOR UserCreateCursorFromArgb(int width, int height, int hotX, int hotY,
                                                   const std::uint32_t* argb);
