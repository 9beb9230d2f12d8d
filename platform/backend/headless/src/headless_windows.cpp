// The headless backend's windows: geometry, stacking, presented pixels,
// and their inspection.
#include "headless_impl.h"

#include "bmp_writer.h"

#include <algorithm>
#include <cstring>

namespace platform {

HeadlessBackend::Impl::Record* HeadlessBackend::Impl::Find(NativeWindowId id)
{
    const auto it = windows.find(id);
    return it == windows.end() ? nullptr : &it->second;
}

const HeadlessBackend::Impl::Record* HeadlessBackend::Impl::Find(NativeWindowId id) const
{
    const auto it = windows.find(id);
    return it == windows.end() ? nullptr : &it->second;
}

NativeWindowId HeadlessBackend::Impl::WindowAt(POINT p) const
{
    for (NativeWindowId id : stacking) {
        const Record* r = Find(id);
        if (r == nullptr || r->state.state != ShowState::Normal)
            continue;
        const RECT& rect = r->state.rect;
        if (p.x < rect.left || p.x >= rect.right || p.y < rect.top || p.y >= rect.bottom)
            continue;
        if (r->state.shaped) {
            const POINT local{p.x - rect.left, p.y - rect.top};
            const bool inside = std::any_of(r->state.shape.begin(), r->state.shape.end(), [&](const RECT& s) {
                return local.x >= s.left && local.x < s.right && local.y >= s.top && local.y < s.bottom;
            });
            if (!inside)
                continue;
        }
        return id;
    }
    return 0;
}

void HeadlessBackend::Impl::MoveToFront(NativeWindowId id)
{
    std::erase(stacking, id);
    auto at = stacking.begin();
    const Record* r = Find(id);
    if (r != nullptr && !r->state.topmost)
        at = std::find_if(stacking.begin(), stacking.end(), [&](NativeWindowId other) {
            const Record* o = Find(other);
            return o == nullptr || !o->state.topmost;
        });
    stacking.insert(at, id);
}

const char* HeadlessBackend::Name() const { return "headless"; }

NativeWindowId HeadlessBackend::CreateNativeWindow(const NativeWindowDesc& desc)
{
    const NativeWindowId id = impl_->next++;
    Impl::Record record;
    record.state.rect = desc.rect;
    record.state.title = desc.title;
    record.state.decorated = desc.decorated;
    record.state.topmost = desc.topmost;
    record.activates = desc.activates;
    record.owner = desc.owner;
    impl_->windows.emplace(id, std::move(record));
    impl_->MoveToFront(id);
    return id;
}

void HeadlessBackend::DestroyNativeWindow(NativeWindowId window)
{
    impl_->windows.erase(window);
    std::erase(impl_->stacking, window);
    if (impl_->active == window)
        impl_->active = 0;
    if (impl_->captured == window)
        impl_->captured = 0;
}

void HeadlessBackend::SetGeometry(NativeWindowId window, RECT screen)
{
    if (Impl::Record* r = impl_->Find(window))
        r->state.rect = screen;
}

void HeadlessBackend::SetShowState(NativeWindowId window, ShowState state)
{
    if (Impl::Record* r = impl_->Find(window)) {
        r->state.state = state;
        if (state != ShowState::Normal && impl_->captured == window)
            impl_->captured = 0;
    }
}

void HeadlessBackend::SetTitle(NativeWindowId window, const std::string& utf8)
{
    if (Impl::Record* r = impl_->Find(window))
        r->state.title = utf8;
}

void HeadlessBackend::SetTopmost(NativeWindowId window, bool topmost)
{
    if (Impl::Record* r = impl_->Find(window)) {
        r->state.topmost = topmost;
        impl_->MoveToFront(window);
    }
}

void HeadlessBackend::SetShape(NativeWindowId window, bool shaped, const std::vector<RECT>& rects)
{
    if (Impl::Record* r = impl_->Find(window)) {
        r->state.shaped = shaped;
        r->state.shape = shaped ? rects : std::vector<RECT>{};
    }
}

void HeadlessBackend::Raise(NativeWindowId window)
{
    if (impl_->Find(window) != nullptr)
        impl_->MoveToFront(window);
}

void HeadlessBackend::Lower(NativeWindowId window)
{
    if (impl_->Find(window) != nullptr) {
        std::erase(impl_->stacking, window);
        impl_->stacking.push_back(window);
    }
}

void HeadlessBackend::Activate(NativeWindowId window)
{
    const Impl::Record* r = impl_->Find(window);
    if (r == nullptr || !r->activates)
        return;
    impl_->active = window;
    impl_->MoveToFront(window);
}

void HeadlessBackend::Present(NativeWindowId window, const PixelView& store, RECT dirty)
{
    Impl::Record* r = impl_->Find(window);
    if (r == nullptr || store.pixels == nullptr || store.width <= 0 || store.height <= 0 ||
        store.pitch < store.width * 4)
        return;
    WindowState& s = r->state;
    if (s.width != store.width || s.height != store.height) {
        // A new size: start from a full copy.
        s.width = store.width;
        s.height = store.height;
        s.pixels.assign(static_cast<std::size_t>(s.width) * static_cast<std::size_t>(s.height), 0u);
        dirty = RECT{0, 0, s.width, s.height};
    }
    dirty.left = std::clamp<LONG>(dirty.left, 0, s.width);
    dirty.right = std::clamp<LONG>(dirty.right, dirty.left, s.width);
    dirty.top = std::clamp<LONG>(dirty.top, 0, s.height);
    dirty.bottom = std::clamp<LONG>(dirty.bottom, dirty.top, s.height);
    const auto* base = reinterpret_cast<const std::uint8_t*>(store.pixels);
    for (int y = dirty.top; y < dirty.bottom; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(base + static_cast<std::size_t>(y) * store.pitch);
        std::memcpy(&s.pixels[static_cast<std::size_t>(y) * s.width + dirty.left], row + dirty.left,
                    sizeof(std::uint32_t) * static_cast<std::size_t>(dirty.right - dirty.left));
    }
    ++s.presents;
}

void HeadlessBackend::SetCursor(NativeWindowId window, const CursorImage& cursor)
{
    if (Impl::Record* r = impl_->Find(window))
        r->state.cursor = cursor;
}

void HeadlessBackend::SetWindowIcon(NativeWindowId window, const CursorImage& icon)
{
    if (Impl::Record* r = impl_->Find(window))
        r->state.icon = icon;
}

void HeadlessBackend::CapturePointer(NativeWindowId window)
{
    if (impl_->Find(window) != nullptr)
        impl_->captured = window;
}

void HeadlessBackend::ReleasePointer() { impl_->captured = 0; }

// No window manager to hand a move to: the runtime moves the window itself.
bool HeadlessBackend::StartSystemMove(NativeWindowId) { return false; }

RECT HeadlessBackend::ScreenRect() { return impl_->options.screen; }

RECT HeadlessBackend::WorkArea() { return impl_->options.workArea; }

POINT HeadlessBackend::PointerPosition() { return impl_->pointer; }

std::optional<HeadlessBackend::WindowState> HeadlessBackend::State(NativeWindowId window) const
{
    const Impl::Record* r = impl_->Find(window);
    if (r == nullptr)
        return std::nullopt;
    return r->state;
}

std::vector<NativeWindowId> HeadlessBackend::Stacking() const { return impl_->stacking; }

NativeWindowId HeadlessBackend::ActiveWindow() const { return impl_->active; }

NativeWindowId HeadlessBackend::CapturedWindow() const { return impl_->captured; }

NativeWindowId HeadlessBackend::WindowAt(POINT screen) const { return impl_->WindowAt(screen); }

std::optional<COLORREF> HeadlessBackend::PixelAt(NativeWindowId window, int x, int y) const
{
    const Impl::Record* r = impl_->Find(window);
    if (r == nullptr || x < 0 || y < 0 || x >= r->state.width || y >= r->state.height)
        return std::nullopt;
    const std::uint32_t p = r->state.pixels[static_cast<std::size_t>(y) * r->state.width + x];
    return RGB(static_cast<BYTE>(p >> 16), static_cast<BYTE>(p >> 8), static_cast<BYTE>(p));
}

bool HeadlessBackend::SaveScreenshot(NativeWindowId window, const std::string& path) const
{
    const Impl::Record* r = impl_->Find(window);
    if (r == nullptr)
        return false;
    return headless::WriteBmp(path, r->state.width, r->state.height, r->state.pixels);
}

} // namespace platform
