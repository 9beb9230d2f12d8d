// GetWindowLongPtrA, SetWindowLongPtrA and the window text calls.
#include "activation.h"
#include "position.h"
#include "runtime.h"
#include "send.h"

#include <cstring>

using namespace user;

namespace {

bool ExtraIndex(const Window& w, int index, std::size_t size)
{
    return index >= 0 && static_cast<std::size_t>(index) + size <= w.extra.size();
}

LONG_PTR SetStyle(HWND hwnd, int index, DWORD value)
{
    Window* w = Peek(hwnd);
    DWORD& slot = index == GWL_STYLE ? w->style : w->exStyle;
    STYLESTRUCT change{slot, value};
    Send(hwnd, WM_STYLECHANGING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&change));
    if ((w = Peek(hwnd)) == nullptr)
        return 0;
    DWORD& again = index == GWL_STYLE ? w->style : w->exStyle;
    const DWORD previous = again;
    // WS_CHILD cannot be changed this way: it would move the window between trees.
    if (index == GWL_STYLE)
        change.styleNew = (change.styleNew & ~WS_CHILD) | (previous & WS_CHILD);
    again = change.styleNew;
    change.styleOld = previous;
    Send(hwnd, WM_STYLECHANGED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&change));
    if (index == GWL_STYLE && (previous & WS_DISABLED) == 0 && (change.styleNew & WS_DISABLED) != 0) {
        DropFocusWithin(hwnd, true);
        DropCaptureWithin(hwnd, true);
    }
    return static_cast<LONG_PTR>(previous);
}

} // namespace

extern "C" {

LONG_PTR GetWindowLongPtrA(HWND hwnd, int index)
{
    const Window* w = FindWindowRecord(hwnd);
    if (w == nullptr)
        return 0;
    switch (index) {
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(w->proc);
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(w->instance);
    case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>(w->parent != nullptr ? w->parent : w->owner);
    case GWLP_ID: return w->id;
    case GWL_STYLE: return static_cast<LONG_PTR>(w->style);
    case GWL_EXSTYLE: return static_cast<LONG_PTR>(w->exStyle);
    case GWLP_USERDATA: return w->userData;
    default:
        if (ExtraIndex(*w, index, sizeof(LONG_PTR))) {
            LONG_PTR value = 0;
            std::memcpy(&value, w->extra.data() + index, sizeof value);
            return value;
        }
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
}

LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value)
{
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr)
        return 0;
    LONG_PTR previous = 0;
    switch (index) {
    case GWLP_WNDPROC:
        if (value == 0) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
        }
        previous = reinterpret_cast<LONG_PTR>(w->proc);
        w->proc = reinterpret_cast<WNDPROC>(value);
        return previous;
    case GWLP_HINSTANCE:
        previous = reinterpret_cast<LONG_PTR>(w->instance);
        w->instance = reinterpret_cast<HINSTANCE>(value);
        return previous;
    case GWLP_HWNDPARENT:
        // For top-level windows this sets the owner.
        if (w->parent != nullptr)
            return reinterpret_cast<LONG_PTR>(SetParent(hwnd, reinterpret_cast<HWND>(value)));
        if (!CanOwn(reinterpret_cast<HWND>(value), hwnd)) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
        }
        previous = reinterpret_cast<LONG_PTR>(w->owner);
        w->owner = Peek(reinterpret_cast<HWND>(value)) != nullptr ? reinterpret_cast<HWND>(value) : nullptr;
        return previous;
    case GWLP_ID:
        previous = w->id;
        w->id = value;
        return previous;
    case GWL_STYLE:
    case GWL_EXSTYLE:
        return SetStyle(hwnd, index, static_cast<DWORD>(value));
    case GWLP_USERDATA:
        previous = w->userData;
        w->userData = value;
        return previous;
    default:
        if (ExtraIndex(*w, index, sizeof(LONG_PTR))) {
            std::memcpy(&previous, w->extra.data() + index, sizeof previous);
            std::memcpy(w->extra.data() + index, &value, sizeof value);
            return previous;
        }
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
}

LONG GetWindowLongA(HWND hwnd, int index)
{
    const Window* w = Peek(hwnd);
    if (w != nullptr && index >= 0 && static_cast<std::size_t>(index) + sizeof(LONG) <= w->extra.size()) {
        LONG value = 0;
        std::memcpy(&value, w->extra.data() + index, sizeof value);
        return value;
    }
    return static_cast<LONG>(GetWindowLongPtrA(hwnd, index));
}

LONG SetWindowLongA(HWND hwnd, int index, LONG value)
{
    Window* w = Peek(hwnd);
    if (w != nullptr && index >= 0 && static_cast<std::size_t>(index) + sizeof(LONG) <= w->extra.size()) {
        LONG previous = 0;
        std::memcpy(&previous, w->extra.data() + index, sizeof previous);
        std::memcpy(w->extra.data() + index, &value, sizeof value);
        return previous;
    }
    return static_cast<LONG>(SetWindowLongPtrA(hwnd, index, value));
}

BOOL SetWindowTextA(HWND hwnd, LPCSTR text)
{
    if (FindWindowRecord(hwnd) == nullptr)
        return FALSE;
    return SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != 0 ? TRUE : FALSE;
}

int GetWindowTextA(HWND hwnd, LPSTR buffer, int size)
{
    if (buffer == nullptr || size <= 0 || FindWindowRecord(hwnd) == nullptr)
        return 0;
    buffer[0] = '\0';
    return static_cast<int>(SendMessageA(hwnd, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthA(HWND hwnd)
{
    if (FindWindowRecord(hwnd) == nullptr)
        return 0;
    return static_cast<int>(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

} // extern "C"
