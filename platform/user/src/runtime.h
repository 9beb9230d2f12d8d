// The runtime's state: the backend, the window and class tables, the queue,
// and who holds capture, focus and activation.  One instance per process;
// all of it belongs to the user-interface thread except the queue's posting
// side.
#pragma once

#include "dc_table.h"
#include "message_queue.h"
#include "platform/backend.h"
#include "platform/user_runtime.h"
#include "timers.h"
#include "window_class.h"
#include "window_table.h"

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <thread>
#include <vector>

namespace user {

struct HoverTracking {
    HWND hwnd = nullptr;
    DWORD flags = 0;          // TME_HOVER | TME_LEAVE | TME_NONCLIENT
    DWORD hoverTime = 400;
    POINT hoverPoint{0, 0};   // screen; the hover rectangle is centred on it
    std::int64_t hoverDue = 0;
};

struct ClickMemory {
    HWND hwnd = nullptr;
    UINT button = 0;          // the WM_xBUTTONDOWN message of the last press
    DWORD time = 0;
    POINT pt{0, 0};
    bool wasDouble = false;   // a third press starts over
};

// A watched descriptor.  Backends may report a ready descriptor at every
// wait, and the queue collects input with many waits before handling any of
// it; the runtime passes on one report per collection of input (one take
// from the queue, see retrieval.cpp), none while an earlier report still
// waits in the queue, so a callback that leaves data unread hears of it
// again at the next collection and not dozens of times in this one.
struct DescriptorWatch {
    UserDescriptorCallback callback;
    bool queued = false;            // a report waits in the queue
    std::uint64_t handledIn = 0;    // the collection that last handled a report
};

struct Runtime {
    std::unique_ptr<platform::Backend> backend;
    WindowTable windows;
    ClassTable classes;
    MessageQueue queue;
    TimerTable timers;
    DcTable dcs;

    HWND capture = nullptr;
    HWND focus = nullptr;
    HWND active = nullptr;
    HoverTracking hover;
    ClickMemory lastClick;
    std::array<BYTE, 256> keys{}; // bit 7 down, bit 0 toggled
    POINT cursorPos{0, 0};
    HWND pointerTop = nullptr;    // the top-level window the pointer was last over
    HWND pointerWindow = nullptr; // the window under the pointer at the last move
    LRESULT pointerCode = HTNOWHERE;
    HCURSOR cursor = nullptr;
    int cursorShowCount = 0;

    bool quitPending = false;
    int quitCode = 0;
    DWORD lastMessageTime = 0;
    POINT lastMessagePos{0, 0};

    std::vector<std::pair<int, UserMessageFilter>> filters;
    int nextFilterCookie = 1;
    std::map<int, DescriptorWatch> descriptors;
    std::uint64_t collection = 1;   // counts the takes from the queue

    std::thread::id uiThread;
};

Runtime& RT();
platform::Backend& Backend();
DWORD NowTicks();

// Finds a live window; sets ERROR_INVALID_WINDOW_HANDLE when there is none.
Window* FindWindowRecord(HWND hwnd);
// The same without touching the last error.
Window* Peek(HWND hwnd);

} // namespace user
