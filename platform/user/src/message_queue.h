// The thread's message queue: posted messages and raw input in arrival
// order.  Raw input becomes a window message only when it is taken, so the
// capture, hit testing and key state of that moment decide where it goes.
// Posting is safe from any thread; everything else runs on the
// user-interface thread.
#pragma once

#include "platform/backend.h"
#include "platform/user.h"

#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>

namespace user {

struct RawInput {
    enum class Kind {
        MouseMove,
        MouseButton,
        MouseWheel,
        Key,
        Text,
        Close,
        Activation,
        Geometry,
        ShowState,
        Descriptor,
    };
    Kind kind = Kind::MouseMove;
    platform::NativeWindowId window = 0;
    POINT pt{0, 0};
    platform::MouseButton button = platform::MouseButton::Left;
    bool down = false;   // buttons and keys; for Activation: active
    int delta = 0;       // wheel
    UINT vk = 0;
    std::string text;
    RECT rect{};         // Geometry
    platform::ShowState state = platform::ShowState::Normal;
    int fd = -1;         // Descriptor
    unsigned events = 0; // Descriptor
    DWORD time = 0;
};

struct QueueItem {
    std::uint64_t seq = 0;
    std::optional<RawInput> raw; // set: raw input not yet turned into a message
    MSG msg{};
};

class MessageQueue {
public:
    void Post(const MSG& msg);
    // Ahead of everything queued (the characters TranslateMessage makes).
    void PostFront(const MSG& msg);
    void PushRaw(RawInput raw);

    // Takes the first item, in order, for which `match` is true.
    template <typename Match>
    std::optional<QueueItem> TakeFirst(Match match);
    // Puts an item back where its sequence number says.
    void Restore(QueueItem item);
    // Index-free scan: returns a copy of the first item matching.
    template <typename Match>
    std::optional<QueueItem> PeekFirst(Match match);
    template <typename Pred>
    void RemoveIf(Pred pred);

    std::uint64_t Arrivals() const;
    bool EmptyOfMessages();
    void Clear();

private:
    mutable std::mutex mutex_;
    std::deque<QueueItem> items_;
    // Items pushed to the front count down from the first item's number,
    // so numbering starts high enough never to reach zero.
    std::uint64_t nextSeq_ = std::uint64_t{1} << 40;
    std::uint64_t arrivals_ = 0;
};

template <typename Match>
std::optional<QueueItem> MessageQueue::TakeFirst(Match match)
{
    std::lock_guard lock(mutex_);
    for (auto it = items_.begin(); it != items_.end(); ++it) {
        if (match(*it)) {
            QueueItem item = std::move(*it);
            items_.erase(it);
            return item;
        }
    }
    return std::nullopt;
}

template <typename Match>
std::optional<QueueItem> MessageQueue::PeekFirst(Match match)
{
    std::lock_guard lock(mutex_);
    for (const auto& item : items_)
        if (match(item))
            return item;
    return std::nullopt;
}

template <typename Pred>
void MessageQueue::RemoveIf(Pred pred)
{
    std::lock_guard lock(mutex_);
    std::erase_if(items_, pred);
}

} // namespace user
