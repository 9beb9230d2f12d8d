// Brushes and pens in the handle table, the ones a DC draws with, and the
// system colours that brushes may name.
#pragma once

#include "handle_table.h"
#include "platform/gdi_surface.h"

#include <optional>

namespace gdi {

// The DC's selected brush and pen, or the stock white brush and black pen
// when it has none or it was deleted.
const BrushObject& dcBrush(HandleTable& table, const DcObject& dc);
HBRUSH dcBrushHandle(HandleTable& table, const DcObject& dc);
const PenObject& dcPen(HandleTable& table, const DcObject& dc);
HPEN dcPenHandle(HandleTable& table, const DcObject& dc);

// A brush handle, or a system colour index plus one; nothing for a stale
// handle or a colour index that no registered source answers.
std::optional<BrushObject> brushFor(HandleTable& table, HBRUSH brush);

void setSysColorSource(GdiSysColorSource source);
// A system colour from the registered source, or `fallback` without one.
COLORREF sysColor(int index, COLORREF fallback);

} // namespace gdi
