// Calls on a dialog's controls by id.
#include "dialog.h"

#include <cerrno>
#include <cstdlib>
#include <string>

namespace user {
namespace {

// Parses a decimal integer with optional sign and surrounding blanks.
bool ParseInteger(const char* text, bool isSigned, long long& value)
{
    while (*text == ' ' || *text == '\t')
        ++text;
    if (*text == '\0')
        return false;
    if (!isSigned && *text == '-')
        return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtoll(text, &end, 10);
    if (end == text || errno == ERANGE)
        return false;
    while (*end == ' ' || *end == '\t')
        ++end;
    if (*end != '\0')
        return false;
    if (isSigned)
        return value >= INT32_MIN && value <= INT32_MAX;
    return value >= 0 && value <= static_cast<long long>(UINT32_MAX);
}

} // namespace
} // namespace user

using namespace user;

extern "C" {

BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text)
{
    const HWND control = GetDlgItem(dialog, id);
    return control != nullptr && SetWindowTextA(control, text != nullptr ? text : "");
}

UINT GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int size)
{
    if (buffer != nullptr && size > 0)
        buffer[0] = '\0';
    const HWND control = GetDlgItem(dialog, id);
    if (control == nullptr)
        return 0;
    return static_cast<UINT>(GetWindowTextA(control, buffer, size));
}

BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned)
{
    const std::string text =
        isSigned ? std::to_string(static_cast<int>(value)) : std::to_string(static_cast<unsigned>(value));
    return SetDlgItemTextA(dialog, id, text.c_str());
}

UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned)
{
    if (translated != nullptr)
        *translated = FALSE;
    const HWND control = GetDlgItem(dialog, id);
    if (control == nullptr)
        return 0;
    const int length = GetWindowTextLengthA(control);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(control, text.data(), length + 1);
    long long value = 0;
    if (!ParseInteger(text.c_str(), isSigned != 0, value))
        return 0;
    if (translated != nullptr)
        *translated = TRUE;
    return static_cast<UINT>(value);
}

LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam)
{
    const HWND control = GetDlgItem(dialog, id);
    return control != nullptr ? SendMessageA(control, message, wParam, lParam) : 0;
}

BOOL CheckDlgButton(HWND dialog, int id, UINT check)
{
    const HWND control = GetDlgItem(dialog, id);
    if (control == nullptr)
        return FALSE;
    SendMessageA(control, BM_SETCHECK, check, 0);
    return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id)
{
    const HWND control = GetDlgItem(dialog, id);
    return control != nullptr ? static_cast<UINT>(SendMessageA(control, BM_GETCHECK, 0, 0)) : 0;
}

BOOL CheckRadioButton(HWND dialog, int first, int last, int check)
{
    bool any = false;
    for (int id = first; id <= last; ++id) {
        if (const HWND control = GetDlgItem(dialog, id)) {
            SendMessageA(control, BM_SETCHECK, id == check ? BST_CHECKED : BST_UNCHECKED, 0);
            any = true;
        }
    }
    return any ? TRUE : FALSE;
}

} // extern "C"
