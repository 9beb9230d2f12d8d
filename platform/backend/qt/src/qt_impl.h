// The Qt backend's state, shared by its source files.  Everything here
// belongs to the user-interface thread except `woken` and `dispatcher`
// (set once, before any other thread can wake the loop).
#pragma once

#include "platform/qt_backend.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QImage>
#include <QRect>
#include <QSocketNotifier>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace platform {

class TopWindow;

// An event Qt reported, kept until the runtime's next wait hands it on:
// the sink is called only from inside WaitForEvents.
struct PendingEvent {
    enum class Kind { Move, Button, Wheel, Key, Text, Close, Activation, Geometry, ShowState, Descriptor, Call };
    Kind kind = Kind::Move;
    NativeWindowId window = 0;
    POINT pt{0, 0};
    MouseButton button = MouseButton::Left;
    bool down = false;
    int delta = 0;
    UINT vk = 0;
    std::string text;
    RECT rect{};
    ShowState state = ShowState::Normal;
    int fd = -1;
    unsigned events = 0;
    std::function<void()> call; // Kind::Call: runs in the wait (a common dialog's answer)
};

struct QtBackend::Impl {
    struct Window {
        std::unique_ptr<TopWindow> widget;
        RECT rect{};                          // where we last put it (screen)
        // Places we asked for that the window system has not confirmed
        // yet, oldest first: their confirmations are not the desktop's moves.
        std::deque<RECT> requested;
        ShowState state = ShowState::Hidden;  // what the runtime asked for
        bool emptyShape = false;              // shaped to nothing: kept unmapped
        bool activates = true;
    };

    struct Watch {
        unsigned events = 0;
        std::unique_ptr<QSocketNotifier> read;
        std::unique_ptr<QSocketNotifier> write;
    };

    Impl() = default;
    ~Impl();

    Window* Find(NativeWindowId id);
    const Window* Find(NativeWindowId id) const;
    NativeWindowId IdOf(const QWidget* widget) const;

    // Applies the show state and the empty-shape rule to the widget.
    void UpdateVisibility(NativeWindowId id);

    // Reports from the widgets and notifiers.
    void Push(PendingEvent event);
    // The top-level window a pointer event at `screen` belongs to: the
    // capture, else ours under the pointer, else 0.
    NativeWindowId PointerTarget(NativeWindowId from, POINT screen) const;
    void DescriptorActivated(int fd);
    void RearmDescriptors();
    bool DeliverPending(); // true when it handed anything on

    // Owned only when we made it; destroyed after every widget.
    std::unique_ptr<QApplication> app;
    std::vector<std::string> argStorage;
    std::vector<char*> argv;
    int argc = 0;

    BackendSink* sink = nullptr;
    std::map<NativeWindowId, Window> windows;
    NativeWindowId next = 1;
    NativeWindowId captured = 0;
    // The window we last activated: Qt's reports that agree with it are
    // what we asked for, and are not news to the runtime.
    NativeWindowId expectedActive = 0;

    std::deque<PendingEvent> pending;
    std::map<int, Watch> watches;

    std::atomic<bool> woken{false};
    QAbstractEventDispatcher* dispatcher = nullptr; // of the user-interface thread
    std::unique_ptr<QTimer> waitTimer; // made once the application exists
    bool waitTimedOut = false;

    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
};

} // namespace platform
