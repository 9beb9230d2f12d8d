#include "gdi_maps.h"
#include "handle_maps.h"
#include "platform/afx_menu.h"
#include "wnd_state.h"

namespace afx {
HandleMap<HMENU, CMenu>& MenuMap();
} // namespace afx

void AfxDeleteTempMaps()
{
    afx::WndMap().DeleteTemporaries();
    afx::DcMap().DeleteTemporaries();
    afx::GdiMap().DeleteTemporaries();
    afx::MenuMap().DeleteTemporaries();
}
