// MessageBoxA: a modal dialog of our own, laid out around its text.
#include "dialog.h"

#include "platform/gdi_surface.h"

#include <algorithm>
#include <string>
#include <vector>

namespace user {
namespace {

struct Button {
    int id;
    const char* label;
};

std::vector<Button> ButtonsFor(UINT type)
{
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {{IDOK, "확인"}, {IDCANCEL, "취소"}};
    case MB_ABORTRETRYIGNORE:
        return {{IDABORT, "중단"}, {IDRETRY, "다시 시도"}, {IDIGNORE, "무시"}};
    case MB_YESNOCANCEL:
        return {{IDYES, "예"}, {IDNO, "아니요"}, {IDCANCEL, "취소"}};
    case MB_YESNO:
        return {{IDYES, "예"}, {IDNO, "아니요"}};
    case MB_RETRYCANCEL:
        return {{IDRETRY, "다시 시도"}, {IDCANCEL, "취소"}};
    default:
        return {{IDOK, "확인"}};
    }
}

const char* IconMark(UINT type)
{
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
        return "X";
    case MB_ICONQUESTION:
        return "?";
    case MB_ICONEXCLAMATION:
        return "!";
    case MB_ICONASTERISK:
        return "i";
    default:
        return nullptr;
    }
}

constexpr int kIconId = 0xFFF0;
constexpr int kTextId = 0xFFFF;

INT_PTR CALLBACK_MessageBox(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        return TRUE;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        const UINT type = static_cast<UINT>(GetWindowLongPtrA(dialog, DWLP_USER));
        const int id = LOWORD(wParam);
        if (id == IDCANCEL) {
            // Escape and close answer Cancel when there is one, OK when OK
            // is the only button, and nothing otherwise.
            if (GetDlgItem(dialog, IDCANCEL) != nullptr)
                EndDialog(dialog, IDCANCEL);
            else if ((type & MB_TYPEMASK) == MB_OK)
                EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (const HWND button = GetDlgItem(dialog, id); button != nullptr && IsWindowEnabled(button))
            EndDialog(dialog, id);
        return TRUE;
    }
    if (message == WM_CTLCOLORSTATIC && GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == kIconId) {
        SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_HIGHLIGHTTEXT));
        return static_cast<INT_PTR>(COLOR_HIGHLIGHT + 1);
    }
    return FALSE;
}

} // namespace
} // namespace user

using namespace user;

extern "C" int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    EnsureSystemClasses();
    const std::string body = text != nullptr ? text : "";
    const std::string title = caption != nullptr ? caption : "오류";

    UserDialogTemplate t;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER;
    t.faceName = "굴림";
    t.pointSize = 9;
    t.caption = title;
    if ((type & MB_TOPMOST) != 0 || (type & MB_SYSTEMMODAL) != 0)
        t.exStyle |= WS_EX_TOPMOST;

    // Measure the text in the dialog's font to size the box in dialog units.
    HFONT font = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, t.faceName.c_str());
    SIZE base{8, 16};
    RECT textRect{0, 0, 400, 0};
    if (HDC dc = CreateCompatibleDC(nullptr)) {
        const HGDIOBJ old = SelectObject(dc, font != nullptr ? font : GetStockObject(SYSTEM_FONT));
        GdiGetDialogBaseUnits(dc, &base);
        DrawTextA(dc, body.c_str(), -1, &textRect, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        SelectObject(dc, old);
        DeleteDC(dc);
    }
    if (font != nullptr)
        DeleteObject(font);
    base.cx = std::max<LONG>(base.cx, 1);
    base.cy = std::max<LONG>(base.cy, 1);
    auto toDuX = [&](int px) { return static_cast<short>((px * 4 + base.cx - 1) / base.cx); };
    auto toDuY = [&](int px) { return static_cast<short>((px * 8 + base.cy - 1) / base.cy); };

    const char* mark = IconMark(type);
    const short margin = 7;
    const short iconSize = mark != nullptr ? 20 : 0;
    const short textX = static_cast<short>(margin + (mark != nullptr ? iconSize + 7 : 0));
    const short textW = std::max<short>(toDuX(textRect.right - textRect.left) + 2, 20);
    const short textH = std::max<short>(toDuY(textRect.bottom - textRect.top), 8);
    const std::vector<Button> buttons = ButtonsFor(type);
    const short buttonW = 50;
    const short buttonH = 14;
    const short gap = 4;
    const short buttonsW = static_cast<short>(buttons.size() * buttonW + (buttons.size() - 1) * gap);
    const short contentH = std::max(textH, iconSize);
    t.cx = static_cast<short>(std::max<int>(textX + textW + margin, buttonsW + 2 * margin));
    t.cy = static_cast<short>(margin + contentH + margin + buttonH + margin);

    if (mark != nullptr)
        t.items.push_back({WC_STATIC, mark, 0, kIconId, margin, margin, iconSize, iconSize,
                           WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX, 0});
    t.items.push_back({WC_STATIC, body, 0, kTextId, textX, margin, textW, textH, WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0});
    std::size_t defIndex = ((type & MB_DEFMASK) >> 8);
    if (defIndex >= buttons.size())
        defIndex = 0;
    short x = static_cast<short>((t.cx - buttonsW) / 2);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const DWORD kind = i == defIndex ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        DWORD style = WS_VISIBLE | WS_TABSTOP | kind;
        if (i == 0)
            style |= WS_GROUP;
        t.items.push_back({WC_BUTTON, buttons[i].label, 0, buttons[i].id, x, static_cast<short>(t.cy - margin - buttonH),
                           buttonW, buttonH, style, 0});
        x = static_cast<short>(x + buttonW + gap);
    }
    // The default button comes first in the focus order.
    if (defIndex != 0) {
        const std::size_t first = t.items.size() - buttons.size();
        std::rotate(t.items.begin() + static_cast<std::ptrdiff_t>(first),
                    t.items.begin() + static_cast<std::ptrdiff_t>(first + defIndex), t.items.end());
    }

    const HWND root = owner != nullptr ? GetAncestor(owner, GA_ROOT) : nullptr;
    const HWND dialog = CreateDialogFromTemplate(nullptr, t, root, CALLBACK_MessageBox, static_cast<LPARAM>(type), true);
    if (dialog == nullptr)
        return 0;
    platform::ModalDialogInfo info;
    info.messageBox = true;
    info.caption = title;
    info.text = body;
    info.type = type;
    for (const Button& b : buttons)
        info.buttons.push_back(b.id);
    MessageBeep(type & MB_ICONMASK);
    return static_cast<int>(RunModalDialog(dialog, root, std::move(info)));
}
