// RegisterClassA and the other class calls; RegisterWindowMessageA.
#include "controls.h"
#include "runtime.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

using namespace user;

namespace {

bool ExtraIndex(const std::vector<std::uint8_t>& extra, int index, std::size_t size)
{
    return index >= 0 && static_cast<std::size_t>(index) + size <= extra.size();
}

} // namespace

extern "C" {

ATOM RegisterClassExA(const WNDCLASSEXA* wc)
{
    if (wc == nullptr || wc->cbSize != sizeof(WNDCLASSEXA)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const auto cls = RT().classes.Register(*wc);
    return cls ? cls->atom : 0;
}

ATOM RegisterClassA(const WNDCLASSA* wc)
{
    if (wc == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    WNDCLASSEXA ex{};
    ex.cbSize = sizeof ex;
    ex.style = wc->style;
    ex.lpfnWndProc = wc->lpfnWndProc;
    ex.cbClsExtra = wc->cbClsExtra;
    ex.cbWndExtra = wc->cbWndExtra;
    ex.hInstance = wc->hInstance;
    ex.hIcon = wc->hIcon;
    ex.hCursor = wc->hCursor;
    ex.hbrBackground = wc->hbrBackground;
    ex.lpszMenuName = wc->lpszMenuName;
    ex.lpszClassName = wc->lpszClassName;
    return RegisterClassExA(&ex);
}

BOOL UnregisterClassA(LPCSTR className, HINSTANCE) { return RT().classes.Unregister(className) ? TRUE : FALSE; }

BOOL GetClassInfoA(HINSTANCE, LPCSTR className, WNDCLASSA* wc)
{
    EnsureSystemClasses();
    const auto cls = RT().classes.Find(className);
    if (!cls || wc == nullptr) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    wc->style = cls->style;
    wc->lpfnWndProc = cls->proc;
    wc->cbClsExtra = cls->clsExtra;
    wc->cbWndExtra = cls->wndExtra;
    wc->hInstance = cls->instance;
    wc->hIcon = cls->icon;
    wc->hCursor = cls->cursor;
    wc->hbrBackground = cls->background;
    wc->lpszMenuName = cls->menuId != 0 ? reinterpret_cast<LPCSTR>(cls->menuId)
                                        : (cls->menuName.empty() ? nullptr : cls->menuName.c_str());
    wc->lpszClassName = cls->name.c_str();
    return TRUE;
}

ULONG_PTR GetClassLongPtrA(HWND hwnd, int index)
{
    const Window* w = FindWindowRecord(hwnd);
    if (w == nullptr || !w->cls)
        return 0;
    const WindowClass& c = *w->cls;
    switch (index) {
    case GCLP_HBRBACKGROUND: return reinterpret_cast<ULONG_PTR>(c.background);
    case GCLP_HCURSOR: return reinterpret_cast<ULONG_PTR>(c.cursor);
    case GCLP_HICON: return reinterpret_cast<ULONG_PTR>(c.icon);
    case GCLP_HICONSM: return reinterpret_cast<ULONG_PTR>(c.iconSmall);
    case GCLP_HMODULE: return reinterpret_cast<ULONG_PTR>(c.instance);
    case GCLP_WNDPROC: return reinterpret_cast<ULONG_PTR>(c.proc);
    case GCL_STYLE: return c.style;
    case GCL_CBWNDEXTRA: return static_cast<ULONG_PTR>(c.wndExtra);
    case GCL_CBCLSEXTRA: return static_cast<ULONG_PTR>(c.clsExtra);
    default:
        if (ExtraIndex(c.extra, index, sizeof(ULONG_PTR))) {
            ULONG_PTR value = 0;
            std::memcpy(&value, c.extra.data() + index, sizeof value);
            return value;
        }
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
}

ULONG_PTR SetClassLongPtrA(HWND hwnd, int index, LONG_PTR value)
{
    const Window* w = FindWindowRecord(hwnd);
    if (w == nullptr || !w->cls)
        return 0;
    WindowClass& c = *w->cls;
    const ULONG_PTR previous = GetClassLongPtrA(hwnd, index);
    switch (index) {
    case GCLP_HBRBACKGROUND: c.background = reinterpret_cast<HBRUSH>(value); break;
    case GCLP_HCURSOR: c.cursor = reinterpret_cast<HCURSOR>(value); break;
    case GCLP_HICON: c.icon = reinterpret_cast<HICON>(value); break;
    case GCLP_HICONSM: c.iconSmall = reinterpret_cast<HICON>(value); break;
    case GCLP_HMODULE: c.instance = reinterpret_cast<HINSTANCE>(value); break;
    case GCLP_WNDPROC: c.proc = reinterpret_cast<WNDPROC>(value); break;
    case GCL_STYLE: c.style = static_cast<UINT>(value); break;
    default:
        if (ExtraIndex(c.extra, index, sizeof(ULONG_PTR))) {
            std::memcpy(c.extra.data() + index, &value, sizeof value);
            break;
        }
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
    return previous;
}

int GetClassNameA(HWND hwnd, LPSTR buffer, int size)
{
    const Window* w = FindWindowRecord(hwnd);
    if (w == nullptr || !w->cls || buffer == nullptr || size <= 0)
        return 0;
    const std::size_t n = std::min<std::size_t>(w->cls->name.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, w->cls->name.data(), n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

UINT RegisterWindowMessageA(LPCSTR name)
{
    // Registered messages take numbers from 0xC000 up, one per name
    // (compared without regard to case) for the life of the process.
    static std::vector<std::string>* names = new std::vector<std::string>();
    if (name == nullptr || name[0] == '\0') {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    for (std::size_t i = 0; i < names->size(); ++i)
        if (SameNameIgnoringCase((*names)[i], name))
            return static_cast<UINT>(0xC000 + i);
    if (names->size() >= 0x4000)
        return 0;
    names->push_back(name);
    return static_cast<UINT>(0xC000 + names->size() - 1);
}

} // extern "C"
