// Handles to ARGB images, for cursors and icons alike: a handle is a key
// into the table, never reused; a shared image is never destroyed.
#pragma once

#include "platform/backend.h"

#include <cstdint>
#include <map>

namespace user {

template <typename Handle>
class ImageTable {
public:
    // Handles count up from `first`; the kinds use apart ranges, so a
    // handle of one kind is never mistaken for another.
    explicit ImageTable(std::uintptr_t first) : next_(first) {}

    Handle Add(platform::CursorImage image, bool shared)
    {
        const auto h = reinterpret_cast<Handle>(next_);
        next_ += 2;
        entries_.emplace(h, Entry{std::move(image), shared});
        return h;
    }

    // The image of a live handle; null for a stale one.
    const platform::CursorImage* Find(Handle h) const
    {
        const auto it = entries_.find(h);
        return it == entries_.end() ? nullptr : &it->second.image;
    }

    // False for shared images and stale handles.
    bool Destroy(Handle h)
    {
        const auto it = entries_.find(h);
        if (it == entries_.end() || it->second.shared)
            return false;
        entries_.erase(it);
        return true;
    }

private:
    struct Entry {
        platform::CursorImage image;
        bool shared = false;
    };
    std::map<Handle, Entry> entries_;
    std::uintptr_t next_;
};

} // namespace user
