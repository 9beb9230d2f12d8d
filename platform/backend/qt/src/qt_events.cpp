// The Qt backend's events and clocks: the wait inside Qt's event loop,
// waking it from other threads, watched descriptors, and the desktop's
// metrics.
#include "top_window.h"

#include <QAbstractEventDispatcher>
#include <QCursor>
#include <QScreen>

#include <cerrno>
#include <poll.h>

namespace platform {
namespace {

RECT ToRect(const QRect& r) { return RECT{r.x(), r.y(), r.x() + r.width(), r.y() + r.height()}; }

} // namespace

void QtBackend::Impl::Push(PendingEvent event) { pending.push_back(std::move(event)); }

bool QtBackend::Impl::DeliverPending()
{
    if (pending.empty())
        return false;
    // The sink may call back into the backend (it only queues today), so
    // the events are taken out first.
    std::deque<PendingEvent> events;
    events.swap(pending);
    if (sink == nullptr)
        return true;
    for (const PendingEvent& e : events) {
        switch (e.kind) {
        case PendingEvent::Kind::Move: sink->OnMouseMove(e.window, e.pt); break;
        case PendingEvent::Kind::Button: sink->OnMouseButton(e.window, e.button, e.down, e.pt); break;
        case PendingEvent::Kind::Wheel: sink->OnMouseWheel(e.window, e.delta, e.pt); break;
        case PendingEvent::Kind::Key: sink->OnKey(e.window, e.vk, e.down); break;
        case PendingEvent::Kind::Text: sink->OnText(e.window, e.text); break;
        case PendingEvent::Kind::Close: sink->OnCloseRequest(e.window); break;
        case PendingEvent::Kind::Activation: sink->OnActivationChanged(e.window, e.down); break;
        case PendingEvent::Kind::Geometry: sink->OnGeometryChanged(e.window, e.rect); break;
        case PendingEvent::Kind::ShowState: sink->OnShowStateChanged(e.window, e.state); break;
        case PendingEvent::Kind::Descriptor: sink->OnDescriptorReady(e.fd, e.events); break;
        case PendingEvent::Kind::Call: e.call(); break;
        }
    }
    return true;
}

void QtBackend::Impl::DescriptorActivated(int fd)
{
    const auto it = watches.find(fd);
    if (it == watches.end())
        return;
    Watch& watch = it->second;
    // Quiet until the next wait, so that Qt's processing does not spin on
    // it; a descriptor still ready then is reported again (level-triggered).
    if (watch.read)
        watch.read->setEnabled(false);
    if (watch.write)
        watch.write->setEnabled(false);
    pollfd p{fd, 0, 0};
    if ((watch.events & (kDescriptorReadable | kDescriptorError)) != 0)
        p.events |= POLLIN;
    if ((watch.events & kDescriptorWritable) != 0)
        p.events |= POLLOUT;
    int n;
    do {
        n = poll(&p, 1, 0);
    } while (n < 0 && errno == EINTR);
    if (n <= 0)
        return;
    unsigned ready = 0;
    if ((p.revents & POLLIN) != 0)
        ready |= kDescriptorReadable;
    if ((p.revents & POLLOUT) != 0)
        ready |= kDescriptorWritable;
    if ((p.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0)
        ready |= kDescriptorError | kDescriptorReadable;
    ready &= watch.events | kDescriptorError;
    if (ready == 0)
        return;
    PendingEvent e;
    e.kind = PendingEvent::Kind::Descriptor;
    e.fd = fd;
    e.events = ready;
    Push(std::move(e));
}

void QtBackend::Impl::RearmDescriptors()
{
    // Every wait reports what is ready; the runtime passes on one report per
    // descriptor in each collection of input, however many waits it makes.
    for (auto& [fd, watch] : watches) {
        if (watch.read)
            watch.read->setEnabled(true);
        if (watch.write)
            watch.write->setEnabled(true);
    }
}

void QtBackend::WaitForEvents(std::int64_t timeoutMs)
{
    Impl& d = *impl_;
    d.RearmDescriptors();
    // Outside exec(), Qt leaves deleteLater() to whoever runs the loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (d.DeliverPending() || d.woken.exchange(false) || timeoutMs == 0)
        return;

    using Clock = std::chrono::steady_clock;
    const bool bounded = timeoutMs > 0;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(bounded ? timeoutMs : 0);
    d.waitTimedOut = false;
    if (bounded)
        d.waitTimer->start(static_cast<int>(std::min<std::int64_t>(timeoutMs, 1 << 30)));
    for (;;) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (d.DeliverPending() || d.woken.exchange(false))
            break;
        if (bounded && (d.waitTimedOut || Clock::now() >= deadline))
            break;
    }
    d.waitTimer->stop();
}

void QtBackend::Wake()
{
    impl_->woken.store(true);
    // Thread-safe, and remembered when the loop is not blocked yet.
    if (impl_->dispatcher != nullptr)
        impl_->dispatcher->wakeUp();
}

bool QtBackend::WatchDescriptor(int fd, unsigned events)
{
    Impl& d = *impl_;
    if (fd < 0 || events == 0)
        return false;
    d.watches.erase(fd);
    Impl::Watch watch;
    watch.events = events;
    Impl* self = &d;
    if ((events & (kDescriptorReadable | kDescriptorError)) != 0) {
        watch.read = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        QObject::connect(watch.read.get(), &QSocketNotifier::activated, [self, fd] { self->DescriptorActivated(fd); });
    }
    if ((events & kDescriptorWritable) != 0) {
        watch.write = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Write);
        QObject::connect(watch.write.get(), &QSocketNotifier::activated, [self, fd] { self->DescriptorActivated(fd); });
    }
    d.watches.emplace(fd, std::move(watch));
    return true;
}

void QtBackend::UnwatchDescriptor(int fd) { impl_->watches.erase(fd); }

std::int64_t QtBackend::NowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now() - impl_->start).count();
}

std::int64_t QtBackend::WallClockMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

RECT QtBackend::ScreenRect()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? ToRect(screen->geometry()) : RECT{0, 0, 0, 0};
}

RECT QtBackend::WorkArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? ToRect(screen->availableGeometry()) : RECT{0, 0, 0, 0};
}

POINT QtBackend::PointerPosition()
{
    const QPoint p = QCursor::pos();
    return POINT{p.x(), p.y()};
}

std::string QtBackend::PlatformName() const { return QGuiApplication::platformName().toStdString(); }

} // namespace platform
