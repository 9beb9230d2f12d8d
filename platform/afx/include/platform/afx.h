// The MFC-style class framework in one include: strings, containers,
// dates, geometry, drawing, windows, message maps, dialogs and data
// exchange, controls, menus and the application object.
#pragma once

#include "platform/afx_app.h"
#include "platform/afx_array.h"
#include "platform/afx_comdlg.h"
#include "platform/afx_controls.h"
#include "platform/afx_dialog.h"
#include "platform/afx_gdi.h"
#include "platform/afx_geometry.h"
#include "platform/afx_menu.h"
#include "platform/afx_msgmap.h"
#include "platform/afx_string.h"
#include "platform/afx_time.h"
#include "platform/afx_wnd.h"
