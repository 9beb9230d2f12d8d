#include "platform/afx_app.h"
#include "platform/afx_wnd.h"

#include <cstdio>
#include <mutex>
#include <set>
#include <string>

LPCSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon)
{
    // One class per distinct set of arguments, named after them; the names
    // live as long as the process.
    static std::set<std::string> names;
    char name[96];
    std::snprintf(name, sizeof name, "Afx:%x:%p:%p:%p", classStyle, static_cast<void*>(cursor),
                  static_cast<void*>(background), static_cast<void*>(icon));
    WNDCLASSA existing{};
    auto [it, added] = names.insert(name);
    if (!::GetClassInfoA(AfxGetInstanceHandle(), name, &existing)) {
        WNDCLASSA wc{};
        wc.style = classStyle;
        wc.lpfnWndProc = &AfxWndProc;
        wc.hInstance = AfxGetInstanceHandle();
        wc.hIcon = icon;
        wc.hCursor = cursor;
        wc.hbrBackground = background;
        wc.lpszClassName = it->c_str();
        if (!::RegisterClassA(&wc)) {
            if (added)
                names.erase(it);
            return nullptr;
        }
    }
    return it->c_str();
}
