// Scoped GDI objects for the image core: a memory device context with one
// object selected into it, and a GDI object deleted at the end of a scope.
#pragma once

#include "platform/gdi.h"

namespace pixkit {

// A memory DC compatible with `like` (null: the screen) holding `object`.
// The DC's own object is selected back before the DC goes, so that the
// caller's bitmap is never left selected.
class MemoryDC {
public:
    MemoryDC(HDC like, HGDIOBJ object) : m_dc(CreateCompatibleDC(like))
    {
        if (m_dc != nullptr && object != nullptr)
            m_old = SelectObject(m_dc, object);
    }
    ~MemoryDC()
    {
        if (m_dc == nullptr)
            return;
        if (m_old != nullptr && m_old != HGDI_ERROR)
            SelectObject(m_dc, m_old);
        DeleteDC(m_dc);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;

    HDC Get() const { return m_dc; }
    bool IsReady() const { return m_dc != nullptr && m_old != nullptr && m_old != HGDI_ERROR; }

private:
    HDC m_dc;
    HGDIOBJ m_old = nullptr;
};

class ScopedObject {
public:
    explicit ScopedObject(HGDIOBJ object) : m_object(object) {}
    ~ScopedObject()
    {
        if (m_object != nullptr)
            DeleteObject(m_object);
    }
    ScopedObject(const ScopedObject&) = delete;
    ScopedObject& operator=(const ScopedObject&) = delete;

    HGDIOBJ Get() const { return m_object; }

private:
    HGDIOBJ m_object;
};

} // namespace pixkit
