// Dialogs from templates: dialog units to pixels, the dialog window, its
// controls and WM_INITDIALOG.
#include "dialog.h"

#include "platform/gdi_surface.h"
#include "platform/user_runtime.h"
#include "resources.h"

#include <string>

namespace user {
namespace {

int MulDivRound(int value, int numerator, int denominator)
{
    if (denominator == 0)
        return 0;
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

bool UsesTemplateFont(const UserDialogTemplate& t)
{
    return (t.style & DS_SETFONT) != 0 && !t.faceName.empty() && t.pointSize > 0;
}

SIZE BaseUnitsOf(HFONT font)
{
    SIZE units{8, 16};
    if (HDC dc = CreateCompatibleDC(nullptr)) {
        SelectObject(dc, font);
        SIZE measured{};
        if (GdiGetDialogBaseUnits(dc, &measured) && measured.cx > 0 && measured.cy > 0)
            units = measured;
        DeleteDC(dc);
    }
    return units;
}

RECT ToPixels(const SIZE& base, int x, int y, int cx, int cy)
{
    RECT r{};
    r.left = MulDivRound(x, base.cx, 4);
    r.top = MulDivRound(y, base.cy, 8);
    r.right = r.left + MulDivRound(cx, base.cx, 4);
    r.bottom = r.top + MulDivRound(cy, base.cy, 8);
    return r;
}

// What the dialog procedure of a dialog being created is, until its window
// exists to hold it (WM_NCCREATE).
struct Creating {
    DLGPROC proc = nullptr;
    DialogState state;
};
Creating* g_creating = nullptr;

} // namespace

StateMap<DialogState>& Dialogs()
{
    static StateMap<DialogState> dialogs;
    return dialogs;
}

void AdoptCreatingDialog(HWND hwnd)
{
    if (g_creating == nullptr || Dialogs().Get(hwnd) != nullptr)
        return;
    DialogState& state = Dialogs().Create(hwnd);
    state = g_creating->state;
    SetWindowLongPtrA(hwnd, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(g_creating->proc));
    g_creating = nullptr;
}

HWND CreateDialogFromTemplate(HINSTANCE instance, const UserDialogTemplate& t, HWND owner, DLGPROC proc,
                              LPARAM param, bool modal)
{
    EnsureSystemClasses();
    const bool child = (t.style & WS_CHILD) != 0;
    if (child && owner == nullptr)
        return nullptr;

    Creating creating;
    creating.proc = proc;
    if (UsesTemplateFont(t)) {
        creating.state.font = CreateFontA(-MulDivRound(t.pointSize, 96, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0,
                                          DEFAULT_CHARSET, 0, 0, 0, 0, t.faceName.c_str());
        creating.state.ownsFont = creating.state.font != nullptr;
    }
    if (creating.state.font == nullptr)
        creating.state.font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    creating.state.baseUnits = BaseUnitsOf(creating.state.font);
    if (modal)
        creating.state.modal = std::make_shared<ModalOutcome>();
    const SIZE base = creating.state.baseUnits;

    // The template places the client area in dialog units, relative to the
    // owner's client area (or the screen with DS_ABSALIGN).
    RECT rect = ToPixels(base, t.x, t.y, t.cx, t.cy);
    AdjustWindowRectEx(&rect, t.style, FALSE, t.exStyle);
    if (!child && owner != nullptr && (t.style & DS_ABSALIGN) == 0) {
        POINT origin{0, 0};
        ClientToScreen(owner, &origin);
        OffsetRect(&rect, origin.x, origin.y);
    }
    if ((t.style & DS_CENTER) != 0 && !child) {
        RECT area{};
        if (owner != nullptr && IsWindowVisible(owner))
            GetWindowRect(owner, &area);
        else
            SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
        const int w = rect.right - rect.left;
        const int h = rect.bottom - rect.top;
        rect.left = area.left + (area.right - area.left - w) / 2;
        rect.top = area.top + (area.bottom - area.top - h) / 2;
        rect.right = rect.left + w;
        rect.bottom = rect.top + h;
    }

    DWORD exStyle = t.exStyle;
    if ((t.style & DS_MODALFRAME) != 0)
        exStyle |= WS_EX_DLGMODALFRAME;
    if ((t.style & DS_CONTROL) != 0)
        exStyle |= WS_EX_CONTROLPARENT;
    const DWORD style = t.style & ~WS_VISIBLE;

    g_creating = &creating;
    const HWND dialog = CreateWindowExA(exStyle, WC_DIALOG, t.caption.c_str(), style, rect.left, rect.top,
                                        rect.right - rect.left, rect.bottom - rect.top, owner, nullptr, instance,
                                        nullptr);
    // Dialog classes of the program's own that do not reach DefDlgProcA at
    // WM_NCCREATE get their record here.
    if (dialog != nullptr)
        AdoptCreatingDialog(dialog);
    g_creating = nullptr;
    if (dialog == nullptr) {
        if (creating.state.ownsFont)
            DeleteObject(creating.state.font);
        return nullptr;
    }
    const HFONT font = creating.state.font;
    if (UsesTemplateFont(t))
        SendMessageA(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

    for (const UserDialogItem& item : t.items) {
        if (!IsWindow(dialog))
            return nullptr;
        const RECT r = ToPixels(base, item.x, item.y, item.cx, item.cy);
        const bool activeX = !item.className.empty() && item.className[0] == '{';
        const std::string className = activeX ? std::string(kUserAxHostClass) : item.className;
        // A resource in place of the text travels as "#id", as resource
        // names do.
        const std::string text = item.resourceId != 0 ? "#" + std::to_string(item.resourceId) : item.text;
        const HWND control = CreateWindowExA(
            item.exStyle | WS_EX_NOPARENTNOTIFY, className.c_str(), text.c_str(), item.style | WS_CHILD, r.left,
            r.top, r.right - r.left, r.bottom - r.top, dialog,
            reinterpret_cast<HMENU>(static_cast<std::intptr_t>(static_cast<WORD>(item.id))), instance, nullptr);
        if (control == nullptr) {
            if ((t.style & DS_NOFAILCREATE) != 0)
                continue;
            DestroyWindow(dialog);
            return nullptr;
        }
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (className == WC_BUTTON && (item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
            if (DialogState* state = Dialogs().Get(dialog); state != nullptr && state->defId == 0)
                state->defId = static_cast<WORD>(item.id);
        }
    }

    const HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
    const LRESULT setFocus = SendMessageA(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param);
    if (!IsWindow(dialog))
        return nullptr;
    if (DialogState* state = Dialogs().Get(dialog); state != nullptr && setFocus != 0 && first != nullptr)
        state->savedFocus = first;
    const bool ended = modal && Dialogs().Get(dialog) != nullptr && Dialogs().Get(dialog)->modal->ended;
    if ((t.style & WS_VISIBLE) != 0 && !ended && !modal)
        ShowWindow(dialog, child ? SW_SHOWNA : SW_SHOWNORMAL);
    if (setFocus != 0 && first != nullptr && IsWindowVisible(dialog))
        DialogSetFocus(dialog, first);
    return dialog;
}

} // namespace user

using namespace user;

extern "C" {

HWND CreateDialogIndirectParamA(HINSTANCE instance, const UserDialogTemplate* dialogTemplate, HWND owner,
                                DLGPROC proc, LPARAM param)
{
    if (dialogTemplate == nullptr)
        return nullptr;
    return CreateDialogFromTemplate(instance, *dialogTemplate, owner, proc, param, false);
}

HWND CreateDialogParamA(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC proc, LPARAM param)
{
    WORD id = 0;
    if (!ResourceId(templateName, id))
        return nullptr;
    return CreateDialogIndirectParamA(instance, UserFindDialogTemplate(id), owner, proc, param);
}

BOOL MapDialogRect(HWND dialog, RECT* rect)
{
    const DialogState* state = Dialogs().Get(dialog);
    if (state == nullptr || rect == nullptr)
        return FALSE;
    const SIZE b = state->baseUnits;
    *rect = RECT{MulDivRound(rect->left, b.cx, 4), MulDivRound(rect->top, b.cy, 8), MulDivRound(rect->right, b.cx, 4),
                 MulDivRound(rect->bottom, b.cy, 8)};
    return TRUE;
}

LONG GetDialogBaseUnits()
{
    const SIZE b = BaseUnitsOf(static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
    return MAKELONG(static_cast<WORD>(b.cx), static_cast<WORD>(b.cy));
}

} // extern "C"
