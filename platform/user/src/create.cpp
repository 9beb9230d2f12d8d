// CreateWindowExA.
#include "geometry.h"
#include "position.h"
#include "controls.h"
#include "runtime.h"
#include "send.h"

#include <algorithm>

using namespace user;

namespace {

bool IsTopmostWindow(HWND hwnd)
{
    const Window* w = Peek(hwnd);
    return w != nullptr && (w->exStyle & WS_EX_TOPMOST) != 0;
}

// Where top-level windows without a position go: a cascade over the work area.
RECT DefaultTopLevelRect(int x, int y, int cx, int cy)
{
    static int cascade = 0;
    const RECT work = Backend().WorkArea();
    const int workW = work.right - work.left;
    const int workH = work.bottom - work.top;
    if (x == CW_USEDEFAULT) {
        const int step = 26 * (cascade++ % 8);
        x = work.left + 32 + step;
        y = work.top + 32 + step;
    }
    if (cx == CW_USEDEFAULT) {
        cx = workW * 3 / 4;
        cy = workH * 3 / 4;
    }
    return RECT{x, y, x + std::max(cx, 0), y + std::max(cy, 0)};
}

void Unlink(HWND hwnd)
{
    // Used only when creation fails before any message was sent.
    std::unique_ptr<Window> w = RT().windows.Take(hwnd);
    if (w && w->cls)
        --w->cls->windows;
}

} // namespace

extern "C" {

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param)
{
    Runtime& rt = RT();
    platform::Backend& backend = Backend();
    EnsureSystemClasses();
    const auto cls = rt.classes.Find(className);
    if (!cls) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    const bool messageOnly = parent == HWND_MESSAGE;
    const bool child = (style & WS_CHILD) != 0 && !messageOnly;
    HWND owner = nullptr;
    if (child) {
        if (FindWindowRecord(parent) == nullptr) {
            SetLastError(ERROR_TLW_WITH_WSCHILD);
            return nullptr;
        }
    } else if (!messageOnly && parent != nullptr && parent != WindowTable::Desktop()) {
        if (FindWindowRecord(parent) == nullptr)
            return nullptr;
        owner = RootOf(parent);
    }

    auto record = std::make_unique<Window>();
    Window& w = *record;
    w.cls = cls;
    w.proc = cls->proc;
    w.exStyle = exStyle;
    w.instance = instance;
    w.messageOnly = messageOnly;
    w.extra.assign(static_cast<std::size_t>(cls->wndExtra), 0);
    // WS_VISIBLE and the show states are applied once the window exists.
    w.style = style & ~(WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE);
    if (child) {
        w.parent = parent;
        w.id = static_cast<LONG_PTR>(reinterpret_cast<std::uintptr_t>(menu));
        const int cx = width == CW_USEDEFAULT ? 0 : std::max(width, 0);
        const int cy = height == CW_USEDEFAULT ? 0 : std::max(height, 0);
        const int px = x == CW_USEDEFAULT ? 0 : x;
        const int py = y == CW_USEDEFAULT ? 0 : y;
        w.window = RECT{px, py, px + cx, py + cy};
    } else {
        // Top-level windows always clip their siblings; overlapped ones
        // always have a caption.
        w.style |= WS_CLIPSIBLINGS;
        if ((style & WS_POPUP) == 0 && !messageOnly)
            w.style |= WS_CAPTION;
        w.owner = owner;
        w.window = DefaultTopLevelRect(x, y, width, height);
    }
    w.client = w.window;

    const HWND hwnd = rt.windows.Add(std::move(record));
    Window* created = Peek(hwnd);
    ++cls->windows;
    if (child) {
        Peek(parent)->children.push_back(hwnd);
    } else if (messageOnly) {
        rt.windows.MessageOnly().push_back(hwnd);
    } else {
        std::vector<HWND>& order = rt.windows.TopLevels();
        auto at = order.begin();
        if ((exStyle & WS_EX_TOPMOST) == 0)
            at = std::find_if(order.begin(), order.end(), [](HWND h) { return !IsTopmostWindow(h); });
        order.insert(at, hwnd);
        platform::NativeWindowDesc desc;
        desc.rect = created->window;
        desc.title = windowName != nullptr && !IS_INTRESOURCE(windowName) ? windowName : "";
        desc.decorated = (created->style & WS_CAPTION) == WS_CAPTION;
        desc.taskbarButton = (exStyle & WS_EX_APPWINDOW) != 0 || (owner == nullptr && (exStyle & WS_EX_TOOLWINDOW) == 0);
        desc.topmost = (exStyle & WS_EX_TOPMOST) != 0;
        desc.activates = (exStyle & WS_EX_NOACTIVATE) == 0;
        if (const Window* o = Peek(owner); o != nullptr && o->top)
            desc.owner = o->top->native;
        const platform::NativeWindowId native = backend.CreateNativeWindow(desc);
        if (native == 0) {
            Unlink(hwnd);
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
            return nullptr;
        }
        created->top = std::make_unique<TopLevel>();
        created->top->native = native;
        created->top->store.Resize(created->Width(), created->Height());
    }

    CREATESTRUCTA cs{};
    cs.lpCreateParams = param;
    cs.hInstance = instance;
    cs.hMenu = menu;
    cs.hwndParent = child ? parent : owner;
    cs.x = created->window.left;
    cs.y = created->window.top;
    cs.cx = created->Width();
    cs.cy = created->Height();
    cs.style = static_cast<LONG>(style);
    cs.lpszName = windowName;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;

    if (Send(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs)) == 0) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    CalcClientRect(hwnd);
    if (Peek(hwnd) == nullptr || Send(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    created = Peek(hwnd);
    if (created == nullptr)
        return nullptr;
    {
        const RECT c = created->client;
        Send(hwnd, WM_SIZE, SIZE_RESTORED,
             MAKELPARAM(static_cast<WORD>(c.right - c.left), static_cast<WORD>(c.bottom - c.top)));
        Send(hwnd, WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(c.left), static_cast<WORD>(c.top)));
    }
    if (child && (exStyle & WS_EX_NOPARENTNOTIFY) == 0 && Peek(hwnd) != nullptr)
        Send(parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, static_cast<WORD>(reinterpret_cast<std::uintptr_t>(menu))),
             reinterpret_cast<LPARAM>(hwnd));
    if ((style & WS_VISIBLE) != 0 && Peek(hwnd) != nullptr) {
        int command = child ? SW_SHOWNA : SW_SHOW;
        if ((style & WS_MINIMIZE) != 0)
            command = SW_SHOWMINIMIZED;
        else if ((style & WS_MAXIMIZE) != 0)
            command = SW_SHOWMAXIMIZED;
        ShowWindow(hwnd, command);
    }
    return Peek(hwnd) != nullptr ? hwnd : nullptr;
}

} // extern "C"
