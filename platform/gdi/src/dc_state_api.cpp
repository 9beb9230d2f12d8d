// SaveDC and RestoreDC.
#include "platform/gdi.h"

#include "dc_select.h"
#include "handle_table.h"

using namespace gdi;

namespace {

DcState capture(const DcObject& dc)
{
    DcState s;
    s.bitmap = dc.bitmap;
    s.palette = dc.palette;
    s.background = dc.background;
    s.text = dc.text;
    s.backgroundMode = dc.backgroundMode;
    s.stretchMode = dc.stretchMode;
    s.clip = dc.clip;
    s.font = dc.font;
    s.textAlign = dc.textAlign;
    s.brush = dc.brush;
    s.pen = dc.pen;
    s.position = dc.position;
    s.mixMode = dc.mixMode;
    return s;
}

void restore(HandleTable& table, HDC handle, DcObject& dc, DcState s)
{
    // The bitmap goes back through selection, which keeps a bitmap in one
    // DC at a time; one deleted or taken by another DC meanwhile stays out.
    if (!dc.external && s.bitmap != dc.bitmap && table.get<BitmapObject>(s.bitmap) != nullptr)
        selectInto(table, handle, dc, s.bitmap);
    dc.palette = s.palette;
    dc.background = s.background;
    dc.text = s.text;
    dc.backgroundMode = s.backgroundMode;
    dc.stretchMode = s.stretchMode;
    dc.clip = std::move(s.clip);
    dc.font = s.font;
    dc.textAlign = s.textAlign;
    dc.brush = s.brush;
    dc.pen = s.pen;
    dc.position = s.position;
    dc.mixMode = s.mixMode;
}

} // namespace

extern "C" {

int SaveDC(HDC dc)
{
    return gdiCall(0, [&](HandleTable& table) {
        DcObject* object = table.get<DcObject>(dc);
        if (object == nullptr)
            return 0;
        object->saved.push_back(capture(*object));
        return static_cast<int>(object->saved.size());
    });
}

BOOL RestoreDC(HDC dc, int level)
{
    return gdiCall(FALSE, [&](HandleTable& table) {
        DcObject* object = table.get<DcObject>(dc);
        if (object == nullptr)
            return FALSE;
        const long long depth = static_cast<long long>(object->saved.size());
        const long long target = level < 0 ? depth + level + 1 : level;
        if (level == 0 || target < 1 || target > depth)
            return FALSE;
        DcState state = std::move(object->saved[static_cast<std::size_t>(target - 1)]);
        object->saved.resize(static_cast<std::size_t>(target - 1));
        restore(table, dc, *object, std::move(state));
        return TRUE;
    });
}

} // extern "C"
