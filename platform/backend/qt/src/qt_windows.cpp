// The Qt backend's top-level windows: creation, geometry, show states,
// shapes, stacking, presenting and the pointer.
#include "top_window.h"

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QRegion>
#include <QWindow>

#include <algorithm>

namespace platform {
namespace {

QRect ToQRect(const RECT& r)
{
    return QRect(r.left, r.top, std::max<LONG>(r.right - r.left, 1), std::max<LONG>(r.bottom - r.top, 1));
}

// The union of the rectangles.  A region's own rectangles (y-x banded,
// disjoint) are taken in one go; anything else is united one by one.
QRegion RegionOf(const std::vector<RECT>& rects)
{
    std::vector<QRect> list;
    list.reserve(rects.size());
    for (const RECT& r : rects)
        if (r.right > r.left && r.bottom > r.top)
            list.emplace_back(r.left, r.top, r.right - r.left, r.bottom - r.top);
    bool banded = true;
    for (std::size_t i = 1; i < list.size() && banded; ++i) {
        const QRect& a = list[i - 1];
        const QRect& b = list[i];
        const bool sameBand = a.top() == b.top() && a.bottom() == b.bottom();
        banded = sameBand ? a.right() + 1 < b.left() : a.bottom() < b.top();
    }
    QRegion region;
    if (banded) {
        region.setRects(list.data(), static_cast<int>(list.size()));
    } else {
        for (const QRect& r : list)
            region += r;
    }
    return region;
}

bool HasPixels(const CursorImage& image)
{
    const std::size_t pixels = static_cast<std::size_t>(std::max(image.width, 0)) *
                               static_cast<std::size_t>(std::max(image.height, 0));
    return pixels != 0 && image.argb.size() >= pixels;
}

// A copy of the pixels, so the image does not outlive the caller's vector.
QImage ImageOf(const CursorImage& image)
{
    return QImage(reinterpret_cast<const uchar*>(image.argb.data()), image.width, image.height, image.width * 4,
                  QImage::Format_ARGB32)
        .copy();
}

} // namespace

QtBackend::Impl::~Impl()
{
    watches.clear();
    windows.clear();
    waitTimer.reset();
    app.reset();
}

QtBackend::Impl::Window* QtBackend::Impl::Find(NativeWindowId id)
{
    const auto it = windows.find(id);
    return it == windows.end() ? nullptr : &it->second;
}

const QtBackend::Impl::Window* QtBackend::Impl::Find(NativeWindowId id) const
{
    const auto it = windows.find(id);
    return it == windows.end() ? nullptr : &it->second;
}

NativeWindowId QtBackend::Impl::IdOf(const QWidget* widget) const
{
    if (widget == nullptr)
        return 0;
    for (const auto& [id, w] : windows)
        if (w.widget.get() == widget)
            return id;
    return 0;
}

void QtBackend::Impl::UpdateVisibility(NativeWindowId id)
{
    Window* w = Find(id);
    if (w == nullptr)
        return;
    TopWindow& widget = *w->widget;
    if (w->state == ShowState::Hidden || w->emptyShape) {
        widget.hide();
        return;
    }
    if (w->state == ShowState::Minimized) {
        widget.showMinimized();
        return;
    }
    if (widget.isMinimized())
        widget.showNormal();
    else
        widget.show();
}

NativeWindowId QtBackend::Impl::PointerTarget(NativeWindowId from, POINT screen) const
{
    if (captured != 0)
        return captured;
    const QPoint p(screen.x, screen.y);
    if (const Window* w = Find(from)) {
        const QWidget& widget = *w->widget;
        const QRect g = widget.geometry();
        if (widget.isVisible() && g.contains(p) &&
            (widget.mask().isEmpty() || widget.mask().contains(p - g.topLeft())))
            return from;
    }
    return IdOf(QApplication::topLevelAt(p));
}

const char* QtBackend::Name() const { return "qt"; }

void QtBackend::Attach(BackendSink* sink) { impl_->sink = sink; }

NativeWindowId QtBackend::CreateNativeWindow(const NativeWindowDesc& desc)
{
    Impl& d = *impl_;
    Qt::WindowFlags flags = Qt::Window;
    if (!desc.decorated)
        flags |= Qt::FramelessWindowHint;
    // A window without a task-bar button of its own: a tool window, or one
    // that goes with its owner's.
    if (!desc.taskbarButton)
        flags |= Qt::Tool;
    if (desc.topmost)
        flags |= Qt::WindowStaysOnTopHint;
    if (!desc.activates)
        flags |= Qt::WindowDoesNotAcceptFocus;

    const NativeWindowId id = d.next++;
    auto widget = std::make_unique<TopWindow>(d, id, flags);
    if (!desc.activates)
        widget->setAttribute(Qt::WA_ShowWithoutActivating);
    widget->setWindowTitle(QString::fromStdString(desc.title));
    widget->setGeometry(ToQRect(desc.rect));
    // The native window exists from now on, unmapped, so that its handle
    // is known and an owner can be named.
    widget->winId();
    if (const Impl::Window* owner = d.Find(desc.owner); owner != nullptr && widget->windowHandle() != nullptr)
        widget->windowHandle()->setTransientParent(owner->widget->windowHandle());

    Impl::Window record;
    record.widget = std::move(widget);
    record.rect = desc.rect;
    record.activates = desc.activates;
    d.windows.emplace(id, std::move(record));
    return id;
}

void QtBackend::DestroyNativeWindow(NativeWindowId window)
{
    Impl& d = *impl_;
    Impl::Window* w = d.Find(window);
    if (w == nullptr)
        return;
    if (d.captured == window) {
        w->widget->releaseMouse();
        d.captured = 0;
    }
    if (d.expectedActive == window)
        d.expectedActive = 0;
    // Windows it owns stay; they lose their transient parent with it.
    for (auto& [id, other] : d.windows)
        if (id != window && other.widget->windowHandle() != nullptr &&
            other.widget->windowHandle()->transientParent() == w->widget->windowHandle())
            other.widget->windowHandle()->setTransientParent(nullptr);
    d.windows.erase(window);
}

void QtBackend::SetGeometry(NativeWindowId window, RECT screen)
{
    Impl::Window* w = impl_->Find(window);
    if (w == nullptr)
        return;
    w->rect = screen;
    w->requested.push_back(screen);
    if (w->requested.size() > 64)
        w->requested.pop_front();
    w->widget->setGeometry(ToQRect(screen));
}

void QtBackend::SetShowState(NativeWindowId window, ShowState state)
{
    Impl::Window* w = impl_->Find(window);
    if (w == nullptr)
        return;
    w->state = state;
    if (state != ShowState::Normal && impl_->captured == window)
        ReleasePointer();
    impl_->UpdateVisibility(window);
}

void QtBackend::SetTitle(NativeWindowId window, const std::string& utf8)
{
    if (Impl::Window* w = impl_->Find(window))
        w->widget->setWindowTitle(QString::fromStdString(utf8));
}

void QtBackend::SetTopmost(NativeWindowId window, bool topmost)
{
    Impl::Window* w = impl_->Find(window);
    if (w == nullptr)
        return;
    // Through the QWindow: QWidget::setWindowFlags would remake the native
    // window and hide it.
    if (QWindow* handle = w->widget->windowHandle())
        handle->setFlag(Qt::WindowStaysOnTopHint, topmost);
    if (topmost)
        w->widget->raise();
}

void QtBackend::SetShape(NativeWindowId window, bool shaped, const std::vector<RECT>& rects)
{
    Impl::Window* w = impl_->Find(window);
    if (w == nullptr)
        return;
    const QRegion region = shaped ? RegionOf(rects) : QRegion();
    const bool empty = shaped && region.isEmpty();
    if (!shaped)
        w->widget->clearMask();
    else if (!empty)
        w->widget->setMask(region);
    if (empty != w->emptyShape) {
        // Nothing left to show: the window stays unmapped until it has a
        // shape again (the window system would take an empty mask for
        // none at all).
        w->emptyShape = empty;
        impl_->UpdateVisibility(window);
    }
}

void QtBackend::Raise(NativeWindowId window)
{
    if (Impl::Window* w = impl_->Find(window))
        w->widget->raise();
}

void QtBackend::Lower(NativeWindowId window)
{
    if (Impl::Window* w = impl_->Find(window))
        w->widget->lower();
}

void QtBackend::Activate(NativeWindowId window)
{
    Impl::Window* w = impl_->Find(window);
    if (w == nullptr || !w->activates)
        return;
    impl_->expectedActive = window;
    w->widget->raise();
    if (w->widget->isVisible()) {
        w->widget->activateWindow();
        w->widget->setFocus(Qt::ActiveWindowFocusReason);
    }
}

void QtBackend::Present(NativeWindowId window, const PixelView& store, RECT dirty)
{
    if (Impl::Window* w = impl_->Find(window))
        w->widget->Present(store, dirty);
}

void QtBackend::SetCursor(NativeWindowId window, const CursorImage& cursor)
{
    Impl::Window* w = impl_->Find(window);
    if (w == nullptr)
        return;
    if (!HasPixels(cursor)) {
        w->widget->setCursor(QCursor(static_cast<Qt::CursorShape>(QtCursorShapeFor(cursor.standard))));
        return;
    }
    w->widget->setCursor(QCursor(QPixmap::fromImage(ImageOf(cursor)), cursor.hotSpot.x, cursor.hotSpot.y));
}

void QtBackend::SetWindowIcon(NativeWindowId window, const CursorImage& icon)
{
    Impl::Window* w = impl_->Find(window);
    if (w == nullptr)
        return;
    if (!HasPixels(icon)) {
        w->widget->setWindowIcon(QIcon());
        return;
    }
    w->widget->setWindowIcon(QIcon(QPixmap::fromImage(ImageOf(icon))));
}

void QtBackend::CapturePointer(NativeWindowId window)
{
    Impl& d = *impl_;
    Impl::Window* w = d.Find(window);
    if (w == nullptr)
        return;
    if (d.captured != 0 && d.captured != window)
        ReleasePointer();
    d.captured = window;
    if (w->widget->isVisible())
        w->widget->grabMouse();
}

void QtBackend::ReleasePointer()
{
    Impl& d = *impl_;
    if (Impl::Window* w = d.Find(d.captured))
        w->widget->releaseMouse();
    d.captured = 0;
}

bool QtBackend::StartSystemMove(NativeWindowId window)
{
    Impl& d = *impl_;
    Impl::Window* w = d.Find(window);
    if (w == nullptr || w->widget->windowHandle() == nullptr || !w->widget->isVisible())
        return false;
    if (d.captured == window)
        ReleasePointer();
    if (!w->widget->windowHandle()->startSystemMove())
        return false;
    // The window manager now owns the pointer and keeps the release from
    // us; the runtime is told the button is up so that its key state does
    // not stay pressed.
    PendingEvent p;
    p.kind = PendingEvent::Kind::Button;
    p.window = window;
    p.button = MouseButton::Left;
    p.down = false;
    const QPoint at = QCursor::pos();
    p.pt = POINT{at.x(), at.y()};
    d.Push(std::move(p));
    return true;
}

std::uint64_t QtBackend::PlatformHandle(NativeWindowId window) const
{
    const Impl::Window* w = impl_->Find(window);
    return w == nullptr ? 0 : static_cast<std::uint64_t>(w->widget->winId());
}

} // namespace platform
