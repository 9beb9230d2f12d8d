#include "rgn.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

namespace user {

bool RectEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

RECT RectIntersection(const RECT& a, const RECT& b)
{
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (RectEmpty(r))
        return RECT{0, 0, 0, 0};
    return r;
}

RECT RectUnion(const RECT& a, const RECT& b)
{
    if (RectEmpty(a))
        return b;
    if (RectEmpty(b))
        return a;
    return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

RECT RectOffset(RECT r, int dx, int dy)
{
    r.left += dx;
    r.right += dx;
    r.top += dy;
    r.bottom += dy;
    return r;
}

bool RectContains(const RECT& r, POINT p)
{
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

Rgn::Rgn(const RECT& rect)
{
    if (!RectEmpty(rect))
        handle_ = CreateRectRgnIndirect(&rect);
}

Rgn::~Rgn() { Clear(); }

Rgn::Rgn(Rgn&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}

Rgn& Rgn::operator=(Rgn&& other) noexcept
{
    if (this != &other) {
        Clear();
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

Rgn Rgn::CopyOf(HRGN region)
{
    Rgn copy;
    if (region == nullptr)
        return copy;
    copy.handle_ = CreateRectRgn(0, 0, 0, 0);
    if (copy.handle_ != nullptr && CombineRgn(copy.handle_, region, nullptr, RGN_COPY) == ERROR)
        copy.Clear();
    if (copy.Empty())
        copy.Clear();
    return copy;
}

Rgn Rgn::Copy() const { return CopyOf(handle_); }

bool Rgn::Empty() const
{
    if (handle_ == nullptr)
        return true;
    RECT box;
    return GetRgnBox(handle_, &box) <= NULLREGION;
}

RECT Rgn::Box() const
{
    RECT box{0, 0, 0, 0};
    if (handle_ == nullptr || GetRgnBox(handle_, &box) <= NULLREGION)
        return RECT{0, 0, 0, 0};
    return box;
}

bool Rgn::Contains(POINT p) const { return handle_ != nullptr && PtInRegion(handle_, p.x, p.y); }

std::vector<RECT> Rgn::Rects() const
{
    std::vector<RECT> rects;
    if (handle_ == nullptr)
        return rects;
    const DWORD size = GetRegionData(handle_, 0, nullptr);
    if (size < sizeof(RGNDATAHEADER))
        return rects;
    std::vector<std::uint8_t> bytes(size);
    auto* data = reinterpret_cast<RGNDATA*>(bytes.data());
    if (GetRegionData(handle_, size, data) == 0)
        return rects;
    const std::size_t available = (size - sizeof(RGNDATAHEADER)) / sizeof(RECT);
    const std::size_t count = std::min<std::size_t>(data->rdh.nCount, available);
    rects.resize(count);
    if (count != 0)
        std::memcpy(rects.data(), bytes.data() + sizeof(RGNDATAHEADER), count * sizeof(RECT));
    return rects;
}

void Rgn::Clear()
{
    if (handle_ != nullptr)
        DeleteObject(handle_);
    handle_ = nullptr;
}

void Rgn::Combine(HRGN other, int mode)
{
    if (handle_ == nullptr) {
        if (mode == RGN_OR && other != nullptr) {
            *this = CopyOf(other);
        }
        return; // empty AND / DIFF anything stays empty
    }
    if (other == nullptr) {
        if (mode == RGN_AND)
            Clear();
        return;
    }
    CombineRgn(handle_, handle_, other, mode);
}

void Rgn::Unite(const Rgn& other) { Combine(other.handle_, RGN_OR); }
void Rgn::Intersect(const Rgn& other) { Combine(other.handle_, RGN_AND); }
void Rgn::Subtract(const Rgn& other) { Combine(other.handle_, RGN_DIFF); }

void Rgn::Unite(const RECT& rect)
{
    Rgn r(rect);
    Unite(r);
}

void Rgn::Intersect(const RECT& rect)
{
    Rgn r(rect);
    Intersect(r);
}

void Rgn::Subtract(const RECT& rect)
{
    Rgn r(rect);
    Subtract(r);
}

void Rgn::Offset(int dx, int dy)
{
    if (handle_ != nullptr && (dx != 0 || dy != 0))
        OffsetRgn(handle_, dx, dy);
}

int Rgn::CopyInto(HRGN target) const
{
    if (target == nullptr)
        return ERROR;
    if (handle_ == nullptr)
        return SetRectRgn(target, 0, 0, 0, 0) ? NULLREGION : ERROR;
    return CombineRgn(target, handle_, nullptr, RGN_COPY);
}

} // namespace user
