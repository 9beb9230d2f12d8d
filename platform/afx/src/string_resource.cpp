// CString::LoadString, kept apart so the string class itself needs only
// the standard library.
#include "platform/afx_app.h"
#include "platform/afx_string.h"
#include "platform/user_dialog.h"

BOOL CString::LoadString(UINT id)
{
    LPSTR text = nullptr;
    // Size 0 asks for a pointer to the resource itself, whatever its length.
    const int length = ::LoadStringA(AfxGetResourceHandle(), id, reinterpret_cast<LPSTR>(&text), 0);
    if (length <= 0 || !text) {
        s_.clear();
        return FALSE;
    }
    s_.assign(text, static_cast<std::size_t>(length));
    return TRUE;
}
