// Standard pointer shapes (the IDC_* numbers) to Qt's.
#include "platform/qt_backend.h"

#include <Qt>

namespace platform {

int QtCursorShapeFor(int standard)
{
    struct Pair {
        int idc;
        Qt::CursorShape shape;
    };
    static constexpr Pair kShapes[] = {
        {0, Qt::BlankCursor},           {32512, Qt::ArrowCursor},      {32513, Qt::IBeamCursor},
        {32514, Qt::WaitCursor},        {32515, Qt::CrossCursor},      {32516, Qt::UpArrowCursor},
        {32642, Qt::SizeFDiagCursor},   {32643, Qt::SizeBDiagCursor},  {32644, Qt::SizeHorCursor},
        {32645, Qt::SizeVerCursor},     {32646, Qt::SizeAllCursor},    {32648, Qt::ForbiddenCursor},
        {32649, Qt::PointingHandCursor}, {32650, Qt::BusyCursor},      {32651, Qt::WhatsThisCursor},
    };
    for (const Pair& p : kShapes)
        if (p.idc == standard)
            return p.shape;
    return Qt::ArrowCursor;
}

} // namespace platform
