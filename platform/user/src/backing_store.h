// The pixels of a top-level window: 32-bit BGRX, top row first, the size of
// the window.  Window DCs draw into it; the backend is shown parts of it.
// A DC keeps the buffer it was made over alive, so a resize while a DC is
// out never leaves that DC drawing into freed memory.
#pragma once

#include "platform/backend.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace user {

struct StoreBuffer {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    int Pitch() const { return width * 4; }
    platform::PixelView View() const { return {pixels.data(), width, height, Pitch()}; }
};

class BackingStore {
public:
    // Keeps the overlapping top-left part; new pixels are black.
    void Resize(int width, int height);
    const std::shared_ptr<StoreBuffer>& Buffer() const { return buffer_; }
    bool Empty() const { return !buffer_ || buffer_->width <= 0 || buffer_->height <= 0; }

private:
    std::shared_ptr<StoreBuffer> buffer_;
};

} // namespace user
