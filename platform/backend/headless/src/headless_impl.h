// The state of the headless backend, shared by its source files.
#pragma once

#include "headless_scripts.h"
#include "headless_tray.h"
#include "platform/headless_backend.h"

#include <chrono>
#include <deque>
#include <map>
#include <mutex>

namespace platform {

struct HeadlessBackend::Impl {
    struct Record {
        WindowState state;
        bool activates = true;
        NativeWindowId owner = 0;
    };

    struct Event {
        enum class Kind { Move, Button, Wheel, Key, Text, Close, Deactivate, ShowState, Tray };
        Kind kind = Kind::Move;
        POINT pt{0, 0};
        MouseButton button = MouseButton::Left;
        bool down = false;
        int delta = 0;
        UINT vk = 0;
        std::string text;
        NativeWindowId window = 0;
        ShowState state = ShowState::Normal;
    };

    explicit Impl(const Options& o);
    ~Impl();

    // Windows (user-interface thread only).
    Record* Find(NativeWindowId id);
    const Record* Find(NativeWindowId id) const;
    NativeWindowId WindowAt(POINT screen) const;
    void MoveToFront(NativeWindowId id);

    // Events.
    void Push(Event event);
    void Deliver(const Event& event);
    bool PollDescriptors(int timeoutMs); // true if a descriptor was ready or a wake came
    void Stall();

    Options options;
    BackendSink* sink = nullptr;

    std::map<NativeWindowId, Record> windows;
    std::vector<NativeWindowId> stacking; // frontmost first
    NativeWindowId next = 1;
    NativeWindowId active = 0;
    NativeWindowId captured = 0;
    POINT pointer{0, 0};

    mutable std::mutex mutex; // guards `events`
    std::deque<Event> events;
    int wakeRead = -1;
    int wakeWrite = -1;
    std::map<int, unsigned> descriptors;

    HeadlessTray tray;

    std::int64_t virtualNow = 0;
    bool autoAdvance = false;
    std::function<void()> stallHandler;
    std::chrono::steady_clock::time_point realStart = std::chrono::steady_clock::now();
};

} // namespace platform
