// The headless backend's events and clocks: injected input, waiting,
// descriptors, the virtual clock and running it.
#include "headless_impl.h"

#include "platform/user_runtime.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace platform {

HeadlessBackend::Impl::Impl(const Options& o) : options(o)
{
    int fds[2];
    if (pipe2(fds, O_NONBLOCK | O_CLOEXEC) == 0) {
        wakeRead = fds[0];
        wakeWrite = fds[1];
    }
    pointer = POINT{(o.screen.left + o.screen.right) / 2, (o.screen.top + o.screen.bottom) / 2};
}

HeadlessBackend::Impl::~Impl()
{
    if (wakeRead >= 0)
        close(wakeRead);
    if (wakeWrite >= 0)
        close(wakeWrite);
}

void HeadlessBackend::Impl::Push(Event event)
{
    {
        std::lock_guard lock(mutex);
        events.push_back(std::move(event));
    }
    if (wakeWrite >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t n = write(wakeWrite, &byte, 1);
    }
}

void HeadlessBackend::Impl::Deliver(const Event& e)
{
    if (sink == nullptr)
        return;
    switch (e.kind) {
    case Event::Kind::Move: {
        pointer = e.pt;
        const NativeWindowId target = captured != 0 ? captured : WindowAt(e.pt);
        sink->OnMouseMove(target, e.pt);
        break;
    }
    case Event::Kind::Button: {
        const NativeWindowId target = captured != 0 ? captured : WindowAt(pointer);
        sink->OnMouseButton(target, e.button, e.down, pointer);
        break;
    }
    case Event::Kind::Wheel: {
        pointer = e.pt;
        const NativeWindowId target = captured != 0 ? captured : WindowAt(e.pt);
        sink->OnMouseWheel(target, e.delta, e.pt);
        break;
    }
    case Event::Kind::Key: sink->OnKey(active, e.vk, e.down); break;
    case Event::Kind::Text: sink->OnText(active, e.text); break;
    case Event::Kind::Close: sink->OnCloseRequest(e.window); break;
    case Event::Kind::Deactivate:
        if (active != 0) {
            const NativeWindowId old = active;
            active = 0;
            sink->OnActivationChanged(old, false);
        }
        break;
    case Event::Kind::ShowState:
        if (Record* r = Find(e.window)) {
            r->state.state = e.state;
            sink->OnShowStateChanged(e.window, e.state);
        }
        break;
    case Event::Kind::Tray:
        if (tray.sink != nullptr)
            tray.sink->OnTrayMouse(static_cast<unsigned>(e.window), e.vk, pointer);
        break;
    }
}

bool HeadlessBackend::Impl::PollDescriptors(int timeoutMs)
{
    std::vector<pollfd> fds;
    if (wakeRead >= 0)
        fds.push_back(pollfd{wakeRead, POLLIN, 0});
    for (const auto& [fd, events] : descriptors) {
        short wanted = 0;
        if ((events & kDescriptorReadable) != 0)
            wanted |= POLLIN;
        if ((events & kDescriptorWritable) != 0)
            wanted |= POLLOUT;
        fds.push_back(pollfd{fd, wanted, 0});
    }
    int n;
    do {
        n = poll(fds.data(), fds.size(), timeoutMs);
    } while (n < 0 && errno == EINTR);
    if (n <= 0)
        return false;
    bool any = false;
    for (const pollfd& p : fds) {
        if (p.revents == 0)
            continue;
        any = true;
        if (p.fd == wakeRead) {
            char buffer[64];
            while (read(wakeRead, buffer, sizeof buffer) > 0) {
            }
            continue;
        }
        unsigned ready = 0;
        if ((p.revents & POLLIN) != 0)
            ready |= kDescriptorReadable;
        if ((p.revents & POLLOUT) != 0)
            ready |= kDescriptorWritable;
        if ((p.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0)
            ready |= kDescriptorError | kDescriptorReadable;
        if (sink != nullptr)
            sink->OnDescriptorReady(p.fd, ready);
    }
    return any;
}

void HeadlessBackend::Impl::Stall()
{
    if (stallHandler) {
        stallHandler();
        return;
    }
    std::fprintf(stderr,
                 "headless backend: the message loop waits for something that cannot happen: the virtual clock "
                 "may not move (no auto-advance) or no timer is due, and no input is queued.\n");
    std::abort();
}

HeadlessBackend::HeadlessBackend() : HeadlessBackend(Options{}) {}

HeadlessBackend::HeadlessBackend(const Options& options) : impl_(std::make_unique<Impl>(options)) {}

HeadlessBackend::~HeadlessBackend() = default;

void HeadlessBackend::Attach(BackendSink* sink) { impl_->sink = sink; }

void HeadlessBackend::WaitForEvents(std::int64_t timeoutMs)
{
    Impl& d = *impl_;
    std::optional<Impl::Event> event;
    {
        std::lock_guard lock(d.mutex);
        if (!d.events.empty()) {
            event = std::move(d.events.front());
            d.events.pop_front();
        }
    }
    if (event) {
        // One event per wait: the runtime handles it before the next one
        // is routed.
        d.Deliver(*event);
        return;
    }
    // A common dialog's scripted answer is the user's next input.
    if (scripts_ && scripts_->DeliverDueDialogs(NowMs()))
        return;
    if (d.PollDescriptors(0) || timeoutMs == 0)
        return;
    const std::optional<std::int64_t> dialogDue = scripts_ ? scripts_->NextDialogDue() : std::nullopt;
    if (dialogDue) {
        // The user takes their time to answer: the wait ends at the answer
        // or at its own limit, whichever comes first.
        const std::int64_t untilAnswer = std::max<std::int64_t>(*dialogDue - NowMs(), 0);
        const std::int64_t wait = timeoutMs < 0 ? untilAnswer : std::min(timeoutMs, untilAnswer);
        if (d.options.virtualClock)
            d.virtualNow += wait;
        else
            d.PollDescriptors(static_cast<int>(std::min<std::int64_t>(wait, 1 << 30)));
        scripts_->DeliverDueDialogs(NowMs());
        return;
    }
    if (!d.options.virtualClock) {
        const int wait = timeoutMs < 0 ? -1 : static_cast<int>(std::min<std::int64_t>(timeoutMs, 1 << 30));
        d.PollDescriptors(wait);
        return;
    }
    if (d.autoAdvance && timeoutMs > 0) {
        d.virtualNow += timeoutMs;
        return;
    }
    if (d.options.stallGraceMs > 0 && d.PollDescriptors(d.options.stallGraceMs))
        return;
    d.Stall();
}

void HeadlessBackend::Wake()
{
    if (impl_->wakeWrite >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t n = write(impl_->wakeWrite, &byte, 1);
    }
}

bool HeadlessBackend::WatchDescriptor(int fd, unsigned events)
{
    if (fd < 0 || events == 0)
        return false;
    impl_->descriptors[fd] = events;
    return true;
}

void HeadlessBackend::UnwatchDescriptor(int fd) { impl_->descriptors.erase(fd); }

std::int64_t HeadlessBackend::NowMs()
{
    if (impl_->options.virtualClock)
        return impl_->virtualNow;
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now() - impl_->realStart).count();
}

std::int64_t HeadlessBackend::WallClockMs()
{
    if (impl_->options.virtualClock)
        return impl_->options.startWallClockMs + impl_->virtualNow;
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

void HeadlessBackend::AdvanceClock(std::int64_t ms)
{
    if (ms > 0)
        impl_->virtualNow += ms;
}

void HeadlessBackend::SetAutoAdvance(bool on) { impl_->autoAdvance = on; }

void HeadlessBackend::SetStallHandler(std::function<void()> handler) { impl_->stallHandler = std::move(handler); }

void HeadlessBackend::Pump() { UserPumpMessages(); }

void HeadlessBackend::RunFor(std::int64_t ms)
{
    const std::int64_t end = NowMs() + std::max<std::int64_t>(ms, 0);
    for (;;) {
        if (!UserPumpMessages())
            return; // a quit is waiting for the program's loop
        const std::int64_t now = NowMs();
        if (now >= end)
            break;
        const std::int64_t due = UserNextDueMs();
        const std::int64_t until = due < 0 || due > end ? end : std::max(due, now + 1);
        if (impl_->options.virtualClock)
            impl_->virtualNow = until;
        else
            WaitForEvents(until - now);
    }
    UserPumpMessages();
}

void HeadlessBackend::MoveMouse(POINT screen)
{
    Impl::Event e;
    e.kind = Impl::Event::Kind::Move;
    e.pt = screen;
    impl_->Push(std::move(e));
}

void HeadlessBackend::PressButton(MouseButton button)
{
    Impl::Event e;
    e.kind = Impl::Event::Kind::Button;
    e.button = button;
    e.down = true;
    impl_->Push(std::move(e));
}

void HeadlessBackend::ReleaseButton(MouseButton button)
{
    Impl::Event e;
    e.kind = Impl::Event::Kind::Button;
    e.button = button;
    e.down = false;
    impl_->Push(std::move(e));
}

void HeadlessBackend::Click(POINT screen, MouseButton button)
{
    MoveMouse(screen);
    PressButton(button);
    ReleaseButton(button);
}

void HeadlessBackend::DoubleClick(POINT screen)
{
    Click(screen);
    Click(screen);
}

void HeadlessBackend::Drag(POINT from, POINT to, int steps, MouseButton button)
{
    steps = std::max(steps, 1);
    MoveMouse(from);
    PressButton(button);
    for (int i = 1; i <= steps; ++i)
        MoveMouse(POINT{from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
    ReleaseButton(button);
}

void HeadlessBackend::Wheel(POINT screen, int delta)
{
    Impl::Event e;
    e.kind = Impl::Event::Kind::Wheel;
    e.pt = screen;
    e.delta = delta;
    impl_->Push(std::move(e));
}

void HeadlessBackend::KeyDown(UINT vk) { PushKey(vk, true); }

void HeadlessBackend::KeyUp(UINT vk) { PushKey(vk, false); }

void HeadlessBackend::PushKey(UINT vk, bool down)
{
    Impl::Event e;
    e.kind = Impl::Event::Kind::Key;
    e.vk = vk;
    e.down = down;
    impl_->Push(std::move(e));
}

void HeadlessBackend::KeyPress(UINT vk)
{
    KeyDown(vk);
    KeyUp(vk);
}

void HeadlessBackend::TypeText(const std::string& utf8)
{
    Impl::Event e;
    e.kind = Impl::Event::Kind::Text;
    e.text = utf8;
    impl_->Push(std::move(e));
}

void HeadlessBackend::RequestClose(NativeWindowId window)
{
    Impl::Event e;
    e.kind = Impl::Event::Kind::Close;
    e.window = window;
    impl_->Push(std::move(e));
}

void HeadlessBackend::DeactivateAll()
{
    Impl::Event e;
    e.kind = Impl::Event::Kind::Deactivate;
    impl_->Push(std::move(e));
}

void HeadlessBackend::ChangeShowStateByDesktop(NativeWindowId window, ShowState state)
{
    Impl::Event e;
    e.kind = Impl::Event::Kind::ShowState;
    e.window = window;
    e.state = state;
    impl_->Push(std::move(e));
}

bool HeadlessBackend::InputPending() const
{
    std::lock_guard lock(impl_->mutex);
    return !impl_->events.empty();
}

} // namespace platform
