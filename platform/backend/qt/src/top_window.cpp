#include "top_window.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

POINT ToPoint(const QPointF& p)
{
    const QPoint q = p.toPoint();
    return POINT{q.x(), q.y()};
}

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

} // namespace

TopWindow::TopWindow(QtBackend::Impl& owner, NativeWindowId id, Qt::WindowFlags flags)
    : QWidget(nullptr, flags), owner_(owner), id_(id)
{
    // Every pixel comes from the backing store: Qt need not clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_InputMethodEnabled);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void TopWindow::Present(const PixelView& store, RECT dirty)
{
    if (store.pixels == nullptr || store.width <= 0 || store.height <= 0 || store.pitch < store.width * 4)
        return;
    if (image_.width() != store.width || image_.height() != store.height) {
        image_ = QImage(store.width, store.height, QImage::Format_RGB32);
        if (image_.isNull())
            return;
        dirty = RECT{0, 0, store.width, store.height};
    }
    dirty.left = std::clamp<LONG>(dirty.left, 0, store.width);
    dirty.right = std::clamp<LONG>(dirty.right, dirty.left, store.width);
    dirty.top = std::clamp<LONG>(dirty.top, 0, store.height);
    dirty.bottom = std::clamp<LONG>(dirty.bottom, dirty.top, store.height);
    if (dirty.left == dirty.right || dirty.top == dirty.bottom)
        return;
    // Format_RGB32 is 0xffRRGGBB in a native 32-bit word: on a
    // little-endian machine the store's B, G, R, X bytes, once the X byte
    // reads as opaque.
    const auto* base = reinterpret_cast<const std::uint8_t*>(store.pixels);
    for (int y = dirty.top; y < dirty.bottom; ++y) {
        const auto* src = reinterpret_cast<const std::uint32_t*>(base + static_cast<std::size_t>(y) * store.pitch);
        auto* dst = reinterpret_cast<std::uint32_t*>(image_.scanLine(y));
        for (int x = dirty.left; x < dirty.right; ++x)
            dst[x] = src[x] | 0xFF000000u;
    }
    update(QRect(dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top));
}

bool TopWindow::event(QEvent* e)
{
    // Keys are the runtime's, Tab included: Qt's focus chain never sees them.
    switch (e->type()) {
    case QEvent::KeyPress:
        ReportKey(static_cast<QKeyEvent*>(e), true);
        return true;
    case QEvent::KeyRelease:
        ReportKey(static_cast<QKeyEvent*>(e), false);
        return true;
    case QEvent::ShortcutOverride:
        e->accept();
        return true;
    default:
        return QWidget::event(e);
    }
}

void TopWindow::paintEvent(QPaintEvent* e)
{
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& r : e->region()) {
        const QRect shown = r & image_.rect();
        if (!shown.isEmpty())
            painter.drawImage(shown.topLeft(), image_, shown);
        for (const QRect& rest : QRegion(r).subtracted(QRegion(image_.rect())))
            painter.fillRect(rest, Qt::black);
    }
}

void TopWindow::ReportButton(QMouseEvent* e, bool down)
{
    PendingEvent p;
    p.kind = PendingEvent::Kind::Button;
    switch (e->button()) {
    case Qt::LeftButton: p.button = MouseButton::Left; break;
    case Qt::RightButton: p.button = MouseButton::Right; break;
    case Qt::MiddleButton: p.button = MouseButton::Middle; break;
    default: return;
    }
    p.down = down;
    p.pt = ToPoint(e->globalPosition());
    p.window = owner_.PointerTarget(id_, p.pt);
    owner_.Push(std::move(p));
}

void TopWindow::mousePressEvent(QMouseEvent* e) { ReportButton(e, true); }

// The runtime makes double clicks from presses itself.
void TopWindow::mouseDoubleClickEvent(QMouseEvent* e) { ReportButton(e, true); }

void TopWindow::mouseReleaseEvent(QMouseEvent* e) { ReportButton(e, false); }

void TopWindow::mouseMoveEvent(QMouseEvent* e)
{
    PendingEvent p;
    p.kind = PendingEvent::Kind::Move;
    p.pt = ToPoint(e->globalPosition());
    p.window = owner_.PointerTarget(id_, p.pt);
    owner_.Push(std::move(p));
}

void TopWindow::wheelEvent(QWheelEvent* e)
{
    // angleDelta is in eighths of a degree: 120 for a notch of most wheels,
    // which is the runtime's unit too.
    const int delta = e->angleDelta().y();
    if (delta == 0)
        return;
    PendingEvent p;
    p.kind = PendingEvent::Kind::Wheel;
    p.delta = delta;
    p.pt = ToPoint(e->globalPosition());
    p.window = owner_.PointerTarget(id_, p.pt);
    owner_.Push(std::move(p));
}

void TopWindow::leaveEvent(QEvent*)
{
    // While a button is held or the pointer is captured, moves keep coming
    // to us; otherwise the pointer went to another window or left ours.
    if (owner_.captured != 0 || QGuiApplication::mouseButtons() != Qt::NoButton)
        return;
    PendingEvent p;
    p.kind = PendingEvent::Kind::Move;
    p.pt = ToPoint(QCursor::pos());
    p.window = owner_.PointerTarget(0, p.pt);
    owner_.Push(std::move(p));
}

void TopWindow::ReportKey(QKeyEvent* e, bool down)
{
    // Held keys repeat as presses, as the runtime expects.
    if (!down && e->isAutoRepeat())
        return;
    const Qt::KeyboardModifiers mods = e->modifiers();
    const KeyReport report = MapQtKey(e->key(), mods.testFlag(Qt::ShiftModifier), mods.testFlag(Qt::ControlModifier),
                                      mods.testFlag(Qt::KeypadModifier), e->text().toStdString());
    if (report.vk != 0) {
        PendingEvent p;
        p.kind = PendingEvent::Kind::Key;
        p.window = id_;
        p.vk = report.vk;
        p.down = down;
        owner_.Push(std::move(p));
    }
    if (down && !report.text.empty()) {
        PendingEvent p;
        p.kind = PendingEvent::Kind::Text;
        p.window = id_;
        p.text = report.text;
        owner_.Push(std::move(p));
    }
}

void TopWindow::inputMethodEvent(QInputMethodEvent* e)
{
    const std::string text = e->commitString().toStdString();
    if (!text.empty()) {
        PendingEvent p;
        p.kind = PendingEvent::Kind::Text;
        p.window = id_;
        p.text = text;
        owner_.Push(std::move(p));
    }
    e->accept();
}

void TopWindow::closeEvent(QCloseEvent* e)
{
    // The runtime decides: the request becomes WM_SYSCOMMAND SC_CLOSE, and
    // the window goes only when the program destroys it.
    e->ignore();
    PendingEvent p;
    p.kind = PendingEvent::Kind::Close;
    p.window = id_;
    owner_.Push(std::move(p));
}

void TopWindow::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    QtBackend::Impl::Window* w = owner_.Find(id_);
    if (w == nullptr)
        return;
    if (e->type() == QEvent::ActivationChange) {
        const bool active = isActiveWindow();
        // What we asked for is no news; anything else is the desktop's doing.
        if (active ? owner_.expectedActive == id_ : owner_.expectedActive != id_)
            return;
        owner_.expectedActive = active ? id_ : 0;
        PendingEvent p;
        p.kind = PendingEvent::Kind::Activation;
        p.window = id_;
        p.down = active;
        owner_.Push(std::move(p));
    } else if (e->type() == QEvent::WindowStateChange) {
        if (w->state == ShowState::Hidden || w->emptyShape)
            return;
        const ShowState now = windowState().testFlag(Qt::WindowMinimized) ? ShowState::Minimized : ShowState::Normal;
        if (now == w->state)
            return;
        w->state = now;
        PendingEvent p;
        p.kind = PendingEvent::Kind::ShowState;
        p.window = id_;
        p.state = now;
        owner_.Push(std::move(p));
    }
}

void TopWindow::moveEvent(QMoveEvent* e)
{
    if (e->spontaneous())
        ReportGeometry();
}

void TopWindow::resizeEvent(QResizeEvent* e)
{
    if (e->spontaneous())
        ReportGeometry();
}

void TopWindow::ReportGeometry()
{
    QtBackend::Impl::Window* w = owner_.Find(id_);
    if (w == nullptr)
        return;
    const QRect g = geometry();
    const RECT now{g.x(), g.y(), g.x() + g.width(), g.y() + g.height()};
    const auto it = std::find_if(w->requested.begin(), w->requested.end(),
                                 [&](const RECT& r) { return SameRect(r, now); });
    if (it != w->requested.end()) {
        // The window system carried out one of our own requests.
        w->requested.erase(w->requested.begin(), it + 1);
        return;
    }
    if (SameRect(now, w->rect))
        return;
    w->requested.clear();
    w->rect = now;
    PendingEvent p;
    p.kind = PendingEvent::Kind::Geometry;
    p.window = id_;
    p.rect = now;
    owner_.Push(std::move(p));
}

} // namespace platform
