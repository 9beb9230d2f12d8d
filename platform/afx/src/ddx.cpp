#include "platform/afx_app.h"
#include "platform/afx_dialog.h"

#include <cstdint>
#include <cstdio>

HWND CDataExchange::PrepareCtrl(int id)
{
    m_hWndLastControl = m_pDlgWnd ? ::GetDlgItem(m_pDlgWnd->m_hWnd, id) : nullptr;
    m_bEditLastControl = FALSE;
    return m_hWndLastControl;
}

HWND CDataExchange::PrepareEditCtrl(int id)
{
    HWND hwnd = PrepareCtrl(id);
    m_bEditLastControl = TRUE;
    return hwnd;
}

void CDataExchange::Fail()
{
    m_bFailed = true;
    if (!m_bSaveAndValidate || !m_hWndLastControl || !m_pDlgWnd)
        return;
    // Through the dialog, so the default button follows the focus.
    ::SendMessageA(m_pDlgWnd->m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_hWndLastControl), 1);
    if (::GetFocus() != m_hWndLastControl)
        ::SetFocus(m_hWndLastControl);
    if (m_bEditLastControl)
        ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control)
{
    if (!dx || dx->Failed() || control.m_hWnd)
        return;
    HWND hwnd = dx->PrepareCtrl(id);
    if (hwnd)
        control.SubclassWindow(hwnd);
}

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Blanks, digits (at least one), blanks; the value must fit in `limit`.
bool ParseDigits(const char*& p, std::uint64_t limit, std::uint64_t& value)
{
    value = 0;
    const char* start = p;
    while (*p >= '0' && *p <= '9') {
        value = value * 10 + static_cast<std::uint64_t>(*p - '0');
        if (value > limit)
            return false;
        ++p;
    }
    return p != start;
}

bool AtEnd(const char* p)
{
    while (IsBlank(*p))
        ++p;
    return *p == '\0';
}

CString TextOf(HWND hwnd)
{
    CString text;
    if (CWnd* wnd = CWnd::FromHandle(hwnd))
        wnd->GetWindowText(text);
    return text;
}

} // namespace

bool AfxParseUInt(LPCSTR text, UINT& value)
{
    if (!text)
        return false;
    const char* p = text;
    while (IsBlank(*p))
        ++p;
    std::uint64_t v = 0;
    if (!ParseDigits(p, 0xFFFFFFFFull, v) || !AtEnd(p))
        return false;
    value = static_cast<UINT>(v);
    return true;
}

bool AfxParseInt(LPCSTR text, int& value)
{
    if (!text)
        return false;
    const char* p = text;
    while (IsBlank(*p))
        ++p;
    bool negative = false;
    if (*p == '-' || *p == '+') {
        negative = *p == '-';
        ++p;
    }
    std::uint64_t v = 0;
    if (!ParseDigits(p, negative ? 0x80000000ull : 0x7FFFFFFFull, v) || !AtEnd(p))
        return false;
    value = negative ? static_cast<int>(-static_cast<std::int64_t>(v)) : static_cast<int>(v);
    return true;
}

void DDX_Text(CDataExchange* dx, int id, CString& value)
{
    if (!dx || dx->Failed())
        return;
    HWND hwnd = dx->PrepareEditCtrl(id);
    if (!hwnd)
        return;
    if (dx->m_bSaveAndValidate)
        value = TextOf(hwnd);
    else
        ::SetWindowTextA(hwnd, value);
}

namespace {

// The numeric exchanges differ only in how text is read and written and in
// the prompt shown when it is not a number of their kind.
template <typename T>
void ExchangeNumber(CDataExchange* dx, int id, T& value, bool (*parse)(LPCSTR, T&), UINT prompt, const char* format)
{
    if (!dx || dx->Failed())
        return;
    HWND hwnd = dx->PrepareEditCtrl(id);
    if (!hwnd)
        return;
    if (dx->m_bSaveAndValidate) {
        T parsed{};
        if (!parse(TextOf(hwnd), parsed)) {
            AfxMessageBox(prompt);
            dx->Fail();
            return;
        }
        value = parsed;
    } else {
        char text[16];
        std::snprintf(text, sizeof text, format, value);
        ::SetWindowTextA(hwnd, text);
    }
}

} // namespace

void DDX_Text(CDataExchange* dx, int id, int& value)
{
    ExchangeNumber(dx, id, value, &AfxParseInt, AFX_IDP_PARSE_INT, "%d");
}

void DDX_Text(CDataExchange* dx, int id, UINT& value)
{
    ExchangeNumber(dx, id, value, &AfxParseUInt, AFX_IDP_PARSE_UINT, "%u");
}
