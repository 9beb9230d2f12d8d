// The handle map, the window procedure, creation, subclassing and the
// message-map dispatch of CWnd.
#include "wnd_state.h"

#include "platform/afx_app.h"
#include "platform/user_runtime.h"

namespace afx {

HandleMap<HWND, CWnd>& WndMap()
{
    static HandleMap<HWND, CWnd> map;
    return map;
}

WndThreadState& ThreadState()
{
    thread_local WndThreadState state;
    return state;
}

void HookWindow(CWnd* wnd, HWND hwnd)
{
    wnd->m_hWnd = hwnd;
    WndMap().SetPermanent(hwnd, wnd);
    const auto previous = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
    if (previous != &AfxWndProc) {
        ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc));
        wnd->m_pfnSuper = previous;
    }
}

void InstallPreTranslateFilter()
{
    // The runtime forgets its filters when its backend is replaced, so the
    // filter is put back (not added twice) whenever the framework starts
    // using windows.
    static int cookie = 0;
    if (cookie != 0)
        UserRemoveMessageFilter(cookie);
    cookie = UserAddMessageFilter([](MSG& msg) { return AfxPreTranslateMessage(&msg) != FALSE; });
}

} // namespace afx

using afx::ThreadState;
using afx::WndMap;

// ---------------------------------------------------------------------------
// Handle map
// ---------------------------------------------------------------------------
CWnd* CWnd::FromHandlePermanent(HWND hwnd) { return hwnd ? WndMap().LookupPermanent(hwnd) : nullptr; }

CWnd* CWnd::FromHandle(HWND hwnd)
{
    if (!hwnd)
        return nullptr;
    if (CWnd* owned = WndMap().LookupPermanent(hwnd))
        return owned;
    return WndMap().Temporary<CWnd>(hwnd);
}

BOOL CWnd::Attach(HWND hwnd)
{
    if (!hwnd || m_hWnd || FromHandlePermanent(hwnd))
        return FALSE;
    m_hWnd = hwnd;
    WndMap().SetPermanent(hwnd, this);
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hwnd = m_hWnd;
    if (hwnd)
        WndMap().RemovePermanent(hwnd, this);
    m_hWnd = nullptr;
    return hwnd;
}

BOOL CWnd::SubclassWindow(HWND hwnd)
{
    if (!::IsWindow(hwnd) || m_hWnd || FromHandlePermanent(hwnd))
        return FALSE;
    afx::InstallPreTranslateFilter();
    m_hWnd = hwnd;
    PreSubclassWindow();
    afx::HookWindow(this, hwnd);
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    if (!parent || !parent->m_hWnd)
        return FALSE;
    return SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow()
{
    if (!m_hWnd)
        return nullptr;
    if (m_pfnSuper)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

CWnd::~CWnd()
{
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this) {
        // The object goes first: the window must not call back into it.
        HWND hwnd = m_hWnd;
        UnsubclassWindow();
        ::DestroyWindow(hwnd);
    }
}

// ---------------------------------------------------------------------------
// Creation
// ---------------------------------------------------------------------------
BOOL CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU idOrMenu, LPVOID param)
{
    if (m_hWnd)
        return FALSE;
    afx::InstallPreTranslateFilter();
    auto& state = ThreadState();
    CWnd* const outer = state.pendingCreate;
    state.pendingCreate = this;
    HWND hwnd = ::CreateWindowExA(exStyle, className, windowName, style, x, y, width, height, parent, idOrMenu,
                                  AfxGetInstanceHandle(), param);
    state.pendingCreate = outer;
    if (!hwnd) {
        // A window that failed in WM_CREATE may have been joined already.
        if (m_hWnd)
            Detach();
        return FALSE;
    }
    // Windows of classes not registered by the framework never called
    // AfxWndProc while they were made: route them now.
    if (m_hWnd != hwnd) {
        if (m_hWnd)
            Detach();
        PreSubclassWindow();
        afx::HookWindow(this, hwnd);
    }
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                    UINT id, LPVOID param)
{
    return CreateEx(exStyle, className, windowName, style, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, parent ? parent->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(id)), param);
}

BOOL CWnd::Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id, void*)
{
    return CreateEx(0, className, windowName, style | WS_CHILD, rect, parent, id, nullptr);
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    return ::DestroyWindow(m_hWnd);
}

// ---------------------------------------------------------------------------
// The procedure chain
// ---------------------------------------------------------------------------
LRESULT AfxCallWndProc(CWnd* wnd, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto& state = ThreadState();
    const MSG saved = state.current;
    state.current = MSG{hwnd, message, wParam, lParam, 0, POINT{0, 0}};
    LRESULT result = wnd->WindowProc(message, wParam, lParam);
    if (message == WM_NCDESTROY && wnd->m_hWnd == hwnd) {
        // The handler did not run CWnd::OnNcDestroy: the window is gone all
        // the same, so the object lets it go.
        wnd->m_pfnSuper = nullptr;
        wnd->Detach();
        wnd->PostNcDestroy();
    }
    state.current = saved;
    return result;
}

LRESULT AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = CWnd::FromHandlePermanent(hwnd);
    if (!wnd) {
        auto& state = ThreadState();
        if (!state.pendingCreate)
            return ::DefWindowProcA(hwnd, message, wParam, lParam);
        // The first message of a window that CreateEx is making.
        wnd = state.pendingCreate;
        state.pendingCreate = nullptr;
        afx::HookWindow(wnd, hwnd);
    }
    return AfxCallWndProc(wnd, hwnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& m = ThreadState().current;
    return DefWindowProc(m.message, m.wParam, m.lParam);
}

BOOL CWnd::DispatchFromMaps(UINT message, UINT code, UINT id, WPARAM wParam, LPARAM lParam, LRESULT* result,
                            UINT actual)
{
    const bool command = message == WM_COMMAND || message == WM_NOTIFY;
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->pfn; ++e) {
            bool match;
            if (e->nMessage == AFX_REGISTERED_ENTRY)
                match = e->pnRegistered && *e->pnRegistered == message && message != 0;
            else if (command)
                match = e->nMessage == message && e->nCode == code && id >= e->nID && id <= e->nLastID;
            else
                match = e->nMessage == message && (message < WM_REFLECT_BASE || e->nCode == code);
            if (match) {
                LRESULT r = 0;
                e->pfn(this, actual ? actual : message, wParam, lParam, r);
                *result = r;
                return TRUE;
            }
        }
        if (map->pfnGetBaseMap == nullptr)
            break;
    }
    return FALSE;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    LRESULT r = 0;
    BOOL handled;
    if (message == WM_COMMAND) {
        handled = OnCommand(wParam, lParam);
        r = handled ? 1 : 0;
    } else if (message == WM_NOTIFY) {
        handled = OnNotify(wParam, lParam, &r);
    } else if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        handled = DispatchFromMaps(WM_CTLCOLOR, 0, 0, wParam, lParam, &r, message);
    } else {
        handled = DispatchFromMaps(message, 0, 0, wParam, lParam, &r);
    }
    if (handled && result)
        *result = r;
    return handled;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    UINT code = 0;
    if (control) {
        code = HIWORD(wParam);
        // The control may handle its own notification (ON_CONTROL_REFLECT).
        if (CWnd* child = FromHandlePermanent(control)) {
            LRESULT r = 0;
            if (child->OnChildNotify(WM_COMMAND, wParam, lParam, &r))
                return TRUE;
        }
    }
    LRESULT r = 0;
    if (DispatchFromMaps(WM_COMMAND, code, id, wParam, lParam, &r))
        return TRUE;
    return FALSE;
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
    if (!hdr)
        return FALSE;
    if (CWnd* child = FromHandlePermanent(hdr->hwndFrom)) {
        if (child->OnChildNotify(WM_NOTIFY, wParam, lParam, result))
            return TRUE;
    }
    return DispatchFromMaps(WM_NOTIFY, hdr->code, static_cast<UINT>(hdr->idFrom), wParam, lParam, result);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    UINT code = 0;
    if (message == WM_COMMAND)
        code = HIWORD(wParam);
    else if (message == WM_NOTIFY)
        code = reinterpret_cast<const NMHDR*>(lParam)->code;
    else
        return FALSE;
    return DispatchFromMaps(WM_REFLECT_BASE + message, code, 0, wParam, lParam, result);
}

void CWnd::OnDrawItem(int, DRAWITEMSTRUCT* item)
{
    if (item && item->CtlType != ODT_MENU) {
        if (CWnd* child = FromHandlePermanent(item->hwndItem)) {
            LRESULT r = 0;
            if (child->OnChildNotify(WM_DRAWITEM, ThreadState().current.wParam, reinterpret_cast<LPARAM>(item), &r))
                return;
        }
    }
    Default();
}

void CWnd::OnNcDestroy()
{
    HWND hwnd = m_hWnd;
    // The program's main window is gone: so is the reason to run.
    if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd == this)
        app->m_pMainWnd = nullptr;
    Default();
    m_pfnSuper = nullptr;
    if (m_hWnd == hwnd)
        Detach();
    PostNcDestroy();
}

const AFX_MSGMAP* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP* CWnd::GetThisMessageMap()
{
    using ThisClass = CWnd;
    static const AFX_MSGMAP_ENTRY entries[] = {
        ON_WM_DRAWITEM()
        ON_WM_NCDESTROY()
        {0, 0, 0, 0, nullptr, nullptr}};
    static const AFX_MSGMAP map = {nullptr, entries};
    return &map;
}

// ---------------------------------------------------------------------------
// Pre-translation
// ---------------------------------------------------------------------------
BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL AfxWalkPreTranslateTree(HWND stop, MSG* msg)
{
    for (HWND hwnd = msg->hwnd; hwnd; hwnd = ::GetParent(hwnd)) {
        if (CWnd* wnd = CWnd::FromHandlePermanent(hwnd)) {
            if (wnd->PreTranslateMessage(msg))
                return TRUE;
        }
        if (hwnd == stop)
            break;
    }
    return FALSE;
}
