// Registered window classes.  Names compare without regard to ASCII case,
// as on the platform; each class also has an atom.
#pragma once

#include "platform/user.h"

#include <memory>
#include <string>
#include <vector>

namespace user {

struct WindowClass {
    std::string name;
    ATOM atom = 0;
    UINT style = 0;
    WNDPROC proc = nullptr;
    int clsExtra = 0;
    int wndExtra = 0;
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
    HICON iconSmall = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    std::string menuName;
    std::uintptr_t menuId = 0;  // when the menu is named by number
    std::vector<std::uint8_t> extra;
    int windows = 0;            // live windows of the class
};

class ClassTable {
public:
    // Null and ERROR_CLASS_ALREADY_EXISTS when the name is taken.
    std::shared_ptr<WindowClass> Register(const WNDCLASSEXA& wc);
    // A name or an atom (MAKEINTATOM).
    std::shared_ptr<WindowClass> Find(LPCSTR nameOrAtom) const;
    bool Unregister(LPCSTR nameOrAtom);
    void Clear();

private:
    std::vector<std::shared_ptr<WindowClass>> classes_;
    ATOM nextAtom_ = 0xC000;
};

bool SameNameIgnoringCase(const std::string& a, const char* b);

} // namespace user
