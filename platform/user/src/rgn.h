// A GDI region owned by the runtime, with the few operations the window
// tree needs.  An Rgn without a handle is the empty region; handles are
// made on first need, so most windows never hold one.
#pragma once

#include "platform/gdi.h"

#include <vector>

namespace user {

class Rgn {
public:
    Rgn() = default;
    explicit Rgn(const RECT& rect);
    ~Rgn();
    Rgn(Rgn&& other) noexcept;
    Rgn& operator=(Rgn&& other) noexcept;
    Rgn(const Rgn&) = delete;
    Rgn& operator=(const Rgn&) = delete;

    // A copy of `region`; empty when it is null or stale.
    static Rgn CopyOf(HRGN region);
    Rgn Copy() const;

    bool Empty() const;
    RECT Box() const; // all zero when empty
    bool Contains(POINT p) const;
    std::vector<RECT> Rects() const;

    void Clear();
    void Unite(const Rgn& other);
    void Unite(const RECT& rect);
    void Intersect(const Rgn& other);
    void Intersect(const RECT& rect);
    void Subtract(const Rgn& other);
    void Subtract(const RECT& rect);
    void Offset(int dx, int dy);

    // The handle, for GDI calls that only read it; null when empty.
    HRGN Handle() const { return handle_; }
    // Copies this region into `target` (a caller's region); returns the
    // region kind as GDI reports it.
    int CopyInto(HRGN target) const;

private:
    void Combine(HRGN other, int mode);
    HRGN handle_ = nullptr;
};

bool RectEmpty(const RECT& r);
RECT RectIntersection(const RECT& a, const RECT& b);
RECT RectUnion(const RECT& a, const RECT& b);
RECT RectOffset(RECT r, int dx, int dy);
bool RectContains(const RECT& r, POINT p);

} // namespace user
