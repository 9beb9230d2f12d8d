// The runtime singleton, backend selection, and the sink through which the
// backend's events enter the queue.
#include "runtime.h"

#include "cursors.h"
#include "null_backend.h"

namespace platform {

Backend::~Backend() = default;
TrayService* Backend::Tray(TraySink*) { return nullptr; }
PopupMenuService* Backend::PopupMenus() { return nullptr; }
DialogScriptService* Backend::DialogScripts() { return nullptr; }
CommonDialogService* Backend::CommonDialogs() { return nullptr; }
WebViewService* Backend::WebViews() { return nullptr; }
void Backend::SetWindowIcon(NativeWindowId, const CursorImage&) {}

} // namespace platform

namespace user {
namespace {

// Every backend event becomes a raw queue item, stamped with the clock.
class QueueSink final : public platform::BackendSink {
public:
    void OnMouseMove(platform::NativeWindowId window, POINT screen) override
    {
        RawInput raw;
        raw.kind = RawInput::Kind::MouseMove;
        raw.window = window;
        raw.pt = screen;
        Push(std::move(raw));
    }
    void OnMouseButton(platform::NativeWindowId window, platform::MouseButton button, bool down,
                       POINT screen) override
    {
        RawInput raw;
        raw.kind = RawInput::Kind::MouseButton;
        raw.window = window;
        raw.button = button;
        raw.down = down;
        raw.pt = screen;
        Push(std::move(raw));
    }
    void OnMouseWheel(platform::NativeWindowId window, int delta, POINT screen) override
    {
        RawInput raw;
        raw.kind = RawInput::Kind::MouseWheel;
        raw.window = window;
        raw.delta = delta;
        raw.pt = screen;
        Push(std::move(raw));
    }
    void OnKey(platform::NativeWindowId window, UINT vk, bool down) override
    {
        RawInput raw;
        raw.kind = RawInput::Kind::Key;
        raw.window = window;
        raw.vk = vk & 0xFF;
        raw.down = down;
        Push(std::move(raw));
    }
    void OnText(platform::NativeWindowId window, const std::string& utf8) override
    {
        RawInput raw;
        raw.kind = RawInput::Kind::Text;
        raw.window = window;
        raw.text = utf8;
        Push(std::move(raw));
    }
    void OnCloseRequest(platform::NativeWindowId window) override
    {
        RawInput raw;
        raw.kind = RawInput::Kind::Close;
        raw.window = window;
        Push(std::move(raw));
    }
    void OnActivationChanged(platform::NativeWindowId window, bool active) override
    {
        RawInput raw;
        raw.kind = RawInput::Kind::Activation;
        raw.window = window;
        raw.down = active;
        Push(std::move(raw));
    }
    void OnGeometryChanged(platform::NativeWindowId window, RECT screen) override
    {
        RawInput raw;
        raw.kind = RawInput::Kind::Geometry;
        raw.window = window;
        raw.rect = screen;
        Push(std::move(raw));
    }
    void OnShowStateChanged(platform::NativeWindowId window, platform::ShowState state) override
    {
        RawInput raw;
        raw.kind = RawInput::Kind::ShowState;
        raw.window = window;
        raw.state = state;
        Push(std::move(raw));
    }
    void OnDescriptorReady(int fd, unsigned events) override
    {
        Runtime& rt = RT();
        const auto it = rt.descriptors.find(fd);
        if (it == rt.descriptors.end())
            return; // no longer watched
        DescriptorWatch& watch = it->second;
        if (watch.queued || watch.handledIn == rt.collection)
            return; // already known to this collection
        watch.queued = true;
        RawInput raw;
        raw.kind = RawInput::Kind::Descriptor;
        raw.fd = fd;
        raw.events = events;
        Push(std::move(raw));
    }

private:
    static void Push(RawInput raw)
    {
        raw.time = NowTicks();
        RT().queue.PushRaw(std::move(raw));
    }
};

QueueSink& Sink()
{
    static QueueSink sink;
    return sink;
}

void Install(std::unique_ptr<platform::Backend> backend)
{
    Runtime& rt = RT();
    rt.backend = std::move(backend);
    rt.backend->Attach(&Sink());
    rt.uiThread = std::this_thread::get_id();
    rt.cursorPos = rt.backend->PointerPosition();
}

} // namespace

Runtime& RT()
{
    // Never destroyed: windows may still be touched from static destructors.
    static Runtime* runtime = new Runtime();
    return *runtime;
}

platform::Backend& Backend()
{
    Runtime& rt = RT();
    if (!rt.backend)
        Install(MakeNullBackend());
    return *rt.backend;
}

DWORD NowTicks() { return static_cast<DWORD>(Backend().NowMs()); }

Window* FindWindowRecord(HWND hwnd)
{
    Window* w = RT().windows.Find(hwnd);
    if (w == nullptr)
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return w;
}

Window* Peek(HWND hwnd) { return RT().windows.Find(hwnd); }

} // namespace user

using namespace user;

void UserSetBackend(std::unique_ptr<platform::Backend> backend)
{
    Runtime& rt = RT();
    if (rt.backend) {
        // Start afresh: every window goes, with the old backend still there
        // to take its native windows down.
        // Windows made while others are destroyed go in the next round;
        // the bound keeps a window that keeps making windows from holding
        // the reset for ever.
        for (int round = 0; round < 16; ++round) {
            std::vector<HWND> roots = rt.windows.TopLevels();
            for (HWND h : rt.windows.MessageOnly())
                roots.push_back(h);
            if (roots.empty())
                break;
            for (HWND h : roots)
                DestroyWindow(h);
        }
    }
    rt.queue.Clear();
    rt.timers.Clear();
    rt.capture = rt.focus = rt.active = rt.pointerTop = nullptr;
    rt.hover = HoverTracking{};
    rt.lastClick = ClickMemory{};
    rt.keys.fill(0);
    rt.quitPending = false;
    rt.quitCode = 0;
    rt.filters.clear();
    rt.descriptors.clear();
    rt.cursor = nullptr;
    rt.cursorShowCount = 0;
    if (!backend)
        backend = MakeNullBackend();
    Install(std::move(backend));
}

platform::Backend& UserGetBackend() { return Backend(); }

std::int64_t UserNowMs() { return Backend().NowMs(); }

std::int64_t UserWallClockMs() { return Backend().WallClockMs(); }

platform::NativeWindowId UserGetNativeWindow(HWND hwnd)
{
    const Window* w = Peek(hwnd);
    return w != nullptr && w->top ? w->top->native : 0;
}

HWND UserWindowFromNative(platform::NativeWindowId native)
{
    if (native == 0)
        return nullptr;
    for (HWND h : RT().windows.TopLevels()) {
        const Window* w = Peek(h);
        if (w != nullptr && w->top && w->top->native == native)
            return h;
    }
    return nullptr;
}

bool UserCopyBackingStore(HWND topLevel, std::vector<std::uint32_t>& pixels, int& width, int& height)
{
    const Window* w = Peek(topLevel);
    if (w == nullptr || !w->top || w->top->store.Empty())
        return false;
    const auto& buffer = w->top->store.Buffer();
    pixels = buffer->pixels;
    width = buffer->width;
    height = buffer->height;
    return true;
}
