// Window DCs handed out by GetDC, GetWindowDC, GetDCEx and BeginPaint.
// Each is a GDI surface DC over its top-level window's backing store; the
// record keeps that buffer alive and remembers what to present on release.
#pragma once

#include "backing_store.h"
#include "platform/user.h"

#include <map>
#include <memory>
#include <optional>

namespace user {

struct DcRecord {
    HWND hwnd = nullptr;      // the window asked for
    HWND top = nullptr;       // its top-level window (null for the screen DC)
    std::shared_ptr<StoreBuffer> buffer;
    RECT bounds{};            // where the DC may draw, backing-store coordinates
    bool paint = false;       // made by BeginPaint
};

class DcTable {
public:
    void Add(HDC dc, DcRecord record) { records_[dc] = std::move(record); }
    const DcRecord* Find(HDC dc) const
    {
        const auto it = records_.find(dc);
        return it == records_.end() ? nullptr : &it->second;
    }
    std::optional<DcRecord> Take(HDC dc)
    {
        const auto it = records_.find(dc);
        if (it == records_.end())
            return std::nullopt;
        DcRecord record = std::move(it->second);
        records_.erase(it);
        return record;
    }
    std::map<HDC, DcRecord>& All() { return records_; }

private:
    std::map<HDC, DcRecord> records_;
};

} // namespace user
