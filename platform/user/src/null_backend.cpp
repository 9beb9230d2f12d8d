#include "null_backend.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace user {
namespace {

class NullBackend final : public platform::Backend {
public:
    const char* Name() const override { return "none"; }
    void Attach(platform::BackendSink*) override {}
    platform::NativeWindowId CreateNativeWindow(const platform::NativeWindowDesc&) override { return ++next_; }
    void DestroyNativeWindow(platform::NativeWindowId) override {}
    void SetGeometry(platform::NativeWindowId, RECT) override {}
    void SetShowState(platform::NativeWindowId, platform::ShowState) override {}
    void SetTitle(platform::NativeWindowId, const std::string&) override {}
    void SetTopmost(platform::NativeWindowId, bool) override {}
    void SetShape(platform::NativeWindowId, bool, const std::vector<RECT>&) override {}
    void Raise(platform::NativeWindowId) override {}
    void Lower(platform::NativeWindowId) override {}
    void Activate(platform::NativeWindowId) override {}
    void Present(platform::NativeWindowId, const platform::PixelView&, RECT) override {}
    void SetCursor(platform::NativeWindowId, const platform::CursorImage&) override {}
    void CapturePointer(platform::NativeWindowId) override {}
    void ReleasePointer() override {}
    bool StartSystemMove(platform::NativeWindowId) override { return false; }

    void WaitForEvents(std::int64_t timeoutMs) override
    {
        std::unique_lock lock(mutex_);
        if (!woken_ && timeoutMs != 0) {
            if (timeoutMs < 0)
                wake_.wait(lock, [&] { return woken_; });
            else
                wake_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return woken_; });
        }
        woken_ = false;
    }

    void Wake() override
    {
        {
            std::lock_guard lock(mutex_);
            woken_ = true;
        }
        wake_.notify_one();
    }

    // Without a display there is no event loop to watch sockets in.
    bool WatchDescriptor(int, unsigned) override { return false; }
    void UnwatchDescriptor(int) override {}

    std::int64_t NowMs() override
    {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
    std::int64_t WallClockMs() override
    {
        using namespace std::chrono;
        return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    }
    RECT ScreenRect() override { return RECT{0, 0, 1024, 768}; }
    RECT WorkArea() override { return RECT{0, 0, 1024, 768}; }
    POINT PointerPosition() override { return POINT{0, 0}; }

private:
    platform::NativeWindowId next_ = 0;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool woken_ = false;
};

} // namespace

std::unique_ptr<platform::Backend> MakeNullBackend() { return std::make_unique<NullBackend>(); }

} // namespace user
