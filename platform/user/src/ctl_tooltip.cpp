// The tooltip control: tools (a window, or a rectangle of one) with their
// texts; mouse messages relayed to it (TTM_RELAYEVENT, or seen directly for
// TTF_SUBCLASS tools) show the tip after the hover delay and hide it again.
#include "controls.h"

#include "platform/user_runtime.h"

#include <algorithm>
#include <vector>

namespace user {
namespace {

constexpr UINT_PTR kShowTimer = 1;
constexpr UINT_PTR kHideTimer = 2;

struct Tool {
    UINT flags = 0;
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    RECT rect{};
    std::string text;
};

struct ToolTipState {
    HFONT font = nullptr;
    std::vector<Tool> tools;
    bool active = true;
    UINT initialDelay = 500;
    UINT autoPop = 5000;
    int current = -1;     // the tool under the pointer
    bool shown = false;
    POINT lastPoint{0, 0};
    int filterCookie = 0;
};

StateMap<ToolTipState>& States()
{
    static StateMap<ToolTipState> states;
    return states;
}

bool SameTool(const Tool& t, const TOOLINFOA* info) { return t.hwnd == info->hwnd && t.id == info->uId; }

std::string TextOf(const TOOLINFOA* info)
{
    if (info->lpszText == nullptr)
        return {};
    if (IS_INTRESOURCE(info->lpszText)) {
        char buffer[512] = {};
        LoadStringA(info->hinst, static_cast<UINT>(reinterpret_cast<std::uintptr_t>(info->lpszText)), buffer,
                    sizeof buffer);
        return buffer;
    }
    return info->lpszText;
}

// The tool a mouse message for `target` at client point `pt` is over.
int HitTool(const ToolTipState& s, HWND target, POINT pt)
{
    for (std::size_t i = 0; i < s.tools.size(); ++i) {
        const Tool& t = s.tools[i];
        if ((t.flags & TTF_IDISHWND) != 0) {
            if (reinterpret_cast<HWND>(t.id) == target)
                return static_cast<int>(i);
        } else if (t.hwnd == target && PtInRect(&t.rect, pt)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void Hide(HWND tip)
{
    ToolTipState* s = States().Get(tip);
    if (s == nullptr)
        return;
    KillTimer(tip, kShowTimer);
    KillTimer(tip, kHideTimer);
    if (s->shown) {
        s->shown = false;
        ShowWindow(tip, SW_HIDE);
    }
}

void Show(HWND tip)
{
    ToolTipState* s = States().Get(tip);
    if (s == nullptr || s->current < 0 || s->current >= static_cast<int>(s->tools.size()))
        return;
    const std::string text = s->tools[static_cast<std::size_t>(s->current)].text;
    if (text.empty() || !s->active)
        return;
    SIZE size{0, 0};
    if (HDC dc = GetDC(tip)) {
        const HGDIOBJ old = SelectObject(dc, ControlFont(s->font));
        GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
        SelectObject(dc, old);
        ReleaseDC(tip, dc);
    }
    POINT at{};
    GetCursorPos(&at);
    SetWindowTextA(tip, text.c_str());
    SetWindowPos(tip, HWND_TOPMOST, at.x, at.y + 20, size.cx + 8, size.cy + 4, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    s = States().Get(tip);
    if (s != nullptr) {
        s->shown = true;
        SetTimer(tip, kHideTimer, s->autoPop, nullptr);
    }
}

void Relay(HWND tip, const MSG& msg)
{
    ToolTipState* s = States().Get(tip);
    if (s == nullptr)
        return;
    switch (msg.message) {
    case WM_MOUSEMOVE: {
        const POINT pt{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
        const int tool = HitTool(*s, msg.hwnd, pt);
        if (tool != s->current) {
            Hide(tip);
            s = States().Get(tip);
            if (s == nullptr)
                return;
            s->current = tool;
            if (tool >= 0 && s->active)
                SetTimer(tip, kShowTimer, s->initialDelay, nullptr);
        }
        return;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_MOUSELEAVE:
        Hide(tip);
        if (ToolTipState* again = States().Get(tip); again != nullptr && msg.message == WM_MOUSELEAVE)
            again->current = -1;
        return;
    default:
        return;
    }
}

// TTF_SUBCLASS tools: the tooltip watches their mouse messages on the way
// through the message loop, without consuming them.
void WatchSubclassedTools(HWND tip)
{
    ToolTipState* s = States().Get(tip);
    if (s == nullptr || s->filterCookie != 0)
        return;
    s->filterCookie = UserAddMessageFilter([tip](MSG& msg) {
        ToolTipState* st = States().Get(tip);
        if (st == nullptr)
            return false;
        const bool mouse = (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) ||
                           msg.message == WM_MOUSELEAVE;
        if (!mouse)
            return false;
        const bool ours = std::any_of(st->tools.begin(), st->tools.end(), [&](const Tool& t) {
            return (t.flags & TTF_SUBCLASS) != 0 &&
                   ((t.flags & TTF_IDISHWND) != 0 ? reinterpret_cast<HWND>(t.id) == msg.hwnd : t.hwnd == msg.hwnd);
        });
        if (ours || (msg.message == WM_MOUSEMOVE && st->current >= 0))
            Relay(tip, msg);
        return false;
    });
}

} // namespace

LRESULT ToolTipProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (LRESULT font = 0; HandleFontMessage(States(), hwnd, message, wParam, lParam, font))
        return font;
    switch (message) {
    case WM_NCCREATE:
        States().Create(hwnd);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_NCDESTROY:
        if (ToolTipState* s = States().Get(hwnd); s != nullptr && s->filterCookie != 0)
            UserRemoveMessageFilter(s->filterCookie);
        States().Erase(hwnd);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_PAINT: {
        PAINTSTRUCT ps{};
        HDC dc = BeginPaint(hwnd, &ps);
        if (ToolTipState* s = States().Get(hwnd); s != nullptr && dc != nullptr) {
            RECT rc{};
            GetClientRect(hwnd, &rc);
            FillWithColor(dc, rc, COLOR_INFOBK);
            FrameWithColor(dc, rc, COLOR_WINDOWFRAME);
            char text[512] = {};
            GetWindowTextA(hwnd, text, sizeof text);
            const HGDIOBJ old = SelectObject(dc, ControlFont(s->font));
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
            DrawTextA(dc, text, -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
            SelectObject(dc, old);
        }
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_TIMER:
        if (wParam == kShowTimer) {
            KillTimer(hwnd, kShowTimer);
            Show(hwnd);
        } else if (wParam == kHideTimer) {
            Hide(hwnd);
        }
        return 0;
    case TTM_ACTIVATE:
        if (ToolTipState* s = States().Get(hwnd)) {
            s->active = wParam != 0;
            if (!s->active)
                Hide(hwnd);
        }
        return 0;
    case TTM_SETDELAYTIME:
        if (ToolTipState* s = States().Get(hwnd)) {
            const int value = static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(lParam)));
            if (wParam == TTDT_INITIAL)
                s->initialDelay = value < 0 ? 500u : static_cast<UINT>(value);
            else if (wParam == TTDT_AUTOPOP)
                s->autoPop = value < 0 ? 5000u : static_cast<UINT>(value);
            else if (wParam == TTDT_AUTOMATIC && value >= 0) {
                s->initialDelay = static_cast<UINT>(value);
                s->autoPop = static_cast<UINT>(value) * 10;
            }
        }
        return 0;
    case TTM_ADDTOOLA: {
        ToolTipState* s = States().Get(hwnd);
        const auto* info = reinterpret_cast<const TOOLINFOA*>(lParam);
        if (s == nullptr || info == nullptr)
            return FALSE;
        Tool tool{info->uFlags, info->hwnd, info->uId, info->rect, TextOf(info)};
        s->tools.push_back(std::move(tool));
        if ((info->uFlags & TTF_SUBCLASS) != 0)
            WatchSubclassedTools(hwnd);
        return TRUE;
    }
    case TTM_DELTOOLA:
    case TTM_UPDATETIPTEXTA:
    case TTM_NEWTOOLRECTA:
    case TTM_GETTEXTA: {
        ToolTipState* s = States().Get(hwnd);
        auto* info = reinterpret_cast<TOOLINFOA*>(lParam);
        if (s == nullptr || info == nullptr)
            return 0;
        const auto it = std::find_if(s->tools.begin(), s->tools.end(), [&](const Tool& t) { return SameTool(t, info); });
        if (it == s->tools.end())
            return 0;
        if (message == TTM_DELTOOLA) {
            const int index = static_cast<int>(it - s->tools.begin());
            if (index == s->current)
                Hide(hwnd);
            s = States().Get(hwnd);
            if (s == nullptr)
                return 0;
            s->tools.erase(s->tools.begin() + index);
            if (s->current >= index)
                s->current = s->current == index ? -1 : s->current - 1;
        } else if (message == TTM_UPDATETIPTEXTA) {
            it->text = TextOf(info);
            if (s->shown && it - s->tools.begin() == s->current) {
                SetWindowTextA(hwnd, it->text.c_str());
                InvalidateRect(hwnd, nullptr, TRUE);
            }
        } else if (message == TTM_NEWTOOLRECTA) {
            it->rect = info->rect;
        } else if (info->lpszText != nullptr && !IS_INTRESOURCE(info->lpszText)) {
            // The caller's buffer is at least 80 bytes, as published.
            CopyTextOut(it->text, 80, reinterpret_cast<LPARAM>(info->lpszText));
        }
        return 0;
    }
    case TTM_GETTOOLCOUNT: {
        ToolTipState* s = States().Get(hwnd);
        return s != nullptr ? static_cast<LRESULT>(s->tools.size()) : 0;
    }
    case TTM_RELAYEVENT:
        if (const auto* msg = reinterpret_cast<const MSG*>(lParam))
            Relay(hwnd, *msg);
        return 0;
    case TTM_POP:
        Hide(hwnd);
        return 0;
    case TTM_SETMAXTIPWIDTH:
        return -1;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace user
