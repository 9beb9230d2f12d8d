// The built-in window classes and the helpers the controls share.
#include "controls.h"

#include <cstring>

namespace user {

void EnsureSystemClasses()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    struct Entry {
        const char* name;
        WNDPROC proc;
        UINT style;
        int wndExtra;
        int background;
        LPCSTR cursor;
    };
    // Dialog windows keep DWLP_MSGRESULT, DWLP_DLGPROC and DWLP_USER in
    // their extra bytes, where programs read and write them.
    const Entry entries[] = {
        {WC_DIALOG, DefDlgProcA, CS_DBLCLKS | CS_SAVEBITS, DWLP_USER + 8, COLOR_3DFACE + 1, IDC_ARROW},
        {WC_STATIC, StaticProc, CS_DBLCLKS | CS_PARENTDC, 0, 0, IDC_ARROW},
        {WC_BUTTON, ButtonProc, CS_DBLCLKS | CS_PARENTDC, 0, 0, IDC_ARROW},
        {WC_EDIT, EditProc, CS_DBLCLKS | CS_PARENTDC, 0, 0, IDC_IBEAM},
        {UPDOWN_CLASS, UpDownProc, 0, 0, 0, IDC_ARROW},
        {TOOLTIPS_CLASS, ToolTipProc, CS_SAVEBITS, 0, 0, IDC_ARROW},
        {kUserAxHostClass, AxHostProc, 0, 0, COLOR_WINDOW + 1, IDC_ARROW},
    };
    for (const Entry& e : entries) {
        WNDCLASSA wc{};
        wc.style = e.style | CS_GLOBALCLASS;
        wc.lpfnWndProc = e.proc;
        wc.cbWndExtra = e.wndExtra;
        wc.hCursor = LoadCursorA(nullptr, e.cursor);
        wc.hbrBackground = e.background != 0 ? reinterpret_cast<HBRUSH>(static_cast<std::intptr_t>(e.background))
                                             : nullptr;
        wc.lpszClassName = e.name;
        RegisterClassA(&wc);
    }
}

void NotifyParent(HWND control, WORD code)
{
    const HWND parent = GetParent(control);
    if (parent == nullptr)
        return;
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(control)), code),
                 reinterpret_cast<LPARAM>(control));
}

HFONT ControlFont(HFONT chosen)
{
    return chosen != nullptr ? chosen : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void FillWithColor(HDC dc, const RECT& rect, int sysColor)
{
    FillRect(dc, &rect, reinterpret_cast<HBRUSH>(static_cast<std::intptr_t>(sysColor + 1)));
}

void FrameWithColor(HDC dc, const RECT& rect, int sysColor, int width)
{
    const RECT edges[] = {
        {rect.left, rect.top, rect.right, rect.top + width},
        {rect.left, rect.bottom - width, rect.right, rect.bottom},
        {rect.left, rect.top, rect.left + width, rect.bottom},
        {rect.right - width, rect.top, rect.right, rect.bottom},
    };
    for (const RECT& r : edges)
        if (r.right > r.left && r.bottom > r.top)
            FillWithColor(dc, r, sysColor);
}

void FillControlBackground(HWND control, HDC dc, UINT ctlColorMessage, const RECT& rect, int fallbackColor)
{
    SetTextColor(dc, GetSysColor(ctlColorMessage == WM_CTLCOLOREDIT ? COLOR_WINDOWTEXT : COLOR_BTNTEXT));
    SetBkColor(dc, GetSysColor(fallbackColor));
    HBRUSH brush = nullptr;
    if (const HWND parent = GetParent(control))
        brush = reinterpret_cast<HBRUSH>(
            SendMessageA(parent, ctlColorMessage, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    if (brush != nullptr)
        FillRect(dc, &rect, brush);
    else
        FillWithColor(dc, rect, fallbackColor);
}

int Utf8SequenceLength(unsigned char lead)
{
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    if (lead >= 0xE0)
        return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2)
        return 2;
    return 1;
}

namespace {
bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }
} // namespace

std::size_t Utf8Prev(const std::string& s, std::size_t pos)
{
    if (pos == 0)
        return 0;
    std::size_t p = pos - 1;
    while (p > 0 && pos - p < 4 && IsContinuation(static_cast<unsigned char>(s[p])))
        --p;
    return p;
}

std::size_t Utf8Next(const std::string& s, std::size_t pos)
{
    if (pos >= s.size())
        return s.size();
    std::size_t p = pos + 1;
    while (p < s.size() && p - pos < 4 && IsContinuation(static_cast<unsigned char>(s[p])))
        ++p;
    return p;
}

std::size_t Utf8Count(const std::string& s)
{
    std::size_t n = 0;
    for (std::size_t p = 0; p < s.size(); p = Utf8Next(s, p))
        ++n;
    return n;
}

std::size_t Utf8FitBytes(const std::string& s, std::size_t bytes)
{
    if (bytes >= s.size())
        return s.size();
    std::size_t p = bytes;
    while (p > 0 && IsContinuation(static_cast<unsigned char>(s[p])))
        --p;
    return p;
}

LRESULT CopyTextOut(const std::string& text, WPARAM size, LPARAM buffer)
{
    char* out = reinterpret_cast<char*>(buffer);
    if (out == nullptr || size == 0)
        return 0;
    const std::size_t n = Utf8FitBytes(text, static_cast<std::size_t>(size) - 1);
    std::memcpy(out, text.data(), n);
    out[n] = '\0';
    return static_cast<LRESULT>(n);
}

} // namespace user
