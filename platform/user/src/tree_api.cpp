// Walking and changing the window tree.
#include "activation.h"
#include "geometry.h"
#include "paint.h"
#include "runtime.h"
#include "visible_region.h"
#include "window_class.h"

#include <algorithm>
#include <cstring>

using namespace user;

namespace {

const std::vector<HWND>* SiblingsOf(const Window& w)
{
    if (const Window* parent = Peek(w.parent))
        return &parent->children;
    if (w.messageOnly)
        return &RT().windows.MessageOnly();
    return &RT().windows.TopLevels();
}

BOOL EnumTree(const std::vector<HWND>& windows, WNDENUMPROC proc, LPARAM param)
{
    const std::vector<HWND> copy = windows;
    for (HWND h : copy) {
        const Window* w = Peek(h);
        if (w == nullptr)
            continue;
        if (!proc(h, param))
            return FALSE;
        if ((w = Peek(h)) != nullptr && !EnumTree(w->children, proc, param))
            return FALSE;
    }
    return TRUE;
}

} // namespace

extern "C" {

HWND GetDesktopWindow() { return WindowTable::Desktop(); }

HWND GetParent(HWND hwnd)
{
    const Window* w = FindWindowRecord(hwnd);
    if (w == nullptr)
        return nullptr;
    if (w->parent != nullptr)
        return w->parent;
    // A pop-up window's "parent" is its owner.
    return (w->style & WS_POPUP) != 0 ? w->owner : nullptr;
}

HWND SetParent(HWND child, HWND newParent)
{
    Window* w = FindWindowRecord(child);
    if (w == nullptr)
        return nullptr;
    if (w->parent == nullptr) {
        // Top-level windows stay top-level; the new "parent" becomes the owner.
        const HWND owner = newParent == nullptr || newParent == WindowTable::Desktop() ? nullptr : RootOf(newParent);
        if (newParent != nullptr && newParent != WindowTable::Desktop() && owner == nullptr)
            return nullptr;
        if (!CanOwn(owner, child)) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
        const HWND previous = w->owner;
        w->owner = owner;
        return previous != nullptr ? previous : WindowTable::Desktop();
    }
    Window* parent = FindWindowRecord(newParent);
    if (parent == nullptr || IsSelfOrDescendant(child, newParent)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const HWND old = w->parent;
    if (old == newParent)
        return old;
    if (VisibleChain(*w))
        InvalidateStoreArea(RootOf(child), WindowArea(*w));
    if (Window* p = Peek(old))
        std::erase(p->children, child);
    w->parent = newParent;
    parent->children.insert(parent->children.begin(), child);
    if (RootOf(old) != RootOf(newParent)) {
        DropCaptureWithin(child, true);
    }
    if ((w = Peek(child)) != nullptr && VisibleChain(*w))
        Redraw(child, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return old;
}

HWND GetAncestor(HWND hwnd, UINT flags)
{
    const Window* w = FindWindowRecord(hwnd);
    if (w == nullptr)
        return nullptr;
    switch (flags) {
    case GA_PARENT: return w->parent != nullptr ? w->parent : WindowTable::Desktop();
    case GA_ROOT: return RootOf(hwnd);
    case GA_ROOTOWNER: {
        HWND root = RootOf(hwnd);
        for (const Window* r = Peek(root); r != nullptr && r->owner != nullptr; r = Peek(root))
            root = r->owner;
        return root;
    }
    default: return nullptr;
    }
}

HWND GetWindow(HWND hwnd, UINT relation)
{
    if (hwnd == WindowTable::Desktop()) {
        const auto& tops = RT().windows.TopLevels();
        return relation == GW_CHILD && !tops.empty() ? tops.front() : nullptr;
    }
    const Window* w = FindWindowRecord(hwnd);
    if (w == nullptr)
        return nullptr;
    switch (relation) {
    case GW_CHILD: return w->children.empty() ? nullptr : w->children.front();
    case GW_OWNER: return w->owner;
    case GW_ENABLEDPOPUP:
        for (HWND h : RT().windows.TopLevels()) {
            const Window* o = Peek(h);
            if (o != nullptr && o->owner == hwnd && o->Visible() && !o->Disabled())
                return h;
        }
        return nullptr;
    default: break;
    }
    const std::vector<HWND>& siblings = *SiblingsOf(*w);
    const auto it = std::find(siblings.begin(), siblings.end(), hwnd);
    if (it == siblings.end())
        return nullptr;
    switch (relation) {
    case GW_HWNDFIRST: return siblings.front();
    case GW_HWNDLAST: return siblings.back();
    case GW_HWNDNEXT: return it + 1 == siblings.end() ? nullptr : *(it + 1);
    case GW_HWNDPREV: return it == siblings.begin() ? nullptr : *(it - 1);
    default: return nullptr;
    }
}

HWND GetTopWindow(HWND hwnd)
{
    if (hwnd == nullptr)
        hwnd = WindowTable::Desktop();
    return GetWindow(hwnd, GW_CHILD);
}

BOOL IsChild(HWND parent, HWND hwnd)
{
    if (parent == nullptr || parent == hwnd)
        return FALSE;
    return IsSelfOrDescendant(parent, hwnd) ? TRUE : FALSE;
}

HWND GetDlgItem(HWND dialog, int id)
{
    const Window* w = FindWindowRecord(dialog);
    if (w == nullptr)
        return nullptr;
    for (HWND child : w->children) {
        const Window* c = Peek(child);
        if (c != nullptr && static_cast<int>(c->id) == id)
            return child;
    }
    return nullptr;
}

int GetDlgCtrlID(HWND hwnd)
{
    const Window* w = FindWindowRecord(hwnd);
    if (w == nullptr || w->parent == nullptr)
        return 0;
    return static_cast<int>(w->id);
}

BOOL EnumWindows(WNDENUMPROC proc, LPARAM param)
{
    if (proc == nullptr)
        return FALSE;
    const std::vector<HWND> tops = RT().windows.TopLevels();
    for (HWND h : tops)
        if (Peek(h) != nullptr && !proc(h, param))
            return FALSE;
    return TRUE;
}

BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM param)
{
    if (proc == nullptr)
        return FALSE;
    if (parent == nullptr || parent == WindowTable::Desktop())
        return EnumTree(RT().windows.TopLevels(), proc, param);
    const Window* w = FindWindowRecord(parent);
    if (w == nullptr)
        return FALSE;
    return EnumTree(w->children, proc, param);
}

HWND FindWindowA(LPCSTR className, LPCSTR windowName)
{
    for (HWND h : RT().windows.TopLevels()) {
        const Window* w = Peek(h);
        if (w == nullptr)
            continue;
        if (className != nullptr) {
            if (!w->cls)
                continue;
            if (IS_INTRESOURCE(className)) {
                if (w->cls->atom != static_cast<ATOM>(reinterpret_cast<std::uintptr_t>(className)))
                    continue;
            } else if (!SameNameIgnoringCase(w->cls->name, className)) {
                continue;
            }
        }
        if (windowName != nullptr && w->text != windowName)
            continue;
        return h;
    }
    return nullptr;
}

} // extern "C"
