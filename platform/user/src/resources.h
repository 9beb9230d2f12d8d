// The process's resource tables: dialog templates, menu templates, strings
// and bitmaps, registered by id.
#pragma once

#include "platform/user_dialog.h"
#include "platform/user_menu.h"

namespace user {

const UserMenuTemplate* FindMenuTemplate(WORD id);
// A resource name that is an integer id; false for string names.
bool ResourceId(LPCSTR name, WORD& id);

} // namespace user
