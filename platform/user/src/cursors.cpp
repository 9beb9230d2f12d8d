// Cursor handles and SetCursor.  Standard cursors and those loaded from the
// program's resources are shared and never destroyed; cursors made from
// pixels belong to their maker.
#include "cursors.h"

#include "image_table.h"
#include "runtime.h"

#include <map>

namespace user {
namespace {

struct CursorTable {
    ImageTable<HCURSOR> images{0x20010};
    std::map<int, HCURSOR> standard; // the shared standard shapes by IDC_ number
};

CursorTable& Cursors()
{
    // Never destroyed: cursors may be asked for while other statics go away.
    static CursorTable* table = new CursorTable();
    return *table;
}

bool IsStandardId(int id) { return (id >= 32512 && id <= 32516) || (id >= 32640 && id <= 32651); }

} // namespace

HCURSOR AddCursorObject(platform::CursorImage image, bool shared)
{
    return Cursors().images.Add(std::move(image), shared);
}

const platform::CursorImage* CursorShape(HCURSOR cursor)
{
    return Cursors().images.Find(cursor);
}

void ApplyCursor()
{
    Runtime& rt = RT();
    HWND target = rt.capture != nullptr ? GetAncestor(rt.capture, GA_ROOT) : rt.pointerTop;
    const Window* w = Peek(target);
    if (w == nullptr || !w->top)
        return;
    platform::CursorImage hidden;
    hidden.standard = 0;
    const platform::CursorImage* shape = rt.cursorShowCount < 0 ? nullptr : CursorShape(rt.cursor);
    Backend().SetCursor(w->top->native, shape != nullptr ? *shape : hidden);
}

} // namespace user

using namespace user;

extern "C" {

HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name)
{
    if (instance != nullptr)
        return static_cast<HCURSOR>(LoadImageA(instance, name, IMAGE_CURSOR, 0, 0, LR_SHARED | LR_DEFAULTSIZE));
    if (!IS_INTRESOURCE(name)) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return nullptr;
    }
    const int id = static_cast<int>(reinterpret_cast<std::uintptr_t>(name));
    if (!IsStandardId(id)) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return nullptr;
    }
    CursorTable& table = Cursors();
    const auto it = table.standard.find(id);
    if (it != table.standard.end())
        return it->second;
    platform::CursorImage image;
    image.standard = id;
    const HCURSOR h = table.images.Add(std::move(image), true);
    table.standard.emplace(id, h);
    return h;
}

HCURSOR SetCursor(HCURSOR cursor)
{
    Runtime& rt = RT();
    const HCURSOR previous = rt.cursor;
    if (cursor != nullptr && CursorShape(cursor) == nullptr)
        return previous; // a stale handle changes nothing
    rt.cursor = cursor;
    if (previous != cursor)
        ApplyCursor();
    return previous;
}

HCURSOR GetCursor() { return RT().cursor; }

BOOL DestroyCursor(HCURSOR cursor)
{
    if (!Cursors().images.Destroy(cursor))
        return FALSE;
    if (RT().cursor == cursor)
        RT().cursor = nullptr;
    return TRUE;
}

int ShowCursor(BOOL show)
{
    Runtime& rt = RT();
    rt.cursorShowCount += show ? 1 : -1;
    ApplyCursor();
    return rt.cursorShowCount;
}

} // extern "C"

HCURSOR UserCreateCursorFromArgb(int width, int height, int hotX, int hotY, const std::uint32_t* argb)
{
    if (width <= 0 || height <= 0 || width > 256 || height > 256 || argb == nullptr || hotX < 0 || hotY < 0 ||
        hotX >= width || hotY >= height)
        return nullptr;
    platform::CursorImage image;
    image.standard = 0;
    image.width = width;
    image.height = height;
    image.hotSpot = POINT{hotX, hotY};
    image.argb.assign(argb, argb + static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    return AddCursorObject(std::move(image), false);
}
