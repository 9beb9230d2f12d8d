#include "message_queue.h"

#include <algorithm>

namespace user {

void MessageQueue::Post(const MSG& msg)
{
    std::lock_guard lock(mutex_);
    QueueItem item;
    item.seq = nextSeq_++;
    item.msg = msg;
    items_.push_back(std::move(item));
    ++arrivals_;
}

void MessageQueue::PostFront(const MSG& msg)
{
    std::lock_guard lock(mutex_);
    QueueItem item;
    // Sequence numbers of front items sort before every posted one.
    item.seq = items_.empty() ? nextSeq_++ : items_.front().seq - 1;
    item.msg = msg;
    items_.push_front(std::move(item));
    ++arrivals_;
}

void MessageQueue::PushRaw(RawInput raw)
{
    std::lock_guard lock(mutex_);
    QueueItem item;
    item.seq = nextSeq_++;
    item.raw = std::move(raw);
    items_.push_back(std::move(item));
    ++arrivals_;
}

void MessageQueue::Restore(QueueItem item)
{
    std::lock_guard lock(mutex_);
    const auto at = std::find_if(items_.begin(), items_.end(),
                                 [&](const QueueItem& other) { return other.seq > item.seq; });
    items_.insert(at, std::move(item));
}

std::uint64_t MessageQueue::Arrivals() const
{
    std::lock_guard lock(mutex_);
    return arrivals_;
}

bool MessageQueue::EmptyOfMessages()
{
    std::lock_guard lock(mutex_);
    return items_.empty();
}

void MessageQueue::Clear()
{
    std::lock_guard lock(mutex_);
    items_.clear();
}

} // namespace user
