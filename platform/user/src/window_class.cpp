#include "window_class.h"

#include <algorithm>
#include <cctype>

namespace user {

bool SameNameIgnoringCase(const std::string& a, const char* b)
{
    if (b == nullptr)
        return false;
    std::size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return i == a.size() && b[i] == '\0';
}

std::shared_ptr<WindowClass> ClassTable::Register(const WNDCLASSEXA& wc)
{
    if (wc.lpszClassName == nullptr || IS_INTRESOURCE(wc.lpszClassName) || wc.lpszClassName[0] == '\0' ||
        wc.lpfnWndProc == nullptr || wc.cbClsExtra < 0 || wc.cbWndExtra < 0 || wc.cbClsExtra > 40960 ||
        wc.cbWndExtra > 40960) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (Find(wc.lpszClassName)) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return nullptr;
    }
    if (nextAtom_ == 0) { // wrapped: no atoms left
        SetLastError(ERROR_NOT_ENOUGH_QUOTA);
        return nullptr;
    }
    auto cls = std::make_shared<WindowClass>();
    cls->name = wc.lpszClassName;
    cls->atom = nextAtom_++;
    cls->style = wc.style;
    cls->proc = wc.lpfnWndProc;
    cls->clsExtra = wc.cbClsExtra;
    cls->wndExtra = wc.cbWndExtra;
    cls->instance = wc.hInstance;
    cls->icon = wc.hIcon;
    cls->iconSmall = wc.hIconSm;
    cls->cursor = wc.hCursor;
    cls->background = wc.hbrBackground;
    if (wc.lpszMenuName != nullptr) {
        if (IS_INTRESOURCE(wc.lpszMenuName))
            cls->menuId = reinterpret_cast<std::uintptr_t>(wc.lpszMenuName);
        else
            cls->menuName = wc.lpszMenuName;
    }
    cls->extra.assign(static_cast<std::size_t>(wc.cbClsExtra), 0);
    classes_.push_back(cls);
    return cls;
}

std::shared_ptr<WindowClass> ClassTable::Find(LPCSTR nameOrAtom) const
{
    if (nameOrAtom == nullptr)
        return nullptr;
    if (IS_INTRESOURCE(nameOrAtom)) {
        const auto atom = static_cast<ATOM>(reinterpret_cast<std::uintptr_t>(nameOrAtom));
        for (const auto& cls : classes_)
            if (cls->atom == atom)
                return cls;
        return nullptr;
    }
    for (const auto& cls : classes_)
        if (SameNameIgnoringCase(cls->name, nameOrAtom))
            return cls;
    return nullptr;
}

bool ClassTable::Unregister(LPCSTR nameOrAtom)
{
    const auto cls = Find(nameOrAtom);
    if (!cls) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return false;
    }
    if (cls->windows > 0) {
        SetLastError(ERROR_CLASS_HAS_WINDOWS);
        return false;
    }
    classes_.erase(std::find(classes_.begin(), classes_.end(), cls));
    return true;
}

void ClassTable::Clear() { classes_.clear(); }

} // namespace user
