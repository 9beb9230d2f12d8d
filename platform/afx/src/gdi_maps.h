// The handle maps of the drawing classes, shared by their sources.
#pragma once

#include "handle_maps.h"
#include "platform/afx_gdi.h"

namespace afx {

HandleMap<HGDIOBJ, CGdiObject>& GdiMap();
HandleMap<HDC, CDC>& DcMap();

// The permanent object of `h` if it is a T, else a temporary T.
template <class T>
T* GdiFromHandle(HGDIOBJ h)
{
    if (!h)
        return nullptr;
    if (auto* owned = dynamic_cast<T*>(GdiMap().LookupPermanent(h)))
        return owned;
    return GdiMap().Temporary<T>(h);
}

} // namespace afx
