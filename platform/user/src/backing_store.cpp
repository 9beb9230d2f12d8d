#include "backing_store.h"

#include <algorithm>
#include <cstring>

namespace user {

void BackingStore::Resize(int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (buffer_ && buffer_->width == width && buffer_->height == height)
        return;
    auto next = std::make_shared<StoreBuffer>();
    next->width = width;
    next->height = height;
    next->pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0u);
    if (buffer_) {
        const int w = std::min(width, buffer_->width);
        const int h = std::min(height, buffer_->height);
        for (int y = 0; y < h; ++y)
            std::memcpy(&next->pixels[static_cast<std::size_t>(y) * width],
                        &buffer_->pixels[static_cast<std::size_t>(y) * buffer_->width], sizeof(std::uint32_t) * w);
    }
    // DCs still holding the previous buffer keep it alive until released.
    buffer_ = std::move(next);
}

} // namespace user
